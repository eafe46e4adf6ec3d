#include "app/Inizio.h"

#include <QDir>
#include <QFileInfo>

#include "app/StartForm.h"
#include "core/avvio.h"
#include "core/classi.h"
#include "ui/Servizi.h"
#include "ui/Testo.h"

namespace Inizio {

StartForm* Main(Programma& programma, const Ambiente& ambiente, std::unique_ptr<QLockFile>& blocco) {
  Stato& s = programma.stato();
  // 1. Application title.
  s.Titolo = TitoloApplicazione(ambiente.eseguibile.toStdString());
  const QString titolo = ui::Q(s.Titolo);
  ui::servizi().titolo = titolo;
  s.CartellaDati = ambiente.cartellaDati.toStdString();
  s.CartellaProgramma = QFileInfo(ambiente.eseguibile).absolutePath().toStdString();
  ui::servizi().cartellaProgramma = ui::Q(s.CartellaProgramma.string());
  ui::servizi().cartellaDati = ui::Q(s.CartellaDati.string());

  // 2. Second instance.
  QDir().mkpath(ambiente.cartellaBlocco);
  blocco = std::make_unique<QLockFile>(QDir(ambiente.cartellaBlocco).filePath(titolo + QStringLiteral(".lock")));
  blocco->setStaleLockTime(0);
  if (!blocco->tryLock(0)) {
    blocco.reset();
    ui::Msg(nullptr, titolo + QStringLiteral(" già in esecuzione"), ui::Icona::Critica);
    return nullptr;
  }

  // 3. Archive present, and sound: a damaged archive ends the start-up too,
  // before anything is written.
  if (ArchivioAssente(s.CartellaDati)) {
    ui::Msg(nullptr,
            QStringLiteral("Nella directory del programma \r\nnon è presente il file archivio.dat\r\n"),
            ui::Icona::Critica);
    return nullptr;
  }
  RimuoviScrittureInterrotte(s.CartellaDati, s.CartellaProgramma);
  auto archivio = CaricaArchivio(s.CartellaDati);
  if (!archivio) {
    ui::Msg(nullptr, ui::Q(archivio.motivo()), ui::Icona::Critica);
    return nullptr;
  }
  s.ArchivioEstrazioni = std::move(archivio).prendi();

  // 4. Method-detector folder.
  CreaCartellaDetector(s.CartellaDati);

  // 5 and 6. The name tables are constants; the class tables are built.
  s.classi = Crea_Tabelle_Classi();

  // 7. The start window; its activation runs the loading.
  auto* avvio = new StartForm(programma);
  avvio->show();
  return avvio;
}

}  // namespace Inizio
