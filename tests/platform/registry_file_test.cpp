#include "platform/registry_file.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "support/temp_dir.h"

namespace coinest {
namespace {

using testing::TempDir;

const std::string kKey = "HKEY_LOCAL_MACHINE\\SOFTWARE\\Brivanta_Coinest";
const std::string kName = "Coinest ChangeRest";

void writeFile(const std::filesystem::path& path, const std::string& content) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out << content;
}

std::string readFile(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

std::vector<std::string> folderEntries(const std::filesystem::path& folder) {
  std::vector<std::string> names;
  for (const auto& entry : std::filesystem::directory_iterator(folder)) names.push_back(entry.path().filename());
  return names;
}

class RegistryFile : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_FALSE(temp_.path().empty()); }
  std::filesystem::path file() const { return temp_.path() / "registry.txt"; }
  const std::filesystem::path& folder() const { return temp_.path(); }

 private:
  TempDir temp_;
};

TEST_F(RegistryFile, MissingFileOrFolderGivesNothing) {
  EXPECT_EQ(readRegistryValue(file(), kKey, kName), std::nullopt);
  EXPECT_FALSE(writeRegistryValue(folder() / "no-such-folder" / "registry.txt", kKey, kName, "0"));
  EXPECT_FALSE(std::filesystem::exists(folder() / "no-such-folder"));
}

TEST_F(RegistryFile, WriteThenReadAndOverwriteKeepsOtherLines) {
  const std::string others =
      "HKEY_CURRENT_USER\\Other\tColour\t파랑\n"
      "a line a person wrote\n"
      "HKEY_LOCAL_MACHINE\\SOFTWARE\\Brivanta_Coinest\tAnother Value\tx\ty\n";
  writeFile(file(), others);

  ASSERT_TRUE(writeRegistryValue(file(), kKey, kName, "0"));
  EXPECT_EQ(readRegistryValue(file(), kKey, kName), "0");
  ASSERT_TRUE(writeRegistryValue(file(), kKey, kName, "갱신됨"));
  EXPECT_EQ(readRegistryValue(file(), kKey, kName), "갱신됨");
  ASSERT_TRUE(writeRegistryValue(file(), kKey, "Second", ""));
  EXPECT_EQ(readRegistryValue(file(), kKey, "Second"), "");

  EXPECT_EQ(readFile(file()), others + kKey + "\t" + kName + "\t갱신됨\n" + kKey + "\tSecond\t\n");
  EXPECT_EQ(readRegistryValue(file(), "HKEY_CURRENT_USER\\Other", "Colour"), "파랑");
  // Only the finished file is left in the folder.
  EXPECT_EQ(folderEntries(folder()), std::vector<std::string>{"registry.txt"});
}

TEST_F(RegistryFile, KeysAndNamesIgnoreAsciiCase) {
  ASSERT_TRUE(writeRegistryValue(file(), kKey, kName, "0"));
  EXPECT_EQ(readRegistryValue(file(), "hkey_local_machine\\software\\brivanta_coinest", "COINEST changerest"), "0");
  EXPECT_EQ(readRegistryValue(file(), kKey + "x", kName), std::nullopt);
  EXPECT_EQ(readRegistryValue(file(), kKey, "Coinest Change"), std::nullopt);

  // A write under another spelling replaces the value instead of adding a second line.
  ASSERT_TRUE(writeRegistryValue(file(), "HKEY_LOCAL_MACHINE\\Software\\BRIVANTA_COINEST", kName, "1"));
  EXPECT_EQ(readRegistryValue(file(), kKey, kName), "1");
  EXPECT_EQ(readFile(file()), "HKEY_LOCAL_MACHINE\\Software\\BRIVANTA_COINEST\t" + kName + "\t1\n");
}

