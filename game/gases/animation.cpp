// The 11-tick animation cycle: frame flips, growth of new molecules and the fading bursts.
#include "game/game_window.h"

namespace skyscrub {

void GameWindow::AnimateSprites() {}

void GameWindow::GrowNewGases() {}

void GameWindow::AnimationPhaseA() {}

void GameWindow::AnimationPhaseB() {}

void GameWindow::FadeOut() {}

}  // namespace skyscrub
