// The built program `coinest` run as a user runs it: the picture of --screenshot, the password
// that stops it, the one running copy per root, and the answers it gives without a display.

#include <QImage>
#include <QProcess>

#include <gtest/gtest.h>

#include <filesystem>

#include "support/cli_runner.h"
#include "support/file_checks.h"
#include "support/temp_dir.h"

namespace coinest::qt {
namespace {

constexpr int kWaitMilliseconds = 30000;

struct WindowRun {
  int status = -1;  // -1 when it crashed or did not end
  QString out;
  QString err;
};

QString program() { return qEnvironmentVariable("COINEST_WINDOW"); }

// No display at all, and no word to Qt that it should draw off screen.
QProcessEnvironment headless() {
  QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
  for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM", "COINEST_ROOT", "COINEST_TODAY"}) {
    environment.remove(QString::fromLatin1(name));
  }
  // The single-copy socket then lives in the root.
  environment.remove(QStringLiteral("XDG_RUNTIME_DIR"));
  return environment;
}

QProcessEnvironment offscreen() {
  QProcessEnvironment environment = headless();
  environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
  return environment;
}

WindowRun runWindow(const QStringList& arguments, const QProcessEnvironment& environment = offscreen()) {
  QProcess process;
  process.setProcessEnvironment(environment);
  process.start(program(), arguments);
  WindowRun run;
  if (!process.waitForFinished(kWaitMilliseconds)) {
    process.kill();
    process.waitForFinished();
    return run;
  }
  run.status = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
  run.out = QString::fromUtf8(process.readAllStandardOutput());
  run.err = QString::fromUtf8(process.readAllStandardError());
  return run;
}

QStringList rootAndToday(const testing::TempDir& root) {
  return {QStringLiteral("--root"), QString::fromStdString(root.path().string()), QStringLiteral("--today"),
          QStringLiteral("2007-03-05")};
}

class Program : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_FALSE(program().isEmpty()) << "COINEST_WINDOW names the built program"; }
  testing::TempDir root_;
  testing::TempDir scratch_;
};

TEST_F(Program, AScreenshotIsTheWindowsPictureAndTheRunEndsThroughTheExit) {
  for (int scale : {1, 2}) {
    const std::filesystem::path picture = scratch_ / ("window-" + std::to_string(scale) + ".png");
    const WindowRun run = runWindow(rootAndToday(root_) << QStringLiteral("--scale") << QString::number(scale)
                                                  << QStringLiteral("--screenshot")
                                                  << QString::fromStdString(picture.string()));
    ASSERT_EQ(run.status, 0) << run.err.toStdString();
    const QImage image(QString::fromStdString(picture.string()), "PNG");
    ASSERT_FALSE(image.isNull());
    EXPECT_EQ(image.width(), 240 * scale);
    EXPECT_GT(image.height(), 320 * scale) << "the menu bar is in the picture";
    // The tab strip's colour at the left end of the area under the menu bar.
    const int areaTop = image.height() - 320 * scale;
    EXPECT_EQ(image.pixelColor(0, areaTop + 8 * scale), QColor(0x10, 0x2C, 0x63));
  }
  EXPECT_TRUE(std::filesystem::exists(root_ / "Windows" / "Coinest.ini")) << "the exit wrote the initialisation file";
}

TEST_F(Program, AScreenshotOfABookWithAPasswordEndsWithStatusOneAndNoPicture) {
  const testing::CliRun set = testing::runCli(
      {"--root", root_.path().string(), "settings", "--login-prompt", "Y", "--password", "4321"}, scratch_.path(),
      "COINEST_TODAY=2007-03-05");
  ASSERT_EQ(set.status, 0) << set.err;
  const std::filesystem::path picture = scratch_ / "never.png";
  const WindowRun run = runWindow(rootAndToday(root_) << QStringLiteral("--screenshot")
                                                << QString::fromStdString(picture.string()));
  EXPECT_EQ(run.status, 1);
  EXPECT_TRUE(run.err.contains(QStringLiteral("password"))) << run.err.toStdString();
  EXPECT_FALSE(std::filesystem::exists(picture));
}

