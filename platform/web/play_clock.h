#pragma once
// The clock the game's timers run on in the browser: the page's performance clock, stopped
// while the page is hidden. A hidden tab gets no frames; when it comes back, the ticks it
// missed are neither run nor caught up, and the game goes on where it stopped.
#include <cstdint>

namespace skyscrub::web {

class PlayClock {
 public:
  using Micros = std::int64_t;

  // The game's time, in microseconds, at `pageMillis` of the performance clock.
  Micros Now(double pageMillis) const;
  // The page was hidden, or shown again, at `pageMillis`; a repeated call changes nothing.
  void Hide(double pageMillis);
  void Show(double pageMillis);
  // Hide or Show, as `hidden` says.
  void SetHidden(bool hidden, double pageMillis) { hidden ? Hide(pageMillis) : Show(pageMillis); }

 private:
  bool hidden_ = false;
  double hiddenSince_ = 0;  // page milliseconds
  double hiddenTotal_ = 0;  // page milliseconds spent hidden before hiddenSince_
};

}  // namespace skyscrub::web
