#include "platform/sdl/command_line.h"

namespace skyscrub::sdl {

const std::string_view kUsage = R"(Usage: Skyscrub [OPTION]...
Skyscrub: shoot the CO2 and CH4 molecules, protect the ozone layer, keep the Earth cool.

  --record FILE   play and write the game to FILE as it goes, as a trace script that
                  skyscrub-trace FILE replays exactly (attach it to a bug report)
  --help          show this help and end
  --version       show the version and end

Keys: Left and Right steer, Up fires the engine, Z shoots, P pauses, Space resumes and
leaves the end screens, Escape quits. The settings are made with SkyscrubSetup.
Exit status: 0 when the game ends, 1 when no display or window can be opened,
2 for a bad command line.
)";

namespace {

// "--name=value" gives value; "--name value" takes the next argument.
std::optional<std::string> ValueOf(std::string_view arg, std::string_view name, int& i, int argc,
                                   const char* const* argv) {
  if (arg.size() > name.size() && arg.substr(0, name.size()) == name && arg[name.size()] == '=') {
    return std::string(arg.substr(name.size() + 1));
  }
  if (arg == name && i + 1 < argc) return std::string(argv[++i]);
  return std::nullopt;
}

bool Names(std::string_view arg, std::string_view name) {
  return arg == name || (arg.substr(0, name.size()) == name && arg.size() > name.size() && arg[name.size()] == '=');
}

}  // namespace

CommandLine ReadCommandLine(int argc, const char* const* argv) {
  CommandLine line;
  auto refuse = [&line](std::string error) {
    line.action = CommandLine::Action::Refuse;
    line.error = std::move(error);
    return line;
  };
  for (int i = 1; i < argc; ++i) {
    const std::string_view arg = argv[i];
    if (arg == "--help") {
      line.action = CommandLine::Action::Help;
    } else if (arg == "--version") {
      if (line.action != CommandLine::Action::Help) line.action = CommandLine::Action::Version;
    } else if (Names(arg, "--record")) {
      std::optional<std::string> file = ValueOf(arg, "--record", i, argc, argv);
      if (!file || file->empty()) return refuse("--record needs a file name");
      line.options.record = std::move(file);
    } else {
      return refuse("unknown option '" + std::string(arg) + "' (Skyscrub --help lists the options)");
    }
  }
  return line;
}

}  // namespace skyscrub::sdl
