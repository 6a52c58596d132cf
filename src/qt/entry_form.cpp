// The entry dialog's form ("장부 등록" / "장부 수정") over EntryDialog.

#include <QComboBox>
#include <QDateEdit>
#include <QFormLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QRadioButton>

#include <array>

#include "dialogs/entry_dialog.h"
#include "platform/text_field.h"
#include "qt/model_form.h"
#include "qt/qt_style.h"
#include "qt/recording_forms.h"

namespace coinest::qt {
namespace {

constexpr auto& kKinds = kEntryDialogKinds;

int kindRow(EntryDialogKind kind) {
  for (std::size_t i = 0; i < kKinds.size(); ++i) {
    if (kKinds[i] == kind) return static_cast<int>(i);
  }
  return -1;
}

class EntryForm final : public FormOver<EntryDialog> {
 public:
  EntryForm(QWidget* parent, EntryDialog& model, int scale, const std::function<void()>& calculator)
      : FormOver(parent, model.mode() == DialogMode::Add ? QStringLiteral("장부 등록") : QStringLiteral("장부 수정"), scale,
                 model) {
    date_ = dateField([this](const std::string& date) { model_.setDate(date); });
    std::vector<QString> kindTexts;
    for (EntryDialogKind kind : kKinds) kindTexts.push_back(qtText(entryDialogKindText(kind)));
    kinds_ = radioField(kindTexts, [this](int row) { model_.chooseKind(kKinds[static_cast<std::size_t>(row)]); });
    majors_ = choiceField([this](int row) { model_.chooseMajor(row); });
    minors_ = choiceField([this](int row) { model_.chooseMinor(row); });
    content_ = editableChoiceField(
        [](std::string_view text) { return textFieldRefusal(text, kContentMaxChars); },
        [this](const std::string& text) { model_.setContent(text); });
    means_ = choiceField([this](int row) { model_.chooseMeans(row); });
    toSides_ = choiceField([this](int row) { model_.chooseToSide(row); });
    amount_ = editableChoiceField([](std::string_view text) { return textFieldRefusal(text, kAmountFieldMaxChars); },
                                  [this](const std::string& text) { model_.setAmount(text); });
    instalments_ = choiceField([this](int row) { model_.chooseInstalments(row); });
    note_ = noteField(
        kNoteMaxChars, [this] { return model_.note(); }, [this](const std::string& text) { model_.setNote(text); });
    meansLabel_ = new QLabel(this);

    fields()->addRow(QStringLiteral("일자"), date_);
    fields()->addRow(QStringLiteral("분류"), kinds_.row);
    categories_ = sideBySide({majors_, minors_});
    fields()->addRow(QStringLiteral("항목"), categories_);
    fields()->addRow(QStringLiteral("내용"), content_);
    fields()->addRow(meansLabel_, means_);
    fields()->addRow(qtText(EntryDialog::toSideLabel()), toSides_);
    fields()->addRow(QStringLiteral("금액"), amount_);
    fields()->addRow(QStringLiteral("할부기간"), instalments_);
    fields()->addRow(QStringLiteral("비고"), note_);

    using F = EntryDialogField;
    for (F field : {F::Date, F::Major, F::Minor, F::Content, F::Means, F::ToSide, F::Amount, F::Instalments, F::Note}) {
      onFocus(widgetOf(field), [this, field] { model_.focusField(field); });
    }
    for (QRadioButton* kind : kinds_.buttons) onFocus(kind, [this] { model_.focusField(F::Kind); });
    // The note keeps the remembered input mode; the shell reads it back when the dialog closes.
    addInputModeSwitch(note_, model_.latinInput(), [this](bool latin) { model_.setLatinInput(latin); });
    finish({model_.continueShown(), calculator}, true);
  }

 private:
  QWidget* modelFocusWidget() const override { return widgetOf(model_.focus()); }

  void redraw() override {
    drawDate(*date_, model_.date());
    drawRadios(kinds_, kindRow(model_.kind()));
    drawChoices(*majors_, model_.majors().items, model_.majors().selected);
    drawChoices(*minors_, model_.minors().items, model_.minors().selected);
    drawEditableChoices(*content_, model_.contentChoices().items, model_.contentChoices().selected, model_.content());
    meansLabel_->setText(qtText(model_.meansLabel()));
    drawChoices(*means_, model_.means().items, model_.means().selected);
    drawChoices(*toSides_, model_.toSides().items, model_.toSides().selected);
    drawEditableChoices(*amount_, model_.amountChoices().items, model_.amountChoices().selected, model_.amount());
    drawChoices(*instalments_, model_.instalments().items, model_.instalments().selected);
    drawNote(*note_, model_.note());
    using F = EntryDialogField;
    for (F field : {F::Date, F::Kind, F::Major, F::Content, F::Means, F::ToSide, F::Amount, F::Instalments, F::Note}) {
      showRow(*fields(), rowOf(field), model_.shown(field));
    }
  }

  QWidget* widgetOf(EntryDialogField field) const {
    switch (field) {
      case EntryDialogField::Date: return date_;
      case EntryDialogField::Kind: {
        const int row = kindRow(model_.kind());
        return row < 0 ? nullptr : kinds_.buttons[static_cast<std::size_t>(row)];
      }
      case EntryDialogField::Major: return majors_;
      case EntryDialogField::Minor: return minors_;
      case EntryDialogField::Content: return content_;
      case EntryDialogField::Means: return means_;
      case EntryDialogField::ToSide: return toSides_;
      case EntryDialogField::Amount: return amount_;
      case EntryDialogField::Instalments: return instalments_;
      case EntryDialogField::Note: return note_;
    }
    return nullptr;
  }

  // The widget the field's row is known by in the form.
  QWidget* rowOf(EntryDialogField field) const {
    if (field == EntryDialogField::Kind) return kinds_.row;
    if (field == EntryDialogField::Major || field == EntryDialogField::Minor) return categories_;
    return widgetOf(field);
  }

  QDateEdit* date_;
  RadioField kinds_;
  QComboBox* majors_;
  QComboBox* minors_;
  QWidget* categories_;
  QComboBox* content_;
  QLabel* meansLabel_;
  QComboBox* means_;
  QComboBox* toSides_;
  QComboBox* amount_;
  QComboBox* instalments_;
  QPlainTextEdit* note_;
};

}  // namespace

void execEntryForm(QWidget* parent, EntryDialog& model, int scale, const std::function<void()>& calculator) {
  execForm<EntryForm>(parent, model, scale, calculator);
}

}  // namespace coinest::qt
