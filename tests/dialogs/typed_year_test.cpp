#include "dialogs/typed_year.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <string_view>

#include "dialogs/query_dialogs.h"
#include "dialogs/year_month_dialog.h"
#include "support/book_fixture.h"

namespace coinest {
namespace {

TEST(TypedYear, MustBeFourDigitsInRange) {
  struct Case {
    const char* typed;
    std::optional<int> year;
    std::string_view refusal;
  };
  const Case cases[] = {
      {"2007", 2007, {}},
      {" 1841 ", 1841, {}},
      {"2050", 2050, {}},
      {"185", std::nullopt, kYearMalformedMessage},
      {"", std::nullopt, kYearMalformedMessage},
      {"19a5", std::nullopt, kYearMalformedMessage},  // sorts between the bounds, but is no year
      {"20a0", std::nullopt, kYearMalformedMessage},  // sorts after the last year, but is no year either
      {"20071", std::nullopt, kYearMalformedMessage},
      {"+200", std::nullopt, kYearMalformedMessage},
      {"1840", std::nullopt, kYearOutOfRangeMessage},
      {"2051", std::nullopt, kYearOutOfRangeMessage},
      {"0999", std::nullopt, kYearOutOfRangeMessage},
  };
  for (const Case& c : cases) {
    const TypedYear read = readTypedYear(c.typed);
    EXPECT_EQ(read.year, c.year) << c.typed;
    EXPECT_EQ(read.refusal, c.refusal) << c.typed;
  }
}

// The year-month dialog and the card query's dialog tell the same message for the same text.
TEST(TypedYear, EveryYearFieldRefusesATextWithTheSameMessage) {
  for (const char* typed : {"19a5", "20a0", "207", "1840", "2051", "2007"}) {
    testing::ScriptedUiPort yearMonthUi;
    const std::optional<YearMonth> chosen = acceptYearMonthForm(YearMonthForm{typed, 0}, yearMonthUi);

    testing::BookFixture f;
    QueryPageState page = startQueryPageState(f.book().clock);
    CardQueryDialog card(f.book(), f.ui, page);
    card.setYearText(typed);
    card.pressOk();

    EXPECT_EQ(chosen.has_value(), card.accepted()) << typed;
    ASSERT_EQ(yearMonthUi.messages.size(), f.ui.messages.size()) << typed;
    if (!f.ui.messages.empty()) {
      EXPECT_EQ(yearMonthUi.messages[0].text, f.ui.messages[0].text) << typed;
      EXPECT_EQ(yearMonthUi.messages[0].text, readTypedYear(typed).refusal) << typed;
    }
  }
}

}  // namespace
}  // namespace coinest