TEST_F(Program, ASecondCopyOnTheSameRootLeavesTheFirstRunning) {
  QProcess first;
  first.setProcessEnvironment(offscreen());
  first.start(program(), rootAndToday(root_) << QStringLiteral("--scale") << QStringLiteral("1"));
  ASSERT_TRUE(first.waitForStarted(kWaitMilliseconds));
  // The first copy listens once it holds the lock; without a runtime folder, in the root.
  const auto listening = [this] { return !testing::namesIn(root_ / "run").empty(); };
  for (int i = 0; i < 300 && !listening(); ++i) first.waitForFinished(100);
  ASSERT_TRUE(listening());
  EXPECT_TRUE(std::filesystem::exists(root_ / "coinest.lock"));

  const WindowRun second = runWindow(rootAndToday(root_) << QStringLiteral("--scale") << QStringLiteral("1"));
  EXPECT_EQ(second.status, 0) << second.err.toStdString();
  EXPECT_EQ(first.state(), QProcess::Running);

  first.terminate();
  if (!first.waitForFinished(kWaitMilliseconds)) first.kill();
  first.waitForFinished();
}

struct Answer {
  QStringList arguments;
  int status;
  const char* shown;  // on stdout when the status is 0, else on stderr
};

TEST_F(Program, HelpVersionAndWrongUsageAnswerWithoutADisplay) {
  const Answer answers[] = {
      {{QStringLiteral("--help")}, 0, "--screenshot <FILE.png>"},
      {{QStringLiteral("-h")}, 0, "--root <DIR>"},
      {{QStringLiteral("--version")}, 0, "coinest 0."},
      {{QStringLiteral("--scale"), QStringLiteral("0")}, 2, "--scale"},
      {{QStringLiteral("--statistics"), QStringLiteral("week")}, 2, "--statistics"},
      {{QStringLiteral("book")}, 2, "unexpected argument"},
      {{QStringLiteral("--frobnicate")}, 2, "frobnicate"},
      {{QStringLiteral("--root")}, 2, "--root"},
      // Qt's own options are taken before the line is read: they need its window system first.
      {{QStringLiteral("-platform"), QStringLiteral("offscreen"), QStringLiteral("--help")}, 0, "--root <DIR>"},
  };
  for (const Answer& answer : answers) {
    SCOPED_TRACE(answer.arguments.join(u' ').toStdString());
    const WindowRun run = runWindow(answer.arguments, headless());
    EXPECT_EQ(run.status, answer.status) << run.err.toStdString();
    const QString& shown = answer.status == 0 ? run.out : run.err;
    EXPECT_TRUE(shown.contains(QString::fromUtf8(answer.shown))) << shown.toStdString();
  }
}

TEST_F(Program, WrongUsageWithADisplayExitsTwo) {
  for (const QStringList& arguments : {QStringList{QStringLiteral("--frobnicate")}, QStringList{QStringLiteral("--root")},
                                       QStringList{QStringLiteral("--page"), QStringLiteral("x")}}) {
    SCOPED_TRACE(arguments.join(u' ').toStdString());
    const WindowRun run = runWindow(arguments);
    EXPECT_EQ(run.status, 2) << run.err.toStdString();
    EXPECT_TRUE(run.err.contains(QStringLiteral("coinest: "))) << run.err.toStdString();
  }
}

TEST_F(Program, APlantedLinkAtTheLockFileStopsTheStartAndNamesIt) {
  const std::filesystem::path lock = root_ / "coinest.lock";
  std::filesystem::create_symlink(scratch_ / "planted", lock);
  const WindowRun run = runWindow(rootAndToday(root_) << QStringLiteral("--scale") << QStringLiteral("1"));
  EXPECT_EQ(run.status, 1);
  EXPECT_TRUE(run.err.contains(QString::fromStdString(lock.string()))) << run.err.toStdString();
  EXPECT_FALSE(std::filesystem::exists(scratch_ / "planted")) << "nothing was made outside the root";
}

}  // namespace
}  // namespace coinest::qt
