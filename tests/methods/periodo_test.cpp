#include "methods/periodo.h"

#include <gtest/gtest.h>

#include "mondo_metodi.h"

using namespace metodi;

namespace {

// Wednesdays and Saturdays of 2001 from Wednesday 3 January to `fine`.
std::vector<Estrazione> Anno2001Fino(Data fine) {
  std::vector<Estrazione> e = prova::MercolediSabato({3, 1, 2001}, 110);
  while (e.back().data > fine) e.pop_back();
  return e;
}

// The first draw of a month (1-based index) in the archive.
int Prima(const prova::Mondo& m, int mese, int anno) {
  for (int d = 1; d <= m.base.ultima; ++d)
    if (m.archivio.mese(d) == mese && m.archivio.annoCompleto(d) == anno) return d;
  return 0;
}
int Ultima(const prova::Mondo& m, int mese, int anno) {
  int u = 0;
  for (int d = 1; d <= m.base.ultima; ++d)
    if (m.archivio.mese(d) == mese && m.archivio.annoCompleto(d) == anno) u = d;
  return u;
}

}  // namespace

TEST(BackTestPeriod, TheLastValidDrawClosesItsMonthByTheGapToTheNextDraw) {
  struct Caso {
    Data data;
    bool chiude;
  };
  const Caso casi[] = {
      {{27, 9, 2014}, true},   // Saturday 27 of a 30-day month: 27 + 4 > 30
      {{27, 8, 2014}, false},  // Wednesday 27 of a 31-day month: 27 + 3 = 30
      {{25, 2, 2017}, true},   // Saturday 25 February: 29 > 28
      {{25, 2, 2012}, false},  // the same in a leap year: 29 is not above 29
      {{28, 2, 2015}, true},
  };
  for (const Caso& c : casi) {
    SCOPED_TRACE(testing::Message() << c.data.giorno << "/" << c.data.mese << "/" << c.data.anno);
    const prova::Mondo m({prova::Neutra({1, 1, 2000}), prova::Neutra(c.data)});
    EXPECT_EQ(m.base.ultima, 2);
    EXPECT_EQ(m.base.ultimaChiudeMese, c.chiude);
  }
}

TEST(BackTestPeriod, CalculationDrawsByCode) {
  const prova::Mondo m(Anno2001Fino({5, 12, 2001}));
  const int marzo = Prima(m, 3, 2001);
  EXPECT_TRUE(Qualifica(m.base, marzo, 1));
  EXPECT_TRUE(Qualifica(m.base, marzo + 1, 2));
  EXPECT_FALSE(Qualifica(m.base, marzo + 1, 1));
  EXPECT_TRUE(Qualifica(m.base, marzo - 1, kUltima));  // the draw before a month's first
  EXPECT_FALSE(Qualifica(m.base, marzo, kUltima));
  EXPECT_TRUE(Qualifica(m.base, marzo + 3, kTutte));
  EXPECT_FALSE(Qualifica(m.base, m.base.ultima, kUltima));  // Wednesday 5: the month goes on
}

TEST(BackTestPeriod, StartAndEndFollowTheSmallestCode) {
  const prova::Mondo m(Anno2001Fino({5, 12, 2001}));
  // Code 3 in a last month holding two draws: no first draw.
  EXPECT_FALSE(Calcola_Periodo(m.base, m.Da(12, 2001, 12, 2001), 3).valido());
  // Code 99 ending in the month of the last valid draw, which does not close it.
  EXPECT_FALSE(Calcola_Periodo(m.base, m.Da(11, 2001, 12, 2001), kUltima).valido());
  // March to March with code 1: one calculation draw.
  const Periodo marzo = Calcola_Periodo(m.base, m.Da(3, 2001, 3, 2001), 1);
  EXPECT_EQ(marzo.inizio, Prima(m, 3, 2001));
  EXPECT_EQ(marzo.fine, Prima(m, 3, 2001));
  // Code 0: the start month is not read and the end follows code 99.
  const Periodo tutte = Calcola_Periodo(m.base, m.Da(6, 2001, 6, 2001), kTutte);
  EXPECT_EQ(tutte.inizio, 1);
  EXPECT_EQ(tutte.fine, Ultima(m, 6, 2001));
  // Code 99 from the last draw of the start month.
  EXPECT_EQ(Calcola_Periodo(m.base, m.Da(2, 2001, 4, 2001), kUltima).inizio, Ultima(m, 2, 2001));
  // "Fino ad Ultima Estrazione".
  Opzioni fino = m.Da(3, 2001, 3, 2001);
  fino.fine = 1;
  EXPECT_EQ(Calcola_Periodo(m.base, fino, 2).fine, m.base.ultima);
  EXPECT_EQ(Calcola_Periodo(m.base, fino, 2).inizio, Prima(m, 3, 2001) + 1);
  // Lines with codes 99 and 2: the period follows code 2.
  EXPECT_EQ(m.Esegui({"M  UM  1°BA+1", "M  2M  1°BA+1"}, fino).periodo.inizio, Prima(m, 3, 2001) + 1);
  // Reversed: the end lies before the start, nothing to play.
  const Periodo rovescio = Calcola_Periodo(m.base, m.Da(5, 2001, 3, 2001), 1);
  EXPECT_GT(rovescio.inizio, rovescio.fine);
  EXPECT_FALSE(rovescio.valido());

  const prova::Mondo chiuso(Anno2001Fino({29, 12, 2001}));  // Saturday 29: 33 > 31
  ASSERT_TRUE(chiuso.base.ultimaChiudeMese);
  EXPECT_EQ(Calcola_Periodo(chiuso.base, chiuso.Da(11, 2001, 12, 2001), kUltima).fine,
            chiuso.base.ultima);
}

