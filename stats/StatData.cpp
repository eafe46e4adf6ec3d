#include "stats/StatData.h"

#include "stats/statistica_data.h"
#include "ui/Testo.h"

StatData::StatData(const ui::Contesto& contesto, QWidget* parent) : TelaioStatistiche(contesto, parent) {
  setObjectName(QStringLiteral("StatData"));
  setProperty("argomentoAiuto", 60020);  // F1: its paragraph of the guide
  ui::Nomina(this, QStringLiteral("'sta Data sorte o non sorte ?"));
  AggiungiTitoloLista();
  Dimensiona(11340, 7155);
  CopiaRange();
}

void StatData::Statistica_Data() { Elabora(); }

Statistiche::Elaborazione StatData::Calcola() {
  return StatisticaData::Statistica_Data(mStato.ArchivioEstrazioni, EstrInizio, EstrFine, RuoteScelte(),
                                         RuoteSpuntate);
}
