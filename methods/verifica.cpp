#include "methods/verifica.h"

#include <algorithm>
#include <thread>

#include "core/nomi.h"
#include "core/testo.h"

namespace metodi {
namespace {

void Vincita(Totali& t, int colpo) {
  t.maxAttesa = std::max(t.maxAttesa, colpo);
  t.minAttesa = std::min(t.minAttesa, colpo);
}

// The forecast values as a set of bits, to count the hits of a draw.
struct Insieme {
  explicit Insieme(std::span<const std::uint8_t> valori) {
    for (std::uint8_t v : valori) bit[v >> 6] |= std::uint64_t{1} << (v & 63);
  }
  bool Ha(std::uint8_t x) const { return (bit[x >> 6] >> (x & 63)) & 1; }
  int Conta(std::span<const std::uint8_t> numeri) const {
    int n = 0;
    for (std::uint8_t x : numeri) n += static_cast<int>(Ha(x));
    return n;
  }
  std::uint64_t bit[2] = {0, 0};
};

// What a play needs to be played on any wheel: the hits it needs, whether
// the jolly may stand for one of them, and the keys it watches: its values
// when one drawn value can win, otherwise its values' pairs (smaller * 91 +
// larger), since a draw with two values or more holds one of them.
struct Chiavi {
  int punti = 1;
  bool jolly = false;
  int prima = 0;  // in the pool of keys
  int quante = 0;
};

// Whether one drawn value can win (the keys are the values themselves).
bool PerNumero(int punti, bool jolly) { return punti - (jolly ? 1 : 0) <= 1; }

void CalcolaChiavi(std::span<const std::uint8_t> valori, bool perNumero,
                   std::vector<std::uint16_t>& pool) {
  if (perNumero) {
    pool.insert(pool.end(), valori.begin(), valori.end());
    return;
  }
  std::uint8_t ordinati[256];
  const std::size_t n = std::min<std::size_t>(valori.size(), 256);
  std::copy_n(valori.begin(), n, ordinati);
  std::sort(ordinati, ordinati + n);
  for (std::size_t i = 0; i < n; ++i)
    for (std::size_t j = i + 1; j < n; ++j)
      pool.push_back(static_cast<std::uint16_t>(ordinati[i] * 91 + ordinati[j]));
}

// Plays the cycles of one wheel, calculation draws taken downwards. For every
// number and pair of numbers it keeps the next draw where it comes out and
// that draw's place in the Tavola's list, so the first win of a cycle is the
// earliest next draw of its values (an ambata) or of its values' pairs (a
// higher sorte: a draw with two values or more holds one of their pairs);
// later candidates come from the lists.
class Giocatore {
 public:
  explicit Giocatore(const Tavola& t)
      : mT(t), mProssimaN(91), mProssimaC(91 * 91), mPostoN(91), mPostoC(91 * 91) {}

  // Starts a wheel: no draw after the calculation draw is known yet.
  void Ruota(int w) {
    mW = w;
    mFatto = mT.ultima();
    std::fill(mProssimaN.begin(), mProssimaN.end(), Tavola::kFine);
    std::fill(mProssimaC.begin(), mProssimaC.end(), Tavola::kFine);
    for (int n = 1; n <= 90; ++n) {
      mPostoN[static_cast<std::size_t>(n)] =
          Sentinella(mT.inizioNumeri(), mT.usciteNumeri(), Tavola::Numero(w, n));
      for (int m = n + 1; m <= 90; ++m)
        mPostoC[static_cast<std::size_t>(n * 91 + m)] =
            Sentinella(mT.inizioCoppie(), mT.usciteCoppie(), Tavola::Coppia(w, n, m));
    }
  }

