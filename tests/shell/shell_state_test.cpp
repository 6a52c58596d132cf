#include "shell/shell_state.h"

#include <gtest/gtest.h>

namespace coinest {
namespace {

TEST(ShellState, OnlyTheSixPageNumbersNameAPage) {
  for (int number = -3; number <= 9; ++number) {
    const bool page = number == 0 || number == 1 || (number >= 4 && number <= 7);
    EXPECT_EQ(isPageNumber(number), page) << number;
  }
}

}  // namespace
}  // namespace coinest
