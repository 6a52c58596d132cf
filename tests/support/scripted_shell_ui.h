#pragma once

// A window port for the shell's tests: records every message, question, popup menu and dialog,
// and answers them from scripts.

#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "shell/shell_ui.h"

namespace coinest::testing {

class ScriptedShellUi final : public ShellUi {
 public:
  void showMessage(std::string_view text, MessageCaption caption) override;
  // Yes unless `answers` says otherwise (taken in order).
  bool askYesNo(std::string_view text) override;
  std::optional<std::filesystem::path> chooseSaveFile(const FileChoice& choice) override;
  std::optional<std::filesystem::path> chooseOpenFile(const FileChoice& choice) override;
  // Runs the work (OK) unless `progressAnswers` says otherwise.
  bool runProgressDialog(std::string_view title, int maximum, int position,
                         const std::function<void(ProgressBar&)>& work) override;
  // Records the menu and gives the next of `popupChoices` (0, dismissed, when none is left).
  int trackPopupMenu(const PopupMenu& menu, std::optional<ScreenPoint> at) override;
  // Presses OK with each of `passwords` in turn until the dialog closes; Cancel when none is left.
  void runLoginDialog(LoginDialog& dialog) override;
  // Hands the dialog to `settingsScript` (Cancel when there is none), then Cancel if still open.
  void runSettingsDialog(SettingsDialog& dialog) override;
  // Hands the dialog to `yearMonthScript` (Cancel when there is none), then Cancel if still open.
  void runYearMonthDialog(YearMonthDialog& dialog) override;
  void showAboutBox() override { ++aboutBoxes; }
  // Each hands the dialog to its script (Cancel when there is none), then Cancel if still open.
  void runEntryDialog(EntryDialog& dialog) override;
  void runAssetDialog(AssetDialog& dialog) override;
  void runCategoryDialog(CategoryDialog& dialog) override;
  void runReservationDialog(ReservationDialog& dialog) override;
  void runBooksQueryDialog(BooksQueryDialog& dialog) override;
  void runCardQueryDialog(CardQueryDialog& dialog) override;
  void runAccountQueryDialog(AccountQueryDialog& dialog) override;
  void startCalculator() override { ++calculatorStarts; }
  void setWaitCursor(bool waiting) override { waitCursor = waiting; }
  void showSoftInputPanel(bool shown) override { softInputPanel = shown; }

  struct Message {
    std::string text;
    MessageCaption caption;
  };
  std::vector<Message> messages;  // questions too, with the caption Question
  std::deque<bool> answers;
  std::deque<bool> progressAnswers;
  std::optional<std::filesystem::path> chosenFile;

  struct ShownMenu {
    PopupMenu menu;
    std::optional<ScreenPoint> at;
  };
  std::vector<ShownMenu> menus;
  std::deque<int> popupChoices;

  std::deque<std::string> passwords;
  int loginDialogs = 0;
  std::function<void(SettingsDialog&)> settingsScript;
  int settingsDialogs = 0;
  std::function<void(YearMonthDialog&)> yearMonthScript;
  int yearMonthDialogs = 0;
  int aboutBoxes = 0;
  std::function<void(EntryDialog&)> entryScript;
  std::function<void(AssetDialog&)> assetScript;
  std::function<void(CategoryDialog&)> categoryScript;
  std::function<void(ReservationDialog&)> reservationScript;
  std::function<void(BooksQueryDialog&)> booksQueryScript;
  std::function<void(CardQueryDialog&)> cardQueryScript;
  std::function<void(AccountQueryDialog&)> accountQueryScript;
  int recordDialogs = 0;  // every dialog of the seven above that was run
  int calculatorStarts = 0;
  bool waitCursor = false;
  bool softInputPanel = false;

  // The texts of the messages, in order.
  std::vector<std::string> messageTexts() const;
};

}  // namespace coinest::testing
