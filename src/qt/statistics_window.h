#pragma once

// The statistics window: the settlement month's spending by major category (a doughnut and the
// same as a sorted list) and twelve months of income and expense (bars with the difference as a
// line), moving month by month as the settlement page does. It draws a StatisticsModel and
// holds no book logic.

#include <QDialog>

#include <filesystem>

#include "shell/statistics_model.h"

class QChart;
class QLabel;
class QTabWidget;
class QTableWidget;

namespace coinest::qt {

enum class StatisticsTab { MonthSpending = 0, YearTrend = 1 };

class StatisticsWindow : public QDialog {
  Q_OBJECT

 public:
  StatisticsWindow(StatisticsModel model, StatisticsTab tab, QWidget* parent = nullptr);

  void showTab(StatisticsTab tab);
  void move(SettlementMove move);
  // Writes the shown page (chart, and the list beside the doughnut) as a PNG file; false (and
  // the reason) when it was not written.
  bool saveChart(const std::filesystem::path& file, QString* reason = nullptr);

  // What the tests look at.
  QChart* spendingChart() const { return spendingChart_; }
  QChart* trendChart() const { return trendChart_; }
  QTableWidget* spendingTable() const { return spendingTable_; }
  QString heading() const;

 private:
  void refresh();
  void fillSpending();
  void fillTrend();
  void askAndSave();
  QWidget* shownPage() const;

  StatisticsModel model_;
  QTabWidget* tabs_ = nullptr;
  QLabel* heading_ = nullptr;
  QChart* spendingChart_ = nullptr;
  QTableWidget* spendingTable_ = nullptr;
  QLabel* spendingTotal_ = nullptr;
  QChart* trendChart_ = nullptr;
  QLabel* trendTotal_ = nullptr;
};

}  // namespace coinest::qt
