// The game's own number text against the desktop's standard library, which wrote every stored
// recording: the same text for the same value, and the same value for the same text.
#include "recording/shortest_number.h"

#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>
#include <random>
#include <string>
#include <vector>

namespace skyscrub::recording {
namespace {

// On the desktop the game writes and reads its numbers with the standard library itself
// (std::to_chars, std::from_chars): the reference the own text is held to.
template <class Number>
std::string LibraryText(Number value) {
  return ShortestText(value);
}

template <class Number>
std::optional<Number> LibraryValue(std::string_view text) {
  if constexpr (sizeof(Number) == sizeof(float)) {
    return ReadFloat(text);
  } else {
    return ReadDouble(text);
  }
}

std::optional<float> Read(std::string_view text, float*) { return OwnReadFloat(text); }
std::optional<double> Read(std::string_view text, double*) { return OwnReadDouble(text); }

// The same text as the library's, and it reads back as the value itself (bit for bit).
template <class Number>
void ExpectSameText(Number value) {
  const std::string text = OwnShortestText(value);
  ASSERT_EQ(text, LibraryText(value)) << std::hexfloat << value;
  const auto back = Read(text, static_cast<Number*>(nullptr));
  ASSERT_TRUE(back.has_value()) << text;
  ASSERT_EQ(std::memcmp(&*back, &value, sizeof value), 0) << text;
}

template <class Number>
std::vector<Number> EdgeValues() {
  using Limits = std::numeric_limits<Number>;
  std::vector<Number> values{0, -Number{0}, Limits::min(), Limits::denorm_min(), Limits::max(), Limits::lowest(),
                             Limits::epsilon(), 1, -1, Number{0.1}, Number{0.3}, Number{1} / 3, Number{207.53},
                             Number{299 / 2.4}, Number{540.8} - Number{0.8}};
  // Powers of ten and of two, their neighbours (where the range that reads back is lopsided), and
  // whole numbers where the fixed form starts and stops being the shorter.
  for (int e = Limits::min_exponent10 - 8; e <= Limits::max_exponent10; ++e) {
    const long double exact = std::pow(10.0L, e);
    const auto power = static_cast<Number>(exact);
    if (power == 0 || std::isinf(power)) continue;
    values.insert(values.end(), {power, std::nextafter(power, Number{0}), std::nextafter(power, Limits::infinity()),
                                 static_cast<Number>(exact * 123456789)});
  }
  for (int e = Limits::min_exponent - Limits::digits; e < Limits::max_exponent; ++e) {
    const Number power = std::ldexp(Number{1}, e);
    values.insert(values.end(), {power, std::nextafter(power, Number{0}), std::nextafter(power, Limits::infinity())});
  }
  for (std::int64_t whole = 1; whole < (std::int64_t{1} << 62); whole = whole * 3 + 1) values.push_back(static_cast<Number>(whole));
  return values;
}

template <class Number, class Bits>
void CompareEverywhere(int random_count) {
  for (const Number value : EdgeValues<Number>()) {
    if (!std::isfinite(value)) continue;
    ExpectSameText(value);
    ExpectSameText(-value);
  }
  std::mt19937_64 random(20261211);
  for (int i = 0; i < random_count; ++i) {
    const auto value = std::bit_cast<Number>(static_cast<Bits>(random()));
    if (!std::isfinite(value)) continue;
    ExpectSameText(value);
  }
  // Values of the size the game's own numbers have: a few digits either side of the point.
  std::uniform_real_distribution<Number> everyday(-2000, 2000);
  for (int i = 0; i < random_count; ++i) ExpectSameText(everyday(random));
}

TEST(ShortestText, FloatsWriteAsTheLibraryWrites) { CompareEverywhere<float, std::uint32_t>(300000); }

TEST(ShortestText, DoublesWriteAsTheLibraryWrites) {
#ifdef _WIN32
  GTEST_SKIP() << "Windows' C library rounds some doubles far from 1 its own way; the game writes "
                  "its numbers with the standard library there";
#endif
  CompareEverywhere<double, std::uint64_t>(300000);
}

TEST(ReadNumber, ReadsWhatTheLibraryReadsAndRefusesWhatItRefuses) {
  const char* const texts[] = {
      "0",      "-0",      "12",      "00012",    ".5",      "5.",       "-.5",      "1.e5",     "1E5",
      "1e-5",   "1.5e+0003", "0.",    "1e400",    "1e-400",  "4e-324",   "2e-324",   "3e-324",   "1e-310",
      "1e-45",  "7e-46",   "1e-46",   "1e39",     "3.4028235e38", "3.4028236e38", "3.40282357e38",
      "inf",    "INF",     "-inf",    "infinity", "Infinity", "nan",     "-nan",     "nan(12)",  "nan(",
      "infin",  "1e",      "1e+",     "0x1p3",    " 1",      "1 ",       "1,5",      ".",        "-",
      "",       "--1",     "+1",      "1e5.5",    "0.30000000000000004", "123456789012345683968",
      "9007199254740993",  "2.4703282292062328e-324", "1.00000000000000011102230246251565404236316680908203125"};
  for (const char* text : texts) {
    const auto mine_float = OwnReadFloat(text);
    const auto library_float = LibraryValue<float>(text);
    ASSERT_EQ(mine_float.has_value(), library_float.has_value()) << '"' << text << '"';
    if (mine_float && !std::isnan(*mine_float)) {
      EXPECT_EQ(*mine_float, *library_float) << text;
    }
    const auto mine_double = OwnReadDouble(text);
    const auto library_double = LibraryValue<double>(text);
    ASSERT_EQ(mine_double.has_value(), library_double.has_value()) << '"' << text << '"';
    if (mine_double && !std::isnan(*mine_double)) {
      EXPECT_EQ(*mine_double, *library_double) << text;
    }
  }
}

}  // namespace
}  // namespace skyscrub::recording
