#include "export/csv_text.h"

namespace coinest {

std::string csvField(std::string_view text) {
  if (text.find_first_of(",\"\r\n") == std::string_view::npos) return std::string(text);
  std::string quoted;
  quoted.reserve(text.size() + 2);
  quoted += '"';
  for (const char c : text) {
    if (c == '"') quoted += '"';
    quoted += c;
  }
  quoted += '"';
  return quoted;
}

void appendCsvRow(std::string& out, std::span<const std::string> fields) {
  for (std::size_t i = 0; i < fields.size(); ++i) {
    if (i > 0) out += ',';
    out += csvField(fields[i]);
  }
  out += kCsvRowEnd;
}

std::string spreadsheetSafeText(std::string_view text) {
  if (text.empty()) return {};
  switch (text.front()) {
    case '=':
    case '+':
    case '-':
    case '@':
    case '\t':
    case '\r':
      return "'" + std::string(text);
    default:
      return std::string(text);
  }
}

}  // namespace coinest
