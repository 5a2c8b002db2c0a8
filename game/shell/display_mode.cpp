// The display-mode switch: test a mode, then apply it or tell the player why not.
#include "game/game_window.h"

namespace skyscrub {

void GameWindow::SetDisplayResolution(std::int16_t& width, std::int16_t& height) {
  Display& display = platform_.display;
  switch (display.TestMode(width, height)) {
    case ModeTest::Successful:
      display.ApplyMode(width, height);
      return;
    case ModeTest::Restart:
      if (platform_.messages.Show("Screen Resolution",
                                  "You must restart your computer to apply these changes.\r\n\r\n"
                                  "Do you want to restart now?",
                                  MessageButtons::YesNo) == MessageAnswer::Yes) {
        display.RequestRestart();
      }
      return;
    case ModeTest::NotPossible:
      platform_.messages.Show("Error", "Mode not supported", MessageButtons::Ok);
      return;
  }
}

}  // namespace skyscrub
