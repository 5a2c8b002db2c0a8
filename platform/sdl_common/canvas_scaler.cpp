#include "platform/sdl_common/canvas_scaler.h"

#include <cstdint>
#include <cstring>

namespace skyscrub::sdl {

namespace {

// One row: window pixels take the canvas pixels their columns show. Pixels are moved as
// `Bytes`-byte blocks, so every pixel format of 1 to 4 bytes takes the same path.
template <int Bytes>
void CopyRow(const std::uint8_t* from, std::uint8_t* to, const int* columns, int count) {
  for (int i = 0; i < count; ++i) std::memcpy(to + i * Bytes, from + columns[i] * Bytes, Bytes);
}

using RowCopy = void (*)(const std::uint8_t*, std::uint8_t*, const int*, int);

RowCopy RowCopyFor(int bytesPerPixel) {
  switch (bytesPerPixel) {
    case 1: return CopyRow<1>;
    case 2: return CopyRow<2>;
    case 3: return CopyRow<3>;
    default: return CopyRow<4>;
  }
}

}  // namespace

CanvasScaler::CanvasScaler(CanvasView view) : view_(view) {
  const SDL_Rect area = view_.Area();
  for (int x = 0; x < area.w; ++x) columns_.push_back(view_.CanvasColumn(area.x + x));
  for (int y = 0; y < area.h; ++y) rows_.push_back(view_.CanvasRow(area.y + y));
}

void CanvasScaler::Copy(const SDL_Surface& canvas, SDL_Surface& window, SDL_Rect rect) const {
  const SDL_Rect area = view_.Area();
  SDL_Rect inside{};
  if (!SDL_IntersectRect(&rect, &area, &inside)) return;
  const int bytes = window.format->BytesPerPixel;
  const RowCopy copyRow = RowCopyFor(bytes);
  const auto* source = static_cast<const std::uint8_t*>(canvas.pixels);
  auto* target = static_cast<std::uint8_t*>(window.pixels);
  const int* columns = columns_.data() + (inside.x - area.x);
  const std::size_t rowBytes = static_cast<std::size_t>(inside.w) * static_cast<std::size_t>(bytes);
  for (int y = inside.y; y < inside.y + inside.h; ++y) {
    const int row = rows_[static_cast<std::size_t>(y - area.y)];
    std::uint8_t* to = target + static_cast<std::ptrdiff_t>(y) * window.pitch + static_cast<std::ptrdiff_t>(inside.x) * bytes;
    if (y > inside.y && rows_[static_cast<std::size_t>(y - 1 - area.y)] == row) {
      std::memcpy(to, to - window.pitch, rowBytes);  // the same canvas row as the row above
    } else {
      copyRow(source + static_cast<std::ptrdiff_t>(row) * canvas.pitch, to, columns, inside.w);
    }
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
