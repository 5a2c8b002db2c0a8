#include "assets/generator/image.h"

#include <SDL.h>
#include <SDL_image.h>

#include <algorithm>
#include <cmath>

namespace assetgen {

Color Mix(Color a, Color b, float t) {
  return {a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t, a.a + (b.a - a.a) * t};
}

Color WithAlpha(Color c, float alpha) { return {c.r, c.g, c.b, c.a * alpha}; }

Color Scale(Color c, float brightness) { return {c.r * brightness, c.g * brightness, c.b * brightness, c.a}; }

Image::Image(int width, int height)
    : width_(width), height_(height), premultiplied_(static_cast<std::size_t>(width) * height, Color{0, 0, 0, 0}) {}

Color Image::At(int x, int y) const {
  const Color& p = premultiplied_[static_cast<std::size_t>(y) * width_ + x];
  if (p.a <= 0) return {0, 0, 0, 0};
  return {p.r / p.a, p.g / p.a, p.b / p.a, p.a};
}

void Image::Set(int x, int y, Color c) {
  if (x < 0 || y < 0 || x >= width_ || y >= height_) return;
  premultiplied_[static_cast<std::size_t>(y) * width_ + x] = {c.r * c.a, c.g * c.a, c.b * c.a, c.a};
}

void Image::Blend(int x, int y, Color c, float coverage) {
  if (x < 0 || y < 0 || x >= width_ || y >= height_) return;
  const float a = std::clamp(c.a * coverage, 0.0F, 1.0F);
  if (a <= 0) return;
  Color& p = premultiplied_[static_cast<std::size_t>(y) * width_ + x];
  p = {c.r * a + p.r * (1 - a), c.g * a + p.g * (1 - a), c.b * a + p.b * (1 - a), a + p.a * (1 - a)};
}

void Image::Draw(const Image& source, int left, int top) {
  for (int y = 0; y < source.Height(); ++y)
    for (int x = 0; x < source.Width(); ++x) Blend(left + x, top + y, source.At(x, y), 1);
}

Image Image::Scaled(int factor) const {
  Image out(width_ * factor, height_ * factor);
  for (int y = 0; y < out.height_; ++y)
    for (int x = 0; x < out.width_; ++x)
      out.premultiplied_[static_cast<std::size_t>(y) * out.width_ + x] =
          premultiplied_[static_cast<std::size_t>(y / factor) * width_ + x / factor];
  return out;
}

Image Image::Mirrored() const {
  Image out(width_, height_);
  for (int y = 0; y < height_; ++y)
    for (int x = 0; x < width_; ++x)
      out.premultiplied_[static_cast<std::size_t>(y) * width_ + x] =
          premultiplied_[static_cast<std::size_t>(y) * width_ + (width_ - 1 - x)];
  return out;
}

std::vector<std::uint8_t> Image::Rgba8(bool dither) const {
  // A 4 x 4 ordered dither: fixed, so the output is the same on every build.
  static constexpr float kBayer[4][4] = {{0, 8, 2, 10}, {12, 4, 14, 6}, {3, 11, 1, 9}, {15, 7, 13, 5}};
  std::vector<std::uint8_t> out;
  out.reserve(premultiplied_.size() * 4);
  for (int y = 0; y < height_; ++y) {
    for (int x = 0; x < width_; ++x) {
      const Color c = At(x, y);
      const float offset = dither ? (kBayer[y & 3][x & 3] + 0.5F) / 16.0F : 0.5F;
      for (float v : {c.r, c.g, c.b}) out.push_back(static_cast<std::uint8_t>(std::clamp(v * 255 + offset, 0.0F, 255.0F)));
      out.push_back(static_cast<std::uint8_t>(std::clamp(c.a * 255 + 0.5F, 0.0F, 255.0F)));
    }
  }
  return out;
}

bool SavePng(const Image& image, const std::string& path, bool dither) {
  std::vector<std::uint8_t> pixels = image.Rgba8(dither);
  SDL_Surface* surface = SDL_CreateRGBSurfaceWithFormatFrom(pixels.data(), image.Width(), image.Height(), 32,
                                                            image.Width() * 4, SDL_PIXELFORMAT_RGBA32);
  if (surface == nullptr) return false;
  const bool saved = IMG_SavePNG(surface, path.c_str()) == 0;
  SDL_FreeSurface(surface);
  return saved;
}

}  // namespace assetgen
