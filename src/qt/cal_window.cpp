#include "qt/cal_window.h"

#include <QMouseEvent>
#include <QPainter>

#include "qt/qt_style.h"

namespace coinest::qt {
namespace {

constexpr int kRows = 6;
constexpr int kColumns = 7;
constexpr int kDayFontPixels = 11;

bool sameCalendar(const BookCalendar& a, const BookCalendar& b) {
  if (a.year != b.year || a.month != b.month || a.cells.size() != b.cells.size()) return false;
  for (std::size_t i = 0; i < a.cells.size(); ++i) {
    const BookCalendarCell& x = a.cells[i];
    const BookCalendarCell& y = b.cells[i];
    if (x.day != y.day || x.row != y.row || x.column != y.column || x.nextMonth != y.nextMonth ||
        x.hasEntries != y.hasEntries || x.current != y.current || x.inRange != y.inRange || x.red != y.red) {
      return false;
    }
  }
  return true;
}

}  // namespace

CalWindow::CalWindow(int scale, QWidget* parent) : QWidget(parent), scale_(scale) {
  setAutoFillBackground(true);
  QPalette palette = this->palette();
  palette.setColor(QPalette::Window, Qt::white);
  setPalette(palette);
  setFocusPolicy(Qt::NoFocus);
}

void CalWindow::setCalendar(const BookCalendar& calendar) {
  if (sameCalendar(calendar, calendar_)) return;
  calendar_ = calendar;
  update();
}

QRect CalWindow::cellRect(int row, int column) const {
  const int left = column * width() / kColumns;
  const int right = (column + 1) * width() / kColumns;
  const int top = row * height() / kRows;
  const int bottom = (row + 1) * height() / kRows;
  return QRect(left, top, right - left, bottom - top);
}

void CalWindow::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  for (const BookCalendarCell& cell : calendar_.cells) {
    const QRect area = cellRect(cell.row, cell.column);
    if (cell.inRange) painter.fillRect(area, colour(kCalendarRangeBackground));
    QFont font = viewFont(kDayFontPixels, cell.hasEntries, scale_);
    font.setUnderline(cell.current);
    painter.setFont(font);
    painter.setPen(cell.red ? QColor(0xFF, 0, 0) : QColor(0, 0, 0));
    painter.drawText(area, Qt::AlignCenter, QString::number(cell.day));
  }
}

void CalWindow::mousePressEvent(QMouseEvent* event) {
  const QPoint at = event->position().toPoint();
  for (const BookCalendarCell& cell : calendar_.cells) {
    if (cellRect(cell.row, cell.column).contains(at)) {
      if (onDayTapped) onDayTapped(cell.day, cell.row);
      return;
    }
  }
}

}  // namespace coinest::qt
