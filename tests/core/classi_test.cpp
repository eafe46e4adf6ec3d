#include "core/classi.h"

#include <gtest/gtest.h>

TEST(Fuori90, BringsAnyWholeNumberIntoRange) {
  const struct { int n; int atteso; } casi[] = {
      {0, 90}, {90, 90}, {91, 1}, {181, 1}, {180, 90}, {-90, 90}, {-89, 1}, {1, 1},
      {32767, 7}, {-32768, 82}};
  for (const auto& c : casi) {
    SCOPED_TRACE(c.n);
    EXPECT_EQ(Inizio::Fuori90(c.n), c.atteso);
  }
}

TEST(Fuori90, MatchesRepeatedAdditionOverTheSixteenBitRange) {
  for (int n = -32768; n <= 32767; ++n) {
    int r = n;
    while (r < 1) r += 90;
    while (r > 90) r -= 90;
    ASSERT_EQ(Inizio::Fuori90(n), r) << n;
  }
}

TEST(NumberClasses, FollowTheirTables) {
  const struct { int n, fuori9, cadenza, decina, figura; bool gemello; } casi[] = {
      {0, 9, 0, 0, 9, false}, {9, 9, 9, 0, 9, false},  {10, 1, 0, 1, 1, false},
      {18, 9, 8, 1, 9, false}, {-3, 6, 3, 0, 0, false}, {90, 9, 0, 0, 9, false},
      {7, 7, 7, 0, 7, false},  {89, 8, 9, 8, 8, false}, {19, 1, 9, 1, 1, false},
      {45, 9, 5, 4, 9, false}, {1, 1, 1, 0, 1, false},  {11, 2, 1, 1, 2, true},
      {88, 7, 8, 8, 7, true},  {99, 9, 9, 0, 9, false}};
  for (const auto& c : casi) {
    SCOPED_TRACE(c.n);
    EXPECT_EQ(Module1::Fuori9(c.n), c.fuori9);
    EXPECT_EQ(Module1::Cadenza(c.n), c.cadenza);
    EXPECT_EQ(Module1::Decina(c.n), c.decina);
    if (c.n >= 1) {
      EXPECT_EQ(Module1::Figura(c.n), c.figura);
    }
    EXPECT_EQ(Module1::Gemello(c.n), c.gemello);
  }
}

TEST(ClassTables, HoldEveryNumberOnceInTheRightPlace) {
  const auto t = Inizio::Crea_Tabelle_Classi();
  for (int p = 1; p <= 10; ++p)
    for (int d = 1; d <= 9; ++d) EXPECT_EQ(t.TabDecine[p][d], 10 * (d - 1) + p);
  for (int r = 1; r <= 9; ++r)
    for (int u = 1; u <= 10; ++u)
      EXPECT_EQ(t.TabCadenze[r][u], (r == 1 && u == 1) ? 90 : 10 * (r - 1) + (u - 1));
  for (int f = 1; f <= 9; ++f)
    for (int k = 1; k <= 10; ++k) EXPECT_EQ(t.TabFigure[f][k], f + 9 * (k - 1));

  const int colonna1[] = {90, 10, 20, 30, 40, 50, 60, 70, 80};
  for (int r = 1; r <= 9; ++r) EXPECT_EQ(t.TabCadenze[r][1], colonna1[r - 1]);
  const int riga1[] = {1, 10, 19, 28, 37, 46, 55, 64, 73, 82};
  for (int k = 1; k <= 10; ++k) EXPECT_EQ(t.TabFigure[1][k], riga1[k - 1]);
  // Each figure row agrees with Figura, each cadence row of TabDecine with Cadenza.
  for (int f = 1; f <= 9; ++f)
    for (int k = 1; k <= 10; ++k) EXPECT_EQ(Module1::Figura(t.TabFigure[f][k]), f);
  for (int p = 1; p <= 10; ++p)
    for (int d = 1; d <= 9; ++d) EXPECT_EQ(Module1::Cadenza(t.TabDecine[p][d]), p % 10);
}
