#include "cli/console_ui.h"

namespace coinest::cli {

void ConsoleUi::showMessage(std::string_view text, MessageCaption) { out_ << text << '\n'; }

bool ConsoleUi::askYesNo(std::string_view) { return true; }

}  // namespace coinest::cli
