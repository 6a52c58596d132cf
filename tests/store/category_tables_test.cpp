#include "store/category_tables.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "store/id_counters.h"
#include "store/table_catalogue.h"
#include "support/book_fixture.h"

namespace coinest {
namespace {

using testing::BookFixture;

template <class List>
std::vector<std::string> namesOf(const List& list) {
  std::vector<std::string> names;
  for (const auto& item : list.items) names.push_back(item.itemName);
  return names;
}

TEST(CategoryTables, TransferCategoriesAreBuiltInWhateverTheTablesHold) {
  BookFixture f;
  Book& book = f.book();
  // Stored records that look like transfer categories must not leak into the built-in lists.
  EXPECT_TRUE(addMajorItem(book, {20001, "3", "가짜", 0}));
  EXPECT_TRUE(addMinorItem(book, {20001, kTransferMajorId, "가짜 이동", 0, "Y"}));

  const MajorList majors = loadMajorItems(book, "3");
  ASSERT_EQ(majors.items.size(), 1u);
  EXPECT_EQ(majors.items[0].majorId, -999);
  EXPECT_EQ(majors.items[0].itemName, "현금");
  EXPECT_EQ(majors.items[0].itemOrder, 1);
  EXPECT_EQ(majors.highestOrder, 1);

  const MinorList minors = loadMinorItems(book, kTransferMajorId);
  const std::vector<std::string> expected = {"현금 입금", "현금 인출", "현금서비스", "계좌 이동"};
  EXPECT_EQ(namesOf(minors), expected);
  for (std::size_t i = 0; i < minors.items.size(); ++i) {
    const MinorItem& m = minors.items[i];
    EXPECT_EQ(m.minorId, -999 + static_cast<int32_t>(i));
    EXPECT_EQ(m.majorId, kTransferMajorId);
    EXPECT_EQ(m.itemOrder, static_cast<int32_t>(i) + 1);
    EXPECT_EQ(m.inUse, "Y");
  }
  EXPECT_EQ(minors.highestOrder, 4);
}

TEST(CategoryTables, ListsSortByOrderThenNameAndKeepOnlyTheirKindOrParent) {
  BookFixture f;
  Book& book = f.book();
  // Income majors stored: 고정수입 1, 기타수입 2, 전월이월 3.
  EXPECT_TRUE(addMajorItem(book, {20001, "1", "나", 2}));
  EXPECT_TRUE(addMajorItem(book, {20002, "1", "가", 2}));
  EXPECT_TRUE(addMajorItem(book, {20003, "1", "영", 0}));
  EXPECT_TRUE(addMajorItem(book, {20004, "1", "다", 9}));
  EXPECT_TRUE(addMajorItem(book, {20005, "2", "지출", 0}));  // another kind
  const MajorList majors = loadMajorItems(book, "1");
  EXPECT_EQ(namesOf(majors), (std::vector<std::string>{"영", "고정수입", "가", "기타수입", "나", "전월이월", "다"}));
  EXPECT_EQ(majors.highestOrder, 9);

  // Minors of major 1 stored: 급여 1, 상여 2, 사업 3, 기타 4. Those not in use are listed too.
  EXPECT_TRUE(addMinorItem(book, {20001, 1, "가", 2, "N"}));
  EXPECT_TRUE(addMinorItem(book, {20002, 1, "영", 0, "Y"}));
  EXPECT_TRUE(addMinorItem(book, {20003, 2, "남", 0, "Y"}));  // another major
  const MinorList minors = loadMinorItems(book, 1);
  EXPECT_EQ(namesOf(minors), (std::vector<std::string>{"영", "급여", "가", "상여", "사업", "기타"}));
  EXPECT_EQ(minors.highestOrder, 4);
  EXPECT_EQ(minors.items[2].inUse, "N");
  EXPECT_EQ(minors.items[2].majorId, 1);
}

TEST(CategoryTables, ListsStopAtTheirCapacity) {
  BookFixture f;
  Book& book = f.book();
  const int32_t stored = static_cast<int32_t>(kCategoryListCapacity) + 20;
  {
    TransactionGuard tx(f.store());
    for (int32_t i = 1; i <= stored; ++i) {
      EXPECT_TRUE(addMajorItem(book, {20000 + i, "1", "항목", i}));
      EXPECT_TRUE(addMinorItem(book, {20000 + i, 4, "항목", i, "Y"}));
    }
    ASSERT_TRUE(tx.commit());
  }
  const MajorList majors = loadMajorItems(book, "1");
  const MinorList minors = loadMinorItems(book, 4);
  EXPECT_EQ(majors.items.size(), kCategoryListCapacity);
  EXPECT_EQ(minors.items.size(), kCategoryListCapacity);
  // The highest order counts every category met, so a new one still goes last.
  EXPECT_EQ(majors.highestOrder, stored);
  EXPECT_EQ(minors.highestOrder, stored);
}

TEST(CategoryTables, QueryListsLeaveOutTheCarryOverAndCardPayments) {
  BookFixture f;
  Book& book = f.book();
  struct Case {
    std::string kind;
    bool forQuery;
    std::vector<std::string> expected;
  };
  const std::vector<Case> cases = {
      {"1", false, {"고정수입", "기타수입", "전월이월"}},
      {"1", true, {"고정수입", "기타수입"}},
      {"2", true,
       {"식비", "주거/통신", "생활용품", "의류비", "육아/교육", "보건/미용", "문화생활비", "교통/차량", "세금/공과금",
        "경조사/회비", "용돈/기타", "금융", "저축/보험"}},
      {"9", false, {}},
  };
  for (const Case& c : cases) {
    const MajorList list = c.forQuery ? loadMajorItemsForQuery(book, c.kind) : loadMajorItems(book, c.kind);
    EXPECT_EQ(namesOf(list), c.expected) << c.kind << (c.forQuery ? " query" : "");
  }
}

TEST(CategoryTables, DeletingAMajorAndItsMinorsLeavesTheNeighboursAlone) {
  BookFixture f;
  Book& book = f.book();
  f.enableExchange();
  ASSERT_EQ(loadMinorItems(book, 5).items.size(), 9u);

  EXPECT_TRUE(deleteMajorItem(book, 5));
  EXPECT_TRUE(deleteMinorItemsOf(book, 5));

  EXPECT_TRUE(loadMinorItems(book, 5).items.empty());
  EXPECT_TRUE(majorIdFree(book, 5));
  EXPECT_EQ(loadMinorItems(book, 4).items.size(), 4u);
  EXPECT_EQ(loadMinorItems(book, 6).items.size(), 6u);
  EXPECT_EQ(f.store().recordCount(kMinorItemsTable), 79u - 9u);
  // One delete file for the major, none for its minors.
  EXPECT_EQ(f.sink.names(), std::vector<std::string>{"F3 5"});
  EXPECT_FALSE(deleteMajorItem(book, 5));
}

TEST(CategoryTables, IdsHandedOutNeverCollideWithTheBuiltInOnes) {
  BookFixture f;
  Book& book = f.book();
  for (int32_t id = 1; id <= 17; ++id) EXPECT_FALSE(majorIdFree(book, id)) << id;
  for (int32_t id : {1, 79}) EXPECT_FALSE(minorIdFree(book, id)) << id;
  EXPECT_TRUE(minorIdFree(book, 80));

  const int32_t majorId = *takeId(f.store(), CounterNo::Instalment);
  const int32_t minorId = *takeId(f.store(), CounterNo::Minor);
  EXPECT_EQ(majorId, 10001);
  EXPECT_EQ(minorId, 10001);
  ASSERT_TRUE(majorIdFree(book, majorId));
  ASSERT_TRUE(minorIdFree(book, minorId));

  EXPECT_TRUE(addMajorItem(book, {majorId, "2", "반려동물", 15}));
  EXPECT_TRUE(addMinorItem(book, {minorId, majorId, "사료", 1, "Y"}));
  EXPECT_FALSE(majorIdFree(book, majorId));
  const std::optional<MinorItem> found = findMinorItem(book, minorId);
  ASSERT_TRUE(found.has_value());
  EXPECT_EQ(found->majorId, majorId);
  EXPECT_EQ(found->itemName, "사료");
  EXPECT_EQ(found->itemOrder, 1);
  EXPECT_EQ(found->inUse, "Y");
  EXPECT_FALSE(findMinorItem(book, 12345).has_value());
  EXPECT_EQ(loadMajorItems(book, "2").items.back().itemName, "반려동물");
}

TEST(CategoryTables, EachOperationWritesItsChangeFile) {
  struct Case {
    const char* what;
    std::function<void(Book&)> run;
    std::vector<std::string> expected;
  };
  const std::vector<Case> cases = {
      {"add major",
       [](Book& b) {
         EXPECT_TRUE(addMajorItem(b, {10001, "2", "새", 20}));
       },
       {"F1 10001"}},
      {"add minor",
       [](Book& b) {
         EXPECT_TRUE(addMinorItem(b, {10001, 4, "새", 5, "Y"}));
       },
       {"E1 10001"}},
      {"replace major",
       [](Book& b) {
         EXPECT_TRUE(replaceMajorItem(b, {4, "2", "먹거리", 1}));
       },
       {"F2 4"}},
      {"replace absent major",
       [](Book& b) {
         EXPECT_TRUE(replaceMajorItem(b, {777, "2", "없음", 1}));
       },
       {"F2 777"}},
      {"replace minor",
       [](Book& b) {
         EXPECT_TRUE(replaceMinorItem(b, {1, 1, "월급", 1, "N"}));
       },
       {"E2 1"}},
      {"replace absent minor",
       [](Book& b) {
         EXPECT_TRUE(replaceMinorItem(b, {777, 1, "없음", 1, "Y"}));
       },
       {"E2 777"}},
      {"delete major", [](Book& b) { deleteMajorItem(b, 4); }, {"F3 4"}},
      {"delete absent major", [](Book& b) { deleteMajorItem(b, 777); }, {"F3 777"}},
      {"delete minor", [](Book& b) { deleteMinorItem(b, 1); }, {"E3 1"}},
      {"delete absent minor", [](Book& b) { deleteMinorItem(b, 777); }, {"E3 777"}},
      {"delete minors of a major", [](Book& b) { EXPECT_TRUE(deleteMinorItemsOf(b, 4)); }, {}},
  };
  for (const Case& c : cases) {
    BookFixture quiet;
    c.run(quiet.book());
    EXPECT_TRUE(quiet.sink.changes.empty()) << c.what << " with exchange off";

    BookFixture f;
    f.enableExchange();
    c.run(f.book());
    EXPECT_EQ(f.sink.names(), c.expected) << c.what;
  }
}

TEST(CategoryTables, ReplacingRewritesTheRecordAndReportsEveryField) {
  BookFixture f;
  Book& book = f.book();
  f.enableExchange();

  EXPECT_TRUE(replaceMinorItem(book, {1, 1, "월급", 7, "N"}));
  const std::optional<MinorItem> minor = findMinorItem(book, 1);
  ASSERT_TRUE(minor.has_value());
  EXPECT_EQ(minor->itemName, "월급");
  EXPECT_EQ(minor->itemOrder, 7);
  EXPECT_EQ(minor->inUse, "N");
  ASSERT_EQ(f.sink.changes.size(), 1u);
  const std::vector<ChangeField>& fields = f.sink.changes[0].fields;
  ASSERT_EQ(fields.size(), 5u);
  EXPECT_EQ(fields[2].text, "월급");
  EXPECT_EQ(fields[3].intValue, 7);
  EXPECT_EQ(fields[4].text, "N");

  // A replacement of a record that is not there adds nothing.
  EXPECT_TRUE(replaceMajorItem(book, {777, "2", "없음", 1}));
  EXPECT_TRUE(replaceMinorItem(book, {777, 1, "없음", 1, "Y"}));
  EXPECT_TRUE(majorIdFree(book, 777));
  EXPECT_TRUE(minorIdFree(book, 777));
  EXPECT_EQ(f.store().recordCount(kMajorItemsTable), 17u);
  EXPECT_EQ(f.store().recordCount(kMinorItemsTable), 79u);
  EXPECT_FALSE(book.modes.journalSuppressed);
}

TEST(CategoryTables, AppliedDesktopChangesRaiseCountersAndWriteNoChangeFiles) {
  BookFixture f;
  Book& book = f.book();
  f.enableExchange();
  book.modes.applyingImport = true;

  EXPECT_TRUE(addMajorItem(book, {20000, "2", "가", 1}));
  EXPECT_TRUE(addMinorItem(book, {30000, 20000, "나", 1, "Y"}));
  EXPECT_TRUE(addMajorItem(book, {600000, "2", "데스크톱", 2}));  // desktop ids leave the counters alone
  EXPECT_TRUE(addMinorItem(book, {600001, 600000, "데스크톱", 1, "Y"}));
  deleteMinorItem(book, 1);
  deleteMajorItem(book, 1);
  EXPECT_TRUE(deleteMinorItemsOf(book, 2));

  EXPECT_TRUE(f.sink.changes.empty());
  const IdCounters counters = readCounters(f.store());
  EXPECT_EQ(counters.instCounter, 20000);
  EXPECT_EQ(counters.minorCounter, 30000);
  EXPECT_EQ(counters.entryCounter, 10000);
  EXPECT_FALSE(majorIdFree(book, 600000));

  // On the device itself an add leaves the counters as they are.
  book.modes.applyingImport = false;
  EXPECT_TRUE(addMajorItem(book, {40000, "2", "다", 3}));
  EXPECT_EQ(readCounters(f.store()).instCounter, 20000);
}

}  // namespace
}  // namespace coinest
