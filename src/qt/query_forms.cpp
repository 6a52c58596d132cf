// The criteria forms of the three queries over their models: "장부 조회" (a period, a kind of
// movement, a category and an asset), "카드 조회" (a statement month and a card) and "통장 조회" (a
// period and a bank account).

#include <QComboBox>
#include <QDateEdit>
#include <QFormLayout>
#include <QLineEdit>

#include "dialogs/query_dialogs.h"
#include "platform/text_field.h"
#include "qt/model_form.h"
#include "qt/qt_style.h"
#include "qt/recording_forms.h"

namespace coinest::qt {
namespace {

// The form of a criteria dialog: "확인" and "취소" only.
class CriteriaForm : public FormOver<CriteriaDialog> {
 protected:
  CriteriaForm(QWidget* parent, const QString& title, int scale, CriteriaDialog& model)
      : FormOver(parent, title, scale, model) {}

  // The period's two pickers in the form's first two rows.
  void addPeriod(PeriodPickers& period) {
    from_ = dateField([&period](const std::string& date) { period.setFrom(date); });
    to_ = dateField([&period](const std::string& date) { period.setTo(date); });
    fields()->addRow(QStringLiteral("기간"), from_);
    fields()->addRow(QStringLiteral("~"), to_);
  }
  void drawPeriod(const PeriodPickers& period) {
    drawDate(*from_, period.from);
    drawDate(*to_, period.to);
  }

 private:
  QDateEdit* from_ = nullptr;
  QDateEdit* to_ = nullptr;
};

class BooksQueryForm final : public CriteriaForm {
 public:
  BooksQueryForm(QWidget* parent, BooksQueryDialog& model, int scale)
      : CriteriaForm(parent, QStringLiteral("장부 조회"), scale, model), query_(model) {
    addPeriod(query_.period);
    using F = BooksQueryField;
    kind_ = choiceField([this](int row) { query_.choose(F::Kind, row); });
    major_ = choiceField([this](int row) { query_.choose(F::Major, row); });
    minor_ = choiceField([this](int row) { query_.choose(F::Minor, row); });
    asset_ = choiceField([this](int row) { query_.choose(F::Asset, row); });
    fields()->addRow(QStringLiteral("분류"), kind_);
    fields()->addRow(QStringLiteral("항목"), sideBySide({major_, minor_}));
    fields()->addRow(QStringLiteral("자산"), asset_);
    finish({}, false);
  }

 private:
  void redraw() override {
    using F = BooksQueryField;
    drawPeriod(query_.period);
    drawChoices(*kind_, query_.list(F::Kind));
    drawChoices(*major_, query_.list(F::Major));
    drawChoices(*minor_, query_.list(F::Minor));
    drawChoices(*asset_, query_.list(F::Asset));
    showRow(*fields(), asset_, query_.assetShown());
  }

  BooksQueryDialog& query_;
  QComboBox* kind_;
  QComboBox* major_;
  QComboBox* minor_;
  QComboBox* asset_;
};

class CardQueryForm final : public CriteriaForm {
 public:
  CardQueryForm(QWidget* parent, CardQueryDialog& model, int scale)
      : CriteriaForm(parent, QStringLiteral("카드 조회"), scale, model), query_(model) {
    using F = CardQueryField;
    year_ = textField([](std::string_view text) { return textFieldRefusal(text, kYearFieldMaxChars); },
                      [this](const std::string& text) { query_.setYearText(text); });
    month_ = choiceField([this](int row) { query_.choose(F::Month, row); });
    card_ = choiceField([this](int row) { query_.choose(F::Card, row); });
    fields()->addRow(QStringLiteral("년도"), year_);
    fields()->addRow(QStringLiteral("월"), month_);
    fields()->addRow(QStringLiteral("카드"), card_);
    finish({}, false);
  }

 private:
  QWidget* modelFocusWidget() const override {
    switch (query_.focus()) {
      case CardQueryField::Year: return year_;
      case CardQueryField::Month: return month_;
      case CardQueryField::Card: return card_;
    }
    return nullptr;
  }

  void redraw() override {
    drawText(*year_, query_.yearText());
    drawChoices(*month_, query_.list(CardQueryField::Month));
    drawChoices(*card_, query_.list(CardQueryField::Card));
  }

  CardQueryDialog& query_;
  QLineEdit* year_;
  QComboBox* month_;
  QComboBox* card_;
};

class AccountQueryForm final : public CriteriaForm {
 public:
  AccountQueryForm(QWidget* parent, AccountQueryDialog& model, int scale)
      : CriteriaForm(parent, QStringLiteral("통장 조회"), scale, model), query_(model) {
    addPeriod(query_.period);
    account_ = choiceField([this](int row) { query_.chooseAccount(row); });
    fields()->addRow(QStringLiteral("통장"), account_);
    finish({}, false);
  }

 private:
  void redraw() override {
    drawPeriod(query_.period);
    drawChoices(*account_, query_.accounts());
  }

  AccountQueryDialog& query_;
  QComboBox* account_;
};

}  // namespace

void execBooksQueryForm(QWidget* parent, BooksQueryDialog& model, int scale) {
  execForm<BooksQueryForm>(parent, model, scale);
}

void execCardQueryForm(QWidget* parent, CardQueryDialog& model, int scale) {
  execForm<CardQueryForm>(parent, model, scale);
}

void execAccountQueryForm(QWidget* parent, AccountQueryDialog& model, int scale) {
  execForm<AccountQueryForm>(parent, model, scale);
}

}  // namespace coinest::qt
