// post, carry-over and reset: the book-wide writes of the ledger.

#include "cli/command_registry.h"
#include "ledger/carry_over.h"
#include "ledger/reservation_posting.h"

namespace coinest::cli {

namespace {

int carryYear = 0;
int carryMonth = 0;

const CommandRegistration kPost{{
    "post",
    "post the reservations due through today",
    nullptr,
    [](CommandContext& c) {
      if (Status posted = postDueReservations(c.book()); !posted) return reportFailure(c, posted);
      return kExitDone;
    },
}};

const CommandRegistration kCarryOver{{
    "carry-over",
    "carry the previous month's cash into YEAR MONTH",
    [](CLI::App& app) {
      app.add_option("YEAR", carryYear, "year of the new month")->required()->check(CLI::Range(1, 9999));
      app.add_option("MONTH", carryMonth, "the new month")->required()->check(CLI::Range(1, 12));
    },
    [](CommandContext& c) {
      if (Status carried = carryOverCash(c.book(), c.ui, carryYear, carryMonth); !carried) {
        return reportFailure(c, carried);
      }
      return kExitDone;
    },
}};

const CommandRegistration kReset{{
    "reset",
    "empty the entries and instalments (as if Yes)",
    nullptr,
    [](CommandContext& c) {
      const ResetResult reset = resetBook(c.book(), c.ui);
      if (!reset.status) return reportFailure(c, reset.status);
      return kExitDone;
    },
}};

}  // namespace

}  // namespace coinest::cli
