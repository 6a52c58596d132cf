#include "platform/utf8_text.h"

namespace coinest {

namespace {

// Length in bytes of the character starting at text[at]: 1 for ASCII and for stray bytes.
std::size_t charLength(std::string_view text, std::size_t at) {
  const unsigned char lead = static_cast<unsigned char>(text[at]);
  std::size_t length = 1;
  if (lead >= 0xC2 && lead <= 0xDF) {
    length = 2;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    length = 3;
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    length = 4;
  }
  if (length > text.size() - at) return 1;
  for (std::size_t i = 1; i < length; ++i) {
    if ((static_cast<unsigned char>(text[at + i]) & 0xC0) != 0x80) return 1;
  }
  return length;
}

}  // namespace

Utf8Char utf8CharAt(std::string_view text, std::size_t at) {
  const std::size_t length = charLength(text, at);
  const auto lead = static_cast<unsigned char>(text[at]);
  if (length == 1) return {lead < 0x80 ? char32_t{lead} : kUtf8Replacement, 1};
  // The lead keeps 5, 4 or 3 bits of the value for a sequence of 2, 3 or 4 bytes.
  char32_t value = lead & (0xFFu >> (length + 1));
  for (std::size_t i = 1; i < length; ++i) value = (value << 6) | (static_cast<unsigned char>(text[at + i]) & 0x3Fu);
  return {value, length};
}

std::string_view utf8Prefix(std::string_view text, std::size_t maxChars) {
  std::size_t at = 0;
  for (std::size_t chars = 0; chars < maxChars && at < text.size(); ++chars) at += charLength(text, at);
  return text.substr(0, at);
}

std::size_t utf8Length(std::string_view text) {
  std::size_t chars = 0;
  for (std::size_t at = 0; at < text.size(); ++chars) at += charLength(text, at);
  return chars;
}

std::size_t firstInvalidUtf8(std::string_view text) {
  const auto* bytes = reinterpret_cast<const unsigned char*>(text.data());
  const std::size_t size = text.size();
  std::size_t i = 0;
  while (i < size) {
    const unsigned char lead = bytes[i];
    if (lead < 0x80) {
      ++i;
      continue;
    }
    std::size_t length = 0;
    unsigned char low = 0x80, high = 0xBF;  // allowed range of the second byte
    if (lead >= 0xC2 && lead <= 0xDF) {
      length = 2;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
      length = 3;
      if (lead == 0xE0) low = 0xA0;   // overlong
      if (lead == 0xED) high = 0x9F;  // surrogates
    } else if (lead >= 0xF0 && lead <= 0xF4) {
      length = 4;
      if (lead == 0xF0) low = 0x90;   // overlong
      if (lead == 0xF4) high = 0x8F;  // above U+10FFFF
    } else {
      return i;
    }
    if (size - i < length) return i;
    if (bytes[i + 1] < low || bytes[i + 1] > high) return i;
    for (std::size_t k = 2; k < length; ++k) {
      if (bytes[i + k] < 0x80 || bytes[i + k] > 0xBF) return i;
    }
    i += length;
  }
  return std::string_view::npos;
}

}  // namespace coinest
