#include "dialogs/login_dialog.h"

#include "platform/utf8_text.h"
#include "store/yes_no_flag.h"

namespace coinest {

bool loginRequired(const ConSettings& settings) { return isYes(settings.loginPrompt) && !settings.password.empty(); }

void LoginDialog::pressOk(std::string_view typed) {
  if (closed_) return;
  ++attempts_;
  if (utf8Prefix(typed, kPasswordMaxChars) == password_) {
    passed_ = true;
    closed_ = true;
    return;
  }
  ui_.showMessage(kWrongPasswordMessage, MessageCaption::Notice);
  if (attempts_ >= kLoginAttemptsAllowed) closed_ = true;
}

}  // namespace coinest