TEST_F(RegistryFile, ReaderTrustsOnlyWellFormedLines) {
  const std::string line = kKey + "\t" + kName + "\t";
  struct Case {
    const char* what;
    std::string content;
    std::optional<std::string> expected;
  };
  const std::vector<Case> cases = {
      {"one TAB", kKey + "\t" + kName + "\n", std::nullopt},
      {"three TABs", line + "0\textra\n", std::nullopt},
      {"malformed lines skipped", kKey + "\n\n" + line + "0\tx\n" + line + "7\n", "7"},
      {"no line end", line + "5", "5"},
      {"CR LF line end", line + "5\r\n", "5"},
      {"empty value", line + "\n", ""},
      {"first match wins", line + "1\n" + line + "2\n", "1"},
      {"NUL in the line", line + std::string("1\0", 2) + "\n", std::nullopt},
      {"value of 100 bytes", line + std::string(100, 'v') + "\n", std::string(100, 'v')},
      {"value of 101 bytes", line + std::string(101, 'v') + "\n", std::nullopt},
      {"file of 64 KiB", line + "1\n" + std::string(65536 - line.size() - 3, '#') + "\n", "1"},
      {"file over 64 KiB", line + "1\n" + std::string(65536 - line.size() - 2, '#') + "\n", std::nullopt},
      {"binary junk", std::string("\xFF\x00\t\t\n\x01\n", 7) + line + "3\n", "3"},
  };
  for (const Case& c : cases) {
    writeFile(file(), c.content);
    EXPECT_EQ(readRegistryValue(file(), kKey, kName), c.expected) << c.what;
  }
}

TEST_F(RegistryFile, WriterRefusesWhatCannotBeReadBack) {
  const std::string before = "HKEY_CURRENT_USER\\Other\tColour\tblue\n";
  struct Case {
    std::string key;
    std::string name;
    std::string value;
  };
  const std::vector<Case> cases = {
      {kKey, kName, "a\tb"},
      {kKey, kName, "a\rb"},
      {kKey, kName, "a\nb"},
      {kKey, kName, std::string("a\0b", 3)},
      {kKey, kName, std::string(101, 'v')},
      {kKey, "na\tme", "0"},
      {kKey, "na\nme", "0"},
      {"ke\ty", kName, "0"},
      {"", kName, "0"},
  };
  writeFile(file(), before);
  for (const Case& c : cases) {
    EXPECT_FALSE(writeRegistryValue(file(), c.key, c.name, c.value)) << ::testing::PrintToString(c.value);
    EXPECT_EQ(readFile(file()), before);
  }
  EXPECT_EQ(folderEntries(folder()), std::vector<std::string>{"registry.txt"});
  EXPECT_TRUE(writeRegistryValue(file(), kKey, kName, std::string(100, 'v')));
}

TEST_F(RegistryFile, OversizedFileIsReplacedAndUnreadableFileIsLeftAlone) {
  writeFile(file(), kKey + "\tOld\tkept?\n" + std::string(70000, '#') + "\n");
  ASSERT_TRUE(writeRegistryValue(file(), kKey, kName, "0"));
  EXPECT_EQ(readRegistryValue(file(), kKey, kName), "0");
  EXPECT_EQ(readFile(file()), kKey + "\t" + kName + "\t0\n");

  // A folder where the file should be is not ours to replace.
  const std::filesystem::path odd = folder() / "odd";
  std::filesystem::create_directory(odd);
  EXPECT_FALSE(writeRegistryValue(odd, kKey, kName, "0"));
  EXPECT_EQ(readRegistryValue(odd, kKey, kName), std::nullopt);
  EXPECT_TRUE(std::filesystem::is_directory(odd));
}

TEST_F(RegistryFile, ALinkInPlaceOfTheFileIsNeitherReadNorWrittenThrough) {
  const std::filesystem::path elsewhere = folder() / "elsewhere.txt";
  const std::string secret = kKey + "\t" + kName + "\tsecret\nK\tN\tmine\n";
  writeFile(elsewhere, secret);
  std::filesystem::create_symlink(elsewhere, file());
  EXPECT_EQ(readRegistryValue(file(), kKey, kName), std::nullopt);

  ASSERT_TRUE(writeRegistryValue(file(), kKey, kName, "0"));
  EXPECT_EQ(readFile(elsewhere), secret);
  EXPECT_FALSE(std::filesystem::is_symlink(file()));
  // Nothing of the linked file is carried into ours.
  EXPECT_EQ(readFile(file()), kKey + "\t" + kName + "\t0\n");
  EXPECT_EQ(std::filesystem::status(file()).permissions(), std::filesystem::perms(0600));
}

TEST_F(RegistryFile, WriterKeepsTheFileUnderTheSizeLimit) {
  // Other lines that leave no room for one more value: the write fails rather than producing a
  // file the reader would ignore.
  const std::string filler = "K\tN\t" + std::string(65536 - 5, '#') + "\n";
  writeFile(file(), filler);
  EXPECT_FALSE(writeRegistryValue(file(), kKey, kName, "0"));
  EXPECT_EQ(readFile(file()), filler);
}

}  // namespace
}  // namespace coinest
