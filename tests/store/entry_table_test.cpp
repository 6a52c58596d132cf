#include "store/entry_table.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>

#include "store/id_counters.h"
#include "store/record_layout.h"
#include "store/table_catalogue.h"
#include "support/book_fixture.h"
#include "support/record_builders.h"

namespace coinest {
namespace {

using testing::BookFixture;
using testing::makeEntry;

// Every field of a record as one text, so two records compare in one expectation.
template <class R>
std::string fieldsText(const R& record) {
  std::string out;
  for (const PropValue& p : propsOf(record)) {
    out += std::to_string(propNumber(p.id)) + "=" + (isTextProp(p.id) ? p.text : std::to_string(p.intValue)) + ";";
  }
  return out;
}

template <class R>
std::vector<int32_t> idsOf(const std::vector<R>& records, int32_t R::*id) {
  std::vector<int32_t> ids;
  for (const R& r : records) ids.push_back(r.*id);
  return ids;
}

// Writes a record holding only the given properties, as an older program or the desktop might.
void writeRaw(Book& book, std::string_view table, std::vector<PropValue> props) {
  TableHandle t = book.store.openTable(table, 0);
  ASSERT_TRUE(t);
  ASSERT_NE(t.writeRecord(props), 0);
}

TEST(EntryTable, EntriesAreFoundDeletedAndTestedByTheirOwnIdOnly) {
  BookFixture f;
  Book& book = f.book();
  f.enableExchange();
  LedgerEntry full = makeEntry({.id = 10003,
                                .date = "2007-03-05",
                                .kind = "3",
                                .major = "이체",
                                .minor = "계좌이체",
                                .content = "월세",
                                .amount = 450000});
  full.cardFlag = "Y";
  full.note = "메모";
  full.reserveId = 10020;
  full.assetId = 10030;
  full.instalments = 3;
  full.phoneFlag = "Y";
  full.checkCardFlag = "Y";
  full.toAssetId = 10031;
  writeEntryRecord(book, makeEntry({.id = 10001, .date = "2007-03-01"}));
  writeEntryRecord(book, full);
  writeEntryRecord(book, makeEntry({.id = 10005, .date = "2007-03-09"}));

  // 10002 and 10004 lie between stored ids; 9999 and 10006 outside them.
  for (int32_t absent : {10002, 10004, 9999, 10006, 0}) {
    SCOPED_TRACE(absent);
    EXPECT_FALSE(findEntry(book, absent));
    EXPECT_TRUE(entryIdFree(book, absent));
    EXPECT_FALSE(deleteEntryRecord(book, absent));
  }
  EXPECT_EQ(f.store().recordCount(kBooksTable), 3u);

  const std::optional<LedgerEntry> found = findEntry(book, 10003);
  ASSERT_TRUE(found);
  EXPECT_EQ(fieldsText(*found), fieldsText(full));
  EXPECT_FALSE(entryIdFree(book, 10003));

  const std::optional<LedgerEntry> deleted = deleteEntryRecord(book, 10003);
  ASSERT_TRUE(deleted);
  EXPECT_EQ(fieldsText(*deleted), fieldsText(full));
  EXPECT_FALSE(findEntry(book, 10003));
  EXPECT_TRUE(entryIdFree(book, 10003));
  EXPECT_FALSE(deleteEntryRecord(book, 10003));
  EXPECT_TRUE(findEntry(book, 10001));
  EXPECT_TRUE(findEntry(book, 10005));
  // The record steps leave the entry change files to the ledger.
  EXPECT_TRUE(f.sink.names().empty());
}

TEST(EntryTable, AnEntryWithoutTheLaterPropertiesReadsTheirDefaults) {
  BookFixture f;
  Book& book = f.book();
  std::vector<PropValue> props = propsOf(makeEntry({.id = 10001, .date = "2007-03-05", .content = "점심"}));
  props.resize(12);  // properties 1 to 12, as before the flags and the transfer target existed
  props[10].intValue = 10040;
  writeRaw(book, kBooksTable, props);

  const std::optional<LedgerEntry> found = findEntry(book, 10001);
  const std::vector<LedgerEntry> walked = entriesInRange(book, "2007-03-01", "2007-03-31");
  ASSERT_EQ(walked.size(), 1u);
  const std::optional<LedgerEntry> deleted = deleteEntryRecord(book, 10001);
  ASSERT_TRUE(found);
  ASSERT_TRUE(deleted);
  for (const LedgerEntry& e : {*found, walked[0], *deleted}) {
    EXPECT_EQ(e.phoneFlag, "N");
    EXPECT_EQ(e.checkCardFlag, "N");
    EXPECT_EQ(e.toAssetId, 0);
    EXPECT_EQ(e.assetId, 10040);
    EXPECT_EQ(e.content, "점심");
  }
}

TEST(EntryTable, PreviousContentsAreTheDistinctPairsOfExactlyOneCategory) {
  BookFixture f;
  Book& book = f.book();
  int32_t id = 10000;
  for (const LedgerEntry& e : {
           makeEntry({.id = ++id,
          .date = "2007-03-01",
          .kind = "2",
          .major = "식비",
          .minor = "기타",
          .content = "점심",
          .amount = 5000}),
           makeEntry({.id = ++id,
           .date = "2007-03-02",
           .kind = "2",
           .major = "식비",
           .minor = "기타",
           .content = "점심",
           .amount = 5000}),  // the same pair again
           makeEntry({.id = ++id,
           .date = "2007-03-03",
           .kind = "2",
           .major = "식비",
           .minor = "기타",
           .content = "점심",
           .amount = 3000}),
           makeEntry({.id = ++id,
           .date = "2007-03-04",
           .kind = "2",
           .major = "식비",
           .minor = "기타",
           .content = "간식",
           .amount = 2000}),
           makeEntry({.id = ++id,
           .date = "2007-03-05",
           .kind = "2",
           .major = "교통비",
           .minor = "기타",
           .content = "버스",
           .amount = 1000}),  // the other "기타"
           makeEntry({.id = ++id,
           .date = "2007-03-06",
           .kind = "1",
           .major = "식비",
           .minor = "기타",
           .content = "환불",
           .amount = 700}),  // an income under the same names
           makeEntry({.id = ++id,
           .date = "2007-03-07",
           .kind = "2",
           .major = "식비",
           .minor = "외식",
           .content = "저녁",
           .amount = 9000}),
           makeEntry({.id = ++id,
           .date = "2007-03-08",
           .kind = "2",
           .major = "식비",
           .minor = "ETC",
           .content = "upper",
           .amount = 1}),
           makeEntry({.id = ++id,
           .date = "2007-03-09",
           .kind = "2",
           .major = "식비",
           .minor = "etc",
           .content = "lower",
           .amount = 2}),
       }) {
    writeEntryRecord(book, e);
  }

  struct Case {
    const char* kind;
    const char* major;
    const char* minor;
    std::vector<ContentAmount> expected;
  };
  const Case cases[] = {
      {"2", "식비", "기타", {{"간식", 2000}, {"점심", 3000}, {"점심", 5000}}},
      {"2", "교통비", "기타", {{"버스", 1000}}},
      {"1", "식비", "기타", {{"환불", 700}}},
      {"2", "식비", "etc", {{"lower", 2}}},
      {"2", "식비", "ETC", {{"upper", 1}}},
      {"2", "식비", "Etc", {}},
      {"1", "교통비", "기타", {}},
      {"2", "식비", "없음", {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.kind) + " " + c.major + " " + c.minor);
    EXPECT_EQ(previousContents(book, c.kind, c.major, c.minor), c.expected);
  }
}

TEST(EntryTable, PreviousContentsKeepTheFirstPairsFoundUpToTheCapacity) {
  BookFixture f;
  Book& book = f.book();
  const int total = static_cast<int>(kPreviousContentCapacity) + 5;
  {
    TransactionGuard tx(book.store);
    // Written from the largest content down, so the first found are not the first by content.
    for (int i = 0; i < total; ++i) {
      char content[16];
      std::snprintf(content, sizeof content, "c%04d", total - 1 - i);
      writeEntryRecord(book, makeEntry({.id = 10001 + i,
                                        .date = "2007-03-05",
                                        .kind = "2",
                                        .major = "식비",
                                        .minor = "기타",
                                        .content = content,
                                        .amount = 1}));
    }
    ASSERT_TRUE(tx.commit());
  }
  const std::vector<ContentAmount> list = previousContents(book, "2", "식비", "기타");
  ASSERT_EQ(list.size(), kPreviousContentCapacity);
  EXPECT_EQ(list.front().content, "c0005");
  EXPECT_EQ(list.back().content, "c1004");
  EXPECT_TRUE(std::is_sorted(list.begin(), list.end(),
                             [](const ContentAmount& a, const ContentAmount& b) { return a.content < b.content; }));
}

TEST(EntryTable, DateRangesIncludeBothEndsAndNothingBeyond) {
  BookFixture f;
  Book& book = f.book();
  // Written out of date order; 10006 and 10002 share a date and must keep their order of writing.
  for (const LedgerEntry& e :
       {makeEntry({.id = 10006, .date = "2007-04-15"}), makeEntry({.id = 10001, .date = "2007-03-31"}),
        makeEntry({.id = 10005, .date = "2007-05-01"}), makeEntry({.id = 10002, .date = "2007-04-15"}),
        makeEntry({.id = 10003, .date = "2007-04-01"}), makeEntry({.id = 10004, .date = "2007-04-30"})}) {
    writeEntryRecord(book, e);
  }
  // A damaged record without a date belongs to no range.
  writeRaw(book, kBooksTable, {PropValue::ofInt(kIdKey, 10009)});
  auto row = [](int32_t id, const char* date) {
    InstalmentRow r;
    r.instId = id;
    r.instDate = date;
    r.entryId = 10001;
    r.instNo = 2;
    r.cardId = 10030;
    return r;
  };
  // An instalment may be dated on a day its month lacks.
  for (const InstalmentRow& r : {row(10013, "2007-05-01"), row(10011, "2007-04-31"), row(10012, "2007-03-31"),
                                 row(10014, "2007-04-01")}) {
    EXPECT_TRUE(addInstalmentRow(book, r));
  }

  struct Case {
    const char* first;
    const char* last;
    std::vector<int32_t> entries;
    std::vector<int32_t> instalments;
  };
  const Case cases[] = {
      {"2007-04-01", "2007-04-31", {10003, 10006, 10002, 10004}, {10014, 10011}},
      {"2007-03-01", "2007-03-31", {10001}, {10012}},
      {"2007-04-15", "2007-04-15", {10006, 10002}, {}},
      {"2007-05-01", "2007-05-31", {10005}, {10013}},
      {"2007-06-01", "2007-06-30", {}, {}},
      {"2007-04-30", "2007-04-01", {}, {}},
      {"0000-00-00", "9999-99-99", {10001, 10003, 10006, 10002, 10004, 10005}, {10012, 10014, 10011, 10013}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.first) + ".." + c.last);
    EXPECT_EQ(idsOf(entriesInRange(book, c.first, c.last), &LedgerEntry::entryId), c.entries);
    EXPECT_EQ(idsOf(instalmentsInRange(book, c.first, c.last), &InstalmentRow::instId), c.instalments);
  }
}

// The light walk decides on the fields as a whole read gives them (an over-long text cut to its
// field, as an older program or the desktop may have stored it), from `first` on, and reads whole
// exactly the entries it is asked for.
TEST(EntryTable, ALightWalkReadsTheFieldsAsAWholeReadDoes) {
  BookFixture f;
  Book& book = f.book();
  auto entry = [](int32_t id, const char* date, const char* cardFlag, int32_t amount) {
    LedgerEntry e = makeEntry({.id = id, .date = date, .amount = amount});
    e.cardFlag = cardFlag;
    e.assetId = id - 10000;
    return e;
  };
  for (const LedgerEntry& e : {entry(10004, "2007-04-30 late", "N", 400), entry(10001, "2007-03-31", "Y", 100),
                               entry(10002, "2007-04-01", "Y", 200), entry(10003, "2007-04-15", "Yes", 300)}) {
    ASSERT_TRUE(writeEntryRecord(book, e));
  }
  writeRaw(book, kBooksTable, {PropValue::ofInt(kIdKey, 10009), PropValue::ofText(makePropId(8, PropType::Text), "Y")});

  std::vector<std::string> light;
  std::vector<int32_t> whole;
  walkEntryAmounts(
      book.store, "2007-04-01", "",
      [&](const EntryAmount& e) {
        light.push_back(e.entryDate + " " + e.cardFlag + " " + std::to_string(e.assetId) + " " + std::to_string(e.amount));
        return e.cardFlag == "Y";
      },
      [&](LedgerEntry&& e) {
        whole.push_back(e.entryId);
        EXPECT_EQ(e.cardFlag, "Y");
      });
  EXPECT_EQ(light, (std::vector<std::string>{"2007-04-01 Y 2 200", "2007-04-15 Y 3 300", "2007-04-30 N 4 400"}));
  EXPECT_EQ(whole, (std::vector<int32_t>{10002, 10003}));

  // A walk up to a month stops after that month's last entry.
  light.clear();
  walkEntryAmounts(
      book.store, "", "2007-03",
      [&](const EntryAmount& e) {
        light.push_back(e.entryDate);
        return false;
      },
      nullptr);
  EXPECT_EQ(light, (std::vector<std::string>{"2007-03-31"}));
}

TEST(EntryTable, InstalmentRowsAreDeletedByTheirEntryOrTheirCardOnly) {
  struct Row {
    int32_t instId, entryId, cardId;
  };
  const Row rows[] = {{10011, 10100, 10007}, {10012, 10100, 10007}, {10013, 10101, 10007},
                      {10014, 10102, 10008}, {10015, 10099, 10009}};
  struct Case {
    const char* name;
    Status (*remove)(Book&, int32_t);
    int32_t id;
    std::vector<int32_t> left;
  };
  const Case cases[] = {
      {"entry without rows", deleteInstalmentsOfEntry, 10050, {10011, 10012, 10013, 10014, 10015, 10016}},
      {"entry with two rows", deleteInstalmentsOfEntry, 10100, {10013, 10014, 10015, 10016}},
      {"entry with one row", deleteInstalmentsOfEntry, 10101, {10011, 10012, 10014, 10015, 10016}},
      {"card with three rows", deleteInstalmentsOfCard, 10007, {10014, 10015, 10016}},
      {"last card", deleteInstalmentsOfCard, 10009, {10011, 10012, 10013, 10014, 10016}},
      {"card without rows", deleteInstalmentsOfCard, 10010, {10011, 10012, 10013, 10014, 10015, 10016}},
      {"card 0 against a row without a card", deleteInstalmentsOfCard, 0, {10011, 10012, 10013, 10014, 10015, 10016}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    BookFixture f;
    Book& book = f.book();
    f.enableExchange();
    for (const Row& r : rows)
      EXPECT_TRUE(addInstalmentRow(book, InstalmentRow{r.instId, "2007-04-10", r.entryId, 2, r.cardId}));
    writeRaw(book, kInstalmentsTable,
             {PropValue::ofInt(kIdKey, 10016), PropValue::ofText(makePropId(2, PropType::Text), "2007-04-11")});
    EXPECT_TRUE(c.remove(book, c.id));
    EXPECT_EQ(idsOf(instalmentsInRange(book, "2007-01-01", "2007-12-31"), &InstalmentRow::instId), c.left);
    EXPECT_TRUE(f.sink.names().empty());
  }
}

TEST(EntryTable, IdsComeFromTheCountersAndImportedRowsRaiseTheirs) {
  {
    BookFixture f;
    EXPECT_EQ(*newEntryId(f.book()), 10001);
    EXPECT_EQ(*newEntryId(f.book()), 10002);
    EXPECT_EQ(readCounters(f.store()).instCounter, 10000);
  }
  struct Case {
    bool importing;
    int32_t instId;
    int32_t counter;
  };
  const Case cases[] = {
      {false, 20000, 10000},  // the device's own rows took their ids from the counter already
      {true, 20000, 20000},
      {true, kDesktopIdBase - 1, kDesktopIdBase - 1},
      {true, kDesktopIdBase, 10000},  // desktop ids never move a counter
      {true, 9000, 10000},            // never lowered
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::to_string(c.instId) + (c.importing ? " importing" : ""));
    BookFixture f;
    f.book().modes.applyingImport = c.importing;
    EXPECT_TRUE(addInstalmentRow(f.book(), InstalmentRow{c.instId, "2007-04-10", 10001, 2, 10030}));
    const IdCounters counters = readCounters(f.store());
    EXPECT_EQ(counters.instCounter, c.counter);
    EXPECT_EQ(counters.entryCounter, 10000);
    EXPECT_EQ(counters.reserveCounter, 10000);
    EXPECT_EQ(f.store().recordCount(kInstalmentsTable), 1u);
  }
}

}  // namespace
}  // namespace coinest
