// coinest-cli demo: the sample book it writes, and the book it refuses to touch.

#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include <sstream>
#include <string>
#include <vector>

#include "calendar/date_text.h"
#include "ledger/demo_book.h"
#include "ledger/entry_rules.h"
#include "store/entry_table.h"
#include "support/book_fixture.h"
#include "support/cli_runner.h"
#include "support/record_builders.h"
#include "support/temp_dir.h"

namespace coinest {
namespace {

class DemoCommandTest : public ::testing::Test {
 protected:
  testing::CliRun cli(const std::string& today, std::vector<std::string> rest) {
    std::vector<std::string> args = {"--root", root().string(), "--today", today};
    args.insert(args.end(), rest.begin(), rest.end());
    return testing::runCli(args, dir.path());
  }

  std::vector<nlohmann::json> records(const std::string& today, const std::string& table) {
    const testing::CliRun dumped = cli(today, {"dump", table});
    EXPECT_EQ(dumped.status, 0) << dumped.err;
    std::vector<nlohmann::json> out;
    std::istringstream lines(dumped.out);
    for (std::string line; std::getline(lines, line);) out.push_back(nlohmann::json::parse(line));
    return out;
  }

  std::filesystem::path root() const { return dir / "root"; }

  testing::TempDir dir;
};

int countOf(const std::string& text, const std::string& part) {
  int n = 0;
  for (std::size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) ++n;
  return n;
}

// What the entries do to the bank account, read from the dump by the rules of the entry kinds:
// a credit-card expense moves nothing; an income raises the side it names, an expense or a
// transfer lowers it; a check card's side is the account it draws on; a transfer raises its
// destination.
int64_t accountMovement(const std::vector<nlohmann::json>& entries, int accountId, int checkCardId) {
  int64_t moved = 0;
  for (const nlohmann::json& e : entries) {
    if (e.at("8") == "Y") continue;
    const int from = e.at("11");
    const int64_t amount = e.at("7");
    if (from == accountId || from == checkCardId) moved += e.at("3") == "1" ? amount : -amount;
    if (e.at("3") == "3" && e.at("15") == accountId) moved += amount;
  }
  return moved;
}

// Today in the middle of a month, and on New Year's day (the previous month is last December and
// today's month holds one day).
TEST_F(DemoCommandTest, FillsTheMonthBeforeAndTheMonthOfTodayAndTheAccountAgreesWithTheEntries) {
  struct Case {
    const char* today;
    const char* previousMonth;  // "YEAR MONTH" for settle and card
    const char* previousDay;    // a day of the month before, and today, for book --mode M
  };
  const Case cases[] = {
      {"2024-05-20", "2024 4", "2024-04-15"},
      {"2024-01-01", "2023 12", "2023-12-15"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.today);
    std::filesystem::remove_all(root());
    const testing::CliRun demo = cli(c.today, {"demo"});
    ASSERT_EQ(demo.status, 0) << demo.err;

    const std::vector<nlohmann::json> entries = records(c.today, "CoinestBooks");
    const std::vector<nlohmann::json> assets = records(c.today, "CoinestAssets");
    EXPECT_EQ(demo.out, "entries\t" + std::to_string(entries.size()) + "\nassets\t" + std::to_string(assets.size()) + "\n");
    for (const nlohmann::json& e : entries) EXPECT_LE(e.at("2").get<std::string>(), c.today);

    // Both months show rows; the month before holds a cash withdrawal and the card purchases.
    const testing::CliRun before = cli(c.today, {"book", c.previousDay, "--mode", "M"});
    const testing::CliRun current = cli(c.today, {"book", c.today, "--mode", "M"});
    EXPECT_GE(countOf(before.out, "\nrow\t"), 10) << before.out;
    EXPECT_GE(countOf(current.out, "\nrow\t"), 1) << current.out;
    EXPECT_NE(before.out.find("[이]생활비 인출\t300,000"), std::string::npos) << before.out;

    const std::string previous = c.previousMonth;
    const std::string year = previous.substr(0, previous.find(' '));
    const std::string month = previous.substr(previous.find(' ') + 1);
    const testing::CliRun settled = cli(c.today, {"settle", year, month});
    EXPECT_NE(settled.out.find("계좌수입\t3,200,000"), std::string::npos) << settled.out;
    EXPECT_EQ(settled.out.find("카드지출\t0\n"), std::string::npos) << settled.out;

    // The purchase in three instalments: the next two statements bill instalments 1 and 2, and
    // its rows 2 and 3 are in the instalment table.
    const YearMonth first = nextMonth(std::stoi(year), std::stoi(month));
    const YearMonth second = nextMonth(first.year, first.month);
    const testing::CliRun card1 = cli(c.today, {"card", std::to_string(first.year), std::to_string(first.month)});
    const testing::CliRun card2 = cli(c.today, {"card", std::to_string(second.year), std::to_string(second.month)});
    EXPECT_NE(card1.out.find("[1/3]공기청정기\t160,000"), std::string::npos) << card1.out;
    EXPECT_NE(card2.out.find("[2/3]공기청정기\t160,000"), std::string::npos) << card2.out;
    EXPECT_EQ(records(c.today, "CoinestInst").size(), 2u);

    // The reservation was posted once for each month whose day it has reached.
    const std::vector<nlohmann::json> links = records(c.today, "CoinestRBLink");
    EXPECT_EQ(links.size(), std::string(c.today).substr(8) >= "10" ? 2u : 1u);
    EXPECT_EQ(records(c.today, "CoinestRBDate").at(0).at("1"), c.today);

    // Account, credit card, check card drawing on the account.
    ASSERT_EQ(assets.size(), 3u);
    const nlohmann::json& account = assets[0];
    const nlohmann::json& checkCard = assets[2];
    ASSERT_EQ(account.at("2"), "1");
    ASSERT_EQ(checkCard.at("2"), "6");
    EXPECT_EQ(checkCard.at("12"), account.at("1"));
    EXPECT_EQ(checkCard.at("13"), 0);
    EXPECT_EQ(account.at("13").get<int64_t>(),
              kDemoOpeningBalance + accountMovement(entries, account.at("1"), checkCard.at("1")));
  }
}

TEST_F(DemoCommandTest, RefusesABookThatHasEntriesAndLeavesItAsItWas) {
  {
    testing::RootBook book(root(), {2024, 5, 20});
    const std::optional<int32_t> id = newEntryId(book.book());
    ASSERT_TRUE(id);
    ASSERT_TRUE(addEntry(book.book(), testing::makeEntry({.id = *id, .date = "2024-05-02", .amount = 7000})));
  }
  const testing::CliRun before = cli("2024-05-20", {"dump"});
  ASSERT_EQ(before.status, 0) << before.err;

  const testing::CliRun demo = cli("2024-05-20", {"demo"});
  EXPECT_EQ(demo.status, 1);
  EXPECT_EQ(demo.out, "");
  EXPECT_NE(demo.err.find("already has entries"), std::string::npos) << demo.err;

  const testing::CliRun after = cli("2024-05-20", {"dump"});
  EXPECT_EQ(after.out, before.out);
}

}  // namespace
}  // namespace coinest
