#include "export/export_test_book.h"

#include "ledger/entry_rules.h"
#include "store/asset_table.h"
#include "store/entry_table.h"
#include "store/reserved_names.h"
#include "support/record_builders.h"
#include "support/require_ok.h"

namespace coinest::testing {

namespace {

Asset newAsset(Book& book, const char* kind, const char* company, const char* name, const char* holder,
               int32_t linkOrPayDay = 0) {
  return addNewAsset(book,
                     {.kind = kind, .name = name, .holder = holder, .company = company, .linkOrPayDay = linkOrPayDay});
}

LedgerEntry transfer(const char* date, const char* minor, int32_t amount, int32_t from, int32_t to) {
  return makeEntry({.date = date,
                    .kind = kTransferKind,
                    .major = kTransferCategory,
                    .minor = minor,
                    .content = minor,
                    .amount = amount,
                    .assetId = from,
                    .toAssetId = to});
}

}  // namespace

int32_t addTestEntry(Book& book, LedgerEntry entry) {
  const std::optional<int32_t> id = newEntryId(book);
  requireOk(id.has_value());
  entry.entryId = *id;
  requireOk(addEntry(book, entry));
  return entry.entryId;
}

ExportTestBook fillExportTestBook(Book& book) {
  ExportTestBook b;
  b.salaryAccount = newAsset(book, kBankAccountKind, "국민은행", "급여통장", "홍길동").assetId;
  b.savingsAccount = newAsset(book, kBankAccountKind, "신한은행", "생활비:통장", "김영희").assetId;
  b.linkedCheckCard = newAsset(book, kCheckCardKind, "국민은행", "체크카드", "홍길동", b.salaryAccount).assetId;
  b.ownCheckCard = newAsset(book, kCheckCardKind, "우리은행", "나만의 체크", "홍길동").assetId;
  b.taptapCard = newAsset(book, kCreditCardKind, "삼성카드", "taptap", "홍길동", 25).assetId;
  b.pointCard = newAsset(book, kCreditCardKind, "현대카드", "M포인트", "홍길동", 10).assetId;
  b.deletedAccount = newAsset(book, kBankAccountKind, "하나은행", "비상금", "홍길동").assetId;
  b.deletedCard = newAsset(book, kCreditCardKind, "롯데카드", "옛카드", "홍길동", 1).assetId;

  auto add = [&](LedgerEntry e) { return addTestEntry(book, std::move(e)); };
  // February: 100,000 in, 6,000 out in cash.
  add(makeEntry({.date = "2007-02-20",
                 .kind = kIncomeKind,
                 .major = "기타수입",
                 .minor = "용돈",
                 .content = "용돈",
                 .amount = 100000}));
  add(makeEntry({.date = "2007-02-25",
                 .kind = kIncomeKind,
                 .content = "2월 급여",
                 .amount = 2500000,
                 .assetId = b.salaryAccount}));
  add(makeEntry({.date = "2007-02-26", .content = "점심, 김밥", .amount = 6000}));

  // March. The rice was written before the carry-over of the same day.
  add(makeEntry({.date = "2007-03-01", .major = "식비", .minor = "주식", .content = "쌀", .amount = 30000}));
  add(makeEntry({.date = "2007-03-01",
                 .kind = kIncomeKind,
                 .major = kCarryOverCategory,
                 .minor = kCarryOverCategory,
                 .content = kCarryOverCategory,
                 .amount = 94000}));
  LedgerEntry pocketMoney = makeEntry({.date = "2007-03-02",
                                       .kind = kIncomeKind,
                                       .major = "기타수입",
                                       .minor = "용돈",
                                       .content = "용돈",
                                       .amount = 50000});
  pocketMoney.note = "어머니께서\n주심; 감사\r\n=SUM(A1) 시간: 10:30 :태그: [3/5]";
  add(pocketMoney);
  add(makeEntry({.date = "2007-03-03",
                 .major = "주거/통신",
                 .minor = "관리비",
                 .content = "관리비 \"3월\"",
                 .amount = 150000,
                 .assetId = b.salaryAccount}));
  add(makeEntry({.date = "2007-03-04",
                 .content = "저녁; 회식",
                 .amount = 45000,
                 .assetId = b.linkedCheckCard,
                 .checkCardFlag = kYes}));
  add(makeEntry({.date = "2007-03-05",
                 .major = "생활용품",
                 .minor = "잡화소모",
                 .content = "=HYPERLINK(\"http://x.test\",\"클릭\")",
                 .amount = 12000,
                 .assetId = b.ownCheckCard,
                 .checkCardFlag = kYes}));
  add(makeEntry({.date = "2007-03-06",
                 .major = "문화생활비",
                 .minor = "기타",
                 .content = "게임 아이템",
                 .amount = 9900,
                 .phoneFlag = kYes}));
  add(makeEntry({.date = "2007-03-07",
                 .major = "의류비",
                 .minor = "의류",
                 .content = "셔츠",
                 .amount = 39000,
                 .cardFlag = kYes,
                 .assetId = b.taptapCard,
                 .instalments = 1}));
  add(makeEntry({.date = "2007-03-08",
                 .major = "생활용품",
                 .minor = "가전용품",
                 .content = "청소기",
                 .amount = 300000,
                 .cardFlag = kYes,
                 .assetId = b.taptapCard,
                 .instalments = 3}));
  add(makeEntry({.date = "2007-03-09", .content = "", .amount = 8000, .cardFlag = kYes}));
  add(transfer("2007-03-10", kCashDepositMinor, 20000, 0, b.salaryAccount));
  add(transfer("2007-03-11", kCashWithdrawalMinor, 50000, b.salaryAccount, 0));
  add(transfer("2007-03-12", kCashAdvanceMinor, 100000, b.pointCard, 0));
  add(transfer("2007-03-13", kAccountTransferMinor, 200000, b.salaryAccount, b.savingsAccount));
  add(makeEntry({.date = "2007-03-14",
                 .major = kCardPaymentCategory,
                 .minor = kCardPaymentCategory,
                 .content = "taptap 2월분",
                 .amount = 45000,
                 .assetId = b.salaryAccount}));
  add(makeEntry({.date = "2007-03-15",
                 .major = "교통/차량",
                 .minor = "주유비",
                 .content = "주유",
                 .amount = 50000,
                 .assetId = b.deletedAccount}));
  add(makeEntry(
      {.date = "2007-03-16", .major = "반려동물", .minor = "사료:건식", .content = "사료, 10kg", .amount = 25000}));
  add(makeEntry({.date = "2007-03-17",
                 .content = "커피",
                 .amount = 4500,
                 .cardFlag = kYes,
                 .assetId = b.deletedCard,
                 .instalments = 1}));
  add(makeEntry({.date = "2007-03-18",
                 .kind = kIncomeKind,
                 .major = "기타수입",
                 .minor = "이자",
                 .content = "이자",
                 .amount = 1200,
                 .assetId = b.savingsAccount}));
  // April: outside the March settlement.
  add(makeEntry({.date = "2007-04-02", .content = "붕어빵", .amount = 1000}));

  requireOk(removeAsset(book, b.deletedAccount));
  requireOk(removeAsset(book, b.deletedCard));
  return b;
}

}  // namespace coinest::testing
