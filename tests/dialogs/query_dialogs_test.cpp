#include "dialogs/query_dialogs.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "dialogs/query_filter.h"
#include "store/asset_kind.h"
#include "support/book_fixture.h"
#include "support/record_builders.h"

namespace coinest {
namespace {

using testing::addNewAsset;
using testing::BookFixture;

int kindRow(std::string_view code) {
  for (std::size_t i = 0; i < kFilterCodes.size(); ++i) {
    if (kFilterCodes[i].code == code) return static_cast<int>(i);
  }
  return -1;
}

TEST(CardQueryDialog, TheYearMustBeFourCharactersWithinTheRange) {
  struct Case {
    std::string year;
    std::string message;  // empty: accepted
  };
  const std::vector<Case> cases = {
      {"185", "년도 자료가 올바르지 않습니다"},
      {" 20 ", "년도 자료가 올바르지 않습니다"},
      {"1840", "년도 자료가 유효하지 않습니다\n(1841년에서 2050년까지만 유효함)"},
      {"2051", "년도 자료가 유효하지 않습니다\n(1841년에서 2050년까지만 유효함)"},
      {"1841", ""},
      {"2050", ""},
  };
  for (const Case& c : cases) {
    BookFixture f;
    QueryPageState page = startQueryPageState(f.book().clock);
    CardQueryDialog dialog(f.book(), f.ui, page);
    EXPECT_EQ(dialog.yearText(), "2007");
    dialog.setYearText(c.year);
    ASSERT_TRUE(dialog.choose(CardQueryField::Month, 11));
    dialog.pressOk();
    EXPECT_EQ(dialog.accepted(), c.message.empty()) << c.year;
    if (c.message.empty()) {
      EXPECT_EQ(page.criteria.card.year, std::stoi(c.year));
      EXPECT_EQ(page.criteria.card.month, 12);
      continue;
    }
    ASSERT_EQ(f.ui.messages.size(), 1u) << c.year;
    EXPECT_EQ(f.ui.messages[0].text, c.message);
    EXPECT_EQ(f.ui.messages[0].caption, MessageCaption::Error);
    EXPECT_EQ(dialog.focus(), CardQueryField::Year);
    EXPECT_FALSE(dialog.closed());
    EXPECT_EQ(page.criteria.card.year, 2007);
  }
}

TEST(CardQueryDialog, AChosenCardBringsItsPayDayAndPeriod) {
  BookFixture f;
  const Asset card = addNewAsset(f.book(), {.kind = kCreditCardKind, .name = "비씨", .holder = "홍", .company = "BC",
                                            .periodFromMonth = 2, .periodFromDay = 32, .periodToMonth = 3,
                                            .periodToDay = 32, .linkOrPayDay = 25});
  QueryPageState page = startQueryPageState(f.book().clock);
  CardQueryDialog dialog(f.book(), f.ui, page);
  EXPECT_EQ(dialog.list(CardQueryField::Card).items, (std::vector<std::string>{"전체", "BC 비씨 홍"}));
  ASSERT_TRUE(dialog.choose(CardQueryField::Card, 1));
  dialog.pressOk();
  EXPECT_EQ(page.criteria.card.cardFilter, card.assetId);
  EXPECT_EQ(page.criteria.card.payDayText, "25일");
  EXPECT_EQ(page.criteria.card.periodText, "2007-03-01 ~ 2007-03-31");

  CardQueryDialog again(f.book(), f.ui, page);
  EXPECT_EQ(again.list(CardQueryField::Card).selected, 1);
  again.pressCancel();
  EXPECT_FALSE(again.accepted());
}

TEST(BooksQueryDialog, KindChoicesRefillCategoriesAndAssetsByTheirSide) {
  BookFixture f;
  addNewAsset(f.book(), {.name = "급여", .holder = "홍", .company = "국민"});
  addNewAsset(f.book(), {.kind = kCreditCardKind, .name = "비씨", .holder = "홍", .company = "BC"});
  QueryPageState page = startQueryPageState(f.book().clock);
  BooksQueryDialog dialog(f.book(), page);
  EXPECT_EQ(dialog.list(BooksQueryField::Kind).size(), 13);
  EXPECT_TRUE(dialog.list(BooksQueryField::Major).empty());  // "전체" lists every category
  EXPECT_FALSE(dialog.assetShown());

  ASSERT_TRUE(dialog.choose(BooksQueryField::Kind, kindRow(kFilterExpense)));  // same side as "전체", lists filled
  const ChoiceList& majors = dialog.list(BooksQueryField::Major);
  EXPECT_EQ(majors.items.front(), "전체");
  EXPECT_EQ(majors.rowOf("식비"), 1);
  EXPECT_EQ(majors.rowOf("카드대금"), -1);
  ASSERT_TRUE(dialog.choose(BooksQueryField::Major, 1));
  EXPECT_EQ(dialog.list(BooksQueryField::Minor).items,
            (std::vector<std::string>{"전체", "주식", "부식", "외식", "기타"}));
  ASSERT_TRUE(dialog.choose(BooksQueryField::Minor, 3));

  ASSERT_TRUE(dialog.choose(BooksQueryField::Kind, kindRow(kFilterCardExpense)));  // the same side keeps them
  EXPECT_EQ(dialog.list(BooksQueryField::Minor).selectedText(), "외식");
  EXPECT_EQ(dialog.list(BooksQueryField::Asset).items, (std::vector<std::string>{"전체", "BC 비씨 홍"}));
  ASSERT_TRUE(dialog.choose(BooksQueryField::Asset, 1));
  dialog.pressOk();
  EXPECT_EQ(page.criteria.books.filterCode, kFilterCardExpense);
  EXPECT_EQ(page.criteria.books.majorFilter, "식비");
  EXPECT_EQ(page.criteria.books.minorFilter, "외식");
  EXPECT_EQ(page.criteria.books.assetText, "BC 비씨 홍");
  EXPECT_TRUE(page.booksRows.queryReread);

  BooksQueryDialog income(f.book(), page);
  EXPECT_EQ(income.list(BooksQueryField::Minor).selectedText(), "외식");
  ASSERT_TRUE(income.choose(BooksQueryField::Kind, kindRow(kFilterAccountIncome)));
  EXPECT_EQ(income.list(BooksQueryField::Major).selectedText(), "전체");
  EXPECT_EQ(income.list(BooksQueryField::Major).rowOf("전월이월"), -1);
  EXPECT_EQ(income.list(BooksQueryField::Minor).items, (std::vector<std::string>{"전체"}));
  EXPECT_EQ(income.list(BooksQueryField::Asset).items, (std::vector<std::string>{"전체", "국민 급여 홍"}));
  ASSERT_TRUE(income.choose(BooksQueryField::Kind, kindRow(kFilterCardPayment)));
  EXPECT_TRUE(income.list(BooksQueryField::Major).empty());
  EXPECT_FALSE(income.assetShown());
  EXPECT_TRUE(income.period.setFrom("2007-02-01"));
  EXPECT_FALSE(income.period.setTo("2007-02-30"));
  income.pressOk();
  EXPECT_EQ(page.criteria.books.majorFilter, "전체");
  EXPECT_EQ(page.criteria.books.assetFilter, 0);
  EXPECT_EQ(page.criteria.books.queryFrom, "2007-02-01");
  EXPECT_EQ(page.criteria.books.queryTo, "2007-03-05");
}

TEST(AccountQueryDialog, OffersTheBankAccountsOnlyWithTheChosenOneSelected) {
  BookFixture f;
  QueryPageState page = startQueryPageState(f.book().clock);
  AccountQueryDialog empty(f.book(), page);
  EXPECT_TRUE(empty.accounts().empty());
  empty.pressOk();
  EXPECT_EQ(page.criteria.account.accountFilter, 0);

  addNewAsset(f.book(), {.name = "생활", .number = "1-2", .holder = "홍", .company = "가은행"});
  const Asset second = addNewAsset(f.book(), {.name = "급여", .number = "3-4", .holder = "김", .company = "나은행"});
  addNewAsset(f.book(), {.kind = kCheckCardKind, .name = "체크", .company = "다카드"});
  AccountQueryDialog dialog(f.book(), page);
  EXPECT_EQ(dialog.accounts().items, (std::vector<std::string>{"가은행 생활 홍", "나은행 급여 김"}));
  EXPECT_EQ(dialog.accounts().selected, 0);
  ASSERT_TRUE(dialog.chooseAccount(1));
  dialog.pressOk();
  EXPECT_EQ(page.criteria.account.accountFilter, second.assetId);
  EXPECT_EQ(page.criteria.account.assetNumber, "3-4");
  EXPECT_EQ(page.criteria.account.holder, "김");
  EXPECT_TRUE(page.accountRows.queryReread);
  EXPECT_EQ(AccountQueryDialog(f.book(), page).accounts().selected, 1);
}

}  // namespace
}  // namespace coinest
