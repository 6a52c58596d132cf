#include "dialogs/query_filter.h"

#include <gtest/gtest.h>

#include <map>

namespace coinest {
namespace {

constexpr int32_t kAccountA = 11;
constexpr int32_t kAccountB = 12;
constexpr int32_t kCheck = 13;
constexpr int32_t kCard = 14;

LedgerEntry row(const char* kind, int32_t assetId, int32_t toAssetId, const char* major, const char* minor) {
  LedgerEntry r;
  r.entryKind = kind;
  r.assetId = assetId;
  r.toAssetId = toAssetId;
  r.majorItem = major;
  r.minorItem = minor;
  r.cardFlag = r.phoneFlag = r.checkCardFlag = "N";
  return r;
}

// One entry of every shape the book holds, by name.
const std::map<std::string, LedgerEntry>& shapes() {
  static const std::map<std::string, LedgerEntry> all = [] {
    std::map<std::string, LedgerEntry> m;
    m["cashIncome"] = row("1", 0, 0, "고정수입", "급여");
    m["accountIncome"] = row("1", kAccountA, 0, "고정수입", "급여");
    m["carryOver"] = row("1", 0, 0, "전월이월", "전월이월");
    m["cashExpense"] = row("2", 0, 0, "식비", "외식");
    m["phone"] = row("2", 0, 0, "통신", "휴대폰");
    m["phone"].phoneFlag = "Y";
    m["accountExpenseA"] = row("2", kAccountA, 0, "식비", "장보기");
    m["accountExpenseB"] = row("2", kAccountB, 0, "주거", "월세");
    m["check"] = row("2", kCheck, 0, "식비", "외식");
    m["check"].checkCardFlag = "Y";
    m["card"] = row("2", kCard, 0, "의류", "옷");
    m["card"].cardFlag = "Y";
    m["cardBill"] = row("2", kAccountA, 0, "카드대금", "카드대금");
    m["deposit"] = row("3", 0, kAccountA, "현금", "현금 입금");
    m["withdrawal"] = row("3", kAccountA, 0, "현금", "현금 인출");
    m["advanceToCash"] = row("3", kCard, 0, "현금", "현금서비스");
    m["advanceToB"] = row("3", kCard, kAccountB, "현금", "현금서비스");
    m["moveAtoB"] = row("3", kAccountA, kAccountB, "현금", "계좌 이동");
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
