#include "exchange/change_file.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "ledger/entry_rules.h"
#include "platform/code_page.h"
#include "support/book_fixture.h"
#include "support/record_builders.h"
#include "support/temp_dir.h"

namespace coinest {
namespace {

using testing::BookFixture;
using testing::TempDir;

std::string bytes(std::initializer_list<unsigned char> list) { return std::string(list.begin(), list.end()); }

// One field record: number, big-endian length, value.
std::string fieldRecord(uint8_t number, std::string_view value) {
  std::string out;
  out += static_cast<char>(number);
  out += static_cast<char>(value.size() >> 8);
  out += static_cast<char>(value.size() & 0xFF);
  out += value;
  return out;
}

std::string readFile(const std::filesystem::path& file) {
  std::ifstream in(file, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

std::vector<std::string> folderNames(const std::filesystem::path& folder) {
  std::vector<std::string> names;
  for (const auto& e : std::filesystem::directory_iterator(folder)) names.push_back(e.path().filename().string());
  std::sort(names.begin(), names.end());
  return names;
}

// A cash lunch with a note, every other field 0 or "N".
LedgerEntry sampleEntry() {
  LedgerEntry e = testing::makeEntry({.id = 10001, .content = "점심", .amount = 6500});
  e.note = "회사 앞";
  return e;
}

// The 15 field records of an entry file; `fields` 14 leaves out toAssetId.
std::string entryFile(const LedgerEntry& e, int fields = 15) {
  std::string out = encodeChangeRecord(recordChange(ChangeLetter::Entry, ChangeOp::Add, e.entryId, e));
  if (fields == 14) out.resize(out.size() - fieldRecord(15, std::to_string(e.toAssetId)).size());
  return out;
}

std::string repeat(std::string_view text, int times) {
  std::string out;
  for (int i = 0; i < times; ++i) out += text;
  return out;
}

// A major category file named `name` (UTF-8).
std::string majorFile(const std::string& name) {
  return fieldRecord(1, "10004") + fieldRecord(2, "2") + fieldRecord(3, utf8ToCp949(name).bytes) + fieldRecord(4, "1");
}

// An entry file with every integer written with leading zeros to 100 bytes, a content of 40
// Korean characters and the note filled with 'x' so that the file is `size` bytes long.
std::string paddedEntryFile(std::size_t size) {
  LedgerEntry e = sampleEntry();
  e.content = repeat("가", 40);
  e.note.clear();
  std::string out;
  for (const ChangeField& f : changeFieldsOf(e)) {
    if (f.isText) {
      out += fieldRecord(f.number, utf8ToCp949(f.text).bytes);
    } else {
      std::string digits = std::to_string(static_cast<uint32_t>(f.intValue));
      out += fieldRecord(f.number, std::string(100 - digits.size(), '0') + digits);
    }
  }
  const std::string emptyNote = fieldRecord(9, "");
  const std::size_t at = out.find(emptyNote);
  if (at == std::string::npos || size < out.size() || size - out.size() > 256) return {};
  out.replace(at, emptyNote.size(), fieldRecord(9, std::string(size - out.size(), 'x')));
  return out;
}

TEST(ChangeFile, NamesCarryLetterDigitAndSevenDigitId) {
  struct Case {
    ChangeLetter letter;
    ChangeOp op;
    int32_t id;
    const char* name;
  };
  const std::vector<Case> cases = {
      {ChangeLetter::Entry, ChangeOp::Add, 10001, "A10010001._pd_"},
      {ChangeLetter::Entry, ChangeOp::Delete, 10001, "A30010001._pd_"},
      {ChangeLetter::PostingDate, ChangeOp::Modify, 1, "G20000001._pd_"},
      {ChangeLetter::Major, ChangeOp::Add, 500001, "F10500001._pd_"},
      {ChangeLetter::Instalment, ChangeOp::Add, 9999999, "H19999999._pd_"},
  };
  for (const Case& c : cases) EXPECT_EQ(changeFileName(c.letter, c.op, c.id), c.name);
}

TEST(ChangeFile, DeleteOfEntryIsEightBytes) {
  EXPECT_EQ(encodeChangeRecord(deleteChange(ChangeLetter::Entry, 10001)),
            bytes({0x01, 0x00, 0x05, '1', '0', '0', '0', '1'}));
}

TEST(ChangeFile, IntegersAreUnsignedAndTextsCp949) {
  LedgerEntry e = sampleEntry();
  e.amount = -1;
  e.content = "가계부";
  e.note = "";
  const std::string file = entryFile(e);
  EXPECT_NE(file.find(fieldRecord(7, "4294967295")), std::string::npos);
  EXPECT_NE(file.find(fieldRecord(6, bytes({0xB0, 0xA1, 0xB0, 0xE8, 0xBA, 0xCE}))), std::string::npos);
  EXPECT_NE(file.find(fieldRecord(9, "")), std::string::npos);  // empty texts are written too

  const auto decoded = decodeChangeFile('A', '1', file);
  ASSERT_TRUE(decoded);
  const auto& back = std::get<LedgerEntry>(decoded->content);
  EXPECT_EQ(back.amount, -1);
  EXPECT_EQ(back.content, "가계부");
}

TEST(ChangeFile, TextsCpCannotHoldOrTooLongAreMadeSafe) {
  struct Case {
    std::string content;  // UTF-8
    std::string cp949;    // field 6 as written
  };
  const std::vector<Case> cases = {
      {"밥\xF0\x9F\x98\x80값", bytes({0xB9, 0xE4, '?', 0xB0, 0xAA})},  // an emoji becomes one '?'
      {"a\xE0\xB8\x81" "b", "a?b"},                                    // a Thai letter
      {std::string(45, 'x'), std::string(40, 'x')},                   // cut to the field's 40
  };
  for (const Case& c : cases) {
    LedgerEntry e = sampleEntry();
    e.content = c.content;
    const std::string file = entryFile(e);
    EXPECT_NE(file.find(fieldRecord(6, c.cp949)), std::string::npos) << c.content;
    EXPECT_TRUE(decodeChangeFile('A', '1', file)) << c.content;  // what we write, we read
  }
}

TEST(ChangeFile, LongestRecordsFitInOneFile) {
  Asset a;
  a.assetId = -1;
  a.assetName = a.assetNumber = a.holder = a.company = std::string(60, 'x');
  for (int i = 0; i < 300; ++i) a.note += "가";
  a.assetKind = "가";
  a.periodFromMonth = a.periodFromDay = a.periodToMonth = a.periodToDay = a.linkOrPayDay = a.balance = -1;
  const std::string file = encodeChangeRecord(recordChange(ChangeLetter::Asset, ChangeOp::Add, a.assetId, a));
  EXPECT_LE(file.size(), kMaxChangeFileSize);
  EXPECT_TRUE(decodeChangeFile('D', '1', file));
}

TEST(ChangeFile, EveryRecordKindRoundTrips) {
  Reservation r = testing::makeReservation({.id = 10005, .amount = 500000, .startDate = "2007-03-25"});
  r.phoneFlag = "Y";
  // Field 8 carries property 14, the start month.
  const Asset a = testing::makeAsset(
      {.id = 10003, .kind = "2", .name = "카드", .periodFromMonth = 2, .periodFromDay = 32, .balance = -300});
  struct Case {
    char letter;
    char digit;
    ChangeRecord change;
  };
  const std::vector<Case> cases = {
      {'A', '2', recordChange(ChangeLetter::Entry, ChangeOp::Modify, 10001, sampleEntry())},
      {'B', '1', recordChange(ChangeLetter::Reservation, ChangeOp::Add, r.reserveId, r)},
      {'C', '1', recordChange(ChangeLetter::Link, ChangeOp::Add, 10002, ReservationLink{10002, "200703", 10005, 10001})},
      {'D', '2', recordChange(ChangeLetter::Asset, ChangeOp::Modify, a.assetId, a)},
      {'E', '1', recordChange(ChangeLetter::Minor, ChangeOp::Add, 10010, MinorItem{10010, 10004, "간식", 3, "Y"})},
      {'F', '2', recordChange(ChangeLetter::Major, ChangeOp::Modify, 10004, MajorItem{10004, "2", "식비", 1})},
      {'G', '2', recordChange(ChangeLetter::PostingDate, ChangeOp::Modify, 1, PostingDate{"2007-03-05"})},
      {'C', '3', deleteChange(ChangeLetter::Link, 10002)},
      {'F', '3', deleteChange(ChangeLetter::Major, -999)},
  };
  for (const Case& c : cases) {
    const std::string file = encodeChangeRecord(c.change);
    const auto decoded = decodeChangeFile(c.letter, c.digit, file);
    ASSERT_TRUE(decoded) << c.letter << c.digit;
    EXPECT_EQ(static_cast<char>(decoded->letter), c.letter);
    EXPECT_EQ(static_cast<char>(decoded->op), c.digit);
    const ChangeRecord back = changeRecordOf(*decoded);
    EXPECT_EQ(back.id, c.change.id) << c.letter << c.digit;
    EXPECT_EQ(encodeChangeRecord(back), file) << c.letter << c.digit;
  }
  const auto asset = decodeChangeFile('D', '2', encodeChangeRecord(cases[3].change));
  EXPECT_EQ(std::get<Asset>(asset->content).periodFromMonth, 2);
  EXPECT_EQ(std::get<Asset>(asset->content).balance, -300);
}

TEST(ChangeFileDecoder, EntryMayEndAfterField14) {
  LedgerEntry e = sampleEntry();
  e.toAssetId = 10007;
  for (const char digit : {'1', '2'}) {
    const auto decoded = decodeChangeFile('A', digit, entryFile(e, 14));
    ASSERT_TRUE(decoded) << digit;
    const auto& back = std::get<LedgerEntry>(decoded->content);
    EXPECT_EQ(back.toAssetId, 0);
    EXPECT_EQ(back.checkCardFlag, "N");
    EXPECT_EQ(back.note, "회사 앞");
  }
}

TEST(ChangeFileDecoder, StrayByteInPlaceOfAFieldLeavesItEmpty) {
  // A field record with another number costs one byte; when the count still comes out exact the
  // file is taken with that field at 0 or empty.
  const std::string link = fieldRecord(1, "10002") + "x" + fieldRecord(3, "10005") + fieldRecord(4, "10001");
  const auto decoded = decodeChangeFile('C', '1', link);
  ASSERT_TRUE(decoded);
  const auto& back = std::get<ReservationLink>(decoded->content);
  EXPECT_EQ(back.linkId, 10002);
  EXPECT_EQ(back.postedMonth, "");
  EXPECT_EQ(back.reserveId, 10005);
  EXPECT_EQ(back.entryId, 10001);

  const auto entry = decodeChangeFile('A', '1', entryFile(sampleEntry(), 14) + '\0');
  ASSERT_TRUE(entry);
  EXPECT_EQ(std::get<LedgerEntry>(entry->content).toAssetId, 0);
}

TEST(ChangeFileDecoder, SizesAndTextsAtTheirLimits) {
  const std::string padded = paddedEntryFile(1000);
  ASSERT_EQ(padded.size(), 1000u);
  const auto entry = decodeChangeFile('A', '1', padded);
  ASSERT_TRUE(entry);
  EXPECT_EQ(std::get<LedgerEntry>(entry->content).entryId, 10001);
  EXPECT_EQ(std::get<LedgerEntry>(entry->content).amount, 6500);

  const auto major = decodeChangeFile('F', '1', majorFile(repeat("가", 20)));
  ASSERT_TRUE(major);
  EXPECT_EQ(std::get<MajorItem>(major->content).itemName, repeat("가", 20));
}

TEST(ChangeFileDecoder, NumbersAtTheirLimits) {
  struct Case {
    std::string text;
    int32_t value;
  };
  const std::vector<Case> cases = {
      {"4294967295", -1},
      {"2147483648", INT32_MIN},
      {"0", 0},
      {std::string(99, '0') + "7", 7},  // 100 bytes
  };
  for (const Case& c : cases) {
    const auto decoded = decodeChangeFile('A', '3', fieldRecord(1, c.text));
    ASSERT_TRUE(decoded) << c.text;
    EXPECT_EQ(std::get<DeletedId>(decoded->content).id, c.value);
  }
}

TEST(ChangeFileDecoder, RejectsHostileInput) {
  const std::string entry = entryFile(sampleEntry());
  std::string wrongNumber = entry;
  wrongNumber[fieldRecord(1, "10001").size()] = 9;  // field 2 numbered 9
  std::string longLength = fieldRecord(1, "10002");
  longLength[2] = 6;  // claims one byte more than there is
  struct Case {
    const char* what;
    char letter;
    char digit;
    std::string file;
  };
  const std::vector<Case> cases = {
      {"wrong field number", 'A', '1', wrongNumber},
      {"larger than 1000 bytes", 'A', '3', fieldRecord(1, "1") + std::string(1000, '\0')},
      {"1001 bytes, valid but for the size", 'A', '1', paddedEntryFile(1001)},
      {"number of 101 bytes", 'A', '3', fieldRecord(1, std::string(100, '0') + "1")},
      {"empty number", 'A', '3', fieldRecord(1, "")},
      {"sign", 'A', '3', fieldRecord(1, "-1")},
      {"plus", 'A', '3', fieldRecord(1, "+1")},
      {"space", 'A', '3', fieldRecord(1, " 1")},
      {"letters after digits", 'A', '3', fieldRecord(1, "12a")},
      {"above 4294967295", 'A', '3', fieldRecord(1, "4294967296")},
      {"far above", 'A', '3', fieldRecord(1, "99999999999999999999")},
      {"text not CP949", 'G', '2', fieldRecord(1, bytes({0xFF, 0xFF}))},
      {"text with a lead byte cut off", 'G', '2', fieldRecord(1, bytes({'2', 0xB0}))},
      {"text with NUL", 'G', '2', fieldRecord(1, std::string("2007\0-03-0", 10))},
      {"text longer than its field", 'G', '2', fieldRecord(1, "2007-03-055")},
      {"one-character field given two", 'E', '1',
       fieldRecord(1, "1") + fieldRecord(2, "2") + fieldRecord(3, "a") + fieldRecord(4, "1") + fieldRecord(5, "YN")},
      {"Korean text over its field", 'F', '1', majorFile(repeat("가", 21))},
      {"length past the end", 'A', '3', longLength},
      {"header cut off", 'A', '3', bytes({0x01, 0x00})},
      {"only a field number", 'G', '2', bytes({0x01})},
      {"empty file", 'A', '3', ""},
      {"empty record file", 'B', '1', ""},
      {"bytes after the last field", 'C', '3', fieldRecord(1, "1") + "z"},
      {"delete with a second field", 'E', '3', fieldRecord(1, "1") + fieldRecord(2, "1")},
      {"entry ending after field 13", 'A', '1', entryFile(sampleEntry(), 14).substr(0, entry.find(fieldRecord(14, "N")))},
      {"reservation without field 14", 'B', '1',
       [] {
         Reservation r;
         r.reserveId = 1;
         r.startDate = "2007-03-25";
         std::string f = encodeChangeRecord(recordChange(ChangeLetter::Reservation, ChangeOp::Add, 1, r));
         return f.substr(0, f.size() - fieldRecord(14, "N").size());
       }()},
      {"entry cut inside field 15", 'A', '1', entry.substr(0, entry.size() - 1)},
      {"link modify", 'C', '2', fieldRecord(1, "1") + fieldRecord(2, "200703") + fieldRecord(3, "1") + fieldRecord(4, "1")},
      {"posting date add", 'G', '1', fieldRecord(1, "2007-03-05")},
      {"posting date delete", 'G', '3', fieldRecord(1, "1")},
      {"wipe digit", 'A', '0', ""},
      {"digit 4", 'A', '4', fieldRecord(1, "1")},
      {"digit 0 of another letter", 'B', '0', fieldRecord(1, "1")},
      {"instalment rows", 'H', '1', fieldRecord(1, "1")},
      {"other letter", 'Z', '3', fieldRecord(1, "1")},
      {"lower-case letter", 'a', '3', fieldRecord(1, "1")},
  };
  for (const Case& c : cases) EXPECT_FALSE(decodeChangeFile(c.letter, c.digit, c.file)) << c.what;
}

// The book bills 0 to 24 instalments, and a backup must write back every record the book holds:
// a reservation, asset or minor category whose closing field in the backup is an empty text would
// make every later backup fail. Flags the rules read as "N" (empty, unknown) are taken.
TEST(ChangeFileDecoder, RecordsTheBookCouldNotHoldAreRefused) {
  auto entry = [](int32_t instalments, const char* flag = "Y") {
    LedgerEntry e = sampleEntry();
    e.cardFlag = flag;
    e.phoneFlag = e.checkCardFlag = flag;
    e.instalments = instalments;
    return recordChange(ChangeLetter::Entry, ChangeOp::Add, e.entryId, e);
  };
  auto reservation = [](int32_t instalments, const char* startDate = "2007-03-25", const char* flag = "N") {
    Reservation r =
        testing::makeReservation({.id = 10005, .cardFlag = flag, .startDate = startDate, .instalments = instalments});
    r.phoneFlag = r.checkCardFlag = flag;
    return recordChange(ChangeLetter::Reservation, ChangeOp::Add, r.reserveId, r);
  };
  auto asset = [](const char* kind) {
    return recordChange(ChangeLetter::Asset, ChangeOp::Add, 10003, testing::makeAsset({.id = 10003, .kind = kind}));
  };
  auto minor = [](const char* inUse) {
    return recordChange(ChangeLetter::Minor, ChangeOp::Add, 10010, MinorItem{10010, 10004, "간식", 3, inUse});
  };
  struct Case {
    const char* what;
    char letter;
    ChangeRecord change;
    bool taken;
  };
  const std::vector<Case> cases = {
      {"entry of 0 instalments", 'A', entry(0), true},
      {"entry of 24 instalments", 'A', entry(24), true},
      {"entry of 25 instalments", 'A', entry(25), false},
      {"entry of -1 instalments", 'A', entry(-1), false},
      {"entry of 2,000,000,000 instalments", 'A', entry(2000000000), false},
      {"entry of INT32_MIN instalments", 'A', entry(INT32_MIN), false},
      {"entry with empty flags", 'A', entry(3, ""), true},
      {"entry with unknown flags", 'A', entry(3, "X"), true},
      {"reservation of 24 instalments", 'B', reservation(24), true},
      {"reservation of 25 instalments", 'B', reservation(25), false},
      {"reservation of 2,000,000,000 instalments", 'B', reservation(2000000000), false},
      {"reservation with empty flags", 'B', reservation(0, "2007-03-25", ""), true},
      {"reservation without a start date", 'B', reservation(0, ""), false},
      {"asset of kind 2", 'D', asset("2"), true},
      {"asset of an unknown kind", 'D', asset("9"), true},
      {"asset without a kind", 'D', asset(""), false},
      {"minor category in use", 'E', minor("Y"), true},
      {"minor category with an unknown flag", 'E', minor("X"), true},
      {"minor category without its in-use flag", 'E', minor(""), false},
  };
  for (const Case& c : cases) {
    for (const char digit : {'1', '2'}) {
      EXPECT_EQ(decodeChangeFile(c.letter, digit, encodeChangeRecord(c.change)).has_value(), c.taken)
          << c.what << " " << digit;
    }
  }
}

TEST(ChangeFileWriter, ReplacesTheFileOfTheSameNameAndLeavesNothingElse) {
  TempDir dir;
  ChangeFileWriter writer(dir.path());
  writer.writeChange(deleteChange(ChangeLetter::Entry, 10001));
  EXPECT_EQ(readFile(dir / "A30010001._pd_"), bytes({0x01, 0x00, 0x05, '1', '0', '0', '0', '1'}));

  writer.writeChange(recordChange(ChangeLetter::PostingDate, ChangeOp::Modify, 1, PostingDate{"2007-03-05"}));
  writer.writeChange(recordChange(ChangeLetter::PostingDate, ChangeOp::Modify, 1, PostingDate{"2007-04-01"}));
  EXPECT_EQ(readFile(dir / "G20000001._pd_"), fieldRecord(1, "2007-04-01"));
  EXPECT_EQ(folderNames(dir.path()), (std::vector<std::string>{"A30010001._pd_", "G20000001._pd_"}));
}

TEST(ChangeFileWriter, MissingFolderIsSkippedSilently) {
  TempDir dir;
  ChangeFileWriter writer(dir / "absent");
  writer.writeChange(deleteChange(ChangeLetter::Entry, 10001));
  EXPECT_FALSE(std::filesystem::exists(dir / "absent"));
  EXPECT_FALSE(writeExchangeFile(dir.path(), "../escape._pd_", "x"));
  EXPECT_TRUE(folderNames(dir.path()).empty() || folderNames(dir.path()) == std::vector<std::string>{"absent"});
}

TEST(ChangeFileWriter, EntryAddModifyDeleteLeaveTheirFiles) {
  BookFixture fx;
  TempDir exchange;
  ChangeFileWriter writer(exchange.path());
  fx.book().changes = &writer;
  fx.enableExchange();

  LedgerEntry e = sampleEntry();
  EXPECT_TRUE(addEntry(fx.book(), e));
  e.content = "저녁";
  EXPECT_TRUE(updateEntry(fx.book(), e));
  e.content = "야식";
  e.amount = 12000;
  EXPECT_TRUE(updateEntry(fx.book(), e));
  EXPECT_EQ(folderNames(exchange.path()), (std::vector<std::string>{"A10010001._pd_", "A20010001._pd_"}));
  const auto modified = decodeChangeFile('A', '2', readFile(exchange / "A20010001._pd_"));
  ASSERT_TRUE(modified);
  EXPECT_EQ(std::get<LedgerEntry>(modified->content).content, "야식");
  EXPECT_EQ(std::get<LedgerEntry>(modified->content).amount, 12000);
  const auto added = decodeChangeFile('A', '1', readFile(exchange / "A10010001._pd_"));
  ASSERT_TRUE(added);
  EXPECT_EQ(std::get<LedgerEntry>(added->content).content, "점심");

  ASSERT_TRUE(deleteEntry(fx.book(), e.entryId));
  EXPECT_EQ(readFile(exchange / "A30010001._pd_"), bytes({0x01, 0x00, 0x05, '1', '0', '0', '0', '1'}));
}

}  // namespace
}  // namespace coinest
