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
