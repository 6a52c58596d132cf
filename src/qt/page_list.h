#pragma once

// A list of the control table: report style without column heads, single full-row selection,
// the table's column widths (a width-0 column holds ids and stays hidden). It reports the
// user's selection, taps, holds (right click or press-and-hold) and keys as the shell's
// notifications; rows are only rebuilt when they changed.

#include <QIcon>
#include <QTimer>
#include <QTreeWidget>

#include <functional>
#include <optional>
#include <vector>

#include "shell/screen.h"

namespace coinest::qt {

// The Windows virtual key code of a key the lists report, or nothing.
std::optional<int> virtualKeyOf(int qtKey);

class PageList : public QTreeWidget {
  Q_OBJECT
 public:
  PageList(const ControlSpec& control, int scale, QWidget* parent);

  // Fills the rows when they differ from those shown; returns whether they were rebuilt.
  bool setRows(const std::vector<ListRowCells>& rows);
  // Selects `row` (none for -1) without reporting it.
  void selectQuietly(int row);
  int selectedRowIndex() const;
  // The centre of the current row (or of the list) in this widget's coordinates.
  QPoint currentRowCentre() const;

  std::function<void(int row)> onSelectionChanged;
  std::function<void(int row)> onTapped;
  std::function<void(QPoint at)> onHeld;  // in this widget's coordinates
  std::function<void(int keyCode)> onKey;

 protected:
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  std::vector<ListRowCells> rows_;
  std::vector<Qt::Alignment> alignments_;
  QIcon rowIcon_;  // the icon lists' rows only
  bool quiet_ = false;
  QTimer holdTimer_;
  QPoint pressPoint_;
  bool held_ = false;
};

}  // namespace coinest::qt
