#include "platform/web/options_form.h"

namespace skyscrub::web {

namespace {

// The dialog's message box, kept for the page to show.
class KeptMessage final : public settings::MessageBoxes {
 public:
  explicit KeptMessage(FormOutcome& outcome) : outcome_(outcome) {}
  void ShowMessage(std::string_view title, std::string_view text) override {
    outcome_.title = title;
    outcome_.text = text;
  }

 private:
  FormOutcome& outcome_;
};

const char* Flag(bool ticked) { return ticked ? "1" : "0"; }

}  // namespace

settings::OptionsControls OpenForm(const std::optional<std::string>& fileContent) {
  settings::OptionsControls controls;
  settings::LoadOptions(controls, fileContent);
  return controls;
}

FormOutcome SaveForm(settings::OptionsControls controls, const std::string& settingsPath) {
  FormOutcome outcome;
  KeptMessage messages(outcome);
  outcome.saved = settings::SaveClicked(controls, settingsPath, messages);
  outcome.speedText = controls.speedText;
  return outcome;
}

std::string PageText(const settings::OptionsControls& controls) {
  return controls.speedText + "\n" + Flag(controls.soundTicked) + "\n" + Flag(controls.musicTicked);
}

std::string PageText(const FormOutcome& outcome) {
  return std::string(Flag(outcome.saved)) + "\n" + outcome.speedText + "\n" + outcome.title + "\n" + outcome.text;
}

}  // namespace skyscrub::web
