#include "qt/statistics_window.h"

#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QChart>
#include <QChartView>
#include <QBuffer>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineSeries>
#include <QMessageBox>
#include <QPainter>
#include <QPieSeries>
#include <QPieSlice>
#include <QPushButton>
#include <QTabWidget>
#include <QTableWidget>
#include <QValueAxis>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>

#include "qt/chart_palette.h"
#include "platform/durable_file.h"
#include "qt/qt_style.h"
#include "qt/save_file_chooser.h"

namespace coinest::qt {

namespace {

// Past this many slices the smallest are drawn as one, so every slice keeps a colour of its own.
constexpr std::size_t kMaxSlices = kChartColours.size() + 1;

QColor sliceColour(std::size_t index) { return index < kChartColours.size() ? kChartColours[index] : kRestColour; }

QFont chartFont(int pixels, bool bold = false) { return viewFont(pixels, bold, 1); }

QChart* newChart() {
  auto* chart = new QChart();
  chart->setAnimationOptions(QChart::NoAnimation);
  chart->setTitleFont(chartFont(15, true));
  chart->legend()->setFont(chartFont(13));
  chart->setBackgroundRoundness(0);
  return chart;
}

QChartView* newView(QChart* chart, QWidget* parent) {
  auto* view = new QChartView(chart, parent);
  view->setRenderHint(QPainter::Antialiasing);
  view->setMinimumSize(360, 300);
  return view;
}

QIcon swatch(const QColor& colour) {
  QPixmap pixmap(12, 12);
  pixmap.fill(colour);
  return QIcon(pixmap);
}

QTableWidgetItem* amountItem(const std::string& text) {
  auto* item = new QTableWidgetItem(qtText(text));
  item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
  return item;
}

// The value axis counts in 만원 once the amounts reach a hundred thousand won.
struct AxisUnit {
  double divisor;
  const char* title;
  const char* format;
};

AxisUnit axisUnitFor(double largest) {
  return largest >= 100000 ? AxisUnit{10000, "만원", "%g"} : AxisUnit{1, "원", "%.0f"};
}

}  // namespace

StatisticsWindow::StatisticsWindow(StatisticsModel model, StatisticsTab tab, QWidget* parent)
    : QDialog(parent), model_(std::move(model)) {
  setWindowTitle(QStringLiteral("통계"));
  setFont(chartFont(13));
  auto* layout = new QVBoxLayout(this);

  auto* navigation = new QHBoxLayout();
  const auto button = [this, navigation](const QString& text, SettlementMove move) {
    auto* b = new QPushButton(text, this);
    connect(b, &QPushButton::clicked, this, [this, move] { this->move(move); });
    navigation->addWidget(b);
    return b;
  };
  button(QStringLiteral("◀ 이전"), SettlementMove::Previous)->setToolTip(QStringLiteral("이전 결산 년월로"));
  heading_ = new QLabel(this);
  heading_->setAlignment(Qt::AlignCenter);
  heading_->setFont(chartFont(15, true));
  navigation->addWidget(heading_, 1);
  button(QStringLiteral("다음 ▶"), SettlementMove::Next)->setToolTip(QStringLiteral("다음 결산 년월로"));
  button(QStringLiteral("현재"), SettlementMove::Current)->setToolTip(QStringLiteral("현재 결산 년월로"));
  layout->addLayout(navigation);

  tabs_ = new QTabWidget(this);
  auto* spendingPage = new QWidget(tabs_);
  auto* spendingLayout = new QHBoxLayout(spendingPage);
  spendingChart_ = newChart();
  spendingChart_->legend()->setAlignment(Qt::AlignRight);
  spendingLayout->addWidget(newView(spendingChart_, spendingPage), 3);
  auto* listSide = new QVBoxLayout();
  spendingTable_ = new QTableWidget(0, 3, spendingPage);
  spendingTable_->setHorizontalHeaderLabels({QStringLiteral("대항목"), QStringLiteral("금액"), QStringLiteral("비율")});
  spendingTable_->verticalHeader()->hide();
  spendingTable_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  spendingTable_->setSelectionBehavior(QAbstractItemView::SelectRows);
  spendingTable_->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
  spendingTable_->horizontalHeader()->setSectionResizeMode(1, QHeaderView::ResizeToContents);
  spendingTable_->horizontalHeader()->setSectionResizeMode(2, QHeaderView::ResizeToContents);
  listSide->addWidget(spendingTable_);
  spendingTotal_ = new QLabel(spendingPage);
  spendingTotal_->setAlignment(Qt::AlignRight);
  listSide->addWidget(spendingTotal_);
  spendingLayout->addLayout(listSide, 2);
  tabs_->addTab(spendingPage, QStringLiteral("월별 지출 분석"));

  auto* trendPage = new QWidget(tabs_);
  auto* trendLayout = new QVBoxLayout(trendPage);
  trendChart_ = newChart();
  trendLayout->addWidget(newView(trendChart_, trendPage));
  trendTotal_ = new QLabel(trendPage);
  trendTotal_->setAlignment(Qt::AlignRight);
  trendLayout->addWidget(trendTotal_);
  tabs_->addTab(trendPage, QStringLiteral("연간 추이"));
  layout->addWidget(tabs_, 1);

  auto* actions = new QHBoxLayout();
  actions->addStretch(1);
  auto* save = new QPushButton(QStringLiteral("PNG로 저장…"), this);
  connect(save, &QPushButton::clicked, this, [this] { askAndSave(); });
  actions->addWidget(save);
  auto* close = new QPushButton(QStringLiteral("닫기"), this);
  connect(close, &QPushButton::clicked, this, &QDialog::accept);
  actions->addWidget(close);
  layout->addLayout(actions);

  resize(760, 540);
  showTab(tab);
  refresh();
  connect(tabs_, &QTabWidget::currentChanged, this, [this] { refresh(); });
}

void StatisticsWindow::showTab(StatisticsTab tab) { tabs_->setCurrentIndex(static_cast<int>(tab)); }

void StatisticsWindow::move(SettlementMove move) {
  model_.move(move);
  refresh();
}

QString StatisticsWindow::heading() const { return heading_->text(); }

void StatisticsWindow::refresh() {
  if (tabs_->currentIndex() == static_cast<int>(StatisticsTab::YearTrend)) {
    fillTrend();
  } else {
    fillSpending();
  }
  if (!model_.readStatus()) {
    QMessageBox::warning(this, QStringLiteral("오류"), qtText(model_.readStatus().reason()));
  }
}

void StatisticsWindow::fillSpending() {
  const SpendingBreakdown& month = model_.spending();
  heading_->setText(qtText(month.period.heading));
  spendingChart_->removeAllSeries();
  spendingChart_->setTitle(qtText(month.period.heading + " 지출 " + month.expenseText + "원"));

  auto* pie = new QPieSeries();
  pie->setHoleSize(0.32);
  pie->setPieSize(0.8);
  const std::vector<SpendingShare> slices = pieSlices(month, kMaxSlices);
  for (std::size_t i = 0; i < slices.size(); ++i) {
    const SpendingShare& share = slices[i];
    QPieSlice* slice = pie->append(qtText(share.name + " " + share.shareText), static_cast<qreal>(share.total));
    slice->setColor(sliceColour(i));
    slice->setBorderColor(Qt::white);
    // The legend names the slices: labels beside a slice would be cut at the chart's edge.
    slice->setLabelVisible(false);
  }
  spendingChart_->addSeries(pie);

  spendingTable_->setRowCount(static_cast<int>(month.shares.size()));
  for (std::size_t i = 0; i < month.shares.size(); ++i) {
    const SpendingShare& share = month.shares[i];
    const int row = static_cast<int>(i);
    // A row takes its slice's colour; the rows drawn together as the rest slice share its grey.
    const std::size_t slice = pieSliceOf(i, month.shares.size(), kMaxSlices);
    auto* name = new QTableWidgetItem(swatch(sliceColour(slice)), qtText(share.name));
    spendingTable_->setItem(row, 0, name);
    spendingTable_->setItem(row, 1, amountItem(share.totalText));
    spendingTable_->setItem(row, 2, amountItem(share.shareText));
  }
  spendingTotal_->setText(month.shares.empty() ? QStringLiteral("이 달에는 지출이 없습니다")
                                               : qtText("지출계 " + month.expenseText + "원"));
}

void StatisticsWindow::fillTrend() {
  const IncomeExpenseTrend& trend = model_.trend();
  const QString heading = qtText(model_.trendHeading());
  heading_->setText(heading);
  trendChart_->removeAllSeries();
  for (QAbstractAxis* axis : trendChart_->axes()) {
    trendChart_->removeAxis(axis);
    delete axis;
  }
  trendChart_->setTitle(heading + QStringLiteral(" 수입과 지출"));

  double largest = 0;
  double smallest = 0;
  for (const MonthTotals& m : trend.months) {
    largest = std::max({largest, static_cast<double>(m.income), static_cast<double>(m.expense),
                        static_cast<double>(m.difference())});
    smallest = std::min(smallest, static_cast<double>(m.difference()));
  }
  const AxisUnit unit = axisUnitFor(std::max(largest, -smallest));

  auto* income = new QBarSet(QStringLiteral("수입"));
  auto* expense = new QBarSet(QStringLiteral("지출"));
  income->setColor(kIncomeColour);
  income->setBorderColor(kIncomeColour);
  expense->setColor(kExpenseColour);
  expense->setBorderColor(kExpenseColour);
  auto* difference = new QLineSeries();
  difference->setName(QStringLiteral("차액"));
  difference->setPen(QPen(kDifferenceColour, 2));
  difference->setPointsVisible(true);
  QStringList labels;
  for (std::size_t i = 0; i < trend.months.size(); ++i) {
    const MonthTotals& m = trend.months[i];
    *income << static_cast<double>(m.income) / unit.divisor;
    *expense << static_cast<double>(m.expense) / unit.divisor;
    difference->append(static_cast<double>(i), static_cast<double>(m.difference()) / unit.divisor);
    labels << qtText(m.label);
  }
  auto* bars = new QBarSeries();
  bars->append(income);
  bars->append(expense);
  trendChart_->addSeries(bars);
  trendChart_->addSeries(difference);

  auto* months = new QBarCategoryAxis();
  months->append(labels);
  months->setLabelsFont(chartFont(11));
  auto* amounts = new QValueAxis();
  amounts->setRange(smallest / unit.divisor, std::max(largest / unit.divisor, 1.0));
  amounts->applyNiceNumbers();
  amounts->setLabelFormat(QString::fromLatin1(unit.format));
  amounts->setLabelsFont(chartFont(11));
  amounts->setTitleText(QString::fromUtf8(unit.title));
  amounts->setTitleFont(chartFont(11));
  trendChart_->addAxis(months, Qt::AlignBottom);
  trendChart_->addAxis(amounts, Qt::AlignLeft);
  for (QAbstractSeries* series : {static_cast<QAbstractSeries*>(bars), static_cast<QAbstractSeries*>(difference)}) {
    series->attachAxis(months);
    series->attachAxis(amounts);
  }
  trendChart_->legend()->setAlignment(Qt::AlignBottom);

  trendTotal_->setText(qtText("12개월 수입 " + formatTotalAmount(trend.income) + "원, 지출 " +
                              formatTotalAmount(trend.expense) + "원, 차액 " +
                              formatSignedTotalAmount(trend.difference()) + "원"));
}

QWidget* StatisticsWindow::shownPage() const { return tabs_->currentWidget(); }

bool StatisticsWindow::saveChart(const std::filesystem::path& file, QString* reason) {
  // The whole page: the month's list with its amounts goes with its doughnut.
  QByteArray png;
  QBuffer buffer(&png);
  buffer.open(QIODevice::WriteOnly);
  if (!shownPage()->grab().save(&buffer, "PNG")) {
    if (reason) *reason = QStringLiteral("그림을 만들지 못했습니다");
    return false;
  }
  const Status written = replaceFileDurably(FileTarget::userNamed(model_.deviceRoot(), file),
                                                std::string_view(png.constData(), static_cast<std::size_t>(png.size())));
  if (!written && reason) *reason = qtText(written.reason());
  return written.isOk();
}

void StatisticsWindow::askAndSave() {
  const bool trend = tabs_->currentIndex() == static_cast<int>(StatisticsTab::YearTrend);
  const std::optional<std::filesystem::path> file =
      chooseFileToSave(this, QStringLiteral("차트 저장"), trend ? QStringLiteral("연간추이.png") : QStringLiteral("월별지출.png"),
                       QStringLiteral("PNG 그림 (*.png)"), QStringLiteral("png"));
  if (!file) return;
  QString reason;
  if (!saveChart(*file, &reason)) {
    QMessageBox::warning(this, QStringLiteral("오류"), QStringLiteral("차트를 저장하지 못했습니다: ") + reason);
  }
}

}  // namespace coinest::qt
