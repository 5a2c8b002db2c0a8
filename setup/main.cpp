// SkyscrubSetup: the dialog that edits the game's settings file.
#include <FL/Fl.H>

#include <cstdio>
#include <cstring>
#include <optional>
#include <string>
#include <string_view>

#include "settings/game_layout.h"
#include "settings/program_names.h"
#include "setup/dialog_look.h"
#include "setup/display_opening.h"
#include "setup/fltk_message_boxes.h"
#include "setup/options_window.h"
#include "skyscrub/version.h"

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

// Answers --help and --version (the help when both are asked) and refuses anything else on
// the command line: the exit status when the program is to end here, nothing when the dialog
// is to open.
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

}  // namespace

int main(int argc, char** argv) {
  if (const std::optional<int> status = AnswerCommandLine(argc, argv)) return *status;
  std::string whyNot;
  if (!skyscrub::setup::OpenDisplay(whyNot)) {
    std::fprintf(stderr, "SkyscrubSetup: cannot open a display: %s\n", whyNot.c_str());
    return 1;
  }
  skyscrub::setup::UseCurrentLook();
  skyscrub::setup::FltkMessageBoxes messages;
  const skyscrub::settings::Layout& layout = skyscrub::settings::RunningProgramLayout();
  skyscrub::setup::OptionsWindow dialog(skyscrub::settings::SettingsFileToRead(layout), layout.settingsFile, messages);
  dialog.Show();
  return Fl::run();
}
