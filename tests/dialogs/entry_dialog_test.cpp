// The entry dialog's model: its lists by kind and transfer minor, the checks with their messages
// and focus, the mapping of kind and means onto the stored fields, change mode, "계속등록".

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "calendar/amount.h"
#include "dialogs/entry_dialog.h"
#include "ledger/entry_rules.h"
#include "store/asset_table.h"
#include "store/category_tables.h"
#include "store/entry_table.h"
#include "store/new_record.h"
#include "support/book_fixture.h"
#include "support/record_builders.h"
#include "support/refusing_change_sink.h"

namespace coinest {
namespace {

using testing::makeEntry;

int indexIn(const ChoiceList& list, std::string_view text) {
  const auto found = std::find(list.items.begin(), list.items.end(), text);
  return found == list.items.end() ? -1 : static_cast<int>(found - list.items.begin());
}

class EntryDialogTest : public ::testing::Test {
 protected:
  EntryDialog openAdd() { return EntryDialog::openForAdd(f.book(), f.ui, "2007-03-05", false); }

  // The assets the lists offer: two bank accounts, a check card and a credit card.
  void addAssets() {
    accountA = testing::addNewAsset(f.book(), {.name = "생활비", .holder = "나", .company = "국민"});
    accountB = testing::addNewAsset(f.book(), {.name = "저축", .holder = "나", .company = "농협"});
    checkCard = testing::addNewAsset(f.book(), {.kind = kCheckCardKind, .name = "체크", .holder = "나", .company = "국민"});
    creditCard = testing::addNewAsset(f.book(), {.kind = kCreditCardKind, .name = "신용", .holder = "나", .company = "삼성"});
  }

  void choose(EntryDialog& d, bool (EntryDialog::*pick)(int), const ChoiceList& list, std::string_view text) {
    const int index = indexIn(list, text);
    ASSERT_GE(index, 0) << text << " is not offered";
    ASSERT_TRUE((d.*pick)(index));
  }

  std::size_t entryCount() { return entriesInRange(f.book(), "0000-00-00", "9999-99-99").size(); }

