#pragma once

// An RFC 4180 reader for the tests: reads back what the export writes, independently of how it
// was written, and says where the text breaks the grammar.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace coinest::testing {

using CsvRecord = std::vector<std::string>;

struct CsvRead {
  std::vector<CsvRecord> records;
  std::string error;  // empty when the whole text was read
};

// Reads records that each end with CRLF. A quoted field may hold commas, CR, LF and doubled
// quotes; a quote inside a plain field, a bare CR or LF outside quotes, an unclosed quote or a
// last record without its CRLF is an error.
CsvRead readCsv(std::string_view text);

}  // namespace coinest::testing
