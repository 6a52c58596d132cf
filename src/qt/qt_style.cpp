#include "qt/qt_style.h"

namespace coinest::qt {

QFont viewFont(int pixels, bool bold, int scale) {
  QFont font(QStringLiteral("NanumGothic"));
  font.setPixelSize(pixels * scale);
  font.setBold(bold);
  font.setStyleHint(QFont::SansSerif);
  return font;
}

}  // namespace coinest::qt
