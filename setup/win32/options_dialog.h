#pragma once
// The "Skyscrub Options" dialog as Windows draws it, from the dialog resource: its controls put
// on their designed pixels at the monitor's scale, and their events.
#include <windows.h>

#include <string>

#include "settings/options_rules.h"
#include "setup/win32/message_boxes.h"

namespace skyscrub::setup {

class OptionsDialog {
 public:
  // Loads the controls from the file at `loadPath` and saves to `settingsPath`.
  OptionsDialog(std::string loadPath, std::string settingsPath);
  ~OptionsDialog();
  OptionsDialog(const OptionsDialog&) = delete;
  OptionsDialog& operator=(const OptionsDialog&) = delete;

  // Shows the dialog until it closes; false when it could not be made.
  bool Run(HINSTANCE instance);

 private:
  static INT_PTR CALLBACK Procedure(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
  INT_PTR Handle(UINT message, WPARAM wParam, LPARAM lParam);

  void Form_Load();
  void Command3_Click();  // "Save "
  void Close();           // "Cancel" and the close box
  void PlaceControls();
  void UseIcons();
  void UseFrameFont();

  settings::OptionsControls ReadControls() const;
  void ShowControls(const settings::OptionsControls& controls);

  std::string loadPath_;
  std::string settingsPath_;
  Win32MessageBoxes messages_;
  HWND form1_ = nullptr;
  HFONT frameFont_ = nullptr;
  HICON bigIcon_ = nullptr;
  HICON smallIcon_ = nullptr;
};

}  // namespace skyscrub::setup
