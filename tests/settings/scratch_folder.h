#pragma once
// A new, empty folder with a name no other test run is using, in the system's temporary folder.
#include <filesystem>
#include <random>
#include <string>

namespace skyscrub::settings {

inline std::filesystem::path MakeScratchFolder(const std::string& prefix) {
  const std::filesystem::path temporary = std::filesystem::temp_directory_path();
  std::random_device seed;
  std::mt19937_64 random(seed());
  for (int attempt = 0; attempt < 100; ++attempt) {
    std::filesystem::path folder = temporary / (prefix + std::to_string(random()));
    if (std::filesystem::create_directory(folder)) return folder;
  }
  return {};
}

}  // namespace skyscrub::settings
