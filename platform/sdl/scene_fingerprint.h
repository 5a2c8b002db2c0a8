#pragma once
// A cheap summary of everything the renderer draws, so a frame is drawn only when it changed.
#include <cstdint>

#include "game/scene/scene.h"

namespace skyscrub::sdl {

// Equal fingerprints mean (barring a 64-bit hash collision) an identical picture on screen.
std::uint64_t SceneFingerprint(const Scene& scene);

}  // namespace skyscrub::sdl
