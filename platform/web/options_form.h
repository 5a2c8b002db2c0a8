#pragma once
// The game's options as a form on the browser game's page, following the rules SkyscrubSetup's
// dialog follows (loading, the speed check and its texts, the settings file's format), with the
// page's form standing in for its widgets and the page's dialogs for its message boxes.
#include <optional>
#include <string>

#include "settings/options_rules.h"

namespace skyscrub::web {

// What the form shows on opening, as the dialog's Load sets its controls from the settings
// file's content (nothing when there is no file).
settings::OptionsControls OpenForm(const std::optional<std::string>& fileContent);

// What pressing "Save" on the form did.
struct FormOutcome {
  bool saved = false;
  std::string speedText;    // the speed as the dialog shows it back after converting it
  std::string title, text;  // the message box shown, if any
};
// Checks and saves `controls` to the settings file at `settingsPath`, as the dialog's "Save" does.
FormOutcome SaveForm(settings::OptionsControls controls, const std::string& settingsPath);

// The page's text for the controls and for an outcome: one field a line.
std::string PageText(const settings::OptionsControls& controls);
std::string PageText(const FormOutcome& outcome);

}  // namespace skyscrub::web