  // Fills ciclo.colpi and ciclo.vincite and appends the winning colpi to `vincite`.
  // REQUIRES: d not above the calculation draw of the previous call for this wheel
  void Gioca(Ciclo& ciclo, int d, int limite, std::span<const std::uint16_t> chiavi, int punti,
             bool jolly, std::span<const std::uint8_t> valori, bool interrompi,
             std::vector<std::int16_t>& vincite) {
    Scendi(d);
    ciclo.colpi = static_cast<std::int16_t>(limite - d);
    const bool perNumero = PerNumero(punti, jolly);
    const std::vector<Tavola::Estrazione>& prossima = perNumero ? mProssimaN : mProssimaC;
    int e = Tavola::kFine;
    for (std::uint16_t c : chiavi) e = std::min<int>(e, prossima[c]);
    if (e > limite) return;
    if (interrompi && punti <= 2 && !jolly) {  // the first draw met wins
      Vinci(ciclo, e - d, vincite);
      ciclo.colpi = static_cast<std::int16_t>(e - d);
      return;
    }
    const Insieme insieme(valori);
    // Whether draw e wins; `teste` counts the value keys met there.
    auto vince = [&](int e, int teste) {
      if (perNumero && !jolly) return teste >= punti;
      const auto numeri = mT.numeri(e, mW);
      const int colti = insieme.Conta(numeri);
      if (colti >= punti) return true;
      // One hit short: another value is the jolly (not one of the drawn).
      const std::uint8_t j = mT.jolly(e, mW);
      return jolly && colti + 1 == punti && j != 0 && insieme.Ha(j) &&
             std::find(numeri.begin(), numeri.end(), j) == numeri.end();
    };
    if (interrompi && vince(e, 0)) {
      Vinci(ciclo, e - d, vincite);
      ciclo.colpi = static_cast<std::int16_t>(e - d);
      return;
    }
    // Every draw met: the next draws of the keys, each key moving on along
    // its list once its draw is met.
    const std::vector<int>& posto = perNumero ? mPostoN : mPostoC;
    const Tavola::Estrazione* uscite =
        perNumero ? mT.usciteNumeri().data() : mT.usciteCoppie().data();
    mTeste.clear();
    for (std::uint16_t c : chiavi) mTeste.push_back({prossima[c], posto[c]});
    while (true) {
      e = Tavola::kFine;
      for (const Testa& x : mTeste) e = std::min<int>(e, x.estrazione);
      if (e > limite) break;
      int teste = 0;
      for (Testa& x : mTeste)
        if (x.estrazione == e) {
          ++teste;
          x.estrazione = uscite[++x.posto];
        }
      if (!vince(e, teste)) continue;
      Vinci(ciclo, e - d, vincite);
      if (interrompi) {
        ciclo.colpi = static_cast<std::int16_t>(e - d);
        break;
      }
    }
  }

 private:
  // The place of a list's end mark: just before the next list.
  static int Sentinella(const std::vector<int>& inizio,
                        const std::vector<Tavola::Estrazione>& uscite, std::size_t slot) {
    return (slot + 1 < inizio.size() ? inizio[slot + 1] : static_cast<int>(uscite.size())) - 1;
  }
  static void Vinci(Ciclo& ciclo, int colpo, std::vector<std::int16_t>& vincite) {
    vincite.push_back(static_cast<std::int16_t>(colpo));
    ++ciclo.vincite;
  }
  // Takes in every draw above d, downwards.
  void Scendi(int d) {
    for (; mFatto > d; --mFatto) {
      const std::uint8_t* n = mT.ordinati(mFatto, mW).data();
      const std::size_t k = mT.ordinati(mFatto, mW).size();
      const auto e = static_cast<Tavola::Estrazione>(mFatto);
      for (std::size_t i = 0; i < k && n[i] != 0; ++i) {
        mProssimaN[n[i]] = e;
        --mPostoN[n[i]];
        for (std::size_t j = i + 1; j < k && n[j] != 0; ++j) {
          const std::size_t c = static_cast<std::size_t>(n[i] * 91 + n[j]);
          mProssimaC[c] = e;
          --mPostoC[c];
        }
      }
    }
  }

