#include "qt/window_session.h"

#include <QApplication>
#include <QGuiApplication>
#include <QMenuBar>
#include <QScreen>

#include <algorithm>

#include "platform/device_root.h"

namespace coinest::qt {
namespace {

// The menu bar's height at scale 1, near enough for choosing the scale.
constexpr int kMenuBarAllowance = 24;

ShellOptions shellOptions(const WindowOptions& options) {
  ShellOptions shell;
  shell.root = options.root;
  shell.clock = options.clock;
  shell.firstPage = options.firstPage;
  return shell;
}

}  // namespace

WindowSession::WindowSession(const WindowOptions& options, std::unique_ptr<QtShellUi> ui)
    : ui_(std::move(ui)), shell_(shellOptions(options), *ui_), scale_(options.scale) {}

WindowSession::~WindowSession() = default;

StartResult WindowSession::start() {
  StartResult result = shell_.start();
  if (result.outcome != StartOutcome::Running) return result;
  window_ = std::make_unique<MainWindow>(shell_, *ui_, scale_);
  window_->sync();
  window_->startTimer();
  return result;
}

QImage WindowSession::picture() {
  window_->show();
  QApplication::processEvents();
  window_->sync();
  QApplication::processEvents();
  return window_->grab().toImage();
}

QImage WindowSession::statisticsPicture(StatisticsTab tab) {
  StatisticsWindow statistics(StatisticsModel::ofShell(shell_.context()), tab);
  statistics.show();
  QApplication::processEvents();
  return statistics.grab().toImage();
}

int defaultScale() {
  const QScreen* screen = QGuiApplication::primaryScreen();
  if (!screen) return 1;
  const int usable = screen->availableGeometry().height() * 2 / 3;
  return std::max(1, usable / (kScreenHeight + kMenuBarAllowance));
}

}  // namespace coinest::qt
