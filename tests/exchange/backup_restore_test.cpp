#include "exchange/backup_restore.h"

#include <gtest/gtest.h>
#include <sqlite3.h>

#include <algorithm>
#include <set>
#include <string>
#include <vector>

#include "exchange/backup_file.h"
#include "exchange/backup_stream.h"
#include "exchange/backup_test_book.h"
#include "exchange/change_file.h"
#include "exchange/exchange_folder.h"
#include "ledger/entry_rules.h"
#include "store/asset_table.h"
#include "store/card_month_sums.h"
#include "store/entry_table.h"
#include "store/id_counters.h"
#include "store/posting_date.h"
#include "store/record_layout.h"
#include "store/reservation_tables.h"
#include "store/single_record.h"
#include "store/table_access.h"
#include "store/table_catalogue.h"
#include "support/book_fixture.h"
#include "support/large_book.h"
#include "support/record_builders.h"
#include "support/temp_dir.h"

namespace coinest {
namespace {

namespace fs = std::filesystem;
using testing::BookFixture;
using testing::bookSnapshot;
using testing::fieldRecord;
using testing::readBytes;
using testing::writeBytes;

constexpr const char* kBackupDone = "가계부 자료백업 작업이 완료되었습니다.";
constexpr const char* kBackupFailed = "가계부 자료백업 작업이 실패했습니다.";
constexpr const char* kBackupCancelled = "가계부 자료백업 작업이 취소되었습니다.";
constexpr const char* kRestoreInvalid = "올바르지 않은 복원파일이므로 가계부 자료복원 작업이 실패했었습니다.";
constexpr const char* kRestoreDone = "가계부 자료복원 작업이 완료되었습니다.";
constexpr const char* kRestoreFailed = "가계부 자료복원 작업이 실패했습니다.";
constexpr const char* kRestoreCancelled = "가계부 자료복원 작업이 취소되었습니다.";

std::set<std::string> namesIn(const fs::path& folder) {
  std::set<std::string> names;
  for (const auto& e : fs::directory_iterator(folder)) names.insert(e.path().filename().string());
  return names;
}

// The messages shown, each by its first line: a failure gives its reason on the lines below.
std::vector<std::string> messageTexts(const testing::ScriptedUiPort& ui) {
  std::vector<std::string> out;
  for (const auto& m : ui.messages) {
    if (m.caption != MessageCaption::Question) out.push_back(m.text.substr(0, m.text.find('\n')));
  }
  return out;
}

// The reason a failure's message gives below its first line; empty when it gives none.
std::string failureReason(const testing::ScriptedUiPort& ui) {
  for (const auto& m : ui.messages) {
    if (const std::size_t end = m.text.find('\n'); m.caption != MessageCaption::Question && end != std::string::npos) {
      return m.text.substr(end + 1);
    }
  }
  return {};
}

// The snapshot of the tables a backup carries.
std::string backedUpTables(ObjectStore& store) {
  std::string out;
  for (std::string_view t : {kCountersTable, kBooksTable, kInstalmentsTable, kReservationsTable,
                             kReservationLinksTable, kMajorItemsTable, kMinorItemsTable, kAssetsTable}) {
    out += testing::tableSnapshot(store, t);
  }
  return out;
}

// 0, 1, 2, ..., last: the bar moved one step at a time from the start to the end.
std::vector<int> steps(int last) {
  std::vector<int> v;
  for (int i = 0; i <= last; ++i) v.push_back(i);
  return v;
}

class BackupRestoreTest : public ::testing::Test {
 protected:
  BackupRestoreTest() { testing::fillRichBook(book()); }

  Book& book() { return fx_.book(); }
  ObjectStore& store() { return fx_.store(); }
  testing::ScriptedUiPort& ui() { return fx_.ui; }
  fs::path file(const char* name) const { return dir_ / name; }

  TransferOutcome backUp(const fs::path& target) {
    ui().chosenFile = target;
    return backupBook(book(), ui());
  }
  RestoreRun restore(const fs::path& source) {
    ui().chosenFile = source;
    return restoreBook(book(), ui(), fx_.root());
  }
  void clearUi() {
    ui().messages.clear();
    ui().progressDialogs.clear();
    ui().fileChoices.clear();
  }
  // A file of the header and the stream given.
  fs::path craft(const char* name, uint32_t headerCount, const std::string& stream) {
    writeBytes(file(name), backupHeader(headerCount) + stream);
    return file(name);
  }

