#include "methods/verifica.h"

#include <gtest/gtest.h>

#include <functional>
#include <tuple>

#include "mondo_metodi.h"
#include "support/estrazioni_reali.h"

using namespace metodi;

namespace {

// Wednesdays and Saturdays from Saturday 9 January 1999, every wheel 81..85.
std::vector<Estrazione> Gennaio1999(int quante) {
  return prova::MercolediSabato({9, 1, 1999}, quante);
}

Opzioni Ruote(Opzioni o, std::initializer_list<int> ruote) {
  o.ruote = {};
  for (int w : ruote) o.ruote[static_cast<std::size_t>(w - 1)] = 1;
  return o;
}

using prova::Righe;

}  // namespace

TEST(BackTestReport, HitAndNegativeLinesOfTheExample) {
  auto e = Gennaio1999(12);
  e[0] = prova::Neutra(e[0].data, {{1, {5, 12, 33, 40, 50}}});
  e[5] = prova::Neutra(e[5].data, {{1, {12, 81, 82, 83, 84}}});  // Wednesday 27 January, colpo 5
  const prova::Mondo m(e);
  const Opzioni o = Ruote(m.Da(1, 1999, 1, 1999), {1, 8});  // BARI and ROMA, 10 colpi, interrupted
  const std::string r =
      m.Rapporto({"M  2M  1°BA+1", "MA  1M  1°BA+0 & 2°BA+0 & 3°BA+0", "M  2M  1°CA+1"}, o);
  EXPECT_EQ(r, Righe({"2.Sab 09/01/1999  05.12.33  MA  12 su BA  5° colpo (Mer 27/01/1999)",
                      "2.Sab 09/01/1999  05.12.33  MA su RO  negativo", "",
                      "Totale Cicli di gioco.....: 1", "Cicli positivi............: 1 ==> 100,00%",
                      "Cicli negativi............: 0 ==> 0,00%",
                      "Cicli in corso............: 0 ==> 0,00%", "Totale Colpi Giocati......: 5",
                      "Max attesa cicli positivi.: 5", "Min attesa cicli positivi.: 5", "", ""}));
}

TEST(BackTestReport, FurtherHitsLineUpAndPartialTotalsPerLine) {
  auto e = Gennaio1999(14);
  e[2] = prova::Neutra(e[2].data, {{1, {1, 81, 82, 83, 84}}});  // colpo 2
  e[7] = prova::Neutra(e[7].data, {{1, {81, 1, 82, 83, 84}}});  // colpo 7
  const prova::Mondo m(e);
  Opzioni o = Ruote(m.Da(1, 1999, 1, 1999), {1});
  o.interrompi = 0;
  o.parziali = 1;
  const std::string blocco0 =
      Righe({"Totale Cicli di gioco.....: 0", "Cicli positivi............: 0 ==> 0,00%",
             "Cicli positivi multipli...: 0 ==> 0,00%", "Cicli negativi............: 0 ==> 0,00%",
             "Cicli in corso............: 0 ==> 0,00%", "Totale Colpi Giocati......: 10"});
  EXPECT_EQ(
      m.Rapporto({"M  1M  1°BA+10", "M  2M  1°CA+10"}, o),
      Righe({"1.Sab 09/01/1999  01  M  01 su BA  2° colpo (Sab 16/01/1999)",
             std::string(25, ' ') + "01 su BA  7° colpo (Mer 03/02/1999)", "", "Pronostico 1",
             "Totale Cicli di gioco.....: 1", "Cicli positivi............: 1 ==> 100,00%",
             "Cicli positivi multipli...: 2 ==> 200,00%", "Cicli negativi............: 0 ==> 0,00%",
             "Cicli in corso............: 0 ==> 0,00%", "Totale Colpi Giocati......: 10",
             "Max attesa cicli positivi.: 7", "Min attesa cicli positivi.: 2", "",
             "Pronostico 2"}) +
          blocco0 +
          Righe({"", "Totale Pronostici", "Totale Cicli di gioco.....: 1",
                 "Cicli positivi............: 1 ==> 100,00%",
                 "Cicli positivi multipli...: 1 ==> 100,00%",
                 "Cicli negativi............: 0 ==> 0,00%",
                 "Cicli in corso............: 0 ==> 0,00%", "Totale Colpi Giocati......: 10",
                 "Max attesa cicli positivi.: 7", "Min attesa cicli positivi.: 2", "", ""}));
}

