#include "boards/tabellone_analitico.h"

#include <gtest/gtest.h>

#include <fstream>
#include <set>
#include <tuple>

#include "core/rsc.h"
#include "support/cartella_temporanea.h"
#include "support/estrazioni_reali.h"

using namespace Tabelloni;

namespace {

// Draws 1..5 with numbers on BARI (and one on CAGLIARI); draw 4 repeats
// nothing new, draw 5 repeats draw 4, so delay 1 has no row at reference 5.
Archivio Piccolo() {
  return CostruisciArchivio({
      prova::Fai({2, 1, 1999}, {{1, 2, 3, 4, 5}}),
      prova::Fai({5, 1, 1999}, {{6, 7, 8, 9, 10}}),
      prova::Fai({9, 1, 1999}, {{1, 11, 12, 13, 14}, {20}}),
      prova::Fai({12, 1, 1999}, {{6, 2, 15, 16, 17}}),
      prova::Fai({16, 1, 1999}, {{6, 2, 15, 16, 17}}),
  });
}

// A row from {column, value} pairs.
RigaTabellone Riga(int ritardo, std::initializer_list<std::pair<int, int>> celle) {
  RigaTabellone r{ritardo, {}};
  for (auto [c, x] : celle) r.cella[c - 1] = static_cast<std::uint8_t>(x);
  return r;
}

using Celle = std::set<std::tuple<int, int, int>>;  // (delay, column, value)

Celle CelleDi(const Tabellone& t) {
  Celle out;
  for (const auto& r : t)
    for (int c = 1; c <= 50; ++c)
      if (r.cella[c - 1]) out.insert({r.ritardo, c, r.cella[c - 1]});
  return out;
}

}  // namespace

TEST(AnalyticBoard, EachNumberInTheRowOfItsDelayUnderItsWheelAndPosition) {
  const Archivio a = Piccolo();
  struct Caso {
    int inizio, riferimento;
    Tabellone atteso;
  } casi[] = {
      {1, 5,
       {Riga(0, {{1, 6}, {2, 2}, {3, 15}, {4, 16}, {5, 17}}),
        Riga(2, {{1, 1}, {2, 11}, {3, 12}, {4, 13}, {5, 14}, {6, 20}}),
        Riga(3, {{2, 7}, {3, 8}, {4, 9}, {5, 10}}), Riga(4, {{3, 3}, {4, 4}, {5, 5}})}},
      // A range start after the first draw: nothing before it counts.
      {3, 5,
       {Riga(0, {{1, 6}, {2, 2}, {3, 15}, {4, 16}, {5, 17}}),
        Riga(2, {{1, 1}, {2, 11}, {3, 12}, {4, 13}, {5, 14}, {6, 20}})}},
      // Reference = range start: the draw itself in row 0.
      {3, 3, {Riga(0, {{1, 1}, {2, 11}, {3, 12}, {4, 13}, {5, 14}, {6, 20}})}},
      {4, 3, {}},
  };
  for (const Caso& c : casi) {
    SCOPED_TRACE(testing::Message() << "inizio " << c.inizio << " riferimento " << c.riferimento);
    EXPECT_EQ(Scansiona(a, c.inizio, c.riferimento), c.atteso);
  }
}

TEST(AnalyticBoard, DelaysBeyondThreeHundredAreNotShown) {
  // CAGLIARI has numbers in draw 1 only.
  auto e = prova::Sintetiche(302);
  for (std::size_t i = 1; i < e.size(); ++i)
    for (int p = 0; p < 5; ++p) e[i].numeri[1][p] = 0;
  const Archivio a = CostruisciArchivio(e);
  const Tabellone a301 = Scansiona(a, 1, 301);
  ASSERT_EQ(a301.back().ritardo, 300);
  for (int p = 1; p <= 5; ++p) EXPECT_EQ(a301.back().cella[ColonnaDi(2, p) - 1], e[0].numeri[1][p - 1]);
  const Tabellone a302 = Scansiona(a, 1, 302);
  for (const auto& r : a302) {
    EXPECT_LE(r.ritardo, 300);
    for (int p = 1; p <= 5; ++p) EXPECT_EQ(r.cella[ColonnaDi(2, p) - 1], 0);
  }
}

TEST(AnalyticBoard, CellDetailsOfTheAnalyticBoard) {
  const TabelloneAnalitico t = Crea_Tabellone_Analitico(Piccolo(), 1, 5);
  // Row index 1 is delay 2; number 1 of BARI came out in draws 1 and 3.
  using Linee = std::array<std::string, 5>;
  EXPECT_EQ(DettagliTabAna(t, 1, 1), (Linee{"Ruota di BARI", "Numero 1", "Ritardo 2", "Storico 2", "Presenze 2"}));
  EXPECT_EQ(DettagliTabAna(t, 0, 2), (Linee{"Ruota di BARI", "Numero 2", "Ritardo 0", "Storico 3", "Presenze 3"}));
  EXPECT_EQ(DettagliTabAna(t, 1, 6), (Linee{"Ruota di CAGLIARI", "Numero 20", "Ritardo 2", "Storico 0", "Presenze 1"}));
  // Empty cell, the delay column, off the board.
  EXPECT_FALSE(DettagliTabAna(t, 1, 7));
  EXPECT_FALSE(DettagliTabAna(t, 1, 0));
  EXPECT_FALSE(DettagliTabAna(t, 4, 1));
  EXPECT_FALSE(DettagliTabAna(t, 0, 51));
  // The presences follow the range start.
  const TabelloneAnalitico da3 = Crea_Tabellone_Analitico(Piccolo(), 3, 5);
  EXPECT_EQ((*DettagliTabAna(da3, 1, 1))[4], "Presenze 1");
  EXPECT_EQ((*DettagliTabAna(da3, 1, 1))[3], "Storico 0");
}