  BookFixture fx_;
  testing::TempDir dir_;
};

TEST_F(BackupRestoreTest, ARestoredBackupIsTheBookThatWasBackedUp) {
  const std::string before = backedUpTables(store());
  const int records = static_cast<int>(backupRecordCount(store()));
  const fs::path target = file("Coinest070305.cnb");
  ASSERT_EQ(backUp(target), TransferOutcome::Done);

  ASSERT_EQ(ui().fileChoices.size(), 1u);
  EXPECT_EQ(ui().fileChoices[0].filterTitle, "Brivanta 가계부 백업파일");
  EXPECT_EQ(ui().fileChoices[0].pattern, "*.cnb");
  EXPECT_EQ(ui().fileChoices[0].defaultExtension, "cnb");
  EXPECT_EQ(ui().fileChoices[0].proposedName, "Coinest070305.cnb");
  ASSERT_EQ(ui().progressDialogs.size(), 1u);
  EXPECT_EQ(ui().progressDialogs[0].title, "▶ 가계부 자료백업");
  EXPECT_EQ(ui().progressDialogs[0].maximum, 2 * records);
  EXPECT_EQ(ui().progressDialogs[0].positions, steps(2 * records));
  EXPECT_EQ(messageTexts(ui()), std::vector<std::string>{kBackupDone});
  EXPECT_EQ(namesIn(dir_.path()), std::set<std::string>{"Coinest070305.cnb"});
  const std::string backup = readBytes(target);
  EXPECT_TRUE(
      // Change the book every way: new records, deleted ones, moved balances and counters. The
      // posting date is not in the backup and keeps its new value.
      addEntry(book(), testing::makeEntry(
                           {.id = *newEntryId(book()), .date = "2007-03-09", .amount = 1234, .assetId = 10001})));
  deleteEntry(book(), 20002);
  deleteAsset(book(), 10002);
  EXPECT_TRUE(writePostingDate(book(), "2007-03-31"));
  const std::string postingDate = testing::tableSnapshot(store(), kPostingDateTable);
  ASSERT_NE(backedUpTables(store()), before);

  clearUi();
  const RestoreRun run = restore(target);
  EXPECT_EQ(run.outcome, TransferOutcome::Done);
  EXPECT_TRUE(run.reachedDialog);
  ASSERT_EQ(ui().fileChoices.size(), 1u);
  EXPECT_EQ(ui().fileChoices[0].proposedName, "");
  ASSERT_FALSE(ui().messages.empty());
  EXPECT_EQ(ui().messages[0].text, target.string() +
                                       " 백업파일로 가계부 자료복원 작업을 하시겠습니까?\n\n가계부 자료복원을 하시면 기존의 "
                                       "가계부 자료는 모두 삭제되고 선택한 가계부 백업파일 내용으로 가계부 내용이 바뀝니다.");
  EXPECT_EQ(ui().messages[0].caption, MessageCaption::Question);
  ASSERT_EQ(ui().progressDialogs.size(), 1u);
  EXPECT_EQ(ui().progressDialogs[0].title, "▶ 가계부 자료복원");
  EXPECT_EQ(ui().progressDialogs[0].maximum, 2 * records + 8);
  EXPECT_EQ(ui().progressDialogs[0].positions, steps(2 * records + 8));
  EXPECT_EQ(messageTexts(ui()), std::vector<std::string>{kRestoreDone});

  // Balances and instalment rows are the file's, not made again by the restored entries.
  EXPECT_EQ(backedUpTables(store()), before);
  EXPECT_TRUE(cardMonthSumsCurrent(store())) << "the card sums are built with the restored entries";
  EXPECT_EQ(testing::tableSnapshot(store(), kPostingDateTable), postingDate);

  // The restored book backs up to the same bytes.
  ASSERT_EQ(backUp(file("again.cnb")), TransferOutcome::Done);
  EXPECT_EQ(readBytes(file("again.cnb")), backup);
}

// A file whose counters lag behind its own records (an older program's, or one edited by hand):
// after the restore no counter hands out an id its tables already hold.
TEST_F(BackupRestoreTest, RestoredCountersBelowTheIdsInUseAreRaised) {
  ASSERT_TRUE(replaceSingleRecord(store(), kCountersTable, IdCounters{}));  // all five at 10000
  LedgerEntry fromDesktop;
  fromDesktop.entryId = 600001;  // the desktop's range never moves a counter
  fromDesktop.entryDate = "2007-03-06";
  fromDesktop.entryKind = "1";
  fromDesktop.cardFlag = "N";
  EXPECT_TRUE(addEntry(book(), fromDesktop));
  const fs::path target = file("lagging.cnb");
  ASSERT_EQ(backUp(target), TransferOutcome::Done);
  ASSERT_EQ(restore(target).outcome, TransferOutcome::Done);

  struct Served {
    CounterNo counter;
    std::vector<std::string_view> tables;
  };
  const Served served[] = {
      {CounterNo::Entry, {kBooksTable}},           {CounterNo::Instalment, {kInstalmentsTable, kMajorItemsTable}},
      {CounterNo::Minor, {kMinorItemsTable}},      {CounterNo::Reservation, {kReservationsTable, kAssetsTable}},
      {CounterNo::Link, {kReservationLinksTable}},
  };
  for (const Served& s : served) {
    const std::optional<int32_t> id = *takeId(store(), s.counter);
    ASSERT_TRUE(id);
    EXPECT_LT(*id, 500000);
    for (const std::string_view table : s.tables) EXPECT_TRUE(idFree(store(), table, *id)) << table << " " << *id;
  }
  EXPECT_GT(readCounters(store()).entryCounter, 10000);
}

TEST_F(BackupRestoreTest, TheChosenFileIsReplacedOnlyByACheckedFile) {
  struct Case {
    const char* name;
    bool pressOk;
    bool breakTheBook;  // a reservation without a start date: the file falls one record short
    TransferOutcome outcome;
    const char* message;
  };
  const Case cases[] = {
      {"cancelled", false, false, TransferOutcome::Cancelled, kBackupCancelled},
      {"count check fails", true, true, TransferOutcome::Failed, kBackupFailed},
      {"checked", true, false, TransferOutcome::Done, kBackupDone},
  };
  for (const Case& c : cases) {
    const fs::path target = file("mine.cnb");
    writeBytes(target, "OLD");
    if (c.breakTheBook) {
      Reservation r;
      r.reserveId = 10099;
      r.dayOfMonth = 3;
      EXPECT_TRUE(addReservation(book(), r));
    }
    clearUi();
    ui().progressAnswers = {c.pressOk};
    EXPECT_EQ(backUp(target), c.outcome) << c.name;
    EXPECT_EQ(messageTexts(ui()), std::vector<std::string>{c.message}) << c.name;
    EXPECT_EQ(namesIn(dir_.path()), std::set<std::string>{"mine.cnb"}) << c.name << ": no temporary file is left";
    const std::string content = readBytes(target);
    EXPECT_EQ(content == "OLD", c.outcome != TransferOutcome::Done) << c.name;
    if (c.breakTheBook) deleteReservation(book(), 10099);
  }
}

TEST(BackupTemporaryName, LastThreeCharactersOfTheNameBecomeDollars) {
  struct Case {
    const char* target;
    const char* temp;
  };
  const Case cases[] = {
      {"/b/Coinest070512.cnb", "/b/Coinest070512.$$$"},
      {"/b/백업파일", "/b/백$$$"},
      {"/b/ab", "/b/$$"},
      {"/b/x.$$$", "/b/x.$$$.$$$"},  // never the target itself
      {"rel.cnb", "rel.$$$"},
  };
  for (const Case& c : cases) EXPECT_EQ(temporaryBackupPath(c.target), fs::path(c.temp)) << c.target;
}

TEST_F(BackupRestoreTest, ANameEndingInDollarsIsBackedUpToo) {
  ASSERT_EQ(backUp(file("odd.$$$")), TransferOutcome::Done);
  EXPECT_EQ(readBytes(file("odd.$$$")).substr(0, 23), "Brivanta_Coinest_Backup");
  EXPECT_EQ(namesIn(dir_.path()), std::set<std::string>{"odd.$$$"});
}

// The largest book the device's header counts, the smallest it cannot and a book of eighteen
// years: the first is written in the device's form exactly, the others with the marker and their
// count-record. Each is restored whole into a new book.
TEST(BackupSize, TheDevicesFormEndsAt65535RecordsAndALargerBookCarriesItsCount) {
  BookFixture fx;
  testing::TempDir dir;
  struct Case {
    uint32_t records;         // in the seven tables
    std::string afterHeader;  // what comes between the header and the counters record
  };
  const Case cases[] = {
      {65534, ""},
      {65535, fieldRecord(9, 1, "65536")},
      {70000, fieldRecord(9, 1, "70001")},
  };
  for (const Case& c : cases) {
    testing::growBook(fx.store(), c.records);
    const uint32_t fileRecords = c.records + 1;
    ASSERT_EQ(backupRecordCount(fx.store()), fileRecords);
    const std::string before = backedUpTables(fx.store());
    const fs::path target = dir / (std::to_string(c.records) + ".cnb");
    fx.ui.chosenFile = target;
    fx.ui.messages.clear();
    fx.ui.progressDialogs.clear();
    EXPECT_EQ(backupBook(fx.book(), fx.ui), TransferOutcome::Done) << c.records;
    EXPECT_EQ(messageTexts(fx.ui), std::vector<std::string>{kBackupDone}) << c.records;
    ASSERT_EQ(fx.ui.progressDialogs.size(), 1u);
    EXPECT_EQ(fx.ui.progressDialogs[0].maximum, 2 * static_cast<int>(fileRecords)) << c.records;
    EXPECT_EQ(fx.ui.progressDialogs[0].positions.back(), 2 * static_cast<int>(fileRecords)) << c.records;
    const std::string bytes = readBytes(target);
    EXPECT_EQ(bytes.substr(0, 25), std::string("Brivanta_Coinest_Backup\xFF\xFF", 25)) << c.records;
    EXPECT_EQ(bytes.substr(25, c.afterHeader.size()), c.afterHeader) << c.records;
    EXPECT_EQ(bytes.substr(25 + c.afterHeader.size(), 3), std::string("\x01\x00\x01", 3)) << c.records;
    // A reader of the device's form skips the count-record and holds the records it completes
    // against the header's 0xFFFF: only the first file passes its check.
    OpenFile asTheDeviceReads = openBackupFile(target);
    ASSERT_EQ(std::fseek(asTheDeviceReads.get(), 25, SEEK_SET), 0);
    const BackupStreamRead deviceRead = decodeBackupStream(asTheDeviceReads.get(), nullptr);
    EXPECT_FALSE(deviceRead.damaged) << c.records;
    EXPECT_EQ(deviceRead.completed, fileRecords) << c.records;
    EXPECT_EQ(parseBackupHeader(bytes) == deviceRead.completed, c.records == 65534) << c.records;

    BookFixture other;
    other.ui.chosenFile = target;
    EXPECT_EQ(restoreBook(other.book(), other.ui, other.root()).outcome, TransferOutcome::Done) << c.records;
    EXPECT_EQ(messageTexts(other.ui), std::vector<std::string>{kRestoreDone}) << c.records;
    ASSERT_EQ(other.ui.progressDialogs.size(), 1u);
    EXPECT_EQ(other.ui.progressDialogs[0].maximum, 2 * static_cast<int>(fileRecords) + 8) << c.records;
    EXPECT_EQ(other.ui.progressDialogs[0].positions.back(), 2 * static_cast<int>(fileRecords) + 8) << c.records;
    EXPECT_EQ(backupRecordCount(other.store()), fileRecords) << c.records;
    // Compared whole, not printed: the snapshot of a large book runs to megabytes.
    EXPECT_TRUE(backedUpTables(other.store()) == before) << c.records << ": the restored book differs";
  }
}

TEST_F(BackupRestoreTest, AFileThatIsNoBackupChangesNothing) {
  const std::string before = bookSnapshot(store());
  fs::create_directory(file("folder.cnb"));
  writeBytes(file("empty.cnb"), "");
  writeBytes(file("short.cnb"), backupHeader(0).substr(0, 24));
  std::string lower = backupHeader(0);
  lower[0] = 'b';
  writeBytes(file("lower.cnb"), lower);
  for (const char* name : {"missing.cnb", "folder.cnb", "empty.cnb", "short.cnb", "lower.cnb"}) {
    clearUi();
    const RestoreRun run = restore(file(name));
    EXPECT_EQ(run.outcome, TransferOutcome::Failed) << name;
    EXPECT_FALSE(run.reachedDialog) << name;
    EXPECT_TRUE(ui().progressDialogs.empty()) << name;
    EXPECT_EQ(messageTexts(ui()), std::vector<std::string>{kRestoreInvalid}) << name;
  }
  EXPECT_EQ(bookSnapshot(store()), before);
}

TEST_F(BackupRestoreTest, ARestoreTakesExactlyTheFilesRecordsOrNothing) {
  const std::string counters = fieldRecord(1, 1, "1") + fieldRecord(1, 2, "2") + fieldRecord(1, 3, "3") +
                               fieldRecord(1, 4, "4") + fieldRecord(1, 5, "5");
  const std::string entryFields = fieldRecord(2, 1, "7") + fieldRecord(2, 2, "2007-03-05") + fieldRecord(2, 3, "2") +
                                  fieldRecord(2, 6, "\xC1\xA1\xBD\xC9") + fieldRecord(2, 7, "4294967295") +
                                  fieldRecord(2, 8, "N");
  const std::string entry = entryFields + fieldRecord(2, 10, "0");
  auto entryOf = [&](const char* instalments) {
    return entryFields + fieldRecord(2, 12, instalments) + fieldRecord(2, 10, "0");
  };
  const std::string good = counters + entry;
  const std::string hostileReservation =
      fieldRecord(3, 1, "5") + fieldRecord(3, 12, "2000000000") + fieldRecord(3, 9, "2007-03-25");
  struct Case {
    const char* name;
    uint32_t header;
    std::string stream;
    bool restored;
  };
  const Case cases[] = {
      {"the records of the header", 2, good, true},
      {"unknown tags and fields between", 2, fieldRecord(9, 1, "x") + counters + fieldRecord(2, 99, "y") + entry, true},
      {"a header one too high", 3, good, false},
      {"a header one too low", 1, good, false},
      {"cut inside the last record", 2, good.substr(0, good.size() - 3), false},
      {"a number that is no number", 2, counters + entry + fieldRecord(2, 7, "1O0"), false},
      {"a text longer than its field", 2, good + fieldRecord(2, 3, "22"), false},
      {"a text that is not CP949", 2, good + fieldRecord(2, 4, "\x80\x80"), false},
      {"a length past the end", 2, good + std::string("\x02\x00\x04\xFF\xFF", 5), true},
      {"an entry of 24 instalments", 2, counters + entryOf("24"), true},
      {"an entry of 25 instalments", 2, counters + entryOf("25"), false},
      {"an entry of 2,000,000,000 instalments", 2, counters + entryOf("2000000000"), false},
      {"a reservation of 2,000,000,000 instalments", 3, good + hostileReservation, false},
  };
  for (const Case& c : cases) {
    const std::string before = bookSnapshot(store());
    clearUi();
    const RestoreRun run = restore(craft("crafted.cnb", c.header, c.stream));
    EXPECT_TRUE(run.reachedDialog) << c.name;
    EXPECT_EQ(run.outcome, c.restored ? TransferOutcome::Done : TransferOutcome::Failed) << c.name;
    EXPECT_EQ(messageTexts(ui()), std::vector<std::string>{c.restored ? kRestoreDone : kRestoreFailed}) << c.name;
    if (!c.restored) {
      EXPECT_EQ(bookSnapshot(store()), before) << c.name;
      continue;
    }
    EXPECT_EQ(store().recordCount(kCountersTable), 1u) << c.name;
    const std::optional<LedgerEntry> restored = findEntry(book(), 7);
    ASSERT_TRUE(restored) << c.name;
    EXPECT_EQ(restored->content, "점심") << c.name;
    EXPECT_EQ(restored->amount, -1) << c.name;
    EXPECT_EQ(restored->phoneFlag, "N") << c.name;
    for (std::string_view t : {kBooksTable, kInstalmentsTable, kReservationsTable, kReservationLinksTable,
                               kMajorItemsTable, kMinorItemsTable, kAssetsTable}) {
      EXPECT_EQ(store().recordCount(t), t == kBooksTable ? 1u : 0u) << c.name << " " << t;
    }
    EXPECT_EQ(readCounters(store()).linkCounter, 5) << c.name;
    testing::fillRichBook(book());  // the next case starts from a full book again
  }
}

TEST_F(BackupRestoreTest, AnEmptyFileOfCountZeroEmptiesEveryTableItCarries) {
  const std::string kept = testing::tableSnapshot(store(), kConSettingsTable) +
                           testing::tableSnapshot(store(), kPostingDateTable) +
                           testing::tableSnapshot(store(), kHolidaysTable);
  const RestoreRun run = restore(craft("zero.cnb", 0, ""));
  EXPECT_EQ(run.outcome, TransferOutcome::Done);
  EXPECT_EQ(ui().progressDialogs.at(0).positions, steps(8));
  for (std::string_view t : {kCountersTable, kBooksTable, kInstalmentsTable, kReservationsTable,
                             kReservationLinksTable, kMajorItemsTable, kMinorItemsTable, kAssetsTable}) {
    EXPECT_TRUE(store().tableExists(t)) << t;
    EXPECT_EQ(store().recordCount(t), 0u) << t;
    EXPECT_EQ(store().sortOrdersOf(t).size(), findTableDef(t)->sortOrders.size()) << t;
  }
  EXPECT_EQ(testing::tableSnapshot(store(), kConSettingsTable) + testing::tableSnapshot(store(), kPostingDateTable) +
                testing::tableSnapshot(store(), kHolidaysTable),
            kept);
  EXPECT_EQ(*newEntryId(book()), 10001);  // the counters start again from their defaults
}

// With the desktop exchange on, and the real change files written into the exchange folder.
class ExchangeRestoreTest : public BackupRestoreTest {
 protected:
  ExchangeRestoreTest() : folder_(exchangeFolderPath(fx_.root())), writer_(folder_) {
    fs::create_directories(folder_ / "kept._pd_");  // a folder, not a change file
    writeBytes(folder_ / std::string(kExchangeFlagFileName), "");
    EXPECT_EQ(backUp(file("book.cnb")), TransferOutcome::Done);
    fx_.enableExchange();
    book().changes = &writer_;
    writeBytes(folder_ / "Z39999999._pd_", "old device change");
    writeBytes(folder_ / "B30000001._pc_", "old desktop change");
    clearUi();
  }

