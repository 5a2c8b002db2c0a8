#include "setup/command_line.h"

#include <cstdio>
#include <cstring>
#include <string>
#include <string_view>

#include "settings/game_layout.h"
#include "settings/program_names.h"
#include "skyscrub/version.h"

namespace skyscrub::setup {

namespace {

// What --help prints, naming the dialog `self` and the game `game`.
std::string Usage(std::string_view self, std::string_view game) {
  std::string text = R"(Usage: SELF [OPTION]...
SELF: the "Skyscrub Options" dialog, which sets GAME's game speed and turns its
sound effects and music on or off.

  --help          show this help and end
  --version       show the version and end

Exit status: 0 when the dialog closes, 2 for a bad command line.
)";
  for (std::size_t at = text.find("SELF"); at != std::string::npos; at = text.find("SELF")) text.replace(at, 4, self);
  text.replace(text.find("GAME"), 4, game);
  return text;
}

}  // namespace

std::optional<int> AnswerCommandLine(int argc, char** argv) {
  bool help = false, version = false;
  for (int i = 1; i < argc; ++i) {
    if (std::strcmp(argv[i], "--help") == 0) {
      help = true;
    } else if (std::strcmp(argv[i], "--version") == 0) {
      version = true;
    } else {
      std::fprintf(stderr, "SkyscrubSetup: unknown option '%s' (SkyscrubSetup --help lists the options)\n", argv[i]);
      return 2;
    }
  }
  if (help) {
    const skyscrub::settings::ProgramNames names =
        skyscrub::settings::ProgramNamesIn(skyscrub::settings::RunningProgramLayout());
    std::fputs(Usage(skyscrub::settings::InvokedAs(argv[0], names.editor), names.game).c_str(), stdout);
  }
  if (!help && version) std::printf("SkyscrubSetup %s\n", skyscrub::kVersion);
  if (help || version) return 0;
  return std::nullopt;
}

}  // namespace skyscrub::setup
