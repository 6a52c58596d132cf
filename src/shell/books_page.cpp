#include "shell/books_page.h"

#include "shell/shell_context.h"

namespace coinest {

void redrawBooksPage(ShellContext&) {}
void setBookViewMode(ShellContext&, char) {}
void moveBookPeriod(ShellContext&, int) {}
void showBookToday(ShellContext&) {}
void moveBookMonth(ShellContext&, int) {}
void pickCalendarDay(ShellContext&, int, int) {}
void restoreBooksList(ShellContext&) {}
void booksSelectionChanged(ShellContext&, int) {}
void showEntryDetail(ShellContext&) {}
void hideEntryDetail(ShellContext&) {}
void deleteSelectedEntry(ShellContext&) {}
void forgetBookRead(ShellContext&) {}

}  // namespace coinest
