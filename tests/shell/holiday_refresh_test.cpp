#include "shell/holiday_refresh.h"

#include <gtest/gtest.h>

#include "platform/device_root.h"
#include "platform/registry_file.h"
#include "store/book_tables.h"
#include "store/holiday_table.h"
#include "store/table_catalogue.h"
#include "support/book_fixture.h"

namespace coinest {
namespace {

TEST(HolidayRefresh, AnExistingBookIsRefreshedOnceAndANewOneNever) {
  testing::BookFixture fx;
  ObjectStore& store = fx.store();
  const std::filesystem::path registry = registryFilePath(fx.root());

  // A new book was just seeded: nothing to refresh, nothing written.
  EXPECT_FALSE(refreshHolidaysOnce(store, fx.root(), false).rebuilt);
  EXPECT_FALSE(readRegistryValue(registry, kHolidayRefreshKey, kHolidayRefreshValue));

  // An older program's book: a holiday table that lost its rows.
  {
    TableHandle t = store.openTable(kHolidaysTable, 0);
    for (RecordId r = t.seek(SeekMode::SeekFromFirst, 0); r != 0; r = t.seek(SeekMode::SeekFromFirst, 0)) {
      ASSERT_TRUE(t.deleteRecord(r));
    }
  }
  ASSERT_EQ(store.recordCount(kHolidaysTable), 0u);
  const HolidayRefresh first = refreshHolidaysOnce(store, fx.root(), true);
  EXPECT_TRUE(first.status) << first.status.reason();
  EXPECT_TRUE(first.rebuilt);
  EXPECT_EQ(store.recordCount(kHolidaysTable), 76u);
  EXPECT_EQ(readRegistryValue(registry, kHolidayRefreshKey, kHolidayRefreshValue), "0");

  // The next start leaves the table alone.
  {
    TableHandle t = store.openTable(kHolidaysTable, 0);
    ASSERT_TRUE(t.deleteRecord(t.seek(SeekMode::SeekFromFirst, 0)));
  }
  EXPECT_FALSE(refreshHolidaysOnce(store, fx.root(), true).rebuilt);
  EXPECT_EQ(store.recordCount(kHolidaysTable), 75u);

  // An empty value counts as not done.
  ASSERT_TRUE(writeRegistryValue(registry, kHolidayRefreshKey, kHolidayRefreshValue, ""));
  EXPECT_TRUE(refreshHolidaysOnce(store, fx.root(), true).rebuilt);
  EXPECT_EQ(store.recordCount(kHolidaysTable), 76u);
}

}  // namespace
}  // namespace coinest
