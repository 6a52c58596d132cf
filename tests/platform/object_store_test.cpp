#include "platform/object_store.h"

#include <gtest/gtest.h>
#include <sqlite3.h>

#include <fstream>
#include <iterator>
#include <optional>

#include "support/temp_dir.h"

namespace coinest {
namespace {

constexpr PropId kId = makePropId(1, PropType::Int32);
constexpr PropId kName = makePropId(2, PropType::Text);
constexpr PropId kFlag = makePropId(13, PropType::Text);

const SortOrder kIdAndName[] = {{kId}, {kName}};

class ObjectStoreTest : public ::testing::Test {
 protected:
  void SetUp() override { reopen(); }

  void reopen() {
    store.reset();
    auto opened = ObjectStore::open(dir / "store.sqlite3");
    ASSERT_TRUE(opened.store) << opened.error;
    store = std::move(opened.store);
  }

  // Writes a record; a missing id or name leaves that property out.
  RecordId put(std::optional<int> id, std::optional<std::string> name, const char* table = "T") {
    TableHandle t = store->openTable(table, 0);
    std::vector<PropValue> props;
    if (id) props.push_back(PropValue::ofInt(kId, *id));
    if (name) props.push_back(PropValue::ofText(kName, *name));
    return t.writeRecord(props);
  }

  static std::string label(const TableHandle& t) {
    PropValue props[] = {PropValue::ofInt(kId, -1), PropValue::ofText(kName, "-")};
    if (!t.readProps(props)) return "none";
    return std::to_string(props[0].intValue) + ":" + props[1].text;
  }

  // Every record in the active order, walked as the book does: from the first, one step at a time.
  static std::vector<std::string> walk(TableHandle& t) {
    std::vector<std::string> out;
    for (RecordId r = t.seek(SeekMode::SeekFromFirst, 0); r != 0; r = t.seek(SeekMode::SeekFromCurrent, 1)) {
      out.push_back(label(t));
    }
    return out;
  }

