#pragma once

// The main window ("가계부"): the menu bar, and under it the 240 by 320 layout times the scale,
// with one widget per control of the control table and the command bar. It draws the shell's
// Screen whenever its revision moved and turns every user action into one call of the Shell,
// then draws again and puts the keyboard focus where the Screen says.

#include <QMainWindow>
#include <QTimer>

#include <cstdint>
#include <functional>
#include <unordered_map>

#include "qt/statistics_window.h"
#include "shell/shell.h"

namespace coinest::qt {

class CalWindow;
class CommandBar;
class PageList;
class QtShellUi;

// The 240 by 320 area under the menu bar: the background, the tab strip and the white frame
// behind the page's list.
class ScreenArea : public QWidget {
  Q_OBJECT
 public:
  ScreenArea(int scale, QWidget* parent);
  void setListFrameBottom(int bottom);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  int scale_;
  int listFrameBottom_;
};

class MainWindow : public QMainWindow {
  Q_OBJECT
 public:
  // REQUIRES: `shell` was started (or the window only ever shows a Screen through showScreen).
  MainWindow(Shell& shell, QtShellUi& ui, int scale);
  ~MainWindow() override;

  // Starts the one-second timer that calls Shell::tick().
  void startTimer();

  // Draws `screen`: visibility, texts, pressed states, rows and selections, the calendar and
  // the command bar's set.
  void showScreen(const Screen& screen);
  // After a call into the shell: draws the Screen when it changed, applies its focus, and
  // closes the window when the shell asked for that.
  void sync();

  int scale() const { return scale_; }
  ScreenArea* screenArea() const { return area_; }
  // The widget of a control of the table; nullptr for an unknown id.
  QWidget* controlWidget(int id) const;
  PageList* list(int id) const;
  CalWindow* calendar() const { return calendar_; }
  CommandBar* commandBar() const { return commandBar_; }
  // How often the rows of any list were rebuilt (a page switch that keeps rows rebuilds none).
  int rowRebuilds() const { return rowRebuilds_; }
  // Whether the close ran Shell::exit() and it failed (the user was told).
  bool exitFailed() const { return exitFailed_; }

  // The statistics window on the settlement page's month, at `tab`; returns when it is closed.
  void openStatistics(StatisticsTab tab);
  // The export's choices, then its file chooser; returns when the dialog is closed.
  void openExport();

  // Sends a command number to the shell through callShell; a number the shell does not know is
  // reported on the error stream and changes nothing.
  void sendCommand(int command);

  // Runs `call` on the shell, then sync(). Calls from inside another (a dialog's own event
  // loop) are made too; the timer's tick is not.
  template <typename Call>
  void callShell(Call call) {
    ++depth_;
    call(shell_);
    --depth_;
    sync();
  }

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  void buildMenus();
  void buildStatisticsMenu();
  void buildControls();
  void wireControl(const ControlSpec& control, QWidget* widget);
  std::function<void()> fieldFocusHandler(int id);
  void applyFocus(int controlId);
  ScreenPoint layoutPoint(QWidget* from, QPoint at) const;
  QPoint keyMenuPoint() const;

  Shell& shell_;
  QtShellUi& ui_;
  int scale_;
  ScreenArea* area_ = nullptr;
  CommandBar* commandBar_ = nullptr;
  CalWindow* calendar_ = nullptr;
  std::unordered_map<int, QWidget*> widgets_;
  std::unordered_map<int, PageList*> lists_;
  std::uint64_t shownRevision_ = 0;
  bool shownOnce_ = false;
  int depth_ = 0;
  int rowRebuilds_ = 0;
  bool exited_ = false;
  bool exitFailed_ = false;
  bool applyingFocus_ = false;
  QTimer* ticker_ = nullptr;
};

}  // namespace coinest::qt
