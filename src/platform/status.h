#pragma once

// The result of an operation that may fail: done, or failed with a reason a user can read.
// [[nodiscard]]: a result dropped on the floor is a failure nobody hears of, so the compiler says so.

#include <string>
#include <utility>

namespace coinest {

class [[nodiscard]] Status {
 public:
  static Status ok() { return Status(); }
  static Status failure(std::string reason) {
    Status status;
    status.failed_ = true;
    status.reason_ = std::move(reason);
    return status;
  }

  bool isOk() const { return !failed_; }
  explicit operator bool() const { return !failed_; }
  // Empty when the operation was done.
  const std::string& reason() const { return reason_; }

 private:
  bool failed_ = false;
  std::string reason_;
};

}  // namespace coinest
