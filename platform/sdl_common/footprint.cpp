#include "platform/sdl_common/footprint.h"

#include <cstring>
#include <string_view>

namespace skyscrub::sdl {

namespace {

// FNV-1a over the bytes of each drawn property.
class Hash {
 public:
  template <typename T>
  void Add(const T& value) {
    unsigned char bytes[sizeof(T)];
    std::memcpy(bytes, &value, sizeof(T));
    for (unsigned char b : bytes) Byte(b);
  }
  void Add(std::string_view text) {
    Add(text.size());
    for (char c : text) Byte(static_cast<unsigned char>(c));
  }
  std::uint64_t value() const { return value_; }

 private:
  void Byte(unsigned char b) {
    value_ ^= b;
    value_ *= 0x100000001B3ull;
  }
  std::uint64_t value_ = 0xCBF29CE484222325ull;
};

}  // namespace

std::uint64_t LookOf(const Element& e, SDL_FPoint origin) {
  Hash hash;
  hash.Add(origin.x);
  hash.Add(origin.y);
  hash.Add(e.Left);
  hash.Add(e.Top);
  hash.Add(e.Width);
  hash.Add(e.Height);
  switch (e.kind) {
    case ElementKind::Picture: {
      const auto& picture = static_cast<const Picture&>(e);
      hash.Add(picture.picture);
      hash.Add(picture.Stretch);
      break;
    }
    case ElementKind::Panel: {
      const auto& panel = static_cast<const Panel&>(e);
      hash.Add(panel.picture);
      hash.Add(panel.hasBackColor);
      hash.Add(panel.BackColor);
      break;
    }
    case ElementKind::Label: {
      const auto& label = static_cast<const Label&>(e);
      hash.Add(std::string_view(label.Caption));
      hash.Add(label.ForeColor);
      break;
    }
    case ElementKind::Bar: {
      const auto& bar = static_cast<const Bar&>(e);
      hash.Add(bar.BackColor);
      break;
    }
  }
  return hash.value();
}

std::uint64_t LookOf(const Canvas& canvas) {
  Hash hash;
  hash.Add(canvas.BackColor);
  hash.Add(canvas.picture);
  hash.Add(canvas.Width);
  hash.Add(canvas.Height);
  return hash.value();
}

}  // namespace skyscrub::sdl
