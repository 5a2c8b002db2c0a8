#pragma once
// The game's command line. With no option the game plays exactly as it always has; options
// only add to it.
#include <optional>
#include <string>
#include <string_view>

namespace skyscrub::sdl {

struct Options {
  std::optional<std::string> record;  // write the game as a trace script to this file
};

struct CommandLine {
  enum class Action { Play, Help, Version, Refuse };
  Action action = Action::Play;
  Options options;
  std::string error;  // why the line is refused: one line, without the program's name
};

CommandLine ReadCommandLine(int argc, const char* const* argv);

// What --help prints.
extern const std::string_view kUsage;

}  // namespace skyscrub::sdl
