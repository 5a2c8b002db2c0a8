// A touch screen's controls, as the page tells them, through the key-state query the game
// polls: what each stands for on each screen, a tap too short for any tick still counted once,
// a tap that pauses not resuming at once, several fingers at once, and a whole game by touch.
#include "platform/input/touch_controls.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <string>

#include "game/game_window.h"
#include "platform/script/scripted_platform.h"
#include "platform/sdl_common/player_keys.h"
#include "support/polled_game.h"

namespace skyscrub::sdl {
namespace {

using input::TouchControl;
using input::TouchHeld;

class Touch : public ::testing::Test {
 protected:
  void SetUp() override {
    polled::Start(system, game);
    keys.Watch(game);
  }

  // The page says these controls are held now (and no others).
  void Hold(std::initializer_list<TouchControl> controls) {
    TouchHeld held;
    for (TouchControl c : controls) held.set(static_cast<std::size_t>(c));
    touch.Set(held, input::ScreenShown(game));
  }
  void LetGo() { Hold({}); }
  // Pressed and let go between two of the game's looks at the keys.
  void Tap(TouchControl control) {
    Hold({control});
    LetGo();
  }
  bool Held(Key key) { return (keys.GetKeyState(key) & kKeyDownBit) != 0; }
  // Runs up to `n` main ticks; the shots fired in them.
  int Tick(int n = 1) {
    int shots = 0;
    for (int i = 0; i < n && game.Timer1.Enabled; ++i) {
      game.Timer1_Timer();
      if (!game.canFire && game.reloadTicks == 1) ++shots;  // the cooldown's first tick
    }
    return shots;
  }
  void Poll() { polled::Poll(game); }
  void PlayAGame() { polled::Playing(game); }
  ScriptedPlatform system;
  Gamepads pads;  // none plugged in
  input::TouchControls touch;
  PlayerKeys keys{system.platform().keyboard, pads, &touch};
  Platform platform = polled::WithKeys(system, keys);
  GameWindow game{platform};
};

// ---- What each control stands for, screen by screen ----

struct BindingCase {
  const char* name;
  void (*screen)(GameWindow& game);
  TouchControl control;
  Key key;
  bool held;
};

void PrintTo(const BindingCase& c, std::ostream* os) { *os << c.name; }

using namespace polled;  // the screens

class TouchBindings : public Touch, public ::testing::WithParamInterface<BindingCase> {};

TEST_P(TouchBindings, HoldTheKeyTheyStandFor) {
  const BindingCase& c = GetParam();
  c.screen(game);
  Hold({c.control});
  EXPECT_EQ(Held(c.key), c.held);
}

INSTANTIATE_TEST_SUITE_P(
    Screens, TouchBindings,
    ::testing::Values(BindingCase{"PlayLeftSteersLeft", Playing, TouchControl::Left, Key::Left, true},
                      BindingCase{"PlayRightSteersRight", Playing, TouchControl::Right, Key::Right, true},
                      BindingCase{"PlayEngineThrusts", Playing, TouchControl::Engine, Key::Up, true},
                      BindingCase{"PlayFireShoots", Playing, TouchControl::Fire, Key::Z, true},
                      BindingCase{"PlayPausePauses", Playing, TouchControl::Pause, Key::P, true},
                      BindingCase{"PlayPictureIsNoSpace", Playing, TouchControl::Picture, Key::Space, false},
                      BindingCase{"PlayPictureIsNoShot", Playing, TouchControl::Picture, Key::Z, false},
                      BindingCase{"PausedPauseResumes", Paused, TouchControl::Pause, Key::Space, true},
                      BindingCase{"PausedPictureResumes", Paused, TouchControl::Picture, Key::Space, true},
                      BindingCase{"PausedFireIsNoShot", Paused, TouchControl::Fire, Key::Z, false},
                      BindingCase{"PausedPauseIsNoP", Paused, TouchControl::Pause, Key::P, false},
                      BindingCase{"LostPictureGoesOn", Lost, TouchControl::Picture, Key::Space, true},
                      BindingCase{"LostFireIsNoSpace", Lost, TouchControl::Fire, Key::Space, false},
                      BindingCase{"TitlePictureIsNoSpace", Title, TouchControl::Picture, Key::Space, false},
                      BindingCase{"TitlePauseIsNoEscape", Title, TouchControl::Pause, Key::Escape, false},
                      BindingCase{"InstructionsPictureIsNoSpace", Instructions, TouchControl::Picture, Key::Space,
                                  false}),
    [](const auto& info) { return std::string(info.param.name); });

// ---- Taps and fingers ----

TEST_F(Touch, ATapBetweenTwoTicksFiresOnce) {
  PlayAGame();
  Tap(TouchControl::Fire);
  EXPECT_EQ(Tick(), 1) << "the tap was seen";
  EXPECT_EQ(Tick(20), 0) << "and only once";
}

TEST_F(Touch, FireHeldFiresEveryEighthTickUntilLetGo) {
  PlayAGame();
  Hold({TouchControl::Fire});
  EXPECT_EQ(Tick(17), 3);
  LetGo();
  EXPECT_EQ(Tick(20), 0) << "no shot after the finger left";
}

TEST_F(Touch, SteeringThrustingAndFiringAtOnce) {
  PlayAGame();
  const float left = game.player.Left, top = game.player.Top;
  Hold({TouchControl::Right, TouchControl::Engine, TouchControl::Fire});
  EXPECT_EQ(Tick(40), 5);
  EXPECT_GT(game.player.Left, left + 10);
  EXPECT_LT(game.power.Width, 125) << "the engine burnt power";
  Hold({TouchControl::Left, TouchControl::Engine});  // one thumb slides from Right to Left
  Tick(60);
  EXPECT_EQ(game.player.picture, game.ShipLeft.picture) << "turned left";
  EXPECT_LT(game.player.Top, top + 200) << "still flying";
}

TEST_F(Touch, APauseTapPausesAndOnlyAFreshTapResumes) {
  PlayAGame();
  Hold({TouchControl::Pause});
  Tick();
  ASSERT_TRUE(game.PauseScreen.Visible);
  for (int i = 0; i < 5; ++i) Poll();
  EXPECT_TRUE(game.PauseScreen.Visible) << "the finger that paused resumed the game";
  LetGo();
  Tap(TouchControl::Picture);
  Poll();
  EXPECT_FALSE(game.PauseScreen.Visible) << "a tap on the picture resumes";
  Tick(3);
  EXPECT_TRUE(game.Timer1.Enabled) << "and does not pause again";
  Tap(TouchControl::Pause);
  Tick();
  ASSERT_TRUE(game.PauseScreen.Visible);
  Tap(TouchControl::Pause);
  Poll();
  EXPECT_TRUE(game.Timer1.Enabled) << "the pause button resumes too";
}

TEST_F(Touch, AWholeGameByTouchAlone) {
  PlayAGame();  // "Play" and "Start" are taps the mouse's clicks deliver
  Hold({TouchControl::Engine, TouchControl::Fire});
  EXPECT_EQ(Tick(30), 4);
  LetGo();
  for (int i = 0; i < 20000 && game.Timer1.Enabled; ++i) Tick();  // then nobody plays: lost
  ASSERT_TRUE(game.LoseScreen.Visible);
  Poll();
  EXPECT_TRUE(game.LoseScreen.Visible) << "nothing touched";
  Tap(TouchControl::Picture);
  Poll();
  EXPECT_TRUE(game.Picture2.Visible) << "back on the title";
  Poll();
  EXPECT_TRUE(game.Picture2.Visible);
  EXPECT_FALSE(game.Ended());
}

TEST_F(Touch, TheKeyboardAloneWithoutATouch) {
  PlayAGame();
  system.held = {Key::Z};
  EXPECT_TRUE(Held(Key::Z));
  EXPECT_FALSE(Held(Key::Left));
  system.held.clear();
  Hold({TouchControl::Left});
  EXPECT_TRUE(Held(Key::Left));
  EXPECT_FALSE(Held(Key::Z));
}

}  // namespace
}  // namespace skyscrub::sdl
