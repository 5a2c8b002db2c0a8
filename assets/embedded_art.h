#pragma once
// The pictures built into the programs, as PNG files.
#include <cstdint>
#include <span>

#include "assets/art.h"

namespace skyscrub {

// The PNG bytes of `art`; empty when the build has no picture for it.
std::span<const std::uint8_t> ArtPng(Art art);

}  // namespace skyscrub
