#pragma once

// The settings dialog ("가계부 환경설정"): the login prompt with its password, the settlement's
// "only categories with entries", the day a settlement month begins and the automatic carry-over.
// The model holds what the dialog's controls hold; save() checks it and writes both settings
// records in one transaction.

#include <optional>
#include <utility>
#include <string>
#include <string_view>
#include <vector>

#include "ledger/settlement_month.h"
#include "platform/object_store.h"
#include "platform/status.h"
#include "platform/ui_port.h"
#include "store/records.h"

namespace coinest {

inline constexpr std::string_view kPasswordTooShortMessage = "비밀번호는 최소 4자리이상 입력해야 합니다";
inline constexpr std::string_view kPasswordMismatchMessage = "비밀번호와 확인번호가 일치하지 않습니다";

// "1일" to "28일": the start-day list.
std::vector<std::string> settlementStartDayTexts();

struct SettingsForm {
  bool loginPrompt = false;
  std::string password;      // the first password field ("비밀번호:")
  std::string confirmation;  // the second ("확인번호:")
  bool showUsedOnly = false;
  int startDayIndex = 0;     // 0 for "1일" .. 27 for "28일"
  bool autoCarryOver = false;

  // The password fields take input only while the login prompt is checked.
  bool passwordFieldsEnabled() const { return loginPrompt; }
};

// The form as the dialog opens on the stored settings: the password in both fields; a start day
// outside 1..28 selects the first entry.
SettingsForm openSettingsForm(const ConSettings& con, const Con2Settings& con2);

// The message that keeps the dialog open (the focus then goes to the first password field), or
// nothing when the form may be saved. Only a form with the login prompt on is checked: at least
// four characters, and the same text in both fields.
std::optional<std::string_view> checkSettingsForm(const SettingsForm& form);

enum class SettingsSave {
  Saved,    // both records written; the dialog closes
  Refused,  // a check failed and its message was shown (caption "오류"): nothing written
  Failed,   // the book refused the write: nothing written (see the status)
};

struct SettingsSaveResult {
  SettingsSave outcome = SettingsSave::Refused;
  Status status;
  ConSettings con;    // as stored, when saved
  Con2Settings con2;  // as stored, when saved
};

// OK: checks the form, then writes "CoinestCon" (the first password field's text is stored also
// when the prompt is off) and "CoinestCon2" (the new carry-over flag with the year and month it
// held) in one transaction, and reads them back.
SettingsSaveResult saveSettingsForm(ObjectStore& store, UiPort& ui, const SettingsForm& form);

// The dialog as the window runs it: the window edits `form`, then presses OK or Cancel until
// closed() holds. A save the book refuses is told (caption "오류") and the dialog stays open.
class SettingsDialog {
 public:
  SettingsDialog(ObjectStore& store, UiPort& ui, SettingsForm form) : form(std::move(form)), store_(store), ui_(ui) {}
  SettingsForm form;
  void pressOk();
  void pressCancel() { closed_ = true; }
  bool closed() const { return closed_; }
  // The stored settings after a save; nothing after Cancel.
  const std::optional<SettingsSaveResult>& saved() const { return saved_; }

 private:
  ObjectStore& store_;
  UiPort& ui_;
  bool closed_ = false;
  std::optional<SettingsSaveResult> saved_;
};

}  // namespace coinest
