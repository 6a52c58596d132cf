// Files someone else put where the program writes or reads: links, FIFOs, folders. Nothing is
// written outside the device root but the backup file the user names, no link is followed, every
// file is the user's alone, and no FIFO hangs a restore, an import or the start.

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <functional>
#include <set>
#include <string>
#include <vector>

#include "exchange/backup_file.h"
#include "exchange/backup_restore.h"
#include "exchange/backup_test_book.h"
#include "exchange/change_file.h"
#include "exchange/desktop_import.h"
#include "exchange/exchange_folder.h"
#include "exchange/upgrade.h"
#include "ledger/carry_over.h"
#include "platform/device_root.h"
#include "platform/registry_file.h"
#include "store/entry_table.h"
#include "support/book_fixture.h"
#include "support/child_process.h"
#include "support/file_checks.h"
#include "support/temp_dir.h"

namespace coinest {
namespace {

namespace fs = std::filesystem;
using testing::modeOf;
using testing::namesIn;
using testing::readBytes;
using testing::writeBytes;

constexpr const char* kRestoreInvalid = "올바르지 않은 복원파일이므로 가계부 자료복원 작업이 실패했었습니다.";
const std::string kRegistryKey = "HKEY_LOCAL_MACHINE\\SOFTWARE\\Brivanta_Coinest";

fs::path devicePath(const fs::path& root, std::string_view device) { return *deviceFilePath(root, device); }

// A device root and, beside it, a folder of the user's where backups go and links may point.
class PlantedFilesTest : public ::testing::Test {
 protected:
  PlantedFilesTest() {
    fs::create_directory(outside());
    writeBytes(outsideFile(), "OUTSIDE");
  }
  fs::path root() const { return dir_ / "root"; }
  fs::path outside() const { return dir_ / "outside"; }
  fs::path outsideFile() const { return outside() / "outside.txt"; }
  fs::path backupFile() const { return outside() / "book.cnb"; }
  fs::path exchangeFolder() const { return exchangeFolderPath(root()); }

  // Writes a book with every kind of record to the root, and its backup, and closes it.
  void writeBook() {
    testing::RootBook book(root());
    testing::fillRichBook(book.book());
    testing::ScriptedUiPort ui;
    ui.chosenFile = backupFile();
    ASSERT_EQ(backupBook(book.book(), ui), TransferOutcome::Done);
  }

  std::string snapshot() {
    testing::RootBook book(root());
    return testing::bookSnapshot(book.book().store);
  }