  testing::BookFixture f;
  Asset accountA, accountB, checkCard, creditCard;
};

TEST_F(EntryDialogTest, OpensInAddModeOnAnExpenseInCashWithTheFirstCategories) {
  addAssets();
  EntryDialog d = openAdd();
  EXPECT_EQ(d.mode(), DialogMode::Add);
  EXPECT_EQ(d.date(), "2007-03-05");
  EXPECT_EQ(d.kind(), EntryDialogKind::Expense);
  ASSERT_EQ(d.majors().selected, 0);
  EXPECT_EQ(d.majors().items.front(), "식비");
  EXPECT_EQ(d.majors().items.back(), "저축/보험");
  EXPECT_EQ(d.minors().items, (std::vector<std::string>{"주식", "부식", "외식", "기타"}));
  EXPECT_EQ(d.minors().selected, 0);
  // Bank accounts before check cards, each kind by company.
  EXPECT_EQ(d.means().items, (std::vector<std::string>{"현금", "휴대폰 결제", "국민 생활비 나", "농협 저축 나", "국민 체크 나"}));
  EXPECT_EQ(d.means().selected, 0);
  EXPECT_EQ(d.meansLabel(), "구분");
  EXPECT_FALSE(d.shown(EntryDialogField::ToSide));
  EXPECT_FALSE(d.shown(EntryDialogField::Instalments));
  EXPECT_EQ(d.instalments().items.size(), 25u);
  EXPECT_EQ(d.instalments().items[1], "일시불");
  EXPECT_EQ(d.instalments().items[24], "24개월");
  EXPECT_TRUE(d.continueShown());
}

TEST_F(EntryDialogTest, KindsAndTransferMinorsRefillTheirLists) {
  addAssets();
  EntryDialog d = openAdd();
  ASSERT_TRUE(d.chooseMajor(1));  // 주거/통신
  ASSERT_TRUE(d.chooseMinor(2));  // 수도요금

  // Expense and card expense share their categories.
  d.chooseKind(EntryDialogKind::CardExpense);
  EXPECT_EQ(d.majors().selected, 1);
  EXPECT_EQ(d.minors().items[static_cast<std::size_t>(d.minors().selected)], "수도요금");
  EXPECT_EQ(d.means().items, (std::vector<std::string>{"", "삼성 신용 나"}));
  EXPECT_TRUE(d.shown(EntryDialogField::Instalments));
  EXPECT_EQ(d.instalments().selected, 0);
  ASSERT_TRUE(d.chooseMeans(1));
  EXPECT_EQ(d.instalments().selected, 1) << "a card switches the period to 일시불";

  d.chooseKind(EntryDialogKind::Income);
  EXPECT_EQ(d.majors().items, (std::vector<std::string>{"고정수입", "기타수입", "전월이월"}));
  EXPECT_EQ(d.minors().items, (std::vector<std::string>{"급여", "상여", "사업", "기타"}));
  EXPECT_EQ(d.means().items, (std::vector<std::string>{"현금", "국민 생활비 나", "농협 저축 나"}));

  d.chooseKind(EntryDialogKind::Transfer);
  EXPECT_EQ(d.meansLabel(), "－계좌");
  EXPECT_EQ(EntryDialog::toSideLabel(), "＋계좌");
  EXPECT_TRUE(d.shown(EntryDialogField::ToSide));
  EXPECT_EQ(d.majors().items, (std::vector<std::string>{"현금"}));
  EXPECT_EQ(d.minors().items, (std::vector<std::string>{"현금 입금", "현금 인출", "현금서비스", "계좌 이동"}));
  struct Case {
    int minor;
    std::vector<std::string> from, to;
  } cases[] = {
      {0, {"현금"}, {"국민 생활비 나", "농협 저축 나"}},
      {1, {"국민 생활비 나", "농협 저축 나"}, {"현금"}},
      {2, {"삼성 신용 나"}, {"현금", "국민 생활비 나", "농협 저축 나"}},
      {3, {"국민 생활비 나", "농협 저축 나"}, {"국민 생활비 나", "농협 저축 나"}},
  };
  for (const Case& c : cases) {
    ASSERT_TRUE(d.chooseMinor(c.minor));
    EXPECT_EQ(d.means().items, c.from) << c.minor;
    EXPECT_EQ(d.toSides().items, c.to) << c.minor;
    EXPECT_EQ(d.means().selected, 0);
    EXPECT_EQ(d.toSides().selected, 0);
  }
  EXPECT_FALSE(d.chooseMinor(4));
  EXPECT_FALSE(d.chooseMeans(-1));
}

TEST_F(EntryDialogTest, RefusesContentAndAmountInOrderWithTheirFocus) {
  struct Case {
    std::string content, amount;
    std::string_view message;
    EntryDialogField focus;
  } cases[] = {
      {"   ", "", kContentRequiredMessage, EntryDialogField::Content},
      {"점심", "  ", kAmountRequiredMessage, EntryDialogField::Amount},
      {"점심", "12a", kAmountDigitsOnlyMessage, EntryDialogField::Amount},
      {"점심", "1,000", kAmountDigitsOnlyMessage, EntryDialogField::Amount},
      {"점심", "0", kAmountNotPositiveMessage, EntryDialogField::Amount},
      {"점심", "00", kAmountNotPositiveMessage, EntryDialogField::Amount},
      {"점심", "-500", kAmountNotPositiveMessage, EntryDialogField::Amount},
      {"점심", "-", kAmountNotPositiveMessage, EntryDialogField::Amount},
      {"점심", "123456789", kAmountTooLongMessage, EntryDialogField::Amount},
      {"점심", "000000001", kAmountTooLongMessage, EntryDialogField::Amount},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.content + "/" + c.amount);
    f.ui.messages.clear();
    EntryDialog d = openAdd();
    d.setContent(c.content);
    d.setAmount(c.amount);
    EXPECT_FALSE(d.pressOk());
    ASSERT_EQ(f.ui.messages.size(), 1u);
    EXPECT_EQ(f.ui.messages[0].text, c.message);
    EXPECT_EQ(f.ui.messages[0].caption, MessageCaption::Error);
    EXPECT_EQ(d.focus(), c.focus);
    EXPECT_FALSE(d.closed());
    EXPECT_EQ(d.content(), c.content) << "fields stay as typed";
    EXPECT_FALSE(d.savedId());
  }
  EXPECT_EQ(entryCount(), 0u);
}

TEST_F(EntryDialogTest, TheLargestAmountAndContentAsTypedAreStored) {
  EntryDialog d = openAdd();
  d.setContent("  점심");
  d.setAmount(" 99999999 ");
  ASSERT_TRUE(d.pressOk());
  EXPECT_TRUE(d.closed());
  EXPECT_TRUE(f.ui.messages.empty());
  const std::optional<LedgerEntry> stored = findEntry(f.book(), *d.savedId());
  ASSERT_TRUE(stored);
  EXPECT_EQ(stored->amount, 99999999);
  EXPECT_EQ(stored->content, "  점심");
}

TEST_F(EntryDialogTest, TextFieldsKeepTheirLengthAndTheCodePage) {
  EntryDialog d = openAdd();
  d.setContent(std::string(45, 'x'));
  EXPECT_EQ(d.content(), std::string(40, 'x'));
  d.setAmount("1234567890");
  EXPECT_EQ(d.amount(), "123456789");
  d.setNote("비고\xF0\x9F\x98\x80끝");  // an emoji the code page lacks
  EXPECT_EQ(d.note(), "비고끝");
}

TEST_F(EntryDialogTest, TransferSidesAreCheckedInOrder) {
  struct Case {
    bool withAssets;
    int minor;
    int from, to;  // positions to choose; -1 keeps the dialog's choice
    std::string_view message;
    EntryDialogField focus;
  } cases[] = {
      {false, 0, -1, -1, kToSideRequiredMessage, EntryDialogField::ToSide},
      {false, 1, -1, -1, kFromSideRequiredMessage, EntryDialogField::Means},
      {false, 2, -1, -1, kFromSideRequiredMessage, EntryDialogField::Means},
      {false, 3, -1, -1, kFromSideRequiredMessage, EntryDialogField::Means},
      {true, 3, 1, 1, kSameAccountMessage, EntryDialogField::Means},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.minor);
    testing::BookFixture book;
    if (c.withAssets) {
      testing::addNewAsset(book.book(), {.company = "가"});
      testing::addNewAsset(book.book(), {.company = "나"});
    }
    EntryDialog d = EntryDialog::openForAdd(book.book(), book.ui, "2007-03-05", false);
    d.chooseKind(EntryDialogKind::Transfer);
    ASSERT_TRUE(d.chooseMinor(c.minor));
    if (c.from >= 0) {
      ASSERT_TRUE(d.chooseMeans(c.from));
    }
    if (c.to >= 0) {
      ASSERT_TRUE(d.chooseToSide(c.to));
    }
    d.setContent("이체");
    d.setAmount("5000");
    EXPECT_FALSE(d.pressOk());
    ASSERT_EQ(book.ui.messages.size(), 1u);
    EXPECT_EQ(book.ui.messages[0].text, c.message);
    EXPECT_EQ(d.focus(), c.focus);
    EXPECT_TRUE(entriesInRange(book.book(), "0000", "9999").empty());
  }
}

