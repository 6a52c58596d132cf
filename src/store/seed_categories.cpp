#include "store/book_seeds.h"

#include <initializer_list>

#include "store/entry_kind.h"
#include "store/record_layout.h"
#include "store/reserved_names.h"
#include "store/table_catalogue.h"

namespace coinest {

namespace {

struct BuiltInMajor {
  const char* kind;
  const char* name;
  std::initializer_list<const char*> minors;
};

// In id order; a major's order is its position within its kind, a minor's within its major.
const BuiltInMajor kBuiltIn[] = {
    {kIncomeKind, "고정수입", {"급여", "상여", "사업", "기타"}},
    {kIncomeKind, "기타수입", {"이자", "기타"}},
    {kIncomeKind, kCarryOverCategory, {kCarryOverCategory}},
    {kExpenseKind, "식비", {"주식", "부식", "외식", "기타"}},
    {kExpenseKind, "주거/통신",
     {"관리비", "전기요금", "수도요금", "가스요금", "월세", "전화", "휴대폰", "인터넷", "기타"}},
    {kExpenseKind, "생활용품", {"가사", "가전용품", "주방용품", "잡화소모", "가구", "기타"}},
    {kExpenseKind, "의류비", {"의류", "패션잡화", "신발", "세탁비", "기타"}},
    {kExpenseKind, "육아/교육", {"학비", "학용품비", "교재비", "학원비", "기타"}},
    {kExpenseKind, "보건/미용", {"병원비", "약값", "목욕비", "미용/이발비", "화장품", "기타"}},
    {kExpenseKind, "문화생활비", {"서적", "신문/잡지", "영화", "여행", "레져/스포츠", "기타"}},
    {kExpenseKind, "교통/차량", {"대중교통", "주유비", "세차비", "자동차 수리", "자동차 보험", "기타"}},
    {kExpenseKind, "세금/공과금", {"국민연금", "의료보험", "소득세", "재산세", "자동차세", "주민세", "기타"}},
    {kExpenseKind, "경조사/회비", {"경조사비", "기부금", "회비", "선물", "기타"}},
    {kExpenseKind, "용돈/기타", {"남편용돈", "아내용돈", "자녀용돈", "기타"}},
    {kExpenseKind, "금융", {"상환금", "대출이자", "수수료", "기타"}},
    {kExpenseKind, kCardPaymentCategory, {kCardPaymentCategory}},
    {kExpenseKind, "저축/보험", {"예금", "적금", "보험", "기타"}},
};

}  // namespace

void seedCategories(ObjectStore& store) {
  TableHandle majors = store.openTable(kMajorItemsTable, 0);
  TableHandle minors = store.openTable(kMinorItemsTable, 0);
  int32_t majorId = 0;
  int32_t minorId = 0;
  int32_t incomeOrder = 0;
  int32_t expenseOrder = 0;
  for (const BuiltInMajor& m : kBuiltIn) {
    ++majorId;
    const int32_t order = std::string_view(m.kind) == kIncomeKind ? ++incomeOrder : ++expenseOrder;
    majors.writeRecord(propsOf(MajorItem{majorId, m.kind, m.name, order}));
    int32_t minorOrder = 0;
    for (const char* name : m.minors) {
      minors.writeRecord(propsOf(MinorItem{++minorId, majorId, name, ++minorOrder, kYes}));
    }
  }
}

}  // namespace coinest
