#include "support/cli_runner.h"

#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>

namespace coinest::testing {

std::string shellQuote(const std::string& s) {
  std::string q = "'";
  for (char c : s) q += c == '\'' ? std::string("'\\''") : std::string(1, c);
  return q + "'";
}

std::string readFileBytes(const std::filesystem::path& p) {
  std::ifstream in(p, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

CliRun runCli(const std::vector<std::string>& args, const std::filesystem::path& scratch, const std::string& env) {
  const char* binary = std::getenv("COINEST_CLI");
  EXPECT_NE(binary, nullptr) << "COINEST_CLI names the tool under test";
  return runProgram(binary ? binary : "false", args, scratch, env);
}

CliRun runProgram(const std::string& program, const std::vector<std::string>& args,
                  const std::filesystem::path& scratch, const std::string& env) {
  std::string command = "env -u COINEST_ROOT -u COINEST_TODAY " + env + " " + shellQuote(program);
  for (const std::string& a : args) command += " " + shellQuote(a);
  const auto errFile = scratch / "cli-stderr.txt";
  command += " 2>" + shellQuote(errFile.string());
  CliRun run;
  FILE* pipe = popen(command.c_str(), "r");
  if (pipe == nullptr) return run;
  char buffer[4096];
  std::size_t n;
  while ((n = fread(buffer, 1, sizeof buffer, pipe)) > 0) run.out.append(buffer, n);
  const int raw = pclose(pipe);
  run.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
  run.err = readFileBytes(errFile);
  return run;
}

}  // namespace coinest::testing
