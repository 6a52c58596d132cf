#include "dialogs/reservation_dialog.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "store/asset_kind.h"
#include "store/category_tables.h"
#include "store/entry_kind.h"
#include "store/entry_table.h"
#include "store/reservation_tables.h"
#include "support/book_fixture.h"
#include "support/record_builders.h"

namespace coinest {
namespace {

using testing::addNewAsset;
using testing::BookFixture;
using testing::makeReservation;

std::string lastError(const BookFixture& f) {
  if (f.ui.messages.empty()) return "";
  EXPECT_EQ(f.ui.messages.back().caption, MessageCaption::Error);
  return f.ui.messages.back().text;
}

// The dialog's rows of a list whose item reads `text`.
int rowOf(const ReservationDialog& dialog, ReservationField field, std::string_view text) {
  return dialog.list(field).rowOf(text);
}

TEST(ReservationDialog, ContentThenAmountAreCheckedWithTheirFocus) {
  struct Case {
    std::string content;
    std::string amount;
    std::string message;
    ReservationField focus;
  };
  const std::vector<Case> cases = {
      {"", "1000", "예약 내용은 반드시 입력해야 합니다", ReservationField::Content},
      {"   ", "", "예약 내용은 반드시 입력해야 합니다", ReservationField::Content},
      {"월세", "", "금액은 반드시 입력해야 합니다", ReservationField::Amount},
      {"월세", "0", "금액은 0보다 커야 합니다", ReservationField::Amount},
      {"월세", "00", "금액은 0보다 커야 합니다", ReservationField::Amount},
  };
  for (const Case& c : cases) {
    BookFixture f;
    ReservationDialog dialog(f.book(), f.ui, false);
    dialog.setText(ReservationField::Content, c.content);
    dialog.setText(ReservationField::Amount, c.amount);
    dialog.setFocus(ReservationField::Note);
    dialog.pressOk();
    EXPECT_EQ(lastError(f), c.message) << c.content << "/" << c.amount;
    EXPECT_EQ(dialog.focus(), c.focus) << c.content << "/" << c.amount;
    EXPECT_FALSE(dialog.closed());
    EXPECT_TRUE(loadReservations(f.book()).empty());
  }
}

TEST(ReservationDialog, AddModeOpensOnAnExpenseInCashOnDayOne) {
  BookFixture f;
  ReservationDialog dialog(f.book(), f.ui, false);
  EXPECT_EQ(dialog.list(ReservationField::Day).items.front(), "매월 1일");
  EXPECT_EQ(dialog.list(ReservationField::Day).items.back(), "매월31일");
  EXPECT_EQ(dialog.list(ReservationField::Day).selected, 0);
  EXPECT_EQ(dialog.kind(), EntryDialogKind::Expense);
  EXPECT_EQ(dialog.list(ReservationField::Major).selectedText(), "식비");
  EXPECT_EQ(dialog.list(ReservationField::Minor).selectedText(), "주식");
  EXPECT_EQ(dialog.list(ReservationField::Means).items, (std::vector<std::string>{"현금", "휴대폰 결제"}));
  EXPECT_FALSE(dialog.shown(ReservationField::Instalments));
  EXPECT_EQ(dialog.focus(), ReservationField::Content);
  dialog.setText(ReservationField::Amount, "12a3");  // the field takes digits only
  EXPECT_EQ(dialog.text(ReservationField::Amount), "123");
  EXPECT_TRUE(dialog.textRefusal(ReservationField::Amount, "12a3"));
  EXPECT_TRUE(dialog.textRefusal(ReservationField::Amount, "1234567890"));
}

TEST(ReservationDialog, KindsRefillTheirListsAndMeansMapOntoPaymentFields) {
  BookFixture f;
  const Asset account = addNewAsset(f.book(), {.name = "급여", .holder = "홍", .company = "국민"});
  const Asset check = addNewAsset(f.book(), {.kind = kCheckCardKind, .name = "체크", .holder = "홍", .company = "신한"});
  const Asset card = addNewAsset(f.book(), {.kind = kCreditCardKind, .name = "비씨", .holder = "홍", .company = "BC"});
  ReservationDialog dialog(f.book(), f.ui, false);
  ASSERT_TRUE(dialog.choose(ReservationField::Major, rowOf(dialog, ReservationField::Major, "주거/통신")));
  EXPECT_EQ(dialog.list(ReservationField::Minor).selectedText(), "관리비");

  // Expense: phone, then a check card.
  ASSERT_TRUE(dialog.choose(ReservationField::Means, 1));
  EXPECT_EQ(dialog.record().phoneFlag, "Y");
  EXPECT_EQ(dialog.record().assetId, 0);
  ASSERT_TRUE(dialog.choose(ReservationField::Means, rowOf(dialog, ReservationField::Means, "신한 체크 홍")));
  EXPECT_EQ(dialog.record().assetId, check.assetId);
  EXPECT_EQ(dialog.record().checkCardFlag, "Y");
  EXPECT_EQ(dialog.record().instalments, 0);  // only a card expense keeps its instalments

  // Card expense keeps the categories; its means list is an empty item and the cards.
  dialog.chooseKind(EntryDialogKind::CardExpense);
  EXPECT_TRUE(dialog.shown(ReservationField::Instalments));
  EXPECT_EQ(dialog.list(ReservationField::Major).selectedText(), "주거/통신");
  EXPECT_EQ(dialog.list(ReservationField::Means).items, (std::vector<std::string>{"", "BC 비씨 홍"}));
  ASSERT_TRUE(dialog.choose(ReservationField::Means, 1));
  EXPECT_EQ(dialog.list(ReservationField::Instalments).selectedText(), "일시불");
  ASSERT_TRUE(dialog.choose(ReservationField::Instalments, 3));
  Reservation r = dialog.record();
  EXPECT_EQ(r.entryKind, "2");
  EXPECT_EQ(r.cardFlag, "Y");
  EXPECT_EQ(r.assetId, card.assetId);
  EXPECT_EQ(r.instalments, 3);

  // Income refills the categories and offers cash and the accounts.
  dialog.chooseKind(EntryDialogKind::Income);
  EXPECT_FALSE(dialog.shown(ReservationField::Instalments));
  EXPECT_EQ(dialog.list(ReservationField::Major).selectedText(), "고정수입");
  EXPECT_EQ(dialog.list(ReservationField::Minor).selectedText(), "급여");
  EXPECT_EQ(dialog.list(ReservationField::Means).items, (std::vector<std::string>{"현금", "국민 급여 홍"}));
  ASSERT_TRUE(dialog.choose(ReservationField::Means, 1));
  r = dialog.record();
  EXPECT_EQ(r.entryKind, "1");
  EXPECT_EQ(r.cardFlag, "N");
  EXPECT_EQ(r.assetId, account.assetId);
  EXPECT_EQ(r.instalments, 0);
}

TEST(ReservationDialog, ASaveIsPostedAtOnceWhenItsDayHasCome) {
  // Today is the 5th: day 5 is posted as an entry of today, day 10 waits for its day.
  for (const int day : {5, 10}) {
    BookFixture f;
    ReservationDialog dialog(f.book(), f.ui, false);
    ASSERT_TRUE(dialog.choose(ReservationField::Day, day - 1));
    dialog.setText(ReservationField::Content, "관리비");
    dialog.setText(ReservationField::Amount, "150000");
    dialog.pressOk();
    ASSERT_TRUE(dialog.closed()) << day;
    const Reservation saved = *findReservation(f.book(), *dialog.savedId());
    EXPECT_EQ(saved.dayOfMonth, day);
    EXPECT_EQ(saved.amount, 150000);
    const std::vector<LedgerEntry> posted = entriesInRange(f.book(), "2007-03-01", "2007-03-31");
    if (day == 5) {
      ASSERT_EQ(posted.size(), 1u);
      EXPECT_EQ(posted[0].entryDate, "2007-03-05");
      EXPECT_EQ(posted[0].reserveId, saved.reserveId);
    } else {
      EXPECT_TRUE(posted.empty());
    }
  }
}

TEST(ReservationDialog, ContinueTwiceStoresTwoAndKeepsDayKindAndCategories) {
  BookFixture f;
  ReservationDialog dialog(f.book(), f.ui, false);
  ASSERT_TRUE(dialog.choose(ReservationField::Day, 19));
  ASSERT_TRUE(dialog.choose(ReservationField::Major, rowOf(dialog, ReservationField::Major, "저축/보험")));
  for (const char* content : {"적금", "보험료"}) {
    dialog.setText(ReservationField::Content, content);
    dialog.setText(ReservationField::Amount, "100000");
    dialog.setText(ReservationField::Note, "자동이체");
    dialog.setFocus(ReservationField::Note);
    dialog.pressContinue();
    EXPECT_FALSE(dialog.closed());
    EXPECT_EQ(dialog.text(ReservationField::Content), "");
    EXPECT_EQ(dialog.text(ReservationField::Amount), "");
    EXPECT_EQ(dialog.text(ReservationField::Note), "");
    EXPECT_EQ(dialog.focus(), ReservationField::Content);
    EXPECT_EQ(dialog.list(ReservationField::Day).selected, 19);
  }
  EXPECT_TRUE(f.ui.messages.empty());
  const std::vector<Reservation> stored = loadReservations(f.book());
  ASSERT_EQ(stored.size(), 2u);
  EXPECT_NE(stored[0].reserveId, stored[1].reserveId);
  for (const Reservation& r : stored) {
    EXPECT_EQ(r.dayOfMonth, 20);
    EXPECT_EQ(r.majorItem, "저축/보험");
  }
}

TEST(ReservationDialog, ChangeShowsTheStoredChoicesAndKeepsThem) {
  BookFixture f;
  addNewAsset(f.book(), {.name = "생활", .company = "가은행"});
  const Asset second = addNewAsset(f.book(), {.name = "급여", .company = "나은행"});
  const Reservation income = makeReservation({.id = 20001, .dayOfMonth = 25, .kind = kIncomeKind, .major = "고정수입",
                                              .minor = "급여", .content = "월급", .amount = 3000000,
                                              .assetId = second.assetId});
  const Reservation orphan = makeReservation({.id = 20002, .major = "없어진 항목", .minor = "옛 소항목"});
  ASSERT_TRUE(addReservation(f.book(), income));
  ASSERT_TRUE(addReservation(f.book(), orphan));

  std::optional<ReservationDialog> dialog = openReservationChange(f.book(), f.ui, income.reserveId, true);
  ASSERT_TRUE(dialog);
  EXPECT_FALSE(dialog->continueShown());
  EXPECT_EQ(dialog->kind(), EntryDialogKind::Income);
  EXPECT_EQ(dialog->list(ReservationField::Day).selected, 24);
  EXPECT_EQ(dialog->list(ReservationField::Means).selectedId(), second.assetId);
  EXPECT_EQ(dialog->text(ReservationField::Amount), "3000000");
  dialog->pressOk();
  ASSERT_TRUE(dialog->closed());
  EXPECT_EQ(*dialog->savedId(), income.reserveId);
  EXPECT_EQ(findReservation(f.book(), income.reserveId)->assetId, second.assetId);

  std::optional<ReservationDialog> gone = openReservationChange(f.book(), f.ui, orphan.reserveId, false);
  ASSERT_TRUE(gone);
  EXPECT_EQ(gone->list(ReservationField::Major).items.back(), "없어진 항목");
  EXPECT_EQ(gone->list(ReservationField::Major).selectedText(), "없어진 항목");
  EXPECT_EQ(gone->list(ReservationField::Minor).items, (std::vector<std::string>{"옛 소항목"}));
  gone->pressOk();
  const Reservation kept = *findReservation(f.book(), orphan.reserveId);
  EXPECT_EQ(kept.majorItem, "없어진 항목");
  EXPECT_EQ(kept.minorItem, "옛 소항목");
  EXPECT_EQ(loadReservations(f.book()).size(), 2u);
}

}  // namespace
}  // namespace coinest
