#pragma once
// The game window's events, listed once: each timer with its Timer event, each element that
// takes the mouse with its MouseMove and Click events. Every driver (the desktop loop, the
// browser loop, the trace tool, the benchmarks) delivers events through WindowEvents, so that
// no other code maps an event to its handler and a recorder sees every event delivered.
#include <array>
#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

#include "game/game_window.h"

namespace skyscrub {

using EventHandler = void (GameWindow::*)();

struct TimerEvents {
  Timer Scene::*timer;
  EventHandler timerEvent;
};

// In the order that breaks ties between timers due at the same moment.
inline constexpr std::array<TimerEvents, 3> kTimerEvents{{
    {&Scene::Timer1, &GameWindow::Timer1_Timer},
    {&Scene::Timer2, &GameWindow::Timer2_Timer},
    {&Scene::Timer3, &GameWindow::Timer3_Timer},
}};

struct ElementEvents {
  std::string_view name;
  Element& (*element)(Scene&);
  EventHandler mouseMove;
  EventHandler click;  // nullptr: the element takes no clicks
};

inline constexpr std::array<ElementEvents, 5> kElementEvents{{
    {"Label7", [](Scene& s) -> Element& { return s.Label7; }, &GameWindow::Label7_MouseMove, &GameWindow::Label7_Click},
    {"Label8", [](Scene& s) -> Element& { return s.Label8; }, &GameWindow::Label8_MouseMove, &GameWindow::Label8_Click},
    {"Label9", [](Scene& s) -> Element& { return s.Label9; }, &GameWindow::Label9_MouseMove, &GameWindow::Label9_Click},
    {"Picture2", [](Scene& s) -> Element& { return s.Picture2; }, &GameWindow::Picture2_MouseMove, nullptr},
    {"Control_Screen", [](Scene& s) -> Element& { return s.Control_Screen; }, &GameWindow::Control_Screen_MouseMove,
     nullptr},
}};

// One event as a driver delivers it. `index` picks the timer (kTimerEvents) or the element
// (kElementEvents) for the kinds that need one.
struct WindowEvent {
  enum class Kind : std::uint8_t {
    Load,       // the window is loaded
    Activate,   // and first activated
    Timer,      // a timer's Timer event
    MouseMove,  // the mouse moved over an element
    Click,      // an element was clicked
    Close,      // the system closes the window (its close button, an interrupt)
  };
  Kind kind;
  std::uint8_t index = 0;

  bool operator==(const WindowEvent&) const = default;
};

// The event of timer `index` of the table above.
constexpr WindowEvent TimerEvent(std::size_t index) { return {WindowEvent::Kind::Timer, static_cast<std::uint8_t>(index)}; }

// The main tick, Timer1's event: what play is counted in.
inline constexpr WindowEvent kMainTick = TimerEvent(0);
static_assert(kTimerEvents[kMainTick.index].timer == &Scene::Timer1);

// The element's events; nothing when it takes no mouse events.
std::optional<std::size_t> ElementEventsOf(Scene& scene, const Element* element);
// The element's events by its name; nothing when no element of that name takes mouse events.
std::optional<std::size_t> ElementEventsNamed(std::string_view name);

// Told of every event around its delivery (a recorder).
class EventObserver {
 public:
  virtual ~EventObserver() = default;
  virtual void Delivering(WindowEvent event) = 0;
  virtual void Delivered(WindowEvent event) = 0;
};

class WindowEvents {
 public:
  explicit WindowEvents(GameWindow& game, EventObserver* observer = nullptr) : game_(game), observer_(observer) {}

  // Runs the event's handler to completion. A MouseMove or Click of an element without such a
  // handler, and any event after the program has ended, does nothing and is not delivered.
  // True when a handler ran.
  bool Deliver(WindowEvent event);

  GameWindow& game() { return game_; }
  // The window's timers in the order of kTimerEvents, for a schedule.
  std::vector<const Timer*> Timers() const;

 private:
  EventHandler HandlerOf(WindowEvent event) const;

  GameWindow& game_;
  EventObserver* observer_;
};

}  // namespace skyscrub
