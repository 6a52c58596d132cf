#pragma once

// Instalments of a credit-card expense: entry 1 is the entry itself, rows 2 to n follow monthly.

#include <cstdint>
#include <string>
#include <string_view>

namespace coinest {

// The amount billed for instalment k (1 to n) of `amount` in n instalments: the whole quotient
// for 1 to n-1, the rest for n. With n 0 or 1 the amount is billed whole.
int32_t instalmentAmount(int32_t amount, int32_t count, int32_t k);

// The date text of instalment k: the entry's year and month advanced by k-1 months, its day
// unchanged (so it may name the 31st of February).
std::string instalmentDate(std::string_view entryDate, int32_t k);

}  // namespace coinest
