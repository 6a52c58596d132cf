#include "cli/date_option.h"

#include "platform/clock.h"

namespace coinest::cli {

std::string checkDateOption(const std::string& text) {
  if (parseIsoDate(text.c_str())) return {};
  return "\"" + text + "\" is not a valid date of the form YYYY-MM-DD";
}

}  // namespace coinest::cli
