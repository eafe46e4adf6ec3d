#include "forecast/spia.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <map>

#include "core/indici.h"
#include "support/estrazioni_reali.h"
#include "support/valore.h"

namespace ns = NumeriSpia;

namespace {

// n generated draws whose BARI holds only the given numbers.
Archivio ArchivioBari(int n, const std::map<int, std::vector<int>>& bari) {
  std::vector<Estrazione> e = prova::Sintetiche(n);
  for (Estrazione& x : e) std::fill(std::begin(x.numeri[0]), std::end(x.numeri[0]), 0);
  for (const auto& [d, numeri] : bari)
    for (std::size_t p = 0; p < numeri.size(); ++p)
      e[d - 1].numeri[0][p] = static_cast<std::uint8_t>(numeri[p]);
  return CostruisciArchivio(e);
}

// Spy 1 at 90, 100, 115 and 120; its followers 70 (92), 30 40 (101), 60
// (102), 40 50 (104), 30 (116), 40 (118), 80 (120). 80 is never seen before
// the last draw but after the spy, so it is never present.
Archivio ArchivioDiEsempio() {
  // clang-format off
  return ArchivioBari(130, {{90, {1}}, {92, {70}}, {100, {1}}, {101, {30, 40}}, {102, {60}},
                            {104, {40, 50}}, {115, {50, 1, 30, 80}}, {116, {30}}, {118, {40}}, {120, {1, 80}}});
  // clang-format on
}

// The detail lists recomputed straight from the description: pair by pair,
// draw by draw, with the lists as sorted texts. Also the outcome draw.
std::vector<std::string> ListaZSemplice(const Archivio& a, int w, int s, int inizio, int fine,
                                        int* E) {
  std::vector<int> occ;
  bool presente[91] = {};
  for (int d = fine - 1; d >= inizio && occ.size() < 20; --d)
    for (int p = 1; p <= 5; ++p) {
      presente[a(d, w, p)] = true;
      if (a(d, w, p) == s) {
        occ.push_back(d);
        break;
      }
    }
  *E = 0;
  for (int o : occ) *E = o > fine - 9 ? o : *E;
  for (int p = 1; p <= 5 && *E == 0; ++p) *E = a(fine, w, p) == s ? fine : 0;
  std::vector<std::string> listaS;
  for (int x = 1; x <= 90; ++x)
    for (int y = x + 1; y <= 90; ++y) {
      int cnt = 0, cntA = 0, cntB = 0, ultimo = 0, numero = 0;
      for (int o : occ)
        for (int d = o + 1, colpito = 0; d <= o + 9 && d <= fine && !colpito; ++d)
          for (int p = 1; p <= 5 && !colpito; ++p)
            if (const int n = a(d, w, p); n == x || n == y) {
              colpito = ++cnt;
              (n == x ? cntA : cntB)++;
              if (ultimo == 0) ultimo = d, numero = n;
            }
      if (!presente[x] || !presente[y] || cntA == 0 || cntB == 0) continue;
      char buf[64];
      std::snprintf(buf, sizeof buf, "%2d %2d.%-2d %2d/%2d", cnt, x, y, cntA, cntB);
      listaS.push_back(buf);
      const int P = *E < fine ? *E : 0;
      if (P > 0 && ultimo > fine - 9 && ultimo > P) {
        std::snprintf(buf, sizeof buf, " - %d° colpo : %2d ( Estr. ", ultimo - P, numero);
        listaS.back() += buf + Inizio::Descrivi_Estrazione(a, ultimo) + " )";
      }
    }
  std::sort(listaS.begin(), listaS.end());
  std::vector<std::string> listaZ;
  for (std::size_t i = listaS.size() > 5 ? listaS.size() - 5 : 0; i < listaS.size(); ++i) {
    const std::string& v = listaS[i];
    char testa[32];
    std::snprintf(testa, sizeof testa, "%2d%s (%s/%2d) - ", 20 - std::stoi(v.substr(0, 2)),
                  v.substr(3, 5).c_str(), v.substr(0, 2).c_str(), static_cast<int>(occ.size()));
    listaZ.push_back(testa + v.substr(3, 2) + "(" + v.substr(9, 2) + ")." + v.substr(6, 2) + "(" +
                     v.substr(12, 2) + ")" + v.substr(14));
  }
  std::sort(listaZ.begin(), listaZ.end());
  return listaZ;
}

}  // namespace

TEST(NumeriSpia, ReportOfTheFiveBestPairs) {
  const Archivio a = ArchivioDiEsempio();
  const auto s = ns::Elabora_Spia(a, 1, 1, 1, 120);
  ASSERT_TRUE(s.ok());
  EXPECT_EQ(s->occorrenze, (std::vector<int>{115, 100, 90}));
  EXPECT_EQ(s->giocoAperto, 115);
  auto L = [&](int d) { return Inizio::Descrivi_Estrazione(a, d); };
  // Count 3 first; among the counts of 2 the higher first numbers stay, and
  // 70 ranks above 50 and 60 as text: 1.50 and 1.60 are cut.
  EXPECT_EQ(s->ListT,
            (std::vector<std::string>{" 2  1.70  1/ 1 - 5° colpo :  1 ( Estr. " + L(120) + " )",
                                      " 2 50.70  1/ 1", " 2 60.70  1/ 1",
                                      " 3 30.70  2/ 1 - 1° colpo : 30 ( Estr. " + L(116) + " )",
                                      " 3 40.70  2/ 1 - 3° colpo : 40 ( Estr. " + L(118) + " )"}));
  EXPECT_EQ(ns::Rapporto(a, *s, "Tarvolane"),
            (std::vector<std::string>{
                "Tarvolane - Numeri Spia", "", "Numero Spia 1 sulla ruota di BARI", "",
                "ESITO IN CORSO (Ultima Sortita: Estr." + L(115) + ") - 5° colpo di gioco", "",
                "30.70 ( 3/ 3) - 30( 2).70( 1) - 1° colpo : 30 ( Estr. " + L(116) + " )",
                "40.70 ( 3/ 3) - 40( 2).70( 1) - 3° colpo : 40 ( Estr. " + L(118) + " )",
                " 1.70 ( 2/ 3) -  1( 1).70( 1) - 5° colpo :  1 ( Estr. " + L(120) + " )",
                "50.70 ( 2/ 3) - 50( 1).70( 1)", "60.70 ( 2/ 3) - 60( 1).70( 1)"}));
}

