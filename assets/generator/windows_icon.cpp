#include "assets/generator/windows_icon.h"

#include <cstdint>
#include <fstream>

#include "assets/generator/earth_icon.h"

namespace assetgen {

namespace {

void Put16(std::vector<std::uint8_t>& out, std::uint32_t value) {
  out.push_back(static_cast<std::uint8_t>(value & 0xFF));
  out.push_back(static_cast<std::uint8_t>((value >> 8) & 0xFF));
}

void Put32(std::vector<std::uint8_t>& out, std::uint32_t value) {
  Put16(out, value & 0xFFFF);
  Put16(out, value >> 16);
}

// One size as the icon format keeps it: a bitmap header with the height counted twice (the
// colour rows and the mask's), the colour rows bottom-up in blue, green, red, alpha, then a
// one-bit mask, all clear, since the alpha channel says what shows.
std::vector<std::uint8_t> IconBitmap(const Image& icon) {
  const auto size = static_cast<std::uint32_t>(icon.Width());
  const std::uint32_t maskRowBytes = (size + 31) / 32 * 4;
  std::vector<std::uint8_t> out;
  Put32(out, 40);        // the header's size
  Put32(out, size);      // width
  Put32(out, 2 * size);  // colour and mask rows
  Put16(out, 1);         // planes
  Put16(out, 32);        // bits per pixel
  Put32(out, 0);         // uncompressed
  Put32(out, size * size * 4 + maskRowBytes * size);
  for (int i = 0; i < 4; ++i) Put32(out, 0);  // resolution and palette: unused
  const std::vector<std::uint8_t> rgba = icon.Rgba8(false);
  for (std::uint32_t row = size; row-- > 0;) {
    for (std::uint32_t x = 0; x < size; ++x) {
      const std::uint8_t* pixel = &rgba[(row * size + x) * 4];
      out.insert(out.end(), {pixel[2], pixel[1], pixel[0], pixel[3]});
    }
  }
  out.resize(out.size() + maskRowBytes * size, 0);
  return out;
}

}  // namespace

bool WriteWindowsIcon(const std::string& path, const std::vector<int>& sizes) {
  std::vector<std::vector<std::uint8_t>> bitmaps;
  for (const int size : sizes) {
    // Each size is drawn for itself, with the detail it can hold, never scaled from another.
    const Image icon = EarthIcon(size);
    if (size < 1 || size > 256 || icon.Width() != size) return false;
    bitmaps.push_back(IconBitmap(icon));
  }
  std::vector<std::uint8_t> file;
  Put16(file, 0);  // reserved
  Put16(file, 1);  // an icon, not a cursor
  Put16(file, static_cast<std::uint32_t>(sizes.size()));
  auto offset = static_cast<std::uint32_t>(6 + 16 * sizes.size());
  for (std::size_t i = 0; i < sizes.size(); ++i) {
    const auto side = static_cast<std::uint8_t>(sizes[i] == 256 ? 0 : sizes[i]);  // 0 stands for 256
    file.insert(file.end(), {side, side, 0, 0});  // no palette
    Put16(file, 1);   // planes
    Put16(file, 32);  // bits per pixel
    Put32(file, static_cast<std::uint32_t>(bitmaps[i].size()));
    Put32(file, offset);
    offset += static_cast<std::uint32_t>(bitmaps[i].size());
  }
  for (const std::vector<std::uint8_t>& bitmap : bitmaps) file.insert(file.end(), bitmap.begin(), bitmap.end());
  std::ofstream out(path, std::ios::binary);
  out.write(reinterpret_cast<const char*>(file.data()), static_cast<std::streamsize>(file.size()));
  return static_cast<bool>(out.flush());
}

}  // namespace assetgen
