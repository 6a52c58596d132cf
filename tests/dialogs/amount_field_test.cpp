#include "dialogs/amount_field.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "dialogs/entry_dialog.h"
#include "dialogs/reservation_dialog.h"
#include "support/book_fixture.h"

namespace coinest {
namespace {

using testing::BookFixture;

std::string_view orAccepted(std::optional<std::string_view> refusal) { return refusal ? *refusal : "accepted"; }

TEST(AmountField, OneRuleForEveryAmountField) {
  struct Case {
    std::string typed;
    std::string_view payment;  // an entry's or a reservation's amount
    std::string_view balance;  // a bank account's balance
  };
  const std::vector<Case> cases = {
      {"", kAmountRequiredMessage, kAmountRequiredMessage},
      {"   ", kAmountRequiredMessage, kAmountRequiredMessage},
      {"12a", kAmountDigitsOnlyMessage, kAmountDigitsOnlyMessage},
      {"1,000", kAmountDigitsOnlyMessage, kAmountDigitsOnlyMessage},
      {"+5", kAmountDigitsOnlyMessage, kAmountDigitsOnlyMessage},
      {"1-2", kAmountDigitsOnlyMessage, kAmountDigitsOnlyMessage},
      {"0", kAmountNotPositiveMessage, "accepted"},
      {"00", kAmountNotPositiveMessage, "accepted"},
      {"-", kAmountNotPositiveMessage, "accepted"},
      {"-500", kAmountNotPositiveMessage, "accepted"},
      {"-99999999999", kAmountNotPositiveMessage, kAmountDigitsOnlyMessage},  // beyond an amount
      {"99999999", "accepted", "accepted"},
      {" 1500 ", "accepted", "accepted"},
      {"123456789", kAmountTooLongMessage, "accepted"},
      {"000000001", kAmountTooLongMessage, "accepted"},
      {"99999999999", kAmountTooLongMessage, kAmountDigitsOnlyMessage},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(orAccepted(amountRefusal(c.typed, AmountRule::Payment)), c.payment) << c.typed;
    EXPECT_EQ(orAccepted(amountRefusal(c.typed, AmountRule::Balance)), c.balance) << c.typed;
  }
}

// A reservation posts entries, so the two dialogs refuse the same amounts with the same message
// (the reservation's field takes digits only).
TEST(AmountField, EntryAndReservationDialogsRefuseTheSameAmounts) {
  for (const char* typed : {"", "0", "00", "123456789", "99999999", "5000"}) {
    BookFixture entryBook;
    EntryDialog entry = EntryDialog::openForAdd(entryBook.book(), entryBook.ui, "2007-03-05", false);
    entry.setContent("월세");
    entry.setAmount(typed);
    const bool entrySaved = entry.pressOk();

    BookFixture reservationBook;
    ReservationDialog reservation(reservationBook.book(), reservationBook.ui, false);
    reservation.setText(ReservationField::Content, "월세");
    reservation.setText(ReservationField::Amount, typed);
    const bool reservationSaved = reservation.pressOk();

    EXPECT_EQ(entrySaved, reservationSaved) << typed;
    ASSERT_EQ(entryBook.ui.messages.size(), reservationBook.ui.messages.size()) << typed;
    if (!entrySaved) {
      EXPECT_EQ(entryBook.ui.messages[0].text, reservationBook.ui.messages[0].text) << typed;
      EXPECT_EQ(entry.focus(), EntryDialogField::Amount) << typed;
      EXPECT_EQ(reservation.focus(), ReservationField::Amount) << typed;
    }
  }
}

}  // namespace
}  // namespace coinest
