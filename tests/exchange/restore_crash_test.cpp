// A restore killed at any moment leaves the old book or the new one, never a mixture; a backup
// killed at any moment leaves the old file or the new one, and no temporary file. A child process
// restores or backs up and is killed after a delay; the parent then looks at what is on disk.

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <random>
#include <set>
#include <string>
#include <thread>

#include "exchange/backup_restore.h"
#include "exchange/backup_test_book.h"
#include "ledger/entry_rules.h"
#include "platform/device_root.h"
#include "store/book_tables.h"
#include "store/entry_table.h"
#include "support/book_fixture.h"
#include "support/file_checks.h"
#include "support/record_builders.h"
#include "support/temp_dir.h"

namespace coinest {
namespace {

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

constexpr int kEntries = 4000;
constexpr int kKills = 12;

class CrashTest : public ::testing::Test {
 protected:
  fs::path root() const { return dir_ / "root"; }
  fs::path storeFile() const { return objectStoreFilePath(root()); }
  fs::path backupFile() const { return dir_ / "new.cnb"; }
  fs::path oldCopy() const { return dir_ / "old.sqlite3"; }

  // The book as it is on disk now.
  std::string snapshot() {
    FixedDateClock clock{2007, 3, 5};
    BookOpenResult opened = openBook(storeFile(), clock);
    EXPECT_TRUE(opened.store) << opened.error;
    return opened.store ? testing::bookSnapshot(*opened.store) : std::string();
  }

  // The new book (the rich book and a few thousand entries) backed up to backupFile(); then the
  // old book, which lacks every other entry so that the two differ throughout, in the store file
  // and copied to oldCopy().
  void writeBooks() {
    ASSERT_TRUE(prepareDeviceRoot(root()).ok);
    {
      FixedDateClock clock{2007, 3, 5};
      BookOpenResult opened = openBook(storeFile(), clock);
      ASSERT_TRUE(opened.store) << opened.error;
      Book book{*opened.store, clock};
      testing::fillRichBook(book);
      TransactionGuard tx(book.store);
      for (int i = 0; i < kEntries; ++i) {
        EXPECT_TRUE(addEntry(book, testing::makeEntry({.id = 40000 + i,
                                                       .date = "2007-02-" + std::to_string(10 + i % 18),
                                                       .content = "점심 " + std::to_string(i),
                                                       .amount = 1000 + i,
                                                       .assetId = i % 2 == 0 ? 10001 : 0})));
      }
      ASSERT_TRUE(tx.commit());
      testing::ScriptedUiPort ui;
      ui.chosenFile = backupFile();
      ASSERT_EQ(backupBook(book, ui), TransferOutcome::Done);
      TransactionGuard change(book.store);
      for (int i = 0; i < kEntries; i += 2) deleteEntry(book, 40000 + i);
      ASSERT_TRUE(change.commit());
    }
    fs::copy_file(storeFile(), oldCopy());
  }

  // Puts the old book back as the store file (closed: no journal beside it).
  void putOldBookBack() {
    for (const char* suffix : {"-wal", "-shm"}) fs::remove(storeFile().string() + suffix);
    fs::copy_file(oldCopy(), storeFile(), fs::copy_options::overwrite_existing);
  }

  // Starts a child that opens the book, runs `transfer` on it with the chosen file `file` and
  // exits 0 when it was done.
  pid_t startChild(const fs::path& file,
                   TransferOutcome (*transfer)(Book&, testing::ScriptedUiPort&, const fs::path&)) {
    const pid_t child = fork();
    if (child != 0) return child;
    FixedDateClock clock{2007, 3, 5};
    BookOpenResult opened = openBook(storeFile(), clock);
    if (!opened.store) _exit(2);
    Book book{*opened.store, clock};
    testing::ScriptedUiPort ui;
    ui.chosenFile = file;
    _exit(transfer(book, ui, root()) == TransferOutcome::Done ? 0 : 1);
  }
  pid_t startRestore() {
    return startChild(backupFile(), [](Book& book, testing::ScriptedUiPort& ui, const fs::path& root) {
      return restoreBook(book, ui, root).outcome;
    });
  }
  pid_t startBackup(const fs::path& target) {
    return startChild(target,
                      [](Book& book, testing::ScriptedUiPort& ui, const fs::path&) { return backupBook(book, ui); });
  }

  // Runs a child to its end; how long it took.
  Clock::duration runToEnd(pid_t child, const Clock::time_point started) {
    int status = 0;
    EXPECT_EQ(waitpid(child, &status, 0), child);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    return Clock::now() - started;
  }

  // Kills the child after `delay`.
  void killAfter(pid_t child, Clock::duration delay) {
    ASSERT_GT(child, 0);
    std::this_thread::sleep_for(delay);
    kill(child, SIGKILL);
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
  }

  testing::TempDir dir_;
};

TEST_F(CrashTest, AKilledRestoreLeavesTheOldBookOrTheNewOne) {
  writeBooks();
  const std::string oldBook = snapshot();

  // The new book, and how long a restore takes here, from one child left to finish.
  const Clock::time_point started = Clock::now();
  const Clock::duration duration = runToEnd(startRestore(), started);
  const std::string newBook = snapshot();
  ASSERT_NE(newBook, oldBook);

  int sawOld = 0;
  int sawNew = 0;
  for (int k = 0; k <= kKills; ++k) {
    putOldBookBack();
    // Delays from 0 to a little past the whole restore.
    killAfter(startRestore(), duration * k / (kKills - 2));
    const std::string book = snapshot();
    const bool isOld = book == oldBook;
    const bool isNew = book == newBook;
    EXPECT_TRUE(isOld || isNew) << "killed after " << k << "/" << kKills - 2 << " of a restore";
    sawOld += isOld;
    sawNew += isNew;
  }
  // Which of the two a kill leaves depends on timing; both are right.
  RecordProperty("old", sawOld);
  RecordProperty("new", sawNew);
}

TEST_F(CrashTest, AKilledBackupLeavesTheOldFileOrTheNewOneAndNoTemporaryFile) {
  writeBooks();
  const fs::path folder = dir_ / "backups";
  const fs::path target = folder / "book.cnb";
  fs::create_directory(folder);
  fs::copy_file(backupFile(), target);
  const std::string oldFile = testing::readBytes(target);

  const Clock::time_point started = Clock::now();
  const Clock::duration duration = runToEnd(startBackup(target), started);
  const std::string newFile = testing::readBytes(target);
  ASSERT_NE(newFile, oldFile);

  // Moments anywhere from the start to a little past the end of the whole backup.
  std::mt19937 random(20070305);
  std::uniform_int_distribution<Clock::rep> moment(0, duration.count() * 11 / 10);
  int sawOld = 0;
  int sawNew = 0;
  for (int k = 0; k < kKills; ++k) {
    testing::writeBytes(target, oldFile);
    const Clock::duration delay(moment(random));
    killAfter(startBackup(target), delay);
    const std::string file = testing::readBytes(target);
    const bool isOld = file == oldFile;
    const bool isNew = file == newFile;
    EXPECT_TRUE(isOld || isNew) << "killed after " << delay.count() << " of " << duration.count();
    EXPECT_EQ(testing::namesIn(folder), std::set<std::string>{"book.cnb"}) << "killed after " << delay.count();
    sawOld += isOld;
    sawNew += isNew;
  }
  RecordProperty("old", sawOld);
  RecordProperty("new", sawNew);
}

}  // namespace
}  // namespace coinest
