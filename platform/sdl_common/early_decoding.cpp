#include "platform/sdl_common/early_decoding.h"

#include "platform/sdl_common/art_textures.h"

namespace skyscrub::sdl {

EarlyDecoding::EarlyDecoding(std::initializer_list<Art> arts) {
  for (const Art art : arts) decoding_.emplace(art, std::async(std::launch::async, LoadArtSurface, art));
}

SurfaceHandle EarlyDecoding::Take(Art art) {
  const auto found = decoding_.find(art);
  if (found == decoding_.end() || !found->second.valid()) return nullptr;
  return found->second.get();
}

}  // namespace skyscrub::sdl
