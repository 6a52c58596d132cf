// coinest: the household account book's window.
//
//   coinest [--root DIR] [--today YYYY-MM-DD] [--scale N] [--page N] [--command N]...
//           [--statistics month|year] [--screenshot FILE.png]
//
// Exit status: 0 done (also when another copy already runs on the root: it is brought to the
// front), 1 the start failed or, with --screenshot, the password would have been asked for,
// 2 wrong usage.

#include <QApplication>
#include <QCommandLineParser>
#include <QMessageBox>
#include <QTimer>

#include <iostream>

#include "platform/start_environment.h"
#include "qt/single_instance.h"
#include "qt/window_session.h"

namespace {

constexpr int kExitDone = 0;
constexpr int kExitFailed = 1;
constexpr int kExitUsage = 2;

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

int usage(const std::string& message) {
  std::cerr << "coinest: " << message << '\n';
  return kExitUsage;
}

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("coinest"));

  QCommandLineParser parser;
  parser.setApplicationDescription(QStringLiteral("Coinest, the household account book"));
  parser.addHelpOption();
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
  if (!parser.parse(QApplication::arguments())) return usage(parser.errorText().toStdString());
  if (parser.isSet(QStringLiteral("help"))) parser.showHelp(kExitDone);
  if (!parser.positionalArguments().isEmpty()) return usage("unexpected argument");

  std::optional<int> scale;
  if (parser.isSet(QStringLiteral("scale"))) {
    scale = wholeNumber(parser.value(QStringLiteral("scale")), 1);
    if (!scale) return usage("--scale: a whole number of at least 1");
  }
  std::optional<int> page;
  if (parser.isSet(QStringLiteral("page"))) {
    page = wholeNumber(parser.value(QStringLiteral("page")), 0);
    if (!page) return usage("--page: a page number");
  }
  std::vector<int> commands;
  for (const QString& text : parser.values(QStringLiteral("command"))) {
    const std::optional<int> command = wholeNumber(text, 1);
    if (!command) return usage("--command: a command number");
    commands.push_back(*command);
  }
  std::optional<coinest::qt::StatisticsTab> statistics;
  if (const std::optional<std::string> chart = optionText(parser, QStringLiteral("statistics"))) {
    if (*chart == "month") statistics = coinest::qt::StatisticsTab::MonthSpending;
    else if (*chart == "year") statistics = coinest::qt::StatisticsTab::YearTrend;
    else return usage("--statistics: month or year");
  }
  const std::optional<std::string> screenshot = optionText(parser, QStringLiteral("screenshot"));

  coinest::StartEnvironmentResult prepared =
      coinest::prepareStartEnvironment(optionText(parser, QStringLiteral("root")), optionText(parser, QStringLiteral("today")));
  if (!prepared.environment) {
    std::cerr << "coinest: " << prepared.message << '\n';
    return prepared.error == coinest::StartEnvironmentError::Usage ? kExitUsage : kExitFailed;
  }
  const coinest::StartEnvironment& environment = *prepared.environment;

  std::unique_ptr<coinest::qt::SingleInstance> instance;
  if (!screenshot) {
    instance = std::make_unique<coinest::qt::SingleInstance>(environment.root);
    if (!instance->claim()) return kExitDone;
  }

  coinest::qt::WindowOptions options;
  options.root = environment.root;
  options.clock = environment.clock.get();
  options.scale = scale.value_or(coinest::qt::defaultScale());
  options.firstPage = page;
  options.screenshotMode = screenshot.has_value();
  coinest::qt::WindowSession session(options,
                                     std::make_unique<coinest::qt::QtShellUi>(options.scale, options.screenshotMode));

  const coinest::StartResult started = session.start();
  if (started.outcome == coinest::StartOutcome::LoginRefused) {
    if (screenshot) std::cerr << "coinest: the book asks for its password; no picture without it\n";
    return screenshot ? kExitFailed : kExitDone;
  }
  if (started.outcome != coinest::StartOutcome::Running) {
    // In screenshot mode the port writes it on stderr.
    session.ui().showMessage(started.status.reason(), coinest::MessageCaption::Error);
    return kExitFailed;
  }

  coinest::qt::MainWindow& window = *session.window();
  for (int command : commands) window.callShell([command](coinest::Shell& shell) { shell.command(command); });
  if (screenshot) {
    const QImage picture = statistics ? session.statisticsPicture(*statistics) : session.picture();
    const bool saved = picture.save(QString::fromStdString(*screenshot), "PNG");
    if (!saved) std::cerr << "coinest: could not write " << *screenshot << '\n';
    window.close();
    return saved && !window.exitFailed() ? kExitDone : kExitFailed;
  }

  instance->onActivationRequested = [&window] {
    window.showNormal();
    window.raise();
    window.activateWindow();
  };
  window.show();
  if (statistics) QTimer::singleShot(0, &window, [&window, &statistics] { window.openStatistics(*statistics); });
  return QApplication::exec();
}
