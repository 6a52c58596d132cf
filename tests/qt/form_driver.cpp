#include "form_driver.h"

#include <QApplication>
#include <QComboBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QTimer>

#include <gtest/gtest.h>

namespace coinest::qt::form_testing {
namespace {

constexpr int kTickMs = 5;
// A form still open this many turns after its last step is closed, and the test fails.
constexpr int kLingeringTicks = 400;

}  // namespace

FormRun driveForm(const std::function<void()>& open, std::vector<FormStep> steps) {
  FormRun run;
  std::size_t next = 0;
  int lingering = 0;
  QTimer tick;
  QObject::connect(&tick, &QTimer::timeout, [&] {
    QWidget* modal = QApplication::activeModalWidget();
    if (auto* box = qobject_cast<QMessageBox*>(modal)) {
      run.messages.push_back(box->text());
      box->accept();
      return;
    }
    auto* form = qobject_cast<QDialog*>(modal);
    if (!form) return;
    if (next < steps.size()) {
      steps[next++](*form);
      return;
    }
    if (++lingering == kLingeringTicks) {
      ADD_FAILURE() << "the form stayed open after its last step";
      form->reject();
    }
  });
  tick.start(kTickMs);
  open();
  run.allStepsRan = next == steps.size();
  return run;
}

QWidget* fieldOf(QDialog& form, const QString& label) {
  auto* fields = form.findChild<QFormLayout*>();
  if (!fields) return nullptr;
  QWidget* hidden = nullptr;
  for (int row = 0; row < fields->rowCount(); ++row) {
    QLayoutItem* labelItem = fields->itemAt(row, QFormLayout::LabelRole);
    QLayoutItem* fieldItem = fields->itemAt(row, QFormLayout::FieldRole);
    auto* shown = labelItem ? qobject_cast<QLabel*>(labelItem->widget()) : nullptr;
    if (!shown || !fieldItem || shown->text() != label) continue;
    if (fieldItem->widget()->isVisibleTo(&form)) return fieldItem->widget();
    if (!hidden) hidden = fieldItem->widget();
  }
  return hidden;
}

QAbstractButton* buttonOf(QWidget& within, const QString& text) {
  for (QAbstractButton* button : within.findChildren<QAbstractButton*>()) {
    if (button->text() == text) return button;
  }
  return nullptr;
}

void click(QAbstractButton* button) {
  ASSERT_NE(button, nullptr);
  QMetaObject::invokeMethod(button, &QAbstractButton::click, Qt::QueuedConnection);
}

void type(QWidget* field, const QString& text) {
  ASSERT_NE(field, nullptr);
  auto* edit = qobject_cast<QLineEdit*>(field);
  if (auto* box = qobject_cast<QComboBox*>(field)) edit = box->lineEdit();
  ASSERT_NE(edit, nullptr);
  for (const char32_t one : text.toUcs4()) edit->insert(QString::fromUcs4(&one, 1));
}

bool focusIsOn(QDialog& form, QWidget* field) {
  QWidget* focus = form.focusWidget();
  return focus && field && (focus == field || field->isAncestorOf(focus));
}

QString refusalOf(QDialog& form) {
  auto* line = form.findChild<QLabel*>(QStringLiteral("refusal"));
  return line ? line->text() : QString();
}

void savePicture(QDialog& form, const QString& name) {
  const QString folder = qEnvironmentVariable("COINEST_FORM_PNG_DIR");
  if (!folder.isEmpty()) form.grab().save(folder + QStringLiteral("/") + name + QStringLiteral(".png"));
}

}  // namespace coinest::qt::form_testing
