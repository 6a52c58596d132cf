// The books page's views on the large view book (about 830 entries a month). Target: a month
// view under 2 ms.

#include <benchmark/benchmark.h>

#include "bench_book.h"
#include "ledger/book_view.h"

namespace coinest::bench {
namespace {

// A month view as after a save or a move to another month: the read is made afresh.
void BM_BookMonthView(benchmark::State& state) {
  ViewBenchBook& b = viewBenchBook();
  std::size_t rows = 0;
  for (auto _ : state) {
    BookReadCache cache;
    rows = buildBookView(*b.book, cache, {"2005-06-15", BookViewMode::Month, 0}).rows.size();
  }
  state.counters["rows"] = static_cast<double>(rows);
}
BENCHMARK(BM_BookMonthView)->Unit(benchmark::kMicrosecond);

// A new current date in the same month view: the read is reused.
void BM_BookMonthViewReusedRead(benchmark::State& state) {
  ViewBenchBook& b = viewBenchBook();
  BookReadCache cache;
  std::size_t rows = 0;
  for (auto _ : state) rows = buildBookView(*b.book, cache, {"2005-06-20", BookViewMode::Month, 0}).rows.size();
  state.counters["rows"] = static_cast<double>(rows);
}
BENCHMARK(BM_BookMonthViewReusedRead)->Unit(benchmark::kMicrosecond);

void BM_BookWeekView(benchmark::State& state) {
  ViewBenchBook& b = viewBenchBook();
  std::size_t rows = 0;
  for (auto _ : state) {
    BookReadCache cache;
    rows = buildBookView(*b.book, cache, {"2005-06-15", BookViewMode::Week, 0}).rows.size();
  }
  state.counters["rows"] = static_cast<double>(rows);
}
BENCHMARK(BM_BookWeekView)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace coinest::bench
