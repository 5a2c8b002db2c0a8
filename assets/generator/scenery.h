#pragma once
// Landscape pieces shared by the full-screen pictures: skies, clouds, hills, trees, water.
#include "assets/generator/paint.h"

namespace assetgen {

// The game's sky, light at the top where the black HUD labels sit (also the one-pixel sky strip).
Paint GameSky();
// A fluffy cumulus cloud centred on `base` (the middle of its flat bottom), `width` pixels wide.
void Cloud(Image& image, Point base, float width, std::uint32_t seed, float opacity = 1);
// A rolling ridge filling everything below a wavy line around `height`.
Shape Ridge(float height, float amplitude, float wavelength, std::uint32_t seed, float left = 0, float right = 800);
// A fir tree standing on `foot`.
void Fir(Image& image, Point foot, float height, Color light, Color dark);
// A round leafy tree standing on `foot`.
void LeafyTree(Image& image, Point foot, float height, Color light, Color dark);

}  // namespace assetgen
