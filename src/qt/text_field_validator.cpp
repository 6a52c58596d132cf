#include "qt/text_field_validator.h"

#include "platform/text_field.h"

namespace coinest::qt {

TextFieldValidator::TextFieldValidator(std::size_t maxChars, QObject* parent)
    : QValidator(parent), refusal_([maxChars](std::string_view text) { return textFieldRefusal(text, maxChars); }) {}

QValidator::State TextFieldValidator::validate(QString& input, int&) const {
  const std::optional<std::string> refusal = refusal_(input.toStdString());
  if (!refusal) return Acceptable;
  // validate() is const for QValidator's sake; telling the refusal changes no state of ours.
  emit const_cast<TextFieldValidator*>(this)->refused(QString::fromStdString(*refusal));
  return Invalid;
}

}  // namespace coinest::qt
