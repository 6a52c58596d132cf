#include "export/csv_reader.h"

namespace coinest::testing {

CsvRead readCsv(std::string_view text) {
  CsvRead read;
  CsvRecord record;
  std::string field;
  std::size_t i = 0;
  auto fail = [&](const std::string& why) {
    read.error = why + " at byte " + std::to_string(i);
    return read;
  };
  while (i < text.size()) {
    if (text[i] == '"') {
      ++i;
      for (;;) {
        if (i >= text.size()) return fail("unclosed quote");
        if (text[i] == '"') {
          if (i + 1 < text.size() && text[i + 1] == '"') {
            field += '"';
            i += 2;
            continue;
          }
          ++i;
          break;
        }
        field += text[i++];
      }
    } else {
      while (i < text.size() && text[i] != ',' && text[i] != '\r' && text[i] != '\n') {
        if (text[i] == '"') return fail("quote inside a plain field");
        field += text[i++];
      }
    }
    if (i >= text.size()) return fail("record without CRLF");
    if (text[i] == ',') {
      record.push_back(std::move(field));
      field.clear();
      ++i;
      continue;
    }
    if (text.substr(i, 2) != "\r\n") return fail("a field ends without a comma or CRLF");
    record.push_back(std::move(field));
    field.clear();
    read.records.push_back(std::move(record));
    record.clear();
    i += 2;
  }
  return read;
}

}  // namespace coinest::testing
