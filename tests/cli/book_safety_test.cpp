// coinest-cli against what a careless user or a full disk does to a book: a save onto the book's
// own files, a disk with no room left, links planted in the device root. Each time the book must
// be whole afterwards and the exit status must tell the truth.

#include <gtest/gtest.h>
#include <sqlite3.h>
#include <sys/mount.h>
#include <sys/statvfs.h>
#include <unistd.h>

#include <fstream>
#include <string>
#include <vector>

#include "platform/device_root.h"
#include "support/cli_runner.h"
#include "support/file_checks.h"
#include "support/temp_dir.h"

namespace coinest {
namespace {

namespace fs = std::filesystem;
using testing::CliRun;

class BookSafetyTest : public ::testing::Test {
 protected:
  CliRun cli(const fs::path& root, std::vector<std::string> rest) {
    std::vector<std::string> args = {"--root", root.string(), "--today", "2026-12-11"};
    args.insert(args.end(), rest.begin(), rest.end());
    return testing::runCli(args, dir_.path());
  }
  std::string dump(const fs::path& root) {
    const CliRun run = cli(root, {"dump"});
    EXPECT_EQ(run.status, 0) << run.err;
    return run.out;
  }
  void makeDemoBook(const fs::path& root) {
    const CliRun demo = cli(root, {"demo"});
    ASSERT_EQ(demo.status, 0) << demo.err;
  }
  fs::path root() const { return dir_ / "root"; }

  testing::TempDir dir_;
};

TEST_F(BookSafetyTest, ASaveOntoOneOfTheBooksFilesIsRefusedAndTheBookStaysWhole) {
  makeDemoBook(root());
  const std::string before = dump(root());
  const fs::path book = objectStoreFilePath(root());
  fs::create_directories(dir_ / "home");
  fs::create_symlink(book, dir_ / "home" / "link-to-book.csv");
  fs::create_hard_link(book, dir_ / "home" / "another-name.csv");

  // The window holds the book open meanwhile, so its -wal and -shm are there.
  sqlite3* window = nullptr;
  ASSERT_EQ(sqlite3_open(book.c_str(), &window), SQLITE_OK);
  ASSERT_EQ(sqlite3_exec(window, "SELECT count(*) FROM store_tables", nullptr, nullptr, nullptr), SQLITE_OK);
  ASSERT_TRUE(fs::exists(book.string() + "-wal"));

  const fs::path targets[] = {
      book,
      book.string() + "-wal",
      book.string() + "-shm",
      book.string() + "-journal",
      root() / "registry.txt",
      root() / "Windows" / "Coinest.ini",
      dir_ / "home" / "link-to-book.csv",
      dir_ / "home" / "another-name.csv",
  };
  const std::vector<std::string> saves[] = {{"export", "--format", "csv"}, {"export", "--format", "journal"}, {"backup"}};
  for (const fs::path& target : targets) {
    for (std::vector<std::string> save : saves) {
      save.push_back(target.string());
      const CliRun run = cli(root(), save);
      EXPECT_EQ(run.status, 1) << save[0] << " " << target;
      EXPECT_NE((run.out + run.err).find(target.string() + ": 가계부가 쓰는 파일이므로 저장할 수 없습니다"),
                std::string::npos)
          << run.out << run.err;
    }
  }
  sqlite3_close(window);
  EXPECT_FALSE(fs::exists(book.string() + "-journal"));
  EXPECT_FALSE(fs::exists(root() / "Windows" / "Coinest.ini"));
  EXPECT_EQ(dump(root()), before);

  // A file of the user's own in the device's storage is no file of the book's.
  fs::create_directories(root() / "My Documents");
  EXPECT_EQ(cli(root(), {"backup", (root() / "My Documents" / "Coinest261211.cnb").string()}).status, 0);
}

// A small file system of its own, mounted for the test (which needs root to mount it).
class SmallDisk {
 public:
  explicit SmallDisk(const fs::path& where) : where_(where) {
    fs::create_directories(where_);
    mounted_ = ::mount("tmpfs", where_.c_str(), "tmpfs", 0, "size=2m") == 0;
  }
  ~SmallDisk() {
    if (mounted_) ::umount2(where_.c_str(), MNT_DETACH);
  }
  bool mounted() const { return mounted_; }

  // Fills the disk with a file until only `left` bytes are free.
  void fillLeaving(uint64_t left) {
    struct statvfs info {};
    ASSERT_EQ(::statvfs(where_.c_str(), &info), 0);
    const uint64_t free = static_cast<uint64_t>(info.f_bavail) * info.f_frsize;
    ASSERT_GT(free, left);
    std::ofstream(where_ / "filler", std::ios::binary) << std::string(free - left, 'x');
  }
  void empty() { fs::remove(where_ / "filler"); }

