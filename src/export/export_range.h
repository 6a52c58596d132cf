#pragma once

// What an export covers and how it is written. An export reads the book and writes a file for
// other programs; it changes no table.

#include <optional>
#include <string>

#include "calendar/date_text.h"

namespace coinest {

enum class ExportFormat {
  Csv,      // for spreadsheets
  Journal,  // plain-text double-entry journal
};

// The dates an export covers, both inclusive; a missing end leaves the range open on that side.
struct ExportRange {
  std::optional<DateText> first;
  std::optional<DateText> last;
};

// Why an export cannot cover the range: "시작일이 종료일보다 늦습니다" when its first date comes
// after its last; nothing for a range it can cover. The dates are "YYYY-MM-DD", so their text
// order is their date order.
std::optional<std::string> exportRangeRefusal(const ExportRange& range);

// "전체" for a range open on both sides, else "FIRST~LAST" with an open side left empty
// ("2007-03-01~", "~2007-03-31").
std::string exportRangeText(const ExportRange& range);

}  // namespace coinest
