#include "recording/replay_answers.h"

#include "settings/file_access.h"

namespace skyscrub::recording {

void ReplayAnswers::SetSeed(std::uint64_t seed) {
  seed_ = seed;
  reseedCount_ = 0;
}

std::int16_t ReplayAnswers::KeyState(Key key) const {
  return held.count(key) ? static_cast<std::int16_t>(0xFF80) : std::int16_t{0};
}

std::optional<std::string> ReplayAnswers::SettingsFile() const {
  if (settingsContent && settingsContent->size() > settings::kMaxFileBytes) return std::nullopt;  // as the real files refuse it
  return settingsContent;
}

MessageAnswer ReplayAnswers::NextAnswer(MessageButtons buttons) {
  if (answers.empty()) return buttons == MessageButtons::Ok ? MessageAnswer::Ok : MessageAnswer::No;
  const MessageAnswer answer = answers.front();
  answers.pop_front();
  return answer;
}

std::uint64_t ReplayAnswers::NextSeed() {
  if (reseeds.empty()) return seed_ * 1000003u + reseedCount_++;
  const std::uint64_t seed = reseeds.front();
  reseeds.pop_front();
  return seed;
}

}  // namespace skyscrub::recording
