#pragma once

// How an entry is written as a row of the lists (the book page, the queries, the card
// statement): its date without the year and its content with the means-of-payment prefix.

#include <cstdint>
#include <string>
#include <string_view>

#include "store/records.h"

namespace coinest {

// One row of an entry list: the four columns the pages show.
struct EntryListRow {
  std::string date;     // "MM/DD"
  std::string content;
  std::string amount;   // as the list shows it (signed or not)
  int32_t entryId = 0;  // opens the entry
  bool operator==(const EntryListRow&) const = default;
};

// "MM/DD": the last five characters of a stored date, the hyphen replaced by "/". A text shorter
// than five characters is taken whole.
std::string rowDateText(std::string_view entryDate);

// The content behind the prefix of its means, the first rule that holds winning: "[이]" a
// transfer, "[카]" a credit-card expense, "[폰]" a phone payment, none for cash, "[체]" a check
// card, "[계]" a bank account. The reservation mark is not included.
std::string prefixedContent(const LedgerEntry& entry);

// "@" in front of `content` when the entry was posted by a reservation (`reserveId` > 0).
std::string reservationMarked(std::string content, int32_t reserveId);

// The content column of a list row: prefixedContent, then the reservation mark.
inline std::string entryRowContent(const LedgerEntry& entry) {
  return reservationMarked(prefixedContent(entry), entry.reserveId);
}

// The amount column as the book page writes it: "+" for an income, "-" for an expense, a
// transfer without sign.
std::string rowAmountText(const LedgerEntry& entry);

// The entry's row in the book page's form.
EntryListRow entryListRowOf(const LedgerEntry& entry);

}  // namespace coinest
