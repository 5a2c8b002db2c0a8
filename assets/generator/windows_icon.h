#pragma once
// The game's Earth icon as Windows takes it: one .ico file holding every size.
#include <string>
#include <vector>

namespace assetgen {

// Writes the icon drawn at each size (16 to 256 px) into one .ico file at `path`, each size as a
// 32-bit picture with its alpha channel.
bool WriteWindowsIcon(const std::string& path, const std::vector<int>& sizes);

}  // namespace assetgen
