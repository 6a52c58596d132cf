#pragma once

// A year typed into a year field (the year-month dialog's, the card query's): four digits from
// 1841 to 2050, the years the calendar knows.

#include <cstddef>
#include <optional>
#include <string_view>

namespace coinest {

inline constexpr std::size_t kYearFieldMaxChars = 4;
inline constexpr std::string_view kYearMalformedMessage = "년도 자료가 올바르지 않습니다";
inline constexpr std::string_view kYearOutOfRangeMessage =
    "년도 자료가 유효하지 않습니다\n(1841년에서 2050년까지만 유효함)";

// The year, or the message that refuses it (caption "오류"): trimmed, anything but four digits
// is kYearMalformedMessage (a text such as "19a5" sorts inside the range but names no year), a
// year before 1841 or after 2050 kYearOutOfRangeMessage.
struct TypedYear {
  std::optional<int> year;
  std::string_view refusal;  // empty when year holds one
};
TypedYear readTypedYear(std::string_view typed);

}  // namespace coinest
