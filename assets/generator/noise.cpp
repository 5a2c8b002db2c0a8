#include "assets/generator/noise.h"

#include <cmath>

namespace assetgen {

float Hash(std::int32_t x, std::int32_t y, std::uint32_t seed) {
  std::uint32_t h = static_cast<std::uint32_t>(x) * 374761393U + static_cast<std::uint32_t>(y) * 668265263U + seed * 2246822519U;
  h = (h ^ (h >> 13)) * 1274126177U;
  h ^= h >> 16;
  return static_cast<float>(h & 0xFFFFFF) / 16777216.0F;
}

float Noise(float x, float y, float scale, std::uint32_t seed) {
  const float fx = x / scale, fy = y / scale;
  const float x0 = std::floor(fx), y0 = std::floor(fy);
  const auto ix = static_cast<std::int32_t>(x0), iy = static_cast<std::int32_t>(y0);
  const float tx = fx - x0, ty = fy - y0;
  const float sx = tx * tx * (3 - 2 * tx), sy = ty * ty * (3 - 2 * ty);
  const float top = Hash(ix, iy, seed) + (Hash(ix + 1, iy, seed) - Hash(ix, iy, seed)) * sx;
  const float bottom = Hash(ix, iy + 1, seed) + (Hash(ix + 1, iy + 1, seed) - Hash(ix, iy + 1, seed)) * sx;
  return top + (bottom - top) * sy;
}

float Fractal(float x, float y, float scale, int octaves, std::uint32_t seed) {
  float sum = 0, weight = 1, total = 0;
  for (int i = 0; i < octaves; ++i) {
    sum += weight * Noise(x, y, scale, seed + static_cast<std::uint32_t>(i) * 7919U);
    total += weight;
    weight *= 0.5F;
    scale *= 0.5F;
  }
  return sum / total;
}

float Dice::Next() {
  state_ = state_ * 1664525U + 1013904223U;
  return static_cast<float>(state_ >> 8) / 16777216.0F;
}

float Dice::Between(float low, float high) { return low + (high - low) * Next(); }

}  // namespace assetgen
