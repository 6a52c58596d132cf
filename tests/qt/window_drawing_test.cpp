// The window draws a Screen as it is: filled by hand here, so the drawing is tested apart from
// the shell's rules.

#include <QCoreApplication>
#include <QMouseEvent>
#include <QTreeWidget>

#include <gtest/gtest.h>

#include "dialogs/login_dialog.h"
#include "qt/button_widget.h"
#include "qt/cal_window.h"
#include "qt/command_bar.h"
#include "qt/main_window.h"
#include "qt/page_list.h"
#include "qt/qt_shell_ui.h"
#include "qt/qt_style.h"
#include "qt/text_field_validator.h"

namespace coinest::qt {
namespace {

class WindowDrawing : public ::testing::TestWithParam<int> {
 protected:
  int scale() const { return GetParam(); }
  QtShellUi ui{GetParam(), true};
  Shell shell{ShellOptions{}, ui};  // never started: only its Screen is drawn
  MainWindow window{shell, ui, GetParam()};
};

Screen booksScreen() {
  Screen screen;
  for (const ControlSpec* control : controlsOfPage(PageBooks)) {
    if (control->group == ControlGroup::Page) screen.setVisible(control->id, true);
  }
  screen.setRows(kBooksList, {{"03-05", "식비", "12,000", "10001"}, {"03-05", "월급", "1,500,000", "10002"}});
  screen.selectRow(kBooksList, 1);
  screen.setText(21047, "1,500,000");
  screen.currentTab = PageBooks;
  screen.commandBar.visibleSet = 3;
  return screen;
}

TEST_P(WindowDrawing, EveryControlSitsAtItsTableRectangleTimesTheScale) {
  window.showScreen(booksScreen());
  for (const ControlSpec& control : controlTable()) {
    ASSERT_NE(window.controlWidget(control.id), nullptr) << control.id;
    EXPECT_EQ(window.controlWidget(control.id)->geometry(), scaled(control.rect, scale())) << control.id;
  }
  EXPECT_EQ(window.commandBar()->geometry(), scaled(kCommandBarRect, scale()));
  EXPECT_EQ(window.screenArea()->size(), QSize(240 * scale(), 320 * scale()));
}

TEST_P(WindowDrawing, ShowsWhatTheScreenShowsAndRebuildsOnlyChangedRows) {
  Screen screen = booksScreen();
  window.showScreen(screen);

  PageList* books = window.list(kBooksList);
  ASSERT_EQ(books->topLevelItemCount(), 2);
  EXPECT_EQ(books->topLevelItem(1)->text(2), QStringLiteral("1,500,000"));
  EXPECT_TRUE(books->isColumnHidden(3));  // the id column
  EXPECT_EQ(books->columnWidth(1), 97 * scale());
  EXPECT_EQ(books->selectedRowIndex(), 1);
  EXPECT_FALSE(window.controlWidget(21047)->isHidden());
  EXPECT_TRUE(window.controlWidget(kAssetList)->isHidden());
  EXPECT_TRUE(window.controlWidget(20047)->isHidden()) << "a field that is never shown";
  EXPECT_TRUE(static_cast<ButtonWidget*>(window.controlWidget(20015))->current());
  EXPECT_FALSE(static_cast<ButtonWidget*>(window.controlWidget(20011))->current());
  EXPECT_EQ(window.commandBar()->visibleSet(), 3);
  ASSERT_NE(window.commandBar()->visibleButton(10118), nullptr);
  EXPECT_EQ(window.commandBar()->visibleButton(10301), nullptr);

  // Another page over the same rows: nothing rebuilt, the selection follows the Screen.
  const int rebuilds = window.rowRebuilds();
  QTreeWidgetItem* firstRow = books->topLevelItem(0);
  screen.selectRow(kBooksList, 0);
  screen.setVisible(kBooksList, false);
  screen.setVisible(kAssetList, true);
  screen.currentTab = PageAssets;
  window.showScreen(screen);
  EXPECT_EQ(window.rowRebuilds(), rebuilds);
  EXPECT_EQ(books->topLevelItem(0), firstRow);
  EXPECT_EQ(books->selectedRowIndex(), 0);
  EXPECT_TRUE(books->isHidden());
  EXPECT_TRUE(static_cast<ButtonWidget*>(window.controlWidget(20012))->current());

  screen.setRows(kBooksList, {{"03-06", "교통비", "1,200", "10003"}});
  window.showScreen(screen);
  EXPECT_EQ(window.rowRebuilds(), rebuilds + 1);
  EXPECT_EQ(books->topLevelItem(0)->text(1), QStringLiteral("교통비"));
}

TEST_P(WindowDrawing, TheMinorRowsSwitchShowsTheShellsState) {
  Screen screen;
  screen.commandBar.visibleSet = 6;
  screen.commandBar.minorRowsPressed = true;
  window.showScreen(screen);
  QToolButton* minorRows = window.commandBar()->visibleButton(10311);
  ASSERT_NE(minorRows, nullptr);
  EXPECT_TRUE(minorRows->isCheckable());
  EXPECT_TRUE(minorRows->isChecked());
  screen.commandBar.minorRowsPressed = false;
  window.showScreen(screen);
  EXPECT_FALSE(minorRows->isChecked());
}

INSTANTIATE_TEST_SUITE_P(Scales, WindowDrawing, ::testing::Values(1, 2));

TEST(CalWindowCells, ATapNamesTheDayAndRowOfItsCell) {
  CalWindow calendar(2, nullptr);
  calendar.resize(128 * 2, 83 * 2);
  BookCalendar month{2007, 3, {}};
  BookCalendarCell first;
  first.day = 1;
  first.column = 4;
  BookCalendarCell later;
  later.day = 5;
  later.row = 4;
  later.column = 6;
  later.nextMonth = true;
  month.cells = {first, later};
  calendar.setCalendar(month);
  std::vector<std::pair<int, int>> taps;
  calendar.onDayTapped = [&](int day, int row) { taps.emplace_back(day, row); };
  for (const BookCalendarCell& cell : month.cells) {
    QMouseEvent press(QEvent::MouseButtonPress, QPointF(calendar.cellRect(cell.row, cell.column).center()),
                      QPointF(), Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&calendar, &press);
  }
  EXPECT_EQ(taps, (std::vector<std::pair<int, int>>{{1, 0}, {5, 4}}));
}

}  // namespace
}  // namespace coinest::qt

namespace coinest::qt {
namespace {

TEST(TextFieldValidation, APasswordFieldRefusesWhatTheCodePageLacksAndWhatIsTooLong) {
  const TextFieldValidator validator(kPasswordMaxChars, nullptr);
  struct Case {
    QString typed;
    QValidator::State expected;
  };
  for (const Case& c : {Case{QStringLiteral("abc123"), QValidator::Acceptable},
                        Case{QStringLiteral("비밀번호"), QValidator::Acceptable},
                        Case{QStringLiteral("0123456789"), QValidator::Acceptable},
                        Case{QStringLiteral("01234567890"), QValidator::Invalid},
                        Case{QStringLiteral("pass😀"), QValidator::Invalid}}) {
    QString typed = c.typed;
    int position = static_cast<int>(typed.size());
    EXPECT_EQ(validator.validate(typed, position), c.expected) << c.typed.toStdString();
  }
}

}  // namespace
}  // namespace coinest::qt
