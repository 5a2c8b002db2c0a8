#include "assets/generator/theme_icons.h"

#include <filesystem>

#include "assets/generator/sprites.h"

namespace assetgen {

bool WriteThemeIcons(const std::string& dir, const std::string& name, const std::vector<int>& sizes) {
  for (const int size : sizes) {
    const std::string side = std::to_string(size);
    const std::filesystem::path folder = std::filesystem::path(dir) / (side + "x" + side) / "apps";
    std::error_code error;
    std::filesystem::create_directories(folder, error);
    // The icon is designed on a 32-unit grid and drawn straight at the size asked for.
    const Image icon = EarthIcon(static_cast<float>(size) / 32);
    if (error || icon.Width() != size || !SavePng(icon, (folder / (name + ".png")).string(), false)) return false;
  }
  return true;
}

}  // namespace assetgen
