#include "qt/main_window.h"

#include <QApplication>
#include <QCloseEvent>
#include <QMenuBar>
#include <QPainter>
#include <QShortcut>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include <algorithm>
#include <iostream>

#include "qt/button_widget.h"
#include "qt/cal_window.h"
#include "qt/command_bar.h"
#include "qt/export_dialog.h"
#include "qt/field_widget.h"
#include "qt/page_list.h"
#include "qt/qt_shell_ui.h"
#include "qt/qt_style.h"
#include "qt/statistics_window.h"
#include "shell/menu_bar.h"
#include "shell/shell_context.h"
#include "shell/tab_row.h"

namespace coinest::qt {
namespace {

constexpr int kTickMilliseconds = 1000;

// The numbers the window sends come from the shell's tables, so one the shell does not know is a
// table's fault: it is told on the error stream and the window carries on.
void reportUnknown(CommandOutcome outcome, int number) {
  if (outcome == CommandOutcome::Unknown) std::cerr << "coinest: no command " << number << '\n';
}

// The window's icon where the desktop's theme has none: the book's first letter on its blue.
QIcon drawnWindowIcon() {
  QPixmap pixmap(32, 32);
  pixmap.fill(Qt::transparent);
  QPainter painter(&pixmap);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setPen(Qt::NoPen);
  painter.setBrush(colour(kTabStrip));
  painter.drawRoundedRect(QRectF(1, 1, 30, 30), 6, 6);
  painter.setPen(Qt::white);
  painter.setFont(viewFont(20, true, 1));
  painter.drawText(QRect(0, 0, 32, 32), Qt::AlignCenter, QStringLiteral("가"));
  painter.end();
  return QIcon(pixmap);
}

}  // namespace

ScreenArea::ScreenArea(int scale, QWidget* parent)
    : QWidget(parent), scale_(scale), listFrameBottom_(kListFrameBottom) {
  setFixedSize(kScreenWidth * scale, kScreenHeight * scale);
  setFocusPolicy(Qt::StrongFocus);
}

void ScreenArea::setListFrameBottom(int bottom) {
  if (bottom == listFrameBottom_) return;
  listFrameBottom_ = bottom;
  update();
}

void ScreenArea::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.fillRect(rect(), colour(kWindowBackground));
  painter.fillRect(scaled({0, 0, 240, 17}, scale_), colour(kTabStrip));
  painter.fillRect(scaled({2, 33, 236, listFrameBottom_ - 33}, scale_), Qt::white);
}

MainWindow::MainWindow(Shell& shell, QtShellUi& ui, int scale) : shell_(shell), ui_(ui), scale_(scale) {
  setWindowTitle(QStringLiteral("가계부"));
  setWindowIcon(QIcon::fromTheme(QStringLiteral("x-office-spreadsheet"), drawnWindowIcon()));
  auto* holder = new QWidget(this);
  auto* layout = new QVBoxLayout(holder);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSizeConstraint(QLayout::SetFixedSize);
  area_ = new ScreenArea(scale, holder);
  layout->addWidget(area_);
  setCentralWidget(holder);
  buildMenus();
  buildControls();
  commandBar_ = new CommandBar(scale, area_);
  commandBar_->onCommand = [this](int command) { sendCommand(command); };
  ui_.attach(area_, [this] { return keyMenuPoint(); });

  ticker_ = new QTimer(this);
  ticker_->setInterval(kTickMilliseconds);
  connect(ticker_, &QTimer::timeout, this, [this] {
    // A dialog or menu of the shell is open: its tick waits for the next second.
    if (depth_ == 0) callShell([](Shell& s) { s.tick(); });
  });
}

MainWindow::~MainWindow() { ui_.attach(nullptr, {}); }

void MainWindow::startTimer() { ticker_->start(); }

void MainWindow::sendCommand(int command) {
  callShell([command](Shell& s) { reportUnknown(s.command(command), command); });
}

