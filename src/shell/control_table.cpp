#include "shell/control_table.h"

#include <algorithm>
#include <array>
#include <iterator>

namespace coinest {
namespace {

using enum Alignment;
using enum ControlGroup;

constexpr ControlSpec list(int id, int page, ControlRect rect, std::span<const ListColumn> columns,
                           bool iconList = false) {
  return {.id = id, .kind = ControlKind::List, .page = page, .rect = rect, .columns = columns,
          .iconList = iconList};
}

constexpr ControlSpec button(int id, int page, ControlRect rect, std::string_view text = {}) {
  return {.id = id, .kind = ControlKind::Button, .page = page, .rect = rect, .text = text};
}

constexpr ControlSpec field(int id, int page, ControlRect rect, Alignment alignment = Left,
                            std::string_view text = {}) {
  return {.id = id, .kind = ControlKind::Field, .page = page, .rect = rect, .text = text,
          .alignment = alignment};
}

constexpr ControlSpec singleLine(ControlSpec c) {
  c.singleLine = true;
  return c;
}

constexpr ControlSpec in(ControlGroup group, ControlSpec c) {
  c.group = group;
  return c;
}

// The query page's caption and value rows: captions are 47 by 14 buttons at x 23, values
// left-aligned fields at x 74, 162 wide unless a row says otherwise.
constexpr ControlSpec queryCaption(ControlGroup group, int id, int y, std::string_view text) {
  return in(group, button(id, PageQuery, {23, y, 47, 14}, text));
}
constexpr ControlSpec queryValue(ControlGroup group, int id, ControlRect rect,
                                 std::string_view text = {}) {
  return in(group, field(id, PageQuery, rect, Left, text));
}
constexpr ControlSpec queryValue(ControlGroup group, int id, int y, std::string_view text = {}) {
  return queryValue(group, id, {74, y, 162, 15}, text);
}

// The settlement summary: 47 by 14 caption buttons at x 5 and x 117, right-aligned values.
constexpr ControlSpec settleCaption(int id, int x, int y, std::string_view text) {
  return button(id, PageSettlement, {x, y, 47, 14}, text);
}
constexpr ControlSpec settleLeftValue(int id, int y) {
  return field(id, PageSettlement, {53, y, 65, 15}, Right);
}
constexpr ControlSpec settleRightValue(int id, int y) {
  return field(id, PageSettlement, {165, y, 72, 15}, Right);
}

constexpr ListColumn kEntryColumns[] = {{"일자", 39}, {"항목", 97}, {"금액", 85, Right}, {"ID", 0}};
constexpr ListColumn kAssetColumns[] = {{"은행명", 54}, {"통장명", 106}, {"예금주", 60}, {"ID", 0}};
constexpr ListColumn kReservationColumns[] = {
    {"일자", 34}, {"항목", 102}, {"금액", 85, Right}, {"ID", 0}};
constexpr ListColumn kSettlementColumns[] = {
    {"분류", 33}, {"항목", 103}, {"금액", 85, Right}, {"ID", 0}};
constexpr ListColumn kMinorCategoryColumns[] = {{"제목", 159}, {"일자", 62}, {"ID", 0}};
constexpr ListColumn kMajorCategoryColumns[] = {{"", 202}};

constexpr ControlSpec kLayout[] = {
    // The tab row, left to right, and its filler. The tabs are drawn as images of these labels.
    button(kBooksTab, kEveryPage, {1, 1, 40, 16}, "장부"),
    button(kQueryTab, kEveryPage, {40, 1, 40, 16}, "조회"),
    button(kSettlementTab, kEveryPage, {79, 1, 40, 16}, "결산"),
    button(kReservationsTab, kEveryPage, {118, 1, 40, 16}, "예약"),
    button(kCategoriesTab, kEveryPage, {157, 1, 40, 16}, "항목"),
    button(kAssetsTab, kEveryPage, {196, 1, 40, 16}, "자산"),
    button(kFillerButton, kEveryPage, {235, 1, 4, 16}),

    // Query page.
    list(kQueryList, PageQuery, {3, 34, 234, 90}, kEntryColumns),
    button(kQueryDateHeader, PageQuery, {1, 17, 51, 16}, "일자"),
    button(kQueryCategoryHeader, PageQuery, {52, 17, 89, 16}, "항목"),
    button(kQueryAmountHeader, PageQuery, {141, 17, 98, 16}, "금액"),
    button(kQueryBooksKindButton, PageQuery, {1, 140, 19, 35}, "장\n부"),
    button(kQueryCardKindButton, PageQuery, {1, 175, 19, 34}, "카\n드"),
    button(kQueryAccountKindButton, PageQuery, {1, 209, 19, 35}, "통\n장"),
    field(kQueryConditionPanel, PageQuery, {20, 141, 218, 102}),
    // queryKind 0: the books query.
    in(QueryBooks, button(kQueryBooksIncomeSign, PageQuery, {3, 126, 12, 12}, "+")),
    in(QueryBooks, field(kQueryBooksIncome, PageQuery, {48, 125, 72, 15}, Right)),
    in(QueryBooks, button(kQueryBooksExpenseSign, PageQuery, {121, 126, 12, 12}, "-")),
    in(QueryBooks, field(kQueryBooksExpense, PageQuery, {166, 125, 72, 15}, Right)),
    queryCaption(QueryBooks, kQueryBooksDateCaption, 149, "일자"),
    queryValue(QueryBooks, kQueryBooksFrom, {74, 149, 65, 15}, "9999-99-99"),
    queryValue(QueryBooks, kQueryBooksTo, {141, 149, 82, 15}, "~ 9999-99-99"),
    queryCaption(QueryBooks, kQueryBooksCodeCaption, 167, "분류"),
    queryValue(QueryBooks, kQueryBooksCode, 167),
    queryValue(QueryBooks, kQueryBooksAsset, 184),  // the asset
    queryCaption(QueryBooks, kQueryBooksCategoryCaption, 202, "항목"),
    queryValue(QueryBooks, kQueryBooksMajor, 202),
    queryValue(QueryBooks, kQueryBooksMinor, 219),
    // queryKind 1: the card query.
    in(QueryCard, button(kQueryCardBilledSign, PageQuery, {3, 125, 47, 14}, "+")),
    in(QueryCard, field(kQueryCardBilled, PageQuery, {49, 125, 72, 15}, Right)),
    in(QueryCard, button(kQueryCardToComeSign, PageQuery, {120, 125, 47, 14}, "-")),
    in(QueryCard, field(kQueryCardToCome, PageQuery, {166, 125, 72, 15}, Right)),
    queryCaption(QueryCard, kQueryCardMonthCaption, 157, "조회년월"),
    queryValue(QueryCard, kQueryCardMonth, {74, 157, 85, 15}, "9999년 99월"),
    queryCaption(QueryCard, kQueryCardNameCaption, 175, "카드종류"),
    queryValue(QueryCard, kQueryCardName, 175),
    queryCaption(QueryCard, kQueryCardPayDayCaption, 192, "결제일"),
    queryValue(QueryCard, kQueryCardPayDay, 192, "31일"),
    queryCaption(QueryCard, kQueryCardPeriodCaption, 210, "청구기간"),
    queryValue(QueryCard, kQueryCardPeriod, 210, "9999-99-99 ~ 9999-99-99"),
    // queryKind 2: the account query.
    in(QueryAccount, button(kQueryAccountBalanceSign, PageQuery, {58, 125, 47, 14}, "-")),
    in(QueryAccount, field(kQueryAccountBalance, PageQuery, {108, 125, 72, 15}, Right)),
    queryCaption(QueryAccount, kQueryAccountDateCaption, 149, "일자"),
    queryValue(QueryAccount, kQueryAccountFrom, {74, 149, 65, 15}),
    queryValue(QueryAccount, kQueryAccountTo, {141, 149, 82, 15}),
    queryCaption(QueryAccount, kQueryAccountCompanyCaption, 167, "은행명"),
    queryValue(QueryAccount, kQueryAccountCompany, 167),
    queryCaption(QueryAccount, kQueryAccountNameCaption, 184, "통장명"),
    queryValue(QueryAccount, kQueryAccountName, 184),
    queryCaption(QueryAccount, kQueryAccountNumberCaption, 202, "계좌번호"),
    queryValue(QueryAccount, kQueryAccountNumber, 202, "1234567890"),
    queryCaption(QueryAccount, kQueryAccountHolderCaption, 220, "예금주"),
    queryValue(QueryAccount, kQueryAccountHolder, 220),

    // Assets page.
    list(kAssetList, PageAssets, {3, 34, 234, 105}, kAssetColumns),
    button(kAssetCompanyHeader, PageAssets, {1, 17, 106, 16}),
    button(kAssetNameHeader, PageAssets, {107, 17, 132, 16}),
    list(kAssetKindList, PageAssets, {2, 141, 236, 102}, {}, true),

    // Books page.
    list(kBooksList, PageBooks, {3, 34, 234, 90}, kEntryColumns),
    button(kBooksTitleHeader, PageBooks, {1, 17, 106, 16}),
    button(kBooksRangeHeader, PageBooks, {107, 17, 132, 16}),
    button(kBooksIncomeSign, PageBooks, {3, 125, 12, 12}, "+"),
    field(kBooksIncomeTotal, PageBooks, {15, 124, 65, 15}, Right, "99,999,999"),
    button(kBooksExpenseSign, PageBooks, {79, 125, 12, 12}, "-"),
    field(kBooksExpenseTotal, PageBooks, {91, 124, 65, 15}, Right, "99,999,999"),
    button(kBooksCashSign, PageBooks, {155, 125, 12, 12}, "="),
    field(kBooksCashTotal, PageBooks, {166, 124, 72, 15}, Right, "+99,999,999"),
    button(kDayViewButton, PageBooks, {1, 140, 19, 35}, "일\n별"),
    button(kWeekViewButton, PageBooks, {1, 175, 19, 34}, "주\n별"),
    button(kMonthViewButton, PageBooks, {1, 209, 19, 35}, "월\n별"),
    field(kBooksCalendarPanel, PageBooks, {19, 141, 219, 102}),
    field(kBooksCalendarFrame, PageBooks, {20, 141, 217, 100}),
    in(NeverShown, singleLine(field(kRangeStartField, PageBooks, {44, 141, 84, 15}))),   // range start
    in(NeverShown, singleLine(field(kRangeEndField, PageBooks, {127, 141, 84, 15}))),  // range end
    in(NeverShown, singleLine(field(kSpareDateField, PageBooks, {113, 141, 84, 15}))),  // spare date
    singleLine(field(kSundayHead, PageBooks, {107, 145, 20, 15}, Left, " 일")),
    singleLine(field(kMondayHead, PageBooks, {125, 145, 20, 15}, Left, " 월")),
    singleLine(field(kTuesdayHead, PageBooks, {143, 145, 20, 15}, Left, " 화")),
    singleLine(field(kWednesdayHead, PageBooks, {161, 145, 20, 15}, Left, " 수")),
    singleLine(field(kThursdayHead, PageBooks, {179, 145, 20, 15}, Left, " 목")),
    singleLine(field(kFridayHead, PageBooks, {197, 145, 20, 15}, Left, " 금")),
    singleLine(field(kSaturdayHead, PageBooks, {215, 145, 20, 15}, Left, " 토")),
    {.id = kMonthCalendar, .kind = ControlKind::CalWindow, .page = PageBooks, .rect = {108, 159, 128, 83}},
    field(kBooksYearField, PageBooks, {35, 159, 57, 16}, Centre),  // year, "%d년" once filled
    field(kBooksMonthField, PageBooks, {45, 175, 37, 16}, Centre),  // month, "%d월" once filled
    button(kPreviousMonthButton, PageBooks, {33, 177, 12, 12}, "◁"),
    button(kNextMonthButton, PageBooks, {81, 177, 12, 12}, "▷"),
    // One date caption a weekday, Sunday (or holiday) first, all at one place.
    in(DateCaption, field(kSundayCaption, PageBooks, {20, 189, 87, 16}, Centre)),
    in(DateCaption, field(kMondayCaption, PageBooks, {20, 189, 87, 16}, Centre)),
    in(DateCaption, field(kTuesdayCaption, PageBooks, {20, 189, 87, 16}, Centre)),
    in(DateCaption, field(kWednesdayCaption, PageBooks, {20, 189, 87, 16}, Centre)),
    in(DateCaption, field(kThursdayCaption, PageBooks, {20, 189, 87, 16}, Centre)),
    in(DateCaption, field(kFridayCaption, PageBooks, {20, 189, 87, 16}, Centre)),
    in(DateCaption, field(kSaturdayCaption, PageBooks, {20, 189, 87, 16}, Centre)),
    field(kLunarField, PageBooks, {20, 204, 87, 16}, Centre),  // lunar date
    field(kHolidayField, PageBooks, {20, 221, 87, 16}, Centre),  // holiday name

    // Reservations page.
    list(kReservationList, PageReservations, {3, 34, 234, 209}, kReservationColumns),
    button(kReservationDateHeader, PageReservations, {1, 17, 128, 16}, "예약일 / 항목"),
    button(kReservationAmountHeader, PageReservations, {129, 17, 110, 16}, "금액"),

    // Settlement page.
    list(kSettlementList, PageSettlement, {3, 34, 234, 105}, kSettlementColumns),
    button(kSettlementTitleHeader, PageSettlement, {1, 17, 148, 16}, "제목"),
    button(kSettlementPeriodHeader, PageSettlement, {149, 17, 90, 16}, "기간"),
    field(kSettlementMonthField, PageSettlement, {2, 141, 236, 16}, Centre, "2006년 5월"),
    field(kSettlementSummaryPanel, PageSettlement, {2, 141, 236, 102}),
    settleCaption(kCarriedOverCaption, 5, 162, "전월이월"),
    settleLeftValue(kCarriedOverTotal, 162),
    settleCaption(kIncomeCaption, 117, 162, "수입계"),
    settleRightValue(kIncomeTotal, 162),
    settleCaption(kExpenseCaption, 5, 178, "지출계"),
    settleLeftValue(kExpenseTotal, 178),
    settleCaption(kBalanceCaption, 117, 178, "잔액"),
    settleRightValue(kBalanceTotal, 178),
    settleCaption(kCashIncomeCaption, 5, 194, "현금수입"),
    settleLeftValue(kCashIncomeTotal, 194),
    settleCaption(kAccountIncomeCaption, 117, 194, "계좌수입"),
    settleRightValue(kAccountIncomeTotal, 194),
    settleCaption(kCashExpenseCaption, 5, 209, "현금지출"),
    settleLeftValue(kCashExpenseTotal, 209),
    settleCaption(kAccountExpenseCaption, 117, 209, "계좌지출"),
    settleRightValue(kAccountExpenseTotal, 209),
    settleCaption(kCardExpenseCaption, 5, 224, "카드지출"),
    settleLeftValue(kCardExpenseTotal, 224),
    settleCaption(kOtherExpenseCaption, 117, 224, "기타지출"),
    settleRightValue(kOtherExpenseTotal, 224),
    in(DetailPanel, list(kSettlementDetailList, PageSettlement, {2, 141, 236, 102}, kEntryColumns)),

    // Categories page.
    list(kMinorCategoryList, PageCategories, {3, 34, 234, 105}, kMinorCategoryColumns),
    button(kMinorNameHeader, PageCategories, {1, 17, 106, 16}),
    button(kMinorInUseHeader, PageCategories, {107, 17, 132, 16}),
    button(kIncomeKindButton, PageCategories, {1, 140, 19, 52}, "수\n입"),
    button(kExpenseKindButton, PageCategories, {1, 192, 19, 52}, "지\n출"),
    list(kMajorCategoryList, PageCategories, {19, 141, 219, 102}, kMajorCategoryColumns, true),

    // The detail panel of the books, assets and query pages.
    in(DetailPanel, field(kDetailPanel, kDetailPanelPages, {2, 141, 236, 102})),
    {.id = kDetailLine1, .kind = ControlKind::Caption, .page = kDetailPanelPages,
     .rect = {8, 141, 220, 14}, .text = "세부내용1", .group = DetailPanel},
    {.id = kDetailLine2, .kind = ControlKind::Caption, .page = kDetailPanelPages,
     .rect = {8, 154, 220, 14}, .text = "세부내용2", .group = DetailPanel},
    {.id = kDetailLine3, .kind = ControlKind::Caption, .page = kDetailPanelPages,
     .rect = {8, 167, 220, 14}, .text = "세부내용3", .group = DetailPanel},
    {.id = kDetailLine4, .kind = ControlKind::Caption, .page = kDetailPanelPages,
     .rect = {8, 180, 220, 14}, .text = "세부내용4", .group = DetailPanel},
    {.id = kDetailNote, .kind = ControlKind::Field, .page = kDetailPanelPages, .rect = {3, 197, 234, 45},
     .scrolls = true, .group = DetailPanel},  // the note
};

// Colours are written as the device's 0xBBGGRR values (0xFF0000 is blue) and kept as 0xRRGGBB.
constexpr Rgb fromBgr(std::uint32_t bgr) {
  return (bgr & 0xFFu) << 16 | (bgr & 0xFF00u) | (bgr >> 16 & 0xFFu);
}

struct ColourRule {
  int firstId;
  int lastId;
  std::uint32_t textBgr;
  std::uint32_t backgroundBgr;
};

constexpr std::uint32_t kWhite = 0xFFFFFF;
constexpr std::uint32_t kBlack = 0x000000;
constexpr std::uint32_t kBlue = 0xFF0000;
constexpr std::uint32_t kRed = 0x0000FF;
constexpr std::uint32_t kGreen = 0x008000;
constexpr std::uint32_t kDarkText = 0x4A3839;
constexpr std::uint32_t kHeadBackground = 0xF4D6D7;

constexpr ColourRule kColourRules[] = {
    {kBooksIncomeTotal, kBooksIncomeTotal, kBlue, kWhite},
    {kQueryBooksIncome, kQueryBooksIncome, kBlue, kWhite},
    {kCarriedOverTotal, kCarriedOverTotal, kBlue, kWhite},
    {kIncomeTotal, kIncomeTotal, kBlue, kWhite},
    {kCashIncomeTotal, kCashIncomeTotal, kBlue, kWhite},
    {kAccountIncomeTotal, kAccountIncomeTotal, kBlue, kWhite},
    {kSaturdayCaption, kSaturdayCaption, kBlue, kWhite},  // Saturday's date caption
    {kBooksExpenseTotal, kBooksExpenseTotal, kRed, kWhite},
    {kQueryBooksExpense, kQueryBooksExpense, kRed, kWhite},
    {kQueryCardBilled, kQueryCardBilled, kRed, kWhite},
    {kExpenseTotal, kExpenseTotal, kRed, kWhite},
    {kCashExpenseTotal, kCashExpenseTotal, kRed, kWhite},
    {kCardExpenseTotal, kCardExpenseTotal, kRed, kWhite},
    {kAccountExpenseTotal, kAccountExpenseTotal, kRed, kWhite},
    {kOtherExpenseTotal, kOtherExpenseTotal, kRed, kWhite},
    {kSundayCaption, kSundayCaption, kRed, kWhite},  // Sunday's or a holiday's date caption
    {kBooksCashTotal, kBooksCashTotal, kGreen, kWhite},
    {kQueryCardToCome, kQueryCardToCome, kGreen, kWhite},
    {kQueryAccountBalance, kQueryAccountBalance, kGreen, kWhite},
    {kBalanceTotal, kBalanceTotal, kGreen, kWhite},
    {kBooksCalendarPanel, kBooksCalendarPanel, kBlack, kWhite},
    {kMondayCaption, kFridayCaption, kBlack, kWhite},
    {kBooksCalendarFrame, kBooksCalendarFrame, kDarkText, kWhite},
    {kSundayHead, kSundayHead, kRed, kHeadBackground},
    {kMondayHead, kFridayHead, kDarkText, kHeadBackground},
    {kSaturdayHead, kSaturdayHead, kBlue, kHeadBackground},
    {kSettlementMonthField, kSettlementMonthField, kBlack, kHeadBackground},
    {kRangeStartField, kRangeEndField, kBlack, kHeadBackground},
    {kSpareDateField, kSpareDateField, kBlack, kHeadBackground},
    {kBooksYearField, kBooksMonthField, 0x800000, kWhite},
    {kLunarField, kLunarField, 0x808080, kWhite},
    {kDetailNote, kDetailNote, kBlack, 0xFBEAE9},
};

constexpr bool colourRuleMeetsAControl(const ColourRule& rule) {
  int met = 0;
  for (const ControlSpec& c : kLayout) met += c.id >= rule.firstId && c.id <= rule.lastId;
  return met == rule.lastId - rule.firstId + 1;
}
static_assert(std::all_of(std::begin(kColourRules), std::end(kColourRules),
                          colourRuleMeetsAControl),
              "a colour rule names a control the layout does not have");

constexpr auto withColours() {
  std::array<ControlSpec, std::size(kLayout)> table{};
  std::copy(std::begin(kLayout), std::end(kLayout), table.begin());
  for (const ColourRule& rule : kColourRules) {
    for (ControlSpec& c : table) {
      if (c.id >= rule.firstId && c.id <= rule.lastId)
        c.colours = ControlColours{fromBgr(rule.textBgr), fromBgr(rule.backgroundBgr)};
    }
  }
  return table;
}

constexpr auto kControlTable = withColours();

bool sharesDetailPanel(int page) {
  return page == PageBooks || page == PageAssets || page == PageQuery;
}

}  // namespace

std::span<const ControlSpec> controlTable() { return kControlTable; }

const ControlSpec* findControl(int id) {
  const auto it = std::find_if(kControlTable.begin(), kControlTable.end(),
                               [id](const ControlSpec& c) { return c.id == id; });
  return it == kControlTable.end() ? nullptr : &*it;
}

std::vector<const ControlSpec*> controlsOfPage(int page) {
  std::vector<const ControlSpec*> controls;
  for (const ControlSpec& c : kControlTable) {
    if (c.page == kEveryPage || (c.page == page && page >= 0) ||
        (c.page == kDetailPanelPages && sharesDetailPanel(page)))
      controls.push_back(&c);
  }
  return controls;
}

}  // namespace coinest
