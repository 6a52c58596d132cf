#pragma once

// One running copy per device root: the first copy holds the root's lock (RootLock) and listens on
// a local socket of the user's alone (instance_socket.h); a second copy asks it, through that
// socket, to come to the front and ends.
//
// The listening copy reads one short request from each connection and closes it. A connection
// that stays silent is closed after kIdleMilliseconds, and at most kMaxConnections are open at
// once: one more is closed as soon as it is accepted.

#include <QLocalServer>
#include <QObject>

#include <filesystem>
#include <functional>
#include <string>

#include "qt/instance_socket.h"
#include "qt/root_lock.h"

namespace coinest::qt {

enum class ClaimOutcome {
  First,     // this copy holds the root's lock; it listens unless `message` says why not
  Asked,     // another copy runs on the root and was asked to come to the front
  NotAsked,  // another copy runs on the root but could not be asked (see `message`)
  Refused,   // the root's lock file cannot be used (see `message`); nothing was started
};

struct ClaimResult {
  ClaimOutcome outcome = ClaimOutcome::Refused;
  std::string message;  // one line for the user; with First, empty unless the socket was refused
};

class SingleInstance : public QObject {
  Q_OBJECT
 public:
  static constexpr int kIdleMilliseconds = 1500;
  static constexpr int kMaxConnections = 8;

  // `runtimeDir`: where the socket may live (see prepareSocketPlace).
  explicit SingleInstance(const std::filesystem::path& root, std::string runtimeDir = runtimeDirFromEnvironment());

  ClaimResult claim();

  // Called in the first copy when a later one asks it to come to the front.
  std::function<void()> onActivationRequested;

  // The socket's path once claim() found a private place for it; empty before or without one.
  const std::filesystem::path& socketPath() const { return socketPath_; }
  bool listening() const { return server_.isListening(); }

 private:
  ClaimResult listen();
  ClaimResult askRunningCopy() const;
  void acceptConnections();

  std::filesystem::path root_;
  std::string runtimeDir_;
  std::filesystem::path socketPath_;
  RootLock lock_;
  int connections_ = 0;
  QLocalServer server_;
};

}  // namespace coinest::qt
