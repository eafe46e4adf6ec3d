#include "stats/statistica_data.h"

#include <array>

#include "core/nomi.h"
#include "core/testo.h"

namespace StatisticaData {

namespace {

// "BARI        12%": the name in 10 characters, the percentage of the
// presences rounded half to even, with "%", right-aligned in 5.
std::string RigaDistribuzione(std::string_view nome, long long conteggio, long long presenze) {
  const std::string percento =
      testo::Rapporto(conteggio * 100, presenze, 0, testo::Arrotondamento::MetaPari, false) + "%";
  return testo::AdattaAlmeno(nome, 10) + testo::AllineaDestraAlmeno(percento, 5);
}

}  // namespace

Statistiche::Elaborazione Statistica_Data(const Archivio& a, int inizio, int fine,
                                          const Statistiche::Ruote& ruote, int caselle) {
  Statistiche::Elaborazione el(inizio);
  std::array<long long, 11> perRuota{};
  std::array<long long, 13> perMese{};
  for (int d = inizio; d <= fine; ++d) {
    const int giorno = a.giorno(d);
    for (int w = 1; w <= 10; ++w) {
      if (!ruote[w]) continue;
      for (int p = 1; p <= 5; ++p) {
        if (a(d, w, p) != giorno) continue;
        el.segni.segna(d, w, p);
        el.corsa.Aggiungi(d, w, 1);
        ++perRuota[w];
        ++perMese[a.mese(d) % 13];
        break;
      }
    }
  }
  const Statistiche::Corsa& c = el.corsa;
  if (c.eventi().empty()) return el;

  auto& r = el.rapporto;
  Statistiche::AggiungiEstremi(r, a, inizio, fine);
  r.emplace_back();
  r.push_back("Ruote............: " + Statistiche::SigleRuote(ruote));
  r.emplace_back();
  Statistiche::AggiungiRitardi(r, a, c, fine, true);
  r.emplace_back();
  const std::string riga(30, '-');
  if (caselle >= 2) {
    r.emplace_back("Distribuzione x Ruota");
    r.push_back(riga);
    for (int w = 1; w <= 10; ++w) r.push_back(RigaDistribuzione(Inizio::NomiRuote[w], perRuota[w], c.presenze()));
    r.emplace_back();
  }
  r.emplace_back("Distribuzione x Mesi");
  r.push_back(riga);
  for (int m = 1; m <= 12; ++m)
    if (perMese[m] != 0) r.push_back(RigaDistribuzione(Inizio::NomiMesi[m], perMese[m], c.presenze()));
  return el;
}

}  // namespace StatisticaData
