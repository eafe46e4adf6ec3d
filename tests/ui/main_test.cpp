// Entry point of the window tests: a headless QApplication around GoogleTest.
#include <gtest/gtest.h>

#include <QApplication>
#include <filesystem>
#include <fstream>

#include "ui/Italiano.h"
#include "ui/Testo.h"

int main(int argc, char** argv) {
  // Offscreen, with the screens a user may have beside the usual 800×600
  // one, which stays the primary: 1024×600 and 1366×768 to its right.
  const QByteArray piattaforma = qgetenv("QT_QPA_PLATFORM");
  const auto schermi =
      std::filesystem::temp_directory_path() /
      ("tarvolane-schermi-" + std::to_string(QCoreApplication::applicationPid()) + ".json");
  if (piattaforma.isEmpty() || piattaforma == "offscreen") {
    std::ofstream(schermi) << R"({"screens": [
      {"name": "800x600", "x": 0, "y": 0, "width": 800, "height": 600},
      {"name": "1024x600", "x": 800, "y": 0, "width": 1024, "height": 600},
      {"name": "1366x768", "x": 1824, "y": 0, "width": 1366, "height": 768}]})";
    qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + QByteArray(schermi.c_str()));
  }
  // A system locale unlike the program's, the same on every machine.
  qputenv("LC_ALL", "C.UTF-8");
  QApplication app(argc, argv);
  std::error_code ignorato;
  std::filesystem::remove(schermi, ignorato);
  ui::ImpostaItaliano();  // as the program does
  ui::ImpostaTestoSemplice();
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
