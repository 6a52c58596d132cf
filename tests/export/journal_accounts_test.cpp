// Which account each side of an entry goes to.

#include "export/journal_accounts.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "store/reserved_names.h"
#include "support/record_builders.h"

namespace coinest {
namespace {

using testing::makeAsset;
using testing::makeEntry;

// Accounts 1 and 2, a check card drawing on 1, one drawing on nothing, one drawing on a deleted
// account, and a credit card.
ExportAssets bookAssets() {
  return ExportAssets({
      makeAsset({.id = 1, .name = "급여", .holder = "홍", .company = "국민"}),
      makeAsset({.id = 2, .name = "생활", .holder = "김", .company = "신한"}),
      makeAsset({.id = 3, .kind = kCheckCardKind, .name = "체크", .company = "국민", .linkOrPayDay = 1}),
      makeAsset({.id = 4, .kind = kCheckCardKind, .name = "나만의", .company = "우리"}),
      makeAsset({.id = 5, .kind = kCheckCardKind, .name = "옛", .company = "하나", .linkOrPayDay = 99}),
      makeAsset({.id = 6, .kind = kCreditCardKind, .name = "taptap", .company = "삼성", .linkOrPayDay = 25}),
  });
}

TEST(JournalAccountsTest, EachMeansOfPaymentHasItsAccount) {
  const ExportAssets assets = bookAssets();
  const JournalAccounts accounts(assets);
  const struct {
    const char* what;
    LedgerEntry entry;
    std::string means;
  } cases[] = {
      {"cash", makeEntry({}), "자산:현금"},
      {"account", makeEntry({.assetId = 2}), "자산:신한 생활 김"},
      {"check card on an account", makeEntry({.assetId = 3, .checkCardFlag = kYes}), "자산:국민 급여 홍"},
      {"check card on no account", makeEntry({.assetId = 4, .checkCardFlag = kYes}), "자산:우리 나만의"},
      {"check card on a deleted account", makeEntry({.assetId = 5, .checkCardFlag = kYes}), "자산:하나 옛"},
      {"phone", makeEntry({.phoneFlag = kYes}), "부채:휴대폰"},
      {"phone before card", makeEntry({.cardFlag = kYes, .assetId = 6, .phoneFlag = kYes}), "부채:휴대폰"},
      {"credit card", makeEntry({.cardFlag = kYes, .assetId = 6, .instalments = 3}), "부채:삼성 taptap"},
      {"no card chosen", makeEntry({.cardFlag = kYes}), "부채:카드(미지정)"},
      {"deleted card", makeEntry({.cardFlag = kYes, .assetId = 77}), "부채:삭제된 자산 77"},
      {"deleted account", makeEntry({.assetId = 77}), "자산:삭제된 자산 77"},
      {"account income", makeEntry({.kind = kIncomeKind, .assetId = 1}), "자산:국민 급여 홍"},
      // Flags only an expense can carry, on an income from foreign data: cash stays cash, as the
      // book's cash counts it.
      {"cash income with a phone flag", makeEntry({.kind = kIncomeKind, .phoneFlag = kYes}), "자산:현금"},
      {"cash income with a card flag", makeEntry({.kind = kIncomeKind, .cardFlag = kYes}), "자산:현금"},
      {"account income with a card flag", makeEntry({.kind = kIncomeKind, .cardFlag = kYes, .assetId = 2}),
       "자산:신한 생활 김"},
      {"income on a credit card", makeEntry({.kind = kIncomeKind, .cardFlag = kYes, .assetId = 6}),
       "부채:삼성 taptap"},
  };
  for (const auto& c : cases) EXPECT_EQ(accounts.meansOf(c.entry), c.means) << c.what;
}

TEST(JournalAccountsTest, AnAssetWhoseNameIsTakenKeepsItsMoneyApartByItsId) {
  // A company of one space: the asset's text is its name alone.
  auto account = [](int32_t id, const char* name) { return makeAsset({.id = id, .name = name, .company = " "}); };
  auto card = [](int32_t id, const char* name) {
    return makeAsset({.id = id, .kind = kCreditCardKind, .name = name, .company = " "});
  };
  auto paidFrom = [](int32_t id) { return makeEntry({.assetId = id}); };
  auto paidByCard = [](int32_t id) { return makeEntry({.cardFlag = kYes, .assetId = id}); };
  const struct {
    const char* what;
    std::vector<Asset> assets;
    LedgerEntry entry;
    std::string means;
  } cases[] = {
      {"a name of its own", {account(1, "현금통장"), account(2, "생활비")}, paidFrom(1), "자산:현금통장"},
      {"the first of two of one text", {account(1, "통장"), account(2, "통장")}, paidFrom(1), "자산:통장 #1"},
      {"the second of two of one text", {account(1, "통장"), account(2, "통장")}, paidFrom(2), "자산:통장 #2"},
      {"texts that clean to one", {account(1, "국민\u3000 통장"), account(2, " 국민 통장 ")}, paidFrom(2),
       "자산:국민 통장 #2"},
      {"an account and a card of one text", {account(1, "국민"), card(2, "국민")}, paidByCard(2), "부채:국민 #2"},
      {"a check card on an account of its text",
       {account(1, "국민"), makeAsset({.id = 2, .kind = kCheckCardKind, .name = "국민", .company = " ", .linkOrPayDay = 1})},
       makeEntry({.assetId = 2, .checkCardFlag = kYes}), "자산:국민 #1"},
      {"an account named as cash", {account(1, "현금")}, paidFrom(1), "자산:현금 #1"},
      {"an account whose text cleans to cash", {account(1, "\t현금\u3000")}, paidFrom(1), "자산:현금 #1"},
      {"a card named as the phone", {card(3, "휴대폰")}, paidByCard(3), "부채:휴대폰 #3"},
      {"a card named as no card", {card(4, "카드(미지정)")}, paidByCard(4), "부채:카드(미지정) #4"},
      {"an account named as the carry-over", {account(5, "전월이월")}, paidFrom(5), "자산:전월이월 #5"},
      {"an account named as a deleted one", {account(6, "삭제된 자산 77")}, paidFrom(6), "자산:삭제된 자산 77 #6"},
  };
  for (const auto& c : cases) {
    const ExportAssets assets(c.assets);
    const JournalAccounts accounts(assets);
    EXPECT_EQ(accounts.meansOf(c.entry), c.means) << c.what;
  }

  // The card a bill pays is named as its expenses name it.
  const ExportAssets assets({card(1, "현금"), account(2, "급여")});
  const JournalAccounts accounts(assets);
  EXPECT_EQ(accounts.cardPaidBy(makeEntry({.major = kCardPaymentCategory, .assetId = 2})), "부채:현금 #1");
  EXPECT_EQ(accounts.transferFrom(makeEntry({.kind = kTransferKind, .minor = kCashAdvanceMinor, .assetId = 1})),
            "부채:현금 #1");
}

TEST(JournalAccountsTest, TransferSidesAreCashAccountsOrTheCardOfACashAdvance) {
  const ExportAssets assets = bookAssets();
  const JournalAccounts accounts(assets);
  auto transfer = [](const char* minor, int32_t from, int32_t to) {
    return makeEntry(
        {.kind = kTransferKind, .major = kTransferCategory, .minor = minor, .assetId = from, .toAssetId = to});
  };
  const struct {
    LedgerEntry entry;
    std::string from;
    std::string to;
  } cases[] = {
      {transfer(kCashDepositMinor, 0, 1), "자산:현금", "자산:국민 급여 홍"},
      {transfer(kCashWithdrawalMinor, 1, 0), "자산:국민 급여 홍", "자산:현금"},
      {transfer(kCashAdvanceMinor, 6, 0), "부채:삼성 taptap", "자산:현금"},
      {transfer(kCashAdvanceMinor, 6, 2), "부채:삼성 taptap", "자산:신한 생활 김"},
      {transfer(kCashAdvanceMinor, 77, 0), "부채:삭제된 자산 77", "자산:현금"},
      {transfer(kAccountTransferMinor, 1, 2), "자산:국민 급여 홍", "자산:신한 생활 김"},
      {transfer(kAccountTransferMinor, 77, 78), "자산:삭제된 자산 77", "자산:삭제된 자산 78"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(accounts.transferFrom(c.entry), c.from) << c.entry.minorItem;
    EXPECT_EQ(accounts.transferTo(c.entry), c.to) << c.entry.minorItem;
  }
}

TEST(JournalAccountsTest, ACardBillPaysTheOneCardItCanMean) {
  const Asset taptap = makeAsset({.id = 1, .kind = kCreditCardKind, .name = "taptap", .company = "삼성"});
  const Asset point = makeAsset({.id = 2, .kind = kCreditCardKind, .name = "M포인트", .company = "현대"});
  const Asset unnamed = makeAsset({.id = 3, .kind = kCreditCardKind, .name = "", .company = "비씨"});
  const Asset account = makeAsset({.id = 4, .name = "taptap통장", .company = "국민"});
  auto bill = [](const char* minor, const char* content) {
    return makeEntry({.major = kCardPaymentCategory, .minor = minor, .content = content, .assetId = 4});
  };
  const struct {
    const char* what;
    std::vector<Asset> assets;
    LedgerEntry entry;
    std::string card;
  } cases[] = {
      {"the only card, whatever the text", {taptap, account}, bill("카드대금", "3월분"), "부채:삼성 taptap"},
      {"named in the content", {taptap, point}, bill("카드대금", "M포인트 3월분"), "부채:현대 M포인트"},
      {"named with its company", {taptap, point}, bill("카드대금", "삼성 taptap"), "부채:삼성 taptap"},
      {"named in the minor", {taptap, point}, bill("taptap", "3월분"), "부채:삼성 taptap"},
      {"both named", {taptap, point}, bill("taptap", "M포인트"), "부채:카드(미지정)"},
      {"none named", {taptap, point}, bill("카드대금", "3월분"), "부채:카드(미지정)"},
      {"no card at all", {account}, bill("카드대금", "taptap"), "부채:카드(미지정)"},
      {"an empty name names nothing", {taptap, unnamed}, bill("카드대금", "taptap"), "부채:삼성 taptap"},
  };
  for (const auto& c : cases) {
    const ExportAssets assets(c.assets);
    const JournalAccounts accounts(assets);
    EXPECT_EQ(accounts.cardPaidBy(c.entry), c.card) << c.what;
    EXPECT_EQ(accounts.counterpartOf(c.entry), c.card) << c.what;
  }
}

TEST(JournalAccountsTest, CategoriesAndTheReservedMajors) {
  const ExportAssets assets;
  const JournalAccounts accounts(assets);
  const struct {
    LedgerEntry entry;
    std::string counterpart;
  } cases[] = {
      {makeEntry({.kind = kIncomeKind}), "수입:고정수입:급여"},
      {makeEntry({}), "지출:식비:외식"},
      {makeEntry({.major = "반려:동물", .minor = " "}), "지출:반려：동물:미지정"},
      {makeEntry({.kind = kIncomeKind, .major = kCarryOverCategory, .minor = kCarryOverCategory}), "자본:전월이월"},
      // Whatever its kind, a reserved major is no income or expense, as in the settlement.
      {makeEntry({.major = kCarryOverCategory, .minor = kCarryOverCategory}), "자본:전월이월"},
      {makeEntry({.kind = kIncomeKind, .major = kCardPaymentCategory, .minor = "x"}), "부채:카드(미지정)"},
  };
  for (const auto& c : cases) EXPECT_EQ(accounts.counterpartOf(c.entry), c.counterpart) << c.entry.majorItem;
}

}  // namespace
}  // namespace coinest
