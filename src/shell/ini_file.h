#pragma once

// The initialisation file "\Windows\Coinest.ini": what the program remembers from one run to the
// next outside the book. Exactly eight single-byte characters, four right-aligned two-character
// decimal fields and nothing else:
//
//   ini      := field(latinInput) field(currentPage) field(modeNumber) field(queryKind)
//   older    := field(latinInput)                     (a file of two characters)
//   field    := two characters printed with "%2d"     (" 4", "12")
//   modeNumber := 1 day | 2 week | 3 month            (anything else reads as day)
//
// A longer file is read as its first eight characters. Any other length, or no file at all, gives
// the defaults: Hangul input, the books page in day mode, the books query.

#include <filesystem>
#include <string>
#include <string_view>

#include "platform/status.h"
#include "shell/shell_state.h"

namespace coinest {

inline constexpr std::string_view kIniDevicePath = "\\Windows\\Coinest.ini";

struct IniState {
  int latinInput = 0;       // 0 Hangul, 1 Latin
  int currentPage = PageBooks;  // as stored: the shell decides what an unknown page means
  char bookViewMode = 'D';  // 'D', 'W' or 'M'
  int queryKind = 0;        // 0 books, 1 card, 2 account
  bool operator==(const IniState&) const = default;
};

// The state the file's bytes give. A field that is no "%2d" number (a stray byte in a file that
// is not ours) reads as that field's default.
IniState parseIniFile(std::string_view bytes);

// The eight characters that record `state`; a number that does not fit two characters is written
// as its default, so the file keeps its length.
std::string iniFileText(const IniState& state);

// Reads the file under the device root; the defaults when it is missing, is not a regular file or
// cannot be read.
IniState readIniFile(const std::filesystem::path& root);

// Replaces the file under the device root (durably, mode 0600).
Status writeIniFile(const std::filesystem::path& root, const IniState& state);

}  // namespace coinest
