// The 11-tick animation cycle: frame flips, growth of new molecules and the fading bursts.
#include <array>
#include <cstdint>
#include <span>

#include "game/game_window.h"
#include "game/state/numbers.h"

namespace skyscrub {

namespace {

// The sprites that flip between two frames, in the groups the cycle visits.
enum class Sprites : std::uint8_t { Dying, Bursts, Gases, Bullets };

// How a frame pair recognises the sprites it flips: by showing one of its two frames, or by
// showing anything that the earlier pairs of its group did not recognise.
enum class Match : std::uint8_t { EitherFrame, Otherwise };

struct FramePair {
  Sprites sprites;
  Match match;
  Picture Scene::*first;
  Picture Scene::*second;
};

// Within a group the pairs apply one after the other, each to the picture the one before left.
// Flipping never leaves a pair, so a burst keeps its colour and a molecule its kind.
constexpr std::array kFramePairs{
    FramePair{Sprites::Dying, Match::Otherwise, &Scene::xplode1, &Scene::xplode2},
    FramePair{Sprites::Bursts, Match::EitherFrame, &Scene::picRX1, &Scene::PicRX2},  // shot CO2
    FramePair{Sprites::Bursts, Match::EitherFrame, &Scene::picYX1, &Scene::PicYX2},  // shot CH4
    FramePair{Sprites::Bursts, Match::EitherFrame, &Scene::PicGx1, &Scene::PicGx2},  // CFC
    FramePair{Sprites::Bursts, Match::EitherFrame, &Scene::PicPx1, &Scene::PicPx2},  // ray strike
    FramePair{Sprites::Gases, Match::EitherFrame, &Scene::picCO2, &Scene::Co2b},
    FramePair{Sprites::Gases, Match::Otherwise, &Scene::picCH4, &Scene::Ch4b},
    FramePair{Sprites::Bullets, Match::Otherwise, &Scene::bullet1, &Scene::bullet2},
};

enum class Phase : std::uint8_t { A, B };

std::span<Picture> Slots(GameWindow& game, Sprites sprites) {
  switch (sprites) {
    case Sprites::Dying: return {&game.dying, 1};
    case Sprites::Bursts: return game.Xplode;
    case Sprites::Gases: return std::span<Picture>(game.CO2).first(game.lastGasIndex + 1);
    case Sprites::Bullets: return game.bullet;
  }
  return {};
}

// Neighbours flip in opposite phase: Xplode(1) against the other bursts, odd slots against even.
bool ShowsSecondFrameInPhaseA(Sprites sprites, std::size_t slot) {
  switch (sprites) {
    case Sprites::Dying: return false;
    case Sprites::Bursts: return slot != 1;
    case Sprites::Gases:
    case Sprites::Bullets: return slot % 2 == 1;
  }
  return false;
}

bool ShowsFrameOf(const GameWindow& game, const FramePair& pair, const Picture& sprite) {
  return sprite.Shows(game.*pair.first) || sprite.Shows(game.*pair.second);
}

bool Recognises(const GameWindow& game, const FramePair& pair, const Picture& sprite) {
  if (pair.match == Match::EitherFrame) return ShowsFrameOf(game, pair, sprite);
  for (const FramePair& earlier : kFramePairs) {
    if (&earlier == &pair) break;
    if (earlier.sprites == pair.sprites && ShowsFrameOf(game, earlier, sprite)) return false;
  }
  return true;
}

// Gives every visible sprite of the group the frame of this phase; others keep their picture.
void FlipFrames(GameWindow& game, Sprites sprites, Phase phase) {
  const std::span<Picture> slots = Slots(game, sprites);
  for (std::size_t slot = 0; slot < slots.size(); ++slot) {
    Picture& sprite = slots[slot];
    if (!sprite.Visible) continue;
    const bool second = ShowsSecondFrameInPhaseA(sprites, slot) != (phase == Phase::B);
    for (const FramePair& pair : kFramePairs) {
      if (pair.sprites != sprites || !Recognises(game, pair, sprite)) continue;
      sprite.TakePicture(game.*(second ? pair.second : pair.first));
    }
  }
}

// One component of the "HOT!" colour: 100 to 300, anything above 255 taken as 255.
int HotComponent(float r) {
  const double value = RoundHalfEven(r * 200 + 100);
  return value > 255 ? 255 : static_cast<int>(value);
}

// Shrinks a burst about its centre; true once it is too small to show.
bool ShrinkAboutCentre(Picture& burst) {
  burst.Width = burst.Width - 0.6;
  burst.Height = burst.Height - 0.6;
  burst.Top = burst.Top + 0.3;
  burst.Left = burst.Left + 0.3;
  return burst.Width < 2;
}

}  // namespace

void GameWindow::AnimateSprites() {
  animTick = animTick + 1;
  if (animTick == 6) AnimationPhaseA();
  if (animTick == 11) {
    animTick = 0;
    UpdateTemperature();
    GrowNewGases();
    AnimationPhaseB();
  }
  FadeOut();
}

void GameWindow::GrowNewGases() {
  for (int i = 0; i <= lastGasIndex; ++i) {
    Picture& gas = CO2[i];
    if (gasGrowing[i] != 1 || !gas.Visible) continue;
    if (gas.Width < 32) {
      gas.Width = gas.Width + 4;
      gas.Height = gas.Height + 4;
    }
    if (gas.Width >= 32) {
      gasGrowing[i] = 0;
      gas.Width = 32;
      gas.Height = 32;
    }
  }
}

void GameWindow::AnimationPhaseA() {
  if (hotlbl.Visible) {
    const int red = HotComponent(Rnd());
    const int green = HotComponent(Rnd());
    const int blue = HotComponent(Rnd());
    hotlbl.ForeColor = FromRgb(red, green, blue);
  }
  for (Picture& cfc : CFC) {  // hidden ones too: a CFC is released at 16 x 16 and grows to 32
    if (cfc.Width < 32) {
      cfc.Width = cfc.Width + 2;
      cfc.Height = cfc.Height + 2;
    }
  }
  for (const Sprites sprites : {Sprites::Dying, Sprites::Bursts, Sprites::Gases, Sprites::Bullets}) {
    FlipFrames(*this, sprites, Phase::A);
  }
}

void GameWindow::AnimationPhaseB() {
  for (const Sprites sprites : {Sprites::Dying, Sprites::Bursts, Sprites::Bullets, Sprites::Gases}) {
    FlipFrames(*this, sprites, Phase::B);
  }
}

void GameWindow::FadeOut() {
  if (dying.Visible && ShrinkAboutCentre(dying)) {
    dying.Visible = false;
    LoseLife();
  }
  for (Picture& burst : Xplode) {
    if (burst.Visible && ShrinkAboutCentre(burst)) burst.Visible = false;
  }
}

}  // namespace skyscrub
