#include "assets/generator/theme_icons.h"

#include <filesystem>

#include "assets/generator/earth_icon.h"

namespace assetgen {

bool WriteThemeIcons(const std::string& dir, const std::string& name, const std::vector<int>& sizes) {
  for (const int size : sizes) {
    const std::string side = std::to_string(size);
    const std::filesystem::path folder = std::filesystem::path(dir) / (side + "x" + side) / "apps";
    std::error_code error;
    std::filesystem::create_directories(folder, error);
    // Each size is drawn for itself, with the detail it can hold, never scaled from another.
    const Image icon = EarthIcon(size);
    if (error || icon.Width() != size || !SavePng(icon, (folder / (name + ".png")).string(), false)) return false;
  }
  return true;
}

}  // namespace assetgen
