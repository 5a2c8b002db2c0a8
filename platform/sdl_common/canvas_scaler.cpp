#include "platform/sdl_common/canvas_scaler.h"

#include <algorithm>
#include <cstring>

namespace skyscrub::sdl {

namespace {

constexpr int kWhole = 256;  // a whole pixel's share

// What window pixel `p` (from the area's edge) shows when `canvas` pixels take `window` pixels.
// Enlarged, the pixel covers [p, p + 1) * canvas / window of the canvas: one canvas pixel, or the
// end of one and the start of the next. Shrunk, it shows the one canvas pixel under its start.
CanvasScaler::Tap TapFor(int p, int canvas, int window) {
  const std::int64_t start = static_cast<std::int64_t>(p) * canvas;  // in 1/window canvas pixels
  const std::int64_t end = start + canvas;
  const int first = static_cast<int>(start / window);
  if (window < canvas) return {first, 0};
  const std::int64_t edge = static_cast<std::int64_t>(first + 1) * window;
  if (end <= edge || first + 1 >= canvas) return {first, 0};
  const auto next = static_cast<std::uint16_t>(((end - edge) * kWhole + canvas / 2) / canvas);
  if (next >= kWhole) return {first + 1, 0};
  return {first, next};
}

// Mixes two pixels of `Bytes` bytes: `a` takes the share 256 - `share`, `b` the rest, rounded.
// Every byte of a 3- or 4-byte pixel is a colour channel of its own (a 4-byte pixel mixes two
// channels at a time in 16-bit lanes); a pixel of 1 or 2 bytes packs its channels, so it takes
// the pixel with the larger share instead.
template <int Bytes>
void Mix(const std::uint8_t* a, const std::uint8_t* b, std::uint32_t share, std::uint8_t* to) {
  if constexpr (Bytes == 4) {
    std::uint32_t p = 0, q = 0;
    std::memcpy(&p, a, 4);
    std::memcpy(&q, b, 4);
    constexpr std::uint32_t kLanes = 0x00FF00FF, kHalf = 0x00800080;
    const std::uint32_t keep = kWhole - share;
    const std::uint32_t even = (((p & kLanes) * keep + (q & kLanes) * share + kHalf) >> 8) & kLanes;
    const std::uint32_t odd = (((p >> 8) & kLanes) * keep + ((q >> 8) & kLanes) * share + kHalf) & ~kLanes;
    const std::uint32_t mixed = even | odd;
    std::memcpy(to, &mixed, 4);
  } else if constexpr (Bytes == 3) {
    for (int i = 0; i < 3; ++i) to[i] = static_cast<std::uint8_t>((a[i] * (kWhole - share) + b[i] * share + kWhole / 2) >> 8);
  } else {
    std::memcpy(to, share < kWhole / 2 ? a : b, Bytes);
  }
}

// Canvas row `from` scaled across: the window columns of `columns`, each as its tap says.
template <int Bytes>
void ScaleAcross(const std::uint8_t* from, const CanvasScaler::Tap* columns, int count, std::uint8_t* to) {
  for (int i = 0; i < count; ++i) {
    const std::uint8_t* pixel = from + columns[i].first * Bytes;
    if (columns[i].next == 0) {
      std::memcpy(to + i * Bytes, pixel, Bytes);
    } else {
      Mix<Bytes>(pixel, pixel + Bytes, columns[i].next, to + i * Bytes);
    }
  }
}

// The window pixels of `inside` (within the area `area`) from `canvas`, each row and column as
// its tap says. Each canvas row is scaled across once, into one of two lines (`lines`, each a
// row of `inside` long), and a window row is one of them or the two mixed. Pixels are moved as
// `Bytes`-byte blocks, so every pixel format of 1 to 4 bytes takes the same path.
template <int Bytes>
void CopyArea(const SDL_Surface& canvas, SDL_Surface& window, SDL_Rect area, SDL_Rect inside,
              const CanvasScaler::Tap* rows, const CanvasScaler::Tap* columns, std::uint8_t* const lines[2]) {
  const auto* source = static_cast<const std::uint8_t*>(canvas.pixels);
  auto* target = static_cast<std::uint8_t*>(window.pixels);
  const std::size_t rowBytes = static_cast<std::size_t>(inside.w) * Bytes;
  int held[2] = {-1, -1};  // the canvas row each line holds scaled
  // Canvas row `r` scaled across; the rows asked for only grow, so the line holding the older
  // row is the one to reuse.
  const auto scaled = [&](int r) {
    for (int i = 0; i < 2; ++i) {
      if (held[i] == r) return lines[i];
    }
    const int reuse = held[0] < held[1] ? 0 : 1;
    ScaleAcross<Bytes>(source + static_cast<std::ptrdiff_t>(r) * canvas.pitch, columns, inside.w, lines[reuse]);
    held[reuse] = r;
    return lines[reuse];
  };
  for (int y = inside.y; y < inside.y + inside.h; ++y) {
    const CanvasScaler::Tap row = rows[y - area.y];
    std::uint8_t* to = target + static_cast<std::ptrdiff_t>(y) * window.pitch + static_cast<std::ptrdiff_t>(inside.x) * Bytes;
    if (y > inside.y && rows[y - 1 - area.y] == row) {
      std::memcpy(to, to - window.pitch, rowBytes);  // shows the same as the row above
      continue;
    }
    const std::uint8_t* upper = scaled(row.first);
    if (row.next == 0) {
      std::memcpy(to, upper, rowBytes);
      continue;
    }
    const std::uint8_t* lower = scaled(row.first + 1);  // reuses an older line, never `upper`'s
    for (int i = 0; i < inside.w; ++i) Mix<Bytes>(upper + i * Bytes, lower + i * Bytes, row.next, to + i * Bytes);
  }
}

}  // namespace

CanvasScaler::CanvasScaler(CanvasView view) : view_(view) {
  const SDL_Rect area = view_.Area();
  for (int x = 0; x < area.w; ++x) columns_.push_back(TapFor(x, kCanvasWidth, area.w));
  for (int y = 0; y < area.h; ++y) rows_.push_back(TapFor(y, kCanvasHeight, area.h));
}

SDL_Rect CanvasScaler::WindowRect(SDL_Rect rect) const {
  // The pixels the view maps to the rectangle, and the one before it on each axis that may
  // straddle its first edge; the one straddling its far edge is among the mapped ones.
  SDL_Rect shown = view_.ToWindow(rect);
  const SDL_Rect area = view_.Area();
  const int left = std::max(shown.x - 1, area.x), top = std::max(shown.y - 1, area.y);
  shown.w += shown.x - left;
  shown.h += shown.y - top;
  shown.x = left;
  shown.y = top;
  return shown;
}

void CanvasScaler::Copy(const SDL_Surface& canvas, SDL_Surface& window, SDL_Rect rect) const {
  const SDL_Rect area = view_.Area();
  SDL_Rect inside{};
  if (!SDL_IntersectRect(&rect, &area, &inside)) return;
  for (std::vector<std::uint8_t>& line : lines_) line.resize(static_cast<std::size_t>(inside.w) * 4);
  std::uint8_t* const lines[2] = {lines_[0].data(), lines_[1].data()};
  const Tap* columns = columns_.data() + (inside.x - area.x);
  switch (window.format->BytesPerPixel) {
    case 1: return CopyArea<1>(canvas, window, area, inside, rows_.data(), columns, lines);
    case 2: return CopyArea<2>(canvas, window, area, inside, rows_.data(), columns, lines);
    case 3: return CopyArea<3>(canvas, window, area, inside, rows_.data(), columns, lines);
    default: return CopyArea<4>(canvas, window, area, inside, rows_.data(), columns, lines);
  }
}

void CanvasScaler::FillBars(SDL_Surface& window) const {
  const SDL_Rect area = view_.Area();
  const Uint32 black = SDL_MapRGB(window.format, 0, 0, 0);
  const SDL_Rect bars[] = {
      {0, 0, window.w, area.y},                                           // above
      {0, area.y + area.h, window.w, window.h - area.y - area.h},         // below
      {0, area.y, area.x, area.h},                                        // left
      {area.x + area.w, area.y, window.w - area.x - area.w, area.h},      // right
  };
  for (const SDL_Rect& bar : bars) {
    if (bar.w > 0 && bar.h > 0) SDL_FillRect(&window, &bar, black);
  }
}

}  // namespace skyscrub::sdl
