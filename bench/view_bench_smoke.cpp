// Reading one month of the large view book: the base of every view benchmark.

#include <benchmark/benchmark.h>

#include "bench_book.h"
#include "store/entry_table.h"

namespace coinest::bench {
namespace {

void BM_LargeBookMonthRead(benchmark::State& state) {
  ViewBenchBook& b = viewBenchBook();
  std::size_t count = 0;
  for (auto _ : state) count = entriesInRange(*b.book, "2005-06-01", "2005-06-30").size();
  state.counters["entries"] = static_cast<double>(count);
}
BENCHMARK(BM_LargeBookMonthRead)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace coinest::bench
