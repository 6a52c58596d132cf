#pragma once

// Drives a dialog's form as its user would, offscreen. `open` runs the form modally; each step
// acts on the form once it is up, one step per turn of the event loop, so a button's click that
// brings a message box has ended before the box is answered. Every message box that comes
// meanwhile is read and acknowledged.

#include <QAbstractButton>
#include <QDialog>
#include <QString>
#include <QStringList>

#include <functional>
#include <vector>

namespace coinest::qt::form_testing {

using FormStep = std::function<void(QDialog& form)>;

struct FormRun {
  QStringList messages;      // the message boxes' texts, in order
  bool allStepsRan = false;  // false: the form closed before its last step
};

FormRun driveForm(const std::function<void()>& open, std::vector<FormStep> steps);

// The field of the form's row labelled `label`, a shown row first; nullptr when no row has that
// label.
QWidget* fieldOf(QDialog& form, const QString& label);
template <typename Widget>
Widget* fieldOf(QDialog& form, const QString& label) {
  return qobject_cast<Widget*>(fieldOf(form, label));
}
// The radio button or push button showing `text` within `within`.
QAbstractButton* buttonOf(QWidget& within, const QString& text);
// Clicks as the user does; the click runs once the current step has ended.
void click(QAbstractButton* button);
// Types `text` at the cursor of a text field (a line edit, or an editable drop-down's edit), as
// keystrokes are taken: through the field's validator.
void type(QWidget* field, const QString& text);
// Whether the form's keyboard focus is on `field` or within it.
bool focusIsOn(QDialog& form, QWidget* field);
// The form's refusal line.
QString refusalOf(QDialog& form);
// Saves a picture of the form as `name`.png into $COINEST_FORM_PNG_DIR, when that is set.
void savePicture(QDialog& form, const QString& name);

}  // namespace coinest::qt::form_testing
