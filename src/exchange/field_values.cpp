#include "exchange/field_values.h"

#include <algorithm>
#include <charconv>

#include "platform/code_page.h"
#include "platform/utf8_text.h"

namespace coinest {

namespace {

bool isPlainAscii(std::string_view text) {
  for (const char c : text) {
    if (static_cast<unsigned char>(c) >= 0x80 || c == '\0') return false;
  }
  return true;
}

}  // namespace

std::string unsignedDecimalText(int32_t value) {
  char digits[16];
  const char* end = std::to_chars(digits, digits + sizeof digits, static_cast<uint32_t>(value)).ptr;
  return std::string(static_cast<const char*>(digits), end);
}

std::optional<int32_t> parseUnsignedDecimal(std::string_view text) {
  if (text.empty() || text.size() > kMaxNumberTextBytes) return std::nullopt;
  uint64_t value = 0;
  for (const char c : text) {
    if (c < '0' || c > '9') return std::nullopt;
    value = value * 10 + static_cast<uint64_t>(c - '0');
    if (value > 0xFFFFFFFFull) return std::nullopt;  // checked each step, so it never overflows
  }
  return static_cast<int32_t>(static_cast<uint32_t>(value));
}

// ASCII is the same in both code pages, which spares the converter most values (dates, codes,
// flags).
std::string toCp949Lossy(std::string_view utf8) {
  if (isPlainAscii(utf8)) return std::string(utf8);
  std::string out;
  while (!utf8.empty()) {
    const CodePageResult converted = utf8ToCp949(utf8);
    if (converted.ok()) {
      out += converted.bytes;
      break;
    }
    // Only the failing character is lost (every non-ASCII one when there is no converter at all).
    const std::size_t bad = converted.error == CodePageError::ConverterUnavailable
                                ? 0
                                : std::min(converted.errorOffset, utf8.size() - 1);
    if (bad > 0) out += utf8ToCp949(utf8.substr(0, bad)).bytes;  // converts: the failure lies beyond
    const std::string_view character = utf8Prefix(utf8.substr(bad), 1);  // a stray byte counts as one
    out += isPlainAscii(character) ? character : std::string_view("?");
    utf8.remove_prefix(bad + character.size());
  }
  return out;
}

std::optional<std::string> parseCp949Text(std::string_view cp949, std::size_t maxChars) {
  // A CP949 character takes one or two bytes: more than twice the field cannot fit.
  if (cp949.size() > 2 * maxChars) return std::nullopt;
  if (isPlainAscii(cp949)) {
    if (cp949.size() > maxChars) return std::nullopt;
    return std::string(cp949);
  }
  // The device kept texts as C strings: a NUL inside one cannot come from it.
  if (cp949.find('\0') != std::string_view::npos) return std::nullopt;
  CodePageResult utf8 = cp949ToUtf8(cp949);
  if (!utf8.ok() || utf8Length(utf8.bytes) > maxChars) return std::nullopt;
  return std::move(utf8.bytes);
}

}  // namespace coinest
