#include "export/journal_text.h"

#include "platform/utf8_text.h"

namespace coinest {

namespace {

bool isControl(char32_t c) { return c < 0x20 || c == 0x7F; }

// Trims ASCII spaces at both ends.
std::string trimmed(std::string text) {
  const std::size_t begin = text.find_first_not_of(' ');
  if (begin == std::string::npos) return {};
  const std::size_t end = text.find_last_not_of(' ');
  return text.substr(begin, end - begin + 1);
}

// The spaces a journal reader takes for the end of an account name, as it takes ' ': the
// Unicode space separators (a text from the book can hold U+3000, which the code page has).
bool isUnicodeSpace(char32_t c) {
  return c == 0x00A0 || c == 0x1680 || (c >= 0x2000 && c <= 0x200A) || c == 0x202F || c == 0x205F || c == 0x3000;
}

bool isWide(char32_t c) {
  return (c >= 0x1100 && c <= 0x115F) || (c >= 0x2E80 && c <= 0x303E) || (c >= 0x3041 && c <= 0xA4CF) ||
         (c >= 0xA960 && c <= 0xA97F) || (c >= 0xAC00 && c <= 0xD7A3) || (c >= 0xF900 && c <= 0xFAFF) ||
         (c >= 0xFE30 && c <= 0xFE4F) || (c >= 0xFF00 && c <= 0xFF60) || (c >= 0xFFE0 && c <= 0xFFE6) ||
         (c >= 0x20000 && c <= 0x3FFFD);
}

}  // namespace

std::string journalAccountPart(std::string_view text) {
  std::string part;
  part.reserve(text.size());
  bool spaceDue = false;
  for (std::size_t at = 0; at < text.size();) {
    const Utf8Char c = utf8CharAt(text, at);
    const std::string_view bytes = text.substr(at, c.length);
    at += c.length;
    if (c.value == ' ' || isControl(c.value) || isUnicodeSpace(c.value)) {
      spaceDue = true;
      continue;
    }
    if (spaceDue && !part.empty()) part += ' ';
    spaceDue = false;
    if (c.value == ':') {
      part += "：";
    } else {
      part += bytes;
    }
  }
  return part.empty() ? std::string(kUnnamedAccountPart) : part;
}

std::string journalDescription(std::string_view text) {
  std::string description;
  description.reserve(text.size());
  for (const char c : text) {
    if (isControl(static_cast<unsigned char>(c))) {
      description += ' ';
    } else if (c == ';') {
      description += "；";
    } else {
      description += c;
    }
  }
  description = trimmed(std::move(description));
  if (description.empty()) return description;
  switch (description.front()) {
    case '*':
      return "＊" + description.substr(1);
    case '!':
      return "！" + description.substr(1);
    case '(':
      return "（" + description.substr(1);
    case '=':
      return "＝" + description.substr(1);
    default:
      return description;
  }
}

std::vector<std::string> journalNoteLines(std::string_view note) {
  std::vector<std::string> lines;
  if (note.empty()) return lines;
  std::string line;
  for (std::size_t i = 0; i < note.size(); ++i) {
    const char c = note[i];
    if (c == '\r' || c == '\n') {
      lines.push_back(std::move(line));
      line.clear();
      if (c == '\r' && i + 1 < note.size() && note[i + 1] == '\n') ++i;
    } else if (c == ':') {
      line += "：";
    } else if (c == '[') {
      line += "［";
    } else if (c == ']') {
      line += "］";
    } else {
      line += isControl(static_cast<unsigned char>(c)) ? ' ' : c;
    }
  }
  lines.push_back(std::move(line));
  return lines;
}

std::size_t displayWidth(std::string_view text) {
  std::size_t width = 0;
  for (std::size_t at = 0; at < text.size();) {
    const Utf8Char c = utf8CharAt(text, at);
    width += isWide(c.value) ? 2 : 1;
    at += c.length;
  }
  return width;
}

}  // namespace coinest
