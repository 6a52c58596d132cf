#include "shell/shell.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>

#include "dialogs/category_dialog.h"
#include "dialogs/entry_dialog.h"
#include "dialogs/settings_dialog.h"
#include "dialogs/year_month_dialog.h"
#include "ledger/entry_rules.h"
#include "platform/device_root.h"
#include "platform/registry_file.h"
#include "shell/holiday_refresh.h"
#include "shell/ini_file.h"
#include "shell/shell_context.h"
#include "store/entry_table.h"
#include "store/posting_date.h"
#include "store/reservation_tables.h"
#include "store/settings_records.h"
#include "support/book_fixture.h"
#include "support/cli_runner.h"
#include "support/record_builders.h"
#include "support/require_ok.h"
#include "support/scripted_shell_ui.h"
#include "support/temp_dir.h"

namespace coinest {
namespace {

using testing::makeEntry;
using testing::ScriptedShellUi;

constexpr int kBooksTab = 20015;
constexpr int kQueryTab = 20011;
constexpr int kAssetsTab = 20012;
constexpr std::string_view kCarryOverQuestion = "지난달 현금잔액을 전월이월 하시겠습니까?";

// A device root that outlives the shells started on it, each with its own scripted window.
class ShellTest : public ::testing::Test {
 protected:
  std::unique_ptr<Shell> startShell(CalendarDate today = {2007, 3, 5}, std::optional<int> page = std::nullopt) {
    clock_ = std::make_unique<FixedDateClock>(today.year, today.month, today.day);
    ui = ScriptedShellUi{};
    ui.passwords = passwords;
    auto shell = std::make_unique<Shell>(ShellOptions{root_.path(), clock_.get(), oemInfo, page}, ui);
    start = shell->start();
    return shell;
  }

  // Writes into the book of the root with the library, as another run would have.
  template <typename Write>
  void withBook(Write write, CalendarDate today = {2007, 3, 5}) {
    testing::RootBook book(root_.path(), today);
    write(book.book());
  }

  bool asked(std::string_view text) const {
    for (const auto& m : ui.messages) {
      if (m.text == text) return true;
    }
    return false;
  }

  std::vector<int> visibleControls(const Shell& shell) const {
    std::vector<int> ids;
    for (const ControlSpec& control : controlTable()) {
      if (shell.screen().at(control.id).visible) ids.push_back(control.id);
    }
    return ids;
  }

  const std::filesystem::path& root() const { return root_.path(); }

  ScriptedShellUi ui;
  std::deque<std::string> passwords;
  std::string oemInfo;
  StartResult start;

