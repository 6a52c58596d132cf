#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace coinest {

// Texts in backup and change files are in CP949, the Korean code page the device used (EUC-KR
// plus the extended Hangul syllables); inside the program every text is UTF-8.

enum class CodePageError {
  None,
  InvalidInput,          // bytes that are not valid in the source encoding, or a truncated sequence
  Unmappable,            // a valid character that the target encoding cannot hold
  ConverterUnavailable,  // the system has no converter for CP949
};

struct CodePageResult {
  std::string bytes;  // the converted text; empty when there is an error
  CodePageError error = CodePageError::None;
  std::size_t errorOffset = 0;  // byte offset in the input where the failing character starts

  bool ok() const { return error == CodePageError::None; }
};

// UTF-8 to CP949. Input must be well-formed UTF-8 (no overlong forms, surrogates or code points
// above U+10FFFF); otherwise InvalidInput. A character CP949 lacks gives Unmappable. Nothing is
// dropped or replaced.
CodePageResult utf8ToCp949(std::string_view utf8);

// CP949 to UTF-8. A byte sequence that is not a CP949 character, or a lead byte cut off at the
// end, gives InvalidInput.
CodePageResult cp949ToUtf8(std::string_view cp949);

// Whether every character of the UTF-8 text can be written in CP949, so that nothing typed into
// a dialog is lost by a backup. False for malformed UTF-8.
bool canEncodeInCp949(std::string_view utf8);

}  // namespace coinest
