#include "boards/tabellone_misti.h"

#include <gtest/gtest.h>

#include <map>
#include <vector>

#include "support/archivio_prova.h"

using namespace Tabelloni;

namespace {

// The board as {delay -> {wheel -> numbers}}.
using Righe = std::map<int, std::map<int, std::vector<int>>>;

Righe RigheDi(const TabelloneMisto& t) {
  Righe out;
  for (const RigaMista& r : t.righe)
    for (int w = 1; w <= 10; ++w)
      if (!r.Ruota(w).empty()) out[r.ritardo][w].assign(r.Ruota(w).begin(), r.Ruota(w).end());
  return out;
}

}  // namespace

TEST(MixedBoard, WindowOfAtMost501Draws) {
  for (auto [inizio, riferimento, lo] :
       {std::tuple{700, 800, 300}, {100, 400, 100}, {1, 500, 1}, {1, 501, 1}, {600, 500, 600}})
    EXPECT_EQ(InizioFinestraMisti(inizio, riferimento), lo) << inizio << " " << riferimento;
}

TEST(MixedBoard, DistanceDelayPlusPlainDelay) {
  // Draw 31: BARI's first number is 76; distance 17 last occurred 12 draws
  // back in table 1, and 3 last came out on BARI 30 draws back.
  std::vector<Estrazione> e = prova::Sintetiche(31);
  for (auto& x : e) std::fill_n(x.numeri[0], 5, 0);
  e[0].numeri[0][3] = 3;
  e[30].numeri[0][0] = 76;
  const Archivio a = CostruisciArchivio(e);
  Archivio rsc1 = Rsc::Crea_Archivio(a, 1);
  rsc1(19, 1, 2) = 17;
  const RitardiPosizione r = Calcola_Ritardi_RSC(a, rsc1, 1, 1, 31);
  EXPECT_EQ(r.RitardoRSC[1][3], 12);
  EXPECT_EQ(r.RitardoSemplice[1][3], 30);
  EXPECT_EQ(r.RitardoMisto[1][3], 42);
  EXPECT_EQ(r.RitardoSemplice[1][76], 0);
}

TEST(MixedBoard, MergeKeepsEachNumberOnceAtItsLargestDelayAndDropsNothing) {
  std::array<RitardiPosizione, 5> pos{};
  const int sette[5] = {42, 17, 60, 9, 60};  // number 7 of BARI: row 60 only
  for (int k = 0; k < 5; ++k) pos[k].RitardoMisto[1][7] = sette[k];
  // ROMA row 10: position 1 holds 5 and 9, position 2 holds 3, position 3
  // holds 5: by slot, then by position.
  pos[0].RitardoMisto[8][5] = pos[0].RitardoMisto[8][9] = pos[1].RitardoMisto[8][3] =
      pos[2].RitardoMisto[8][5] = 10;
  // FIRENZE: 30 numbers share row 7, and two delays lie above 500.
  std::vector<int> trenta;
  for (int n = 1; n <= 30; ++n) pos[0].RitardoMisto[3][n] = 7, trenta.push_back(n);
  pos[4].RitardoMisto[3][31] = 950;
  pos[2].RitardoMisto[3][32] = 501;
  const TabelloneMisto t = Unisci_Ritardi_Misti(pos);
  EXPECT_EQ(RigheDi(t), (Righe{{7, {{3, trenta}}},
                               {10, {{8, {5, 3, 9}}}},
                               {60, {{1, {7}}}},
                               {501, {{3, {32}}}},
                               {950, {{3, {31}}}}}));
  EXPECT_EQ(t.ColonneRuota, (std::array<int, 11>{0, 1, 0, 30, 0, 0, 0, 0, 3, 0, 0}));
}

TEST(MixedBoard, ThreeDrawExample) {
  // Worked out by hand: 1..5 have plain delay 2 and join row 2 first; then
  // slot 6 of positions 1..5 brings 20, 30, 40, 50, 10. Row 1 keeps what the
  // five positions leave: 60, 70, 80, 90.
  const Archivio a =
      prova::ArchivioDi({{{1, 2, 3, 4, 5}}, {{10, 20, 30, 40, 50}}, {{11, 22, 33, 44, 55}}});
  Rsc::Tabelle rsc;
  for (int k = 1; k <= 5; ++k) rsc[k - 1] = Rsc::Crea_Archivio(a, k);
  const TabelloneMisto t = Crea_Tabellone_Misti(a, rsc, 1, 3);
  EXPECT_EQ(RigheDi(t),
            (Righe{{1, {{1, {60, 70, 80, 90}}}}, {2, {{1, {1, 2, 3, 4, 5, 20, 30, 40, 50, 10}}}}}));
  EXPECT_EQ(t.ColonneRuota[1], 10);
  EXPECT_TRUE(Crea_Tabellone_Misti(a, rsc, 3, 2).righe.empty());  // empty window
}
