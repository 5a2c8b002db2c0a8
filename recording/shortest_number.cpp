#include "recording/shortest_number.h"

#include <charconv>
#include <clocale>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <type_traits>
#include <vector>

namespace skyscrub::recording {

namespace {

// value = digits x 10^exponent
struct Decimal {
  std::uint64_t digits;
  int exponent;
};

std::uint64_t PowerOfTen(int n) {
  std::uint64_t power = 1;
  while (n-- > 0) power *= 10;
  return power;
}

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

char Lower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

// Whether `text` starts with `word`, in any case.
bool StartsWithWord(std::string_view text, std::string_view word) {
  if (text.size() < word.size()) return false;
  for (std::size_t i = 0; i < word.size(); ++i) {
    if (Lower(text[i]) != word[i]) return false;
  }
  return true;
}

// The length of the number's decimal form at the start of `text` (no sign), 0 when there is none;
// whether a digit other than 0 came before the exponent.
std::size_t DecimalLength(std::string_view text, bool& nonzero) {
  std::size_t i = 0;
  std::size_t digits = 0;
  nonzero = false;
  auto take_digits = [&] {
    for (; i < text.size() && IsDigit(text[i]); ++i, ++digits) nonzero = nonzero || text[i] != '0';
  };
  take_digits();
  if (i < text.size() && text[i] == '.') {
    ++i;
    take_digits();
  }
  if (digits == 0) return 0;
  if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
    std::size_t j = i + 1;
    if (j < text.size() && (text[j] == '+' || text[j] == '-')) ++j;
    if (j < text.size() && IsDigit(text[j])) {
      for (i = j; i < text.size() && IsDigit(text[i]); ++i) {
      }
    }
  }
  return i;
}

// The length of "inf", "infinity", "nan" or "nan(letters, digits, _)" at the start of `text`.
std::size_t SpecialLength(std::string_view text) {
  if (StartsWithWord(text, "infinity")) return 8;
  if (StartsWithWord(text, "inf")) return 3;
  if (!StartsWithWord(text, "nan")) return 0;
  if (text.size() > 3 && text[3] == '(') {
    for (std::size_t i = 4; i < text.size(); ++i) {
      const char c = Lower(text[i]);
      if (c == ')') return i + 1;
      if (!IsDigit(c) && !(c >= 'a' && c <= 'z') && c != '_') break;
    }
  }
  return 3;
}

float Convert(const char* text, float*) { return std::strtof(text, nullptr); }
double Convert(const char* text, double*) { return std::strtod(text, nullptr); }

template <class Number>
std::optional<Number> Read(std::string_view text) {
  const bool negative = !text.empty() && text.front() == '-';
  const std::string_view body = text.substr(negative ? 1 : 0);
  bool nonzero = false;
  const std::size_t special = SpecialLength(body);
  const std::size_t length = special != 0 ? special : DecimalLength(body, nonzero);
  if (length == 0 || length != body.size()) return std::nullopt;
  // The C library reads the decimal point of the program's locale.
  const std::string_view point = std::localeconv()->decimal_point;
  std::string c_text(negative ? "-" : "");
  for (const char c : body) {
    if (c == '.') {
      c_text.append(point);
    } else {
      c_text += c;
    }
  }
  const Number value = Convert(c_text.c_str(), static_cast<Number*>(nullptr));
  if (special == 0 && (std::isinf(value) || (value == 0 && nonzero))) return std::nullopt;
  return value;
}

// Whether digits x 10^exponent reads back as `value`.
template <class Number>
bool ReadsBack(Decimal decimal, Number value) {
  char text[48];
  char* start = text + sizeof text;
  *--start = '\0';
  const int exponent = decimal.exponent;
  int e = exponent < 0 ? -exponent : exponent;
  do {
    *--start = static_cast<char>('0' + e % 10);
    e /= 10;
  } while (e != 0);
  if (exponent < 0) *--start = '-';
  *--start = 'e';
  std::uint64_t digits = decimal.digits;
  do {
    *--start = static_cast<char>('0' + digits % 10);
    digits /= 10;
  } while (digits != 0);
  return Convert(start, static_cast<Number*>(nullptr)) == value;
}

// A value's decimal expansion to 17 significant digits, and its rounding to fewer.
class Expansion {
 public:
  static constexpr int kDigits = 17;

  explicit Expansion(double value) : value_(value), rounded_(Print(value, kDigits)) {}

  // The decimal of `count` significant digits nearest to the value.
  Decimal Nearest(int count) const {
    if (count >= kDigits) return rounded_;
    const std::uint64_t unit = PowerOfTen(kDigits - count);
    const std::uint64_t rest = rounded_.digits % unit;
    // Rounding the rounded digits again differs from rounding the value only when they end
    // exactly half way: then the value itself says which way.
    if (rest == unit / 2) return Print(value_, count);
    Decimal decimal{rounded_.digits / unit + (rest > unit / 2 ? 1 : 0), rounded_.exponent + kDigits - count};
    if (decimal.digits == PowerOfTen(count)) decimal = {decimal.digits / 10, decimal.exponent + 1};
    return decimal;
  }

 private:
  // The decimal of `count` significant digits nearest to `value` (> 0), as printf rounds it.
  static Decimal Print(double value, int count) {
    char text[48];
    std::snprintf(text, sizeof text, "%.*e", count - 1, value);
    Decimal decimal{0, 0};
    const char* c = text;
    for (; *c != 'e' && *c != 'E'; ++c) {
      if (IsDigit(*c)) decimal.digits = decimal.digits * 10 + static_cast<std::uint64_t>(*c - '0');
    }
    decimal.exponent = std::atoi(c + 1) - (count - 1);
    return decimal;
  }