// The outcome line by the range's last draw; the spy in the last draw is no
// appearance of its own.
TEST(NumeriSpia, OutcomeLineByTheEndOfTheRangeAndShortRanges) {
  const Archivio a = ArchivioDiEsempio();
  auto L = [&](int d) { return Inizio::Descrivi_Estrazione(a, d); };
  const std::string esito = "ESITO IN CORSO (Ultima Sortita: Estr.";
  struct Caso {
    int fine;
    std::vector<std::string> righe;
  };
  const Caso casi[] = {
      {114, {"Nessun Esito in corso", ""}},
      {115, {esito + L(115) + ")", "*** In gioco dalla prossima Estrazione ***", ""}},
      {123, {esito + L(115) + ") - 8° colpo di gioco", ""}},  // 115 is end - 8: still open
      {124, {esito + L(120) + ") - 4° colpo di gioco", ""}},  // 115 is end - 9: played out
  };
  for (const Caso& c : casi) {
    SCOPED_TRACE(c.fine);
    const auto s = ns::Elabora_Spia(a, 1, 1, 1, c.fine);
    ASSERT_TRUE(s.ok());
    const auto righe = ns::Rapporto(a, *s, "T");
    EXPECT_EQ(std::vector<std::string>(righe.begin() + 4, righe.begin() + 4 + c.righe.size()),
              c.righe);
  }
  // 101 draws are analysed, 100 refused.
  EXPECT_TRUE(ns::Elabora_Spia(a, 1, 1, 20, 120).ok());
  EXPECT_EQ(ns::Elabora_Spia(a, 1, 1, 21, 120).motivo(), "Poche Estrazioni !");
  EXPECT_EQ(ns::RapportoTutti(a, 1, 21, 120, "T").motivo(), "Poche Estrazioni !");
  // One appearance followed by 70 alone: no pair hit by both of its numbers.
  const Archivio b = ArchivioBari(130, {{110, {1}}, {112, {70}}});
  EXPECT_EQ(ns::Rapporto(b, prova::Valore(ns::Elabora_Spia(b, 1, 1, 1, 125)), "T"),
            (std::vector<std::string>{"T - Numeri Spia", "", "Numero Spia 1 sulla ruota di BARI",
                                      "", "Nessun Esito in corso", ""}));
}

// Written: the spies whose play is under way while one of their best pairs
// has not come out in it.
TEST(NumeriSpia, AllNumbersReportKeepsThePlaysUnderWay) {
  const Archivio a = ArchivioDiEsempio();
  const auto r = ns::RapportoTutti(a, 1, 1, 120, "Tarvolane");
  ASSERT_TRUE(r.ok());
  std::vector<std::string> scritte, attese;
  for (const std::string& riga : *r)
    if (riga.starts_with("Numero Spia ")) scritte.push_back(riga);
  for (int n = 1; n <= 90; ++n) {
    int E = 0;
    const auto z = ListaZSemplice(a, 1, n, 1, 120, &E);
    if (E > 0 &&
        std::any_of(z.begin(), z.end(), [](const std::string& v) { return !v.ends_with(" )"); }))
      attese.push_back("Numero Spia " + std::to_string(n) + " sulla ruota di BARI");
  }
  EXPECT_FALSE(attese.empty());
  EXPECT_EQ(scritte, attese);
  EXPECT_EQ(r->back(), std::string(80, '-'));
}

TEST(NumeriSpia, RealDrawsAgreeWithAStraightRecomputation) {
  RICHIEDE_ESTRAZIONI_REALI();
  const Archivio a = CostruisciArchivio(prova::Ultime(4999));
  for (const auto& [w, s, inizio, fine] :
       {std::tuple{1, 1, 1, 4999}, std::tuple{1, 2, 1, 4999}, std::tuple{1, 45, 1, 4999},
        std::tuple{4, 90, 1, 4990}, std::tuple{7, 13, 4000, 4101}, std::tuple{10, 77, 2500, 4995},
        std::tuple{8, 8, 1, 4998}}) {
    SCOPED_TRACE(std::to_string(w) + " " + std::to_string(s) + " " + std::to_string(fine));
    const auto analisi = ns::Elabora_Spia(a, w, s, inizio, fine);
    ASSERT_TRUE(analisi.ok());
    int E = 0;
    EXPECT_EQ(analisi->ListZ, ListaZSemplice(a, w, s, inizio, fine, &E));
    EXPECT_EQ(analisi->esito(), E);
  }
}
