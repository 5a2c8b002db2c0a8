#pragma once
// Label captions rendered to textures, redone only when a caption or colour changes.
#include <SDL.h>

#include <map>
#include <string>
#include <tuple>

#include "game/scene/elements.h"
#include "platform/sdl_common/sdl_handles.h"

namespace skyscrub::sdl {

struct TextTexture {
  SDL_Texture* texture = nullptr;  // nullptr for an empty caption or a missing font
  int width = 0, height = 0;
};

class LabelTexts {
 public:
  explicit LabelTexts(SDL_Renderer* renderer) : renderer_(renderer) {}

  TextTexture For(const Label& label);

 private:
  struct Cached {
    bool rendered = false;
    std::string caption;
    Colour colour = 0;
    TextureHandle texture;
    int width = 0, height = 0;
  };
  TTF_Font* FontFor(const Font& font);

  SDL_Renderer* renderer_;
  // A font that cannot be opened stays a null handle, tried once.
  std::map<std::tuple<FontFace, bool, int>, FontHandle> fonts_;
  std::map<const Label*, Cached> cache_;
};

}  // namespace skyscrub::sdl
