#include "require_ok.h"
#include "bench_book.h"

#include <stdlib.h>

#include <cstdlib>

#include "calendar/date_text.h"
#include "calendar/day_number.h"
#include "ledger/entry_rules.h"
#include "platform/device_root.h"
#include "store/asset_table.h"
#include "store/id_counters.h"

namespace coinest::bench {

namespace {

constexpr int kEntries = 100000;
constexpr int kDays = 3653;  // 2000-01-01 to 2009-12-31

Asset makeAsset(Book& book, const char* kind, const char* name, int32_t fromMonth, int32_t fromDay, int32_t toMonth,
                int32_t toDay, int32_t linkOrPayDay) {
  Asset a;
  a.assetId = *takeId(book.store, CounterNo::Reservation);
  a.assetKind = kind;
  a.assetName = name;
  a.company = std::string(name) + " company";
  a.holder = "holder";
  a.periodFromMonth = fromMonth;
  a.periodFromDay = fromDay;
  a.periodToMonth = toMonth;
  a.periodToDay = toDay;
  a.linkOrPayDay = linkOrPayDay;
  a.balance = 1000000;
  requireOk(addAsset(book, a));
  return a;
}

void build(ViewBenchBook& b) {
  std::string pattern = (std::filesystem::temp_directory_path() / "coinest-viewbench-XXXXXX").string();
  b.root = mkdtemp(pattern.data());
  b.clock = std::make_unique<FixedDateClock>(2009, 12, 31);
  b.opened = openBook(objectStoreFilePath(b.root), *b.clock);
  b.book = std::make_unique<Book>(Book{*b.opened.store, *b.clock});
  Book& book = *b.book;

  TransactionGuard tx(book.store);
  b.accounts = {makeAsset(book, "1", "salary", 0, 0, 0, 0, 0).assetId,
                makeAsset(book, "1", "savings", 0, 0, 0, 0, 0).assetId};
  const int32_t check = makeAsset(book, "6", "check", 0, 0, 0, 0, b.accounts[0]).assetId;
  // Billing periods: last month's 1st to its last day; 26th two months back to the 25th last month; ...
  const int32_t periods[5][4] = {{2, 1, 2, 32}, {1, 26, 2, 25}, {2, 15, 3, 14}, {2, 1, 2, 32}, {0, 0, 0, 0}};
  const char* names[5] = {"card-a", "card-b", "card-c", "card-d", "card-e"};
  for (int i = 0; i < 5; ++i) {
    b.creditCards.push_back(
        makeAsset(book, "2", names[i], periods[i][0], periods[i][1], periods[i][2], periods[i][3], 25).assetId);
  }

  const char* expenseMajors[] = {"식비", "주거/통신", "생활용품", "교통/차량", "문화생활비"};
  const char* expenseMinors[] = {"외식", "전기요금", "가사", "대중교통", "영화"};
  for (int i = 0; i < kEntries; ++i) {
    const DateTime d = addDays(2000, 1, 1, static_cast<int>(static_cast<long>(i) * kDays / kEntries));
    LedgerEntry e;
    e.entryId = *takeId(book.store, CounterNo::Entry);
    e.entryDate = formatDateText(d.year, d.month, d.day);
    e.content = "entry " + std::to_string(i % 977);
    e.amount = 1000 + (i * 7919) % 200000;
    e.cardFlag = "N";
    const int shape = i % 20;
    if (shape == 0) {
      e.entryKind = "1";
      e.majorItem = "고정수입";
      e.minorItem = "급여";
      e.assetId = shape % 2 == 0 ? b.accounts[0] : 0;
    } else if (shape == 1) {
      e.entryKind = "3";
      e.majorItem = "현금";
      e.minorItem = "현금 인출";
      e.assetId = b.accounts[0];
    } else {
      e.entryKind = "2";
      e.majorItem = expenseMajors[i % 5];
      e.minorItem = expenseMinors[i % 5];
      if (shape < 9) {
        e.cardFlag = "Y";
        e.assetId = b.creditCards[i % 5];
        e.instalments = shape == 2 ? 3 : shape == 3 ? 12 : 1;
      } else if (shape < 12) {
        e.assetId = check;
        e.checkCardFlag = "Y";
      } else if (shape < 14) {
        e.assetId = b.accounts[1];
      }
    }
    requireOk(addEntry(book, e));
  }
  requireOk(tx.commit());
}

}  // namespace

ViewBenchBook& viewBenchBook() {
  static ViewBenchBook book;
  static bool built = false;
  if (!built) {
    built = true;
    build(book);
    std::atexit([] {
      book.book.reset();
      book.opened.store.reset();
      std::error_code ec;
      std::filesystem::remove_all(book.root, ec);
    });
  }
  return book;
}

}  // namespace coinest::bench
