// coinest-cli when something around it goes wrong: a store that refuses writes, a book locked by
// another process, a command killed at a random moment. The exit status must tell the truth, the
// book must be the old one or the new one, and no change file for the desktop may be lost.

#include <gtest/gtest.h>
#include <signal.h>
#include <sqlite3.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <fstream>
#include <random>
#include <set>
#include <string>
#include <thread>

#include "exchange/change_file.h"
#include "exchange/exchange_folder.h"
#include "ledger/entry_rules.h"
#include "platform/device_root.h"
#include "store/entry_kind.h"
#include "store/entry_table.h"
#include "store/record_layout.h"
#include "store/reservation_tables.h"
#include "store/table_catalogue.h"
#include "support/book_fixture.h"
#include "support/cli_runner.h"
#include "support/file_checks.h"
#include "support/record_builders.h"
#include "support/temp_dir.h"

namespace coinest {
namespace {

namespace fs = std::filesystem;
using testing::CliRun;

// Runs SQL on the book file from outside the program, as another process would.
void execOnBook(const fs::path& storeFile, const std::string& sql) {
  sqlite3* db = nullptr;
  ASSERT_EQ(sqlite3_open(storeFile.c_str(), &db), SQLITE_OK);
  char* message = nullptr;
  const int rc = sqlite3_exec(db, sql.c_str(), nullptr, nullptr, &message);
  EXPECT_EQ(rc, SQLITE_OK) << (message ? message : "");
  sqlite3_free(message);
  sqlite3_close(db);
}

// The SQLite table that holds the records of a table of the book.
std::string recordTableOf(const fs::path& storeFile, std::string_view table) {
  sqlite3* db = nullptr;
  EXPECT_EQ(sqlite3_open(storeFile.c_str(), &db), SQLITE_OK);
  sqlite3_stmt* stmt = nullptr;
  const std::string sql = "SELECT id FROM store_tables WHERE name = '" + std::string(table) + "'";
  EXPECT_EQ(sqlite3_prepare_v2(db, sql.c_str(), -1, &stmt, nullptr), SQLITE_OK);
  std::string name;
  if (sqlite3_step(stmt) == SQLITE_ROW) name = "rec_" + std::to_string(sqlite3_column_int64(stmt, 0));
  sqlite3_finalize(stmt);
  sqlite3_close(db);
  return name;
}

class FaultsTest : public ::testing::Test {
 protected:
  fs::path root() const { return dir_ / "root"; }
  fs::path storeFile() const { return objectStoreFilePath(root()); }
  fs::path folder() const { return exchangeFolderPath(root()); }

  CliRun cli(std::vector<std::string> args, const std::string& today = "2007-03-05") {
    std::vector<std::string> all = {"--root", root().string(), "--today", today};
    all.insert(all.end(), args.begin(), args.end());
    return testing::runCli(all, dir_.path());
  }

  // A book with reservations on many days, posted through 2007-01-31, and the exchange on.
  void writeBookWithReservations(int count) {
    {
      testing::RootBook rootBook(root(), {2007, 1, 31});
      Book& book = rootBook.book();
      for (int i = 0; i < count; ++i)
        EXPECT_TRUE(addReservation(book, testing::makeReservation({.id = 10001 + i,
                                                                   .dayOfMonth = 1 + i % 28,
                                                                   .content = "월세 " + std::to_string(i),
                                                                   .amount = 300000 + i})));
    }
    fs::create_directories(folder());
    std::ofstream(folder() / std::string(kExchangeFlagFileName));
  }

  // Starts the tool in a child process and kills it after `delay`; waits for it.
  void runAndKill(const std::vector<std::string>& args, std::chrono::microseconds delay) {
    const char* binary = std::getenv("COINEST_CLI");
    ASSERT_NE(binary, nullptr);
    std::vector<std::string> all = {binary, "--root", root().string(), "--today", "2007-06-30"};
    all.insert(all.end(), args.begin(), args.end());
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
      std::vector<char*> argv;
      for (std::string& a : all) argv.push_back(a.data());
      argv.push_back(nullptr);
      freopen("/dev/null", "w", stdout);
      freopen("/dev/null", "w", stderr);
      execv(argv[0], argv.data());
      _exit(127);
    }
    std::this_thread::sleep_for(delay);
    kill(child, SIGKILL);
    int status = 0;
    waitpid(child, &status, 0);
  }