  const Tavola& mT;
  int mW = 1;
  int mFatto = 0;                                          // every draw above it is taken in
  std::vector<Tavola::Estrazione> mProssimaN, mProssimaC;  // next draw, by number and by pair
  std::vector<int> mPostoN, mPostoC;  // its place in the list (pairs: smaller * 91 + larger)
  struct Testa {
    int estrazione;  // the next draw of a key
    int posto;       // its place in the key's list
  };
  std::vector<Testa> mTeste;
};

}  // namespace

Verifica Esegui(const Base& b, const Tavola& t, const Regole& r,
                const std::vector<std::optional<Pronostico>>& righe, const Opzioni& o) {
  const Archivio& a = *b.archivio;
  Verifica v;
  v.righe = static_cast<int>(righe.size());
  v.totaliRiga.assign(righe.size(), Totali{});
  int codiceMinimo = 100;
  for (const auto& p : righe)
    if (p) codiceMinimo = std::min(codiceMinimo, p->codiceCalcolo);
  v.periodo = Calcola_Periodo(b, o, codiceMinimo);
  if (!v.periodo.valido()) return v;

  std::vector<int> ruote;
  if (r.ruote) {
    for (int w = 1; w <= 10; ++w)
      if (o.ruote[static_cast<std::size_t>(w - 1)] == 1) ruote.push_back(w);
  } else {
    ruote.push_back(1);
  }
  const int colpi = o.colpi;
  const bool interrompi = o.interrompi == 1;
  const bool separa = o.riepilogo != 1 && righe.size() >= 2;

  // The plays: every line at each of its calculation draws, with its values
  // and keys.
  std::vector<int> puntiRiga(righe.size(), 0);
  std::vector<char> jollyRiga(righe.size(), 0);
  std::vector<std::optional<Formula>> formule(righe.size());
  for (std::size_t i = 0; i < righe.size(); ++i)
    if (righe[i]) {
      puntiRiga[i] = PuntiNecessari(*righe[i], r);
      jollyRiga[i] = ConJolly(*righe[i], r);
      formule[i].emplace(*righe[i]);
    }
  std::vector<Chiavi> chiavi;
  std::vector<std::uint16_t> pool;
  std::vector<int> separatori;  // month separations, before play k
  {
    const std::size_t massimo =
        static_cast<std::size_t>(v.periodo.fine - v.periodo.inizio + 1) * righe.size();
    v.giocate.reserve(massimo);
    chiavi.reserve(massimo);
    v.valori.reserve(massimo * 2);
    pool.reserve(massimo * 2);
    std::vector<std::uint8_t> valori;
    int meseInCorso = a.mese(v.periodo.inizio);
    for (int d = v.periodo.inizio; d <= v.periodo.fine; ++d)
      for (std::size_t i = 0; i < righe.size(); ++i) {
        const auto& p = righe[i];
        if (!p || !Qualifica(b, d, p->codiceCalcolo)) continue;
        formule[i]->Valori(a, d, valori);
        if (separa && a.mese(d) != meseInCorso) {
          separatori.push_back(static_cast<int>(v.giocate.size()));
          meseInCorso = a.mese(d);
        }
        const int punti = puntiRiga[i];
        if (static_cast<int>(valori.size()) < punti) continue;
        v.giocate.push_back({static_cast<int>(i), d, static_cast<int>(v.valori.size()),
                             static_cast<int>(valori.size())});
        v.valori.insert(v.valori.end(), valori.begin(), valori.end());
        const int prima = static_cast<int>(pool.size());
        const bool jolly = jollyRiga[i] != 0;
        CalcolaChiavi(valori, PerNumero(punti, jolly), pool);
        chiavi.push_back({punti, jolly, prima, static_cast<int>(pool.size()) - prima});
      }
  }

  // The cycles, one wheel at a time so that its tables stay in the cache;
  // the wheels are shared among a few threads, each with totals of its own.
  // Cycle (play g, wheel k) at v.cicli[k * nGiocate + g], its wins first in
  // the wheel's own list.
  const std::size_t nGiocate = v.giocate.size();
  const std::size_t nRuote = ruote.size();
  v.ruote = ruote;
  v.cicli.resize(nGiocate * nRuote);
  v.vincite.resize(nRuote);
  struct Parziale {
    std::vector<Totali> righe;
    std::vector<std::uint8_t> vinta;   // per play: a cycle won
    std::vector<std::int16_t> minimo;  // per play: the fewest colpi of its cycles
  };
  const std::size_t nFili = std::max<std::size_t>(
      1, std::min<std::size_t>({std::thread::hardware_concurrency(), 4, nRuote}));
  std::vector<Parziale> parziali(
      nFili, {std::vector<Totali>(righe.size()), std::vector<std::uint8_t>(nGiocate, 0),
              std::vector<std::int16_t>(nGiocate, 200)});
  auto gioca = [&](std::size_t primo, Parziale& mio) {
    Giocatore giocatore(t);
    for (std::size_t k = primo; k < nRuote; k += nFili) {
      giocatore.Ruota(ruote[k]);
      Ciclo* cicli = v.cicli.data() + k * nGiocate;
      std::vector<std::int16_t> proprie;  // a local list: the threads share no cache line
      for (std::size_t g = nGiocate; g-- > 0;) {
        const Giocata& x = v.giocate[g];
        const Chiavi& c = chiavi[g];
        Ciclo& ciclo = cicli[g];
        ciclo.giocata = static_cast<std::int32_t>(g);
        ciclo.ruota = static_cast<std::uint8_t>(ruote[k]);
        ciclo.primaVincita = static_cast<std::int32_t>(proprie.size());
        giocatore.Gioca(ciclo, x.estrazione, std::min(x.estrazione + colpi, b.ultima),
                        {pool.data() + c.prima, static_cast<std::size_t>(c.quante)}, c.punti,
                        c.jolly, {v.valori.data() + x.valori, static_cast<std::size_t>(x.nValori)},
                        interrompi, proprie);
        Totali& perRiga = mio.righe[static_cast<std::size_t>(x.riga)];
        ++perRiga.cicli;
        if (ciclo.vincite > 0) {
          ++perRiga.positivi;
          perRiga.multipli += ciclo.vincite;
          mio.vinta[g] = 1;
          for (int j = 0; j < ciclo.vincite; ++j)
            Vincita(perRiga, proprie[static_cast<std::size_t>(ciclo.primaVincita + j)]);
        } else if (ciclo.colpi != colpi) {
          ++perRiga.inCorso;
        }
        mio.minimo[g] = std::min(mio.minimo[g], ciclo.colpi);
      }
      v.vincite[k] = std::move(proprie);
    }
  };
  {
    std::vector<std::thread> fili;
    for (std::size_t i = 1; i < nFili; ++i) fili.emplace_back(gioca, i, std::ref(parziali[i]));
    gioca(0, parziali[0]);
    for (std::thread& f : fili) f.join();
  }
  std::vector<std::uint8_t>& vinta = parziali[0].vinta;
  std::vector<std::int16_t>& minimo = parziali[0].minimo;
  for (std::size_t f = 0; f < nFili; ++f) {
    const Parziale& p = parziali[f];
    for (std::size_t i = 0; i < righe.size(); ++i) {
      Totali& t = v.totaliRiga[i];
      const Totali& x = p.righe[i];
      t.cicli += x.cicli;
      t.positivi += x.positivi;
      t.multipli += x.multipli;
      t.inCorso += x.inCorso;
      t.maxAttesa = std::max(t.maxAttesa, x.maxAttesa);
      t.minAttesa = std::min(t.minAttesa, x.minAttesa);
    }
    if (f == 0) continue;
    for (std::size_t g = 0; g < nGiocate; ++g) {
      vinta[g] |= p.vinta[g];
      minimo[g] = std::min(minimo[g], p.minimo[g]);
    }
  }

  // The method as a whole: a calculation draw is a cycle when a line was
  // played from it; positive when any of its cycles won, otherwise in corso
  // when the archive cut its colpi (alike for all its cycles), negative else.
  for (const Totali& x : v.totaliRiga)
    if (x.positivi > 0) Vincita(v.totali, x.maxAttesa), Vincita(v.totali, x.minAttesa);
  for (std::size_t g = 0; g < nGiocate;) {
    const int d = v.giocate[g].estrazione;
    bool positivo = false;
    int colpiEstrazione = 200;
    for (; g < nGiocate && v.giocate[g].estrazione == d; ++g) {
      positivo = positivo || vinta[g];
      colpiEstrazione = std::min<int>(colpiEstrazione, minimo[g]);
    }
    if (ruote.empty()) continue;
    ++v.totali.cicli;
    v.totali.colpi += colpiEstrazione;
    if (positivo) {
      ++v.totali.positivi;
      ++v.totali.multipli;
    } else if (std::min(d + colpi, b.ultima) - d != colpi) {
      ++v.totali.inCorso;
    }
  }
  v.separatori = std::move(separatori);
  // Every line receives the colpi of every method-wide cycle.
  for (Totali& x : v.totaliRiga) x.colpi = v.totali.colpi;
  return v;
}

// --- Report ------------------------------------------------------------------

std::string DataCiclo(const Archivio& a, int d) {
  const Data x = a.data(d);
  char buf[32];
  std::snprintf(buf, sizeof buf, " %02d/%02d/%04d", x.giorno, x.mese, x.anno);
  return std::string(
             Inizio::NomiGiorni[static_cast<std::size_t>(x.giornoSettimana())].substr(0, 3)) +
         buf;
}

namespace {

constexpr std::string_view kFineRiga = "\r\n";

void Aggiungi(std::string& s, int n) {
  char buf[16];
  const int k = std::snprintf(buf, sizeof buf, "%d", n);
  s.append(buf, static_cast<std::size_t>(k));
}

void Riga(std::string& s, std::string_view testo, int n) {
  s += testo;
  Aggiungi(s, n);
  s += kFineRiga;
}

void Quota(std::string& s, std::string_view testo, int n, int cicli) {
  s += testo;
  Aggiungi(s, n);
  s += " ==> ";
  s += testo::Percentuale(n, cicli);
  s += kFineRiga;
}

void Blocco(std::string& s, const Totali& t, bool interrompi) {
  Riga(s, "Totale Cicli di gioco.....: ", t.cicli);
  Quota(s, "Cicli positivi............: ", t.positivi, t.cicli);
  if (!interrompi) Quota(s, "Cicli positivi multipli...: ", t.multipli, t.cicli);
  Quota(s, "Cicli negativi............: ", t.cicli - t.positivi - t.inCorso, t.cicli);
  Quota(s, "Cicli in corso............: ", t.inCorso, t.cicli);
  Riga(s, "Totale Colpi Giocati......: ", t.colpi);
  if (t.positivi > 0) {
    Riga(s, "Max attesa cicli positivi.: ", t.maxAttesa);
    Riga(s, "Min attesa cicli positivi.: ", t.minAttesa);
  }
}

// The texts of the cycle lines, built on demand and kept per calculation draw.
class Righe {
 public:
  Righe(const Verifica& v, const std::vector<std::optional<Pronostico>>& righe, const Base& b,
        const Tavola& t, const Regole& r)
      : mV(v),
        mRighe(righe),
        mA(*b.archivio),
        mT(t),
        mR(r),
        mDate(static_cast<std::size_t>(b.ultima) + 1) {
    mLarghezza = std::to_string(v.righe).size() + 1;
  }

