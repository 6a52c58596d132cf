#include "export/journal_export.h"

#include <algorithm>
#include <set>
#include <utility>
#include <vector>

#include "export/journal_accounts.h"
#include "export/journal_entry.h"
#include "export/journal_transaction.h"

namespace coinest {

namespace {

struct TopAccount {
  const char* name;
  const char* type;  // asset, liability, equity, revenue, expense
};

constexpr TopAccount kTopAccounts[] = {
    {"자산", "A"}, {"부채", "L"}, {"자본", "E"}, {"수입", "R"}, {"지출", "X"},
};

// What the journal writes for one entry: a transaction, or a comment for a kind it cannot place.
struct JournalItem {
  std::optional<JournalTransaction> transaction;
  int32_t skippedEntryId = 0;
};

// The entries in journal order: by date, a date's cash carry-overs first, then the others as
// written. The entries come in date order.
std::vector<const LedgerEntry*> journalOrder(const std::vector<LedgerEntry>& entries) {
  std::vector<const LedgerEntry*> order;
  order.reserve(entries.size());
  for (const LedgerEntry& e : entries) order.push_back(&e);
  for (auto day = order.begin(); day != order.end();) {
    const std::string& date = (*day)->entryDate;
    const auto dayEnd = std::find_if(day, order.end(), [&](const LedgerEntry* e) { return e->entryDate != date; });
    std::stable_partition(day, dayEnd, [](const LedgerEntry* e) { return isMonthlyCashCarryOver(*e); });
    day = dayEnd;
  }
  return order;
}

JournalTransaction carryOverTransaction(const LedgerEntry& e, int64_t cashBefore) {
  const int64_t difference = int64_t{e.amount} - cashBefore;
  JournalTransaction t = journalTransactionHead(e);
  t.postings = {{kCashAccount, difference, int64_t{e.amount}}, {kCarryOverAccount, -difference, std::nullopt}};
  return t;
}

}  // namespace

std::string journalText(const ExportSource& source, const ExportRange& range) {
  const JournalAccounts accounts(source.assets);
  std::vector<JournalItem> items;
  std::set<std::string> used;
  int64_t cash = 0;  // what the journal's postings so far leave on 자산:현금
  for (const LedgerEntry* e : journalOrder(source.entries)) {
    JournalItem item;
    if (isMonthlyCashCarryOver(*e)) {
      item.transaction = carryOverTransaction(*e, cash);
    } else {
      item.transaction = journalTransactionOf(*e, accounts);
    }
    if (!item.transaction) {
      item.skippedEntryId = e->entryId;
    } else {
      for (const JournalPosting& p : item.transaction->postings) {
        used.insert(p.account);
        if (p.account == kCashAccount) cash += p.amount;
      }
    }
    items.push_back(std::move(item));
  }

  std::string out = "; Coinest 가계부 내보내기 " + exportRangeText(range) + "\n";
  out += "commodity ";
  out += kJournalCommodity;
  out += "\n\n";
  // The id of each transaction is written as a tag; a strict reader wants its tags declared.
  out += "tag id\n\n";
  // The type goes on its own comment line: one reader would take a comment on the directive's
  // line for part of the account's name.
  for (const TopAccount& top : kTopAccounts) {
    out += "account ";
    out += top.name;
    out += "\n    ; type: ";
    out += top.type;
    out += '\n';
  }
  for (const std::string& account : used) out += "account " + account + "\n";
  for (const JournalItem& item : items) {
    out += '\n';
    if (item.transaction) {
      appendJournalTransaction(out, *item.transaction);
    } else {
      out += "; 구분을 알 수 없는 항목은 내보내지 않았습니다: id " + std::to_string(item.skippedEntryId) + "\n";
    }
  }
  return out;
}

}  // namespace coinest