  // Each entry of the book (with its link) and the posting date have their change file in the
  // folder, holding exactly what the book holds.
  void expectEveryChangeFileWritten() {
    testing::RootBook rootBook(root(), {2007, 6, 30});
    Book& book = rootBook.book();
    const std::vector<LedgerEntry> entries = entriesInRange(book, "2000-01-01", "2099-12-31");
    ASSERT_FALSE(entries.empty());
    for (const LedgerEntry& e : entries) {
      const std::string name = changeFileName(ChangeLetter::Entry, ChangeOp::Add, e.entryId);
      EXPECT_EQ(testing::readFileBytes(folder() / name),
                encodeChangeRecord(recordChange(ChangeLetter::Entry, ChangeOp::Add, e.entryId, e)))
          << name;
    }
    EXPECT_TRUE(fs::exists(folder() / changeFileName(ChangeLetter::PostingDate, ChangeOp::Modify, 1)));
    EXPECT_FALSE(book.store.hasQueuedFiles());
  }

  testing::TempDir dir_;
};

// A store that refuses the write (here a trigger standing in for a full disk): every command that
// writes says so and exits 1, and the book is as it was.
TEST_F(FaultsTest, WritesTheStoreRefusesExitWithOneAndChangeNothing) {
  writeBookWithReservations(3);
  {
    testing::RootBook rootBook(root(), {2007, 1, 31});
    EXPECT_TRUE(
        addEntry(rootBook.book(),
                 testing::makeEntry(
                     {.id = 30001, .date = "2007-02-10", .kind = kIncomeKind, .content = "급여", .amount = 500000})));
  }
  const std::string before = cli({"dump"}).out;
  struct Case {
    const char* table;  // whose inserts fail
    std::vector<std::string> args;
  };
  const Case cases[] = {
      {"CoinestBooks", {"post"}},
      {"CoinestBooks", {"carry-over", "2007", "3"}},
      {"CoinestCon", {"settings", "--start-day", "5"}},
      {"CoinestCon2", {"settings", "--auto-carry-over", "Y"}},
      {nullptr, {"reset"}},  // the emptied tables cannot be made again
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.args.front());
    const std::string target = c.table ? recordTableOf(storeFile(), c.table) : "store_tables";
    execOnBook(storeFile(), "CREATE TRIGGER full BEFORE INSERT ON " + target +
                                " BEGIN SELECT RAISE(ABORT, 'database or disk is full'); END;");
    const CliRun run = cli(c.args);
    EXPECT_EQ(run.status, 1) << run.out;
    EXPECT_NE(run.err.find("disk is full"), std::string::npos) << run.err;
    EXPECT_EQ(run.out.find("전월이월할 현금잔액이 없습니다"), std::string::npos) << "no false answer";
    execOnBook(storeFile(), "DROP TRIGGER full;");
    EXPECT_EQ(cli({"dump"}).out, before);
  }
}

// Another process holds the book's write lock for longer than the busy timeout.
TEST_F(FaultsTest, ALockedBookIsAFailureNotAnEmptyRun) {
  writeBookWithReservations(2);
  sqlite3* db = nullptr;
  ASSERT_EQ(sqlite3_open(storeFile().c_str(), &db), SQLITE_OK);
  ASSERT_EQ(sqlite3_exec(db, "BEGIN IMMEDIATE", nullptr, nullptr, nullptr), SQLITE_OK);
  const CliRun locked = cli({"post"});
  // Reading needs no lock: the book is there to read while another process writes.
  const CliRun read = cli({"dump", "CoinestReserve"});
  sqlite3_exec(db, "ROLLBACK", nullptr, nullptr, nullptr);
  sqlite3_close(db);
  EXPECT_EQ(locked.status, 1);
  EXPECT_NE(locked.err.find("locked"), std::string::npos) << locked.err;
  EXPECT_EQ(read.status, 0) << read.err;
  EXPECT_EQ(std::count(read.out.begin(), read.out.end(), '\n'), 2) << read.out;
  const CliRun free = cli({"post"});
  EXPECT_EQ(free.status, 0) << free.err;
  EXPECT_NE(cli({"dump", "CoinestBooks"}).out, "");
}

// A posting run killed at any moment, then the book opened again: the entries are all posted or
// none, and each posted entry has its change file, whatever the kill interrupted.
TEST_F(FaultsTest, APostingRunKilledAtAnyMomentLosesNoChangeFile) {
  writeBookWithReservations(40);
  const fs::path pristine = dir_ / "pristine";
  fs::copy(root(), pristine, fs::copy_options::recursive);
  // How long a whole run takes here, to spread the kills over it.
  const auto started = std::chrono::steady_clock::now();
  ASSERT_EQ(cli({"post"}, "2007-06-30").status, 0);
  const auto whole = std::chrono::duration_cast<std::chrono::microseconds>(std::chrono::steady_clock::now() - started);
  std::mt19937 random(20071231);
  for (int kill = 0; kill < 10; ++kill) {
    SCOPED_TRACE(kill);
    fs::remove_all(root());
    fs::copy(pristine, root(), fs::copy_options::recursive);
    runAndKill({"post"}, std::chrono::microseconds(random() % (whole.count() + 1)));
    // The next opening writes what the kill left unwritten; a second post finishes the posting.
    const CliRun again = cli({"post"}, "2007-06-30");
    ASSERT_EQ(again.status, 0) << again.err;
    expectEveryChangeFileWritten();
    testing::RootBook rootBook(root(), {2007, 6, 30});
    EXPECT_EQ(entriesInRange(rootBook.book(), "2007-02-01", "2007-06-30").size(), 40u * 5);
  }
}

