#include "cli/output_line.h"

namespace coinest::cli {

std::string escapedText(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (const char c : text) {
    switch (c) {
      case '\t': out += "\\t"; break;
      case '\r': out += "\\r"; break;
      case '\n': out += "\\n"; break;
      case '\\': out += "\\\\"; break;
      default: out += c; break;
    }
  }
  return out;
}

void printLine(std::ostream& out, std::initializer_list<std::string_view> fields) {
  bool first = true;
  for (const std::string_view field : fields) {
    if (!first) out << '\t';
    out << escapedText(field);
    first = false;
  }
  out << '\n';
}

}  // namespace coinest::cli
