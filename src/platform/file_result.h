#pragma once

// File operations report as every operation does, with a Status: done, or what failed and why
// ("cannot rename ... : Permission denied").

#include <string>
#include <string_view>

#include "platform/status.h"

namespace coinest {

// The failure `what`, with the text of the system's error number `error` appended. A disk or
// quota that is full says so in words the window's user reads (diskFullText).
Status fileFailure(std::string_view what, int error);

// Whether the system's error number `error` means no space is left (a full disk or quota).
bool isDiskFull(int error);

// "디스크 공간이 부족합니다": what every failure for want of space says, after the path it concerns.
std::string diskFullText(std::string_view systemText);

}  // namespace coinest
