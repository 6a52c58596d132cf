#pragma once

// The holiday table is rebuilt once after the program is installed over an existing book, so that
// a book kept by an older program gets this program's holidays. The registry value
// "Coinest ChangeRest" under "HKEY_LOCAL_MACHINE\SOFTWARE\Brivanta_Coinest" records that it was done.

#include <filesystem>
#include <string_view>

#include "platform/object_store.h"
#include "platform/status.h"

namespace coinest {

inline constexpr std::string_view kHolidayRefreshKey = "HKEY_LOCAL_MACHINE\\SOFTWARE\\Brivanta_Coinest";
inline constexpr std::string_view kHolidayRefreshValue = "Coinest ChangeRest";

struct HolidayRefresh {
  bool rebuilt = false;  // the holiday table was dropped, made again and seeded
  Status status;         // a failure to rebuild the table (the book keeps its old one)
};

// At start, for a book that existed before this start: when the registry value is missing or
// empty, writes it as "0" and rebuilds the holiday table in one transaction. A value that cannot
// be written is no failure: the refresh then simply runs again at the next start.
HolidayRefresh refreshHolidaysOnce(ObjectStore& store, const std::filesystem::path& root, bool bookExisted);

}  // namespace coinest
