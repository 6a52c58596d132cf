#pragma once

// The form of a recording dialog over its model. The model holds every rule: the form forwards
// each change the user makes to a model method and then draws the whole model again (values,
// lists and their selections, what is shown, labels). Its buttons press the model's "확인",
// "계속등록" and "취소"; the form closes once the model says it is closed, and after a refused
// save the keyboard focus goes to the field the model names. A typed character a text field
// cannot hold is refused as it is typed, and the form says why on its refusal line.

#include <QDialog>

#include <cstddef>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "dialogs/choice_list.h"
#include "qt/text_field_validator.h"

class QComboBox;
class QDateEdit;
class QFormLayout;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QRadioButton;
class QToolButton;

namespace coinest::qt {

// Radio buttons in one row; `row` is what the form lays out.
struct RadioField {
  QWidget* row = nullptr;
  std::vector<QRadioButton*> buttons;
};

// The button row under the fields.
struct FormButtons {
  bool continueShown = false;        // "계속등록"
  std::function<void()> calculator;  // "계산"; empty: no such button
};

class ModelForm : public QDialog {
  Q_OBJECT
 public:
  // The text of the refusal line: why the last typed text was refused (empty after a kept change).
  QString refusalText() const;

 protected:
  // A form 240 layout pixels wide, times `scale`.
  ModelForm(QWidget* parent, const QString& title, int scale);

  // The fields, one row each, in their order on the dialog.
  QFormLayout* fields() const { return fields_; }
  // Adds the refusal line and the buttons and draws the model for the first time. A record
  // form is as high as the 320 pixels of the screen (higher when its fields need it), a
  // criteria form as its fields.
  void finish(const FormButtons& buttons, bool screenHigh);
  int scale() const { return scale_; }

  // What the model is asked. pressContinue is called only when "계속등록" is shown.
  virtual void pressOk() = 0;
  virtual void pressContinue() {}
  virtual void pressCancel() = 0;
  virtual bool modelClosed() const = 0;
  // Sets every widget from the model; the widgets' change signals are ignored meanwhile.
  virtual void redraw() = 0;
  // The widget of the field the model gives the focus; nullptr when it has none.
  virtual QWidget* modelFocusWidget() const { return nullptr; }

  // Runs a change the user made: `call` (a model method), then the model drawn again. Ignored
  // while the form draws, since then the change is the form's own.
  void change(const std::function<void()>& call);

  // The widgets, each wired to its model setter through change().
  QLineEdit* textField(TextRefusal refusal, std::function<void(const std::string&)> set);
  QComboBox* choiceField(std::function<void(int)> choose);
  // An editable drop-down: the text typed or picked goes to `set`.
  QComboBox* editableChoiceField(TextRefusal refusal, std::function<void(const std::string&)> set);
  // A multi-line note of at most `maxChars` characters; `get` gives the text the model keeps.
  QPlainTextEdit* noteField(std::size_t maxChars, std::function<std::string()> get,
                            std::function<void(const std::string&)> set);
  QDateEdit* dateField(std::function<void(const std::string&)> set);
  // One radio per text; checking the i-th calls `choose(i)`.
  RadioField radioField(const std::vector<QString>& texts, std::function<void(int)> choose);
  // The widgets in one row, with `between` (when not empty) as a label between each two.
  QWidget* sideBySide(const std::vector<QWidget*>& widgets, const QString& between = {});
  // `call` runs (through change()) whenever `widget` receives the keyboard focus.
  void onFocus(QWidget* widget, std::function<void()> call);
  // A switch between the Hangul and the Latin input mode of `field`, after the model's `latin`;
  // each switch goes to `set`.
  void addInputModeSwitch(QWidget* field, bool latin, std::function<void(bool)> set);

  bool eventFilter(QObject* watched, QEvent* event) override;
  void reject() override;

 private:
  void runButton(const std::function<void()>& press);
  void draw();
  void refuse(QWidget* field, const QString& reason);
  void watchRefusals(TextFieldValidator* validator, QWidget* field);

  int scale_;
  QFormLayout* fields_;
  QLabel* refusal_ = nullptr;
  QToolButton* inputMode_ = nullptr;
  std::vector<std::pair<QWidget*, std::function<void()>>> focusCalls_;
  bool drawing_ = false;
};

// A form over `Model`, whose buttons press the model's own: pressOk, pressCancel, closed() and,
// when the model has it, pressContinue.
template <typename Model>
class FormOver : public ModelForm {
 protected:
  FormOver(QWidget* parent, const QString& title, int scale, Model& model)
      : ModelForm(parent, title, scale), model_(model) {}

  void pressOk() override { model_.pressOk(); }
  void pressContinue() override {
    if constexpr (requires { model_.pressContinue(); }) model_.pressContinue();
  }
  void pressCancel() override { model_.pressCancel(); }
  bool modelClosed() const override { return model_.closed(); }

  Model& model_;
};

// Runs the form modally until it closes.
template <typename Form, typename... Args>
void execForm(Args&&... args) {
  Form form(std::forward<Args>(args)...);
  form.exec();
}

// Drawing helpers: each changes its widget only where it differs from the model, so the text
// being typed and its cursor stay.
void drawChoices(QComboBox& box, const std::vector<std::string>& items, int selected);
void drawChoices(QComboBox& box, const ChoiceList& list);
void drawEditableChoices(QComboBox& box, const std::vector<std::string>& items, int selected,
                         const std::string& text);
void drawText(QLineEdit& field, const std::string& text);
void drawNote(QPlainTextEdit& field, const std::string& text);
void drawDate(QDateEdit& field, const std::string& date);
void drawRadios(const RadioField& field, int checked);
// Shows or hides the row of `field` in `fields`.
void showRow(QFormLayout& fields, QWidget* field, bool shown);

}  // namespace coinest::qt
