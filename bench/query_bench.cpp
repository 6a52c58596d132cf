// The card statement and the books query on the large view book.

#include <benchmark/benchmark.h>

#include "bench_book.h"
#include "dialogs/query_books.h"
#include "ledger/card_statement.h"

namespace coinest::bench {
namespace {

// Every credit card for the book's last month (the statement the page opens on); the card without
// a billing period reads the month itself.
void BM_CardStatementAllCards(benchmark::State& state) {
  ViewBenchBook& b = viewBenchBook();
  const int month = static_cast<int>(state.range(0));
  const DateRange fallback{"2009-" + std::string(month < 10 ? "0" : "") + std::to_string(month) + "-01",
                           "2009-" + std::string(month < 10 ? "0" : "") + std::to_string(month) + "-31"};
  std::size_t lines = 0;
  for (auto _ : state) lines = buildCardStatement(*b.book, 2009, month, 0, fallback).lines.size();
  state.counters["lines"] = static_cast<double>(lines);
}
BENCHMARK(BM_CardStatementAllCards)->Arg(12)->Arg(6)->Unit(benchmark::kMillisecond);

// Every credit card for the book's first month (2000-01) and its last (2009-12), side by side:
// the first leaves ten years of purchases to come. The card without a billing period reads the
// statement month itself, or (page 1) the query's range as the page starts with it, the clock's
// month, far from the first month's periods.
void BM_CardStatementFirstAndLastMonth(benchmark::State& state) {
  ViewBenchBook& b = viewBenchBook();
  const int year = static_cast<int>(state.range(0));
  const int month = static_cast<int>(state.range(1));
  const bool pageRange = state.range(2) != 0;
  const std::string statementMonth = std::to_string(year) + (month < 10 ? "-0" : "-") + std::to_string(month);
  const DateRange fallback =
      pageRange ? DateRange{"2009-12-01", "2009-12-31"} : DateRange{statementMonth + "-01", statementMonth + "-31"};
  std::size_t lines = 0;
  TotalAmount toCome = 0;
  for (auto _ : state) {
    const CardStatement statement = buildCardStatement(*b.book, year, month, 0, fallback);
    lines = statement.lines.size();
    toCome = statement.toCome;
  }
  state.counters["lines"] = static_cast<double>(lines);
  state.counters["tocome"] = static_cast<double>(toCome);
}
BENCHMARK(BM_CardStatementFirstAndLastMonth)
    ->ArgNames({"year", "month", "page"})
    ->Args({2000, 1, 0})
    ->Args({2009, 12, 0})
    ->Args({2000, 1, 1})
    ->Args({2009, 12, 1})
    ->Unit(benchmark::kMillisecond);

// One year of entries: read afresh (queryReread set, as after a criteria change) and, separately,
// only filtered again (another code over the rows already read).
void BM_BooksQueryYear(benchmark::State& state) {
  ViewBenchBook& b = viewBenchBook();
  BooksCriteria criteria;
  criteria.queryFrom = "2008-01-01";
  criteria.queryTo = "2008-12-31";
  criteria.filterCode = "2";
  criteria.majorFilter = "식비";
  const bool reread = state.range(0) != 0;
  QueryRowCache cache;
  std::size_t rows = buildBooksQuery(*b.book, criteria, cache).rows.size();
  for (auto _ : state) {
    if (reread) cache.invalidate();
    rows = buildBooksQuery(*b.book, criteria, cache).rows.size();
  }
  state.counters["rows"] = static_cast<double>(rows);
  state.counters["read"] = static_cast<double>(cache.rows.size());
}
BENCHMARK(BM_BooksQueryYear)->ArgName("reread")->Arg(1)->Arg(0)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace coinest::bench
