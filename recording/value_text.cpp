#include "recording/value_text.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <system_error>

#include "recording/shortest_number.h"

namespace skyscrub::recording {

namespace {

template <class Number>
std::string Shortest(Number value) {
  return std::isfinite(value) ? ShortestText(value) : "null";
}

std::string_view WithoutPlus(std::string_view text) {
  if (!text.empty() && text.front() == '+') text.remove_prefix(1);
  return text;
}

// Parses all of `text` as a whole number; leading '+' allowed, nothing else around it.
std::optional<std::int64_t> Whole(std::string_view text, int base) {
  text = WithoutPlus(text);
  if (text.empty()) return std::nullopt;
  std::int64_t value{};
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value, base);
  if (error != std::errc{} || end != text.data() + text.size()) return std::nullopt;
  return value;
}

std::optional<int> HexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return std::nullopt;
}

}  // namespace

std::string FormatNumber(float value) { return Shortest(value); }
std::string FormatNumber(double value) { return Shortest(value); }

std::optional<std::int64_t> ParseInteger(std::string_view text, std::int64_t lowest, std::int64_t highest) {
  std::optional<std::int64_t> value;
  if (text.size() > 2 && (text.substr(0, 2) == "&H" || text.substr(0, 2) == "&h")) {
    value = Whole(text.substr(2), 16);
  } else {
    value = Whole(text, 10);
  }
  if (!value || *value < lowest || *value > highest) return std::nullopt;
  return value;
}

std::optional<double> ParseDouble(std::string_view text) { return ReadDouble(WithoutPlus(text)); }

std::optional<float> ParseFloat(std::string_view text) { return ReadFloat(WithoutPlus(text)); }

std::optional<bool> ParseTruth(std::string_view text) {
  if (text == "true" || text == "1" || text == "-1") return true;
  if (text == "false" || text == "0") return false;
  return std::nullopt;
}

std::string QuoteText(std::string_view text) {
  constexpr char kHex[] = "0123456789ABCDEF";
  std::string quoted = "\"";
  for (const char c : text) {
    const auto byte = static_cast<unsigned char>(c);
    switch (c) {
      case '\r': quoted += "\\r"; break;
      case '\n': quoted += "\\n"; break;
      case '"': quoted += "\\\""; break;
      case '\\': quoted += "\\\\"; break;
      default:
        if (byte < 0x20 || byte >= 0x7F) {
          quoted.append("\\x").append(1, kHex[byte >> 4]).append(1, kHex[byte & 0xF]);
        } else {
          quoted += c;
        }
    }
  }
  return quoted + "\"";
}

std::optional<std::string> ParseText(std::string_view text) {
  if (text.empty() || text.front() != '"') return std::string(text);
  std::string out;
  std::size_t i = 1;
  for (; i < text.size() && text[i] != '"'; ++i) {
    if (text[i] != '\\') {
      out += text[i];
      continue;
    }
    if (++i == text.size()) return std::nullopt;
    switch (text[i]) {
      case 'r': out += '\r'; break;
      case 'n': out += '\n'; break;
      case 't': out += '\t'; break;
      case '0': out += '\0'; break;
      case '\\': out += '\\'; break;
      case '"': out += '"'; break;
      case 'x': {
        const auto high = i + 1 < text.size() ? HexDigit(text[i + 1]) : std::nullopt;
        const auto low = i + 2 < text.size() ? HexDigit(text[i + 2]) : std::nullopt;
        if (!high || !low) return std::nullopt;
        out += static_cast<char>(*high * 16 + *low);
        i += 2;
        break;
      }
      default: return std::nullopt;
    }
  }
  if (i + 1 != text.size()) return std::nullopt;  // no closing quote, or text after it
  return out;
}

std::string QuoteWord(std::string_view word) {
  constexpr std::size_t kQuotedAtMost = 40;
  std::string quoted(1, '\'');
  quoted.append(word.substr(0, kQuotedAtMost)).append(word.size() > kQuotedAtMost ? "...'" : "'");
  return quoted;
}

std::string JsonQuoted(std::string_view text) {
  std::string out = "\"";
  for (const char c : text) {
    switch (c) {
      case '"': out += "\\\""; break;
      case '\\': out += "\\\\"; break;
      case '\n': out += "\\n"; break;
      case '\r': out += "\\r"; break;
      case '\t': out += "\\t"; break;
      default:
        if (static_cast<unsigned char>(c) < 0x20) {
          char escaped[8];
          std::snprintf(escaped, sizeof escaped, "\\u%04x", static_cast<unsigned>(c));
          out += escaped;
        } else {
          out += c;
        }
    }
  }
  return out + "\"";
}

}  // namespace skyscrub::recording
