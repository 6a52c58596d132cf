// The settlement of one month on the large view book (about 830 entries a month), twelve months
// for the statistics window, and a whole `coinest-cli settle` run, process start to exit, on a copy of that book.

#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <spawn.h>
#include <stdlib.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "bench_book.h"
#include "ledger/income_expense_trend.h"
#include "ledger/settlement.h"
#include "ledger/settlement_cache.h"

extern char** environ;

namespace coinest::bench {
namespace {

void BM_SettlementMonth(benchmark::State& state) {
  ViewBenchBook& b = viewBenchBook();
  const int startDay = static_cast<int>(state.range(0));
  std::size_t rows = 0;
  for (auto _ : state) {
    const Settlement s = settleMonth(*b.book, {2005, 6}, startDay, {false, true});
    rows = s.rows.size();
    benchmark::DoNotOptimize(s.totals.expense);
  }
  state.counters["rows"] = static_cast<double>(rows);
}
BENCHMARK(BM_SettlementMonth)->Arg(1)->Arg(25)->Unit(benchmark::kMicrosecond);

// Switching the minor rows on and off: the page reuses its read.
void BM_SettlementFromKeptRead(benchmark::State& state) {
  ViewBenchBook& b = viewBenchBook();
  SettlementCache cache;
  bool minors = false;
  for (auto _ : state) {
    minors = !minors;
    const Settlement s = settlementView(cache.tally(*b.book, {2005, 6}, 1), {false, minors});
    benchmark::DoNotOptimize(s.totals.expense);
  }
}
BENCHMARK(BM_SettlementFromKeptRead)->Unit(benchmark::kMicrosecond);

// The statistics window's year: twelve settlement months read one after another.
void BM_IncomeExpenseTrend(benchmark::State& state) {
  ViewBenchBook& b = viewBenchBook();
  for (auto _ : state) {
    const IncomeExpenseTrend trend = incomeExpenseTrend(*b.book, {2005, 6}, 1);
    benchmark::DoNotOptimize(trend.expense);
  }
}
BENCHMARK(BM_IncomeExpenseTrend)->Unit(benchmark::kMillisecond);

// The tool: $COINEST_CLI, else coinest-cli of the same build tree.
std::filesystem::path cliBinary() {
  if (const char* env = std::getenv("COINEST_CLI")) return env;
  std::error_code ec;
  const auto self = std::filesystem::read_symlink("/proc/self/exe", ec);
  return self.parent_path().parent_path() / "src" / "coinest-cli";
}

void BM_SettleCommandProcess(benchmark::State& state) {
  ViewBenchBook& b = viewBenchBook();
  const std::filesystem::path binary = cliBinary();
  if (!std::filesystem::exists(binary)) {
    state.SkipWithError("coinest-cli not found (set COINEST_CLI)");
    return;
  }
  // A copy of the book: the database and its log; SQLite rebuilds the shared index on open.
  std::string pattern = (std::filesystem::temp_directory_path() / "coinest-settlebench-XXXXXX").string();
  const std::filesystem::path root = mkdtemp(pattern.data());
  for (const char* name : {"objectstore.sqlite3", "objectstore.sqlite3-wal"}) {
    std::error_code ec;
    std::filesystem::copy_file(b.root / name, root / name, ec);
  }

  std::vector<std::string> args = {binary.string(), "--root", root.string(), "--today", "2009-12-31",
                                   "settle",        "2005",   "6",           "--minor"};
  std::vector<char*> argv;
  for (std::string& a : args) argv.push_back(a.data());
  argv.push_back(nullptr);
  const auto runOnce = [&](const std::filesystem::path& output) {
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, output.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    pid_t pid = 0;
    int status = -1;
    const bool ok = posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), environ) == 0 &&
                    waitpid(pid, &status, 0) == pid && WIFEXITED(status) && WEXITSTATUS(status) == 0;
    posix_spawn_file_actions_destroy(&actions);
    return ok;
  };

  // Once outside the timing, to see that the copy holds the month.
  const std::filesystem::path firstOutput = root / "settle.txt";
  std::ifstream first;
  std::string text;
  if (runOnce(firstOutput)) {
    first.open(firstOutput);
    text.assign(std::istreambuf_iterator<char>(first), std::istreambuf_iterator<char>());
  }
  if (text.find("\n지출계\t") == std::string::npos || text.find("\n지출계\t0\n") != std::string::npos) {
    state.SkipWithError("coinest-cli settle failed or read an empty copy");
  } else {
    for (auto _ : state) {
      if (!runOnce("/dev/null")) {
        state.SkipWithError("coinest-cli settle failed");
        break;
      }
    }
  }
  std::error_code ec;
  std::filesystem::remove_all(root, ec);
}
BENCHMARK(BM_SettleCommandProcess)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
}  // namespace coinest::bench
