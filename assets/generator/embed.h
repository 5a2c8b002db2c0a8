#pragma once
// Turns the generated PNG files into a C++ source file, so the programs carry their pictures.
#include <string>

namespace assetgen {

// Writes `source`, defining skyscrub::ArtPng over the PNG files of kArtTable found in `pngDir`;
// false when a file cannot be read or the source cannot be written.
bool WriteEmbeddedArt(const std::string& pngDir, const std::string& source);

}  // namespace assetgen
