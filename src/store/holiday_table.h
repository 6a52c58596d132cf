#pragma once

// Looking up the holiday rows of "CoinestRest".

#include <optional>
#include <string>
#include <string_view>

#include "store/book.h"

namespace coinest {

// The name of the holiday on this date ("YYYY-MM-DD"), which is empty for the days beside 설날
// and 추석; nothing when the date is no holiday or the table cannot be opened. Of two holidays on
// one day, the one stored first.
std::optional<std::string> holidayNameOf(Book& book, std::string_view date);

}  // namespace coinest
