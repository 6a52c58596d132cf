#pragma once

// What the shell asks of the window beyond message boxes and file choosers: popup menus, the
// modal dialogs of the shell (login, settings, year-month, about), the calculator, the cursor and
// the soft input panel. The Qt window implements it; tests script it.

#include <optional>
#include <string_view>
#include <vector>

#include "platform/ui_port.h"

namespace coinest {

class AccountQueryDialog;
class AssetDialog;
class BooksQueryDialog;
class CardQueryDialog;
class CategoryDialog;
class EntryDialog;
class LoginDialog;
class ReservationDialog;
class SettingsDialog;
class YearMonthDialog;

// A point of the main window in the 240 by 320 layout's pixels.
struct ScreenPoint {
  int x = 0;
  int y = 0;
};

struct PopupItem {
  int command = 0;  // 0 for a separator
  std::string_view text;
  bool checked = false;
};

struct PopupMenu {
  int id = 0;  // the menu's resource number (popup::BooksListMenu to popup::QueryDetailMenu)
  std::vector<PopupItem> items;
};

class ShellUi : public UiPort {
 public:
  // Shows `menu` at `at` (nothing: where the window sees fit, for the Enter key) and returns the
  // command of the chosen item, or 0 when the menu was dismissed.
  virtual int trackPopupMenu(const PopupMenu& menu, std::optional<ScreenPoint> at) = 0;

  // Each runs its dialog until the model says it is closed.
  virtual void runLoginDialog(LoginDialog& dialog) = 0;
  virtual void runSettingsDialog(SettingsDialog& dialog) = 0;
  virtual void runYearMonthDialog(YearMonthDialog& dialog) = 0;
  virtual void showAboutBox() = 0;

  // The dialogs that record the book, each run until its model says it is closed.
  virtual void runEntryDialog(EntryDialog& dialog) = 0;
  virtual void runAssetDialog(AssetDialog& dialog) = 0;
  virtual void runCategoryDialog(CategoryDialog& dialog) = 0;
  virtual void runReservationDialog(ReservationDialog& dialog) = 0;
  virtual void runBooksQueryDialog(BooksQueryDialog& dialog) = 0;
  virtual void runCardQueryDialog(CardQueryDialog& dialog) = 0;
  virtual void runAccountQueryDialog(AccountQueryDialog& dialog) = 0;

  // Starts the desktop's calculator; nothing is reported when none starts.
  virtual void startCalculator() = 0;
  virtual void setWaitCursor(bool waiting) = 0;
  virtual void showSoftInputPanel(bool shown) = 0;
};

// Shows the wait cursor for its lifetime.
class WaitCursor {
 public:
  explicit WaitCursor(ShellUi& ui) : ui_(ui) { ui_.setWaitCursor(true); }
  ~WaitCursor() { ui_.setWaitCursor(false); }
  WaitCursor(const WaitCursor&) = delete;
  WaitCursor& operator=(const WaitCursor&) = delete;

 private:
  ShellUi& ui_;
};

}  // namespace coinest
