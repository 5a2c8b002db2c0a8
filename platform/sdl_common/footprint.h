#pragma once
// One thing the renderer draws -- the window's own background, a panel's back, or an element --
// with the pixels it may touch and a summary of how it looks, so that a frame redraws only
// the places where something changed.
#include <SDL.h>

#include <cstdint>

#include "game/scene/scene.h"

namespace skyscrub::sdl {

struct Footprint {
  const Element* element = nullptr;  // nullptr for the window's background colour and picture
  SDL_FPoint origin{};               // the top-left corner of its container
  SDL_Rect clip{};                   // its container's pixels: the window, or the panel it sits in
  SDL_Rect area{};                   // the pixels it may touch; empty when it draws nothing
  SDL_Rect covers{};                 // the pixels it paints over with solid colour, hiding all behind
  std::uint64_t look = 0;            // equal looks (barring a 64-bit collision) draw equal pixels
  // Drawn in one piece or not at all: a scaled picture cut at a rectangle's edge would be
  // sampled differently on either side of the cut.
  bool inOnePiece = false;
};

// A summary of every property that changes how the element is drawn, its place in the window
// (`origin` is its container's corner) included; a panel's children are summarised on their own.
std::uint64_t LookOf(const Element& element, SDL_FPoint origin);
std::uint64_t LookOf(const Canvas& canvas);

}  // namespace skyscrub::sdl