// An import killed at any moment, then run again: every desktop file is applied exactly once.
TEST_F(FaultsTest, AnImportKilledAtAnyMomentAppliesEachFileOnce) {
  writeBookWithReservations(1);
  constexpr int kLinks = 60;
  auto placeLinks = [&] {
    for (int i = 0; i < kLinks; ++i) {
      const ReservationLink link{20001 + i, "200702", 10001, 40001 + i};
      std::string name = changeFileName(ChangeLetter::Link, ChangeOp::Add, link.linkId);
      name.replace(name.size() - 5, 5, "._pc_");
      std::ofstream(folder() / name, std::ios::binary)
          << encodeChangeRecord(recordChange(ChangeLetter::Link, ChangeOp::Add, link.linkId, link));
    }
  };
  const fs::path pristine = dir_ / "pristine";
  fs::copy(root(), pristine, fs::copy_options::recursive);
  placeLinks();
  const auto started = std::chrono::steady_clock::now();
  ASSERT_EQ(cli({"import"}).status, 0);
  const auto whole = std::chrono::duration_cast<std::chrono::microseconds>(std::chrono::steady_clock::now() - started);
  std::mt19937 random(20070201);
  // The stretch between the commit and the deletions is short: more kills to land in it.
  for (int kill = 0; kill < 24; ++kill) {
    SCOPED_TRACE(kill);
    fs::remove_all(root());
    fs::copy(pristine, root(), fs::copy_options::recursive);
    placeLinks();
    runAndKill({"import"}, std::chrono::microseconds(random() % (whole.count() + 1)));
    const CliRun again = cli({"import"});
    ASSERT_EQ(again.status, 0) << again.err;
    const std::string links = cli({"dump", "CoinestRBLink"}).out;
    EXPECT_EQ(std::count(links.begin(), links.end(), '\n'), kLinks) << links;
    for (const std::string& name : testing::namesIn(folder())) EXPECT_FALSE(name.ends_with("._pc_")) << name;
  }
}

// Commands overlapping restores of the same book: each sees the book before or after a restore,
// never the moment between, in which its tables were dropped and not yet made again.
TEST_F(FaultsTest, CommandsOverlappingARestoreSeeAWholeBook) {
  writeBookWithReservations(30);
  ASSERT_EQ(cli({"post"}, "2007-03-05").status, 0);
  fs::remove(folder() / std::string(kExchangeFlagFileName));  // no change files: restores run faster
  const fs::path backup = dir_ / "book.cnb";
  ASSERT_EQ(cli({"backup", backup.string()}).status, 0);
  ASSERT_EQ(cli({"restore", backup.string()}).status, 0);
  const std::string whole = cli({"dump"}).out;
  const std::string backupBytes = testing::readFileBytes(backup);

  const char* binary = std::getenv("COINEST_CLI");
  ASSERT_NE(binary, nullptr);
  const pid_t restorer = fork();
  ASSERT_GE(restorer, 0);
  if (restorer == 0) {
    freopen("/dev/null", "w", stdout);
    freopen("/dev/null", "w", stderr);
    for (int i = 0; i < 10; ++i) {
      const std::string command = testing::shellQuote(binary) + " --root " + testing::shellQuote(root().string()) +
                                  " --today 2007-03-05 restore " + testing::shellQuote(backup.string());
      if (std::system(command.c_str()) != 0) _exit(1);
    }
    _exit(0);
  }
  for (int i = 0; i < 25; ++i) {
    const CliRun dump = cli({"dump"});
    EXPECT_EQ(dump.status, 0) << dump.err;
    EXPECT_EQ(dump.out, whole);
    const fs::path copy = dir_ / ("copy" + std::to_string(i) + ".cnb");
    const CliRun backedUp = cli({"backup", copy.string()});
    EXPECT_EQ(backedUp.status, 0) << backedUp.err;
    EXPECT_EQ(testing::readFileBytes(copy).size(), backupBytes.size()) << "a backup of the whole book";
  }
  int status = 0;
  waitpid(restorer, &status, 0);
  EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "every restore succeeded";
  EXPECT_EQ(cli({"dump"}).out, whole);
}

}  // namespace
}  // namespace coinest
