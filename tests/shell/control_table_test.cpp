#include "shell/control_table.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>

namespace coinest {
namespace {

int countOf(const std::vector<const ControlSpec*>& controls, auto predicate) {
  return static_cast<int>(std::count_if(controls.begin(), controls.end(),
                                        [&](const ControlSpec* c) { return predicate(*c); }));
}

TEST(ControlTable, IdsAreUniqueAndEveryControlFitsTheScreen) {
  std::set<int> ids;
  for (const ControlSpec& c : controlTable()) {
    EXPECT_TRUE(ids.insert(c.id).second) << "duplicate id " << c.id;
    EXPECT_GE(c.rect.x, 0) << c.id;
    EXPECT_GE(c.rect.y, 0) << c.id;
    EXPECT_GT(c.rect.width, 0) << c.id;
    EXPECT_GT(c.rect.height, 0) << c.id;
    EXPECT_LE(c.rect.x + c.rect.width, kScreenWidth) << c.id;
    EXPECT_LE(c.rect.y + c.rect.height, kScreenHeight) << c.id;
    // Nothing of a page may reach under the command bar.
    EXPECT_LE(c.rect.y + c.rect.height, kCommandBarRect.y) << c.id;
    EXPECT_EQ(findControl(c.id), &c);
  }
  EXPECT_EQ(findControl(20020), nullptr);
}

TEST(ControlTable, EachPageHasItsOwnControlsTheTabRowAndOnlyItsOwnDetailPanel) {
  struct Case {
    int page;
    int listId;
    int ownControls;
    bool detailPanel;
  };
  const Case cases[] = {
      {PageQuery, kQueryList, 46, true},          {PageAssets, kAssetList, 4, true},
      {PageBooks, kBooksList, 38, true},          {PageReservations, kReservationList, 3, false},
      {PageSettlement, kSettlementList, 26, false}, {PageCategories, kMinorCategoryList, 6, false},
  };
  std::size_t everyPageControls = 0;
  for (const ControlSpec& c : controlTable()) everyPageControls += c.page == kEveryPage;
  EXPECT_EQ(everyPageControls, 7u) << "six tabs and the filler";

  for (const Case& c : cases) {
    const auto controls = controlsOfPage(c.page);
    EXPECT_EQ(countOf(controls, [&](const ControlSpec& s) { return s.page == c.page; }),
              c.ownControls)
        << "page " << c.page;
    EXPECT_EQ(countOf(controls, [](const ControlSpec& s) { return s.page == kEveryPage; }), 7)
        << "page " << c.page;
    EXPECT_EQ(countOf(controls, [](const ControlSpec& s) { return s.page == kDetailPanelPages; }),
              c.detailPanel ? 6 : 0)
        << "page " << c.page;
    EXPECT_EQ(countOf(controls, [&](const ControlSpec& s) { return s.id == c.listId; }), 1)
        << "page " << c.page;
  }
  EXPECT_EQ(controlsOfPage(3).size(), 7u) << "a page the window does not have";
  EXPECT_EQ(controlsOfPage(kDetailPanelPages).size(), 7u);

  // The query page shows one field group at a time, so each group must be complete.
  const auto query = controlsOfPage(PageQuery);
  const auto inGroup = [&](ControlGroup g) {
    return countOf(query, [g](const ControlSpec& s) { return s.group == g; });
  };
  EXPECT_EQ(inGroup(ControlGroup::QueryBooks), 13);
  EXPECT_EQ(inGroup(ControlGroup::QueryCard), 12);
  EXPECT_EQ(inGroup(ControlGroup::QueryAccount), 13);
}

TEST(ControlTable, TabsRunLeftToRightAcrossTheTopOfEveryPage) {
  const int tabs[] = {20015, 20011, 20017, 20016, 20018, 20012};
  const int xs[] = {1, 40, 79, 118, 157, 196};
  for (int i = 0; i < 6; ++i) {
    const ControlSpec* tab = findControl(tabs[i]);
    ASSERT_NE(tab, nullptr) << tabs[i];
    EXPECT_EQ(tab->kind, ControlKind::Button);
    EXPECT_EQ(tab->page, kEveryPage);
    EXPECT_EQ(tab->rect, (ControlRect{xs[i], 1, 40, 16})) << tabs[i];
  }
  const ControlSpec* filler = findControl(kFillerButton);
  ASSERT_NE(filler, nullptr);
  EXPECT_EQ(filler->page, kEveryPage);
  EXPECT_EQ(filler->rect, (ControlRect{235, 1, 4, 16}));
}

TEST(ControlTable, SpotChecksAcrossThePages) {
  struct Case {
    int id;
    ControlKind kind;
    int page;
    ControlRect rect;
    std::string_view text;
    Alignment alignment;
    ControlGroup group;
  };
  using enum ControlKind;
  using enum Alignment;
  using enum ControlGroup;
  const Case cases[] = {
      {21049, Field, PageBooks, {166, 124, 72, 15}, "+99,999,999", Right, Page},
      {20109, Field, PageBooks, {215, 145, 20, 15}, " 토", Left, Page},
      {21113, Button, PageBooks, {81, 177, 12, 12}, "▷", Left, Page},
      {20127, Field, PageBooks, {20, 189, 87, 16}, "", Centre, DateCaption},
      {21069, Field, PageQuery, {141, 149, 82, 15}, "~ 9999-99-99", Left, QueryBooks},
      {21106, Field, PageQuery, {74, 210, 162, 15}, "9999-99-99 ~ 9999-99-99", Left, QueryCard},
      {21126, Button, PageQuery, {23, 220, 47, 14}, "예금주", Left, QueryAccount},
      {21066, Field, PageSettlement, {2, 141, 236, 16}, "2006년 5월", Centre, Page},
      {21091, Button, PageSettlement, {117, 224, 47, 14}, "기타지출", Left, Page},
      {21094, Field, PageSettlement, {53, 194, 65, 15}, "", Right, Page},
      {20134, Button, PageSettlement, {149, 17, 90, 16}, "기간", Left, Page},
      {21042, Button, PageCategories, {1, 192, 19, 52}, "지\n출", Left, Page},
      {21111, Caption, kDetailPanelPages, {8, 180, 220, 14}, "세부내용4", Left, DetailPanel},
      {kReservationList, List, PageReservations, {3, 34, 234, 209}, "", Left, Page},
  };
  for (const Case& c : cases) {
    const ControlSpec* s = findControl(c.id);
    ASSERT_NE(s, nullptr) << c.id;
    EXPECT_EQ(s->kind, c.kind) << c.id;
    EXPECT_EQ(s->page, c.page) << c.id;
    EXPECT_EQ(s->rect, c.rect) << c.id;
    EXPECT_EQ(s->text, c.text) << c.id;
    EXPECT_EQ(s->alignment, c.alignment) << c.id;
    EXPECT_EQ(s->group, c.group) << c.id;
  }
  EXPECT_TRUE(findControl(20048)->singleLine);
  EXPECT_EQ(findControl(20048)->group, NeverShown);
  EXPECT_FALSE(findControl(21082)->singleLine);
  EXPECT_TRUE(findControl(21082)->scrolls);
}

TEST(ControlTable, ListsKeepTheirColumnsAndHideTheIdColumn) {
  const ControlSpec* books = findControl(kBooksList);
  ASSERT_NE(books, nullptr);
  ASSERT_EQ(books->columns.size(), 4u);
  EXPECT_EQ(books->columns[2].width, 85);
  EXPECT_EQ(books->columns[2].alignment, Alignment::Right);
  EXPECT_EQ(books->columns[3].width, 0) << "the entry id";

  const ControlSpec* detail = findControl(kSettlementDetailList);
  ASSERT_NE(detail, nullptr);
  EXPECT_TRUE(std::equal(detail->columns.begin(), detail->columns.end(), books->columns.begin(),
                         books->columns.end(), [](const ListColumn& a, const ListColumn& b) {
                           return a.title == b.title && a.width == b.width;
                         }));

  const ControlSpec* minor = findControl(kMinorCategoryList);
  ASSERT_NE(minor, nullptr);
  ASSERT_EQ(minor->columns.size(), 3u);
  EXPECT_EQ(minor->columns[2].width, 0) << "the minor-category id";

  for (int id : {kAssetKindList, kMajorCategoryList}) EXPECT_TRUE(findControl(id)->iconList) << id;
  EXPECT_FALSE(books->iconList);
}

TEST(ControlTable, ColoursAreHeldAsRgb) {
  struct Case {
    int id;
    std::optional<ControlColours> colours;
  };
  const Case cases[] = {
      {21047, ControlColours{0x0000FF, 0xFFFFFF}},  // income total: blue on white
      {21092, ControlColours{0xFF0000, 0xFFFFFF}},  // other expenses: red
      {21129, ControlColours{0x008000, 0xFFFFFF}},  // account balance: green
      {20103, ControlColours{0xFF0000, 0xD7D6F4}},  // Sunday's head
      {20106, ControlColours{0x39384A, 0xD7D6F4}},
      {20128, ControlColours{0x000000, 0xFFFFFF}},
      {20100, ControlColours{0x000080, 0xFFFFFF}},
      {21082, ControlColours{0x000000, 0xE9EAFB}},
      {21053, std::nullopt},  // the platform's defaults
      {21114, std::nullopt},
  };
  for (const Case& c : cases) EXPECT_EQ(findControl(c.id)->colours, c.colours) << c.id;
}

}  // namespace
}  // namespace coinest
