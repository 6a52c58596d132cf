#include "shell/control_table.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <set>

#include "shell/tab_row.h"

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

// The tabs sit side by side in the order the Left and Right keys walk them, each overlapping
// its neighbour's border by a pixel, with the filler closing the row one pixel short of the
// right edge as the first tab starts one pixel from the left.
TEST(ControlTable, TheTabRowRunsLeftToRightAcrossTheTopOfEveryPage) {
  const ControlSpec* previous = nullptr;
  for (const Tab& tab : kTabRow) {
    const ControlSpec* control = findControl(tab.command);
    ASSERT_NE(control, nullptr) << tab.command;
    EXPECT_EQ(control->kind, ControlKind::Button) << tab.command;
    EXPECT_EQ(control->page, kEveryPage) << tab.command;
    EXPECT_FALSE(control->text.empty()) << tab.command;
    if (previous == nullptr) {
      EXPECT_EQ(control->rect.x, 1);
    } else {
      EXPECT_EQ(control->rect.x, previous->rect.x + previous->rect.width - 1) << tab.command;
      EXPECT_EQ(control->rect.y, previous->rect.y) << tab.command;
      EXPECT_EQ(control->rect.height, previous->rect.height) << tab.command;
      EXPECT_EQ(control->rect.width, previous->rect.width) << tab.command;
    }
    previous = control;
  }
  const ControlSpec* filler = findControl(kFillerButton);
  ASSERT_NE(filler, nullptr);
  EXPECT_EQ(filler->page, kEveryPage);
  EXPECT_EQ(filler->rect.x, previous->rect.x + previous->rect.width - 1);
  EXPECT_EQ(filler->rect.x + filler->rect.width, kScreenWidth - 1);
  EXPECT_EQ(filler->rect.y, previous->rect.y);
  EXPECT_EQ(filler->rect.height, previous->rect.height);
}

// The every-page controls are the tab row; a page's own controls lie between it and the command
// bar, and ids stay in the ranges the shell routes by (buttons and fields send theirs).
TEST(ControlTable, EveryRectangleLiesInsideItsPartOfTheScreen) {
  const ControlRect firstTab = findControl(kTabRow.front().command)->rect;
  const int tabRowBottom = firstTab.y + firstTab.height;
  for (const ControlSpec& c : controlTable()) {
    if (c.page == kEveryPage) {
      EXPECT_LE(c.rect.y + c.rect.height, tabRowBottom) << c.id;
    } else {
      EXPECT_GE(c.rect.y, tabRowBottom) << c.id;
      EXPECT_LE(c.rect.y + c.rect.height, kCommandBarRect.y) << c.id;
    }
    if (c.kind == ControlKind::List) {
      EXPECT_GE(c.id, kListIdsFirst) << c.id;
      int widths = 0;
      for (const ListColumn& column : c.columns) widths += column.width;
      EXPECT_LE(widths, c.rect.width) << "the columns of " << c.id << " are wider than the list";
    } else {
      EXPECT_GE(c.id, kControlIdsFirst) << c.id;
      EXPECT_LT(c.id, kControlIdsEnd) << c.id;
    }
  }
}

// The caption buttons of the query groups and the settlement summary each have their value
// field on the same row, in the same group, beginning where the caption ends.
TEST(ControlTable, EveryCaptionHasItsValueBesideIt) {
  std::map<int, int> captionsOfPage;
  for (const ControlSpec& caption : controlTable()) {
    if (caption.kind != ControlKind::Button || caption.rect.height != 14 || caption.rect.width != 47) continue;
    ++captionsOfPage[caption.page];
    const int captionEnd = caption.rect.x + caption.rect.width;
    const ControlSpec* value = nullptr;
    for (const ControlSpec& c : controlTable()) {
      if (c.kind != ControlKind::Field || c.page != caption.page || c.group != caption.group) continue;
      if (c.rect.y != caption.rect.y || c.rect.x < captionEnd - 1) continue;
      if (value == nullptr || c.rect.x < value->rect.x) value = &c;
    }
    ASSERT_NE(value, nullptr) << "caption " << caption.id << " has no value";
    EXPECT_LE(value->rect.x, captionEnd + 4) << "caption " << caption.id << " is far from " << value->id;
  }
  // The ten totals of the settlement; the query's caption rows and the card and account sums.
  EXPECT_EQ(captionsOfPage, (std::map<int, int>{{PageQuery, 15}, {PageSettlement, 10}}));
}

// The books page picks a date caption and the calendar's heads by adding the weekday to
// Sunday's id: the seven of each are consecutive, the captions at one place, the heads left to
// right on one row.
TEST(ControlTable, TheWeekdaysControlsFollowOneAnotherFromSunday) {
  const ControlSpec* sunday = findControl(kSundayCaption);
  ASSERT_NE(sunday, nullptr);
  int captions = 0;
  for (const ControlSpec& c : controlTable()) captions += c.group == ControlGroup::DateCaption;
  EXPECT_EQ(captions, 7);
  for (int day = 0; day < 7; ++day) {
    const ControlSpec* caption = findControl(kSundayCaption + day);
    ASSERT_NE(caption, nullptr) << day;
    EXPECT_EQ(caption->group, ControlGroup::DateCaption) << day;
    EXPECT_EQ(caption->rect, sunday->rect) << day;
  }
  EXPECT_EQ(kSundayCaption + 6, kSaturdayCaption);
  EXPECT_EQ(kSundayHead + 6, kSaturdayHead);
  for (int day = 1; day < 7; ++day) {
    const ControlSpec* head = findControl(kSundayHead + day);
    const ControlSpec* before = findControl(kSundayHead + day - 1);
    ASSERT_NE(head, nullptr) << day;
    ASSERT_NE(before, nullptr) << day;
    EXPECT_EQ(head->rect.y, before->rect.y) << day;
    EXPECT_GT(head->rect.x, before->rect.x) << day;
    EXPECT_LE(head->rect.x, before->rect.x + before->rect.width) << day;
  }
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
