#include "platform/file_target.h"

#include <gtest/gtest.h>

#include <fstream>
#include <string>

#include "platform/durable_file.h"
#include "support/cli_runner.h"
#include "support/file_checks.h"
#include "support/temp_dir.h"

namespace coinest {
namespace {

namespace fs = std::filesystem;

using testing::readFileBytes;

void writeFile(const fs::path& path, const std::string& bytes) { std::ofstream(path, std::ios::binary) << bytes; }

// A device root holding a book's files, and a folder of the user's beside it.
class FileTargetTest : public ::testing::Test {
 protected:
  FileTargetTest() {
    fs::create_directories(root() / "Windows" / "Activesync");
    fs::create_directories(home());
    for (const char* name : {"objectstore.sqlite3", "objectstore.sqlite3-wal", "objectstore.sqlite3-shm", "registry.txt"}) {
      writeFile(root() / name, std::string("BOOK ") + name);
    }
    writeFile(root() / "Windows" / "Coinest.ini", "INI");
  }
  fs::path root() const { return dir_ / "root"; }
  fs::path home() const { return dir_ / "home"; }

  testing::TempDir dir_;
};

TEST_F(FileTargetTest, AUserNamedFileResolvingIntoTheRootIsRefusedAndNothingIsWritten) {
  fs::create_symlink(root(), home() / "book-folder");
  fs::create_symlink(root() / "objectstore.sqlite3", home() / "link-to-book.csv");
  fs::create_hard_link(root() / "objectstore.sqlite3-wal", home() / "another-name.csv");
  const fs::path refused[] = {
      root() / "objectstore.sqlite3",
      root() / "objectstore.sqlite3-wal",
      root() / "objectstore.sqlite3-shm",
      root() / "objectstore.sqlite3-journal",  // not there now, but the book's name all the same
      root() / "Windows" / "Coinest.ini",
      root() / "Windows" / "Activesync" / "new.csv",
      root() / "safety",
      root() / "." / "registry.txt",
      home() / ".." / "root" / "objectstore.sqlite3",
      home() / "book-folder" / "objectstore.sqlite3",
      home() / "link-to-book.csv",
      home() / "another-name.csv",
  };
  for (const fs::path& file : refused) {
    const Status written = replaceFileDurably(FileTarget::userNamed(root(), file), "CSV");
    EXPECT_FALSE(written) << file;
    EXPECT_NE(written.reason().find(file.string()), std::string::npos) << written.reason();
  }
  EXPECT_EQ(readFileBytes(root() / "objectstore.sqlite3"), "BOOK objectstore.sqlite3");
  EXPECT_EQ(readFileBytes(root() / "objectstore.sqlite3-wal"), "BOOK objectstore.sqlite3-wal");
  EXPECT_EQ(readFileBytes(root() / "Windows" / "Coinest.ini"), "INI");
  EXPECT_FALSE(fs::exists(root() / "objectstore.sqlite3-journal"));
  EXPECT_EQ(testing::namesIn(root() / "Windows" / "Activesync"), std::set<std::string>{});
}

TEST_F(FileTargetTest, AUserNamedFileThatIsNoneOfTheBooksIsWritten) {
  writeFile(home() / "old.csv", "OLD");
  fs::create_hard_link(home() / "old.csv", home() / "second-name.csv");
  fs::create_directories(root() / "My Documents");
  for (const fs::path& file : {home() / "new.csv", home() / "old.csv", home() / "second-name.csv",
                               root() / "My Documents" / "Coinest261211.cnb", root() / "Coinest261211.cnb"}) {
    const Status written = replaceFileDurably(FileTarget::userNamed(root(), file), "CSV");
    ASSERT_TRUE(written) << written.reason();
    EXPECT_EQ(readFileBytes(file), "CSV");
  }
}

TEST_F(FileTargetTest, AProgramFileIsNeverWrittenThroughALinkInTheRoot) {
  const fs::path elsewhere = dir_ / "elsewhere";
  fs::create_directories(elsewhere / "Activesync");
  fs::remove_all(root() / "Windows");
  fs::create_symlink(elsewhere, root() / "Windows");
  for (const fs::path& file : {root() / "Windows" / "Coinest.ini", root() / "Windows" / "Activesync" / "A1._pd_"}) {
    const Status written = replaceFileDurably(FileTarget::inRoot(root(), file), "X");
    EXPECT_FALSE(written) << file;
    EXPECT_NE(written.reason().find("symbolic link"), std::string::npos) << written.reason();
  }
  EXPECT_FALSE(createPrivateFoldersInRoot(root(), root() / "Windows" / "Activesync"));
  EXPECT_TRUE(testing::namesIn(elsewhere / "Activesync").empty());
  EXPECT_EQ(testing::namesIn(elsewhere), std::set<std::string>{"Activesync"});

  const Status outside = replaceFileDurably(FileTarget::inRoot(root(), dir_ / "outside.txt"), "X");
  EXPECT_FALSE(outside);
  EXPECT_FALSE(fs::exists(dir_ / "outside.txt"));
}

TEST_F(FileTargetTest, FoldersInTheRootAreMadePrivateAndALinkOnTheWayIsRefused) {
  testing::UmaskGuard umask(0);
  ASSERT_TRUE(createPrivateFoldersInRoot(root(), root() / "safety" / "old"));
  EXPECT_EQ(testing::modeOf(root() / "safety"), kPrivateFolderMode);
  EXPECT_EQ(testing::modeOf(root() / "safety" / "old"), kPrivateFolderMode);

  fs::create_directory(dir_ / "elsewhere");
  fs::create_symlink(dir_ / "elsewhere", root() / "run");
  const Status refused = createPrivateFoldersInRoot(root(), root() / "run" / "socket");
  EXPECT_FALSE(refused);
  EXPECT_NE(refused.reason().find(( root() / "run").string()), std::string::npos);
  EXPECT_TRUE(testing::namesIn(dir_ / "elsewhere").empty());
}

}  // namespace
}  // namespace coinest
