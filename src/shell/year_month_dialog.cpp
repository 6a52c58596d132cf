#include "shell/year_month_dialog.h"

#include <algorithm>

#include "calendar/typed_text.h"
#include "platform/utf8_text.h"

namespace coinest {

namespace {

constexpr int kMonths = 12;
constexpr int kDayOfAChosenMonth = 7;

}  // namespace

std::vector<std::string> monthListTexts() {
  std::vector<std::string> texts;
  for (int month = 1; month <= kMonths; ++month) texts.push_back(std::to_string(month));
  return texts;
}

YearMonthForm openYearMonthForm(int year, int month) {
  return YearMonthForm{std::to_string(year), std::clamp(month, 1, kMonths) - 1};
}

std::optional<YearMonth> acceptYearMonthForm(const YearMonthForm& form, UiPort& ui) {
  const std::string year = trimTypedText(utf8Prefix(form.yearText, kYearFieldMaxChars));
  if (year.size() < kYearFieldMaxChars) {
    ui.showMessage(kYearTooShortMessage, MessageCaption::Error);
    return std::nullopt;
  }
  // Compared as texts, as the field's digits are: anything but four digits in range is refused.
  const bool digits = std::all_of(year.begin(), year.end(), [](char c) { return c >= '0' && c <= '9'; });
  if (!digits || year < kFirstValidYear || year > kLastValidYear) {
    ui.showMessage(kYearOutOfRangeMessage, MessageCaption::Error);
    return std::nullopt;
  }
  return YearMonth{std::stoi(year), std::clamp(form.monthIndex, 0, kMonths - 1) + 1};
}

std::string bookDateOfMonth(const YearMonth& chosen) {
  return formatDateText(chosen.year, chosen.month, kDayOfAChosenMonth);
}

}  // namespace coinest
