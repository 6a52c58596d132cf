// Exporting the large view book (100,000 entries over ten years) in both formats, as the window's
// 내보내기 and `coinest-cli export` do: one snapshot read, the whole text built in memory.

#include <benchmark/benchmark.h>

#include "bench_book.h"
#include "export/export_file.h"

namespace coinest::bench {
namespace {

void BM_ExportWholeBook(benchmark::State& state) {
  ViewBenchBook& b = viewBenchBook();
  const auto format = state.range(0) == 0 ? ExportFormat::Csv : ExportFormat::Journal;
  std::size_t bytes = 0;
  for (auto _ : state) {
    const ExportResult result = exportText(*b.book, format, {});
    bytes = result.text.size();
    benchmark::DoNotOptimize(result.text.data());
  }
  state.SetLabel(format == ExportFormat::Csv ? "csv" : "journal");
  state.counters["MB"] = static_cast<double>(bytes) / 1e6;
}
BENCHMARK(BM_ExportWholeBook)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace coinest::bench
