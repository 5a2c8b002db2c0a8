#include "game/window_events.h"

namespace skyscrub {

std::optional<std::size_t> ElementEventsOf(Scene& scene, const Element* element) {
  for (std::size_t i = 0; i < kElementEvents.size(); ++i) {
    if (&kElementEvents[i].element(scene) == element) return i;
  }
  return std::nullopt;
}

std::optional<std::size_t> ElementEventsNamed(std::string_view name) {
  for (std::size_t i = 0; i < kElementEvents.size(); ++i) {
    if (kElementEvents[i].name == name) return i;
  }
  return std::nullopt;
}

std::vector<const Timer*> WindowEvents::Timers() const {
  std::vector<const Timer*> timers;
  for (const TimerEvents& t : kTimerEvents) timers.push_back(&(game_.*t.timer));
  return timers;
}

EventHandler WindowEvents::HandlerOf(WindowEvent event) const {
  using Kind = WindowEvent::Kind;
  switch (event.kind) {
    case Kind::Load: return &GameWindow::Form_Load;
    case Kind::Activate: return &GameWindow::Form_Activate;
    case Kind::Timer: return kTimerEvents.at(event.index).timerEvent;
    case Kind::MouseMove: return kElementEvents.at(event.index).mouseMove;
    case Kind::Click: return kElementEvents.at(event.index).click;
    case Kind::Close: return &GameWindow::UnloadAndEnd;
  }
  return nullptr;
}

bool WindowEvents::Deliver(WindowEvent event) {
  const EventHandler handler = HandlerOf(event);
  if (handler == nullptr || game_.Ended()) return false;
  if (observer_ != nullptr) observer_->Delivering(event);
  (game_.*handler)();
  if (observer_ != nullptr) observer_->Delivered(event);
  return true;
}

}  // namespace skyscrub
