#pragma once
// The game's command line. With no option the game plays exactly as it always has; options
// only add to it.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace skyscrub::sdl {

// How the game takes the screen.
enum class Presentation : std::uint8_t {
  Specified,   // the display switched to 800 x 600, the window borderless and on top at 0, 0
  Window,      // a window of the player's, the canvas scaled in it
  FullScreen,  // the whole display at its own mode, the canvas scaled to fill it
};

// A presentation of the player's own: the canvas scaled into the window, the display's mode
// kept, and the window left where and as large as the player has it.
constexpr bool Scaled(Presentation presentation) { return presentation != Presentation::Specified; }

inline constexpr std::int32_t kLargestWindow = -1;

struct Options {
  std::optional<std::string> record;  // write the game as a trace script to this file
  std::optional<std::string> play;    // show this recording instead of taking the player's game
  Presentation presentation = Presentation::Specified;
  // The window's size in whole multiples of the canvas; 0 for the largest that fits the desktop,
  // kLargestWindow for the largest of the canvas's shape that fits, at any scale.
  std::int32_t windowScale = 0;
};

struct CommandLine {
  enum class Action { Play, Help, Version, Refuse };
  Action action = Action::Play;
  Options options;
  std::string error;  // why the line is refused: one line, without the program's name
};

CommandLine ReadCommandLine(int argc, const char* const* argv);

// What --help prints, naming the game `self` and the options dialog `editor`.
std::string Usage(std::string_view self, std::string_view editor);

}  // namespace skyscrub::sdl
