// Backup, restore and the start-up upgrade of a book of 65,000 records (50,000 entries, 10,000
// instalment rows, 2,000 reservations, 2,800 reservation links, the seeded categories and some
// more, 100 assets). Targets: backup with its check pass under 1 s, restore under 2 s, upgrade
// export and import together under 3 s.
// The same for a book of 200,000 records (growBook), beyond the device's 16-bit count, so written
// with its count-record: the targets grow with the records, backup under 3 s, restore under 6 s,
// upgrade under 9 s.

#include <benchmark/benchmark.h>
#include <stdlib.h>

#include <filesystem>
#include <memory>
#include <optional>
#include <string>

#include "exchange/backup_restore.h"
#include "exchange/backup_stream.h"
#include "exchange/upgrade.h"
#include "platform/clock.h"
#include "store/book_tables.h"
#include "store/record_layout.h"
#include "store/table_catalogue.h"
#include "support/large_book.h"
#include "support/record_builders.h"
#include "support/require_ok.h"

namespace coinest {
namespace {

constexpr uint32_t kBookRecords = 65000;

// Answers every dialog with OK and remembers whether the last message was a success.
class AnsweringUi final : public UiPort {
 public:
  explicit AnsweringUi(std::filesystem::path file) : file_(std::move(file)) {}
  void showMessage(std::string_view text, MessageCaption) override { lastMessage = text; }
  bool askYesNo(std::string_view) override { return true; }
  std::optional<std::filesystem::path> chooseSaveFile(const FileChoice&) override { return file_; }
  std::optional<std::filesystem::path> chooseOpenFile(const FileChoice&) override { return file_; }
  bool runProgressDialog(std::string_view, int, int, const std::function<void(ProgressBar&)>& work) override {
    struct Bar final : ProgressBar {
      void setPosition(int) override {}
    } bar;
    work(bar);
    return true;
  }
  std::string lastMessage;

 private:
  std::filesystem::path file_;
};

class BackupBenchBook {
 public:
  // With `records`, a book grown to that many records by growBook; else the mixed book above.
  explicit BackupBenchBook(std::optional<uint32_t> records = std::nullopt) {
    std::string pattern = (std::filesystem::temp_directory_path() / "coinest-bench-XXXXXX").string();
    root_ = mkdtemp(pattern.data());
    opened_ = openBook(root_ / "objectstore.sqlite3", clock_);
    book_ = std::make_unique<Book>(*opened_.store, clock_);
    if (records) {
      testing::growBook(*opened_.store, *records);
    } else {
      fill();
    }
  }
  ~BackupBenchBook() {
    book_.reset();
    opened_.store.reset();
    std::error_code ec;
    std::filesystem::remove_all(root_, ec);
  }

  Book& book() { return *book_; }
  const std::filesystem::path& root() const { return root_; }
  std::filesystem::path backupFile() const { return root_ / "Coinest070305.cnb"; }

 private:
  template <class R>
  void write(std::string_view table, const R& record) {
    TableHandle t = opened_.store->openTable(table, 0);
    t.writeRecord(propsOf(record));
  }

