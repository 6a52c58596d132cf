// The category dialog's form ("항목 등록" / "항목 수정") over CategoryDialog: the kind, and at the
// minor level the major, shown but fixed; the name; at the minor level whether the minor is in use.

#include <QComboBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QRadioButton>

#include "dialogs/category_dialog.h"
#include "qt/model_form.h"
#include "qt/qt_style.h"
#include "qt/recording_forms.h"
#include "store/entry_kind.h"

namespace coinest::qt {
namespace {

constexpr int kIncomeRow = 0;
constexpr int kExpenseRow = 1;
constexpr int kInUseRow = 0;
constexpr int kNotInUseRow = 1;

class CategoryForm final : public FormOver<CategoryDialog> {
 public:
  CategoryForm(QWidget* parent, CategoryDialog& model, int scale)
      : FormOver(parent, model.mode() == DialogMode::Add ? QStringLiteral("항목 등록") : QStringLiteral("항목 수정"), scale,
                 model) {
    // The kind and the major are the page's: the form only shows them.
    kinds_ = radioField({QStringLiteral("수입"), QStringLiteral("지출")}, [](int) {});
    majors_ = choiceField([](int) {});
    name_ = textField([this](std::string_view text) { return model_.nameRefusal(text); },
                      [this](const std::string& text) { model_.setName(text); });
    inUse_ = radioField({QStringLiteral("사용"), QStringLiteral("미사용")}, [this](int row) {
      model_.setInUse(row == kInUseRow);
    });
    using F = CategoryField;
    fields()->addRow(qtText(model_.label(F::Kind)), kinds_.row);
    fields()->addRow(qtText(model_.label(F::Major)), majors_);
    fields()->addRow(qtText(model_.label(F::Name)), name_);
    fields()->addRow(qtText(model_.label(F::InUse)), inUse_.row);
    onFocus(name_, [this] { model_.setFocus(F::Name); });
    for (QRadioButton* button : inUse_.buttons) onFocus(button, [this] { model_.setFocus(F::InUse); });
    addInputModeSwitch(name_, model_.latinInput(), [this](bool latin) { model_.setLatinInput(latin); });
    finish({model_.continueShown(), {}}, true);
  }

 private:
  QWidget* modelFocusWidget() const override {
    switch (model_.focus()) {
      case CategoryField::Name: return name_;
      case CategoryField::InUse: return inUse_.buttons[model_.inUse() ? kInUseRow : kNotInUseRow];
      default: return nullptr;
    }
  }

  void redraw() override {
    using F = CategoryField;
    drawRadios(kinds_, model_.itemKind() == kIncomeKind ? kIncomeRow : kExpenseRow);
    drawChoices(*majors_, model_.majors());
    drawText(*name_, model_.name());
    drawRadios(inUse_, model_.inUse() ? kInUseRow : kNotInUseRow);
    const std::pair<F, QWidget*> rows[] = {{F::Kind, kinds_.row}, {F::Major, majors_}, {F::Name, name_}, {F::InUse, inUse_.row}};
    for (const auto& [field, row] : rows) {
      showRow(*fields(), row, model_.shown(field));
      row->setEnabled(model_.enabled(field));
    }
  }

  RadioField kinds_;
  QComboBox* majors_;
  QLineEdit* name_;
  RadioField inUse_;
};

}  // namespace

void execCategoryForm(QWidget* parent, CategoryDialog& model, int scale) {
  execForm<CategoryForm>(parent, model, scale);
}

}  // namespace coinest::qt
