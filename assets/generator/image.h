#pragma once
// A floating-point RGBA picture that the art generator paints into, and its PNG output.
#include <cstdint>
#include <string>
#include <vector>

namespace assetgen {

// A straight (not premultiplied) colour, components 0..1.
struct Color {
  float r = 0, g = 0, b = 0, a = 1;
};

// 0xRRGGBB written the way artists write colours.
constexpr Color Hex(std::uint32_t rgb, float alpha = 1) {
  return {((rgb >> 16) & 0xFF) / 255.0F, ((rgb >> 8) & 0xFF) / 255.0F, (rgb & 0xFF) / 255.0F, alpha};
}
Color Mix(Color a, Color b, float t);
Color WithAlpha(Color c, float alpha);
Color Scale(Color c, float brightness);  // brightness 0 = black, 1 = unchanged

class Image {
 public:
  Image(int width, int height);
  int Width() const { return width_; }
  int Height() const { return height_; }

  Color At(int x, int y) const;                // straight colour
  void Set(int x, int y, Color c);             // replace the pixel
  void Blend(int x, int y, Color c, float coverage);  // paint `c` over the pixel
  void Draw(const Image& source, int left, int top);   // 1:1 copy with alpha blending
  Image Scaled(int factor) const;              // nearest-neighbour enlargement
  Image Mirrored() const;                      // left-right mirror

  // 8-bit RGBA, rows top to bottom; `dither` spreads gradients so they do not band.
  std::vector<std::uint8_t> Rgba8(bool dither) const;

 private:
  int width_, height_;
  std::vector<Color> premultiplied_;
};

// Writes the picture as a 32-bit RGBA PNG file; false when the file cannot be written.
bool SavePng(const Image& image, const std::string& path, bool dither);

}  // namespace assetgen
