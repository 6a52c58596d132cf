// The forms of the recording dialogs over their models on a temporary book: what the user sets
// through the widgets is saved by the model, a refused save tells the model's message over the
// open form and puts the focus on the model's field, and the form shows the fields the model
// shows.

#include <QComboBox>
#include <QDateEdit>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QToolButton>

#include <gtest/gtest.h>

#include "dialogs/asset_dialog.h"
#include "dialogs/category_dialog.h"
#include "dialogs/entry_dialog.h"
#include "dialogs/reservation_dialog.h"
#include "form_driver.h"
#include "ledger/entry_rules.h"
#include "qt/qt_shell_ui.h"
#include "qt/qt_style.h"
#include "store/asset_kind.h"
#include "store/asset_table.h"
#include "store/category_tables.h"
#include "store/entry_kind.h"
#include "store/entry_table.h"
#include "store/reservation_tables.h"
#include "support/book_fixture.h"
#include "support/record_builders.h"

namespace coinest::qt {
namespace {

using coinest::testing::addNewAsset;
using coinest::testing::BookFixture;
using namespace coinest::qt::form_testing;

// The window's port with real message boxes, as the shell runs the dialogs.
class RecordingForms : public ::testing::Test {
 protected:
  BookFixture f;
  QtShellUi ui{1, false};
};

QPushButton* button(QDialog& form, const char* name) { return form.findChild<QPushButton*>(QString::fromLatin1(name)); }

bool rowShown(QDialog& form, const QString& label) {
  QWidget* field = fieldOf(form, label);
  return field && field->isVisibleTo(&form);
}

TEST_F(RecordingForms, AnEntryIsRecordedThroughTheFormAndARefusalKeepsItOpenAtTheModelsField) {
  EntryDialog model = EntryDialog::openForAdd(f.book(), ui, "2007-03-05", false);
  const FormRun run = driveForm([&] { ui.runEntryDialog(model); },
      {[](QDialog& form) {
         savePicture(form, QStringLiteral("entry_add"));
         EXPECT_EQ(form.windowTitle(), QStringLiteral("장부 등록"));
         EXPECT_EQ(fieldOf<QDateEdit>(form, QStringLiteral("일자"))->displayFormat(), QStringLiteral("yyyy-MM-dd"));
         ASSERT_NE(button(form, "continue"), nullptr);
         ASSERT_NE(button(form, "calculator"), nullptr);
         fieldOf<QDateEdit>(form, QStringLiteral("일자"))->setDate(QDate(2007, 3, 7));
         // A character the book cannot store is refused as typed, and the form says why.
         type(fieldOf(form, QStringLiteral("내용")), QStringLiteral("점심😀"));
         EXPECT_EQ(fieldOf<QComboBox>(form, QStringLiteral("내용"))->currentText(), QStringLiteral("점심"));
         EXPECT_TRUE(refusalOf(form).contains(QStringLiteral("저장할 수 없습니다"))) << refusalOf(form).toStdString();
         click(button(form, "ok"));
       },
       [&](QDialog& form) {
         // No amount: the model's message came over the form, which stays with the focus on the amount.
         EXPECT_FALSE(model.closed());
         EXPECT_TRUE(focusIsOn(form, fieldOf(form, QStringLiteral("금액"))));
         type(fieldOf(form, QStringLiteral("금액")), QStringLiteral("8000"));
         fieldOf<QPlainTextEdit>(form, QStringLiteral("비고"))->setPlainText(QStringLiteral("회사 앞"));
         click(button(form, "ok"));
       }});
  EXPECT_TRUE(run.allStepsRan);
  EXPECT_EQ(run.messages, QStringList{QStringLiteral("금액은 반드시 입력해야 합니다")});
  ASSERT_TRUE(model.closed());
  ASSERT_TRUE(model.savedId().has_value());
  const std::optional<LedgerEntry> saved = findEntry(f.book(), *model.savedId());
  ASSERT_TRUE(saved.has_value());
  EXPECT_EQ(saved->entryDate, "2007-03-07");
  EXPECT_EQ(saved->content, "점심");
  EXPECT_EQ(saved->amount, 8000);
  EXPECT_EQ(saved->note, "회사 앞");
  EXPECT_EQ(saved->majorItem, "식비");
}

TEST_F(RecordingForms, TheEntryFormShowsTheFieldsAndLabelsOfItsKind) {
  addNewAsset(f.book(), {.name = "salary"});
  addNewAsset(f.book(), {.name = "savings"});
  ASSERT_TRUE(addEntry(f.book(), coinest::testing::makeEntry(
                                     {.id = 20001, .major = "식비", .minor = "주식", .content = "김밥"})));
  EntryDialog model = EntryDialog::openForAdd(f.book(), ui, "2007-03-05", true);
  struct Case {
    QString kind;
    bool instalments;
    bool transfer;  // "－계좌" and "＋계좌" instead of "구분"
  };
  const std::vector<Case> cases = {
      {QStringLiteral("카드지출"), true, false},
      {QStringLiteral("이체"), false, true},
      {QStringLiteral("수입"), false, false},
      {QStringLiteral("지출"), false, false},
  };
  std::vector<FormStep> steps;
  // The content's drop-down offers what earlier entries of the kind and categories recorded, once
  // the field has the focus.
  steps.push_back([](QDialog& form) {
    EXPECT_EQ(fieldOf<QComboBox>(form, QStringLiteral("내용"))->findText(QStringLiteral("김밥")), -1);
    fieldOf(form, QStringLiteral("내용"))->setFocus();
  });
  steps.push_back([](QDialog& form) {
    EXPECT_GE(fieldOf<QComboBox>(form, QStringLiteral("내용"))->findText(QStringLiteral("김밥")), 0);
  });
  for (const Case& c : cases) {
    steps.push_back([c](QDialog& form) { click(buttonOf(form, c.kind)); });
    steps.push_back([c](QDialog& form) {
      savePicture(form, QStringLiteral("entry_") + c.kind);
      EXPECT_EQ(rowShown(form, QStringLiteral("할부기간")), c.instalments) << c.kind.toStdString();
      EXPECT_EQ(rowShown(form, QStringLiteral("－계좌")), c.transfer) << c.kind.toStdString();
      EXPECT_EQ(rowShown(form, QStringLiteral("＋계좌")), c.transfer) << c.kind.toStdString();
      EXPECT_EQ(rowShown(form, QStringLiteral("구분")), !c.transfer) << c.kind.toStdString();
    });
  }
  // The transfer's from and to lists are the model's: "계좌 이동" from one account to the same is
  // refused with the focus on the from side.
  steps.push_back([](QDialog& form) { click(buttonOf(form, QStringLiteral("이체"))); });
  steps.push_back([](QDialog& form) {
    const auto categories = fieldOf(form, QStringLiteral("항목"))->findChildren<QComboBox*>();
    ASSERT_EQ(categories.size(), 2);
    categories[1]->setCurrentIndex(categories[1]->findText(QStringLiteral("계좌 이동")));
    fieldOf<QComboBox>(form, QStringLiteral("－계좌"))->setCurrentIndex(0);
    fieldOf<QComboBox>(form, QStringLiteral("＋계좌"))->setCurrentIndex(0);
    type(fieldOf(form, QStringLiteral("내용")), QStringLiteral("move"));
    type(fieldOf(form, QStringLiteral("금액")), QStringLiteral("100"));
    click(button(form, "ok"));
  });
  steps.push_back([](QDialog& form) {
    EXPECT_TRUE(focusIsOn(form, fieldOf(form, QStringLiteral("－계좌"))));
    // The note's input mode opened Latin as remembered; the user switches it to Hangul.
    auto* inputMode = form.findChild<QToolButton*>(QStringLiteral("inputMode"));
    ASSERT_NE(inputMode, nullptr);
    EXPECT_TRUE(inputMode->isChecked());
    inputMode->click();
    click(button(form, "cancel"));
  });
  const FormRun run = driveForm([&] { ui.runEntryDialog(model); }, steps);
  EXPECT_TRUE(run.allStepsRan);
  EXPECT_EQ(run.messages, QStringList{QStringLiteral("동일한 통장으로 현금이동 할 수 없습니다")});
  EXPECT_TRUE(model.closed());
  EXPECT_FALSE(model.savedId().has_value());
  EXPECT_FALSE(model.latinInput());
}

TEST_F(RecordingForms, TheAssetFormShowsTheFieldsOfItsKindAndSavesACard) {
  struct Case {
    const char* kind;
    bool balance;
    bool card;
    bool linkedAccount;
  };
  for (const Case& c : {Case{kBankAccountKind, true, false, false}, Case{kCreditCardKind, false, true, false},
                        Case{kCheckCardKind, false, false, true}, Case{kInsuranceKind, false, false, false}}) {
    AssetDialog model(f.book(), ui, *findAssetKind(c.kind), false);
    driveForm([&] { ui.runAssetDialog(model); }, {[&](QDialog& form) {
                savePicture(form, QStringLiteral("asset_") + QString::fromLatin1(c.kind));
                EXPECT_EQ(rowShown(form, QStringLiteral("잔고")), c.balance) << c.kind;
                EXPECT_EQ(rowShown(form, QStringLiteral("결제일")), c.card) << c.kind;
                EXPECT_EQ(rowShown(form, QStringLiteral("청구기간")), c.card) << c.kind;
                EXPECT_EQ(rowShown(form, QStringLiteral("통장계좌")), c.linkedAccount) << c.kind;
                EXPECT_NE(fieldOf(form, qtText(findAssetKind(c.kind)->companyLabel)), nullptr) << c.kind;
                click(button(form, "cancel"));
              }});
    EXPECT_TRUE(model.closed());
  }

  AssetDialog card(f.book(), ui, *findAssetKind(kCreditCardKind), false);
  QComboBox* fromDay = nullptr;
  const FormRun run = driveForm([&] { ui.runAssetDialog(card); },
      {[&](QDialog& form) {
         type(fieldOf(form, QStringLiteral("카드사명")), QStringLiteral("한빛카드"));
         fieldOf<QComboBox>(form, QStringLiteral("결제일"))->setCurrentIndex(25);
         const auto from = fieldOf(form, QStringLiteral("청구기간"))->findChildren<QComboBox*>();
         ASSERT_EQ(from.size(), 2);
         from[0]->setCurrentIndex(2);  // 전월
         fromDay = from[1];
         click(button(form, "ok"));
       },
       [&](QDialog& form) {
         EXPECT_TRUE(focusIsOn(form, fromDay));
         fromDay->setCurrentIndex(1);
         const auto to = fieldOf(form, QStringLiteral("~"))->findChildren<QComboBox*>();
         to[0]->setCurrentIndex(2);
         to[1]->setCurrentIndex(32);  // 말일
         click(button(form, "ok"));
       }});
  EXPECT_TRUE(run.allStepsRan);
  EXPECT_EQ(run.messages, QStringList{qtText(kBillingPeriodInvalidMessage)});
  ASSERT_TRUE(card.savedId().has_value());
  const std::optional<Asset> saved = findAsset(f.book(), *card.savedId());
  ASSERT_TRUE(saved.has_value());
  EXPECT_EQ(saved->company, "한빛카드");
  EXPECT_EQ(saved->linkOrPayDay, 25);
  EXPECT_EQ(saved->periodFromMonth, 2);
  EXPECT_EQ(saved->periodFromDay, 1);
  EXPECT_EQ(saved->periodToMonth, 2);
  EXPECT_EQ(saved->periodToDay, kLastDayOfMonth);
}

TEST_F(RecordingForms, TheCategoryFormRefusesATakenNameAndAddsTheNextWithContinue) {
  CategoryDialogRequest request;
  request.itemKind = kExpenseKind;
  std::optional<CategoryDialog> model = openCategoryDialog(f.book(), ui, request, false);
  ASSERT_TRUE(model.has_value());
  const FormRun run = driveForm([&] { ui.runCategoryDialog(*model); },
      {[](QDialog& form) {
         savePicture(form, QStringLiteral("category_major"));
         // The kind is the page's: shown, fixed.
         EXPECT_TRUE(buttonOf(form, QStringLiteral("지출"))->isChecked());
         EXPECT_FALSE(buttonOf(form, QStringLiteral("지출"))->isEnabled());
         EXPECT_FALSE(rowShown(form, QStringLiteral("사용여부")));
         type(fieldOf(form, QStringLiteral("대항목명")), QStringLiteral("식비"));
         click(button(form, "continue"));
       },
       [](QDialog& form) {
         auto* name = fieldOf<QLineEdit>(form, QStringLiteral("대항목명"));
         EXPECT_TRUE(focusIsOn(form, name));
         EXPECT_EQ(name->text(), QStringLiteral("식비"));
         name->selectAll();
         type(name, QStringLiteral("간식"));
         click(button(form, "continue"));
       },
       [](QDialog& form) {
         // Saved: the form stays, emptied for the next one.
         EXPECT_EQ(fieldOf<QLineEdit>(form, QStringLiteral("대항목명"))->text(), QString());
         click(button(form, "cancel"));
       }});
  EXPECT_TRUE(run.allStepsRan);
  EXPECT_EQ(run.messages, QStringList{qtText(kMajorNameTakenMessage)});
  const MajorList majors = loadMajorItems(f.book(), kExpenseKind);
  EXPECT_TRUE(std::any_of(majors.items.begin(), majors.items.end(), [](const MajorItem& m) { return m.itemName == "간식"; }));
}

TEST_F(RecordingForms, AReservationIsSavedThroughTheFormAndItsAmountTakesDigitsOnly) {
  ReservationDialog model(f.book(), ui, false);
  const FormRun run = driveForm([&] { ui.runReservationDialog(model); },
      {[](QDialog& form) {
         savePicture(form, QStringLiteral("reservation_add"));
         EXPECT_FALSE(rowShown(form, QStringLiteral("할부기간")));
         click(buttonOf(form, QStringLiteral("카드지출")));
       },
       [](QDialog& form) {
         EXPECT_TRUE(rowShown(form, QStringLiteral("할부기간")));
         click(buttonOf(form, QStringLiteral("지출")));
       },
       [](QDialog& form) {
         EXPECT_FALSE(rowShown(form, QStringLiteral("할부기간")));
         fieldOf<QComboBox>(form, QStringLiteral("일자"))->setCurrentIndex(24);
         type(fieldOf(form, QStringLiteral("내용")), QStringLiteral("월세"));
         type(fieldOf(form, QStringLiteral("금액")), QStringLiteral("0a"));
         EXPECT_EQ(fieldOf<QLineEdit>(form, QStringLiteral("금액"))->text(), QStringLiteral("0"));
         EXPECT_FALSE(refusalOf(form).isEmpty());
         click(button(form, "ok"));
       },
       [](QDialog& form) {
         auto* amount = fieldOf<QLineEdit>(form, QStringLiteral("금액"));
         EXPECT_TRUE(focusIsOn(form, amount));
         type(amount, QStringLiteral("300000"));
         click(button(form, "ok"));
       }});
  EXPECT_TRUE(run.allStepsRan);
  EXPECT_EQ(run.messages, QStringList{qtText(kAmountNotPositiveMessage)});
  const std::vector<Reservation> saved = loadReservations(f.book());
  ASSERT_EQ(saved.size(), 1u);
  EXPECT_EQ(saved[0].dayOfMonth, 25);
  EXPECT_EQ(saved[0].content, "월세");
  EXPECT_EQ(saved[0].amount, 300000);  // the refused "0" and the typed digits after it
}

TEST_F(RecordingForms, InScreenshotModeEveryFormIsCancelledUnseen) {
  QtShellUi screenshots(1, true);
  EntryDialog entry = EntryDialog::openForAdd(f.book(), screenshots, "2007-03-05", false);
  ReservationDialog reservation(f.book(), screenshots, false);
  const FormRun run = driveForm(
      [&] {
        screenshots.runEntryDialog(entry);
        screenshots.runReservationDialog(reservation);
      },
      {[](QDialog&) { ADD_FAILURE() << "a form was shown"; }});
  EXPECT_TRUE(entry.closed());
  EXPECT_TRUE(reservation.closed());
  EXPECT_FALSE(entry.savedId().has_value());
}

}  // namespace
}  // namespace coinest::qt
