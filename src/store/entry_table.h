#pragma once

// Record work on the entry table "CoinestBooks" and the instalment table "CoinestInst". What an
// entry does to balances and instalment rows is the ledger's (ledger/entry_rules.h); these are
// the record steps it is made of. None of them writes a change file.

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "store/book.h"
#include "store/record_layout.h"
#include "store/records.h"

namespace coinest {

// The previous-content list holds at most this many pairs (the first found are kept).
inline constexpr std::size_t kPreviousContentCapacity = 1000;

struct ContentAmount {
  std::string content;
  int32_t amount = 0;
  bool operator==(const ContentAmount&) const = default;
};

// The next entry id from the entry counter; nothing (the open transaction failed, the reason in
// the store's lastError) when no id can be given.
std::optional<int32_t> newEntryId(Book& book);

// The entry with this id, or nothing (also when the table cannot be opened).
std::optional<LedgerEntry> findEntry(Book& book, int32_t entryId);

// The entries dated from `first` to `last` inclusive (date texts), in date order; entries of one
// date in the order they were written.
std::vector<LedgerEntry> entriesInRange(Book& book, std::string_view first, std::string_view last);

// The distinct (content, amount) pairs of the entries with exactly this kind and these category
// names (compared character for character), sorted by content, then amount.
std::vector<ContentAmount> previousContents(Book& book, std::string_view entryKind, std::string_view majorItem,
                                            std::string_view minorItem);

// The few fields of an entry that a sum over many entries needs.
struct EntryAmount {
  std::string entryDate;
  std::string cardFlag;
  int32_t assetId = 0;
  int32_t amount = 0;
};

// Reads of an entry record only the fields of an EntryAmount, as readRecord would give them
// (presets for what is missing, texts cut to their field), so that a light read decides exactly
// as a whole read would.
class EntryAmountReader {
 public:
  EntryAmountReader();
  // False, with `out` untouched, for a record without a date: it belongs to no period.
  bool read(const TableHandle& table, EntryAmount& out);
  // The fields of an entry as they read back once it is written.
  EntryAmount of(const LedgerEntry& entry) const;

 private:
  const Field<LedgerEntry>* fields_[4] = {};
  PropValue props_[4];
};

// Walks the entries dated on or after `first`, in date order, up to the last entry of the month
// `lastMonth` (a month key, see card_month_sums.h), or to the end of the table when it is empty;
// of each it reads only what a sum needs (much cheaper than whole entries on a long walk). An
// entry for which `wantsWhole` returns true is then read whole and handed to `takeWhole`. Records
// without a date belong to no period and are passed over. Nothing is visited when the table
// cannot be opened.
void walkEntryAmounts(ObjectStore& store, std::string_view first, std::string_view lastMonth,
                      const std::function<bool(const EntryAmount&)>& wantsWhole,
                      const std::function<void(LedgerEntry&&)>& takeWhole);

bool entryIdFree(Book& book, int32_t entryId);

// Writes the entry as a new record with all fifteen properties; false when it was not written.
// This and the delete keep the card month sums (card_month_sums.h) current when they were.
bool writeEntryRecord(Book& book, const LedgerEntry& entry);

// Deletes the entry with this id; returns what it held (for reversing its effects), or nothing
// when there was no such entry.
std::optional<LedgerEntry> deleteEntryRecord(Book& book, int32_t entryId);

// Writes one instalment row. While an import is applied, an id below 500000 raises the
// instalment counter to it.
Status addInstalmentRow(Book& book, const InstalmentRow& row);

// The rows dated from `first` to `last` inclusive, in date order.
std::vector<InstalmentRow> instalmentsInRange(Book& book, std::string_view first, std::string_view last);

Status deleteInstalmentsOfEntry(Book& book, int32_t entryId);
Status deleteInstalmentsOfCard(Book& book, int32_t cardId);

}  // namespace coinest
