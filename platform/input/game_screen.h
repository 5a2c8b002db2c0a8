#pragma once
// Which of the game's screens the player sees, read from the scene: the frontmost panel shown,
// or the game itself when none is.
#include <cstdint>

#include "game/scene/scene.h"

namespace skyscrub::input {

enum class Screen : std::uint8_t { Title, Instructions, Playing, Paused, EndScreen };

Screen ScreenShown(const Scene& scene);

}  // namespace skyscrub::input
