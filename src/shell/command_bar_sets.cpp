#include "shell/command_bar_sets.h"

namespace coinest {
namespace {

using enum CommandGlyph;

constexpr CommandBarButton kSeparator{};

// The same command always shows the same glyph and tip, whichever set holds it.
constexpr CommandBarButton kQueryDetail{10605, Detail, "자세히 보기"};
constexpr CommandBarButton kQueryChange{10601, Change, "조회 조건 변경하기"};
constexpr CommandBarButton kQueryBack{10606, Back, "돌아가기"};
constexpr CommandBarButton kQueryPrevious{10607, PreviousRow, "이전 자료"};
constexpr CommandBarButton kQueryNext{10608, NextRow, "다음 자료"};
constexpr CommandBarButton kCalculator{10701, Calculator, "계산기"};

constexpr CommandBarButton kBooksDetail{10118, Detail, "자세히 보기"};
constexpr CommandBarButton kBooksAdd{10101, Add, "장부 등록하기"};
constexpr CommandBarButton kBooksEdit{10102, Edit, "장부 수정하기"};
constexpr CommandBarButton kBooksDelete{10103, Delete, "장부 삭제하기"};
constexpr CommandBarButton kBooksPrevious{10110, PreviousPeriod, "이전 기간"};
constexpr CommandBarButton kBooksToday{10115, CurrentPeriod, "오늘"};
constexpr CommandBarButton kBooksNext{10111, NextPeriod, "다음 기간"};
constexpr CommandBarButton kBooksBack{10119, Back, "돌아가기"};
constexpr CommandBarButton kBooksPreviousRow{10120, PreviousRow, "이전 자료"};
constexpr CommandBarButton kBooksNextRow{10121, NextRow, "다음 자료"};

constexpr CommandBarButton kReservationAdd{10201, Add, "예약 등록하기"};
constexpr CommandBarButton kReservationEdit{10202, Edit, "예약 수정하기"};
constexpr CommandBarButton kReservationDelete{10203, Delete, "예약 삭제하기"};

constexpr CommandBarButton kSettlementDetail{10307, Detail, "자세히 보기"};
constexpr CommandBarButton kSettlementPrevious{10301, PreviousPeriod, "이전 결산 년월로"};
constexpr CommandBarButton kSettlementCurrent{10303, CurrentPeriod, "현재 결산 년월로"};
constexpr CommandBarButton kSettlementNext{10302, NextPeriod, "다음 결산 년월로"};
constexpr CommandBarButton kSettlementMonth{10304, Change, "결산 년월 변경하기"};
constexpr CommandBarButton kMinorRows{kMinorRowsButton, MinorRows, "소항목별 보기"};
constexpr CommandBarButton kSettlementBack{10308, Back, "돌아가기"};
constexpr CommandBarButton kSettlementPreviousRow{10309, PreviousRow, "이전 자료"};
constexpr CommandBarButton kSettlementNextRow{10310, NextRow, "다음 자료"};

constexpr CommandBarButton kAssetDetail{10406, Detail, "자세히 보기"};
constexpr CommandBarButton kAssetAdd{10401, Add, "자산 등록하기"};
constexpr CommandBarButton kAssetEdit{10402, Edit, "자산 수정하기"};
constexpr CommandBarButton kAssetDelete{10403, Delete, "자산 삭제하기"};
constexpr CommandBarButton kAssetBack{10407, Back, "돌아가기"};
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
    {10509, Add, "소항목 등록하기"},
    {10510, Edit, "소항목 수정하기"},
    {10511, Delete, "소항목 삭제하기"},
    {10505, MinorUp, "항목순서 위로 이동하기"},
    {10506, MinorDown, "항목순서 아래로 이동하기"},
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
