#include "bench/scene_snapshot.h"

namespace skyscrub::bench {

SceneSnapshot::SceneSnapshot(GameWindow& game) : game_(game), variables_(game) {
  for (Element* element : game.FrontToBack()) Capture(*element);
  for (Timer* timer : {&game.Timer1, &game.Timer2, &game.Timer3}) {
    timers_.push_back({timer, timer->Interval, timer->Enabled});
  }
}

void SceneSnapshot::Capture(Element& element) {
  ElementState state{&element, element.Left, element.Top, element.Width, element.Height, element.Visible,
                     nullptr, 0, {}};
  switch (element.kind) {
    case ElementKind::Picture:
      state.picture = static_cast<Picture&>(element).picture;
      break;
    case ElementKind::Panel:
      state.picture = static_cast<Panel&>(element).picture;
      state.colour = static_cast<Panel&>(element).BackColor;
      break;
    case ElementKind::Label:
      state.colour = static_cast<Label&>(element).ForeColor;
      state.caption = static_cast<Label&>(element).Caption;
      break;
    case ElementKind::Bar:
      state.colour = static_cast<Bar&>(element).BackColor;
      break;
  }
  elements_.push_back(std::move(state));
  if (element.kind == ElementKind::Panel) {
    for (Element* child : static_cast<Panel&>(element).children) Capture(*child);
  }
}

void SceneSnapshot::Restore() const {
  static_cast<GameVariables&>(game_) = variables_;
  for (const ElementState& state : elements_) {
    Element& element = *state.element;
    element.Left = state.left;
    element.Top = state.top;
    element.Width = state.width;
    element.Height = state.height;
    element.Visible = state.visible;
    switch (element.kind) {
      case ElementKind::Picture:
        static_cast<Picture&>(element).picture = state.picture;
        break;
      case ElementKind::Panel:
        static_cast<Panel&>(element).picture = state.picture;
        static_cast<Panel&>(element).BackColor = state.colour;
        break;
      case ElementKind::Label:
        static_cast<Label&>(element).ForeColor = state.colour;
        static_cast<Label&>(element).Caption = state.caption;
        break;
      case ElementKind::Bar:
        static_cast<Bar&>(element).BackColor = state.colour;
        break;
    }
  }
  for (const TimerState& state : timers_) {
    state.timer->Interval = state.interval;
    state.timer->Enabled = state.enabled;
  }
}

}  // namespace skyscrub::bench
