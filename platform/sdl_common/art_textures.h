#pragma once
// Every picture of the game as a texture, decoded the first time it is drawn, so that start-up
// decodes only what the title screen shows and pictures never shown cost no memory.
#include <SDL.h>

#include <array>

#include "assets/art.h"
#include "platform/sdl_common/early_decoding.h"
#include "platform/sdl_common/sdl_handles.h"

namespace skyscrub::sdl {

class ArtTextures {
 public:
  // Pictures decoded early are taken from `early` (when given) instead of decoded again.
  explicit ArtTextures(SDL_Renderer* renderer, EarlyDecoding* early = nullptr) : renderer_(renderer), early_(early) {}

  // The texture of `art`; nullptr when the build has no (readable) picture for it.
  SDL_Texture* Texture(Art art) const { return Decoded(art).texture.get(); }
  // The picture's own size in pixels, as designed (every shipped picture has that size), so
  // that where a picture goes is known without decoding it.
  static SDL_FPoint NaturalSize(Art art) {
    return {static_cast<float>(InfoOf(art).width), static_cast<float>(InfoOf(art).height)};
  }
  // Whether every pixel of the picture is fully opaque (it is then copied without blending).
  bool Opaque(Art art) const { return Decoded(art).opaque; }

 private:
  struct Entry {
    bool decoded = false;
    TextureHandle texture;
    bool opaque = false;
  };
  const Entry& Decoded(Art art) const;

  SDL_Renderer* renderer_;
  EarlyDecoding* early_;
  mutable std::array<Entry, static_cast<std::size_t>(Art::Count)> entries_;
};

// The decoded PNG of `art`, or nullptr when it has none or it cannot be decoded.
SurfaceHandle LoadArtSurface(Art art);

}  // namespace skyscrub::sdl
