// The back-test with the SuperEnalotto rules: points, the jolly of "5+1",
// one cycle per line and calculation draw, and the cycle lines without a wheel.
#include <gtest/gtest.h>

#include "methods/verifica.h"
#include "mondo_metodi.h"

using namespace metodi;
using prova::Righe;

namespace {

// Wednesdays and Saturdays from Saturday 9 January 1999. Each draw's
// SuperEnalotto is 81..85 (no forecast here reaches it) and the calculation
// wheels CAGLIARI, GENOVA and TORINO hold 11..15, 16..20 and 21..25.
std::vector<Estrazione> Gennaio1999(int quante) {
  std::vector<Estrazione> e = prova::MercolediSabato({9, 1, 1999}, quante);
  for (Estrazione& x : e)
    for (int p = 0; p < 5; ++p) {
      x.numeri[1][p] = static_cast<std::uint8_t>(11 + p);
      x.numeri[3][p] = static_cast<std::uint8_t>(16 + p);
      x.numeri[8][p] = static_cast<std::uint8_t>(21 + p);
    }
  return e;
}

// The SuperEnalotto of a draw: its six numbers stand first on BARI, FIRENZE,
// MILANO, NAPOLI, PALERMO and ROMA, the jolly first on VENEZIA.
void Super(Estrazione& e, std::array<int, 6> sei, int jolly) {
  const int ruote[] = {1, 3, 5, 6, 7, 8};
  for (int i = 0; i < 6; ++i) e.numeri[ruote[i] - 1][0] = static_cast<std::uint8_t>(sei[i]);
  e.numeri[9][0] = static_cast<std::uint8_t>(jolly);
}

// The calculation numbers: CAGLIARI's five, then GENOVA's first.
void Calcolo(Estrazione& e, std::array<int, 6> numeri) {
  for (int p = 0; p < 5; ++p) e.numeri[1][p] = static_cast<std::uint8_t>(numeri[p]);
  e.numeri[3][0] = static_cast<std::uint8_t>(numeri[5]);
}

constexpr const char* kSei = "1°CA+0 & 2°CA+0 & 3°CA+0 & 4°CA+0 & 5°CA+0 & 1°GE+0";

// Whether a report begins with the given lines.
testing::AssertionResult Inizia(const std::string& rapporto, const std::string& righe) {
  if (rapporto.compare(0, righe.size(), righe) == 0) return testing::AssertionSuccess();
  return testing::AssertionFailure() << "il rapporto inizia con:\n" << rapporto.substr(0, righe.size());
}

Opzioni Gennaio(const prova::Mondo& m, int colpi, int interrompi) {
  Opzioni o = m.Da(1, 1999, 1, 1999);
  o.colpi = colpi;
  o.interrompi = interrompi;
  o.ruote[0] = 1;  // as the tester opens: BARI
  return o;
}

}  // namespace

TEST(SuperEnalottoBackTest, PointsAreHitsAmongTheSixAndLinesNameNoWheel) {
  auto e = Gennaio1999(10);
  Calcolo(e[0], {1, 2, 3, 4, 5, 6});
  Super(e[1], {1, 2, 40, 41, 42, 43}, 44);  // colpo 1: two hits
  Super(e[2], {1, 2, 3, 40, 41, 42}, 4);    // colpo 2: Tre (the jolly counts for nothing)
  Super(e[5], {1, 2, 3, 4, 40, 41}, 42);    // colpo 5: Quattro
  const prova::Mondo m(e, metodi::SuperEnalotto());
  const std::vector<std::string> metodo{"M  1M  1°CA+0 & 2°CA+0 & 3°CA+0 & 4°CA+0"};
  EXPECT_EQ(m.Rapporto(metodo, Gennaio(m, 5, 0)),
            Righe({"1.Sab 09/01/1999  01.02.03.04  M  01.02.03  2° colpo (Sab 16/01/1999)",
                   std::string(34, ' ') + "01.02.03.04  5° colpo (Mer 27/01/1999)", "",
                   "Totale Cicli di gioco.....: 1", "Cicli positivi............: 1 ==> 100,00%",
                   "Cicli positivi multipli...: 1 ==> 100,00%",
                   "Cicli negativi............: 0 ==> 0,00%",
                   "Cicli in corso............: 0 ==> 0,00%", "Totale Colpi Giocati......: 5",
                   "Max attesa cicli positivi.: 5", "Min attesa cicli positivi.: 2", "", ""}));
  const Verifica v = m.Esegui(metodo, Gennaio(m, 5, 0));
  EXPECT_EQ(v.totaliRiga[0].multipli, 2);
  EXPECT_EQ(v.totaliRiga[0].positivi, 1);
  // Quattro ("A") needs four hits: only colpo 5; "MA" plays for Tre.
  EXPECT_TRUE(Inizia(m.Rapporto({"A  1M  1°CA+0 & 2°CA+0 & 3°CA+0 & 4°CA+0"}, Gennaio(m, 5, 1)),
                     Righe({"1.Sab 09/01/1999  01.02.03.04  A  01.02.03.04  5° colpo (Mer 27/01/1999)", ""})));
  EXPECT_EQ(m.Esegui({"MA  1M  1°CA+0 & 2°CA+0 & 3°CA+0"}, Gennaio(m, 5, 1)).cicli[0].colpi, 2);
}