TEST(BackTestReport, MonthsAreParted) {
  const prova::Mondo m(Gennaio1999(14));
  Opzioni o = Ruote(m.Da(1, 1999, 2, 1999), {1});
  o.colpi = 1;
  const std::vector<std::string> metodo{"M  1M  1°BA+10", "M  UM  1°CA+10"};
  const std::string totali =
      Righe({"Totale Cicli di gioco.....: 3", "Cicli positivi............: 0 ==> 0,00%",
             "Cicli negativi............: 3 ==> 100,00%", "Cicli in corso............: 0 ==> 0,00%",
             "Totale Colpi Giocati......: 3"});
  EXPECT_EQ(m.Rapporto(metodo, o), Righe({"1.Sab 09/01/1999  01  M su BA  negativo",
                                          "2.Sab 30/01/1999  01  M su BA  negativo", "",
                                          "1.Mer 03/02/1999  01  M su BA  negativo", ""}) +
                                       totali);
  // Only positive cases: the separation stays, as an empty line on an empty report.
  o.positivi = 1;
  EXPECT_EQ(m.Rapporto(metodo, o), "\r\n\r\n" + totali);
  // Summary only: no cycle line and no separation.
  o.positivi = 0;
  o.riepilogo = 1;
  EXPECT_EQ(m.Rapporto(metodo, o), "\r\n" + totali);
  // One line: never parted.
  o.riepilogo = 0;
  EXPECT_EQ(
      m.Rapporto({"M  1M  1°BA+10"}, o).substr(0, 82),
      "1.Sab 09/01/1999  01  M su BA  negativo\r\n1.Mer 03/02/1999  01  M su BA  negativo\r\n");
}

TEST(BackTestReport, CyclesCutByTheEndOfTheArchiveAreInCorso) {
  const prova::Mondo m(Gennaio1999(10));
  Opzioni o = Ruote(m.Da(1, 1999, 1, 1999), {1});
  o.fine = 1;
  const Verifica v = m.Esegui({"M  TM  1°BA+10"}, o);
  ASSERT_EQ(v.cicli.size(), 10u);
  EXPECT_EQ(v.cicli[6].colpi, 3);  // three draws before the last valid draw
  EXPECT_EQ(v.cicli[9].colpi, 0);  // the last valid draw itself
  EXPECT_EQ(v.totali.inCorso, 10);
  EXPECT_EQ(v.totali.colpi, 9 + 8 + 7 + 6 + 5 + 4 + 3 + 2 + 1);
  const std::string r = m.Rapporto({"M  TM  1°BA+10"}, o);
  EXPECT_NE(r.find("1.Sab 30/01/1999  01  M su BA  in corso - 3° colpo su 10\r\n"),
            std::string::npos);
  EXPECT_NE(r.find("1.Mer 10/02/1999  01  M su BA  in corso - 0° colpo su 10\r\n"),
            std::string::npos);
  o.positivi = 1;  // in corso lines stay
  EXPECT_EQ(m.Rapporto({"M  TM  1°BA+10"}, o), r);
}

TEST(BackTestReport, ALineWithFewerValuesThanItsSorteIsNeverPlayed) {
  const prova::Mondo m(Gennaio1999(14));
  const Opzioni o = Ruote(m.Da(1, 1999, 1, 1999), {1, 8});
  EXPECT_TRUE(m.Esegui({"A  1M  1°BA+5 & 1°BA+5"}, o).cicli.empty());  // one distinct value
  EXPECT_EQ(m.Rapporto({"A  1M  1°BA+5 & 1°BA+5"}, o),
            Righe({"", "Totale Cicli di gioco.....: 0", "Cicli positivi............: 0 ==> 0,00%",
                   "Cicli negativi............: 0 ==> 0,00%",
                   "Cicli in corso............: 0 ==> 0,00%", "Totale Colpi Giocati......: 0"}));
}

