// The back-test with the SuperEnalotto rules: points, the jolly of "5+1",
// one cycle per line and calculation draw, and the cycle lines without a wheel.
#include <gtest/gtest.h>

#include <tuple>

#include "methods/verifica.h"
#include "mondo_metodi.h"

using namespace metodi;

namespace {

// Wednesdays and Saturdays from Saturday 9 January 1999, CAGLIARI 11..15
// but `primi` on the first. The SuperEnalotto (the first numbers of BARI,
// FIRENZE, MILANO, NAPOLI, PALERMO, ROMA, the jolly VENEZIA's) is `sei` and
// `jolly` at the given draws, 81..85 elsewhere.
std::vector<Estrazione> Gennaio1999(int quante, std::array<int, 5> primi,
                                    std::vector<std::tuple<int, std::array<int, 6>, int>> super) {
  std::vector<Estrazione> e = prova::MercolediSabato({9, 1, 1999}, quante);
  for (Estrazione& x : e)
    for (int p = 0; p < 5; ++p)
      x.numeri[1][p] = static_cast<std::uint8_t>(&x == &e[0] ? primi[p] : 11 + p);
  for (const auto& [d, sei, jolly] : super) {
    const int ruote[] = {1, 3, 5, 6, 7, 8};
    for (int i = 0; i < 6; ++i) e[d - 1].numeri[ruote[i] - 1][0] = static_cast<std::uint8_t>(sei[i]);
    e[d - 1].numeri[9][0] = static_cast<std::uint8_t>(jolly);
  }
  return e;
}

}  // namespace

TEST(SuperEnalottoBackTest, PointsAreHitsAmongTheSixAndEachCycleIsPlayedOnce) {
  // The repeated 2 counts once.
  const prova::Mondo m(Gennaio1999(10, {1, 2, 2, 3, 4},
                                   {{2, {1, 2, 40, 41, 42, 43}, 44},  // colpo 1: two hits
                                    {3, {1, 2, 3, 40, 41, 42}, 4},    // colpo 2: Tre
                                    {6, {1, 2, 3, 4, 40, 41}, 42}}),  // colpo 5: Quattro
                       metodi::SuperEnalotto());
  Opzioni o = m.Da(1, 1999, 2, 1999);
  o.colpi = 5;
  o.interrompi = 0;
  o.ruote[0] = o.ruote[1] = o.ruote[7] = 1;  // three wheels ticked by a method file
  EXPECT_EQ(
      m.Rapporto({"M  1M  1°CA+0 & 2°CA+0 & 3°CA+0 & 4°CA+0 & 5°CA+0"}, o),
      prova::Righe(
          {"1.Sab 09/01/1999  01.02.03.04  M  01.02.03  2° colpo (Sab 16/01/1999)",
           std::string(34, ' ') + "01.02.03.04  5° colpo (Mer 27/01/1999)",
           "1.Mer 03/02/1999  11.12.13.14.15  M  in corso - 2° colpo su 5", "",
           "Totale Cicli di gioco.....: 2", "Cicli positivi............: 1 ==> 50,00%",
           "Cicli positivi multipli...: 1 ==> 50,00%", "Cicli negativi............: 0 ==> 0,00%",
           "Cicli in corso............: 1 ==> 50,00%", "Totale Colpi Giocati......: 7",
           "Max attesa cicli positivi.: 5", "Min attesa cicli positivi.: 2", "", ""}));
  const Verifica v = m.Esegui({"MA  1M  1°CA+0 & 2°CA+0 & 3°CA+0 & 4°CA+0 & 5°CA+0"}, o);
  EXPECT_EQ(v.totaliRiga[0].multipli, 2);  // "MA" plays for Tre
  EXPECT_EQ(v.cicli.size(), 2u);
  // Quattro needs four hits; Tre on two numbers is never played.
  EXPECT_EQ(m.Esegui({"A  1M  1°CA+0 & 2°CA+0 & 3°CA+0 & 4°CA+0 & 5°CA+0"}, o).colpiVincenti(0, 0)[0], 5);
  EXPECT_TRUE(m.Esegui({"M  1M  1°CA+0 & 2°CA+0 & 3°CA+0"}, m.Da(1, 1999, 1, 1999, o)).cicli.empty());
}

TEST(SuperEnalottoBackTest, FivePlusOneIsFiveHitsAndTheJolly) {
  struct Caso {
    std::array<int, 6> sei;
    int jolly;
    int vincono;  // 1 "Cinque", 2 also "5+1", 3 also "Sei"
  };
  const Caso casi[] = {
      {{1, 2, 3, 4, 5, 40}, 6, 2},    {{1, 2, 3, 4, 5, 40}, 41, 1},
      {{1, 2, 3, 4, 5, 6}, 40, 3},    // six hits are more than 5+1
      {{1, 2, 3, 4, 40, 41}, 6, 0},   // four hits and the jolly
  };
  for (const Caso& c : casi) {
    SCOPED_TRACE(c.jolly);
    auto e = Gennaio1999(3, {1, 2, 3, 4, 5}, {{2, c.sei, c.jolly}});
    e[0].numeri[2][0] = 6;  // FIRENZE
    const prova::Mondo m(e, metodi::SuperEnalotto());
    Opzioni o = m.Da(1, 1999, 1, 1999);
    o.colpi = 1;
    const std::string sei = "1M  1°CA+0 & 2°CA+0 & 3°CA+0 & 4°CA+0 & 5°CA+0 & 1°FI+0";
    const Verifica v = m.Esegui({"T  " + sei, "Q  " + sei, "C  " + sei}, o);
    ASSERT_EQ(v.cicli.size(), 3u);
    for (int k = 0; k < 3; ++k) EXPECT_EQ(v.cicli[k].vincite, k < c.vincono) << k;
  }
}