TEST(DistanceBoard, TwoDrawExampleOnArchivesOneAndTwo) {
  const Archivio a = CostruisciArchivio({prova::Fai({2, 1, 1999}, {{7, 12, 30, 40, 50}}),
                                         prova::Fai({5, 1, 1999}, {{5, 12, 40, 88, 90}})});
  struct Caso {
    int k;
    RigaTabellone riga;
    std::array<std::string, 5> dettagli;  // of the first cell
  } casi[] = {
      {1, Riga(0, {{1, 88}, {2, 5}, {3, 33}, {4, 81}, {5, 83}}),
       {"Ruota di BARI", "Ritardo 0", "Fisso 88", "Corrispondente al 3", "( 5 )"}},
      {2, Riga(0, {{1, 83}, {2, 90}, {3, 28}, {4, 76}, {5, 78}}),
       {"Ruota di BARI", "Ritardo 0", "Fisso 83", "Corrispondente al 5", "( 12 )"}},
  };
  for (const Caso& c : casi) {
    SCOPED_TRACE(c.k);
    const Tabellone t = Crea_Tabellone_RSC(Rsc::Crea_Archivio(a, c.k), 1, 2);
    EXPECT_EQ(t, Tabellone{c.riga});
    EXPECT_EQ(DettagliTabellone1(t, a, 2, c.k, 0, 1), c.dettagli);
    EXPECT_FALSE(DettagliTabellone1(t, a, 2, c.k, 0, 6));
    // Draw 1 has no distances: a range of draw 1 alone has no rows.
    EXPECT_TRUE(Crea_Tabellone_RSC(Rsc::Crea_Archivio(a, c.k), 1, 1).empty());
  }
}

TEST(DistanceBoard, PointedNumber) {
  struct {
    int e, f, y;
  } casi[] = {{76, 17, 3}, {10, 17, 27}, {0, 17, 17}, {40, 90, 40}, {1, 89, 90}};
  for (auto c : casi) EXPECT_EQ(NumeroPuntato(c.e, c.f), c.y) << c.e << " + " << c.f;
}

TEST(DistanceBoard, ReadingADistanceFileChecksItAndCreatesNothing) {
  prova::CartellaTemporanea dir;
  const Archivio a = CostruisciArchivio(prova::Sintetiche(20));
  auto scrivi = [&](const Archivio& t, std::size_t taglio = 0) {
    const auto b = t.bytes();
    std::ofstream(dir.percorso() / "Rsc3.dat", std::ios::binary)
        .write(reinterpret_cast<const char*>(b.data()), static_cast<std::streamsize>(b.size() - taglio));
  };
  auto motivo = [&] {
    auto r = LeggiArchivioRSC(dir.percorso(), 3);
    return r ? std::string() : r.motivo();
  };
  EXPECT_NE(motivo(), "");
  EXPECT_FALSE(std::filesystem::exists(dir.percorso() / "Rsc3.dat"));

  Archivio t = Rsc::Crea_Archivio(a, 3);
  scrivi(t);
  EXPECT_EQ(motivo(), "");
  EXPECT_EQ(*LeggiArchivioRSC(dir.percorso(), 3), t);
  scrivi(t, 1);
  EXPECT_NE(motivo().find("Rsc3.dat non valido"), std::string::npos);
  t(7, 4, 2) = 91;
  scrivi(t);
  EXPECT_EQ(motivo(), "Rsc3.dat non valido: distanza 91 fuori da 0..90 nell'estrazione 7");
  Archivio vuota;
  for (int d = 1; d <= 5000; ++d) vuota.liberaRecord(d);
  scrivi(vuota);
  EXPECT_EQ(motivo(), "Rsc3.dat non valido: nessuna estrazione presente");
}

TEST(AnalyticBoard, RealDrawsAgreeWithAStraightforwardRecount) {
  RICHIEDE_ESTRAZIONI_REALI();
  const auto e = prova::Ultime(4999);
  const Archivio a = CostruisciArchivio(e);
  const int tot = static_cast<int>(e.size());
  for (auto [inizio, riferimento] : {std::pair{1, tot}, {1, 1}, {1, 250}, {2000, 2150}, {100, 3333}}) {
    SCOPED_TRACE(testing::Message() << inizio << ".." << riferimento);
    // For each wheel and number, its latest appearance within reach of the board.
    Celle attese;
    for (int w = 1; w <= 10; ++w)
      for (int x = 1; x <= 90; ++x)
        for (int d = riferimento; d >= inizio && riferimento - d <= 300; --d) {
          int p = 1;
          while (p <= 5 && a(d, w, p) != x) ++p;
          if (p <= 5) {
            attese.insert({riferimento - d, ColonnaDi(w, p), x});
            break;
          }
        }
    const TabelloneAnalitico t = Crea_Tabellone_Analitico(a, inizio, riferimento);
    EXPECT_EQ(CelleDi(t.righe), attese);
    for (std::size_t i = 1; i < t.righe.size(); ++i) EXPECT_LT(t.righe[i - 1].ritardo, t.righe[i].ritardo);
  }
}
