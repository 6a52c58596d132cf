// Speed of the book's writes: one entry saved, one posting run.

#include <benchmark/benchmark.h>
#include <stdlib.h>

#include <filesystem>

#include "exchange/change_file.h"
#include "ledger/entry_rules.h"
#include "ledger/reservation_posting.h"
#include "platform/device_root.h"
#include "store/asset_table.h"
#include "store/book_tables.h"
#include "store/entry_table.h"
#include "store/id_counters.h"
#include "store/posting_date.h"
#include "store/reservation_tables.h"
#include "support/record_builders.h"
#include "support/require_ok.h"

namespace coinest {
namespace {

// A new book in its own temporary root, with exchange on so change files are written too.
class BenchBook {
 public:
  explicit BenchBook(FixedDateClock clock) : clock_(clock) {
    std::string pattern = (std::filesystem::temp_directory_path() / "coinest-bench-XXXXXX").string();
    root_ = mkdtemp(pattern.data());
    folder_ = root_ / "Windows" / "Activesync";
    std::filesystem::create_directories(folder_);
    opened_ = openBook(objectStoreFilePath(root_), clock_);
    writer_ = std::make_unique<ChangeFileWriter>(folder_);
    book_ = std::make_unique<Book>(Book{*opened_.store, clock_});
    book_->changes = writer_.get();
    book_->modes.exchangeEnabled = true;
  }
  ~BenchBook() {
    book_.reset();
    opened_.store.reset();
    std::error_code ec;
    std::filesystem::remove_all(root_, ec);
  }

  Book& book() { return *book_; }
  FixedDateClock& clock() { return clock_; }

 private:
  FixedDateClock clock_;
  std::filesystem::path root_;
  std::filesystem::path folder_;
  BookOpenResult opened_;
  std::unique_ptr<ChangeFileWriter> writer_;
  std::unique_ptr<Book> book_;
};

// An account expense: the entry record, the account's new balance and the change file, committed.
void BM_AddAccountExpense(benchmark::State& state) {
  BenchBook bench(FixedDateClock{2007, 3, 5});
  Book& book = bench.book();
  const Asset account = testing::addNewAsset(book, {.balance = 1000000});
  LedgerEntry e = testing::makeEntry({.content = "점심", .amount = 7000, .assetId = account.assetId});
  for (auto _ : state) {
    e.entryId = *newEntryId(book);
    requireOk(addEntry(book, e));
  }
}
BENCHMARK(BM_AddAccountExpense)->Unit(benchmark::kMillisecond);

// 50 reservations posted over three months: 150 entries and links in one run.
void BM_PostingRunThreeMonths(benchmark::State& state) {
  for (auto _ : state) {
    state.PauseTiming();
    BenchBook bench(FixedDateClock{2007, 1, 1});
    Book& book = bench.book();
    for (int i = 0; i < 50; ++i) {
      requireOk(addReservation(book, testing::makeReservation({.id = *takeId(book.store, CounterNo::Reservation),
                                                               .dayOfMonth = 1 + i % 31,
                                                               .content = "reservation " + std::to_string(i),
                                                               .amount = 10000 + i})));
    }
    bench.clock() = FixedDateClock{2007, 3, 31};
    state.ResumeTiming();
    requireOk(postDueReservations(book));
    state.PauseTiming();
    if (entriesInRange(book, "2007-01-01", "2007-03-31").size() != 150) state.SkipWithError("not 150 entries");
    state.ResumeTiming();
  }
}
BENCHMARK(BM_PostingRunThreeMonths)->Unit(benchmark::kMillisecond)->Iterations(5);

}  // namespace
}  // namespace coinest
