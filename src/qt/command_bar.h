#pragma once

// The command bar along the bottom of the window: the ten button sets, one shown at a time
// (Screen::commandBar.visibleSet), flat 16 by 16 buttons with separators; each button sends its
// command, and the settlement set's switch shows whether the minor rows are on.

#include <QToolButton>
#include <QWidget>

#include <array>
#include <functional>
#include <vector>

#include "shell/command_bar_sets.h"
#include "shell/screen.h"

namespace coinest::qt {

class CommandBar : public QWidget {
  Q_OBJECT
 public:
  CommandBar(int scale, QWidget* parent);
  void show(const CommandBarState& state);

  // The button of `command` in the set shown; nullptr when that set has none.
  QToolButton* visibleButton(int command) const;
  int visibleSet() const { return visibleSet_; }

  std::function<void(int command)> onCommand;

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  std::array<QWidget*, kCommandBarSetCount> sets_{};
  int visibleSet_ = 0;
};

}  // namespace coinest::qt