  testing::TempDir dir;
  std::unique_ptr<ObjectStore> store;
};

TEST_F(ObjectStoreTest, CreateTellsWhetherTheTableIsNewAndKeepsItAcrossRuns) {
  EXPECT_NE(store->createTable("T", kIdAndName), 0);
  EXPECT_EQ(store->createTable("T", kIdAndName), 0);
  const SortOrder five[] = {{kId}, {kName}, {kFlag}, {makePropId(3, PropType::Int32)}, {makePropId(4, PropType::Int32)}};
  EXPECT_EQ(store->createTable("TooMany", five), 0);
  EXPECT_FALSE(store->tableExists("TooMany"));
  EXPECT_NE(store->createTable("Plain", {}), 0);
  put(7, "seven");

  reopen();
  EXPECT_EQ(store->createTable("T", kIdAndName), 0);
  ASSERT_EQ(store->sortOrdersOf("T").size(), 2u);
  EXPECT_EQ(store->sortOrdersOf("T")[1].prop, kName);
  EXPECT_TRUE(store->tableExists("Plain"));
  EXPECT_EQ(store->recordCount("T"), 1u);
}

TEST_F(ObjectStoreTest, OpenNeedsAKnownTableAndOneOfItsSortOrders) {
  store->createTable("T", kIdAndName);
  EXPECT_FALSE(store->openTable("Missing", 0).valid());
  EXPECT_FALSE(store->openTable("T", kFlag).valid());
  EXPECT_TRUE(store->openTable("T", kName).valid());
  EXPECT_TRUE(store->openTable("T", 0).valid());
}

TEST_F(ObjectStoreTest, SeekModesOnIntegerKeys) {
  store->createTable("T", kIdAndName);
  put(5, "five");
  put(3, "three-a");
  put(9, "nine");
  put(std::nullopt, "no-id");
  put(3, "three-b");

  TableHandle t = store->openTable("T", kId);
  // Equal keys keep the order of writing; a record without the key comes last.
  EXPECT_EQ(walk(t), (std::vector<std::string>{"3:three-a", "3:three-b", "5:five", "9:nine", "-1:no-id"}));

  struct Case {
    const char* what;
    SeekMode mode;
    SeekValue value;
    const char* expected;
  };
  const Case cases[] = {
      {"from first 0", SeekMode::SeekFromFirst, 0, "3:three-a"},
      {"from first 2", SeekMode::SeekFromFirst, 2, "5:five"},
      {"from first past the end", SeekMode::SeekFromFirst, 5, "none"},
      {"first equal", SeekMode::SeekFirstEqual, 3, "3:three-a"},
      {"first equal absent", SeekMode::SeekFirstEqual, 4, "none"},
      {"at least between keys", SeekMode::SeekAtLeast, 4, "5:five"},
      {"at least below every key", SeekMode::SeekAtLeast, -100, "3:three-a"},
      {"at least above every key", SeekMode::SeekAtLeast, 10, "none"},
      {"at least a text on integer keys", SeekMode::SeekAtLeast, std::string("5"), "none"},
  };
  for (const Case& c : cases) {
    const RecordId r = t.seek(c.mode, c.value);
    EXPECT_EQ(label(t), c.expected) << c.what;
    EXPECT_EQ(r != 0, std::string(c.expected) != "none") << c.what;
  }

  // The equality walk: first equal, then next equal until it fails.
  std::vector<std::string> threes;
  for (RecordId r = t.seek(SeekMode::SeekFirstEqual, 3); r != 0; r = t.seek(SeekMode::SeekNextEqual, 3)) {
    threes.push_back(label(t));
  }
  EXPECT_EQ(threes, (std::vector<std::string>{"3:three-a", "3:three-b"}));

  // Stepping back and several steps at once.
  ASSERT_NE(t.seek(SeekMode::SeekFromFirst, 3), 0);
  EXPECT_NE(t.seek(SeekMode::SeekFromCurrent, -2), 0);
  EXPECT_EQ(label(t), "3:three-b");
  EXPECT_NE(t.seek(SeekMode::SeekFromCurrent, 2), 0);
  EXPECT_EQ(label(t), "9:nine");
  EXPECT_EQ(t.seek(SeekMode::SeekFromCurrent, 5), 0);
  EXPECT_EQ(t.seek(SeekMode::SeekFromCurrent, 1), 0) << "no current record after running off the end";
}

TEST_F(ObjectStoreTest, TextKeysFoldAsciiCase) {
  store->createTable("T", kIdAndName);
  put(1, "b");
  put(2, "Y");
  put(3, "A");
  put(4, "2007-03-05");
  put(5, "y");
  put(6, "가계부");

  TableHandle t = store->openTable("T", kName);
  EXPECT_EQ(walk(t), (std::vector<std::string>{"4:2007-03-05", "3:A", "1:b", "2:Y", "5:y", "6:가계부"}));
  ASSERT_NE(t.seek(SeekMode::SeekFirstEqual, std::string("y")), 0);
  EXPECT_EQ(label(t), "2:Y");
  ASSERT_NE(t.seek(SeekMode::SeekNextEqual, std::string("Y")), 0);
  EXPECT_EQ(label(t), "5:y");
  ASSERT_NE(t.seek(SeekMode::SeekAtLeast, std::string("2007-03-01")), 0);
  EXPECT_EQ(label(t), "4:2007-03-05");
  EXPECT_EQ(t.seek(SeekMode::SeekFirstEqual, std::string("2007-03")), 0);
  EXPECT_EQ(t.seek(SeekMode::SeekFirstEqual, 4), 0) << "an integer never equals a text key";
}

TEST_F(ObjectStoreTest, MissingPropertiesKeepTheCallersPreset) {
  store->createTable("T", kIdAndName);
  put(1, "old record");

  TableHandle t = store->openTable("T", kId);
  ASSERT_NE(t.seek(SeekMode::SeekFirstEqual, 1), 0);
  PropValue props[] = {PropValue::ofText(kFlag, "N"), PropValue::ofInt(makePropId(11, PropType::Int32), 0),
                       PropValue::ofText(kName, "preset"),
                       PropValue::ofText(makePropId(1, PropType::Text), "wrong type")};
  ASSERT_TRUE(t.readProps(props));
  EXPECT_FALSE(props[0].found);
  EXPECT_EQ(props[0].text, "N");
  EXPECT_FALSE(props[1].found);
  EXPECT_TRUE(props[2].found);
  EXPECT_EQ(props[2].text, "old record");
  EXPECT_FALSE(props[3].found) << "property 1 is stored as an integer, not a text";

  std::vector<PropValue> all = t.readAllProps();
  ASSERT_EQ(all.size(), 2u);
  EXPECT_EQ(all[0].id, kId);
  EXPECT_EQ(all[1].id, kName);

  ASSERT_EQ(t.seek(SeekMode::SeekFirstEqual, 2), 0);
  EXPECT_FALSE(t.readProps(props)) << "no current record after a failed seek";
}

TEST_F(ObjectStoreTest, DropAndCreateAgain) {
  EXPECT_EQ(store->recordCount("T"), 0u);
  store->dropTable("T");  // absent: nothing happens
  EXPECT_FALSE(store->tableExists("T"));

  store->createTable("T", kIdAndName);
  put(1, "one");
  put(2, "two");
  EXPECT_EQ(store->recordCount("T"), 2u);
  store->dropTable("T");
  EXPECT_FALSE(store->tableExists("T"));
  EXPECT_EQ(store->recordCount("T"), 0u);

  const SortOrder byName[] = {{kName}};
  EXPECT_NE(store->createTable("T", byName), 0);
  EXPECT_EQ(store->recordCount("T"), 0u);
  put(3, "b");
  put(4, "a");
  TableHandle t = store->openTable("T", kName);
  EXPECT_EQ(walk(t), (std::vector<std::string>{"4:a", "3:b"}));
  reopen();
  EXPECT_EQ(store->sortOrdersOf("T").size(), 1u);
}

TEST_F(ObjectStoreTest, ReplacementGivesANewRecordIdWithTheSameKeyAndProperties) {
  store->createTable("T", kIdAndName);
  put(1, "one");
  const RecordId last = put(2, "two");

  TableHandle t = store->openTable("T", kId);
  const RecordId old = t.seek(SeekMode::SeekFirstEqual, 2);
  ASSERT_EQ(old, last);
  std::vector<PropValue> props = t.readAllProps();
  EXPECT_TRUE(t.deleteRecord(old));
  const RecordId fresh = t.writeRecord(props);
  EXPECT_NE(fresh, 0);
  EXPECT_NE(fresh, old);
  const RecordId found = t.seek(SeekMode::SeekFirstEqual, 2);
  EXPECT_EQ(found, fresh);
  EXPECT_EQ(label(t), "2:two");
  EXPECT_EQ(store->recordCount("T"), 2u);
}

TEST_F(ObjectStoreTest, AWalkSurvivesDeletesAndWritesOnTheWay) {
  store->createTable("T", kIdAndName);
  for (int i = 1; i <= 6; ++i) put(i % 2 == 0 ? 2 : 1, "r" + std::to_string(i));

  // Delete every record with key 2 while walking from the first one at least 2.
  TableHandle t = store->openTable("T", kId);
  std::vector<std::string> seen;
  for (RecordId r = t.seek(SeekMode::SeekAtLeast, 2); r != 0; r = t.seek(SeekMode::SeekFromCurrent, 1)) {
    seen.push_back(label(t));
    t.deleteRecord(r);
    // A write in the middle of the walk must not be visited twice or break the walk.
    if (seen.size() == 1) put(0, "written during the walk");
  }
  EXPECT_EQ(seen, (std::vector<std::string>{"2:r2", "2:r4", "2:r6"}));
  EXPECT_EQ(walk(t), (std::vector<std::string>{"0:written during the walk", "1:r1", "1:r3", "1:r5"}));
}

TEST_F(ObjectStoreTest, WalkByPositionMatchesWalkBySteps) {
  store->createTable("T", kIdAndName);
  for (int i = 0; i < 50; ++i) put((i * 37) % 11, "n" + std::to_string(i));
  TableHandle t = store->openTable("T", kName);
  const std::vector<std::string> stepped = walk(t);

  std::vector<std::string> positional;
  const uint32_t count = store->recordCount("T");
  for (uint32_t i = 0; i < count; ++i) {
    ASSERT_NE(t.seek(SeekMode::SeekFromFirst, static_cast<int32_t>(i)), 0);
    positional.push_back(label(t));
    if (i == 10) {
      // A change in the middle makes the handle find its place again by position.
      TableHandle other = store->openTable("T", 0);
      PropValue p[] = {PropValue::ofInt(kId, 99), PropValue::ofText(kName, "zzz")};
      other.writeRecord(p);
    }
  }
  ASSERT_EQ(positional.size(), stepped.size());
  EXPECT_EQ(positional, stepped);
}

TEST_F(ObjectStoreTest, WithoutSortOrderRecordsComeInWritingOrder) {
  store->createTable("T", kIdAndName);
  put(3, "c");
  put(1, "a");
  put(2, "b");
  TableHandle t = store->openTable("T", 0);
  EXPECT_EQ(walk(t), (std::vector<std::string>{"3:c", "1:a", "2:b"}));
  EXPECT_EQ(t.seek(SeekMode::SeekFirstEqual, 1), 0);
  EXPECT_EQ(t.seek(SeekMode::SeekAtLeast, 0), 0);
}

TEST_F(ObjectStoreTest, TransactionsCommitOrLeaveNothing) {
  store->createTable("T", kIdAndName);
  int committedActions = 0;
  {
    TransactionGuard tx(*store);
    put(1, "kept");
    store->afterCommit([&] { ++committedActions; });
    EXPECT_EQ(committedActions, 0) << "actions wait for the commit";
    EXPECT_TRUE(tx.commit());
  }
  EXPECT_EQ(committedActions, 1);

  {
    TransactionGuard tx(*store);
    put(2, "lost");
    store->createTable("Created", {});
    store->afterCommit([&] { ++committedActions; });
  }  // no commit: rolled back
  EXPECT_EQ(store->recordCount("T"), 1u);
  EXPECT_FALSE(store->tableExists("Created"));
  EXPECT_EQ(committedActions, 1);

  {
    TransactionGuard outer(*store);
    put(3, "outer");
    {
      TransactionGuard inner(*store);
      put(4, "inner");
      inner.abandon();
    }
    EXPECT_FALSE(outer.commit()) << "an inner failure takes the whole change back";
  }
  EXPECT_EQ(store->recordCount("T"), 1u);

  {
    TransactionGuard outer(*store);
    {
      TransactionGuard inner(*store);
      put(7, "kept");
      // an inner operation that returns early without commit does not fail the outer one
    }
    EXPECT_TRUE(outer.commit());
  }
  EXPECT_EQ(store->recordCount("T"), 2u);
  {
    TableHandle t = store->openTable("T", kId);
    t.deleteRecord(t.seek(SeekMode::SeekFirstEqual, 7));
  }
  EXPECT_EQ(store->recordCount("T"), 1u);

  {
    TransactionGuard outer(*store);
    {
      TransactionGuard inner(*store);
      put(5, "inner");
      EXPECT_TRUE(inner.commit());
    }
    put(6, "outer");
    EXPECT_TRUE(outer.commit());
  }
  reopen();
  EXPECT_EQ(store->recordCount("T"), 3u);
}

TEST_F(ObjectStoreTest, AChangeThatCannotBeginWritesNothing) {
  store->createTable("T", kIdAndName);
  sqlite3* other = nullptr;
  ASSERT_EQ(sqlite3_open((dir / "store.sqlite3").c_str(), &other), SQLITE_OK);
  ASSERT_EQ(sqlite3_exec(other, "BEGIN IMMEDIATE", nullptr, nullptr, nullptr), SQLITE_OK);
  store->setBusyTimeout(20);
  {
    TransactionGuard tx(*store);
    EXPECT_FALSE(tx.healthy());
    EXPECT_EQ(put(1, "one"), 0) << "no write one by one outside the transaction";
    store->dropTable("T");
    EXPECT_EQ(store->createTable("U", {}), 0);
    EXPECT_FALSE(tx.commit());
  }
  sqlite3_exec(other, "ROLLBACK", nullptr, nullptr, nullptr);
  sqlite3_close(other);
  ASSERT_TRUE(store->tableExists("T")) << "nor a drop or a create";
  EXPECT_FALSE(store->tableExists("U"));
  EXPECT_EQ(store->recordCount("T"), 0u);
  EXPECT_NE(put(2, "two"), 0) << "the store works again once the other writer is gone";
}

TEST_F(ObjectStoreTest, WritesOutsideATransactionAreVisibleToTheNextOpen) {
  store->createTable("T", kIdAndName);
  TableHandle walker = store->openTable("T", kId);
  put(1, "one");
  put(2, "two");
  ASSERT_NE(walker.seek(SeekMode::SeekFromFirst, 0), 0);  // a walk left in the middle
  put(3, "three");

  // Another connection (another process) sees all three writes.
  sqlite3* other = nullptr;
  ASSERT_EQ(sqlite3_open((dir / "store.sqlite3").c_str(), &other), SQLITE_OK);
  sqlite3_stmt* count = nullptr;
  ASSERT_EQ(sqlite3_prepare_v2(other, "SELECT count(*) FROM rec_1", -1, &count, nullptr), SQLITE_OK);
  ASSERT_EQ(sqlite3_step(count), SQLITE_ROW);
  EXPECT_EQ(sqlite3_column_int(count, 0), 3);
  sqlite3_finalize(count);
  sqlite3_close(other);
}

std::string readBytes(const std::filesystem::path& p) {
  std::ifstream in(p, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

TEST(ObjectStoreOpen, RefusesFilesThatAreNotABookAndLeavesThemAlone) {
  testing::TempDir dir;
  // Another program's SQLite database.
  const auto foreign = dir / "foreign.sqlite3";
  {
    sqlite3* db = nullptr;
    ASSERT_EQ(sqlite3_open(foreign.c_str(), &db), SQLITE_OK);
    ASSERT_EQ(sqlite3_exec(db, "CREATE TABLE x(a); INSERT INTO x VALUES(1);", nullptr, nullptr, nullptr), SQLITE_OK);
    sqlite3_close(db);
  }
  // A text file, a short file, and a store whose catalogue lost a table.
  const auto text = dir / "text.sqlite3";
  std::ofstream(text) << std::string(200, 'x');
  const auto shortFile = dir / "short.sqlite3";
  std::ofstream(shortFile) << "SQLite format 3";
  const auto damaged = dir / "damaged.sqlite3";
  {
    auto opened = ObjectStore::open(damaged);
    ASSERT_TRUE(opened.store);
    const SortOrder byId[] = {{kId}};
    opened.store->createTable("T", byId);
  }
  {
    sqlite3* db = nullptr;
    ASSERT_EQ(sqlite3_open(damaged.c_str(), &db), SQLITE_OK);
    ASSERT_EQ(sqlite3_exec(db, "DROP TABLE rec_1;", nullptr, nullptr, nullptr), SQLITE_OK);
    sqlite3_close(db);
  }

  struct Case {
    std::filesystem::path path;
    const char* reason;
  };
  const Case cases[] = {{foreign, "another program"},
                        {text, "not a database"},
                        {shortFile, "not a database"},
                        {damaged, "damaged"}};
  for (const Case& c : cases) {
    const std::string before = readBytes(c.path);
    auto opened = ObjectStore::open(c.path);
    EXPECT_FALSE(opened.store) << c.path;
    EXPECT_NE(opened.error.find(c.path.string()), std::string::npos) << opened.error;
    EXPECT_NE(opened.error.find(c.reason), std::string::npos) << opened.error;
    EXPECT_EQ(readBytes(c.path), before) << c.path;
  }
}


// A tally is current only while its table has not changed since the stamp: any record written
// or deleted, by whatever writer and whichever handle, a table made again, or another process's
// write makes it stale; a rolled-back stamp stamps nothing.
TEST_F(ObjectStoreTest, ATallyIsCurrentOnlyWhileItsTableIsUnchanged) {
  store->createTable("T", kIdAndName);
  store->createTable("U", kIdAndName);
  const RecordId first = put(1, "one");
  EXPECT_FALSE(store->tallyIsCurrent("sums", "T"));  // never stamped

  auto stamp = [&] {
    TransactionGuard tx(*store);
    EXPECT_TRUE(store->clearTally("sums"));
    EXPECT_TRUE(store->addToTally("sums", "2007-01", 5, 100));
    EXPECT_TRUE(store->addToTally("sums", "2007-02", 5, 20));
    EXPECT_TRUE(store->addToTally("sums", "2007-02", 5, 3));
    EXPECT_TRUE(store->addToTally("sums", "2007-03", 7, -4));
    EXPECT_TRUE(store->stampTally("sums", "T"));
    EXPECT_TRUE(tx.commit());
    EXPECT_TRUE(store->tallyIsCurrent("sums", "T"));
  };
  stamp();
  EXPECT_EQ(store->tallyAfter("sums", ""), (std::vector<TallyTotal>{{5, 123}, {7, -4}}));
  EXPECT_EQ(store->tallyAfter("sums", "2007-01"), (std::vector<TallyTotal>{{5, 23}, {7, -4}}));
  EXPECT_EQ(store->tallyAfter("sums", "2007-02"), (std::vector<TallyTotal>{{7, -4}}));
  EXPECT_TRUE(store->tallyAfter("sums", "2007-03").empty());
  EXPECT_FALSE(store->tallyIsCurrent("sums", "U"));  // stamped for T only

  put(2, "two");
  EXPECT_FALSE(store->tallyIsCurrent("sums", "T"));
  stamp();
  put(1, "other table", "U");
  EXPECT_TRUE(store->tallyIsCurrent("sums", "T"));
  EXPECT_TRUE(store->openTable("T", 0).deleteRecord(first));
  EXPECT_FALSE(store->tallyIsCurrent("sums", "T"));
  stamp();
  // A delete and a write that leave as many records as before still move the stamp.
  {
    TableHandle t = store->openTable("T", kId);
    const RecordId r = t.seek(SeekMode::SeekFirstEqual, 2);
    std::vector<PropValue> props = t.readAllProps();
    ASSERT_TRUE(t.deleteRecord(r));
    ASSERT_NE(t.writeRecord(props), 0);
  }
  EXPECT_FALSE(store->tallyIsCurrent("sums", "T"));
  stamp();

  // Another process's write, seen from this one.
  {
    auto other = ObjectStore::open(dir / "store.sqlite3");
    ASSERT_TRUE(other.store) << other.error;
    TableHandle t = other.store->openTable("T", 0);
    ASSERT_NE(t.writeRecord(std::vector<PropValue>{PropValue::ofInt(kId, 9)}), 0);
  }
  EXPECT_FALSE(store->tallyIsCurrent("sums", "T"));
  stamp();
  reopen();
  EXPECT_TRUE(store->tallyIsCurrent("sums", "T"));

  // A stamp that rolls back leaves the tally stale.
  put(3, "three");
  {
    TransactionGuard tx(*store);
    EXPECT_TRUE(store->stampTally("sums", "T"));
    tx.abandon();
  }
  EXPECT_FALSE(store->tallyIsCurrent("sums", "T"));

  // A table dropped and made again never matches the old stamp, even when empty both times.
  store->dropTable("U");
  store->createTable("U", kIdAndName);
  {
    TransactionGuard tx(*store);
    EXPECT_TRUE(store->stampTally("sums", "U"));
    EXPECT_TRUE(tx.commit());
  }
  EXPECT_TRUE(store->tallyIsCurrent("sums", "U"));
  store->dropTable("U");
  store->createTable("U", kIdAndName);
  EXPECT_FALSE(store->tallyIsCurrent("sums", "U"));

  // Tallies are written only inside a write transaction.
  EXPECT_FALSE(store->addToTally("sums", "2008-01", 5, 1));
  EXPECT_FALSE(store->stampTally("sums", "T"));
  EXPECT_EQ(store->tallyAfter("sums", "2007-12"), std::vector<TallyTotal>{});
}
}  // namespace
}  // namespace coinest

namespace coinest {
namespace {

// A second process replaces a table (as a restore or a reset does: drop, create, fill) while this
// store holds the table list it read when it opened. Under a transaction it must see the new table,
// never the dropped one read as empty.
TEST_F(ObjectStoreTest, ATransactionSeesTablesAnotherProcessReplaced) {
  ASSERT_NE(store->createTable("T", kIdAndName), 0);
  put(1, "old");
  auto other = ObjectStore::open(dir / "store.sqlite3");
  ASSERT_TRUE(other.store) << other.error;
  {
    TransactionGuard tx(*other.store);
    other.store->dropTable("T");
    ASSERT_NE(other.store->createTable("T", kIdAndName), 0);
    TableHandle t = other.store->openTable("T", 0);
    ASSERT_NE(t.writeRecord(std::vector{PropValue::ofInt(kId, 2), PropValue::ofText(kName, "new")}), 0);
    t.close();
    ASSERT_TRUE(tx.commit());
  }
  for (const TransactionKind kind : {TransactionKind::Read, TransactionKind::Write}) {
    TransactionGuard tx(*store, kind);
    TableHandle t = store->openTable("T", kId);
    ASSERT_TRUE(t);
    EXPECT_EQ(walk(t), std::vector<std::string>{"2:new"});
    t.close();
    EXPECT_TRUE(tx.finish());
  }
}

TEST_F(ObjectStoreTest, AReadOnlyTransactionReportsWhatWentWrong) {
  ASSERT_NE(store->createTable("T", kIdAndName), 0);
  put(1, "one");
  {
    // A table that is not there, inside a transaction, is a failure rather than an empty table.
    TransactionGuard tx(*store, TransactionKind::Read);
    EXPECT_FALSE(store->openTable("Gone", 0));
    const Status read = tx.finish();
    ASSERT_FALSE(read);
    EXPECT_NE(read.reason().find("Gone"), std::string::npos) << read.reason();
  }
  {
    // Nothing is written under a read.
    TransactionGuard tx(*store, TransactionKind::Read);
    EXPECT_EQ(put(2, "two"), 0);
    EXPECT_FALSE(tx.finish());
  }
  EXPECT_EQ(store->recordCount("T"), 1u);
  {
    // A snapshot is not moved by another process's commit.
    TransactionGuard tx(*store, TransactionKind::Read);
    EXPECT_EQ(store->recordCount("T"), 1u);
    auto other = ObjectStore::open(dir / "store.sqlite3");
    ASSERT_TRUE(other.store);
    TableHandle t = other.store->openTable("T", 0);
    ASSERT_NE(t.writeRecord(std::vector{PropValue::ofInt(kId, 3)}), 0);
    EXPECT_EQ(store->recordCount("T"), 1u);
    EXPECT_TRUE(tx.finish());
  }
  EXPECT_EQ(store->recordCount("T"), 2u);
}

// Files queued by a transaction stay with it: gone on a rollback, kept (in order) on a commit until
// someone removes them.
TEST_F(ObjectStoreTest, QueuedFilesCommitAndRollBackWithTheirTransaction) {
  EXPECT_FALSE(store->queueFile(1, "outside", "x")) << "only inside a transaction";
  {
    TransactionGuard tx(*store);
    ASSERT_TRUE(store->queueFile(1, "dropped", "x"));
  }
  EXPECT_FALSE(store->hasQueuedFiles());
  {
    TransactionGuard tx(*store);
    ASSERT_TRUE(store->queueFile(1, "first", std::string("a\0b", 3)));
    ASSERT_TRUE(store->queueFile(2, "second", ""));
    ASSERT_TRUE(tx.commit());
  }
  reopen();
  const std::vector<QueuedFile> queued = store->queuedFiles(0, 10);
  ASSERT_EQ(queued.size(), 2u);
  EXPECT_EQ(queued[0].name, "first");
  EXPECT_EQ(queued[0].bytes, std::string("a\0b", 3));
  EXPECT_EQ(queued[1].kind, 2);
  EXPECT_EQ(store->queuedFiles(queued[0].seq, 10).size(), 1u);
  {
    TransactionGuard tx(*store);
    ASSERT_TRUE(store->unqueueFile(queued[0].seq));
    ASSERT_TRUE(tx.commit());
  }
  EXPECT_EQ(store->queuedFiles(0, 10).size(), 1u);
}

}  // namespace
}  // namespace coinest
