#include "dialogs/category_dialog.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "store/category_tables.h"
#include "store/entry_kind.h"
#include "support/book_fixture.h"

namespace coinest {
namespace {

using testing::BookFixture;

const MajorItem* majorNamed(const MajorList& list, std::string_view name) {
  for (const MajorItem& m : list.items) {
    if (m.itemName == name) return &m;
  }
  return nullptr;
}

int32_t majorId(Book& book, const char* kind, std::string_view name) {
  const MajorList list = loadMajorItems(book, kind);
  const MajorItem* major = majorNamed(list, name);
  return major ? major->majorId : 0;
}

std::string lastError(const BookFixture& f) {
  if (f.ui.messages.empty()) return "";
  EXPECT_EQ(f.ui.messages.back().caption, MessageCaption::Error);
  return f.ui.messages.back().text;
}

TEST(CategoryDialog, NewNamesAreCheckedInOrderWithinTheirListOnly) {
  struct Case {
    CategoryLevel level;
    const char* kind;
    const char* major;  // the page's major (minor level)
    std::string name;
    std::string message;  // empty: saved
  };
  const std::vector<Case> cases = {
      {CategoryLevel::Major, kExpenseKind, "", "", "항목명은 반드시 입력해야 합니다"},
      {CategoryLevel::Major, kExpenseKind, "", "   ", "항목명은 반드시 입력해야 합니다"},
      {CategoryLevel::Major, kExpenseKind, "", "식비", "입력하신 대항목명은 이미 존재합니다"},
      {CategoryLevel::Major, kExpenseKind, "", " 식비 ", "입력하신 대항목명은 이미 존재합니다"},
      {CategoryLevel::Major, kIncomeKind, "", "식비", ""},
      {CategoryLevel::Major, kExpenseKind, "", "전월이월", "대항목에 전월이월은 등록할 수 없습니다"},
      {CategoryLevel::Major, kIncomeKind, "", "카드대금", "대항목에 카드대금은 등록할 수 없습니다"},
      {CategoryLevel::Major, kExpenseKind, "", "카드대금", "입력하신 대항목명은 이미 존재합니다"},  // taken first
      {CategoryLevel::Major, kIncomeKind, "", " 카드대금", "대항목에 카드대금은 등록할 수 없습니다"},
      {CategoryLevel::Minor, kExpenseKind, "식비", " ", "항목명은 반드시 입력해야 합니다"},
      {CategoryLevel::Minor, kExpenseKind, "식비", "외식", "입력하신 소항목명은 이미 존재합니다"},
      {CategoryLevel::Minor, kExpenseKind, "주거/통신", "외식", ""},
      {CategoryLevel::Minor, kExpenseKind, "식비", "카드대금", ""},
  };
  for (const Case& c : cases) {
    BookFixture f;
    const CategoryDialogRequest request{DialogMode::Add, c.level, c.kind, majorId(f.book(), c.kind, c.major), 0};
    std::optional<CategoryDialog> dialog = openCategoryDialog(f.book(), f.ui, request, false);
    ASSERT_TRUE(dialog) << c.name;
    dialog->setName(c.name);
    dialog->setFocus(CategoryField::InUse);
    dialog->pressOk();
    EXPECT_EQ(lastError(f), c.message) << c.name;
    EXPECT_EQ(dialog->closed(), c.message.empty()) << c.name;
    if (!c.message.empty()) {
      EXPECT_EQ(dialog->focus(), CategoryField::Name) << c.name;
    }
  }
}

TEST(CategoryDialog, ContinueAddsMajorsAtTheEndOfTheList) {
  BookFixture f;
  const int32_t highest = loadMajorItems(f.book(), kExpenseKind).highestOrder;
  CategoryDialog dialog(f.book(), f.ui, {DialogMode::Add, CategoryLevel::Major, kExpenseKind}, false);
  for (const char* name : {"반려동물", "취미", "기부"}) {
    dialog.setName(name);
    dialog.pressContinue();
    EXPECT_EQ(dialog.name(), "");
    EXPECT_EQ(dialog.focus(), CategoryField::Name);
  }
  EXPECT_FALSE(dialog.closed());
  EXPECT_TRUE(f.ui.messages.empty());
  const MajorList list = loadMajorItems(f.book(), kExpenseKind);
  int32_t order = highest;
  for (const char* name : {"반려동물", "취미", "기부"}) {
    const MajorItem* added = majorNamed(list, name);
    ASSERT_TRUE(added) << name;
    EXPECT_EQ(added->itemOrder, ++order) << name;
  }
  EXPECT_EQ(*dialog.savedId(), majorNamed(list, "기부")->majorId);
}

// Blanks around a name are no part of it: the duplicate and reserved-name checks and the record
// all see the name without them, for an add and for a change alike.
TEST(CategoryDialog, TheNameIsTrimmedOnceForEveryCheckAndTheSave) {
  struct Case {
    DialogMode mode;
    CategoryLevel level;
    const char* kind;
    const char* edited;  // change mode: the category changed (a major, or a minor under 식비)
    std::string typed;
    std::string message;  // empty: saved as `stored`
    std::string stored;
  };
  const std::vector<Case> cases = {
      {DialogMode::Add, CategoryLevel::Major, kExpenseKind, "", "  여행  ", "", "여행"},
      {DialogMode::Add, CategoryLevel::Major, kExpenseKind, "", " 식비", "입력하신 대항목명은 이미 존재합니다", ""},
      {DialogMode::Add, CategoryLevel::Major, kExpenseKind, "", " 전월이월 ", "대항목에 전월이월은 등록할 수 없습니다", ""},
      {DialogMode::Add, CategoryLevel::Major, kIncomeKind, "", "카드대금  ", "대항목에 카드대금은 등록할 수 없습니다", ""},
      {DialogMode::Add, CategoryLevel::Minor, kExpenseKind, "", " 야식 ", "", "야식"},
      {DialogMode::Add, CategoryLevel::Minor, kExpenseKind, "", "외식 ", "입력하신 소항목명은 이미 존재합니다", ""},
      {DialogMode::Change, CategoryLevel::Major, kExpenseKind, "식비", " 먹거리 ", "", "먹거리"},
      {DialogMode::Change, CategoryLevel::Major, kExpenseKind, "식비", " 식비 ", "", "식비"},  // its own name
      {DialogMode::Change, CategoryLevel::Major, kExpenseKind, "식비", " 전월이월", "대항목에 전월이월은 등록할 수 없습니다", ""},
      {DialogMode::Change, CategoryLevel::Minor, kExpenseKind, "외식", "  점심  ", "", "점심"},
  };
  for (const Case& c : cases) {
    BookFixture f;
    const int32_t food = majorId(f.book(), kExpenseKind, "식비");
    CategoryDialogRequest request{c.mode, c.level, c.kind, 0, 0};
    if (c.level == CategoryLevel::Minor) {
      request.majorId = food;
      for (const MinorItem& minor : loadMinorItems(f.book(), food).items) {
        if (minor.itemName == c.edited) request.minorId = minor.minorId;
      }
    } else if (c.mode == DialogMode::Change) {
      request.majorId = majorId(f.book(), c.kind, c.edited);
    }
    std::optional<CategoryDialog> dialog = openCategoryDialog(f.book(), f.ui, request, false);
    ASSERT_TRUE(dialog) << c.typed;
    dialog->setName(c.typed);
    dialog->pressOk();
    EXPECT_EQ(lastError(f), c.message) << c.typed;
    if (!c.message.empty()) {
      EXPECT_FALSE(dialog->savedId()) << c.typed;
      continue;
    }
    ASSERT_TRUE(dialog->savedId()) << c.typed;
    if (c.level == CategoryLevel::Major) {
      const MajorList list = loadMajorItems(f.book(), c.kind);
      const MajorItem* saved = majorNamed(list, c.stored);
      ASSERT_TRUE(saved) << c.typed;
      EXPECT_EQ(saved->majorId, *dialog->savedId()) << c.typed;
    } else {
      const std::optional<MinorItem> saved = findMinorItem(f.book(), *dialog->savedId());
      ASSERT_TRUE(saved) << c.typed;
      EXPECT_EQ(saved->itemName, c.stored) << c.typed;
    }
  }
}

TEST(CategoryDialog, MinorLevelShowsThePagesMajorAndStoresTheUseFlag) {
  BookFixture f;
  const int32_t food = majorId(f.book(), kExpenseKind, "식비");
  CategoryDialog dialog(f.book(), f.ui, {DialogMode::Add, CategoryLevel::Minor, kExpenseKind, food}, true);
  EXPECT_EQ(dialog.majors().selectedText(), "식비");
  EXPECT_TRUE(dialog.shown(CategoryField::Major));
  EXPECT_FALSE(dialog.enabled(CategoryField::Major));
  EXPECT_FALSE(dialog.enabled(CategoryField::Kind));
  EXPECT_EQ(dialog.label(CategoryField::Name), "소항목명");
  EXPECT_TRUE(dialog.inUse());
  dialog.setName("야식");
  dialog.setInUse(false);
  dialog.pressOk();
  ASSERT_TRUE(dialog.closed());
  const std::optional<MinorItem> saved = findMinorItem(f.book(), *dialog.savedId());
  ASSERT_TRUE(saved);
  EXPECT_EQ(saved->majorId, food);
  EXPECT_EQ(saved->inUse, "N");
  EXPECT_EQ(saved->itemOrder, loadMinorItems(f.book(), food).highestOrder);

  CategoryDialog major(f.book(), f.ui, {DialogMode::Add, CategoryLevel::Major, kIncomeKind}, false);
  EXPECT_FALSE(major.shown(CategoryField::InUse));
  EXPECT_TRUE(major.majors().empty());
  EXPECT_EQ(major.label(CategoryField::Name), "대항목명");
}

TEST(CategoryDialog, ChangeKeepsIdAndOrderAndMayKeepItsOwnName) {
  BookFixture f;
  const MajorList before = loadMajorItems(f.book(), kExpenseKind);
  const MajorItem food = *majorNamed(before, "식비");
  std::optional<CategoryDialog> dialog = openCategoryDialog(
      f.book(), f.ui, {DialogMode::Change, CategoryLevel::Major, kExpenseKind, food.majorId}, false);
  ASSERT_TRUE(dialog);
  EXPECT_FALSE(dialog->continueShown());
  EXPECT_EQ(dialog->name(), "식비");
  dialog->setName("주거/통신");
  dialog->pressOk();
  EXPECT_EQ(lastError(f), kMajorNameTakenMessage);
  dialog->setName("식비");  // its own name is no clash
  dialog->pressOk();
  ASSERT_TRUE(dialog->closed());
  dialog.reset();

  const int32_t eatOut = loadMinorItems(f.book(), food.majorId).items.at(2).minorId;
  std::optional<CategoryDialog> minor = openCategoryDialog(
      f.book(), f.ui, {DialogMode::Change, CategoryLevel::Minor, kExpenseKind, food.majorId, eatOut}, false);
  ASSERT_TRUE(minor);
  EXPECT_EQ(minor->name(), "외식");
  minor->setName("외식비");
  minor->setInUse(false);
  minor->pressOk();
  ASSERT_TRUE(minor->closed());
  const MinorItem changed = *findMinorItem(f.book(), eatOut);
  EXPECT_EQ(changed.itemName, "외식비");
  EXPECT_EQ(changed.inUse, "N");
  EXPECT_EQ(changed.itemOrder, loadMinorItems(f.book(), food.majorId).items.at(2).itemOrder);
  EXPECT_EQ(majorNamed(loadMajorItems(f.book(), kExpenseKind), "식비")->itemOrder, food.itemOrder);
}

TEST(CategoryDialog, ReservedNamesAreNotOpenedForChange) {
  BookFixture f;
  const int32_t cardBill = majorId(f.book(), kExpenseKind, "카드대금");
  const int32_t carry = majorId(f.book(), kIncomeKind, "전월이월");
  const int32_t food = majorId(f.book(), kExpenseKind, "식비");
  CategoryDialog adding(f.book(), f.ui, {DialogMode::Add, CategoryLevel::Minor, kExpenseKind, food}, false);
  adding.setName("카드대금");
  adding.pressOk();
  const int32_t reservedMinor = *adding.savedId();

  struct Case {
    CategoryLevel level;
    const char* kind;
    int32_t majorId;
    int32_t minorId;
    std::string message;
  };
  const std::vector<Case> cases = {
      {CategoryLevel::Major, kExpenseKind, cardBill, 0, "대항목에 카드대금은 수정할 수 없습니다"},
      {CategoryLevel::Major, kIncomeKind, carry, 0, "대항목에 전월이월은 수정할 수 없습니다"},
      {CategoryLevel::Minor, kExpenseKind, food, reservedMinor, "소항목에 카드대금은 수정할 수 없습니다"},
      {CategoryLevel::Major, kIncomeKind, food, 0, ""},  // not of this kind: nothing opens
  };
  for (const Case& c : cases) {
    f.ui.messages.clear();
    const CategoryDialogRequest request{DialogMode::Change, c.level, c.kind, c.majorId, c.minorId};
    EXPECT_FALSE(openCategoryDialog(f.book(), f.ui, request, false)) << c.message;
    EXPECT_EQ(lastError(f), c.message);
  }
}

}  // namespace
}  // namespace coinest