 private:
  fs::path where_;
  bool mounted_ = false;
};

TEST_F(BookSafetyTest, ABookOnAFullDiskCanStillBeReadAndCopiedAwayAndAWriteSaysTheDiskIsFull) {
  if (::geteuid() != 0) GTEST_SKIP() << "mounting a small tmpfs takes root";
  SmallDisk disk(dir_ / "disk");
  if (!disk.mounted()) GTEST_SKIP() << "this machine does not allow mounting a tmpfs";
  const fs::path root = dir_ / "disk" / "root";
  makeDemoBook(root);
  const std::string before = dump(root);
  disk.fillLeaving(8 * 1024);

  const CliRun read = cli(root, {"dump"});
  EXPECT_EQ(read.status, 0) << read.err;
  EXPECT_EQ(read.out, before);
  EXPECT_NE(read.err.find("디스크 공간이 부족합니다"), std::string::npos) << read.err;
  const fs::path copy = dir_ / "rescued.cnb";
  const CliRun backup = cli(root, {"backup", copy.string()});
  EXPECT_EQ(backup.status, 0) << backup.out << backup.err;

  const CliRun full = cli(root, {"backup", (root / "onto-the-full-disk.cnb").string()});
  EXPECT_EQ(full.status, 1);
  EXPECT_NE(full.out.find("디스크 공간이 부족합니다"), std::string::npos) << full.out;
  EXPECT_FALSE(fs::exists(root / "onto-the-full-disk.cnb"));

  const CliRun write = cli(root, {"entry", "add", "--date", "2026-12-11", "--kind", "지출", "--major", "식비", "--minor",
                                  "외식", "--content", "점심", "--amount", "6000"});
  EXPECT_EQ(write.status, 1);
  EXPECT_NE(write.err.find(objectStoreFilePath(root).string()), std::string::npos) << write.err;
  EXPECT_NE(write.err.find("디스크 공간이 부족합니다"), std::string::npos) << write.err;

  disk.empty();
  EXPECT_EQ(dump(root), before);
  const fs::path elsewhere = dir_ / "restored";
  ASSERT_EQ(cli(elsewhere, {"restore", copy.string()}).status, 0);
  EXPECT_EQ(dump(elsewhere), before);
}

TEST_F(BookSafetyTest, LinksPlantedInTheRootAreRefusedNotFollowed) {
  const fs::path outside = dir_ / "outside";
  fs::create_directories(outside / "Activesync");

  // A link to nothing at the book's name: the book is not made at its target.
  fs::create_directories(root());
  fs::create_symlink(outside / "book.sqlite3", objectStoreFilePath(root()));
  const CliRun planted = cli(root(), {"dump"});
  EXPECT_EQ(planted.status, 1);
  EXPECT_NE(planted.err.find("symbolic link"), std::string::npos) << planted.err;
  EXPECT_FALSE(fs::exists(outside / "book.sqlite3"));
  fs::remove(objectStoreFilePath(root()));

  // A link at Windows, with the desktop's flag where it points: no change file, marker, transfer
  // file or initialisation file is written there, and the desktop's files there are not taken.
  makeDemoBook(root());
  std::ofstream(outside / "Activesync" / "ACTIVESYNC._as_");
  std::ofstream(outside / "Activesync" / "A10099999._pc_") << "not ours to delete";
  fs::create_symlink(outside, root() / "Windows");
  const std::string before = dump(root());
  cli(root(), {"import"});
  std::ofstream(outside / "CoinestUp._ini_") << "markers of another folder";
  std::ofstream(outside / "CoinestUp2._ini_") << "markers of another folder";
  const CliRun upgrade = cli(root(), {"upgrade"});
  EXPECT_EQ(upgrade.status, 1);
  EXPECT_NE(upgrade.out.find((root() / "Windows").string() + ": is a symbolic link"), std::string::npos) << upgrade.out;
  EXPECT_EQ(testing::namesIn(outside), (std::set<std::string>{"Activesync", "CoinestUp._ini_", "CoinestUp2._ini_"}));
  EXPECT_EQ(testing::namesIn(outside / "Activesync"), (std::set<std::string>{"ACTIVESYNC._as_", "A10099999._pc_"}));
  EXPECT_EQ(dump(root()), before);
}

}  // namespace
}  // namespace coinest
