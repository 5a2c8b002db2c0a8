#pragma once
// Owning handles for SDL objects, released with the library's own functions.
#include <SDL.h>
#include <SDL_mixer.h>
#include <SDL_ttf.h>

#include <memory>

namespace skyscrub::sdl {

template <typename T, void (*Release)(T*)>
struct Releaser {
  void operator()(T* p) const {
    if (p != nullptr) Release(p);
  }
};

using WindowHandle = std::unique_ptr<SDL_Window, Releaser<SDL_Window, SDL_DestroyWindow>>;
using RendererHandle = std::unique_ptr<SDL_Renderer, Releaser<SDL_Renderer, SDL_DestroyRenderer>>;
using TextureHandle = std::unique_ptr<SDL_Texture, Releaser<SDL_Texture, SDL_DestroyTexture>>;
using SurfaceHandle = std::unique_ptr<SDL_Surface, Releaser<SDL_Surface, SDL_FreeSurface>>;
using FontHandle = std::unique_ptr<TTF_Font, Releaser<TTF_Font, TTF_CloseFont>>;
using ChunkHandle = std::unique_ptr<Mix_Chunk, Releaser<Mix_Chunk, Mix_FreeChunk>>;
using MusicHandle = std::unique_ptr<Mix_Music, Releaser<Mix_Music, Mix_FreeMusic>>;

}  // namespace skyscrub::sdl
