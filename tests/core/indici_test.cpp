#include "core/indici.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "core/testo.h"
#include "support/estrazioni_reali.h"

namespace {

// A draw with the same number 1..5 on every wheel, on the given date.
Estrazione Il(Data d) { return prova::Fai(d, {{1, 2, 3, 4, 5}}); }

}  // namespace

TEST(DrawLabels, ShortAndLongStyles) {
  std::vector<Estrazione> e;
  for (int i = 0; i < 4; ++i) e.push_back(Il({int(1 + i), 1, 1946}));
  e.push_back(Il({7, 1, 1946}));
  e.push_back(Il({12, 12, 1999}));
  const Archivio a = CostruisciArchivio(e);
  EXPECT_EQ(Inizio::Descrivi_Estrazione(a, 5), "5 - Lun  7 Gen 1946");
  EXPECT_EQ(Inizio::Descrivi_Estrazione(a, 5, "L"), "5 - Lunedì  7 Gennaio 1946");
  EXPECT_EQ(Inizio::Descrivi_Estrazione(a, 6, "L"), "6 - Domenica 12 Dicembre 1999");
  EXPECT_EQ(Inizio::Descrivi_Estrazione(a, 6), "6 - Dom 12 Dic 1999");
  Indici ix;
  Inizio::Aggiorna_Indici_Archivio(a, ix);
  EXPECT_EQ(ix.DescrEstrazioni[5], "5 - Lun  7 Gen 1946   ");
  EXPECT_EQ(ix.DescrEstrazioni[5].size(), 22u);
  // The range line of the status bars: no blank after "Estr.", both ends counted.
  EXPECT_EQ(Inizio::Descrivi_Periodo(a, 5, 6),
            "Archivio : da Estr.5 - Lun  7 Gen 1946  a Estr.6 - Dom 12 Dic 1999  ( 2 Estrazioni )");
  EXPECT_EQ(Inizio::Descrivi_Periodo(a, 6, 6),
            "Archivio : da Estr.6 - Dom 12 Dic 1999  a Estr.6 - Dom 12 Dic 1999  ( 1 Estrazioni )");
}

TEST(DrawLabels, FourDigitIndexFillsExactly22Characters) {
  std::vector<Estrazione> e = prova::Sintetiche(3066);
  e.push_back(Il({9, 1, 2099}));
  const Archivio a = CostruisciArchivio(e);
  EXPECT_EQ(Inizio::Descrivi_Estrazione(a, 3067), "3067 - Ven  9 Gen 2099");
  Indici ix;
  Inizio::Aggiorna_Indici_Archivio(a, ix);
  EXPECT_EQ(ix.DescrEstrazioni[3067], "3067 - Ven  9 Gen 2099");
}

TEST(IndexBuild, CountsYearsAndMonths) {
  const Archivio a = CostruisciArchivio({
      Il({28, 12, 1998}), Il({30, 12, 1998}), Il({2, 1, 1999}), Il({9, 1, 1999}),
      Il({30, 1, 1999}), Il({15, 1, 2000}), Il({3, 2, 2001})});
  Indici ix;
  Inizio::Aggiorna_Indici_Archivio(a, ix);
  EXPECT_EQ(ix.TotEstrazioni, 7);
  EXPECT_EQ(ix.DataUltimaEstrazione, (Data{3, 2, 2001}));
  EXPECT_EQ(ix.AnniArchivio,
            (std::vector<std::string>{"19980001", "19990003", "20000006", "20010007"}));
  const int anno[] = {0, 1, 2, 1, 2, 3, 1, 1};
  // January 1999 is followed straight by January 2000: the same month
  // number, yet the count restarts with the year.
  const int mese[] = {0, 1, 2, 1, 2, 3, 1, 1};
  for (int d = 1; d <= 7; ++d) {
    SCOPED_TRACE(d);
    EXPECT_EQ(ix.NumEstrAnno[d], anno[d]);
    EXPECT_EQ(ix.NumEstrMese[d], mese[d]);
  }
}