  testing::TempDir dir_;
};

TEST_F(PlantedFilesTest, ALinkAtAnyNameTheProgramWritesIsNotFollowed) {
  writeBook();
  testing::RootBook opened(root());
  Book& book = opened.book();
  testing::ScriptedUiPort ui;
  ui.chosenFile = backupFile();
  const fs::path transfer = devicePath(root(), kUpgradeTransferFile);

  enum class After { Replaced, Gone };
  struct Case {
    const char* what;
    fs::path planted;
    std::function<bool()> write;
    After after;
  };
  const std::vector<Case> cases = {
      {"registry file", registryFilePath(root()),
       [&] { return writeRegistryValue(registryFilePath(root()), kRegistryKey, "Coinest ChangeRest", "1"); },
       After::Replaced},
      {"change file", exchangeFolder() / "A10010001._pd_",
       [&] { return writeExchangeFile(exchangeFolder(), "A10010001._pd_", "change").isOk(); }, After::Replaced},
      {"backup file", backupFile(), [&] { return backupBook(book, ui) == TransferOutcome::Done; }, After::Replaced},
      {"backup's temporary file", temporaryBackupPath(backupFile()),
       [&] { return backupBook(book, ui) == TransferOutcome::Done; }, After::Gone},
      {"transfer file", transfer, [&] { return upgradeExport(book, ui, root()); }, After::Replaced},
      {"transfer's temporary file", temporaryBackupPath(transfer), [&] { return upgradeExport(book, ui, root()); },
       After::Gone},
      {"upgrade marker", devicePath(root(), kUpgradeMarkerFile),
       [&] { return checkUpgradeAtStart(book, ui, root()) == UpgradeCheck::Done; }, After::Replaced},
      {"second upgrade marker", devicePath(root(), kUpgradeMarkerFile2),
       [&] { return checkUpgradeAtStart(book, ui, root()) == UpgradeCheck::Done; }, After::Replaced},
  };
  // To a file of the user's, and dangling: a write through it would create a file outside.
  const fs::path dangling = outside() / "created-through-the-link.txt";
  for (const fs::path& pointsTo : {outsideFile(), dangling}) {
    for (const Case& c : cases) {
      fs::remove_all(root() / "Windows");
      fs::create_directories(exchangeFolder());
      fs::remove(c.planted);
      fs::create_symlink(pointsTo, c.planted);
      EXPECT_TRUE(c.write()) << c.what;
      EXPECT_EQ(readBytes(outsideFile()), "OUTSIDE") << c.what;
      EXPECT_FALSE(fs::exists(dangling)) << c.what;
      const fs::file_type left = fs::symlink_status(c.planted).type();
      EXPECT_EQ(left, c.after == After::Replaced ? fs::file_type::regular : fs::file_type::not_found) << c.what;
      EXPECT_EQ(namesIn(outside()), (std::set<std::string>{"book.cnb", "outside.txt"})) << c.what;
    }
  }
}

TEST_F(PlantedFilesTest, EveryFileIsTheUsersAloneWhateverTheUmaskAndTheRootsMode) {
  testing::UmaskGuard umask(022);
  ASSERT_EQ(::mkdir(root().c_str(), 0755), 0);
  writeBook();
  testing::RootBook opened(root());
  Book& book = opened.book();
  testing::ScriptedUiPort ui;
  ASSERT_TRUE(writeRegistryValue(registryFilePath(root()), kRegistryKey, "Coinest ChangeRest", "1"));
  ASSERT_EQ(checkUpgradeAtStart(book, ui, root()), UpgradeCheck::Done);
  // The exchange folder is the desktop's to make.
  fs::create_directories(exchangeFolder());
  fs::permissions(exchangeFolder(), fs::perms(0755));
  ASSERT_TRUE(writeExchangeFile(exchangeFolder(), "A10010001._pd_", "change"));

  const fs::path store = objectStoreFilePath(root());
  const std::vector<fs::path> files = {
      store,
      store.string() + "-wal",
      store.string() + "-shm",
      registryFilePath(root()),
      devicePath(root(), kUpgradeMarkerFile),
      devicePath(root(), kUpgradeMarkerFile2),
      exchangeFolder() / "A10010001._pd_",
      backupFile(),
  };
  for (const fs::path& file : files) EXPECT_EQ(modeOf(file), 0600u) << file;
  EXPECT_EQ(modeOf(root() / "Windows"), 0700u);
  EXPECT_EQ(modeOf(root()), 0755u) << "a root that was there keeps its mode";

  // And nothing else under the root escapes: every file 0600, every folder we made 0700.
  for (const auto& entry : fs::recursive_directory_iterator(root())) {
    if (entry.path() == exchangeFolder()) continue;
    EXPECT_EQ(modeOf(entry.path()), entry.is_directory() ? 0700u : 0600u) << entry.path();
  }
}

// What a chooser may give or a desktop may leave that is no regular file.
enum class Planted { Fifo, Folder, LinkToGoodFile };

void plant(Planted kind, const fs::path& at, const fs::path& goodFile) {
  switch (kind) {
    case Planted::Fifo:
      ASSERT_EQ(::mkfifo(at.c_str(), 0600), 0);
      break;
    case Planted::Folder:
      fs::create_directory(at);
      break;
    case Planted::LinkToGoodFile:
      fs::create_symlink(goodFile, at);
      break;
  }
}

constexpr Planted kPlanted[] = {Planted::Fifo, Planted::Folder, Planted::LinkToGoodFile};

TEST_F(PlantedFilesTest, ARestoreOfWhatIsNoRegularFileFailsAtOnceAndChangesNothing) {
  writeBook();
  {
    // The book now differs from the backup, so a restore would show.
    testing::RootBook opened(root());
    testing::ScriptedUiPort ui;
    ASSERT_TRUE(resetBook(opened.book(), ui).status);
  }
  const std::string before = snapshot();
  for (const Planted kind : kPlanted) {
    const fs::path chosen = outside() / ("chosen" + std::to_string(static_cast<int>(kind)) + ".cnb");
    plant(kind, chosen, backupFile());
    // In a child, so that a restore that waits on the FIFO fails the test instead of hanging it.
    EXPECT_TRUE(testing::runsToEndInChild([&] {
      testing::RootBook opened(root());
      testing::ScriptedUiPort ui;
      ui.chosenFile = chosen;
      const RestoreRun run = restoreBook(opened.book(), ui, root());
      return run.outcome == TransferOutcome::Failed && !ui.messages.empty() &&
             ui.messages.back().text == kRestoreInvalid;
    })) << static_cast<int>(kind);
    EXPECT_EQ(snapshot(), before) << static_cast<int>(kind);
  }
}

TEST_F(PlantedFilesTest, AnImportPassesOverWhatIsNoRegularFile) {
  writeBook();
  fs::create_directories(exchangeFolder());
  writeBytes(exchangeFolder() / std::string(kExchangeFlagFileName), "");
  LedgerEntry entry;
  entry.entryId = 20090;
  entry.entryDate = "2007-03-05";
  entry.entryKind = "2";
  entry.content = "링크";
  entry.amount = 100;
  const fs::path change = outside() / "change._pc_";
  writeBytes(change, encodeChangeRecord(recordChange(ChangeLetter::Entry, ChangeOp::Add, entry.entryId, entry)));

  std::set<std::string> planted;
  int number = 20091;
  for (const Planted kind : kPlanted) {
    const std::string name = "A100" + std::to_string(number++) + "._pc_";
    plant(kind, exchangeFolder() / name, change);
    planted.insert(name);
  }
  EXPECT_TRUE(testing::runsToEndInChild([&] {
    testing::RootBook opened(root());
    opened.book().modes.exchangeEnabled = true;
    const ImportRun run = importChangeFiles(opened.book(), exchangeFolder());
    return run.ran && run.applied == 0 && run.rejected == 0 && !run.storeFailed;
  }));
  for (const std::string& name : planted) EXPECT_TRUE(namesIn(exchangeFolder()).contains(name)) << name;
  EXPECT_FALSE(readBytes(change).empty());
  testing::RootBook opened(root());
  EXPECT_FALSE(findEntry(opened.book(), entry.entryId));
}

TEST_F(PlantedFilesTest, AFifoInPlaceOfAMarkerDoesNotHangTheStart) {
  writeBook();
  fs::create_directories(root() / "Windows");
  writeBytes(devicePath(root(), kUpgradeMarkerFile2), "Brivanta_Coinest_020201");
  const fs::path marker = devicePath(root(), kUpgradeMarkerFile);
  ASSERT_EQ(::mkfifo(marker.c_str(), 0600), 0);
  EXPECT_TRUE(testing::runsToEndInChild([&] {
    testing::RootBook opened(root());
    testing::ScriptedUiPort ui;
    return checkUpgradeAtStart(opened.book(), ui, root()) == UpgradeCheck::Done;
  }));
  EXPECT_EQ(fs::symlink_status(marker).type(), fs::file_type::regular);
}

}  // namespace
}  // namespace coinest
