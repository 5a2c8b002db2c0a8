#pragma once
// The game's Earth icon for the desktop's icon theme.
#include <string>
#include <vector>

namespace assetgen {

// Writes <dir>/<N>x<N>/apps/<name>.png for each size N, each drawn at its own size.
bool WriteThemeIcons(const std::string& dir, const std::string& name, const std::vector<int>& sizes);

}  // namespace assetgen
