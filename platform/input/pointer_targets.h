#pragma once
// What lies under the mouse pointer: the element that receives mouse events and the cursor shown.
#include "game/scene/scene.h"

namespace skyscrub::input {

// The frontmost visible element under the point (window pixels); inside a panel, the frontmost
// visible child under it, else the panel itself. Nothing over the bare canvas.
const Element* ElementAt(const Scene& scene, float x, float y);

// The cursor of the frontmost visible panel under the point; invisible over the rest of the canvas.
Cursor CursorAt(const Scene& scene, float x, float y);

}  // namespace skyscrub::input
