#pragma once

// The window's colours, fonts and the one rule that maps the 240 by 320 layout onto the screen:
// every rectangle and every pixel size is multiplied by the window's whole-number scale.

#include <QColor>
#include <QFont>
#include <QRect>
#include <QString>

#include <string_view>

#include "shell/control_table.h"

namespace coinest::qt {

inline constexpr Rgb kWindowBackground = 0x637DA5;
inline constexpr Rgb kTabStrip = 0x102C63;
inline constexpr Rgb kCommandBarBackground = 0xA8BEE0;
inline constexpr Rgb kCalendarRangeBackground = 0xE9EAFB;  // RGB(233,234,251)

// The white frame behind the page's list reaches this far down.
inline constexpr int kListFrameBottomReservations = 243;
inline constexpr int kListFrameBottom = 140;

// The view fonts: 13 pixels for lists and fields, 14 for emphasis.
inline constexpr int kViewFontPixels = 13;
inline constexpr int kEmphasisFontPixels = 14;

inline QColor colour(Rgb rgb) { return QColor((rgb >> 16) & 0xFF, (rgb >> 8) & 0xFF, rgb & 0xFF); }

inline QRect scaled(const ControlRect& rect, int scale) {
  return QRect(rect.x * scale, rect.y * scale, rect.width * scale, rect.height * scale);
}

inline QString qtText(std::string_view utf8) {
  return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

// NanumGothic at `pixels` of the layout, times the scale.
QFont viewFont(int pixels, bool bold, int scale);

}  // namespace coinest::qt
