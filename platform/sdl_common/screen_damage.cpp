#include "platform/sdl_common/screen_damage.h"

#include <cstddef>

namespace skyscrub::sdl {

namespace {

// Joining two rectangles is worth drawing this many pixels that did not change: every
// rectangle costs a walk over the scene and a request to the display.
constexpr std::int64_t kJoinSlack = 32 * 32;

std::int64_t AreaOf(const SDL_Rect& r) { return static_cast<std::int64_t>(r.w) * r.h; }

SDL_Rect Union(const SDL_Rect& a, const SDL_Rect& b) {
  SDL_Rect u{};
  SDL_UnionRect(&a, &b, &u);
  return u;
}

bool WorthJoining(const SDL_Rect& a, const SDL_Rect& b) {
  return SDL_HasIntersection(&a, &b) || AreaOf(Union(a, b)) <= AreaOf(a) + AreaOf(b) + kJoinSlack;
}

bool Touches(const SDL_Rect& area, const std::vector<SDL_Rect>& rects) {
  for (const SDL_Rect& r : rects) {
    if (SDL_HasIntersection(&area, &r)) return true;
  }
  return false;
}

// `rects` grown, and joined again, until every footprint drawn in one piece that they touch
// lies wholly inside them.
std::vector<SDL_Rect> TakeInWholePieces(std::vector<SDL_Rect> rects, const std::vector<Footprint>& drawn, SDL_Rect window) {
  std::vector<bool> taken(drawn.size(), false);
  for (bool grew = true; grew;) {
    grew = false;
    for (std::size_t i = 0; i < drawn.size(); ++i) {
      if (taken[i] || !drawn[i].inOnePiece || !Touches(drawn[i].area, rects)) continue;
      rects.push_back(drawn[i].area);
      taken[i] = grew = true;
    }
    if (grew) rects = JoinRects(rects, window);
  }
  return rects;
}

}  // namespace

std::vector<SDL_Rect> ScreenDamage::Take(const std::vector<Footprint>& now, SDL_Rect window) {
  std::vector<SDL_Rect> changed;
  if (drawn_.size() != now.size()) {
    changed.push_back(window);
  } else {
    for (std::size_t i = 0; i < now.size(); ++i) {
      const Drawn& before = drawn_[i];
      const Footprint& after = now[i];
      if (before.look == after.look && SDL_RectEquals(&before.area, &after.area)) continue;
      changed.push_back(before.area);
      changed.push_back(after.area);
    }
  }
  drawn_.clear();
  for (const Footprint& f : now) drawn_.push_back({f.area, f.look});
  return TakeInWholePieces(JoinRects(changed, window), now, window);
}

std::vector<SDL_Rect> JoinRects(const std::vector<SDL_Rect>& rects, SDL_Rect window) {
  std::vector<SDL_Rect> joined;
  std::int64_t total = 0;
  for (const SDL_Rect& rect : rects) {
    SDL_Rect r{};
    if (!SDL_IntersectRect(&rect, &window, &r)) continue;
    // Swallow every rectangle already kept that is worth joining, until none is left.
    for (std::size_t i = 0; i < joined.size();) {
      if (WorthJoining(joined[i], r)) {
        r = Union(joined[i], r);
        total -= AreaOf(joined[i]);
        joined[i] = joined.back();
        joined.pop_back();
        i = 0;
      } else {
        ++i;
      }
    }
    joined.push_back(r);
    total += AreaOf(r);
  }
  if (total * 2 > AreaOf(window)) return {window};
  return joined;
}

}  // namespace skyscrub::sdl
