#pragma once
// Values as the trace prints and reads them: JSON numbers that read back exactly,
// true/false, and the script's own escapes for quoted text.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace skyscrub::recording {

// The shortest decimal that reads back as the same value; null when not finite.
std::string FormatNumber(float value);
std::string FormatNumber(double value);

// A whole number in decimal, or in hex written &H...; nothing when malformed or out of range.
std::optional<std::int64_t> ParseInteger(std::string_view text, std::int64_t lowest, std::int64_t highest);
std::optional<double> ParseDouble(std::string_view text);
std::optional<float> ParseFloat(std::string_view text);
// true, false, or the numbers -1, 1 and 0.
std::optional<bool> ParseTruth(std::string_view text);

// `text` as a double-quoted script text that ParseText reads back exactly: printable ASCII as it
// is, everything else escaped.
std::string QuoteText(std::string_view text);

// A word of a script as an error message quotes it: in single quotes, no more than its first
// 40 characters (then "..."), however long the word.
std::string QuoteWord(std::string_view word);

// `text` as a JSON string literal, quotes included.
std::string JsonQuoted(std::string_view text);

// A double-quoted text with the escapes \r \n \t \\ \" \0 and \xHH, or nothing when malformed.
// A text that does not start with a quote is taken as it is.
std::optional<std::string> ParseText(std::string_view text);

}  // namespace skyscrub::recording
