#pragma once
// Which drawing makes each bitmap of the game.
#include "assets/art.h"
#include "assets/generator/image.h"

namespace assetgen {

Image Draw(skyscrub::Art art);
// Full-screen pictures and strips are opaque backgrounds; they get dithered gradients.
bool IsBackground(skyscrub::Art art);

}  // namespace assetgen
