#include "dialogs/year_month_dialog.h"

#include <algorithm>

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
  const TypedYear year = readTypedYear(utf8Prefix(form.yearText, kYearFieldMaxChars));
  if (!year.year) {
    ui.showMessage(year.refusal, MessageCaption::Error);
    return std::nullopt;
  }
  return YearMonth{*year.year, std::clamp(form.monthIndex, 0, kMonths - 1) + 1};
}

std::string bookDateOfMonth(const YearMonth& chosen) {
  return formatDateText(chosen.year, chosen.month, kDayOfAChosenMonth);
}

}  // namespace coinest
