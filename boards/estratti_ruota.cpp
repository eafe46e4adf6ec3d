#include "boards/estratti_ruota.h"

#include <algorithm>

#include "boards/prima_uscita.h"
#include "boards/tabellone_analitico.h"
#include "core/avvio.h"
#include "core/file.h"
#include "core/nomi.h"
#include "core/ritardi_ruote.h"
#include "core/testo.h"

using formato::kPosizioni;
using formato::kRuote;

namespace EstrattiRuota {

Tabelle Calcola_Storici_e_Presenze(const Archivio& scelto, int inizio, int daQuando) {
  Tabelle t;
  const StoriciPresenze perRuota = Inizio::Calcola_Storici_Presenze_Ruote(scelto, inizio, daQuando);
  for (int w = 1; w <= kRuote; ++w) {
    t.PreRuota[w] = perRuota.Presenze[w];
    t.StoRuota[w] = perRuota.RitardoStorico[w];
    for (int x = 1; x <= 90; ++x) t.PreRuota[kTutte][x] += perRuota.Presenze[w][x];
  }
  // All wheels together: gaps between distinct draws in which x came out.
  std::array<int, 91> ultima{};
  for (int d = daQuando; d >= inizio; --d)
    for (int w = 1; w <= kRuote; ++w)
      for (int p = 1; p <= kPosizioni; ++p) {
        const int x = scelto(d, w, p);
        if (x == 0 || x > 90 || ultima[x] == d) continue;
        if (ultima[x] > 0) t.StoRuota[kTutte][x] = std::max(t.StoRuota[kTutte][x], ultima[x] - d);
        ultima[x] = d;
      }
  // Current delays look back to draw 1, whatever the range start; a number
  // never drawn shows the as-of index. All wheels: the smallest of the ten.
  for (int w = 1; w <= kRuote; ++w) t.RitRuota[w].fill(daQuando);
  Tabelloni::PerPrimaUscita(scelto, daQuando, 1,
                            [&](int r, int w, int, int x) { t.RitRuota[w][x] = r; });
  t.RitRuota[kTutte].fill(daQuando);
  for (int w = 1; w <= kRuote; ++w)
    for (int x = 1; x <= 90; ++x)
      t.RitRuota[kTutte][x] = std::min(t.RitRuota[kTutte][x], t.RitRuota[w][x]);
  for (int w = 1; w <= kTutte; ++w) t.RitRuota[w][0] = 0;
  return t;
}

std::array<int, 90> Ordine(const Tabelle& t, int ruota, int colonna, bool inverso) {
  std::array<int, 90> numeri;
  for (int i = 0; i < 90; ++i) numeri[i] = i + 1;
  const TabellaEstratti* tabella = colonna == Ritardo   ? &t.RitRuota
                                   : colonna == Storico ? &t.StoRuota
                                                        : &t.PreRuota;
  // Numbers ascending by default, figures descending; "Inverti Ordine" swaps both.
  const bool discendente = (colonna != Numero) != inverso;
  std::stable_sort(numeri.begin(), numeri.end(), [&](int a, int b) {
    const int ka = colonna == Numero ? a : (*tabella)[ruota][a];
    const int kb = colonna == Numero ? b : (*tabella)[ruota][b];
    return discendente ? ka > kb : ka < kb;
  });
  return numeri;
}

std::string Etichetta(int ruota) {
  return ruota == kTutte ? "TUTTE" : "Ruota di " + std::string(Inizio::NomiRuote[ruota]);
}

namespace {

std::string Riga(const std::array<std::string, 5>& celle) {
  std::string out;
  for (const std::string& c : celle) out += testo::AllineaDestra(c, 5);
  return out;
}

std::string Maiuscolo(std::string_view s) {
  std::string out(s);
  for (char& c : out)
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  return out;
}

}  // namespace

std::vector<std::string> RigheFile(std::string_view titolo, int fileScelto, const Tabelle& t,
                                   int ruota, int colonna, bool inverso) {
  std::string intestazione = Maiuscolo(titolo) + " - Estrazioni per Ruota";
  if (fileScelto > 0) intestazione += "Rsc " + std::to_string(fileScelto);
  std::vector<std::string> righe = {
      intestazione,        "", Etichetta(ruota), "", Riga({"POS", "NUM", "RIT", "STO", "PRE"}),
      std::string(30, '-')};
  const std::array<int, 90> ordine = Ordine(t, ruota, colonna, inverso);
  for (int i = 0; i < 90; ++i) {
    const int x = ordine[i];
    righe.push_back(
        Riga({std::to_string(i + 1), std::to_string(x), std::to_string(t.RitRuota[ruota][x]),
              std::to_string(t.StoRuota[ruota][x]), std::to_string(t.PreRuota[ruota][x])}));
  }
  return righe;
}

Risultato<Archivio> LeggiSorgente(const std::filesystem::path& cartellaDati, int fileScelto) {
  if (fileScelto == 0) return Inizio::CaricaArchivio(cartellaDati);
  return Tabelloni::LeggiArchivioRSC(cartellaDati, fileScelto);
}

}  // namespace EstrattiRuota
