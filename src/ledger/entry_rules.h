#pragma once

// What an entry means and does: its balance effects on accounts, the instalment rows of a card
// expense, its change files, and its text form. Every writer of entries (the entry dialog,
// reservation posting, the carry-over, restore, the desktop import) goes through these.

#include <cstdint>
#include <string>
#include <string_view>

#include "store/book.h"
#include "store/records.h"

namespace coinest {

// Writes the entry (its id already taken), then, unless a backup is being restored, applies its
// balance effects and writes its instalment rows; while an import is applied an id below 500000
// raises the entry counter; an "A" add change file (usual rule). One transaction: it fails whole,
// with its reason, when the store refuses any of it.
Status addEntry(Book& book, const LedgerEntry& entry);

// Reverses the entry's balance effects, deletes it, writes the "A" delete change file (usual
// rule) and deletes its instalment rows. Returns false (changing nothing) when there is no such
// entry, and when the store refused the delete (the reason in its lastError). One transaction.
bool deleteEntry(Book& book, int32_t entryId);

// Deletes and adds again under the same id with the journal suppressed, then writes one "A"
// modify change file (whenever exchange is on). One transaction.
Status updateEntry(Book& book, const LedgerEntry& entry);

// Adds `delta` to the stored balance of the asset, or of the account a check card draws on when
// it names one. A missing asset or account is skipped. Writes no change file.
Status adjustAssetBalance(Book& book, int32_t assetId, int32_t delta);

// The cash one entry gains (positive) or spends (negative); 0 when it does not touch cash.
int32_t cashEffect(const LedgerEntry& entry);

// The cash gained or lost by the entries dated from `fromDate` to `toDate` inclusive.
int32_t cashBalance(Book& book, std::string_view fromDate, std::string_view toDate);

// The entry's text form, such as "10,000원(계좌지출)".
std::string entryText(const LedgerEntry& entry);

}  // namespace coinest
