#include "assets/generator/screen_text.h"

namespace assetgen {

TextStyle Headline(Color top, Color bottom, float topY, float bottomY, Color rim) {
  TextStyle style;
  style.fill = Vertical(topY, top, bottomY, bottom);
  style.outline = rim;
  style.outlineWidth = 3;
  style.shadow = Color{0, 0, 0, 0.45F};
  style.shadowOffset = 5;
  style.shadowBlur = 4;
  return style;
}

TextStyle Caption(Color fill) {
  TextStyle style;
  style.fill = Flat(fill);
  style.outline = Hex(0x000000, 0.7F);
  style.outlineWidth = 1.5F;
  style.shadow = Color{0, 0, 0, 0.35F};
  style.shadowOffset = 2;
  style.shadowBlur = 2;
  return style;
}

}  // namespace assetgen
