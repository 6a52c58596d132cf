#pragma once

// The window's menu bar and its accelerators as data: each menu's items, top to bottom, with
// the command each sends. The window builds its menus from these and sends the commands to the
// shell; the charts and the export, which no command stands for, the window adds itself.

#include <span>
#include <string_view>

#include "shell/command_ids.h"

namespace coinest {

// One item of a menu: a command with its text, or a separator when `command` is 0.
struct MenuBarItem {
  int command = 0;
  std::string_view text = {};  // UTF-8

  bool separator() const { return command == 0; }
};

struct MenuBarMenu {
  std::string_view title;  // UTF-8
  std::span<const MenuBarItem> items;
};

// A key sequence in the form the desktop's toolkit parses ("Ctrl+Q") and its command.
struct Accelerator {
  std::string_view keys;
  int command = 0;
};

// The menus left to right.
std::span<const MenuBarMenu> menuBar();
std::span<const Accelerator> accelerators();

}  // namespace coinest