  double value_;
  Decimal rounded_;
};

// The decimal of `count` significant digits closest to `value` (> 0) that reads back as it, if
// there is one: the nearest, or else its neighbour on the other side of the value (the range
// that reads back is lopsided at a power of two).
template <class Number>
std::optional<Decimal> RoundTrip(const Expansion& expansion, Number value, int count) {
  const Decimal nearest = expansion.Nearest(count);
  if (ReadsBack(nearest, value)) return nearest;
  const Decimal below = nearest.digits == PowerOfTen(count - 1)
                            ? Decimal{PowerOfTen(count) - 1, nearest.exponent - 1}
                            : Decimal{nearest.digits - 1, nearest.exponent};
  if (ReadsBack(below, value)) return below;
  const Decimal above{nearest.digits + 1, nearest.exponent};
  if (ReadsBack(above, value)) return above;
  return std::nullopt;
}

template <class Number>
std::string Shortest(Number value) {
  std::string sign = std::signbit(value) ? "-" : "";
  if (value == 0) return sign + "0";
  const Number magnitude = std::fabs(value);
  const Expansion expansion(static_cast<double>(magnitude));
  // Fewer digits read back whenever more do not need to, so the fewest is found by halving.
  int fewest = 1;
  int most = std::numeric_limits<Number>::max_digits10;
  while (fewest < most) {
    const int middle = (fewest + most) / 2;
    if (RoundTrip(expansion, magnitude, middle)) {
      most = middle;
    } else {
      fewest = middle + 1;
    }
  }
  Decimal decimal = *RoundTrip(expansion, magnitude, fewest);
  while (decimal.digits % 10 == 0) {
    decimal.digits /= 10;
    ++decimal.exponent;
  }
  const std::string digits = std::to_string(decimal.digits);
  const int count = static_cast<int>(digits.size());
  const int power = decimal.exponent + count - 1;  // of the first digit

  const std::string magnitude_digits = std::to_string(power < 0 ? -power : power);
  std::string scientific = digits.substr(0, 1);
  if (count > 1) scientific.append(".").append(digits, 1);
  scientific.append(power < 0 ? "e-" : "e+").append(magnitude_digits.size() < 2 ? "0" : "").append(magnitude_digits);

  std::string fixed;
  if (power >= count - 1) {
    // A whole number is written with every digit of its exact value, the digits beyond the
    // shortest ones included, as printf's %f writes it; it has power + 1 digits either way.
    if (static_cast<std::size_t>(power + 1) > scientific.size()) return sign + scientific;
    char whole[48];
    std::snprintf(whole, sizeof whole, "%.0f", static_cast<double>(magnitude));
    fixed = whole;
  } else if (power >= 0) {
    fixed = digits.substr(0, static_cast<std::size_t>(power) + 1) + "." + digits.substr(static_cast<std::size_t>(power) + 1);
  } else {
    fixed = "0." + std::string(static_cast<std::size_t>(-power - 1), '0') + digits;
  }
  return sign + (fixed.size() <= scientific.size() ? fixed : scientific);
}

// The texts of the values written lately: a game's state is written whole at every tick, and most
// of it is as it was.
template <class Number>
const std::string& Remembered(Number value) {
  using Bits = std::conditional_t<sizeof(Number) == 4, std::uint32_t, std::uint64_t>;
  struct Entry {
    Bits bits;
    std::string text;
  };
  constexpr std::size_t kSize = 4096;
  thread_local std::vector<Entry> entries(kSize, Entry{0, "0"});  // +0 has no bit set
  Bits bits = 0;
  std::memcpy(&bits, &value, sizeof bits);
  const std::uint64_t mixed = static_cast<std::uint64_t>(bits) * 0x9E3779B97F4A7C15ull;
  Entry& entry = entries[static_cast<std::size_t>(mixed >> 52) % kSize];
  if (entry.bits != bits) entry = {bits, Shortest(value)};
  return entry.text;
}

}  // namespace

std::string OwnShortestText(float value) { return Remembered(value); }
std::string OwnShortestText(double value) { return Remembered(value); }

std::optional<float> OwnReadFloat(std::string_view text) { return Read<float>(text); }
std::optional<double> OwnReadDouble(std::string_view text) { return Read<double>(text); }

#ifdef SKYSCRUB_OWN_NUMBER_TEXT
std::string ShortestText(float value) { return OwnShortestText(value); }
std::string ShortestText(double value) { return OwnShortestText(value); }

std::optional<float> ReadFloat(std::string_view text) { return OwnReadFloat(text); }
std::optional<double> ReadDouble(std::string_view text) { return OwnReadDouble(text); }
#else
namespace {

template <class Number>
std::string LibraryText(Number value) {
  char buffer[64];
  const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
  return std::string(buffer, result.ptr);
}

template <class Number>
std::optional<Number> LibraryValue(std::string_view text) {
  Number value{};
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc{} || end != text.data() + text.size()) return std::nullopt;
  return value;
}

}  // namespace

std::string ShortestText(float value) { return LibraryText(value); }
std::string ShortestText(double value) { return LibraryText(value); }

std::optional<float> ReadFloat(std::string_view text) { return LibraryValue<float>(text); }
std::optional<double> ReadDouble(std::string_view text) { return LibraryValue<double>(text); }
#endif

}  // namespace skyscrub::recording
