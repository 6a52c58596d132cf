#pragma once

// The one state of the user interface, from start to exit. The window draws from it and the
// shell's commands change it; nothing of the book itself is kept here but the settings' copies.

#include <array>
#include <string>

#include "calendar/day_number.h"
#include "ledger/book_period.h"
#include "shell/device_kind.h"
#include "store/records.h"

namespace coinest {

// Page numbers, fixed: they are stored in the initialisation file. 2 and 3 are not used.
inline constexpr int PageQuery = 0;
inline constexpr int PageAssets = 1;
inline constexpr int PageBooks = 4;
inline constexpr int PageReservations = 5;
inline constexpr int PageSettlement = 6;
inline constexpr int PageCategories = 7;

inline constexpr int kNoPage = -1;  // set before a page command to make it rebuild and show its page

// Whether the number names a page (a stored number may not).
bool isPageNumber(int number);

// Whether a page shows its list ('L') or the detail panel of its selected row ('V').
enum class PanelMode : char { List = 'L', Detail = 'V' };

// Which query the query page shows; the numbers are stored in the initialisation file.
enum class QueryKind : int { Books = 0, Card = 1, Account = 2 };
// The kind a stored number gives: a number of no kind reads as the books query.
QueryKind queryKindOf(int number);

// The pages whose lists are rebuilt when next shown, and that keep a selected row.
enum class ListPage : int { Query = 0, Assets, Books, Reservations, Settlement, Count };

struct ShellState {
  int currentPage = kNoPage;
  BookViewMode bookViewMode = BookViewMode::Day;
  // Books, assets, settlement and query pages.
  PanelMode booksPanel = PanelMode::List;
  PanelMode assetsPanel = PanelMode::List;
  PanelMode settlementPanel = PanelMode::List;
  PanelMode queryPanel = PanelMode::List;
  std::string bookDate;  // "yyyy-mm-dd", the books page's selected date
  int settlementYear = 0;
  int settlementMonth = 0;
  QueryKind queryKind = QueryKind::Books;
  bool latinInput = false;  // the dialogs' text fields open for Latin letters rather than Hangul
  std::array<bool, static_cast<int>(ListPage::Count)> rebuildPending{true, true, true, true, true};
  std::array<int, static_cast<int>(ListPage::Count)> selectedRow{-1, -1, -1, -1, -1};
  DeviceKind deviceKind = DeviceKind::Other;
  bool exchangeEnabled = false;
  DayNumber dayStamp = 0;
  ConSettings settings;
  Con2Settings carryOver;

  bool& rebuild(ListPage page) { return rebuildPending[static_cast<int>(page)]; }
};

}  // namespace coinest
