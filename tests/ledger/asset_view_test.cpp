#include "ledger/asset_view.h"

#include <gtest/gtest.h>

#include "ledger/ledger_test_support.h"
#include "support/book_fixture.h"

namespace coinest {
namespace {

using testing::makeAsset;

TEST(AssetKinds, PageOrderWithTheirCodesAndLabels) {
  std::string codes, texts;
  for (const AssetKindInfo& kind : assetKinds()) {
    codes += kind.code;
    texts += std::string(kind.pageText) + "/" + std::string(kind.companyLabel) + " ";
  }
  EXPECT_EQ(codes, "126345");
  EXPECT_EQ(texts, "통장/은행명 신용카드/카드사명 체크카드/카드사명 보험/보험사명 증권/증권사명 기타/구분 ");
}

TEST(AssetDetail, FiveLinesByKind) {
  const Asset account = makeAsset({.id = 10001, .name = "급여", .number = "123", .holder = "홍", .company = "국민",
                                   .balance = -50000});
  Asset note = makeAsset({.kind = kInsuranceKind, .name = "", .company = "삼성"});
  note.note = "만기 2010";
  struct Case {
    Asset asset;
    std::optional<Asset> linked;
    AssetDetail expected;
  };
  const Case cases[] = {
      {account, std::nullopt, {"국민 - 급여", "123", "홍", "잔고: -50,000원", ""}},
      {makeAsset({.kind = kCheckCardKind, .name = "체크", .company = "신한", .linkOrPayDay = 10001}), account,
       {"신한 - 체크", "", "", "통장계좌:국민 급여 홍", ""}},
      {makeAsset({.kind = kCheckCardKind, .name = "체크", .company = "신한"}), std::nullopt,
       {"신한 - 체크", "", "", "통장계좌:없음", ""}},
      {makeAsset({.kind = kCreditCardKind, .name = "visa", .company = "BC", .periodFromMonth = 2, .periodFromDay = 1,
                  .periodToMonth = 2, .periodToDay = 32, .linkOrPayDay = 25}),
       std::nullopt, {"BC - visa", "", "", "결제일: 25일(전월 1일 ~ 전월 말일)", ""}},
      // A card without a payment day shows no period line.
      {makeAsset({.kind = kCreditCardKind, .name = "visa", .company = "BC", .periodFromMonth = 2, .periodFromDay = 1}),
       std::nullopt, {"BC - visa", "", "", "", ""}},
      // No name: the company alone.
      {note, std::nullopt, {"삼성", "", "", "", "만기 2010"}},
  };
  for (const Case& c : cases) EXPECT_EQ(assetDetailOf(c.asset, c.linked), c.expected) << c.expected[3];
}

TEST(AssetDetail, ACheckCardsAccountIsReadFromTheBookAndMayBeGone) {
  testing::BookFixture fx;
  const Asset account = testing::addNewAsset(fx.book(), {.name = "급여", .holder = "홍", .company = "국민"});
  const Asset card = makeAsset({.kind = kCheckCardKind, .name = "체크", .company = "신한",
                                .linkOrPayDay = account.assetId});
  EXPECT_EQ(assetDetail(fx.book(), card)[3], "통장계좌:국민 급여 홍");
  ASSERT_TRUE(removeAsset(fx.book(), account.assetId));
  EXPECT_EQ(assetDetail(fx.book(), card)[3], "통장계좌:없음");
}

}  // namespace
}  // namespace coinest
