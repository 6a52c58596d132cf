#pragma once

// Writing comma-separated text as RFC 4180 has it, for a spreadsheet to open:
//
//   file   = row *row
//   row    = field *("," field) CRLF
//   field  = plain / quoted
//   plain  = any bytes but "," DQUOTE CR LF
//   quoted = DQUOTE *(any byte but DQUOTE / 2DQUOTE) DQUOTE
//
// A field is quoted only when it holds a comma, a double quote, CR or LF.

#include <span>
#include <string>
#include <string_view>

namespace coinest {

// Leads a UTF-8 file so that a spreadsheet reads its Korean text as UTF-8.
inline constexpr std::string_view kUtf8ByteOrderMark = "\xEF\xBB\xBF";
inline constexpr std::string_view kCsvRowEnd = "\r\n";

// `text` as one field: as it is, or quoted with its double quotes doubled.
std::string csvField(std::string_view text);

// Appends the fields, separated by commas, and ends the row with CRLF.
void appendCsvRow(std::string& out, std::span<const std::string> fields);

// A spreadsheet runs a cell that starts with =, +, - or @ as a formula (a TAB or CR in front is
// skipped on the way there), so a text from the book such as "=HYPERLINK(...)" would run when the
// file is opened. Such a text gets a leading apostrophe, which the spreadsheet shows as text;
// every other text is returned as it is.
std::string spreadsheetSafeText(std::string_view text);

}  // namespace coinest
