#pragma once

#include <string>
#include <string_view>

namespace coinest {

// The outcome of a file operation: ok, or what failed and why ("cannot rename ... : Permission
// denied").
struct FileResult {
  bool ok = true;
  std::string reason;
  explicit operator bool() const { return ok; }
};

// The failure `what`, with the text of the system's error number `error` appended. A disk or
// quota that is full says so in words the window's user reads (diskFullText).
FileResult fileFailure(std::string_view what, int error);

// Whether the system's error number `error` means no space is left (a full disk or quota).
bool isDiskFull(int error);

// "디스크 공간이 부족합니다": what every failure for want of space says, after the path it concerns.
std::string diskFullText(std::string_view systemText);

}  // namespace coinest
