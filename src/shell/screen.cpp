#include "shell/screen.h"

#include <cassert>

namespace coinest {

Screen::Screen() {
  for (const ControlSpec& control : controlTable()) controls_[control.id].text = std::string(control.text);
}

ControlState& Screen::at(int id) {
  auto found = controls_.find(id);
  assert(found != controls_.end());
  return found->second;
}

const ControlState& Screen::at(int id) const {
  auto found = controls_.find(id);
  assert(found != controls_.end());
  return found->second;
}

void Screen::setText(int id, std::string_view text) {
  ControlState& control = at(id);
  if (control.text == text) return;
  control.text = std::string(text);
  touch();
}

void Screen::setVisible(int id, bool visible) {
  ControlState& control = at(id);
  if (control.visible == visible) return;
  control.visible = visible;
  touch();
}

void Screen::setPressed(int id, bool pressed) {
  ControlState& control = at(id);
  if (control.pressed == pressed) return;
  control.pressed = pressed;
  touch();
}

void Screen::setRows(int id, std::vector<ListRowCells> rows) {
  ControlState& control = at(id);
  control.rows = std::move(rows);
  control.selectedRow = -1;
  touch();
}

void Screen::selectRow(int id, int row) {
  ControlState& control = at(id);
  control.selectedRow = row >= 0 && row < static_cast<int>(control.rows.size()) ? row : -1;
  touch();
}

std::string_view Screen::cell(int id, int row, int column) const {
  const ControlState& control = at(id);
  if (row < 0 || row >= static_cast<int>(control.rows.size())) return {};
  const ListRowCells& cells = control.rows[static_cast<std::size_t>(row)];
  if (column < 0 || column >= static_cast<int>(cells.size())) return {};
  return cells[static_cast<std::size_t>(column)];
}

}  // namespace coinest
