#pragma once

// The command bar's ten button sets as data: which buttons each set holds, left to right, with
// the separators between groups, the glyph each button shows and the text of its tooltip. The
// shell picks the set (Screen::commandBar.visibleSet); the window draws it.

#include <span>
#include <string_view>

#include "shell/command_ids.h"

namespace coinest {

inline constexpr int kCommandBarSetCount = 10;

// What a button's image shows; the numbers are the image indexes of the bar's image list.
enum class CommandGlyph {
  MajorAdd = 0,
  MajorEdit = 1,
  MajorDelete = 2,
  MinorRows = 4,
  Change = 5,
  Detail = 7,
  PreviousRow = 8,
  NextRow = 9,
  Back = 10,
  Calculator = 11,
  MinorUp = 12,
  MinorDown = 13,
  PreviousPeriod = 14,
  NextPeriod = 15,
  CurrentPeriod = 16,
  Add = 17,
  Edit = 18,
  Delete = 19,
  MajorUp = 27,
  MajorDown = 28,
};

// One place of a set: a button, or a separator when `command` is 0.
struct CommandBarButton {
  int command = 0;
  CommandGlyph glyph = CommandGlyph::Detail;
  std::string_view tip = {};  // UTF-8; empty where a popup menu's item names the command

  bool separator() const { return command == 0; }
  bool checkable() const { return command == kMinorRowsButton; }
};

// The tooltip of a button: the text of the popup item that stands for the same command, else
// the button's own.
std::string_view commandBarTip(const CommandBarButton& button);

// The buttons of set `set` (1 to 10) left to right; empty for any other number.
std::span<const CommandBarButton> commandBarSet(int set);

}  // namespace coinest
