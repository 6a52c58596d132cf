#include "dialogs/year_month_dialog.h"

#include <gtest/gtest.h>

#include "support/book_fixture.h"

namespace coinest {
namespace {

TEST(YearMonthDialog, OpensOnTheMonthShown) {
  const std::vector<std::string> months = monthListTexts();
  ASSERT_EQ(months.size(), 12u);
  EXPECT_EQ(months.front(), "1");
  EXPECT_EQ(months.back(), "12");
  const YearMonthForm form = openYearMonthForm(2007, 3);
  EXPECT_EQ(form.yearText, "2007");
  EXPECT_EQ(form.monthIndex, 2);
}

TEST(YearMonthDialog, TakesFourDigitYearsFrom1841To2050) {
  struct Case {
    std::string year;
    int monthIndex;
    std::optional<YearMonth> chosen;
    std::string_view message;  // empty when accepted
  };
  const Case cases[] = {
      {"2050", 11, YearMonth{2050, 12}, ""},
      {"1841", 0, YearMonth{1841, 1}, ""},
      {" 2007 ", 2, std::nullopt, kYearMalformedMessage},  // the field holds four characters: " 200"
      {"207", 2, std::nullopt, kYearMalformedMessage},
      {"", 2, std::nullopt, kYearMalformedMessage},
      {"1840", 0, std::nullopt, kYearOutOfRangeMessage},
      {"2051", 0, std::nullopt, kYearOutOfRangeMessage},
      {"9999", 0, std::nullopt, kYearOutOfRangeMessage},
      {"20a0", 0, std::nullopt, kYearMalformedMessage},  // no year, though it sorts after the last
  };
  for (const Case& c : cases) {
    testing::ScriptedUiPort ui;
    EXPECT_EQ(acceptYearMonthForm(YearMonthForm{c.year, c.monthIndex}, ui), c.chosen) << c.year;
    if (c.message.empty()) {
      EXPECT_TRUE(ui.messages.empty()) << c.year;
    } else {
      ASSERT_EQ(ui.messages.size(), 1u) << c.year;
      EXPECT_EQ(ui.messages[0].text, c.message) << c.year;
      EXPECT_EQ(ui.messages[0].caption, MessageCaption::Error) << c.year;
    }
  }
  EXPECT_EQ(bookDateOfMonth(YearMonth{2050, 12}), "2050-12-07");
}

}  // namespace
}  // namespace coinest
