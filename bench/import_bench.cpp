// One desktop import run of 100 entry add files (a run's full load), each applied in its own
// transaction. Target: under 100 ms.

#include <benchmark/benchmark.h>
#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <memory>
#include <string>

#include "exchange/change_file.h"
#include "exchange/desktop_import.h"
#include "exchange/exchange_folder.h"
#include "platform/clock.h"
#include "store/book_tables.h"
#include "support/record_builders.h"

namespace coinest {
namespace {

class ExchangeBook {
 public:
  ExchangeBook() {
    std::string pattern = (std::filesystem::temp_directory_path() / "coinest-bench-XXXXXX").string();
    dir_ = mkdtemp(pattern.data());
    opened_ = openBook(dir_ / "objectstore.sqlite3", clock_);
    folder_ = exchangeFolderPath(dir_);
    std::filesystem::create_directories(folder_);
    std::ofstream(folder_ / std::string(kExchangeFlagFileName));
    book_ = std::make_unique<Book>(*opened_.store, clock_);
    checkExchangeFolder(*book_, folder_);
  }
  ~ExchangeBook() {
    book_.reset();
    opened_.store.reset();
    std::error_code ec;
    std::filesystem::remove_all(dir_, ec);
  }

  // Places the desktop's add files for entries first .. first + count - 1.
  void placeEntries(int32_t first, int count) {
    for (int32_t id = first; id < first + count; ++id) {
      const LedgerEntry e = testing::makeEntry({.id = id, .content = "점심 " + std::to_string(id), .amount = 6500});
      std::string name = changeFileName(ChangeLetter::Entry, ChangeOp::Add, id);
      name.replace(name.size() - 5, 5, "._pc_");
      std::ofstream(folder_ / name, std::ios::binary)
          << encodeChangeRecord(recordChange(ChangeLetter::Entry, ChangeOp::Add, id, e));
    }
  }

  Book& book() { return *book_; }
  const std::filesystem::path& folder() const { return folder_; }

 private:
  std::filesystem::path dir_;
  std::filesystem::path folder_;
  FixedDateClock clock_{2007, 3, 5};
  BookOpenResult opened_;
  std::unique_ptr<Book> book_;
};

void BM_ImportHundredEntries(benchmark::State& state) {
  ExchangeBook book;
  int32_t nextId = 20001;
  for (auto _ : state) {
    state.PauseTiming();
    book.placeEntries(nextId, static_cast<int>(kImportFilesPerRun));
    nextId += static_cast<int32_t>(kImportFilesPerRun);
    state.ResumeTiming();
    const ImportRun run = importChangeFiles(book.book(), book.folder());
    if (run.applied != static_cast<int>(kImportFilesPerRun)) state.SkipWithError("not every file was applied");
  }
  state.SetItemsProcessed(state.iterations() * static_cast<int64_t>(kImportFilesPerRun));
}
BENCHMARK(BM_ImportHundredEntries)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace coinest
