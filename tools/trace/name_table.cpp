#include "tools/trace/name_table.h"

#include <limits>
#include <optional>

#include "platform/script/scripted_platform.h"
#include "tools/trace/value_text.h"

namespace skyscrub::trace {

namespace {

// How one type of value is printed and read. Each codec has Format(const T&) and
// Parse(text) -> optional<T>.
template <class Int>
struct IntegerCodec {
  static std::string Format(Int v) { return std::to_string(v); }
  static std::optional<Int> Parse(std::string_view text) {
    const auto v = ParseInteger(text, std::numeric_limits<Int>::min(), std::numeric_limits<Int>::max());
    if (!v) return std::nullopt;
    return static_cast<Int>(*v);
  }
};

// A game Boolean: -1 is true and 0 false. Any other content is a fault and shows as the number
// it is; a number is written as it is, so that such a fault can be replayed.
struct BooleanCodec {
  static std::string Format(Boolean v) {
    if (v == kTrue) return "true";
    if (v == kFalse) return "false";
    return std::to_string(v);
  }
  static std::optional<Boolean> Parse(std::string_view text) {
    if (text == "true") return kTrue;
    if (text == "false") return kFalse;
    return IntegerCodec<Boolean>::Parse(text);
  }
};

struct TruthCodec {
  static std::string Format(bool v) { return v ? "true" : "false"; }
  static std::optional<bool> Parse(std::string_view text) { return ParseTruth(text); }
};

struct FloatCodec {
  static std::string Format(float v) { return FormatNumber(v); }
  static std::optional<float> Parse(std::string_view text) { return ParseFloat(text); }
};

struct DoubleCodec {
  static std::string Format(double v) { return FormatNumber(v); }
  static std::optional<double> Parse(std::string_view text) { return ParseDouble(text); }
};

struct TextCodec {
  static std::string Format(const std::string& v) { return JsonQuoted(v); }
  static std::optional<std::string> Parse(std::string_view text) { return ParseText(text); }
};

// A picture prints as the name of the element it was designed for; any such name, quoted or
// not, sets it, and null takes it away.
struct PictureCodec {
  const std::unordered_map<std::string_view, const Image*>* images;
  static std::string Format(const Image* v) { return v ? JsonQuoted(v->name) : "null"; }
  std::optional<const Image*> Parse(std::string_view text) const {
    if (text == "null") return static_cast<const Image*>(nullptr);
    const std::optional<std::string> name = ParseText(text);
    if (!name) return std::nullopt;
    const auto found = images->find(*name);
    if (found == images->end()) return std::nullopt;
    return found->second;
  }
};

std::string ElementName(const Element& e) {
  std::string name(e.name);
  if (e.index >= 0) name += "(" + std::to_string(e.index) + ")";
  return name;
}

// Calls `visit` for every element of the scene, each panel before its children.
template <class Visit>
void ForEachElement(const std::vector<Element*>& elements, Visit&& visit) {
  for (Element* e : elements) {
    visit(*e);
    if (e->kind == ElementKind::Panel) ForEachElement(static_cast<Panel*>(e)->children, visit);
  }
}

template <class Source>
void Collect(std::unordered_map<std::string_view, const Image*>& images, Source& element) {
  if (element.own.art != Art::None) images.emplace(element.name, &element.own);
}

}  // namespace

template <class Codec, class T>
void NameTable::Add(std::string name, T& value, Codec codec) {
  values_.push_back({std::move(name), [&value, codec] { return codec.Format(value); },
                     [&value, codec](std::string_view text) {
                       const auto parsed = codec.Parse(text);
                       if (!parsed) return false;
                       value = *parsed;
                       return true;
                     }});
}

template <class Codec, class T, std::size_t N>
void NameTable::Add(std::string name, std::array<T, N>& values, Codec codec) {
  for (std::size_t i = 0; i < N; ++i) Add(name + "(" + std::to_string(i) + ")", values[i], codec);
}

NameTable::NameTable(GameWindow& game) {
  ForEachElement(game.FrontToBack(), [this](Element& e) {
    if (e.kind == ElementKind::Picture) Collect(images_, static_cast<Picture&>(e));
    if (e.kind == ElementKind::Panel) Collect(images_, static_cast<Panel&>(e));
  });
  AddVariables(game);
  ForEachElement(game.FrontToBack(), [this](Element& e) { AddElement(e); });
  for (Timer* timer : {&game.Timer1, &game.Timer2, &game.Timer3}) AddTimer(*timer);
  Add("Form1.Picture", game.Form1.picture, PictureCodec{&images_});
  Add("Form1.BackColor", game.Form1.BackColor, IntegerCodec<Colour>{});
  for (std::size_t i = 0; i < values_.size(); ++i) byName_.emplace(values_[i].name, i);
}

void NameTable::AddVariables(GameVariables& v) {
  using Int16 = IntegerCodec<std::int16_t>;
  Add("musicEnabled", v.musicEnabled, Int16{});
  Add("soundEnabled", v.soundEnabled, Int16{});
  Add("quotaReached", v.quotaReached, BooleanCodec{});
  Add("gasCount", v.gasCount, Int16{});
  Add("ch4Odds", v.ch4Odds, Int16{});
  Add("cfcTimer", v.cfcTimer, Int16{});
  Add("cfcInterval", v.cfcInterval, Int16{});
  Add("gasTimer", v.gasTimer, Int16{});
  Add("gasInterval", v.gasInterval, Int16{});
  Add("cfcDrift", v.cfcDrift, DoubleCodec{});
  Add("gasGrowing", v.gasGrowing, Int16{});
  Add("soundHold", v.soundHold, Int16{});
  Add("gameOverPending", v.gameOverPending, BooleanCodec{});
  Add("gameOverTimer", v.gameOverTimer, Int16{});
  Add("gasDestroyed", v.gasDestroyed, IntegerCodec<std::int32_t>{});
  Add("lastGasIndex", v.lastGasIndex, Int16{});
  Add("savedScreenWidth", v.savedScreenWidth, Int16{});
  Add("savedScreenHeight", v.savedScreenHeight, Int16{});
  Add("lives", v.lives, Int16{});
  Add("animTick", v.animTick, Int16{});
  Add("reloadTicks", v.reloadTicks, Int16{});
  Add("canFire", v.canFire, BooleanCodec{});
  Add("dragX", v.dragX, DoubleCodec{});
  Add("speedX", v.speedX, DoubleCodec{});
  Add("speedY", v.speedY, DoubleCodec{});
  Add("gravity", v.gravity, DoubleCodec{});
  Add("bulletSpeed", v.bulletSpeed, Int16{});
  Add("engineExhausted", v.engineExhausted, BooleanCodec{});
  Add("uvIndex", v.uvIndex, Int16{});
  Add("uvStepY", v.uvStepY, Int16{});
  Add("uvStepX", v.uvStepX, DoubleCodec{});
}

void NameTable::AddElement(Element& e) {
  const std::string prefix = ElementName(e) + ".";
  Add(prefix + "Left", e.Left, FloatCodec{});
  Add(prefix + "Top", e.Top, FloatCodec{});
  Add(prefix + "Width", e.Width, FloatCodec{});
  Add(prefix + "Height", e.Height, FloatCodec{});
  Add(prefix + "Visible", e.Visible, TruthCodec{});
  switch (e.kind) {
    case ElementKind::Picture:
      Add(prefix + "Picture", static_cast<Picture&>(e).picture, PictureCodec{&images_});
      break;
    case ElementKind::Panel:
      Add(prefix + "Picture", static_cast<Panel&>(e).picture, PictureCodec{&images_});
      Add(prefix + "BackColor", static_cast<Panel&>(e).BackColor, IntegerCodec<Colour>{});
      break;
    case ElementKind::Label:
      Add(prefix + "Caption", static_cast<Label&>(e).Caption, TextCodec{});
      Add(prefix + "ForeColor", static_cast<Label&>(e).ForeColor, IntegerCodec<Colour>{});
      break;
    case ElementKind::Bar:
      Add(prefix + "BackColor", static_cast<Bar&>(e).BackColor, IntegerCodec<Colour>{});
      break;
  }
}

void NameTable::AddTimer(Timer& timer) {
  const std::string prefix = std::string(timer.name) + ".";
  Add(prefix + "Interval", timer.Interval, IntegerCodec<std::int32_t>{});
  Add(prefix + "Enabled", timer.Enabled, TruthCodec{});
}

const NamedValue* NameTable::Find(std::string_view name) const {
  const auto found = byName_.find(name);
  return found == byName_.end() ? nullptr : &values_[found->second];
}

}  // namespace skyscrub::trace
