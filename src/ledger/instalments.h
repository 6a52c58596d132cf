#pragma once

// Instalments of a credit-card expense: entry 1 is the entry itself, rows 2 to n follow monthly.

#include <cstdint>
#include <string>
#include <string_view>

namespace coinest {

// The instalments a stored count bills: a count above kMaxInstalments bills kMaxInstalments. The
// program never stores one, but a foreign file or an older book can, and nothing that walks the
// instalments of an entry may run on for months the program cannot bill (2,000,000,000 rows).
int32_t billedInstalments(int32_t storedCount);

// The amount billed for instalment k (1 to n) of `amount` in n instalments: the whole quotient
// for 1 to n-1, the rest for n. With n 0 or 1 the amount is billed whole.
int32_t instalmentAmount(int32_t amount, int32_t count, int32_t k);

// The date text of instalment k: the entry's year and month advanced by k-1 months, its day
// unchanged (so it may name the 31st of February). A k beyond kMaxInstalments is dated as
// instalment kMaxInstalments, the last one billed.
std::string instalmentDate(std::string_view entryDate, int32_t k);

}  // namespace coinest