  fs::path folder_;
  ChangeFileWriter writer_;
};

TEST_F(ExchangeRestoreTest, ASuccessfulRestoreLeavesTheNewBookInTheFolder) {
  const uint32_t records = backupRecordCount(store());
  const uint32_t instalments = store().recordCount(kInstalmentsTable);
  ASSERT_EQ(restore(file("book.cnb")).outcome, TransferOutcome::Done);
  const std::set<std::string> names = namesIn(folder_);
  EXPECT_FALSE(names.contains("Z39999999._pd_"));
  EXPECT_FALSE(names.contains("B30000001._pc_"));
  EXPECT_TRUE(names.contains("kept._pd_"));
  EXPECT_TRUE(names.contains(std::string(kExchangeFlagFileName)));
  EXPECT_EQ(readBytes(folder_ / "A00000000._pd_"), std::string(1, '\x01'));
  std::size_t adds = 0;
  for (const std::string& name : names) {
    if (name.ends_with("._pd_") && name != "A00000000._pd_" && name != "kept._pd_") {
      EXPECT_EQ(name[1], '1') << name;
      EXPECT_NE(name[0], 'H') << name;
      ++adds;
    }
  }
  EXPECT_EQ(adds, records - 1 - instalments);  // one per record but the counters and instalment rows
  EXPECT_TRUE(names.contains("A10020004._pd_"));
  EXPECT_TRUE(names.contains("D10010002._pd_"));
}

TEST_F(ExchangeRestoreTest, AFailedOrCancelledRestoreLeavesTheFolderAsItWas) {
  const std::set<std::string> names = namesIn(folder_);
  const std::string before = bookSnapshot(store());
  struct Case {
    const char* name;
    fs::path file;
    bool pressOk;
    const char* message;
  };
  const std::string backup = readBytes(file("book.cnb"));
  const Case cases[] = {
      {"cancelled", file("book.cnb"), false, kRestoreCancelled},
      {"count differs", craft("high.cnb", backupRecordCount(store()) + 1, backup.substr(25)), true, kRestoreFailed},
  };
  for (const Case& c : cases) {
    clearUi();
    ui().progressAnswers = {c.pressOk};
    const RestoreRun run = restore(c.file);
    EXPECT_TRUE(run.reachedDialog) << c.name;
    EXPECT_EQ(messageTexts(ui()), std::vector<std::string>{c.message}) << c.name;
    EXPECT_EQ(namesIn(folder_), names) << c.name;
    EXPECT_EQ(bookSnapshot(store()), before) << c.name;
  }
}

TEST_F(ExchangeRestoreTest, ABookHeldByAnotherProgramIsLeftAsItWas) {
  const std::set<std::string> names = namesIn(folder_);
  const std::string before = bookSnapshot(store());
  sqlite3* other = nullptr;
  ASSERT_EQ(sqlite3_open(store().path().c_str(), &other), SQLITE_OK);
  ASSERT_EQ(sqlite3_exec(other, "BEGIN IMMEDIATE", nullptr, nullptr, nullptr), SQLITE_OK);
  store().setBusyTimeout(20);
  const RestoreRun run = restore(file("book.cnb"));
  sqlite3_exec(other, "ROLLBACK", nullptr, nullptr, nullptr);
  sqlite3_close(other);
  EXPECT_EQ(run.outcome, TransferOutcome::Failed);
  EXPECT_EQ(messageTexts(ui()), std::vector<std::string>{kRestoreFailed});
  EXPECT_NE(failureReason(ui()).find("locked"), std::string::npos) << failureReason(ui());
  EXPECT_EQ(bookSnapshot(store()), before);
  EXPECT_EQ(namesIn(folder_), names);
}

// Answers every dialog with OK and cuts the file being restored short once the tables have been
// emptied, as if it changed between the count and the insert pass.
class FileCuttingUi final : public UiPort {
 public:
  FileCuttingUi(fs::path file, int cutAt, std::size_t keepBytes)
      : file_(std::move(file)), cutAt_(cutAt), keep_(keepBytes) {}
  void showMessage(std::string_view text, MessageCaption) override { messages.emplace_back(text); }
  bool askYesNo(std::string_view) override { return true; }
  std::optional<fs::path> chooseSaveFile(const FileChoice&) override { return file_; }
  std::optional<fs::path> chooseOpenFile(const FileChoice&) override { return file_; }
  bool runProgressDialog(std::string_view, int, int, const std::function<void(ProgressBar&)>& work) override {
    struct Bar final : ProgressBar {
      FileCuttingUi& ui;
      explicit Bar(FileCuttingUi& u) : ui(u) {}
      void setPosition(int position) override {
        if (position == ui.cutAt_) fs::resize_file(ui.file_, ui.keep_);
      }
    } bar(*this);
    work(bar);
    return true;
  }
  std::vector<std::string> messages;

