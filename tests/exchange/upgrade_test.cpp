#include "exchange/upgrade.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "exchange/backup_stream.h"
#include "exchange/backup_test_book.h"
#include "exchange/exchange_folder.h"
#include "store/entry_table.h"
#include "store/record_layout.h"
#include "store/reservation_tables.h"
#include "store/table_catalogue.h"
#include "support/book_fixture.h"
#include "support/large_book.h"

namespace coinest {
namespace {

namespace fs = std::filesystem;
using testing::bookSnapshot;
using testing::readBytes;
using testing::writeBytes;

constexpr const char* kStart =
    "가계부 자료 업그레이드 작업을 실행합니다.\n\n[ok] 버튼을 클릭한 후 완료 메세지가 나타날 때까지 잠시만 기다려 "
    "주시기 바랍니다.";
constexpr const char* kDone = "가계부 자료 업그레이드 작업이 완료되었습니다.";
constexpr const char* kFailed = "가계부 자료 업그레이드 작업이 실패했습니다.";
constexpr const char* kInvalid = "올바르지 않은 파일이므로 가계부 자료 업그레이드 작업이 실패했었습니다.";

std::set<std::string> namesIn(const fs::path& folder) {
  std::set<std::string> names;
  std::error_code ec;
  for (const auto& e : fs::directory_iterator(folder, ec)) names.insert(e.path().filename().string());
  return names;
}

class UpgradeTest : public ::testing::Test {
 protected:
  UpgradeTest() { testing::fillRichBook(book()); }

  Book& book() { return fx_.book(); }
  ObjectStore& store() { return fx_.store(); }
  fs::path windows() const { return fx_.root() / "Windows"; }
  UpgradeCheck check() { return checkUpgradeAtStart(book(), fx_.ui, fx_.root()); }
  std::vector<std::string> messages() const {
    std::vector<std::string> out;
    for (const auto& m : fx_.ui.messages) out.push_back(m.text);
    return out;
  }

