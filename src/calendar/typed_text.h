// Cleaning of text typed into a field, done before every check of the field.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace coinest {

// How many characters of a typed text are handled; the rest is dropped before trimming.
inline constexpr std::size_t kTypedTextMaxChars = 257;

// The UTF-8 text cut to its first 257 characters (never inside a multi-byte character), with
// spaces (U+0020) removed at both ends; inner spaces stay and a text of spaces only becomes empty.
// Bytes that are not valid UTF-8 count as one character each and are kept as they are.
std::string trimTypedText(std::string_view utf8);

}  // namespace coinest
