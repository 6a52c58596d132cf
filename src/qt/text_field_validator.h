#pragma once

// A dialog's text field refuses, as it is typed, a character the code page lacks and any
// character beyond the field's length, as the book's text fields do (platform/text_field.h).

#include <QValidator>

#include <cstddef>

namespace coinest::qt {

class TextFieldValidator : public QValidator {
  Q_OBJECT
 public:
  TextFieldValidator(std::size_t maxChars, QObject* parent) : QValidator(parent), maxChars_(maxChars) {}
  State validate(QString& input, int& position) const override;

 private:
  std::size_t maxChars_;
};

}  // namespace coinest::qt
