#pragma once

// The colours of the charts: a palette that stays apart for people with red-green colour
// blindness (blue, orange, bluish green, reddish purple, sky blue, vermillion, yellow), with
// grey kept for the "rest" slice.

#include <QColor>

#include <array>

namespace coinest::qt {

inline const std::array<QColor, 7> kChartColours = {
    QColor(0x00, 0x72, 0xB2), QColor(0xE6, 0x9F, 0x00), QColor(0x00, 0x9E, 0x73), QColor(0xCC, 0x79, 0xA7),
    QColor(0x56, 0xB4, 0xE9), QColor(0xD5, 0x5E, 0x00), QColor(0xF0, 0xE4, 0x42),
};
inline const QColor kRestColour(0x99, 0x99, 0x99);

// Income and expense bars: blue and orange, which every kind of colour vision tells apart; the
// difference line in near-black.
inline const QColor kIncomeColour(0x00, 0x72, 0xB2);
inline const QColor kExpenseColour(0xE6, 0x9F, 0x00);
inline const QColor kDifferenceColour(0x22, 0x22, 0x22);

}  // namespace coinest::qt
