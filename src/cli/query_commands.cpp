// card and query: the card statement of a month, and the books and account queries.

#include <ostream>

#include "calendar/date_text.h"
#include "cli/command_registry.h"
#include "cli/date_option.h"
#include "cli/output_line.h"
#include "dialogs/query_account.h"
#include "dialogs/query_books.h"
#include "dialogs/query_card.h"
#include "dialogs/query_filter.h"
#include "dialogs/query_page_state.h"
#include "ledger/entry_row.h"
#include "platform/clock.h"
#include "store/asset_kind.h"
#include "store/asset_table.h"

namespace coinest::cli {

namespace {

void printRows(std::ostream& out, const std::vector<EntryListRow>& rows) {
  for (const EntryListRow& row : rows) printLine(out, {"row", row.date, row.content, row.amount, std::to_string(row.entryId)});
}

// The asset with this id when it is of `kind`; otherwise says so on the error stream.
std::optional<Asset> assetOfKind(CommandContext& c, int32_t id, std::string_view kind, const char* what) {
  std::optional<Asset> asset = findAsset(c.book(), id);
  if (!asset || asset->assetKind != kind) {
    c.err << "no " << what << " with id " << id << '\n';
    return std::nullopt;
  }
  return asset;
}

struct CardArgs {
  int year = 0;
  int month = 0;
  int32_t card = 0;
  std::string from;
  std::string to;
} card;

const CommandRegistration kCard{{
    "card",
    "the card statement of YEAR MONTH for one credit card or all",
    [](CLI::App& app) {
      app.add_option("YEAR", card.year, "statement year")->required()->check(CLI::Range(kFirstCalendarYear, kLastCalendarYear));
      app.add_option("MONTH", card.month, "statement month")->required()->check(CLI::Range(1, 12));
      app.add_option("--card", card.card, "a credit card's id (default: every credit card)");
      CLI::Option* from = app.add_option("--from", card.from, "period for cards without a billing period")
                              ->check(checkDateOption);
      CLI::Option* to = app.add_option("--to", card.to, "end of that period")->check(checkDateOption);
      from->needs(to);
      to->needs(from);
    },
    [](CommandContext& c) {
      QueryPageState page = startQueryPageState(c.book().clock);
      if (!card.from.empty()) {
        page.criteria.books.queryFrom = card.from;
        page.criteria.books.queryTo = card.to;
      }
      std::optional<Asset> chosen;
      if (card.card != 0) {
        chosen = assetOfKind(c, card.card, kCreditCardKind, "credit card");
        if (!chosen) return kExitUsage;
      }
      setCardQuery(page.criteria.card, card.year, card.month, chosen ? &*chosen : nullptr);
      const CardStatement statement = buildCardQuery(c.book(), page.criteria);
      printLine(c.out, {"month", statementMonthText(statement.year, statement.month)});
      for (const StatementLine& line : statement.lines) {
        printLine(c.out, {"row", rowDateText(line.date), line.content, formatAmount(line.amount),
                          std::to_string(line.entryId)});
      }
      printLine(c.out, {"billed", formatTotalAmount(statement.billed)});
      printLine(c.out, {"tocome", formatTotalAmount(statement.toCome)});
      return kExitDone;
    },
    true,
}};

struct QueryArgs {
  CLI::App* books = nullptr;
  CLI::App* account = nullptr;
  BooksCriteria booksCriteria;
  AccountCriteria accountCriteria;
} query;

std::vector<std::string> filterCodes() {
  std::vector<std::string> codes;
  for (const FilterCode& f : kFilterCodes) codes.emplace_back(f.code);
  return codes;
}

int runBooks(CommandContext& c) {
  QueryRowCache rows;
  const BooksQueryView view = buildBooksQuery(c.book(), query.booksCriteria, rows);
  printRows(c.out, view.rows);
  printLine(c.out, {"income", view.incomeText});
  printLine(c.out, {"expense", view.expenseText});
  return kExitDone;
}

int runAccount(CommandContext& c) {
  AccountCriteria& criteria = query.accountCriteria;
  const std::optional<Asset> account = assetOfKind(c, criteria.accountFilter, kBankAccountKind, "bank account");
  if (!account) return kExitUsage;
  criteria.company = account->company;
  criteria.assetName = account->assetName;
  criteria.assetNumber = account->assetNumber;
  criteria.holder = account->holder;
  QueryRowCache rows;
  const AccountQueryView view = buildAccountQuery(c.book(), criteria, rows);
  printRows(c.out, view.rows);
  printLine(c.out, {"balance", view.balanceText});
  return kExitDone;
}

const CommandRegistration kQuery{{
    "query",
    "the books query or the account query over a period",
    [](CLI::App& app) {
      app.require_subcommand(1);
      BooksCriteria& b = query.booksCriteria;
      query.books = app.add_subcommand("books", "the entries of a period that pass a filter");
      query.books->add_option("--from", b.queryFrom, "first date, YYYY-MM-DD")->required()->check(checkDateOption);
      query.books->add_option("--to", b.queryTo, "last date, YYYY-MM-DD")->required()->check(checkDateOption);
      query.books->add_option("--code", b.filterCode, "kind of movement (default 0, every entry)")
          ->check(CLI::IsMember(filterCodes()));
      query.books->add_option("--major", b.majorFilter, "major category (default 전체)");
      query.books->add_option("--minor", b.minorFilter, "minor category (default 전체)");
      query.books->add_option("--asset", b.assetFilter, "an asset's id (default 0, any)");

      AccountCriteria& a = query.accountCriteria;
      query.account = app.add_subcommand("account", "every movement of one bank account in a period");
      query.account->add_option("--from", a.accountFrom, "first date, YYYY-MM-DD")->required()->check(checkDateOption);
      query.account->add_option("--to", a.accountTo, "last date, YYYY-MM-DD")->required()->check(checkDateOption);
      query.account->add_option("--account", a.accountFilter, "the bank account's id")->required();
    },
    [](CommandContext& c) { return query.books->parsed() ? runBooks(c) : runAccount(c); },
    true,
}};

}  // namespace

}  // namespace coinest::cli
