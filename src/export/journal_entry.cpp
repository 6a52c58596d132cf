#include "export/journal_entry.h"

#include <utility>

#include "export/journal_text.h"
#include "store/entry_kind.h"
#include "store/reserved_names.h"

namespace coinest {

JournalTransaction journalTransactionHead(const LedgerEntry& e) {
  JournalTransaction t;
  t.date = e.entryDate;
  t.description = journalDescription(e.content);
  if (t.description.empty()) t.description = journalDescription(e.minorItem);
  t.entryId = e.entryId;
  t.noteLines = journalNoteLines(e.note);
  return t;
}

bool isMonthlyCashCarryOver(const LedgerEntry& e) {
  // An income's phone and card flags say nothing of its means (JournalAccounts::meansOf).
  return e.entryKind == kIncomeKind && e.majorItem == kCarryOverCategory && e.assetId == 0 &&
         e.entryDate.size() == 10 && e.entryDate.ends_with("-01");
}

std::optional<JournalTransaction> journalTransactionOf(const LedgerEntry& e, const JournalAccounts& accounts) {
  std::string gaining;
  std::string giving;
  if (e.entryKind == kIncomeKind) {
    gaining = accounts.meansOf(e);
    giving = accounts.counterpartOf(e);
  } else if (e.entryKind == kExpenseKind) {
    gaining = accounts.counterpartOf(e);
    giving = accounts.meansOf(e);
  } else if (e.entryKind == kTransferKind) {
    gaining = accounts.transferTo(e);
    giving = accounts.transferFrom(e);
  } else {
    return std::nullopt;
  }
  JournalTransaction t = journalTransactionHead(e);
  t.postings = {{std::move(gaining), e.amount, std::nullopt}, {std::move(giving), -int64_t{e.amount}, std::nullopt}};
  if (e.amount < 0) std::swap(t.postings[0], t.postings[1]);
  return t;
}

}  // namespace coinest