TEST(BackTestReport, TenLinesWidenTheNumberAndMalformedLinesAreNotPlayed) {
  const prova::Mondo m(Gennaio1999(14));
  Opzioni o = Ruote(m.Da(1, 1999, 1, 1999), {1});
  o.colpi = 1;
  std::vector<std::string> metodo(10, "M  1M  1°BA+10");
  metodo[4] = "M  1M  1°XX+10";
  const std::string r = m.Rapporto(metodo, o);
  EXPECT_EQ(r.substr(0, 3 * 42),
            " 1.Sab 09/01/1999  01  M su BA  negativo\r\n"
            " 2.Sab 09/01/1999  01  M su BA  negativo\r\n"
            " 3.Sab 09/01/1999  01  M su BA  negativo\r\n");
  EXPECT_EQ(r.find(" 5."), std::string::npos);
  EXPECT_NE(r.find("\r\n10.Sab 09/01/1999"), std::string::npos);
  // No line that parses: nothing to play.
  EXPECT_FALSE(m.Esegui({"garbage"}, o).periodo.valido());
}

TEST(BackTestReport, AReportTooLongStopsWithoutTotals) {
  const prova::Mondo m(Gennaio1999(14));
  const Opzioni o = Ruote(m.Da(1, 1999, 2, 1999), {1, 2, 3});
  const auto righe = prova::Mondo::Leggi({"M  1M  1°BA+10"});
  const Verifica v = Esegui(m.base, m.tavola, Lotto(), righe, o);
  const Rapporto intero = ScriviRapporto(v, righe, m.base, m.tavola, Lotto(), o);
  EXPECT_TRUE(intero.completo);
  const Rapporto tagliato = ScriviRapporto(v, righe, m.base, m.tavola, Lotto(), o, 100);
  EXPECT_FALSE(tagliato.completo);
  EXPECT_EQ(tagliato.testo, intero.testo.substr(0, 2 * 41));
}

// --- The real draws ----------------------------------------------------------

