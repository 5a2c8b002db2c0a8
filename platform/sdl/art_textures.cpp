#include "platform/sdl/art_textures.h"

#include <SDL_image.h>

#include "assets/embedded_art.h"

namespace skyscrub::sdl {

SurfaceHandle LoadArtSurface(Art art) {
  const std::span<const std::uint8_t> png = ArtPng(art);
  if (png.empty()) return nullptr;
  SDL_RWops* stream = SDL_RWFromConstMem(png.data(), static_cast<int>(png.size()));
  return SurfaceHandle(IMG_Load_RW(stream, 1));
}

ArtTextures::ArtTextures(SDL_Renderer* renderer) {
  for (const ArtInfo& info : kArtTable) {
    const std::size_t i = Index(info.art);
    sizes_[i] = {static_cast<float>(info.width), static_cast<float>(info.height)};
    const SurfaceHandle surface = LoadArtSurface(info.art);
    if (!surface) continue;
    textures_[i].reset(SDL_CreateTextureFromSurface(renderer, surface.get()));
    if (textures_[i]) sizes_[i] = {static_cast<float>(surface->w), static_cast<float>(surface->h)};
  }
}

}  // namespace skyscrub::sdl
