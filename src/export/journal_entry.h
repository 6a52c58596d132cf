#pragma once

// One entry of the book as a journal transaction of two postings, both amounts written, the
// positive one first:
//
//   income     the receiving side +A, its category (수입:…) −A
//   expense    its category (지출:…) +A, the paying side −A
//   transfer   the to side +A, the from side −A
//
// (journal_accounts.h names the sides.) The monthly cash carry-over is not written here: it
// depends on the cash the journal holds before it (journal_export.h).

#include <optional>

#include "export/journal_accounts.h"
#include "export/journal_transaction.h"
#include "store/records.h"

namespace coinest {

// The transaction of the entry, or nothing for a kind the program never writes.
std::optional<JournalTransaction> journalTransactionOf(const LedgerEntry& entry, const JournalAccounts& accounts);

// A "전월이월" income in cash dated the 1st of a month: the cash the book starts that month with.
bool isMonthlyCashCarryOver(const LedgerEntry& entry);

// The entry's transaction without its postings: date, id, the note's lines, and the content as
// the description (the minor when the content is empty).
JournalTransaction journalTransactionHead(const LedgerEntry& entry);

}  // namespace coinest
