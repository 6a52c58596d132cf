#include "qt/page_list.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QScrollBar>
#include <QPainter>
#include <QSignalBlocker>
#include <QStyledItemDelegate>

#include "qt/field_widget.h"
#include "qt/qt_style.h"
#include "shell/shell.h"

namespace coinest::qt {
namespace {

// A press held this long without moving opens the popup menu, as tap-and-hold does.
constexpr int kHoldMilliseconds = 600;

// Cells written with one pixel of margin and cut rather than shortened with an ellipsis: the
// narrow date column holds "03-05" only so, as the device's list did.
class TightCellDelegate : public QStyledItemDelegate {
 public:
  using QStyledItemDelegate::QStyledItemDelegate;

  void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override {
    const bool selected = option.state & QStyle::State_Selected;
    const QPalette::ColorGroup group = option.state & QStyle::State_Active ? QPalette::Active : QPalette::Inactive;
    if (selected) painter->fillRect(option.rect, option.palette.brush(group, QPalette::Highlight));
    painter->save();
    painter->setFont(option.font);
    painter->setPen(option.palette.color(group, selected ? QPalette::HighlightedText : QPalette::Text));
    const QVariant alignment = index.data(Qt::TextAlignmentRole);
    const int flags = alignment.isValid() ? alignment.toInt() : static_cast<int>(Qt::AlignLeft | Qt::AlignVCenter);
    painter->setClipRect(option.rect);
    QRect text = option.rect.adjusted(1, 0, -1, 0);
    if (const QIcon icon = index.data(Qt::DecorationRole).value<QIcon>(); !icon.isNull()) {
      const int side = option.rect.height() - 2;
      icon.paint(painter, QRect(option.rect.left() + 1, option.rect.top() + 1, side, side));
      text.setLeft(text.left() + side + 2);
    }
    painter->drawText(text, flags, index.data(Qt::DisplayRole).toString());
    painter->restore();
  }

  QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override {
    return QSize(QStyledItemDelegate::sizeHint(option, index).width(), QFontMetrics(option.font).height() + 2);
  }
};

// The icon of an icon list's rows: a small folder, as the lists of kinds and categories had.
QIcon rowIcon(int scale) {
  const int side = 16 * scale;
  QPixmap pixmap(side, side);
  pixmap.fill(Qt::transparent);
  QPainter painter(&pixmap);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.scale(scale, scale);
  painter.setPen(QPen(QColor(0x8A, 0x5A, 0x10), 1));
  painter.setBrush(QColor(0xF2, 0xC1, 0x4E));
  painter.drawRect(QRectF(1.5, 4.5, 13, 9));
  painter.drawRect(QRectF(1.5, 2.5, 5, 2));
  painter.end();
  return QIcon(pixmap);
}

}  // namespace

std::optional<int> virtualKeyOf(int qtKey) {
  switch (qtKey) {
    case Qt::Key_Left: return keys::Left;
    case Qt::Key_Right: return keys::Right;
    case Qt::Key_Up: return keys::Up;
    case Qt::Key_Down: return keys::Down;
    case Qt::Key_Return:
    case Qt::Key_Enter: return keys::Enter;
    case Qt::Key_Shift: return keys::Shift;
    case Qt::Key_Space: return keys::Space;
    default: break;
  }
  if (qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9) return keys::Digit0 + (qtKey - Qt::Key_0);
  return std::nullopt;
}

PageList::PageList(const ControlSpec& control, int scale, QWidget* parent) : QTreeWidget(parent) {
  setHeaderHidden(true);
  setRootIsDecorated(false);
  setIndentation(0);
  setUniformRowHeights(true);
  setSelectionMode(QAbstractItemView::SingleSelection);
  setSelectionBehavior(QAbstractItemView::SelectRows);
  setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  setEditTriggers(QAbstractItemView::NoEditTriggers);
  setFrameShape(QFrame::NoFrame);
  setFont(viewFont(kViewFontPixels, false, scale));
  setFocusPolicy(Qt::StrongFocus);
  setItemDelegate(new TightCellDelegate(this));
  applyControlColours(*this, control);
  if (control.columns.empty()) {
    setColumnCount(1);
  } else {
    setColumnCount(static_cast<int>(control.columns.size()));
    for (int column = 0; column < columnCount(); ++column) {
      const ListColumn& shape = control.columns[column];
      setColumnWidth(column, shape.width * scale);
      setColumnHidden(column, shape.width == 0);
    }
  }
  header()->setStretchLastSection(control.columns.empty());
  // The icon lists keep their selection visible without the focus.
  if (control.iconList) {
    rowIcon_ = rowIcon(scale);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Inactive, QPalette::Highlight, palette.color(QPalette::Active, QPalette::Highlight));
    palette.setColor(QPalette::Inactive, QPalette::HighlightedText,
                     palette.color(QPalette::Active, QPalette::HighlightedText));
    setPalette(palette);
  }
  // Alignment per column, kept for the rows to come.
  for (const ListColumn& shape : control.columns) {
    alignments_.push_back(shape.alignment == Alignment::Right    ? Qt::AlignRight | Qt::AlignVCenter
                         : shape.alignment == Alignment::Centre ? Qt::AlignHCenter | Qt::AlignVCenter
                                                                : Qt::AlignLeft | Qt::AlignVCenter);
  }

