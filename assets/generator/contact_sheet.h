#pragma once
// Pictures for reviewing the art: every bitmap of the game with its file name, and the icon at every size.
#include <string>
#include <vector>

namespace assetgen {

// Sprites at 1:1 and 4x, full-screen pictures and strips at 1:1, on a checkerboard.
bool WriteContactSheet(const std::string& path);

// The Earth icon at each of `sizes` at 1:1 on a light and a dark panel, and magnified.
bool WriteIconSheet(const std::string& path, const std::vector<int>& sizes);

}  // namespace assetgen
