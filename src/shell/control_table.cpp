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
    button(20015, kEveryPage, {1, 1, 40, 16}, "장부"),
    button(20011, kEveryPage, {40, 1, 40, 16}, "조회"),
    button(20017, kEveryPage, {79, 1, 40, 16}, "결산"),
    button(20016, kEveryPage, {118, 1, 40, 16}, "예약"),
    button(20018, kEveryPage, {157, 1, 40, 16}, "항목"),
    button(20012, kEveryPage, {196, 1, 40, 16}, "자산"),
    button(kFillerButton, kEveryPage, {235, 1, 4, 16}),

    // Query page.
    list(kQueryList, PageQuery, {3, 34, 234, 90}, kEntryColumns),
    button(20021, PageQuery, {1, 17, 51, 16}, "일자"),
    button(20022, PageQuery, {52, 17, 89, 16}, "항목"),
    button(20023, PageQuery, {141, 17, 98, 16}, "금액"),
    button(21097, PageQuery, {1, 140, 19, 35}, "장\n부"),
    button(21098, PageQuery, {1, 175, 19, 34}, "카\n드"),
    button(21115, PageQuery, {1, 209, 19, 35}, "통\n장"),
    field(21043, PageQuery, {20, 141, 218, 102}),
    // queryKind 0: the books query.
    in(QueryBooks, button(21074, PageQuery, {3, 126, 12, 12}, "+")),
    in(QueryBooks, field(21076, PageQuery, {48, 125, 72, 15}, Right)),
    in(QueryBooks, button(21075, PageQuery, {121, 126, 12, 12}, "-")),
    in(QueryBooks, field(21077, PageQuery, {166, 125, 72, 15}, Right)),
    queryCaption(QueryBooks, 21067, 149, "일자"),
    queryValue(QueryBooks, 21068, {74, 149, 65, 15}, "9999-99-99"),
    queryValue(QueryBooks, 21069, {141, 149, 82, 15}, "~ 9999-99-99"),
    queryCaption(QueryBooks, 21070, 167, "분류"),
    queryValue(QueryBooks, 21071, 167),
    queryValue(QueryBooks, 21088, 184),  // the asset
    queryCaption(QueryBooks, 21072, 202, "항목"),
    queryValue(QueryBooks, 21073, 202),
    queryValue(QueryBooks, 21116, 219),
    // queryKind 1: the card query.
    in(QueryCard, button(21107, PageQuery, {3, 125, 47, 14}, "+")),
    in(QueryCard, field(21108, PageQuery, {49, 125, 72, 15}, Right)),
    in(QueryCard, button(21109, PageQuery, {120, 125, 47, 14}, "-")),
    in(QueryCard, field(21110, PageQuery, {166, 125, 72, 15}, Right)),
    queryCaption(QueryCard, 21099, 157, "조회년월"),
    queryValue(QueryCard, 21100, {74, 157, 85, 15}, "9999년 99월"),
    queryCaption(QueryCard, 21101, 175, "카드종류"),
    queryValue(QueryCard, 21102, 175),
    queryCaption(QueryCard, 21103, 192, "결제일"),
    queryValue(QueryCard, 21104, 192, "31일"),
    queryCaption(QueryCard, 21105, 210, "청구기간"),
    queryValue(QueryCard, 21106, 210, "9999-99-99 ~ 9999-99-99"),
    // queryKind 2: the account query.
    in(QueryAccount, button(21128, PageQuery, {58, 125, 47, 14}, "-")),
    in(QueryAccount, field(21129, PageQuery, {108, 125, 72, 15}, Right)),
    queryCaption(QueryAccount, 21117, 149, "일자"),
    queryValue(QueryAccount, 21118, {74, 149, 65, 15}),
    queryValue(QueryAccount, 21119, {141, 149, 82, 15}),
    queryCaption(QueryAccount, 21120, 167, "은행명"),
    queryValue(QueryAccount, 21121, 167),
    queryCaption(QueryAccount, 21122, 184, "통장명"),
    queryValue(QueryAccount, 21123, 184),
    queryCaption(QueryAccount, 21124, 202, "계좌번호"),
    queryValue(QueryAccount, 21125, 202, "1234567890"),
    queryCaption(QueryAccount, 21126, 220, "예금주"),
    queryValue(QueryAccount, 21127, 220),

    // Assets page.
    list(kAssetList, PageAssets, {3, 34, 234, 105}, kAssetColumns),
    button(20025, PageAssets, {1, 17, 106, 16}),
    button(20026, PageAssets, {107, 17, 132, 16}),
    list(kAssetKindList, PageAssets, {2, 141, 236, 102}, {}, true),

    // Books page.
    list(kBooksList, PageBooks, {3, 34, 234, 90}, kEntryColumns),
    button(20043, PageBooks, {1, 17, 106, 16}),
    button(20044, PageBooks, {107, 17, 132, 16}),
    button(21050, PageBooks, {3, 125, 12, 12}, "+"),
    field(21047, PageBooks, {15, 124, 65, 15}, Right, "99,999,999"),
    button(21051, PageBooks, {79, 125, 12, 12}, "-"),
    field(21048, PageBooks, {91, 124, 65, 15}, Right, "99,999,999"),
    button(21052, PageBooks, {155, 125, 12, 12}, "="),
    field(21049, PageBooks, {166, 124, 72, 15}, Right, "+99,999,999"),
    button(21032, PageBooks, {1, 140, 19, 35}, "일\n별"),
    button(21033, PageBooks, {1, 175, 19, 34}, "주\n별"),
    button(21034, PageBooks, {1, 209, 19, 35}, "월\n별"),
    field(20045, PageBooks, {19, 141, 219, 102}),
    field(20046, PageBooks, {20, 141, 217, 100}),
    in(NeverShown, singleLine(field(20047, PageBooks, {44, 141, 84, 15}))),   // range start
    in(NeverShown, singleLine(field(20048, PageBooks, {127, 141, 84, 15}))),  // range end
    in(NeverShown, singleLine(field(20102, PageBooks, {113, 141, 84, 15}))),  // spare date
    singleLine(field(20103, PageBooks, {107, 145, 20, 15}, Left, " 일")),
    singleLine(field(20104, PageBooks, {125, 145, 20, 15}, Left, " 월")),
    singleLine(field(20105, PageBooks, {143, 145, 20, 15}, Left, " 화")),
    singleLine(field(20106, PageBooks, {161, 145, 20, 15}, Left, " 수")),
    singleLine(field(20107, PageBooks, {179, 145, 20, 15}, Left, " 목")),
    singleLine(field(20108, PageBooks, {197, 145, 20, 15}, Left, " 금")),
    singleLine(field(20109, PageBooks, {215, 145, 20, 15}, Left, " 토")),
    {.id = 20132, .kind = ControlKind::CalWindow, .page = PageBooks, .rect = {108, 159, 128, 83}},
    field(20100, PageBooks, {35, 159, 57, 16}, Centre),  // year, "%d년" once filled
    field(20101, PageBooks, {45, 175, 37, 16}, Centre),  // month, "%d월" once filled
    button(21112, PageBooks, {33, 177, 12, 12}, "◁"),
    button(21113, PageBooks, {81, 177, 12, 12}, "▷"),
    // One date caption a weekday, Sunday (or holiday) first, all at one place.
    in(DateCaption, field(20124, PageBooks, {20, 189, 87, 16}, Centre)),
    in(DateCaption, field(20125, PageBooks, {20, 189, 87, 16}, Centre)),
    in(DateCaption, field(20126, PageBooks, {20, 189, 87, 16}, Centre)),
    in(DateCaption, field(20127, PageBooks, {20, 189, 87, 16}, Centre)),
    in(DateCaption, field(20128, PageBooks, {20, 189, 87, 16}, Centre)),
    in(DateCaption, field(20129, PageBooks, {20, 189, 87, 16}, Centre)),
    in(DateCaption, field(20130, PageBooks, {20, 189, 87, 16}, Centre)),
    field(20110, PageBooks, {20, 204, 87, 16}, Centre),  // lunar date
    field(21114, PageBooks, {20, 221, 87, 16}, Centre),  // holiday name

    // Reservations page.
    list(kReservationList, PageReservations, {3, 34, 234, 209}, kReservationColumns),
    button(20111, PageReservations, {1, 17, 128, 16}, "예약일 / 항목"),
    button(20112, PageReservations, {129, 17, 110, 16}, "금액"),

    // Settlement page.
    list(kSettlementList, PageSettlement, {3, 34, 234, 105}, kSettlementColumns),
    button(20133, PageSettlement, {1, 17, 148, 16}, "제목"),
    button(20134, PageSettlement, {149, 17, 90, 16}, "기간"),
    field(21066, PageSettlement, {2, 141, 236, 16}, Centre, "2006년 5월"),
    field(21053, PageSettlement, {2, 141, 236, 102}),
    settleCaption(21054, 5, 162, "전월이월"),
    settleLeftValue(21055, 162),
    settleCaption(21056, 117, 162, "수입계"),
    settleRightValue(21057, 162),
    settleCaption(21058, 5, 178, "지출계"),
    settleLeftValue(21059, 178),
    settleCaption(21060, 117, 178, "잔액"),
    settleRightValue(21061, 178),
    settleCaption(21093, 5, 194, "현금수입"),
    settleLeftValue(21094, 194),
    settleCaption(21095, 117, 194, "계좌수입"),
    settleRightValue(21096, 194),
    settleCaption(21062, 5, 209, "현금지출"),
    settleLeftValue(21063, 209),
    settleCaption(21089, 117, 209, "계좌지출"),
    settleRightValue(21090, 209),
    settleCaption(21064, 5, 224, "카드지출"),
    settleLeftValue(21065, 224),
    settleCaption(21091, 117, 224, "기타지출"),
    settleRightValue(21092, 224),
    in(DetailPanel, list(kSettlementDetailList, PageSettlement, {2, 141, 236, 102}, kEntryColumns)),

    // Categories page.
    list(kMinorCategoryList, PageCategories, {3, 34, 234, 105}, kMinorCategoryColumns),
    button(20142, PageCategories, {1, 17, 106, 16}),
    button(20143, PageCategories, {107, 17, 132, 16}),
    button(21041, PageCategories, {1, 140, 19, 52}, "수\n입"),
    button(21042, PageCategories, {1, 192, 19, 52}, "지\n출"),
    list(kMajorCategoryList, PageCategories, {19, 141, 219, 102}, kMajorCategoryColumns, true),

    // The detail panel of the books, assets and query pages.
    in(DetailPanel, field(21078, kDetailPanelPages, {2, 141, 236, 102})),
    {.id = 21079, .kind = ControlKind::Caption, .page = kDetailPanelPages,
     .rect = {8, 141, 220, 14}, .text = "세부내용1", .group = DetailPanel},
    {.id = 21080, .kind = ControlKind::Caption, .page = kDetailPanelPages,
     .rect = {8, 154, 220, 14}, .text = "세부내용2", .group = DetailPanel},
    {.id = 21081, .kind = ControlKind::Caption, .page = kDetailPanelPages,
     .rect = {8, 167, 220, 14}, .text = "세부내용3", .group = DetailPanel},
    {.id = 21111, .kind = ControlKind::Caption, .page = kDetailPanelPages,
     .rect = {8, 180, 220, 14}, .text = "세부내용4", .group = DetailPanel},
    {.id = 21082, .kind = ControlKind::Field, .page = kDetailPanelPages, .rect = {3, 197, 234, 45},
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
    {21047, 21047, kBlue, kWhite},
    {21076, 21076, kBlue, kWhite},
    {21055, 21055, kBlue, kWhite},
    {21057, 21057, kBlue, kWhite},
    {21094, 21094, kBlue, kWhite},
    {21096, 21096, kBlue, kWhite},
    {20130, 20130, kBlue, kWhite},  // Saturday's date caption
    {21048, 21048, kRed, kWhite},
    {21077, 21077, kRed, kWhite},
    {21108, 21108, kRed, kWhite},
    {21059, 21059, kRed, kWhite},
    {21063, 21063, kRed, kWhite},
    {21065, 21065, kRed, kWhite},
    {21090, 21090, kRed, kWhite},
    {21092, 21092, kRed, kWhite},
    {20124, 20124, kRed, kWhite},  // Sunday's or a holiday's date caption
    {21049, 21049, kGreen, kWhite},
    {21110, 21110, kGreen, kWhite},
    {21129, 21129, kGreen, kWhite},
    {21061, 21061, kGreen, kWhite},
    {20045, 20045, kBlack, kWhite},
    {20125, 20129, kBlack, kWhite},
    {20046, 20046, kDarkText, kWhite},
    {20103, 20103, kRed, kHeadBackground},
    {20104, 20108, kDarkText, kHeadBackground},
    {20109, 20109, kBlue, kHeadBackground},
    {21066, 21066, kBlack, kHeadBackground},
    {20047, 20048, kBlack, kHeadBackground},
    {20102, 20102, kBlack, kHeadBackground},
    {20100, 20101, 0x800000, kWhite},
    {20110, 20110, 0x808080, kWhite},
    {21082, 21082, kBlack, 0xFBEAE9},
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
