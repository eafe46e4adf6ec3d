#include "stats/gruppi_ritardo.h"

#include <algorithm>

#include "core/data.h"

namespace GruppiRitardo {

TabellaRitardi Calcola_Ritardi_RSC(const Archivio& a, const Archivio& rsc, int k, int r) {
  TabellaRitardi t;
  std::array<std::array<int, 91>, 11> distanza{}, proprio{};
  std::array<std::array<bool, 91>, 11> vistaDistanza{}, vistoNumero{};
  const int fondo = std::max(1, r - kProfondita);

  // First pass: the first meeting of distance n, going back, gives its
  // delay to the number n points to from the k-th number of draw r.
  for (int d = r; d >= fondo; --d) {
    const int c = r - d;
    for (int w = 1; w <= 10; ++w) {
      const int e = a(r, w, k) <= 90 ? a(r, w, k) : 0;
      for (int p = 1; p <= 5; ++p) {
        const int n = rsc(d, w, p);
        if (n == 0 || n > 90 || vistaDistanza[w][n]) continue;
        vistaDistanza[w][n] = true;
        const int x = e + n > 90 ? e + n - 90 : e + n;
        distanza[w][x] = c;
      }
    }
  }
  // Second pass: the number's own delay, at its latest appearance. It keeps
  // marks of its own, so that every number met gets its delay whatever the
  // first pass met.
  for (int d = r; d >= fondo; --d) {
    const int c = r - d;
    for (int w = 1; w <= 10; ++w)
      for (int p = 1; p <= 5; ++p) {
        const int x = a(d, w, p);
        if (x == 0 || x > 90 || vistoNumero[w][x]) continue;
        vistoNumero[w][x] = true;
        proprio[w][x] = c;
      }
  }
  // Each number takes the first free slot of the cell of its combined delay,
  // in increasing number order.
  std::array<std::uint8_t, kMaxCombinato + 1> occupati;
  for (int w = 1; w <= 10; ++w) {
    occupati.fill(0);
    for (int x = 1; x <= 90; ++x) {
      const int riga = distanza[w][x] + proprio[w][x];
      t.combinato[w][x] = riga;
      if (occupati[riga] < kPosti) t.posto[w][x] = ++occupati[riga];
    }
  }
  return t;
}

Gruppi Crea_Gruppi_Ritardo(const TabelleRitardi& t) {
  Gruppi g{};
  struct Voce {
    int riga, posto, tabella, numero;
  };
  std::vector<Voce> voci;
  voci.reserve(5 * 90);
  for (int w = 1; w <= 10; ++w) {
    voci.clear();
    for (int k = 0; k < 5; ++k)
      for (int x = 1; x <= 90; ++x) {
        // Row 0 is not visited, nor is a number left out of its table.
        if (t[k].posto[w][x] == 0 || t[k].combinato[w][x] == 0) continue;
        voci.push_back({t[k].combinato[w][x], t[k].posto[w][x], k, x});
      }
    // The scan order: highest delay first, then slot, then table.
    std::sort(voci.begin(), voci.end(), [](const Voce& u, const Voce& v) {
      if (u.riga != v.riga) return u.riga > v.riga;
      if (u.posto != v.posto) return u.posto < v.posto;
      return u.tabella < v.tabella;
    });
    std::array<bool, 91> preso{};
    int rango = 0;
    for (const Voce& v : voci) {
      if (preso[v.numero]) continue;
      preso[v.numero] = true;
      ++rango;
      g[(rango - 1) / kNumeriGruppo + 1][w][(rango - 1) % kNumeriGruppo + 1] =
          static_cast<std::uint8_t>(v.numero);
    }
  }
  return g;
}

Situazione Calcola_Situazione(const Archivio& a, const Rsc::Tabelle& rsc, int r) {
  Situazione s;
  for (int k = 1; k <= 5; ++k) s.tabelle[k - 1] = Calcola_Ritardi_RSC(a, rsc[k - 1], k, r);
  s.gruppi = Crea_Gruppi_Ritardo(s.tabelle);
  return s;
}

const std::array<std::string_view, kGruppi>& VociGruppi() {
  static constexpr std::array<std::string_view, kGruppi> voci = {
      "  1 - 6",  "  7 - 12", "13 - 18", "19 - 24", "25 - 30", "31 - 36", "37 - 42", "43 - 48",
      "49 - 54", "55 - 60",  "61 - 66", "67 - 72", "73 - 78", "79 - 84", "85 - 90"};
  return voci;
}

std::string EtichettaGruppo(int g) {
  return std::to_string(6 * g - 5) + "  -  " + std::to_string(6 * g);
}

int InizioDaNumero(long long numero, int fine) {
  return numero <= fine ? static_cast<int>(std::max(0LL, numero)) : 0;
}

namespace {

// The value of the n digits of text at position i; -1 when one is not a digit.
int Cifre(std::string_view s, std::size_t i, std::size_t n) {
  int v = 0;
  for (std::size_t j = i; j < i + n; ++j) {
    if (s[j] < '0' || s[j] > '9') return -1;
    v = v * 10 + (s[j] - '0');
  }
  return v;
}

}  // namespace

int InizioDaData(const Archivio& date, std::string_view testo, int riferimento) {
  if (testo.size() < 10) return 0;
  const Data cercata{Cifre(testo, 0, 2), Cifre(testo, 3, 2), Cifre(testo, testo.size() - 4, 4)};
  if (cercata.giorno < 0 || cercata.mese < 0 || cercata.anno < 0 || !cercata.valida()) return 0;
  for (int d = 1; d <= std::min(riferimento, formato::kRecord); ++d)
    if (date.data(d) >= cercata) return d;
  return 0;
}

EsitoPeriodo ControllaPeriodo(const Archivio& date, const Periodo& p, int riferimento) {
  EsitoPeriodo e;
  if (p.tutte) {
    e.inizio = 1;
    return e;
  }
  if (p.limite == Limite::DaNumero) {
    if (p.numeroFine < p.numeroInizio)
      e.messaggi.emplace_back(kPartenzaOltreFine);
    else if (p.numeroInizio == 0)
      e.messaggi.emplace_back(kPartenzaZero);
    else if (p.numeroInizio > riferimento)
      e.messaggi.emplace_back(kPartenzaOltreFine);
    else
      e.inizio = static_cast<int>(p.numeroInizio);
  } else if (p.limite == Limite::DaData) {
    if (p.data.size() < 10)
      e.messaggi.emplace_back(kFormatoData);
    else if ((e.inizio = InizioDaData(date, p.data, riferimento)) == 0)
      e.messaggi.emplace_back(kDataNonValida);
  }
  return e;
}

Statistiche::Elaborazione Statistica_Gruppo(const Archivio& a, const Gruppi& gruppi, const Opzioni& o) {
  Statistiche::Elaborazione el(o.inizio);
  // Which numbers belong to the group on each wheel; an empty place (0)
  // never matches.
  std::array<std::array<bool, 256>, 11> nelGruppo{};
  for (int w = 1; w <= 10; ++w)
    for (int j = 1; j <= kNumeriGruppo; ++j)
      if (const int x = gruppi[o.gruppo][w][j]) nelGruppo[w][x] = true;
  for (int d = o.inizio; d <= o.riferimento; ++d)
    for (int w = 1; w <= 10; ++w) {
      if (!o.ruote[w]) continue;
      // Without branches on the drawn numbers: they are as good as random.
      int colpiti = 0;
      unsigned int posizioni = 0;
      for (int p = 1; p <= 5; ++p) {
        const unsigned int dentro = nelGruppo[w][a(d, w, p)];
        colpiti += static_cast<int>(dentro);
        posizioni |= dentro << (p - 1);
      }
      el.segni.segnaPosizioni(d, w, posizioni);
      if (colpiti >= o.sorte) el.corsa.Aggiungi(d, w, Statistiche::Combinazioni(colpiti, o.sorte));
    }
  if (el.corsa.eventi().empty()) return el;

  auto& r = el.rapporto;
  r.push_back("Estrazione iniziale.: " + Statistiche::DataTesto(a, o.inizio));
  r.push_back("Estrazione finale...: " + Statistiche::DataTesto(a, o.riferimento));
  r.emplace_back();
  r.push_back("Gruppo Ritardi..: " + o.voceGruppo);
  r.emplace_back();
  r.push_back("Ruote............: " + Statistiche::SigleRuote(o.ruote));
  r.emplace_back();
  Statistiche::AggiungiRitardi(r, a, el.corsa, o.riferimento, false);
  return el;
}

}  // namespace GruppiRitardo
