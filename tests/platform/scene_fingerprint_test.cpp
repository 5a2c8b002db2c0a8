// A frame is redrawn exactly when something visible changed.
#include "platform/sdl/scene_fingerprint.h"

#include <functional>

#include "support/game_fixture.h"

namespace skyscrub::sdl {
namespace {

class Fingerprint : public GameFixture {
 protected:
  void SetUp() override { StartGame(); }

  bool Changes(const std::function<void()>& edit) {
    const std::uint64_t before = SceneFingerprint(game);
    edit();
    return SceneFingerprint(game) != before;
  }
};

TEST_F(Fingerprint, SeesEveryVisibleChange) {
  EXPECT_TRUE(Changes([&] { game.player.Left = game.player.Left + 0.5f; }));
  EXPECT_TRUE(Changes([&] { game.player.TakePicture(game.ShipLeft); }));
  EXPECT_TRUE(Changes([&] { game.killbar.Width = 40; }));
  EXPECT_TRUE(Changes([&] { game.Shield.BackColor = colours::kRed; }));
  EXPECT_TRUE(Changes([&] { game.lblLives.Caption = "Lives: 2"; }));
  EXPECT_TRUE(Changes([&] { game.Label10.ForeColor = colours::kRed; }));
  EXPECT_TRUE(Changes([&] { game.CO2[15].Visible = true; }));
  EXPECT_TRUE(Changes([&] { game.PauseScreen.Visible = true; }));
  EXPECT_TRUE(Changes([&] { game.Label4.Caption = "Paused"; }));  // a child of a shown panel
  EXPECT_TRUE(Changes([&] { game.Form1.picture = nullptr; }));
}

TEST_F(Fingerprint, IgnoresWhatIsNotDrawn) {
  EXPECT_FALSE(Changes([] {}));
  EXPECT_FALSE(Changes([&] { game.CO2[19].Left = 5; }));         // hidden sprite moved
  EXPECT_FALSE(Changes([&] { game.Label9.ForeColor = colours::kRed; }));  // on the hidden instructions
  EXPECT_FALSE(Changes([&] { game.gasCount = 7; }));               // a variable, not an element
}

TEST_F(Fingerprint, AGameInMotionChangesTheFrame) {
  const std::uint64_t before = SceneFingerprint(game);
  Tick();
  EXPECT_NE(SceneFingerprint(game), before);
}

}  // namespace
}  // namespace skyscrub::sdl