// Each kind and means as stored, and the same entry shown again in change mode.
TEST_F(EntryDialogTest, KindsAndMeansMapOntoTheStoredFieldsAndBack) {
  addAssets();
  const std::string a = assetDisplayText(accountA), b = assetDisplayText(accountB);
  const std::string check = assetDisplayText(checkCard), card = assetDisplayText(creditCard);
  struct Case {
    EntryDialogKind kind;
    std::string minor;  // a transfer's
    std::string from, to;
    int instalments;  // -1: not chosen
    std::string entryKind, cardFlag, phoneFlag, checkCardFlag;
    const Asset* asset;
    const Asset* toAsset;
    int32_t storedInstalments;
  } cases[] = {
      {EntryDialogKind::Income, "", "현금", "", -1, "1", "N", "N", "N", nullptr, nullptr, 0},
      {EntryDialogKind::Income, "", a, "", -1, "1", "N", "N", "N", &accountA, nullptr, 0},
      {EntryDialogKind::Expense, "", "현금", "", -1, "2", "N", "N", "N", nullptr, nullptr, 0},
      {EntryDialogKind::Expense, "", "휴대폰 결제", "", -1, "2", "N", "Y", "N", nullptr, nullptr, 0},
      {EntryDialogKind::Expense, "", b, "", -1, "2", "N", "N", "N", &accountB, nullptr, 0},
      {EntryDialogKind::Expense, "", check, "", -1, "2", "N", "N", "Y", &checkCard, nullptr, 0},
      {EntryDialogKind::CardExpense, "", "", "", -1, "2", "Y", "N", "N", nullptr, nullptr, 0},
      {EntryDialogKind::CardExpense, "", card, "", -1, "2", "Y", "N", "N", &creditCard, nullptr, 1},
      {EntryDialogKind::CardExpense, "", card, "", 3, "2", "Y", "N", "N", &creditCard, nullptr, 3},
      {EntryDialogKind::Transfer, "현금 입금", "현금", b, -1, "3", "N", "N", "N", nullptr, &accountB, 0},
      {EntryDialogKind::Transfer, "현금 인출", a, "현금", -1, "3", "N", "N", "N", &accountA, nullptr, 0},
      {EntryDialogKind::Transfer, "현금서비스", card, "현금", -1, "3", "N", "N", "N", &creditCard, nullptr, 0},
      {EntryDialogKind::Transfer, "현금서비스", card, a, -1, "3", "N", "N", "N", &creditCard, &accountA, 0},
      {EntryDialogKind::Transfer, "계좌 이동", b, a, -1, "3", "N", "N", "N", &accountB, &accountA, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(entryDialogKindText(c.kind)) + " " + c.minor + " " + c.from + " > " + c.to);
    EntryDialog d = openAdd();
    d.chooseKind(c.kind);
    if (!c.minor.empty()) choose(d, &EntryDialog::chooseMinor, d.minors(), c.minor);
    choose(d, &EntryDialog::chooseMeans, d.means(), c.from);
    if (!c.to.empty()) choose(d, &EntryDialog::chooseToSide, d.toSides(), c.to);
    if (c.instalments >= 0) {
      ASSERT_TRUE(d.chooseInstalments(c.instalments));
    }
    d.setContent("내용");
    d.setAmount("12000");
    d.setNote("비고");
    ASSERT_TRUE(d.pressOk()) << (f.ui.messages.empty() ? "" : f.ui.messages.back().text);

    const std::optional<LedgerEntry> e = findEntry(f.book(), *d.savedId());
    ASSERT_TRUE(e);
    EXPECT_EQ(e->entryKind, c.entryKind);
    EXPECT_EQ(e->cardFlag, c.cardFlag);
    EXPECT_EQ(e->phoneFlag, c.phoneFlag);
    EXPECT_EQ(e->checkCardFlag, c.checkCardFlag);
    EXPECT_EQ(e->assetId, c.asset ? c.asset->assetId : 0);
    EXPECT_EQ(e->toAssetId, c.toAsset ? c.toAsset->assetId : 0);
    EXPECT_EQ(e->instalments, c.storedInstalments);
    EXPECT_EQ(e->majorItem, d.majors().items[static_cast<std::size_t>(d.majors().selected)]);
    EXPECT_EQ(e->minorItem, d.minors().items[static_cast<std::size_t>(d.minors().selected)]);
    EXPECT_EQ(e->content, "내용");
    EXPECT_EQ(e->amount, 12000);
    EXPECT_EQ(e->note, "비고");
    EXPECT_EQ(e->entryDate, "2007-03-05");
    EXPECT_EQ(e->reserveId, 0);

    // Change mode shows the same choices, and "확인" without a change stores the same fields.
    std::optional<EntryDialog> change = EntryDialog::openForChange(f.book(), f.ui, e->entryId, false);
    ASSERT_TRUE(change);
    EXPECT_EQ(change->kind(), c.kind);
    EXPECT_FALSE(change->continueShown());
    EXPECT_EQ(change->means().items[static_cast<std::size_t>(change->means().selected)], c.from);
    if (!c.to.empty()) {
      EXPECT_EQ(change->toSides().items[static_cast<std::size_t>(change->toSides().selected)], c.to);
    }
    EXPECT_EQ(change->amount(), "12000");
    ASSERT_TRUE(change->pressOk());
    EXPECT_EQ(change->savedId(), e->entryId);
    const std::optional<LedgerEntry> again = findEntry(f.book(), e->entryId);
    ASSERT_TRUE(again);
    EXPECT_EQ(again->assetId, e->assetId);
    EXPECT_EQ(again->toAssetId, e->toAssetId);
    EXPECT_EQ(again->instalments, e->instalments);
    EXPECT_EQ(again->phoneFlag, e->phoneFlag);
    EXPECT_EQ(again->checkCardFlag, e->checkCardFlag);
  }
  EXPECT_TRUE(f.ui.messages.empty());
}

