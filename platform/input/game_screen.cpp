#include "platform/input/game_screen.h"

#include <array>
#include <utility>

namespace skyscrub::input {

Screen ScreenShown(const Scene& scene) {
  const std::array<std::pair<const Element*, Screen>, 5> screens{{
      {&scene.WinScreen, Screen::EndScreen},
      {&scene.LoseScreen, Screen::EndScreen},
      {&scene.Control_Screen, Screen::Instructions},
      {&scene.Picture2, Screen::Title},
      {&scene.PauseScreen, Screen::Paused},
  }};
  for (const Element* element : scene.FrontToBack()) {  // panels come first, front to back
    if (!element->Visible) continue;
    for (const auto& [panel, screen] : screens) {
      if (element == panel) return screen;
    }
  }
  return Screen::Playing;
}

}  // namespace skyscrub::input
