#include "platform/file_result.h"

#include <cerrno>
#include <system_error>

namespace coinest {

bool isDiskFull(int error) { return error == ENOSPC || error == EDQUOT; }

std::string diskFullText(std::string_view systemText) {
  return "디스크 공간이 부족합니다 (" + std::string(systemText) + ")";
}

Status fileFailure(std::string_view what, int error) {
  const std::string system = std::generic_category().message(error);
  return Status::failure(std::string(what) + ": " + (isDiskFull(error) ? diskFullText(system) : system));
}

}  // namespace coinest
