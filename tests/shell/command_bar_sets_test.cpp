#include "shell/command_bar_sets.h"

#include <gtest/gtest.h>

#include <map>
#include <string>

namespace coinest {
namespace {

// A set written as the bar's table writes it: command/image, "|" for a separator.
std::string describe(int set) {
  std::string text;
  for (const CommandBarButton& button : commandBarSet(set)) {
    if (!text.empty()) text += ' ';
    text += button.separator() ? "|" : std::to_string(button.command) + "/" +
                                           std::to_string(static_cast<int>(button.glyph));
  }
  return text;
}

TEST(CommandBarSets, EachSetHoldsItsButtonsInOrder) {
  const std::map<int, std::string> expected = {
      {1, "10605/7 | 10601/5 | 10701/11"},
      {2, "10606/10 | 10607/8 10608/9 | 10701/11"},
      {3, "10118/7 | 10101/17 10102/18 10103/19 | 10110/14 10115/16 10111/15 | 10701/11"},
      {4, "10119/10 | 10102/18 10103/19 | 10120/8 10121/9 | 10701/11"},
      {5, "10201/17 10202/18 10203/19 | 10701/11"},
      {6, "10307/7 | 10301/14 10303/16 10302/15 | 10304/5 | 10311/4 | 10701/11"},
      {7, "10308/10 | 10309/8 10310/9 | 10701/11"},
      {8, "10509/17 10510/18 10511/19 10505/12 10506/13 | 10501/0 10502/1 10503/2 10507/27 10508/28"},
      {9, "10406/7 | 10401/17 10402/18 10403/19 | 10701/11"},
      {10, "10407/10 | 10402/18 10403/19 | 10408/8 10409/9 | 10701/11"},
  };
  for (const auto& [set, buttons] : expected) EXPECT_EQ(describe(set), buttons) << "set " << set;
  for (int outside : {0, -1, 11}) EXPECT_TRUE(commandBarSet(outside).empty()) << outside;
}

TEST(CommandBarSets, OnlyTheMinorRowsSwitchChecksAndEveryButtonHasATip) {
  int checkable = 0;
  for (int set = 1; set <= kCommandBarSetCount; ++set) {
    for (const CommandBarButton& button : commandBarSet(set)) {
      if (button.separator()) continue;
      EXPECT_FALSE(commandBarTip(button).empty()) << button.command;
      if (button.checkable()) {
        ++checkable;
        EXPECT_EQ(button.command, kMinorRowsButton);
      }
    }
  }
  EXPECT_EQ(checkable, 1);
}

TEST(CommandBarSets, APopupMenusCommandIsTippedWithItsItemText) {
  const std::map<int, std::string_view> expected = {
      {10118, "자세히 보기"}, {10103, "장부 삭제하기"}, {10304, "결산 년월 변경하기"},
      {10506, "항목순서 아래로 이동하기"}, {10407, "돌아가기"}, {10701, "계산기"}};
  for (int set = 1; set <= kCommandBarSetCount; ++set) {
    for (const CommandBarButton& button : commandBarSet(set)) {
      if (const auto found = expected.find(button.command); found != expected.end()) {
        EXPECT_EQ(commandBarTip(button), found->second) << button.command;
      }
    }
  }
}

}  // namespace
}  // namespace coinest
