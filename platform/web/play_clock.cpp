#include "platform/web/play_clock.h"

#include <cmath>

namespace skyscrub::web {

PlayClock::Micros PlayClock::Now(double pageMillis) const {
  const double played = (hidden_ ? hiddenSince_ : pageMillis) - hiddenTotal_;
  return static_cast<Micros>(std::floor(played * 1000.0));
}

void PlayClock::Hide(double pageMillis) {
  if (hidden_) return;
  hidden_ = true;
  hiddenSince_ = pageMillis;
}

void PlayClock::Show(double pageMillis) {
  if (!hidden_) return;
  hidden_ = false;
  hiddenTotal_ += pageMillis - hiddenSince_;
}

}  // namespace skyscrub::web
