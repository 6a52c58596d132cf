// Both formats of the test book, line for line against the files kept in tests/export/golden.
// COINEST_UPDATE_GOLDEN=1 writes the files anew from the current output instead (look at the
// change before committing it).

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "export/export_file.h"
#include "export/export_test_book.h"
#include "support/book_fixture.h"
#include "support/cli_runner.h"

namespace coinest {
namespace {

std::vector<std::string> linesOf(const std::string& text) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  for (std::size_t end; (end = text.find('\n', start)) != std::string::npos; start = end + 1) {
    lines.push_back(text.substr(start, end + 1 - start));
  }
  if (start < text.size()) lines.push_back(text.substr(start));
  return lines;
}

void expectGolden(const std::string& actual, const char* name) {
  const std::filesystem::path golden = std::filesystem::path(COINEST_EXPORT_GOLDEN_DIR) / name;
  const char* update = std::getenv("COINEST_UPDATE_GOLDEN");
  if (update != nullptr && std::string(update) == "1") {
    std::ofstream(golden, std::ios::binary) << actual;
    GTEST_SKIP() << "wrote " << golden;
  }
  ASSERT_TRUE(std::filesystem::exists(golden)) << golden << " is missing; make it with COINEST_UPDATE_GOLDEN=1";
  const std::vector<std::string> want = linesOf(testing::readFileBytes(golden));
  const std::vector<std::string> got = linesOf(actual);
  for (std::size_t i = 0; i < std::max(want.size(), got.size()); ++i) {
    ASSERT_EQ(i < got.size() ? got[i] : "(no line)", i < want.size() ? want[i] : "(no line)")
        << name << " line " << i + 1;
  }
}

class GoldenExportTest : public ::testing::Test {
 protected:
  GoldenExportTest() { testing::fillExportTestBook(fx.book()); }

  std::string exported(ExportFormat format) {
    ExportResult result = exportText(fx.book(), format, {});
    EXPECT_TRUE(result.status) << result.status.reason();
    return result.text;
  }

  testing::BookFixture fx;
};

TEST_F(GoldenExportTest, CsvOfTheWholeBook) { expectGolden(exported(ExportFormat::Csv), "book.csv"); }

TEST_F(GoldenExportTest, JournalOfTheWholeBook) { expectGolden(exported(ExportFormat::Journal), "book.journal"); }

}  // namespace
}  // namespace coinest
