#include "bench/busy_game.h"

#include <algorithm>
#include <string>

namespace skyscrub::bench {

namespace {

template <typename Slots>
std::int32_t CountVisible(const Slots& slots) {
  return static_cast<std::int32_t>(
      std::count_if(slots.begin(), slots.end(), [](const Picture& p) { return p.Visible; }));
}

}  // namespace

TitleGame::TitleGame(recording::ScriptOutput* record)
    : recorder_(record != nullptr ? std::make_unique<recording::DemoRecorder>(system_.platform(), *record) : nullptr),
      game_(recorder_ ? recorder_->platform() : system_.platform()) {
  if (recorder_) recorder_->Watch(game_);
  system_.settingsContent = std::string("10\r\n1\r\n1\r\n");
  system_.SetSeed(1);
  events_.Deliver({WindowEvent::Kind::Load});
  events_.Deliver({WindowEvent::Kind::Activate});
}

void TitleGame::Click(std::string_view name) {
  events_.Deliver({WindowEvent::Kind::Click, static_cast<std::uint8_t>(ElementEventsNamed(name).value())});
}

BusyGame::BusyGame(recording::ScriptOutput* record) : TitleGame(record) {
  // As the player gets there from the title: "Play", then "Start".
  Click("Label7");
  Click("Label9");
  system_.held = {Key::Z};
  FillSky();
  busy_ = std::make_unique<SceneSnapshot>(game_);
}

// Molecules on a 5 x 4 grid; three bullets fly along molecule rows (and hit), four between
// them; CFCs rise from near the ground; all three bursts are in use.
void BusyGame::FillSky() {
  GameWindow& g = game_;
  for (std::int16_t i = 0; i < 20; ++i) {
    Picture& gas = g.CO2[i];
    gas.Visible = true;
    gas.Width = 32;
    gas.Height = 32;
    gas.Left = 60 + (i % 5) * 150;
    gas.Top = 100 + (i / 5) * 100;
    g.gasGrowing[i] = 0;
  }
  g.gasCount = 20;
  g.lastGasIndex = 19;

  constexpr float kBulletTops[7] = {110, 150, 210, 250, 310, 350, 450};
  for (std::int16_t k = 0; k < 7; ++k) {
    Picture& shot = g.bullet[k];
    const bool rightwards = k % 2 == 0;
    shot.Visible = true;
    shot.Top = kBulletTops[k];
    shot.Left = rightwards ? 100 : 700;
    g.bulletSpeed[k] = rightwards ? 10 : -10;
  }

  constexpr double kDrifts[3] = {0.4, -0.4, 0.2};
  for (std::int16_t c = 0; c < 3; ++c) {
    Picture& cfc = g.CFC[c];
    cfc.Visible = true;
    cfc.Left = 150 + c * 250;
    cfc.Top = 540;
    g.cfcDrift[c] = kDrifts[c];
  }

  for (std::int16_t b = 0; b < 3; ++b) {
    Picture& burst = g.Xplode[b];
    burst.TakePicture(g.xplode1);
    burst.Visible = true;
    burst.Width = 32;
    burst.Height = 32;
    burst.Left = 200 + b * 200;
    burst.Top = 520;
  }
}

void BusyGame::Rearm() {
  busy_->Restore();
  system_.effects.clear();  // the fake's record of sounds would otherwise grow without end
}

std::int32_t BusyGame::VisibleSprites() const {
  return CountVisible(game_.CO2) + CountVisible(game_.CFC) + CountVisible(game_.bullet) +
         CountVisible(game_.Xplode);
}

}  // namespace skyscrub::bench
