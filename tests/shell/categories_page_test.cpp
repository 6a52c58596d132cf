#include "shell/categories_page.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "store/category_tables.h"
#include "store/table_catalogue.h"
#include "support/failing_change_sink.h"
#include "support/shell_fixture.h"

namespace coinest {
namespace {

using Strings = std::vector<std::string>;

const Strings kExpenseMajors = {"식비", "주거/통신", "생활용품", "의류비", "육아/교육", "보건/미용", "문화생활비",
                                "교통/차량", "세금/공과금", "경조사/회비", "용돈/기타", "금융", "카드대금", "저축/보험"};

class CategoriesPageTest : public ::testing::Test {
 protected:
  CategoriesPageTest() {
    f.showPage(PageCategories);
    reloadCategoryLists(context());
  }

  ShellContext& context() { return f.context(); }
  Screen& screen() { return f.screen(); }

  Strings column(int list, int col) {
    Strings texts;
    for (int row = 0; row < screen().rowCount(list); ++row) texts.emplace_back(screen().cell(list, row, col));
    return texts;
  }
  Strings majors() { return column(kMajorCategoryList, 0); }
  Strings minors() { return column(kMinorCategoryList, 0); }
  std::string selectedName(int list) { return std::string(screen().cell(list, screen().selectedRow(list), 0)); }
  std::string selectedMajor() { return selectedName(kMajorCategoryList); }
  std::string selectedMinor() { return selectedName(kMinorCategoryList); }

  // Selects the major as a tap does: the selection, then the tap.
  void tapMajor(const std::string& name) {
    const Strings names = majors();
    const int row = static_cast<int>(std::find(names.begin(), names.end(), name) - names.begin());
    ASSERT_LT(row, static_cast<int>(names.size())) << name;
    majorSelectionChanged(context(), row);
    majorTapped(context(), row);
  }
  void selectMinor(int row) {
    screen().selectRow(kMinorCategoryList, row);
    minorSelectionChanged(context(), row);
  }

