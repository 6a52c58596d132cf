#include "qt/text_field_validator.h"

#include "platform/text_field.h"

namespace coinest::qt {

QValidator::State TextFieldValidator::validate(QString& input, int&) const {
  const std::string typed = input.toStdString();
  return fitTextField(typed, maxChars_) == typed ? Acceptable : Invalid;
}

}  // namespace coinest::qt
