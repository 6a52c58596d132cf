// The main window's shell on the large view book (100,000 entries, about 830 a month), driven
// through its models as the window drives it. Targets: start-up to the first page under 150 ms;
// a page switch, a period move or a calendar tap under 16 ms (one frame).

#include <benchmark/benchmark.h>

#include <fstream>

#include "bench_book.h"
#include "dialogs/asset_dialog.h"
#include "dialogs/category_dialog.h"
#include "dialogs/entry_dialog.h"
#include "dialogs/login_dialog.h"
#include "dialogs/query_dialogs.h"
#include "dialogs/reservation_dialog.h"
#include "dialogs/settings_dialog.h"
#include "dialogs/year_month_dialog.h"
#include "exchange/backup_stream.h"
#include "exchange/upgrade.h"
#include "ledger/entry_rules.h"
#include "platform/device_root.h"
#include "shell/shell.h"
#include "shell/shell_context.h"

namespace coinest::bench {
namespace {

// Answers every question No and closes every dialog, as nobody is there to answer.
class SilentShellUi : public ShellUi {
 public:
  void showMessage(std::string_view, MessageCaption) override {}
  bool askYesNo(std::string_view) override { return false; }
  std::optional<std::filesystem::path> chooseSaveFile(const FileChoice&) override { return std::nullopt; }
  std::optional<std::filesystem::path> chooseOpenFile(const FileChoice&) override { return std::nullopt; }
  bool runProgressDialog(std::string_view, int, int, const std::function<void(ProgressBar&)>&) override {
    return false;
  }
  int trackPopupMenu(const PopupMenu&, std::optional<ScreenPoint>) override { return 0; }
  void runLoginDialog(LoginDialog& dialog) override { dialog.pressCancel(); }
  void runSettingsDialog(SettingsDialog& dialog) override { dialog.pressCancel(); }
  void runYearMonthDialog(YearMonthDialog& dialog) override { dialog.pressCancel(); }
  void showAboutBox() override {}
  void runEntryDialog(EntryDialog& dialog) override { dialog.pressCancel(); }
  void runAssetDialog(AssetDialog& dialog) override { dialog.pressCancel(); }
  void runCategoryDialog(CategoryDialog& dialog) override { dialog.pressCancel(); }
  void runReservationDialog(ReservationDialog& dialog) override { dialog.pressCancel(); }
  void runBooksQueryDialog(BooksQueryDialog& dialog) override { dialog.pressCancel(); }
  void runCardQueryDialog(CardQueryDialog& dialog) override { dialog.pressCancel(); }
  void runAccountQueryDialog(AccountQueryDialog& dialog) override { dialog.pressCancel(); }
  void startCalculator() override {}
  void setWaitCursor(bool) override {}
  void showSoftInputPanel(bool) override {}
};

// The large book as a program that ran on it before would leave it: upgraded, holidays refreshed.
ViewBenchBook& startedBook() {
  static ViewBenchBook& b = [] () -> ViewBenchBook& {
    ViewBenchBook& book = viewBenchBook();
    for (std::string_view marker : {kUpgradeMarkerFile, kUpgradeMarkerFile2}) {
      const std::filesystem::path file = *deviceFilePath(book.root, marker);
      std::filesystem::create_directories(file.parent_path());
      std::ofstream(file) << kUpgradeMarkerText;
    }
    SilentShellUi ui;
    Shell first(ShellOptions{book.root, book.clock.get(), {}, PageBooks}, ui);
    (void)first.start();
    return book;
  }();
  return b;
}

std::unique_ptr<Shell> startedShell(SilentShellUi& ui, int page = PageBooks) {
  ViewBenchBook& b = startedBook();
  auto shell = std::make_unique<Shell>(ShellOptions{b.root, b.clock.get(), {}, page}, ui);
  (void)shell->start();
  return shell;
}

void BM_ShellStartToFirstPage(benchmark::State& state) {
  startedBook();
  for (auto _ : state) {
    SilentShellUi ui;
    auto shell = startedShell(ui);
    benchmark::DoNotOptimize(shell->screen().rowCount(30004));
  }
}
BENCHMARK(BM_ShellStartToFirstPage)->Unit(benchmark::kMillisecond);

// Between the books page in month view and the settlement page, both already built.
void BM_ShellPageSwitch(benchmark::State& state) {
  SilentShellUi ui;
  auto shell = startedShell(ui);
  shell->command(10114);
  shell->command(20017);
  bool books = false;
  for (auto _ : state) {
    shell->command(books ? 20015 : 20017);
    books = !books;
  }
}
BENCHMARK(BM_ShellPageSwitch)->Unit(benchmark::kMicrosecond);

// The books page in month view shown again after a change elsewhere: the page is rebuilt.
void BM_ShellPageSwitchRebuildingTheMonth(benchmark::State& state) {
  SilentShellUi ui;
  auto shell = startedShell(ui);
  shell->command(10114);
  for (auto _ : state) {
    state.PauseTiming();
    shell->command(20017);
    shell->context().state.rebuild(ListPage::Books) = true;
    shell->context().books.readCache.invalidate();
    state.ResumeTiming();
    shell->command(20015);
  }
  state.counters["rows"] = shell->screen().rowCount(30004);
}
BENCHMARK(BM_ShellPageSwitchRebuildingTheMonth)->Unit(benchmark::kMicrosecond);

// Month by month through the book in month view: every move reads a new month.
void BM_ShellMonthMove(benchmark::State& state) {
  SilentShellUi ui;
  auto shell = startedShell(ui);
  shell->command(10114);
  int moved = 0;
  for (auto _ : state) {
    shell->command(moved % 24 < 12 ? 10110 : 10111);
    ++moved;
  }
  state.counters["rows"] = shell->screen().rowCount(30004);
}
BENCHMARK(BM_ShellMonthMove)->Unit(benchmark::kMicrosecond);

// Day by day in day view, the month's read reused.
void BM_ShellDayMove(benchmark::State& state) {
  SilentShellUi ui;
  auto shell = startedShell(ui);
  shell->command(10112);
  int moved = 0;
  for (auto _ : state) {
    shell->command(moved % 20 < 10 ? 10110 : 10111);
    ++moved;
  }
}
BENCHMARK(BM_ShellDayMove)->Unit(benchmark::kMicrosecond);

// Records a lunch paid in cash, as a user types it into the entry dialog and presses OK.
class RecordingShellUi final : public SilentShellUi {
 public:
  void runEntryDialog(EntryDialog& dialog) override {
    dialog.setContent("점심");
    dialog.setAmount("7000");
    if (dialog.pressOk() && dialog.savedId()) saved.push_back(*dialog.savedId());
  }
  std::vector<int32_t> saved;
};

// From the entry dialog's opening through its OK to the books page redrawn in month view.
void BM_ShellRecordEntry(benchmark::State& state) {
  RecordingShellUi ui;
  ViewBenchBook& b = startedBook();
  Shell shell(ShellOptions{b.root, b.clock.get(), {}, PageBooks}, ui);
  (void)shell.start();
  shell.command(10114);
  for (auto _ : state) shell.command(10101);
  state.counters["rows"] = shell.screen().rowCount(30004);
  // The book is shared by every benchmark of the run: leave it as it was found (after the timed
  // loop, so the deletes are not measured).
  for (int32_t id : ui.saved) static_cast<void>(deleteEntry(*b.book, id));
}
BENCHMARK(BM_ShellRecordEntry)->Unit(benchmark::kMicrosecond)->Iterations(200);

// Taps on the days of the month calendar in week view.
void BM_ShellCalendarTap(benchmark::State& state) {
  SilentShellUi ui;
  auto shell = startedShell(ui);
  shell->command(10113);
  int day = 1;
  for (auto _ : state) {
    shell->calendarTapped(day, (day + 2) / 7);
    day = day % 28 + 1;
  }
}
BENCHMARK(BM_ShellCalendarTap)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace coinest::bench
