#include "dialogs/reservation_list.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <tuple>
#include <vector>

#include "support/record_builders.h"

namespace coinest {
namespace {

TEST(ReservationListRow, PrefixOfTheMeansDayAndSignedAmount) {
  struct Case {
    const char* kind;
    const char* cardFlag;
    const char* phoneFlag;
    const char* checkCardFlag;
    int32_t assetId;
    ReservationListRow expected;
  };
  const Case cases[] = {
      // The card flag wins over everything, then the phone; no asset is cash, whatever the flags.
      {kExpenseKind, kYes, kYes, kYes, 10050, {" 7일", "[카]rent", "-300,000", 10001}},
      {kExpenseKind, kNo, kYes, kYes, 10050, {" 7일", "[폰]rent", "-300,000", 10001}},
      {kExpenseKind, kNo, kNo, kYes, 0, {" 7일", "rent", "-300,000", 10001}},
      {kExpenseKind, kNo, kNo, kYes, 10050, {" 7일", "[체]rent", "-300,000", 10001}},
      {kExpenseKind, kNo, kNo, kNo, 10050, {" 7일", "[계]rent", "-300,000", 10001}},
      {kIncomeKind, kNo, kNo, kNo, 0, {" 7일", "rent", "+300,000", 10001}},
  };
  for (const Case& c : cases) {
    Reservation r = testing::makeReservation(
        {.id = 10001, .dayOfMonth = 7, .kind = c.kind, .content = "rent", .cardFlag = c.cardFlag, .assetId = c.assetId});
    r.phoneFlag = c.phoneFlag;
    r.checkCardFlag = c.checkCardFlag;
    EXPECT_EQ(reservationListRowOf(r), c.expected) << c.expected.content << " " << c.kind;
  }
  // An amount a foreign file made the smallest 32-bit value is still shown, negated.
  Reservation extreme = testing::makeReservation({.id = 1, .dayOfMonth = 31, .amount = INT32_MIN});
  EXPECT_EQ(reservationListRowOf(extreme).amount, "+2147,483,648");
  EXPECT_EQ(reservationListRowOf(extreme).day, "31일");
}

TEST(ReservationListRows, DayTextThenKindThenId) {
  std::vector<Reservation> list;
  for (auto [id, day, kind] : {std::tuple{5, 10, kExpenseKind}, {4, 9, kExpenseKind}, {3, 10, kIncomeKind},
                               {2, 10, kExpenseKind}, {1, 31, kIncomeKind}}) {
    list.push_back(testing::makeReservation({.id = id, .dayOfMonth = day, .kind = kind}));
  }
  std::vector<int32_t> order;
  for (const ReservationListRow& row : reservationListRows(list)) order.push_back(row.reserveId);
  // " 9일" sorts before "10일": the padding space comes before every digit.
  EXPECT_EQ(order, (std::vector<int32_t>{4, 3, 2, 5, 1}));
}

}  // namespace
}  // namespace coinest
