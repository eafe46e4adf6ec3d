#include "forecast/attesa_minima.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>

#include "core/nomi.h"
#include "core/testo.h"

namespace AttesaMinima {

namespace {

// Row length of the wait tables: 91 numbers padded to a multiple of 16, so
// that the inner loop runs over whole vector lanes (the padding is never read
// back).
constexpr int kLarghezza = 96;
// Waits and draw indices stay below 5000: 16 bits hold them and let the
// inner loop take twice as many lanes at a time.
using Attesa = std::int16_t;

// C(h, k) for h, k = 0..5.
constexpr int kCombinazioni[6][6] = {{1, 0, 0, 0, 0, 0}, {1, 1, 0, 0, 0, 0}, {1, 2, 1, 0, 0, 0},
                                     {1, 3, 3, 1, 0, 0}, {1, 4, 6, 4, 1, 0}, {1, 5, 10, 10, 5, 1}};

// A place is better than another with a smaller longest wait, or an equal one
// and a larger current wait; a full tie never displaces.
bool Migliore(int storico, int attuale, const Posto& p) {
  return storico < p.storico || (storico == p.storico && attuale > p.attuale);
}

}  // namespace

Posti Calcola_Attese_Ambi(const Archivio& a, int ruota, int inizio, int fine) {
  // insieme[lo][hi]: lo and hi came out together in one draw of the range.
  std::array<std::array<bool, 91>, 91> insieme{};
  // attesa[x][y]: the longest gap of the pair (x, y) closed by a hit of x.
  // Both halves start at 0, so the pair's longest wait is the larger of
  // attesa[x][y] and attesa[y][x].
  alignas(32) std::array<std::array<Attesa, kLarghezza>, 91> attesa{};
  // ultima[n]: the last draw of the range in which n came out.
  alignas(32) std::array<Attesa, kLarghezza> ultima;
  ultima.fill(static_cast<Attesa>(inizio - 1));

  for (int d = inizio; d <= fine; ++d) {
    int numeri[5];
    int n = 0;
    for (int p = 1; p <= 5; ++p)
      if (const int x = a(d, ruota, p)) numeri[n++] = x;
    for (int i = 0; i < n; ++i)
      for (int j = i + 1; j < n; ++j)
        insieme[std::min(numeri[i], numeri[j])][std::max(numeri[i], numeri[j])] = true;
    const Attesa prima = static_cast<Attesa>(d - 1);
    for (int i = 0; i < n; ++i) {
      const int x = numeri[i];
      const Attesa ux = ultima[x];
      Attesa* riga = attesa[x].data();
      // The gap of every pair of x ends here. A partner drawn earlier in this
      // same draw gives -1, which changes nothing.
      for (int y = 0; y < kLarghezza; ++y)
        riga[y] = std::max(riga[y], static_cast<Attesa>(prima - std::max(ux, ultima[y])));
      ultima[x] = static_cast<Attesa>(d);
    }
  }

  Posti posti;
  for (Posto& p : posti) p.storico = p.attuale = 10000;  // above any wait
  for (int x = 1; x <= 89; ++x)
    for (int y = x + 1; y <= 90; ++y) {
      if (!insieme[x][y]) continue;
      const Posto coppia{x, y, std::max<int>(attesa[x][y], attesa[y][x]),
                         fine - std::max<int>(ultima[x], ultima[y])};
      if (Migliore(coppia.storico, coppia.attuale, posti[0])) {
        posti[2] = posti[1];
        posti[1] = posti[0];
        posti[0] = coppia;
      } else if (Migliore(coppia.storico, coppia.attuale, posti[1])) {
        posti[2] = posti[1];
        posti[1] = coppia;
      } else if (Migliore(coppia.storico, coppia.attuale, posti[2])) {
        posti[2] = coppia;
      }
    }
  for (Posto& p : posti)
    if (p.vuoto()) p = Posto{};
  return posti;
}

std::vector<int> Combinazione(const Posti& posti) {
  std::vector<int> out;
  for (const Posto& p : posti) {
    if (p.vuoto()) continue;
    for (int n : {p.primo, p.secondo})
      if (std::find(out.begin(), out.end(), n) == out.end()) out.push_back(n);
  }
  return out;
}

std::array<Sorte, kSorti + 1> Statistica_Combinazione(const Archivio& a, int ruota,
                                                      const std::vector<int>& combinazione,
                                                      int inizio, int fine) {
  std::array<bool, 91> gioca{};
  for (int n : combinazione) gioca[n] = true;
  std::array<Sorte, kSorti + 1> s{};
  std::array<int, kSorti + 1> ultima;
  ultima.fill(inizio - 1);
  for (int d = inizio; d <= fine; ++d) {
    int h = 0;
    for (int p = 1; p <= 5; ++p)
      if (const int x = a(d, ruota, p); x != 0 && gioca[x]) ++h;
    for (int k = 1; k <= h; ++k) {
      s[k].presenze += kCombinazioni[h][k];
      s[k].storico = std::max(s[k].storico, d - ultima[k] - 1);
      ultima[k] = d;
    }
  }
  for (int k = 1; k <= kSorti; ++k) s[k].ritardo = fine - ultima[k];
  return s;
}

std::string TestoCoppia(const Posto& p) {
  char buf[8];
  std::snprintf(buf, sizeof buf, "%02d.%02d", p.primo, p.secondo);
  return buf;
}

std::string TestoPosto(const Posto& p) {
  if (p.vuoto()) return {};
  return TestoCoppia(p) + " (" + std::to_string(p.storico) + ")  att." + std::to_string(p.attuale);
}

std::string TestoCombinazione(const std::vector<int>& combinazione) {
  std::string out;
  for (int n : combinazione) {
    if (!out.empty()) out += '.';
    out += std::to_string(n);
  }
  return out;
}

std::string TestoSorte(const Sorte& s) {
  return "P:" + std::to_string(s.presenze) + "  R:" + std::to_string(s.ritardo) +
         "  S:" + std::to_string(s.storico);
}

std::vector<Allarme> Allarmi(const std::array<Posti, 11>& posti) {
  std::vector<Allarme> out;
  for (int w = 1; w <= 10; ++w)
    for (int i = 0; i < kPosti; ++i) {
      const Posto& p = posti[w][i];
      if (p.vuoto() || p.storico == 0 || p.attuale == 0) continue;
      // current / longest against 75 % and 130 %, in whole numbers.
      const long long cento = 100LL * p.attuale;
      if (cento <= 75LL * p.storico) continue;
      Allarme al;
      al.ruota = w;
      al.posto = i + 1;
      al.sfuggita = cento > 130LL * p.storico;
      al.celle = {
          std::string(Inizio::NomiRuote[w].substr(0, 2)) + "  " + TestoCoppia(p),
          std::to_string(p.storico), std::to_string(p.attuale),
          testo::Rapporto(cento, p.storico, 1, testo::Arrotondamento::MetaLontanoDaZero, false) +
              "%",
          al.sfuggita ? "Sfuggita al Controllo" : ""};
      out.push_back(std::move(al));
    }
  return out;
}

Elaborazione Elabora(const Archivio& a, int inizio, int fine,
                     const std::function<void(int)>& avanzamento) {
  Elaborazione e;
  e.inizio = inizio;
  e.fine = fine;
  for (int w = 1; w <= 10; ++w) {
    e.posti[w] = Calcola_Attese_Ambi(a, w, inizio, fine);
    if (avanzamento) avanzamento(10 * w);
  }
  for (int w = 1; w <= 10; ++w) {
    for (int i = 0; i < kPosti; ++i) e.celle[i + 1][w] = TestoPosto(e.posti[w][i]);
    e.combinazioni[w] = Combinazione(e.posti[w]);
    e.celle[4][w] = TestoCombinazione(e.combinazioni[w]);
    e.sorti[w] = Statistica_Combinazione(a, w, e.combinazioni[w], inizio, fine);
    for (int k = 1; k <= kSorti; ++k) e.celle[4 + k][w] = TestoSorte(e.sorti[w][k]);
    if (avanzamento) avanzamento(100 + 2 * w);
  }
  e.allarmi = Allarmi(e.posti);
  return e;
}

}  // namespace AttesaMinima
