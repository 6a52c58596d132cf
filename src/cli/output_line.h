#pragma once

// What coinest-cli prints: one item a line, fields separated by one TAB. A text from the book or
// a message may hold a TAB, CR or LF of its own; written as they are, they would split or add
// lines that a reader of the output takes for items. So inside every printed text they are
// written as the two characters \t, \r and \n, and a backslash as \\.

#include <initializer_list>
#include <ostream>
#include <string>
#include <string_view>

namespace coinest::cli {

// `text` with TAB, CR, LF and backslash written as \t, \r, \n and \\; every other byte as it is.
std::string escapedText(std::string_view text);

// Prints the fields escaped, separated by TAB, and ends the line.
void printLine(std::ostream& out, std::initializer_list<std::string_view> fields);

}  // namespace coinest::cli
