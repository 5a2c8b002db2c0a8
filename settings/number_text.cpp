#include "settings/number_text.h"

#include <limits>

namespace skyscrub::settings {

namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// Larger than any magnitude that fits, even after rounding up; digits beyond it change
// nothing, so arbitrarily long numbers cannot overflow the accumulator.
constexpr std::int32_t kSaturated = 100000;

}  // namespace

std::string_view TrimBlanks(std::string_view text) {
  while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
  while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
  return text;
}

std::optional<std::int16_t> ParseInt16(std::string_view text) {
  text = TrimBlanks(text);
  bool negative = false;
  if (!text.empty() && (text.front() == '-' || text.front() == '+')) {
    negative = text.front() == '-';
    text.remove_prefix(1);
  }

  std::int32_t magnitude = 0;
  bool anyDigit = false;
  std::size_t at = 0;
  for (; at < text.size() && IsDigit(text[at]); ++at) {
    anyDigit = true;
    magnitude = magnitude * 10 + (text[at] - '0');
    if (magnitude > kSaturated) magnitude = kSaturated;
  }

  // The fractional part decides only the rounding: its first digit against 5, then
  // whether anything non-zero follows a 5.
  int firstFraction = 0;
  bool nonZeroAfterFirst = false;
  if (at < text.size() && text[at] == '.') {
    ++at;
    for (std::size_t first = at; at < text.size() && IsDigit(text[at]); ++at) {
      anyDigit = true;
      if (at == first) {
        firstFraction = text[at] - '0';
      } else if (text[at] != '0') {
        nonZeroAfterFirst = true;
      }
    }
  }
  if (!anyDigit || at != text.size()) return std::nullopt;

  const bool roundUp = firstFraction > 5 || (firstFraction == 5 && (nonZeroAfterFirst || magnitude % 2 == 1));
  if (roundUp) magnitude += 1;
  const std::int32_t value = negative ? -magnitude : magnitude;
  if (value < std::numeric_limits<std::int16_t>::min() || value > std::numeric_limits<std::int16_t>::max()) {
    return std::nullopt;
  }
  return static_cast<std::int16_t>(value);
}

}  // namespace skyscrub::settings
