// The commands of the method tester: the run and its report, printing and
// saving the report, saving and opening method files, and the hand-off of a
// line to the corrector.
#include <QCheckBox>
#include <QComboBox>
#include <QFileInfo>
#include <QListWidget>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QRadioButton>

#include "core/file.h"
#include "core/testo.h"
#include "methods/Metodi.h"
#include "methods/correggimetodo.h"
#include "methods/correzione.h"
#include "methods/descrizione.h"
#include "methods/verifica.h"
#include "ui/Clessidra.h"
#include "ui/Finestre.h"
#include "ui/PannelloTesto.h"
#include "ui/Rapporto.h"
#include "ui/Servizi.h"
#include "ui/Testo.h"

namespace {

constexpr const char* kFiltroMetodo = "File di Metodo (*.mtd)|*.mtd";

}  // namespace

// --- Commands ------------------------------------------------------------------

void Metodi::Cmd_Click(int Index) {
  switch (Index) {
    case 0:
      if (ListPro->count() > 0)
        Elabora_Metodo();
      else
        ui::Msg(this, QStringLiteral("Nessuna Formazione da elaborare"), ui::Icona::Critica);
      return;
    case 1:
      if (auto* cornice = qobject_cast<QMdiSubWindow*>(parentWidget()))
        cornice->close();
      else
        close();
      return;
    case 2: {
      QStringList righe{ui::Titolo().toUpper(), QString()};
      righe << ui::RigheTesto(mTesto);
      // Without a printer the message comes first, even with nothing to print.
      if (!mTesto.empty() || !ui::servizi().stampante->installata()) ui::StampaRighe(this, righe);
      return;
    }
    case 3:
      Salva_Output();
      return;
    case 4:
      Salva_Metodo();
      return;
    case 5:
      Apri_Metodo();
      return;
    default:
      return;
  }
}

void Metodi::Elabora_Metodo() {
  if (!Controlla_Opzioni()) return;
  const std::vector<std::string> testi = Pronostici();
  std::vector<std::optional<metodi::Pronostico>> righe;
  metodi::ElencoRigheNonValide scartate;
  for (std::size_t i = 0; i < testi.size(); ++i) {
    auto p = metodi::LeggiPronostico(testi[i]);
    if (p)
      righe.emplace_back(std::move(*p));
    else
      righe.emplace_back();
    if (!p)
      scartate.aggiungi("Riga " + std::to_string(i + 1) + ": " + testo::Citazione(testi[i], 40) +
                        " (" + p.motivo() + ")");
  }
  if (!scartate.vuoto())
    ui::Msg(this,
            QStringLiteral("Queste righe non sono valide e non saranno elaborate:\r\n") +
                ui::Q(scartate.testo()),
            ui::Icona::Esclamativa);

  const metodi::Opzioni opzioni = LeggiOpzioni();
  for (auto& [i, pulsante] : Cmd) pulsante->setEnabled(false);
  MostraTesto({});
  std::optional<metodi::Rapporto> rapporto;
  metodi::Periodo periodo;
  {
    ui::Clessidra clessidra;
    const metodi::Verifica v = metodi::Esegui(mBase, *mTavola, mRegole, righe, opzioni);
    periodo = v.periodo;
    if (periodo.valido())
      rapporto = metodi::ScriviRapporto(v, righe, mBase, *mTavola, mRegole, opzioni);
  }
  EstrInizioTest = periodo.inizio;
  EstrFineTest = periodo.fine;
  for (int i : {0, 1, 4, 5}) Cmd[i]->setEnabled(true);
  if (!rapporto) {
    ui::Msg(this,
            QStringLiteral(
                "Impossibile trovare Estrazioni Valide x il Calcolo nel periodo specificato"),
            ui::Icona::Critica);
    return;
  }
  MostraTesto(std::move(rapporto->testo));
  if (!rapporto->completo) {
    ui::Msg(this,
            QStringLiteral("Memoria esaurita !\r\nProvare con un range di date minore \r\n"
                           "o attivare l'opzione Evidenzia solo casi Positivi "),
            ui::Icona::Critica);
    return;
  }
  Cmd[2]->setEnabled(!mTesto.empty());
  Cmd[3]->setEnabled(!mTesto.empty());
}

