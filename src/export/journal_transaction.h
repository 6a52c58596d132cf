#pragma once

// One transaction of the journal and how it is written:
//
//   transaction = DATE " " DESCRIPTION "  ; id: " ENTRYID LF *("    ;" [" " NOTELINE] LF) 2posting
//   posting     = "    " ACCOUNT 2*" " AMOUNT " KRW" [" = " AMOUNT " KRW"] LF
//
// Amounts are whole won with no separators; within a transaction they are right-aligned, at the
// 25th column after the indent or further when an account is long.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace coinest {

inline constexpr char kJournalCommodity[] = "KRW";

struct JournalPosting {
  std::string account;
  int64_t amount = 0;
  // The balance the account must hold after this posting, when the journal asserts one.
  std::optional<int64_t> balanceAfter;
};

struct JournalTransaction {
  std::string date;         // "YYYY-MM-DD"
  std::string description;  // journalDescription already applied
  int32_t entryId = 0;
  std::vector<std::string> noteLines;  // journalNoteLines already applied
  std::vector<JournalPosting> postings;
};

// Appends the transaction's lines, each ending with LF.
void appendJournalTransaction(std::string& out, const JournalTransaction& transaction);

}  // namespace coinest
