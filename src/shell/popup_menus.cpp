#include "shell/popup_menus.h"

#include <span>

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
    {40128, 10118, "자세히 보기"}, kSeparator,
    {40133, 10101, "장부 등록하기"}, {40134, 10102, "장부 수정하기"}, {40135, 10103, "장부 삭제하기"}, kSeparator,
    {40129, 10112, "일별 보기"}, {40130, 10113, "주별보기"}, {40131, 10114, "월별 보기"}, kSeparator,
    {40132, 0, "취소하기"}};
constexpr PopupEntry kMenuBooksDetail[] = {
    {40140, 10119, "돌아가기"}, {40141, 10102, "장부 수정하기"}, {40142, 10103, "장부 삭제하기"}, kSeparator,
    {40143, 0, "취소하기"}};
constexpr PopupEntry kMenuSettlementList[] = {
    {40147, 10307, "자세히 보기"}, kSeparator,
    {40148, 10301, "이전 결산 년월로"}, {40149, 10303, "현재 결산 년월로"}, {40150, 10302, "다음 결산 년월로"},
    {40151, 10304, "결산 년월 변경하기"}, kSeparator,
    {40152, 0, "취소하기"}};
constexpr PopupEntry kMenuSettlementDetail[] = {{40156, 10308, "돌아가기"}, kSeparator, {40157, 0, "취소하기"}};
constexpr PopupEntry kMenuAssetList[] = {
    {40161, 10406, "자세히 보기"}, kSeparator,
    {40162, 10401, "자산 등록하기"}, {40163, 10402, "자산 수정하기"}, {40164, 10403, "자산 삭제하기"}, kSeparator,
    {40165, 0, "취소하기"}};
constexpr PopupEntry kMenuAssetDetail[] = {
    {40169, 10407, "돌아가기"}, {40170, 10402, "자산 수정하기"}, {40171, 10403, "자산 삭제하기"}, kSeparator,
    {40172, 0, "취소하기"}};
constexpr PopupEntry kMenuReservationList[] = {
    {40176, 10201, "예약 등록하기"}, {40177, 10202, "예약 수정하기"}, {40178, 10203, "예약 삭제하기"}, kSeparator,
    {40179, 0, "취소하기"}};
constexpr PopupEntry kMenuMinorCategoryList[] = {
    {40183, 10509, "소항목 등록하기"}, {40184, 10510, "소항목 수정하기"}, {40185, 10511, "소항목 삭제하기"},
    {40187, 10505, "항목순서 위로 이동하기"}, {40188, 10506, "항목순서 아래로 이동하기"}, kSeparator,
    {40186, 0, "취소하기"}};
constexpr PopupEntry kMenuQueryList[] = {
    {40192, 10605, "자세히 보기"}, kSeparator, {40193, 10601, "조회 조건 변경하기"}, kSeparator,
    {40194, 0, "취소하기"}};
constexpr PopupEntry kMenuQueryDetail[] = {{40198, 10606, "돌아가기"}, kSeparator, {40199, 0, "취소하기"}};

struct MenuOfList {
  int menu;
  std::span<const PopupEntry> entries;
};

constexpr MenuOfList kAllMenus[] = {
    {423, kMenuBooksList}, {424, kMenuBooksDetail}, {425, kMenuSettlementList}, {426, kMenuSettlementDetail},
    {427, kMenuAssetList}, {428, kMenuAssetDetail}, {429, kMenuReservationList}, {430, kMenuMinorCategoryList},
    {431, kMenuQueryList}, {432, kMenuQueryDetail}};

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

int checkedViewItem(char bookViewMode) {
  switch (bookViewMode) {
    case 'W': return 40130;
    case 'M': return 40131;
    default: return 40129;
  }
}

}  // namespace

PopupMenu popupMenuOf(int listId, const ShellState& state) {
  const MenuOfList found = menuOfList(listId, state);
  PopupMenu menu{found.menu, {}};
  const int checked = found.menu == 423 ? checkedViewItem(state.bookViewMode) : 0;
  for (const PopupEntry& entry : found.entries) {
    menu.items.push_back({entry.item, entry.text, entry.item != 0 && entry.item == checked});
  }
  return menu;
}

int commandOfPopupItem(int item) {
  for (const MenuOfList& menu : kAllMenus) {
    for (const PopupEntry& entry : menu.entries) {
      if (entry.item != 0 && entry.item == item) return entry.command;
    }
  }
  return 0;
}

}  // namespace coinest
