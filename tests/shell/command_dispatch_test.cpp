// Every number the window can send, taken from the tables it builds its menus, bar and pages
// from, reaches a handler of the shell; a number no table holds is reported and changes nothing.

#include <gtest/gtest.h>

#include <memory>
#include <set>
#include <string>
#include <vector>

#include "platform/clock.h"
#include "shell/command_bar_sets.h"
#include "shell/control_table.h"
#include "shell/menu_bar.h"
#include "shell/popup_menus.h"
#include "shell/shell.h"
#include "support/scripted_shell_ui.h"
#include "support/temp_dir.h"

namespace coinest {
namespace {

struct Sent {
  std::string from;  // which table, for the failure message
  int number;
};

std::vector<Sent> everyCommandOfTheTables() {
  std::vector<Sent> sent;
  for (const MenuBarMenu& menu : menuBar()) {
    for (const MenuBarItem& item : menu.items) {
      if (!item.separator()) sent.push_back({"menu " + std::string(menu.title), item.command});
    }
  }
  for (const Accelerator& accelerator : accelerators()) {
    sent.push_back({"accelerator " + std::string(accelerator.keys), accelerator.command});
  }
  for (const PopupMenu& menu : allPopupMenus()) {
    for (const PopupItem& item : menu.items) {
      if (item.command != 0) sent.push_back({"popup menu " + std::to_string(menu.id), item.command});
    }
  }
  for (int set = 1; set <= kCommandBarSetCount; ++set) {
    for (const CommandBarButton& button : commandBarSet(set)) {
      if (!button.separator()) sent.push_back({"command bar set " + std::to_string(set), button.command});
    }
  }
  // Every button of the pages, the tabs among them, sends its id when clicked.
  for (const ControlSpec& control : controlTable()) {
    if (control.kind == ControlKind::Button) sent.push_back({"button", control.id});
  }
  return sent;
}

class CommandDispatch : public ::testing::Test {
 protected:
  void SetUp() override {
    // No to every question: the walk reaches the reset and the deletes, and should not run them.
    ui.answers.assign(1000, false);
    shell = std::make_unique<Shell>(ShellOptions{root.path(), &clock, "", std::nullopt}, ui);
    ASSERT_EQ(shell->start().outcome, StartOutcome::Running);
  }

  testing::TempDir root;
  FixedDateClock clock{2007, 3, 5};
  testing::ScriptedShellUi ui;
  std::unique_ptr<Shell> shell;
};

TEST_F(CommandDispatch, EveryMenuPopupKeyAndBarItemAndEveryButtonIsHandled) {
  const std::vector<Sent> sent = everyCommandOfTheTables();
  ASSERT_GT(sent.size(), 100u);
  for (const Sent& item : sent) {
    EXPECT_EQ(shell->command(item.number), CommandOutcome::Handled) << item.from << ": " << item.number;
  }
}

TEST_F(CommandDispatch, EveryFieldOfThePagesIsHandledWhenItTakesTheFocus) {
  int fields = 0;
  for (const ControlSpec& control : controlTable()) {
    if (control.kind != ControlKind::Field && control.kind != ControlKind::Caption) continue;
    ++fields;
    EXPECT_EQ(shell->fieldFocused(control.id), CommandOutcome::Handled) << control.id;
  }
  EXPECT_GT(fields, 50);
}

TEST_F(CommandDispatch, ANumberNoTableHoldsIsReportedAndChangesNothing) {
  // The command-bar and control ranges are routed to the shell's handlers, the popup range to
  // the menus' items: numbers inside each range that no table holds, and numbers outside them.
  const int unknown[] = {0,     -1,    2,     40004, 40099, 40100, 40139, 40299, 10000, 10104,
                         10312, 10504, 10999, 20000, 20020, 22999, kBooksList, kMajorCategoryList, 50000};
  std::set<int> known;
  for (const Sent& item : everyCommandOfTheTables()) known.insert(item.number);
  for (int number : unknown) {
    ASSERT_FALSE(known.contains(number)) << number << " is a command of a table";
    const std::uint64_t revision = shell->screen().revision();
    const int page = shell->state().currentPage;
    const std::size_t messages = ui.messages.size();
    EXPECT_EQ(shell->command(number), CommandOutcome::Unknown) << number;
    EXPECT_EQ(shell->screen().revision(), revision) << number;
    EXPECT_EQ(shell->state().currentPage, page) << number;
    EXPECT_EQ(ui.messages.size(), messages) << number;
    EXPECT_EQ(ui.recordDialogs + ui.settingsDialogs + ui.yearMonthDialogs + ui.aboutBoxes, 0) << number;
    EXPECT_FALSE(shell->closeRequested()) << number;
  }
  EXPECT_EQ(shell->fieldFocused(20020), CommandOutcome::Unknown);
}

TEST(CommandTables, EachNumberMeansOneThing) {
  // A popup item forwards by its number, so two items may share a command but never a number.
  std::set<int> popupItems;
  for (const PopupMenu& menu : allPopupMenus()) {
    for (const PopupItem& item : menu.items) {
      if (item.command == 0) continue;
      EXPECT_TRUE(popupItems.insert(item.command).second) << item.command;
    }
  }
  std::set<int> menuCommands;
  for (const MenuBarMenu& menu : menuBar()) {
    for (const MenuBarItem& item : menu.items) {
      if (item.separator()) continue;
      EXPECT_TRUE(menuCommands.insert(item.command).second) << item.command;
    }
  }
  std::set<std::string_view> keys;
  for (const Accelerator& accelerator : accelerators()) {
    EXPECT_TRUE(keys.insert(accelerator.keys).second) << accelerator.keys;
    EXPECT_FALSE(popupItems.contains(accelerator.command)) << accelerator.command;
  }
  for (int command : menuCommands) EXPECT_FALSE(popupItems.contains(command)) << command;
  // A control is found by its id, and a click on a button sends that id as a command.
  for (const ControlSpec& control : controlTable()) {
    EXPECT_FALSE(popupItems.contains(control.id) || menuCommands.contains(control.id)) << control.id;
    for (int set = 1; set <= kCommandBarSetCount; ++set) {
      for (const CommandBarButton& button : commandBarSet(set)) EXPECT_NE(button.command, control.id);
    }
  }
}

}  // namespace
}  // namespace coinest
