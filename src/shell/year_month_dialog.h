#pragma once

// The year-month dialog ("년월 바로가기") of the books and settlement pages: a four-digit year and a
// month from a list, checked on OK.

#include <optional>
#include <utility>
#include <string>
#include <string_view>
#include <vector>

#include "calendar/date_text.h"
#include "platform/ui_port.h"

namespace coinest {

inline constexpr std::size_t kYearFieldMaxChars = 4;
inline constexpr std::string_view kFirstValidYear = "1841";
inline constexpr std::string_view kLastValidYear = "2050";
inline constexpr std::string_view kYearTooShortMessage = "년도 자료가 올바르지 않습니다";
inline constexpr std::string_view kYearOutOfRangeMessage =
    "년도 자료가 유효하지 않습니다\n(1841년에서 2050년까지만 유효함)";

struct YearMonthForm {
  std::string yearText;  // the year field, at most four digits
  int monthIndex = 0;    // 0 for "1" .. 11 for "12"
};

// "1" to "12": the month list.
std::vector<std::string> monthListTexts();

// The dialog as it opens on a year and month (the calendar's, or the settlement month).
YearMonthForm openYearMonthForm(int year, int month);

// OK: the chosen year and month; nothing when the year is refused, after its message (caption
// "오류"): fewer than four characters once spaces are trimmed, or a text before "1841" or after
// "2050" (compared as texts). The dialog then stays open with the focus on the year field.
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
