#include "boards/Tabellone1.h"

#include <QGroupBox>
#include <QRadioButton>
#include <QVBoxLayout>

#include "ui/Colori.h"
#include "ui/Finestre.h"
#include "ui/Servizi.h"
#include "ui/Testo.h"

namespace {

constexpr int kMargine = 1000;  // twips left of the grid for the frame "Archivio"

}  // namespace

Tabellone1::Tabellone1(const ui::Contesto& contesto, QWidget* parent)
    : TelaioTabellone(contesto, parent) {
  setObjectName(QStringLiteral("Tabellone1"));
  setProperty("argomentoAiuto", 30020);  // F1: its paragraph of the guide
  ui::Nomina(this, QStringLiteral("RSC (Ritardi Statistico-Cabalistici) - Tabellone Analitico"));
  ui::Finestre::ImpostaDimensioni(this, 17000, 9000);
  Frame1 = new QGroupBox(QStringLiteral("Archivio"), this);
  Frame1->setObjectName(QStringLiteral("Frame1"));
  auto* colonna = new QVBoxLayout(Frame1);
  for (int i = 0; i <= 4; ++i) {
    OptArchivio[i] = Opzione(QStringLiteral("OptArchivio%1").arg(i), QString::number(i + 1),
                             [this, i] { OptArchivio_Click(i); });
    colonna->addWidget(OptArchivio[i]);
  }
  colonna->addStretch();
  IntestazioneAnalitica();
  OptArchivio[0]->setChecked(true);  // opens on the archive of position 1
}

void Tabellone1::OptArchivio_Click(int Index) {
  const int k = Index + 1;
  if (const Esito letto = Leggi_Archivio_RSC(k); !letto) {
    if (EstrattoScelto == 0) {
      Rinuncia(letto.motivo());  // nothing to show
      return;
    }
    ui::Msg(this, ui::Q(letto.motivo()), ui::Icona::Critica);
    Seleziona(OptArchivio[EstrattoScelto - 1]);  // the refused choice is undone on the buttons too
    return;
  }
  Seleziona(OptArchivio[Index]);
  EstrattoScelto = k;
  ui::Nomina(this,
      QStringLiteral("RSC (Ritardi Statistico-Cabalistici) - Tabellone Analitico  -  Estratto %1")
          .arg(k));
  // The new archive is shown at the end of the current range.
  ApriSulRange();
}

Esito Tabellone1::Leggi_Archivio_RSC(int k) {
  auto letto = Tabelloni::LeggiArchivioRSC(mStato.CartellaDati, k);
  if (!letto) return Esito::Errore(letto.motivo());
  CopiaRSC = std::move(letto).prendi();
  return Esito::Ok();
}

void Tabellone1::Crea_Tabellone_RSC(int R) {
  mTabellone = Tabelloni::Crea_Tabellone_RSC(CopiaRSC, mStato.EstrInizio, R);
  mRiferimento = R;
  RiempiAnalitico(mTabellone);
}

QString Tabellone1::DataEstrazione(int d) const { return DataDi(CopiaRSC, d); }

std::optional<QStringList> Tabellone1::Dettagli(int riga, int colonna) const {
  const auto righe =
      Tabelloni::DettagliTabellone1(mTabellone, mStato.ArchivioEstrazioni, mRiferimento,
                                    EstrattoScelto, static_cast<std::size_t>(riga - 2), colonna);
  if (!righe) return std::nullopt;
  QStringList out;
  for (const std::string& r : *righe) out << ui::Q(r);
  return out;
}

int Tabellone1::MargineSinistro(int larghezzaInterna) const {
  return larghezzaInterna > kMargine ? kMargine : 0;
}

void Tabellone1::Disponi() {
  TelaioTabellone::Disponi();
  Frame1->setGeometry(0, 0, ui::Pixel(kMargine), Frame1->sizeHint().height());
  Frame1->setVisible(MargineSinistro(ui::Twip(width())) > 0);
}
