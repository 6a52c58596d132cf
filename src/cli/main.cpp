// coinest-cli: opens the book as the program's start does and runs one command.

#include <algorithm>
#include <iostream>
#include <sstream>

#include "cli/book_session.h"
#include "cli/command_registry.h"
#include "cli/console_ui.h"

namespace coinest::cli {

std::vector<CommandSpec>& commandRegistry() {
  static std::vector<CommandSpec> commands;
  return commands;
}

int reportFailure(CommandContext& context, const Status& failure) {
  context.err << "coinest-cli: " << failure.reason() << '\n';
  return kExitFailed;
}

namespace {

// Runs a reading command on one snapshot of the book, holding its output back until the snapshot
// has proved whole.
int runReading(const CommandSpec& command, CommandContext& context) {
  std::ostringstream held;
  CommandContext reading{context.session, context.ui, held, context.err};
  TransactionGuard snapshot(context.store(), TransactionKind::Read);
  const int status = command.run(reading);
  if (Status read = snapshot.finish(); !read) return reportFailure(context, read);
  context.out << held.str();
  return status;
}

int run(int argc, char** argv) {
  CLI::App app{"Coinest household account book, command-line tool"};
  app.require_subcommand(1);
  GlobalOptions global;
  app.add_option("--root", global.root, "device root folder (default: $COINEST_ROOT, else the XDG data folder)");
  app.add_option("--today", global.today, "fix today's date, YYYY-MM-DD (default: $COINEST_TODAY, else the clock)");

  std::vector<CommandSpec>& commands = commandRegistry();
  std::sort(commands.begin(), commands.end(),
            [](const CommandSpec& a, const CommandSpec& b) { return std::string_view(a.name) < b.name; });
  std::vector<CLI::App*> subcommands;
  for (const CommandSpec& command : commands) {
    CLI::App* sub = app.add_subcommand(command.name, command.description);
    if (command.configure) command.configure(*sub);
    subcommands.push_back(sub);
  }

  try {
    app.parse(argc, argv);
  } catch (const CLI::CallForHelp& e) {
    return app.exit(e);
  } catch (const CLI::ParseError& e) {
    app.exit(e);
    return kExitUsage;
  }

  SessionUse use = SessionUse::ReadsOnly;
  for (std::size_t i = 0; i < commands.size(); ++i) {
    if (subcommands[i]->parsed() && !commands[i].readsOnly && !commands[i].leavesBookUnchanged) use = SessionUse::Changes;
  }
  int status = kExitDone;
  std::optional<BookSession> session = openSession(global, use, &status);
  if (!session) return status;
  ConsoleUi ui(std::cout);
  CommandContext context{*session, ui, std::cout, std::cerr};
  for (std::size_t i = 0; i < commands.size(); ++i) {
    if (!subcommands[i]->parsed()) continue;
    status = commands[i].readsOnly ? runReading(commands[i], context) : commands[i].run(context);
  }
  reportWaitingChangeFiles(*session, std::cerr);
  std::cout.flush();
  return status == kExitDone && !std::cout ? kExitFailed : status;
}

}  // namespace
}  // namespace coinest::cli

int main(int argc, char** argv) { return coinest::cli::run(argc, argv); }