void Metodi::Salva_Output() {
  if (mTesto.empty()) return;
  // The whole name: the dialog adds its extension only to a name without
  // one, and "Ambo v2.1" or "archivio.dat" already have one.
  const ui::DialogoFile d{QString(), QStringLiteral("File di Output (*.txt)|*.txt"),
                          QStringLiteral(".txt"), NomeProposto() + QStringLiteral(".txt"),
                          CartellaAvvio};
  const QString percorso = ui::SalvaFile(this, d, metodi::FileOutput(ui::S(ui::Titolo()), mTesto));
  if (!percorso.isEmpty()) RicordaCartella(percorso);
}

void Metodi::Salva_Metodo() {
  if (!Controlla_Opzioni()) return;
  // The file the method came from, whatever the case of its extension, so
  // that accepting the proposal replaces it (after the dialog's question).
  const QFileInfo aperto(mFileMetodo.value_or(QString()));
  const ui::DialogoFile d{QString(), QString::fromLatin1(kFiltroMetodo), QStringLiteral(".mtd"),
                          mFileMetodo ? aperto.fileName() : QStringLiteral("Metodo.mtd"),
                          mFileMetodo ? aperto.absolutePath() : CartellaAvvio};
  const QString percorso = ui::servizi().dialoghi->salva(this, d);
  if (percorso.isEmpty()) return;
  const auto nome = metodi::NomeMetodo(ui::S(percorso));
  if (!nome) {
    ui::Msg(this, ui::Q(nome.motivo()), ui::Icona::Critica);
    return;
  }
  if (const Esito scritto = file::ScriviAtomico(
          ui::S(percorso), metodi::ScriviFileMetodo(LeggiOpzioni(), Pronostici()));
      !scritto) {
    ui::Msg(this, ui::Q(scritto.motivo()), ui::Icona::Critica);
    return;
  }
  mFileMetodo = percorso;
  ui::Nomina(this, ui::Q(*nome));
  RicordaCartella(percorso);
}

void Metodi::Apri_Metodo() {
  const ui::DialogoFile d{QString(), QString::fromLatin1(kFiltroMetodo), QStringLiteral(".mtd"),
                          QString(), CartellaAvvio};
  const QString percorso = ui::servizi().dialoghi->apri(this, d);
  if (percorso.isEmpty()) return;
  // The whole file is read and checked before anything changes.
  const auto nome = metodi::NomeMetodo(ui::S(percorso));
  const int anni = static_cast<int>(mContesto.stato().indici.AnniArchivio.size());
  auto letto = nome ? metodi::ApriFileMetodo(ui::S(percorso), anni)
                    : Risultato<metodi::FileMetodo>(Esito::Errore(nome.motivo()));
  if (!letto) {
    ui::Msg(
        this,
        QStringLiteral("Impossibile aprire il metodo %1:\r\n").arg(QFileInfo(percorso).fileName()) +
            ui::Q(letto.motivo()),
        ui::Icona::Critica);
    return;
  }
  mFileMetodo = percorso;
  ui::Nomina(this, ui::Q(*nome));
  ListRit->clear();
  ListPro->clear();
  ListCalcoli->clear();
  MostraTesto({});
  CmbEstratto->setCurrentIndex(0);
  CMbRuotaCalcolo->setCurrentIndex(0);
  CmbFissi->setCurrentIndex(0);
  OptOperatore[0]->setChecked(true);
  OptOperatore_Click(0);
  RicordaCartella(percorso);
  // The options apply as stored: the period rules wait until they are all set.
  ControlloPeriodo = 0;
  if (letto->opzioni) ApplicaOpzioni(*letto->opzioni);
  for (const std::string& r : letto->righe) ListPro->addItem(ui::Q(r));
  ControlloPeriodo = UltimaEstrValida;
  // The two report options exclude each other: of both ticked in the file,
  // the window keeps the second, and says so before a save can drop the first.
  if (letto->opzioni && letto->opzioni->positivi == 1 && LeggiOpzioni().positivi != 1)
    ui::Msg(this,
            QStringLiteral("Il metodo chiede sia \"Evidenzia solo casi positivi\" sia \"Solo "
                           "Riepilogo\", che si escludono: resta solo \"Solo Riepilogo\"."),
            ui::Icona::Esclamativa);
}

