#include "platform/sdl_common/art_textures.h"

#include <SDL_image.h>

#include "assets/embedded_art.h"

namespace skyscrub::sdl {

namespace {

// True when the surface has no alpha channel or every pixel's alpha is full. Only 32-bit
// pixels are looked at; a picture in any other format with an alpha channel counts as see-through.
bool FullyOpaque(SDL_Surface* surface) {
  const Uint32 alpha = surface->format->Amask;
  if (alpha == 0) return true;
  if (surface->format->BytesPerPixel != 4 || SDL_LockSurface(surface) != 0) return false;
  bool opaque = true;
  for (int y = 0; y < surface->h && opaque; ++y) {
    const auto* row = reinterpret_cast<const Uint32*>(static_cast<const Uint8*>(surface->pixels) + y * surface->pitch);
    for (int x = 0; x < surface->w; ++x) {
      if ((row[x] & alpha) != alpha) {
        opaque = false;
        break;
      }
    }
  }
  SDL_UnlockSurface(surface);
  return opaque;
}

}  // namespace

SurfaceHandle LoadArtSurface(Art art) {
  const std::span<const std::uint8_t> png = ArtPng(art);
  if (png.empty()) return nullptr;
  SDL_RWops* stream = SDL_RWFromConstMem(png.data(), static_cast<int>(png.size()));
  return SurfaceHandle(IMG_Load_RW(stream, 1));
}

const ArtTextures::Entry& ArtTextures::Decoded(Art art) const {
  Entry& entry = entries_[static_cast<std::size_t>(art)];
  if (entry.decoded) return entry;
  entry.decoded = true;
  SurfaceHandle surface = early_ != nullptr ? early_->Take(art) : nullptr;
  if (!surface) surface = LoadArtSurface(art);
  if (!surface) return entry;
  entry.texture.reset(SDL_CreateTextureFromSurface(renderer_, surface.get()));
  if (!entry.texture) return entry;
  // Blending a picture without see-through pixels changes nothing but costs a read of
  // every pixel behind it, which for the full-window backgrounds is most of a frame.
  entry.opaque = FullyOpaque(surface.get());
  if (entry.opaque) SDL_SetTextureBlendMode(entry.texture.get(), SDL_BLENDMODE_NONE);
  return entry;
}

}  // namespace skyscrub::sdl
