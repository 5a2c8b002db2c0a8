#include "assets/generator/text.h"

#include <SDL_ttf.h>

#include <algorithm>
#include <cmath>
#include <map>
#include <stdexcept>
#include <utility>

namespace assetgen {
namespace {

constexpr const char* kFontDir = "/usr/share/fonts/truetype/liberation/";

const char* FileOf(Face face) {
  switch (face) {
    case Face::Sans: return "LiberationSans-Regular.ttf";
    case Face::SansBold: return "LiberationSans-Bold.ttf";
    case Face::SansBoldItalic: return "LiberationSans-BoldItalic.ttf";
    case Face::Narrow: return "LiberationSansNarrow-Regular.ttf";
    case Face::NarrowBold: return "LiberationSansNarrow-Bold.ttf";
  }
  return "";
}

std::map<std::pair<Face, int>, TTF_Font*>& OpenFonts() {
  static std::map<std::pair<Face, int>, TTF_Font*> fonts;
  return fonts;
}

TTF_Font* FontOf(Face face, float size) {
  const int points = static_cast<int>(std::lround(size));
  auto& fonts = OpenFonts();
  auto found = fonts.find({face, points});
  if (found != fonts.end()) return found->second;
  TTF_Font* font = TTF_OpenFont((std::string(kFontDir) + FileOf(face)).c_str(), points);
  if (font == nullptr) throw std::runtime_error(std::string("cannot open font: ") + TTF_GetError());
  TTF_SetFontHinting(font, TTF_HINTING_LIGHT);
  fonts[{face, points}] = font;
  return font;
}

}  // namespace

float Mask::At(int x, int y) const {
  if (x < 0 || y < 0 || x >= width || y >= height) return 0;
  return coverage[static_cast<std::size_t>(y) * width + x];
}

Mask TextMask(const std::vector<Run>& runs) {
  // Lay the runs out on one baseline: the largest ascent sets it.
  int ascent = 0, descent = 0, width = 0;
  for (const Run& run : runs) {
    TTF_Font* font = FontOf(run.face, run.size);
    const int lift = static_cast<int>(std::lround(run.rise * run.size));
    ascent = std::max(ascent, TTF_FontAscent(font) + lift);
    descent = std::max(descent, -TTF_FontDescent(font) - lift);
    int w = 0, h = 0;
    TTF_SizeUTF8(font, run.text.c_str(), &w, &h);
    width += w;
  }
  Mask mask{width, ascent + descent, {}};
  mask.coverage.assign(static_cast<std::size_t>(mask.width) * mask.height, 0);
  int pen = 0;
  for (const Run& run : runs) {
    TTF_Font* font = FontOf(run.face, run.size);
    SDL_Surface* rendered = TTF_RenderUTF8_Blended(font, run.text.c_str(), SDL_Color{255, 255, 255, 255});
    if (rendered == nullptr) throw std::runtime_error(std::string("cannot render text: ") + TTF_GetError());
    SDL_Surface* surface = SDL_ConvertSurfaceFormat(rendered, SDL_PIXELFORMAT_ARGB8888, 0);
    SDL_FreeSurface(rendered);
    const int top = ascent - TTF_FontAscent(font) - static_cast<int>(std::lround(run.rise * run.size));
    for (int y = 0; y < surface->h; ++y) {
      const auto* row = reinterpret_cast<const std::uint32_t*>(static_cast<const std::uint8_t*>(surface->pixels) +
                                                               static_cast<std::ptrdiff_t>(y) * surface->pitch);
      for (int x = 0; x < surface->w; ++x) {
        const int mx = pen + x, my = top + y;
        if (mx < 0 || my < 0 || mx >= mask.width || my >= mask.height) continue;
        float& c = mask.coverage[static_cast<std::size_t>(my) * mask.width + mx];
        c = std::max(c, static_cast<float>(row[x] >> 24) / 255.0F);
      }
    }
    pen += surface->w;
    SDL_FreeSurface(surface);
  }
  return mask;
}

Mask TextMask(const std::string& text, Face face, float size) { return TextMask({{text, face, size, 0}}); }

Mask Dilated(const Mask& mask, float radius) {
  const int r = static_cast<int>(std::ceil(radius));
  Mask out{mask.width + 2 * r, mask.height + 2 * r, {}};
  out.coverage.assign(static_cast<std::size_t>(out.width) * out.height, 0);
  for (int y = 0; y < out.height; ++y)
    for (int x = 0; x < out.width; ++x) {
      float best = 0;
      for (int dy = -r; dy <= r; ++dy)
        for (int dx = -r; dx <= r; ++dx) {
          const float reach = std::clamp(radius + 0.5F - std::hypot(static_cast<float>(dx), static_cast<float>(dy)), 0.0F, 1.0F);
          if (reach > 0) best = std::max(best, reach * mask.At(x - r + dx, y - r + dy));
        }
      out.coverage[static_cast<std::size_t>(y) * out.width + x] = best;
    }
  return out;
}

Mask Blurred(const Mask& mask, int radius) {
  Mask out{mask.width + 2 * radius, mask.height + 2 * radius, {}};
  out.coverage.assign(static_cast<std::size_t>(out.width) * out.height, 0);
  const float area = static_cast<float>((2 * radius + 1) * (2 * radius + 1));
  for (int y = 0; y < out.height; ++y)
    for (int x = 0; x < out.width; ++x) {
      float sum = 0;
      for (int dy = -radius; dy <= radius; ++dy)
        for (int dx = -radius; dx <= radius; ++dx) sum += mask.At(x - radius + dx, y - radius + dy);
      out.coverage[static_cast<std::size_t>(y) * out.width + x] = sum / area;
    }
  return out;
}

void Stamp(Image& image, const Mask& mask, int left, int top, const Paint& paint) {
  for (int y = 0; y < mask.height; ++y)
    for (int x = 0; x < mask.width; ++x) {
      const float c = mask.coverage[static_cast<std::size_t>(y) * mask.width + x];
      if (c > 0)
        image.Blend(left + x, top + y, paint(static_cast<float>(left + x) + 0.5F, static_cast<float>(top + y) + 0.5F), c);
    }
}

int Letter(Image& image, const std::vector<Run>& runs, float x, int top, const TextStyle& style, Align align) {
  const Mask mask = TextMask(runs);
  const int left = static_cast<int>(std::lround(align == Align::Centre ? x - static_cast<float>(mask.width) / 2 : x));
  if (style.shadow.a > 0) {
    const Mask shadow = Blurred(mask, style.shadowBlur);
    Stamp(image, shadow, left - style.shadowBlur + style.shadowOffset, top - style.shadowBlur + style.shadowOffset,
          Flat(style.shadow));
  }
  if (style.outlineWidth > 0) {
    const int r = static_cast<int>(std::ceil(style.outlineWidth));
    Stamp(image, Dilated(mask, style.outlineWidth), left - r, top - r, Flat(style.outline));
  }
  Stamp(image, mask, left, top, style.fill);
  return mask.width;
}

void CloseFonts() {
  for (auto& [key, font] : OpenFonts()) TTF_CloseFont(font);
  OpenFonts().clear();
}

}  // namespace assetgen
