#include "forecast/attesa_minima.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <tuple>

#include "support/archivio_prova.h"
#include "support/estrazioni_reali.h"

namespace am = AttesaMinima;

namespace {

// The body column of one wheel: rows 1..9.
std::vector<std::string> Colonna(const am::Elaborazione& e, int w) {
  std::vector<std::string> out;
  for (int r = 1; r <= 9; ++r) out.push_back(e.celle[r][w]);
  return out;
}

}  // namespace

// BARI: 1 2 3 4 | 1 | 3 | 2. Longest waits 0 for 01.03 and 01.04 (01.04 has
// the larger current wait), 1 for 01.02, 02.03, 03.04 (03.04 has the larger
// current wait); 02.04 waited 2.
TEST(AttesaMinima, RanksByLongestThenCurrentWaitAndFillsTheGrid) {
  const Archivio a = prova::ArchivioDi({{{1, 2, 3, 4}}, {{1}}, {{3}}, {{2}}});
  const am::Elaborazione e = am::Elabora(a, 1, 4);
  EXPECT_EQ(Colonna(e, 1),
            (std::vector<std::string>{"01.04 (0)  att.2", "01.03 (0)  att.1", "03.04 (1)  att.1",
                                      "1.4.3", "P:5  R:1  S:0", "P:3  R:3  S:0", "P:1  R:3  S:0",
                                      "P:0  R:4  S:0", "P:0  R:4  S:0"}));
  // A wheel without numbers: empty places, statistics of no number.
  EXPECT_EQ(Colonna(e, 2),
            (std::vector<std::string>{"", "", "", "", "P:0  R:4  S:0", "P:0  R:4  S:0",
                                      "P:0  R:4  S:0", "P:0  R:4  S:0", "P:0  R:4  S:0"}));
  ASSERT_EQ(e.allarmi.size(), 1u);
  EXPECT_EQ(e.allarmi[0].celle, (std::array<std::string, 5>{"BA  03.04", "1", "1", "100,0%", ""}));
  EXPECT_FALSE(e.allarmi[0].sfuggita);

  // A narrower range forgets the pairs of the wider one: no draw of 2..4
  // holds two numbers.
  const am::Elaborazione stretta = am::Elabora(a, 2, 4);
  for (int r = 1; r <= 4; ++r) EXPECT_EQ(stretta.celle[r][1], "") << r;
  EXPECT_EQ(stretta.celle[5][1], "P:0  R:3  S:0");
  EXPECT_TRUE(stretta.allarmi.empty());
}

TEST(AttesaMinima, OneDrawRangeTakesTheFirstPairsVisitedWithoutAlerts) {
  const Archivio a = prova::ArchivioDi({{{40, 5, 77, 17, 23}, {}, {90, 0, 1}}});
  const am::Elaborazione e = am::Elabora(a, 1, 1);
  EXPECT_EQ(Colonna(e, 1),
            (std::vector<std::string>{"05.17 (0)  att.0", "05.23 (0)  att.0", "05.40 (0)  att.0",
                                      "5.17.23.40", "P:4  R:0  S:0", "P:6  R:0  S:0",
                                      "P:4  R:0  S:0", "P:1  R:0  S:0", "P:0  R:1  S:0"}));
  // FIRENZE holds one pair (the missing number is skipped): one place.
  EXPECT_EQ(Colonna(e, 3)[0], "01.90 (0)  att.0");
  EXPECT_EQ(Colonna(e, 3)[1], "");
  EXPECT_EQ(Colonna(e, 3)[3], "1.90");
  EXPECT_TRUE(e.allarmi.empty());
}

// Places sharing numbers give fewer than six; presences count the k-number
// sets drawn; delays run per sorte.
TEST(AttesaMinima, CombinationAndItsStatisticsPerSorte) {
  const am::Posti posti{am::Posto{12, 40, 3, 1}, am::Posto{40, 77, 3, 0}, am::Posto{3, 12, 4, 2}};
  EXPECT_EQ(am::TestoCombinazione(am::Combinazione(posti)), "12.40.77.3");
  // Combination 1..6 on BARI: draw 1 four hits, draw 2 none, draw 3 one, draw 4 two.
  const Archivio a = prova::ArchivioDi({{{1, 2, 3, 4, 9}}, {{7, 8}}, {{5}}, {{6, 2}}, {{10}}});
  const auto s = am::Statistica_Combinazione(a, 1, {1, 2, 3, 4, 5, 6}, 1, 5);
  const std::vector<std::tuple<int, int, int>> attese = {
      {4 + 1 + 2, 1, 1}, {6 + 1, 1, 2}, {4, 4, 0}, {1, 4, 0}, {0, 5, 0}};
  for (int k = 1; k <= 5; ++k) {
    SCOPED_TRACE(k);
    EXPECT_EQ(std::make_tuple(s[k].presenze, s[k].ritardo, s[k].storico), attese[k - 1]);
  }
}

