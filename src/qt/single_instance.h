#pragma once

// One running copy per device root: the first copy holds a lock file in the root and listens on
// a local socket named after the root; a second copy asks it to come to the front and ends.

#include <QLocalServer>
#include <QLockFile>
#include <QObject>

#include <filesystem>
#include <functional>
#include <memory>

namespace coinest::qt {

class SingleInstance : public QObject {
  Q_OBJECT
 public:
  explicit SingleInstance(const std::filesystem::path& root);

  // True when this is the only copy on the root: it now holds the lock and listens. False when
  // another copy runs; that copy was asked to come to the front.
  bool claim();

  // Called in the first copy when a later one asks it to come to the front.
  std::function<void()> onActivationRequested;

  // The local socket's name for `root`: the hash of its canonical path.
  static QString serverName(const std::filesystem::path& root);

 private:
  bool askRunningCopy() const;

  QString name_;
  QLockFile lock_;
  QLocalServer server_;
};

}  // namespace coinest::qt
