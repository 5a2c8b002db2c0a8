#include "recording/recording_platform.h"

namespace skyscrub::recording {

RecordingPlatform::RecordingPlatform(Platform& system, RecordedInputs& inputs)
    : system_(system),
      inputs_(inputs),
      // Sounds, music and the window are the game's effects, not its inputs: they go straight on.
      platform_{*this, system.sound, system.music, *this, *this, *this, system.window, *this} {}

std::int16_t RecordingPlatform::GetKeyState(Key key) {
  const std::int16_t state = system_.keyboard.GetKeyState(key);
  inputs_.KeyRead(key, (state & kKeyDownBit) != 0);
  return state;
}

DisplaySize RecordingPlatform::CurrentSize() {
  const DisplaySize size = system_.display.CurrentSize();
  inputs_.ScreenRead(size);
  return size;
}

ModeTest RecordingPlatform::TestMode(std::int32_t width, std::int32_t height) {
  const ModeTest result = system_.display.TestMode(width, height);
  inputs_.ModeTested(result);
  return result;
}

MessageAnswer RecordingPlatform::Show(std::string_view title, std::string_view text, MessageButtons buttons) {
  const MessageAnswer answer = system_.messages.Show(title, text, buttons);
  inputs_.Answered(answer);
  return answer;
}

std::uint64_t RecordingPlatform::RandomSeed() {
  const std::uint64_t seed = system_.clock.RandomSeed();
  inputs_.Reseeded(seed);
  return seed;
}

std::optional<std::string> RecordingPlatform::ReadTextFile(const std::string& path) {
  std::optional<std::string> content = system_.files.ReadTextFile(path);
  inputs_.FileRead(content);
  return content;
}

}  // namespace skyscrub::recording
