#include "forecast/spia.h"

#include <algorithm>
#include <array>

#include "core/indici.h"
#include "core/nomi.h"

namespace NumeriSpia {

namespace {

constexpr int kNessuno = 1 << 20;  // rank of a number that did not come out

// Counters of the pair (a, b), a < b.
struct Coppia {
  int cnt = 0;     // appearances followed by a hit of the pair
  int cntA = 0;    // ... made by a
  int cntB = 0;    // ... made by b
  int ultimo = 0;  // the hit of the newest appearance that had one; 0 none
  int numero = 0;  // the number that made it
};

// The number right-aligned in two characters, and left-aligned.
std::string Destra2(int n) { return n < 10 ? " " + std::to_string(n) : std::to_string(n); }
std::string Sinistra2(int n) { return n < 10 ? std::to_string(n) + " " : std::to_string(n); }

// The order of b written left-aligned in two characters, where a blank
// precedes the digits: 1, 10..19, 2, 20..29, ... 9, 90.
int ChiaveTesto(int b) { return b < 10 ? b * 11 : (b / 10) * 11 + b % 10 + 1; }
int DaChiaveTesto(int k) { return k % 11 == 0 ? k / 11 : (k / 11) * 10 + k % 11 - 1; }

// The item of the sorted pair list: count, pair, split of the count, and the
// outcome tail when the pair has come out in the play under way.
std::string VoceS(const Archivio& a, const Analisi& s, int x, int y, const Coppia& c) {
  std::string v = Destra2(c.cnt) + " " + Destra2(x) + "." + Sinistra2(y) + " " + Destra2(c.cntA) +
                  "/" + Destra2(c.cntB);
  const int P = s.giocoAperto;
  if (P > 0 && c.ultimo > s.fine - kColpi && c.ultimo > P)
    v += " - " + std::to_string(c.ultimo - P) + "° colpo : " + Destra2(c.numero) + " ( Estr. " +
         Inizio::Descrivi_Estrazione(a, c.ultimo) + " )";
  return v;
}

// The detail item of a pair-list item: the sort key 20 - count, then the
// pair, count/appearances, each number with its own hits, and the tail.
std::string VoceZ(const std::string& v, int occorrenze) {
  const int cnt = std::stoi(v.substr(0, 2));
  return Destra2(kOccorrenze - cnt) + v.substr(3, 5) + " (" + v.substr(0, 2) + "/" +
         Destra2(occorrenze) + ") - " + v.substr(3, 2) + "(" + v.substr(9, 2) + ")." +
         v.substr(6, 2) + "(" + v.substr(12, 2) + ")" + v.substr(14);
}

// The outcome line(s) and the blank line after them.
void RigheEsito(const Archivio& a, const Analisi& s, std::vector<std::string>& out) {
  const int E = s.esito();
  if (E == 0) {
    out.insert(out.end(), {"Nessun Esito in corso", ""});
    return;
  }
  const int k = s.fine - E;
  const std::string esito =
      "ESITO IN CORSO (Ultima Sortita: Estr." + Inizio::Descrivi_Estrazione(a, E) + ")";
  if (k > 0)
    out.insert(out.end(), {esito + " - " + std::to_string(k) + "° colpo di gioco", ""});
  else
    out.insert(out.end(), {esito, "*** In gioco dalla prossima Estrazione ***", ""});
}

// The spy line, the outcome and the detail lines.
void RigheSpia(const Archivio& a, const Analisi& s, std::vector<std::string>& out) {
  out.push_back("Numero Spia " + std::to_string(s.spia) + " sulla ruota di " +
                std::string(Inizio::NomiRuote[s.ruota]));
  out.emplace_back();
  RigheEsito(a, s, out);
  for (const std::string& z : s.ListZ) out.push_back(z.substr(2));
}

bool FiniscePerUscita(const std::string& z) { return z.size() >= 2 && z.ends_with(" )"); }

}  // namespace

Risultato<Analisi> Elabora_Spia(const Archivio& a, int ruota, int spia, int inizio, int fine) {
  if (fine - inizio < kDifferenzaMinima)
    return Risultato<Analisi>::Errore(std::string(kPocheEstrazioni));
  Analisi s;
  s.ruota = ruota;
  s.spia = spia;
  s.inizio = inizio;
  s.fine = fine;

  // The spy's appearances, newest first; the numbers of the scanned draws up
  // to the spy's position are marked present.
  std::array<bool, 91> presente{};
  for (int d = fine - 1; d >= inizio && static_cast<int>(s.occorrenze.size()) < kOccorrenze; --d)
    for (int p = 1; p <= 5; ++p) {
      const int x = a(d, ruota, p);
      if (x == 0) continue;
      presente[x] = true;
      if (x == spia) {
        s.occorrenze.push_back(d);
        break;
      }
    }
  for (int p = 1; p <= 5; ++p)
    if (a(fine, ruota, p) == spia) s.spiaInUltima = true;
  for (int o : s.occorrenze)
    if (o > fine - kColpi) s.giocoAperto = o;  // newest first: the last one kept is the oldest

  std::vector<int> presenti;
  for (int n = 1; n <= 90; ++n)
    if (presente[n]) presenti.push_back(n);
  std::vector<Coppia> coppie(91 * 91);
  for (int o : s.occorrenze) {
    // rango[n]: (draw - o) * 8 + position of n's first appearance in the
    // nine draws after o; a pair's hit is the smaller rank of its numbers.
    std::array<int, 91> rango;
    rango.fill(kNessuno);
    for (int d = o + 1; d <= std::min(o + kColpi, fine); ++d)
      for (int p = 1; p <= 5; ++p)
        if (const int x = a(d, ruota, p); x != 0 && rango[x] == kNessuno)
          rango[x] = (d - o) * 8 + p;
    for (std::size_t i = 0; i < presenti.size(); ++i) {
      const int x = presenti[i];
      const int rx = rango[x];
      for (std::size_t j = i + 1; j < presenti.size(); ++j) {
        const int y = presenti[j];
        const int r = std::min(rx, rango[y]);
        if (r == kNessuno) continue;
        Coppia& c = coppie[x * 91 + y];
        ++c.cnt;
        const bool daA = rx < rango[y];
        ++(daA ? c.cntA : c.cntB);
        if (c.ultimo == 0) {
          c.ultimo = o + r / 8;
          c.numero = daA ? x : y;
        }
      }
    }
  }

  // The five highest items of the pair list: the highest count, then the
  // higher first number, then the second number higher as text.
  std::vector<int> chiavi;
  for (std::size_t i = 0; i < presenti.size(); ++i)
    for (std::size_t j = i + 1; j < presenti.size(); ++j) {
      const int x = presenti[i], y = presenti[j];
      const Coppia& c = coppie[x * 91 + y];
      if (c.cntA > 0 && c.cntB > 0) chiavi.push_back(c.cnt << 16 | x << 8 | ChiaveTesto(y));
    }
  const std::size_t quante = std::min<std::size_t>(kMigliori, chiavi.size());
  std::partial_sort(chiavi.begin(), chiavi.begin() + quante, chiavi.end(), std::greater<>());
  chiavi.resize(quante);
  std::sort(chiavi.begin(), chiavi.end());
  for (int k : chiavi) {
    const int x = (k >> 8) & 0xFF, y = DaChiaveTesto(k & 0xFF);
    s.ListT.push_back(VoceS(a, s, x, y, coppie[x * 91 + y]));
  }
  const int n = static_cast<int>(s.occorrenze.size());
  for (const std::string& v : s.ListT) s.ListZ.push_back(VoceZ(v, n));
  std::sort(s.ListZ.begin(), s.ListZ.end());
  return s;
}

std::vector<std::string> Intestazione(std::string_view titolo) {
  return {std::string(titolo) + " - Numeri Spia", ""};
}

std::vector<std::string> Rapporto(const Archivio& a, const Analisi& s, std::string_view titolo) {
  std::vector<std::string> out = Intestazione(titolo);
  RigheSpia(a, s, out);
  return out;
}

Risultato<std::vector<std::string>> RapportoTutti(const Archivio& a, int ruota, int inizio,
                                                  int fine, std::string_view titolo) {
  if (fine - inizio < kDifferenzaMinima)
    return Risultato<std::vector<std::string>>::Errore(std::string(kPocheEstrazioni));
  std::vector<std::string> out = Intestazione(titolo);
  for (int n = 1; n <= 90; ++n) {
    const Analisi s = *Elabora_Spia(a, ruota, n, inizio, fine);
    if (s.esito() == 0 || std::all_of(s.ListZ.begin(), s.ListZ.end(), FiniscePerUscita)) continue;
    RigheSpia(a, s, out);
    out.push_back(std::string(80, '-'));
  }
  return out;
}

}  // namespace NumeriSpia
