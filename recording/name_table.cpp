#include "recording/name_table.h"

#include <limits>
#include <optional>
#include <tuple>
#include <type_traits>
#include <utility>

#include "game/scene/scene.h"
#include "recording/value_text.h"

namespace skyscrub::recording {

namespace {

// How one type of value is printed and read. Each codec has Format(const T&) and
// Parse(text, window) -> optional<T>.
template <class Int>
struct IntegerCodec {
  static_assert(std::is_integral_v<Int>);
  static std::string Format(Int v) { return std::to_string(v); }
  static std::optional<Int> Parse(std::string_view text, GameWindow&) {
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
  static std::optional<Boolean> Parse(std::string_view text, GameWindow& game) {
    if (text == "true") return kTrue;
    if (text == "false") return kFalse;
    return IntegerCodec<Boolean>::Parse(text, game);
  }
};

struct TruthCodec {
  static std::string Format(bool v) { return v ? "true" : "false"; }
  static std::optional<bool> Parse(std::string_view text, GameWindow&) { return ParseTruth(text); }
};

struct FloatCodec {
  static std::string Format(float v) { return FormatNumber(v); }
  static std::optional<float> Parse(std::string_view text, GameWindow&) { return ParseFloat(text); }
};

struct DoubleCodec {
  static std::string Format(double v) { return FormatNumber(v); }
  static std::optional<double> Parse(std::string_view text, GameWindow&) { return ParseDouble(text); }
};

// A game variable's number: a whole number of its own width, or a double.
template <class Number>
using NumberCodec = std::conditional_t<std::is_same_v<Number, double>, DoubleCodec, IntegerCodec<Number>>;

struct TextCodec {
  static std::string Format(const std::string& v) { return JsonQuoted(v); }
  static std::optional<std::string> Parse(std::string_view text, GameWindow&) { return ParseText(text); }
};

std::string ElementName(const Element& e) {
  std::string name(e.name);
  if (e.index >= 0) name.append("(").append(std::to_string(e.index)).append(")");
  return name;
}

bool HasOwnPicture(const Element& e) {
  if (e.kind == ElementKind::Picture) return static_cast<const Picture&>(e).own.art != Art::None;
  if (e.kind == ElementKind::Panel) return static_cast<const Panel&>(e).own.art != Art::None;
  return false;
}

const Image& OwnPicture(const Element& e) {
  return e.kind == ElementKind::Panel ? static_cast<const Panel&>(e).own : static_cast<const Picture&>(e).own;
}

}  // namespace

Element& NameTable::Place::In(GameWindow& game) const {
  Element* element = game.FrontToBack()[static_cast<std::size_t>(top)];
  if (child < 0) return *element;
  return *static_cast<Panel*>(element)->children[static_cast<std::size_t>(child)];
}

// A picture prints as the name of the element it was designed for; any such name, quoted or
// not, sets it, and null takes it away.
struct PictureCodec {
  const std::unordered_map<std::string_view, NameTable::Place>* owners;
  static std::string Format(const Image* v) { return v ? JsonQuoted(v->name) : "null"; }
  std::optional<const Image*> Parse(std::string_view text, GameWindow& game) const {
    if (text == "null") return static_cast<const Image*>(nullptr);
    const std::optional<std::string> name = ParseText(text);
    if (!name) return std::nullopt;
    const auto found = owners->find(*name);
    if (found == owners->end()) return std::nullopt;
    return &OwnPicture(found->second.In(game));
  }
};

const NameTable& NameTable::Get() {
  static const NameTable table;
  return table;
}

template <class Locate, class Codec>
void NameTable::Add(std::string name, Locate locate, Codec codec) {
  values_.push_back({std::move(name), [locate, codec](GameWindow& game) { return codec.Format(locate(game)); },
                     [locate, codec](GameWindow& game, std::string_view text) {
                       const auto parsed = codec.Parse(text, game);
                       if (!parsed) return false;
                       locate(game) = *parsed;
                       return true;
                     }});
}

NameTable::NameTable() {
  // Every window's scene is laid out alike, so the places found in one hold in all.
  const Scene prototype;
  std::vector<std::pair<const Element*, Place>> elements;
  const auto& tops = prototype.FrontToBack();
  for (std::size_t t = 0; t < tops.size(); ++t) {
    elements.push_back({tops[t], {static_cast<std::int16_t>(t), -1}});
    if (tops[t]->kind != ElementKind::Panel) continue;
    const auto& children = static_cast<const Panel*>(tops[t])->children;
    for (std::size_t c = 0; c < children.size(); ++c) {
      elements.push_back({children[c], {static_cast<std::int16_t>(t), static_cast<std::int16_t>(c)}});
    }
  }
  for (const auto& [element, place] : elements) {
    if (HasOwnPicture(*element)) pictureOwners_.emplace(element->name, place);
  }

  AddVariables();
  variableCount_ = values_.size();
  for (const auto& [element, place] : elements) AddElement(*element, place);
  AddTimers();
  Add("Form1.Picture", [](GameWindow& g) -> auto& { return g.Form1.picture; }, PictureCodec{&pictureOwners_});
  Add("Form1.BackColor", [](GameWindow& g) -> auto& { return g.Form1.BackColor; }, IntegerCodec<Colour>{});

  byName_.reserve(values_.size());
  for (std::size_t i = 0; i < values_.size(); ++i) byName_.emplace(values_[i].name, i);
}

void NameTable::AddVariables() {
  // A variable by its member; an array adds one name per index: `uvStepX(0)`.
  auto variable = [this](std::string name, auto member, auto codec) {
    Add(std::move(name), [member](GameWindow& g) -> auto& { return g.*member; }, codec);
  };
  auto array = [this](const std::string& name, auto member, auto codec) {
    using Array = std::remove_reference_t<decltype(std::declval<GameVariables&>().*member)>;
    for (std::size_t i = 0; i < std::tuple_size_v<Array>; ++i) {
      Add(name + "(" + std::to_string(i) + ")", [member, i](GameWindow& g) -> auto& { return (g.*member)[i]; },
          codec);
    }
  };
  using V = GameVariables;
#define SKYSCRUB_NUMBER(type, name) variable(#name, &V::name, NumberCodec<type>{});
#define SKYSCRUB_BOOLEAN(name) variable(#name, &V::name, BooleanCodec{});
#define SKYSCRUB_ARRAY(type, name, size) array(#name, &V::name, NumberCodec<type>{});
#include "game/state/game_variable_list.inc"
#undef SKYSCRUB_NUMBER
#undef SKYSCRUB_BOOLEAN
#undef SKYSCRUB_ARRAY
}

void NameTable::AddElement(const Element& e, Place at) {
  const std::string prefix = ElementName(e) + ".";
  // A property of the element at `at`; `field` picks it from the element.
  auto property = [this, &prefix, at](const char* name, auto field, auto codec) {
    Add(prefix + name, [at, field](GameWindow& g) -> auto& { return field(at.In(g)); }, codec);
  };
  property("Left", [](Element& x) -> auto& { return x.Left; }, FloatCodec{});
  property("Top", [](Element& x) -> auto& { return x.Top; }, FloatCodec{});
  property("Width", [](Element& x) -> auto& { return x.Width; }, FloatCodec{});
  property("Height", [](Element& x) -> auto& { return x.Height; }, FloatCodec{});
  property("Visible", [](Element& x) -> auto& { return x.Visible; }, TruthCodec{});
  const PictureCodec pictures{&pictureOwners_};
  switch (e.kind) {
    case ElementKind::Picture:
      property("Picture", [](Element& x) -> auto& { return static_cast<Picture&>(x).picture; }, pictures);
      break;
    case ElementKind::Panel:
      property("Picture", [](Element& x) -> auto& { return static_cast<Panel&>(x).picture; }, pictures);
      property("BackColor", [](Element& x) -> auto& { return static_cast<Panel&>(x).BackColor; },
               IntegerCodec<Colour>{});
      break;
    case ElementKind::Label:
      property("Caption", [](Element& x) -> auto& { return static_cast<Label&>(x).Caption; }, TextCodec{});
      property("ForeColor", [](Element& x) -> auto& { return static_cast<Label&>(x).ForeColor; },
               IntegerCodec<Colour>{});
      break;
    case ElementKind::Bar:
      property("BackColor", [](Element& x) -> auto& { return static_cast<Bar&>(x).BackColor; },
               IntegerCodec<Colour>{});
      break;
  }
}

void NameTable::AddTimers() {
  auto timer = [this](const std::string& name, Timer GameWindow::*member) {
    Add(name + ".Interval", [member](GameWindow& g) -> auto& { return (g.*member).Interval; },
        IntegerCodec<std::int32_t>{});
    Add(name + ".Enabled", [member](GameWindow& g) -> auto& { return (g.*member).Enabled; }, TruthCodec{});
  };
  timer("Timer1", &GameWindow::Timer1);
  timer("Timer2", &GameWindow::Timer2);
  timer("Timer3", &GameWindow::Timer3);
}

const NamedValue* NameTable::Find(std::string_view name) const {
  const auto found = byName_.find(name);
  return found == byName_.end() ? nullptr : &values_[found->second];
}

}  // namespace skyscrub::recording
