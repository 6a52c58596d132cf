#include "shell/ini_file.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <fstream>

#include "platform/device_root.h"
#include "support/file_checks.h"
#include "support/temp_dir.h"

namespace coinest {
namespace {

namespace fs = std::filesystem;

TEST(IniFile, ReadsEachFormAndFallsBackToTheDefaults) {
  struct Case {
    const char* name;
    std::string bytes;
    IniState expected;
  };
  const IniState defaults;
  const Case cases[] = {
      {"books page in week mode, Hangul, books query", " 0 4 2 0", {0, 4, 'W', 0}},
      {"settlement page, month mode, card query", " 0 6 3 1", {0, 6, 'M', 1}},
      {"older two-character form", " 1", {1, 4, 'D', 0}},
      {"mode number 7 is day mode", " 1 5 7 2", {1, 5, 'D', 2}},
      {"an unknown page is kept for the shell to judge", " 0 9 1 0", {0, 9, 'D', 0}},
      {"two digits and a minus", "10-1 3 2", {10, -1, 'M', 2}},
      {"stray bytes read as the field's default", "xx 7\x01\x02 2", {0, 7, 'D', 2}},
      {"empty", "", defaults},
      {"another length", " 0 4 2", defaults},
      {"NULs in a field", std::string(" 1\0\0 3 2", 8), {1, 4, 'M', 2}},
      {"numbers written to the left", "1 5 3 1 ", {1, 5, 'M', 1}},
  };
  for (const Case& c : cases) EXPECT_EQ(parseIniFile(c.bytes), c.expected) << c.name;
}

TEST(IniFile, WritesEightCharactersThatReadBackAlike) {
  const IniState states[] = {{0, 4, 'W', 0}, {1, 7, 'M', 2}, {0, 0, 'D', 1}, {1, -1, 'D', 0}};
  for (const IniState& s : states) {
    const std::string text = iniFileText(s);
    ASSERT_EQ(text.size(), 8u);
    EXPECT_EQ(parseIniFile(text), s);
  }
  EXPECT_EQ(iniFileText({0, 4, 'W', 0}), " 0 4 2 0");
  // A number too wide for its field would shift the others: the field keeps its default instead.
  EXPECT_EQ(iniFileText({123, 4, 'X', -77}), " 0 4 1 0");
}

TEST(IniFile, TheFileUnderTheRootIsWrittenPrivatelyAndReadBack) {
  testing::TempDir dir;
  const fs::path root = dir / "root";
  ASSERT_TRUE(prepareDeviceRoot(root).ok);
  EXPECT_EQ(readIniFile(root), IniState{}) << "no file: the defaults";

  ASSERT_TRUE(writeIniFile(root, {1, 6, 'M', 2}));
  const fs::path file = root / "Windows" / "Coinest.ini";
  EXPECT_EQ(testing::modeOf(file), 0600u);
  EXPECT_EQ(readIniFile(root), (IniState{1, 6, 'M', 2}));

  // A longer file is read as its first eight characters.
  std::ofstream(file, std::ios::binary | std::ios::trunc) << " 0 5 3 1 and more";
  EXPECT_EQ(readIniFile(root), (IniState{0, 5, 'M', 1}));

  // Something that is not a regular file there: the defaults, and no hang on a FIFO.
  fs::remove(file);
  ASSERT_EQ(::mkfifo(file.c_str(), 0600), 0);
  EXPECT_EQ(readIniFile(root), IniState{});
  // Writing replaces it with the file.
  ASSERT_TRUE(writeIniFile(root, {0, 1, 'D', 0}));
  EXPECT_EQ(readIniFile(root), (IniState{0, 1, 'D', 0}));
}

}  // namespace
}  // namespace coinest
