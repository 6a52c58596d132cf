// The root's lock file: held by one copy at a time, private, and never a way out of the root.

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <string>

#include "qt/root_lock.h"
#include "support/child_process.h"
#include "support/file_checks.h"
#include "support/temp_dir.h"

namespace coinest::qt {
namespace {

using testing::modeOf;
using testing::namesIn;

std::string contentOf(const std::filesystem::path& file) {
  std::ifstream in(file, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), {}};
}

TEST(RootLock, OneCopyHoldsItAtATimeAndItsFileIsPrivateWhateverTheUmask) {
  const testing::UmaskGuard umask(0);
  const testing::TempDir root;
  const std::filesystem::path file = RootLock::lockFile(root.path());
  {
    RootLock first(file);
    ASSERT_EQ(first.tryLock().outcome, RootLockOutcome::Held);
    EXPECT_EQ(modeOf(file), 0600u);
    EXPECT_EQ(first.tryLock().outcome, RootLockOutcome::Held) << "asking again keeps it";
    RootLock second(file);
    EXPECT_EQ(second.tryLock().outcome, RootLockOutcome::Busy);
  }
  RootLock after(file);
  EXPECT_EQ(after.tryLock().outcome, RootLockOutcome::Held) << "the lock goes with its holder";
}

TEST(RootLock, AnOldLockFileOpenToOthersIsMadePrivate) {
  const testing::TempDir root;
  const std::filesystem::path file = RootLock::lockFile(root.path());
  std::ofstream(file) << "left by an older copy";
  ASSERT_EQ(::chmod(file.c_str(), 0666), 0);
  RootLock lock(file);
  ASSERT_EQ(lock.tryLock().outcome, RootLockOutcome::Held);
  EXPECT_EQ(modeOf(file), 0600u);
}

// What may be planted at the lock file's name; `outside` is a folder beside the root.
struct PlantedLock {
  const char* what;
  std::function<void(const std::filesystem::path& lock, const std::filesystem::path& outside)> plant;
};

TEST(RootLock, ALinkOrAnyOtherThingAtItsNameIsRefusedAndNothingOutsideTheRootIsTouched) {
  const PlantedLock cases[] = {
      {"a link to a name not yet taken",
       [](const auto& lock, const auto& outside) { std::filesystem::create_symlink(outside / "new", lock); }},
      {"a link to a file outside",
       [](const auto& lock, const auto& outside) {
         std::ofstream(outside / "kept") << "kept";
         ::chmod((outside / "kept").c_str(), 0644);
         std::filesystem::create_symlink(outside / "kept", lock);
       }},
      {"a link to a folder outside",
       [](const auto& lock, const auto& outside) { std::filesystem::create_symlink(outside, lock); }},
      {"a folder", [](const auto& lock, const auto&) { std::filesystem::create_directory(lock); }},
  };
  for (const PlantedLock& planted : cases) {
    SCOPED_TRACE(planted.what);
    const testing::TempDir root;
    const testing::TempDir outside;
    const std::filesystem::path file = RootLock::lockFile(root.path());
    planted.plant(file, outside.path());
    const auto before = namesIn(outside.path());

    RootLock lock(file);
    const RootLockResult result = lock.tryLock();
    EXPECT_EQ(result.outcome, RootLockOutcome::Refused);
    EXPECT_NE(result.reason.find(file.string()), std::string::npos) << result.reason;
    EXPECT_EQ(namesIn(outside.path()), before) << "nothing was created outside the root";
    if (std::filesystem::exists(outside / "kept")) {
      EXPECT_EQ(contentOf(outside / "kept"), "kept");
      EXPECT_EQ(modeOf(outside / "kept"), 0644u);
    }
    EXPECT_TRUE(std::filesystem::is_symlink(file) || std::filesystem::is_directory(file)) << "left as it was";
  }
}

TEST(RootLock, AFifoAtItsNameIsRefusedWithoutWaitingForAWriter) {
  const testing::TempDir root;
  const std::filesystem::path file = RootLock::lockFile(root.path());
  ASSERT_EQ(::mkfifo(file.c_str(), 0600), 0);
  EXPECT_TRUE(testing::runsToEndInChild([&file] {
    RootLock lock(file);
    return lock.tryLock().outcome == RootLockOutcome::Refused;
  }));
}

}  // namespace
}  // namespace coinest::qt
