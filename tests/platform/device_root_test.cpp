#include "platform/device_root.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <fstream>
#include <optional>
#include <string>
#include <vector>

#include "support/file_checks.h"
#include "support/temp_dir.h"

namespace coinest {
namespace {

using testing::modeOf;
using testing::TempDir;
using testing::UmaskGuard;

// Saves the variables the root depends on and puts them back after each test.
class DeviceRootEnvironment : public ::testing::Test {
 protected:
  void SetUp() override {
    for (const char* name : kNames) {
      const char* value = std::getenv(name);
      saved_.push_back(value ? std::optional<std::string>(value) : std::nullopt);
    }
  }
  void TearDown() override {
    for (std::size_t i = 0; i < std::size(kNames); ++i) set(kNames[i], saved_[i] ? saved_[i]->c_str() : nullptr);
  }
  static void set(const char* name, const char* value) {
    if (value) {
      ::setenv(name, value, 1);
    } else {
      ::unsetenv(name);
    }
  }
  static constexpr const char* kNames[] = {"COINEST_ROOT", "XDG_DATA_HOME", "HOME"};

 private:
  std::vector<std::optional<std::string>> saved_;
};

TEST_F(DeviceRootEnvironment, ChoosesRootByPrecedence) {
  struct Case {
    std::optional<std::string> cli;
    const char* coinestRoot;  // nullptr: unset
    const char* xdgDataHome;
    const char* home;
    std::string expected;
  };
  const std::vector<Case> cases = {
      {"/opt/book", "/env/root", "/xdg", "/home/u", "/opt/book"},
      {"relative/book", "/env/root", "/xdg", "/home/u", "relative/book"},
      {"", "/env/root", "/xdg", "/home/u", ""},  // an empty --root is refused later, not replaced
      {std::nullopt, "/env/root", "/xdg", "/home/u", "/env/root"},
      {std::nullopt, "", "/xdg", "/home/u", "/xdg/coinest"},
      {std::nullopt, nullptr, "/xdg", "/home/u", "/xdg/coinest"},
      {std::nullopt, nullptr, "", "/home/u", "/home/u/.local/share/coinest"},
      {std::nullopt, nullptr, "relative/xdg", "/home/u", "/home/u/.local/share/coinest"},
      {std::nullopt, nullptr, nullptr, "/home/u", "/home/u/.local/share/coinest"},
      {std::nullopt, nullptr, nullptr, nullptr, ""},
  };
  for (const Case& c : cases) {
    set("COINEST_ROOT", c.coinestRoot);
    set("XDG_DATA_HOME", c.xdgDataHome);
    set("HOME", c.home);
    EXPECT_EQ(resolveDeviceRoot(c.cli), std::filesystem::path(c.expected))
        << "cli=" << c.cli.value_or("(none)") << " COINEST_ROOT=" << (c.coinestRoot ? c.coinestRoot : "(unset)")
        << " XDG_DATA_HOME=" << (c.xdgDataHome ? c.xdgDataHome : "(unset)");
  }
}

TEST(DeviceRootPrepare, CreatesMissingParentsAndRootIsPrivate) {
  TempDir temp;
  ASSERT_FALSE(temp.path().empty());
  UmaskGuard guard(022);
  for (const std::string suffix : {"", "/"}) {  // a trailing slash must not confuse the parent
    const std::filesystem::path root = temp.path() / ("a" + suffix) / "b" / ("coinest" + suffix);
    const PrepareRootResult result = prepareDeviceRoot(root);
    ASSERT_TRUE(result.ok) << result.error;
    EXPECT_TRUE(std::filesystem::is_directory(root));
    for (const std::filesystem::path& made : {temp.path() / "a", temp.path() / "a" / "b", root}) {
      EXPECT_EQ(modeOf(made), 0700u) << made;
    }
    // The second time finds it ready.
    EXPECT_TRUE(prepareDeviceRoot(root).ok);
    std::filesystem::remove_all(temp.path() / "a");
  }
}

TEST(DeviceRootPrepare, NewRootIsExactly0700WhateverTheUmask) {
  TempDir temp;
  ASSERT_FALSE(temp.path().empty());
  const std::filesystem::path root = temp.path() / "coinest";
  PrepareRootResult result;
  {
    UmaskGuard guard(0222);  // would leave 0500: a root we cannot write in
    result = prepareDeviceRoot(root);
  }
  ASSERT_TRUE(result.ok) << result.error;
  EXPECT_EQ(modeOf(root), 0700u);
}

TEST(DeviceRootPrepare, ExistingRootKeepsItsMode) {
  TempDir temp;
  ASSERT_FALSE(temp.path().empty());
  const std::filesystem::path root = temp.path() / "shared";
  ASSERT_EQ(::mkdir(root.c_str(), 0755), 0);
  ASSERT_EQ(::chmod(root.c_str(), 0755), 0);
  const PrepareRootResult result = prepareDeviceRoot(root);
  ASSERT_TRUE(result.ok) << result.error;
  EXPECT_EQ(modeOf(root), 0755u);
}

TEST(DeviceRootPrepare, UnusableRootIsReportedWithItsPath) {
  TempDir temp;
  ASSERT_FALSE(temp.path().empty());
  const std::filesystem::path file = temp.path() / "plain-file";
  std::ofstream(file) << "x";
  const std::vector<std::filesystem::path> roots = {
      file,                     // exists, but not a folder
      file / "coinest",         // its parent is a file
      file / "deeper" / "coinest",
  };
  for (const auto& root : roots) {
    const PrepareRootResult result = prepareDeviceRoot(root);
    EXPECT_FALSE(result.ok) << root;
    EXPECT_NE(result.error.find(root.string()), std::string::npos) << result.error;
  }
  EXPECT_TRUE(std::filesystem::is_regular_file(file));

  const PrepareRootResult empty = prepareDeviceRoot({});
  EXPECT_FALSE(empty.ok);
  EXPECT_FALSE(empty.error.empty());
}

TEST(DeviceRootPrepare, ReadOnlyRootIsRefused) {
  if (::geteuid() == 0) GTEST_SKIP() << "root may write anywhere";
  TempDir temp;
  ASSERT_FALSE(temp.path().empty());
  const std::filesystem::path root = temp.path() / "locked";
  ASSERT_EQ(::mkdir(root.c_str(), 0500), 0);
  const PrepareRootResult result = prepareDeviceRoot(root);
  EXPECT_FALSE(result.ok);
  EXPECT_NE(result.error.find(root.string()), std::string::npos) << result.error;
}

TEST(DeviceFilePath, MapsDevicePathsUnderTheRoot) {
  const std::filesystem::path root = "/data/coinest";
  struct Case {
    std::string device;
    std::optional<std::string> expected;  // relative to the root; nothing when refused
  };
  const std::vector<Case> cases = {
      {"\\Windows\\Coinest.ini", "Windows/Coinest.ini"},
      {"Windows\\Coinest.ini", "Windows/Coinest.ini"},
      {"\\Windows\\Activesync\\ACTIVESYNC._as_", "Windows/Activesync/ACTIVESYNC._as_"},
      {"\\Windows\\Activesync\\", "Windows/Activesync"},
      {"\\가계부\\백업 1.dat", "가계부/백업 1.dat"},
      {"\\Windows\\...", "Windows/..."},  // not a parent reference, just a strange name
      {"\\Windows\\..x", "Windows/..x"},
      {"", std::nullopt},
      {"\\", std::nullopt},
      {"\\\\", std::nullopt},
      {"..", std::nullopt},
      {"\\..\\etc\\passwd", std::nullopt},
      {"\\Windows\\..\\..\\x", std::nullopt},
      {"\\Windows\\..", std::nullopt},
      {"\\.\\Windows", std::nullopt},
      {"\\Windows\\.", std::nullopt},
      {"\\Windows\\\\Coinest.ini", std::nullopt},
      {"\\\\server\\share", std::nullopt},
      {"\\Windows\\Coinest.ini\\\\", std::nullopt},
      {"\\Windows/../x", std::nullopt},
      {"/etc/passwd", std::nullopt},
      {"\\Windows\\a/b", std::nullopt},
      {std::string("\\Windows\\Coinest.ini\0.txt", 25), std::nullopt},
  };
  for (const Case& c : cases) {
    const std::optional<std::filesystem::path> mapped = deviceFilePath(root, c.device);
    if (!c.expected) {
      EXPECT_FALSE(mapped.has_value()) << c.device << " -> " << mapped.value_or("");
      continue;
    }
    ASSERT_TRUE(mapped.has_value()) << c.device;
    EXPECT_EQ(*mapped, root / *c.expected) << c.device;
  }
}

}  // namespace
}  // namespace coinest
