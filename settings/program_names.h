#pragma once
// The names a player knows the two programs by, for their help texts: the commands of an
// installed game, or the files of a game folder.
#include <string_view>

#include "settings/game_layout.h"

namespace skyscrub::settings {

struct ProgramNames {
  std::string_view game;
  std::string_view editor;
};

ProgramNames ProgramNamesIn(const Layout& layout);

// The name a program was started by (the last part of `argv0`); `fallback` when it has none.
std::string_view InvokedAs(const char* argv0, std::string_view fallback);

}  // namespace skyscrub::settings