TEST_F(EntryDialogTest, ChangeModeKeepsACategoryNoLongerInUseOrDeleted) {
  // "외식" (minor 10 under 식비) no longer in use.
  ASSERT_TRUE(replaceMinorItem(f.book(), {.minorId = 10, .majorId = 4, .itemName = "외식", .itemOrder = 3, .inUse = "N"}));
  LedgerEntry unused = makeEntry({.id = 20001, .major = "식비", .minor = "외식"});
  unused.reserveId = 30001;
  LedgerEntry deleted = makeEntry({.id = 20002, .major = "옛날항목", .minor = "옛소항목"});
  ASSERT_TRUE(addEntry(f.book(), unused));
  ASSERT_TRUE(addEntry(f.book(), deleted));

  std::optional<EntryDialog> d = EntryDialog::openForChange(f.book(), f.ui, 20001, false);
  ASSERT_TRUE(d);
  EXPECT_EQ(d->minors().items, (std::vector<std::string>{"주식", "부식", "기타", "외식"}));
  EXPECT_EQ(d->minors().selected, 3);
  d->setAmount("7000");
  ASSERT_TRUE(d->pressOk());
  std::optional<LedgerEntry> stored = findEntry(f.book(), 20001);
  ASSERT_TRUE(stored);
  EXPECT_EQ(stored->minorItem, "외식");
  EXPECT_EQ(stored->amount, 7000);
  EXPECT_EQ(stored->reserveId, 30001) << "a change keeps the reservation that posted the entry";

  d = EntryDialog::openForChange(f.book(), f.ui, 20002, false);
  ASSERT_TRUE(d);
  EXPECT_EQ(d->majors().items.back(), "옛날항목");
  EXPECT_EQ(d->majors().selected, static_cast<int>(d->majors().items.size()) - 1);
  EXPECT_EQ(d->minors().items, (std::vector<std::string>{"옛소항목"}));
  ASSERT_TRUE(d->chooseMajor(0));
  EXPECT_EQ(d->minors().items.front(), "주식");
  ASSERT_TRUE(d->chooseMajor(static_cast<int>(d->majors().items.size()) - 1));
  EXPECT_EQ(d->minors().items, (std::vector<std::string>{"옛소항목"}));
  ASSERT_TRUE(d->pressOk());
  stored = findEntry(f.book(), 20002);
  ASSERT_TRUE(stored);
  EXPECT_EQ(stored->majorItem, "옛날항목");
  EXPECT_EQ(stored->minorItem, "옛소항목");

  EXPECT_FALSE(EntryDialog::openForChange(f.book(), f.ui, 29999, false));
}

