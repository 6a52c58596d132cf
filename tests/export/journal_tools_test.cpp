// The exported journal read by the plain-text accounting tools on this machine: it passes their
// strict checks, and their balance of a month agrees with the settlement of that month. A tool
// that is not on the PATH skips its test.

#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "export/export_file.h"
#include "export/export_test_book.h"
#include "export/journal_text.h"
#include "ledger/entry_rules.h"
#include "ledger/settlement.h"
#include "store/entry_kind.h"
#include "support/book_fixture.h"
#include "support/cli_runner.h"
#include "support/temp_dir.h"

namespace coinest {
namespace {

namespace fs = std::filesystem;

bool onPath(const std::string& program) {
  const char* path = std::getenv("PATH");
  if (path == nullptr) return false;
  std::stringstream folders(path);
  for (std::string folder; std::getline(folders, folder, ':');) {
    const fs::path candidate = fs::path(folder.empty() ? "." : folder) / program;
    if (access(candidate.c_str(), X_OK) == 0 && fs::is_regular_file(candidate)) return true;
  }
  return false;
}

#define REQUIRE_TOOL(program) \
  if (!onPath(program)) GTEST_SKIP() << program << " is not on the PATH"

// The amount of a balance report's cell such as "-51200 KRW"; the tools write 0 without a commodity.
int64_t amountOf(const std::string& cell) { return std::stoll(cell); }

// "account","balance" rows of a balance report in CSV, the total row left out.
std::map<std::string, int64_t> balanceRows(const std::string& csv) {
  std::map<std::string, int64_t> rows;
  std::stringstream lines(csv);
  std::string line;
  std::getline(lines, line);  // the header
  while (std::getline(lines, line)) {
    if (line.empty()) continue;
    const std::size_t comma = line.find("\",\"");
    EXPECT_NE(comma, std::string::npos) << line;
    if (comma == std::string::npos) continue;
    const std::string account = line.substr(1, comma - 1);
    if (account == "total") continue;
    rows[account] = amountOf(line.substr(comma + 3));
  }
  return rows;
}

class JournalToolsTest : public ::testing::Test {
 protected:
  JournalToolsTest() { testing::fillExportTestBook(fx.book()); }

  fs::path journal(const ExportRange& range, const char* name = "book.journal") {
    const fs::path file = dir / name;
    const Status written = exportToFile(fx.book(), ExportFormat::Journal, range, file);
    EXPECT_TRUE(written) << written.reason();
    return file;
  }

  testing::CliRun tool(const std::string& program, const std::vector<std::string>& args) {
    return testing::runProgram(program, args, dir.path());
  }

