#include "ledger/settlement.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "ledger/entry_rules.h"
#include "ledger/ledger_test_support.h"
#include "ledger/settlement_cache.h"
#include "ledger/settlement_month.h"
#include "store/category_tables.h"
#include "store/entry_table.h"
#include "support/book_fixture.h"

namespace coinest {
namespace {

using testing::addNewAsset;

TEST(SettlementMonthTest, MonthOfADateAndTheMoves) {
  struct Case {
    YearMonth shown;
    SettlementMove move;
    TodayDate today;
    int startDay;
    YearMonth expected;
  };
  const YearMonth any{2001, 6};
  const Case cases[] = {
      {any, SettlementMove::Current, {"", 2007, 3, 10}, 25, {2007, 2}},   // before the start day: month before
      {any, SettlementMove::Current, {"", 2007, 1, 10}, 25, {2006, 12}},  // ... across the year
      {any, SettlementMove::Current, {"", 2007, 1, 25}, 25, {2007, 1}},   // on the start day: its own month
      {any, SettlementMove::Current, {"", 2007, 1, 24}, 25, {2006, 12}},
      {any, SettlementMove::Current, {"", 2007, 3, 1}, 1, {2007, 3}},
      {any, SettlementMove::Current, {"", 2008, 2, 29}, 28, {2008, 2}},
      {{2007, 1}, SettlementMove::Previous, {"", 2007, 3, 10}, 25, {2006, 12}},
      {{2007, 5}, SettlementMove::Previous, {"", 2007, 3, 10}, 25, {2007, 4}},
      {{2006, 12}, SettlementMove::Next, {"", 2007, 3, 10}, 25, {2007, 1}},
      {{2007, 5}, SettlementMove::Next, {"", 2007, 3, 10}, 25, {2007, 6}},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(moveSettlementMonth(c.shown, c.move, c.today, c.startDay), c.expected)
        << c.today.year << "-" << c.today.month << "-" << c.today.day << " start " << c.startDay;
  }
}

TEST(SettlementMonthTest, StartDaySettingOutsideOneToTwentyEightCountsAsOne) {
  const std::pair<const char*, int> cases[] = {{"1", 1},  {"25", 25}, {"28", 28}, {"07", 7}, {"", 1},   {"0", 1},
                                               {"29", 1}, {"32", 1},  {"x", 1},   {"-3", 1}, {" 5", 1}, {"005", 1}};
  for (const auto& [text, day] : cases) EXPECT_EQ(settlementStartDayOf(text), day) << "'" << text << "'";
}

TEST(SettlementPeriodTest, PeriodAndHeading) {
  struct Case {
    YearMonth month;
    int startDay;
    const char* first;
    const char* last;
    const char* heading;
  };
  const Case cases[] = {
      {{2007, 2}, 25, "2007-02-25", "2007-03-24", "2007년 2월 (2/25~3/24)"},
      {{2007, 12}, 25, "2007-12-25", "2008-01-24", "2007년 12월 (12/25~1/24)"},
      {{2007, 1}, 28, "2007-01-28", "2007-02-27", "2007년 1월 (1/28~2/27)"},
      {{2007, 3}, 2, "2007-03-02", "2007-04-01", "2007년 3월 (3/2~4/1)"},
      // Start day 1: the calendar month to its last day.
      {{2007, 2}, 1, "2007-02-01", "2007-02-28", "2007년 2월 (2/1~2/28)"},
      {{2008, 2}, 1, "2008-02-01", "2008-02-29", "2008년 2월 (2/1~2/29)"},
      {{2007, 4}, 1, "2007-04-01", "2007-04-30", "2007년 4월 (4/1~4/30)"},
      {{2007, 12}, 1, "2007-12-01", "2007-12-31", "2007년 12월 (12/1~12/31)"},
  };
  for (const Case& c : cases) {
    const SettlementPeriod p = settlementPeriod(c.month, c.startDay);
    EXPECT_EQ(p.first, c.first);
    EXPECT_EQ(p.last, c.last);
    EXPECT_EQ(p.heading, c.heading);
  }
}

class SettlementTest : public ::testing::Test {
 protected:
  void SetUp() override {
    account = addNewAsset(book(), {.kind = kBankAccountKind, .name = "bank"}).assetId;
    credit = addNewAsset(book(), {.kind = kCreditCardKind, .name = "visa", .linkOrPayDay = 25}).assetId;
    check = addNewAsset(book(), {.kind = kCheckCardKind, .name = "check", .linkOrPayDay = account}).assetId;
  }

