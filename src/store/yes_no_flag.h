#pragma once

// The one-letter flags of the records: an entry's card, phone and check-card flags, a minor
// category's in-use flag, the yes/no settings. The program writes kYes or kNo. It reads kYes as
// yes and anything else (empty, kNo, a letter a foreign file made up) as no, in every rule alike,
// so an entry means the same to its balance effects, the views, the settlement and the queries.

#include <string_view>

namespace coinest {

inline constexpr char kYes[] = "Y";
inline constexpr char kNo[] = "N";

inline bool isYes(std::string_view flag) { return flag == kYes; }

}  // namespace coinest
