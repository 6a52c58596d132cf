#include "platform/text_field.h"

#include "platform/code_page.h"
#include "platform/utf8_text.h"

namespace coinest {

namespace {

// The characters of a UTF-8 text one by one (a stray byte counts as one).
template <typename Visit>
void eachCharacter(std::string_view text, Visit visit) {
  while (!text.empty()) {
    const std::string_view one = utf8Prefix(text, 1);
    if (!visit(one)) return;
    text.remove_prefix(one.size());
  }
}

}  // namespace

std::optional<std::string> textFieldRefusal(std::string_view text, std::size_t maxChars) {
  std::optional<std::string> refusal;
  eachCharacter(text, [&](std::string_view one) {
    if (canEncodeInCp949(one)) return true;
    refusal = "'" + std::string(one) + "' 문자는 가계부에 저장할 수 없습니다";
    return false;
  });
  if (!refusal && utf8Length(text) > maxChars) refusal = std::to_string(maxChars) + "자까지 입력할 수 있습니다";
  return refusal;
}

std::string fitTextField(std::string_view typed, std::size_t maxChars) {
  std::string kept;
  std::size_t count = 0;
  eachCharacter(typed, [&](std::string_view one) {
    if (count == maxChars) return false;
    if (canEncodeInCp949(one)) {
      kept += one;
      ++count;
    }
    return true;
  });
  return kept;
}

}  // namespace coinest
