#pragma once

// Everything the book logic asks of the user goes through this interface: message boxes and
// questions now; file choosers, progress and the rest join as their features arrive. The window
// layer implements it with real dialogs, the command-line tool prints and answers, and tests
// script it.

#include <string_view>

namespace coinest {

// The three captions of the program's message boxes.
enum class MessageCaption {
  Notice,    // "알림"
  Question,  // "확인"
  Error,     // "오류"
};

std::string_view captionText(MessageCaption caption);

class UiPort {
 public:
  virtual ~UiPort() = default;

  // A message box with an OK button.
  virtual void showMessage(std::string_view text, MessageCaption caption) = 0;

  // A question with Yes and No buttons (caption "확인"); true for Yes.
  virtual bool askYesNo(std::string_view text) = 0;
};

}  // namespace coinest
