#include "qt/shell_dialogs.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QVBoxLayout>

#include "qt/qt_style.h"
#include "qt/text_field_validator.h"

namespace coinest::qt {
namespace {

// A dialog with OK ("확인") and Cancel ("취소") under `body`; OK calls `pressOk`, which says
// whether the model closed.
class ModelDialog : public QDialog {
 public:
  ModelDialog(QWidget* parent, const QString& title, int scale) : QDialog(parent) {
    setWindowTitle(title);
    setFont(viewFont(kViewFontPixels, false, scale));
    layout_ = new QVBoxLayout(this);
  }
  QVBoxLayout* body() { return layout_; }
  void addButtons(std::function<bool()> pressOk, std::function<void()> pressCancel) {
    auto* buttons = new QDialogButtonBox(this);
    QPushButton* ok = buttons->addButton(QStringLiteral("확인"), QDialogButtonBox::AcceptRole);
    buttons->addButton(QStringLiteral("취소"), QDialogButtonBox::RejectRole);
    ok->setDefault(true);
    connect(buttons, &QDialogButtonBox::accepted, this, [this, pressOk] {
      if (pressOk()) accept();
    });
    connect(buttons, &QDialogButtonBox::rejected, this, [this, pressCancel] {
      pressCancel();
      reject();
    });
    layout_->addWidget(buttons);
  }
  // Closing the window is Cancel.
  std::function<void()> onClosed;
  void reject() override {
    if (onClosed) onClosed();
    QDialog::reject();
  }

 private:
  QVBoxLayout* layout_;
};

QLineEdit* passwordField(QWidget* parent, const std::string& text) {
  auto* field = new QLineEdit(qtText(text), parent);
  field->setEchoMode(QLineEdit::Password);
  field->setMaxLength(static_cast<int>(kPasswordMaxChars));
  field->setValidator(new TextFieldValidator(kPasswordMaxChars, field));
  return field;
}

QComboBox* dropDown(QWidget* parent, const std::vector<std::string>& texts, int selected) {
  auto* box = new QComboBox(parent);
  for (const std::string& text : texts) box->addItem(qtText(text));
  box->setCurrentIndex(selected);
  return box;
}

}  // namespace

void execLoginDialog(QWidget* parent, LoginDialog& model, int scale) {
  ModelDialog dialog(parent, QStringLiteral("로그인"), scale);
  dialog.body()->addWidget(new QLabel(QStringLiteral("비밀번호"), &dialog));
  QLineEdit* password = passwordField(&dialog, {});
  dialog.body()->addWidget(password);
  dialog.addButtons(
      [&] {
        model.pressOk(password->text().toStdString());
        if (!model.closed()) {
          password->selectAll();
          password->setFocus();
        }
        return model.closed();
      },
      [&] { model.pressCancel(); });
  dialog.onClosed = [&] { model.pressCancel(); };
  dialog.exec();
}

void execSettingsDialog(QWidget* parent, SettingsDialog& model, int scale) {
  ModelDialog dialog(parent, QStringLiteral("가계부환경"), scale);
  auto* frame = new QGroupBox(QStringLiteral("가계부 환경설정"), &dialog);
  auto* form = new QFormLayout(frame);
  auto* loginPrompt = new QCheckBox(QStringLiteral("로그인시 비밀번호 확인창 표시"), &dialog);
  loginPrompt->setChecked(model.form.loginPrompt);
  QLineEdit* password = passwordField(&dialog, model.form.password);
  QLineEdit* confirmation = passwordField(&dialog, model.form.confirmation);
  auto* showUsedOnly = new QCheckBox(QStringLiteral("결산시 내역이 있는 항목만 보이기"), &dialog);
  showUsedOnly->setChecked(model.form.showUsedOnly);
  QComboBox* startDay = dropDown(&dialog, settlementStartDayTexts(), model.form.startDayIndex);
  auto* autoCarryOver = new QCheckBox(QStringLiteral("자동으로 전월이월 처리하기"), &dialog);
  autoCarryOver->setChecked(model.form.autoCarryOver);
  form->addRow(loginPrompt);
  form->addRow(QStringLiteral("비밀번호:"), password);
  form->addRow(QStringLiteral("확인번호:"), confirmation);
  form->addRow(showUsedOnly);
  form->addRow(QStringLiteral("결산 시작일:"), startDay);
  form->addRow(autoCarryOver);
  dialog.body()->addWidget(frame);

  const auto enablePasswords = [&] {
    model.form.loginPrompt = loginPrompt->isChecked();
    password->setEnabled(model.form.passwordFieldsEnabled());
    confirmation->setEnabled(model.form.passwordFieldsEnabled());
  };
  enablePasswords();
  QObject::connect(loginPrompt, &QCheckBox::toggled, &dialog, enablePasswords);
  dialog.addButtons(
      [&] {
        model.form.loginPrompt = loginPrompt->isChecked();
        model.form.password = password->text().toStdString();
        model.form.confirmation = confirmation->text().toStdString();
        model.form.showUsedOnly = showUsedOnly->isChecked();
        model.form.startDayIndex = startDay->currentIndex();
        model.form.autoCarryOver = autoCarryOver->isChecked();
        model.pressOk();
        if (!model.closed()) password->setFocus();
        return model.closed();
      },
      [&] { model.pressCancel(); });
  dialog.onClosed = [&] { model.pressCancel(); };
  dialog.exec();
}

void execYearMonthDialog(QWidget* parent, YearMonthDialog& model, int scale) {
  ModelDialog dialog(parent, QStringLiteral("년월 바로가기"), scale);
  auto* row = new QHBoxLayout();
  auto* year = new QLineEdit(qtText(model.form.yearText), &dialog);
  year->setMaxLength(static_cast<int>(kYearFieldMaxChars));
  year->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), year));
  QComboBox* month = dropDown(&dialog, monthListTexts(), model.form.monthIndex);
  row->addWidget(year);
  row->addWidget(new QLabel(QStringLiteral("년"), &dialog));
  row->addWidget(month);
  row->addWidget(new QLabel(QStringLiteral("월"), &dialog));
  dialog.body()->addLayout(row);
  dialog.addButtons(
      [&] {
        model.form.yearText = year->text().toStdString();
        model.form.monthIndex = month->currentIndex();
        model.pressOk();
        if (!model.closed()) year->setFocus();
        return model.closed();
      },
      [&] { model.pressCancel(); });
  dialog.onClosed = [&] { model.pressCancel(); };
  dialog.exec();
}

void execAboutBox(QWidget* parent, int scale) {
  QDialog dialog(parent);
  dialog.setWindowTitle(QStringLiteral("Brivanta 가계부 정보"));
  auto* layout = new QVBoxLayout(&dialog);
  auto* title = new QLabel(QStringLiteral("Brivanta 가계부"), &dialog);
  title->setFont(viewFont(kEmphasisFontPixels, true, scale));
  auto* build = new QLabel(QStringLiteral("(빌드 20503)"), &dialog);
  build->setFont(viewFont(kViewFontPixels, false, scale));
  for (QLabel* label : {title, build}) {
    label->setAlignment(Qt::AlignCenter);
    layout->addWidget(label);
  }
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, &dialog);
  buttons->button(QDialogButtonBox::Ok)->setText(QStringLiteral("OK"));
  QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
  layout->addWidget(buttons);
  dialog.exec();
}

}  // namespace coinest::qt
