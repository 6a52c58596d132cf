#pragma once

// The shell's window port in Qt: message boxes and questions, popup menus, the shell's dialogs,
// file choosers, the progress dialog, the calculator, the wait cursor and the soft input panel.
// In screenshot mode nothing waits for a user: messages go to stderr, every question is
// answered No, menus and dialogs are dismissed, and a wanted login is remembered so the program
// can end instead.

#include <QMenu>
#include <QPoint>
#include <QWidget>

#include <functional>

#include "shell/shell_ui.h"

namespace coinest::qt {

class QtShellUi : public ShellUi {
 public:
  QtShellUi(int scale, bool screenshotMode) : scale_(scale), screenshotMode_(screenshotMode) {}

  // The window the dialogs belong to, and where a menu opened by a key goes (in the window's
  // coordinates). Both are set once the main window exists.
  void attach(QWidget* window, std::function<QPoint()> keyMenuPoint);
  // Maps a point of the 240 by 320 layout to the screen.
  QPoint globalPoint(ScreenPoint at) const;

  void showMessage(std::string_view text, MessageCaption caption) override;
  bool askYesNo(std::string_view text) override;
  std::optional<std::filesystem::path> chooseSaveFile(const FileChoice& choice) override;
  std::optional<std::filesystem::path> chooseOpenFile(const FileChoice& choice) override;
  bool runProgressDialog(std::string_view title, int maximum, int position,
                         const std::function<void(ProgressBar&)>& work) override;

  int trackPopupMenu(const PopupMenu& menu, std::optional<ScreenPoint> at) override;
  void runLoginDialog(LoginDialog& dialog) override;
  void runSettingsDialog(SettingsDialog& dialog) override;
  void runYearMonthDialog(YearMonthDialog& dialog) override;
  void showAboutBox() override;
  void runEntryDialog(EntryDialog& dialog) override;
  void runAssetDialog(AssetDialog& dialog) override;
  void runCategoryDialog(CategoryDialog& dialog) override;
  void runReservationDialog(ReservationDialog& dialog) override;
  void runBooksQueryDialog(BooksQueryDialog& dialog) override;
  void runCardQueryDialog(CardQueryDialog& dialog) override;
  void runAccountQueryDialog(AccountQueryDialog& dialog) override;
  void startCalculator() override;
  void setWaitCursor(bool waiting) override;
  void showSoftInputPanel(bool shown) override { softInputPanelShown_ = shown; }

  bool loginWanted() const { return loginWanted_; }
  bool softInputPanelShown() const { return softInputPanelShown_; }
  bool screenshotMode() const { return screenshotMode_; }

 protected:
  // Runs the built menu at `at` (screen coordinates) and returns the chosen action or nullptr
  // (always nullptr in screenshot mode). Tests override it to look at the menu instead.
  virtual QAction* execMenu(QMenu& menu, QPoint at);

 private:
  // The window a message box or a question belongs to: the open dialog's, else the main window.
  QWidget* ownerOfMessages() const;

  int scale_;
  bool screenshotMode_;
  QWidget* window_ = nullptr;
  std::function<QPoint()> keyMenuPoint_;
  bool loginWanted_ = false;
  bool waiting_ = false;
  bool softInputPanelShown_ = false;
};

}  // namespace coinest::qt