  Book& book() { return fx.book(); }

  int32_t add(const char* date, const char* kind, const char* major, const char* minor, int32_t amount,
              void (*adjust)(LedgerEntry&, SettlementTest&) = nullptr) {
    LedgerEntry e = testing::makeEntry(date, kind, amount);
    e.entryId = *newEntryId(book());
    e.majorItem = major;
    e.minorItem = minor;
    e.content = std::string("c") + std::to_string(e.entryId);
    if (adjust) adjust(e, *this);
    EXPECT_TRUE(addEntry(book(), e));
    return e.entryId;
  }

  static std::vector<std::string> rowLines(const Settlement& s) {
    std::vector<std::string> lines;
    for (const SettlementRow& r : s.rows) lines.push_back(r.group + "|" + r.name + "|" + r.totalText);
    return lines;
  }

  static std::vector<std::string> totalLines(const Settlement& s) {
    std::vector<std::string> lines;
    for (const LabelledTotal& t : settlementTotalTexts(s.totals)) lines.push_back(std::string(t.label) + " " + t.text);
    return lines;
  }

  int32_t majorIdOf(const char* kind, const char* name) {
    for (const MajorItem& m : loadMajorItems(book(), kind).items) {
      if (m.itemName == name) return m.majorId;
    }
    return 0;
  }

  testing::BookFixture fx;

