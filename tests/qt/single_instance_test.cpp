// One running copy per root: where its socket lives, what it trusts, and what it keeps open.

#include <fcntl.h>
#include <pwd.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QLocalSocket>
#include <QThread>

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "platform/file_descriptor.h"
#include "qt/single_instance.h"
#include "support/file_checks.h"
#include "support/temp_dir.h"

namespace coinest::qt {
namespace {

using testing::modeOf;
using testing::namesIn;

constexpr int kWaitMilliseconds = 10000;

// Runs the event loop until `done` holds or `milliseconds` have passed; whether it holds.
bool spinUntil(const std::function<bool()>& done, int milliseconds = kWaitMilliseconds) {
  QElapsedTimer timer;
  timer.start();
  while (!done()) {
    if (timer.elapsed() > milliseconds) return false;
    QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    QThread::msleep(5);
  }
  return true;
}

bool isSocket(const std::filesystem::path& path) {
  struct stat info {};
  return ::lstat(path.c_str(), &info) == 0 && S_ISSOCK(info.st_mode);
}

// A socket bound at `path` and listening, as any process could make one.
FileDescriptor listeningSocket(const std::filesystem::path& path) {
  FileDescriptor fd(::socket(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0));
  sockaddr_un address{};
  address.sun_family = AF_UNIX;
  std::strncpy(address.sun_path, path.c_str(), sizeof(address.sun_path) - 1);
  if (!fd || ::bind(fd.get(), reinterpret_cast<sockaddr*>(&address), sizeof(address)) != 0 ||
      ::listen(fd.get(), 4) != 0) {
    ADD_FAILURE() << "cannot listen on " << path << ": " << std::strerror(errno);
    return {};
  }
  return fd;
}

// Whether anyone has connected to `listener` (made by listeningSocket).
bool hasCaller(const FileDescriptor& listener) {
  FileDescriptor caller(::accept4(listener.get(), nullptr, nullptr, SOCK_CLOEXEC));
  return static_cast<bool>(caller);
}

// The path the socket of `root` takes, found by a copy that claims it and ends.
std::filesystem::path socketPathFor(const std::filesystem::path& root, const std::string& runtimeDir = {}) {
  SingleInstance probe(root, runtimeDir);
  const ClaimResult claimed = probe.claim();
  EXPECT_EQ(claimed.outcome, ClaimOutcome::First) << claimed.message;
  return probe.socketPath();
}

bool contains(const std::string& text, const std::string& part) { return text.find(part) != std::string::npos; }

// Where the socket is expected for one case; `runtime` is a private folder of the user's made for
// the test, `root` the device root.
struct SocketPlaceCase {
  const char* what;
  std::function<std::string(const std::filesystem::path& runtime)> runtimeDir;
  bool inRuntimeDir;
  bool runFolderOpenToOthers = false;  // <root>/run is there already with mode 0755
};

TEST(SingleInstanceSocket, LivesInAPrivateFolderWithMode0600WhateverTheUmask) {
  const SocketPlaceCase cases[] = {
      {"a private runtime folder", [](const auto& runtime) { return runtime.string(); }, true},
      {"no runtime folder", [](const auto&) { return std::string(); }, false},
      {"a relative runtime folder", [](const auto&) { return std::string("run-here"); }, false},
      {"a runtime folder others may enter",
       [](const auto& runtime) {
         ::chmod(runtime.c_str(), 0755);
         return runtime.string();
       },
       false},
      {"a runtime folder that is not there", [](const auto& runtime) { return (runtime / "gone").string(); }, false},
      {"an old run folder open to others", [](const auto&) { return std::string(); }, false, true},
  };
  for (const mode_t umask : {mode_t{0}, mode_t{022}, mode_t{077}}) {
    for (const SocketPlaceCase& place : cases) {
      SCOPED_TRACE(std::string(place.what) + ", umask " + std::to_string(umask));
      const testing::TempDir root;
      const testing::TempDir runtime;
      if (place.runFolderOpenToOthers) {
        std::filesystem::create_directory(root / "run");
        ::chmod((root / "run").c_str(), 0755);
      }
      const std::string runtimeDir = place.runtimeDir(runtime.path());
      const testing::UmaskGuard guard(umask);

      SingleInstance instance(root.path(), runtimeDir);
      const ClaimResult claimed = instance.claim();
      ASSERT_EQ(claimed.outcome, ClaimOutcome::First);
      EXPECT_EQ(claimed.message, "");
      EXPECT_TRUE(instance.listening());
      const std::filesystem::path socket = instance.socketPath();
      EXPECT_EQ(socket.parent_path(), place.inRuntimeDir ? runtime.path() : root / "run");
      EXPECT_TRUE(isSocket(socket));
      EXPECT_EQ(modeOf(socket), 0600u);
      if (!place.inRuntimeDir) {
        EXPECT_EQ(modeOf(root / "run"), 0700u);
      }
      EXPECT_EQ(modeOf(RootLock::lockFile(root.path())), 0600u);
      EXPECT_EQ(namesIn(socket.parent_path()).size(), 1u) << "nothing but the socket: " << socket;
    }
  }
}

TEST(SingleInstanceSocket, TwoRootsShareARuntimeFolderWithTwoSockets) {
  const testing::TempDir runtime;
  const testing::TempDir first;
  const testing::TempDir second;
  SingleInstance one(first.path(), runtime.path().string());
  SingleInstance two(second.path(), runtime.path().string());
  ASSERT_EQ(one.claim().outcome, ClaimOutcome::First);
  ASSERT_EQ(two.claim().outcome, ClaimOutcome::First);
  EXPECT_TRUE(one.listening());
  EXPECT_TRUE(two.listening());
  EXPECT_NE(one.socketPath(), two.socketPath());
}

// What may be planted at `<root>/run`; `outside` is a folder beside the root.
struct PlantedRunFolder {
  const char* what;
  std::function<void(const std::filesystem::path& run, const std::filesystem::path& outside)> plant;
};

TEST(SingleInstanceSocket, APlantedRunFolderIsRefusedAndTheWindowStillStartsWithoutIt) {
  const PlantedRunFolder cases[] = {
      {"a link to a folder outside",
       [](const auto& run, const auto& outside) { std::filesystem::create_directory_symlink(outside, run); }},
      {"a link to a name not yet taken",
       [](const auto& run, const auto& outside) { std::filesystem::create_directory_symlink(outside / "new", run); }},
      {"a file", [](const auto& run, const auto&) { std::ofstream(run) << "not a folder"; }},
  };
  for (const PlantedRunFolder& planted : cases) {
    SCOPED_TRACE(planted.what);
    const testing::TempDir root;
    const testing::TempDir outside;
    planted.plant(root / "run", outside.path());

    SingleInstance instance(root.path(), {});
    const ClaimResult claimed = instance.claim();
    EXPECT_EQ(claimed.outcome, ClaimOutcome::First) << "the lock is held: the window runs";
    EXPECT_TRUE(contains(claimed.message, (root / "run").string())) << claimed.message;
    EXPECT_FALSE(instance.listening());
    EXPECT_TRUE(namesIn(outside.path()).empty()) << "nothing was made outside the root";
  }
}

// What may be found at the socket's name when the first copy starts.
struct PlantedSocket {
  const char* what;
  std::function<void(const std::filesystem::path& socket, const std::filesystem::path& outside)> plant;
};

TEST(SingleInstanceSocket, TheFirstCopyLeavesAnythingButItsOwnSocketAsItIs) {
  std::vector<FileDescriptor> listeners;
  const PlantedSocket cases[] = {
      {"a file", [](const auto& socket, const auto&) { std::ofstream(socket) << "a file of the user's"; }},
      {"a link to a socket outside",
       [&listeners](const auto& socket, const auto& outside) {
         listeners.push_back(listeningSocket(outside / "elsewhere"));
         std::filesystem::create_symlink(outside / "elsewhere", socket);
       }},
  };
  for (const PlantedSocket& planted : cases) {
    SCOPED_TRACE(planted.what);
    const testing::TempDir root;
    const testing::TempDir outside;
    const std::filesystem::path socket = socketPathFor(root.path());
    ASSERT_FALSE(socket.empty());
    planted.plant(socket, outside.path());
    const std::filesystem::file_status before = std::filesystem::symlink_status(socket);

    SingleInstance instance(root.path(), {});
    const ClaimResult claimed = instance.claim();
    EXPECT_EQ(claimed.outcome, ClaimOutcome::First);
    EXPECT_TRUE(contains(claimed.message, socket.string() + " is not a socket")) << claimed.message;
    EXPECT_FALSE(instance.listening());
    EXPECT_EQ(std::filesystem::symlink_status(socket).type(), before.type()) << "left as it is";
  }
}

TEST(SingleInstanceSocket, TheFirstCopyReplacesTheSocketItsDeadPredecessorLeft) {
  const testing::TempDir root;
  const std::filesystem::path socket = socketPathFor(root.path());
  const FileDescriptor leftover = listeningSocket(socket);  // bound, then the copy "died"

  SingleInstance instance(root.path(), {});
  const ClaimResult claimed = instance.claim();
  EXPECT_EQ(claimed.outcome, ClaimOutcome::First);
  EXPECT_EQ(claimed.message, "");
  EXPECT_TRUE(instance.listening());
  EXPECT_EQ(modeOf(socket), 0600u);
}

// The second copy asks from a thread of its own: the first answers in this one's event loop.
ClaimResult claimFromAnotherThread(const std::filesystem::path& root, const std::string& runtimeDir) {
  ClaimResult result;
  std::atomic<bool> finished = false;
  std::thread second([&] {
    SingleInstance instance(root, runtimeDir);
    result = instance.claim();
    finished = true;
  });
  spinUntil([&finished] { return finished.load(); });
  second.join();
  return result;
}

TEST(SingleInstanceSocket, ASecondCopyAsksTheFirstToComeToTheFront) {
  for (const bool inRuntimeDir : {true, false}) {
    SCOPED_TRACE(inRuntimeDir ? "in the runtime folder" : "in the root");
    const testing::TempDir root;
    const testing::TempDir runtime;
    const std::string runtimeDir = inRuntimeDir ? runtime.path().string() : std::string();
    SingleInstance first(root.path(), runtimeDir);
    ASSERT_EQ(first.claim().outcome, ClaimOutcome::First);
    int activations = 0;
    first.onActivationRequested = [&activations] { ++activations; };

    const ClaimResult second = claimFromAnotherThread(root.path(), runtimeDir);
    EXPECT_EQ(second.outcome, ClaimOutcome::Asked) << second.message;
    EXPECT_TRUE(spinUntil([&activations] { return activations == 1; }));
  }
}

TEST(SingleInstanceSocket, ASecondCopyDoesNotTalkToAnythingButTheUsersOwnSocket) {
  const testing::TempDir root;
  const testing::TempDir outside;
  SingleInstance first(root.path(), {});
  ASSERT_EQ(first.claim().outcome, ClaimOutcome::First);
  const std::filesystem::path socket = first.socketPath();

  // The first copy's socket gives way to a link to a socket elsewhere.
  const FileDescriptor elsewhere = listeningSocket(outside / "elsewhere");
  ASSERT_EQ(::unlink(socket.c_str()), 0);
  std::filesystem::create_symlink(outside / "elsewhere", socket);

  SingleInstance second(root.path(), {});
  const ClaimResult claimed = second.claim();
  EXPECT_EQ(claimed.outcome, ClaimOutcome::NotAsked);
  EXPECT_TRUE(contains(claimed.message, socket.string() + " is not a socket")) << claimed.message;
  EXPECT_FALSE(hasCaller(elsewhere));
}

TEST(SingleInstanceSocket, SilentConnectionsAreFewAndSoonClosed) {
  const testing::TempDir root;
  SingleInstance first(root.path(), {});
  ASSERT_EQ(first.claim().outcome, ClaimOutcome::First);
  int activations = 0;
  first.onActivationRequested = [&activations] { ++activations; };

  constexpr int kCallers = 3 * SingleInstance::kMaxConnections;
  std::vector<std::unique_ptr<QLocalSocket>> callers;
  for (int i = 0; i < kCallers; ++i) {
    callers.push_back(std::make_unique<QLocalSocket>());
    callers.back()->connectToServer(QString::fromStdString(first.socketPath().string()));
  }
  const auto stillConnected = [&callers] {
    return std::count_if(callers.begin(), callers.end(),
                         [](const auto& caller) { return caller->state() == QLocalSocket::ConnectedState; });
  };
  EXPECT_TRUE(spinUntil([&] { return stillConnected() == SingleInstance::kMaxConnections; }))
      << stillConnected() << " of " << kCallers << " still connected";
  EXPECT_TRUE(spinUntil([&] { return stillConnected() == 0; })) << "silent connections end";

  // Once they are gone, a copy that asks is heard again.
  QLocalSocket asking;
  asking.connectToServer(QString::fromStdString(first.socketPath().string()));
  ASSERT_TRUE(spinUntil([&asking] { return asking.state() == QLocalSocket::ConnectedState; }));
  asking.write("activate\n");
  EXPECT_TRUE(spinUntil([&activations] { return activations == 1; }));
}

// Files of another user's need root to make; `nobody` is the other user.
class AnotherUsersFiles : public ::testing::Test {
 protected:
  void SetUp() override {
    if (::getuid() != 0) GTEST_SKIP() << "making a file of another user's needs root";
    const passwd* nobody = ::getpwnam("nobody");
    if (nobody == nullptr) GTEST_SKIP() << "no user nobody to own the files";
    uid_ = nobody->pw_uid;
    gid_ = nobody->pw_gid;
  }
  void giveAway(const std::filesystem::path& path) const { ASSERT_EQ(::lchown(path.c_str(), uid_, gid_), 0) << path; }