namespace {

// A method line both as text and as data, recomputed the plain way.
struct Termine_ {
  int posizione, ruota, segno, fisso;
};
struct Riga_ {
  std::string testo;
  int sorte;  // hits needed
  int codice;  // 0 every draw, 1..9, 99 last of the month
  std::vector<std::vector<Termine_>> elementi;
  bool jolly = false;  // "5+1": five hits and the jolly are enough
};

// Whether the values win on wheel w of draw e for the line.
using Vince = std::function<bool(int e, int w, const std::vector<int>& valori, const Riga_& l)>;

struct Ciclo_ {
  int riga, estrazione, ruota, colpi;
  std::vector<int> vincite;
  bool operator==(const Ciclo_&) const = default;
};

struct Ricalcolo {
  std::vector<Ciclo_> cicli;
  std::vector<Totali> righe;
  Totali totali;
};

Ricalcolo Ricalcola(const Archivio& a, const std::vector<Riga_>& metodo, int inizio, int fine,
                    int colpi, bool interrompi, const std::vector<int>& ruote, const Vince& vince) {
  const int ultima = a.ultimaEstrazione();
  std::vector<int> ordine(ultima + 2, 0);
  for (int d = 1; d <= ultima; ++d)
    ordine[d] =
        d > 1 && a.mese(d) == a.mese(d - 1) && a.anno(d) == a.anno(d - 1) ? ordine[d - 1] + 1 : 1;
  const Data u = a.data(ultima);
  const int lunghezza = GiorniDelMese(u.mese, u.anno);
  const bool chiude = u.giorno + (u.giornoSettimana() == 4 ? 3 : 4) > lunghezza;
  auto calcolo = [&](int d, int codice) {
    if (codice == 0) return true;
    if (codice == 99) return d < ultima ? ordine[d + 1] == 1 : chiude;
    return ordine[d] == codice;
  };
  Ricalcolo r;
  r.righe.assign(metodo.size(), Totali{});
  for (int d = inizio; d <= fine; ++d) {
    int esito = 0, minimo = 1000;  // 0 none, 1 positive, 2 negative, 3 in corso
    for (std::size_t i = 0; i < metodo.size(); ++i) {
      const Riga_& l = metodo[i];
      if (!calcolo(d, l.codice)) continue;
      std::vector<int> valori;
      for (const auto& el : l.elementi) {
        int v = 0;
        for (const Termine_& t : el) {
          v += a(d, t.ruota, t.posizione) + t.segno * t.fisso;
          while (v < 1) v += 90;
          while (v > 90) v -= 90;
        }
        if (std::find(valori.begin(), valori.end(), v) == valori.end()) valori.push_back(v);
      }
      if (static_cast<int>(valori.size()) < l.sorte) continue;
      for (int w : ruote) {
        Ciclo_ c{static_cast<int>(i), d, w, 0, {}};
        for (int e = d + 1; e <= d + colpi && e <= ultima; ++e) {
          ++c.colpi;
          if (!vince(e, w, valori, l)) continue;
          c.vincite.push_back(c.colpi);
          r.totali.maxAttesa = std::max(r.totali.maxAttesa, c.colpi);
          r.totali.minAttesa = std::min(r.totali.minAttesa, c.colpi);
          if (interrompi) break;
        }
        Totali& t = r.righe[i];
        ++t.cicli;
        t.multipli += static_cast<int>(c.vincite.size());
        for (int k : c.vincite)
          t.maxAttesa = std::max(t.maxAttesa, k), t.minAttesa = std::min(t.minAttesa, k);
        if (!c.vincite.empty())
          ++t.positivi, esito = 1;
        else if (c.colpi != colpi)
          ++t.inCorso, esito = esito == 1 ? 1 : 3;
        else if (esito != 1)
          esito = 2;
        minimo = std::min(minimo, c.colpi);
        r.cicli.push_back(c);
      }
    }
    if (esito == 0) continue;
    ++r.totali.cicli;
    r.totali.colpi += minimo;
    if (esito == 1) ++r.totali.positivi, ++r.totali.multipli;
    if (esito == 3) ++r.totali.inCorso;
  }
  for (Totali& t : r.righe) t.colpi = r.totali.colpi;
  return r;
}

// Lotto: the values among the five numbers of the wheel.
bool VinceLotto(const Archivio& a, int e, int w, const std::vector<int>& valori, const Riga_& l) {
  int presi = 0;
  for (int v : valori)
    for (int p = 1; p <= 5; ++p) presi += a(e, w, p) == v;
  return presi >= l.sorte;
}

// The engine's back-test, checked against the plain recomputation.
Verifica Confronta(const prova::Mondo& m, const std::vector<Riga_>& metodo, const Opzioni& o,
                   int inizio, int fine, Vince vince = {}) {
  std::vector<std::string> testi;
  for (const Riga_& l : metodo) testi.push_back(l.testo);
  Verifica v = m.Esegui(testi, o);
  EXPECT_EQ(v.periodo.inizio, inizio);
  EXPECT_EQ(v.periodo.fine, fine);
  std::vector<int> ruote;
  for (int w = 1; w <= 10; ++w)
    if (o.ruote[w - 1] == 1) ruote.push_back(w);
  if (!vince) {
    vince = [&](int e, int w, const std::vector<int>& valori, const Riga_& l) {
      return VinceLotto(m.archivio, e, w, valori, l);
    };
  }
  if (!m.regole.ruote) ruote = {1};  // one draw, played once
  const Ricalcolo atteso =
      Ricalcola(m.archivio, metodo, inizio, fine, o.colpi, o.interrompi == 1, ruote, vince);
  std::vector<Ciclo_> cicli;
  for (std::size_t i = 0; i < v.giocate.size(); ++i)
    for (std::size_t k = 0; k < v.ruote.size(); ++k) {
      const Ciclo& c = v.ciclo(i, k);
      const Giocata& g = v.giocate[static_cast<std::size_t>(c.giocata)];
      Ciclo_ x{g.riga, g.estrazione, c.ruota, c.colpi, {}};
      for (std::int16_t colpo : v.colpiVincenti(i, k)) x.vincite.push_back(colpo);
      cicli.push_back(x);
    }
  EXPECT_EQ(cicli.size(), atteso.cicli.size());
  for (std::size_t k = 0; k < std::min(cicli.size(), atteso.cicli.size()); ++k)
    if (cicli[k] != atteso.cicli[k]) {
      ADD_FAILURE() << "ciclo " << k;
      break;
    }
  EXPECT_EQ(v.totali, atteso.totali);
  EXPECT_EQ(v.totaliRiga, atteso.righe);
  EXPECT_GT(v.totali.positivi, 0);
  return v;
}

// The first draw of a month, found the plain way.
int PrimaDelMese(const Archivio& a, int mese, int anno) {
  for (int d = 1; d <= a.ultimaEstrazione(); ++d)
    if (a.mese(d) == mese && a.annoCompleto(d) == anno) return d;
  return 0;
}

}  // namespace

