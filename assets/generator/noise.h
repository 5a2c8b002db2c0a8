#pragma once
// Repeatable pseudo-random numbers and smooth noise: the same seed gives the same picture.
#include <cstdint>

namespace assetgen {

// A number in [0, 1) fixed by its inputs.
float Hash(std::int32_t x, std::int32_t y, std::uint32_t seed);
// Smooth value noise in [0, 1], one feature per `scale` pixels.
float Noise(float x, float y, float scale, std::uint32_t seed);
// Several octaves of noise added up, in [0, 1].
float Fractal(float x, float y, float scale, int octaves, std::uint32_t seed);

// A small repeatable random sequence for scattering things.
class Dice {
 public:
  explicit Dice(std::uint32_t seed) : state_(seed) {}
  float Next();                         // [0, 1)
  float Between(float low, float high);

 private:
  std::uint32_t state_;
};

}  // namespace assetgen