// The hand-off to the line corrector: the line goes to riporto.txt in the
// program folder, the corrector rewrites it there, and the line read back
// takes the place of the selected one when it follows the grammar.
void Metodi::Correggi(int riga) {
  const std::string testo = ui::S(ListPro->item(riga)->text());
  if (const auto c = metodi::LeggiCorrezione(testo); !c) {
    ui::Msg(this, QStringLiteral("Impossibile correggere la riga:\r\n") + ui::Q(c.motivo()),
            ui::Icona::Critica);
    return;
  }
  const std::filesystem::path riporto =
      mContesto.stato().CartellaProgramma / std::string(metodi::kFileRiporto);
  // The hand-off file is the program's: a link of that name is replaced,
  // never written through (and the link alone is removed below).
  if (const Esito scritto = file::ScriviAtomico(riporto, metodi::ScriviRiporto(testo),
                                                file::Collegamento::Sostituisci);
      !scritto) {
    ui::Msg(this, ui::Q(scritto.motivo()), ui::Icona::Critica);
    return;
  }
  {
    correggimetodo correttore(riporto, this);
    ui::servizi().dialoghi->esegui(&correttore);
  }
  const auto letto = file::LeggiTesto(riporto, metodi::kMassimoByteRiporto);
  const Esito rimosso = file::Rimuovi(riporto);
  if (!letto) {
    ui::Msg(this, ui::Q(letto.motivo()), ui::Icona::Critica);
    return;
  }
  const std::string corretta = metodi::LeggiRiporto(*letto);
  if (const auto p = metodi::LeggiPronostico(corretta); !p) {
    ui::Msg(
        this,
        QStringLiteral("La riga corretta non è valida e non sostituisce quella del metodo:\r\n") +
            ui::Q(corretta) + QStringLiteral(" (") + ui::Q(p.motivo()) + QStringLiteral(")"),
        ui::Icona::Critica);
    return;
  }
  ListPro->item(riga)->setText(ui::Q(corretta));
  if (!rimosso) ui::Msg(this, ui::Q(rimosso.motivo()), ui::Icona::Critica);
}

// --- Helpers ---------------------------------------------------------------------

std::vector<std::string> Metodi::Pronostici() const {
  std::vector<std::string> out;
  for (const QString& r : Righe(ListPro)) out.push_back(ui::S(r));
  return out;
}

QStringList Metodi::Righe(const QListWidget* lista) const {
  QStringList out;
  for (int r = 0; r < lista->count(); ++r) out << lista->item(r)->text();
  return out;
}

void Metodi::MostraTesto(std::string testo) {
  mTesto = std::move(testo);
  Text1->setTesto(mTesto);
  // Lines wider than the pane widen the window where the host has room.
  ui::Finestre::Adatta(this);
}

QString Metodi::NomeProposto() const {
  return mFileMetodo ? ui::Nome(this) : QStringLiteral("Metodo");
}

void Metodi::RicordaCartella(const QString& percorso) {
  CartellaAvvio = QFileInfo(percorso).absolutePath();
  ui::servizi().impostazioni->scrivi(QStringLiteral("Avvio"), ui::Q(mRegole.chiaveCartella),
                                     CartellaAvvio);
}
