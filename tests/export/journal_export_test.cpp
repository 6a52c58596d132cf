// The journal as a whole: the header's declarations, the order of transactions and the cash
// carry-over written as a balance assertion.

#include "export/journal_export.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "store/reserved_names.h"
#include "support/record_builders.h"

namespace coinest {
namespace {

using testing::makeEntry;

constexpr char kTopAccounts[] =
    "account 자산\n    ; type: A\n"
    "account 부채\n    ; type: L\n"
    "account 자본\n    ; type: E\n"
    "account 수입\n    ; type: R\n"
    "account 지출\n    ; type: X\n";

LedgerEntry entry(int32_t id, testing::EntryFields fields) {
  fields.id = id;
  return makeEntry(fields);
}

LedgerEntry carryOver(int32_t id, const char* date, int32_t amount, int32_t assetId = 0) {
  return entry(id, {.date = date,
                    .kind = kIncomeKind,
                    .major = kCarryOverCategory,
                    .minor = kCarryOverCategory,
                    .content = kCarryOverCategory,
                    .amount = amount,
                    .assetId = assetId});
}

// The journal after its header, which ends with the account declarations and a blank line.
std::string transactionsOf(const std::string& journal) {
  const std::size_t end = journal.find("\n\n", journal.find("account 지출"));
  return end == std::string::npos ? std::string() : journal.substr(end + 2);
}

TEST(JournalExportTest, TheCarryOverOpensItsDayAndAssertsTheCarriedCash) {
  // A range that starts mid-book: the journal holds no cash before the first carry-over.
  const ExportSource source{
      {
          entry(1, {.date = "2007-03-01", .content = "쌀", .amount = 30000}),
          carryOver(2, "2007-03-01", 94000),
          entry(3, {.date = "2007-03-20", .kind = kIncomeKind, .content = "용돈", .amount = 6000}),
          carryOver(4, "2007-04-01", 10000),
      },
      ExportAssets{}};
  const std::string journal = journalText(source, {"2007-03-01", "2007-04-30"});
  EXPECT_TRUE(journal.starts_with("; Coinest 가계부 내보내기 2007-03-01~2007-04-30\ncommodity KRW\n\ntag id\n\n"));
  EXPECT_EQ(transactionsOf(journal),
            "2007-03-01 전월이월  ; id: 2\n"
            "    자산:현금           94000 KRW = 94000 KRW\n"
            "    자본:전월이월      -94000 KRW\n"
            "\n"
            "2007-03-01 쌀  ; id: 1\n"
            "    지출:식비:외식      30000 KRW\n"
            "    자산:현금          -30000 KRW\n"
            "\n"
            "2007-03-20 용돈  ; id: 3\n"
            "    자산:현금            6000 KRW\n"
            "    수입:고정수입:급여  -6000 KRW\n"
            "\n"
            // 94,000 - 30,000 + 6,000 are in cash; the book starts April with 10,000.
            "2007-04-01 전월이월  ; id: 4\n"
            "    자산:현금          -60000 KRW = 10000 KRW\n"
            "    자본:전월이월       60000 KRW\n");
}

TEST(JournalExportTest, OnlyACashCarryOverOnTheFirstIsAnAssertion) {
  const ExportAssets assets({testing::makeAsset({.id = 9, .name = "통장", .company = "국민"})});
  // A flag only an expense can carry leaves a cash carry-over what it is.
  LedgerEntry flagged = carryOver(3, "2007-05-01", 900);
  flagged.phoneFlag = kYes;
  flagged.cardFlag = kYes;
  const ExportSource source{{
                                carryOver(1, "2007-03-02", 500),
                                carryOver(2, "2007-04-01", 700, 9),
                                flagged,
                            },
                            assets};
  EXPECT_EQ(transactionsOf(journalText(source, {})),
            "2007-03-02 전월이월  ; id: 1\n"
            "    자산:현금             500 KRW\n"
            "    자본:전월이월        -500 KRW\n"
            "\n"
            "2007-04-01 전월이월  ; id: 2\n"
            "    자산:국민 통장        700 KRW\n"
            "    자본:전월이월        -700 KRW\n"
            "\n"
            "2007-05-01 전월이월  ; id: 3\n"
            "    자산:현금             400 KRW = 900 KRW\n"
            "    자본:전월이월        -400 KRW\n");
}

TEST(JournalExportTest, TheHeaderDeclaresEveryAccountUsedAndNoOther) {
  const ExportSource source{{
                                entry(1, {.date = "2007-03-05", .amount = 100}),
                                entry(2, {.date = "2007-03-06", .kind = kIncomeKind, .amount = 200}),
                                entry(3, {.date = "2007-03-07", .amount = 300, .cardFlag = kYes}),
                            },
                            ExportAssets{}};
  const std::string journal = journalText(source, {});
  EXPECT_EQ(journal.substr(0, journal.size() - transactionsOf(journal).size() - 1),
            std::string("; Coinest 가계부 내보내기 전체\ncommodity KRW\n\ntag id\n\n") + kTopAccounts +
                "account 부채:카드(미지정)\n"
                "account 수입:고정수입:급여\n"
                "account 자산:현금\n"
                "account 지출:식비:외식\n");
}

TEST(JournalExportTest, AnEntryOfNoKnownKindIsSaidAndTheOthersStay) {
  const ExportSource source{{
                                entry(1, {.date = "2007-03-05", .kind = "9", .amount = 100}),
                                entry(2, {.date = "2007-03-06", .content = "환불", .amount = -300}),
                            },
                            ExportAssets{}};
  EXPECT_EQ(transactionsOf(journalText(source, {})),
            "; 구분을 알 수 없는 항목은 내보내지 않았습니다: id 1\n"
            "\n"
            // A negative amount: the positive posting still comes first.
            "2007-03-06 환불  ; id: 2\n"
            "    자산:현금             300 KRW\n"
            "    지출:식비:외식       -300 KRW\n");
}

TEST(JournalExportTest, AnEmptyBookIsTheHeaderAlone) {
  EXPECT_EQ(journalText(ExportSource{}, {}),
            std::string("; Coinest 가계부 내보내기 전체\ncommodity KRW\n\ntag id\n\n") + kTopAccounts);
}

}  // namespace
}  // namespace coinest
