#include "settings/options_rules.h"

#include "settings/game_layout.h"
#include "settings/number_text.h"
#include "settings/settings_file.h"

namespace skyscrub::settings {

namespace {

bool IsOn(std::int16_t flag) { return flag == 1; }

std::int16_t FlagOf(bool ticked) { return ticked ? 1 : 0; }

}  // namespace

void LoadOptions(OptionsControls& controls, const std::optional<std::string>& fileContent) {
  if (!fileContent) return;
  // The whole file is read before any control is set; line 2 is kept as text and
  // converted only when the Sound box is set, last.
  const settings::FieldTexts fields = settings::SplitFields(*fileContent);
  if (fields.count < 3) return;
  const std::optional<std::int16_t> speed = settings::FieldValue(fields.texts[0]);
  if (!speed) return;
  const std::string_view soundText = fields.texts[1];
  const std::optional<std::int16_t> music = settings::FieldValue(fields.texts[2]);
  if (!music) return;

  controls.speedText = std::to_string(*speed);
  controls.musicTicked = IsOn(*music);
  const std::optional<std::int16_t> sound = settings::FieldValue(soundText);
  if (!sound) return;
  controls.soundTicked = IsOn(*sound);
}

bool SaveClicked(OptionsControls& controls, const std::string& settingsPath, MessageBoxes& messages) {
  const std::optional<std::int16_t> speed = settings::ParseInt16(controls.speedText);
  if (!speed) {
    messages.ShowMessage(kInvalidSpeedTitle, kInvalidSpeedText);
    return false;
  }
  controls.speedText = std::to_string(*speed);
  if (*speed <= 0 || *speed >= 1000) {
    messages.ShowMessage(kInvalidSpeedTitle, kInvalidSpeedText);
    return false;
  }
  return SaveSettings(controls, *speed, settingsPath, messages);
}

bool SaveSettings(const OptionsControls& controls, std::int16_t speed, const std::string& settingsPath,
                  MessageBoxes& messages) {
  const std::string content =
      settings::Format(speed, FlagOf(controls.soundTicked), FlagOf(controls.musicTicked));
  if (settings::SaveSettingsFile(settings::RunningProgramLayout(), settingsPath, content)) return true;
  messages.ShowMessage(kWriteFailedTitle, kWriteFailedText);
  return false;
}

}  // namespace skyscrub::settings
