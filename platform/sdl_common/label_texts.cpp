#include "platform/sdl_common/label_texts.h"

#include <cmath>

#include "platform/sdl_common/font_files.h"

namespace skyscrub::sdl {

namespace {

// The game's Arial faces are substituted by the metrically equal Liberation faces.
std::string FontFile(FontFace face, bool bold) {
  std::string file = "LiberationSans";
  if (face == FontFace::ArialNarrow) file += "Narrow";
  file += bold ? "-Bold.ttf" : "-Regular.ttf";
  return sdl::FontFile(file);
}

// Font sizes are points on a 96 dpi screen.
int PixelSize(float points) { return static_cast<int>(std::lround(points * 96.0 / 72.0)); }

}  // namespace

TTF_Font* LabelTexts::FontFor(const Font& font) {
  const int pixels = PixelSize(font.points);
  const auto key = std::make_tuple(font.face, font.bold, pixels);
  auto found = fonts_.find(key);
  if (found == fonts_.end()) {
    found = fonts_.emplace(key, FontHandle(TTF_OpenFont(FontFile(font.face, font.bold).c_str(), pixels))).first;
  }
  return found->second.get();
}

TextTexture LabelTexts::For(const Label& label) {
  Cached& cached = cache_[&label];
  if (!cached.rendered || cached.caption != label.Caption || cached.colour != label.ForeColor) {
    cached.rendered = true;
    cached.caption = label.Caption;
    cached.colour = label.ForeColor;
    cached.texture.reset();
    cached.width = cached.height = 0;
    TTF_Font* font = FontFor(label.font);
    if (font != nullptr && !label.Caption.empty()) {
      const Rgb rgb = ToRgb(label.ForeColor);
      const SurfaceHandle surface(TTF_RenderUTF8_Blended(font, label.Caption.c_str(), SDL_Color{rgb.r, rgb.g, rgb.b, 255}));
      if (surface) {
        cached.texture.reset(SDL_CreateTextureFromSurface(renderer_, surface.get()));
        cached.width = surface->w;
        cached.height = surface->h;
      }
    }
  }
  return {cached.texture.get(), cached.width, cached.height};
}

}  // namespace skyscrub::sdl
