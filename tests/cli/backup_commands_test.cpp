// coinest-cli backup, restore and upgrade on real device roots.

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <string>
#include <vector>

#include "ledger/entry_rules.h"
#include "platform/device_root.h"
#include "store/asset_table.h"
#include "store/book_tables.h"
#include "store/id_counters.h"
#include "store/reservation_tables.h"
#include "support/book_fixture.h"
#include "support/cli_runner.h"
#include "support/record_builders.h"
#include "support/temp_dir.h"

namespace coinest {
namespace {

namespace fs = std::filesystem;
using testing::CliRun;

constexpr const char* kBackupDone = "가계부 자료백업 작업이 완료되었습니다.\n";
constexpr const char* kBackupFailed = "가계부 자료백업 작업이 실패했습니다.\n";
constexpr const char* kRestoreDone = "가계부 자료복원 작업이 완료되었습니다.\n";
constexpr const char* kRestoreFailed = "가계부 자료복원 작업이 실패했습니다.\n";
constexpr const char* kRestoreInvalid = "올바르지 않은 복원파일이므로 가계부 자료복원 작업이 실패했었습니다.\n";

// What a printed message says up to its first line break, escaped ("\\n") or not.
std::string headline(const std::string& printed) {
  return printed.substr(0, std::min(printed.find("\\n"), printed.find('\n')));
}

class BackupCommandsTest : public ::testing::Test {
 protected:
  BackupCommandsTest() { writeBook(); }

  CliRun cli(std::vector<std::string> rest) {
    std::vector<std::string> args = {"--root", root().string(), "--today", "2007-03-05"};
    args.insert(args.end(), rest.begin(), rest.end());
    return testing::runCli(args, dir_.path());
  }
  fs::path root() const { return dir_ / "root"; }
  fs::path file(const char* name) const { return dir_ / name; }
  std::string dump() {
    const CliRun run = cli({"dump"});
    EXPECT_EQ(run.status, 0) << run.err;
    return run.out;
  }

  // An account, a card purchase in instalments, a reservation.
  void writeBook() {
    testing::RootBook rootBook(root());
    Book& book = rootBook.book();
    const Asset card = testing::makeAsset({.id = 10001, .kind = "2", .name = "카드"});
    EXPECT_TRUE(addAsset(book, card));
    EXPECT_TRUE(addEntry(book, testing::makeEntry({.id = 20001,
                                                   .content = "점심",
                                                   .amount = 30000,
                                                   .cardFlag = "Y",
                                                   .assetId = card.assetId,
                                                   .instalments = 3})));
    EXPECT_TRUE(addReservation(book, testing::makeReservation({.id = 10002, .startDate = "2007-03-25"})));
    // The ids were given here, not taken: the counters follow them, as the program's own would.
    EXPECT_TRUE(raiseCountersToIdsInUse(book.store));
  }

  testing::TempDir dir_;
};

TEST_F(BackupCommandsTest, ABackupRestoresToTheSameDump) {
  const std::string before = dump();
  CliRun run = cli({"backup", file("book.cnb").string()});
  EXPECT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(run.out, kBackupDone);

  run = cli({"reset"});
  ASSERT_EQ(run.status, 0) << run.err;
  ASSERT_NE(dump(), before);

  run = cli({"restore", file("book.cnb").string()});
  EXPECT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(run.out, kRestoreDone);
  EXPECT_EQ(dump(), before);
}

TEST_F(BackupCommandsTest, FailuresPrintTheirMessageAndExitWithOne) {
  ASSERT_EQ(cli({"backup", file("book.cnb").string()}).status, 0);
  std::string high = testing::readFileBytes(file("book.cnb"));
  high[24] = static_cast<char>(high[24] + 1);
  {
    std::ofstream out(file("high.cnb"), std::ios::binary);
    out << high;
  }
  const std::string before = dump();
  struct Case {
    std::vector<std::string> args;
    const char* out;
  };
  const Case cases[] = {
      {{"restore", file("missing.cnb").string()}, kRestoreInvalid},
      {{"restore", file("high.cnb").string()}, kRestoreFailed},
      {{"backup", file("no-such-folder/book.cnb").string()}, kBackupFailed},
  };
  for (const Case& c : cases) {
    const CliRun run = cli(c.args);
    EXPECT_EQ(run.status, 1) << c.args[1];
    // The message's first line; a failure's reason follows it (after an escaped line break).
    EXPECT_EQ(headline(run.out), headline(c.out)) << c.args[1];
  }
  EXPECT_EQ(dump(), before);
  EXPECT_EQ(cli({"backup"}).status, 2);
  EXPECT_EQ(cli({"restore"}).status, 2);
}

TEST_F(BackupCommandsTest, UpgradeRunsWhileAMarkerIsMissingAndKeepsTheBook) {
  const std::string before = dump();
  CliRun run = cli({"upgrade"});
  EXPECT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(run.out,
            "가계부 자료 업그레이드 작업을 실행합니다.\\n\\n[ok] 버튼을 클릭한 후 완료 메세지가 나타날 때까지 잠시만 "
            "기다려 주시기 바랍니다.\n가계부 자료 업그레이드 작업이 완료되었습니다.\n");
  EXPECT_TRUE(fs::exists(root() / "Windows" / "CoinestUp._ini_"));
  EXPECT_TRUE(fs::exists(root() / "Windows" / "CoinestUp2._ini_"));
  EXPECT_EQ(dump(), before);

  // As at start: with both markers there, nothing happens.
  run = cli({"upgrade"});
  EXPECT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(run.out, "");
}

}  // namespace
}  // namespace coinest
