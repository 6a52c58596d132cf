// The window's tests need a QApplication; they never need a display.
#include <QApplication>

#include <gtest/gtest.h>

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  // The programs the tests run: this build's.
  if (qEnvironmentVariableIsEmpty("COINEST_WINDOW")) qputenv("COINEST_WINDOW", COINEST_WINDOW_PROGRAM);
  if (qEnvironmentVariableIsEmpty("COINEST_CLI")) qputenv("COINEST_CLI", COINEST_CLI_PROGRAM);
  ::testing::InitGoogleTest(&argc, argv);
  QApplication app(argc, argv);
  return RUN_ALL_TESTS();
}
