#include "shell/books_page.h"

#include <array>
#include <string>

#include "calendar/date_text.h"
#include "calendar/lunar_calendar.h"
#include "ledger/entry_rules.h"
#include "shell/command_ids.h"
#include "shell/detail_panel.h"
#include "shell/list_rows.h"
#include "shell/shell_context.h"
#include "store/holiday_table.h"

namespace coinest {

namespace {

constexpr std::array<int, 3> kModeButtons{kDayViewButton, kWeekViewButton, kMonthViewButton};
constexpr std::array<std::string_view, 3> kModeTitles{"일별 장부", "주별 장부", "월별 장부"};

constexpr std::array<std::string_view, 7> kWeekdayNames{"일", "월", "화", "수", "목", "금", "토"};
constexpr std::string_view kDeleteQuestion = "장부 자료를 삭제 하시겠습니까?";

BookViewMode modeOf(const ShellState& state) { return state.bookViewMode; }

int modeIndex(BookViewMode mode) {
  switch (mode) {
    case BookViewMode::Week: return 1;
    case BookViewMode::Month: return 2;
    case BookViewMode::Day: break;
  }
  return 0;
}

// The caption of the selected date: "3월 5일 (월)" in the colour of its weekday, the Sunday colour
// for a holiday; the lunar date and the holiday's name under it.
void showDateCaptions(ShellContext& context) {
  Screen& screen = context.screen;
  const std::string& date = context.state.bookDate;
  const DateFields fields = readDateText(date);
  const DateTime day = addDays(fields.year, fields.month, fields.day, 0);
  const std::optional<std::string> holiday = holidayNameOf(context.book, date);
  int caption = kSundayCaption + day.dayOfWeek;
  if (holiday || day.dayOfWeek == 0) caption = kSundayCaption;
  if (!holiday && day.dayOfWeek == 6) caption = kSaturdayCaption;
  context.books.dateCaption = caption;
  screen.setText(caption, std::to_string(fields.month) + "월 " + std::to_string(fields.day) + "일 (" +
                              std::string(kWeekdayNames[day.dayOfWeek]) + ")");
  const std::optional<LunarDate> lunar = solarToLunar(fields.year, fields.month, fields.day);
  screen.setText(kLunarField, lunar ? lunarCaption(*lunar) : std::string());
  screen.setText(kHolidayField, holiday.value_or(std::string()));
}

int32_t selectedEntryId(const ShellContext& context) {
  return idOfRow(context.screen, kBooksList, context.screen.selectedRow(kBooksList));
}

void showDetailOfSelection(ShellContext& context) {
  context.tellOnce(fillEntryDetailPanel(context.screen, context.book, selectedEntryId(context)));
}

void rememberSelection(ShellContext& context) {
  context.state.selectedRow[static_cast<int>(ListPage::Books)] = context.screen.selectedRow(kBooksList);
}

}  // namespace

void redrawBooksPage(ShellContext& context) {
  Screen& screen = context.screen;
  BooksPageState& page = context.books;
  const BookViewMode mode = modeOf(context.state);
  {
    // One snapshot for the whole page: the list, the totals and the calendar agree.
    TransactionGuard snapshot(context.book.store, TransactionKind::Read);
    Book& book = context.book;
    const BookView view = buildBookView(book, page.readCache, {page.period.date, mode, page.selectedEntryId},
                                        [&book](std::string_view date) { return holidayNameOf(book, date).has_value(); });
    screen.setRows(kBooksList, entryListCells(view.rows));
    screen.selectRow(kBooksList, view.selectedRow ? static_cast<int>(*view.selectedRow) : -1);
    screen.setText(kBooksIncomeTotal, view.income);
    screen.setText(kBooksExpenseTotal, view.expense);
    screen.setText(kBooksCashTotal, view.cash);
    screen.calendar = view.calendar;
    screen.setText(kBooksYearField, std::to_string(view.calendar.year) + "년");
    screen.setText(kBooksMonthField, std::to_string(view.calendar.month) + "월");
    showDateCaptions(context);
    context.tellOnce(snapshot.finish());
  }
  screen.setText(kRangeStartField, page.period.start);
  screen.setText(kRangeEndField, page.period.end);
  for (int i = 0; i < static_cast<int>(kModeButtons.size()); ++i) screen.setPressed(kModeButtons[i], i == modeIndex(mode));
  screen.setText(kBooksTitleHeader, kModeTitles[static_cast<std::size_t>(modeIndex(mode))]);
  screen.setText(kBooksRangeHeader, page.period.start == page.period.end
                                   ? page.period.start
                                   : page.period.start + " ~ " + page.period.end.substr(5));
  rememberSelection(context);
  if (context.state.booksPanel == PanelMode::Detail) showDetailOfSelection(context);
  if (context.state.currentPage == PageBooks) context.showPageControls();
  screen.touch();
  context.focus(kBooksList);
}

void setBookViewMode(ShellContext& context, BookViewMode mode) {
  context.state.bookViewMode = mode;
  context.books.period = bookPeriodOf(context.state.bookDate, modeOf(context.state));
  redrawBooksPage(context);
}

void moveBookPeriod(ShellContext& context, int step) {
  const BookViewMode mode = modeOf(context.state);
  BookPeriod& period = context.books.period;
  period = step < 0 ? previousBookPeriod(period, mode) : nextBookPeriod(period, mode);
  context.state.bookDate = period.date;
  redrawBooksPage(context);
}

void showBookToday(ShellContext& context) {
  context.state.bookDate = today(context.book.clock).text;
  setBookViewMode(context, context.state.bookViewMode);
}

void moveBookMonth(ShellContext& context, int step) {
  context.focus(kBooksList);
  context.state.bookDate = step < 0 ? previousBookMonth(context.state.bookDate) : nextBookMonth(context.state.bookDate);
  setBookViewMode(context, context.state.bookViewMode);
}

void pickCalendarDay(ShellContext& context, int day, int row) {
  const BookCalendar& shown = context.screen.calendar;
  const std::optional<DateText> picked = calendarDayPick(shown.year, shown.month, day, row);
  if (!picked) return;
  context.state.bookDate = *picked;
  setBookViewMode(context, context.state.bookViewMode);
}

void restoreBooksList(ShellContext& context) {
  context.screen.selectRow(kBooksList, context.state.selectedRow[static_cast<int>(ListPage::Books)]);
}

void booksSelectionChanged(ShellContext& context, int row) {
  context.screen.selectRow(kBooksList, row);
  rememberSelection(context);
  context.books.selectedEntryId = selectedEntryId(context);
  if (context.state.booksPanel == PanelMode::Detail) showDetailOfSelection(context);
}

void showEntryDetail(ShellContext& context) {
  if (context.screen.rowCount(kBooksList) == 0) return;
  if (context.screen.selectedRow(kBooksList) < 0) context.screen.selectRow(kBooksList, 0);
  showDetailOfSelection(context);
  switchPanel(context, context.state.booksPanel, PanelMode::Detail, kBooksList);
}

void hideEntryDetail(ShellContext& context) {
  switchPanel(context, context.state.booksPanel, PanelMode::List, kBooksList);
}

void deleteSelectedEntry(ShellContext& context) {
  Screen& screen = context.screen;
  context.focus(kBooksList);
  const int row = screen.selectedRow(kBooksList);
  const int32_t id = selectedEntryId(context);
  if (screen.rowCount(kBooksList) == 0 || id == 0) return;
  if (!context.ui.askYesNo(kDeleteQuestion)) return;
  const bool deleted = [&] {
    WaitCursor waiting(context.ui);
    return deleteEntry(context.book, id);
  }();
  if (!deleted) {
    const std::string& reason = context.book.store.lastError();
    if (!reason.empty()) context.ui.showMessage(reason, MessageCaption::Error);
    return;
  }
  bookChanged(context, BookChange::Entries, ListPage::Books);
  context.books.selectedEntryId = 0;
  const int rowsLeft = screen.rowCount(kBooksList) - 1;
  redrawBooksPage(context);
  // The row that took the deleted one's place, or the one above when it was the last.
  screen.selectRow(kBooksList, std::min(row, rowsLeft - 1));
  booksSelectionChanged(context, screen.selectedRow(kBooksList));
  context.focus(kBooksList);
}

void forgetBookRead(ShellContext& context) { context.books.readCache.invalidate(); }

}  // namespace coinest
