// The criteria forms of the three queries over their models: the choices made through the
// widgets become the page's criteria on OK; the card query's year is refused over the open form
// with the focus back on the year.

#include <QComboBox>
#include <QDateEdit>
#include <QLineEdit>
#include <QPushButton>

#include <gtest/gtest.h>

#include "dialogs/query_dialogs.h"
#include "form_driver.h"
#include "qt/qt_shell_ui.h"
#include "store/asset_kind.h"
#include "support/book_fixture.h"
#include "support/record_builders.h"

namespace coinest::qt {
namespace {

using coinest::testing::addNewAsset;
using coinest::testing::BookFixture;
using namespace coinest::qt::form_testing;

class QueryForms : public ::testing::Test {
 protected:
  QPushButton* ok(QDialog& form) { return form.findChild<QPushButton*>(QStringLiteral("ok")); }

  BookFixture f;
  QtShellUi ui{1, false};
  QueryPageState page = startQueryPageState(f.book().clock);
};

TEST_F(QueryForms, TheBooksQueryTakesThePeriodTheKindAndTheAccountChosen) {
  const Asset account = addNewAsset(f.book(), {.name = "salary"});
  BooksQueryDialog model(f.book(), page);
  const FormRun run = driveForm([&] { ui.runBooksQueryDialog(model); },
      {[](QDialog& form) {
         savePicture(form, QStringLiteral("books_query"));
         EXPECT_FALSE(fieldOf(form, QStringLiteral("자산"))->isVisibleTo(&form));
         fieldOf<QDateEdit>(form, QStringLiteral("기간"))->setDate(QDate(2007, 2, 1));
         auto* kind = fieldOf<QComboBox>(form, QStringLiteral("분류"));
         kind->setCurrentIndex(kind->findText(QStringLiteral("  계좌전체")));
       },
       [&](QDialog& form) {
         auto* asset = fieldOf<QComboBox>(form, QStringLiteral("자산"));
         EXPECT_TRUE(asset->isVisibleTo(&form));
         asset->setCurrentIndex(1);
         click(ok(form));
       }});
  EXPECT_TRUE(run.allStepsRan);
  EXPECT_TRUE(model.accepted());
  EXPECT_EQ(page.criteria.books.queryFrom, "2007-02-01");
  EXPECT_EQ(page.criteria.books.filterCode, "C");
  EXPECT_EQ(page.criteria.books.assetFilter, account.assetId);
}

TEST_F(QueryForms, TheCardQueryRefusesAShortYearAndTakesTheNext) {
  CardQueryDialog model(f.book(), ui, page);
  const FormRun run = driveForm([&] { ui.runCardQueryDialog(model); },
      {[&](QDialog& form) {
         savePicture(form, QStringLiteral("card_query"));
         auto* year = fieldOf<QLineEdit>(form, QStringLiteral("년도"));
         EXPECT_EQ(year->text(), QStringLiteral("2007"));
         year->selectAll();
         type(year, QStringLiteral("18512"));  // the fifth character is refused as typed
         EXPECT_EQ(year->text(), QStringLiteral("1851"));
         year->backspace();
         click(ok(form));
       },
       [&](QDialog& form) {
         auto* year = fieldOf<QLineEdit>(form, QStringLiteral("년도"));
         EXPECT_TRUE(focusIsOn(form, year));
         year->selectAll();
         type(year, QStringLiteral("2006"));
         fieldOf<QComboBox>(form, QStringLiteral("월"))->setCurrentIndex(10);
         click(ok(form));
       }});
  EXPECT_TRUE(run.allStepsRan);
  EXPECT_EQ(run.messages, QStringList{QStringLiteral("년도 자료가 올바르지 않습니다")});
  EXPECT_EQ(page.criteria.card.year, 2006);
  EXPECT_EQ(page.criteria.card.month, 11);
}

TEST_F(QueryForms, TheAccountQueryTakesTheAccountChosenAndCancelChangesNothing) {
  addNewAsset(f.book(), {.name = "salary"});
  const Asset savings = addNewAsset(f.book(), {.name = "savings"});
  {
    AccountQueryDialog model(f.book(), page);
    driveForm([&] { ui.runAccountQueryDialog(model); }, {[&](QDialog& form) {
                auto* account = fieldOf<QComboBox>(form, QStringLiteral("통장"));
                account->setCurrentIndex(account->findText(QStringLiteral("savings"), Qt::MatchContains));
                click(form.findChild<QPushButton*>(QStringLiteral("cancel")));
              }});
    EXPECT_FALSE(model.accepted());
    EXPECT_EQ(page.criteria.account.accountFilter, 0);
  }
  AccountQueryDialog model(f.book(), page);
  driveForm([&] { ui.runAccountQueryDialog(model); }, {[&](QDialog& form) {
              savePicture(form, QStringLiteral("account_query"));
              auto* account = fieldOf<QComboBox>(form, QStringLiteral("통장"));
              account->setCurrentIndex(account->findText(QStringLiteral("savings"), Qt::MatchContains));
              fieldOf<QDateEdit>(form, QStringLiteral("~"))->setDate(QDate(2007, 3, 31));
              click(ok(form));
            }});
  EXPECT_TRUE(model.accepted());
  EXPECT_EQ(page.criteria.account.accountFilter, savings.assetId);
  EXPECT_EQ(page.criteria.account.accountTo, "2007-03-31");
}

}  // namespace
}  // namespace coinest::qt
