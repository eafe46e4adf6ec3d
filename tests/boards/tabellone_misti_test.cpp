#include "boards/tabellone_misti.h"

#include <gtest/gtest.h>

#include <map>
#include <vector>

#include "support/estrazioni_reali.h"

using namespace Tabelloni;

namespace {

// The board as {delay -> numbers per wheel}, for whole comparisons.
using Righe = std::map<int, std::map<int, std::vector<int>>>;

Righe RigheDi(const TabelloneMisto& t) {
  Righe out;
  for (const RigaMista& r : t.righe)
    for (int w = 1; w <= 10; ++w)
      if (!r.Ruota(w).empty()) out[r.ritardo][w].assign(r.Ruota(w).begin(), r.Ruota(w).end());
  return out;
}

Rsc::Tabelle TutteRSC(const Archivio& a) {
  Rsc::Tabelle t;
  for (int k = 1; k <= 5; ++k) t[k - 1] = Rsc::Crea_Archivio(a, k);
  return t;
}

}  // namespace

TEST(MixedBoard, WindowOfAtMost501Draws) {
  struct {
    int inizio, riferimento, lo;
  } casi[] = {{700, 800, 300}, {100, 400, 100}, {1, 500, 1}, {1, 501, 1}, {1, 4999, 4499}, {600, 500, 600}};
  for (auto c : casi)
    EXPECT_EQ(InizioFinestraMisti(c.inizio, c.riferimento), c.lo) << c.inizio << " " << c.riferimento;
}

TEST(MixedBoard, DistanceDelayAndPlainDelayOfOnePosition) {
  // Draw 31: 76 is the first number of BARI; distance 17 last occurred 12
  // draws back in table 1; number 3 last came out on BARI 30 draws back.
  std::vector<Estrazione> e(31, prova::Fai({2, 1, 1999}));
  for (int i = 0; i < 31; ++i) e[i].data.giorno = 1 + i % 28, e[i].data.mese = 1 + i / 28;
  e[0].numeri[0][3] = 3;
  e[30].numeri[0][0] = 76;
  const Archivio a = CostruisciArchivio(e);
  Archivio rsc1 = Rsc::Crea_Archivio(a, 1);
  rsc1(19, 1, 2) = 17;
  const RitardiPosizione r = Calcola_Ritardi_RSC(a, rsc1, 1, 1, 31);
  EXPECT_EQ(r.RitardoRSC[1][3], 12);
  EXPECT_EQ(r.RitardoSemplice[1][3], 30);
  EXPECT_EQ(r.RitardoMisto[1][3], 42);
  // 76 itself is drawn in the reference draw: plain delay 0.
  EXPECT_EQ(r.RitardoSemplice[1][76], 0);
}

TEST(MixedBoard, MergeKeepsEachNumberOnceAtItsLargestDelay) {
  std::array<RitardiPosizione, 5> pos{};
  // Number 7 of BARI: 42, 17, 60, 9, 60 -> row 60 only.
  const int sette[5] = {42, 17, 60, 9, 60};
  for (int k = 0; k < 5; ++k) pos[k].RitardoMisto[1][7] = sette[k];
  // Row 10 of ROMA: position 1 has 5 and 9, position 2 has 3, position 3 has 5:
  // by slot, then by position: 5, 3, 9.
  pos[0].RitardoMisto[8][5] = pos[0].RitardoMisto[8][9] = 10;
  pos[1].RitardoMisto[8][3] = 10;
  pos[2].RitardoMisto[8][5] = 10;
  // A number whose delays are all 0 is not on the board.
  const TabelloneMisto t = Unisci_Ritardi_Misti(pos);
  EXPECT_EQ(RigheDi(t), (Righe{{10, {{8, {5, 3, 9}}}}, {60, {{1, {7}}}}}));
  EXPECT_EQ(t.ColonneRuota[8], 3);
  EXPECT_EQ(t.ColonneRuota[1], 1);
  EXPECT_EQ(t.ColonneRuota[2], 0);
}

