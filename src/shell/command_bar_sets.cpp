#include "shell/command_bar_sets.h"

#include "shell/control_table.h"
#include "shell/popup_menus.h"

namespace coinest {
namespace {

using enum CommandGlyph;

constexpr CommandBarButton kSeparator{};

// The same command always shows the same glyph and tip, whichever set holds it. A command that a
// popup menu also offers takes that item's text as its tip; the rest have their own here.
constexpr CommandBarButton kQueryDetail{10605, Detail};
constexpr CommandBarButton kQueryChange{10601, Change};
constexpr CommandBarButton kQueryBack{10606, Back};
constexpr CommandBarButton kQueryPrevious{10607, PreviousRow, "이전 자료"};
constexpr CommandBarButton kQueryNext{10608, NextRow, "다음 자료"};
constexpr CommandBarButton kCalculator{10701, Calculator, "계산기"};

constexpr CommandBarButton kBooksDetail{10118, Detail};
constexpr CommandBarButton kBooksAdd{10101, Add};
constexpr CommandBarButton kBooksEdit{10102, Edit};
constexpr CommandBarButton kBooksDelete{10103, Delete};
constexpr CommandBarButton kBooksPrevious{10110, PreviousPeriod, "이전 기간"};
constexpr CommandBarButton kBooksToday{10115, CurrentPeriod, "오늘"};
constexpr CommandBarButton kBooksNext{10111, NextPeriod, "다음 기간"};
constexpr CommandBarButton kBooksBack{10119, Back};
constexpr CommandBarButton kBooksPreviousRow{10120, PreviousRow, "이전 자료"};
constexpr CommandBarButton kBooksNextRow{10121, NextRow, "다음 자료"};

constexpr CommandBarButton kReservationAdd{10201, Add};
constexpr CommandBarButton kReservationEdit{10202, Edit};
constexpr CommandBarButton kReservationDelete{10203, Delete};

constexpr CommandBarButton kSettlementDetail{10307, Detail};
constexpr CommandBarButton kSettlementPrevious{10301, PreviousPeriod};
constexpr CommandBarButton kSettlementCurrent{10303, CurrentPeriod};
constexpr CommandBarButton kSettlementNext{10302, NextPeriod};
constexpr CommandBarButton kSettlementMonth{10304, Change};
constexpr CommandBarButton kMinorRows{kMinorRowsButton, MinorRows, "소항목별 보기"};
constexpr CommandBarButton kSettlementBack{10308, Back};
constexpr CommandBarButton kSettlementPreviousRow{10309, PreviousRow, "이전 자료"};
constexpr CommandBarButton kSettlementNextRow{10310, NextRow, "다음 자료"};

constexpr CommandBarButton kAssetDetail{10406, Detail};
constexpr CommandBarButton kAssetAdd{10401, Add};
constexpr CommandBarButton kAssetEdit{10402, Edit};
constexpr CommandBarButton kAssetDelete{10403, Delete};
constexpr CommandBarButton kAssetBack{10407, Back};
constexpr CommandBarButton kAssetPreviousRow{10408, PreviousRow, "이전 자료"};
constexpr CommandBarButton kAssetNextRow{10409, NextRow, "다음 자료"};

constexpr CommandBarButton kSet1[] = {kQueryDetail, kSeparator, kQueryChange, kSeparator, kCalculator};
constexpr CommandBarButton kSet2[] = {kQueryBack, kSeparator, kQueryPrevious, kQueryNext, kSeparator,
                                      kCalculator};
constexpr CommandBarButton kSet3[] = {kBooksDetail, kSeparator, kBooksAdd, kBooksEdit, kBooksDelete,
                                      kSeparator, kBooksPrevious, kBooksToday, kBooksNext, kSeparator,
                                      kCalculator};
constexpr CommandBarButton kSet4[] = {kBooksBack, kSeparator, kBooksEdit, kBooksDelete, kSeparator,
                                      kBooksPreviousRow, kBooksNextRow, kSeparator, kCalculator};
constexpr CommandBarButton kSet5[] = {kReservationAdd, kReservationEdit, kReservationDelete, kSeparator,
                                      kCalculator};
constexpr CommandBarButton kSet6[] = {kSettlementDetail, kSeparator, kSettlementPrevious, kSettlementCurrent,
                                      kSettlementNext, kSeparator, kSettlementMonth, kSeparator, kMinorRows,
                                      kSeparator, kCalculator};
constexpr CommandBarButton kSet7[] = {kSettlementBack, kSeparator, kSettlementPreviousRow,
                                      kSettlementNextRow, kSeparator, kCalculator};
constexpr CommandBarButton kSet8[] = {
    {10509, Add},
    {10510, Edit},
    {10511, Delete},
    {10505, MinorUp},
    {10506, MinorDown},
    kSeparator,
    {10501, MajorAdd, "대항목 등록하기"},
    {10502, MajorEdit, "대항목 수정하기"},
    {10503, MajorDelete, "대항목 삭제하기"},
    {10507, MajorUp, "대항목 위로 이동하기"},
    {10508, MajorDown, "대항목 아래로 이동하기"},
};
constexpr CommandBarButton kSet9[] = {kAssetDetail, kSeparator, kAssetAdd, kAssetEdit, kAssetDelete,
                                      kSeparator, kCalculator};
constexpr CommandBarButton kSet10[] = {kAssetBack, kSeparator, kAssetEdit, kAssetDelete, kSeparator,
                                       kAssetPreviousRow, kAssetNextRow, kSeparator, kCalculator};

constexpr std::span<const CommandBarButton> kSets[kCommandBarSetCount] = {
    kSet1, kSet2, kSet3, kSet4, kSet5, kSet6, kSet7, kSet8, kSet9, kSet10};

}  // namespace

std::span<const CommandBarButton> commandBarSet(int set) {
  if (set < 1 || set > kCommandBarSetCount) return {};
  return kSets[set - 1];
}

}  // namespace coinest

namespace coinest {

std::string_view commandBarTip(const CommandBarButton& button) {
  if (!button.tip.empty()) return button.tip;
  // Every list's menu in both panel modes.
  for (PanelMode panel : {PanelMode::List, PanelMode::Detail}) {
    ShellState state;
    state.booksPanel = state.assetsPanel = state.settlementPanel = state.queryPanel = panel;
    for (int list : {kQueryList, kAssetList, kBooksList, kReservationList, kSettlementList, kMinorCategoryList}) {
      for (const PopupItem& item : popupMenuOf(list, state).items) {
        if (item.command != 0 && commandOfPopupItem(item.command) == button.command) return item.text;
      }
    }
  }
  return {};
}

}  // namespace coinest
