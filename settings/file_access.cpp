#include "settings/file_access.h"

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <system_error>

#include "settings/utf8_path.h"

namespace skyscrub::settings {

std::optional<std::string> ReadWholeFile(const std::string& path) {
  namespace fs = std::filesystem;
  const fs::path file_path = PathOf(path);
  std::error_code error;
  if (!fs::is_regular_file(file_path, error)) return std::nullopt;
  const std::uintmax_t size = fs::file_size(file_path, error);
  if (error || size > kMaxFileBytes) return std::nullopt;
  std::ifstream file(file_path, std::ios::binary);
  if (!file) return std::nullopt;
  std::string content;
  content.reserve(static_cast<std::size_t>(size));
  char buffer[4096];
  while (file.read(buffer, sizeof buffer) || file.gcount() > 0) {
    content.append(buffer, static_cast<std::size_t>(file.gcount()));
    if (content.size() > kMaxFileBytes) return std::nullopt;  // grew while being read
  }
  if (file.bad()) return std::nullopt;
  return content;
}

}  // namespace skyscrub::settings
