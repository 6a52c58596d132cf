#include "support/scripted_shell_ui.h"

#include "dialogs/asset_dialog.h"
#include "dialogs/category_dialog.h"
#include "dialogs/entry_dialog.h"
#include "dialogs/login_dialog.h"
#include "dialogs/query_dialogs.h"
#include "dialogs/reservation_dialog.h"
#include "dialogs/settings_dialog.h"
#include "dialogs/year_month_dialog.h"

namespace coinest::testing {

void ScriptedShellUi::showMessage(std::string_view text, MessageCaption caption) {
  messages.push_back({std::string(text), caption});
}

bool ScriptedShellUi::askYesNo(std::string_view text) {
  messages.push_back({std::string(text), MessageCaption::Question});
  if (answers.empty()) return true;
  const bool answer = answers.front();
  answers.pop_front();
  return answer;
}

std::optional<std::filesystem::path> ScriptedShellUi::chooseSaveFile(const FileChoice&) { return chosenFile; }
std::optional<std::filesystem::path> ScriptedShellUi::chooseOpenFile(const FileChoice&) { return chosenFile; }

namespace {

class NoBar final : public ProgressBar {
 public:
  void setPosition(int) override {}
};

}  // namespace

bool ScriptedShellUi::runProgressDialog(std::string_view, int, int, const std::function<void(ProgressBar&)>& work) {
  const bool ok = progressAnswers.empty() ? true : progressAnswers.front();
  if (!progressAnswers.empty()) progressAnswers.pop_front();
  if (!ok) return false;
  NoBar bar;
  work(bar);
  return true;
}

int ScriptedShellUi::trackPopupMenu(const PopupMenu& menu, std::optional<ScreenPoint> at) {
  menus.push_back({menu, at});
  if (popupChoices.empty()) return 0;
  const int choice = popupChoices.front();
  popupChoices.pop_front();
  return choice;
}

void ScriptedShellUi::runLoginDialog(LoginDialog& dialog) {
  ++loginDialogs;
  while (!dialog.closed()) {
    if (passwords.empty()) {
      dialog.pressCancel();
      break;
    }
    const std::string typed = passwords.front();
    passwords.pop_front();
    dialog.pressOk(typed);
  }
}

void ScriptedShellUi::runSettingsDialog(SettingsDialog& dialog) {
  ++settingsDialogs;
  if (settingsScript) settingsScript(dialog);
  if (!dialog.closed()) dialog.pressCancel();
}

void ScriptedShellUi::runYearMonthDialog(YearMonthDialog& dialog) {
  ++yearMonthDialogs;
  if (yearMonthScript) yearMonthScript(dialog);
  if (!dialog.closed()) dialog.pressCancel();
}

namespace {

template <typename Dialog>
void runScripted(const std::function<void(Dialog&)>& script, Dialog& dialog, int& count) {
  ++count;
  if (script) script(dialog);
  if (!dialog.closed()) dialog.pressCancel();
}

}  // namespace

void ScriptedShellUi::runEntryDialog(EntryDialog& dialog) { runScripted(entryScript, dialog, recordDialogs); }
void ScriptedShellUi::runAssetDialog(AssetDialog& dialog) { runScripted(assetScript, dialog, recordDialogs); }
void ScriptedShellUi::runCategoryDialog(CategoryDialog& dialog) { runScripted(categoryScript, dialog, recordDialogs); }
void ScriptedShellUi::runReservationDialog(ReservationDialog& dialog) {
  runScripted(reservationScript, dialog, recordDialogs);
}
void ScriptedShellUi::runBooksQueryDialog(BooksQueryDialog& dialog) {
  runScripted(booksQueryScript, dialog, recordDialogs);
}
void ScriptedShellUi::runCardQueryDialog(CardQueryDialog& dialog) { runScripted(cardQueryScript, dialog, recordDialogs); }
void ScriptedShellUi::runAccountQueryDialog(AccountQueryDialog& dialog) {
  runScripted(accountQueryScript, dialog, recordDialogs);
}

std::vector<std::string> ScriptedShellUi::messageTexts() const {
  std::vector<std::string> texts;
  for (const Message& m : messages) texts.push_back(m.text);
  return texts;
}

}  // namespace coinest::testing