// Current against longest wait: above 75 % an alert, above 130 % in red; the
// percentage rounds halves away from zero on its decimal value.
TEST(AttesaMinima, AlertThresholdsAndPercentages) {
  struct Caso {
    int storico, attuale;
    const char* percentuale;  // nullptr: no alert
    bool sfuggita;
  };
  const Caso casi[] = {{16, 13, "81,3%", false},   {4, 3, nullptr, false},
                       {400, 301, "75,3%", false}, {10, 13, "130,0%", false},
                       {3, 4, "133,3%", true},     {2000, 1601, "80,1%", false},
                       {0, 5, nullptr, false},     {1, 1500, "150000,0%", true}};
  for (const Caso& c : casi) {
    SCOPED_TRACE(std::to_string(c.storico) + "/" + std::to_string(c.attuale));
    std::array<am::Posti, 11> posti{};
    posti[6][1] = am::Posto{5, 17, c.storico, c.attuale};
    const auto allarmi = am::Allarmi(posti);
    if (!c.percentuale) {
      EXPECT_TRUE(allarmi.empty());
      continue;
    }
    ASSERT_EQ(allarmi.size(), 1u);
    EXPECT_EQ(allarmi[0].celle,
              (std::array<std::string, 5>{"NA  05.17", std::to_string(c.storico),
                                          std::to_string(c.attuale), c.percentuale,
                                          c.sfuggita ? "Sfuggita al Controllo" : ""}));
    EXPECT_EQ(allarmi[0].sfuggita, c.sfuggita);
  }
}

// The pair waits recomputed pair by pair, straight from the draws: every
// pair drawn together, its gaps between the draws that hit it, ranked by sorting.
TEST(AttesaMinima, RealDrawsAgreeWithAPairByPairRecomputation) {
  RICHIEDE_ESTRAZIONI_REALI();
  const Archivio a = CostruisciArchivio(prova::Ultime(4999));
  for (const auto& [inizio, fine] : {std::pair{1, 4999}, std::pair{3500, 4200}}) {
    const am::Elaborazione e = am::Elabora(a, inizio, fine);
    for (int w : {1, 6, 10}) {
      SCOPED_TRACE(std::to_string(w) + " " + std::to_string(inizio));
      std::vector<std::vector<char>> uscito(91, std::vector<char>(fine + 1));
      std::vector<std::vector<char>> insieme(91, std::vector<char>(91));
      for (int d = inizio; d <= fine; ++d)
        for (int p = 1; p <= 5; ++p) {
          uscito[a(d, w, p)][d] = 1;
          for (int q = p + 1; q <= 5; ++q)
            insieme[a(d, w, p)][a(d, w, q)] = insieme[a(d, w, q)][a(d, w, p)] = 1;
        }
      std::vector<std::tuple<int, int, int, int>> coppie;  // longest, -current, x, y
      for (int x = 1; x <= 90; ++x)
        for (int y = x + 1; y <= 90; ++y) {
          if (!insieme[x][y]) continue;
          int ultima = inizio - 1, storico = 0;
          for (int d = inizio; d <= fine; ++d)
            if (uscito[x][d] || uscito[y][d]) {
              storico = std::max(storico, d - ultima - 1);
              ultima = d;
            }
          coppie.emplace_back(storico, -(fine - ultima), x, y);
        }
      std::sort(coppie.begin(), coppie.end());
      for (int i = 0; i < 3; ++i) {
        const am::Posto& p = e.posti[w][i];
        EXPECT_EQ(std::make_tuple(p.storico, -p.attuale, p.primo, p.secondo), coppie[i]) << i;
      }
    }
  }
}
