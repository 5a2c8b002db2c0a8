#pragma once
// Every game variable and every element property the logic uses, readable and writable by
// the names the game's code uses: `gasCount`, `uvStepX(2)`, `player.Top`, `CO2(3).Visible`.
#include <functional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "game/game_window.h"

namespace skyscrub::trace {

struct NamedValue {
  std::string name;
  std::function<std::string()> read;              // the value as JSON
  std::function<bool(std::string_view)> write;    // false when the text is no value of its type
};

class NameTable {
 public:
  explicit NameTable(GameWindow& game);
  NameTable(const NameTable&) = delete;
  NameTable& operator=(const NameTable&) = delete;

  // Nothing when no value has this name.
  const NamedValue* Find(std::string_view name) const;
  // Variables first, then the elements front to back, then the timers and the window.
  const std::vector<NamedValue>& All() const { return values_; }

 private:
  template <class Codec, class T>
  void Add(std::string name, T& value, Codec codec);
  template <class Codec, class T, std::size_t N>
  void Add(std::string name, std::array<T, N>& values, Codec codec);
  void AddVariables(GameVariables& v);
  void AddElement(Element& element);
  void AddTimer(Timer& timer);

  std::vector<NamedValue> values_;
  std::unordered_map<std::string_view, std::size_t> byName_;
  std::unordered_map<std::string_view, const Image*> images_;  // pictures by their element's name
};

}  // namespace skyscrub::trace
