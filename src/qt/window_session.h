#pragma once

// One run of the window: the shell's port, the Shell and, once the shell started, the main
// window. The program's main and the tests start the window the same way through it.

#include <QImage>

#include <filesystem>
#include <memory>
#include <optional>

#include "qt/main_window.h"
#include "qt/qt_shell_ui.h"
#include "shell/shell.h"

namespace coinest::qt {

struct WindowOptions {
  std::filesystem::path root;  // prepared
  const Clock* clock = nullptr;
  int scale = 1;
  std::optional<int> firstPage;
  bool screenshotMode = false;
};

class WindowSession {
 public:
  // `ui` is the port the shell talks to; nothing makes the session's own QtShellUi.
  WindowSession(const WindowOptions& options, std::unique_ptr<QtShellUi> ui);
  ~WindowSession();

  // Starts the shell; when it runs, builds the main window (not shown yet) and draws the
  // first page.
  StartResult start();

  Shell& shell() { return shell_; }
  QtShellUi& ui() { return *ui_; }
  // Nothing before start() ran the shell.
  MainWindow* window() { return window_.get(); }

  // Shows the window, lets it settle and returns its picture, menu bar included.
  QImage picture();
  // The statistics window at `tab` on the settlement page's month, drawn and returned as a picture.
  QImage statisticsPicture(StatisticsTab tab);

 private:
  std::unique_ptr<QtShellUi> ui_;
  Shell shell_;
  int scale_;
  std::unique_ptr<MainWindow> window_;
};

// The largest whole scale whose window fits two thirds of the primary screen's available
// height; at least 1.
int defaultScale();

}  // namespace coinest::qt
