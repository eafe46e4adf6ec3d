#include "boards/Tabellone2.h"

#include "core/nomi.h"
#include "ui/Finestre.h"
#include "ui/Griglia.h"
#include "ui/Testo.h"

Tabellone2::Tabellone2(const ui::Contesto& contesto, QWidget* parent)
    : TelaioTabellone(contesto, parent) {
  setObjectName(QStringLiteral("Tabellone2"));
  setProperty("argomentoAiuto", 30030);  // F1: its paragraph of the guide
  ui::Nomina(this, QStringLiteral("RSC (Ritardi Statistico-Cabalistici) - Tabellone Ritardi Misti"));
  ui::Finestre::ImpostaDimensioni(this, 17000, 9000);
  ana->setRows(3);
  ana->setFixedRows(2);
  ana->setFixedCols(1);
  ana->setMergeRow(0, true);
  ApriSulRange();
}

void Tabellone2::CalcolaTabellone(int riferimento) {
  TabellaMista = Tabelloni::Crea_Tabellone_Misti(mStato.ArchivioEstrazioni, mStato.TabelleRSC,
                                                 mStato.EstrInizio, riferimento);
  Riempi_Tabellone_Misti();
}

void Tabellone2::Riempi_Tabellone_Misti() {
  // Grid column c: wheel ruota[c], j-th number of the wheel's block.
  std::vector<int> ruota = {0}, posto = {0};
  for (int w = 1; w <= formato::kRuote; ++w)
    for (int j = 0; j < TabellaMista.ColonneRuota[w]; ++j) {
      ruota.push_back(w);
      posto.push_back(j);
    }
  const auto intestazione = [this, &ruota] {
    ana->clear();
    QString formato = QStringLiteral(">");
    for (std::size_t c = 1; c < ruota.size(); ++c) formato += QStringLiteral("|^");
    ana->setFormatString(formato);
    ana->setColWidth(0, 400);
    for (int c = 1; c < static_cast<int>(ruota.size()); ++c) {
      ana->setTextMatrix(0, c, ui::Q(Inizio::NomiRuote[ruota[c]]));
      ana->setColWidth(c, ana->rowHeight(0));
    }
  };
  const auto& righe = TabellaMista.righe;
  RiempiGriglia(
      static_cast<int>(righe.size()), ruota,
      [&](int i, int c) {
        if (c == 0) return QString::number(righe[i].ritardo);
        const auto numeri = righe[i].Ruota(ruota[c]);
        return posto[c] < static_cast<int>(numeri.size()) ? QString::number(numeri[posto[c]])
                                                          : QString();
      },
      intestazione);
}

QString Tabellone2::DataEstrazione(int d) const { return DataDi(mStato.ArchivioEstrazioni, d); }
