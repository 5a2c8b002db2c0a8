#include "platform/sdl/command_line.h"

#include <limits>

namespace skyscrub::sdl {

std::string Usage(std::string_view self, std::string_view editor) {
  std::string text = R"(Usage: SELF [OPTION]...
Skyscrub: shoot the CO2 and CH4 molecules, protect the ozone layer, keep the Earth cool.

With no option the game switches the display to 800 x 600 and sits in front of every window.
  --window[=N]    play in a window of your own instead, the 800 x 600 picture scaled N times
                  (by default the largest whole N that fits the desktop); the display is left
                  as it is, and a game pauses when the window loses the focus
  --window=max    the same in the largest window that fits the desktop, at any scale
  --fullscreen    fill the display at its own resolution, the picture scaled with its shape
                  kept; F11 or Alt+Enter switches between the window and the full screen
  --record FILE   play and write the game to FILE as it goes, as a recording that replays
                  exactly (attach it to a bug report)
  --play FILE     watch a recording: the game plays it back as it was, in a window (as
                  --window, unless --window=N or --fullscreen says otherwise) and never
                  changes the display or the settings; Space pauses and resumes, Right or +
                  plays faster (up to 8 times), Left or - slower, Escape stops. It stops
                  with a message at the first moment that differs from the recording
  --help          show this help and end
  --version       show the version and end

Keys: Left and Right steer, Up fires the engine, Z shoots, P pauses, Space resumes and
leaves the end screens, Escape quits. A gamepad plays too: d-pad or left stick to steer
and thrust, A (cross) or the right trigger to shoot, Start to pause, A or Start to resume,
to take "Play" and "Start" and to leave the end screens, Back to quit from the title.
The settings are made with EDITOR.
Exit status: 0 when the game ends, 1 when no display or window can be opened,
2 for a bad command line, a window larger than any display or a recording that
cannot be read; a recording that does not play to its end: 11 a moment differs
from it, 12 a line that is no command or a format unknown, 13 cut off, 14 more
work than a replay allows.
)";
  text.replace(text.find("SELF"), 4, self);
  text.replace(text.find("EDITOR"), 6, editor);
  return text;
}

namespace {

// The value of "--name=value"; nothing when `arg` is not written so.
std::optional<std::string_view> AttachedValue(std::string_view arg, std::string_view name) {
  if (arg.size() <= name.size() || !arg.starts_with(name) || arg[name.size()] != '=') return std::nullopt;
  return arg.substr(name.size() + 1);
}

// "--name=value" gives value; "--name value" takes the next argument.
std::optional<std::string> ValueOf(std::string_view arg, std::string_view name, int& i, int argc,
                                   const char* const* argv) {
  if (const auto value = AttachedValue(arg, name)) return std::string(*value);
  if (arg == name && i + 1 < argc) return std::string(argv[++i]);
  return std::nullopt;
}

bool Names(std::string_view arg, std::string_view name) { return arg == name || AttachedValue(arg, name); }

// A scale written as decimal digits, at least 1; larger than any display is judged once the
// displays are known, so a huge number only needs to stay huge.
std::optional<std::int32_t> ScaleOf(std::string_view text) {
  if (text.empty()) return std::nullopt;
  std::int64_t value = 0;
  for (char c : text) {
    if (c < '0' || c > '9') return std::nullopt;
    value = std::min<std::int64_t>(value * 10 + (c - '0'), std::numeric_limits<std::int32_t>::max());
  }
  if (value < 1) return std::nullopt;
  return static_cast<std::int32_t>(value);
}

}  // namespace

CommandLine ReadCommandLine(int argc, const char* const* argv) {
  CommandLine line;
  auto refuse = [&line](std::string error) {
    line.action = CommandLine::Action::Refuse;
    line.error = std::move(error);
    return line;
  };
  // Whether `presentation` may be taken: one --window or --fullscreen at most.
  bool presentationGiven = false;
  auto present = [&](Presentation presentation) {
    if (presentationGiven) return false;
    presentationGiven = true;
    line.options.presentation = presentation;
    return true;
  };
  const std::string oneMode = "give one --window or --fullscreen at most";
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
    } else if (Names(arg, "--play")) {
      std::optional<std::string> file = ValueOf(arg, "--play", i, argc, argv);
      if (!file || file->empty()) return refuse("--play needs a file name");
      line.options.play = std::move(file);
    } else if (Names(arg, "--window")) {
      if (!present(Presentation::Window)) return refuse(oneMode);
      if (arg == "--window") continue;
      const std::string_view scale = *AttachedValue(arg, "--window");
      if (scale == "max") {
        line.options.windowScale = kLargestWindow;
        continue;
      }
      const std::optional<std::int32_t> value = ScaleOf(scale);
      if (!value) return refuse("--window=N needs a whole number N of at least 1 or max, not '" + std::string(scale) + "'");
      line.options.windowScale = *value;
    } else if (Names(arg, "--fullscreen")) {
      if (arg != "--fullscreen") return refuse("--fullscreen takes no value");
      if (!present(Presentation::FullScreen)) return refuse(oneMode);
    } else {
      return refuse("unknown option '" + std::string(arg) + "' (Skyscrub --help lists the options)");
    }
  }
  if (line.options.play && line.options.record) return refuse("--play and --record cannot go together");
  // A recording is watched in a window unless the viewer chose otherwise: the display stays as it is.
  if (line.options.play && !presentationGiven) line.options.presentation = Presentation::Window;
  return line;
}

}  // namespace skyscrub::sdl
