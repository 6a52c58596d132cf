#pragma once

// The instalment count of a credit-card expense (`instalments` of an entry or a reservation):
// 0 not chosen and 1 a lump sum, both paid at once; 2 to kMaxInstalments monthly instalments.

#include <cstdint>

namespace coinest {

inline constexpr int32_t kMaxInstalments = 24;

// Whether `count` is a count the program can hold: 0 to kMaxInstalments.
constexpr bool validInstalments(int32_t count) { return count >= 0 && count <= kMaxInstalments; }

// Whether a record read from outside holds a valid count: entries and reservations hold one,
// every other record passes.
template <class R>
constexpr bool instalmentsValid(const R& record) {
  if constexpr (requires { record.instalments; }) {
    return validInstalments(record.instalments);
  } else {
    return true;
  }
}

}  // namespace coinest
