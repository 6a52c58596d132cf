#pragma once

// What a text field of a dialog accepts: at most its field's length in characters, and only
// characters the CP949 code page holds, so that a backup or a change file never loses what was
// typed. The window refuses a character as it is typed; the command line refuses the whole text.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace coinest {

// Why `text` cannot stand in a field of `maxChars` characters, or nothing when it can. The
// explanation names the first character the code page lacks, or the field's length.
std::optional<std::string> textFieldRefusal(std::string_view text, std::size_t maxChars);

// `typed` as the field keeps it: the characters the code page lacks left out, then cut to
// `maxChars` characters.
std::string fitTextField(std::string_view typed, std::size_t maxChars);

}  // namespace coinest
