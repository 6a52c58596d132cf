#include "shell/command_bar_sets.h"

#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>

#include "shell/popup_menus.h"

namespace coinest {
namespace {

TEST(CommandBarSets, EverySetIsGroupsOfButtonsBetweenSingleSeparators) {
  for (int set = 1; set <= kCommandBarSetCount; ++set) {
    const std::span<const CommandBarButton> buttons = commandBarSet(set);
    ASSERT_GE(buttons.size(), 3u) << "set " << set;
    EXPECT_FALSE(buttons.front().separator()) << "set " << set;
    EXPECT_FALSE(buttons.back().separator()) << "set " << set;
    std::set<int> commands;
    for (std::size_t i = 0; i < buttons.size(); ++i) {
      if (buttons[i].separator()) {
        EXPECT_FALSE(buttons[i - 1].separator()) << "two separators in a row in set " << set;
        continue;
      }
      EXPECT_TRUE(commands.insert(buttons[i].command).second) << buttons[i].command << " twice in set " << set;
    }
  }
  for (int outside : {0, -1, kCommandBarSetCount + 1}) EXPECT_TRUE(commandBarSet(outside).empty()) << outside;
}

// Each page's commands are numbered in a hundred of their own; a set mixing two hundreds holds
// a command of another page.
TEST(CommandBarSets, ASetHoldsTheCommandsOfOnePageAndTheCalculator) {
  std::set<int> pagesWithSets;
  for (int set = 1; set <= kCommandBarSetCount; ++set) {
    std::set<int> hundreds;
    for (const CommandBarButton& button : commandBarSet(set)) {
      if (!button.separator() && button.command != kStartCalculator) hundreds.insert(button.command / 100);
    }
    ASSERT_EQ(hundreds.size(), 1u) << "set " << set;
    pagesWithSets.insert(*hundreds.begin());
  }
  EXPECT_EQ(pagesWithSets.size(), 6u) << "one or two sets for each of the six pages";
}

TEST(CommandBarSets, ACommandLooksAndReadsTheSameInEverySet) {
  std::map<int, const CommandBarButton*> first;
  for (int set = 1; set <= kCommandBarSetCount; ++set) {
    for (const CommandBarButton& button : commandBarSet(set)) {
      if (button.separator()) continue;
      const auto [seen, inserted] = first.emplace(button.command, &button);
      if (inserted) continue;
      EXPECT_EQ(button.glyph, seen->second->glyph) << button.command << " in set " << set;
      EXPECT_EQ(commandBarTip(button), commandBarTip(*seen->second)) << button.command << " in set " << set;
    }
  }
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

// A button without a tip of its own is tipped with the text of the popup item that forwards to
// its command; every item that forwards there reads the same, so the tip cannot depend on which
// menu is found first.
TEST(CommandBarSets, APopupMenusCommandIsTippedWithItsItemText) {
  std::map<int, std::set<std::string_view>> itemTexts;
  for (const PopupMenu& menu : allPopupMenus()) {
    for (const PopupItem& item : menu.items) {
      if (item.command == 0) continue;
      const std::optional<int> command = commandOfPopupItem(item.command);
      ASSERT_TRUE(command.has_value()) << item.command;
      if (*command != 0) itemTexts[*command].insert(item.text);
    }
  }
  int tippedByAnItem = 0;
  for (int set = 1; set <= kCommandBarSetCount; ++set) {
    for (const CommandBarButton& button : commandBarSet(set)) {
      if (button.separator()) continue;
      const auto texts = itemTexts.find(button.command);
      if (!button.tip.empty()) {
        EXPECT_EQ(commandBarTip(button), button.tip);
        // A tip of its own beside an item's text would show the command under two names.
        EXPECT_EQ(texts, itemTexts.end()) << button.command;
        continue;
      }
      ASSERT_NE(texts, itemTexts.end()) << button.command << " has neither a tip nor a popup item";
      ASSERT_EQ(texts->second.size(), 1u) << button.command;
      EXPECT_EQ(commandBarTip(button), *texts->second.begin()) << button.command;
      ++tippedByAnItem;
    }
  }
  EXPECT_GT(tippedByAnItem, 20);
}

}  // namespace
}  // namespace coinest