void MainWindow::buildMenus() {
  menuBar()->setFont(viewFont(kViewFontPixels, false, scale_));
  for (const MenuBarMenu& shape : coinest::menuBar()) {
    QMenu* menu = menuBar()->addMenu(qtText(shape.title));
    for (const MenuBarItem& item : shape.items) {
      if (item.separator()) {
        menu->addSeparator();
        continue;
      }
      const int command = item.command;
      connect(menu->addAction(qtText(item.text)), &QAction::triggered, this, [this, command] { sendCommand(command); });
    }
  }
  buildStatisticsMenu();
  for (const Accelerator& accelerator : accelerators()) {
    auto* shortcut = new QShortcut(QKeySequence(qtText(accelerator.keys)), this);
    shortcut->setContext(Qt::WindowShortcut);
    const int command = accelerator.command;
    connect(shortcut, &QShortcut::activated, this, [this, command] { sendCommand(command); });
  }
}

// Added beside the book's own menus: the charts and the export, which the window layer opens
// itself since no page command stands for them.
void MainWindow::buildStatisticsMenu() {
  QMenu* menu = menuBar()->addMenu(QStringLiteral("통계"));
  connect(menu->addAction(QStringLiteral("월별 지출 분석")), &QAction::triggered, this,
          [this] { openStatistics(StatisticsTab::MonthSpending); });
  connect(menu->addAction(QStringLiteral("연간 추이")), &QAction::triggered, this,
          [this] { openStatistics(StatisticsTab::YearTrend); });
  menu->addSeparator();
  connect(menu->addAction(QStringLiteral("내보내기…")), &QAction::triggered, this, [this] { openExport(); });
}

void MainWindow::openStatistics(StatisticsTab tab) {
  callShell([this, tab](Shell& shell) {
    StatisticsWindow window(StatisticsModel::ofShell(shell.context()), tab, this);
    window.exec();
  });
}

void MainWindow::openExport() {
  callShell([this](Shell& shell) {
    const TodayDate now = today(shell.context().book.clock);
    ExportDialog dialog(shell.context().book, QDate(now.year, now.month, now.day), this);
    dialog.exec();
  });
}

void MainWindow::buildControls() {
  std::vector<std::pair<int, QWidget*>> bySize;
  for (const ControlSpec& control : controlTable()) {
    QWidget* widget = nullptr;
    switch (control.kind) {
      case ControlKind::List: {
        auto* list = new PageList(control, scale_, area_);
        lists_[control.id] = list;
        widget = list;
        break;
      }
      case ControlKind::Button:
        widget = new ButtonWidget(control, scale_, area_);
        break;
      case ControlKind::Field:
      case ControlKind::Caption:
        if (control.scrolls) {
          widget = new ScrollingField(control, scale_, area_);
        } else {
          widget = new FieldWidget(control, scale_, area_);
        }
        break;
      case ControlKind::CalWindow:
        calendar_ = new CalWindow(scale_, area_);
        widget = calendar_;
        break;
    }
    widget->setGeometry(scaled(control.rect, scale_));
    widget->hide();
    wireControl(control, widget);
    widgets_[control.id] = widget;
    bySize.emplace_back(control.rect.width * control.rect.height, widget);
  }
  // The backgrounds of the panels share their place with the values on them: the smaller a
  // control, the nearer the top.
  std::stable_sort(bySize.begin(), bySize.end(), [](const auto& a, const auto& b) { return a.first > b.first; });
  for (const auto& [size, widget] : bySize) widget->raise();
}

void MainWindow::wireControl(const ControlSpec& control, QWidget* widget) {
  const int id = control.id;
  if (auto* list = qobject_cast<PageList*>(widget)) {
    list->onSelectionChanged = [this, id](int row) { callShell([=](Shell& s) { s.listSelectionChanged(id, row); }); };
    list->onTapped = [this, id](int row) { callShell([=](Shell& s) { s.listTapped(id, row); }); };
    list->onKey = [this, id](int key) { callShell([=](Shell& s) { s.listKey(id, key); }); };
    list->onHeld = [this, id, list](QPoint at) {
      const ScreenPoint point = layoutPoint(list, at);
      callShell([=](Shell& s) { s.listHeld(id, point); });
    };
  } else if (auto* button = qobject_cast<ButtonWidget*>(widget)) {
    if (id != kFillerButton) {
      connect(button, &QAbstractButton::clicked, this, [this, id] { sendCommand(id); });
    }
  } else if (auto* field = qobject_cast<FieldWidget*>(widget)) {
    field->onFocused = fieldFocusHandler(id);
  } else if (auto* note = qobject_cast<ScrollingField*>(widget)) {
    note->onFocused = fieldFocusHandler(id);
  } else if (auto* calendar = qobject_cast<CalWindow*>(widget)) {
    calendar->onDayTapped = [this](int day, int row) { callShell([=](Shell& s) { s.calendarTapped(day, row); }); };
  }
}

