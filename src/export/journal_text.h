#pragma once

// The texts of the book as a plain-text journal can hold them. The journal's grammar gives
// meaning to a few characters: ':' separates the parts of an account name, two spaces or a TAB
// end an account name, ';' starts a comment, and the first character of a description may be
// read as a status mark ('*', '!'), a code ("(...)") or a second date ('='). Texts from the book
// are changed just enough that they read back as the same words.

#include <string>
#include <string_view>
#include <vector>

namespace coinest {

// Stands for a category or asset name that is empty.
inline constexpr char kUnnamedAccountPart[] = "미지정";

// One part of an account name: runs of spaces (the Unicode space separators too, U+3000 among
// them) and control characters become one space, the ends are trimmed, ':' becomes '：'
// (U+FF1A); an empty result is kUnnamedAccountPart.
std::string journalAccountPart(std::string_view text);

// A transaction's description: control characters become spaces, ';' becomes '；' (U+FF1B), the
// ends are trimmed, and a leading '*', '!', '(' or '=' becomes its full-width form.
std::string journalDescription(std::string_view text);

// The lines of a note, split at CR LF, CR or LF, each with its other control characters as
// spaces, ':' as '：' and '[' ']' as '［' '］', so that no word of a note is read as a tag
// ("name:" or ":name:") nor a bracketed word as a date ("[3/5]" would move the transaction).
// None for an empty note.
std::vector<std::string> journalNoteLines(std::string_view note);

// The columns a text takes in a fixed-width font: two for a wide character (Hangul, CJK,
// full-width forms), one for any other character or for a byte that is not UTF-8.
std::size_t displayWidth(std::string_view text);

}  // namespace coinest
