#pragma once
// Starting SDL's video on the player's display. Each system realises it in a file of its own.
#include <string>

namespace skyscrub::sdl {

// Starts SDL's video subsystem (SDL itself must be started); false, with the reason for the
// player in `whyNot`, when there is no display to be had.
bool OpenDisplay(std::string& whyNot);

}  // namespace skyscrub::sdl
