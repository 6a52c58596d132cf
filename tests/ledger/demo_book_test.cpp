// The sample book: written whole or not at all.

#include <gtest/gtest.h>

#include "ledger/demo_book.h"
#include "store/table_catalogue.h"
#include "support/book_fixture.h"

namespace coinest {
namespace {

// The posting run comes last, after every asset and entry was written: when it fails, none of
// them may stay behind, and the reason reaches the caller.
TEST(DemoBook, AFailureLateInTheFillLeavesTheBookEmpty) {
  testing::BookFixture fixture;
  fixture.store().dropTable(kReservationLinksTable);

  const DemoBookResult filled = fillDemoBook(fixture.book());
  EXPECT_FALSE(filled.status);
  EXPECT_FALSE(filled.status.reason().empty());
  for (std::string_view table : {kBooksTable, kInstalmentsTable, kAssetsTable, kReservationsTable}) {
    EXPECT_EQ(fixture.store().recordCount(table), 0u) << table;
  }
}

}  // namespace
}  // namespace coinest
