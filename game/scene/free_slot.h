#pragma once
#include <array>
#include <cstddef>

#include "game/scene/elements.h"

namespace skyscrub {

// A slot of a sprite array is in use exactly while it is visible. Returns the lowest hidden
// index, or N when every slot is in use.
template <std::size_t N>
std::size_t FirstFree(const std::array<Picture, N>& slots) {
  std::size_t i = 0;
  while (i < N && slots[i].Visible) ++i;
  return i;
}

}  // namespace skyscrub
