#pragma once

// A page context over a new book (today 2007-03-05 unless given), for testing the shell's page
// functions without starting the whole shell: the state starts as the shell's start leaves it
// (books page date today, settlement month of today) with no page shown yet.

#include "shell/shell_context.h"
#include "support/book_fixture.h"
#include "support/scripted_shell_ui.h"

namespace coinest::testing {

class ShellContextFixture {
 public:
  explicit ShellContextFixture(CalendarDate today = {2007, 3, 5});

  Book& book() { return books_.book(); }
  BookFixture& bookFixture() { return books_; }
  ShellContext& context() { return context_; }
  Screen& screen() { return context_.screen; }
  ShellState& state() { return context_.state; }
  // Makes `page` the current page and shows its controls, as a page command does before the
  // page fills its list.
  void showPage(int page);

  ScriptedShellUi ui;

 private:
  BookFixture books_;
  ShellContext context_;
};

}  // namespace coinest::testing