TEST(BackTestRealDraws, AgreesWithAPlainRecomputationFrom1946To2015) {
  RICHIEDE_ESTRAZIONI_REALI();
  const prova::Mondo m(prova::Prime(4999));  // 30 November 1946 .. 29 January 2015
  const Archivio& a = m.archivio;
  ASSERT_EQ(a.annoCompleto(m.base.ultima), 2015);

  // Ambata, ambo and a last-of-month line, December 1946 to December 2014, interrupted.
  const std::vector<Riga_> primo = {
      {"M  1M  1°BA+5,3°NA-12 & 2°RO+7", 1, 1, {{{1, 1, 1, 5}, {3, 6, -1, 12}}, {{2, 8, 1, 7}}}},
      {"MA  UM  5°VE+45 & 1°MI-3", 1, 99, {{{5, 10, 1, 45}}, {{1, 5, -1, 3}}}},
      {"A  2M  1°BA+0 & 2°BA+0 & 3°BA+30 & 4°CA+89",
       2,
       2,
       {{{1, 1, 1, 0}}, {{2, 1, 1, 0}}, {{3, 1, 1, 30}}, {{4, 2, 1, 89}}}},
  };
  Opzioni o = Ruote(m.Da(12, 1946, 12, 2014), {1, 6, 8});
  o.colpi = 9;
  Confronta(m, primo, o, PrimaDelMese(a, 12, 1946), PrimaDelMese(a, 12, 2014));

  // Every draw from 1990 to the end, twenty colpi, not interrupted, every wheel.
  const std::vector<Riga_> secondo = {
      {"T  TM  1°BA+1 & 1°BA+2 & 1°BA+3 & 1°BA+4",
       3,
       0,
       {{{1, 1, 1, 1}}, {{1, 1, 1, 2}}, {{1, 1, 1, 3}}, {{1, 1, 1, 4}}}},
      {"AT  3M  2°TO-40,5°GE+17 & 4°PA+1 & 1°FI-89",
       2,
       3,
       {{{2, 9, -1, 40}, {5, 4, 1, 17}}, {{4, 7, 1, 1}}, {{1, 3, -1, 89}}}},
  };
  o = Ruote(m.Da(6, 1990, 6, 1990), {1, 2, 3, 4, 5, 6, 7, 8, 9, 10});
  o.fine = 1;
  o.colpi = 20;
  o.interrompi = 0;
  int primo1990 = 1;
  while (a.annoCompleto(primo1990) < 1990) ++primo1990;
  Confronta(m, secondo, o, primo1990, m.base.ultima);
}

