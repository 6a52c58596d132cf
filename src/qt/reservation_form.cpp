// The reservation dialog's form ("예약 등록" / "예약 수정") over ReservationDialog.

#include <QComboBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRadioButton>

#include <array>

#include "dialogs/reservation_dialog.h"
#include "qt/model_form.h"
#include "qt/qt_style.h"
#include "qt/recording_forms.h"

namespace coinest::qt {
namespace {

constexpr auto& kKinds = kReservationDialogKinds;

int kindRow(EntryDialogKind kind) { return static_cast<int>(std::find(kKinds.begin(), kKinds.end(), kind) - kKinds.begin()); }

class ReservationForm final : public FormOver<ReservationDialog> {
 public:
  ReservationForm(QWidget* parent, ReservationDialog& model, int scale, const std::function<void()>& calculator)
      : FormOver(parent, model.mode() == DialogMode::Add ? QStringLiteral("예약 등록") : QStringLiteral("예약 수정"), scale,
                 model) {
    using F = ReservationField;
    std::vector<QString> kindTexts;
    for (EntryDialogKind kind : kKinds) kindTexts.push_back(qtText(entryDialogKindText(kind)));
    kinds_ = radioField(kindTexts, [this](int row) { model_.chooseKind(kKinds[static_cast<std::size_t>(row)]); });
    for (F field : {F::Day, F::Major, F::Minor, F::Means, F::Instalments}) {
      lists_[index(field)] = choiceField([this, field](int row) { model_.choose(field, row); });
    }
    for (F field : {F::Content, F::Amount}) {
      texts_[index(field)] = textField([this, field](std::string_view text) { return model_.textRefusal(field, text); },
                                       [this, field](const std::string& text) { model_.setText(field, text); });
    }
    note_ = noteField(
        reservationFieldMaxChars(F::Note), [this] { return model_.text(F::Note); },
        [this](const std::string& text) { model_.setText(F::Note, text); });
    categories_ = sideBySide({lists_[index(F::Major)], lists_[index(F::Minor)]});

    fields()->addRow(qtText(model_.label(F::Day)), lists_[index(F::Day)]);
    fields()->addRow(qtText(model_.label(F::Kind)), kinds_.row);
    fields()->addRow(qtText(model_.label(F::Major)), categories_);
    fields()->addRow(qtText(model_.label(F::Content)), texts_[index(F::Content)]);
    fields()->addRow(qtText(model_.label(F::Means)), lists_[index(F::Means)]);
    fields()->addRow(qtText(model_.label(F::Amount)), texts_[index(F::Amount)]);
    fields()->addRow(qtText(model_.label(F::Instalments)), lists_[index(F::Instalments)]);
    fields()->addRow(qtText(model_.label(F::Note)), note_);

    for (std::size_t i = 0; i < kReservationFieldCount; ++i) {
      const auto field = static_cast<F>(i);
      if (field != F::Kind) onFocus(widgetOf(field), [this, field] { model_.setFocus(field); });
    }
    for (QRadioButton* kind : kinds_.buttons) onFocus(kind, [this] { model_.setFocus(F::Kind); });
    // The content field keeps the remembered input mode.
    addInputModeSwitch(texts_[index(F::Content)], model_.latinInput(),
                       [this](bool latin) { model_.setLatinInput(latin); });
    finish({model_.continueShown(), calculator}, true);
  }

 private:
  static constexpr std::size_t index(ReservationField field) { return static_cast<std::size_t>(field); }

  QWidget* modelFocusWidget() const override { return widgetOf(model_.focus()); }

  QWidget* widgetOf(ReservationField field) const {
    if (field == ReservationField::Note) return note_;
    if (field == ReservationField::Kind) return kinds_.buttons[static_cast<std::size_t>(kindRow(model_.kind()))];
    if (QLineEdit* text = texts_[index(field)]) return text;
    return lists_[index(field)];
  }

  void redraw() override {
    using F = ReservationField;
    drawRadios(kinds_, kindRow(model_.kind()));
    for (F field : {F::Day, F::Major, F::Minor, F::Means, F::Instalments}) drawChoices(*lists_[index(field)], model_.list(field));
    for (F field : {F::Content, F::Amount}) drawText(*texts_[index(field)], model_.text(field));
    drawNote(*note_, model_.text(F::Note));
    for (std::size_t i = 0; i < kReservationFieldCount; ++i) {
      const auto field = static_cast<F>(i);
      showRow(*fields(), rowOf(field), model_.shown(field));
    }
  }

  // The widget the field's row is known by in the form.
  QWidget* rowOf(ReservationField field) const {
    if (field == ReservationField::Kind) return kinds_.row;
    if (field == ReservationField::Major || field == ReservationField::Minor) return categories_;
    return widgetOf(field);
  }

  RadioField kinds_;
  std::array<QComboBox*, kReservationFieldCount> lists_{};
  std::array<QLineEdit*, kReservationFieldCount> texts_{};
  QPlainTextEdit* note_;
  QWidget* categories_;
};

}  // namespace

void execReservationForm(QWidget* parent, ReservationDialog& model, int scale,
                         const std::function<void()>& calculator) {
  execForm<ReservationForm>(parent, model, scale, calculator);
}

}  // namespace coinest::qt