  testing::BookFixture fx;
  testing::TempDir dir;
};

const ExportRange kRanges[] = {
    {},                            // the whole book
    {"2007-03-01", std::nullopt},  // from the carry-over on: the assertion opens the cash
    {"2007-03-02", "2007-03-31"},  // no carry-over, cash goes below 0
    {"2007-02-26", "2007-03-01"},  // ends on the carry-over's day
};

TEST_F(JournalToolsTest, TheStrictCheckOfHledgerPasses) {
  REQUIRE_TOOL("hledger");
  for (const ExportRange& range : kRanges) {
    const fs::path file = journal(range);
    for (const std::vector<std::string>& args : std::vector<std::vector<std::string>>{
             {"-f", file.string(), "check", "--strict"}, {"-s", "-f", file.string(), "bal"}}) {
      const testing::CliRun run = tool("hledger", args);
      EXPECT_EQ(run.status, 0) << exportRangeText(range) << ": " << run.err;
      EXPECT_EQ(run.err, "") << exportRangeText(range);
    }
  }
}

// The date of every posting as the journal writes it: its transaction's, sorted.
std::vector<std::string> postingDatesWritten(const fs::path& file) {
  std::vector<std::string> dates;
  std::stringstream lines(testing::readFileBytes(file));
  std::string date;
  for (std::string line; std::getline(lines, line);) {
    if (!line.empty() && std::isdigit(static_cast<unsigned char>(line.front()))) {
      date = line.substr(0, 10);
    } else if (line.starts_with("    ") && !line.starts_with("    ;") && !date.empty()) {
      dates.push_back(date);
    }
  }
  std::sort(dates.begin(), dates.end());
  return dates;
}

TEST_F(JournalToolsTest, TheStrictAndPedanticChecksOfLedgerPass) {
  REQUIRE_TOOL("ledger");
  for (const ExportRange& range : kRanges) {
    const fs::path file = journal(range);
    for (const char* mode : {"--strict", "--pedantic"}) {
      const testing::CliRun run = tool("ledger", {"-f", file.string(), mode, "bal"});
      EXPECT_EQ(run.status, 0) << exportRangeText(range) << " " << mode << ": " << run.err;
      EXPECT_EQ(run.err, "") << exportRangeText(range) << " " << mode;
    }
    // A bracketed date in a note would move its postings to that date without a word.
    const testing::CliRun dates =
        tool("ledger", {"-f", file.string(), "reg", "--empty", "--date-format", "%Y-%m-%d", "--format", "%D\n"});
    ASSERT_EQ(dates.status, 0) << dates.err;
    std::vector<std::string> read;
    std::stringstream lines(dates.out);
    for (std::string line; std::getline(lines, line);) read.push_back(line);
    std::sort(read.begin(), read.end());
    EXPECT_EQ(read, postingDatesWritten(file)) << exportRangeText(range);
  }
}

TEST_F(JournalToolsTest, AMonthsBalanceAgreesWithItsSettlement) {
  REQUIRE_TOOL("hledger");
  const fs::path file = journal({});
  for (const YearMonth month : {YearMonth{2007, 2}, YearMonth{2007, 3}}) {
    const Settlement settlement = settleMonth(fx.book(), month, 1, {});
    const YearMonth next = nextMonth(month.year, month.month);
    const testing::CliRun run =
        tool("hledger", {"-f", file.string(), "bal", "수입", "지출", "--depth", "2", "-O", "csv", "-b",
                         settlement.period.first, "-e", firstOfMonthText(next.year, next.month)});
    ASSERT_EQ(run.status, 0) << run.err;

    // Income shows negative in the journal's balance.
    std::map<std::string, int64_t> expected;
    for (const SettlementRow& row : settlement.rows) {
      if (row.total == 0) continue;
      const bool income = row.kind == kIncomeKind;
      expected[(income ? "수입:" : "지출:") + journalAccountPart(row.name)] = income ? -row.total : row.total;
    }
    const std::map<std::string, int64_t> balances = balanceRows(run.out);
    EXPECT_EQ(balances, expected) << settlement.period.heading;
    ASSERT_FALSE(expected.empty()) << "the month has entries to compare";

    int64_t income = 0;
    int64_t expense = 0;
    for (const auto& [account, amount] : balances) (account.starts_with("수입") ? income : expense) += amount;
    EXPECT_EQ(-income, settlement.totals.income) << settlement.period.heading;
    EXPECT_EQ(expense, settlement.totals.expense) << settlement.period.heading;
  }
}

TEST_F(JournalToolsTest, TheCashAtAMonthsEndIsTheBooksWhereverTheExportStarts) {
  REQUIRE_TOOL("hledger");
  // The book's cash of March: the carry-over of the 1st and March's own cash flows.
  const int64_t bookCash = cashBalance(fx.book(), "2007-03-01", "2007-03-31");
  for (const ExportRange& range : {ExportRange{}, ExportRange{"2007-03-01", "2007-03-31"}}) {
    const fs::path file = journal(range);
    const testing::CliRun run =
        tool("hledger", {"-f", file.string(), "bal", "자산:현금", "-O", "csv", "-e", "2007-04-01"});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(balanceRows(run.out), (std::map<std::string, int64_t>{{"자산:현금", bookCash}}))
        << exportRangeText(range);
  }
}

}  // namespace
}  // namespace coinest
