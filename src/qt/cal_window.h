#pragma once

// The books page's month calendar (control kMonthCalendar): six rows of seven days, Sunday
// first. Days with entries are bold, the current day underlined, the list's range on light blue,
// Sundays and holidays red. A click tells the shell the day and row of the cell.

#include <QWidget>

#include <functional>

#include "ledger/book_view.h"

namespace coinest::qt {

class CalWindow : public QWidget {
  Q_OBJECT
 public:
  CalWindow(int scale, QWidget* parent);
  void setCalendar(const BookCalendar& calendar);
  const BookCalendar& calendar() const { return calendar_; }

  // The cell of (row, column) in this widget's coordinates.
  QRect cellRect(int row, int column) const;

  std::function<void(int day, int row)> onDayTapped;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;

 private:
  BookCalendar calendar_;
  int scale_;
};

}  // namespace coinest::qt
