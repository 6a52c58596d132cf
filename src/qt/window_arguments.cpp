#include "qt/window_arguments.h"

#include <QCommandLineParser>
#include <QCoreApplication>

namespace coinest::qt {
namespace {

std::optional<std::string> optionText(const QCommandLineParser& parser, const QString& name) {
  if (!parser.isSet(name)) return std::nullopt;
  return parser.value(name).toStdString();
}

// A whole number of at least `least`, or nothing.
std::optional<int> wholeNumber(const QString& text, int least) {
  bool ok = false;
  const int value = text.toInt(&ok);
  if (!ok || value < least) return std::nullopt;
  return value;
}

ParsedArguments usage(const std::string& message) { return {ArgumentsOutcome::Usage, {}, message}; }

}  // namespace

ParsedArguments parseWindowArguments(const QStringList& arguments) {
  QCommandLineParser parser;
  parser.setApplicationDescription(QStringLiteral("Coinest, the household account book"));
  // Not addHelpOption: its --help-all lists the options of Qt's window system, known only once
  // a display is open.
  const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")},
                                QStringLiteral("Displays help on commandline options."));
  parser.addOption(help);
  const QCommandLineOption version = parser.addVersionOption();
  parser.addOptions({
      {QStringLiteral("root"), QStringLiteral("The device root: the folder that holds the book."), QStringLiteral("DIR")},
      {QStringLiteral("today"), QStringLiteral("Fixes today's date."), QStringLiteral("YYYY-MM-DD")},
      {QStringLiteral("scale"), QStringLiteral("Draws the 240 by 320 window N times as large."), QStringLiteral("N")},
      {QStringLiteral("page"), QStringLiteral("The first page (0, 1, 4, 5, 6 or 7)."), QStringLiteral("N")},
      {QStringLiteral("command"),
       QStringLiteral("A command number run after start-up, as a menu or a button would (repeatable)."),
       QStringLiteral("N")},
      {QStringLiteral("statistics"),
       QStringLiteral("Opens the statistics window on the month's spending (month) or the year's trend (year)."),
       QStringLiteral("month|year")},
      {QStringLiteral("screenshot"), QStringLiteral("Starts, writes the window's picture and ends."),
       QStringLiteral("FILE.png")},
  });
  if (!parser.parse(arguments)) return {ArgumentsOutcome::Unparsed, {}, parser.errorText().toStdString()};
  if (parser.isSet(help)) return {ArgumentsOutcome::Help, {}, parser.helpText().toStdString()};
  if (parser.isSet(version)) {
    const QString line = QCoreApplication::applicationName() + u' ' + QCoreApplication::applicationVersion() + u'\n';
    return {ArgumentsOutcome::Version, {}, line.toStdString()};
  }
  if (!parser.positionalArguments().isEmpty()) return usage("unexpected argument");

  WindowArguments result;
  result.root = optionText(parser, QStringLiteral("root"));
  result.today = optionText(parser, QStringLiteral("today"));
  if (parser.isSet(QStringLiteral("scale"))) {
    result.scale = wholeNumber(parser.value(QStringLiteral("scale")), 1);
    if (!result.scale) return usage("--scale: a whole number of at least 1");
  }
  if (parser.isSet(QStringLiteral("page"))) {
    result.page = wholeNumber(parser.value(QStringLiteral("page")), 0);
    if (!result.page) return usage("--page: a page number");
  }
  for (const QString& text : parser.values(QStringLiteral("command"))) {
    const std::optional<int> command = wholeNumber(text, 1);
    if (!command) return usage("--command: a command number");
    result.commands.push_back(*command);
  }
  if (const std::optional<std::string> chart = optionText(parser, QStringLiteral("statistics"))) {
    if (*chart == "month") result.statistics = StatisticsTab::MonthSpending;
    else if (*chart == "year") result.statistics = StatisticsTab::YearTrend;
    else return usage("--statistics: month or year");
  }
  result.screenshot = optionText(parser, QStringLiteral("screenshot"));
  return {ArgumentsOutcome::Run, std::move(result), {}};
}

}  // namespace coinest::qt
