// The main() of every test program that needs a QApplication. Discovery runs
// the programs outside ctest's environment, so the offscreen platform is
// chosen here when nothing else was asked for. Every save a test makes is
// recorded in a history of the program's own, never in the user's.

#include <gtest/gtest.h>

#include <QApplication>

#include "support/TempDirectory.h"
#include "support/TestEnvironment.h"

int main(int argc, char** argv) {
  if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  const ostrak::test::TempDirectory data;
  qputenv("XDG_DATA_HOME", QByteArray::fromStdString(data.path()));
  QApplication application(argc, argv);
  ostrak::test::PrepareApplication();
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
