#include "platform/sdl/program_files.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <system_error>

namespace skyscrub::sdl {

std::optional<std::string> ReadSmallTextFile(const std::string& path) {
  std::error_code error;
  if (!std::filesystem::is_regular_file(path, error)) return std::nullopt;
  std::ifstream file(path, std::ios::binary);
  if (!file) return std::nullopt;
  std::string content(kMaxTextFileBytes, '\0');
  file.read(content.data(), static_cast<std::streamsize>(content.size()));
  if (file.bad()) return std::nullopt;
  content.resize(static_cast<std::size_t>(file.gcount()));
  return content;
}

std::string NativePath(std::string path) {
  std::replace(path.begin(), path.end(), '\\', '/');
  return path;
}

}  // namespace skyscrub::sdl
