#include "qt/field_widget.h"

#include <QPainter>

#include "qt/qt_style.h"
#include "shell/command_ids.h"

namespace coinest::qt {
namespace {

Qt::Alignment qtAlignment(Alignment alignment) {
  switch (alignment) {
    case Alignment::Centre: return Qt::AlignHCenter;
    case Alignment::Right: return Qt::AlignRight;
    case Alignment::Left: break;
  }
  return Qt::AlignLeft;
}

// The year and month fields and the settlement month are the page's headings.
bool emphasised(int id) { return id == kBooksYearField || id == kBooksMonthField || id == kSettlementMonthField; }

constexpr int kSmallestFontPixels = 9;

}  // namespace

void applyControlColours(QWidget& widget, const ControlSpec& control) {
  QPalette palette = widget.palette();
  const ControlColours colours = control.colours.value_or(ControlColours{0x000000, 0xFFFFFF});
  palette.setColor(QPalette::Window, colour(colours.background));
  palette.setColor(QPalette::Base, colour(colours.background));
  palette.setColor(QPalette::WindowText, colour(colours.text));
  palette.setColor(QPalette::Text, colour(colours.text));
  widget.setPalette(palette);
  widget.setAutoFillBackground(true);
}

FieldWidget::FieldWidget(const ControlSpec& control, int scale, QWidget* parent)
    : QWidget(parent), control_(control), scale_(scale), text_(qtText(control.text)) {
  setFont(viewFont(emphasised(control.id) ? kEmphasisFontPixels : kViewFontPixels, emphasised(control.id), scale));
  applyControlColours(*this, control);
  setFocusPolicy(Qt::ClickFocus);
}

void FieldWidget::setText(const QString& text) {
  if (text == text_) return;
  text_ = text;
  update();
}

void FieldWidget::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.setPen(palette().color(QPalette::WindowText));
  const QRect area = rect().adjusted(1, 0, -1, 0);
  const bool oneLine = control_.singleLine || area.height() < 2 * fontMetrics().lineSpacing();
  int flags = static_cast<int>(qtAlignment(control_.alignment));
  if (oneLine) {
    flags |= Qt::AlignVCenter;
    // A value wider than its field (the largest totals) is written smaller rather than cut:
    // the digits that would go are the ones that matter.
    QFont font = this->font();
    while (font.pixelSize() > kSmallestFontPixels * scale_ && QFontMetrics(font).horizontalAdvance(text_) > area.width()) {
      font.setPixelSize(font.pixelSize() - 1);
    }
    painter.setFont(font);
  } else {
    flags |= Qt::AlignTop | Qt::TextWordWrap;
  }
  painter.drawText(area, flags, text_);
}

void FieldWidget::focusInEvent(QFocusEvent* event) {
  QWidget::focusInEvent(event);
  if (onFocused) onFocused();
}

ScrollingField::ScrollingField(const ControlSpec& control, int scale, QWidget* parent) : QPlainTextEdit(parent) {
  setReadOnly(true);
  setFrameShape(QFrame::NoFrame);
  setFont(viewFont(kViewFontPixels, false, scale));
  setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  setFocusPolicy(Qt::ClickFocus);
  applyControlColours(*this, control);
  setPlainText(qtText(control.text));
}

void ScrollingField::setText(const QString& text) {
  if (text != toPlainText()) setPlainText(text);
}

void ScrollingField::focusInEvent(QFocusEvent* event) {
  QPlainTextEdit::focusInEvent(event);
  if (onFocused) onFocused();
}

}  // namespace coinest::qt
