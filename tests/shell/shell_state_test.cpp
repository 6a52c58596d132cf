#include "shell/shell_state.h"

#include <gtest/gtest.h>

namespace coinest {
namespace {

TEST(ShellState, OnlyTheSixStoredPageNumbersNameAPage) {
  struct Case {
    int number;
    bool page;
  };
  const Case cases[] = {{kNoPage, false}, {0, true},  {1, true},  {2, false}, {3, false},
                        {4, true},        {5, true},  {6, true},  {7, true},  {8, false}};
  for (const Case& c : cases) EXPECT_EQ(isPageNumber(c.number), c.page) << c.number;
}

}  // namespace
}  // namespace coinest
