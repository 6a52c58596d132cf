// The statistics window over a small book: what its charts and list hold, the month moves, the
// PNG it saves, and its place in the main window's menu bar.

#include <QBarSeries>
#include <QBarSet>
#include <QChart>
#include <QImage>
#include <QLineSeries>
#include <QMenuBar>
#include <QPieSeries>
#include <QPieSlice>
#include <QTableWidget>

#include <gtest/gtest.h>

#include "ledger/entry_rules.h"
#include "qt/chart_palette.h"
#include "qt/statistics_window.h"
#include "qt/window_session.h"
#include "store/entry_table.h"
#include "support/book_fixture.h"
#include "support/record_builders.h"
#include "support/temp_dir.h"

namespace coinest::qt {
namespace {

class StatisticsWindowTest : public ::testing::Test {
 protected:
  void add(const char* date, const char* kind, const char* major, int32_t amount) {
    LedgerEntry e = testing::makeEntry(date, kind, amount);
    e.entryId = *newEntryId(fx.book());
    e.majorItem = major;
    e.minorItem = major;
    ASSERT_TRUE(addEntry(fx.book(), e));
  }

  template <typename Series>
  static Series* onlySeries(QChart* chart) {
    for (QAbstractSeries* s : chart->series()) {
      if (auto* wanted = qobject_cast<Series*>(s)) return wanted;
    }
    return nullptr;
  }

  testing::BookFixture fx;  // today 2007-03-05
};

TEST_F(StatisticsWindowTest, ChartsAndListShowTheSettlementsNumbers) {
  add("2007-03-02", "1", "고정수입", 500000);
  add("2007-03-03", "2", "식비", 30000);
  add("2007-03-04", "2", "주거/통신", 120000);
  add("2007-03-25", "2", "카드대금", 99000);
  add("2007-02-10", "2", "식비", 7000);

  StatisticsWindow window(StatisticsModel(fx.book(), {2007, 3}, 1), StatisticsTab::MonthSpending);
  EXPECT_EQ(window.heading(), QStringLiteral("2007년 3월 (3/1~3/31)"));
  QPieSeries* pie = onlySeries<QPieSeries>(window.spendingChart());
  ASSERT_NE(pie, nullptr);
  ASSERT_EQ(pie->count(), 2);
  EXPECT_EQ(pie->slices()[0]->label(), QStringLiteral("주거/통신 80.0%"));
  EXPECT_EQ(pie->slices()[0]->value(), 120000);
  EXPECT_EQ(pie->slices()[0]->color(), kChartColours[0]);
  EXPECT_EQ(pie->slices()[1]->label(), QStringLiteral("식비 20.0%"));
  EXPECT_EQ(pie->slices()[1]->color(), kChartColours[1]);
  QTableWidget* table = window.spendingTable();
  ASSERT_EQ(table->rowCount(), 2);
  EXPECT_EQ(table->item(0, 0)->text(), QStringLiteral("주거/통신"));
  EXPECT_EQ(table->item(0, 1)->text(), QStringLiteral("120,000"));
  EXPECT_EQ(table->item(1, 2)->text(), QStringLiteral("20.0%"));

  window.move(SettlementMove::Previous);
  EXPECT_EQ(window.heading(), QStringLiteral("2007년 2월 (2/1~2/28)"));
  ASSERT_EQ(table->rowCount(), 1);
  EXPECT_EQ(table->item(0, 1)->text(), QStringLiteral("7,000"));

  window.showTab(StatisticsTab::YearTrend);
  EXPECT_EQ(window.heading(), QStringLiteral("2006년 3월 ~ 2007년 2월"));
  window.move(SettlementMove::Next);
  QBarSeries* bars = onlySeries<QBarSeries>(window.trendChart());
  QLineSeries* difference = onlySeries<QLineSeries>(window.trendChart());
  ASSERT_NE(bars, nullptr);
  ASSERT_NE(difference, nullptr);
  ASSERT_EQ(bars->count(), 2);
  ASSERT_EQ(bars->barSets()[0]->count(), 12);
  // Amounts reach a hundred thousand won: the axis counts in 만원.
  EXPECT_EQ(bars->barSets()[0]->at(11), 50.0);
  EXPECT_EQ(bars->barSets()[1]->at(11), 15.0);
  EXPECT_EQ(bars->barSets()[1]->at(10), 0.7);
  EXPECT_EQ(difference->at(11).y(), 35.0);
  EXPECT_EQ(difference->at(10).y(), -0.7);
}

TEST_F(StatisticsWindowTest, SavesTheShownChartAsPngAndReportsAFailure) {
  add("2007-03-03", "2", "식비", 30000);
  StatisticsWindow window(StatisticsModel(fx.book(), {2007, 3}, 1), StatisticsTab::MonthSpending);
  window.show();
  const std::filesystem::path file = fx.root() / "month.png";
  ASSERT_TRUE(window.saveChart(file));
  QImage saved;
  ASSERT_TRUE(saved.load(QString::fromStdString(file.string()), "PNG"));
  EXPECT_GT(saved.width(), 100);

  QString reason;
  EXPECT_FALSE(window.saveChart(fx.root() / "no such folder" / "x.png", &reason));
  EXPECT_FALSE(reason.isEmpty());
}

TEST(StatisticsMenuTest, TheMenuComesAfterHelpWithBothChartsAndTheExport) {
  testing::TempDir root;
  FixedDateClock clock({2007, 3, 5});
  WindowOptions options;
  options.root = root.path();
  options.clock = &clock;
  options.screenshotMode = true;
  WindowSession session(options, std::make_unique<QtShellUi>(1, true));
  ASSERT_EQ(session.start().outcome, StartOutcome::Running);
  QStringList titles;
  QMenu* statistics = nullptr;
  for (QAction* action : session.window()->menuBar()->actions()) {
    titles << action->text();
    if (action->text() == QStringLiteral("통계")) statistics = action->menu();
  }
  EXPECT_EQ(titles, (QStringList{QStringLiteral("파일"), QStringLiteral("도움말"), QStringLiteral("통계")}));
  ASSERT_NE(statistics, nullptr);
  QStringList items;
  for (QAction* action : statistics->actions()) items << action->text();
  EXPECT_EQ(items, (QStringList{QStringLiteral("월별 지출 분석"), QStringLiteral("연간 추이"), QString(),
                                QStringLiteral("내보내기…")}));
}

}  // namespace
}  // namespace coinest::qt
