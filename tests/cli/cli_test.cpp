// Runs the built coinest-cli on real device roots, as a user would.

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <iterator>
#include <map>
#include <nlohmann/json.hpp>
#include <sstream>

#include "exchange/change_file.h"
#include "ledger/entry_rules.h"
#include "platform/device_root.h"
#include "store/book_tables.h"
#include "store/entry_table.h"
#include "store/reservation_tables.h"
#include "support/book_fixture.h"
#include "support/cli_runner.h"
#include "support/record_builders.h"
#include "support/temp_dir.h"

namespace coinest {
namespace {

using testing::CliRun;
using testing::makeEntry;
using testing::shellQuote;

std::string slurp(const std::filesystem::path& p) { return testing::readFileBytes(p); }

class CliTest : public ::testing::Test {
 protected:
  CliRun cli(const std::vector<std::string>& args, const std::string& env = "") {
    return testing::runCli(args, dir.path(), env);
  }

  std::vector<std::string> rootArgs(std::vector<std::string> rest) {
    std::vector<std::string> args = {"--root", (dir / "root").string(), "--today", "2007-03-05"};
    args.insert(args.end(), rest.begin(), rest.end());
    return args;
  }

  testing::TempDir dir;
};

TEST_F(CliTest, DumpOfANewBookShowsTheSeedsAndIsStable) {
  const CliRun first = cli(rootArgs({"dump"}));
  ASSERT_EQ(first.status, 0) << first.err;

  std::map<std::string, int> perTable;
  std::vector<std::string> tableOrder;
  std::istringstream lines(first.out);
  std::string line;
  std::vector<nlohmann::ordered_json> singles;
  while (std::getline(lines, line)) {
    const auto record = nlohmann::ordered_json::parse(line);
    const std::string table = record.at("table");
    if (perTable[table]++ == 0) tableOrder.push_back(table);
    if (table == "CoinestEnv" || table == "CoinestRBDate" || table == "CoinestCon" || table == "CoinestCon2") {
      singles.push_back(record);
    }
  }
  EXPECT_EQ(tableOrder, (std::vector<std::string>{"CoinestRBDate", "CoinestIteml", "CoinestItems", "CoinestEnv",
                                                  "CoinestCon", "CoinestCon2", "CoinestRest"}));
  EXPECT_EQ(perTable["CoinestIteml"], 17);
  EXPECT_EQ(perTable["CoinestItems"], 79);
  EXPECT_EQ(perTable["CoinestRest"], 76);
  ASSERT_EQ(singles.size(), 4u);
  EXPECT_EQ(singles[0].dump(), R"({"table":"CoinestRBDate","1":"2007-03-05"})");
  EXPECT_EQ(singles[1].dump(), R"({"table":"CoinestEnv","0":10000,"1":10000,"2":10000,"3":10000,"4":10000})");
  EXPECT_EQ(singles[2].dump(), R"({"table":"CoinestCon","1":"N","2":"","3":"N","4":"1"})");
  EXPECT_EQ(singles[3].dump(), R"({"table":"CoinestCon2","1":"N","2":2007,"3":3})");
  EXPECT_NE(first.out.find(R"({"table":"CoinestItems","1":75,"2":16,"3":"카드대금","4":1,"5":"Y"})"),
            std::string::npos);

  const CliRun second = cli(rootArgs({"dump"}));
  EXPECT_EQ(second.status, 0);
  EXPECT_EQ(second.out, first.out);

  const CliRun one = cli(rootArgs({"dump", "CoinestEnv"}));
  EXPECT_EQ(one.out, singles[1].dump() + "\n");
}

TEST_F(CliTest, TheRootComesFromTheEnvironmentWhenNotGiven) {
  const auto root = dir / "from-env";
  const CliRun run = cli({"dump", "CoinestRBDate"}, "COINEST_ROOT=" + shellQuote(root.string()) +
                                                        " COINEST_TODAY=2009-12-31");
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(run.out, "{\"table\":\"CoinestRBDate\",\"1\":\"2009-12-31\"}\n");
  EXPECT_TRUE(std::filesystem::exists(root / "objectstore.sqlite3"));
  EXPECT_EQ(std::filesystem::status(root).permissions() & std::filesystem::perms::all,
            std::filesystem::perms::owner_all);
}

TEST_F(CliTest, SettingsAreCheckedWrittenAndPrinted) {
  CliRun run = cli(rootArgs({"settings", "--login-prompt", "Y", "--password", "12"}));
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(run.out, "비밀번호는 최소 4자리이상 입력해야 합니다\n");

  run = cli(rootArgs({"settings", "--login-prompt", "Y", "--password", "1234", "--start-day", "25",
                      "--auto-carry-over", "Y"}));
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(run.out,
            "loginPrompt\tY\nshowUsedOnly\tN\nsettlementStartDay\t25\nautoCarryOver\tY\ncarryYear\t2007\n"
            "carryMonth\t3\n");

  // The password is kept: turning the prompt on again needs no new one.
  run = cli(rootArgs({"settings", "--show-used-only", "Y"}));
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_NE(run.out.find("loginPrompt\tY\nshowUsedOnly\tY\n"), std::string::npos);
  EXPECT_NE(cli(rootArgs({"dump", "CoinestCon"})).out.find(R"("2":"1234")"), std::string::npos);
}

TEST_F(CliTest, BadUsageAndUnusableFilesAreReported) {
  struct Case {
    std::vector<std::string> args;
    int status;
    const char* errorPart;
  };
  const Case cases[] = {
      {{"--root", (dir / "r").string(), "--today", "2007-3-5", "dump"}, 2, "--today"},
      {{"--root", (dir / "r").string(), "--today", "2007-02-30", "dump"}, 2, "--today"},
      {{"--root", (dir / "r").string(), "dump", "NoSuchTable"}, 2, "NoSuchTable"},
      {{"--root", (dir / "r").string(), "settings", "--start-day", "29"}, 2, "--start-day"},
      {{"--root", (dir / "r").string(), "settings", "--password", "12345678901"}, 2, "--password"},
      {{"--root", (dir / "r").string()}, 2, "subcommand"},
      {{"--root", "/proc/no-such-root", "dump"}, 1, "/proc/no-such-root"},
  };
  for (const Case& c : cases) {
    const CliRun run = cli(c.args);
    EXPECT_EQ(run.status, c.status) << c.errorPart << ": " << run.err;
    EXPECT_NE(run.err.find(c.errorPart), std::string::npos) << run.err;
  }
  EXPECT_EQ(cli({"--root", (dir / "r").string(), "dump"}, "COINEST_TODAY=tomorrow").status, 2);
}

TEST_F(CliTest, ARootHoldingAnotherFileIsLeftAlone) {
  const auto root = dir / "root";
  std::filesystem::create_directories(root);
  const auto file = root / "objectstore.sqlite3";
  { std::ofstream(file) << "this is a shopping list, not a book\n"; }
  const std::string before = slurp(file);
  const CliRun run = cli(rootArgs({"dump"}));
  EXPECT_EQ(run.status, 1);
  EXPECT_NE(run.err.find(file.string()), std::string::npos) << run.err;
  EXPECT_NE(run.err.find("not a Coinest book"), std::string::npos) << run.err;
  EXPECT_EQ(run.out, "");
  EXPECT_EQ(slurp(file), before);
}

// Writes into the book of the test's root with the library, before the tool runs.
class CliBookTest : public CliTest {
 protected:
  template <class Fill>
  void prepare(Fill fill) {
    testing::RootBook root(dir / "root");
    fill(root.book());
  }

