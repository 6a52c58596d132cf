#pragma once

// The book as a spreadsheet file: UTF-8 with a byte-order mark, CRLF rows (csv_text.h), a header
// row, then one row per entry in date order (entries of one date in the order written). An
// instalment purchase is one row; its instalment rows are not repeated.
//
// Columns: 일자, 구분 (수입, 지출, 카드지출, 이체), 대항목, 소항목, 내용, 금액 (a plain whole
// number), 결제수단 (이체, 휴대폰, 카드, 체크카드, 계좌, 현금), 자산 (the asset's text; a
// transfer's "from → to"; empty for cash), 할부 (card expenses: 일시불 or "<n>개월"), 메모, ID.
// Texts from the book, a kind shown as stored among them, go through spreadsheetSafeText.

#include <string>
#include <vector>

#include "export/export_source.h"
#include "store/records.h"

namespace coinest {

inline constexpr char kCsvHeader[] = "일자,구분,대항목,소항목,내용,금액,결제수단,자산,할부,메모,ID";

// The eleven fields of one entry's row, before quoting.
std::vector<std::string> csvFieldsOf(const LedgerEntry& entry, const ExportAssets& assets);

// The whole file for the entries and assets given.
std::string csvText(const ExportSource& source);

}  // namespace coinest
