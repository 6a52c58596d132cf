#include "dialogs/asset_dialog.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "store/asset_kind.h"
#include "store/asset_table.h"
#include "support/book_fixture.h"
#include "support/failing_change_sink.h"
#include "support/record_builders.h"

namespace coinest {
namespace {

using testing::addNewAsset;
using testing::BookFixture;
using testing::FailingChangeSink;

const AssetKindInfo& kindOf(const char* code) { return *findAssetKind(code); }

// The last message shown, or "" when none was.
std::string lastError(const BookFixture& f) {
  if (f.ui.messages.empty()) return "";
  EXPECT_EQ(f.ui.messages.back().caption, MessageCaption::Error);
  return f.ui.messages.back().text;
}

TEST(AssetDialog, CompanyIsRequiredWithTheLabelOfEachKind) {
  const std::vector<std::pair<const char*, std::string>> cases = {
      {kBankAccountKind, "은행명은 반드시 입력해야 합니다"}, {kCreditCardKind, "카드사명은 반드시 입력해야 합니다"},
      {kCheckCardKind, "카드사명은 반드시 입력해야 합니다"}, {kInsuranceKind, "보험사명은 반드시 입력해야 합니다"},
      {kSecuritiesKind, "증권사명은 반드시 입력해야 합니다"},  {kOtherAssetKind, "구분은 반드시 입력해야 합니다"},
  };
  for (const auto& [code, message] : cases) {
    BookFixture f;
    AssetDialog dialog(f.book(), f.ui, kindOf(code), false);
    dialog.setText(AssetField::Company, "   ");
    dialog.setText(AssetField::Balance, "1000");
    dialog.setFocus(AssetField::Note);
    dialog.pressOk();
    EXPECT_EQ(lastError(f), message) << code;
    EXPECT_EQ(dialog.focus(), AssetField::Company) << code;
    EXPECT_FALSE(dialog.closed()) << code;
    EXPECT_TRUE(loadAssetsOfKind(f.book(), code).empty()) << code;
  }
}

TEST(AssetDialog, BankBalanceMustBeAWholeNumberAndMayBeNegative) {
  struct Case {
    std::string typed;
    std::string message;  // empty: saved
    int32_t stored = 0;
  };
  const std::vector<Case> cases = {
      {"", "금액은 반드시 입력해야 합니다"},  {"  ", "금액은 반드시 입력해야 합니다"},
      {"12a", "금액은 숫자만 입력해야 합니다"}, {"-", "", 0},  // a lone sign reads as 0, as in every amount
      {"1-2", "금액은 숫자만 입력해야 합니다"}, {"9999999999", "금액은 숫자만 입력해야 합니다"},  // beyond an amount
      {"-50000", "", -50000},                  {" 120000 ", "", 120000},
  };
  for (const Case& c : cases) {
    BookFixture f;
    AssetDialog dialog(f.book(), f.ui, kindOf(kBankAccountKind), false);
    dialog.setText(AssetField::Company, "국민은행");
    dialog.setText(AssetField::Balance, c.typed);
    dialog.pressOk();
    EXPECT_EQ(lastError(f), c.message) << c.typed;
    EXPECT_EQ(dialog.closed(), c.message.empty()) << c.typed;
    if (!c.message.empty()) {
      EXPECT_EQ(dialog.focus(), AssetField::Balance) << c.typed;
      continue;
    }
    const std::optional<Asset> saved = findAsset(f.book(), *dialog.savedId());
    ASSERT_TRUE(saved) << c.typed;
    EXPECT_EQ(saved->balance, c.stored) << c.typed;
  }
}

TEST(AssetDialog, ABillingPeriodIsAllOrNothingCheckedInOrder) {
  // Rows chosen for start month, start day, end month, end day; the field refused, if any.
  struct Case {
    std::vector<int> rows;
    std::optional<AssetField> refused;
  };
  const std::vector<Case> cases = {
      {{0, 0, 0, 0}, std::nullopt},
      {{2, 0, 0, 0}, AssetField::PeriodFromDay},
      {{0, 1, 0, 0}, AssetField::PeriodFromMonth},
      {{2, 1, 0, 32}, AssetField::PeriodToMonth},
      {{2, 1, 3, 0}, AssetField::PeriodToDay},
      {{2, 1, 2, 32}, std::nullopt},
  };
  const AssetField period[] = {AssetField::PeriodFromMonth, AssetField::PeriodFromDay, AssetField::PeriodToMonth,
                               AssetField::PeriodToDay};
  for (const Case& c : cases) {
    BookFixture f;
    AssetDialog dialog(f.book(), f.ui, kindOf(kCreditCardKind), false);
    dialog.setText(AssetField::Company, "BC");
    for (int i = 0; i < 4; ++i) ASSERT_TRUE(dialog.choose(period[i], c.rows[static_cast<std::size_t>(i)]));
    dialog.pressOk();
    if (c.refused) {
      EXPECT_EQ(lastError(f), kBillingPeriodInvalidMessage);
      EXPECT_EQ(dialog.focus(), *c.refused);
      EXPECT_FALSE(dialog.closed());
    } else {
      EXPECT_TRUE(dialog.closed());
    }
  }
}

TEST(AssetDialog, ACreditCardStoresPayDayAndPeriodAndItsDetailReadsThem) {
  BookFixture f;
  AssetDialog dialog(f.book(), f.ui, kindOf(kCreditCardKind), false);
  EXPECT_EQ(dialog.list(AssetField::PayDay).items.size(), 32u);
  EXPECT_EQ(dialog.list(AssetField::PeriodFromMonth).items, (std::vector<std::string>{"", "전전월", "전월", "당월"}));
  EXPECT_EQ(dialog.list(AssetField::PeriodToDay).items.back(), "말일");
  dialog.setText(AssetField::Company, "BC");
  dialog.setText(AssetField::AssetName, "비씨");
  ASSERT_TRUE(dialog.choose(AssetField::PayDay, 25));
  ASSERT_TRUE(dialog.choose(AssetField::PeriodFromMonth, 2));
  ASSERT_TRUE(dialog.choose(AssetField::PeriodFromDay, 1));
  ASSERT_TRUE(dialog.choose(AssetField::PeriodToMonth, 2));
  ASSERT_TRUE(dialog.choose(AssetField::PeriodToDay, 32));
  EXPECT_FALSE(dialog.choose(AssetField::PeriodToDay, 33));
  dialog.setText(AssetField::Balance, "500");  // hidden for a card: stored 0
  dialog.pressOk();
  ASSERT_TRUE(dialog.closed());
  const Asset saved = *findAsset(f.book(), *dialog.savedId());
  EXPECT_EQ(saved.assetId, 10001);
  EXPECT_EQ(saved.balance, 0);
  EXPECT_EQ(assetDetail(f.book(), saved)[3], "결제일: 25일(전월 1일 ~ 전월 말일)");
}

TEST(AssetDialog, FieldsShownAndLabelledByKind) {
  BookFixture f;
  const Asset account = addNewAsset(f.book(), {.name = "급여", .holder = "홍", .company = "국민"});
  AssetDialog bank(f.book(), f.ui, kindOf(kBankAccountKind), false);
  AssetDialog check(f.book(), f.ui, kindOf(kCheckCardKind), false);
  AssetDialog other(f.book(), f.ui, kindOf(kOtherAssetKind), false);
  EXPECT_EQ(bank.label(AssetField::AssetNumber), "계좌번호");
  EXPECT_EQ(other.label(AssetField::Holder), "자산주");
  EXPECT_TRUE(bank.shown(AssetField::Balance));
  EXPECT_FALSE(bank.shown(AssetField::PayDay));
  EXPECT_FALSE(check.shown(AssetField::Balance));
  EXPECT_TRUE(check.shown(AssetField::LinkedAccount));
  EXPECT_FALSE(other.shown(AssetField::LinkedAccount));
  EXPECT_FALSE(other.shown(AssetField::PeriodFromMonth));
  EXPECT_EQ(check.list(AssetField::LinkedAccount).items, (std::vector<std::string>{"", "국민 급여 홍"}));

  check.setText(AssetField::Company, "신한");
  ASSERT_TRUE(check.choose(AssetField::LinkedAccount, 1));
  check.pressOk();
  EXPECT_EQ(findAsset(f.book(), *check.savedId())->linkOrPayDay, account.assetId);
}

TEST(AssetDialog, ContinueTwiceAddsTwoAssetsAndEmptiesTheForm) {
  BookFixture f;
  AssetDialog dialog(f.book(), f.ui, kindOf(kCreditCardKind), true);
  ASSERT_TRUE(dialog.continueShown());
  std::vector<int32_t> ids;
  for (const char* company : {"BC", "KB"}) {
    dialog.setText(AssetField::Company, company);
    dialog.setText(AssetField::Note, "memo");
    ASSERT_TRUE(dialog.choose(AssetField::PayDay, 10));
    for (AssetField field : {AssetField::PeriodFromMonth, AssetField::PeriodFromDay, AssetField::PeriodToMonth,
                             AssetField::PeriodToDay}) {
      ASSERT_TRUE(dialog.choose(field, 1));
    }
    dialog.setFocus(AssetField::Note);
    dialog.pressContinue();
    ASSERT_TRUE(dialog.savedId());
    ids.push_back(*dialog.savedId());
    EXPECT_FALSE(dialog.closed());
    EXPECT_EQ(dialog.text(AssetField::Company), "");
    EXPECT_EQ(dialog.text(AssetField::Note), "");
    EXPECT_EQ(dialog.list(AssetField::PayDay).selected, 0);
    EXPECT_EQ(dialog.list(AssetField::PeriodToDay).selected, 0);
    EXPECT_EQ(dialog.focus(), AssetField::Company);
  }
  EXPECT_EQ(ids, (std::vector<int32_t>{10001, 10002}));
  EXPECT_TRUE(f.ui.messages.empty());
  EXPECT_EQ(loadAssetsOfKind(f.book(), kCreditCardKind).size(), 2u);
}

TEST(AssetDialog, ChangeModeOpensOnTheAssetAndKeepsItsId) {
  BookFixture f;
  const Asset account = addNewAsset(f.book(), {.name = "급여", .company = "국민"});
  const Asset card = addNewAsset(f.book(), {.kind = kCheckCardKind, .name = "체크", .company = "신한",
                                            .linkOrPayDay = account.assetId});
  std::optional<AssetDialog> dialog = openAssetChange(f.book(), f.ui, card.assetId, true);
  ASSERT_TRUE(dialog);
  EXPECT_EQ(dialog->mode(), DialogMode::Change);
  EXPECT_FALSE(dialog->continueShown());
  EXPECT_TRUE(dialog->latinInput());
  EXPECT_EQ(dialog->text(AssetField::Company), "신한");
  EXPECT_EQ(dialog->list(AssetField::LinkedAccount).selectedId(), account.assetId);
  dialog->pressContinue();  // not offered in change mode: nothing saved
  EXPECT_FALSE(dialog->savedId());
  dialog->setText(AssetField::AssetName, "생활비 체크");
  dialog->setLatinInput(false);
  dialog->pressOk();
  ASSERT_TRUE(dialog->closed());
  EXPECT_FALSE(dialog->latinInput());
  EXPECT_EQ(*dialog->savedId(), card.assetId);
  EXPECT_EQ(findAsset(f.book(), card.assetId)->assetName, "생활비 체크");
  EXPECT_EQ(loadAssetsOfKind(f.book(), kCheckCardKind).size(), 1u);
  EXPECT_FALSE(openAssetChange(f.book(), f.ui, 424242, false));
}

TEST(AssetDialog, TextFieldsKeepWhatTheCodePageHoldsUpToTheirLength) {
  BookFixture f;
  AssetDialog dialog(f.book(), f.ui, kindOf(kBankAccountKind), false);
  dialog.setText(AssetField::Company, std::string(45, 'a'));
  EXPECT_EQ(dialog.text(AssetField::Company), std::string(40, 'a'));
  dialog.setText(AssetField::Holder, "홍😀길동");
  EXPECT_EQ(dialog.text(AssetField::Holder), "홍길동");
  EXPECT_TRUE(dialog.textRefusal(AssetField::Holder, "홍😀길동"));
  EXPECT_TRUE(dialog.textRefusal(AssetField::Balance, "12345678901"));
  EXPECT_FALSE(dialog.textRefusal(AssetField::Balance, "-123456789"));
}

TEST(AssetDialog, ABookThatRefusesTheSaveIsToldAndKeepsTheDialogOpen) {
  BookFixture f;
  FailingChangeSink refusing(0);
  f.book().changes = &refusing;
  f.enableExchange();
  AssetDialog dialog(f.book(), f.ui, kindOf(kInsuranceKind), false);
  dialog.setText(AssetField::Company, "삼성");
  dialog.pressOk();
  EXPECT_FALSE(dialog.closed());
  EXPECT_FALSE(dialog.savedId());
  EXPECT_FALSE(lastError(f).empty());
  EXPECT_TRUE(loadAssetsOfKind(f.book(), kInsuranceKind).empty());
}

}  // namespace
}  // namespace coinest
