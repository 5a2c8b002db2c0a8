#pragma once
// The full-screen pictures and the ground and sky strips.
#include "assets/generator/image.h"

namespace assetgen {

Image TitleScreen();
Image SkyScreen();
Image InstructionsScreen();
Image WinScreen();
Image LoseScreen();
Image GrassStrip();
Image SkyStrip();

}  // namespace assetgen
