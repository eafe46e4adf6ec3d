#include "boards/TabAna.h"

#include "core/avvio.h"
#include "core/indici.h"
#include "ui/Finestre.h"
#include "ui/Griglia.h"
#include "ui/Servizi.h"
#include "ui/Testo.h"

TabAna::TabAna(const ui::Contesto& contesto, QWidget* parent) : TelaioTabellone(contesto, parent) {
  setObjectName(QStringLiteral("TabAna"));
  setProperty("argomentoAiuto", 30010);  // F1: its paragraph of the guide
  ui::Nomina(this, QStringLiteral("Tabellone Analitico"));
  ui::Finestre::ImpostaDimensioni(this, 17000, 9000);
  IntestazioneAnalitica();
  auto copia = Inizio::CaricaArchivio(mStato.CartellaDati);
  if (!copia) {
    Rinuncia(copia.motivo());
    return;
  }
  CopiaArchivio = std::move(copia).prendi();
  ApriSulRange();
}

void TabAna::Crea_Tabellone_Analitico(int R) {
  mTabellone = Tabelloni::Crea_Tabellone_Analitico(CopiaArchivio, mStato.EstrInizio, R);
  RiempiAnalitico(mTabellone.righe);
}

QString TabAna::DataEstrazione(int d) const { return DataDi(CopiaArchivio, d); }

std::optional<QStringList> TabAna::Dettagli(int riga, int colonna) const {
  const auto righe = Tabelloni::DettagliTabAna(mTabellone, static_cast<std::size_t>(riga - 2), colonna);
  if (!righe) return std::nullopt;
  QStringList out;
  for (const std::string& r : *righe) out << ui::Q(r);
  return out;
}
