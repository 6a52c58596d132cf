// coinest-cli: opens the book as the program's start does and runs one command.

#include <CLI/CLI.hpp>

#include <iostream>

#include "cli/book_session.h"
#include "cli/console_ui.h"
#include "cli/dump_command.h"
#include "cli/import_command.h"
#include "cli/settings_command.h"
#include "ledger/carry_over.h"
#include "ledger/reservation_posting.h"
#include "platform/utf8_text.h"

namespace {

using namespace coinest;
using namespace coinest::cli;

const std::vector<std::string> kYesNo = {"Y", "N"};

int run(int argc, char** argv) {
  CLI::App app{"Coinest household account book, command-line tool"};
  app.require_subcommand(1);
  GlobalOptions global;
  app.add_option("--root", global.root, "device root folder (default: $COINEST_ROOT, else the XDG data folder)");
  app.add_option("--today", global.today, "fix today's date, YYYY-MM-DD (default: $COINEST_TODAY, else the clock)");

  std::vector<std::string> dumpNames;
  CLI::App* dump = app.add_subcommand("dump", "print the tables as JSON Lines");
  dump->add_option("TABLE", dumpNames, "tables to print (default: all)");

  SettingsChange change;
  CLI::App* settings = app.add_subcommand("settings", "change and print the settings");
  settings->add_option("--login-prompt", change.loginPrompt, "ask for the password at start")
      ->check(CLI::IsMember(kYesNo));
  settings->add_option("--password", change.password, "the password (at most 10 characters)")
      ->check([](const std::string& p) {
        return utf8Length(p) <= 10 ? std::string() : std::string("at most 10 characters");
      });
  settings->add_option("--show-used-only", change.showUsedOnly, "settle only categories with entries")
      ->check(CLI::IsMember(kYesNo));
  settings->add_option("--start-day", change.settlementStartDay, "day a settlement month begins")
      ->check(CLI::Range(1, 28));
  settings->add_option("--auto-carry-over", change.autoCarryOver, "offer the cash carry-over each month")
      ->check(CLI::IsMember(kYesNo));

  CLI::App* import = app.add_subcommand("import", "apply the desktop's change files once, when exchange is on");
  CLI::App* post = app.add_subcommand("post", "post the reservations due through today");
  int carryYear = 0;
  int carryMonth = 0;
  CLI::App* carryOver = app.add_subcommand("carry-over", "carry the previous month's cash into YEAR MONTH");
  carryOver->add_option("YEAR", carryYear, "year of the new month")->required()->check(CLI::Range(1, 9999));
  carryOver->add_option("MONTH", carryMonth, "the new month")->required()->check(CLI::Range(1, 12));
  CLI::App* reset = app.add_subcommand("reset", "empty the entries and instalments (as if Yes)");

  try {
    app.parse(argc, argv);
  } catch (const CLI::CallForHelp& e) {
    return app.exit(e);
  } catch (const CLI::ParseError& e) {
    app.exit(e);
    return kExitUsage;
  }

  int status = kExitDone;
  std::optional<BookSession> session = openSession(global, &status);
  if (!session) return status;
  ObjectStore& store = session->store();
  Book& book = *session->book;
  ConsoleUi ui(std::cout);

  if (dump->parsed()) {
    std::string error;
    if (!dumpTables(store, dumpNames, std::cout, &error)) {
      std::cerr << "dump: " << error << "\n";
      return kExitUsage;
    }
  } else if (settings->parsed()) {
    if (const auto message = checkSettingsChange(store, change)) {
      std::cout << *message << '\n';
      return kExitFailed;
    }
    applySettings(store, change, std::cout);
  } else if (import->parsed()) {
    return runImportCommand(book, session->root, std::cout);
  } else if (post->parsed()) {
    postDueReservations(book);
  } else if (carryOver->parsed()) {
    carryOverCash(book, ui, carryYear, carryMonth);
  } else if (reset->parsed()) {
    resetBook(book, ui);
  }
  std::cout.flush();
  return std::cout ? kExitDone : kExitFailed;
}

}  // namespace

int main(int argc, char** argv) { return run(argc, argv); }
