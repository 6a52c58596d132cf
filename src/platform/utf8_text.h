#pragma once

#include <cstddef>
#include <string_view>

namespace coinest {

// The first `maxChars` characters of a UTF-8 text, never cut inside a multi-byte character.
// A byte that does not start a valid sequence counts as one character.
std::string_view utf8Prefix(std::string_view text, std::size_t maxChars);

// The number of characters in a UTF-8 text, counted as utf8Prefix counts them.
std::size_t utf8Length(std::string_view text);

// Offset of the first byte that does not start a well-formed UTF-8 sequence (an overlong form,
// a surrogate, a value above U+10FFFF, a cut sequence), or npos when the whole text is UTF-8.
std::size_t firstInvalidUtf8(std::string_view text);

}  // namespace coinest
