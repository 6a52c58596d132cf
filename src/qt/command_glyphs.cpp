#include "qt/command_glyphs.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace coinest::qt {
namespace {

const QColor kInk(0x10, 0x2C, 0x63);
const QColor kGreen(0x1E, 0x8C, 0x2E);
const QColor kRed(0xD0, 0x20, 0x20);

void arrow(QPainter& p, QPointF tip, QPointF base, double halfWidth, const QColor& colour) {
  const QPointF along = tip - base;
  const QPointF side(-along.y(), along.x());
  const double length = std::hypot(along.x(), along.y());
  const QPointF unit = side / length * halfWidth;
  QPainterPath path;
  path.moveTo(tip);
  path.lineTo(base + unit);
  path.lineTo(base - unit);
  path.closeSubpath();
  p.fillPath(path, colour);
}

void plus(QPainter& p, const QColor& colour) {
  p.fillRect(QRectF(7, 3, 2.5, 10), colour);
  p.fillRect(QRectF(3, 7, 10, 2.5), colour);
}

void pencil(QPainter& p) {
  p.setPen(QPen(kInk, 1.2));
  QPainterPath body;
  body.moveTo(3, 13);
  body.lineTo(4, 10);
  body.lineTo(11, 3);
  body.lineTo(13, 5);
  body.lineTo(6, 12);
  body.closeSubpath();
  p.fillPath(body, QColor(0xF2, 0xC1, 0x4E));
  p.drawPath(body);
}

void cross(QPainter& p) {
  p.setPen(QPen(kRed, 2.4, Qt::SolidLine, Qt::RoundCap));
  p.drawLine(QPointF(4, 4), QPointF(12, 12));
  p.drawLine(QPointF(12, 4), QPointF(4, 12));
}

void lines(QPainter& p, double left) {
  p.setPen(QPen(kInk, 1.2));
  for (double y : {4.0, 7.5, 11.0}) p.drawLine(QPointF(left, y), QPointF(14, y));
}

void magnifier(QPainter& p) {
  p.setPen(QPen(kInk, 1.6));
  p.setBrush(QColor(0xDD, 0xEE, 0xFF));
  p.drawEllipse(QPointF(6.5, 6.5), 4, 4);
  p.setPen(QPen(kInk, 2.4, Qt::SolidLine, Qt::RoundCap));
  p.drawLine(QPointF(9.5, 9.5), QPointF(13.5, 13.5));
}

// A folder tab under the major-category glyphs tells them from the minor ones.
void majorMark(QPainter& p) { p.fillRect(QRectF(1, 14, 14, 1.5), QColor(0x8A, 0x5A, 0x10)); }

void draw(QPainter& p, CommandGlyph glyph) {
  using enum CommandGlyph;
  switch (glyph) {
    case Detail:
      lines(p, 2);
      p.fillRect(QRectF(2, 13, 12, 1.5), kInk);
      return;
    case Change:
      magnifier(p);
      return;
    case Back:
      arrow(p, {2, 8}, {8, 8}, 5, kInk);
      p.setPen(QPen(kInk, 2.2));
      p.drawArc(QRectF(5, 5, 9, 9), 90 * 16, -180 * 16);
      return;
    case PreviousRow:
    case MinorUp:
      arrow(p, {8, 3}, {8, 12}, 5, kInk);
      return;
    case NextRow:
    case MinorDown:
      arrow(p, {8, 13}, {8, 4}, 5, kInk);
      return;
    case MajorUp:
      arrow(p, {8, 2}, {8, 9}, 5, kInk);
      arrow(p, {8, 7}, {8, 14}, 5, kInk);
      return;
    case MajorDown:
      arrow(p, {8, 14}, {8, 7}, 5, kInk);
      arrow(p, {8, 9}, {8, 2}, 5, kInk);
      return;
    case PreviousPeriod:
      arrow(p, {3, 8}, {12, 8}, 5, kGreen);
      return;
    case NextPeriod:
      arrow(p, {13, 8}, {4, 8}, 5, kGreen);
      return;
    case CurrentPeriod:
      p.setPen(Qt::NoPen);
      p.setBrush(kGreen);
      p.drawEllipse(QPointF(8, 8), 4.5, 4.5);
      return;
    case Add:
      plus(p, kGreen);
      return;
    case Edit:
      pencil(p);
      return;
    case Delete:
      cross(p);
      return;
    case MajorAdd:
      plus(p, kGreen);
      majorMark(p);
      return;
    case MajorEdit:
      pencil(p);
      majorMark(p);
      return;
    case MajorDelete:
      cross(p);
      majorMark(p);
      return;
    case Calculator:
      p.setPen(QPen(kInk, 1));
      p.setBrush(QColor(0xEE, 0xEE, 0xEE));
      p.drawRect(QRectF(3.5, 1.5, 9, 13));
      p.fillRect(QRectF(5, 3, 6, 3), QColor(0x9C, 0xC4, 0x8C));
      for (int row = 0; row < 3; ++row) {
        for (int column = 0; column < 3; ++column) p.fillRect(QRectF(5 + column * 2.2, 7.5 + row * 2.2, 1.4, 1.4), kInk);
      }
      return;
    case MinorRows:
      p.setPen(QPen(kInk, 1.2));
      p.drawLine(QPointF(2, 3.5), QPointF(14, 3.5));
      p.drawLine(QPointF(4, 4), QPointF(4, 12));
      for (double y : {7.5, 11.5}) p.drawLine(QPointF(4, y), QPointF(14, y));
      return;
  }
}

}  // namespace

QIcon glyphIcon(CommandGlyph glyph, int scale) {
  QPixmap pixmap(16 * scale, 16 * scale);
  pixmap.fill(Qt::transparent);
  QPainter painter(&pixmap);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.scale(scale, scale);
  draw(painter, glyph);
  painter.end();
  return QIcon(pixmap);
}

}  // namespace coinest::qt
