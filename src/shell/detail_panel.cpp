#include "shell/detail_panel.h"

namespace coinest {

namespace {

constexpr std::array<int, 5> kDetailControls{21079, 21080, 21081, 21111, 21082};

}  // namespace

void showDetailLines(Screen& screen, const DetailLines& lines) {
  for (std::size_t i = 0; i < lines.size(); ++i) screen.setText(kDetailControls[i], lines[i]);
}

}  // namespace coinest
