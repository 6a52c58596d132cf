// One field and one row of comma-separated text, and the texts a spreadsheet would run.

#include "export/csv_text.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "export/csv_reader.h"

namespace coinest {
namespace {

TEST(CsvTextTest, AFieldIsQuotedOnlyWhenItHoldsACommaAQuoteOrALineBreak) {
  const struct {
    std::string text;
    std::string field;
  } cases[] = {
      {"", ""},
      {"점심 식사", "점심 식사"},
      {"it's", "it's"},
      {"a;b", "a;b"},
      {"점심, 김밥", "\"점심, 김밥\""},
      {"관리비 \"3월\"", "\"관리비 \"\"3월\"\"\""},
      {"\"", "\"\"\"\""},
      {"첫줄\n둘째줄", "\"첫줄\n둘째줄\""},
      {"a\rb", "\"a\rb\""},
      {"a\r\nb", "\"a\r\nb\""},
  };
  for (const auto& c : cases) EXPECT_EQ(csvField(c.text), c.field) << c.text;
}

TEST(CsvTextTest, RowsReadBackFieldForField) {
  const std::vector<std::vector<std::string>> rows = {
      {"", "", ""},
      {"a,b", "\"", "\"\"x\"\"", "x\r\ny", "\r", "\n", ",", "끝"},
      {"one"},
  };
  std::string text;
  for (const auto& row : rows) appendCsvRow(text, row);
  EXPECT_TRUE(text.ends_with("끝\r\none\r\n"));
  const testing::CsvRead read = testing::readCsv(text);
  ASSERT_EQ(read.error, "");
  EXPECT_EQ(read.records, rows);
}

// The round trip above proves something only if the reader refuses what breaks the grammar.
TEST(CsvTextTest, TheTestReaderRefusesBrokenText) {
  for (const std::string bad : {"a,b", "a\nb\r\n", "\"a\r\n", "a\"b\r\n", "\"a\"b\r\n", "a\rb\r\n"}) {
    EXPECT_NE(testing::readCsv(bad).error, "") << bad;
  }
}

TEST(CsvTextTest, TextsASpreadsheetWouldRunGetALeadingApostrophe) {
  const struct {
    std::string text;
    std::string safe;
  } cases[] = {
      {"=HYPERLINK(\"http://x.test\")", "'=HYPERLINK(\"http://x.test\")"},
      {"+82 10", "'+82 10"},
      {"-5000", "'-5000"},
      {"@SUM(A1)", "'@SUM(A1)"},
      {"\t=1+1", "'\t=1+1"},
      {"\r=1+1", "'\r=1+1"},
      {"", ""},
      {"a=b", "a=b"},
      {"'quoted", "'quoted"},
      {"점심", "점심"},
      {" =1", " =1"},
  };
  for (const auto& c : cases) EXPECT_EQ(spreadsheetSafeText(c.text), c.safe) << c.text;
}

}  // namespace
}  // namespace coinest
