#pragma once

// The check of a date given on the command line, for CLI11's check().

#include <string>

namespace coinest::cli {

// Empty when `text` is a real calendar date written "YYYY-MM-DD"; otherwise why it is not.
std::string checkDateOption(const std::string& text);

}  // namespace coinest::cli
