#include "tests/trace/soak/soak_invariants.h"

#include <algorithm>
#include <cmath>

#include "recording/value_text.h"

namespace skyscrub::soak {

namespace {

struct Range {
  const char* name;
  double value, lowest, highest;
};

std::optional<std::string> OutOf(const Range& r) {
  if (r.value >= r.lowest && r.value <= r.highest) return std::nullopt;
  return std::string(r.name) + " = " + recording::FormatNumber(r.value) + ", outside " + recording::FormatNumber(r.lowest) +
         ".." + recording::FormatNumber(r.highest);
}

bool IsBoolean(Boolean b) { return b == kTrue || b == kFalse; }

// Most molecules a game can destroy: the quota, and the 19 still in the air when it is reached
// (no more come after it).
constexpr double kMostDestroyed = 300 + 19;
// The temperature bar falls by 1 only while at or above its lowest target, 15, and rises by 1.8
// only while below its highest, 5 x 20 + 15.
constexpr double kCoolest = 15 - 1;
constexpr double kHottest = 5 * 20 + 15 + 1.8;

// The shield holds 125, less 32 for each strike it survives; a strike on 29 destroys the ship,
// which refills it.
bool IsShieldLevel(float width) { return width == 125 || width == 93 || width == 61 || width == 29; }

// The kill bar shows the count, or nothing right after a reset.
bool IsKillBarOf(float width, std::int32_t destroyed) {
  return width == 0.3f || width == static_cast<float>(destroyed / 2.4);
}

}  // namespace

std::optional<std::string> BrokenInvariant(const GameWindow& g, const GameContext& c) {
  const Range ranges[] = {
      {"cfcTimer", double(g.cfcTimer), 0, double(c.largestCfcInterval) + 1},
      {"gasTimer", double(g.gasTimer), 0, double(c.largestGasInterval) + 1},
      {"soundHold", double(g.soundHold), 0, 13},
      {"gameOverTimer", double(g.gameOverTimer), 0, 181},
      {"animTick", double(g.animTick), 0, 11},
      {"uvIndex", double(g.uvIndex), 0, 3},
      {"reloadTicks", double(g.reloadTicks), -1, 8},
      {"lives", double(g.lives), 0, 3},
      {"lastGasIndex", double(g.lastGasIndex), 0, 19},
      {"gasDestroyed", double(g.gasDestroyed), 0, kMostDestroyed},
      {"power.Width", double(g.power.Width), 0, 126},
      {"Temp1.Width", double(g.Temp1.Width), kCoolest, kHottest},
  };
  for (const Range& r : ranges) {
    if (auto broken = OutOf(r)) return broken;
  }
  if (!IsShieldLevel(g.Shield.Width)) {
    return "Shield.Width = " + recording::FormatNumber(g.Shield.Width) + ", not a level strikes leave (125, 93, 61, 29)";
  }
  if (!IsKillBarOf(g.killbar.Width, g.gasDestroyed)) {
    return "killbar.Width = " + recording::FormatNumber(g.killbar.Width) + ", not the bar of " +
           std::to_string(g.gasDestroyed) + " destroyed";
  }
  for (const Boolean b : {g.quotaReached, g.gameOverPending, g.canFire, g.engineExhausted}) {
    if (!IsBoolean(b)) return "a Boolean holds " + std::to_string(b);
  }
  for (const double v : {g.speedX, g.speedY, double(g.player.Left), double(g.player.Top)}) {
    if (!std::isfinite(v)) return std::string("the ship's speed or place is not finite");
  }
  const bool endScreen = g.WinScreen.Visible || g.LoseScreen.Visible;
  if (!endScreen) {
    const auto visible = std::count_if(g.CO2.begin(), g.CO2.end(), [](const Picture& p) { return p.Visible; });
    if (visible != g.gasCount) {
      return "gasCount = " + std::to_string(g.gasCount) + " but " + std::to_string(visible) + " CO2 slots are visible";
    }
  }
  if (c.inGame && !endScreen && !g.Ended() && (g.Timer1.Enabled == g.Timer2.Enabled || g.Timer3.Enabled)) {
    return std::string("in a game, Timer1 ") + (g.Timer1.Enabled ? "on" : "off") + ", Timer2 " +
           (g.Timer2.Enabled ? "on" : "off") + ", Timer3 " + (g.Timer3.Enabled ? "on" : "off");
  }
  return std::nullopt;
}

}  // namespace skyscrub::soak
