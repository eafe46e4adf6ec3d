#include "forecast/spia.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <map>

#include "core/indici.h"
#include "support/estrazioni_reali.h"

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
// (102), 40 50 (104), 30 (116), 40 (118).
Archivio ArchivioDiEsempio() {
  return ArchivioBari(130, {{90, {1}},
                            {92, {70}},
                            {100, {1}},
                            {101, {30, 40}},
                            {102, {60}},
                            {104, {40, 50}},
                            {115, {50, 1, 30}},
                            {116, {30}},
                            {118, {40}},
                            {120, {1}}});
}

// The analysis and its report written again straight from the description:
// pair by pair, draw by draw, with the lists as sorted texts.
struct Semplice {
  bool inGioco = false;            // the all-numbers report writes it
  std::vector<std::string> righe;  // the spy line onwards
};

Semplice AnalisiSemplice(const Archivio& a, int w, int s, int inizio, int fine) {
  std::vector<int> occ;
  bool presente[91] = {};
  for (int d = fine - 1; d >= inizio && occ.size() < 20; --d)
    for (int p = 1; p <= 5; ++p) {
      const int x = a(d, w, p);
      if (x == 0) continue;
      presente[x] = true;
      if (x == s) {
        occ.push_back(d);
        break;
      }
    }
  bool ultima = false;
  for (int p = 1; p <= 5; ++p) ultima |= a(fine, w, p) == s;
  int P = 0;
  for (int o : occ)
    if (o > fine - 9 && (P == 0 || o < P)) P = o;

  std::vector<std::string> listaS;
  for (int x = 1; x <= 90; ++x)
    for (int y = x + 1; y <= 90; ++y) {
      if (!presente[x] || !presente[y]) continue;
      int cnt = 0, cntA = 0, cntB = 0, ultimo = 0, numero = 0;
      for (int o : occ) {
        bool colpito = false;
        for (int d = o + 1; d <= o + 9 && d <= fine && !colpito; ++d)
          for (int p = 1; p <= 5 && !colpito; ++p) {
            const int n = a(d, w, p);
            if (n != x && n != y) continue;
            colpito = true;
            ++cnt;
            (n == x ? cntA : cntB)++;
            if (ultimo == 0) ultimo = d, numero = n;
          }
      }
      if (cntA == 0 || cntB == 0) continue;
      char buf[64];
      std::snprintf(buf, sizeof buf, "%2d %2d.%-2d %2d/%2d", cnt, x, y, cntA, cntB);
      std::string v = buf;
      if (P > 0 && ultimo > fine - 9 && ultimo > P) {
        std::snprintf(buf, sizeof buf, " - %d° colpo : %2d ( Estr. ", ultimo - P, numero);
        v += buf + Inizio::Descrivi_Estrazione(a, ultimo) + " )";
      }
      listaS.push_back(v);
    }
  std::sort(listaS.begin(), listaS.end());
  std::vector<std::string> listaZ;
  for (std::size_t i = listaS.size() > 5 ? listaS.size() - 5 : 0; i < listaS.size(); ++i) {
    const std::string& v = listaS[i];
    char chiave[16];
    std::snprintf(chiave, sizeof chiave, "%2d", 20 - std::stoi(v.substr(0, 2)));
    char n[16];
    std::snprintf(n, sizeof n, "%2d", static_cast<int>(occ.size()));
    listaZ.push_back(chiave + v.substr(3, 5) + " (" + v.substr(0, 2) + "/" + n + ") - " +
                     v.substr(3, 2) + "(" + v.substr(9, 2) + ")." + v.substr(6, 2) + "(" +
                     v.substr(12, 2) + ")" + v.substr(14));
  }
  std::sort(listaZ.begin(), listaZ.end());

  Semplice out;
  const int E = P > 0 ? P : ultima ? fine : 0;
  out.righe = {
      "Numero Spia " + std::to_string(s) + " sulla ruota di " + std::string(Inizio::NomiRuote[w]),
      ""};
  const std::string esito = "ESITO IN CORSO (Ultima Sortita: Estr." +
                            (E ? Inizio::Descrivi_Estrazione(a, E) : std::string()) + ")";
  if (E == 0)
    out.righe.insert(out.righe.end(), {"Nessun Esito in corso", ""});
  else if (fine > E)
    out.righe.insert(out.righe.end(),
                     {esito + " - " + std::to_string(fine - E) + "° colpo di gioco", ""});
  else
    out.righe.insert(out.righe.end(), {esito, "*** In gioco dalla prossima Estrazione ***", ""});
  for (const std::string& z : listaZ) {
    out.righe.push_back(z.substr(2));
    if (z.size() < 2 || z.substr(z.size() - 2) != " )") out.inGioco = E > 0;
  }
  return out;
}

std::vector<std::string> Con(std::vector<std::string> a, const std::vector<std::string>& b) {
  a.insert(a.end(), b.begin(), b.end());
  return a;
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
TEST(NumeriSpia, OutcomeLineByTheEndOfTheRange) {
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
  // One appearance followed by 70 alone: no pair hit by both of its numbers.
  const Archivio b = ArchivioBari(130, {{110, {1}}, {112, {70}}});
  EXPECT_EQ(ns::Rapporto(b, *ns::Elabora_Spia(b, 1, 1, 1, 125), "T"),
            (std::vector<std::string>{"T - Numeri Spia", "", "Numero Spia 1 sulla ruota di BARI",
                                      "", "Nessun Esito in corso", ""}));
}

TEST(NumeriSpia, RangeOfFewerThan101DrawsIsRefused) {
  const Archivio a = ArchivioDiEsempio();
  EXPECT_TRUE(ns::Elabora_Spia(a, 1, 1, 20, 120).ok());
  for (const auto& [inizio, fine] : {std::pair{21, 120}, std::pair{120, 120}}) {
    const auto s = ns::Elabora_Spia(a, 1, 1, inizio, fine);
    ASSERT_FALSE(s.ok());
    EXPECT_EQ(s.motivo(), "Poche Estrazioni !");
    EXPECT_EQ(ns::RapportoTutti(a, 1, inizio, fine, "T").motivo(), "Poche Estrazioni !");
  }
}

TEST(NumeriSpia, AllNumbersReportKeepsThePlaysUnderWay) {
  const Archivio a = ArchivioDiEsempio();
  const auto r = ns::RapportoTutti(a, 1, 1, 120, "Tarvolane");
  ASSERT_TRUE(r.ok());
  std::vector<std::string> attese = {"Tarvolane - Numeri Spia", ""};
  int scritte = 0;
  for (int n = 1; n <= 90; ++n) {
    const Semplice s = AnalisiSemplice(a, 1, n, 1, 120);
    if (!s.inGioco) continue;
    ++scritte;
    attese = Con(Con(attese, s.righe), {std::string(80, '-')});
  }
  EXPECT_GE(scritte, 1);
  EXPECT_EQ(*r, attese);
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
    EXPECT_EQ(ns::Rapporto(a, *analisi, "T"),
              Con({"T - Numeri Spia", ""}, AnalisiSemplice(a, w, s, inizio, fine).righe));
  }
}
