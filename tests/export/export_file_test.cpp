// An export written to a file: all of it, or nothing and a message.

#include "export/export_file.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <set>
#include <string>

#include "export/export_test_book.h"
#include "store/table_catalogue.h"
#include "support/book_fixture.h"
#include "support/cli_runner.h"
#include "support/file_checks.h"
#include "support/temp_dir.h"

namespace coinest {
namespace {

namespace fs = std::filesystem;

constexpr char kFailurePrefix[] = "내보내기에 실패했습니다: ";

class ExportFileTest : public ::testing::Test {
 protected:
  ExportFileTest() { testing::fillExportTestBook(fx.book()); }

  testing::BookFixture fx;
  testing::TempDir dir;
};

TEST_F(ExportFileTest, TheFileHoldsExactlyTheExportAndReplacesAnOldOne) {
  const fs::path file = dir / "book.out";
  std::ofstream(file) << "an older and much longer file that must not shine through at the end...........";
  for (const ExportFormat format : {ExportFormat::Csv, ExportFormat::Journal}) {
    for (const ExportRange& range : {ExportRange{}, ExportRange{"2007-03-01", "2007-03-01"}}) {
      const ExportResult text = exportText(fx.book(), format, range);
      ASSERT_TRUE(text.status);
      ASSERT_TRUE(exportToFile(fx.book(), format, range, file));
      EXPECT_EQ(testing::readFileBytes(file), text.text);
    }
  }
  EXPECT_EQ(testing::namesIn(dir.path()), (std::set<std::string>{"book.out"}));
}

TEST_F(ExportFileTest, AFileThatCannotBeWrittenIsReportedAndLeavesNothing) {
  fs::create_directory(dir / "folder");
  std::ofstream(dir / "plain") << "a file, not a folder";
  const std::set<std::string> before = testing::namesIn(dir.path());
  for (const fs::path& target : {dir / "missing" / "book.csv", dir / "plain" / "book.csv", dir / "folder"}) {
    const Status written = exportToFile(fx.book(), ExportFormat::Csv, {}, target);
    ASSERT_FALSE(written) << target;
    EXPECT_TRUE(written.reason().starts_with(kFailurePrefix)) << written.reason();
    EXPECT_GT(written.reason().size(), std::string(kFailurePrefix).size()) << "the reason is given";
    EXPECT_EQ(testing::namesIn(dir.path()), before) << target;
    EXPECT_TRUE(testing::namesIn(dir / "folder").empty()) << target;
  }
}

TEST(ExportRangeTest, OnlyARangeThatEndsBeforeItStartsIsRefused) {
  const struct {
    ExportRange range;
    bool refused;
  } cases[] = {
      {{}, false},
      {{"2007-03-01", std::nullopt}, false},
      {{std::nullopt, "2007-03-01"}, false},
      {{"2007-03-01", "2007-03-01"}, false},
      {{"2007-02-28", "2007-03-01"}, false},
      {{"2007-03-02", "2007-03-01"}, true},
      {{"2008-01-01", "2007-12-31"}, true},
  };
  for (const auto& c : cases) {
    const std::optional<std::string> refusal = exportRangeRefusal(c.range);
    EXPECT_EQ(refusal.has_value(), c.refused) << exportRangeText(c.range);
    if (refusal) {
      EXPECT_EQ(*refusal, "시작일이 종료일보다 늦습니다");
    }
  }
}

TEST_F(ExportFileTest, ARangeThatEndsBeforeItStartsIsRefusedAndWritesNothing) {
  const fs::path file = dir / "book.csv";
  std::ofstream(file) << "the export of yesterday";
  const ExportRange backwards{"2007-03-02", "2007-03-01"};
  for (const ExportFormat format : {ExportFormat::Csv, ExportFormat::Journal}) {
    const ExportResult text = exportText(fx.book(), format, backwards);
    EXPECT_FALSE(text.status);
    EXPECT_EQ(text.status.reason(), "시작일이 종료일보다 늦습니다");
    EXPECT_EQ(text.text, "");
    const Status written = exportToFile(fx.book(), format, backwards, file);
    ASSERT_FALSE(written);
    EXPECT_EQ(written.reason(), "시작일이 종료일보다 늦습니다");
    EXPECT_EQ(testing::readFileBytes(file), "the export of yesterday");
  }
}

// A book that cannot be read whole is no export: the old file stays and the failure is said.
TEST_F(ExportFileTest, AFailedReadOfTheBookWritesNothing) {
  const fs::path file = dir / "book.journal";
  std::ofstream(file) << "the export of yesterday";
  fx.store().dropTable(kBooksTable);

  const ExportResult text = exportText(fx.book(), ExportFormat::Journal, {});
  EXPECT_FALSE(text.status);
  EXPECT_EQ(text.text, "");
  const Status written = exportToFile(fx.book(), ExportFormat::Journal, {}, file);
  ASSERT_FALSE(written);
  EXPECT_TRUE(written.reason().starts_with(kFailurePrefix)) << written.reason();
  EXPECT_EQ(testing::readFileBytes(file), "the export of yesterday");
}

}  // namespace
}  // namespace coinest