TEST(IndexBuild, FreeRecordContentBeyondDayAndCenturyDoesNotMatter) {
  std::vector<Estrazione> e = prova::Sintetiche(3067);
  Archivio a = CostruisciArchivio(e);
  for (int w = 0; w <= 10; ++w)
    for (int p = 1; p <= 5; ++p)
      if (!(w == 0 && (p == 1 || p == 4))) a(3068, w, p) = 77;
  a(3068, 0, 4) = 19;  // any century above 18
  Indici ix;
  Inizio::Aggiorna_Indici_Archivio(a, ix);
  EXPECT_EQ(ix.TotEstrazioni, 3067);
  EXPECT_EQ(ix.DataUltimaEstrazione, a.data(3067));
  EXPECT_EQ(ix.DescrEstrazioni.size(), 3068u);
}

TEST(IndexBuild, YearBeginningAtDraw3000EndsIn3000) {
  std::vector<Estrazione> e;
  for (int i = 0; i < 2999; ++i) e.push_back(Il({1 + i % 28, 1 + (i / 28) % 12, 1900 + i / 336}));
  e.push_back(Il({1, 1, 1990}));
  const Archivio a = CostruisciArchivio(e);
  Indici ix;
  Inizio::Aggiorna_Indici_Archivio(a, ix);
  EXPECT_EQ(ix.AnniArchivio.front(), "19000001");
  EXPECT_EQ(ix.AnniArchivio.back(), "19903000");
}

TEST(SuperEnalotto, ReplacesARepeatWithTheNextFreeNumberOfTheWheel) {
  Estrazione e = prova::Fai({5, 1, 1999}, {
      {5, 1, 1, 1, 1},  {0},             {5, 17, 1, 1, 1}, {0},               {33, 1, 1, 1, 1},
      {17, 40, 1, 1, 1}, {2, 1, 1, 1, 1}, {80, 1, 1, 1, 1}, {0},               {40, 9, 1, 1, 1}});
  const Archivio a = CostruisciArchivio({e});
  const auto s = Inizio::Deriva_SuperEnalotto(a, 1);
  EXPECT_EQ((std::vector<int>(s.begin() + 1, s.end())), (std::vector<int>{2, 5, 17, 33, 40, 80, 9}));
}

TEST(SuperEnalotto, KeepsLookingPastASecondNumberAlreadyTaken) {
  // BARI 10; FIRENZE 10, 33; MILANO 33, 10, 61: the once-only replacement would
  // give MILANO 10 again and only five distinct numbers.
  Estrazione e = prova::Fai({5, 1, 1999}, {
      {10, 1, 2, 3, 4}, {0}, {10, 33, 5, 6, 7}, {0}, {33, 10, 61, 8, 9},
      {20, 1, 1, 1, 1}, {21, 1, 1, 1, 1}, {22, 1, 1, 1, 1}, {0}, {61, 33, 10, 20, 70}});
  const Archivio a = CostruisciArchivio({e});
  const auto s = Inizio::Deriva_SuperEnalotto(a, 1);
  EXPECT_EQ((std::vector<int>(s.begin() + 1, s.end())),
            (std::vector<int>{10, 20, 21, 22, 33, 61, 70}));
}

TEST(SuperEnalotto, AllNumbersTakenKeepsTheSecondAndMissingNumbersAreNotListed) {
  Estrazione e = prova::Fai({5, 1, 1999}, {
      {1, 2, 3, 4, 5}, {0}, {1, 2, 3, 4, 5}, {0}, {1, 2, 3, 4, 5},
      {1, 2, 3, 4, 5}, {1, 2, 3, 4, 5}, {1, 2, 3, 4, 5}, {0}, {0, 0, 0, 0, 0}});
  const Archivio a = CostruisciArchivio({e});
  const auto s = Inizio::Deriva_SuperEnalotto(a, 1);
  // 1, 2, 3, 4, 5 and then ROMA finds every number taken: its second (2) stays.
  EXPECT_EQ((std::vector<int>(s.begin() + 1, s.end())), (std::vector<int>{1, 2, 3, 4, 5, 0, 0}));
}