  const std::string& Data(int d) {
    std::string& s = mDate[static_cast<std::size_t>(d)];
    if (s.empty()) s = DataCiclo(mA, d);
    return s;
  }

  // P, D(d), "  ", NUM, "  ", LET of a cycle's play.
  const std::string& Testa(int giocata) {
    if (giocata == mGiocata) return mTesta;
    const Giocata& g = mV.giocate[static_cast<std::size_t>(giocata)];
    mGiocata = giocata;
    mTesta = testo::AllineaDestra(std::to_string(g.riga + 1) + ".", mLarghezza);
    mTesta += Data(g.estrazione);
    mTesta += "  ";
    mTesta += Numeri(g, [](std::uint8_t) { return true; });
    mTesta += "  ";
    mTesta += mRighe[static_cast<std::size_t>(g.riga)]->lettere;
    return mTesta;
  }

  // The forecast values that pass, two digits each, joined by ".".
  template <class F>
  std::string Numeri(const Giocata& g, F&& passa) const {
    std::string s;
    for (int j = 0; j < g.nValori; ++j) {
      const int n = mV.valori[static_cast<std::size_t>(g.valori + j)];
      if (!passa(n)) continue;
      if (!s.empty()) s += '.';
      s += static_cast<char>('0' + n / 10);
      s += static_cast<char>('0' + n % 10);
    }
    return s;
  }

