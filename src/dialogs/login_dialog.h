#pragma once

// The login dialog ("로그인"): asks for the book's password at start. Three OK presses at most;
// the caller ends the program when the dialog closes without the password.

#include <cstddef>
#include <string>
#include <string_view>

#include "platform/ui_port.h"
#include "store/records.h"

namespace coinest {

// A password field takes at most this many characters.
inline constexpr std::size_t kPasswordMaxChars = 10;
inline constexpr int kLoginAttemptsAllowed = 3;

inline constexpr std::string_view kWrongPasswordMessage =
    "올바르지 않은 비밀번호입니다.\n비밀번호를 다시 입력하세요.";

// Whether the start asks for the password: the prompt is on and a password is set.
bool loginRequired(const ConSettings& settings);

class LoginDialog {
 public:
  LoginDialog(std::string password, UiPort& ui) : password_(std::move(password)), ui_(ui) {}

  // OK with `typed` in the password field (cut to kPasswordMaxChars characters). The right
  // password (compared exactly) passes and closes the dialog; a wrong one is told and the field
  // keeps the focus; the third press closes the dialog whatever it brought.
  void pressOk(std::string_view typed);
  void pressCancel() { closed_ = true; }

  bool passed() const { return passed_; }
  bool closed() const { return closed_; }
  int attempts() const { return attempts_; }

 private:
  std::string password_;
  UiPort& ui_;
  bool passed_ = false;
  bool closed_ = false;
  int attempts_ = 0;
};

}  // namespace coinest
