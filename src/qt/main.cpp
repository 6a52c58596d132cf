// coinest: the household account book's window.
//
//   coinest [--root DIR] [--today YYYY-MM-DD] [--scale N] [--page N] [--command N]...
//           [--statistics month|year] [--screenshot FILE.png]
//   coinest --help | --version
//
// Exit status: 0 done (also when another copy already runs on the root: it is brought to the
// front), 1 the start failed (also when another copy runs but could not be asked to come to the
// front) or, with --screenshot, the password would have been asked for, 2 wrong usage.

#include <QApplication>
#include <QCoreApplication>
#include <QMessageBox>
#include <QTimer>

#include <iostream>
#include <vector>

#include "platform/start_environment.h"
#include "qt/single_instance.h"
#include "qt/window_arguments.h"
#include "qt/window_session.h"

namespace {

constexpr int kExitDone = 0;
constexpr int kExitFailed = 1;
constexpr int kExitUsage = 2;

void nameTheProgram() {
  QCoreApplication::setApplicationName(QStringLiteral("coinest"));
  QCoreApplication::setApplicationVersion(QStringLiteral(COINEST_VERSION));
}

// True when Qt could not open any window system: no display in the environment, no platform
// named there or on the line. Qt would then abort in the QApplication.
bool noWindowSystem(const QStringList& arguments) {
  for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "WAYLAND_SOCKET", "QT_QPA_PLATFORM"}) {
    if (!qEnvironmentVariableIsEmpty(name)) return false;
  }
  for (QString argument : arguments.mid(1)) {
    if (!argument.startsWith(u'-')) continue;
    while (argument.startsWith(u'-')) argument.remove(0, 1);
    const QString name = argument.section(u'=', 0, 0);
    if (name == u"platform" || name == u"display") return false;
  }
  return true;
}

// What the command line asks for, read before Qt looks for a screen, so that --help, --version and
// wrong usage answer without a display. A line the parser refuses may hold options of Qt's own
// (-platform, -style): unless no window could open anyway, it is left for the QApplication to
// take those before the line is read again.
std::optional<coinest::qt::ParsedArguments> readWithoutScreen(int argc, char** argv) {
  int count = argc;
  std::vector<char*> copy(argv, argv + argc + 1);
  QCoreApplication core(count, copy.data());
  nameTheProgram();
  coinest::qt::ParsedArguments parsed = coinest::qt::parseWindowArguments(QCoreApplication::arguments());
  if (parsed.outcome == coinest::qt::ArgumentsOutcome::Unparsed && !noWindowSystem(QCoreApplication::arguments())) {
    return std::nullopt;
  }
  return parsed;
}

// The exit status of a line that asks for no window, or nothing when the window is to start.
std::optional<int> answer(const coinest::qt::ParsedArguments& parsed) {
  switch (parsed.outcome) {
    case coinest::qt::ArgumentsOutcome::Run:
      return std::nullopt;
    case coinest::qt::ArgumentsOutcome::Help:
    case coinest::qt::ArgumentsOutcome::Version:
      std::cout << parsed.text << std::flush;
      return kExitDone;
    case coinest::qt::ArgumentsOutcome::Usage:
    case coinest::qt::ArgumentsOutcome::Unparsed:
      break;
  }
  std::cerr << "coinest: " << parsed.text << '\n';
  return kExitUsage;
}

}  // namespace

int main(int argc, char** argv) {
  if (const std::optional<coinest::qt::ParsedArguments> early = readWithoutScreen(argc, argv)) {
    if (const std::optional<int> status = answer(*early)) return *status;
  }

  QApplication app(argc, argv);
  nameTheProgram();
  const coinest::qt::ParsedArguments parsed = coinest::qt::parseWindowArguments(QApplication::arguments());
  if (const std::optional<int> status = answer(parsed)) return *status;
  const coinest::qt::WindowArguments& arguments = parsed.arguments;
  const std::optional<std::string>& screenshot = arguments.screenshot;
  const std::optional<coinest::qt::StatisticsTab>& statistics = arguments.statistics;

  coinest::StartEnvironmentResult prepared =
      coinest::prepareStartEnvironment(arguments.root, arguments.today);
  if (!prepared.environment) {
    std::cerr << "coinest: " << prepared.message << '\n';
    return prepared.error == coinest::StartEnvironmentError::Usage ? kExitUsage : kExitFailed;
  }
  const coinest::StartEnvironment& environment = *prepared.environment;

  std::unique_ptr<coinest::qt::SingleInstance> instance;
  if (!screenshot) {
    instance = std::make_unique<coinest::qt::SingleInstance>(environment.root);
    const coinest::qt::ClaimResult claimed = instance->claim();
    if (!claimed.message.empty()) std::cerr << "coinest: " << claimed.message << '\n';
    switch (claimed.outcome) {
      case coinest::qt::ClaimOutcome::First:
        break;
      case coinest::qt::ClaimOutcome::Asked:
        return kExitDone;
      case coinest::qt::ClaimOutcome::NotAsked:
      case coinest::qt::ClaimOutcome::Refused:
        return kExitFailed;
    }
  }

  coinest::qt::WindowOptions options;
  options.root = environment.root;
  options.clock = environment.clock.get();
  options.scale = arguments.scale.value_or(coinest::qt::defaultScale());
  options.firstPage = arguments.page;
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
  for (int command : arguments.commands) window.sendCommand(command);
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
