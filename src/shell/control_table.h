#pragma once

// The layout of the main window as data: every control of every page, with its kind, page,
// rectangle on the 240 by 320 screen (client-area pixels), initial text, alignment and colours.
// The shell creates all of them hidden at start and a page command shows one page's set; the Qt
// layer only draws what this table and the Screen model say.

#include <cstdint>
#include <optional>
#include <span>
#include <string_view>
#include <vector>

#include "shell/command_ids.h"
#include "shell/shell_state.h"

namespace coinest {

inline constexpr int kScreenWidth = 240;
inline constexpr int kScreenHeight = 320;

// Pseudo-pages of the table. Not -1: the shell's `currentPage` already uses -1 for "no page yet".
inline constexpr int kEveryPage = -2;         // the tab row and its filler
inline constexpr int kDetailPanelPages = -3;  // the panel the books, assets and query pages share

// The ids of the controls, the page lists' among them, are in command_ids.h.

struct ControlRect {
  int x, y, width, height;
  bool operator==(const ControlRect&) const = default;
};

// The command bar is a window of its own (the `Toolbar`), not one of the table's controls.
inline constexpr ControlRect kCommandBarRect{0, 245, 240, 23};

enum class ControlKind {
  List,       // report-style list, no column heads, single full-row selection
  Button,     // owner-drawn push button: tabs, captions, header strip
  Field,      // borderless read-only edit control showing a value
  Caption,    // static text
  CalWindow,  // the books page's month calendar
};

enum class Alignment { Left, Centre, Right };

// When a control of its page is shown. Everything but `Page` is decided by the page's own state.
enum class ControlGroup {
  Page,          // whenever its page is shown
  QueryBooks,    // query page, `queryKind` 0
  QueryCard,     // query page, `queryKind` 1
  QueryAccount,  // query page, `queryKind` 2
  DetailPanel,   // while the page's `panelMode` is 'V'
  DateCaption,   // books page: one of the seven date captions at a time
  NeverShown,    // holds a text for the page's code, never drawn
};

// 0xRRGGBB.
using Rgb = std::uint32_t;

struct ControlColours {
  Rgb text;
  Rgb background;
  bool operator==(const ControlColours&) const = default;
};

// A column of width 0 is hidden and holds record ids. Titles are never shown.
struct ListColumn {
  std::string_view title;
  int width;
  Alignment alignment = Alignment::Left;
};

struct ControlSpec {
  int id;
  ControlKind kind;
  int page;  // a page number, kEveryPage or kDetailPanelPages
  ControlRect rect;
  std::string_view text = {};  // UTF-8
  Alignment alignment = Alignment::Left;
  bool singleLine = false;  // fields are multi-line unless this is set
  bool scrolls = false;     // a multi-line field with a vertical scroll bar
  std::optional<ControlColours> colours = std::nullopt;  // none: the platform's defaults
  ControlGroup group = ControlGroup::Page;
  std::span<const ListColumn> columns = {};  // lists only
  bool iconList = false;  // keeps its selection visible without focus; 16-pixel icons of bitmap 161
};

// Every control of the main window, in page order; ids are unique.
std::span<const ControlSpec> controlTable();

// The control with `id`, or nullptr when the window has none.
const ControlSpec* findControl(int id);

// The controls `page` may show: its own, the shared detail panel on the books, assets and query
// pages, and the every-page ones, in table order. An unknown page gives only the every-page ones.
std::vector<const ControlSpec*> controlsOfPage(int page);

}  // namespace coinest
