#pragma once
// The dialog's message boxes as Windows draws them: modal to the dialog, an OK button only,
// no icon.
#include <windows.h>

#include "settings/options_rules.h"

namespace skyscrub::setup {

class Win32MessageBoxes : public settings::MessageBoxes {
 public:
  void SetOwner(HWND owner) { owner_ = owner; }
  void ShowMessage(std::string_view title, std::string_view text) override;

 private:
  HWND owner_ = nullptr;
};

}  // namespace skyscrub::setup
