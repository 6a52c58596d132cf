// The built program `coinest` run as a user runs it: the picture of --screenshot, the password
// that stops it, and the one running copy per root.

#include <QImage>
#include <QProcess>

#include <gtest/gtest.h>

#include <filesystem>

#include "support/cli_runner.h"
#include "support/temp_dir.h"

namespace coinest::qt {
namespace {

constexpr int kWaitMilliseconds = 30000;

struct WindowRun {
  int status = -1;
  QString err;
};

QString program() { return qEnvironmentVariable("COINEST_WINDOW"); }

QProcessEnvironment offscreen() {
  QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
  environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
  environment.remove(QStringLiteral("COINEST_ROOT"));
  environment.remove(QStringLiteral("COINEST_TODAY"));
  return environment;
}

WindowRun runWindow(const QStringList& arguments) {
  QProcess process;
  process.setProcessEnvironment(offscreen());
  process.start(program(), arguments);
  WindowRun run;
  if (!process.waitForFinished(kWaitMilliseconds)) {
    process.kill();
    process.waitForFinished();
    return run;
  }
  run.status = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
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
  // The first copy holds the lock once its window may be asked for.
  const std::filesystem::path lock = root_ / "coinest.lock";
  for (int i = 0; i < 300 && !std::filesystem::exists(lock); ++i) first.waitForFinished(100);
  ASSERT_TRUE(std::filesystem::exists(lock));

  const WindowRun second = runWindow(rootAndToday(root_) << QStringLiteral("--scale") << QStringLiteral("1"));
  EXPECT_EQ(second.status, 0) << second.err.toStdString();
  EXPECT_EQ(first.state(), QProcess::Running);

  first.terminate();
  if (!first.waitForFinished(kWaitMilliseconds)) first.kill();
  first.waitForFinished();
}

}  // namespace
}  // namespace coinest::qt
