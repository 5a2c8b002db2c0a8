// The game's own backdrop: the sky, the one-pixel sky strip and the grass along the bottom.
#include "assets/generator/noise.h"
#include "assets/generator/scenery.h"
#include "assets/generator/screens.h"

namespace assetgen {

Image SkyScreen() {
  Image image(800, 600);
  Cover(image, GameSky());
  // Faint clouds in the middle of the sky, clear of the HUD and the ozone row.
  Cloud(image, {140, 300}, 150, 3, 0.35F);
  Cloud(image, {620, 250}, 190, 4, 0.3F);
  Cloud(image, {420, 420}, 120, 5, 0.25F);
  return image;
}

Image SkyStrip() {
  Image image(1, 422);
  Cover(image, GameSky());
  return image;
}

Image GrassStrip() {
  Image image(800, 47);
  Cover(image, [](float x, float y) {
    const float blades = Noise(x, y * 0.12F, 2.2F, 41) * 0.12F + Noise(x, y, 9, 42) * 0.08F;
    Color c = Mix(Hex(0x79D456), Hex(0x2A6E1E), y / 47 + blades - 0.1F);
    if (y < 2) c = Mix(c, Hex(0xB5F08A), 0.5F);
    return c;
  });
  return image;
}

}  // namespace assetgen
