#pragma once

#include <ostream>

#include "platform/ui_port.h"

namespace coinest::cli {

// The command-line tool's stand-in for the message boxes: each message is printed on a line of
// its own, and every question is answered Yes (the command itself is the user's answer).
class ConsoleUi final : public UiPort {
 public:
  explicit ConsoleUi(std::ostream& out) : out_(out) {}
  void showMessage(std::string_view text, MessageCaption caption) override;
  bool askYesNo(std::string_view text) override;

 private:
  std::ostream& out_;
};

}  // namespace coinest::cli
