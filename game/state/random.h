#pragma once
#include <cstdint>

namespace skyscrub {

// The game's random source: uniform single-precision numbers in [0, 1).
// Deterministic for a given seed on every machine (splitmix64), so a seed replays a game.
class Random {
 public:
  void Seed(std::uint64_t seed) { state_ = seed; }

  float Next() {
    state_ += 0x9E3779B97F4A7C15ull;
    std::uint64_t z = state_;
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    z ^= z >> 31;
    return static_cast<float>(z >> 40) * (1.0f / 16777216.0f);  // 24 bits: exact in a float
  }

 private:
  std::uint64_t state_ = 0;
};

}  // namespace skyscrub
