#pragma once

// The kind codes of entries and reservations (`entryKind`) and of major categories (`itemKind`).
// Stored as these one-character texts; a kind outside them counts as none of them.

namespace coinest {

inline constexpr char kIncomeKind[] = "1";
inline constexpr char kExpenseKind[] = "2";
// Entries only: the transfer categories are built in, never stored.
inline constexpr char kTransferKind[] = "3";

}  // namespace coinest
