// Bullet flight, hits on molecules and CFCs, and the count of destroyed molecules.
#include "game/gases/gas_kind.h"
#include "game/game_window.h"
#include "game/loop/difficulty_schedule.h"

namespace skyscrub {

namespace {

// The target's box widened by 4 to the right and by the bullet's width plus 4 to the left;
// vertically the bullet's own height does not count. Sums are single precision, as compared.
bool Hits(const Picture& shot, const Picture& target) {
  return target.Visible && shot.Visible && target.Top + target.Height - 10 > shot.Top &&
         target.Top - 5 < shot.Top && target.Left + target.Width + 4 > shot.Left &&
         target.Left - (shot.Width + 4) < shot.Left;
}

// A full-size molecule takes more than one hit: CO2 shrinks by 10 while wider than 24,
// CH4 by 6 while wider than 20, about its centre.
struct Toughness {
  float shrink;
  float shrinksAbove;
};
constexpr Toughness kCo2{10, 24};
constexpr Toughness kCh4{6, 20};

}  // namespace

void GameWindow::UpdateBullets() {
  for (std::size_t b = 0; b < bullet.size(); ++b) {
    Picture& shot = bullet[b];
    if (!shot.Visible) continue;
    shot.Left = shot.Left + bulletSpeed[b];
    if (shot.Left > 850) shot.Visible = false;
    if (shot.Left < -50) shot.Visible = false;

    // A hit hides the bullet, so it hits at most one target: the lowest slot, gases first.
    const std::int16_t last = lastGasIndex;
    for (std::int16_t g = 0; g <= last; ++g) {
      Picture& gas = CO2[g];
      if (!Hits(shot, gas)) continue;
      shot.Visible = false;
      const Toughness kind = HoldsCo2(*this, gas) ? kCo2 : kCh4;
      if (gas.Width > kind.shrinksAbove) {
        gas.Width = gas.Width - kind.shrink;
        gas.Height = gas.Height - kind.shrink;
        gas.Top = gas.Top + kind.shrink / 2;
        gas.Left = gas.Left + kind.shrink / 2;
      } else {
        gas.Visible = false;
        gasCount = gasCount - 1;
        OnGasDestroyed(g);
      }
    }

    for (Picture& cfc : CFC) {
      if (!Hits(shot, cfc)) continue;
      shot.Visible = false;
      cfc.Visible = false;
      StartBurst(PicGx1, cfc.Left, cfc.Top);  // a CFC counts for nothing
    }
  }

  // The fire cooldown: the gun is ready again in the eighth tick after a shot.
  if (canFire == kFalse) {
    reloadTicks = reloadTicks + 1;
    if (reloadTicks > 7) {
      reloadTicks = -1;
      canFire = kTrue;
    }
  }
}

void GameWindow::OnGasDestroyed(std::int16_t& slot) {
  gasDestroyed = gasDestroyed + 1;
  UpdateKillBar();
  for (const DifficultyStep& step : kDifficultySchedule) {
    if (step.destroyed == gasDestroyed) ApplyDifficulty(step, *this);
  }
  if (gasDestroyed == kDestroyedQuota) quotaReached = kTrue;
  const Picture& gas = CO2[slot];
  // Red for CO2, yellow for CH4; with every burst slot in use the molecule still counts.
  StartBurst(HoldsCo2(*this, gas) ? picRX1 : picYX1, gas.Left - gas.Width / 3, gas.Top - gas.Height / 3);
}

// 300 destroyed molecules fill the bar's 125 pixels; more keep lengthening it.
void GameWindow::UpdateKillBar() { killbar.Width = gasDestroyed / 2.4; }

}  // namespace skyscrub
