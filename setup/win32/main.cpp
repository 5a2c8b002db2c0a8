// SkyscrubSetup on Windows: the dialog that edits the game's settings file.
#include <windows.h>

#include <commctrl.h>

#include <cstdio>
#include <optional>

#include "platform/windows/parent_console.h"
#include "settings/game_layout.h"
#include "setup/command_line.h"
#include "setup/win32/options_dialog.h"

int main(int argc, char** argv) {
  if (argc > 1) skyscrub::windows::UseParentConsole();
  if (const std::optional<int> status = skyscrub::setup::AnswerCommandLine(argc, argv)) return *status;
  INITCOMMONCONTROLSEX controls{sizeof controls, ICC_STANDARD_CLASSES};
  ::InitCommonControlsEx(&controls);
  const skyscrub::settings::Layout& layout = skyscrub::settings::RunningProgramLayout();
  skyscrub::setup::OptionsDialog dialog(skyscrub::settings::SettingsFileToRead(layout), layout.settingsFile);
  if (!dialog.Run(::GetModuleHandleW(nullptr))) {
    std::fprintf(stderr, "SkyscrubSetup: cannot show the dialog (error %lu)\n", ::GetLastError());
    return 1;
  }
  return 0;
}
