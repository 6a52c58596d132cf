// settle: the settlement of one settlement month, with the start day and the show-used-only
// setting of the book.

#include "cli/command_registry.h"
#include "cli/output_line.h"
#include "ledger/settlement.h"
#include "ledger/settlement_month.h"
#include "store/settings_records.h"
#include "store/yes_no_flag.h"

namespace coinest::cli {

namespace {

int argYear = 0;
int argMonth = 0;
bool withMinors = false;

void configure(CLI::App& app) {
  // A December period runs into the next year, whose date text must keep four digits.
  app.add_option("YEAR", argYear, "year of the settlement month")->required()->check(CLI::Range(1, 9998));
  app.add_option("MONTH", argMonth, "the settlement month")->required()->check(CLI::Range(1, 12));
  app.add_flag("--minor", withMinors, "list the minor categories under each major category");
}

int run(CommandContext& c) {
  ConSettings settings;
  readConSettings(c.store(), settings);
  const SettlementOptions options{isYes(settings.showUsedOnly), withMinors};
  const Settlement s = settleMonth(c.book(), YearMonth{argYear, argMonth},
                                   settlementStartDayOf(settings.settlementStartDay), options);
  printLine(c.out, {"heading", s.period.heading});
  for (const SettlementRow& row : s.rows) printLine(c.out, {"row", row.group, row.name, row.totalText});
  for (const LabelledTotal& total : settlementTotalTexts(s.totals)) printLine(c.out, {total.label, total.text});
  return kExitDone;
}

const CommandRegistration kSettle{{
    "settle",
    "the settlement of a settlement month",
    configure,
    run,
    true,
}};

}  // namespace

}  // namespace coinest::cli
