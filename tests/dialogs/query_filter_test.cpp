#include "dialogs/query_filter.h"

#include <gtest/gtest.h>

#include <map>

#include "support/record_builders.h"

namespace coinest {
namespace {

using testing::makeEntry;

constexpr int32_t kAccountA = 11;
constexpr int32_t kAccountB = 12;
constexpr int32_t kCheck = 13;
constexpr int32_t kCard = 14;

// One entry of every shape the book holds, by name.
const std::map<std::string, LedgerEntry>& shapes() {
  static const std::map<std::string, LedgerEntry> all = [] {
    std::map<std::string, LedgerEntry> m;
    m["cashIncome"] = makeEntry({.kind = "1", .major = "고정수입", .minor = "급여"});
    m["accountIncome"] = makeEntry({.kind = "1", .major = "고정수입", .minor = "급여", .assetId = kAccountA});
    m["carryOver"] = makeEntry({.kind = "1", .major = "전월이월", .minor = "전월이월"});
    m["cashExpense"] = makeEntry({.kind = "2", .major = "식비", .minor = "외식"});
    m["phone"] = makeEntry({.kind = "2", .major = "통신", .minor = "휴대폰"});
    m["phone"].phoneFlag = "Y";
    m["accountExpenseA"] = makeEntry({.kind = "2", .major = "식비", .minor = "장보기", .assetId = kAccountA});
    m["accountExpenseB"] = makeEntry({.kind = "2", .major = "주거", .minor = "월세", .assetId = kAccountB});
    m["check"] = makeEntry({.kind = "2", .major = "식비", .minor = "외식", .assetId = kCheck});
    m["check"].checkCardFlag = "Y";
    m["card"] = makeEntry({.kind = "2", .major = "의류", .minor = "옷", .assetId = kCard});
    m["card"].cardFlag = "Y";
    m["cardBill"] = makeEntry({.kind = "2", .major = "카드대금", .minor = "카드대금", .assetId = kAccountA});
    m["deposit"] = makeEntry({.kind = "3", .major = "현금", .minor = "현금 입금", .toAssetId = kAccountA});
    m["withdrawal"] = makeEntry({.kind = "3", .major = "현금", .minor = "현금 인출", .assetId = kAccountA});
    m["advanceToCash"] = makeEntry({.kind = "3", .major = "현금", .minor = "현금서비스", .assetId = kCard});
    m["advanceToB"] =
        makeEntry({.kind = "3", .major = "현금", .minor = "현금서비스", .assetId = kCard, .toAssetId = kAccountB});
    m["moveAtoB"] =
        makeEntry({.kind = "3", .major = "현금", .minor = "계좌 이동", .assetId = kAccountA, .toAssetId = kAccountB});
    return m;
  }();
  return all;
}

TEST(QueryFilterTest, EachCodeListsItsKindOfMovement) {
  struct Case {
    std::string code;
    int32_t asset;
    std::string major, minor;
    std::string expected;  // the names listed, in name order
  };
  const std::string everything =
      "accountExpenseA accountExpenseB accountIncome advanceToB advanceToCash card cardBill carryOver cashExpense "
      "cashIncome check deposit moveAtoB phone withdrawal";
  const Case cases[] = {
      {"0", 0, "전체", "전체", everything},
      {"0", kAccountA, "식비", "외식", everything},  // "0" has no category or asset filter
      // Money in hand on either side: never a bank account's own income or expense.
      {"B", 0, "전체", "전체", "advanceToCash carryOver cashExpense cashIncome deposit withdrawal"},
      {"B", 0, "주거", "전체", "advanceToCash carryOver cashExpense cashIncome deposit withdrawal"},
      {"C", 0, "전체", "전체",
       "accountExpenseA accountExpenseB accountIncome advanceToB cardBill deposit moveAtoB withdrawal"},
      {"C", kAccountA, "전체", "전체", "accountExpenseA accountIncome cardBill deposit moveAtoB withdrawal"},
      {"C", kAccountB, "식비", "전체", "accountExpenseB advanceToB moveAtoB"},
      {"1", 0, "전체", "전체", "accountIncome cashIncome"},
      {"6", 0, "전체", "전체", "cashIncome"},
      {"7", 0, "전체", "전체", "accountIncome"},
      {"7", kAccountB, "전체", "전체", ""},
      {"2", 0, "전체", "전체", "accountExpenseA accountExpenseB card cashExpense check phone"},
      {"2", 0, "식비", "전체", "accountExpenseA cashExpense check"},
      {"2", 0, "식비", "외식", "cashExpense check"},
      {"3", 0, "전체", "전체", "cashExpense"},
      {"8", 0, "전체", "전체", "accountExpenseA accountExpenseB"},
      {"8", kAccountB, "전체", "전체", "accountExpenseB"},
      {"8", 0, "주거", "월세", "accountExpenseB"},
      {"4", 0, "전체", "전체", "card"},
      {"4", kAccountA, "전체", "전체", ""},
      {"9", 0, "전체", "전체", "check"},
      {"9", kCheck, "의류", "전체", ""},
      {"A", 0, "전체", "전체", "phone"},
      {"5", 0, "전체", "전체", "cardBill"},
      {"5", kAccountB, "식비", "외식", "cardBill"},  // "5" has no category or asset filter
      {"Z", 0, "전체", "전체", ""},
  };
  for (const Case& c : cases) {
    BooksCriteria criteria;
    criteria.filterCode = c.code;
    criteria.assetFilter = c.asset;
    criteria.majorFilter = c.major;
    criteria.minorFilter = c.minor;
    std::string listed;
    for (const auto& [name, r] : shapes()) {
      if (passesBooksFilter(r, criteria)) listed += (listed.empty() ? "" : " ") + name;
    }
    EXPECT_EQ(listed, c.expected) << "code " << c.code << " asset " << c.asset << " " << c.major << "/" << c.minor;
  }
}

}  // namespace
}  // namespace coinest
