#include "assets/generator/contact_sheet.h"

#include <algorithm>
#include <vector>

#include "assets/art.h"
#include "assets/generator/catalog.h"
#include "assets/generator/earth_icon.h"
#include "assets/generator/paint.h"
#include "assets/generator/text.h"

namespace assetgen {
namespace {

constexpr int kWidth = 1680;
constexpr int kMargin = 20;
constexpr int kZoom = 4;
constexpr int kLabel = 22;

struct Entry {
  std::string name;
  Image image;
};

// A checkerboard behind a picture shows where it is transparent.
void Checkerboard(Image& sheet, int left, int top, int width, int height) {
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x)
      sheet.Set(left + x, top + y, ((x / 8 + y / 8) % 2 == 0) ? Hex(0xD8D8D8) : Hex(0xF4F4F4));
}

void Place(Image& sheet, const Image& picture, int left, int top) {
  Checkerboard(sheet, left, top, picture.Width(), picture.Height());
  sheet.Draw(picture, left, top);
}

Mask NameMask(const std::string& text) { return TextMask(text, Face::SansBold, 14); }

void Name(Image& sheet, const std::string& text, int left, int top) {
  Stamp(sheet, NameMask(text), left, top, Flat(Hex(0x202020)));
}

}  // namespace

bool WriteContactSheet(const std::string& path) {
  std::vector<Entry> small, large;
  for (const skyscrub::ArtInfo& info : skyscrub::kArtTable) {
    if (info.file.empty()) continue;
    Entry entry{std::string(info.file), Draw(info.art)};
    (entry.image.Width() <= 32 && entry.image.Height() <= 32 ? small : large).push_back(std::move(entry));
  }
  const int cellWidth = 32 + kZoom * 32 + 3 * 10, cellHeight = kLabel + kZoom * 32 + 14;
  const int perRow = (kWidth - kMargin) / cellWidth;
  const int smallRows = (static_cast<int>(small.size()) + perRow - 1) / perRow;
  int height = kMargin + smallRows * cellHeight + kMargin;
  // Full-screen pictures two to a row; strips each on a row of their own.
  std::vector<std::pair<int, int>> spots;
  int x = kMargin, y = height, rowHeight = 0;
  for (const Entry& entry : large) {
    // A narrow picture (a strip, the large icon) still makes room for its name.
    const int width = std::max(entry.image.Width(), NameMask(entry.name).width);
    if (x + width > kWidth - kMargin) {
      x = kMargin;
      y += rowHeight + kMargin;
      rowHeight = 0;
    }
    spots.emplace_back(x, y);
    x += width + kMargin;
    rowHeight = std::max(rowHeight, kLabel + entry.image.Height());
  }
  height = y + rowHeight + kMargin;

  Image sheet(kWidth, height);
  Cover(sheet, Flat(Hex(0xFFFFFF)));
  for (std::size_t i = 0; i < small.size(); ++i) {
    const int left = kMargin + static_cast<int>(i % perRow) * cellWidth;
    const int top = kMargin + static_cast<int>(i / perRow) * cellHeight;
    Name(sheet, small[i].name, left, top);
    Place(sheet, small[i].image, left, top + kLabel);
    Place(sheet, small[i].image.Scaled(kZoom), left + small[i].image.Width() + 10, top + kLabel);
  }
  for (std::size_t i = 0; i < large.size(); ++i) {
    Name(sheet, large[i].name, spots[i].first, spots[i].second);
    Place(sheet, large[i].image, spots[i].first, spots[i].second + kLabel);
  }
  return SavePng(sheet, path, false);
}

bool WriteIconSheet(const std::string& path, const std::vector<int>& sizes) {
  // Each size as the desktop shows it, on a light and on a dark panel, then magnified to about
  // 256 px so that its own pixels can be judged.
  constexpr int kCell = 256;
  const int count = static_cast<int>(sizes.size());
  const int width = kMargin + count * (kCell + kMargin);
  int largest = 0;
  for (const int size : sizes) largest = std::max(largest, size);
  const int panel = largest + kMargin;
  const int panelsTop = kMargin + kLabel, zoomTop = panelsTop + 2 * panel + kMargin;
  Image sheet(width, zoomTop + kLabel + kCell + kMargin);
  Cover(sheet, Flat(Hex(0xFFFFFF)));
  for (int i = 0; i < count; ++i) {
    const int size = sizes[static_cast<std::size_t>(i)];
    const int left = kMargin + i * (kCell + kMargin);
    const Image icon = EarthIcon(size);
    const int zoom = std::max(1, kCell / size);
    Name(sheet, std::to_string(size) + " px", left, kMargin);
    for (const auto& [top, shade] : {std::pair{panelsTop, Hex(0xEDEDED)}, std::pair{panelsTop + panel, Hex(0x2B2B2B)}}) {
      const Box box{static_cast<float>(left), static_cast<float>(top), static_cast<float>(left + kCell), static_cast<float>(top + panel)};
      Fill(sheet, RoundedRect(box, 0), shade);
      sheet.Draw(icon, left + (kCell - size) / 2, top + (panel - size) / 2);
    }
    Name(sheet, std::to_string(size) + " px at " + std::to_string(zoom) + "x", left, zoomTop);
    Place(sheet, icon.Scaled(zoom), left, zoomTop + kLabel);
  }
  return SavePng(sheet, path, false);
}

}  // namespace assetgen
