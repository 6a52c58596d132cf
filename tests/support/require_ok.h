#pragma once

// A test book or a benchmark's book must not be built on from a write that failed: what is
// measured or checked on it afterwards would mean nothing.

#include <cstdio>
#include <cstdlib>

#include "platform/status.h"

namespace coinest {

inline void requireOk(const Status& status) {
  if (status) return;
  std::fprintf(stderr, "building a test book failed: %s\n", status.reason().c_str());
  std::abort();
}

inline void requireOk(bool done) {
  if (done) return;
  std::fprintf(stderr, "building a test book failed\n");
  std::abort();
}

}  // namespace coinest
