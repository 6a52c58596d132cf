#include "qt/command_bar.h"

#include <QFrame>
#include <QPainter>

#include "qt/command_glyphs.h"
#include "qt/qt_style.h"

namespace coinest::qt {
namespace {

constexpr int kButtonSize = 16;
constexpr int kSeparatorWidth = 8;
constexpr int kFirstX = 1;
constexpr int kButtonY = 3;

}  // namespace

CommandBar::CommandBar(int scale, QWidget* parent) : QWidget(parent) {
  setGeometry(scaled(kCommandBarRect, scale));
  for (int set = 1; set <= kCommandBarSetCount; ++set) {
    auto* row = new QWidget(this);
    row->setGeometry(rect());
    int x = kFirstX;
    for (const CommandBarButton& shape : commandBarSet(set)) {
      if (shape.separator()) {
        auto* line = new QFrame(row);
        line->setFrameShape(QFrame::VLine);
        line->setFrameShadow(QFrame::Sunken);
        line->setGeometry((x + kSeparatorWidth / 2 - 1) * scale, kButtonY * scale, 2 * scale, kButtonSize * scale);
        x += kSeparatorWidth;
        continue;
      }
      auto* button = new QToolButton(row);
      button->setObjectName(QString::number(shape.command));
      button->setAutoRaise(true);
      button->setFocusPolicy(Qt::NoFocus);
      button->setIcon(glyphIcon(shape.glyph, scale));
      button->setIconSize(QSize(kButtonSize * scale, kButtonSize * scale));
      button->setToolTip(qtText(commandBarTip(shape)));
      button->setCheckable(shape.checkable());
      button->setGeometry(x * scale, kButtonY * scale, kButtonSize * scale, kButtonSize * scale);
      button->setStyleSheet(QStringLiteral("QToolButton { border: none; padding: 0; }"
                                           "QToolButton:hover { background: rgba(255,255,255,90); }"
                                           "QToolButton:pressed, QToolButton:checked { background: rgba(16,44,99,70); }"));
      const int command = shape.command;
      connect(button, &QToolButton::clicked, this, [this, command] {
        if (onCommand) onCommand(command);
      });
      x += kButtonSize;
    }
    row->hide();
    sets_[set - 1] = row;
  }
}

void CommandBar::show(const CommandBarState& state) {
  visibleSet_ = state.visibleSet;
  for (int set = 1; set <= kCommandBarSetCount; ++set) sets_[set - 1]->setVisible(set == state.visibleSet);
  // The switch shows the shell's state, not the click's.
  for (QWidget* row : sets_) {
    if (auto* minorRows = row->findChild<QToolButton*>(QString::number(kMinorRowsButton))) {
      minorRows->setChecked(state.minorRowsPressed);
    }
  }
}

QToolButton* CommandBar::visibleButton(int command) const {
  if (visibleSet_ < 1 || visibleSet_ > kCommandBarSetCount) return nullptr;
  return sets_[visibleSet_ - 1]->findChild<QToolButton*>(QString::number(command));
}

void CommandBar::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.fillRect(rect(), colour(kCommandBarBackground));
}

}  // namespace coinest::qt
