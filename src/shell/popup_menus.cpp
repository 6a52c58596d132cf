#include "shell/popup_menus.h"

#include <span>

#include "shell/command_ids.h"
#include "shell/control_table.h"

namespace coinest {

namespace {

struct PopupEntry {
  int item;      // 0: a separator
  int command;   // the command-bar command; 0 for cancel
  std::string_view text;
};

constexpr PopupEntry kSeparator{0, 0, {}};

constexpr PopupEntry kMenuBooksList[] = {
    {popup::BooksListDetail, kShowEntryDetail, "자세히 보기"},
    kSeparator,
    {popup::BooksListAdd, kAddEntry, "장부 등록하기"},
    {popup::BooksListEdit, kEditEntry, "장부 수정하기"},
    {popup::BooksListDelete, kDeleteEntry, "장부 삭제하기"},
    kSeparator,
    {popup::BooksListDayView, kDayView, "일별 보기"},
    {popup::BooksListWeekView, kWeekView, "주별보기"},
    {popup::BooksListMonthView, kMonthView, "월별 보기"},
    kSeparator,
    {popup::BooksListCancel, 0, "취소하기"}};
constexpr PopupEntry kMenuBooksDetail[] = {
    {popup::BooksDetailBack, kHideEntryDetail, "돌아가기"},
    {popup::BooksDetailEdit, kEditEntry, "장부 수정하기"},
    {popup::BooksDetailDelete, kDeleteEntry, "장부 삭제하기"},
    kSeparator,
    {popup::BooksDetailCancel, 0, "취소하기"}};
constexpr PopupEntry kMenuSettlementList[] = {
    {popup::SettlementListDetail, kShowSettlementDetail, "자세히 보기"},
    kSeparator,
    {popup::SettlementListPrevious, kPreviousSettlementMonth, "이전 결산 년월로"},
    {popup::SettlementListCurrent, kCurrentSettlementMonth, "현재 결산 년월로"},
    {popup::SettlementListNext, kNextSettlementMonth, "다음 결산 년월로"},
    {popup::SettlementListChooseMonth, kChooseSettlementMonth, "결산 년월 변경하기"},
    kSeparator,
    {popup::SettlementListCancel, 0, "취소하기"}};
constexpr PopupEntry kMenuSettlementDetail[] = {
    {popup::SettlementDetailBack, kHideSettlementDetail, "돌아가기"},
    kSeparator,
    {popup::SettlementDetailCancel, 0, "취소하기"}};
constexpr PopupEntry kMenuAssetList[] = {
    {popup::AssetListDetail, kShowAssetDetail, "자세히 보기"},
    kSeparator,
    {popup::AssetListAdd, kAddAsset, "자산 등록하기"},
    {popup::AssetListEdit, kEditAsset, "자산 수정하기"},
    {popup::AssetListDelete, kDeleteAsset, "자산 삭제하기"},
    kSeparator,
    {popup::AssetListCancel, 0, "취소하기"}};
constexpr PopupEntry kMenuAssetDetail[] = {
    {popup::AssetDetailBack, kHideAssetDetail, "돌아가기"},
    {popup::AssetDetailEdit, kEditAsset, "자산 수정하기"},
    {popup::AssetDetailDelete, kDeleteAsset, "자산 삭제하기"},
    kSeparator,
    {popup::AssetDetailCancel, 0, "취소하기"}};
constexpr PopupEntry kMenuReservationList[] = {
    {popup::ReservationListAdd, kAddReservation, "예약 등록하기"},
    {popup::ReservationListEdit, kEditReservation, "예약 수정하기"},
    {popup::ReservationListDelete, kDeleteReservation, "예약 삭제하기"},
    kSeparator,
    {popup::ReservationListCancel, 0, "취소하기"}};
constexpr PopupEntry kMenuMinorCategoryList[] = {
    {popup::MinorCategoryAdd, kAddMinorCategory, "소항목 등록하기"},
    {popup::MinorCategoryEdit, kEditMinorCategory, "소항목 수정하기"},
    {popup::MinorCategoryDelete, kDeleteMinorCategory, "소항목 삭제하기"},
    {popup::MinorCategoryUp, kMoveMinorCategoryUp, "항목순서 위로 이동하기"},
    {popup::MinorCategoryDown, kMoveMinorCategoryDown, "항목순서 아래로 이동하기"},
    kSeparator,
    {popup::MinorCategoryCancel, 0, "취소하기"}};
constexpr PopupEntry kMenuQueryList[] = {
    {popup::QueryListDetail, kShowQueryDetail, "자세히 보기"},
    kSeparator,
    {popup::QueryListCondition, kChangeQueryCondition, "조회 조건 변경하기"},
    kSeparator,
    {popup::QueryListCancel, 0, "취소하기"}};
constexpr PopupEntry kMenuQueryDetail[] = {
    {popup::QueryDetailBack, kHideQueryDetail, "돌아가기"},
    kSeparator,
    {popup::QueryDetailCancel, 0, "취소하기"}};

struct MenuOfList {
  int menu;
  std::span<const PopupEntry> entries;
};

constexpr MenuOfList kAllMenus[] = {
    {popup::BooksListMenu, kMenuBooksList},           {popup::BooksDetailMenu, kMenuBooksDetail},
    {popup::SettlementListMenu, kMenuSettlementList}, {popup::SettlementDetailMenu, kMenuSettlementDetail},
    {popup::AssetListMenu, kMenuAssetList},           {popup::AssetDetailMenu, kMenuAssetDetail},
    {popup::ReservationListMenu, kMenuReservationList}, {popup::MinorCategoryMenu, kMenuMinorCategoryList},
    {popup::QueryListMenu, kMenuQueryList},           {popup::QueryDetailMenu, kMenuQueryDetail}};

MenuOfList menuOfList(int listId, const ShellState& state) {
  auto byPanel = [](PanelMode panel, MenuOfList list, MenuOfList detail) {
    return panel == PanelMode::Detail ? detail : list;
  };
  switch (listId) {
    case kBooksList: return byPanel(state.booksPanel, kAllMenus[0], kAllMenus[1]);
    case kSettlementList: return byPanel(state.settlementPanel, kAllMenus[2], kAllMenus[3]);
    case kAssetList: return byPanel(state.assetsPanel, kAllMenus[4], kAllMenus[5]);
    case kReservationList: return kAllMenus[6];
    case kMinorCategoryList: return kAllMenus[7];
    case kQueryList: return byPanel(state.queryPanel, kAllMenus[8], kAllMenus[9]);
    default: return {0, {}};
  }
}

int checkedViewItem(BookViewMode bookViewMode) {
  switch (bookViewMode) {
    case BookViewMode::Week: return popup::BooksListWeekView;
    case BookViewMode::Month: return popup::BooksListMonthView;
    case BookViewMode::Day: return popup::BooksListDayView;
  }
  return popup::BooksListDayView;
}

}  // namespace

PopupMenu popupMenuOf(int listId, const ShellState& state) {
  const MenuOfList found = menuOfList(listId, state);
  PopupMenu menu{found.menu, {}};
  const int checked = found.menu == popup::BooksListMenu ? checkedViewItem(state.bookViewMode) : 0;
  for (const PopupEntry& entry : found.entries) {
    menu.items.push_back({entry.item, entry.text, entry.item != 0 && entry.item == checked});
  }
  return menu;
}

std::optional<int> commandOfPopupItem(int item) {
  for (const MenuOfList& menu : kAllMenus) {
    for (const PopupEntry& entry : menu.entries) {
      if (entry.item != 0 && entry.item == item) return entry.command;
    }
  }
  return std::nullopt;
}

std::vector<PopupMenu> allPopupMenus() {
  std::vector<PopupMenu> menus;
  for (const MenuOfList& found : kAllMenus) {
    PopupMenu& menu = menus.emplace_back(PopupMenu{found.menu, {}});
    for (const PopupEntry& entry : found.entries) menu.items.push_back({entry.item, entry.text, false});
  }
  return menus;
}

}  // namespace coinest
