#include "calendar/typed_text.h"

#include "platform/utf8_text.h"

namespace coinest {

std::string trimTypedText(std::string_view utf8) {
  const std::string_view text = utf8Prefix(utf8, kTypedTextMaxChars);
  const std::size_t first = text.find_first_not_of(' ');
  if (first == std::string_view::npos) return {};
  const std::size_t last = text.find_last_not_of(' ');
  return std::string(text.substr(first, last - first + 1));
}

}  // namespace coinest
