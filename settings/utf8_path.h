#pragma once
// The programs hold paths as UTF-8 text. A std::filesystem path made from plain text would take
// it in the system's narrow code page on Windows, so paths go through these both ways.
#include <filesystem>
#include <string>

namespace skyscrub::settings {

inline std::filesystem::path PathOf(const std::string& utf8) {
  return std::filesystem::path(std::u8string(utf8.begin(), utf8.end()));
}

inline std::string TextOf(const std::filesystem::path& path) {
  const std::u8string utf8 = path.generic_u8string();  // one separator, "/", everywhere
  return std::string(utf8.begin(), utf8.end());
}

}  // namespace skyscrub::settings
