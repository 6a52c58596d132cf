#pragma once

// Everything the book logic asks of the user goes through this interface: message boxes and
// questions now; file choosers, progress and the rest join as their features arrive. The window
// layer implements it with real dialogs, the command-line tool prints and answers, and tests
// script it.

#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace coinest {

// The three captions of the program's message boxes.
enum class MessageCaption {
  Notice,    // "알림"
  Question,  // "확인"
  Error,     // "오류"
};

std::string_view captionText(MessageCaption caption);

// What a file chooser offers: a filter ("Brivanta 가계부 백업파일", "*.cnb"), a default extension
// and, for saving, a proposed name.
struct FileChoice {
  std::string filterTitle;
  std::string pattern;
  std::string defaultExtension;
  std::string proposedName;
};

// The bar of the progress dialog, moved by the work that runs inside it.
class ProgressBar {
 public:
  virtual ~ProgressBar() = default;
  virtual void setPosition(int position) = 0;
};

class UiPort {
 public:
  virtual ~UiPort() = default;

  // A message box with an OK button.
  virtual void showMessage(std::string_view text, MessageCaption caption) = 0;

  // A question with Yes and No buttons (caption "확인"); true for Yes.
  virtual bool askYesNo(std::string_view text) = 0;

  // The save-file and open-file choosers; nothing when the user cancels.
  virtual std::optional<std::filesystem::path> chooseSaveFile(const FileChoice& choice) = 0;
  virtual std::optional<std::filesystem::path> chooseOpenFile(const FileChoice& choice) = 0;

  // The modal progress dialog: shows `title` and a bar from 0 to `maximum` at `position`, and waits
  // for "확인" or "취소". On "확인" runs `work` (which moves the bar) and returns true when it ends;
  // on "취소" returns false without running it.
  virtual bool runProgressDialog(std::string_view title, int maximum, int position,
                                 const std::function<void(ProgressBar&)>& work) = 0;
};

}  // namespace coinest
