// The window's export: the choices of the dialog reach the file as the command line writes it.

#include <QDate>

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

#include "ledger/entry_rules.h"
#include "qt/export_dialog.h"
#include "store/entry_table.h"
#include "support/book_fixture.h"
#include "support/record_builders.h"

namespace coinest::qt {
namespace {

std::string fileText(const std::filesystem::path& file) {
  std::ifstream in(file, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), {}};
}

class ExportDialogTest : public ::testing::Test {
 protected:
  void SetUp() override {
    for (const char* date : {"2007-02-27", "2007-03-02", "2007-03-31", "2007-04-01"}) {
      LedgerEntry e = testing::makeEntry(date, kExpenseKind, 1200);
      e.entryId = *newEntryId(fx.book());
      e.content = std::string("점심, ") + date;
      ASSERT_TRUE(addEntry(fx.book(), e));
    }
  }
  std::filesystem::path file(const char* name) const { return fx.root() / name; }

  testing::BookFixture fx;  // today 2007-03-05
};

TEST_F(ExportDialogTest, TheChosenFormatAndDatesReachTheFile) {
  ExportDialog dialog(fx.book(), QDate(2007, 3, 5));
  // At first: a spreadsheet file of the whole book.
  EXPECT_EQ(dialog.format(), ExportFormat::Csv);
  EXPECT_FALSE(dialog.range().first || dialog.range().last);
  ASSERT_TRUE(dialog.exportTo(file("book.csv"), true));
  EXPECT_EQ(fileText(file("book.csv")), exportText(fx.book(), ExportFormat::Csv, {}).text);

  dialog.setFormat(ExportFormat::Journal);
  dialog.setDates(QDate(2007, 3, 1), QDate(2007, 3, 31));
  const ExportRange march{"2007-03-01", "2007-03-31"};
  EXPECT_EQ(dialog.range().first, march.first);
  EXPECT_EQ(dialog.range().last, march.last);
  ASSERT_TRUE(dialog.exportTo(file("march.journal"), true));
  const std::string journal = fileText(file("march.journal"));
  EXPECT_EQ(journal, exportText(fx.book(), ExportFormat::Journal, march).text);
  EXPECT_NE(journal.find("2007-03-31"), std::string::npos);
  EXPECT_EQ(journal.find("2007-04-01"), std::string::npos);
}

TEST_F(ExportDialogTest, AStartAfterTheEndIsRefusedAndWritesNothing) {
  ExportDialog dialog(fx.book(), QDate(2007, 3, 5));
  dialog.setDates(QDate(2007, 3, 31), QDate(2007, 3, 1));
  const Status refused = dialog.exportTo(file("none.csv"), true);
  EXPECT_FALSE(refused);
  EXPECT_EQ(refused.reason(), "시작일이 종료일보다 늦습니다");
  EXPECT_FALSE(std::filesystem::exists(file("none.csv")));

  // A folder that does not exist: the export's own failure comes back.
  dialog.setDates(std::nullopt, std::nullopt);
  const Status failed = dialog.exportTo(file("missing") / "book.csv", true);
  EXPECT_FALSE(failed);
  EXPECT_TRUE(failed.reason().starts_with("내보내기에 실패했습니다")) << failed.reason();
}

}  // namespace
}  // namespace coinest::qt
