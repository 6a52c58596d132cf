#include "store/asset_table.h"

#include <gtest/gtest.h>

#include <functional>

#include "store/entry_table.h"
#include "store/id_counters.h"
#include "store/record_layout.h"
#include "store/table_catalogue.h"
#include "support/book_fixture.h"
#include "support/record_builders.h"

namespace coinest {
namespace {

using testing::BookFixture;
using testing::makeAsset;

std::vector<int32_t> idsOf(const std::vector<Asset>& assets) {
  std::vector<int32_t> ids;
  for (const Asset& a : assets) ids.push_back(a.assetId);
  return ids;
}

std::vector<int32_t> instalmentIds(Book& book) {
  std::vector<int32_t> ids;
  for (const InstalmentRow& r : instalmentsInRange(book, "0000-00-00", "9999-99-99")) ids.push_back(r.instId);
  return ids;
}

TEST(AssetTable, ListsTakeTheirKindsInTableOrderOrSortedByKindAndCompany) {
  BookFixture f;
  Book& book = f.book();
  // Written so that id order, order of writing and company order all differ.
  EXPECT_TRUE(addAsset(book, makeAsset({.id = 10004, .kind = "1", .company = "하나은행"})));
  EXPECT_TRUE(addAsset(book, makeAsset({.id = 10002, .kind = "2", .company = "국민카드"})));
  EXPECT_TRUE(addAsset(book, makeAsset({.id = 10003, .kind = "6", .company = "가나은행"})));
  EXPECT_TRUE(addAsset(book, makeAsset({.id = 10001, .kind = "1", .company = "국민은행"})));
  EXPECT_TRUE(addAsset(book, makeAsset({.id = 10005, .kind = "5", .company = "금고"})));

  struct Case {
    const char* kind;
    std::vector<int32_t> ofKind;   // the asset page
    std::vector<int32_t> payment;  // the dialogs' choices
  };
  const Case cases[] = {
      {"0", {}, {10001, 10004, 10003}},  // accounts, then check cards
      {"1", {10004, 10001}, {10001, 10004}},
      {"2", {10002}, {10002}},
      {"5", {10005}, {10005}},
      {"6", {10003}, {10003}},
      {"3", {}, {}},
      {"9", {}, {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.kind);
    EXPECT_EQ(idsOf(loadAssetsOfKind(book, c.kind)), c.ofKind);
    EXPECT_EQ(idsOf(loadPaymentAssets(book, c.kind)), c.payment);
  }
}

TEST(AssetTable, ListsStopAtTheirCapacity) {
  BookFixture f;
  Book& book = f.book();
  TransactionGuard tx(book.store);
  for (int32_t i = 0; i < static_cast<int32_t>(kAssetListCapacity) + 3; ++i)
    EXPECT_TRUE(addAsset(book, makeAsset({.id = 10001 + i, .kind = "1", .company = "은행"})));
  ASSERT_TRUE(tx.commit());
  const std::vector<Asset> page = loadAssetsOfKind(book, "1");
  ASSERT_EQ(page.size(), kAssetListCapacity);
  EXPECT_EQ(page.back().assetId, 10000 + static_cast<int32_t>(kAssetListCapacity));
  EXPECT_EQ(loadPaymentAssets(book, "0").size(), kAssetListCapacity);
}

TEST(AssetTable, AssetsReadBackWholeAndOlderRecordsReadZeros) {
  BookFixture f;
  Book& book = f.book();
  Asset card = makeAsset(
      {.id = 10002, .kind = "2", .name = "포인트카드", .number = "123-45", .holder = "홍길동", .company = "국민카드"});
  card.note = "연회비 없음";
  card.periodFromMonth = 1;
  card.periodFromDay = 15;
  card.periodToMonth = 2;
  card.periodToDay = 14;
  card.linkOrPayDay = 25;
  card.balance = -120000;
  EXPECT_TRUE(addAsset(book, card));
  {
    // Properties 1 to 7 only.
    std::vector<PropValue> props = propsOf(makeAsset({.id = 10001, .kind = "1", .company = "국민은행"}));
    props.resize(7);
    TableHandle t = book.store.openTable(kAssetsTable, 0);
    ASSERT_NE(t.writeRecord(props), 0);
  }

  const std::optional<Asset> found = findAsset(book, 10002);
  ASSERT_TRUE(found);
  EXPECT_EQ(found->assetName, "포인트카드");
  EXPECT_EQ(found->note, "연회비 없음");
  EXPECT_EQ(found->periodFromMonth, 1);
  EXPECT_EQ(found->periodFromDay, 15);
  EXPECT_EQ(found->periodToMonth, 2);
  EXPECT_EQ(found->periodToDay, 14);
  EXPECT_EQ(found->linkOrPayDay, 25);
  EXPECT_EQ(found->balance, -120000);

  const std::optional<Asset> older = findAsset(book, 10001);
  const std::vector<Asset> listed = loadAssetsOfKind(book, "1");
  ASSERT_TRUE(older);
  ASSERT_EQ(listed.size(), 1u);
  for (const Asset& a : {*older, listed[0]}) {
    EXPECT_EQ(a.company, "국민은행");
    EXPECT_EQ(a.periodFromMonth, 0);
    EXPECT_EQ(a.periodFromDay, 0);
    EXPECT_EQ(a.periodToMonth, 0);
    EXPECT_EQ(a.periodToDay, 0);
    EXPECT_EQ(a.linkOrPayDay, 0);
    EXPECT_EQ(a.balance, 0);
  }

  for (int32_t absent : {10000, 10003, 0}) {
    SCOPED_TRACE(absent);
    EXPECT_FALSE(findAsset(book, absent));
    EXPECT_TRUE(assetIdFree(book, absent));
  }
  EXPECT_FALSE(assetIdFree(book, 10001));
  EXPECT_FALSE(assetIdFree(book, 10002));
}

TEST(AssetTable, OnlyDeletingACardTakesItsInstalmentRowsAlong) {
  struct Case {
    const char* name;
    std::function<void(Book&)> act;
    bool cardLeft;
    bool renamed;
    std::vector<int32_t> rowsLeft;
  };
  Asset edited = makeAsset({.id = 10002, .kind = "2", .name = "새 이름", .company = "국민카드"});
  edited.balance = 5000;
  const Case cases[] = {
      {"delete", [](Book& b) { EXPECT_TRUE(deleteAsset(b, 10002)); }, false, false, {10013}},
      {"replace", [&](Book& b) { EXPECT_TRUE(replaceAsset(b, edited)); }, true, true, {10011, 10013, 10012}},
      {"delete and add with the journal suppressed (a balance adjustment)",
       [&](Book& b) {
         ModeScope quiet(b.modes.journalSuppressed);
         EXPECT_TRUE(deleteAsset(b, 10002));
         EXPECT_TRUE(addAsset(b, edited));
       },
       true,
       true,
       {10011, 10013, 10012}},
      {"delete an absent asset",
       [](Book& b) { EXPECT_FALSE(deleteAsset(b, 10005)); },
       true,
       false,
       {10011, 10013, 10012}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    BookFixture f;
    Book& book = f.book();
    EXPECT_TRUE(addAsset(book, makeAsset({.id = 10002, .kind = "2", .name = "자유예금", .company = "국민카드"})));
    EXPECT_TRUE(addAsset(book, makeAsset({.id = 10003, .kind = "2", .company = "하나카드"})));
    EXPECT_TRUE(addInstalmentRow(book, InstalmentRow{10011, "2007-04-05", 10001, 2, 10002}));
    EXPECT_TRUE(addInstalmentRow(book, InstalmentRow{10012, "2007-05-05", 10001, 3, 10002}));
    EXPECT_TRUE(
        addInstalmentRow(book, InstalmentRow{10013, "2007-04-05", 10009, 2, 10003}));  // by date: 10011, 10013, 10012
    c.act(book);
    const std::optional<Asset> card = findAsset(book, 10002);
    ASSERT_EQ(card.has_value(), c.cardLeft);
    if (card) {
      EXPECT_EQ(card->assetName, c.renamed ? "새 이름" : "자유예금");
    }
    EXPECT_TRUE(findAsset(book, 10003));
    EXPECT_EQ(instalmentIds(book), c.rowsLeft);
    EXPECT_EQ(f.store().recordCount(kAssetsTable), c.cardLeft ? 2u : 1u);
  }
}

TEST(AssetTable, ChangeFilesFollowTheOperationAndTheModes) {
  enum class Mode { ExchangeOff, Usual, Importing, Suppressed };
  struct Case {
    const char* name;
    Mode mode;
    std::function<void(Book&)> act;
    std::vector<std::string> files;
  };
  const Asset account = makeAsset({.id = 10001, .kind = "1", .company = "국민은행"});
  Asset edited = account;
  edited.balance = 700;
  const Asset absent = makeAsset({.id = 10007, .kind = "1", .company = "없는은행"});
  auto add = [&](Book& b) { EXPECT_TRUE(addAsset(b, makeAsset({.id = 10008, .kind = "6", .company = "체크"}))); };
  auto replace = [&](Book& b) { EXPECT_TRUE(replaceAsset(b, edited)); };
  auto replaceAbsent = [&](Book& b) { EXPECT_TRUE(replaceAsset(b, absent)); };
  auto remove = [](Book& b) { deleteAsset(b, 10001); };
  auto removeAbsent = [](Book& b) { deleteAsset(b, 10007); };
  const Case cases[] = {
      {"add", Mode::Usual, add, {"D1 10008"}},
      {"add, exchange off", Mode::ExchangeOff, add, {}},
      {"add, importing", Mode::Importing, add, {}},
      {"add, suppressed", Mode::Suppressed, add, {}},
      {"replace", Mode::Usual, replace, {"D2 10001"}},
      {"replace an absent asset", Mode::Usual, replaceAbsent, {"D2 10007"}},
      {"replace, exchange off", Mode::ExchangeOff, replace, {}},
      {"replace, importing", Mode::Importing, replace, {"D2 10001"}},
      {"replace, suppressed", Mode::Suppressed, replace, {"D2 10001"}},
      {"delete", Mode::Usual, remove, {"D3 10001"}},
      {"delete an absent asset", Mode::Usual, removeAbsent, {"D3 10007"}},
      {"delete, exchange off", Mode::ExchangeOff, remove, {}},
      {"delete, importing", Mode::Importing, remove, {}},
      {"delete, suppressed", Mode::Suppressed, remove, {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    BookFixture f;
    Book& book = f.book();
    EXPECT_TRUE(addAsset(book, account));
    if (c.mode != Mode::ExchangeOff) f.enableExchange();
    book.modes.applyingImport = c.mode == Mode::Importing;
    book.modes.journalSuppressed = c.mode == Mode::Suppressed;
    c.act(book);
    EXPECT_EQ(f.sink.names(), c.files);
    // Only what the table operation set for itself is put back afterwards.
    EXPECT_EQ(book.modes.journalSuppressed, c.mode == Mode::Suppressed);
  }
  // A replacement leaves the new fields under the same id, exactly once.
  BookFixture f;
  EXPECT_TRUE(addAsset(f.book(), account));
  EXPECT_TRUE(replaceAsset(f.book(), edited));
  EXPECT_EQ(f.store().recordCount(kAssetsTable), 1u);
  ASSERT_TRUE(findAsset(f.book(), 10001));
  EXPECT_EQ(findAsset(f.book(), 10001)->balance, 700);
  // Replacing an asset that is not there adds nothing.
  EXPECT_TRUE(replaceAsset(f.book(), absent));
  EXPECT_TRUE(assetIdFree(f.book(), 10007));
}

TEST(AssetTable, AddChangeCarriesAllThirteenFieldsWithTheStartMonthEighth) {
  BookFixture f;
  f.enableExchange();
  Asset card = makeAsset({.id = 10002, .kind = "2", .company = "국민카드"});
  card.periodFromMonth = 2;
  card.periodFromDay = 32;
  card.balance = 9;
  EXPECT_TRUE(addAsset(f.book(), card));
  ASSERT_EQ(f.sink.changes.size(), 1u);
  const ChangeRecord& change = f.sink.changes[0];
  ASSERT_EQ(change.fields.size(), 13u);
  EXPECT_EQ(change.fields[7].number, 8);
  EXPECT_EQ(change.fields[7].intValue, 2);
  EXPECT_EQ(change.fields[8].intValue, 32);
  EXPECT_EQ(change.fields[12].intValue, 9);
  EXPECT_EQ(change.fields[6].text, "국민카드");
}

TEST(AssetTable, ImportedAssetsRaiseTheSharedCounter) {
  struct Case {
    bool importing;
    int32_t id;
    int32_t counter;
  };
  const Case cases[] = {
      {false, 20000, 10000},
      {true, 20000, 20000},
      {true, kDesktopIdBase - 1, kDesktopIdBase - 1},
      {true, kDesktopIdBase, 10000},
      {true, 9000, 10000},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::to_string(c.id) + (c.importing ? " importing" : ""));
    BookFixture f;
    f.book().modes.applyingImport = c.importing;
    EXPECT_TRUE(addAsset(f.book(), makeAsset({.id = c.id, .kind = "1", .company = "은행"})));
    const IdCounters counters = readCounters(f.store());
    EXPECT_EQ(counters.reserveCounter, c.counter);
    EXPECT_EQ(counters.instCounter, 10000);
    EXPECT_TRUE(findAsset(f.book(), c.id));
  }
}

}  // namespace
}  // namespace coinest
