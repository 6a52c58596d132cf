#pragma once

// The folder the desktop synchronisation service shares with the device, and the flag file by
// which the desktop companion switches the exchange on.

#include <filesystem>
#include <string_view>

#include "store/book.h"

namespace coinest {

inline constexpr std::string_view kExchangeFlagFileName = "ACTIVESYNC._as_";

// <root>/Windows/Activesync: the device's "\Windows\Activesync\".
std::filesystem::path exchangeFolderPath(const std::filesystem::path& root);

// The device root of the exchange folder `folder` (exchangeFolderPath's inverse).
std::filesystem::path deviceRootOfExchangeFolder(const std::filesystem::path& folder);

// Sets book.modes.exchangeEnabled when the flag file is in the folder; never clears it.
// Returns the mode as it stands afterwards.
bool checkExchangeFolder(Book& book, const std::filesystem::path& folder);

}  // namespace coinest
