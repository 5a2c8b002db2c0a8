#include "settings/settings_file.h"

#include "settings/number_text.h"

namespace skyscrub::settings {

namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

// The position just past the separator that ends a field at `end`.
std::size_t PastSeparator(std::string_view content, std::size_t end) {
  if (end >= content.size()) return content.size();
  if (content[end] == '\r' && end + 1 < content.size() && content[end + 1] == '\n') return end + 2;
  return end + 1;
}

}  // namespace

std::string SettingsPath(std::string_view programFolder) {
  std::string path(programFolder);
  path += kFileLiteral;
  return path;
}

FieldTexts SplitFields(std::string_view content) {
  if (content.starts_with(kByteOrderMark)) content.remove_prefix(kByteOrderMark.size());
  FieldTexts fields;
  std::size_t start = 0;
  for (std::string_view& text : fields.texts) {
    if (start >= content.size()) break;
    std::size_t end = content.find_first_of(",\r\n", start);
    if (end == std::string_view::npos) end = content.size();
    text = TrimBlanks(content.substr(start, end - start));
    ++fields.count;
    start = PastSeparator(content, end);
  }
  return fields;
}

std::optional<std::int16_t> FieldValue(std::string_view fieldText) {
  if (TrimBlanks(fieldText).empty()) return 0;
  return ParseInt16(fieldText);
}

Fields ReadFields(std::string_view content) {
  const FieldTexts texts = SplitFields(content);
  Fields fields;
  for (int i = 0; i < texts.count; ++i) {
    const std::optional<std::int16_t> value = FieldValue(texts.texts[i]);
    if (!value) break;
    fields.values[i] = *value;
    ++fields.count;
  }
  return fields;
}

std::string Format(std::int16_t speed, std::int16_t sound, std::int16_t music) {
  return std::to_string(speed) + "\r\n" + std::to_string(sound) + "\r\n" + std::to_string(music) + "\r\n";
}

}  // namespace skyscrub::settings
