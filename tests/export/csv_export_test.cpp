// The spreadsheet file read back as a spreadsheet would: bytes, rows and every field.

#include "export/csv_export.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "export/csv_reader.h"
#include "export/csv_text.h"
#include "export/export_file.h"
#include "export/export_test_book.h"
#include "support/book_fixture.h"
#include "support/record_builders.h"

namespace coinest {
namespace {

using testing::CsvRecord;
using testing::makeEntry;

TEST(CsvExportTest, TheBookReadsBackFieldForField) {
  testing::BookFixture fx;
  const testing::ExportTestBook b = testing::fillExportTestBook(fx.book());
  const ExportResult exported = exportText(fx.book(), ExportFormat::Csv, {});
  ASSERT_TRUE(exported.status);
  ASSERT_TRUE(exported.text.starts_with(kUtf8ByteOrderMark));
  const testing::CsvRead read = testing::readCsv(exported.text.substr(kUtf8ByteOrderMark.size()));
  ASSERT_EQ(read.error, "");  // every row ends with CRLF, every quote is closed
  ASSERT_EQ(read.records.size(), 1u + 23u);
  EXPECT_EQ(read.records[0],
            (CsvRecord{"일자", "구분", "대항목", "소항목", "내용", "금액", "결제수단", "자산", "할부", "메모", "ID"}));
  std::map<std::string, CsvRecord> byId;
  for (const CsvRecord& r : read.records) {
    ASSERT_EQ(r.size(), 11u) << r.front();
    byId[r.back()] = r;
  }
  const std::string salary = "국민은행 급여통장 홍길동";
  const std::map<std::string, CsvRecord> expected = {
      {"10003", {"2007-02-26", "지출", "식비", "외식", "점심, 김밥", "6000", "현금", "", "", "", "10003"}},
      {"10006",
       {"2007-03-02", "수입", "기타수입", "용돈", "용돈", "50000", "현금", "", "", "어머니께서\n주심; 감사\r\n=SUM(A1) 시간: 10:30 :태그: [3/5]",
        "10006"}},
      {"10007",
       {"2007-03-03", "지출", "주거/통신", "관리비", "관리비 \"3월\"", "150000", "계좌", salary, "", "", "10007"}},
      {"10009",
       {"2007-03-05", "지출", "생활용품", "잡화소모", "'=HYPERLINK(\"http://x.test\",\"클릭\")", "12000", "체크카드",
        "우리은행 나만의 체크 홍길동", "", "", "10009"}},
      {"10012",
       {"2007-03-08", "카드지출", "생활용품", "가전용품", "청소기", "300000", "카드", "삼성카드 taptap 홍길동", "3개월",
        "", "10012"}},
      {"10013", {"2007-03-09", "카드지출", "식비", "외식", "", "8000", "카드", "", "", "", "10013"}},
      {"10016",
       {"2007-03-12", "이체", "현금", "현금서비스", "현금서비스", "100000", "이체", "현대카드 M포인트 홍길동 → 현금",
        "", "", "10016"}},
      {"10019",
       {"2007-03-15", "지출", "교통/차량", "주유비", "주유", "50000", "계좌",
        "삭제된 자산 " + std::to_string(b.deletedAccount), "", "", "10019"}},
  };
  for (const auto& [id, record] : expected) EXPECT_EQ(byId[id], record) << "entry " << id;
}

TEST(CsvExportTest, KindMeansAndInstalmentColumnsFollowTheFirstRuleThatHolds) {
  const ExportAssets assets({testing::makeAsset({.id = 7, .kind = kCreditCardKind, .name = "카드", .company = "A"})});
  struct Case {
    const char* what;
    LedgerEntry entry;
    const char* kind;
    const char* means;
    const char* instalments;
  };
  const Case cases[] = {
      {"phone before card", makeEntry({.cardFlag = kYes, .assetId = 7, .phoneFlag = kYes}), "카드지출", "휴대폰", ""},
      {"card before check card", makeEntry({.cardFlag = kYes, .assetId = 7, .instalments = 2, .checkCardFlag = kYes}),
       "카드지출", "카드", "2개월"},
      {"card, instalments not chosen", makeEntry({.cardFlag = kYes, .assetId = 7}), "카드지출", "카드", ""},
      {"card, lump sum", makeEntry({.cardFlag = kYes, .assetId = 7, .instalments = 1}), "카드지출", "카드", "일시불"},
      {"instalments of no card expense", makeEntry({.assetId = 3, .instalments = 3}), "지출", "계좌", ""},
      {"account income", makeEntry({.kind = kIncomeKind, .assetId = 3}), "수입", "계좌", ""},
      {"cash income", makeEntry({.kind = kIncomeKind}), "수입", "현금", ""},
      {"a lower-case flag is no flag", makeEntry({.cardFlag = "y", .phoneFlag = "y", .checkCardFlag = "y"}), "지출",
       "현금", ""},
      {"a transfer, whatever its flags", makeEntry({.kind = kTransferKind, .cardFlag = kYes, .phoneFlag = kYes}),
       "이체", "이체", ""},
      {"a kind the program never writes", makeEntry({.kind = "9"}), "9", "현금", ""},
      // An imported book may hold any text as the kind.
      {"a kind that reads as a formula", makeEntry({.kind = "=1+1"}), "'=1+1", "현금", ""},
  };
  for (const Case& c : cases) {
    const std::vector<std::string> fields = csvFieldsOf(c.entry, assets);
    EXPECT_EQ(fields[1], c.kind) << c.what;
    EXPECT_EQ(fields[6], c.means) << c.what;
    EXPECT_EQ(fields[8], c.instalments) << c.what;
  }
}

TEST(CsvExportTest, EveryTextFieldIsMadeSafeForASpreadsheet) {
  LedgerEntry e =
      makeEntry({.kind = kTransferKind, .major = "+국민", .minor = "-이동", .content = "@SUM(1)", .assetId = 5});
  e.note = "=1+1";
  const ExportAssets assets({testing::makeAsset({.id = 5, .name = "통장", .company = "=은행"})});
  const std::vector<std::string> fields = csvFieldsOf(e, assets);
  EXPECT_EQ(fields[2], "'+국민");
  EXPECT_EQ(fields[3], "'-이동");
  EXPECT_EQ(fields[4], "'@SUM(1)");
  EXPECT_EQ(fields[7], "'=은행 통장  → 현금");
  EXPECT_EQ(fields[9], "'=1+1");
}

TEST(CsvExportTest, AnEmptyRangeIsTheHeaderAlone) {
  testing::BookFixture fx;
  testing::fillExportTestBook(fx.book());
  const ExportResult exported = exportText(fx.book(), ExportFormat::Csv, {"2008-01-01", "2008-12-31"});
  ASSERT_TRUE(exported.status);
  EXPECT_EQ(exported.text, std::string(kUtf8ByteOrderMark) + kCsvHeader + "\r\n");
}

}  // namespace
}  // namespace coinest
