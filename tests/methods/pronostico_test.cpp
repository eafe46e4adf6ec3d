#include "methods/pronostico.h"

#include <gtest/gtest.h>

#include "support/archivio_prova.h"
#include "support/valore.h"

using namespace metodi;
using prova::Valore;

TEST(ForecastLines, ComposerReadsCalcoloLinesBackAndRenumbers) {
  EXPECT_EQ(ElementoDaCalcoli(
                {"Somma 5 al 1° di BA", "Sottrai 10 al 2° di CA", "Somma 89 al 5° di VE"}, 3),
            "3) 1°BA+5,2°CA-10,5°VE+89");
  EXPECT_EQ(RinumeraElemento("12) 4°RO-1", 9), "9) 4°RO-1");
  // And the terms of an Elemento line back into Calcolo lines, which give the same Elemento.
  const std::vector<std::string> calcoli = CalcoliDaElemento("1) 2°NA+40,5°VE-7,1°BA+0");
  EXPECT_EQ(calcoli, (std::vector<std::string>{"Somma 40 al 2° di NA", "Sottrai 7 al 5° di VE",
                                                "Somma 0 al 1° di BA"}));
  EXPECT_EQ(ElementoDaCalcoli(calcoli, 1), "1) 2°NA+40,5°VE-7,1°BA+0");
  EXPECT_EQ(CalcoliDaElemento("12) 3°RO-89"), std::vector<std::string>{"Sottrai 89 al 3° di RO"});
  const char attesi[] = "1UT123456789";  // "Prima del Mese" and "1° del Mese" both write 1
  for (int i = 0; i < 12; ++i) EXPECT_EQ(CodiceDiVoce(i), attesi[i]) << i;
}

TEST(ForecastLines, ReaderAcceptsTheGrammarAndRefusesEverythingElse) {
  struct Caso {
    const char* riga;
    bool valida;
  };
  const Caso casi[] = {
      {"MA  1M  1°BA+5,3°NA-12 & 2°RO+7", true},
      {"M  TM  4°RO+0", true},
      {"MATQC  UM  1°BA+1 & 1°CA+2 & 1°FI+3 & 1°GE+4 & 1°MI+90", true},
      {"A  PM  5°VE-89", true},
      {"A  0M  5°VE-05", true},
      {"", false},
      {"MA1M  1°BA+5", false},      // no blank after the letters
      {"AM  1M  1°BA+5", false},    // letters out of order
      {"MM  1M  1°BA+5", false},    // a letter twice
      {"X  1M  1°BA+5", false},     // not a sorte letter
      {"M 1M  1°BA+5", false},      // one blank
      {"M  1M 1°BA+5", false},      // "M" and one blank
      {"M  XM  1°BA+5", true},      // any other code reads as every draw
      {"M  1M  ", false},           // no Elemento
      {"M  1M  1°BA+5 & ", false},  // empty Elemento
      {"M  1M  1°BA+5,", false},    // empty term
      {"M  1M  6°BA+5", false},     // position
      {"M  1M  1°XX+5", false},     // wheel
      {"M  1M  1°BA*5", true},      // any other sign subtracts
      {"M  1M  1°BA\t5", false},    // not a visible sign
      {"M  1M  1°BA+", false},      // no fixed number
      {"M  1M  1°BA+123", false},   // three digits
      {"M  1M  1 BA+5", false},     // no degree sign
      {"M  1M  1°BA+5 ", false},    // trailing blank
  };
  for (const Caso& c : casi) {
    SCOPED_TRACE(c.riga);
    EXPECT_EQ(LeggiPronostico(c.riga).ok(), c.valida);
  }
  const auto p = LeggiPronostico("MA  1M  1°BA+5,3°NA-12 & 2°RO+7");
  ASSERT_TRUE(p) << p.motivo();
  EXPECT_EQ(p->lettere, "MA");
  EXPECT_EQ(p->codiceCalcolo, 1);
  ASSERT_EQ(p->elementi.size(), 2u);
  ASSERT_EQ(p->elementi[0].size(), 2u);
  const Termine& t = p->elementi[0][1];
  EXPECT_EQ(t.posizione, 3);
  EXPECT_EQ(t.ruota, 6);
  EXPECT_FALSE(t.somma);
  EXPECT_EQ(t.fisso, 12);
  EXPECT_EQ(PuntiNecessari(*p, Lotto()), 1);  // MA plays as Ambata
  EXPECT_EQ(Valore(LeggiPronostico("M  UM  1°BA+5")).codiceCalcolo, kUltima);
  EXPECT_EQ(Valore(LeggiPronostico("M  PM  1°BA+5")).codiceCalcolo, 1);
  EXPECT_EQ(Valore(LeggiPronostico("M  0M  1°BA+5")).codiceCalcolo, kTutte);
  EXPECT_EQ(Valore(LeggiPronostico("M  XM  1°BA+5")).codiceCalcolo, kTutte);
  // PuntiNecessari takes a line that was read, with its sorte letters.
  const auto tc = LeggiPronostico("TC  1M  1°BA+5");
  ASSERT_TRUE(tc) << tc.motivo();
  EXPECT_EQ(PuntiNecessari(*tc, Lotto()), 3);
}

TEST(ForecastLines, ElementiAreReducedAfterEveryTermAndRepeatsDropped) {
  const Archivio a =
      prova::ArchivioDi({{{5, 60, 70, 1, 2}, {10, 20, 30, 40, 50}}, {{60, 70, 5, 6, 7}}});
  auto valore = [&](const char* riga, int d) {
    SCOPED_TRACE(riga);
    const Pronostico p = Valore(LeggiPronostico(riga));
    return p.elementi.empty() ? 0 : ValoreElemento(p.elementi[0], a, d);  // 0: no value
  };
  EXPECT_EQ(valore("M  TM  1°BA-10", 1), 85);
  EXPECT_EQ(valore("M  TM  1°BA+50,2°BA+50", 2), 50);  // 110 -> 20, then 20 + 70 + 50 = 140 -> 50
  EXPECT_EQ(valore("M  TM  1°BA+0", 1), 5);
  EXPECT_EQ(valore("M  TM  5°BA-0", 1), 2);
  EXPECT_EQ(valore("M  TM  1°BA+85", 1), 90);  // 0 reads as 90
  EXPECT_EQ(valore("M  TM  2°CA-20,3°BA+90", 1), 70);
  EXPECT_EQ(valore("M  TM  1°BA*10", 1), 85);  // any sign but "+" subtracts

  std::vector<std::uint8_t> v;
  ValoriPronostico(Valore(LeggiPronostico("A  TM  1°BA+5 & 1°BA+5")), a, 1, v);
  EXPECT_EQ(v, (std::vector<std::uint8_t>{10}));
  ValoriPronostico(Valore(LeggiPronostico("T  TM  1°BA+5 & 1°BA+5 & 2°BA+0 & 1°CA+0")), a, 1, v);
  EXPECT_EQ(v, (std::vector<std::uint8_t>{10, 60}));  // later repeats leave no gap
}
