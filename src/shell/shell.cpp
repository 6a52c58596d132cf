#include "shell/shell.h"

#include "exchange/change_file.h"
#include "platform/object_store.h"
#include "shell/shell_context.h"
#include "store/book.h"

namespace coinest {

Shell::Shell(ShellOptions options, ShellUi& ui) : options_(std::move(options)), ui_(ui) {}
Shell::~Shell() = default;

StartResult Shell::start() { return {StartOutcome::Failed, Status::failure("not built yet")}; }
void Shell::command(int) {}
void Shell::fieldFocused(int) {}
void Shell::listSelectionChanged(int, int) {}
void Shell::listTapped(int, int) {}
void Shell::listHeld(int, std::optional<ScreenPoint>) {}
void Shell::listKey(int, int) {}
void Shell::calendarTapped(int, int) {}
void Shell::tick() {}
Status Shell::exit() { return Status::ok(); }
const Screen& Shell::screen() const { return context_->screen; }
const ShellState& Shell::state() const { return context_->state; }

}  // namespace coinest
