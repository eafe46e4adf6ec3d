#include <QApplication>
#include <QDir>
#include <QStandardPaths>
#include <QTimer>

#include "app/Inizio.h"
#include "app/StartForm.h"
#include "ui/Icone.h"
#include "ui/Italiano.h"
#include "ui/Programma.h"
#include "ui/Servizi.h"
#include "ui/Testo.h"

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  ui::ImpostaItaliano();
  ui::ImpostaTestoSemplice();
  app.setQuitOnLastWindowClosed(false);
  app.setWindowIcon(ui::IconaProgramma());
  Stato stato;
  Programma programma(stato);
  ui::installaServiziQt(QStringLiteral("Tarvolane"), QCoreApplication::applicationDirPath());

  Inizio::Ambiente ambiente;
  ambiente.eseguibile = QCoreApplication::applicationFilePath();
  ambiente.cartellaDati = QDir::currentPath();
  ambiente.cartellaBlocco = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
  if (ambiente.cartellaBlocco.isEmpty()) ambiente.cartellaBlocco = QDir::tempPath();
  std::unique_ptr<QLockFile> blocco;
  StartForm* avvio = Inizio::Main(programma, ambiente, blocco);
  if (!avvio) return 0;
  // The loading runs once the start window is on screen.
  QTimer::singleShot(0, &app, [avvio] {
    if (!avvio->Form_Activate()) {
      avvio->close();
      QApplication::exit(0);
      return;
    }
    // The program ends when the main window closes.
    QObject::connect(avvio->principale(), &QObject::destroyed, qApp, &QApplication::quit);
  });
  return app.exec();
}