TEST_F(EntryDialogTest, ContinueTwiceStoresTwoEntriesAndKeepsTheChoices) {
  addAssets();
  EntryDialog d = openAdd();
  ASSERT_TRUE(d.setDate("2007-02-28"));
  ASSERT_TRUE(d.chooseMajor(2));
  ASSERT_TRUE(d.chooseMeans(2));
  std::vector<int32_t> ids;
  for (const char* content : {"첫째", "둘째"}) {
    d.setContent(content);
    d.setAmount("3000");
    d.setNote("메모");
    ASSERT_TRUE(d.pressContinue());
    ids.push_back(*d.savedId());
    EXPECT_FALSE(d.closed());
    EXPECT_EQ(d.content(), "");
    EXPECT_EQ(d.amount(), "");
    EXPECT_EQ(d.note(), "");
    EXPECT_EQ(d.focus(), EntryDialogField::Content);
    EXPECT_EQ(d.date(), "2007-02-28");
    EXPECT_EQ(d.majors().selected, 2);
    EXPECT_EQ(d.means().selected, 2);
  }
  ASSERT_EQ(ids.size(), 2u);
  EXPECT_NE(ids[0], ids[1]);
  const std::vector<LedgerEntry> stored = entriesInRange(f.book(), "2007-02-28", "2007-02-28");
  ASSERT_EQ(stored.size(), 2u);
  for (const LedgerEntry& e : stored) {
    EXPECT_EQ(e.majorItem, "생활용품");
    EXPECT_EQ(e.assetId, accountA.assetId);
  }
  d.pressCancel();
  EXPECT_TRUE(d.closed());
  EXPECT_EQ(entryCount(), 2u);
}

