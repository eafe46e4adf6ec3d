#include "boards/tabellone_misti.h"

#include <algorithm>

#include "boards/prima_uscita.h"
#include "boards/tabellone_analitico.h"

using formato::kRuote;

namespace Tabelloni {

int InizioFinestraMisti(int inizio, int riferimento) {
  const int lo = riferimento - kFinestraMisti;
  return lo < 1 ? inizio : lo;
}

RitardiPosizione Calcola_Ritardi_RSC(const Archivio& archivio, const Archivio& tabellaRSC, int k,
                                     int inizio, int riferimento) {
  RitardiPosizione out;
  const int lo = InizioFinestraMisti(inizio, riferimento);
  PerPrimaUscita(tabellaRSC, riferimento, lo, [&](int r, int w, int, int v) {
    const int n = NumeroPuntato(archivio(riferimento, w, k), v);
    if (n <= 90) out.RitardoRSC[w][n] = r;
  });
  PerPrimaUscita(archivio, riferimento, lo,
                 [&](int r, int w, int, int x) { out.RitardoSemplice[w][x] = r; });
  for (int w = 1; w <= kRuote; ++w)
    for (int n = 1; n <= 90; ++n)
      out.RitardoMisto[w][n] = out.RitardoRSC[w][n] + out.RitardoSemplice[w][n];
  return out;
}

TabelloneMisto Unisci_Ritardi_Misti(const std::array<RitardiPosizione, 5>& posizioni) {
  // A number in slot `slot` of row `riga` of position k's table.
  struct Voce {
    int riga, slot, k, n;
  };
  // A number placed on the board; `ordine` keeps the order of merging.
  struct Posto {
    int riga, w, ordine, n;
  };
  std::vector<Posto> posti;
  posti.reserve(kRuote * 90);
  std::vector<Voce> voci;
  voci.reserve(5 * 90);
  std::vector<int> slotLibero(kMassimoMisto + 1);
  for (int w = 1; w <= kRuote; ++w) {
    voci.clear();
    for (int k = 1; k <= 5; ++k) {
      std::fill(slotLibero.begin(), slotLibero.end(), 0);
      for (int n = 1; n <= 90; ++n) {
        const int m = std::min(posizioni[k - 1].RitardoMisto[w][n], kMassimoMisto);
        if (m > 0) voci.push_back({m, slotLibero[m]++, k, n});
      }
    }
    std::sort(voci.begin(), voci.end(), [](const Voce& a, const Voce& b) {
      if (a.riga != b.riga) return a.riga > b.riga;
      if (a.slot != b.slot) return a.slot < b.slot;
      return a.k < b.k;
    });
    std::array<bool, 91> posto{};
    for (const Voce& v : voci) {
      if (posto[v.n]) continue;
      posto[v.n] = true;
      posti.push_back({v.riga, w, static_cast<int>(posti.size()), v.n});
    }
  }
  std::sort(posti.begin(), posti.end(), [](const Posto& a, const Posto& b) {
    if (a.riga != b.riga) return a.riga < b.riga;
    if (a.w != b.w) return a.w < b.w;
    return a.ordine < b.ordine;
  });

  TabelloneMisto t;
  for (std::size_t i = 0; i < posti.size();) {
    RigaMista riga;
    riga.ritardo = posti[i].riga;
    for (int w = 1; w <= kRuote; ++w) {
      for (; i < posti.size() && posti[i].riga == riga.ritardo && posti[i].w == w; ++i)
        riga.numeri.push_back(static_cast<std::uint8_t>(posti[i].n));
      riga.fine[w] = static_cast<std::uint16_t>(riga.numeri.size());
      t.ColonneRuota[w] = std::max<int>(t.ColonneRuota[w], riga.fine[w] - riga.fine[w - 1]);
    }
    t.righe.push_back(std::move(riga));
  }
  return t;
}

TabelloneMisto Crea_Tabellone_Misti(const Archivio& archivio, const Rsc::Tabelle& tabelleRSC,
                                    int inizio, int riferimento) {
  std::array<RitardiPosizione, 5> posizioni;
  for (int k = 1; k <= 5; ++k)
    posizioni[k - 1] = Calcola_Ritardi_RSC(archivio, tabelleRSC[k - 1], k, inizio, riferimento);
  return Unisci_Ritardi_Misti(posizioni);
}

}  // namespace Tabelloni
