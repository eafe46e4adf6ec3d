#include "methods/verifica.h"

#include <algorithm>

#include "core/nomi.h"
#include "core/testo.h"

namespace metodi {
namespace {

// Outcome of a calculation draw, from its cycles.
enum Esito { kNessuno, kPositivo, kNegativo, kInCorso };

void Vincita(Totali& t, int colpo) {
  t.maxAttesa = std::max(t.maxAttesa, colpo);
  t.minAttesa = std::min(t.minAttesa, colpo);
}

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

  // Where each wheel's list of each number stands: past the current draw.
  std::vector<int> cursori(static_cast<std::size_t>(t.ruote()) * 91);
  for (int w = 1; w <= t.ruote(); ++w)
    for (int n = 1; n <= 90; ++n) cursori[static_cast<std::size_t>(w - 1) * 91 + n] = t.primaUscita(w, n);
  const int* uscite = t.uscite().data();

  std::vector<std::uint8_t> valori;
  std::vector<int> teste;
  int meseInCorso = a.mese(v.periodo.inizio);
  for (int d = v.periodo.inizio; d <= v.periodo.fine; ++d) {
    Esito esito = kNessuno;
    int colpiEstrazione = 200;
    const int limite = std::min(d + colpi, b.ultima);
    for (std::size_t i = 0; i < righe.size(); ++i) {
      const auto& p = righe[i];
      if (!p || !Qualifica(b, d, p->codiceCalcolo)) continue;
      ValoriPronostico(*p, a, d, valori);
      if (separa && a.mese(d) != meseInCorso) {
        v.separatori.push_back(static_cast<int>(v.cicli.size()));
        meseInCorso = a.mese(d);
      }
      const int punti = PuntiNecessari(*p, r);
      if (static_cast<int>(valori.size()) < punti) continue;
      const int giocata = static_cast<int>(v.giocate.size());
      v.giocate.push_back({static_cast<int>(i), d, static_cast<int>(v.valori.size()), static_cast<int>(valori.size())});
      v.valori.insert(v.valori.end(), valori.begin(), valori.end());
      Totali& perRiga = v.totaliRiga[i];
      teste.resize(valori.size());
      for (int w : ruote) {
        for (std::size_t j = 0; j < valori.size(); ++j) {
          int& c = cursori[static_cast<std::size_t>(w - 1) * 91 + valori[j]];
          while (uscite[c] <= d) ++c;
          teste[j] = c;
        }
        // Merge the values' lists of draws: each draw met is a colpo with hits.
        Ciclo ciclo{giocata, w, limite - d, static_cast<int>(v.vincite.size()), 0};
        while (true) {
          int e = Tavola::kFine;
          for (int c : teste) e = std::min(e, uscite[c]);
          if (e > limite) break;
          int colti = 0;
          for (int& c : teste)
            if (uscite[c] == e) {
              ++colti;
              ++c;
            }
          if (colti < punti) continue;
          const int colpo = e - d;
          v.vincite.push_back(static_cast<std::int16_t>(colpo));
          ++ciclo.vincite;
          ++perRiga.multipli;
          Vincita(perRiga, colpo);
          Vincita(v.totali, colpo);
          if (interrompi) {
            ciclo.colpi = colpo;
            break;
          }
        }
        ++perRiga.cicli;
        if (ciclo.vincite > 0) {
          ++perRiga.positivi;
          esito = kPositivo;
        } else if (ciclo.colpi != colpi) {
          ++perRiga.inCorso;
          if (esito != kPositivo) esito = kInCorso;
        } else if (esito != kPositivo) {
          esito = kNegativo;
        }
        colpiEstrazione = std::min(colpiEstrazione, ciclo.colpi);
        v.cicli.push_back(ciclo);
      }
    }
    if (esito == kNessuno) continue;
    ++v.totali.cicli;
    v.totali.colpi += colpiEstrazione;
    if (esito == kPositivo) {
      ++v.totali.positivi;
      ++v.totali.multipli;
    } else if (esito == kInCorso) {
      ++v.totali.inCorso;
    }
  }
  // Every line receives the colpi of every method-wide cycle.
  for (Totali& t : v.totaliRiga) t.colpi = v.totali.colpi;
  return v;
}

// --- Report ------------------------------------------------------------------

std::string DataCiclo(const Archivio& a, int d) {
  const Data x = a.data(d);
  char buf[32];
  std::snprintf(buf, sizeof buf, " %02d/%02d/%04d", x.giorno, x.mese, x.anno);
  return std::string(Inizio::NomiGiorni[static_cast<std::size_t>(x.giornoSettimana())].substr(0, 3)) + buf;
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
      : mV(v), mRighe(righe), mA(*b.archivio), mT(t), mR(r), mDate(static_cast<std::size_t>(b.ultima) + 1) {
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
    if (prima) s += testa;
    else s.append(testo::Lunghezza(testa), ' ');
    s += "  ";
    const auto usciti = mT.numeri(g.estrazione + colpo, c.ruota);
    s += Numeri(g, [&](std::uint8_t n) { return std::find(usciti.begin(), usciti.end(), n) != usciti.end(); });
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
    for (; separatore < v.separatori.size() && static_cast<std::size_t>(v.separatori[separatore]) <= finoA;
         ++separatore) {
      const bool vuota = s.size() >= 4 && s.compare(s.size() - 4, 4, "\r\n\r\n") == 0;
      if (!vuota && !scrivi(std::string(kFineRiga))) return false;
    }
    return true;
  };
  if (!riepilogo) {
    for (std::size_t k = 0; k < v.cicli.size(); ++k) {
      if (!separa(k)) return out;
      const Ciclo& c = v.cicli[k];
      for (int j = 0; j < c.vincite; ++j) {
        riga.clear();
        testi.Vincita(riga, c, v.vincite[static_cast<std::size_t>(c.primaVincita + j)], j == 0);
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
    if (!separa(v.cicli.size())) return out;
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