  holdTimer_.setSingleShot(true);
  holdTimer_.setInterval(kHoldMilliseconds);
  connect(&holdTimer_, &QTimer::timeout, this, [this] {
    held_ = true;
    if (onHeld) onHeld(pressPoint_);
  });
  connect(this, &QTreeWidget::itemSelectionChanged, this, [this] {
    if (!quiet_ && onSelectionChanged) onSelectionChanged(selectedRowIndex());
  });
}

bool PageList::setRows(const std::vector<ListRowCells>& rows) {
  if (rows == rows_) return false;
  rows_ = rows;
  const QSignalBlocker blocker(this);
  clear();
  QList<QTreeWidgetItem*> items;
  items.reserve(static_cast<qsizetype>(rows.size()));
  for (const ListRowCells& cells : rows) {
    auto* item = new QTreeWidgetItem();
    if (!rowIcon_.isNull()) item->setIcon(0, rowIcon_);
    for (int column = 0; column < static_cast<int>(cells.size()) && column < columnCount(); ++column) {
      item->setText(column, qtText(cells[column]));
      if (column < static_cast<int>(alignments_.size())) item->setTextAlignment(column, alignments_[column]);
    }
    items.append(item);
  }
  addTopLevelItems(items);
  return true;
}

void PageList::selectQuietly(int row) {
  if (row == selectedRowIndex()) return;
  quiet_ = true;
  QTreeWidgetItem* item = row >= 0 ? topLevelItem(row) : nullptr;
  if (item) {
    setCurrentItem(item);
    scrollToItem(item);
  } else {
    clearSelection();
  }
  quiet_ = false;
}

int PageList::selectedRowIndex() const {
  const QList<QTreeWidgetItem*> selected = selectedItems();
  return selected.isEmpty() ? -1 : indexOfTopLevelItem(selected.front());
}

QPoint PageList::currentRowCentre() const {
  QTreeWidgetItem* item = currentItem();
  const QRect row = item ? visualItemRect(item) : QRect();
  const QPoint inViewport = row.isValid() ? row.center() : viewport()->rect().center();
  return viewport()->mapTo(this, inViewport);
}

void PageList::mousePressEvent(QMouseEvent* event) {
  held_ = false;
  // Mouse events arrive from the viewport, in its coordinates.
  const QPoint inViewport = event->position().toPoint();
  pressPoint_ = viewport()->mapTo(this, inViewport);
  if (event->button() == Qt::RightButton) {
    // A right click selects the row under it first, as the tap before a hold does.
    if (QTreeWidgetItem* item = itemAt(inViewport)) setCurrentItem(item);
    if (onHeld) onHeld(pressPoint_);
    return;
  }
  QTreeWidget::mousePressEvent(event);
  if (event->button() == Qt::LeftButton) holdTimer_.start();
}

void PageList::mouseMoveEvent(QMouseEvent* event) {
  if ((viewport()->mapTo(this, event->position().toPoint()) - pressPoint_).manhattanLength() > 6) holdTimer_.stop();
  QTreeWidget::mouseMoveEvent(event);
}

void PageList::mouseReleaseEvent(QMouseEvent* event) {
  holdTimer_.stop();
  QTreeWidget::mouseReleaseEvent(event);
  if (event->button() == Qt::LeftButton && !held_ && onTapped) onTapped(selectedRowIndex());
}

void PageList::keyPressEvent(QKeyEvent* event) {
  const std::optional<int> code = virtualKeyOf(event->key());
  // The arrows up and down move the selection here; every other key the shell reports is
  // the shell's alone (left and right switch pages, not the scroll position).
  if (event->key() == Qt::Key_Up || event->key() == Qt::Key_Down) QTreeWidget::keyPressEvent(event);
  if (code && onKey) {
    onKey(*code);
    return;
  }
  if (!code) QTreeWidget::keyPressEvent(event);
}

}  // namespace coinest::qt
