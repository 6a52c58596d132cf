#pragma once

// The commands of coinest-cli. Each command lives in a file of its own and registers itself there
// with a static CommandRegistration, so adding a command touches no other file.

#include <CLI/CLI.hpp>

#include <functional>
#include <ostream>
#include <vector>

#include "cli/book_session.h"
#include "platform/ui_port.h"

namespace coinest::cli {

// What a command runs with: the opened book, the stand-in for the message boxes, the streams.
struct CommandContext {
  BookSession& session;
  UiPort& ui;
  std::ostream& out;
  std::ostream& err;

  Book& book() { return *session.book; }
  ObjectStore& store() { return session.store(); }
};

struct CommandSpec {
  const char* name;
  const char* description;
  // Adds the command's arguments to its subcommand; their values live in the command's own file.
  std::function<void(CLI::App&)> configure;
  // Runs the command; returns the exit status.
  std::function<int(CommandContext&)> run;
  // The command only reads: it runs on one snapshot of the book, and its output is printed only
  // when every read succeeded (so a book replaced at that moment is never shown half or empty).
  bool readsOnly = false;
  // The command changes nothing in the book, though it reads it under snapshots of its own (a
  // backup, an export). Like a reading command it can still run on a book whose disk is full.
  bool leavesBookUnchanged = false;
};

// Prints the reason of a failed operation on the error stream; returns the failure exit status.
int reportFailure(CommandContext& context, const Status& failure);

// The registered commands, in no particular order.
std::vector<CommandSpec>& commandRegistry();

struct CommandRegistration {
  explicit CommandRegistration(CommandSpec command) { commandRegistry().push_back(std::move(command)); }
};

}  // namespace coinest::cli
