#include "app/StartForm.h"

#include <QCoreApplication>
#include <QLabel>
#include <QGuiApplication>
#include <QScreen>
#include <QVBoxLayout>

#include "archive/CreaArchivi.h"
#include "app/MDIForm1.h"
#include "core/avvio.h"
#include "core/rsc.h"
#include "ui/Clessidra.h"
#include "ui/Icone.h"
#include "ui/Servizi.h"
#include "ui/Testo.h"

StartForm::StartForm(Programma& programma) : mProgramma(programma) {
  setObjectName(QStringLiteral("StartForm"));
  setWindowFlags(Qt::SplashScreen | Qt::FramelessWindowHint);
  setAttribute(Qt::WA_DeleteOnClose);
  auto* immagine = new QLabel;
  immagine->setPixmap(ui::ImmagineAvvio(ui::Titolo(), QStringLiteral("Caricamento dell'archivio in corso...")));
  auto* colonna = new QVBoxLayout(this);
  colonna->setContentsMargins(0, 0, 0, 0);
  colonna->addWidget(immagine);
  adjustSize();
  if (QScreen* schermo = QGuiApplication::primaryScreen())
    move(schermo->availableGeometry().center() - rect().center());
  // Form_Load: the range is set again once the archive is loaded.
  mProgramma.stato().EstrInizio = 1;
  mProgramma.stato().EstrFine = mProgramma.stato().TotEstrazioni();
}

bool StartForm::Form_Activate() {
  Stato& s = mProgramma.stato();
  {
    ui::Clessidra clessidra;
    // 1. The archive was read and checked by Inizio::Main; let the start
    // window paint once.
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    // 2 and 3. Indices, SuperEnalotto draws, range, per-wheel presences.
    Inizio::PreparaIndici(s);
  }
  // 4. Missing distance archives: say so and build all five.
  bool scritturaFallita = false;
  if (Rsc::FileMancanti(s.CartellaDati)) {
    const QString titolo = ui::Titolo();
    ui::Msg(this,
            QStringLiteral("     ATTENZIONE, ARCHIVI RSC MANCANTI !!!!!     \r\n\r\n") +
                QStringLiteral("  Probabilmente è la prima esecuzione di ") + titolo + QStringLiteral("\r\n\r\n") +
                QStringLiteral("  Il programma provvedera' a creare gli archivi necessari  \r\n\r\n") +
                QStringLiteral("  Successivamente saranno aggiornate solo le nuove estrazioni  \r\n\r\n"),
            ui::Icona::Critica);
    // Files that cannot be written (a read-only folder) are said once; the
    // program goes on with the tables built in memory.
    if (Esito creati = CreaArchivi::Esegui(this, s); !creati) {
      ui::Msg(this, ui::Q(creati.motivo()), ui::Icona::Critica);
      scritturaFallita = true;
    }
  }
  {
    // 5 to 7. The tables are the full build of the archive; a file that
    // differs from its table is rewritten without a word.
    Esito rsc = [&] {
      ui::Clessidra clessidra;
      return Inizio::PreparaArchiviRSC(s);
    }();
    if (!rsc && !scritturaFallita) ui::Msg(this, ui::Q(rsc.motivo()), ui::Icona::Critica);
  }
  // 8. The start window goes; the main window comes.
  close();
  mPrincipale = new MDIForm1(mProgramma);
  mPrincipale->show();
  return true;
}
