#include "calendar/typed_text.h"

namespace coinest {

namespace {

bool isContinuation(unsigned char b) { return (b & 0xC0) == 0x80; }

// Byte length of the character starting at `pos`; 1 for a byte that does not start a whole
// UTF-8 sequence.
std::size_t charLength(std::string_view text, std::size_t pos) {
  const auto lead = static_cast<unsigned char>(text[pos]);
  std::size_t length = 1;
  if (lead >= 0xC2 && lead <= 0xDF) {
    length = 2;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    length = 3;
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    length = 4;
  }
  if (length == 1 || pos + length > text.size()) return 1;
  for (std::size_t i = 1; i < length; ++i) {
    if (!isContinuation(static_cast<unsigned char>(text[pos + i]))) return 1;
  }
  return length;
}

}  // namespace

std::string trimTypedText(std::string_view utf8) {
  std::size_t end = 0;
  for (std::size_t chars = 0; chars < kTypedTextMaxChars && end < utf8.size(); ++chars) {
    end += charLength(utf8, end);
  }
  std::string_view text = utf8.substr(0, end);
  const std::size_t first = text.find_first_not_of(' ');
  if (first == std::string_view::npos) return {};
  const std::size_t last = text.find_last_not_of(' ');
  return std::string(text.substr(first, last - first + 1));
}

}  // namespace coinest