TEST_F(EntryDialogTest, DropDownsOfferEarlierContentsAndTheirAmounts) {
  for (const LedgerEntry& e : {makeEntry({.id = 20001, .content = "빵", .amount = 200}),
                               makeEntry({.id = 20002, .content = "떡", .amount = 500}),
                               makeEntry({.id = 20003, .content = "빵", .amount = 50}),
                               makeEntry({.id = 20004, .major = "식비", .minor = "주식", .content = "쌀"})}) {
    ASSERT_TRUE(addEntry(f.book(), e));
  }
  EntryDialog d = openAdd();
  ASSERT_TRUE(d.chooseMinor(indexIn(d.minors(), "외식")));
  d.setContent("빵");
  d.focusField(EntryDialogField::Content);
  EXPECT_EQ(d.contentChoices().items, (std::vector<std::string>{"", "떡", "빵"}));
  EXPECT_EQ(d.contentChoices().selected, 2);
  d.setAmount("200");
  d.focusField(EntryDialogField::Amount);
  EXPECT_EQ(d.amountChoices().items, (std::vector<std::string>{"", "50", "200"}));
  EXPECT_EQ(d.amountChoices().selected, 2);
  EXPECT_EQ(d.focus(), EntryDialogField::Amount);
}

TEST_F(EntryDialogTest, AWriteTheBookRefusesIsToldAndTheDialogStaysOpen) {
  testing::RefusingChangeSink refusing;
  f.book().changes = &refusing;
  f.enableExchange();
  EntryDialog d = openAdd();
  d.setContent("점심");
  d.setAmount("8000");
  EXPECT_FALSE(d.pressOk());
  EXPECT_FALSE(d.closed());
  EXPECT_FALSE(d.savedId());
  ASSERT_EQ(f.ui.messages.size(), 1u);
  EXPECT_EQ(f.ui.messages[0].caption, MessageCaption::Error);
  EXPECT_FALSE(f.ui.messages[0].text.empty());
  EXPECT_EQ(entryCount(), 0u);
}

TEST_F(EntryDialogTest, ChangingAnEntryDeletedMeanwhileIsToldNotStored) {
  ASSERT_TRUE(addEntry(f.book(), makeEntry({.id = 20001})));
  std::optional<EntryDialog> d = EntryDialog::openForChange(f.book(), f.ui, 20001, true);
  ASSERT_TRUE(d);
  ASSERT_TRUE(deleteEntry(f.book(), 20001));
  EXPECT_FALSE(d->pressOk());
  ASSERT_EQ(f.ui.messages.size(), 1u);
  EXPECT_EQ(f.ui.messages[0].caption, MessageCaption::Error);
  EXPECT_EQ(f.ui.messages[0].text, kRecordDeletedMeanwhileMessage);
  EXPECT_EQ(entryCount(), 0u);
  EXPECT_FALSE(d->closed());
}

TEST_F(EntryDialogTest, DatesAndTheInputModeAreTheCallers) {
  EntryDialog d = EntryDialog::openForAdd(f.book(), f.ui, "2007-03-05", true);
  EXPECT_TRUE(d.latinInput());
  d.setLatinInput(false);
  EXPECT_FALSE(d.latinInput());
  for (const char* refused : {"2007-02-29", "2007-3-05", "1840-12-31", "2051-01-01", ""}) {
    EXPECT_FALSE(d.setDate(refused)) << refused;
  }
  EXPECT_EQ(d.date(), "2007-03-05");
  EXPECT_TRUE(d.setDate("2008-02-29"));
  EXPECT_EQ(d.date(), "2008-02-29");
}

}  // namespace
}  // namespace coinest