TEST(BackTestRealDraws, SuperEnalottoAgreesWithAPlainRecomputation) {
  RICHIEDE_ESTRAZIONI_REALI();
  const prova::Mondo m(prova::Ultime(4999), metodi::SuperEnalotto());
  const Archivio& a = m.archivio;
  // The SuperEnalotto draws as the core derives them from the Lotto draws.
  const ::SuperEnalotto se = Inizio::Crea_Archivio_SuperEnalotto(a, m.indici.TotEstrazioni);
  const Vince vince = [&](int e, int, const std::vector<int>& valori, const Riga_& l) {
    int presi = 0;
    bool jolly = false;
    for (int v : valori) {
      bool tra = false;
      for (int c = 1; c <= 6; ++c) tra = tra || se[e][c] == v;
      presi += tra;
      jolly = jolly || (!tra && se[e][7] == v);
    }
    return presi >= l.sorte || (l.jolly && jolly && presi == l.sorte - 1);
  };
  auto sei = [](int ruota, int da) {
    std::vector<std::vector<Termine_>> e;
    for (int p = 1; p <= 5; ++p) e.push_back({{p, ruota, 1, da + p}});
    e.push_back({{1, ruota % 10 + 1, -1, da}});
    return e;
  };
  // Tre and Quattro on the first draw of the month, every draw's 5+1 and
  // Sei, and Cinque on the last of the month; long plays, not interrupted.
  const std::vector<Riga_> metodo = {
      {"M  1M  1°BA+5,3°NA-12 & 2°RO+7 & 4°CA+0", 3, 1,
       {{{1, 1, 1, 5}, {3, 6, -1, 12}}, {{2, 8, 1, 7}}, {{4, 2, 1, 0}}}},
      {"A  1M  1°BA+1 & 2°BA+1 & 3°BA+1 & 4°BA+1 & 5°BA+1", 4, 1,
       {{{1, 1, 1, 1}}, {{2, 1, 1, 1}}, {{3, 1, 1, 1}}, {{4, 1, 1, 1}}, {{5, 1, 1, 1}}}},
      {"Q  TM  1°MI+1 & 2°MI+2 & 3°MI+3 & 4°MI+4 & 5°MI+5 & 1°NA-0", 6, 0, sei(5, 0), true},
      {"C  TM  1°MI+1 & 2°MI+2 & 3°MI+3 & 4°MI+4 & 5°MI+5 & 1°NA-0", 6, 0, sei(5, 0)},
      {"T  UM  1°TO+11 & 2°TO+12 & 3°TO+13 & 4°TO+14 & 5°TO+15 & 1°VE-10", 5, 99, sei(9, 10)},
  };
  Opzioni o = m.Da(1, a.annoCompleto(1) + 1, 1, a.annoCompleto(1) + 1);
  o.ruote[0] = o.ruote[5] = o.ruote[7] = 1;  // three wheels ticked: still one cycle each
  o.fine = 1;
  o.colpi = 40;
  o.interrompi = 0;
  int inizio = 1;
  while (a.annoCompleto(inizio) == a.annoCompleto(1)) ++inizio;
  Confronta(m, metodo, o, inizio, m.base.ultima, vince);
  // Interrupted, thirty numbers: the 5+1 lines meet the jolly.
  Riga_ trenta{"Q  1M  ", 6, 1, {}, true};
  for (int k = 0; k < 30; ++k) {
    trenta.testo += (k ? " & 1°BA+" : "1°BA+") + std::to_string(3 * k);
    trenta.elementi.push_back({{1, 1, 1, 3 * k}});
  }
  Riga_ sei30 = trenta;
  sei30.testo[0] = 'C';
  sei30.jolly = false;
  o.interrompi = 1;
  o.colpi = 30;
  const Verifica v = Confronta(m, {trenta, sei30}, o, inizio, m.base.ultima, vince);
  EXPECT_GT(v.totaliRiga[0].positivi, v.totaliRiga[1].positivi);
  EXPECT_GT(v.totaliRiga[1].positivi, 0);
}