  // " su BA" where the game names its wheels.
  void Ruota(std::string& s, int w) const {
    if (!mR.ruote) return;
    s += " su ";
    s += kCodiciRuota[static_cast<std::size_t>(w - 1)];
  }

  // The line of a win at a colpo; `prima` for the cycle's first win.
  void Vincita(std::string& s, const Ciclo& c, int colpo, bool prima) {
    const std::string& testa = Testa(c.giocata);
    const Giocata& g = mV.giocate[static_cast<std::size_t>(c.giocata)];
    if (prima)
      s += testa;
    else
      s.append(testo::Lunghezza(testa), ' ');
    s += "  ";
    const auto usciti = mT.numeri(g.estrazione + colpo, c.ruota);
    s += Numeri(g, [&](std::uint8_t n) {
      return std::find(usciti.begin(), usciti.end(), n) != usciti.end();
    });
    Ruota(s, c.ruota);
    char buf[16];
    std::snprintf(buf, sizeof buf, "%3d", colpo);
    s += buf;
    s += "° colpo (";
    s += Data(g.estrazione + colpo);
    s += ")";
    s += kFineRiga;
  }

 private:
  const Verifica& mV;
  const std::vector<std::optional<Pronostico>>& mRighe;
  const Archivio& mA;
  const Tavola& mT;
  const Regole& mR;
  std::vector<std::string> mDate;
  std::size_t mLarghezza = 2;
  int mGiocata = -1;
  std::string mTesta;
};

}  // namespace

Rapporto ScriviRapporto(const Verifica& v, const std::vector<std::optional<Pronostico>>& righe,
                        const Base& b, const Tavola& t, const Regole& r, const Opzioni& o,
                        std::size_t limite) {
  Rapporto out;
  std::string& s = out.testo;
  const bool riepilogo = o.riepilogo == 1;
  const bool interrompi = o.interrompi == 1;
  Righe testi(v, righe, b, t, r);
  std::string riga;
  // Appends a line unless the report would pass the limit.
  auto scrivi = [&](const std::string& x) {
    if (s.size() + x.size() > limite) {
      out.completo = false;
      return false;
    }
    s += x;
    return true;
  };
  std::size_t separatore = 0;
  auto separa = [&](std::size_t finoA) {
    for (; separatore < v.separatori.size() &&
           static_cast<std::size_t>(v.separatori[separatore]) <= finoA;
         ++separatore) {
      const bool vuota = s.size() >= 4 && s.compare(s.size() - 4, 4, "\r\n\r\n") == 0;
      if (!vuota && !scrivi(std::string(kFineRiga))) return false;
    }
    return true;
  };
  if (!riepilogo) {
    for (std::size_t g = 0; g < v.giocate.size(); ++g) {
      if (!separa(g)) return out;
      for (std::size_t k = 0; k < v.ruote.size(); ++k) {
        const Ciclo& c = v.ciclo(g, k);
        for (int j = 0; j < c.vincite; ++j) {
          riga.clear();
          testi.Vincita(riga, c, v.colpiVincenti(g, k)[static_cast<std::size_t>(j)], j == 0);
          if (!scrivi(riga)) return out;
        }
        if (c.vincite > 0) continue;
        riga = testi.Testa(c.giocata);
        testi.Ruota(riga, c.ruota);
        if (c.colpi != o.colpi) {
          riga += "  in corso - ";
          Aggiungi(riga, c.colpi);
          riga += "° colpo su ";
          Aggiungi(riga, o.colpi);
        } else if (o.positivi == 1) {
          continue;
        } else {
          riga += "  negativo";
        }
        riga += kFineRiga;
        if (!scrivi(riga)) return out;
      }
    }
    if (!separa(v.giocate.size())) return out;
  }

  std::string totali(kFineRiga);
  if (o.parziali == 1 && v.righe >= 2) {
    for (int i = 0; i < v.righe; ++i) {
      Riga(totali, "Pronostico ", i + 1);
      Blocco(totali, v.totaliRiga[static_cast<std::size_t>(i)], interrompi);
      totali += kFineRiga;
    }
    totali += "Totale Pronostici";
    totali += kFineRiga;
  }
  Blocco(totali, v.totali, interrompi);
  if (v.totali.positivi > 0) {
    totali += kFineRiga;
    totali += kFineRiga;
  }
  scrivi(totali);
  return out;
}

}  // namespace metodi
