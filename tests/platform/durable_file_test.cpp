#include "platform/durable_file.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <fstream>
#include <iterator>
#include <set>
#include <string>
#include <vector>

#include "support/child_process.h"
#include "support/file_checks.h"
#include "support/temp_dir.h"

namespace coinest {
namespace {

namespace fs = std::filesystem;
using testing::modeOf;
using testing::namesIn;

void writeFile(const fs::path& path, const std::string& bytes) { std::ofstream(path, std::ios::binary) << bytes; }

std::string readFile(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// A folder that is not the user's alone, as a root made by hand or by an older version may be,
// under the usual umask, with a file outside it that links may point to.
class DurableFileTest : public ::testing::Test {
 protected:
  DurableFileTest() : umask_(022) {
    fs::create_directory(folder());
    fs::permissions(folder(), fs::perms(0755));
    writeFile(outside(), "OUTSIDE");
  }
  fs::path folder() const { return dir_ / "folder"; }
  fs::path target() const { return folder() / "file.txt"; }
  fs::path outside() const { return dir_ / "outside.txt"; }
  FileTarget own(const fs::path& file) const { return FileTarget::inRoot(dir_.path(), file); }

  testing::TempDir dir_;
  testing::UmaskGuard umask_;
};

TEST_F(DurableFileTest, ReplacesTheTargetWholeAndPrivateLeavingNothingElse) {
  for (const std::string bytes : {"first", "", "second, longer than the first"}) {
    const Status result = replaceFileDurably(own(target()), bytes);
    ASSERT_TRUE(result) << result.reason();
    EXPECT_EQ(readFile(target()), bytes);
    EXPECT_EQ(modeOf(target()), kPrivateFileMode);
    EXPECT_EQ(namesIn(folder()), std::set<std::string>{"file.txt"});
  }
}

TEST_F(DurableFileTest, ALinkAtTheTargetIsReplacedNotFollowed) {
  for (const fs::path& pointsTo : {outside(), dir_ / "not-there.txt"}) {
    fs::remove(target());
    fs::create_symlink(pointsTo, target());
    ASSERT_TRUE(replaceFileDurably(own(target()), "NEW"));
    EXPECT_FALSE(fs::is_symlink(target())) << pointsTo;
    EXPECT_EQ(readFile(target()), "NEW");
    EXPECT_EQ(readFile(outside()), "OUTSIDE");
    EXPECT_FALSE(fs::exists(dir_ / "not-there.txt"));
  }
}

TEST_F(DurableFileTest, AFailureSaysWhyAndLeavesNoTemporaryFile) {
  fs::create_directory(folder() / "a-folder");
  struct Case {
    fs::path target;
    const char* reasonHolds;
  };
  const Case cases[] = {
      {folder() / "a-folder", "Is a directory"},
      {folder() / "no-such-folder" / "file.txt", "No such file or directory"},
  };
  for (const Case& c : cases) {
    const Status result = replaceFileDurably(own(c.target), "bytes");
    EXPECT_FALSE(result) << c.target;
    EXPECT_NE(result.reason().find(c.reasonHolds), std::string::npos) << result.reason();
    EXPECT_EQ(namesIn(folder()), std::set<std::string>{"a-folder"}) << c.target;
    EXPECT_TRUE(namesIn(folder() / "a-folder").empty());
  }
}

TEST_F(DurableFileTest, AReplacementNotCommittedLeavesTheTargetAsItWas) {
  writeFile(target(), "OLD");
  {
    FileReplacement file(own(target()), folder() / "file.$$$");
    ASSERT_TRUE(file.open());
    ASSERT_EQ(std::fputs("NEW", file.stream()), 1);
    ASSERT_EQ(std::fflush(file.stream()), 0);
    EXPECT_EQ(namesIn(folder()), std::set<std::string>{"file.txt"}) << "the new file has no name yet";
  }
  EXPECT_EQ(readFile(target()), "OLD");
  EXPECT_EQ(namesIn(folder()), std::set<std::string>{"file.txt"});
}

TEST_F(DurableFileTest, WhatHoldsTheFixedTemporaryNameIsRemovedNeverFollowed) {
  const fs::path temp = folder() / "file.$$$";
  for (const bool link : {true, false}) {
    if (link) {
      fs::create_symlink(outside(), temp);
    } else {
      writeFile(temp, "a leftover of a killed run");
    }
    FileReplacement file(own(target()), temp);
    ASSERT_TRUE(file.open());
    ASSERT_EQ(std::fputs("NEW", file.stream()), 1);
    const Status committed = file.commit();
    ASSERT_TRUE(committed) << committed.reason();
    EXPECT_EQ(readFile(target()), "NEW");
    EXPECT_EQ(readFile(outside()), "OUTSIDE");
    EXPECT_EQ(namesIn(folder()), std::set<std::string>{"file.txt"});
  }
}

TEST_F(DurableFileTest, OnlyRegularFilesAreReadAndNothingBlocks) {
  writeFile(folder() / "regular", "12345");
  writeFile(folder() / "empty", "");
  fs::create_symlink(folder() / "regular", folder() / "link");
  fs::create_directory(folder() / "sub");
  ASSERT_EQ(::mkfifo((folder() / "fifo").c_str(), 0600), 0);
  struct Case {
    fs::path file;
    std::size_t maxBytes;
    FileStatus status;
    const char* bytes;
  };
  const std::vector<Case> cases = {
      {folder() / "regular", 5, FileStatus::Ok, "12345"},  {folder() / "empty", 5, FileStatus::Ok, ""},
      {folder() / "regular", 4, FileStatus::TooLarge, ""}, {folder() / "missing", 5, FileStatus::Missing, ""},
      {folder() / "link", 5, FileStatus::NotRegular, ""},  {folder() / "sub", 5, FileStatus::NotRegular, ""},
      {folder() / "fifo", 5, FileStatus::NotRegular, ""},  {"/dev/zero", 5, FileStatus::NotRegular, ""},
  };
  for (const Case& c : cases) {
    // In a child, so that a read that blocks on the FIFO fails the test instead of hanging it.
    EXPECT_TRUE(testing::runsToEndInChild([&] {
      const RegularFileRead read = readRegularFile(c.file, c.maxBytes);
      return read.status == c.status && read.bytes == c.bytes && (c.status == FileStatus::Ok) == read.reason.empty() &&
             (c.status == FileStatus::Ok || read.reason.find(c.file.string()) != std::string::npos);
    })) << c.file;
  }
}

TEST_F(DurableFileTest, ThePrivateFileIsMadeOnlyWhereNothingIs) {
  const fs::path book = folder() / "book";
  ASSERT_TRUE(createPrivateFileIfMissing(book));
  EXPECT_EQ(modeOf(book), kPrivateFileMode);
  EXPECT_EQ(fs::file_size(book), 0u);

  writeFile(book, "kept");
  ASSERT_TRUE(createPrivateFileIfMissing(book));
  EXPECT_EQ(readFile(book), "kept");

  // A link planted there, even one to nothing, is left as it is and not followed.
  const fs::path link = folder() / "link";
  fs::create_symlink(dir_ / "not-there", link);
  EXPECT_TRUE(createPrivateFileIfMissing(link));
  EXPECT_TRUE(fs::is_symlink(link));
  EXPECT_FALSE(fs::exists(dir_ / "not-there"));

  const Status failed = createPrivateFileIfMissing(folder() / "no-such-folder" / "book");
  EXPECT_FALSE(failed);
  EXPECT_NE(failed.reason().find("no-such-folder"), std::string::npos);
}

TEST_F(DurableFileTest, MissingFoldersAreMadePrivateAndExistingOnesKeepTheirMode) {
  const fs::path deep = folder() / "a" / "b";
  ASSERT_TRUE(createPrivateFolders(deep));
  EXPECT_EQ(modeOf(folder()), 0755u);
  EXPECT_EQ(modeOf(folder() / "a"), kPrivateFolderMode);
  EXPECT_EQ(modeOf(deep), kPrivateFolderMode);
  EXPECT_TRUE(createPrivateFolders(deep));

  writeFile(folder() / "plain", "x");
  const Status failed = createPrivateFolders(folder() / "plain" / "c");
  EXPECT_FALSE(failed);
  EXPECT_NE(failed.reason().find("plain"), std::string::npos);
}

}  // namespace
}  // namespace coinest
