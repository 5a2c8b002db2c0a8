#include "platform/web/running_time.h"

#include <algorithm>

namespace skyscrub::web {

void RunningTime::Note(bool running, Micros now) {
  if (running == running_) return;
  running_ = running;
  if (running) {
    since_ = now;
  } else {
    total_ += std::max<Micros>(now - since_, 0);
  }
}

RunningTime::Micros RunningTime::Total(Micros now) const {
  // A reading taken a moment before the timer was switched on counts nothing of it.
  return total_ + (running_ ? std::max<Micros>(now - since_, 0) : 0);
}

}  // namespace skyscrub::web