TEST(MixedBoard, NothingIsLostPastTwentySlotsOrAboveRow500) {
  std::array<RitardiPosizione, 5> pos{};
  for (int n = 1; n <= 30; ++n) pos[0].RitardoMisto[3][n] = 7;  // 30 numbers in one row
  pos[4].RitardoMisto[3][31] = 950;
  pos[2].RitardoMisto[3][32] = 501;
  const TabelloneMisto t = Unisci_Ritardi_Misti(pos);
  std::vector<int> trenta;
  for (int n = 1; n <= 30; ++n) trenta.push_back(n);
  EXPECT_EQ(RigheDi(t), (Righe{{7, {{3, trenta}}}, {501, {{3, {32}}}}, {950, {{3, {31}}}}}));
  EXPECT_EQ(t.ColonneRuota[3], 30);
}

TEST(MixedBoard, ThreeDrawExample) {
  // Only BARI holds numbers. Worked out by hand: row 2 gets 1..5 (plain delay
  // 2) and the numbers 20, 30, 40, 50, 10 met at slot 6 of positions 1..5;
  // row 1 the numbers left over from positions 1 to 5.
  const Archivio a = CostruisciArchivio({prova::Fai({2, 1, 1999}, {{1, 2, 3, 4, 5}}),
                                         prova::Fai({5, 1, 1999}, {{10, 20, 30, 40, 50}}),
                                         prova::Fai({9, 1, 1999}, {{11, 22, 33, 44, 55}})});
  const TabelloneMisto t = Crea_Tabellone_Misti(a, TutteRSC(a), 1, 3);
  EXPECT_EQ(RigheDi(t), (Righe{{1, {{1, {60, 70, 80, 90}}}},
                              {2, {{1, {1, 2, 3, 4, 5, 20, 30, 40, 50, 10}}}}}));
  EXPECT_EQ(t.ColonneRuota[1], 10);
  // A window with no draw places nothing.
  const TabelloneMisto vuoto = Crea_Tabellone_Misti(a, TutteRSC(a), 3, 2);
  EXPECT_TRUE(vuoto.righe.empty());
  EXPECT_EQ(vuoto.ColonneRuota, (std::array<int, 11>{}));
}

TEST(MixedBoard, RealDrawsAgreeWithAStraightforwardRecount) {
  RICHIEDE_ESTRAZIONI_REALI();
  const Archivio a = CostruisciArchivio(prova::Ultime(4999));
  const Rsc::Tabelle rsc = TutteRSC(a);
  for (auto [inizio, riferimento] : {std::pair{1, 4999}, {1, 120}, {3000, 3600}}) {
    SCOPED_TRACE(testing::Message() << inizio << ".." << riferimento);
    const int lo = riferimento > 500 ? riferimento - 500 : inizio;
    // Largest mixed delay of each number on each wheel over the five positions.
    std::map<std::pair<int, int>, int> massimo;
    for (int k = 1; k <= 5; ++k)
      for (int w = 1; w <= 10; ++w)
        for (int n = 1; n <= 90; ++n) {
          int rsc_ = 0, semplice = 0;
          const int e = a(riferimento, w, k);
          for (int d = riferimento, trovato = 0; d >= lo && !trovato; --d)
            for (int p = 1; p <= 5; ++p)
              if (rsc[k - 1](d, w, p) != 0 && (e + rsc[k - 1](d, w, p) - 1) % 90 + 1 == n) {
                rsc_ = riferimento - d;
                trovato = 1;
              }
          for (int d = riferimento, trovato = 0; d >= lo && !trovato; --d)
            for (int p = 1; p <= 5; ++p)
              if (a(d, w, p) == n) semplice = riferimento - d, trovato = 1;
          int& m = massimo[{w, n}];
          m = std::max(m, rsc_ + semplice);
        }
    const TabelloneMisto t = Crea_Tabellone_Misti(a, rsc, inizio, riferimento);
    std::map<std::pair<int, int>, int> sulTabellone;
    for (const RigaMista& r : t.righe)
      for (int w = 1; w <= 10; ++w)
        for (int n : r.Ruota(w)) {
          EXPECT_FALSE(sulTabellone.count({w, n})) << "doppio " << w << " " << n;
          sulTabellone[{w, n}] = r.ritardo;
        }
    for (auto [chiave, m] : massimo) {
      if (m == 0) {
        EXPECT_FALSE(sulTabellone.count(chiave));
      } else {
        EXPECT_EQ(sulTabellone[chiave], m) << chiave.first << " " << chiave.second;
      }
    }
  }
}
