#pragma once

// Runs the built coinest-cli (named by $COINEST_CLI) as a user would, and collects what it says.

#include <filesystem>
#include <string>
#include <vector>

namespace coinest::testing {

struct CliRun {
  int status = -1;
  std::string out;
  std::string err;
};

// Runs the tool with `args` (COINEST_ROOT and COINEST_TODAY cleared, then `env` assignments such
// as "COINEST_TODAY=2007-03-05" applied); stderr is kept in a file under `scratch`.
CliRun runCli(const std::vector<std::string>& args, const std::filesystem::path& scratch, const std::string& env = "");

// The same for any built program of ours, named by its path.
CliRun runProgram(const std::string& program, const std::vector<std::string>& args,
                  const std::filesystem::path& scratch, const std::string& env = "");

std::string shellQuote(const std::string& s);
std::string readFileBytes(const std::filesystem::path& p);

}  // namespace coinest::testing
