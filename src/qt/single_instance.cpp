#include "qt/single_instance.h"

#include <QCryptographicHash>
#include <QLocalSocket>

namespace coinest::qt {
namespace {

constexpr int kConnectMilliseconds = 2000;
constexpr char kActivate[] = "activate\n";

std::filesystem::path canonicalRoot(const std::filesystem::path& root) {
  std::error_code error;
  std::filesystem::path path = std::filesystem::canonical(root, error);
  return error ? std::filesystem::absolute(root, error) : path;
}

}  // namespace

QString SingleInstance::serverName(const std::filesystem::path& root) {
  const QByteArray hash =
      QCryptographicHash::hash(QByteArray::fromStdString(canonicalRoot(root).string()), QCryptographicHash::Sha256);
  return QStringLiteral("coinest-") + QString::fromLatin1(hash.toHex().left(24));
}

SingleInstance::SingleInstance(const std::filesystem::path& root)
    : name_(serverName(root)), lock_(QString::fromStdString((canonicalRoot(root) / "coinest.lock").string())) {
  connect(&server_, &QLocalServer::newConnection, this, [this] {
    while (QLocalSocket* peer = server_.nextPendingConnection()) {
      connect(peer, &QLocalSocket::readyRead, this, [this, peer] {
        if (peer->readAll().contains("activate") && onActivationRequested) onActivationRequested();
        peer->disconnectFromServer();
      });
      connect(peer, &QLocalSocket::disconnected, peer, &QObject::deleteLater);
    }
  });
}

bool SingleInstance::claim() {
  // The lock decides; the socket only carries the request. A lock left by a copy that died is
  // taken over (QLockFile checks its process).
  if (!lock_.tryLock(0)) {
    askRunningCopy();
    return false;
  }
  QLocalServer::removeServer(name_);  // a socket file left behind by a copy that died
  server_.listen(name_);
  return true;
}

bool SingleInstance::askRunningCopy() const {
  QLocalSocket socket;
  socket.connectToServer(name_);
  if (!socket.waitForConnected(kConnectMilliseconds)) return false;
  socket.write(kActivate);
  socket.waitForBytesWritten(kConnectMilliseconds);
  socket.waitForDisconnected(kConnectMilliseconds);
  return true;
}

}  // namespace coinest::qt
