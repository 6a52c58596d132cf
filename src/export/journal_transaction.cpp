#include "export/journal_transaction.h"

#include <algorithm>

#include "export/journal_text.h"

namespace coinest {

namespace {

constexpr char kIndent[] = "    ";
// Where the amounts end, counted from the indent, unless an account needs more room.
constexpr std::size_t kAmountEndColumn = 25;
// A journal reader ends an account name at two spaces.
constexpr std::size_t kAccountGap = 2;

std::string commodityAmount(int64_t amount) { return std::to_string(amount) + " " + kJournalCommodity; }

}  // namespace

void appendJournalTransaction(std::string& out, const JournalTransaction& t) {
  out += t.date;
  out += ' ';
  out += t.description;
  out += "  ; id: ";
  out += std::to_string(t.entryId);
  out += '\n';
  for (const std::string& line : t.noteLines) {
    out += kIndent;
    out += line.empty() ? ";" : "; " + line;
    out += '\n';
  }

  std::size_t amountEnd = kAmountEndColumn;
  for (const JournalPosting& p : t.postings) {
    amountEnd = std::max(amountEnd, displayWidth(p.account) + kAccountGap + std::to_string(p.amount).size());
  }
  for (const JournalPosting& p : t.postings) {
    const std::string amount = std::to_string(p.amount);
    out += kIndent;
    out += p.account;
    out.append(amountEnd - displayWidth(p.account) - amount.size(), ' ');
    out += commodityAmount(p.amount);
    if (p.balanceAfter) {
      out += " = ";
      out += commodityAmount(*p.balanceAfter);
    }
    out += '\n';
  }
}

}  // namespace coinest
