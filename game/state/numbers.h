#pragma once
#include <cmath>
#include <cstdint>

namespace skyscrub {

// Conversion to an integer: to the nearest, a half to the even neighbour (2.5 -> 2, 3.5 -> 4).
inline double RoundHalfEven(double x) {
  const double lower = std::floor(x);
  const double fraction = x - lower;
  if (fraction > 0.5) return lower + 1;
  if (fraction < 0.5) return lower;
  return std::fmod(lower, 2.0) == 0 ? lower : lower + 1;
}

// Int: rounds down, towards minus infinity.
inline double Int(double x) { return std::floor(x); }

}  // namespace skyscrub
