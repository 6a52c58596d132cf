#pragma once

// The year-month dialog ("년월 바로가기") of the books and settlement pages: a four-digit year and a
// month from a list, checked on OK.

#include <optional>
#include <utility>
#include <string>
#include <string_view>
#include <vector>

#include "calendar/date_text.h"
#include "dialogs/typed_year.h"
#include "platform/ui_port.h"

namespace coinest {

struct YearMonthForm {
  std::string yearText;  // the year field, at most four digits
  int monthIndex = 0;    // 0 for "1" .. 11 for "12"
};

// "1" to "12": the month list.
std::vector<std::string> monthListTexts();

// The dialog as it opens on a year and month (the calendar's, or the settlement month).
YearMonthForm openYearMonthForm(int year, int month);

// OK: the chosen year and month; nothing when the year field's four characters are refused as a
// typed year (typed_year.h), after its message (caption "오류"). The dialog then stays open with
// the focus on the year field.
std::optional<YearMonth> acceptYearMonthForm(const YearMonthForm& form, UiPort& ui);

// The dialog as the window runs it: OK until a year is accepted, or Cancel.
class YearMonthDialog {
 public:
  YearMonthDialog(UiPort& ui, YearMonthForm form) : form(std::move(form)), ui_(ui) {}
  YearMonthForm form;
  void pressOk() {
    chosen_ = acceptYearMonthForm(form, ui_);
    closed_ = chosen_.has_value();
  }
  void pressCancel() { closed_ = true; }
  bool closed() const { return closed_; }
  const std::optional<YearMonth>& chosen() const { return chosen_; }

 private:
  UiPort& ui_;
  bool closed_ = false;
  std::optional<YearMonth> chosen_;
};

// The books page's date for a chosen month: its 7th, "yyyy-MM-07".
std::string bookDateOfMonth(const YearMonth& chosen);

}  // namespace coinest
