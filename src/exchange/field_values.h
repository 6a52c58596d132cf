#pragma once

// How a field's value is written in the files exchanged with the outside (backup files, change
// files): an integer as the unsigned decimal text of its 32 bits ("%lu", so -1 is "4294967295"),
// a text in CP949.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace coinest {

// An integer value longer than this is refused when read.
inline constexpr std::size_t kMaxNumberTextBytes = 100;

// "%lu" of the 32-bit value.
std::string unsignedDecimalText(int32_t value);

// "%lu" read back: one to kMaxNumberTextBytes decimal digits, at most 4294967295; nothing else.
std::optional<int32_t> parseUnsignedDecimal(std::string_view text);

// The CP949 bytes of a UTF-8 text; a character CP949 cannot hold (or a stray byte) becomes one
// '?', so the rest of the text survives.
std::string toCp949Lossy(std::string_view utf8);

// A CP949 text read back as UTF-8 when it is valid CP949, holds no NUL and has at most
// `maxChars` characters; nothing otherwise.
std::optional<std::string> parseCp949Text(std::string_view cp949, std::size_t maxChars);

}  // namespace coinest
