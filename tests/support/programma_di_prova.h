// Window-test helpers: a loaded program state on an archive built in the
// test (or the real draws), the scripted services, and the main window.
#pragma once

#include <QApplication>
#include <QCoreApplication>
#include <QTest>
#include <memory>

#include "app/MDIForm1.h"
#include "ui/Programma.h"
#include "core/avvio.h"
#include "support/cartella_temporanea.h"
#include "support/estrazioni_csv.h"
#include "ui/ServiziDiProva.h"

namespace prova {

// A program state loaded from the given draws, with its files written into a
// temporary data folder (archivio.dat and the five distance archives).
class ProgrammaDiProva {
 public:
  explicit ProgrammaDiProva(const std::vector<Estrazione>& estrazioni,
                            const QString& titolo = QStringLiteral("Tarvolane"))
      : servizi(titolo, QString::fromStdString(cartella.percorso().string())), programma(stato) {
    stato.Titolo = titolo.toStdString();
    stato.CartellaDati = cartella.percorso();
    stato.CartellaProgramma = cartella.percorso();
    stato.ArchivioEstrazioni = CostruisciArchivio(estrazioni);
    const auto b = stato.ArchivioEstrazioni.bytes();
    std::string bytes(reinterpret_cast<const char*>(b.data()), b.size());
    std::FILE* f = std::fopen((cartella.percorso() / "archivio.dat").c_str(), "wb");
    std::fwrite(bytes.data(), 1, bytes.size(), f);
    std::fclose(f);
    stato.classi = Inizio::Crea_Tabelle_Classi();
    Inizio::PreparaIndici(stato);
    Inizio::PreparaArchiviRSC(stato);
  }

  // The main window over this state (created on first use).
  MDIForm1& principale() {
    if (!mPrincipale) {
      mPrincipale = new MDIForm1(programma);
      mPrincipale->setAttribute(Qt::WA_DeleteOnClose, false);
      // The designed 1200 x 800, whatever the test screen holds.
      mPrincipale->resize(1200, 800);
      mPrincipale->show();
      // On a display the window manager maps the window later and answers
      // with the size it had then; a size a test sets before that answer
      // would be undone by it.
      (void)QTest::qWaitForWindowExposed(mPrincipale);
    }
    return *mPrincipale;
  }

  ~ProgrammaDiProva() {
    delete mPrincipale;
    QCoreApplication::processEvents();
  }

  CartellaTemporanea cartella;
  ui::ServiziDiProva servizi;
  Stato stato;
  Programma programma;

 private:
  MDIForm1* mPrincipale = nullptr;
};

}  // namespace prova
