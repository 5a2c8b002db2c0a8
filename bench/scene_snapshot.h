#pragma once
// A copy of everything a tick can change (element properties, timers, game variables), so a
// benchmark can put a game back into the same busy moment without replaying how it got there.
#include <string>
#include <vector>

#include "game/game_window.h"

namespace skyscrub::bench {

class SceneSnapshot {
 public:
  explicit SceneSnapshot(GameWindow& game);
  void Restore() const;

 private:
  struct ElementState {
    Element* element;
    float left, top, width, height;
    bool visible;
    const Image* picture;  // pictures and panels
    Colour colour;         // label ForeColor, bar or panel BackColor
    std::string caption;
  };
  struct TimerState {
    Timer* timer;
    std::int32_t interval;
    bool enabled;
  };

  void Capture(Element& element);

  GameWindow& game_;
  GameVariables variables_;
  std::vector<ElementState> elements_;
  std::vector<TimerState> timers_;
};

}  // namespace skyscrub::bench
