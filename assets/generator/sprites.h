#pragma once
// The 32 x 32 sprites (16 x 16 for the shots), drawn from shapes and lettering.
// `scale` draws the same design larger and still sharp, for the instructions screen.
#include "assets/generator/image.h"

namespace assetgen {

Image ShipRight(float scale = 1);
Image Shot(bool redRing, float scale = 1);  // red ring with a yellow centre, or the plain yellow ring

enum class Molecule { Co2, Ch4, Cfc, Ozone, Ultraviolet };
Image MoleculeLetters(Molecule molecule, bool heavy, float scale = 1);

Image Factory(float scale = 1);
Image Tree(float scale = 1);

enum class BurstColour { Red, Yellow, Green };
Image StarBurst();                              // the red burst a burst slot starts with
Image Burst(BurstColour colour, int frame);     // frame 1 or 2
Image Sparkle(int frame);                       // the small pink sparkle, frame 1 or 2
Image Fire(int frame);                          // the fiery explosion, frame 1 or 2

}  // namespace assetgen
