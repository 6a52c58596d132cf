#include "exchange/backup_stream.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "exchange/backup_test_book.h"
#include "store/record_layout.h"
#include "store/table_catalogue.h"
#include "support/book_fixture.h"

namespace coinest {
namespace {

using testing::BookFixture;
using testing::fieldRecord;

struct Decoded {
  BackupStreamRead read;
  std::vector<BackupRecord> records;
};

// Runs the reader over `stream` (the bytes after the header).
Decoded decode(std::string_view stream) {
  Decoded out;
  std::FILE* file = std::tmpfile();
  EXPECT_NE(file, nullptr);
  if (file == nullptr) return out;
  std::fwrite(stream.data(), 1, stream.size(), file);
  std::rewind(file);
  out.read = decodeBackupStream(file, [&](const BackupRecord& r) { out.records.push_back(r); });
  std::fclose(file);
  return out;
}

// What writeBackupStream puts after the header for this book.
std::string writtenStream(ObjectStore& store, int* records = nullptr) {
  std::FILE* file = std::tmpfile();
  EXPECT_NE(file, nullptr);
  if (file == nullptr) return {};
  int written = 0;
  EXPECT_TRUE(writeBackupStream(store, file, [&] { ++written; }));
  if (records != nullptr) *records = written;
  std::string bytes(static_cast<std::size_t>(std::ftell(file)), '\0');
  std::rewind(file);
  EXPECT_EQ(std::fread(bytes.data(), 1, bytes.size(), file), bytes.size());
  std::fclose(file);
  return bytes;
}

std::string countersStream(const char* value) {
  std::string s;
  for (uint16_t f = 1; f <= 5; ++f) s += fieldRecord(1, f, value);
  return s;
}

// A complete entry as the writer lays it out (식비, 외식, 점심 in CP949), without the two optional flags.
std::string entryStream(const char* id, const char* amount = "5000", const char* instalments = "3") {
  return fieldRecord(2, 1, id) + fieldRecord(2, 2, "2007-03-05") + fieldRecord(2, 3, "2") +
         fieldRecord(2, 4, "\xBD\xC4\xBA\xF1") + fieldRecord(2, 5, "\xBF\xDC\xBD\xC4") +
         fieldRecord(2, 6, "\xC1\xA1\xBD\xC9") + fieldRecord(2, 7, amount) + fieldRecord(2, 8, "N") +
         fieldRecord(2, 9, "") + fieldRecord(2, 11, "10001") + fieldRecord(2, 12, instalments) +
         fieldRecord(2, 15, "0") + fieldRecord(2, 10, "0");
}

TEST(BackupStream, AnEmptyBookIsTheCountersRecordAlone) {
  BookFixture fx;
  // The seeded categories are records too: take them away for an empty book.
  for (std::string_view table : {kMajorItemsTable, kMinorItemsTable}) {
    fx.store().dropTable(table);
    ASSERT_TRUE(createBookTable(fx.store(), table));
  }
  EXPECT_EQ(backupRecordCount(fx.store()), 1u);
  EXPECT_EQ(backupHeader(1), std::string("Brivanta_Coinest_Backup\x00\x01", 25));
  int records = 0;
  EXPECT_EQ(writtenStream(fx.store(), &records), countersStream("10000"));
  EXPECT_EQ(records, 1);

  // A book whose counters record is gone (restored from a file of count 0) still writes the one
  // record its count includes, as the counters it reads: all 10000.
  fx.store().dropTable(kCountersTable);
  ASSERT_TRUE(createBookTable(fx.store(), kCountersTable));
  EXPECT_EQ(writtenStream(fx.store()), countersStream("10000"));
}

TEST(BackupStream, RecordsAreLaidOutFieldByField) {
  LedgerEntry e;
  e.entryId = 20001;
  e.entryDate = "2007-03-05";
  e.entryKind = "2";
  e.majorItem = "식비";
  e.minorItem = "외식";
  e.content = "점심";
  e.amount = 5000;
  e.cardFlag = "N";
  e.assetId = 10001;
  e.instalments = 3;
  e.phoneFlag = "";
  e.checkCardFlag = "";
  EXPECT_EQ(encodeBackupRecord(e), entryStream("20001"));

  e.amount = -1;
  e.phoneFlag = "Y";
  e.checkCardFlag = "N";
  const std::string withFlags = encodeBackupRecord(e);
  EXPECT_NE(withFlags.find(fieldRecord(2, 7, "4294967295")), std::string::npos);
  EXPECT_NE(withFlags.find(fieldRecord(2, 8, "N") + fieldRecord(2, 13, "Y") + fieldRecord(2, 14, "N") +
                           fieldRecord(2, 9, "")),
            std::string::npos);

  Asset a;
  a.assetId = 10002;
  a.assetKind = "2";
  a.assetName = "카드";
  a.periodFromMonth = 2;
  a.periodFromDay = 15;
  a.periodToMonth = 3;
  a.periodToDay = 32;
  a.linkOrPayDay = 25;
  a.balance = -7;
  EXPECT_EQ(encodeBackupRecord(a),
            fieldRecord(7, 1, "10002") + fieldRecord(7, 3, "\xC4\xAB\xB5\xE5") + fieldRecord(7, 4, "") +
                fieldRecord(7, 5, "") + fieldRecord(7, 6, "") + fieldRecord(7, 7, "") + fieldRecord(7, 8, "2") +
                fieldRecord(7, 9, "15") + fieldRecord(7, 10, "3") + fieldRecord(7, 11, "32") +
                fieldRecord(7, 12, "25") + fieldRecord(7, 13, "4294967289") + fieldRecord(7, 2, "2"));

  Reservation r;
  r.reserveId = 10005;
  r.dayOfMonth = 25;
  r.startDate = "2007-03-25";
  r.phoneFlag = "";
  r.checkCardFlag = "Y";
  EXPECT_EQ(encodeBackupRecord(r),
            fieldRecord(3, 1, "10005") + fieldRecord(3, 2, "25") + fieldRecord(3, 3, "") + fieldRecord(3, 4, "") +
                fieldRecord(3, 5, "") + fieldRecord(3, 6, "") + fieldRecord(3, 7, "0") + fieldRecord(3, 8, "") +
                fieldRecord(3, 10, "") + fieldRecord(3, 14, "Y") + fieldRecord(3, 11, "0") +
                fieldRecord(3, 12, "0") + fieldRecord(3, 9, "2007-03-25"));

  EXPECT_EQ(encodeBackupRecord(IdCounters{10001, 10002, 10003, 10004, 10005}),
            fieldRecord(1, 1, "10001") + fieldRecord(1, 2, "10002") + fieldRecord(1, 3, "10003") +
                fieldRecord(1, 4, "10004") + fieldRecord(1, 5, "10005"));
  EXPECT_EQ(encodeBackupRecord(InstalmentRow{10010, "2007-04-31", 20001, 2, 10002}),
            fieldRecord(8, 1, "10010") + fieldRecord(8, 2, "2007-04-31") + fieldRecord(8, 3, "20001") +
                fieldRecord(8, 4, "2") + fieldRecord(8, 5, "10002"));
}

TEST(BackupStream, TextsAreCutToTheirFieldAndWhatCP949CannotHoldBecomesQuestionMarks) {
  MajorItem m{10001, "2", std::string(25, 'x'), 1};
  EXPECT_NE(encodeBackupRecord(m).find(fieldRecord(5, 3, std::string(20, 'x'))), std::string::npos);
  m.itemName = "밥\xF0\x9F\x8D\x9A밥";  // an emoji CP949 lacks
  EXPECT_NE(encodeBackupRecord(m).find(fieldRecord(5, 3, "\xB9\xE4?\xB9\xE4")), std::string::npos);
  m.itemName = "\xFF밥";  // not UTF-8 at all
  EXPECT_NE(encodeBackupRecord(m).find(fieldRecord(5, 3, "?\xB9\xE4")), std::string::npos);
  m.itemName = std::string("ab\0cd", 5);  // a text ends at a NUL
  EXPECT_NE(encodeBackupRecord(m).find(fieldRecord(5, 3, "ab")), std::string::npos);
}

TEST(BackupStream, AStoredEntryWithoutTheFlagsLeavesThemOutAndReadsBackN) {
  BookFixture fx;
  LedgerEntry e;
  e.entryId = 20001;
  e.entryKind = "2";
  std::vector<PropValue> props = propsOf(e);
  std::erase_if(props, [](const PropValue& p) { return propNumber(p.id) == 13 || propNumber(p.id) == 14; });
  TableHandle books = fx.store().openTable(kBooksTable, 0);
  ASSERT_NE(books.writeRecord(props), 0);
  books.close();

  const std::string stream = writtenStream(fx.store());
  int entryFields = 0;
  for (std::size_t at = 0; at + 5 <= stream.size();) {
    if (stream[at] == 2) ++entryFields;
    at += 5 + ((static_cast<uint8_t>(stream[at + 3]) << 8) | static_cast<uint8_t>(stream[at + 4]));
  }
  EXPECT_EQ(entryFields, 13);  // fifteen fields less the two flags

  const Decoded decoded = decode(stream);
  ASSERT_FALSE(decoded.read.damaged);
  const LedgerEntry* read = nullptr;
  for (const BackupRecord& r : decoded.records) {
    if (std::holds_alternative<LedgerEntry>(r)) read = &std::get<LedgerEntry>(r);
  }
  ASSERT_NE(read, nullptr);
  EXPECT_EQ(read->entryId, 20001);
  EXPECT_EQ(read->phoneFlag, "N");
  EXPECT_EQ(read->checkCardFlag, "N");
}

TEST(BackupStream, PendingRecordsCarryFieldsOverUnlessFieldOneResetsThem) {
  // The second entry gives only its id, date and closing field: its asset and instalments are
  // reset at field 1, its flags become "N", every other field is the first entry's.
  std::string stream = entryStream("20001");
  stream += fieldRecord(2, 13, "Y");  // belongs to the first entry's record, after it completed
  stream += fieldRecord(2, 1, "20002") + fieldRecord(2, 2, "2007-03-06") + fieldRecord(2, 7, "") +
            fieldRecord(2, 10, "7");
  // An asset whose second record lacks the billing period and balance.
  stream += fieldRecord(7, 1, "1") + fieldRecord(7, 3, "A") + fieldRecord(7, 8, "2") + fieldRecord(7, 13, "99") +
            fieldRecord(7, 2, "2");
  stream += fieldRecord(7, 1, "2") + fieldRecord(7, 2, "1");
  const Decoded d = decode(stream);
  ASSERT_FALSE(d.read.damaged);
  ASSERT_EQ(d.read.completed, 4u);
  const auto& first = std::get<LedgerEntry>(d.records[0]);
  const auto& second = std::get<LedgerEntry>(d.records[1]);
  EXPECT_EQ(first.phoneFlag, "N");
  EXPECT_EQ(second.entryId, 20002);
  EXPECT_EQ(second.entryDate, "2007-03-06");
  EXPECT_EQ(second.content, "점심");   // carried over
  EXPECT_EQ(second.amount, 5000);      // an empty integer leaves the value as it was
  EXPECT_EQ(second.assetId, 0);        // reset at field 1
  EXPECT_EQ(second.instalments, 0);
  EXPECT_EQ(second.phoneFlag, "N");    // the stray "Y" was overwritten by the reset
  EXPECT_EQ(second.reserveId, 7);
  const auto& asset1 = std::get<Asset>(d.records[2]);
  const auto& asset2 = std::get<Asset>(d.records[3]);
  EXPECT_EQ(asset1.periodFromMonth, 2);  // field 8 is the billing period's start month
  EXPECT_EQ(asset1.balance, 99);
  EXPECT_EQ(asset2.periodFromMonth, 0);
  EXPECT_EQ(asset2.balance, 0);
  EXPECT_EQ(asset2.assetName, "A");
}

TEST(BackupStream, WhatTheReaderCompletesCountsAndWhatDamagesTheStream) {
  const std::string entry = entryStream("20001");
  struct Case {
    const char* name;
    std::string stream;
    uint32_t completed;
    bool damaged;
  };
  const Case cases[] = {
      {"nothing", "", 0, false},
      {"counters and an entry", countersStream("4294967295") + entry, 2, false},
      {"a count-record is no record of the book", fieldRecord(9, 1, "70001") + entry, 1, false},
      {"unknown tags and field numbers are skipped",
       fieldRecord(9, 1, "x") + fieldRecord(0, 1, "y") + fieldRecord(2, 16, "z") + fieldRecord(2, 0xFFFF, "") + entry,
       1, false},
      {"an empty closing integer completes nothing", entry.substr(0, entry.size() - 6) + fieldRecord(2, 10, ""), 0,
       false},
      {"a reservation without a start date", fieldRecord(3, 1, "1") + fieldRecord(3, 9, ""), 0, false},
      {"an asset without a kind", fieldRecord(7, 1, "1") + fieldRecord(7, 2, ""), 0, false},
      {"a minor category not marked in use or not", fieldRecord(6, 1, "1") + fieldRecord(6, 5, ""), 0, false},
      {"a last field record cut short in its head", entry + entry.substr(0, 3), 1, false},
      {"a last field record cut short in its value", entry + fieldRecord(2, 10, "12345").substr(0, 7), 1, false},
      {"a length running far past the end", entry + std::string("\x02\x00\x06\xFF\xFF", 5) + "abc", 1, false},
      {"a text of exactly its field",
       fieldRecord(5, 1, "1") + fieldRecord(5, 3, std::string(40, '\xB0')) + fieldRecord(5, 4, "1"), 1, false},
      {"a text longer than its field",
       fieldRecord(5, 1, "1") + fieldRecord(5, 3, std::string(42, '\xB0')) + fieldRecord(5, 4, "1"), 0, true},
      {"an ASCII text one longer than its field", fieldRecord(2, 1, "1") + fieldRecord(2, 2, "2007-03-055"), 0, true},
      {"a huge text", fieldRecord(2, 1, "1") + fieldRecord(2, 9, std::string(65535, 'a')), 0, true},
      {"invalid CP949", fieldRecord(2, 1, "1") + fieldRecord(2, 6, "\xFF\xFE"), 0, true},
      {"a lead byte cut off", fieldRecord(2, 1, "1") + fieldRecord(2, 6, "a\xB0"), 0, true},
      {"a NUL inside a text", fieldRecord(2, 1, "1") + fieldRecord(2, 6, std::string("a\0b", 3)), 0, true},
      {"a number with a sign", fieldRecord(2, 1, "-1"), 0, true},
      {"a number with a space", fieldRecord(2, 7, " 5"), 0, true},
      {"a number above 32 bits", fieldRecord(2, 7, "4294967296"), 0, true},
      {"a very long number", fieldRecord(2, 7, std::string(30, '9')), 0, true},
      {"a damaged value after complete records", entry + fieldRecord(2, 7, "12a"), 1, true},
      {"an entry of 24 instalments", entryStream("1", "5000", "24"), 1, false},
      {"an entry of 25 instalments", entryStream("1", "5000", "25"), 0, true},
      {"an entry of -1 instalments", entryStream("1", "5000", "4294967295"), 0, true},
      {"an entry of 2,000,000,000 instalments after a good one", entry + entryStream("2", "5000", "2000000000"), 1,
       true},
      {"a reservation of 24 instalments",
       fieldRecord(3, 1, "1") + fieldRecord(3, 12, "24") + fieldRecord(3, 9, "2007-03-25"), 1, false},
      {"a reservation of 2,000,000,000 instalments",
       fieldRecord(3, 1, "1") + fieldRecord(3, 12, "2000000000") + fieldRecord(3, 9, "2007-03-25"), 0, true},
  };
  for (const Case& c : cases) {
    const Decoded d = decode(c.stream);
    EXPECT_EQ(d.read.completed, c.completed) << c.name;
    EXPECT_EQ(d.read.damaged, c.damaged) << c.name;
  }
}

TEST(BackupStream, NumbersAndTextsReadBackExactly) {
  const Decoded d = decode(countersStream("4294967295") + fieldRecord(6, 1, "0000010091") + fieldRecord(6, 2, "7") +
                           fieldRecord(6, 3, std::string(20, '\xB0').replace(0, 2, "\xB3\xAC")) +
                           fieldRecord(6, 4, "1") + fieldRecord(6, 5, "Y"));
  ASSERT_EQ(d.records.size(), 2u);
  EXPECT_EQ(std::get<IdCounters>(d.records[0]).linkCounter, -1);
  const auto& minor = std::get<MinorItem>(d.records[1]);
  EXPECT_EQ(minor.minorId, 10091);
  EXPECT_EQ(minor.itemName.substr(0, 3), "낚");
  EXPECT_EQ(minor.inUse, "Y");
}

TEST(BackupStream, HeaderNeedsTheExactMagic) {
  const std::string good = backupHeader(0x1234);
  EXPECT_EQ(good.size(), kBackupHeaderSize);
  EXPECT_EQ(parseBackupHeader(good), 0x1234);
  EXPECT_EQ(parseBackupHeader(backupHeader(65536 + 3)), 3);  // the low 16 bits
  std::string lower = good;
  lower[0] = 'b';
  std::string last = good;
  last[22] = 'P';
  for (const std::string& bad : {lower, last, good.substr(0, 24), std::string()}) {
    EXPECT_FALSE(parseBackupHeader(bad)) << bad;
  }
}

// The marker's header: what a file of more records than 16 bits hold begins with.
const std::string kMarkerHeader("Brivanta_Coinest_Backup\xFF\xFF", 25);

TEST(BackupStream, ABookThatFitsTheHeaderIsOpenedByItAloneALargerOneByTheMarkerAndItsCount) {
  struct Case {
    uint32_t records;
    std::string opening;
  };
  const Case cases[] = {
      {0, std::string("Brivanta_Coinest_Backup\x00\x00", 25)},
      {1, std::string("Brivanta_Coinest_Backup\x00\x01", 25)},
      {0xFFFE, std::string("Brivanta_Coinest_Backup\xFF\xFE", 25)},
      {0xFFFF, std::string("Brivanta_Coinest_Backup\xFF\xFF", 25)},  // the device's form still
      {0x10000, kMarkerHeader + std::string("\x09\x00\x01\x00\x05", 5) + "65536"},
      {70001, kMarkerHeader + fieldRecord(9, 1, "70001")},
      {kMaxBackupFileRecords, kMarkerHeader + fieldRecord(9, 1, "1000000000")},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(backupOpening(c.records), c.opening) << c.records;
    EXPECT_EQ(parseBackupOpening(c.opening + countersStream("10000")), c.records) << c.records;
  }
}

TEST(BackupStream, TheCountIsTheHeadersUnlessTheMarkerIsFollowedByACountRecord) {
  const std::string countRecord = fieldRecord(9, 1, "70001");
  std::string lower = kMarkerHeader;
  lower[0] = 'b';
  struct Case {
    const char* name;
    std::string bytes;
    std::optional<uint32_t> count;
  };
  const Case cases[] = {
      {"a count-record after another count", backupHeader(0x1234) + countRecord, 0x1234},
      {"the marker and the count-record", kMarkerHeader + countRecord + countersStream("10000"), 70001},
      {"a count with leading zeros", kMarkerHeader + fieldRecord(9, 1, "00070001"), 70001},
      {"the marker alone", kMarkerHeader, 0xFFFF},
      {"the marker and the counters record", kMarkerHeader + countersStream("10000"), 0xFFFF},
      {"the marker and another field of the count's tag", kMarkerHeader + fieldRecord(9, 2, "70001"), 0xFFFF},
      {"a count-record cut in its head", kMarkerHeader + countRecord.substr(0, 4), 0xFFFF},
      {"a count-record cut in its value", kMarkerHeader + countRecord.substr(0, 8), 0xFFFF},
      {"an empty count", kMarkerHeader + fieldRecord(9, 1, ""), std::nullopt},
      {"a count that is no number", kMarkerHeader + fieldRecord(9, 1, "7OOO1"), std::nullopt},
      {"a count beyond the largest file", kMarkerHeader + fieldRecord(9, 1, "1000000001"), std::nullopt},
      {"a count above 32 bits", kMarkerHeader + fieldRecord(9, 1, "4294967296"), std::nullopt},
      {"a count longer than any number", kMarkerHeader + fieldRecord(9, 1, std::string(101, '0')), std::nullopt},
      {"the wrong magic", lower + countRecord, std::nullopt},
  };
  for (const Case& c : cases) EXPECT_EQ(parseBackupOpening(c.bytes), c.count) << c.name;
}

}  // namespace
}  // namespace coinest
