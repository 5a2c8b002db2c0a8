#pragma once
// One picture showing every bitmap of the game with its file name, for reviewing the art.
#include <string>

namespace assetgen {

// Sprites at 1:1 and 4x, full-screen pictures and strips at 1:1, on a checkerboard.
bool WriteContactSheet(const std::string& path);

}  // namespace assetgen
