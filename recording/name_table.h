#pragma once
// Every game variable and every element property the logic uses, readable and writable by
// the names the game's code uses: `gasCount`, `uvStepX(2)`, `player.Top`, `CO2(3).Visible`.
// One table serves every game window: each entry knows where its value lives in any window.
#include <functional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "game/game_window.h"

namespace skyscrub::recording {

struct NamedValue {
  std::string name;
  std::function<std::string(GameWindow&)> read;                 // the value as JSON
  std::function<bool(GameWindow&, std::string_view)> write;     // false when the text is no value of its type
};

class NameTable {
 public:
  // The table, built on first use.
  static const NameTable& Get();

  // Where an element is in any window: its place among the window's top-level elements,
  // and among that panel's children (-1 for a top-level element).
  struct Place {
    std::int16_t top, child;
    Element& In(GameWindow& game) const;
  };

  // Nothing when no value has this name.
  const NamedValue* Find(std::string_view name) const;
  // Variables first, then the elements front to back, then the timers and the window.
  const std::vector<NamedValue>& All() const { return values_; }
  // How many of All() are the game's variables.
  std::size_t VariableCount() const { return variableCount_; }

 private:
  NameTable();
  template <class Locate, class Codec>
  void Add(std::string name, Locate locate, Codec codec);
  void AddVariables();
  void AddElement(const Element& element, Place place);
  void AddTimers();

  std::vector<NamedValue> values_;
  std::size_t variableCount_ = 0;
  std::unordered_map<std::string_view, std::size_t> byName_;
  std::unordered_map<std::string_view, Place> pictureOwners_;  // elements designed with a picture
};

}  // namespace skyscrub::recording
