#include "bench_book.h"

#include <stdlib.h>

#include <cstdlib>

#include "calendar/date_text.h"
#include "calendar/day_number.h"
#include "ledger/entry_rules.h"
#include "platform/device_root.h"
#include "store/id_counters.h"
#include "store/reserved_names.h"
#include "support/record_builders.h"
#include "support/require_ok.h"

namespace coinest::bench {

namespace {

constexpr int kEntries = 100000;
constexpr int kDays = 3653;  // 2000-01-01 to 2009-12-31

void build(ViewBenchBook& b) {
  std::string pattern = (std::filesystem::temp_directory_path() / "coinest-viewbench-XXXXXX").string();
  b.root = mkdtemp(pattern.data());
  b.clock = std::make_unique<FixedDateClock>(2009, 12, 31);
  b.opened = openBook(objectStoreFilePath(b.root), *b.clock);
  b.book = std::make_unique<Book>(Book{*b.opened.store, *b.clock});
  Book& book = *b.book;

  TransactionGuard tx(book.store);
  b.accounts = {testing::addNewAsset(book, {.name = "salary", .balance = 1000000}).assetId,
                testing::addNewAsset(book, {.name = "savings", .balance = 1000000}).assetId};
  const int32_t check =
      testing::addNewAsset(book, {.kind = kCheckCardKind, .name = "check", .linkOrPayDay = b.accounts[0]}).assetId;
  // Billing periods: last month's 1st to its last day; 26th two months back to the 25th last month; ...
  const int32_t periods[5][4] = {{2, 1, 2, 32}, {1, 26, 2, 25}, {2, 15, 3, 14}, {2, 1, 2, 32}, {0, 0, 0, 0}};
  const char* names[5] = {"card-a", "card-b", "card-c", "card-d", "card-e"};
  for (int i = 0; i < 5; ++i) {
    b.creditCards.push_back(testing::addNewAsset(book, {.kind = kCreditCardKind,
                                                        .name = names[i],
                                                        .periodFromMonth = periods[i][0],
                                                        .periodFromDay = periods[i][1],
                                                        .periodToMonth = periods[i][2],
                                                        .periodToDay = periods[i][3],
                                                        .linkOrPayDay = 25,
                                                        .balance = 1000000})
                                .assetId);
  }

  const char* expenseMajors[] = {"식비", "주거/통신", "생활용품", "교통/차량", "문화생활비"};
  const char* expenseMinors[] = {"외식", "전기요금", "가사", "대중교통", "영화"};
  for (int i = 0; i < kEntries; ++i) {
    const DateTime d = addDays(2000, 1, 1, static_cast<int>(static_cast<long>(i) * kDays / kEntries));
    const int shape = i % 20;
    LedgerEntry e = testing::makeEntry({.id = *takeId(book.store, CounterNo::Entry),
                                        .date = formatDateText(d.year, d.month, d.day),
                                        .kind = shape == 0   ? kIncomeKind
                                                : shape == 1 ? kTransferKind
                                                             : kExpenseKind,
                                        .content = "entry " + std::to_string(i % 977),
                                        .amount = 1000 + (i * 7919) % 200000});
    if (shape == 0) {
      e.assetId = shape % 2 == 0 ? b.accounts[0] : 0;
    } else if (shape == 1) {
      e.minorItem = kCashWithdrawalMinor;
      e.assetId = b.accounts[0];
    } else {
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
      // COINEST_KEEP_BENCH_BOOK keeps it, to look at it with the programs (printed on stderr).
      if (std::getenv("COINEST_KEEP_BENCH_BOOK") != nullptr) {
        std::fprintf(stderr, "the large book stays in %s\n", book.root.c_str());
        return;
      }
      std::error_code ec;
      std::filesystem::remove_all(book.root, ec);
    });
  }
  return book;
}

}  // namespace coinest::bench
