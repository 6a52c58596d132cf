// demo: fills an empty book with two months of a household's entries, to look at.

#include <string>

#include "cli/command_registry.h"
#include "cli/output_line.h"
#include "ledger/demo_book.h"

namespace coinest::cli {

namespace {

int run(CommandContext& c) {
  const DemoBookResult filled = fillDemoBook(c.book());
  if (!filled.status) return reportFailure(c, filled.status);
  printLine(c.out, {"entries", std::to_string(filled.entries)});
  printLine(c.out, {"assets", std::to_string(filled.assets)});
  return kExitDone;
}

const CommandRegistration kDemo{{
    "demo",
    "fill an empty book with two months of sample entries ending today",
    nullptr,
    run,
}};

}  // namespace

}  // namespace coinest::cli
