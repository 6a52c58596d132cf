#include "shell/shell_state.h"

#include <gtest/gtest.h>

namespace coinest {
namespace {

TEST(ShellState, PageNumbersAreTheStoredOnes) {
  struct Case {
    int number;
    std::optional<Page> page;
  };
  const Case cases[] = {{0, Page::Query},      {1, Page::Assets},     {2, std::nullopt},
                        {3, std::nullopt},     {4, Page::Books},      {5, Page::Reservations},
                        {6, Page::Settlement}, {7, Page::Categories}, {8, std::nullopt},
                        {kNoPage, std::nullopt}};
  for (const Case& c : cases) EXPECT_EQ(pageOfNumber(c.number), c.page) << c.number;
}

}  // namespace
}  // namespace coinest
