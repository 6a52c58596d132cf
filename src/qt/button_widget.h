#pragma once

// The owner-drawn buttons of the control table: the tabs (the current page's light with bold
// letters, the others dark), the tab row's filler, the header strips drawn as column heads, and
// the captions, sign, mode and kind buttons of the pages (a pressed one shows its state).

#include <QAbstractButton>

#include "shell/control_table.h"

namespace coinest::qt {

class ButtonWidget : public QAbstractButton {
  Q_OBJECT
 public:
  ButtonWidget(const ControlSpec& control, int scale, QWidget* parent);
  // `current`: a tab of the current page, or the pressed mode or kind button.
  void setState(const QString& text, bool current);
  bool current() const { return current_; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  enum class Role { Tab, Filler, Header, Plain };
  const ControlSpec& control_;
  Role role_;
  int scale_;
  bool current_ = false;
};

}  // namespace coinest::qt
