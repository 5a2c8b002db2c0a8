#include "assets/generator/embed.h"

#include <fstream>
#include <iterator>
#include <vector>

#include "assets/art.h"

namespace assetgen {

bool WriteEmbeddedArt(const std::string& pngDir, const std::string& source) {
  std::ofstream out(source, std::ios::binary);
  out << "// Made by skyscrub-assetgen from the drawings in assets/generator; rebuild instead of editing.\n"
         "#include \"assets/embedded_art.h\"\n\nnamespace skyscrub {\nnamespace {\n\n";
  for (const skyscrub::ArtInfo& info : skyscrub::kArtTable) {
    if (info.file.empty()) continue;
    std::ifstream in(pngDir + "/" + std::string(info.file), std::ios::binary);
    const std::vector<unsigned char> bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    if (!in.good() && !in.eof()) return false;
    if (bytes.empty()) return false;
    out << "// " << info.file << "\nconst std::uint8_t kArt" << static_cast<int>(info.art) << "[] = {";
    for (std::size_t i = 0; i < bytes.size(); ++i) out << (i % 32 == 0 ? "\n" : "") << static_cast<int>(bytes[i]) << ',';
    out << "\n};\n\n";
  }
  out << "}  // namespace\n\nstd::span<const std::uint8_t> ArtPng(Art art) {\n  switch (art) {\n";
  for (const skyscrub::ArtInfo& info : skyscrub::kArtTable)
    if (!info.file.empty())
      out << "    case static_cast<Art>(" << static_cast<int>(info.art) << "): return kArt" << static_cast<int>(info.art) << ";\n";
  out << "    default: return {};\n  }\n}\n\n}  // namespace skyscrub\n";
  return out.good();
}

}  // namespace assetgen