  std::vector<nlohmann::json> records(const std::string& table) {
    std::vector<nlohmann::json> out;
    std::istringstream lines(cli(rootArgs({"dump", table})).out);
    for (std::string line; std::getline(lines, line);) out.push_back(nlohmann::json::parse(line));
    return out;
  }
};

TEST_F(CliBookTest, PostCarryOverAndReset) {
  prepare([](Book& book) {
    EXPECT_TRUE(addReservation(
        book, testing::makeReservation({.id = 10001, .dayOfMonth = 1, .content = "rent", .startDate = "2007-04-01"})));
    EXPECT_TRUE(addEntry(
        book,
        makeEntry({.id = *newEntryId(book), .date = "2007-03-06", .kind = "1", .content = "lunch", .amount = 500000})));
    EXPECT_TRUE(addEntry(
        book,
        makeEntry({.id = *newEntryId(book), .date = "2007-03-07", .kind = "2", .content = "lunch", .amount = 120000})));
  });

  CliRun run = cli({"--root", (dir / "root").string(), "--today", "2007-04-02", "post"});
  ASSERT_EQ(run.status, 0) << run.err;
  std::vector<nlohmann::json> entries = records("CoinestBooks");
  ASSERT_EQ(entries.size(), 3u);
  EXPECT_EQ(entries[2]["2"], "2007-04-01");
  EXPECT_EQ(entries[2]["6"], "rent");
  EXPECT_EQ(records("CoinestRBDate")[0]["1"], "2007-04-02");

  run = cli({"--root", (dir / "root").string(), "--today", "2007-04-02", "carry-over", "2007", "4"});
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(run.out, "현금잔액을 전월이월 하였습니다\n");
  entries = records("CoinestBooks");
  ASSERT_EQ(entries.size(), 4u);
  EXPECT_EQ(entries[3]["2"], "2007-04-01");
  EXPECT_EQ(entries[3]["4"], "전월이월");
  EXPECT_EQ(entries[3]["7"], 380000);

  run = cli({"--root", (dir / "root").string(), "carry-over", "2007", "13"});
  EXPECT_EQ(run.status, 2);

  run = cli(rootArgs({"reset"}));
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_TRUE(records("CoinestBooks").empty());
  EXPECT_EQ(records("CoinestReserve").size(), 1u);
}

TEST_F(CliBookTest, ImportAppliesTheDesktopsFilesWhenExchangeIsOn) {
  prepare([](Book&) {});
  const auto folder = dir / "root" / "Windows" / "Activesync";
  std::filesystem::create_directories(folder);
  const LedgerEntry e = makeEntry({.id = 20000, .date = "2007-03-08", .kind = "2", .content = "lunch", .amount = 4500});
  const std::string name = "A1" + changeFileName(ChangeLetter::Entry, ChangeOp::Add, 20000).substr(2, 7) + "._pc_";
  ASSERT_TRUE(writeExchangeFile(folder, name, encodeChangeRecord(recordChange(ChangeLetter::Entry, ChangeOp::Add, 20000, e))));

  CliRun run = cli(rootArgs({"import"}));
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_TRUE(records("CoinestBooks").empty()) << "no flag file, no import";
  EXPECT_TRUE(std::filesystem::exists(folder / name));

  { std::ofstream(folder / "ACTIVESYNC._as_"); }
  run = cli(rootArgs({"import"}));
  ASSERT_EQ(run.status, 0) << run.err;
  const std::vector<nlohmann::json> entries = records("CoinestBooks");
  ASSERT_EQ(entries.size(), 1u);
  EXPECT_EQ(entries[0]["1"], 20000);
  EXPECT_EQ(entries[0]["6"], "lunch");
  EXPECT_FALSE(std::filesystem::exists(folder / name));
  EXPECT_EQ(records("CoinestEnv")[0]["0"], 20000) << "a desktop id below 500000 raises the counter";
}

}  // namespace
}  // namespace coinest