TEST(SuperEnalottoBackTest, FivePlusOneIsFiveHitsAndTheJolly) {
  struct Caso {
    std::array<int, 6> sei;
    int jolly;
    bool cinque, cinquePiuUno, tutti;  // "T", "Q", "C" win
  };
  const Caso casi[] = {
      {{1, 2, 3, 4, 5, 40}, 6, true, true, false},
      {{1, 2, 3, 4, 5, 40}, 41, true, false, false},
      {{1, 2, 3, 4, 5, 6}, 40, true, true, true},    // six hits are more than 5+1
      {{1, 2, 3, 4, 40, 41}, 6, false, false, false},  // four hits and the jolly
      {{1, 2, 3, 40, 41, 42}, 5, false, false, false},
  };
  for (const Caso& c : casi) {
    SCOPED_TRACE(testing::Message() << c.sei[5] << " jolly " << c.jolly);
    auto e = Gennaio1999(4);
    Calcolo(e[0], {1, 2, 3, 4, 5, 6});
    Super(e[1], c.sei, c.jolly);
    const prova::Mondo m(e, metodi::SuperEnalotto());
    const std::string sei = kSei;
    const Verifica v =
        m.Esegui({"T  1M  " + sei, "Q  1M  " + sei, "C  1M  " + sei}, Gennaio(m, 1, 1));
    ASSERT_EQ(v.cicli.size(), 3u);
    EXPECT_EQ(v.cicli[0].vincite, c.cinque);
    EXPECT_EQ(v.cicli[1].vincite, c.cinquePiuUno);
    EXPECT_EQ(v.cicli[2].vincite, c.tutti);
  }
  // The winning line of a 5+1 shows the hits among the six.
  auto e = Gennaio1999(4);
  Calcolo(e[0], {1, 2, 3, 4, 5, 6});
  Super(e[2], {1, 2, 3, 4, 5, 40}, 6);
  const prova::Mondo m(e, metodi::SuperEnalotto());
  EXPECT_TRUE(Inizia(
      m.Rapporto({std::string("Q  1M  ") + kSei}, Gennaio(m, 3, 1)),
      Righe({"1.Sab 09/01/1999  01.02.03.04.05.06  Q  01.02.03.04.05  2° colpo (Sab 16/01/1999)",
             ""})));
}

TEST(SuperEnalottoBackTest, RepeatsAreDroppedAndACycleIsPlayedOnceWhateverTheWheels) {
  auto e = Gennaio1999(6);
  Calcolo(e[0], {7, 7, 9, 11, 30, 31});
  const prova::Mondo m(e, metodi::SuperEnalotto());
  Opzioni o = Gennaio(m, 2, 1);
  o.ruote[1] = o.ruote[7] = 1;  // a method file that ticked BARI, CAGLIARI and ROMA
  const std::vector<std::string> metodo{"M  1M  1°CA+0 & 2°CA+0 & 3°CA+0 & 4°CA+0",
                                        "M  1M  1°CA+0 & 2°CA+0"};  // one number: never played
  const Verifica v = m.Esegui(metodo, o);
  ASSERT_EQ(v.cicli.size(), 1u);
  EXPECT_EQ(v.totaliRiga[0].cicli, 1);
  EXPECT_EQ(v.totaliRiga[1].cicli, 0);
  EXPECT_TRUE(Inizia(m.Rapporto(metodo, o), Righe({"1.Sab 09/01/1999  07.09.11  M  negativo", "",
                                                    "Totale Cicli di gioco.....: 1"})));
}

TEST(SuperEnalottoBackTest, CyclesCutByTheEndOfTheArchiveAreInCorso) {
  const prova::Mondo m(Gennaio1999(10), metodi::SuperEnalotto());
  Opzioni o = Gennaio(m, 5, 1);
  o.fine = 1;
  o.positivi = 1;  // negative lines go, in corso lines stay
  EXPECT_EQ(m.Rapporto({"MA  TM  1°CA+0 & 2°CA+0 & 3°CA+0"}, o),
            Righe({"1.Mer 27/01/1999  11.12.13  MA  in corso - 4° colpo su 5",
                   "1.Sab 30/01/1999  11.12.13  MA  in corso - 3° colpo su 5",
                   "1.Mer 03/02/1999  11.12.13  MA  in corso - 2° colpo su 5",
                   "1.Sab 06/02/1999  11.12.13  MA  in corso - 1° colpo su 5",
                   "1.Mer 10/02/1999  11.12.13  MA  in corso - 0° colpo su 5", "",
                   "Totale Cicli di gioco.....: 10", "Cicli positivi............: 0 ==> 0,00%",
                   "Cicli negativi............: 5 ==> 50,00%",
                   "Cicli in corso............: 5 ==> 50,00%", "Totale Colpi Giocati......: 35"}));
}
