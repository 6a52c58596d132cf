#include "shell/command_bar_sets.h"

#include "shell/command_ids.h"
#include "shell/control_table.h"
#include "shell/popup_menus.h"

namespace coinest {
namespace {

using enum CommandGlyph;

constexpr CommandBarButton kSeparator{};

// The same command always shows the same glyph and tip, whichever set holds it. A command that a
// popup menu also offers takes that item's text as its tip; the rest have their own here.
constexpr CommandBarButton kQueryDetail{kShowQueryDetail, Detail};
constexpr CommandBarButton kQueryChange{kChangeQueryCondition, Change};
constexpr CommandBarButton kQueryBack{kHideQueryDetail, Back};
constexpr CommandBarButton kQueryPrevious{kPreviousQueryRow, PreviousRow, "이전 자료"};
constexpr CommandBarButton kQueryNext{kNextQueryRow, NextRow, "다음 자료"};
constexpr CommandBarButton kCalculator{kStartCalculator, Calculator, "계산기"};

constexpr CommandBarButton kBooksDetail{kShowEntryDetail, Detail};
constexpr CommandBarButton kBooksAdd{kAddEntry, Add};
constexpr CommandBarButton kBooksEdit{kEditEntry, Edit};
constexpr CommandBarButton kBooksDelete{kDeleteEntry, Delete};
constexpr CommandBarButton kBooksPrevious{kPreviousBookPeriod, PreviousPeriod, "이전 기간"};
constexpr CommandBarButton kBooksToday{kBookToday, CurrentPeriod, "오늘"};
constexpr CommandBarButton kBooksNext{kNextBookPeriod, NextPeriod, "다음 기간"};
constexpr CommandBarButton kBooksBack{kHideEntryDetail, Back};
constexpr CommandBarButton kBooksPreviousRow{kPreviousEntry, PreviousRow, "이전 자료"};
constexpr CommandBarButton kBooksNextRow{kNextEntry, NextRow, "다음 자료"};

constexpr CommandBarButton kReservationAdd{kAddReservation, Add};
constexpr CommandBarButton kReservationEdit{kEditReservation, Edit};
constexpr CommandBarButton kReservationDelete{kDeleteReservation, Delete};

constexpr CommandBarButton kSettlementDetail{kShowSettlementDetail, Detail};
constexpr CommandBarButton kSettlementPrevious{kPreviousSettlementMonth, PreviousPeriod};
constexpr CommandBarButton kSettlementCurrent{kCurrentSettlementMonth, CurrentPeriod};
constexpr CommandBarButton kSettlementNext{kNextSettlementMonth, NextPeriod};
constexpr CommandBarButton kSettlementMonth{kChooseSettlementMonth, Change};
constexpr CommandBarButton kMinorRows{kMinorRowsButton, MinorRows, "소항목별 보기"};
constexpr CommandBarButton kSettlementBack{kHideSettlementDetail, Back};
constexpr CommandBarButton kSettlementPreviousRow{kPreviousSettlementRow, PreviousRow, "이전 자료"};
constexpr CommandBarButton kSettlementNextRow{kNextSettlementRow, NextRow, "다음 자료"};

constexpr CommandBarButton kAssetDetail{kShowAssetDetail, Detail};
constexpr CommandBarButton kAssetAdd{kAddAsset, Add};
constexpr CommandBarButton kAssetEdit{kEditAsset, Edit};
constexpr CommandBarButton kAssetDelete{kDeleteAsset, Delete};
constexpr CommandBarButton kAssetBack{kHideAssetDetail, Back};
constexpr CommandBarButton kAssetPreviousRow{kPreviousAsset, PreviousRow, "이전 자료"};
constexpr CommandBarButton kAssetNextRow{kNextAsset, NextRow, "다음 자료"};

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
    {kAddMinorCategory, Add},
    {kEditMinorCategory, Edit},
    {kDeleteMinorCategory, Delete},
    {kMoveMinorCategoryUp, MinorUp},
    {kMoveMinorCategoryDown, MinorDown},
    kSeparator,
    {kAddMajorCategory, MajorAdd, "대항목 등록하기"},
    {kEditMajorCategory, MajorEdit, "대항목 수정하기"},
    {kDeleteMajorCategory, MajorDelete, "대항목 삭제하기"},
    {kMoveMajorCategoryUp, MajorUp, "대항목 위로 이동하기"},
    {kMoveMajorCategoryDown, MajorDown, "대항목 아래로 이동하기"},
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
  for (const PopupMenu& menu : allPopupMenus()) {
    for (const PopupItem& item : menu.items) {
      if (item.command != 0 && commandOfPopupItem(item.command) == button.command) return item.text;
    }
  }
  return {};
}

}  // namespace coinest
