// The window over a started shell: a new book in a temporary root, today fixed.

#include <QCoreApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QTreeWidget>

#include <gtest/gtest.h>

#include "qt/button_widget.h"
#include "qt/command_bar.h"
#include "qt/page_list.h"
#include "qt/qt_style.h"
#include "qt/window_session.h"
#include "support/temp_dir.h"

namespace coinest::qt {
namespace {

// Records the menus the shell opens instead of running them; chooses nothing.
class MenuRecordingUi : public QtShellUi {
 public:
  explicit MenuRecordingUi(int scale) : QtShellUi(scale, true) {}
  struct ShownMenu {
    QStringList items;  // "-" for a separator, a leading "*" for a checked item
    QPoint at;
  };
  std::vector<ShownMenu> menus;

 protected:
  QAction* execMenu(QMenu& menu, QPoint at) override {
    ShownMenu shown{{}, at};
    for (QAction* action : menu.actions()) {
      shown.items << (action->isSeparator() ? QStringLiteral("-")
                                            : (action->isChecked() ? QStringLiteral("*") : QString()) + action->text());
    }
    menus.push_back(shown);
    return nullptr;
  }
};

class StartedWindow : public ::testing::TestWithParam<int> {
 protected:
  void SetUp() override {
    auto ui = std::make_unique<MenuRecordingUi>(scale());
    menus_ = ui.get();
    WindowOptions options;
    options.root = root_.path();
    options.clock = &clock_;
    options.scale = scale();
    options.screenshotMode = true;
    session_ = std::make_unique<WindowSession>(options, std::move(ui));
    const StartResult started = session_->start();
    ASSERT_EQ(started.outcome, StartOutcome::Running) << started.status.reason();
  }

  int scale() const { return GetParam(); }
  MainWindow& window() { return *session_->window(); }
  const Screen& screen() { return session_->shell().screen(); }

  // Each control's widget is shown exactly when the Screen shows it, at its rectangle.
  void expectWidgetsFollowTheScreen() {
    int shown = 0;
    for (const ControlSpec& control : controlTable()) {
      QWidget* widget = window().controlWidget(control.id);
      EXPECT_EQ(!widget->isHidden(), screen().at(control.id).visible) << control.id;
      if (widget->isHidden()) continue;
      ++shown;
      EXPECT_EQ(widget->geometry(), scaled(control.rect, scale())) << control.id;
    }
    EXPECT_GE(shown, 8);  // at least the tab row and a list
  }

  testing::TempDir root_;
  FixedDateClock clock_{2007, 3, 5};
  MenuRecordingUi* menus_ = nullptr;
  std::unique_ptr<WindowSession> session_;
};

TEST_P(StartedWindow, ShowsTheFirstPageAtTheTablesRectangles) {
  EXPECT_EQ(session_->shell().state().currentPage, PageBooks);
  expectWidgetsFollowTheScreen();
  EXPECT_FALSE(window().list(kBooksList)->isHidden());
  EXPECT_EQ(window().commandBar()->visibleSet(), screen().commandBar.visibleSet);
}

TEST_P(StartedWindow, ATabClickShowsItsPage) {
  struct Case {
    int tab;
    int page;
    int list;
  };
  for (const Case& c : {Case{20017, PageSettlement, kSettlementList}, Case{20016, PageReservations, kReservationList},
                        Case{20012, PageAssets, kAssetList}, Case{20015, PageBooks, kBooksList}}) {
    static_cast<ButtonWidget*>(window().controlWidget(c.tab))->click();
    EXPECT_EQ(session_->shell().state().currentPage, c.page) << c.tab;
    EXPECT_FALSE(window().list(c.list)->isHidden()) << c.tab;
    EXPECT_TRUE(static_cast<ButtonWidget*>(window().controlWidget(c.tab))->current()) << c.tab;
    EXPECT_EQ(window().commandBar()->visibleSet(), screen().commandBar.visibleSet) << c.tab;
    expectWidgetsFollowTheScreen();
  }
}

TEST_P(StartedWindow, ARightClickOnTheBooksListOpensItsMenuAtThatPoint) {
  QWidget* books = window().list(kBooksList)->viewport();
  const QPoint at = books->mapFrom(window().screenArea(), QPoint(43 * scale(), 54 * scale()));
  QMouseEvent press(QEvent::MouseButtonPress, QPointF(at), books->mapToGlobal(QPointF(at)), Qt::RightButton,
                    Qt::RightButton, Qt::NoModifier);
  QCoreApplication::sendEvent(books, &press);

  ASSERT_EQ(menus_->menus.size(), 1u);
  const MenuRecordingUi::ShownMenu& shown = menus_->menus.front();
  EXPECT_EQ(shown.items, (QStringList{"자세히 보기", "-", "장부 등록하기", "장부 수정하기", "장부 삭제하기", "-",
                                      "*일별 보기", "주별보기", "월별 보기", "-", "취소하기"}));
  EXPECT_EQ(shown.at, session_->ui().globalPoint({43, 54}));
}

TEST_P(StartedWindow, ArrowKeysOnAListReachTheShellAsVirtualKeys) {
  // Left and right walk the tab row, wrapping at its ends; books is the leftmost tab.
  const auto press = [this](int list, Qt::Key key) {
    QKeyEvent event(QEvent::KeyPress, key, Qt::NoModifier);
    QCoreApplication::sendEvent(window().list(list), &event);
  };
  press(kBooksList, Qt::Key_Left);
  EXPECT_EQ(session_->shell().state().currentPage, PageAssets);
  EXPECT_FALSE(window().list(kAssetList)->isHidden());
  press(kAssetList, Qt::Key_Right);
  EXPECT_EQ(session_->shell().state().currentPage, PageBooks);
  press(kBooksList, Qt::Key_Right);
  EXPECT_EQ(session_->shell().state().currentPage, PageQuery);
}

INSTANTIATE_TEST_SUITE_P(Scales, StartedWindow, ::testing::Values(1, 2));

}  // namespace
}  // namespace coinest::qt
