#include "qt/model_form.h"

#include <QComboBox>
#include <QDateEdit>
#include <QEvent>
#include <QFormLayout>
#include <QGridLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QInputMethod>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTextCursor>
#include <QToolButton>
#include <QToolTip>
#include <QVBoxLayout>

#include <algorithm>

#include "platform/text_field.h"
#include "qt/qt_style.h"

namespace coinest::qt {
namespace {

// The 240 by 320 layout the forms are made for.
constexpr int kLayoutWidth = 240;
constexpr int kLayoutHeight = 320;
constexpr int kMargin = 4;
constexpr int kNoteLines = 2;
constexpr std::size_t kRadiosInOneRow = 3;
// Drop-downs may be narrower than their longest item (an asset's company, name and holder), so
// the form keeps the screen's width.
constexpr int kChoiceMinimumChars = 4;

const QString kDateFormat = QStringLiteral("yyyy-MM-dd");
const QString kHangulMark = QStringLiteral("가");
const QString kLatinMark = QStringLiteral("A");

QPushButton* addButton(QHBoxLayout& row, QWidget* parent, const QString& text, const QString& name) {
  auto* button = new QPushButton(text, parent);
  button->setObjectName(name);
  button->setAutoDefault(false);
  row.addWidget(button);
  return button;
}

void keepNarrow(QComboBox& box) {
  box.setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
  box.setMinimumContentsLength(kChoiceMinimumChars);
}

}  // namespace

ModelForm::ModelForm(QWidget* parent, const QString& title, int scale) : QDialog(parent), scale_(scale) {
  setWindowTitle(title);
  setFont(viewFont(kViewFontPixels, false, scale));
  auto* root = new QVBoxLayout(this);
  root->setContentsMargins(kMargin * scale, kMargin * scale, kMargin * scale, kMargin * scale);
  root->setSpacing(kMargin * scale);
  fields_ = new QFormLayout();
  fields_->setFieldGrowthPolicy(QFormLayout::AllNonFixedFieldsGrow);
  fields_->setHorizontalSpacing(kMargin * scale);
  fields_->setVerticalSpacing(scale);
  // A note grows into the height the fields leave.
  root->addLayout(fields_, 1);
  refusal_ = new QLabel(this);
  refusal_->setObjectName(QStringLiteral("refusal"));
  refusal_->setWordWrap(true);
  refusal_->setStyleSheet(QStringLiteral("color: #B00000"));
}

QString ModelForm::refusalText() const { return refusal_->text(); }

void ModelForm::finish(const FormButtons& buttons, bool screenHigh) {
  auto* root = static_cast<QVBoxLayout*>(layout());
  root->addWidget(refusal_);
  auto* row = new QHBoxLayout();
  row->setSpacing(kMargin * scale_ / 2);
  QPushButton* ok = addButton(*row, this, QStringLiteral("확인"), QStringLiteral("ok"));
  ok->setDefault(true);
  connect(ok, &QPushButton::clicked, this, [this] { runButton([this] { pressOk(); }); });
  QPushButton* cancel = addButton(*row, this, QStringLiteral("취소"), QStringLiteral("cancel"));
  connect(cancel, &QPushButton::clicked, this, &ModelForm::reject);
  if (buttons.continueShown) {
    QPushButton* next = addButton(*row, this, QStringLiteral("계속등록"), QStringLiteral("continue"));
    connect(next, &QPushButton::clicked, this, [this] { runButton([this] { pressContinue(); }); });
  }
  if (buttons.calculator) {
    QPushButton* calculator = addButton(*row, this, QStringLiteral("계산"), QStringLiteral("calculator"));
    connect(calculator, &QPushButton::clicked, this, buttons.calculator);
  }
  for (int i = 0; i < row->count(); ++i) {
    // The buttons share the screen's width equally, whatever their texts' natural widths.
    if (auto* button = qobject_cast<QPushButton*>(row->itemAt(i)->widget())) {
      button->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
      button->setMinimumWidth(button->fontMetrics().horizontalAdvance(button->text()) + 2 * scale_);
    }
  }
  if (inputMode_) row->addWidget(inputMode_);
  root->addLayout(row);
  draw();
  resize(kLayoutWidth * scale_, screenHigh ? kLayoutHeight * scale_ : sizeHint().height());
  if (QWidget* field = modelFocusWidget()) field->setFocus(Qt::OtherFocusReason);
}

void ModelForm::change(const std::function<void()>& call) {
  if (drawing_) return;
  refusal_->clear();
  call();
  draw();
}

void ModelForm::draw() {
  drawing_ = true;
  redraw();
  drawing_ = false;
}

void ModelForm::runButton(const std::function<void()>& press) {
  refusal_->clear();
  press();
  draw();
  if (modelClosed()) {
    accept();
    return;
  }
  // A refused save, or the next record after "계속등록": the field the model names.
  if (QWidget* field = modelFocusWidget()) field->setFocus(Qt::OtherFocusReason);
}

void ModelForm::reject() {
  pressCancel();
  QDialog::reject();
}

void ModelForm::refuse(QWidget* field, const QString& reason) {
  refusal_->setText(reason);
  QToolTip::showText(field->mapToGlobal(QPoint(0, field->height())), reason, field);
}

void ModelForm::watchRefusals(TextFieldValidator* validator, QWidget* field) {
  connect(validator, &TextFieldValidator::refused, this, [this, field](const QString& reason) { refuse(field, reason); });
}

QLineEdit* ModelForm::textField(TextRefusal refusal, std::function<void(const std::string&)> set) {
  auto* field = new QLineEdit(this);
  auto* validator = new TextFieldValidator(std::move(refusal), field);
  field->setValidator(validator);
  watchRefusals(validator, field);
  connect(field, &QLineEdit::textChanged, this,
          [this, set = std::move(set)](const QString& text) { change([&] { set(text.toStdString()); }); });
  return field;
}

QComboBox* ModelForm::choiceField(std::function<void(int)> choose) {
  auto* box = new QComboBox(this);
  keepNarrow(*box);
  connect(box, &QComboBox::currentIndexChanged, this,
          [this, choose = std::move(choose)](int row) { change([&] { choose(row); }); });
  return box;
}

QComboBox* ModelForm::editableChoiceField(TextRefusal refusal, std::function<void(const std::string&)> set) {
  auto* box = new QComboBox(this);
  keepNarrow(*box);
  box->setEditable(true);
  box->setInsertPolicy(QComboBox::NoInsert);
  // What is typed stays as typed: no completion from the earlier values.
  box->setCompleter(nullptr);
  auto* validator = new TextFieldValidator(std::move(refusal), box);
  box->setValidator(validator);
  watchRefusals(validator, box);
  // A picked item lands in the edit too, so the edit's text is all the model needs.
  connect(box->lineEdit(), &QLineEdit::textChanged, this,
          [this, set = std::move(set)](const QString& text) { change([&] { set(text.toStdString()); }); });
  return box;
}

QPlainTextEdit* ModelForm::noteField(std::size_t maxChars, std::function<std::string()> get,
                                     std::function<void(const std::string&)> set) {
  auto* field = new QPlainTextEdit(this);
  field->setTabChangesFocus(true);
  field->setMinimumHeight(field->fontMetrics().lineSpacing() * kNoteLines + 2 * kMargin * scale_);
  field->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
  connect(field, &QPlainTextEdit::textChanged, this, [this, field, maxChars, get = std::move(get), set = std::move(set)] {
    if (drawing_) return;
    const std::string typed = field->toPlainText().toStdString();
    if (const std::optional<std::string> refusal = textFieldRefusal(typed, maxChars)) {
      // The keystroke is taken back: the text the model keeps, the cursor where it was.
      const QString kept = qtText(get());
      const int cursor = field->textCursor().position() - (field->toPlainText().size() - kept.size());
      drawing_ = true;
      field->setPlainText(kept);
      QTextCursor at = field->textCursor();
      at.setPosition(std::clamp(cursor, 0, static_cast<int>(kept.size())));
      field->setTextCursor(at);
      drawing_ = false;
      refuse(field, QString::fromStdString(*refusal));
      return;
    }
    change([&] { set(typed); });
  });
  return field;
}

QDateEdit* ModelForm::dateField(std::function<void(const std::string&)> set) {
  auto* field = new QDateEdit(this);
  field->setDisplayFormat(kDateFormat);
  field->setCalendarPopup(true);
  field->setDateRange(QDate(1841, 1, 1), QDate(2050, 12, 31));
  connect(field, &QDateEdit::dateChanged, this, [this, set = std::move(set)](QDate date) {
    change([&] { set(date.toString(kDateFormat).toStdString()); });
  });
  return field;
}

RadioField ModelForm::radioField(const std::vector<QString>& texts, std::function<void(int)> choose) {
  RadioField field;
  field.row = new QWidget(this);
  auto* grid = new QGridLayout(field.row);
  grid->setContentsMargins(0, 0, 0, 0);
  grid->setHorizontalSpacing(scale_);
  grid->setVerticalSpacing(0);
  // Four kinds do not fit the screen's width in one row: they take two.
  const std::size_t perRow = texts.size() <= kRadiosInOneRow ? texts.size() : (texts.size() + 1) / 2;
  for (std::size_t i = 0; i < texts.size(); ++i) {
    auto* button = new QRadioButton(texts[i], field.row);
    connect(button, &QRadioButton::toggled, this, [this, i, choose](bool checked) {
      if (checked) change([&] { choose(static_cast<int>(i)); });
    });
    grid->addWidget(button, static_cast<int>(i / perRow), static_cast<int>(i % perRow));
    field.buttons.push_back(button);
  }
  grid->setColumnStretch(static_cast<int>(perRow), 1);
  return field;
}

QWidget* ModelForm::sideBySide(const std::vector<QWidget*>& widgets, const QString& between) {
  auto* holder = new QWidget(this);
  auto* row = new QHBoxLayout(holder);
  row->setContentsMargins(0, 0, 0, 0);
  row->setSpacing(kMargin * scale_ / 2);
  for (std::size_t i = 0; i < widgets.size(); ++i) {
    if (i > 0 && !between.isEmpty()) row->addWidget(new QLabel(between, holder));
    widgets[i]->setParent(holder);
    row->addWidget(widgets[i], 1);
  }
  return holder;
}

void ModelForm::onFocus(QWidget* widget, std::function<void()> call) {
  widget->installEventFilter(this);
  focusCalls_.emplace_back(widget, std::move(call));
}

bool ModelForm::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::FocusIn) {
    for (const auto& [widget, call] : focusCalls_) {
      if (widget == watched) change(call);
    }
  }
  return QDialog::eventFilter(watched, event);
}

