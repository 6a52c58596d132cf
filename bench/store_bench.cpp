// Speed of the store on a large book: 100,000 entries, ten a day over about 27 years, so a
// month holds about 300 entries.

#include <benchmark/benchmark.h>
#include <stdlib.h>

#include <filesystem>
#include <random>

#include "calendar/date_text.h"
#include "calendar/day_number.h"
#include "store/book_tables.h"
#include "store/record_layout.h"
#include "store/table_catalogue.h"
#include "support/record_builders.h"
#include "support/require_ok.h"

namespace coinest {
namespace {

constexpr int kEntries = 100000;
constexpr int kPerDay = 10;

class LargeBook {
 public:
  LargeBook() {
    std::string pattern = (std::filesystem::temp_directory_path() / "coinest-bench-XXXXXX").string();
    dir_ = mkdtemp(pattern.data());
    file_ = dir_ / "objectstore.sqlite3";
    BookOpenResult book = openBook(file_, clock_);
    ObjectStore& store = *book.store;
    TransactionGuard tx(store);
    TableHandle books = store.openTable(kBooksTable, 0);
    for (int i = 0; i < kEntries; ++i) {
      const DateTime d = addDays(2000, 1, 1, i / kPerDay);
      const LedgerEntry e = testing::makeEntry({.id = 10001 + i,
                                                .date = formatDateText(d.year, d.month, d.day),
                                                .kind = i % 7 == 0 ? kIncomeKind : kExpenseKind,
                                                .major = "식비",
                                                .minor = i % 3 == 0 ? "외식" : "부식",
                                                .content = "점심 " + std::to_string(i),
                                                .amount = 1000 + i % 50000});
      books.writeRecord(propsOf(e));
    }
    books.close();
    requireOk(tx.commit());
  }
  ~LargeBook() {
    std::error_code ec;
    std::filesystem::remove_all(dir_, ec);
  }

  const std::filesystem::path& file() const { return file_; }
  const Clock& clock() const { return clock_; }

 private:
  std::filesystem::path dir_;
  std::filesystem::path file_;
  FixedDateClock clock_{2007, 3, 5};
};

LargeBook& largeBook() {
  static LargeBook book;
  return book;
}

void BM_OpenBook(benchmark::State& state) {
  LargeBook& book = largeBook();
  for (auto _ : state) {
    BookOpenResult opened = openBook(book.file(), book.clock());
    benchmark::DoNotOptimize(opened.store.get());
  }
}
BENCHMARK(BM_OpenBook)->Unit(benchmark::kMillisecond);

// The walk of one month's entries by date, reading every record.
void BM_MonthWalk(benchmark::State& state) {
  LargeBook& book = largeBook();
  BookOpenResult opened = openBook(book.file(), book.clock());
  ObjectStore& store = *opened.store;
  int month = 0;
  std::size_t read = 0;
  for (auto _ : state) {
    const int year = 2001 + month / 12 % 20;
    const int m = 1 + month % 12;
    ++month;
    const std::string first = formatDateText(year, m, 1);
    const std::string last = formatDateText(year, m, daysInMonth(year, m));
    TableHandle t = store.openTable(kBooksTable, makePropId(2, PropType::Text));
    std::vector<LedgerEntry> entries;
    for (RecordId r = t.seek(SeekMode::SeekAtLeast, first); r != 0; r = t.seek(SeekMode::SeekFromCurrent, 1)) {
      LedgerEntry e;
      readRecord(t, e);
      if (e.entryDate > last) break;
      entries.push_back(std::move(e));
    }
    read += entries.size();
  }
  state.counters["entries"] = benchmark::Counter(static_cast<double>(read) / static_cast<double>(state.iterations()));
}
BENCHMARK(BM_MonthWalk)->Unit(benchmark::kMicrosecond);

// Reading one entry by id: open, seek, check the key, read, close.
void BM_FindEntryById(benchmark::State& state) {
  LargeBook& book = largeBook();
  BookOpenResult opened = openBook(book.file(), book.clock());
  ObjectStore& store = *opened.store;
  std::mt19937 random(7);
  std::uniform_int_distribution<int32_t> ids(10001, 10000 + kEntries);
  for (auto _ : state) {
    const int32_t id = ids(random);
    TableHandle t = store.openTable(kBooksTable, kIdKey);
    t.seek(SeekMode::SeekFromFirst, 0);
    LedgerEntry e;
    if (t.seek(SeekMode::SeekFirstEqual, id) != 0) readRecord(t, e);
    if (e.entryId != id) state.SkipWithError("entry not found");
    benchmark::DoNotOptimize(e);
  }
}
BENCHMARK(BM_FindEntryById)->Unit(benchmark::kMicrosecond);

// One entry written in its own transaction, synced to disk before it returns.
void BM_DurableWrite(benchmark::State& state) {
  LargeBook& book = largeBook();
  BookOpenResult opened = openBook(book.file(), book.clock());
  ObjectStore& store = *opened.store;
  int32_t id = 900000;
  LedgerEntry e = testing::makeEntry({.content = "durable", .amount = 1});
  for (auto _ : state) {
    e.entryId = ++id;
    TableHandle t = store.openTable(kBooksTable, 0);
    if (t.writeRecord(propsOf(e)) == 0) state.SkipWithError("write failed");
  }
  // Leave the book as it was for the other benchmarks.
  TransactionGuard tx(store);
  TableHandle t = store.openTable(kBooksTable, kIdKey);
  for (RecordId r = t.seek(SeekMode::SeekAtLeast, 900001); r != 0; r = t.seek(SeekMode::SeekFromCurrent, 1)) {
    t.deleteRecord(r);
  }
  t.close();
  requireOk(tx.commit());
}
BENCHMARK(BM_DurableWrite)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace coinest
