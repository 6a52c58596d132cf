#include "dialogs/settings_dialog.h"

#include "dialogs/login_dialog.h"
#include "platform/utf8_text.h"
#include "store/settings_records.h"
#include "store/yes_no_flag.h"

namespace coinest {

namespace {

constexpr std::size_t kPasswordMinChars = 4;

const char* flag(bool on) { return on ? kYes : kNo; }

}  // namespace

std::vector<std::string> settlementStartDayTexts() {
  std::vector<std::string> texts;
  for (int day = kFirstSettlementStartDay; day <= kLastSettlementStartDay; ++day) texts.push_back(std::to_string(day) + "일");
  return texts;
}

SettingsForm openSettingsForm(const ConSettings& con, const Con2Settings& con2) {
  SettingsForm form;
  form.loginPrompt = isYes(con.loginPrompt);
  form.password = con.password;
  form.confirmation = con.password;
  form.showUsedOnly = isYes(con.showUsedOnly);
  form.startDayIndex = settlementStartDayOf(con.settlementStartDay) - 1;
  form.autoCarryOver = isYes(con2.autoCarryOver);
  return form;
}

std::optional<std::string_view> checkSettingsForm(const SettingsForm& form) {
  if (!form.loginPrompt) return std::nullopt;
  const std::string_view password = utf8Prefix(form.password, kPasswordMaxChars);
  if (utf8Length(password) < kPasswordMinChars) return kPasswordTooShortMessage;
  if (password != utf8Prefix(form.confirmation, kPasswordMaxChars)) return kPasswordMismatchMessage;
  return std::nullopt;
}

SettingsSaveResult saveSettingsForm(ObjectStore& store, UiPort& ui, const SettingsForm& form) {
  SettingsSaveResult result;
  if (const std::optional<std::string_view> refused = checkSettingsForm(form)) {
    ui.showMessage(*refused, MessageCaption::Error);
    return result;
  }
  const int index = form.startDayIndex >= 0 && form.startDayIndex < kLastSettlementStartDay ? form.startDayIndex : 0;
  TransactionGuard tx(store);
  writeConSettings(store, ConSettings{flag(form.loginPrompt), std::string(utf8Prefix(form.password, kPasswordMaxChars)),
                                      flag(form.showUsedOnly), std::to_string(index + 1)});
  Con2Settings con2;
  readCon2Settings(store, con2);
  con2.autoCarryOver = flag(form.autoCarryOver);
  writeCon2Settings(store, con2);
  readConSettings(store, result.con);
  readCon2Settings(store, result.con2);
  // A write that failed has failed the transaction: nothing of the form is kept.
  result.status = tx.finish();
  result.outcome = result.status ? SettingsSave::Saved : SettingsSave::Failed;
  return result;
}

void SettingsDialog::pressOk() {
  SettingsSaveResult result = saveSettingsForm(store_, ui_, form);
  if (result.outcome == SettingsSave::Failed) {
    ui_.showMessage(result.status.reason(), MessageCaption::Error);
    return;
  }
  if (result.outcome != SettingsSave::Saved) return;
  saved_ = std::move(result);
  closed_ = true;
}

}  // namespace coinest
