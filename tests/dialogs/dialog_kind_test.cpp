#include "dialogs/dialog_kind.h"

#include <gtest/gtest.h>

#include <optional>
#include <vector>

#include "dialogs/entry_dialog.h"
#include "dialogs/reservation_dialog.h"
#include "store/asset_kind.h"
#include "store/entry_kind.h"
#include "store/reservation_tables.h"
#include "support/book_fixture.h"
#include "support/record_builders.h"

namespace coinest {
namespace {

using testing::addNewAsset;
using testing::BookFixture;
using testing::makeReservation;

TEST(DialogKind, AStoredCodeReadsAsOneRadio) {
  struct Case {
    const char* entryKind;
    const char* cardFlag;
    TransferOffered transfers;
    EntryDialogKind shown;
  };
  const std::vector<Case> cases = {
      {"1", "N", TransferOffered::Yes, EntryDialogKind::Income},
      {"1", "Y", TransferOffered::No, EntryDialogKind::Income},
      {"2", "N", TransferOffered::Yes, EntryDialogKind::Expense},
      {"2", "", TransferOffered::No, EntryDialogKind::Expense},
      {"2", "Y", TransferOffered::No, EntryDialogKind::CardExpense},
      {"3", "N", TransferOffered::Yes, EntryDialogKind::Transfer},
      // A code the dialog does not offer: its card flag says how it was paid.
      {"3", "N", TransferOffered::No, EntryDialogKind::Expense},
      {"3", "Y", TransferOffered::No, EntryDialogKind::CardExpense},
      {"9", "N", TransferOffered::Yes, EntryDialogKind::Expense},
      {"9", "N", TransferOffered::No, EntryDialogKind::Expense},
      {"", "Y", TransferOffered::Yes, EntryDialogKind::CardExpense},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(dialogKindOf(c.entryKind, c.cardFlag, c.transfers), c.shown)
        << '"' << c.entryKind << "\" \"" << c.cardFlag << '"';
  }
}

// A reservation of a kind code the book does not know, paid from a bank account: the dialog shows
// an expense from that account, and saving it keeps the account and the card flag.
TEST(DialogKind, AnUnknownCodeKeepsItsPayment) {
  BookFixture f;
  const Asset account = addNewAsset(f.book(), {.name = "생활", .company = "가은행"});
  Reservation stored = makeReservation({.id = 20001, .kind = "9", .assetId = account.assetId});
  ASSERT_TRUE(addReservation(f.book(), stored));

  std::optional<ReservationDialog> dialog = openReservationChange(f.book(), f.ui, stored.reserveId, false);
  ASSERT_TRUE(dialog);
  EXPECT_EQ(dialog->kind(), EntryDialogKind::Expense);
  EXPECT_EQ(dialog->list(ReservationField::Means).selectedId(), account.assetId);
  ASSERT_TRUE(dialog->pressOk());
  const std::optional<Reservation> saved = findReservation(f.book(), stored.reserveId);
  ASSERT_TRUE(saved);
  EXPECT_EQ(saved->entryKind, kExpenseKind);
  EXPECT_EQ(saved->cardFlag, kNo);
  EXPECT_EQ(saved->assetId, account.assetId);
}

// The entry and reservation dialogs offer one means list for each kind and one instalment list.
TEST(DialogKind, EntryAndReservationDialogsOfferTheSameLists) {
  BookFixture f;
  addNewAsset(f.book(), {.name = "생활", .company = "가은행"});
  addNewAsset(f.book(), {.kind = kCreditCardKind, .name = "카드", .company = "나카드"});
  addNewAsset(f.book(), {.kind = kCheckCardKind, .name = "체크", .company = "다카드"});
  EntryDialog entry = EntryDialog::openForAdd(f.book(), f.ui, "2007-03-05", false);
  ReservationDialog reservation(f.book(), f.ui, false);
  for (EntryDialogKind kind : kReservationDialogKinds) {
    entry.chooseKind(kind);
    reservation.chooseKind(kind);
    EXPECT_EQ(entry.means().items, reservation.list(ReservationField::Means).items) << entryDialogKindText(kind);
    EXPECT_EQ(entry.means().ids, reservation.list(ReservationField::Means).ids) << entryDialogKindText(kind);
  }
  EXPECT_EQ(entry.instalments().items, reservation.list(ReservationField::Instalments).items);
  EXPECT_EQ(entry.instalments().items.back(), "24개월");
  EXPECT_EQ(entry.instalments().size(), 25);
}

}  // namespace
}  // namespace coinest
