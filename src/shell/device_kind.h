#pragma once

// Which device the program runs on, from the device's information text: a few models had keys of
// their own (see the key handling of the page lists). On Linux the text is empty unless
// COINEST_OEM_INFO gives one, so the kind is 0.

#include <cstddef>
#include <string>
#include <string_view>

namespace coinest {

// The device's information text takes at most this many characters.
inline constexpr std::size_t kOemInfoMaxChars = 100;

enum class DeviceKind : int {
  Other = 0,
  Rw6100 = 1,     // "hp iPAQ rw6100"
  Cyberbank = 2,  // "CYBERBANK"
  Samsung = 3,    // begins with "SAMSUNG"
  Lg = 4,         // begins with "LG"
};

// The kind the text names; the tests run in the order of the enum, case counts.
DeviceKind deviceKindOf(std::string_view oemInfo);

// The device's information text: $COINEST_OEM_INFO cut to kOemInfoMaxChars characters, or empty.
std::string deviceOemInfo();

}  // namespace coinest