 private:
  testing::TempDir root_;
  std::unique_ptr<FixedDateClock> clock_;
};

TEST_F(ShellTest, FirstStartShowsTodayOnTheBooksPageInDayModeWithOnlyItsControls) {
  auto shell = startShell();
  ASSERT_EQ(start.outcome, StartOutcome::Running);
  const ShellState& state = shell->state();
  EXPECT_EQ(state.currentPage, PageBooks);
  EXPECT_EQ(state.bookViewMode, BookViewMode::Day);
  EXPECT_EQ(state.bookDate, "2007-03-05");
  const Screen& screen = shell->screen();
  EXPECT_EQ(screen.commandBar.visibleSet, 3);
  EXPECT_EQ(screen.focus, kBooksList);
  EXPECT_TRUE(screen.at(21032).pressed);
  for (const ControlSpec& control : controlTable()) {
    const bool expected = control.page == kEveryPage ||
                          (control.page == PageBooks && control.group == ControlGroup::Page) || control.id == 20125;
    EXPECT_EQ(screen.at(control.id).visible, expected) << control.id;
  }
  EXPECT_EQ(screen.at(20125).text, "3월 5일 (월)");
  EXPECT_EQ(screen.at(20110).text, "(음1/16)");
  EXPECT_EQ(screen.at(20100).text, "2007년");
  EXPECT_EQ(screen.at(20101).text, "3월");
  EXPECT_EQ(screen.at(21049).text, "0");
  // The holiday table is not refreshed on the very first start.
  EXPECT_FALSE(readRegistryValue(registryFilePath(root()), kHolidayRefreshKey, kHolidayRefreshValue));
}

TEST_F(ShellTest, HolidayCaptionAndRedSundayStyleForAHoliday) {
  auto shell = startShell({2007, 3, 1});
  EXPECT_EQ(shell->state().bookDate, "2007-03-01");
  EXPECT_TRUE(shell->screen().at(20124).visible);
  EXPECT_EQ(shell->screen().at(20124).text, "3월 1일 (목)");
  EXPECT_EQ(shell->screen().at(21114).text, "삼일절");
}

// A year the holiday table holds no rows for: the holidays by rule, substitutes included, are red
// and named; no other weekday is.
TEST_F(ShellTest, HolidaysByRuleInAYearWithoutStoredRows) {
  auto shell = startShell({2026, 5, 25});
  EXPECT_TRUE(shell->screen().at(20124).visible);
  EXPECT_EQ(shell->screen().at(20124).text, "5월 25일 (월)");
  EXPECT_EQ(shell->screen().at(21114).text, "대체공휴일");
  std::vector<int> red;
  for (const BookCalendarCell& cell : shell->screen().calendar.cells) {
    if (cell.red && !cell.nextMonth) red.push_back(cell.day);
  }
  EXPECT_EQ(red, (std::vector<int>{3, 5, 10, 17, 24, 25, 31}));
}

TEST_F(ShellTest, TheUsersOwnHolidaysAreNamedAndABadLineIsToldOnce) {
  std::ofstream(root() / "holidays.txt") << "2026-12-10\t결혼기념일\n2026-13-01\tnowhere\n";
  auto shell = startShell({2026, 12, 10});
  EXPECT_EQ(shell->screen().at(21114).text, "결혼기념일");
  EXPECT_TRUE(shell->screen().at(20124).visible);
  int told = 0;
  for (const auto& m : ui.messages) told += m.text.starts_with("holidays.txt: line 2:") ? 1 : 0;
  EXPECT_EQ(told, 1);
}

TEST_F(ShellTest, AnExistingBookWithoutTheRegistryValueGetsItsHolidaysRefreshedOnce) {
  withBook([](Book&) {});
  auto shell = startShell();
  ASSERT_EQ(start.outcome, StartOutcome::Running);
  EXPECT_EQ(readRegistryValue(registryFilePath(root()), kHolidayRefreshKey, kHolidayRefreshValue), "0");
}

TEST_F(ShellTest, APageNumberOutOfRangeLeavesThePageAreaEmptyUntilATabIsTapped) {
  withBook([](Book&) {});
  requireOk(writeIniFile(root(), IniState{0, 3, 'D', 0}));
  auto shell = startShell();
  EXPECT_EQ(shell->state().currentPage, kNoPage);
  for (int id : visibleControls(*shell)) EXPECT_EQ(findControl(id)->page, kEveryPage) << id;
  shell->command(kQueryTab);
  EXPECT_EQ(shell->state().currentPage, PageQuery);
  EXPECT_EQ(shell->screen().commandBar.visibleSet, 1);
}

TEST_F(ShellTest, TheInitialisationFileGivesThePageAndModeAndExitWritesTheStateOfThatMoment) {
  withBook([](Book&) {});
  requireOk(writeIniFile(root(), IniState{1, PageBooks, 'M', 2}));
  {
    auto shell = startShell();
    EXPECT_EQ(shell->state().bookViewMode, BookViewMode::Month);
    EXPECT_EQ(shell->state().queryKind, QueryKind::Account);
    EXPECT_TRUE(shell->screen().at(21034).pressed);
    shell->command(kAssetsTab);
    requireOk(shell->exit());
  }
  EXPECT_EQ(readIniFile(root()), (IniState{1, PageAssets, 'M', 2}));
  auto again = startShell({2007, 3, 5}, PageQuery);
  EXPECT_EQ(again->state().currentPage, PageQuery);
}

// A query kind the file holds but no page knows (written by hand, or by another program) is read
// as the books query: its field group is shown, and the exit writes the kind shown.
TEST_F(ShellTest, AnUnknownQueryKindInTheInitialisationFileStartsTheBooksQuery) {
  withBook([](Book&) {});
  requireOk(writeIniFile(root(), IniState{0, PageQuery, 'D', 7}));
  auto shell = startShell();
  EXPECT_EQ(shell->state().queryKind, QueryKind::Books);
  EXPECT_TRUE(shell->screen().at(kQueryBooksKindButton).pressed);
  requireOk(shell->exit());
  EXPECT_EQ(readIniFile(root()).queryKind, 0);
}

TEST_F(ShellTest, ThreeWrongPasswordsEndTheStartAndTheRightOnePasses) {
  withBook([](Book& book) { ASSERT_TRUE(writeConSettings(book.store, ConSettings{"Y", "1234", "N", "1"})); });
  passwords = {"1111", "2222", "3333", "1234"};
  auto refused = startShell();
  EXPECT_EQ(start.outcome, StartOutcome::LoginRefused);
  EXPECT_EQ(ui.loginDialogs, 1);

  passwords = {"0000", "1234"};
  auto passed = startShell();
  EXPECT_EQ(start.outcome, StartOutcome::Running);
  EXPECT_EQ(passed->state().currentPage, PageBooks);
}

TEST_F(ShellTest, TheSettlementMonthStartsBeforeTheStartDay) {
  withBook([](Book& book) { ASSERT_TRUE(writeConSettings(book.store, ConSettings{"N", "", "N", "25"})); });
  auto before = startShell({2008, 1, 10});
  EXPECT_EQ(before->state().settlementYear, 2007);
  EXPECT_EQ(before->state().settlementMonth, 12);
  auto on = startShell({2008, 1, 25});
  EXPECT_EQ(on->state().settlementYear, 2008);
  EXPECT_EQ(on->state().settlementMonth, 1);
}

TEST_F(ShellTest, TheCarryOverQuestionIsAskedOnceAMonthWhateverTheAnswer) {
  withBook([](Book& book) { ASSERT_TRUE(writeCon2Settings(book.store, Con2Settings{"Y", 2007, 2})); });
  ui.answers = {false};
  auto first = startShell();
  EXPECT_TRUE(asked(kCarryOverQuestion));
  first.reset();
  auto second = startShell();
  EXPECT_FALSE(asked(kCarryOverQuestion));
  auto nextMonth = startShell({2007, 4, 2});
  EXPECT_TRUE(asked(kCarryOverQuestion));
}

TEST_F(ShellTest, PopupMenuOfTheBooksListCarriesTheModeCheckAndForwardsItsItem) {
  auto shell = startShell();
  shell->command(10114);
  ui.popupChoices = {40129};  // "일별 보기"
  shell->listHeld(kBooksList, ScreenPoint{50, 60});
  ASSERT_EQ(ui.menus.size(), 1U);
  const PopupMenu& menu = ui.menus[0].menu;
  EXPECT_EQ(menu.id, 423);
  for (const PopupItem& item : menu.items) EXPECT_EQ(item.checked, item.command == 40131) << item.text;
  EXPECT_EQ(ui.menus[0].at->x, 50);
  EXPECT_EQ(shell->state().bookViewMode, BookViewMode::Day);

  ui.popupChoices = {40132};  // "취소하기" does nothing
  shell->listHeld(kBooksList, std::nullopt);
  EXPECT_EQ(shell->state().bookViewMode, BookViewMode::Day);
}

TEST_F(ShellTest, ADetailPanelLeftOpenIsClosedWhenAnotherPageIsShown) {
  withBook([](Book& book) { requireOk(addEntry(book, makeEntry({.id = 20001, .content = "점심"}))); });
  auto shell = startShell();
  ASSERT_EQ(shell->screen().rowCount(kBooksList), 1);
  shell->listSelectionChanged(kBooksList, 0);
  shell->command(10118);
  EXPECT_EQ(shell->state().booksPanel, PanelMode::Detail);
  EXPECT_EQ(shell->screen().commandBar.visibleSet, 4);
  EXPECT_EQ(shell->screen().at(21079).text, "점심");
  EXPECT_TRUE(shell->screen().at(21082).visible);
  EXPECT_FALSE(shell->screen().at(20132).visible);  // the calendar is under the panel

  shell->command(kBooksTab);  // the page already shown: only the focus moves
  EXPECT_EQ(shell->state().booksPanel, PanelMode::Detail);
  shell->command(kQueryTab);
  shell->command(kBooksTab);
  EXPECT_EQ(shell->state().booksPanel, PanelMode::List);
  EXPECT_EQ(shell->screen().selectedRow(kBooksList), 0);
  EXPECT_TRUE(shell->screen().at(20132).visible);
}

TEST_F(ShellTest, DeletingAsksFirstAndSelectsTheRowAboveAfterTheLastRow) {
  withBook([](Book& book) {
    for (int32_t id : {20001, 20002, 20003}) requireOk(addEntry(book, makeEntry({.id = id})));
  });
  auto shell = startShell();
  ASSERT_EQ(shell->screen().rowCount(kBooksList), 3);
  shell->listSelectionChanged(kBooksList, 2);
  ui.answers = {false};
  shell->command(10103);
  EXPECT_EQ(shell->screen().rowCount(kBooksList), 3);
  shell->command(10103);  // Yes
  EXPECT_EQ(ui.messageTexts().back(), "장부 자료를 삭제 하시겠습니까?");
  EXPECT_EQ(shell->screen().rowCount(kBooksList), 2);
  EXPECT_EQ(shell->screen().selectedRow(kBooksList), 1);
  EXPECT_TRUE(shell->state().rebuildPending[static_cast<int>(ListPage::Settlement)]);

  shell->command(kAssetsTab);  // nothing selected there: the delete of another page does nothing
  shell->command(kBooksTab);
  shell->command(40135);  // the popup item forwards to the delete
  EXPECT_EQ(shell->screen().rowCount(kBooksList), 1);
}

TEST_F(ShellTest, PeriodAndMonthMoves) {
  auto shell = startShell({2007, 3, 28});
  shell->command(10113);
  shell->command(10111);
  EXPECT_EQ(shell->state().bookDate, "2007-04-01");
  EXPECT_EQ(shell->screen().at(20047).text, "2007-04-01");
  EXPECT_EQ(shell->screen().at(20048).text, "2007-04-07");
  shell->command(10110);
  EXPECT_EQ(shell->screen().at(20047).text, "2007-03-25");
  EXPECT_EQ(shell->screen().at(20048).text, "2007-03-31");

  shell->command(21112);  // the previous-month button
  EXPECT_EQ(shell->state().bookDate, "2007-02-07");
  shell->command(10115);
  EXPECT_EQ(shell->state().bookDate, "2007-03-28");
  shell->command(10114);
  shell->calendarTapped(3, 5);  // a day below 15 in the last rows is of the next month
  EXPECT_EQ(shell->state().bookDate, "2007-04-03");
  EXPECT_EQ(shell->screen().at(20047).text, "2007-04-01");
}

TEST_F(ShellTest, TheYearMonthDialogRefusesABadYearAndMovesToTheChosenMonth) {
  auto shell = startShell();
  ui.yearMonthScript = [](YearMonthDialog& dialog) {
    dialog.form.yearText = "1840";
    dialog.pressOk();
    dialog.form.yearText = "2050";
    dialog.form.monthIndex = 11;
    dialog.pressOk();
  };
  shell->fieldFocused(20100);
  EXPECT_EQ(ui.messageTexts().back(), "년도 자료가 유효하지 않습니다\n(1841년에서 2050년까지만 유효함)");
  EXPECT_EQ(shell->state().bookDate, "2050-12-07");
  EXPECT_EQ(shell->screen().focus, kBooksList);
}

struct KeyCase {
  std::string name;
  std::string oem;
  std::vector<int> keys;
  std::string bookDate;  // after the keys, from 2007-03-05 in day mode
  std::size_t menus;
};

void PrintTo(const KeyCase& c, std::ostream* os) { *os << c.name; }

class ShellKeyTest : public ShellTest, public ::testing::WithParamInterface<KeyCase> {};

TEST_P(ShellKeyTest, KeysStepThePeriodOrOpenTheMenuByDeviceKind) {
  const KeyCase& c = GetParam();
  oemInfo = c.oem;
  auto shell = startShell();
  for (int key : c.keys) shell->listKey(kBooksList, key);
  EXPECT_EQ(shell->state().bookDate, c.bookDate);
  EXPECT_EQ(ui.menus.size(), c.menus);
}

INSTANTIATE_TEST_SUITE_P(
    Devices, ShellKeyTest,
    ::testing::Values(KeyCase{"ShiftThreeIsNext", "", {keys::Shift, keys::Digit3}, "2007-03-06", 0},
                      KeyCase{"ShiftEightIsPrevious", "", {keys::Shift, keys::Digit8}, "2007-03-04", 0},
                      KeyCase{"ThreeWithoutShiftDoesNothing", "", {keys::Digit3}, "2007-03-05", 0},
                      KeyCase{"EnterOpensTheMenu", "", {keys::Enter}, "2007-03-05", 1},
                      KeyCase{"ZeroIsToday", "", {keys::Shift, keys::Digit3, keys::Digit0}, "2007-03-05", 0},
                      KeyCase{"CyberbankKeys", "CYBERBANK", {136, 136, 137}, "2007-03-06", 0},
                      KeyCase{"SamsungSpaceAndPrevious", "SAMSUNG SPH", {keys::Space, 229, 229}, "2007-03-04", 0},
                      KeyCase{"LgEnterUnarmedIsPrevious", "LG KC1", {keys::Enter}, "2007-03-04", 0},
                      KeyCase{"LgEnterArmedOpensTheMenu", "LG KC1", {134, keys::Enter}, "2007-03-05", 1}),
    [](const ::testing::TestParamInfo<KeyCase>& info) { return info.param.name; });

TEST_F(ShellTest, LeftAndRightWalkTheTabRowAndWrapAtItsEnds) {
  auto shell = startShell();
  shell->listKey(kBooksList, keys::Left);
  EXPECT_EQ(shell->state().currentPage, PageAssets);
  shell->listKey(kAssetList, keys::Right);
  EXPECT_EQ(shell->state().currentPage, PageBooks);
  shell->listKey(kBooksList, keys::Right);
  EXPECT_EQ(shell->state().currentPage, PageQuery);
}

TEST_F(ShellTest, TheFirstTickPostsReservationsMissedWhileTheProgramWasClosed) {
  withBook([](Book& book) {
    requireOk(addReservation(book, testing::makeReservation({.id = 30001, .dayOfMonth = 4})));
    requireOk(writePostingDate(book, "2007-03-01"));
  });
  auto shell = startShell();
  EXPECT_EQ(shell->screen().rowCount(kBooksList), 0);
  shell->command(10113);  // the week of 4 March
  EXPECT_EQ(shell->screen().rowCount(kBooksList), 0);
  shell->tick();
  ASSERT_EQ(shell->screen().rowCount(kBooksList), 1);
  EXPECT_EQ(shell->screen().cell(kBooksList, 0, 1), "@월세");
  shell->tick();  // the same day: nothing more
  EXPECT_EQ(shell->screen().rowCount(kBooksList), 1);
}

TEST_F(ShellTest, SettingsSavedFromTheMenuAskForThePasswordAtTheNextStart) {
  {
    auto shell = startShell();
    ui.settingsScript = [](SettingsDialog& dialog) {
      dialog.form.loginPrompt = true;
      dialog.form.password = "12";
      dialog.form.confirmation = "12";
      dialog.pressOk();  // too short: refused, the dialog stays open
      dialog.form.password = "1234";
      dialog.form.confirmation = "1234";
      dialog.pressOk();
    };
    shell->command(40032);
    EXPECT_EQ(ui.messageTexts().back(), "비밀번호는 최소 4자리이상 입력해야 합니다");
    EXPECT_EQ(shell->state().settings.password, "1234");
    EXPECT_EQ(shell->screen().focus, kBooksList);
  }
  passwords = {};
  auto next = startShell();
  EXPECT_EQ(start.outcome, StartOutcome::LoginRefused);
  EXPECT_EQ(ui.loginDialogs, 1);
}

TEST_F(ShellTest, ARestoreShowsTheBooksPageRebuiltWhicheverPageWasCurrent) {
  auto shell = startShell();
  ui.chosenFile = root() / "book.cnb";
  shell->command(40028);
  ASSERT_TRUE(std::filesystem::exists(*ui.chosenFile));
  withBook([](Book& book) { requireOk(addEntry(book, makeEntry({.id = 20001}))); });
  shell->command(20017);
  shell->command(40029);
  EXPECT_EQ(shell->state().currentPage, PageBooks);
  EXPECT_EQ(shell->screen().commandBar.visibleSet, 3);
  EXPECT_EQ(shell->screen().rowCount(kBooksList), 0);  // the entry added after the backup is gone
}

TEST_F(ShellTest, ABackupChosenOntoTheBooksOwnFileIsRefusedWithTheFileNamedAndTheBookStaysWhole) {
  auto shell = startShell();
  withBook([](Book& book) { requireOk(addEntry(book, makeEntry({.id = 20001}))); });
  const std::filesystem::path bookFile = objectStoreFilePath(root());
  const std::string before = testing::readFileBytes(bookFile);
  for (const std::filesystem::path& chosen : {bookFile, std::filesystem::path(bookFile.string() + "-wal")}) {
    ui.messages.clear();
    ui.chosenFile = chosen;  // the chooser's "replace?" answered yes
    shell->command(40028);
    const std::vector<std::string> shown = ui.messageTexts();
    ASSERT_FALSE(shown.empty());
    EXPECT_NE(shown.front().find(chosen.string()), std::string::npos) << shown.front();
    EXPECT_EQ(std::count(shown.begin(), shown.end(), "가계부 자료백업 작업이 완료되었습니다."), 0);
  }
  EXPECT_EQ(testing::readFileBytes(bookFile), before);
  withBook([](Book& book) { EXPECT_TRUE(findEntry(book, 20001)); });
}

TEST_F(ShellTest, AnExitAfterARefusedLoginKeepsThePageOfTheInitialisationFile) {
  withBook([](Book& book) { ASSERT_TRUE(writeConSettings(book.store, ConSettings{"Y", "1234", "N", "1"})); });
  requireOk(writeIniFile(root(), IniState{0, PageSettlement, 'W', 1}));
  auto shell = startShell();
  ASSERT_EQ(start.outcome, StartOutcome::LoginRefused);
  requireOk(shell->exit());
  EXPECT_EQ(readIniFile(root()), (IniState{0, PageSettlement, 'W', 1}));
}

TEST_F(ShellTest, AnEntrySavedInTheDialogIsSelectedOnItsDateInTheCurrentView) {
  auto shell = startShell();
  shell->command(10102);  // nothing to change yet
  EXPECT_EQ(ui.recordDialogs, 0);
  shell->command(10113);
  ui.entryScript = [](EntryDialog& dialog) {
    ASSERT_TRUE(dialog.setDate("2007-03-08"));
    dialog.setContent("점심");
    dialog.setAmount("7000");
    dialog.pressContinue();
    dialog.setContent("저녁");
    dialog.setAmount("12000");
    dialog.pressOk();
  };
  shell->command(10101);
  EXPECT_EQ(shell->state().bookDate, "2007-03-08");
  ASSERT_EQ(shell->screen().rowCount(kBooksList), 2);
  EXPECT_EQ(shell->screen().cell(kBooksList, shell->screen().selectedRow(kBooksList), 1), "저녁");
  EXPECT_EQ(shell->screen().at(21048).text, "19,000");
  EXPECT_TRUE(shell->state().rebuildPending[static_cast<int>(ListPage::Settlement)]);

  ui.entryScript = [](EntryDialog& dialog) {
    dialog.setAmount("0");
    dialog.pressOk();  // refused: the dialog stays open, then the script's end cancels it
  };
  shell->command(10102);
  EXPECT_EQ(ui.messages.back().caption, MessageCaption::Error);
  EXPECT_EQ(shell->screen().at(21048).text, "19,000");
}

TEST_F(ShellTest, ACategoryAddedInTheDialogIsListedAndSelected) {
  auto shell = startShell();
  shell->command(20018);
  const int before = shell->screen().rowCount(kMinorCategoryList);
  ui.categoryScript = [](CategoryDialog& dialog) {
    dialog.setName("간식");
    dialog.pressOk();
  };
  shell->command(10509);
  ASSERT_EQ(shell->screen().rowCount(kMinorCategoryList), before + 1);
  EXPECT_EQ(shell->screen().cell(kMinorCategoryList, shell->screen().selectedRow(kMinorCategoryList), 0), "간식");
  EXPECT_EQ(shell->screen().focus, kMinorCategoryList);
}

TEST_F(ShellTest, TheCloseCommandAsksTheWindowToClose) {
  auto shell = startShell();
  shell->command(40003);
  EXPECT_EQ(ui.aboutBoxes, 1);
  EXPECT_FALSE(shell->closeRequested());
  shell->command(1);
  EXPECT_TRUE(shell->closeRequested());
}

}  // namespace
}  // namespace coinest
