#include "support/shell_fixture.h"

#include "calendar/date_text.h"

namespace coinest::testing {

ShellContextFixture::ShellContextFixture(CalendarDate today)
    : books_(today), context_(books_.book(), ui, books_.root()) {
  const std::string date = formatDateText(today.year, today.month, today.day);
  context_.state.bookDate = date;
  context_.books.period = bookPeriodOf(date, BookViewMode::Day);
  context_.state.settlementYear = today.year;
  context_.state.settlementMonth = today.month;
}

void ShellContextFixture::showPage(int page) {
  context_.state.currentPage = page;
  context_.showPageControls();
}

}  // namespace coinest::testing
