// SkyscrubSetup: the dialog that edits the game's settings file.
#include <FL/Fl.H>

#include <cstdio>
#include <optional>
#include <string>

#include "settings/game_layout.h"
#include "setup/command_line.h"
#include "setup/dialog_look.h"
#include "setup/display_opening.h"
#include "setup/fltk_message_boxes.h"
#include "setup/options_window.h"

int main(int argc, char** argv) {
  if (const std::optional<int> status = skyscrub::setup::AnswerCommandLine(argc, argv)) return *status;
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
