// A change dialog whose record the desktop's import deleted while it was open must not look saved.

#include <gtest/gtest.h>

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "dialogs/asset_dialog.h"
#include "dialogs/category_dialog.h"
#include "dialogs/entry_dialog.h"
#include "dialogs/reservation_dialog.h"
#include "ledger/entry_rules.h"
#include "store/asset_table.h"
#include "store/category_tables.h"
#include "store/entry_kind.h"
#include "store/entry_table.h"
#include "store/new_record.h"
#include "store/reservation_tables.h"
#include "support/book_fixture.h"
#include "support/record_builders.h"

namespace coinest {
namespace {

using testing::addNewAsset;
using testing::BookFixture;
using testing::makeEntry;
using testing::makeReservation;

// The dialog open on the record: deletes the record behind it, forgets the delete's own change
// file and presses OK. Returns whether the dialog closed.
template <class Dialog>
bool okAfterDelete(BookFixture& f, std::optional<Dialog> dialog, const std::function<bool(Book&)>& remove) {
  EXPECT_TRUE(dialog);
  if (!dialog) return true;
  EXPECT_TRUE(remove(f.book()));
  f.sink.changes.clear();
  dialog->pressOk();
  EXPECT_FALSE(dialog->savedId());
  return dialog->closed();
}

// The seeded expense major "식비" (a name the dialog opens on for change).
int32_t foodMajor(Book& book) {
  for (const MajorItem& major : loadMajorItems(book, kExpenseKind).items) {
    if (major.itemName == "식비") return major.majorId;
  }
  ADD_FAILURE() << "no 식비";
  return 0;
}

TEST(RecordDialogs, ChangingARecordDeletedMeanwhileIsToldNotStored) {
  struct Case {
    const char* name;
    bool (*idFree)(Book&, int32_t);
    // Puts the record in the book and returns its id.
    std::function<int32_t(BookFixture&)> add;
    // Opens the dialog on that record and runs okAfterDelete.
    std::function<bool(BookFixture&, int32_t)> okAfterDelete;
  };
  const std::vector<Case> cases = {
      {"entry", entryIdFree,
       [](BookFixture& f) {
         const LedgerEntry e = makeEntry({.id = 20001});
         EXPECT_TRUE(addEntry(f.book(), e));
         return e.entryId;
       },
       [](BookFixture& f, int32_t id) {
         return okAfterDelete(f, EntryDialog::openForChange(f.book(), f.ui, id, false),
                              [id](Book& book) { return deleteEntry(book, id); });
       }},
      {"asset", assetIdFree, [](BookFixture& f) { return addNewAsset(f.book(), {.name = "급여"}).assetId; },
       [](BookFixture& f, int32_t id) {
         return okAfterDelete(f, openAssetChange(f.book(), f.ui, id, false),
                              [id](Book& book) { return deleteAsset(book, id); });
       }},
      {"reservation", reservationIdFree,
       [](BookFixture& f) {
         const Reservation r = makeReservation({.id = 20001});
         EXPECT_TRUE(addReservation(f.book(), r));
         return r.reserveId;
       },
       [](BookFixture& f, int32_t id) {
         return okAfterDelete(f, openReservationChange(f.book(), f.ui, id, false),
                              [id](Book& book) { return deleteReservation(book, id); });
       }},
      {"major", majorIdFree, [](BookFixture& f) { return foodMajor(f.book()); },
       [](BookFixture& f, int32_t id) {
         const CategoryDialogRequest request{DialogMode::Change, CategoryLevel::Major, kExpenseKind, id};
         return okAfterDelete(f, openCategoryDialog(f.book(), f.ui, request, false),
                              [id](Book& book) { return deleteMajorItem(book, id); });
       }},
      {"minor", minorIdFree, [](BookFixture& f) { return loadMinorItems(f.book(), foodMajor(f.book())).items.front().minorId; },
       [](BookFixture& f, int32_t id) {
         const int32_t major = findMinorItem(f.book(), id)->majorId;
         const CategoryDialogRequest request{DialogMode::Change, CategoryLevel::Minor, kExpenseKind, major, id};
         return okAfterDelete(f, openCategoryDialog(f.book(), f.ui, request, false),
                              [id](Book& book) { return deleteMinorItem(book, id); });
       }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    BookFixture f;
    f.enableExchange();
    const int32_t id = c.add(f);
    EXPECT_FALSE(c.okAfterDelete(f, id));
    ASSERT_EQ(f.ui.messages.size(), 1u);
    EXPECT_EQ(f.ui.messages[0].caption, MessageCaption::Error);
    EXPECT_EQ(f.ui.messages[0].text, kRecordDeletedMeanwhileMessage);
    EXPECT_TRUE(f.sink.changes.empty());
    EXPECT_TRUE(c.idFree(f.book(), id));
  }
}

}  // namespace
}  // namespace coinest
