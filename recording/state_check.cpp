#include "recording/state_check.h"

#include <algorithm>
#include <charconv>
#include <cstdio>

#include "recording/name_table.h"
#include "recording/value_text.h"

namespace skyscrub::recording {

namespace {

constexpr std::uint64_t kFnvOffset = 14695981039346656037ull;
constexpr std::uint64_t kFnvPrime = 1099511628211ull;

void Mix(std::uint64_t& hash, std::string_view text) {
  for (const char c : text) {
    hash ^= static_cast<unsigned char>(c);
    hash *= kFnvPrime;
  }
}

// The next blank-separated token of `text`; a double-quoted part, with its backslash escapes,
// may hold blanks.
std::string_view NextToken(std::string_view& text) {
  while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
  std::size_t end = 0;
  bool quoted = false;
  for (; end < text.size() && (quoted || text[end] != ' '); ++end) {
    if (quoted && text[end] == '\\') {
      ++end;
    } else if (text[end] == '"') {
      quoted = !quoted;
    }
  }
  end = std::min(end, text.size());
  const std::string_view token = text.substr(0, end);
  text.remove_prefix(end);
  return token;
}

template <class Number>
bool Read(std::string_view token, Number& value, int base = 10) {
  const auto [end, error] = std::from_chars(token.data(), token.data() + token.size(), value, base);
  return !token.empty() && error == std::errc{} && end == token.data() + token.size();
}

}  // namespace

std::vector<std::string> StateValues(GameWindow& game) {
  const auto& all = NameTable::Get().All();
  std::vector<std::string> values;
  values.reserve(all.size());
  for (const NamedValue& value : all) values.push_back(value.read(game));
  return values;
}

std::uint64_t StateDigest(const std::vector<std::string>& values) {
  const auto& all = NameTable::Get().All();
  std::uint64_t hash = kFnvOffset;
  for (std::size_t i = 0; i < values.size(); ++i) {
    Mix(hash, all[i].name);
    Mix(hash, "=");
    Mix(hash, values[i]);
    Mix(hash, "\n");
  }
  return hash;
}

std::string FormatCheck(const StateCheck& check) {
  char digest[17];
  std::snprintf(digest, sizeof digest, "%016llx", static_cast<unsigned long long>(check.digest));
  std::string text = std::to_string(check.tick) + " " + digest + (check.full ? " full" : "");
  const auto& all = NameTable::Get().All();
  for (const auto& [index, value] : check.changed) text.append(" ").append(all[index].name).append("=").append(value);
  return text;
}

std::optional<StateCheck> ParseCheck(std::string_view args, std::string& error) {
  StateCheck check;
  if (!Read(NextToken(args), check.tick) || !Read(NextToken(args), check.digest, 16)) {
    error = "check needs a tick and a digest";
    return std::nullopt;
  }
  const auto& all = NameTable::Get().All();
  std::string_view token = NextToken(args);
  if (token == "full") {
    check.full = true;
    token = NextToken(args);
  }
  for (; !token.empty(); token = NextToken(args)) {
    const std::size_t equals = token.find('=');
    const NamedValue* named = equals == std::string_view::npos ? nullptr : NameTable::Get().Find(token.substr(0, equals));
    if (named == nullptr) {
      error = "check has no value named by " + QuoteWord(token);
      return std::nullopt;
    }
    check.changed.emplace_back(static_cast<std::size_t>(named - all.data()), std::string(token.substr(equals + 1)));
  }
  return check;
}

RecordedState::RecordedState() : known_(NameTable::Get().All().size()) {}

std::size_t RecordedState::Stated(bool full) {
  return full ? NameTable::Get().All().size() : NameTable::Get().VariableCount();
}

StateCheck RecordedState::CheckOf(std::vector<std::string> values, std::uint64_t tick, bool full) {
  StateCheck check{tick, StateDigest(values), full, {}};
  for (std::size_t i = 0; i < Stated(full); ++i) {
    if (known_[i] == values[i]) continue;
    check.changed.emplace_back(i, values[i]);
    known_[i] = std::move(values[i]);
  }
  return check;
}

void RecordedState::Take(const StateCheck& check) {
  for (const auto& [index, value] : check.changed) known_[index] = value;
}

std::vector<std::string> RecordedState::Differences(const std::vector<std::string>& values,
                                                   const StateCheck& check) const {
  const auto& all = NameTable::Get().All();
  std::vector<std::string> differences;
  for (std::size_t i = 0; i < Stated(check.full); ++i) {
    if (known_[i] && *known_[i] != values[i]) {
      differences.push_back(all[i].name + " is " + values[i] + ", recorded " + *known_[i]);
    }
  }
  return differences;
}

}  // namespace skyscrub::recording
