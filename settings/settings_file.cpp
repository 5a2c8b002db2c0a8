#include "settings/settings_file.h"

namespace skyscrub::settings {

std::string SettingsPath(std::string_view programFolder) {
  std::string path(programFolder);
  path += kFileLiteral;
  return path;
}

Fields ReadFields(std::string_view) { return {}; }

std::string Format(std::int16_t speed, std::int16_t sound, std::int16_t music) {
  return std::to_string(speed) + "\r\n" + std::to_string(sound) + "\r\n" + std::to_string(music) + "\r\n";
}

}  // namespace skyscrub::settings
