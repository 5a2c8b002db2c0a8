#include "platform/sdl/playback_overlay.h"

#include <SDL_ttf.h>

#include "platform/sdl_common/font_files.h"

namespace skyscrub::sdl {

namespace {

constexpr const char* kFontFace = "LiberationSans-Bold.ttf";
constexpr int kFontPixels = 14;
// Wide enough for the longest status ("8x  tick 50000000 of 50000000  paused"), so that a
// shorter one leaves no trace of the one before.
constexpr int kBoxWidth = 300, kBoxHeight = 22;

}  // namespace

PlaybackOverlay::PlaybackOverlay(SDL_Window* window) : window_(window), font_(TTF_OpenFont(FontFile(kFontFace).c_str(), kFontPixels)) {}

void PlaybackOverlay::Draw(std::string_view text) {
  SDL_Surface* surface = SDL_GetWindowSurface(window_);
  if (surface == nullptr) return;
  const SDL_Rect corner{0, surface->h - kBoxHeight, kBoxWidth, kBoxHeight};
  SDL_Rect box{};
  if (!SDL_IntersectRect(&corner, &surface->clip_rect, &box)) return;
  SDL_FillRect(surface, &box, SDL_MapRGB(surface->format, 0, 0, 0));
  if (font_) {
    const SurfaceHandle words(TTF_RenderUTF8_Blended(font_.get(), std::string(text).c_str(), {255, 255, 255, 255}));
    SDL_Rect at{corner.x + 6, corner.y + 3, 0, 0};
    SDL_Rect clip;
    SDL_GetClipRect(surface, &clip);
    SDL_SetClipRect(surface, &box);
    if (words) SDL_BlitSurface(words.get(), nullptr, surface, &at);
    SDL_SetClipRect(surface, &clip);
  }
  SDL_UpdateWindowSurfaceRects(window_, &box, 1);
}

}  // namespace skyscrub::sdl
