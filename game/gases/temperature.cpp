// The temperature gauge, drifting towards a target set by the molecules in the air.
#include <cstdint>

#include "game/game_window.h"

namespace skyscrub {

void GameWindow::UpdateTemperature() {
  const auto target = static_cast<std::int16_t>(5 * gasCount + 15);
  if (Temp1.Width < target) {
    Temp1.Width = Temp1.Width + 1.8;
  } else {
    Temp1.Width = Temp1.Width - 1;
  }
  if (Temp1.Width > 114) ShowLoseScreen();  // the lost game still gets its warning below
  hotlbl.Visible = Temp1.Width > 95;
}

}  // namespace skyscrub
