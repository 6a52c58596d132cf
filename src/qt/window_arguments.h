#pragma once

// What the command line asks of the window, read without a screen: `coinest --help` and
// `--version` answer where no display is, and wrong values are refused before Qt looks for one.

#include <QStringList>

#include <optional>
#include <string>
#include <vector>

#include "qt/statistics_window.h"

namespace coinest::qt {

struct WindowArguments {
  std::optional<std::string> root;
  std::optional<std::string> today;
  std::optional<int> scale;
  std::optional<int> page;
  std::vector<int> commands;
  std::optional<StatisticsTab> statistics;
  std::optional<std::string> screenshot;
};

enum class ArgumentsOutcome {
  Run,       // `arguments` holds what to do
  Help,      // `text` is the help
  Version,   // `text` is the version line
  Usage,     // a value is wrong; `text` says which
  Unparsed,  // the parser refused the line (`text` says why): an unknown option, a missing value
};

struct ParsedArguments {
  ArgumentsOutcome outcome = ArgumentsOutcome::Unparsed;
  WindowArguments arguments;
  std::string text;
};

// `arguments` as QCoreApplication::arguments() has them, the program's name first. Needs a
// QCoreApplication (any kind) for the program's name and version in the texts.
ParsedArguments parseWindowArguments(const QStringList& arguments);

}  // namespace coinest::qt
