#pragma once
// The dialog's message boxes: modal, an OK button only, no icon.
#include "settings/options_rules.h"

namespace skyscrub::setup {

class FltkMessageBoxes : public settings::MessageBoxes {
 public:
  void ShowMessage(std::string_view title, std::string_view text) override;
};

}  // namespace skyscrub::setup
