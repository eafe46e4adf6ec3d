#include "archive/ciclometria.h"

#include <gtest/gtest.h>

#include "support/estrazioni_reali.h"

using namespace Estrazioni;

TEST(CyclometricTable, DistancesAndSumsOfEveryPair) {
  // BARI 1 90 10 55 40; CAGLIARI misses its fifth number; FIRENZE is empty.
  const Archivio a = CostruisciArchivio(
      {prova::Fai({4, 1, 2000}, {{1, 90, 10, 55, 40}, {89, 90, 50, 40, 0}})});
  const auto d = CalcolaGriglia(a, 1, TipoGrigliaDa("d"));
  const auto s = CalcolaGriglia(a, 1, TipoGrigliaDa("s"));
  // Pairs I-II I-III I-IV I-V II-III II-IV II-V III-IV III-V IV-V.
  EXPECT_EQ(d.valori[0], (std::array<int, 10>{1, 9, 36, 39, 10, 35, 40, 45, 30, 15}));
  EXPECT_EQ(s.valori[0], (std::array<int, 10>{1, 11, 56, 41, 10, 55, 40, 65, 50, 5}));
  EXPECT_EQ(d.valori[1], (std::array<int, 10>{1, 39, 41, 0, 40, 40, 0, 10, 0, 0}));
  EXPECT_EQ(s.valori[1], (std::array<int, 10>{89, 49, 39, 0, 50, 40, 0, 90, 0, 0}));
  EXPECT_EQ(d.valori[2], (std::array<int, 10>{}));
  EXPECT_EQ(d.distinti, (std::vector<int>{1, 9, 10, 15, 30, 35, 36, 39, 40, 41, 45}));
  EXPECT_EQ(s.distinti,
            (std::vector<int>{1, 5, 10, 11, 39, 40, 41, 49, 50, 55, 56, 65, 89, 90}));
}
