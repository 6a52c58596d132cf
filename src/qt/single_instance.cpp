#include "qt/single_instance.h"

#include <sys/stat.h>

#include <QLocalSocket>
#include <QTimer>

#include "platform/durable_file.h"

namespace coinest::qt {
namespace {

constexpr int kConnectMilliseconds = 2000;
constexpr char kActivate[] = "activate\n";
constexpr qint64 kMaxRequestBytes = 64;

std::filesystem::path canonicalRoot(const std::filesystem::path& root) {
  std::error_code error;
  std::filesystem::path path = std::filesystem::canonical(root, error);
  return error ? std::filesystem::absolute(root, error) : path;
}

}  // namespace

SingleInstance::SingleInstance(const std::filesystem::path& root, std::string runtimeDir)
    : root_(canonicalRoot(root)), runtimeDir_(std::move(runtimeDir)), lock_(RootLock::lockFile(root_)) {
  server_.setMaxPendingConnections(kMaxConnections);
  connect(&server_, &QLocalServer::newConnection, this, &SingleInstance::acceptConnections);
}

ClaimResult SingleInstance::claim() {
  // The lock decides; the socket only carries the request.
  const RootLockResult locked = lock_.tryLock();
  if (locked.outcome == RootLockOutcome::Refused) return {ClaimOutcome::Refused, locked.reason};
  if (locked.outcome == RootLockOutcome::Busy) return askRunningCopy();
  if (server_.isListening()) return {ClaimOutcome::First, {}};
  return listen();
}

ClaimResult SingleInstance::listen() {
  const std::string unreachable = "; a second start cannot bring this window to the front";
  const SocketPlace place = prepareSocketPlace(root_, runtimeDir_);
  if (place.path.empty()) return {ClaimOutcome::First, place.reason + unreachable};
  socketPath_ = place.path;
  const QString name = QString::fromStdString(socketPath_.string());

  const SocketFileCheck found = checkSocketFile(socketPath_);
  if (found.state == SocketFileState::Refused) return {ClaimOutcome::First, found.reason + ": left as it is" + unreachable};
  if (found.state == SocketFileState::Own) QLocalServer::removeServer(name);  // left by a copy that died

  // The socket is bound where nobody else sees it, made 0700 and only then given its name (Qt's
  // way with UserAccessOption); the last mode bits come off below.
  server_.setSocketOptions(QLocalServer::UserAccessOption);
  if (!server_.listen(name)) {
    return {ClaimOutcome::First, "cannot listen on " + socketPath_.string() + ": " +
                                     server_.errorString().toStdString() + unreachable};
  }
  const SocketFileCheck bound = checkSocketFile(socketPath_);
  if (bound.state != SocketFileState::Own || ::chmod(socketPath_.c_str(), kPrivateFileMode) != 0) {
    server_.close();
    return {ClaimOutcome::First, "cannot make " + socketPath_.string() + " private" + unreachable};
  }
  return {ClaimOutcome::First, {}};
}

void SingleInstance::acceptConnections() {
  while (QLocalSocket* peer = server_.nextPendingConnection()) {
    if (connections_ >= kMaxConnections) {
      peer->abort();
      peer->deleteLater();
      continue;
    }
    ++connections_;
    // The server is the context: when it goes, it takes its sockets without calling back here.
    connect(peer, &QObject::destroyed, &server_, [this] { --connections_; });
    connect(peer, &QLocalSocket::disconnected, peer, &QObject::deleteLater);
    peer->setReadBufferSize(kMaxRequestBytes);
    QTimer::singleShot(kIdleMilliseconds, peer, [peer] {
      peer->abort();
      peer->deleteLater();
    });
    connect(peer, &QLocalSocket::readyRead, peer, [this, peer] {
      if (!peer->canReadLine() && peer->bytesAvailable() < kMaxRequestBytes) return;  // the rest is on its way
      if (peer->readLine(kMaxRequestBytes) == kActivate && onActivationRequested) onActivationRequested();
      peer->disconnectFromServer();
    });
  }
}

ClaimResult SingleInstance::askRunningCopy() const {
  const std::string running = "another copy runs on " + root_.string();
  const SocketPlace place = prepareSocketPlace(root_, runtimeDir_);
  if (place.path.empty()) return {ClaimOutcome::NotAsked, running + ", but " + place.reason};
  const SocketFileCheck found = checkSocketFile(place.path);
  if (found.state == SocketFileState::Missing) {
    return {ClaimOutcome::NotAsked, running + ", but it does not listen on " + place.path.string()};
  }
  if (found.state == SocketFileState::Refused) {
    return {ClaimOutcome::NotAsked, running + ", but " + found.reason + ": not asked to come to the front"};
  }
  QLocalSocket socket;
  socket.connectToServer(QString::fromStdString(place.path.string()));
  if (!socket.waitForConnected(kConnectMilliseconds)) {
    return {ClaimOutcome::NotAsked, running + ", but it does not answer on " + place.path.string()};
  }
  socket.write(kActivate);
  socket.waitForBytesWritten(kConnectMilliseconds);
  if (socket.state() != QLocalSocket::UnconnectedState) socket.waitForDisconnected(kConnectMilliseconds);
  return {ClaimOutcome::Asked, {}};
}

}  // namespace coinest::qt
