#include "ledger/entry_row.h"

#include <gtest/gtest.h>

#include "ledger/total_amount.h"
#include "support/record_builders.h"

namespace coinest {
namespace {

TEST(EntryRowTest, ContentPrefixFollowsTheFirstRuleThatHolds) {
  struct Case {
    const char* what;
    std::string kind, card, phone, check;
    int32_t assetId, reserveId;
    const char* expected;
  };
  const Case cases[] = {
      {"transfer before all", "3", "N", "N", "N", 0, 0, "[이]x"},
      {"credit card", "2", "Y", "N", "N", 7, 0, "[카]x"},
      {"card before phone", "2", "Y", "Y", "N", 0, 0, "[카]x"},
      {"phone", "2", "N", "Y", "N", 0, 0, "[폰]x"},
      {"cash", "1", "N", "N", "N", 0, 0, "x"},
      {"check card", "2", "N", "N", "Y", 7, 0, "[체]x"},
      {"account income", "1", "N", "N", "N", 7, 0, "[계]x"},
      {"reservation mark in front", "2", "Y", "N", "N", 7, 3, "@[카]x"},
      {"reserved cash", "2", "N", "N", "N", 0, 3, "@x"},
  };
  for (const Case& c : cases) {
    LedgerEntry e = testing::makeEntry({.kind = c.kind, .content = "x", .cardFlag = c.card, .assetId = c.assetId});
    e.phoneFlag = c.phone;
    e.checkCardFlag = c.check;
    e.reserveId = c.reserveId;
    EXPECT_EQ(entryRowContent(e), c.expected) << c.what;
  }
}

TEST(EntryRowTest, RowDateDropsTheYear) {
  EXPECT_EQ(rowDateText("2007-03-05"), "03/05");
  EXPECT_EQ(rowDateText("2007-02-31"), "02/31");
  EXPECT_EQ(rowDateText("3-5"), "3/5");
}

TEST(TotalAmountTest, TotalsBeyondOneAmountKeepTheAmountForm) {
  EXPECT_EQ(formatTotalAmount(0), "0");
  EXPECT_EQ(formatTotalAmount(-15500), "15,500");
  EXPECT_EQ(formatTotalAmount(2147483647), "2147,483,647");
  EXPECT_EQ(formatTotalAmount(3500000000LL), "3500,000,000");
  EXPECT_EQ(formatTotalAmount(-123456789012LL), "123456,789,012");
}

}  // namespace
}  // namespace coinest