void ModelForm::addInputModeSwitch(QWidget* field, bool latin, std::function<void(bool)> set) {
  inputMode_ = new QToolButton(this);
  inputMode_->setObjectName(QStringLiteral("inputMode"));
  inputMode_->setCheckable(true);
  inputMode_->setToolTip(QStringLiteral("한글/영문 입력"));
  inputMode_->setFocusPolicy(Qt::NoFocus);
  const auto show = [this, field](bool latinNow) {
    inputMode_->setText(latinNow ? kLatinMark : kHangulMark);
    field->setInputMethodHints(latinNow ? Qt::ImhPreferLatin : Qt::ImhNone);
    if (field->hasFocus()) QGuiApplication::inputMethod()->update(Qt::ImHints);
  };
  inputMode_->setChecked(latin);
  show(latin);
  connect(inputMode_, &QToolButton::toggled, this, [show, set = std::move(set)](bool latinNow) {
    set(latinNow);
    show(latinNow);
  });
}

void drawChoices(QComboBox& box, const std::vector<std::string>& items, int selected) {
  bool same = box.count() == static_cast<int>(items.size());
  for (int i = 0; same && i < box.count(); ++i) same = box.itemText(i) == qtText(items[static_cast<std::size_t>(i)]);
  if (!same) {
    box.clear();
    for (const std::string& item : items) box.addItem(qtText(item));
  }
  if (box.currentIndex() != selected) box.setCurrentIndex(selected);
}

void drawChoices(QComboBox& box, const ChoiceList& list) { drawChoices(box, list.items, list.selected); }

void drawEditableChoices(QComboBox& box, const std::vector<std::string>& items, int selected,
                         const std::string& text) {
  drawChoices(box, items, selected);
  if (box.currentText() != qtText(text)) box.setEditText(qtText(text));
}

void drawText(QLineEdit& field, const std::string& text) {
  if (field.text() != qtText(text)) field.setText(qtText(text));
}

void drawNote(QPlainTextEdit& field, const std::string& text) {
  if (field.toPlainText() != qtText(text)) field.setPlainText(qtText(text));
}

void drawDate(QDateEdit& field, const std::string& date) {
  const QDate shown = QDate::fromString(qtText(date), kDateFormat);
  if (shown.isValid() && shown != field.date()) field.setDate(shown);
}

void drawRadios(const RadioField& field, int checked) {
  for (std::size_t i = 0; i < field.buttons.size(); ++i) {
    if (static_cast<int>(i) == checked && !field.buttons[i]->isChecked()) field.buttons[i]->setChecked(true);
  }
}

void showRow(QFormLayout& fields, QWidget* field, bool shown) { fields.setRowVisible(field, shown); }

}  // namespace coinest::qt