 public:
  int32_t account = 0, credit = 0, check = 0;
};

void byCard(LedgerEntry& e, SettlementTest& t) {
  e.cardFlag = "Y";
  e.assetId = t.credit;
  e.instalments = 1;
}
void byAccount(LedgerEntry& e, SettlementTest& t) { e.assetId = t.account; }
void byCheckCard(LedgerEntry& e, SettlementTest& t) {
  e.assetId = t.check;
  e.checkCardFlag = "Y";
}
void byPhone(LedgerEntry& e, SettlementTest&) { e.phoneFlag = "Y"; }
void withdrawal(LedgerEntry& e, SettlementTest& t) { e.assetId = t.account; }
void reserved(LedgerEntry& e, SettlementTest& t) {
  byCard(e, t);
  e.reserveId = 10077;
}

TEST_F(SettlementTest, TheTenTotalsSplitByMeansOverShownRowsOnly) {
  add("2007-03-02", "1", "고정수입", "급여", 100000);
  add("2007-03-03", "1", "기타수입", "이자", 50000, byAccount);
  add("2007-03-01", "1", "전월이월", "전월이월", 7000);
  add("2007-03-04", "2", "식비", "외식", 3000);
  add("2007-03-05", "2", "주거/통신", "관리비", 20000, byAccount);
  add("2007-03-06", "2", "식비", "외식", 30000, byCard);
  add("2007-03-25", "2", "카드대금", "카드대금", 30000, byAccount);  // pays the card: counts nowhere
  add("2007-03-07", "2", "주거/통신", "휴대폰", 4000, byPhone);
  add("2007-03-08", "2", "생활용품", "가사", 6000, byCheckCard);
  add("2007-03-09", "3", "현금", "현금 인출", 9000, withdrawal);
  add("2007-04-01", "2", "식비", "외식", 777);  // the next month

  const Settlement s = settleMonth(book(), {2007, 3}, 1, {});
  EXPECT_EQ(s.period.heading, "2007년 3월 (3/1~3/31)");
  EXPECT_EQ(totalLines(s), (std::vector<std::string>{"전월이월 7,000", "수입계 150,000", "지출계 63,000",
                                                     "잔액 +87,000", "현금수입 100,000", "계좌수입 50,000",
                                                     "현금지출 3,000", "계좌지출 20,000", "카드지출 30,000",
                                                     "기타지출 10,000"}));
  const auto row = [&](const std::string& name) {
    return std::find_if(s.rows.begin(), s.rows.end(), [&](const SettlementRow& r) { return r.name == name; });
  };
  EXPECT_EQ(row("식비")->totalText, "33,000");
  EXPECT_EQ(row("주거/통신")->totalText, "24,000");
  EXPECT_EQ(row("전월이월"), s.rows.end());
  EXPECT_EQ(row("카드대금"), s.rows.end());
  EXPECT_EQ(row("현금"), s.rows.end());

  // An expense month shows a negative difference.
  const Settlement april = settleMonth(book(), {2007, 4}, 1, {});
  EXPECT_EQ(totalLines(april)[3], "잔액 -777");
}

TEST_F(SettlementTest, MeansOfAnEntryTheFirstRuleThatHolds) {
  struct Case {
    void (*adjust)(LedgerEntry&, SettlementTest&);
    MeansSums expected;  // of one expense of 1,000
  };
  const Case cases[] = {
      {nullptr, {1000, 1000, 0, 0, 0}},
      {byAccount, {1000, 0, 1000, 0, 0}},
      {byCard, {1000, 0, 0, 1000, 0}},
      {byCheckCard, {1000, 0, 0, 0, 1000}},
      {byPhone, {1000, 0, 0, 0, 1000}},
      {[](LedgerEntry& e, SettlementTest& t) {
         byCard(e, t);
         e.phoneFlag = "Y";
       }, {1000, 0, 0, 1000, 0}},
      {[](LedgerEntry& e, SettlementTest& t) {
         byAccount(e, t);
         e.phoneFlag = "Y";
       }, {1000, 0, 0, 0, 1000}},
  };
  // One month each, all in one book.
  for (int i = 0; i < static_cast<int>(std::size(cases)); ++i) {
    add(formatDateText(2005, i + 1, 15).c_str(), "2", "식비", "외식", 1000, cases[i].adjust);
  }
  for (int i = 0; i < static_cast<int>(std::size(cases)); ++i) {
    const SettlementTally t = readSettlement(book(), {2005, i + 1}, 1);
    const auto food = std::find_if(t.categories.begin(), t.categories.end(),
                                   [](const CategoryTally& c) { return c.name == "식비"; });
    ASSERT_NE(food, t.categories.end());
    const MeansSums& got = food->sums;
    const MeansSums& want = cases[i].expected;
    EXPECT_EQ(std::vector<int64_t>({got.total, got.cash, got.account, got.card, got.other}),
              std::vector<int64_t>({want.total, want.cash, want.account, want.card, want.other}))
        << "case " << i;
  }
}

TEST_F(SettlementTest, StartDay25CoversTheDaysAcrossTheYearEnd) {
  add("2007-12-24", "2", "식비", "외식", 1);
  add("2007-12-25", "2", "식비", "외식", 20);
  add("2008-01-01", "1", "고정수입", "급여", 300);
  add("2008-01-24", "2", "식비", "외식", 4000);
  add("2008-01-25", "2", "식비", "외식", 50000);

  const Settlement december = settleMonth(book(), {2007, 12}, 25, {true, false});
  EXPECT_EQ(december.period.heading, "2007년 12월 (12/25~1/24)");
  EXPECT_EQ(rowLines(december), (std::vector<std::string>{"수입|고정수입|300", "지출|식비|4,020"}));

  const Settlement january = settleMonth(book(), {2008, 1}, 25, {true, false});
  EXPECT_EQ(rowLines(january), (std::vector<std::string>{"지출|식비|50,000"}));
}

TEST_F(SettlementTest, ShowUsedOnlyHidesRowsWithoutEntries) {
  const Settlement empty = settleMonth(book(), {2007, 3}, 1, {true, true});
  EXPECT_TRUE(empty.rows.empty());
  for (const std::string& line : totalLines(empty)) EXPECT_EQ(line.substr(line.find(' ')), " 0") << line;

  const Settlement all = settleMonth(book(), {2007, 3}, 1, {false, false});
  EXPECT_EQ(rowLines(all),
            (std::vector<std::string>{"수입|고정수입|0", "|기타수입|0", "지출|식비|0", "|주거/통신|0", "|생활용품|0",
                                      "|의류비|0", "|육아/교육|0", "|보건/미용|0", "|문화생활비|0", "|교통/차량|0",
                                      "|세금/공과금|0", "|경조사/회비|0", "|용돈/기타|0", "|금융|0",
                                      "|저축/보험|0"}));

  // Only expenses: the group label moves to the first shown row.
  add("2007-03-10", "2", "의류비", "신발", 5000);
  add("2007-03-11", "2", "금융", "수수료", 500);
  add("2007-03-12", "1", "전월이월", "전월이월", 900);  // never shown, but still the carry-over
  const Settlement used = settleMonth(book(), {2007, 3}, 1, {true, false});
  EXPECT_EQ(rowLines(used), (std::vector<std::string>{"지출|의류비|5,000", "|금융|500"}));
  EXPECT_EQ(totalLines(used)[0], "전월이월 900");
  EXPECT_EQ(totalLines(used)[1], "수입계 0");
}

TEST_F(SettlementTest, CategoriesFoundOnlyInEntriesEndTheirGroup) {
  add("2007-03-02", "2", "금융", "수수료", 100);
  add("2007-03-03", "2", "옛지출", "무엇", 200);
  add("2007-03-04", "1", "옛수입", "무엇", 300);
  add("2007-03-05", "2", "고정수입", "급여", 400);  // an income name used as an expense
  add("2007-03-06", "2", "식비", "외식", 500);
  ASSERT_TRUE(deleteMajorItem(book(), majorIdOf("2", "금융")));

  const Settlement s = settleMonth(book(), {2007, 3}, 1, {true, true});
  EXPECT_EQ(rowLines(s), (std::vector<std::string>{"수입|옛수입|300", "| - 무엇|300", "지출|식비|500", "| - 외식|500",
                                                   "|금융|100", "| - 수수료|100", "|옛지출|200", "| - 무엇|200",
                                                   "|고정수입|400", "| - 급여|400"}));
  EXPECT_EQ(totalLines(s)[1], "수입계 300");
  EXPECT_EQ(totalLines(s)[2], "지출계 1,200");

  const Settlement full = settleMonth(book(), {2007, 3}, 1, {false, false});
  // Two income and twelve expense majors of the table, then three found only in entries.
  ASSERT_EQ(full.rows.size(), 18u);
  EXPECT_EQ(full.rows[2].name, "옛수입");
  EXPECT_EQ(full.rows[3].name, "식비");
  EXPECT_EQ(full.rows[14].name, "저축/보험");
  EXPECT_EQ(full.rows[15].name, "금융");
}

TEST_F(SettlementTest, MinorRowsFollowTheTableThenEntriesAndSkipZero) {
  add("2007-03-02", "2", "식비", "외식", 1000);
  add("2007-03-03", "2", "식비", "야식", 20);  // not in the table
  add("2007-03-04", "2", "식비", "주식", 300);
  add("2007-03-05", "2", "식비", "외식", 4000);
  add("2007-03-06", "2", "식비", "부식", 0);
  add("2007-03-07", "1", "식비", "주식", 777);  // an income of that name is another row
  // A minor no longer offered keeps its place.
  MinorList minors = loadMinorItems(book(), majorIdOf("2", "식비"));
  MinorItem staple = minors.items.front();
  ASSERT_EQ(staple.itemName, "주식");
  staple.inUse = "N";
  EXPECT_TRUE(replaceMinorItem(book(), staple));

  const Settlement withMinors = settleMonth(book(), {2007, 3}, 1, {true, true});
  EXPECT_EQ(rowLines(withMinors),
            (std::vector<std::string>{"수입|식비|777", "| - 주식|777", "지출|식비|5,320", "| - 주식|300",
                                      "| - 외식|5,000", "| - 야식|20"}));
  const SettlementRow& dining = withMinors.rows[4];
  EXPECT_TRUE(dining.isMinor);
  EXPECT_EQ(dining.group, "");
  EXPECT_EQ(dining.minorItem, "외식");

  const Settlement majorsOnly = settleMonth(book(), {2007, 3}, 1, {true, false});
  EXPECT_EQ(rowLines(majorsOnly), (std::vector<std::string>{"수입|식비|777", "지출|식비|5,320"}));
  EXPECT_EQ(majorsOnly.totals.expense, withMinors.totals.expense);
}

TEST_F(SettlementTest, EntriesOfARowInDateKindIdOrder) {
  const int32_t late = add("2007-03-20", "2", "식비", "외식", 1000);
  const int32_t card = add("2007-03-05", "2", "식비", "외식", 23000, reserved);
  const int32_t cash = add("2007-03-05", "2", "식비", "주식", 300);
  const int32_t checkCard = add("2007-03-06", "2", "식비", "외식", 40, byCheckCard);
  const int32_t phone = add("2007-03-07", "2", "식비", "외식", 5, byPhone);
  const int32_t bank = add("2007-03-08", "2", "식비", "외식", 6, byAccount);
  add("2007-03-09", "1", "식비", "외식", 99999);  // same name, income: another row
  add("2007-04-01", "2", "식비", "외식", 8);      // another month
  const int32_t income = add("2007-03-04", "1", "고정수입", "급여", 2500000, byAccount);

  const SettlementTally tally = readSettlement(book(), {2007, 3}, 1);
  const Settlement s = settlementView(tally, {true, true});
  auto find = [&](const std::string& group, const std::string& name, bool minor) {
    bool inGroup = false;
    for (const SettlementRow& r : s.rows) {
      if (!r.group.empty()) inGroup = r.group == group;
      if (inGroup && r.name == name && r.isMinor == minor) return r;
    }
    ADD_FAILURE() << name;
    return SettlementRow{};
  };
  auto lines = [&](const SettlementRow& row) {
    std::vector<std::string> out;
    for (const EntryListRow& e : settlementRowEntries(tally, row)) {
      out.push_back(e.date + "|" + e.content + "|" + e.amount + "|" + std::to_string(e.entryId));
    }
    return out;
  };
  auto c = [](int32_t id) { return "c" + std::to_string(id); };
  auto n = [](int32_t id) { return std::to_string(id); };

  EXPECT_EQ(lines(find("지출", "식비", false)),
            (std::vector<std::string>{"03/05|@[카]" + c(card) + "|-23,000|" + n(card),
                                      "03/05|" + c(cash) + "|-300|" + n(cash),
                                      "03/06|[체]" + c(checkCard) + "|-40|" + n(checkCard),
                                      "03/07|[폰]" + c(phone) + "|-5|" + n(phone),
                                      "03/08|[계]" + c(bank) + "|-6|" + n(bank),
                                      "03/20|" + c(late) + "|-1,000|" + n(late)}));
  EXPECT_EQ(lines(find("지출", " - 주식", true)),
            (std::vector<std::string>{"03/05|" + c(cash) + "|-300|" + n(cash)}));
  EXPECT_EQ(lines(find("수입", "고정수입", false)),
            (std::vector<std::string>{"03/04|[계]" + c(income) + "|+2,500,000|" + n(income)}));
}

TEST_F(SettlementTest, TotalsPastThe32BitRangeStillAddUp) {
  add("2007-03-02", "1", "고정수입", "급여", 2000000000);
  add("2007-03-03", "1", "고정수입", "상여", 2000000000);
  add("2007-03-04", "2", "식비", "외식", 1);
  const Settlement s = settleMonth(book(), {2007, 3}, 1, {true, false});
  EXPECT_EQ(rowLines(s)[0], "수입|고정수입|4000,000,000");
  EXPECT_EQ(totalLines(s)[1], "수입계 4000,000,000");
  EXPECT_EQ(totalLines(s)[3], "잔액 +3999,999,999");
  EXPECT_EQ(totalLines(s)[4], "현금수입 4000,000,000");
}

TEST_F(SettlementTest, CacheKeepsTheReadUntilMonthStartDayOrDataChange) {
  add("2007-03-02", "2", "식비", "외식", 1000);
  SettlementCache cache;
  EXPECT_EQ(cache.kept(), nullptr);
  EXPECT_EQ(cache.tally(book(), {2007, 3}, 1).entries.size(), 1u);

  add("2007-03-03", "2", "식비", "외식", 2000);
  const SettlementTally& kept = cache.tally(book(), {2007, 3}, 1);
  EXPECT_EQ(kept.entries.size(), 1u);  // reused: the new entry is not seen
  EXPECT_EQ(settlementView(kept, {true, false}).totals.expense, 1000);

  cache.invalidate();
  EXPECT_EQ(cache.kept(), nullptr);
  EXPECT_EQ(settlementView(cache.tally(book(), {2007, 3}, 1), {true, false}).totals.expense, 3000);

  add("2007-03-26", "2", "식비", "외식", 400);
  // Another start day or month is another read.
  EXPECT_EQ(settlementView(cache.tally(book(), {2007, 3}, 3), {true, false}).totals.expense, 2400);
  EXPECT_EQ(cache.kept()->startDay, 3);
  EXPECT_EQ(cache.tally(book(), {2007, 2}, 3).entries.size(), 1u);
  EXPECT_EQ(cache.tally(book(), {2007, 3}, 1).entries.size(), 3u);
}

}  // namespace
}  // namespace coinest