// Independent recomputation of the indices on the real draws.
TEST(IndexBuildOnRealDraws, AgreesWithAStraightforwardRecount) {
  RICHIEDE_ESTRAZIONI_REALI();
  for (bool ultime : {false, true}) {
    SCOPED_TRACE(ultime ? "ultime 4999" : "prime 4999");
    const auto e = ultime ? prova::Ultime(4999) : prova::Prime(4999);
    const Archivio a = CostruisciArchivio(e);
    Indici ix;
    Inizio::Aggiorna_Indici_Archivio(a, ix);
    ASSERT_EQ(ix.TotEstrazioni, 4999);
    EXPECT_EQ(ix.DataUltimaEstrazione, e.back().data);
    std::vector<std::string> anni;
    for (std::size_t i = 0; i < e.size(); ++i) {
      const int d = static_cast<int>(i) + 1;
      const bool nuovoAnno = i == 0 || e[i].data.anno != e[i - 1].data.anno;
      if (nuovoAnno) {
        char buf[16];
        std::snprintf(buf, sizeof buf, "%d%04d", e[i].data.anno, d);
        anni.push_back(buf);
      }
      int nAnno = 0, nMese = 0;
      for (std::size_t j = 0; j <= i; ++j) {
        if (e[j].data.anno == e[i].data.anno) ++nAnno;
        if (e[j].data.anno == e[i].data.anno && e[j].data.mese == e[i].data.mese) ++nMese;
      }
      ASSERT_EQ(ix.NumEstrAnno[d], nAnno) << d;
      ASSERT_EQ(ix.NumEstrMese[d], nMese) << d;
      ASSERT_EQ(testo::Lunghezza(ix.DescrEstrazioni[d]), 22u);
    }
    EXPECT_EQ(ix.AnniArchivio, anni);
  }
  const Archivio prime = CostruisciArchivio(prova::Prime(4999));
  EXPECT_EQ(Inizio::Descrivi_Estrazione(prime, 1), "1 - Sab 30 Nov 1946");
  const Archivio ultime = CostruisciArchivio(prova::Ultime(4999));
  EXPECT_EQ(Inizio::Descrivi_Estrazione(ultime, 4999, "L"), "4999 - Sabato 30 Maggio 2026");
  EXPECT_EQ(Inizio::Descrivi_Estrazione(ultime, 1), "1 - Sab 25 Giu 1983");
}

TEST(SuperEnalottoOnRealDraws, SixDistinctNumbersAndADifferentJollyEveryTime) {
  RICHIEDE_ESTRAZIONI_REALI();
  const auto& tutte = prova::TutteLeEstrazioni();
  int sostituzioni = 0;
  for (std::size_t inizio = 0; inizio < tutte.size(); inizio += 4999) {
    const auto e = prova::Estrazioni(inizio, 4999);
    const Archivio a = CostruisciArchivio(e);
    for (int d = 1; d <= static_cast<int>(e.size()); ++d) {
      const auto s = Inizio::Deriva_SuperEnalotto(a, d);
      for (int c = 1; c <= 6; ++c) ASSERT_GE(s[c], 1) << d;
      for (int c = 2; c <= 6; ++c) ASSERT_LT(s[c - 1], s[c]) << d;
      for (int c = 1; c <= 6; ++c) ASSERT_NE(s[c], s[7]) << d;
      // Straight from the rule: each wheel's first number not yet taken,
      // in the order BARI, FIRENZE, MILANO, NAPOLI, PALERMO, ROMA, VENEZIA.
      std::vector<int> presi;
      for (int w : {1, 3, 5, 6, 7, 8, 10}) {
        int p = 1;
        while (std::find(presi.begin(), presi.end(), a(d, w, p)) != presi.end()) ++p;
        sostituzioni += p > 1;
        presi.push_back(a(d, w, p));
      }
      const int jolly = presi.back();
      presi.pop_back();
      std::sort(presi.begin(), presi.end());
      for (int c = 1; c <= 6; ++c) ASSERT_EQ(s[c], presi[c - 1]) << d;
      ASSERT_EQ(s[7], jolly) << d;
    }
  }
  EXPECT_GT(sostituzioni, 1000);  // the replacement rule is well exercised
}
