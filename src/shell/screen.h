#pragma once

// What the main window shows, control by control: the text, visibility, enabled state, pressed
// state and list rows of every control of the control table, the calendar's cells, which button
// set of the command bar shows, and where the keyboard focus is. The shell changes only this;
// the window layer draws it and sends the user's actions back to the shell.

#include <cstdint>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "ledger/book_view.h"
#include "shell/control_table.h"

namespace coinest {

// One row of a list: the text of each column, hidden id columns included.
using ListRowCells = std::vector<std::string>;

struct ControlState {
  std::string text;
  bool visible = false;
  bool enabled = true;
  bool pressed = false;  // a tab of the current page, the current mode or kind button
  std::vector<ListRowCells> rows;  // lists only
  int selectedRow = -1;            // lists only; -1 for none
};

// The command bar's button sets, numbered 1 to 10 as they are made; 0 shows none.
struct CommandBarState {
  int visibleSet = 0;
  bool minorRowsPressed = false;  // the settlement set's check button kMinorRowsButton
};

class Screen {
 public:
  // Every control of the table, hidden, with its initial text.
  Screen();

  // REQUIRES: the control table has `id`.
  ControlState& at(int id);
  const ControlState& at(int id) const;
  bool contains(int id) const { return controls_.contains(id); }

  void setText(int id, std::string_view text);
  void setVisible(int id, bool visible);
  void setPressed(int id, bool pressed);
  void setRows(int id, std::vector<ListRowCells> rows);
  // Selects `row`, or nothing for a row outside the list.
  void selectRow(int id, int row);
  int rowCount(int id) const { return static_cast<int>(at(id).rows.size()); }
  int selectedRow(int id) const { return at(id).selectedRow; }
  // The text of a cell, empty outside the list.
  std::string_view cell(int id, int row, int column) const;

  int focus = 0;  // the control that has the keyboard focus; 0 for the main window
  CommandBarState commandBar;
  BookCalendar calendar;  // the calendar control's month
  int currentTab = kNoPage;

  // Grows with every change, so the window can tell whether to draw again.
  std::uint64_t revision() const { return revision_; }
  void touch() { ++revision_; }

 private:
  std::unordered_map<int, ControlState> controls_;
  std::uint64_t revision_ = 0;
};

}  // namespace coinest
