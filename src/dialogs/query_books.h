#pragma once

// The books query (장부 조회): the entries of a period that pass the filter code, the category
// and the asset filters, with their income and expense totals and the page's field group.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "dialogs/query_criteria.h"
#include "dialogs/query_rows.h"
#include "ledger/entry_row.h"
#include "ledger/total_amount.h"
#include "store/book.h"

namespace coinest {

struct BooksQueryView {
  std::vector<EntryListRow> rows;     // by date, kind, entry id
  std::optional<std::size_t> selected;  // the row of the remembered entry, when listed
  TotalAmount income = 0;             // the listed income entries
  TotalAmount expense = 0;            // the listed expense entries; transfers count in neither
  // The field group below the list.
  std::string fromText;               // queryFrom
  std::string toText;                 // "~ " and queryTo
  std::string codeName;
  std::string assetText;
  std::string majorText;              // empty for codes listing every category
  std::string minorText;              // empty too when the major is "전체"
  std::string incomeText;
  std::string expenseText;
};

// Reads the entries of [queryFrom, queryTo] into `cache` when it needs a read (and clears its
// `queryReread`), otherwise refilters what it holds. The content carries its means prefix and
// reservation mark; an income shows "+", an expense "-", a transfer no sign.
BooksQueryView buildBooksQuery(Book& book, const BooksCriteria& criteria, QueryRowCache& cache,
                               int32_t rememberedEntryId = 0);

}  // namespace coinest
