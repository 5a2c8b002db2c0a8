// Gamepads, as SDL's virtual joysticks: what each control does on each screen (through the
// key-state query the game polls, or as a click of the menu's choices), the dead zones, a
// button that changed the screen doing nothing on the next until let go, a whole game played
// from the pad alone, two pads at once, pads plugged in and out in the middle of a tick with
// buttons held, and the pause when a player's window loses the focus.
#include "platform/sdl_common/gamepads.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "game/game_window.h"
#include "game/window_events.h"
#include "platform/script/scripted_platform.h"
#include "platform/sdl_common/player_keys.h"
#include "support/polled_game.h"

namespace skyscrub::sdl {
namespace {

// A game controller plugged in for as long as it lives, laid out as SDL's game-controller
// database describes one: its buttons and axes in SDL's order.
class VirtualPad {
 public:
  VirtualPad() {
    SDL_VirtualJoystickDesc desc{};
    desc.version = SDL_VIRTUAL_JOYSTICK_DESC_VERSION;
    desc.type = SDL_JOYSTICK_TYPE_GAMECONTROLLER;
    desc.naxes = SDL_CONTROLLER_AXIS_MAX;
    desc.nbuttons = SDL_CONTROLLER_BUTTON_MAX;
    desc.name = "Skyscrub test pad";
    const int index = SDL_JoystickAttachVirtualEx(&desc);
    joystick_ = SDL_JoystickOpen(index);
    id_ = SDL_JoystickInstanceID(joystick_);
    // A trigger at rest is at the bottom of its axis's range.
    Move(SDL_CONTROLLER_AXIS_TRIGGERLEFT, SDL_JOYSTICK_AXIS_MIN);
    Move(SDL_CONTROLLER_AXIS_TRIGGERRIGHT, SDL_JOYSTICK_AXIS_MIN);
  }
  VirtualPad(const VirtualPad&) = delete;
  VirtualPad& operator=(const VirtualPad&) = delete;
  ~VirtualPad() { Unplug(); }

  bool plugged() const { return joystick_ != nullptr; }
  void Press(SDL_GameControllerButton button, bool down = true) {
    SDL_JoystickSetVirtualButton(joystick_, button, down ? SDL_PRESSED : SDL_RELEASED);
  }
  void Release(SDL_GameControllerButton button) { Press(button, false); }
  void Move(SDL_GameControllerAxis axis, Sint16 value) { SDL_JoystickSetVirtualAxis(joystick_, axis, value); }
  void Unplug() {
    if (joystick_ == nullptr) return;
    SDL_JoystickClose(joystick_);
    joystick_ = nullptr;
    for (int i = 0; i < SDL_NumJoysticks(); ++i) {
      if (SDL_JoystickGetDeviceInstanceID(i) == id_) SDL_JoystickDetachVirtual(i);
    }
  }

 private:
  SDL_Joystick* joystick_ = nullptr;
  SDL_JoystickID id_ = -1;
};

// The keyboard under the pads' keys: the script's held keys, and something to do in the middle
// of a tick's queries.
class MidTickKeyboard final : public Keyboard {
 public:
  explicit MidTickKeyboard(Keyboard& keys) : keys_(keys) {}
  std::int16_t GetKeyState(Key key) override {
    if (key == Key::Up && duringTick) std::exchange(duringTick, nullptr)();
    return keys_.GetKeyState(key);
  }
  std::function<void()> duringTick;  // run once, at the tick's query of Up

 private:
  Keyboard& keys_;
};

class Pads : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { SDL_setenv("SDL_VIDEODRIVER", "dummy", 1); }

  void SetUp() override {
    ASSERT_TRUE(pads.Start()) << SDL_GetError();
    polled::Start(system, game);
    keys.Watch(game);
  }

  // What the loop does at each wake-up: the pads read, their events handled, clicks delivered.
  void Pump() {
    now += 1'000'000;
    pads.Update(now, game);
    SDL_Event event;
    while (SDL_PollEvent(&event) == 1) {
      pads.Handle(event, events);
    }
  }
  bool Held(Key key) { return (keys.GetKeyState(key) & kKeyDownBit) != 0; }

