#include "calendar/amount.h"

#include <gtest/gtest.h>

#include <limits>
#include <string>
#include <vector>

namespace coinest {
namespace {

struct FormatCase {
  Amount value;
  const char* plain;
  const char* sign;
};

TEST(AmountTest, Formats) {
  constexpr Amount kMin = std::numeric_limits<Amount>::min();
  constexpr Amount kMax = std::numeric_limits<Amount>::max();
  const std::vector<FormatCase> cases = {
      {0, "0", "0"},
      {1, "1", "+1"},
      {999, "999", "+999"},
      {1000, "1,000", "+1,000"},
      {1005, "1,005", "+1,005"},
      {1500, "1,500", "+1,500"},
      {999999, "999,999", "+999,999"},
      {1000000, "1,000,000", "+1,000,000"},
      {1002003, "1,002,003", "+1,002,003"},
      {99999999, "99,999,999", "+99,999,999"},
      {1234567890, "1234,567,890", "+1234,567,890"},  // no fourth group
      {kMax, "2147,483,647", "+2147,483,647"},
      {-1, "1", "-1"},
      {-999, "999", "-999"},
      {-1500, "1,500", "-1,500"},
      {-1000000, "1,000,000", "-1,000,000"},
      {-1234567890, "1234,567,890", "-1234,567,890"},
      {kMin, "2147,483,648", "-2147,483,648"},
  };
  for (const FormatCase& c : cases) {
    EXPECT_EQ(formatAmount(c.value), c.plain) << c.value;
    EXPECT_EQ(formatSignedAmount(c.value), c.sign) << c.value;
    EXPECT_LE(formatSignedAmount(c.value).size(), 14u) << c.value;
  }
}

TEST(AmountTest, IntegerText) {
  struct Case {
    const char* text;
    bool integer;
  };
  const std::vector<Case> cases = {
      {"", true},       {"-", true},      {"0", true},      {"1500", true},
      {"-1500", true},  {"007", true},    {"1,500", false}, {"+1500", false},
      {"15 00", false}, {" 1500", false}, {"1500a", false}, {"a", false},
      {"--1", false},   {"1-", false},    {"1.5", false},   {"１５", false},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(isIntegerText(c.text), c.integer) << "[" << c.text << "]";
  }
}

TEST(AmountTest, ReadsTypedAmounts) {
  struct Case {
    const char* text;
    TypedAmountKind kind;
    Amount value;
  };
  using K = TypedAmountKind;
  const std::vector<Case> cases = {
      {"1500", K::Ok, 1500},
      {"  1500  ", K::Ok, 1500},
      {"-250", K::Ok, -250},
      {"0", K::Ok, 0},
      {"-", K::Ok, 0},
      {"-0", K::Ok, 0},
      {"000123", K::Ok, 123},
      {"2147483647", K::Ok, std::numeric_limits<Amount>::max()},
      {"-2147483648", K::Ok, std::numeric_limits<Amount>::min()},
      {"00000000002147483647", K::Ok, std::numeric_limits<Amount>::max()},
      {"2147483648", K::OutOfRange, 0},
      {"-2147483649", K::OutOfRange, 0},
      {"99999999999999999999999999", K::OutOfRange, 0},
      {"", K::Empty, 0},
      {"    ", K::Empty, 0},
      {"1,500", K::NotInteger, 0},
      {"+1500", K::NotInteger, 0},
      {"15 00", K::NotInteger, 0},
      {"12원", K::NotInteger, 0},
  };
  for (const Case& c : cases) {
    const TypedAmount r = readTypedAmount(c.text);
    EXPECT_EQ(r.kind, c.kind) << "[" << c.text << "]";
    EXPECT_EQ(r.value, c.value) << "[" << c.text << "]";
  }
}

}  // namespace
}  // namespace coinest