  uid_t uid_ = 0;
  gid_t gid_ = 0;
  testing::TempDir root_;
};

TEST_F(AnotherUsersFiles, ASocketOfAnotherUsersIsNeitherRemovedNorAsked) {
  const std::filesystem::path socket = socketPathFor(root_.path());
  const FileDescriptor theirs = listeningSocket(socket);
  giveAway(socket);

  {
    SingleInstance first(root_.path(), {});
    const ClaimResult claimed = first.claim();
    EXPECT_EQ(claimed.outcome, ClaimOutcome::First) << "the window runs";
    EXPECT_TRUE(contains(claimed.message, socket.string() + " is another user's socket")) << claimed.message;
    EXPECT_FALSE(first.listening());
    EXPECT_TRUE(isSocket(socket)) << "not removed";

    SingleInstance second(root_.path(), {});
    const ClaimResult asked = second.claim();
    EXPECT_EQ(asked.outcome, ClaimOutcome::NotAsked);
    EXPECT_TRUE(contains(asked.message, socket.string() + " is another user's socket")) << asked.message;
    EXPECT_FALSE(hasCaller(theirs)) << "the other user's socket heard nothing";
  }
  EXPECT_TRUE(isSocket(socket)) << "the first copy's end left it too";
}

TEST_F(AnotherUsersFiles, ARuntimeFolderOrRunFolderOfAnotherUsersIsNotUsed) {
  const testing::TempDir runtime;
  giveAway(runtime.path());
  {
    SingleInstance instance(root_.path(), runtime.path().string());
    ASSERT_EQ(instance.claim().outcome, ClaimOutcome::First);
    EXPECT_EQ(instance.socketPath().parent_path(), root_ / "run") << "the root's own folder instead";
  }
  giveAway(root_ / "run");
  SingleInstance instance(root_.path(), {});
  const ClaimResult claimed = instance.claim();
  EXPECT_EQ(claimed.outcome, ClaimOutcome::First);
  EXPECT_TRUE(contains(claimed.message, (root_ / "run").string() + " belongs to another user")) << claimed.message;
  EXPECT_FALSE(instance.listening());
}

TEST_F(AnotherUsersFiles, ALockFileOfAnotherUsersIsRefused) {
  const std::filesystem::path lock = RootLock::lockFile(root_.path());
  std::ofstream(lock) << "";
  giveAway(lock);
  SingleInstance instance(root_.path(), {});
  const ClaimResult claimed = instance.claim();
  EXPECT_EQ(claimed.outcome, ClaimOutcome::Refused);
  EXPECT_TRUE(contains(claimed.message, lock.string())) << claimed.message;
}

}  // namespace
}  // namespace coinest::qt
