#pragma once
// Every picture of the game as a texture, decoded once at start-up.
#include <SDL.h>

#include <array>

#include "assets/art.h"
#include "platform/sdl/sdl_handles.h"

namespace skyscrub::sdl {

class ArtTextures {
 public:
  explicit ArtTextures(SDL_Renderer* renderer);

  // The texture of `art`; nullptr when the build has no (readable) picture for it.
  SDL_Texture* Texture(Art art) const { return textures_[Index(art)].get(); }
  // The picture's own size in pixels: the decoded picture's, else the designed size.
  SDL_FPoint NaturalSize(Art art) const { return sizes_[Index(art)]; }
  // Whether every pixel of the picture is fully opaque (it is then copied without blending).
  bool Opaque(Art art) const { return opaque_[Index(art)]; }

 private:
  static std::size_t Index(Art art) { return static_cast<std::size_t>(art); }
  std::array<TextureHandle, static_cast<std::size_t>(Art::Count)> textures_;
  std::array<SDL_FPoint, static_cast<std::size_t>(Art::Count)> sizes_{};
  std::array<bool, static_cast<std::size_t>(Art::Count)> opaque_{};
};

// The decoded PNG of `art`, or nullptr when it has none or it cannot be decoded.
SurfaceHandle LoadArtSurface(Art art);

}  // namespace skyscrub::sdl
