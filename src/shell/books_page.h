#pragma once

// The books page: the entries of the selected day, week or month with their three totals, the
// month calendar, the date captions with the lunar date and the holiday name, and the entry
// detail panel.

#include <cstdint>

#include "ledger/book_period.h"
#include "ledger/book_view.h"
#include "shell/command_ids.h"

namespace coinest {

struct ShellContext;

struct BooksPageState {
  BookPeriod period;  // `bookDate` of the shell state and the list's range
  int32_t selectedEntryId = 0;
  BookReadCache readCache;
  int dateCaption = kMondayCaption;  // the one of the seven date captions that shows (Sunday first)
};

// Rebuilds the list for the range, writes the range into the hidden date fields, draws the
// calendar and the date captions of the range start's month, and focuses the list.
void redrawBooksPage(ShellContext& context);
// kDayView, kWeekView, kMonthView: the mode's range around `bookDate`, then the page drawn again.
void setBookViewMode(ShellContext& context, BookViewMode mode);
// kPreviousBookPeriod and kNextBookPeriod (step -1 and +1).
void moveBookPeriod(ShellContext& context, int step);
// kBookToday.
void showBookToday(ShellContext& context);
// kPreviousMonthButton and kNextMonthButton (step -1 and +1): the 7th of the month before or after.
void moveBookMonth(ShellContext& context, int step);
// A tap on the calendar's cell of `day` in `row`.
void pickCalendarDay(ShellContext& context, int day, int row);
// The list as it was, its remembered row selected and the remembered date caption shown.
void restoreBooksList(ShellContext& context);
void booksSelectionChanged(ShellContext& context, int row);
// kShowEntryDetail and kHideEntryDetail.
void showEntryDetail(ShellContext& context);
void hideEntryDetail(ShellContext& context);
// kDeleteEntry: asks first.
void deleteSelectedEntry(ShellContext& context);
// The next rebuild reads the entries again.
void forgetBookRead(ShellContext& context);

}  // namespace coinest