  testing::BookFixture fx_;
};

TEST_F(UpgradeTest, TheFirstStartRewritesTheBookOnceAndLeavesTheMarkers) {
  const std::string before = bookSnapshot(store());
  EXPECT_EQ(check(), UpgradeCheck::Done);
  EXPECT_EQ(messages(), (std::vector<std::string>{kStart, kDone}));
  EXPECT_EQ(bookSnapshot(store()), before);
  EXPECT_EQ(namesIn(windows()), (std::set<std::string>{"CoinestUp._ini_", "CoinestUp2._ini_"}));
  EXPECT_EQ(readBytes(windows() / "CoinestUp._ini_"), "Brivanta_Coinest_020201");
  EXPECT_EQ(readBytes(windows() / "CoinestUp2._ini_"), "Brivanta_Coinest_020201");
  EXPECT_TRUE(fx_.ui.progressDialogs.empty());

  fx_.ui.messages.clear();
  EXPECT_EQ(check(), UpgradeCheck::NotNeeded);
  EXPECT_TRUE(messages().empty());
}

TEST_F(UpgradeTest, EitherMissingMarkerRunsIt) {
  fs::create_directories(windows());
  struct Case {
    bool first;
    bool second;
    UpgradeCheck expected;
  };
  const Case cases[] = {
      {true, false, UpgradeCheck::Done},
      {false, true, UpgradeCheck::Done},
      {true, true, UpgradeCheck::NotNeeded},
  };
  for (const Case& c : cases) {
    fs::remove(windows() / "CoinestUp._ini_");
    fs::remove(windows() / "CoinestUp2._ini_");
    if (c.first) writeBytes(windows() / "CoinestUp._ini_", "x");  // only existence counts
    if (c.second) writeBytes(windows() / "CoinestUp2._ini_", "");
    EXPECT_EQ(check(), c.expected) << c.first << c.second;
  }
}

TEST_F(UpgradeTest, OldTablesAndRecordsAreMadeCurrent) {
  // An asset table of an older version, without its sort orders, and an entry written before
  // the phone and check-card flags and the transfer destination existed.
  store().dropTable(kAssetsTable);
  ASSERT_NE(store().createTable(kAssetsTable, {}), 0);
  TableHandle assets = store().openTable(kAssetsTable, 0);
  Asset old;
  old.assetId = 10001;
  old.assetKind = "1";
  old.assetName = "통장";
  ASSERT_NE(assets.writeRecord(propsOf(old)), 0);
  assets.close();
  LedgerEntry e;
  e.entryId = 20009;
  e.entryDate = "2007-03-01";
  e.entryKind = "2";
  std::vector<PropValue> props = propsOf(e);
  std::erase_if(props, [](const PropValue& p) { return propNumber(p.id) >= 13; });
  TableHandle books = store().openTable(kBooksTable, 0);
  ASSERT_NE(books.writeRecord(props), 0);
  books.close();

  ASSERT_EQ(check(), UpgradeCheck::Done);
  EXPECT_EQ(store().sortOrdersOf(kAssetsTable).size(), findTableDef(kAssetsTable)->sortOrders.size());
  books = store().openTable(kBooksTable, kIdKey);
  ASSERT_NE(books.seek(SeekMode::SeekFirstEqual, int32_t{20009}), 0);
  std::vector<PropValue> read = {PropValue::ofText(makePropId(13, PropType::Text), "?"),
                                 PropValue::ofText(makePropId(14, PropType::Text), "?"),
                                 PropValue::ofInt(makePropId(15, PropType::Int32), 9)};
  books.readProps(read);
  for (const PropValue& p : read) EXPECT_TRUE(p.found) << propNumber(p.id);
  EXPECT_EQ(read[0].text, "N");
  EXPECT_EQ(read[1].text, "N");
  EXPECT_EQ(read[2].intValue, 0);
}

TEST_F(UpgradeTest, AFailedExportSaysWhyLeavesNoFileAndImportsNothing) {
  Reservation noStart;  // never completed when read back: the check falls one short
  noStart.reserveId = 10099;
  EXPECT_TRUE(addReservation(book(), noStart));
  const std::string records = std::to_string(backupRecordCount(store()));
  const std::string before = bookSnapshot(store());
  EXPECT_EQ(check(), UpgradeCheck::ExportFailed);
  EXPECT_EQ(messages(), (std::vector<std::string>{
                            kStart, std::string(kFailed) + "\nthe file read back holds " +
                                        std::to_string(backupRecordCount(store()) - 1) + " records, not the book's " +
                                        records}));
  EXPECT_EQ(bookSnapshot(store()), before);
  EXPECT_TRUE(namesIn(windows()).empty());

  // A file where the transfer file's folder should be: the reason names it.
  ASSERT_TRUE(deleteReservation(book(), 10099));
  fs::remove(windows());
  writeBytes(windows(), "");
  fx_.ui.messages.clear();
  EXPECT_EQ(check(), UpgradeCheck::ExportFailed);
  ASSERT_EQ(messages().size(), 2u);
  EXPECT_TRUE(messages()[1].starts_with(std::string(kFailed) + "\ncannot create " + windows().string()))
      << messages()[1];
}

TEST_F(UpgradeTest, ABadTransferFileChangesNothingAndTheUpgradeRunsAgain) {
  fs::create_directories(windows());
  const fs::path transfer = windows() / "CoinestUp._cnb_";
  ASSERT_TRUE(upgradeExport(book(), fx_.ui, fx_.root()));
  const std::string good = readBytes(transfer);
  const uint32_t records = backupRecordCount(store());
  std::string high = good;
  high[24] = static_cast<char>(high[24] + 1);
  // The count-record of a larger book, one too high, or no count at all.
  const std::string marker = backupHeader(kCountMarker);
  const std::string countHigh = marker + testing::fieldRecord(9, 1, std::to_string(records + 1)) + good.substr(25);
  const std::string noCount = marker + testing::fieldRecord(9, 1, "many") + good.substr(25);
  const std::string oneTooHigh =
      std::string(kFailed) + "\nthe file holds " + std::to_string(records) + " records, not the " +
      std::to_string(records + 1) + " it counts";
  struct Case {
    const char* name;
    const char* bytes;  // null: no transfer file
    std::string content;
    std::string message;
  };
  const Case cases[] = {
      {"missing", nullptr, "", kInvalid},
      {"short", "", good.substr(0, 24), kInvalid},
      {"wrong magic", "", "Brivanta_Coinest_backup" + good.substr(23), kInvalid},
      {"a count-record that is no count", "", noCount, kInvalid},
      {"a header one too high", "", high, oneTooHigh},
      {"a count-record one too high", "", countHigh, oneTooHigh},
      {"the marker without its count-record", "", marker + good.substr(25),
       std::string(kFailed) + "\nthe file holds " + std::to_string(records) + " records, not the 65535 it counts"},
  };
  const std::string before = bookSnapshot(store());
  for (const Case& c : cases) {
    fs::remove(transfer);
    if (c.bytes != nullptr) writeBytes(transfer, c.content);
    fx_.ui.messages.clear();
    EXPECT_FALSE(upgradeImport(book(), fx_.ui, fx_.root())) << c.name;
    EXPECT_EQ(messages(), std::vector<std::string>{c.message}) << c.name;
    EXPECT_EQ(bookSnapshot(store()), before) << c.name;
    EXPECT_FALSE(fs::exists(windows() / "CoinestUp._ini_")) << c.name;
  }
}

// Eighteen years of a household's entries: more records than the device's header counts.
TEST_F(UpgradeTest, ABookBeyondTheDevicesCountIsUpgradedWhole) {
  testing::growBook(store(), 70000);
  const std::string before = bookSnapshot(store());
  EXPECT_EQ(check(), UpgradeCheck::Done);
  EXPECT_EQ(messages(), (std::vector<std::string>{kStart, kDone}));
  EXPECT_EQ(backupRecordCount(store()), 70001u);
  EXPECT_TRUE(bookSnapshot(store()) == before) << "the upgraded book differs";  // megabytes: not printed
  EXPECT_EQ(namesIn(windows()), (std::set<std::string>{"CoinestUp._ini_", "CoinestUp2._ini_"}));
}

TEST_F(UpgradeTest, WithExchangeOnTheRecordsGoToTheDesktopButNoOldFileIsTouched) {
  const fs::path folder = exchangeFolderPath(fx_.root());
  fs::create_directories(folder);
  writeBytes(folder / std::string(kExchangeFlagFileName), "");
  writeBytes(folder / "Z39999999._pd_", "old");
  writeBytes(folder / "B30000001._pc_", "old");
  fx_.enableExchange();
  fx_.sink.changes.clear();
  const std::set<std::string> names = namesIn(folder);
  const uint32_t records = backupRecordCount(store());
  const uint32_t instalments = store().recordCount(kInstalmentsTable);
  ASSERT_EQ(check(), UpgradeCheck::Done);
  EXPECT_EQ(namesIn(folder), names);  // no file deleted, no "A00000000._pd_"
  EXPECT_EQ(fx_.sink.changes.size(), records - 1 - instalments);
  for (const ChangeRecord& c : fx_.sink.changes) EXPECT_EQ(c.op, ChangeOp::Add);
}

}  // namespace
}  // namespace coinest