TEST(BackTestPeriod, NumberOfCyclesCountsCalculationDraws) {
  Opzioni dodici;
  dodici.fine = 2;
  dodici.cicli = 12;
  const prova::Mondo m(Anno2001Fino({29, 12, 2001}));
  EXPECT_EQ(Calcola_Periodo(m.base, dodici, 1).fine, Prima(m, 12, 2001));
  // With code 0 the cycles counted are months.
  dodici.cicli = 3;
  EXPECT_EQ(Calcola_Periodo(m.base, dodici, kTutte).fine, Ultima(m, 3, 2001));
  dodici.cicli = 12;
  const prova::Mondo corto(Anno2001Fino({30, 11, 2001}));
  EXPECT_EQ(Calcola_Periodo(corto.base, dodici, 1).fine, corto.base.ultima);
}

TEST(BackTestPeriod, CasesOfTheSuperEnalottoTester) {
  const prova::Mondo m(Anno2001Fino({5, 12, 2001}), metodi::SuperEnalotto());   // does not close
  const prova::Mondo chiuso(Anno2001Fino({29, 12, 2001}), metodi::SuperEnalotto());
  const prova::Mondo corto(Anno2001Fino({29, 9, 2001}), metodi::SuperEnalotto());
  auto cicli = [](int n) {
    Opzioni o;
    o.mese[0] = 2;  // March
    o.fine = 2;
    o.cicli = n;
    return o;
  };
  auto fino = [](Opzioni o) {
    o.fine = 1;
    return o;
  };
  struct Caso {
    const char* nome;
    const prova::Mondo& m;
    Opzioni o;
    int codice;
    int inizio, fine;
  };
  const Caso casi[] = {
      {"all T: from the year's first draw to the end month's last", m, m.Da(6, 2001, 4, 2001),
       kTutte, 1, Ultima(m, 4, 2001)},
      {"code 1: first draw of each month", m, m.Da(3, 2001, 5, 2001), 1, Prima(m, 3, 2001),
       Prima(m, 5, 2001)},
      {"U from the month of a last draw that does not close it", m, fino(m.Da(12, 2001, 12, 2001)),
       kUltima, 0, 0},
      {"U from the month of a last draw that closes it", chiuso,
       fino(chiuso.Da(12, 2001, 12, 2001)), kUltima, chiuso.base.ultima, chiuso.base.ultima},
      {"a from-month after the archive's last", corto, corto.Da(11, 2001, 11, 2001), 1, 0, 0},
      {"3 cycles of U from March", m, cicli(3), kUltima, Ultima(m, 3, 2001), Ultima(m, 5, 2001)},
      {"2 cycles of T are two months", m, cicli(2), kTutte, 1, Ultima(m, 2, 2001)},
  };
  for (const Caso& c : casi) {
    SCOPED_TRACE(c.nome);
    const Periodo p = Calcola_Periodo(c.m.base, c.o, c.codice);
    EXPECT_EQ(p.inizio, c.inizio);
    EXPECT_EQ(p.fine, c.fine);
  }
}
