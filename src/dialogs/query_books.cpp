#include "dialogs/query_books.h"

#include "calendar/amount.h"
#include "dialogs/query_filter.h"
#include "store/entry_kind.h"
#include "store/entry_table.h"

namespace coinest {

namespace {

QueryRow booksRow(const LedgerEntry& e) {
  const TotalAmount amount = e.entryKind == kExpenseKind ? -TotalAmount{e.amount} : TotalAmount{e.amount};
  // A transfer has no direction in the books query.
  const std::string text = e.entryKind == kTransferKind ? formatTotalAmount(amount) : formatSignedTotalAmount(amount);
  return QueryRow{e, entryRowContent(e), amount, text};
}

}  // namespace

BooksQueryView buildBooksQuery(Book& book, const BooksCriteria& criteria, QueryRowCache& cache,
                               int32_t rememberedEntryId) {
  const QueryReadKey key{criteria.queryFrom, criteria.queryTo, 0};
  if (cache.needsRead(key)) {
    cache.rows.clear();
    for (const LedgerEntry& e : entriesInRange(book, criteria.queryFrom, criteria.queryTo)) {
      cache.rows.push_back(booksRow(e));
    }
    sortQueryRows(cache.rows);
    cache.key = key;
    cache.queryReread = false;
  }

  BooksQueryView view;
  for (const QueryRow& row : cache.rows) {
    if (!passesBooksFilter(row.entry, criteria)) continue;
    if (row.entry.entryId == rememberedEntryId && rememberedEntryId != 0) view.selected = view.rows.size();
    view.rows.push_back({rowDateText(row.entry.entryDate), row.content, row.amountText, row.entry.entryId});
    if (row.entry.entryKind == kIncomeKind) view.income += row.signedAmount;
    if (row.entry.entryKind == kExpenseKind) view.expense -= row.signedAmount;
  }

  view.fromText = criteria.queryFrom;
  view.toText = "~ " + criteria.queryTo;
  view.codeName = std::string(filterCodeName(criteria.filterCode));
  view.assetText = criteria.assetText;
  if (usesCategoryFilter(criteria.filterCode)) {
    view.majorText = criteria.majorFilter;
    if (criteria.majorFilter != kAnyCategory) view.minorText = criteria.minorFilter;
  }
  view.incomeText = formatTotalAmount(view.income);
  view.expenseText = formatTotalAmount(view.expense);
  return view;
}

}  // namespace coinest
