#pragma once

#include <cstddef>
#include <string_view>

namespace coinest {

// The first `maxChars` characters of a UTF-8 text, never cut inside a multi-byte character.
// A byte that does not start a valid sequence counts as one character.
std::string_view utf8Prefix(std::string_view text, std::size_t maxChars);

// One character of a UTF-8 text and the bytes it takes.
struct Utf8Char {
  char32_t value = 0;      // kUtf8Replacement for a byte that does not start a sequence
  std::size_t length = 1;  // 1 to 4
};

inline constexpr char32_t kUtf8Replacement = 0xFFFD;

// The character that starts at text[at], taken as utf8Prefix takes it: a byte that does not start
// a sequence, or starts one that is cut, is one character of its own with the value
// kUtf8Replacement. REQUIRES: at < text.size().
Utf8Char utf8CharAt(std::string_view text, std::size_t at);

// The number of characters in a UTF-8 text, counted as utf8Prefix counts them.
std::size_t utf8Length(std::string_view text);

// Offset of the first byte that does not start a well-formed UTF-8 sequence (an overlong form,
// a surrogate, a value above U+10FFFF, a cut sequence), or npos when the whole text is UTF-8.
std::size_t firstInvalidUtf8(std::string_view text);

}  // namespace coinest