std::function<void()> MainWindow::fieldFocusHandler(int id) {
  // The focus this window moves itself is no user's tap.
  return [this, id] {
    if (!applyingFocus_) callShell([id](Shell& s) { reportUnknown(s.fieldFocused(id), id); });
  };
}

QWidget* MainWindow::controlWidget(int id) const {
  const auto found = widgets_.find(id);
  return found == widgets_.end() ? nullptr : found->second;
}

PageList* MainWindow::list(int id) const {
  const auto found = lists_.find(id);
  return found == lists_.end() ? nullptr : found->second;
}

void MainWindow::showScreen(const Screen& screen) {
  area_->setListFrameBottom(screen.currentTab == PageReservations ? kListFrameBottomReservations : kListFrameBottom);
  for (const ControlSpec& control : controlTable()) {
    const ControlState& state = screen.at(control.id);
    QWidget* widget = widgets_.at(control.id);
    const QString text = qtText(state.text);
    if (auto* list = qobject_cast<PageList*>(widget)) {
      if (list->setRows(state.rows)) ++rowRebuilds_;
      list->selectQuietly(state.selectedRow);
    } else if (auto* button = qobject_cast<ButtonWidget*>(widget)) {
      const std::optional<int> tabPage = pageOfTab(control.id);
      button->setState(text, state.pressed || (tabPage && *tabPage == screen.currentTab));
    } else if (auto* field = qobject_cast<FieldWidget*>(widget)) {
      field->setText(text);
    } else if (auto* note = qobject_cast<ScrollingField*>(widget)) {
      note->setText(text);
    } else if (widget == calendar_) {
      calendar_->setCalendar(screen.calendar);
    }
    widget->setEnabled(state.enabled);
    widget->setVisible(state.visible && control.group != ControlGroup::NeverShown);
  }
  commandBar_->show(screen.commandBar);
}

void MainWindow::sync() {
  if (depth_ > 0) return;  // the outer call draws once it returns
  const Screen& screen = shell_.screen();
  if (!shownOnce_ || screen.revision() != shownRevision_) {
    showScreen(screen);
    shownRevision_ = screen.revision();
    shownOnce_ = true;
  } else {
    // A click on the switch toggles it by itself; the shell's state wins.
    commandBar_->show(screen.commandBar);
  }
  applyFocus(screen.focus);
  if (shell_.closeRequested() && !exited_) close();
}

void MainWindow::applyFocus(int controlId) {
  applyingFocus_ = true;
  if (PageList* list = this->list(controlId); list && list->isVisible()) {
    list->setFocus(Qt::OtherFocusReason);
  } else if (QWidget* focused = QApplication::focusWidget();
             controlId == 0 || (focused && (qobject_cast<FieldWidget*>(focused) || qobject_cast<ScrollingField*>(focused)))) {
    area_->setFocus(Qt::OtherFocusReason);
  }
  applyingFocus_ = false;
}

ScreenPoint MainWindow::layoutPoint(QWidget* from, QPoint at) const {
  const QPoint inArea = from->mapTo(area_, at);
  return {inArea.x() / scale_, inArea.y() / scale_};
}

QPoint MainWindow::keyMenuPoint() const {
  for (const auto& [id, list] : lists_) {
    if (list->hasFocus()) return list->mapTo(area_, list->currentRowCentre());
  }
  return area_->rect().center();
}

void MainWindow::closeEvent(QCloseEvent* event) {
  if (!exited_) {
    exited_ = true;
    ticker_->stop();
    const Status status = shell_.exit();
    if (!status) {
      exitFailed_ = true;
      ui_.showMessage(status.reason(), MessageCaption::Error);
    }
  }
  event->accept();
}

}  // namespace coinest::qt
