// The two emitters: CFCs from the factories and CO2/CH4 molecules in the sky.
#include "game/game_window.h"
#include "game/loop/sky_placement.h"
#include "game/scene/free_slot.h"
#include "game/state/numbers.h"

namespace skyscrub {

void GameWindow::EmitCfc() {
  if (quotaReached == kTrue) return;
  Randomize();
  const std::size_t i = FirstFree(CFC);
  if (i == CFC.size()) return;  // this emission is lost, not postponed
  Picture& cfc = CFC[i];
  cfcDrift[i] = 0;
  cfc.Visible = true;
  cfc.Width = 16;
  cfc.Height = 16;
  // Either factory with even odds.
  if (RoundHalfEven(Rnd() + 1) == 1) {
    cfc.Left = factory.Left + 8;
  } else {
    cfc.Left = factory2.Left + 8;
  }
  cfcDrift[i] = Rnd() * 1.5;
  if (RoundHalfEven(Rnd()) == 0) cfcDrift[i] = -cfcDrift[i];
  cfc.Top = factory.Top - 16;  // both factories stand at the same height
}

void GameWindow::EmitGas() {
  if (quotaReached == kTrue) {
    if (gasCount == 0) ShowWinScreen();
    return;
  }
  Randomize();
  const std::size_t i = FirstFree(CO2);
  if (i == CO2.size()) return;
  Picture& gas = CO2[i];
  gasGrowing[i] = 1;
  gas.Visible = true;
  gas.Width = 12;
  gas.Height = 12;
  if (RoundHalfEven(Rnd() * ch4Odds) == 1) {
    gas.TakePicture(picCH4);
  } else {
    gas.TakePicture(picCO2);
  }
  PlaceInSky(*this, gas);
  gasCount = gasCount + 1;
}

}  // namespace skyscrub