  void fill() {
    ObjectStore& store = *opened_.store;
    TransactionGuard tx(store);
    for (int32_t i = 0; i < 100; ++i) {
      write(kAssetsTable, testing::makeAsset({.id = 10001 + i,
                                              .kind = i % 10 == 0 ? kCreditCardKind : kBankAccountKind,
                                              .name = "자산 " + std::to_string(i),
                                              .company = "은행",
                                              .periodFromMonth = 2,
                                              .periodFromDay = 15,
                                              .balance = 1000000}));
    }
    for (int32_t i = 0; i < 300; ++i) {
      write(kMinorItemsTable, MinorItem{20001 + i, 10001, "항목 " + std::to_string(i), i, "Y"});
    }
    for (int32_t i = 0; i < 2000; ++i) {
      write(kReservationsTable, testing::makeReservation({.id = 30001 + i,
                                                          .dayOfMonth = 1 + i % 28,
                                                          .content = "예약 " + std::to_string(i),
                                                          .startDate = "2007-03-25"}));
    }
    for (int32_t i = 0; i < 2800; ++i) {
      write(kReservationLinksTable, ReservationLink{40001 + i, "200703", 30001 + i % 2000, 50001 + i});
    }
    for (int32_t i = 0; i < 10000; ++i) {
      write(kInstalmentsTable, InstalmentRow{60001 + i, "2007-04-05", 50001 + i, 2 + i % 5, 10001});
    }
    const uint32_t entries = kBookRecords - (backupRecordCount(store) - 1);
    for (uint32_t i = 0; i < entries; ++i) {
      LedgerEntry e = testing::makeEntry({.id = 50001 + static_cast<int32_t>(i),
                                          .date = "2007-0" + std::to_string(1 + i % 9) + "-1" + std::to_string(i % 10),
                                          .kind = i % 7 == 0 ? kIncomeKind : kExpenseKind,
                                          .major = "식비",
                                          .minor = "외식",
                                          .content = "점심 식사 " + std::to_string(i),
                                          .amount = 6500,
                                          .cardFlag = i % 5 == 0 ? kYes : kNo,
                                          .assetId = 10001 + static_cast<int32_t>(i % 100)});
      e.note = i % 3 == 0 ? "회사 근처 식당" : "";
      write(kBooksTable, e);
    }
    requireOk(tx.commit());
  }

  std::filesystem::path root_;
  FixedDateClock clock_{2007, 3, 5};
  BookOpenResult opened_;
  std::unique_ptr<Book> book_;
};

BackupBenchBook& benchBook() {
  static BackupBenchBook book;
  return book;
}

constexpr uint32_t kLargeBookRecords = 200000;

BackupBenchBook& largeBenchBook() {
  static BackupBenchBook book(kLargeBookRecords);
  return book;
}

// The book of `records` records: the 65,000 of the device's format, or the larger one that
// needs the count record.
BackupBenchBook& bookOf(int64_t records) { return records == kLargeBookRecords ? largeBenchBook() : benchBook(); }

void BM_Backup(benchmark::State& state) {
  const int64_t records = state.range(0);
  BackupBenchBook& b = bookOf(records);
  if (backupRecordCount(b.book().store) != records + 1) state.SkipWithError("the book has not the records it should");
  AnsweringUi ui(b.backupFile());
  for (auto _ : state) {
    if (backupBook(b.book(), ui) != TransferOutcome::Done) state.SkipWithError(ui.lastMessage.c_str());
  }
  state.SetItemsProcessed(state.iterations() * records);
}
BENCHMARK(BM_Backup)->Arg(kBookRecords)->Arg(kLargeBookRecords)->Unit(benchmark::kMillisecond);

void BM_Restore(benchmark::State& state) {
  const int64_t records = state.range(0);
  BackupBenchBook& b = bookOf(records);
  AnsweringUi ui(b.backupFile());
  if (backupBook(b.book(), ui) != TransferOutcome::Done) state.SkipWithError("no backup to restore");
  for (auto _ : state) {
    if (restoreBook(b.book(), ui, b.root()).outcome != TransferOutcome::Done) {
      state.SkipWithError(ui.lastMessage.c_str());
    }
  }
  state.SetItemsProcessed(state.iterations() * records);
}
BENCHMARK(BM_Restore)->Arg(kBookRecords)->Arg(kLargeBookRecords)->Unit(benchmark::kMillisecond);

void BM_UpgradeExportAndImport(benchmark::State& state) {
  const int64_t records = state.range(0);
  BackupBenchBook& b = bookOf(records);
  AnsweringUi ui(b.backupFile());
  for (auto _ : state) {
    if (!upgradeExport(b.book(), ui, b.root()) || !upgradeImport(b.book(), ui, b.root())) {
      state.SkipWithError(ui.lastMessage.c_str());
    }
  }
  state.SetItemsProcessed(state.iterations() * records);
}
BENCHMARK(BM_UpgradeExportAndImport)->Arg(kBookRecords)->Arg(kLargeBookRecords)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace coinest