  void Tick(int n = 1) {
    for (int i = 0; i < n && game.Timer1.Enabled; ++i) game.Timer1_Timer();
  }
  void Poll() { polled::Poll(game); }
  void PlayAGame() { polled::Playing(game); }
  // Presses and lets go, as the loop would see it between two polls.
  void Tap(VirtualPad& pad, SDL_GameControllerButton button) {
    pad.Press(button);
    Pump();
    pad.Release(button);
    Pump();
  }

  std::int64_t now = 0;
  ScriptedPlatform system;
  Gamepads pads;
  MidTickKeyboard keyboard{system.platform().keyboard};
  PlayerKeys keys{keyboard, pads};
  Platform platform = polled::WithKeys(system, keys);
  GameWindow game{platform};
  WindowEvents events{game};
};

// ---- What each control stands for, screen by screen ----

struct BindingCase {
  const char* name;
  void (*screen)(GameWindow& game);
  std::function<void(VirtualPad&)> control;
  Key key;
  bool held;
};

void PrintTo(const BindingCase& c, std::ostream* os) { *os << c.name; }

using polled::Instructions;
using polled::Lost;
using polled::Paused;
using polled::Playing;
using polled::Title;
using polled::Won;

auto Button(SDL_GameControllerButton button) {
  return [button](VirtualPad& pad) { pad.Press(button); };
}
auto Axis(SDL_GameControllerAxis axis, Sint16 value) {
  return [axis, value](VirtualPad& pad) { pad.Move(axis, value); };
}

class Bindings : public Pads, public ::testing::WithParamInterface<BindingCase> {};

TEST_P(Bindings, HoldTheKeyTheyStandFor) {
  const BindingCase& c = GetParam();
  VirtualPad pad;
  Pump();
  ASSERT_EQ(pads.Count(), 1u);
  c.screen(game);
  c.control(pad);
  Pump();
  EXPECT_EQ(Held(c.key), c.held);
}

INSTANTIATE_TEST_SUITE_P(
    Screens, Bindings,
    ::testing::Values(
        BindingCase{"PlayDpadLeftSteersLeft", Playing, Button(SDL_CONTROLLER_BUTTON_DPAD_LEFT), Key::Left, true},
        BindingCase{"PlayDpadRightSteersRight", Playing, Button(SDL_CONTROLLER_BUTTON_DPAD_RIGHT), Key::Right, true},
        BindingCase{"PlayDpadUpThrusts", Playing, Button(SDL_CONTROLLER_BUTTON_DPAD_UP), Key::Up, true},
        BindingCase{"PlayDpadDownDoesNothing", Playing, Button(SDL_CONTROLLER_BUTTON_DPAD_DOWN), Key::Up, false},
        BindingCase{"PlayStickLeftSteersLeft", Playing, Axis(SDL_CONTROLLER_AXIS_LEFTX, -20000), Key::Left, true},
        BindingCase{"PlayStickRightSteersRight", Playing, Axis(SDL_CONTROLLER_AXIS_LEFTX, 20000), Key::Right, true},
        BindingCase{"PlayStickUpThrusts", Playing, Axis(SDL_CONTROLLER_AXIS_LEFTY, -20000), Key::Up, true},
        BindingCase{"PlayStickDownDoesNotThrust", Playing, Axis(SDL_CONTROLLER_AXIS_LEFTY, 20000), Key::Up, false},
        BindingCase{"PlayStickInItsDeadZoneLeft", Playing, Axis(SDL_CONTROLLER_AXIS_LEFTX, -7000), Key::Left, false},
        BindingCase{"PlayStickInItsDeadZoneRight", Playing, Axis(SDL_CONTROLLER_AXIS_LEFTX, 7000), Key::Right, false},
        BindingCase{"PlayStickInItsDeadZoneUp", Playing, Axis(SDL_CONTROLLER_AXIS_LEFTY, -7000), Key::Up, false},
        BindingCase{"PlayRightStickDoesNothing", Playing, Axis(SDL_CONTROLLER_AXIS_RIGHTX, -32000), Key::Left, false},
        BindingCase{"PlaySouthShoots", Playing, Button(SDL_CONTROLLER_BUTTON_A), Key::Z, true},
        BindingCase{"PlayRightTriggerShoots", Playing, Axis(SDL_CONTROLLER_AXIS_TRIGGERRIGHT, 32767), Key::Z, true},
        BindingCase{"PlayRightTriggerTouchedDoesNot", Playing, Axis(SDL_CONTROLLER_AXIS_TRIGGERRIGHT, -20000), Key::Z, false},
        BindingCase{"PlayLeftTriggerDoesNothing", Playing, Axis(SDL_CONTROLLER_AXIS_TRIGGERLEFT, 32767), Key::Z, false},
        BindingCase{"PlayEastDoesNothing", Playing, Button(SDL_CONTROLLER_BUTTON_B), Key::Z, false},
        BindingCase{"PlayStartPauses", Playing, Button(SDL_CONTROLLER_BUTTON_START), Key::P, true},
        BindingCase{"PlaySouthIsNoSpace", Playing, Button(SDL_CONTROLLER_BUTTON_A), Key::Space, false},
        BindingCase{"PlayBackIsNoEscape", Playing, Button(SDL_CONTROLLER_BUTTON_BACK), Key::Escape, false},
        BindingCase{"PausedSouthResumes", Paused, Button(SDL_CONTROLLER_BUTTON_A), Key::Space, true},
        BindingCase{"PausedStartResumes", Paused, Button(SDL_CONTROLLER_BUTTON_START), Key::Space, true},
        BindingCase{"PausedStartIsNoP", Paused, Button(SDL_CONTROLLER_BUTTON_START), Key::P, false},
        BindingCase{"PausedSouthIsNoShot", Paused, Button(SDL_CONTROLLER_BUTTON_A), Key::Z, false},
        BindingCase{"LostSouthGoesOn", Lost, Button(SDL_CONTROLLER_BUTTON_A), Key::Space, true},
        BindingCase{"WonStartGoesOn", Won, Button(SDL_CONTROLLER_BUTTON_START), Key::Space, true},
        BindingCase{"LostBackIsNoEscape", Lost, Button(SDL_CONTROLLER_BUTTON_BACK), Key::Escape, false},
        BindingCase{"TitleBackQuits", Title, Button(SDL_CONTROLLER_BUTTON_BACK), Key::Escape, true},
        BindingCase{"TitleSouthIsNoSpace", Title, Button(SDL_CONTROLLER_BUTTON_A), Key::Space, false},
        BindingCase{"InstructionsBackIsNoEscape", Instructions, Button(SDL_CONTROLLER_BUTTON_BACK), Key::Escape, false},
        BindingCase{"InstructionsStartIsNoSpace", Instructions, Button(SDL_CONTROLLER_BUTTON_START), Key::Space, false}),
    [](const auto& info) { return std::string(info.param.name); });

struct ScreenCase {
  const char* name;
  void (*screen)(GameWindow& game);
  Screen shown;
};

void PrintTo(const ScreenCase& c, std::ostream* os) { *os << c.name; }

class Screens : public Pads, public ::testing::WithParamInterface<ScreenCase> {};

TEST_P(Screens, AreReadFromTheFrontmostPanel) {
  GetParam().screen(game);
  EXPECT_EQ(input::ScreenShown(game), GetParam().shown);
}

void PausedBehindTheWin(GameWindow& g) {
  Paused(g);
  g.ShowWinScreen();
}

INSTANTIATE_TEST_SUITE_P(All, Screens,
                         ::testing::Values(ScreenCase{"Title", Title, Screen::Title},
                                           ScreenCase{"Instructions", Instructions, Screen::Instructions},
                                           ScreenCase{"Playing", Playing, Screen::Playing},
                                           ScreenCase{"Paused", Paused, Screen::Paused},
                                           ScreenCase{"Lost", Lost, Screen::EndScreen},
                                           ScreenCase{"Won", Won, Screen::EndScreen},
                                           ScreenCase{"PausedBehindTheWin", PausedBehindTheWin, Screen::EndScreen}),
                         [](const auto& info) { return std::string(info.param.name); });

// ---- Buttons that change the screen, and the menus ----

TEST_F(Pads, SouthTakesPlayThenStartWithoutAShot) {
  VirtualPad pad;
  Pump();
  pad.Press(SDL_CONTROLLER_BUTTON_A);
  Pump();
  EXPECT_TRUE(game.Control_Screen.Visible) << "\"Play\" taken";
  Poll();  // the instructions' poll runs with the button still held
  pad.Release(SDL_CONTROLLER_BUTTON_A);
  Pump();
  pad.Press(SDL_CONTROLLER_BUTTON_A);
  Pump();
  ASSERT_TRUE(game.Timer1.Enabled) << "\"Start\" taken";
  Tick(3);
  for (const Picture& shot : game.bullet) EXPECT_FALSE(shot.Visible) << "the press that started the game fired";
  pad.Release(SDL_CONTROLLER_BUTTON_A);
  Pump();
  Tick();
  pad.Press(SDL_CONTROLLER_BUTTON_A);
  Pump();
  Tick();
  EXPECT_TRUE(game.bullet[0].Visible) << "a fresh press fires";
}

TEST_F(Pads, StartHeldPausesOnceAndResumesOnlyWhenPressedAgain) {
  VirtualPad pad;
  Pump();
  PlayAGame();
  pad.Press(SDL_CONTROLLER_BUTTON_START);
  Pump();
  Tick();
  ASSERT_TRUE(game.PauseScreen.Visible);
  for (int i = 0; i < 5; ++i) Poll();
  EXPECT_TRUE(game.PauseScreen.Visible) << "the held Start resumed the game";
  Tap(pad, SDL_CONTROLLER_BUTTON_START);  // let go, and pressed again between two polls
  pad.Press(SDL_CONTROLLER_BUTTON_START);
  Pump();
  Poll();
  EXPECT_FALSE(game.PauseScreen.Visible);
  EXPECT_TRUE(game.Timer1.Enabled);
  Tick();
  EXPECT_TRUE(game.Timer1.Enabled) << "the Start that resumed paused again";
}

TEST_F(Pads, AWholeGameFromThePadAlone) {
  VirtualPad pad;
  Pump();
  Tap(pad, SDL_CONTROLLER_BUTTON_A);      // "Play"
  Poll();
  Tap(pad, SDL_CONTROLLER_BUTTON_START);  // "Start"
  ASSERT_TRUE(game.Timer1.Enabled);
  pad.Move(SDL_CONTROLLER_AXIS_LEFTX, 30000);
  pad.Move(SDL_CONTROLLER_AXIS_TRIGGERRIGHT, 32767);
  Pump();
  const float left = game.player.Left;
  Tick(20);
  EXPECT_GT(game.player.Left, left) << "the stick pushed the ship right";
  pad.Move(SDL_CONTROLLER_AXIS_LEFTX, 0);
  pad.Move(SDL_CONTROLLER_AXIS_TRIGGERRIGHT, SDL_JOYSTICK_AXIS_MIN);
  Pump();
  for (int i = 0; i < 20000 && game.Timer1.Enabled; ++i) Tick();  // nobody at the pad: the game is lost
  ASSERT_TRUE(game.LoseScreen.Visible);
  Poll();
  Tap(pad, SDL_CONTROLLER_BUTTON_A);
  pad.Press(SDL_CONTROLLER_BUTTON_A);  // held over the poll that leaves the end screen
  Pump();
  Poll();
  ASSERT_TRUE(game.Picture2.Visible) << "back on the title";
  EXPECT_FALSE(game.Control_Screen.Visible) << "the press that left the end screen took \"Play\" too";
  pad.Release(SDL_CONTROLLER_BUTTON_A);
  pad.Press(SDL_CONTROLLER_BUTTON_BACK);
  Pump();
  Poll();
  EXPECT_TRUE(game.Ended()) << "Back quits from the title";
  EXPECT_TRUE(system.ended);
}

// ---- Two pads, and pads coming and going ----

TEST_F(Pads, TwoPadsPlayTogether) {
  VirtualPad one, two;
  Pump();
  ASSERT_EQ(pads.Count(), 2u);
  PlayAGame();
  one.Press(SDL_CONTROLLER_BUTTON_DPAD_LEFT);
  two.Press(SDL_CONTROLLER_BUTTON_A);
  Pump();
  EXPECT_TRUE(Held(Key::Left));
  EXPECT_TRUE(Held(Key::Z));
  one.Unplug();
  Pump();
  EXPECT_EQ(pads.Count(), 1u);
  EXPECT_FALSE(Held(Key::Left));
  EXPECT_TRUE(Held(Key::Z)) << "the other pad still plays";
}

TEST_F(Pads, UnpluggedWithAButtonHeldLeavesNoKeyHeld) {
  VirtualPad pad;
  Pump();
  PlayAGame();
  pad.Press(SDL_CONTROLLER_BUTTON_A);
  pad.Press(SDL_CONTROLLER_BUTTON_DPAD_RIGHT);
  Pump();
  ASSERT_TRUE(Held(Key::Z));
  pad.Unplug();
  EXPECT_FALSE(Held(Key::Z)) << "before the loop hears of it";
  EXPECT_FALSE(Held(Key::Right));
  Pump();
  EXPECT_EQ(pads.Count(), 0u);
  Tick(10);
  EXPECT_FALSE(Held(Key::Z));
}

TEST_F(Pads, PluggedAndUnpluggedInTheMiddleOfATick) {
  PlayAGame();
  std::unique_ptr<VirtualPad> pad;
  keyboard.duringTick = [&] {
    pad = std::make_unique<VirtualPad>();
    pad->Press(SDL_CONTROLLER_BUTTON_A);
    SDL_PumpEvents();
  };
  Tick();
  Pump();
  ASSERT_EQ(pads.Count(), 1u);
  EXPECT_FALSE(Held(Key::Z)) << "a button held as the pad came counts from its next press";
  pad->Release(SDL_CONTROLLER_BUTTON_A);
  Pump();
  Held(Key::Z);
  pad->Press(SDL_CONTROLLER_BUTTON_A);
  Pump();
  EXPECT_TRUE(Held(Key::Z));

  keyboard.duringTick = [&] {
    pad->Unplug();
    SDL_PumpEvents();
  };
  Tick();
  EXPECT_FALSE(Held(Key::Z));
  Pump();
  EXPECT_EQ(pads.Count(), 0u);
  Tick(5);
  EXPECT_TRUE(game.Timer1.Enabled);
}

// ---- The focus ----

TEST_F(Pads, LosingTheFocusInPlayPausesAtTheNextTick) {
  PlayAGame();
  Tick();
  keys.FocusLost();
  EXPECT_TRUE(game.Timer1.Enabled) << "nothing happens before the tick";
  Tick();
  EXPECT_TRUE(game.PauseScreen.Visible);
  EXPECT_TRUE(game.Timer2.Enabled);
  Poll();
  EXPECT_TRUE(game.PauseScreen.Visible) << "still paused at the next poll";
  system.held = {Key::Space};
  Poll();
  system.held.clear();
  EXPECT_TRUE(game.Timer1.Enabled) << "Space resumes";
  Tick(3);
  EXPECT_TRUE(game.Timer1.Enabled) << "once paused, the focus pauses no more";
}

TEST_F(Pads, LosingTheFocusOffAGameChangesNothing) {
  keys.FocusLost();  // on the title
  PlayAGame();
  Tick(3);
  EXPECT_TRUE(game.Timer1.Enabled);
  EXPECT_FALSE(game.PauseScreen.Visible);
}

}  // namespace
}  // namespace skyscrub::sdl
