#include "shell/reservations_page.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ledger/entry_rules.h"
#include "store/entry_table.h"
#include "store/reservation_tables.h"
#include "support/record_builders.h"
#include "support/refusing_change_sink.h"
#include "support/shell_fixture.h"

namespace coinest {
namespace {

using testing::makeReservation;

class ReservationsPageTest : public ::testing::Test {
 protected:
  void SetUp() override { fx.showPage(PageReservations); }

  void add(const testing::ReservationFields& fields) { ASSERT_TRUE(addReservation(fx.book(), makeReservation(fields))); }
  ShellContext& context() { return fx.context(); }
  Screen& screen() { return fx.screen(); }
  std::vector<std::string> ids() {
    std::vector<std::string> texts;
    for (const ListRowCells& r : screen().at(kReservationList).rows) texts.push_back(r[3]);
    return texts;
  }

  testing::ShellContextFixture fx;
};

TEST_F(ReservationsPageTest, RowsByDayTextThenKindThenId) {
  add({.id = 10013, .dayOfMonth = 15, .content = "월세"});
  add({.id = 10012, .dayOfMonth = 5, .content = "카드", .cardFlag = kYes, .assetId = 10050});
  add({.id = 10011, .dayOfMonth = 5, .kind = kIncomeKind, .content = "이자", .amount = 1500, .assetId = 10051});
  add({.id = 10010, .dayOfMonth = 5, .content = "관리비"});

  rebuildReservationList(context());
  const std::vector<ListRowCells> expected = {
      {" 5일", "[계]이자", "+1,500", "10011"},
      {" 5일", "관리비", "-300,000", "10010"},
      {" 5일", "[카]카드", "-300,000", "10012"},
      {"15일", "월세", "-300,000", "10013"},
  };
  EXPECT_EQ(screen().at(kReservationList).rows, expected);
  EXPECT_EQ(screen().selectedRow(kReservationList), 0);
  EXPECT_EQ(context().reservations.selectedId, 10011);
  EXPECT_FALSE(fx.ui.waitCursor);

  reservationSelectionChanged(context(), 2);
  EXPECT_EQ(context().reservations.selectedId, 10012);
  EXPECT_EQ(fx.state().selectedRow[static_cast<int>(ListPage::Reservations)], 2);

  // A reservation just saved is selected once; then the remembered row again.
  context().reservations.idToSelect = 10013;
  rebuildReservationList(context());
  EXPECT_EQ(screen().selectedRow(kReservationList), 3);
  EXPECT_EQ(context().reservations.idToSelect, 0);
  screen().selectRow(kReservationList, 0);
  restoreReservationList(context());
  EXPECT_EQ(screen().selectedRow(kReservationList), 3);
}

TEST_F(ReservationsPageTest, DeleteAsksFirstRemovesTheLinksKeepsTheEntriesAndStepsUpFromTheLast) {
  add({.id = 10010, .dayOfMonth = 1});
  add({.id = 10011, .dayOfMonth = 2});
  ASSERT_TRUE(addReservationLink(fx.book(), {.linkId = 10020, .postedMonth = "200703", .reserveId = 10011, .entryId = 10030}));
  LedgerEntry posted = testing::makeEntry({.id = 10030, .date = "2007-03-02"});
  posted.reserveId = 10011;
  ASSERT_TRUE(addEntry(fx.book(), posted));
  rebuildReservationList(context());
  reservationSelectionChanged(context(), 1);
  fx.state().rebuild(ListPage::Reservations) = false;

  fx.ui.answers = {false};
  deleteSelectedReservation(context());
  EXPECT_EQ(fx.ui.messageTexts(), (std::vector<std::string>{kDeleteReservationQuestion}));
  EXPECT_TRUE(findReservation(fx.book(), 10011));
  EXPECT_TRUE(linkExists(fx.book(), 10011, "200703"));
  EXPECT_FALSE(fx.state().rebuild(ListPage::Reservations));

  deleteSelectedReservation(context());  // Yes
  EXPECT_FALSE(findReservation(fx.book(), 10011));
  EXPECT_FALSE(linkExists(fx.book(), 10011, "200703"));
  ASSERT_TRUE(findEntry(fx.book(), 10030));
  EXPECT_EQ(findEntry(fx.book(), 10030)->reserveId, 10011);
  EXPECT_EQ(ids(), (std::vector<std::string>{"10010"}));
  EXPECT_EQ(screen().selectedRow(kReservationList), 0);
  EXPECT_EQ(context().reservations.selectedId, 10010);
  EXPECT_TRUE(fx.state().rebuild(ListPage::Reservations));
  EXPECT_EQ(screen().focus, kReservationList);
  EXPECT_FALSE(fx.ui.waitCursor);
}

TEST_F(ReservationsPageTest, ADeleteTheBookRefusesKeepsReservationAndLinksAndIsReported) {
  add({.id = 10010, .dayOfMonth = 1});
  ASSERT_TRUE(addReservationLink(fx.book(), {.linkId = 10020, .postedMonth = "200703", .reserveId = 10010, .entryId = 1}));
  testing::RefusingChangeSink refusing;
  fx.book().changes = &refusing;
  fx.bookFixture().enableExchange();
  rebuildReservationList(context());

  deleteSelectedReservation(context());
  ASSERT_EQ(fx.ui.messages.size(), 2u);
  EXPECT_EQ(fx.ui.messages[1].caption, MessageCaption::Error);
  EXPECT_TRUE(findReservation(fx.book(), 10010));
  EXPECT_TRUE(linkExists(fx.book(), 10010, "200703"));
  EXPECT_EQ(ids(), (std::vector<std::string>{"10010"}));
}

TEST_F(ReservationsPageTest, DeleteNeedsRows) {
  rebuildReservationList(context());
  deleteSelectedReservation(context());
  EXPECT_TRUE(fx.ui.messages.empty());
}

}  // namespace
}  // namespace coinest
