#pragma once

// A display field of the control table: a borderless, read-only value in the table's colours
// and alignment. It takes the focus on a click only to say so: the shell then moves the focus
// back to the page's list. The multi-line scrolling field (the detail panel's note) scrolls.

#include <QPlainTextEdit>
#include <QWidget>

#include <functional>

#include "shell/control_table.h"

namespace coinest::qt {

class FieldWidget : public QWidget {
  Q_OBJECT
 public:
  FieldWidget(const ControlSpec& control, int scale, QWidget* parent);
  void setText(const QString& text);
  QString text() const { return text_; }

  // Called when the field receives the keyboard focus.
  std::function<void()> onFocused;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void focusInEvent(QFocusEvent* event) override;

 private:
  const ControlSpec& control_;
  int scale_;
  QString text_;
};

class ScrollingField : public QPlainTextEdit {
  Q_OBJECT
 public:
  ScrollingField(const ControlSpec& control, int scale, QWidget* parent);
  void setText(const QString& text);
  std::function<void()> onFocused;

 protected:
  void focusInEvent(QFocusEvent* event) override;
};

// The palette of a control: the table's colours, or the platform's when it has none.
void applyControlColours(QWidget& widget, const ControlSpec& control);

}  // namespace coinest::qt
