// The asset dialog's form ("자산 등록" / "자산 수정") over AssetDialog: the fields of the page's
// kind, the others hidden.

#include <QComboBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QPlainTextEdit>

#include <array>

#include "dialogs/asset_dialog.h"
#include "qt/model_form.h"
#include "qt/qt_style.h"
#include "qt/recording_forms.h"

namespace coinest::qt {
namespace {

constexpr std::size_t index(AssetField field) { return static_cast<std::size_t>(field); }

class AssetForm final : public FormOver<AssetDialog> {
 public:
  AssetForm(QWidget* parent, AssetDialog& model, int scale, const std::function<void()>& calculator)
      : FormOver(parent, model.mode() == DialogMode::Add ? QStringLiteral("자산 등록") : QStringLiteral("자산 수정"), scale,
                 model) {
    for (std::size_t i = 0; i < kAssetFieldCount; ++i) {
      const auto field = static_cast<AssetField>(i);
      if (field == AssetField::Note) {
        widgets_[i] = noteField(
            assetFieldMaxChars(field), [this] { return model_.text(AssetField::Note); },
            [this](const std::string& text) { model_.setText(AssetField::Note, text); });
      } else if (isAssetTextField(field)) {
        widgets_[i] = textField([this, field](std::string_view text) { return model_.textRefusal(field, text); },
                                [this, field](const std::string& text) { model_.setText(field, text); });
      } else {
        widgets_[i] = choiceField([this, field](int row) { model_.choose(field, row); });
      }
      onFocus(widgets_[i], [this, field] { model_.setFocus(field); });
    }
    // The billing period takes two rows: from its start month and day, to its end month and day.
    using F = AssetField;
    periodFrom_ = sideBySide({widgets_[index(F::PeriodFromMonth)], widgets_[index(F::PeriodFromDay)]});
    periodTo_ = sideBySide({widgets_[index(F::PeriodToMonth)], widgets_[index(F::PeriodToDay)]});
    for (F field : {F::Company, F::AssetName, F::AssetNumber, F::Holder, F::Balance, F::PayDay}) addRow(field);
    fields()->addRow(qtText(model_.label(F::PeriodFromMonth)), periodFrom_);
    fields()->addRow(QStringLiteral("~"), periodTo_);
    addRow(F::LinkedAccount);
    addRow(F::Note);
    // The first text field keeps the remembered input mode.
    addInputModeSwitch(widgets_[index(F::Company)], model_.latinInput(),
                       [this](bool latin) { model_.setLatinInput(latin); });
    finish({model_.continueShown(), calculator}, true);
  }

 private:
  QWidget* modelFocusWidget() const override { return widgets_[index(model_.focus())]; }

  void addRow(AssetField field) { fields()->addRow(qtText(model_.label(field)), widgets_[index(field)]); }

  void redraw() override {
    for (std::size_t i = 0; i < kAssetFieldCount; ++i) {
      const auto field = static_cast<AssetField>(i);
      if (field == AssetField::Note) {
        drawNote(*static_cast<QPlainTextEdit*>(widgets_[i]), model_.text(field));
      } else if (isAssetTextField(field)) {
        drawText(*static_cast<QLineEdit*>(widgets_[i]), model_.text(field));
      } else {
        drawChoices(*static_cast<QComboBox*>(widgets_[i]), model_.list(field));
      }
    }
    using F = AssetField;
    for (F field : {F::Company, F::AssetName, F::AssetNumber, F::Holder, F::Balance, F::PayDay, F::LinkedAccount,
                    F::Note}) {
      showRow(*fields(), widgets_[index(field)], model_.shown(field));
    }
    showRow(*fields(), periodFrom_, model_.shown(F::PeriodFromMonth));
    showRow(*fields(), periodTo_, model_.shown(F::PeriodToMonth));
  }

  std::array<QWidget*, kAssetFieldCount> widgets_{};
  QWidget* periodFrom_;
  QWidget* periodTo_;
};

}  // namespace

void execAssetForm(QWidget* parent, AssetDialog& model, int scale, const std::function<void()>& calculator) {
  execForm<AssetForm>(parent, model, scale, calculator);
}

}  // namespace coinest::qt
