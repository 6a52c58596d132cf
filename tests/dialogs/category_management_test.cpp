#include "dialogs/category_management.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "store/category_tables.h"
#include "store/table_catalogue.h"
#include "support/book_fixture.h"
#include "support/failing_change_sink.h"

namespace coinest {
namespace {

using testing::BookFixture;
using testing::FailingChangeSink;

std::vector<std::string> majorNames(Book& book, const char* kind) {
  std::vector<std::string> names;
  for (const MajorItem& m : loadMajorItems(book, kind).items) names.push_back(m.itemName);
  return names;
}

std::vector<std::string> minorNames(Book& book, int32_t majorId) {
  std::vector<std::string> names;
  for (const MinorItem& m : loadMinorItems(book, majorId).items) names.push_back(m.itemName);
  return names;
}

TEST(CategoryManagement, RefusalsAndQuestionsNameTheLevelAndTheCategory) {
  struct Case {
    CategoryLevel level;
    CategoryAction action;
    std::string name;
    std::string refusal;
  };
  const std::vector<Case> cases = {
      {CategoryLevel::Major, CategoryAction::Delete, "전월이월", "대항목에 전월이월은 삭제할 수 없습니다"},
      {CategoryLevel::Major, CategoryAction::Delete, "카드대금", "대항목에 카드대금은 삭제할 수 없습니다"},
      {CategoryLevel::Major, CategoryAction::Edit, "카드대금", "대항목에 카드대금은 수정할 수 없습니다"},
      {CategoryLevel::Minor, CategoryAction::Delete, "전월이월", "소항목에 전월이월은 삭제할 수 없습니다"},
      {CategoryLevel::Minor, CategoryAction::Edit, "전월이월", "소항목에 전월이월은 수정할 수 없습니다"},
      {CategoryLevel::Major, CategoryAction::Delete, "식비", ""},
      {CategoryLevel::Minor, CategoryAction::Delete, " 카드대금", ""},  // only the exact name is reserved
  };
  for (const Case& c : cases) EXPECT_EQ(reservedNameRefusal(c.level, c.action, c.name), c.refusal) << c.name;

  EXPECT_EQ(deleteCategoryQuestion(CategoryLevel::Major, "식비"),
            "가계부 대항목 자료(식비)를 삭제 하시겠습니까?\n\n[주의] 대항목을 삭제하면 이에 포함된 모든 소항목도 "
            "함께 삭제됩니다.");
  EXPECT_EQ(deleteCategoryQuestion(CategoryLevel::Minor, "외식"), "가계부 소항목 자료(외식)를 삭제 하시겠습니까?");
}

TEST(CategoryManagement, DeletingAMajorTakesItsMinorsWithOneChangeFile) {
  BookFixture f;
  Book& book = f.book();
  f.enableExchange();

  ASSERT_TRUE(deleteMajorCategory(book, 4));  // 식비 and its four minors
  EXPECT_TRUE(majorIdFree(book, 4));
  EXPECT_TRUE(loadMinorItems(book, 4).items.empty());
  EXPECT_EQ(minorNames(book, 5).size(), 9u);  // the next major keeps its minors
  EXPECT_EQ(f.store().recordCount(kMinorItemsTable), 79u - 4u);
  EXPECT_EQ(f.sink.names(), std::vector<std::string>{"F3 4"});

  // Gone already (the desktop may have deleted it): nothing fails, the desktop hears of it again.
  ASSERT_TRUE(deleteMajorCategory(book, 4));
  ASSERT_TRUE(deleteMinorCategory(book, 12));  // 관리비 of 주거/통신
  EXPECT_FALSE(findMinorItem(book, 12).has_value());
  EXPECT_EQ(f.sink.names(), (std::vector<std::string>{"F3 4", "F3 4", "E3 12"}));
}

TEST(CategoryManagement, AChangeFileThatCannotBeRecordedUndoesTheWholeChange) {
  struct Case {
    const char* what;
    int accepted;  // change files recorded before the refusal
    std::function<Status(Book&)> run;
  };
  const std::vector<Case> cases = {
      {"delete major", 0, [](Book& b) { return deleteMajorCategory(b, 4); }},
      {"move major", 1,
       [](Book& b) {
         const MajorList list = loadMajorItems(b, "2");
         return moveMajorCategory(b, list.items, 0, MoveStep::Down);
       }},
      {"move minor", 1,
       [](Book& b) {
         const MinorList list = loadMinorItems(b, 4);
         return moveMinorCategory(b, list.items, 1, MoveStep::Up);
       }},
  };
  for (const Case& c : cases) {
    BookFixture f;
    Book& book = f.book();
    FailingChangeSink refusing(c.accepted);
    book.changes = &refusing;
    f.enableExchange();
    const std::vector<std::string> majorsBefore = majorNames(book, "2");
    const std::vector<std::string> minorsBefore = minorNames(book, 4);

    const Status status = c.run(book);
    EXPECT_FALSE(status) << c.what;
    EXPECT_FALSE(status.reason().empty()) << c.what;
    EXPECT_EQ(majorNames(book, "2"), majorsBefore) << c.what;
    EXPECT_EQ(minorNames(book, 4), minorsBefore) << c.what;
    EXPECT_EQ(f.store().recordCount(kMajorItemsTable), 17u) << c.what;
    EXPECT_EQ(f.store().recordCount(kMinorItemsTable), 79u) << c.what;
  }
}

TEST(CategoryManagement, MovingSwapsOrdersWithTheNeighbourAndStopsAtTheEnds) {
  BookFixture f;
  Book& book = f.book();
  f.enableExchange();

  // 식비 (4, order 1) down: it swaps with 주거/통신 (5, order 2); two modify files, moved row first.
  MajorList majors = loadMajorItems(book, "2");
  ASSERT_TRUE(moveMajorCategory(book, majors.items, 0, MoveStep::Down));
  majors = loadMajorItems(book, "2");
  EXPECT_EQ(majors.items[0].itemName, "주거/통신");
  EXPECT_EQ(majors.items[1].itemName, "식비");
  EXPECT_EQ(majors.items[1].itemOrder, 2);
  EXPECT_EQ(majors.items[1].itemKind, "2");
  EXPECT_EQ(f.sink.names(), (std::vector<std::string>{"F2 4", "F2 5"}));

  // The minors of 식비: 주식 부식 외식 기타; 기타 up swaps with 외식, 'in use' kept.
  MinorList minors = loadMinorItems(book, 4);
  ASSERT_TRUE(moveMinorCategory(book, minors.items, 3, MoveStep::Up));
  EXPECT_EQ(minorNames(book, 4), (std::vector<std::string>{"주식", "부식", "기타", "외식"}));
  EXPECT_EQ(loadMinorItems(book, 4).items[2].inUse, "Y");

  // The first row up, the last row down and a row outside the list write nothing.
  f.sink.changes.clear();
  majors = loadMajorItems(book, "2");
  minors = loadMinorItems(book, 4);
  EXPECT_TRUE(moveMajorCategory(book, majors.items, 0, MoveStep::Up));
  EXPECT_TRUE(moveMajorCategory(book, majors.items, majors.items.size() - 1, MoveStep::Down));
  EXPECT_TRUE(moveMinorCategory(book, minors.items, minors.items.size(), MoveStep::Up));
  EXPECT_TRUE(f.sink.changes.empty());
  EXPECT_EQ(loadMajorItems(book, "2").items.front().itemName, "주거/통신");

  // Equal orders stay equal: the names keep deciding.
  ASSERT_TRUE(replaceMinorItem(book, {14, 5, "가", 1, "Y"}));  // 수도요금 becomes 가 with 관리비's order
  minors = loadMinorItems(book, 5);
  ASSERT_EQ(minors.items[0].itemName, "가");
  ASSERT_TRUE(moveMinorCategory(book, minors.items, 0, MoveStep::Down));
  EXPECT_EQ(minorNames(book, 5)[0], "가");
  EXPECT_EQ(minorNames(book, 5)[1], "관리비");
}

}  // namespace
}  // namespace coinest
