#pragma once

// A benchmark's setup must not go on from a write that failed: its timings would measure nothing.

#include <cstdio>
#include <cstdlib>

#include "platform/status.h"

namespace coinest {

inline void requireOk(const Status& status) {
  if (status) return;
  std::fprintf(stderr, "benchmark setup failed: %s\n", status.reason().c_str());
  std::abort();
}

inline void requireOk(bool done) {
  if (done) return;
  std::fprintf(stderr, "benchmark setup failed\n");
  std::abort();
}

}  // namespace coinest
