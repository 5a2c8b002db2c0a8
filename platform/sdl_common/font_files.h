#pragma once
// Where the Liberation faces the captions are drawn in are read from: the system's fonts where
// the system has them (Debian's fonts-liberation; the browser's preloaded copy at the same
// path), the game folder's own components/fonts where the game ships them (Windows). The build
// picks one of the two realisations.
#include <string>
#include <string_view>

namespace skyscrub::sdl {

// The file of the face named `face`, such as "LiberationSans-Bold.ttf".
std::string FontFile(std::string_view face);

}  // namespace skyscrub::sdl
