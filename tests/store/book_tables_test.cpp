#include "store/book_tables.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>

#include "store/id_counters.h"
#include "store/posting_date.h"
#include "store/record_layout.h"
#include "store/settings_records.h"
#include "store/single_record.h"
#include "store/table_catalogue.h"
#include "support/temp_dir.h"

namespace coinest {
namespace {

class BookTablesTest : public ::testing::Test {
 protected:
  void SetUp() override { reopen(); }

  void reopen() {
    book.store.reset();
    book = openBook(dir / "objectstore.sqlite3", clock);
    ASSERT_TRUE(book.store) << book.error;
  }

  ObjectStore& store() { return *book.store; }

  template <class R>
  std::vector<R> all(std::string_view table) {
    std::vector<R> out;
    TableHandle t = store().openTable(table, findTableDef(table)->key);
    for (RecordId r = t.seek(SeekMode::SeekFromFirst, 0); r != 0; r = t.seek(SeekMode::SeekFromCurrent, 1)) {
      readRecord(t, out.emplace_back());
    }
    return out;
  }

  testing::TempDir dir;
  FixedDateClock clock{2007, 3, 5};
  BookOpenResult book;
};

TEST_F(BookTablesTest, ANewBookIsCreatedAndSeededOnceOnly) {
  EXPECT_TRUE(book.created.allRecordTablesNew());
  EXPECT_TRUE(book.created.conSettings && book.created.con2Settings && book.created.postingDate &&
              book.created.instalments);
  for (const TableDef& def : bookTables()) {
    ASSERT_TRUE(store().tableExists(def.name)) << def.name;
    EXPECT_EQ(store().sortOrdersOf(def.name).size(), def.sortOrders.size()) << def.name;
  }
  EXPECT_EQ(store().recordCount(kMajorItemsTable), 17u);
  EXPECT_EQ(store().recordCount(kMinorItemsTable), 79u);
  EXPECT_EQ(store().recordCount(kHolidaysTable), 76u);
  EXPECT_EQ(store().recordCount(kBooksTable), 0u);

  const IdCounters counters = readCounters(store());
  for (int32_t c : {counters.entryCounter, counters.instCounter, counters.minorCounter, counters.reserveCounter,
                    counters.linkCounter}) {
    EXPECT_EQ(c, 10000);
  }
  EXPECT_EQ(readPostingDate(store()), "2007-03-05");
  ConSettings con;
  con.loginPrompt = "unset";
  readConSettings(store(), con);
  EXPECT_EQ(con.loginPrompt, "N");
  EXPECT_EQ(con.password, "");
  EXPECT_EQ(con.showUsedOnly, "N");
  EXPECT_EQ(con.settlementStartDay, "1");
  Con2Settings con2;
  readCon2Settings(store(), con2);
  EXPECT_EQ(con2.autoCarryOver, "N");
  EXPECT_EQ(con2.carryYear, 2007);
  EXPECT_EQ(con2.carryMonth, 3);

  // A later start on another day changes nothing.
  *takeId(store(), CounterNo::Entry);
  clock = FixedDateClock{2008, 1, 2};
  reopen();
  EXPECT_FALSE(book.created.books || book.created.holidays || book.created.counters || book.created.con2Settings);
  EXPECT_EQ(store().recordCount(kMajorItemsTable), 17u);
  EXPECT_EQ(store().recordCount(kHolidaysTable), 76u);
  EXPECT_EQ(readPostingDate(store()), "2007-03-05");
  Con2Settings later;
  readCon2Settings(store(), later);
  EXPECT_EQ(later.carryYear, 2007);
  EXPECT_EQ(readCounters(store()).entryCounter, 10001);
}

TEST_F(BookTablesTest, CategoriesAreSeededOnlyWhenBothCategoryTablesAreNew) {
  book.store->dropTable(kMinorItemsTable);
  reopen();
  EXPECT_TRUE(book.created.minorItems);
  EXPECT_FALSE(book.created.majorItems);
  EXPECT_EQ(store().recordCount(kMinorItemsTable), 0u);
  EXPECT_EQ(store().recordCount(kMajorItemsTable), 17u);
}

TEST_F(BookTablesTest, BuiltInCategories) {
  const std::vector<MajorItem> majors = all<MajorItem>(kMajorItemsTable);
  ASSERT_EQ(majors.size(), 17u);
  struct Expected {
    int32_t id;
    const char* kind;
    const char* name;
    int32_t order;
  };
  for (const Expected& e : {Expected{1, "1", "고정수입", 1}, Expected{3, "1", "전월이월", 3},
                            Expected{4, "2", "식비", 1}, Expected{16, "2", "카드대금", 13},
                            Expected{17, "2", "저축/보험", 14}}) {
    const MajorItem& m = majors[e.id - 1];
    EXPECT_EQ(m.majorId, e.id);
    EXPECT_EQ(m.itemKind, e.kind) << e.name;
    EXPECT_EQ(m.itemName, e.name);
    EXPECT_EQ(m.itemOrder, e.order) << e.name;
  }

  const std::vector<MinorItem> minors = all<MinorItem>(kMinorItemsTable);
  ASSERT_EQ(minors.size(), 79u);
  std::vector<int> perMajor(18, 0);
  for (std::size_t i = 0; i < minors.size(); ++i) {
    const MinorItem& m = minors[i];
    EXPECT_EQ(m.minorId, static_cast<int32_t>(i + 1));
    EXPECT_EQ(m.inUse, "Y");
    ASSERT_GE(m.majorId, 1);
    ASSERT_LE(m.majorId, 17);
    EXPECT_EQ(m.itemOrder, ++perMajor[m.majorId]) << "orders count up within each major: " << m.itemName;
  }
  EXPECT_EQ(perMajor[5], 9);  // 주거/통신
  EXPECT_EQ(minors[6].itemName, "전월이월");
  EXPECT_EQ(minors[6].majorId, 3);
  EXPECT_EQ(minors[74].itemName, "카드대금");
  EXPECT_EQ(minors[74].majorId, 16);
  EXPECT_EQ(minors[78].itemName, "기타");
  EXPECT_EQ(minors[78].majorId, 17);
}

TEST_F(BookTablesTest, HolidayRows) {
  const std::vector<Holiday> rows = all<Holiday>(kHolidaysTable);
  ASSERT_EQ(rows.size(), 76u);
  for (int32_t missing : {26, 46, 66, 86}) {
    EXPECT_TRUE(std::none_of(rows.begin(), rows.end(), [&](const Holiday& h) { return h.holidayNo == missing; }));
  }
  EXPECT_EQ(rows.front().holidayNo, 1);
  EXPECT_EQ(rows.back().holidayNo, 96);
  EXPECT_EQ(rows.back().holidayDate, "2009-12-25");

  // Looked up by date, as the calendar does.
  auto namesOn = [&](const std::string& date) {
    std::vector<std::string> names;
    TableHandle t = store().openTable(kHolidaysTable, makePropId(1, PropType::Text));
    for (RecordId r = t.seek(SeekMode::SeekFirstEqual, date); r != 0; r = t.seek(SeekMode::SeekNextEqual, date)) {
      Holiday h;
      readRecord(t, h);
      names.push_back(h.holidayName);
    }
    return names;
  };
  struct Case {
    const char* date;
    std::vector<std::string> names;
  };
  const Case cases[] = {
      {"2005-02-08", {""}},        {"2005-02-09", {"설날"}}, {"2005-02-10", {""}},
      {"2005-04-05", {"식목일"}},  {"2006-04-05", {}},       {"2010-01-01", {}},
      {"2004-12-25", {}},          {"2008-02-06", {""}},     {"2009-09-24", {}},
      {"2009-10-02", {""}},        {"2007-09-26", {""}},     {"2006-01-28", {""}},
  };
  for (const Case& c : cases) EXPECT_EQ(namesOn(c.date), c.names) << c.date;

  // Two holidays on one day: both rows are there.
  std::vector<std::string> both = namesOn("2006-05-05");
  std::sort(both.begin(), both.end());
  EXPECT_EQ(both, (std::vector<std::string>{"석가탄신일", "어린이날"}));
  both = namesOn("2009-10-03");
  std::sort(both.begin(), both.end());
  EXPECT_EQ(both, (std::vector<std::string>{"개천절", "추석"}));

  const auto seollal = std::find_if(rows.begin(), rows.end(), [](const Holiday& h) { return h.holidayNo == 43; });
  ASSERT_NE(seollal, rows.end());
  EXPECT_EQ(seollal->holidayDate, "2007-02-18");
  EXPECT_EQ(seollal->lunarDate, "01/01");
}

TEST_F(BookTablesTest, CountersAreSharedAndOnlyGrow) {
  EXPECT_EQ(*takeId(store(), CounterNo::Entry), 10001);
  EXPECT_EQ(*takeId(store(), CounterNo::Reservation), 10001);  // an asset
  EXPECT_EQ(*takeId(store(), CounterNo::Reservation), 10002);  // then a reservation
  EXPECT_EQ(*takeId(store(), CounterNo::Instalment), 10001);   // a major category
  EXPECT_EQ(*takeId(store(), CounterNo::Instalment), 10002);   // then an instalment row

  for (int i = 0; i < 19; ++i) *takeId(store(), CounterNo::Entry);
  raiseCounter(store(), CounterNo::Entry, 9000);
  EXPECT_EQ(readCounters(store()).entryCounter, 10020);
  raiseCounter(store(), CounterNo::Entry, 20000);
  EXPECT_EQ(*takeId(store(), CounterNo::Entry), 20001);
  EXPECT_EQ(store().recordCount(kCountersTable), 1u);

  // An emptied table counts from 10000 again; a missing one hands out nothing.
  {
    TableHandle t = store().openTable(kCountersTable, 0);
    t.deleteRecord(t.seek(SeekMode::SeekFromFirst, 0));
  }
  EXPECT_EQ(*takeId(store(), CounterNo::Link), 10001);
  store().dropTable(kCountersTable);
  EXPECT_FALSE(takeId(store(), CounterNo::Link));
}

// A counter at the largest id there is gives no more ids (no wrap to negative ids), says why, and
// fails the transaction that asked; the other counters go on.
TEST_F(BookTablesTest, ACounterAtTheLargestIdGivesNoMore) {
  IdCounters full;
  full.entryCounter = 2147483647;
  ASSERT_TRUE(replaceSingleRecord(store(), kCountersTable, full));
  {
    TransactionGuard tx(store());
    EXPECT_FALSE(takeId(store(), CounterNo::Entry));
    const Status finished = tx.finish();
    ASSERT_FALSE(finished);
    EXPECT_NE(finished.reason().find("2147483647"), std::string::npos) << finished.reason();
  }
  EXPECT_EQ(readCounters(store()).entryCounter, 2147483647);
  EXPECT_EQ(takeId(store(), CounterNo::Link), 10001);
}

TEST_F(BookTablesTest, OlderAndDamagedRecordsReadSafely) {
  // A settings record of an older program, without the settlement start day.
  {
    TableHandle t = store().openTable(kConSettingsTable, 0);
    t.deleteRecord(t.seek(SeekMode::SeekFromFirst, 0));
    const PropValue old[] = {PropValue::ofText(makePropId(1, PropType::Text), "Y"),
                             PropValue::ofText(makePropId(2, PropType::Text), "1234"),
                             PropValue::ofText(makePropId(3, PropType::Text), "Y")};
    t.writeRecord(old);
  }
  ConSettings con;
  readConSettings(store(), con);
  EXPECT_EQ(con.loginPrompt, "Y");
  EXPECT_EQ(con.password, "1234");
  EXPECT_EQ(con.settlementStartDay, "1");

  // An entry of an older program lacks properties 11 to 15; a foreign writer stored a content
  // longer than the field.
  std::string longContent;
  for (int i = 0; i < 45; ++i) longContent += "가";
  {
    TableHandle t = store().openTable(kBooksTable, 0);
    const PropValue old[] = {PropValue::ofInt(kIdKey, 10001),
                             PropValue::ofText(makePropId(2, PropType::Text), "2007-03-05"),
                             PropValue::ofText(makePropId(3, PropType::Text), "2"),
                             PropValue::ofText(makePropId(6, PropType::Text), longContent),
                             PropValue::ofInt(makePropId(7, PropType::Int32), 5000)};
    t.writeRecord(old);
  }
  const std::vector<LedgerEntry> entries = all<LedgerEntry>(kBooksTable);
  ASSERT_EQ(entries.size(), 1u);
  const LedgerEntry& e = entries[0];
  EXPECT_EQ(e.content, longContent.substr(0, 40 * 3)) << "cut at 40 characters, never inside one";
  EXPECT_EQ(e.assetId, 0);
  EXPECT_EQ(e.instalments, 0);
  EXPECT_EQ(e.toAssetId, 0);
  EXPECT_EQ(e.phoneFlag, "N");
  EXPECT_EQ(e.checkCardFlag, "N");
  EXPECT_EQ(e.amount, 5000);

  // A posting date that is not ten characters reads as the earliest date.
  writePostingDate(store(), "2007-3-5");
  EXPECT_EQ(readPostingDate(store()), "2001-01-01");
  // Empty settings tables read as the defaults.
  store().dropTable(kCon2SettingsTable);
  createBookTable(store(), kCon2SettingsTable);
  Con2Settings con2{"Y", 1, 1};
  readCon2Settings(store(), con2);
  EXPECT_EQ(con2.autoCarryOver, "N");
  EXPECT_EQ(con2.carryYear, 0);
  EXPECT_EQ(con2.carryMonth, 0);
}

TEST(BookTablesOpen, ReportsAFileThatIsNotABook) {
  testing::TempDir dir;
  const auto file = dir / "objectstore.sqlite3";
  { std::ofstream(file) << std::string(4096, '\x01'); }
  FixedDateClock clock{2007, 3, 5};
  const BookOpenResult result = openBook(file, clock);
  EXPECT_FALSE(result.store);
  EXPECT_NE(result.error.find(file.string()), std::string::npos) << result.error;
  EXPECT_EQ(std::filesystem::file_size(file), 4096u);
}

}  // namespace
}  // namespace coinest
