// SkyscrubSetup: the dialog that edits the game's settings file.
#include <FL/Fl.H>

#include "settings/program_folder.h"
#include "settings/settings_file.h"
#include "setup/dialog_look.h"
#include "setup/fltk_message_boxes.h"
#include "setup/options_window.h"

int main() {
  skyscrub::setup::UseCurrentLook();
  skyscrub::setup::FltkMessageBoxes messages;
  skyscrub::setup::OptionsWindow dialog(
      skyscrub::settings::SettingsPath(skyscrub::settings::RunningProgramFolder()), messages);
  dialog.Show();
  return Fl::run();
}
