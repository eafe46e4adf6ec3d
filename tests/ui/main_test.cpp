// Entry point of the window tests: a headless QApplication around GoogleTest.
#include <gtest/gtest.h>

#include <QApplication>

#include "ui/Italiano.h"

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  // A system locale unlike the program's, the same on every machine.
  qputenv("LC_ALL", "C.UTF-8");
  QApplication app(argc, argv);
  ui::ImpostaItaliano();  // as the program does
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
