#include "qt/button_widget.h"

#include <QPainter>

#include "qt/qt_style.h"
#include "shell/tab_row.h"

namespace coinest::qt {
namespace {

// A header strip: the buttons of a page's row at y 17 drawn as the list's column heads.
bool isHeader(const ControlSpec& control) { return control.page >= 0 && control.rect.y == 17 && control.rect.height == 16; }

}  // namespace

ButtonWidget::ButtonWidget(const ControlSpec& control, int scale, QWidget* parent)
    : QAbstractButton(parent), control_(control), scale_(scale) {
  role_ = pageOfTab(control.id) ? Role::Tab
          : control.id == kFillerButton ? Role::Filler
          : isHeader(control) ? Role::Header
                           : Role::Plain;
  setFocusPolicy(Qt::NoFocus);
  setText(qtText(control.text));
}

void ButtonWidget::setState(const QString& text, bool current) {
  if (text == this->text() && current == current_) return;
  setText(text);
  current_ = current;
  update();
}

void ButtonWidget::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  const QRect area = rect();
  // The tall mode and kind buttons carry one letter a line.
  const bool vertical = text().contains(QLatin1Char('\n'));
  int pixels = std::min(kViewFontPixels, control_.rect.height - 2);
  bool bold = current_;
  QColor back, fore;
  switch (role_) {
    case Role::Tab:
      back = current_ ? QColor(0xE8, 0xEE, 0xF8) : QColor(0x31, 0x51, 0x8C);
      fore = current_ ? QColor(0x10, 0x2C, 0x63) : QColor(0xD8, 0xE0, 0xF0);
      break;
    case Role::Filler:
      painter.fillRect(area, colour(kTabStrip));
      return;
    case Role::Header:
      back = QColor(0xD6, 0xDF, 0xEF);
      fore = QColor(0x10, 0x2C, 0x63);
      bold = true;
      pixels = 12;
      break;
    case Role::Plain:
      back = current_ ? QColor(0xFF, 0xFF, 0xFF) : QColor(0xC6, 0xD3, 0xEA);
      fore = isEnabled() ? QColor(0x10, 0x2C, 0x63) : QColor(0x80, 0x80, 0x80);
      if (vertical) pixels = 12;
      break;
  }
  painter.fillRect(area, back);
  painter.setPen(QColor(0x7B, 0x8E, 0xB5));
  painter.drawRect(area.adjusted(0, 0, -1, -1));
  if (isDown()) painter.fillRect(area, QColor(0, 0, 0, 40));
  painter.setFont(viewFont(pixels, bold, scale_));
  painter.setPen(fore);
  painter.drawText(area, Qt::AlignCenter, text());
}

}  // namespace coinest::qt