 private:
  fs::path file_;
  int cutAt_;
  std::size_t keep_;
};

TEST_F(ExchangeRestoreTest, AnInsertPassThatFallsShortRollsTheWholeRestoreBack) {
  // Restoring a different book makes a partial restore visible.
  deleteEntry(book(), 20001);
  EXPECT_TRUE(addAsset(book(), Asset{10050, "5", "금", "", "", "", "", 0, 0, 0, 0, 0, 7}));
  const std::set<std::string> names = namesIn(folder_);
  const std::string before = bookSnapshot(store());
  const uint32_t records = backupRecordCount(store());
  const std::size_t size = fs::file_size(file("book.cnb"));
  // Cut once the count pass is done and the first tables are emptied: the insert pass then
  // finds about half of the records.
  FileCuttingUi cutting(file("book.cnb"), static_cast<int>(records) + 3, size / 2);
  const RestoreRun run = restoreBook(book(), cutting, fx_.root());
  EXPECT_EQ(run.outcome, TransferOutcome::Failed);
  ASSERT_EQ(cutting.messages.size(), 1u);
  EXPECT_EQ(cutting.messages[0].rfind(std::string(kRestoreFailed) + "\nthe file changed while it was read", 0), 0u)
      << cutting.messages[0];
  EXPECT_EQ(bookSnapshot(store()), before);
  EXPECT_EQ(namesIn(folder_), names);
}

}  // namespace
}  // namespace coinest
