#pragma once

// A dialog's text field refuses, as it is typed, a character the code page lacks and any
// character beyond the field's length, as the book's text fields do (platform/text_field.h).
// A field whose model says more (an amount of digits only) gives its own refusal instead. Each
// refused keystroke is announced with the reason, for the form to show.

#include <QValidator>

#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace coinest::qt {

// Why a text cannot stand in the field; nothing when it can.
using TextRefusal = std::function<std::optional<std::string>(std::string_view)>;

class TextFieldValidator : public QValidator {
  Q_OBJECT
 public:
  // The code page and `maxChars` characters.
  TextFieldValidator(std::size_t maxChars, QObject* parent);
  TextFieldValidator(TextRefusal refusal, QObject* parent) : QValidator(parent), refusal_(std::move(refusal)) {}
  State validate(QString& input, int& position) const override;

 signals:
  // A text was refused; `reason` says why.
  void refused(const QString& reason);

 private:
  TextRefusal refusal_;
};

}  // namespace coinest::qt