  testing::ShellContextFixture f;
};

TEST_F(CategoriesPageTest, ListsFollowTheKindTheTappedMajorAndTheSteps) {
  EXPECT_EQ(majors(), kExpenseMajors);
  EXPECT_EQ(selectedMajor(), "식비");
  EXPECT_EQ(minors(), (Strings{"주식", "부식", "외식", "기타"}));
  EXPECT_EQ(column(kMinorCategoryList, 2), (Strings{"8", "9", "10", "11"}));
  EXPECT_EQ(selectedMinor(), "주식");
  EXPECT_TRUE(screen().at(21042).pressed);
  EXPECT_FALSE(screen().at(21041).pressed);
  EXPECT_EQ(screen().at(20142).text, "소항목명");
  EXPECT_EQ(screen().at(20143).text, "사용여부");

  // The income kind: its majors, the reserved one included, and no major chosen yet.
  setCategoryKind(context(), true);
  EXPECT_EQ(majors(), (Strings{"고정수입", "기타수입", "전월이월"}));
  EXPECT_EQ(screen().selectedRow(kMajorCategoryList), -1);
  EXPECT_EQ(screen().rowCount(kMinorCategoryList), 0);
  EXPECT_TRUE(screen().at(21041).pressed);
  EXPECT_FALSE(screen().at(21042).pressed);
  EXPECT_EQ(screen().focus, kMinorCategoryList);

  // A minor not in use says so.
  ASSERT_TRUE(replaceMinorItem(f.book(), {6, 2, "기타", 2, "N"}));
  tapMajor("기타수입");
  EXPECT_EQ(minors(), (Strings{"이자", "기타"}));
  EXPECT_EQ(column(kMinorCategoryList, 1), (Strings{"사용", "미사용"}));
  EXPECT_EQ(selectedMinor(), "이자");
  EXPECT_EQ(context().categories.majorName, "기타수입");

  // Stepping wraps at both ends and shows the minors of the major stepped to.
  struct Step {
    int step;
    const char* major;
    Strings minors;
  };
  const Step steps[] = {{1, "전월이월", {"전월이월"}},
                        {1, "고정수입", {"급여", "상여", "사업", "기타"}},
                        {-1, "전월이월", {"전월이월"}}};
  for (const Step& s : steps) {
    stepMajorCategory(context(), s.step);
    EXPECT_EQ(selectedMajor(), s.major);
    EXPECT_EQ(minors(), s.minors) << s.major;
    EXPECT_EQ(selectedMinor(), s.minors.front());
  }
}

TEST_F(CategoriesPageTest, ReservedNamesAreRefusedBeforeAnyQuestion) {
  struct Case {
    bool income;
    const char* major;
    int command;
    const char* refusal;
  };
  const Case cases[] = {
      {false, "카드대금", kDeleteMajorCategory, "대항목에 카드대금은 삭제할 수 없습니다"},
      {true, "전월이월", kDeleteMajorCategory, "대항목에 전월이월은 삭제할 수 없습니다"},
      {false, "카드대금", kDeleteMinorCategory, "소항목에 카드대금은 삭제할 수 없습니다"},
      {true, "전월이월", kDeleteMinorCategory, "소항목에 전월이월은 삭제할 수 없습니다"},
  };
  for (const Case& c : cases) {
    f.ui.messages.clear();
    setCategoryKind(context(), c.income);
    tapMajor(c.major);
    const Strings before = majors();
    runCategoryCommand(context(), c.command);
    ASSERT_EQ(f.ui.messages.size(), 1u) << c.refusal;
    EXPECT_EQ(f.ui.messages[0].text, c.refusal);
    EXPECT_EQ(f.ui.messages[0].caption, MessageCaption::Error);
    EXPECT_EQ(majors(), before);
    EXPECT_EQ(minors(), Strings{c.major});
  }
  EXPECT_EQ(f.bookFixture().store().recordCount(kMinorItemsTable), 79u);
}

TEST_F(CategoriesPageTest, DeletesAskFirstAndNoKeepsEverything) {
  f.bookFixture().enableExchange();
  f.ui.answers = {false, false};
  runCategoryCommand(context(), kDeleteMajorCategory);
  runCategoryCommand(context(), kDeleteMinorCategory);
  EXPECT_EQ(f.ui.messageTexts(),
            (Strings{"가계부 대항목 자료(식비)를 삭제 하시겠습니까?\n\n[주의] 대항목을 삭제하면 이에 포함된 모든 "
                     "소항목도 함께 삭제됩니다.",
                     "가계부 소항목 자료(주식)를 삭제 하시겠습니까?"}));
  EXPECT_EQ(f.ui.messages[0].caption, MessageCaption::Question);
  EXPECT_EQ(majors(), kExpenseMajors);
  EXPECT_EQ(minors().size(), 4u);
  EXPECT_TRUE(f.bookFixture().sink.changes.empty());

  // Yes on the last minor: the row above is selected.
  selectMinor(3);
  runCategoryCommand(context(), kDeleteMinorCategory);
  EXPECT_EQ(minors(), (Strings{"주식", "부식", "외식"}));
  EXPECT_EQ(selectedMinor(), "외식");
  EXPECT_EQ(context().categories.minorId, 10);

  // Yes on a major: it goes with its minors; the next major and its minors are shown.
  runCategoryCommand(context(), kDeleteMajorCategory);
  EXPECT_EQ(majors(), Strings(kExpenseMajors.begin() + 1, kExpenseMajors.end()));
  EXPECT_EQ(selectedMajor(), "주거/통신");
  EXPECT_EQ(minors().front(), "관리비");
  EXPECT_TRUE(loadMinorItems(f.book(), 4).items.empty());
  EXPECT_EQ(f.bookFixture().sink.names(), (Strings{"E3 11", "F3 4"}));
  EXPECT_FALSE(f.ui.waitCursor);

  // The last major deleted: the new last row is selected.
  tapMajor("저축/보험");
  runCategoryCommand(context(), kDeleteMajorCategory);
  EXPECT_EQ(selectedMajor(), "카드대금");
  EXPECT_EQ(screen().focus, kMinorCategoryList);
}

TEST_F(CategoriesPageTest, MovesSwapWithTheNeighbourStopAtTheEndsAndWriteChangeFiles) {
  f.bookFixture().enableExchange();
  auto changes = [&] { return f.bookFixture().sink.names(); };

  runCategoryCommand(context(), kMoveMajorCategoryUp);  // 식비 is first
  runCategoryCommand(context(), kMoveMinorCategoryUp);  // 주식 is first
  EXPECT_TRUE(changes().empty());

  runCategoryCommand(context(), kMoveMajorCategoryDown);
  EXPECT_EQ(majors()[0], "주거/통신");
  EXPECT_EQ(majors()[1], "식비");
  EXPECT_EQ(selectedMajor(), "식비");
  EXPECT_EQ(minors().front(), "주식");  // still the minors of the moved major
  EXPECT_EQ(changes(), (Strings{"F2 4", "F2 5"}));

  runCategoryCommand(context(), kMoveMinorCategoryDown);
  EXPECT_EQ(minors(), (Strings{"부식", "주식", "외식", "기타"}));
  EXPECT_EQ(selectedMinor(), "주식");
  EXPECT_EQ(changes(), (Strings{"F2 4", "F2 5", "E2 8", "E2 9"}));

  selectMinor(3);
  runCategoryCommand(context(), kMoveMinorCategoryDown);
  tapMajor("저축/보험");
  runCategoryCommand(context(), kMoveMajorCategoryDown);
  EXPECT_EQ(changes().size(), 4u);

  // With the minor selection cleared by another major's selection, minor commands do nothing.
  majorSelectionChanged(context(), 0);
  runCategoryCommand(context(), kMoveMinorCategoryUp);
  runCategoryCommand(context(), kDeleteMinorCategory);
  EXPECT_EQ(changes().size(), 4u);
  EXPECT_TRUE(f.ui.messages.empty());
}

TEST_F(CategoriesPageTest, AFailedWriteIsShownAndTheListsShowTheBookAsItIs) {
  testing::FailingChangeSink refusing(0);
  f.book().changes = &refusing;
  f.bookFixture().enableExchange();

  runCategoryCommand(context(), kDeleteMajorCategory);
  runCategoryCommand(context(), kMoveMinorCategoryDown);
  ASSERT_EQ(f.ui.messages.size(), 3u);  // the question, then two failures
  EXPECT_EQ(f.ui.messages[1].caption, MessageCaption::Error);
  EXPECT_NE(f.ui.messages[1].text.find("desktop"), std::string::npos);
  EXPECT_EQ(f.ui.messages[2].caption, MessageCaption::Error);
  EXPECT_EQ(majors(), kExpenseMajors);
  EXPECT_EQ(minors(), (Strings{"주식", "부식", "외식", "기타"}));
  EXPECT_EQ(selectedMinor(), "주식");
}

}  // namespace
}  // namespace coinest
