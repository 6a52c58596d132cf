#include "exchange/desktop_import.h"

#include <gtest/gtest.h>
#include <sqlite3.h>
#include <unistd.h>

#include <algorithm>
#include <fstream>
#include <functional>
#include <iterator>
#include <map>
#include <random>
#include <string>
#include <vector>

#include "exchange/backup_restore.h"
#include "exchange/backup_test_book.h"
#include "exchange/change_file.h"
#include "exchange/exchange_folder.h"
#include "exchange/outbox.h"
#include "ledger/entry_rules.h"
#include "store/asset_table.h"
#include "store/card_month_sums.h"
#include "store/category_tables.h"
#include "store/entry_table.h"
#include "store/id_counters.h"
#include "store/posting_date.h"
#include "store/record_layout.h"
#include "store/reservation_tables.h"
#include "store/table_catalogue.h"
#include "support/book_fixture.h"
#include "support/child_process.h"
#include "support/record_builders.h"

namespace coinest {
namespace {

namespace fs = std::filesystem;
using testing::BookFixture;
using testing::makeAsset;
using testing::makeEntry;
using testing::makeReservation;

std::string readFile(const fs::path& file) {
  std::ifstream in(file, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

void writeFile(const fs::path& file, std::string_view bytes) {
  std::ofstream out(file, std::ios::binary);
  out << bytes;
}

// A book with exchange on, its exchange folder, and the device's change files written there.
class ImportTest : public ::testing::Test {
 public:
  ImportTest() : folder_(exchangeFolderPath(fx_.root())), writer_(folder_) {
    fs::create_directories(folder_);
    writeFile(folder_ / std::string(kExchangeFlagFileName), "");
    fx_.book().changes = &writer_;
    EXPECT_TRUE(checkExchangeFolder(fx_.book(), folder_));
  }

  Book& book() { return fx_.book(); }

  // Places the desktop's file for `change` ("._pc_").
  std::string place(const ChangeRecord& change) {
    std::string name = changeFileName(change.letter, change.op, change.id);
    name.replace(name.size() - 5, 5, "._pc_");
    writeFile(folder_ / name, encodeChangeRecord(change));
    return name;
  }
  template <class R>
  std::string placeAdd(ChangeLetter letter, int32_t id, const R& record) {
    return place(recordChange(letter, ChangeOp::Add, id, record));
  }

  ImportRun run() { return importChangeFiles(book(), folder_); }

  // Removes the device's own change files written while a test set its book up.
  void clearDeviceFiles() {
    for (const std::string& name : names("._pd_")) fs::remove(folder_ / name);
  }

  std::vector<std::string> names(std::string_view suffix) const {
    std::vector<std::string> out;
    for (const auto& e : fs::directory_iterator(folder_)) {
      const std::string name = e.path().filename().string();
      if (name.ends_with(suffix)) out.push_back(name);
    }
    std::sort(out.begin(), out.end());
    return out;
  }

  // The entry ids in the order the entries were written.
  std::vector<int32_t> entryIdsInWriteOrder() {
    std::vector<int32_t> ids;
    TableHandle t = book().store.openTable(kBooksTable, 0);
    for (RecordId r = t.seek(SeekMode::SeekFromFirst, 0); r != 0; r = t.seek(SeekMode::SeekFromCurrent, 1)) {
      LedgerEntry e;
      readRecord(t, e);
      ids.push_back(e.entryId);
    }
    return ids;
  }

  BookFixture fx_;
  fs::path folder_;
  ChangeFileWriter writer_;
};

TEST(ImportFlag, WithoutTheFlagFileNothingIsRead) {
  BookFixture fx;
  const fs::path folder = exchangeFolderPath(fx.root());
  EXPECT_EQ(folder, fx.root() / "Windows" / "Activesync");
  fs::create_directories(folder);
  const std::string name = "A10020001._pc_";
  writeFile(folder / name,
            encodeChangeRecord(recordChange(ChangeLetter::Entry, ChangeOp::Add, 20001, makeEntry({.id = 20001}))));

  EXPECT_FALSE(checkExchangeFolder(fx.book(), folder));
  EXPECT_FALSE(importChangeFiles(fx.book(), folder).ran);
  EXPECT_TRUE(fs::exists(folder / name));
  EXPECT_FALSE(findEntry(fx.book(), 20001));

  writeFile(folder / std::string(kExchangeFlagFileName), "");
  EXPECT_TRUE(checkExchangeFolder(fx.book(), folder));
  const ImportRun run = importChangeFiles(fx.book(), folder);
  EXPECT_TRUE(run.ran);
  EXPECT_EQ(run.applied, 1);
  EXPECT_FALSE(fs::exists(folder / name));
  EXPECT_TRUE(findEntry(fx.book(), 20001));
  EXPECT_FALSE(fx.book().modes.importBusy);
  EXPECT_FALSE(fx.book().modes.applyingImport);
}

TEST_F(ImportTest, NoRunWhileBusy) {
  placeAdd(ChangeLetter::Entry, 20001, makeEntry({.id = 20001}));
  {
    ModeScope posting(book().modes.importBusy);
    EXPECT_FALSE(run().ran);
  }
  EXPECT_EQ(names("._pc_").size(), 1u);
}

TEST_F(ImportTest, HundredFilesARunEachInNameOrder) {
  std::vector<int32_t> ids;
  for (int32_t i = 0; i < 150; ++i) ids.push_back(20001 + i);
  std::shuffle(ids.begin(), ids.end(), std::mt19937(7));
  for (const int32_t id : ids) placeAdd(ChangeLetter::Entry, id, makeEntry({.id = id}));

  EXPECT_EQ(run().applied, 100);
  EXPECT_EQ(names("._pc_").size(), 50u);
  std::vector<int32_t> first = entryIdsInWriteOrder();
  ASSERT_EQ(first.size(), 100u);
  EXPECT_TRUE(std::is_sorted(first.begin(), first.end()));

  EXPECT_EQ(run().applied, 50);
  EXPECT_TRUE(names("._pc_").empty());
  std::vector<int32_t> all = entryIdsInWriteOrder();
  ASSERT_EQ(all.size(), 150u);
  EXPECT_TRUE(std::is_sorted(all.begin() + 100, all.end()));
  std::sort(all.begin(), all.end());
  EXPECT_EQ(all.front(), 20001);
  EXPECT_EQ(all.back(), 20150);
  EXPECT_TRUE(std::adjacent_find(all.begin(), all.end()) == all.end());
}

TEST_F(ImportTest, FilesApplyInNameOrderWhateverTheirArrival) {
  // Each pair only comes out as expected when the earlier name is applied first.
  EXPECT_TRUE(addEntry(book(), makeEntry({.id = 20001, .amount = 1000})));
  EXPECT_TRUE(addMajorItem(book(), MajorItem{20100, "2", "취미", 9}));
  EXPECT_TRUE(addReservation(book(), makeReservation({.id = 20200, .dayOfMonth = 25, .startDate = "2007-03-25"})));
  clearDeviceFiles();
  // Written in reverse name order: F3 (drops the major and its minors), E1 (a minor of it),
  // C1 (a link of the reservation), B3 (drops the reservation and its links), B1, A3, A2, A1.
  place(deleteChange(ChangeLetter::Major, 20100));
  placeAdd(ChangeLetter::Minor, 20101, MinorItem{20101, 20100, "등산", 1, "Y"});
  placeAdd(ChangeLetter::Link, 20301, ReservationLink{20301, "200703", 20200, 20001});
  place(deleteChange(ChangeLetter::Reservation, 20200));
  placeAdd(ChangeLetter::Reservation, 20201,
           makeReservation({.id = 20201, .dayOfMonth = 1, .startDate = "2007-04-01"}));
  place(deleteChange(ChangeLetter::Entry, 20002));
  place(recordChange(ChangeLetter::Entry, ChangeOp::Modify, 20001, makeEntry({.id = 20001, .amount = 7000})));
  placeAdd(ChangeLetter::Entry, 20002, makeEntry({.id = 20002}));

  EXPECT_EQ(run().applied, 8);
  ASSERT_TRUE(findEntry(book(), 20001));
  EXPECT_EQ(findEntry(book(), 20001)->amount, 7000);  // A2 modified it
  EXPECT_FALSE(findEntry(book(), 20002));              // A1 then A3
  EXPECT_TRUE(findReservation(book(), 20201));         // B1
  EXPECT_FALSE(findReservation(book(), 20200));        // B3
  EXPECT_TRUE(linkExists(book(), 20200, "200703"));    // B3 before C1 keeps the link
  EXPECT_TRUE(majorIdFree(book(), 20100));             // F3
  EXPECT_FALSE(findMinorItem(book(), 20101));          // E1 before F3 loses the minor
  EXPECT_TRUE(names("._pc_").empty());
  EXPECT_TRUE(names("._pd_").empty());  // nothing applied by an import goes back
}

TEST_F(ImportTest, AppliedChangesWriteNoChangeFiles) {
  testing::RecordingChangeSink sink;
  book().changes = &sink;
  EXPECT_TRUE(addAsset(book(), makeAsset({.id = 20400, .balance = 100000})));
  EXPECT_TRUE(addEntry(book(), makeEntry({.id = 20001, .amount = 1000, .assetId = 20400})));
  sink.changes.clear();

  placeAdd(ChangeLetter::Entry, 20002, makeEntry({.id = 20002, .amount = 2000, .assetId = 20400}));
  place(recordChange(ChangeLetter::Entry, ChangeOp::Modify, 20001,
                     makeEntry({.id = 20001, .amount = 3000, .assetId = 20400})));
  placeAdd(ChangeLetter::Asset, 20401, makeAsset({.id = 20401, .balance = 5}));
  place(recordChange(ChangeLetter::Asset, ChangeOp::Modify, 20401, makeAsset({.id = 20401, .balance = 6})));
  placeAdd(ChangeLetter::Major, 20100, MajorItem{20100, "1", "부수입", 5});
  place(recordChange(ChangeLetter::Major, ChangeOp::Modify, 20100, MajorItem{20100, "1", "기타수입", 5}));
  placeAdd(ChangeLetter::Minor, 20101, MinorItem{20101, 20100, "중고판매", 1, "Y"});
  place(deleteChange(ChangeLetter::Minor, 20101));
  placeAdd(ChangeLetter::Link, 20301, ReservationLink{20301, "200703", 20200, 20001});
  place(deleteChange(ChangeLetter::Link, 20301));

  EXPECT_EQ(run().applied, 10);
  EXPECT_TRUE(sink.names().empty());
  // The entries' balance effects are those of entries made on the device.
  EXPECT_EQ(findAsset(book(), 20400)->balance, 100000 - 3000 - 2000);
  EXPECT_EQ(findAsset(book(), 20401)->balance, 6);
  const std::vector<MajorItem> majors = loadMajorItems(book(), "1").items;
  const auto major = std::find_if(majors.begin(), majors.end(), [](const MajorItem& m) { return m.majorId == 20100; });
  ASSERT_NE(major, majors.end());
  EXPECT_EQ(major->itemName, "기타수입");
}

TEST_F(ImportTest, AddOfAnExistingIdIsDroppedAndTheDeviceRecordStays) {
  EXPECT_TRUE(addEntry(book(), makeEntry({.id = 20001, .amount = 1000})));
  const std::string name = placeAdd(ChangeLetter::Entry, 20001, makeEntry({.id = 20001, .amount = 9999}));
  run();
  EXPECT_FALSE(fs::exists(folder_ / name));
  ASSERT_TRUE(findEntry(book(), 20001));
  EXPECT_EQ(findEntry(book(), 20001)->amount, 1000);
  EXPECT_EQ(entryIdsInWriteOrder().size(), 1u);
}

TEST_F(ImportTest, AddsRaiseTheirCounterOnlyBelowTheDesktopBase) {
  struct Case {
    const char* what;
    std::function<std::string(ImportTest&, int32_t)> place;
    CounterNo counter;
  };
  const std::vector<Case> cases = {
      {"entry", [](ImportTest& t, int32_t id) { return t.placeAdd(ChangeLetter::Entry, id, makeEntry({.id = id})); },
       CounterNo::Entry},
      {"reservation",
       [](ImportTest& t, int32_t id) {
         return t.placeAdd(ChangeLetter::Reservation, id,
                           makeReservation({.id = id, .dayOfMonth = 5, .startDate = "2007-04-05"}));
       },
       CounterNo::Reservation},
      {"link",
       [](ImportTest& t, int32_t id) {
         return t.placeAdd(ChangeLetter::Link, id, ReservationLink{id, "200703", 1, 1});
       },
       CounterNo::Link},
      {"asset", [](ImportTest& t, int32_t id) { return t.placeAdd(ChangeLetter::Asset, id, makeAsset({.id = id})); },
       CounterNo::Reservation},
      {"minor",
       [](ImportTest& t, int32_t id) {
         return t.placeAdd(ChangeLetter::Minor, id, MinorItem{id, 1, "x", 1, "Y"});
       },
       CounterNo::Minor},
      {"major",
       [](ImportTest& t, int32_t id) {
         return t.placeAdd(ChangeLetter::Major, id, MajorItem{id, "2", "x", 1});
       },
       CounterNo::Instalment},
  };
  auto counterOf = [&](CounterNo no) {
    const IdCounters n = readCounters(book().store);
    switch (no) {
      case CounterNo::Entry: return n.entryCounter;
      case CounterNo::Instalment: return n.instCounter;
      case CounterNo::Minor: return n.minorCounter;
      case CounterNo::Reservation: return n.reserveCounter;
      case CounterNo::Link: return n.linkCounter;
    }
    return 0;
  };
  int32_t id = 20000;
  for (const Case& c : cases) {
    raiseCounter(book().store, c.counter, 15000);
    const int32_t start = counterOf(c.counter);
    const int32_t entries = counterOf(CounterNo::Entry);
    c.place(*this, 600000 + id);
    EXPECT_EQ(run().applied, 1) << c.what;
    EXPECT_EQ(counterOf(c.counter), start) << c.what;
    c.place(*this, id);
    EXPECT_EQ(run().applied, 1) << c.what;
    EXPECT_EQ(counterOf(c.counter), id) << c.what;
    if (c.counter != CounterNo::Entry) {
      EXPECT_EQ(counterOf(CounterNo::Entry), entries) << c.what;
    }
    id += 1000;
  }
  EXPECT_EQ(*newEntryId(book()), 20001);
}

TEST_F(ImportTest, WipeComesBeforeTheAddsOfTheSameRun) {
  EXPECT_TRUE(addEntry(book(), makeEntry({.id = 20001})));
  EXPECT_TRUE(addAsset(book(), makeAsset({.id = 20400, .balance = 10})));
  EXPECT_TRUE(addMajorItem(book(), MajorItem{20100, "2", "취미", 9}));
  EXPECT_TRUE(writePostingDate(book(), "2007-03-01"));
  raiseCounter(book().store, CounterNo::Entry, 30000);
  const std::string dated = readPostingDate(book().store);
  placeAdd(ChangeLetter::Entry, 20002, makeEntry({.id = 20002}));
  writeFile(folder_ / std::string(kWipeOrderFileName), "anything");

  const ImportRun result = run();
  EXPECT_TRUE(result.wiped);
  EXPECT_EQ(result.applied, 1);
  EXPECT_EQ(entryIdsInWriteOrder(), std::vector<int32_t>{20002});
  EXPECT_TRUE(cardMonthSumsCurrent(book().store)) << "the adds after the wipe keep the card sums";
  EXPECT_FALSE(findAsset(book(), 20400));
  EXPECT_EQ(book().store.recordCount(kMajorItemsTable), 0u);
  EXPECT_EQ(book().store.recordCount(kMinorItemsTable), 0u);
  EXPECT_EQ(readPostingDate(book().store), dated);
  EXPECT_EQ(readCounters(book().store).entryCounter, 30000);
  EXPECT_GT(book().store.recordCount(kHolidaysTable), 0u);
  EXPECT_EQ(book().store.sortOrdersOf(kBooksTable).size(), findTableDef(kBooksTable)->sortOrders.size());
  EXPECT_TRUE(names("._pc_").empty());
}

TEST_F(ImportTest, NamesAndDigitsDecideWhatIsTaken) {
  const std::string add =
      encodeChangeRecord(recordChange(ChangeLetter::Entry, ChangeOp::Add, 20001, makeEntry({.id = 20001})));
  struct Case {
    std::string name;
    bool stays;
  };
  const std::vector<Case> cases = {
      {"H10010001._pc_", true},        // instalment rows never come from the desktop
      {"Z10020001._pc_", true},
      {"a10020001._pc_", true},
      {"A1002000._pc_", false},        // 13 characters
      {"A100200011._pc_", false},      // 15
      {"AX0020001._pc_", false},       // no digit
      {"1A0020001._pc_", false},       // no letter
      {"A1002000x._pc_", false},
      {"._pc_", false},
      {"C20020001._pc_", false},       // a link is never modified
      {"G10000001._pc_", false},       // the posting date is only modified
      {"G30000001._pc_", false},
      {"A40020001._pc_", false},
      {"B00020001._pc_", false},
  };
  for (const Case& c : cases) writeFile(folder_ / c.name, add);
  writeFile(folder_ / "A10020001._pd_", add);   // the device's own files are not read
  writeFile(folder_ / "A10020001._pc_.tmp", add);
  fs::create_directories(folder_ / "A10020002._pc_");  // nor are folders
  writeFile(fx_.root() / "outside", add);
  fs::create_symlink(fx_.root() / "outside", folder_ / "A10020003._pc_");  // nor links

  const ImportRun result = run();
  EXPECT_EQ(result.applied, 0);
  EXPECT_EQ(result.rejected, 11);
  for (const Case& c : cases) EXPECT_EQ(fs::exists(folder_ / c.name), c.stays) << c.name;
  EXPECT_TRUE(fs::exists(folder_ / "A10020001._pd_"));
  EXPECT_TRUE(fs::exists(folder_ / "A10020001._pc_.tmp"));
  EXPECT_TRUE(fs::is_directory(folder_ / "A10020002._pc_"));
  EXPECT_TRUE(fs::is_symlink(folder_ / "A10020003._pc_"));
  EXPECT_FALSE(findEntry(book(), 20001));
}

TEST_F(ImportTest, FilesLeftInTheFolderDoNotHoldUpTheOthers) {
  for (int i = 0; i < 150; ++i) writeFile(folder_ / ("H1" + std::to_string(1000000 + i) + "._pc_"), "x");
  placeAdd(ChangeLetter::Entry, 20001, makeEntry({.id = 20001}));
  EXPECT_EQ(run().applied, 1);
  EXPECT_TRUE(findEntry(book(), 20001));
  EXPECT_EQ(names("._pc_").size(), 150u);
}

TEST_F(ImportTest, BadContentIsDeletedUnapplied) {
  const std::string good =
      encodeChangeRecord(recordChange(ChangeLetter::Entry, ChangeOp::Add, 20001, makeEntry({.id = 20001})));
  std::string wrongNumber = good;
  wrongNumber[8] = 9;  // field 2 after "\x01\x00\x0520001"
  writeFile(folder_ / "A10020001._pc_", wrongNumber);
  writeFile(folder_ / "A10020002._pc_", good + std::string(1000, ' '));
  writeFile(folder_ / "A10020003._pc_", "");
  const ImportRun result = run();
  EXPECT_EQ(result.rejected, 3);
  EXPECT_TRUE(names("._pc_").empty());
  EXPECT_TRUE(entryIdsInWriteOrder().empty());
}

// 2,000,000,000 instalments used to keep an import writing rows for minutes.
TEST_F(ImportTest, AnInstalmentCountOutsideTheBoundIsDeletedUnapplied) {
  EXPECT_TRUE(addAsset(book(), makeAsset({.id = 20400})));
  clearDeviceFiles();
  LedgerEntry purchase = makeEntry({.id = 20001, .amount = 90000, .assetId = 20400});
  purchase.cardFlag = "Y";
  purchase.instalments = 2000000000;
  placeAdd(ChangeLetter::Entry, 20001, purchase);
  Reservation lessons = makeReservation({.id = 20200, .dayOfMonth = 25, .startDate = "2007-03-25"});
  lessons.instalments = 25;
  placeAdd(ChangeLetter::Reservation, 20200, lessons);
  const std::string before = testing::bookSnapshot(book().store);

  const ImportRun result = run();
  EXPECT_EQ(result.rejected, 2);
  EXPECT_EQ(result.applied, 0);
  EXPECT_TRUE(names("._pc_").empty());
  EXPECT_TRUE(names("._pd_").empty());
  EXPECT_EQ(testing::bookSnapshot(book().store), before);
}

// A record whose closing field in the backup is empty cannot be written back by a backup: taking
// it would make every later backup fail.
TEST_F(ImportTest, ARecordABackupCouldNotWriteIsRefusedAndTheBookStillBacksUp) {
  Reservation noStart = makeReservation({.id = 20200, .dayOfMonth = 25, .startDate = ""});
  placeAdd(ChangeLetter::Reservation, 20200, noStart);
  Asset noKind = makeAsset({.id = 20400});
  noKind.assetKind.clear();
  placeAdd(ChangeLetter::Asset, 20400, noKind);
  placeAdd(ChangeLetter::Minor, 20300, MinorItem{20300, 4, "간식", 9, ""});
  placeAdd(ChangeLetter::Minor, 20301, MinorItem{20301, 4, "야식", 10, "X"});  // reads as not in use
  const std::string before = testing::bookSnapshot(book().store);

  const ImportRun result = run();
  EXPECT_EQ(result.rejected, 3);
  EXPECT_EQ(result.applied, 1);
  EXPECT_TRUE(names("._pc_").empty());
  EXPECT_FALSE(findReservation(book(), 20200));
  EXPECT_FALSE(findAsset(book(), 20400));

  fx_.ui.chosenFile = fx_.root() / "after-import.cnb";
  EXPECT_EQ(backupBook(book(), fx_.ui), TransferOutcome::Done);
  EXPECT_NE(testing::bookSnapshot(book().store), before);  // the good file was applied
}

TEST_F(ImportTest, RunTheBookRefusesLeavesEveryFileForTheNext) {
  placeAdd(ChangeLetter::Entry, 20001, makeEntry({.id = 20001}));
  place(deleteChange(ChangeLetter::Entry, 20002));
  writeFile(folder_ / std::string(kWipeOrderFileName), "");
  writeFile(folder_ / "A1002000._pc_", "");  // bad name: deleted whatever happens
  sqlite3* other = nullptr;
  ASSERT_EQ(sqlite3_open(book().store.path().c_str(), &other), SQLITE_OK);
  ASSERT_EQ(sqlite3_exec(other, "BEGIN IMMEDIATE", nullptr, nullptr, nullptr), SQLITE_OK);
  book().store.setBusyTimeout(20);

  const ImportRun refused = run();
  sqlite3_exec(other, "ROLLBACK", nullptr, nullptr, nullptr);
  sqlite3_close(other);
  EXPECT_TRUE(refused.storeFailed);
  EXPECT_EQ(refused.applied, 0);
  EXPECT_EQ(names("._pc_"), (std::vector<std::string>{"A00000000._pc_", "A10020001._pc_", "A30020002._pc_"}));
  EXPECT_FALSE(findEntry(book(), 20001));
  EXPECT_GT(book().store.recordCount(kMajorItemsTable), 0u);  // the wipe was undone too

  const ImportRun next = run();
  EXPECT_FALSE(next.storeFailed);
  EXPECT_TRUE(next.wiped);
  EXPECT_EQ(next.applied, 2);
  EXPECT_TRUE(names("._pc_").empty());
  EXPECT_TRUE(findEntry(book(), 20001));
}

TEST_F(ImportTest, ImportedPostingDateGoesBack) {
  place(recordChange(ChangeLetter::PostingDate, ChangeOp::Modify, 1, PostingDate{"2007-02-28"}));
  EXPECT_EQ(run().applied, 1);
  EXPECT_EQ(readPostingDate(book().store), "2007-02-28");
  ASSERT_EQ(names("._pd_"), std::vector<std::string>{"G20000001._pd_"});
  const auto back = decodeChangeFile('G', '2', readFile(folder_ / "G20000001._pd_"));
  ASSERT_TRUE(back);
  EXPECT_EQ(std::get<PostingDate>(back->content).postedThrough, "2007-02-28");

  // Only a text of ten characters is a posting date.
  fs::remove(folder_ / "G20000001._pd_");
  place(recordChange(ChangeLetter::PostingDate, ChangeOp::Modify, 1, PostingDate{"2007-3-1"}));
  run();
  EXPECT_EQ(readPostingDate(book().store), "2007-02-28");
  EXPECT_TRUE(names("._pd_").empty());
  EXPECT_TRUE(names("._pc_").empty());
}

TEST_F(ImportTest, DeletesTakeWhatBelongsToTheRecord) {
  EXPECT_TRUE(addReservation(book(), makeReservation({.id = 20200, .dayOfMonth = 25, .startDate = "2007-03-25"})));
  EXPECT_TRUE(addReservationLink(book(), ReservationLink{20301, "200703", 20200, 20001}));
  EXPECT_TRUE(addMajorItem(book(), MajorItem{20100, "2", "취미", 9}));
  EXPECT_TRUE(addMinorItem(book(), MinorItem{20101, 20100, "등산", 1, "Y"}));
  place(deleteChange(ChangeLetter::Reservation, 20200));
  place(deleteChange(ChangeLetter::Major, 20100));
  EXPECT_EQ(run().applied, 2);
  EXPECT_FALSE(linkExists(book(), 20200, "200703"));
  EXPECT_FALSE(findMinorItem(book(), 20101));
}

TEST_F(ImportTest, ModifiedCardKeepsItsInstalmentRows) {
  Asset card = makeAsset({.id = 20500,
                          .kind = "2",
                          .name = "카드",
                          .periodFromMonth = 2,
                          .periodFromDay = 1,
                          .periodToMonth = 2,
                          .periodToDay = 32,
                          .linkOrPayDay = 14});
  EXPECT_TRUE(addAsset(book(), card));
  EXPECT_TRUE(addInstalmentRow(book(), InstalmentRow{20600, "2007-04-05", 20001, 2, 20500}));
  card.assetName = "새 카드";
  place(recordChange(ChangeLetter::Asset, ChangeOp::Modify, card.assetId, card));
  EXPECT_EQ(run().applied, 1);
  EXPECT_EQ(findAsset(book(), 20500)->assetName, "새 카드");
  EXPECT_EQ(instalmentsInRange(book(), "2007-04-01", "2007-04-30").size(), 1u);

  place(deleteChange(ChangeLetter::Asset, card.assetId));
  EXPECT_EQ(run().applied, 1);
  EXPECT_FALSE(findAsset(book(), 20500));
  EXPECT_TRUE(instalmentsInRange(book(), "2007-04-01", "2007-04-30").empty());
}

TEST_F(ImportTest, FullExportSendsTheWholeBook) {
  EXPECT_TRUE(addEntry(book(), makeEntry({.id = 20001})));
  // An entry written before the flags existed: it goes out with "N" in both.
  {
    LedgerEntry old = makeEntry({.id = 20002});
    std::vector<PropValue> props = propsOf(old);
    props.resize(12);
    TableHandle t = book().store.openTable(kBooksTable, 0);
    t.writeRecord(props);
  }
  EXPECT_TRUE(addReservation(book(), makeReservation({.id = 20200, .dayOfMonth = 25, .startDate = "2007-03-25"})));
  EXPECT_TRUE(addReservationLink(book(), ReservationLink{20301, "200703", 20200, 20001}));
  EXPECT_TRUE(addAsset(book(), makeAsset({.id = 20400, .balance = 10})));
  EXPECT_TRUE(addInstalmentRow(book(), InstalmentRow{20600, "2007-04-05", 20001, 2, 20400}));
  clearDeviceFiles();
  writeFile(folder_ / std::string(kExportRequestFileName), "");

  const ImportRun result = run();
  EXPECT_TRUE(result.exported);
  EXPECT_FALSE(fs::exists(folder_ / std::string(kExportRequestFileName)));
  EXPECT_EQ(readFile(folder_ / std::string(kBookReplacedFileName)), std::string(1, '\x01'));

  std::map<std::string, std::size_t> perKind;
  for (const std::string& name : names("._pd_")) {
    if (name != kBookReplacedFileName) ++perKind[name.substr(0, 2)];
  }
  const std::map<std::string, std::size_t> expected = {
      {"A1", 2},
      {"B1", 1},
      {"C1", 1},
      {"D1", 1},
      {"E1", book().store.recordCount(kMinorItemsTable)},
      {"F1", book().store.recordCount(kMajorItemsTable)},
      {"G2", 1},
      {"H1", 1},
  };
  EXPECT_EQ(perKind, expected);
  EXPECT_GT(expected.at("E1"), 0u);  // the seeded categories go too

  const auto old = decodeChangeFile('A', '1', readFile(folder_ / "A10020002._pd_"));
  ASSERT_TRUE(old);
  EXPECT_EQ(std::get<LedgerEntry>(old->content).phoneFlag, "N");
  EXPECT_EQ(std::get<LedgerEntry>(old->content).checkCardFlag, "N");
  const auto date = decodeChangeFile('G', '2', readFile(folder_ / "G20000001._pd_"));
  ASSERT_TRUE(date);
  EXPECT_EQ(std::get<PostingDate>(date->content).postedThrough, readPostingDate(book().store));
}

TEST(FullExport, NothingWhileExchangeIsOff) {
  BookFixture fx;
  const fs::path folder = exchangeFolderPath(fx.root());
  fs::create_directories(folder);
  writeFile(folder / std::string(kExportRequestFileName), "");
  EXPECT_FALSE(fullExport(fx.book(), folder));
  EXPECT_TRUE(fs::exists(folder / std::string(kExportRequestFileName)));
  EXPECT_FALSE(fs::exists(folder / std::string(kBookReplacedFileName)));
}

// What a run killed between its commit and deleting its files leaves: the book holds the change,
// the file is still in the folder, and the run's record of it waits in the outbox. The next run
// deletes the file without applying it again.
TEST_F(ImportTest, AFileAppliedBeforeAKillIsDeletedNotAppliedAgain) {
  const ReservationLink link{20001, "200703", 10001, 30001};
  const std::string name = placeAdd(ChangeLetter::Link, link.linkId, link);
  const std::string bytes = testing::readBytes(folder_ / name);
  ASSERT_EQ(run().applied, 1);
  writeFile(folder_ / name, bytes);
  {
    TransactionGuard tx(book().store);
    ASSERT_TRUE(queueAppliedDelete(book().store, name, bytes));
    ASSERT_TRUE(tx.commit());
  }
  const ImportRun next = run();
  EXPECT_TRUE(next.status) << next.status.reason();
  EXPECT_EQ(next.applied, 0);
  EXPECT_FALSE(fs::exists(folder_ / name));
  EXPECT_EQ(book().store.recordCount(kReservationLinksTable), 1u);

  // A new file the desktop put under the same name since is not ours to delete: it is applied.
  const ReservationLink other{20001, "200704", 10001, 30002};
  {
    TransactionGuard tx(book().store);
    ASSERT_TRUE(queueAppliedDelete(book().store, name, bytes));
    ASSERT_TRUE(tx.commit());
  }
  ASSERT_TRUE(deleteReservationLink(book(), 20001));
  placeAdd(ChangeLetter::Link, other.linkId, other);
  EXPECT_EQ(run().applied, 1);
  EXPECT_EQ(book().store.recordCount(kReservationLinksTable), 1u);
}

// An applied file that cannot be deleted stops every later run instead of being applied again.
// The folder is made read-only; root writes there regardless, so as root the runs are made by a
// child that has given its rights up.
TEST_F(ImportTest, AnAppliedFileThatCannotBeDeletedFailsTheRunsUntilItGoes) {
  const ReservationLink link{20001, "200703", 10001, 30001};
  const std::string name = placeAdd(ChangeLetter::Link, link.linkId, link);
  const fs::path root = fx_.root();
  const fs::path folder = folder_;
  auto scenario = [root, folder, name] {
    testing::RootBook opened(root);
    Book& book = opened.book();
    if (!checkExchangeFolder(book, folder)) return false;
    fs::permissions(folder, fs::perms::owner_write, fs::perm_options::remove);
    const ImportRun first = importChangeFiles(book, folder);
    const ImportRun second = importChangeFiles(book, folder);
    fs::permissions(folder, fs::perms::owner_write, fs::perm_options::add);
    const ImportRun third = importChangeFiles(book, folder);
    return !first.status && first.applied == 1 && !second.status && second.applied == 0 && third.status &&
           !fs::exists(folder / name) && book.store.recordCount(kReservationLinksTable) == 1;
  };
  if (geteuid() != 0) {
    EXPECT_TRUE(scenario());
    return;
  }
  constexpr uid_t kNobody = 65534;
  for (const fs::directory_entry& e : fs::recursive_directory_iterator(root)) {
    ASSERT_EQ(::lchown(e.path().c_str(), kNobody, kNobody), 0) << e.path();
  }
  ASSERT_EQ(::chown(root.c_str(), kNobody, kNobody), 0);
  EXPECT_TRUE(
      testing::runsToEndInChild([&] { return ::setgid(kNobody) == 0 && ::setuid(kNobody) == 0 && scenario(); }));
}

// The full export writes the "book replaced" file only over a complete set, and keeps the
// desktop's request when it could not write one.
TEST_F(ImportTest, AnExportThatCannotWriteEveryFileKeepsTheRequest) {
  for (int32_t id = 20001; id <= 20005; ++id) EXPECT_TRUE(addEntry(book(), makeEntry({.id = id})));
  clearDeviceFiles();
  writeFile(folder_ / std::string(kExportRequestFileName), "");
  // A folder where one add file must go: its rename fails.
  const fs::path blocked = folder_ / changeFileName(ChangeLetter::Entry, ChangeOp::Add, 20003);
  fs::create_directories(blocked / "inside");
  const ImportRun refused = run();
  EXPECT_FALSE(refused.status);
  EXPECT_FALSE(refused.exported);
  EXPECT_TRUE(fs::exists(folder_ / std::string(kExportRequestFileName)));
  EXPECT_FALSE(fs::exists(folder_ / std::string(kBookReplacedFileName)));

  fs::remove_all(blocked);
  const ImportRun answered = run();
  EXPECT_TRUE(answered.status) << answered.status.reason();
  EXPECT_TRUE(answered.exported);
  EXPECT_FALSE(fs::exists(folder_ / std::string(kExportRequestFileName)));
  EXPECT_EQ(testing::readBytes(folder_ / std::string(kBookReplacedFileName)), "\x01");
  EXPECT_TRUE(fs::exists(folder_ / changeFileName(ChangeLetter::Entry, ChangeOp::Add, 20003)));
}

// Change files a commit could not write (the folder was away) wait in the book, in their order,
// and are written by the next flush: the latest change of a file wins.
TEST_F(ImportTest, ChangeFilesThatCouldNotBeWrittenWaitInTheBook) {
  clearDeviceFiles();
  const fs::path away = fx_.root() / "away";
  fs::rename(folder_, away);
  LedgerEntry first = makeEntry({.id = 20001});
  EXPECT_TRUE(addEntry(book(), first));
  LedgerEntry second = first;
  second.amount = 777;
  EXPECT_TRUE(updateEntry(book(), second));
  second.amount = 888;
  EXPECT_TRUE(updateEntry(book(), second));
  EXPECT_FALSE(writer_.lastFlush().status);
  EXPECT_TRUE(book().store.hasQueuedFiles());

  fs::rename(away, folder_);
  const OutboxFlush flushed = flushOutbox(book().store, folder_);
  EXPECT_TRUE(flushed.status) << flushed.status.reason();
  EXPECT_EQ(flushed.carriedOut, 3);
  EXPECT_FALSE(book().store.hasQueuedFiles());
  EXPECT_EQ(names("._pd_"), (std::vector<std::string>{"A10020001._pd_", "A20020001._pd_"}));
  EXPECT_EQ(testing::readBytes(folder_ / "A20020001._pd_"),
            encodeChangeRecord(recordChange(ChangeLetter::Entry, ChangeOp::Modify, 20001, second)));
}

}  // namespace
}  // namespace coinest
