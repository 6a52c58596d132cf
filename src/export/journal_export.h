#pragma once

// The book as a plain-text double-entry journal that the common plain-text accounting tools read
// and check strictly:
//
//   journal = "; Coinest 가계부 내보내기 " RANGE LF "commodity KRW" LF LF "tag id" LF LF
//             5("account " TOP LF "    ; type: " T LF) *("account " ACCOUNT LF)
//             *(LF transaction)
//
// The tops are 자산 A, 부채 L, 자본 E, 수입 R, 지출 X; then every account the transactions use,
// sorted. One transaction per entry (journal_entry.h) in date order, entries of one date in the
// order written, except the monthly cash carry-over, which comes first on its date. The
// carry-over is written as what the book means by it, the cash the month starts with: an
// assertion that cash then holds the carried amount, with the difference D to the cash the
// journal holds just before it taken from equity:
//
//   2007-03-01 전월이월  ; id: 17
//       자산:현금          D KRW = <amount> KRW
//       자본:전월이월      -D KRW
//
// Over a whole book D is usually 0; a range that starts mid-book opens its cash this way.

#include <string>

#include "export/export_range.h"
#include "export/export_source.h"

namespace coinest {

// The whole file for the entries and assets given; `range` names what it covers in the first line.
std::string journalText(const ExportSource& source, const ExportRange& range);

}  // namespace coinest
