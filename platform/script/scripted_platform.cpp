#include "platform/script/scripted_platform.h"

#include "recording/value_text.h"

namespace skyscrub {

using recording::JsonQuoted;

namespace {

// Sound paths end in the effect's file name; the trace shows just that.
std::string_view FileName(std::string_view path) {
  const std::size_t cut = path.find_last_of("\\/");
  return cut == std::string_view::npos ? path : path.substr(cut + 1);
}

}  // namespace

std::string ToJson(const Effect& e) {
  using Kind = Effect::Kind;
  switch (e.kind) {
    case Kind::Sound: return "{\"sound\":" + JsonQuoted(FileName(e.text)) + "}";
    case Kind::Music: return "{\"music\":" + JsonQuoted(e.text) + "}";
    case Kind::MessageBox: return "{\"msgbox\":" + JsonQuoted(e.text) + ",\"text\":" + JsonQuoted(e.text2) + "}";
    case Kind::Display:
      return "{\"display\":[" + std::to_string(e.width) + "," + std::to_string(e.height) + "]}";
    case Kind::Topmost: return "{\"topmost\":true}";
    case Kind::Reboot: return "{\"reboot\":true}";
    case Kind::Unload: return "{\"unload\":true}";
    case Kind::End: return "{\"end\":true}";
  }
  return "{}";
}

ScriptedPlatform::ScriptedPlatform()
    : platform_{*this, *this, *this, *this, *this, *this, *this, *this} {}

std::int16_t ScriptedPlatform::GetKeyState(Key key) { return KeyState(key); }

void ScriptedPlatform::PlaySound(const std::string& path, bool) {
  effects.push_back({Effect::Kind::Sound, path, {}});
}

void ScriptedPlatform::Play(const std::string& path, int, int) {
  effects.push_back({Effect::Kind::Music, path, {}});
}

DisplaySize ScriptedPlatform::CurrentSize() { return screen; }

ModeTest ScriptedPlatform::TestMode(std::int32_t, std::int32_t) { return modeTest; }

void ScriptedPlatform::ApplyMode(std::int32_t width, std::int32_t height) {
  screen = {width, height};
  effects.push_back({Effect::Kind::Display, {}, {}, width, height});
}

void ScriptedPlatform::RequestRestart() { effects.push_back({Effect::Kind::Reboot, {}, {}}); }

MessageAnswer ScriptedPlatform::Show(std::string_view title, std::string_view text, MessageButtons buttons) {
  effects.push_back({Effect::Kind::MessageBox, std::string(title), std::string(text)});
  return NextAnswer(buttons);
}

std::uint64_t ScriptedPlatform::RandomSeed() { return NextSeed(); }

void ScriptedPlatform::Place(int, int, int, int) {}

void ScriptedPlatform::MakeTopmost() { effects.push_back({Effect::Kind::Topmost, {}, {}}); }

void ScriptedPlatform::Unload() { effects.push_back({Effect::Kind::Unload, {}, {}}); }

void ScriptedPlatform::EndProgram() {
  ended = true;
  effects.push_back({Effect::Kind::End, {}, {}});
}

std::string ScriptedPlatform::ProgramFolder() { return {}; }

std::optional<std::string> ScriptedPlatform::ReadTextFile(const std::string& path) {
  if (path != "/components/gamedata.jpc") return std::nullopt;
  return SettingsFile();
}

}  // namespace skyscrub
