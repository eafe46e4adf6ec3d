#include "boards/tabellone_analitico.h"

#include <gtest/gtest.h>

#include <fstream>
#include <set>
#include <tuple>

#include "core/rsc.h"
#include "support/archivio_prova.h"
#include "support/cartella_temporanea.h"
#include "support/estrazioni_reali.h"
#include "support/valore.h"

using namespace Tabelloni;

namespace {

// Draw 5 repeats draw 4, so at reference 5 delay 1 has no row.
Archivio Piccolo() {
  return prova::ArchivioDi({{{1, 2, 3, 4, 5}},
                            {{6, 7, 8, 9, 10}},
                            {{1, 11, 12, 13, 14}, {20}},
                            {{6, 2, 15, 16, 17}},
                            {{6, 2, 15, 16, 17}}});
}

RigaTabellone Riga(int ritardo, std::initializer_list<int> bari, int cagliari1 = 0) {
  RigaTabellone r{ritardo, {}};
  int c = 0;
  for (int x : bari) r.cella[c++] = static_cast<std::uint8_t>(x);
  r.cella[5] = static_cast<std::uint8_t>(cagliari1);
  return r;
}

}  // namespace

TEST(AnalyticBoard, EachNumberInTheRowOfItsDelayUnderItsWheelAndPosition) {
  const RigaTabellone r0 = Riga(0, {6, 2, 15, 16, 17}), r2 = Riga(2, {1, 11, 12, 13, 14}, 20);
  struct {
    int inizio, riferimento;
    Tabellone atteso;
  } casi[] = {
      {1, 5, {r0, r2, Riga(3, {0, 7, 8, 9, 10}), Riga(4, {0, 0, 3, 4, 5})}},
      {3, 5, {r0, r2}},  // nothing before the range start counts
      {3, 3, {Riga(0, {1, 11, 12, 13, 14}, 20)}},
      {4, 3, {}},
  };
  for (const auto& c : casi) {
    SCOPED_TRACE(testing::Message() << c.inizio << ".." << c.riferimento);
    EXPECT_EQ(Scansiona(Piccolo(), c.inizio, c.riferimento), c.atteso);
  }
}

TEST(AnalyticBoard, CellDetails) {
  using Linee = std::array<std::string, 5>;
  const TabelloneAnalitico t = Crea_Tabellone_Analitico(Piccolo(), 1, 5);
  EXPECT_EQ(DettagliTabAna(t, 1, 1),
            (Linee{"Ruota di BARI", "Numero 1", "Ritardo 2", "Storico 2", "Presenze 2"}));
  EXPECT_EQ(DettagliTabAna(t, 0, 2),
            (Linee{"Ruota di BARI", "Numero 2", "Ritardo 0", "Storico 3", "Presenze 3"}));
  EXPECT_EQ(DettagliTabAna(t, 1, 6),
            (Linee{"Ruota di CAGLIARI", "Numero 20", "Ritardo 2", "Storico 0", "Presenze 1"}));
  for (auto [riga, colonna] : {std::pair<std::size_t, int>{1, 7}, {1, 0}, {4, 1}, {0, 51}})
    EXPECT_FALSE(DettagliTabAna(t, riga, colonna)) << riga << " " << colonna;
  EXPECT_EQ(prova::Valore(DettagliTabAna(Crea_Tabellone_Analitico(Piccolo(), 3, 5), 1, 1),
                          "dettagli della cella 1, 1")[4],
            "Presenze 1");
}

TEST(DistanceBoard, TwoDrawExampleOnArchivesOneAndTwo) {
  const Archivio a = prova::ArchivioDi({{{7, 12, 30, 40, 50}}, {{5, 12, 40, 88, 90}}});
  using Linee = std::array<std::string, 5>;
  struct {
    int k;
    RigaTabellone riga;
    Linee dettagli;  // of BARI position 1
  } casi[] = {
      {1,
       Riga(0, {88, 5, 33, 81, 83}),
       {"Ruota di BARI", "Ritardo 0", "Fisso 88", "Corrispondente al 3", "( 5 )"}},
      {2,
       Riga(0, {83, 90, 28, 76, 78}),
       {"Ruota di BARI", "Ritardo 0", "Fisso 83", "Corrispondente al 5", "( 12 )"}},
  };
  for (const auto& c : casi) {
    SCOPED_TRACE(c.k);
    const Tabellone t = Crea_Tabellone_RSC(Rsc::Crea_Archivio(a, c.k), 1, 2);
    EXPECT_EQ(t, Tabellone{c.riga});
    EXPECT_EQ(DettagliTabellone1(t, a, 2, c.k, 0, 1), c.dettagli);
    EXPECT_FALSE(DettagliTabellone1(t, a, 2, c.k, 0, 6));
    EXPECT_TRUE(
        Crea_Tabellone_RSC(Rsc::Crea_Archivio(a, c.k), 1, 1).empty());  // draw 1 has no distances
  }
  for (auto [e, f, y] : {std::tuple{76, 17, 3}, {10, 17, 27}, {0, 17, 17}, {40, 90, 40}})
    EXPECT_EQ(NumeroPuntato(e, f), y) << e << " + " << f;
}

TEST(DistanceBoard, ReadingADistanceFileChecksItAndCreatesNothing) {
  prova::CartellaTemporanea dir;
  auto motivo = [&](const Archivio* t) {
    if (t)
      std::ofstream(dir.percorso() / "Rsc3.dat", std::ios::binary)
          .write(reinterpret_cast<const char*>(t->bytes().data()), 275000);
    auto r = LeggiArchivioRSC(dir.percorso(), 3);
    return r ? std::string() : r.motivo();
  };
  EXPECT_NE(motivo(nullptr), "");
  EXPECT_FALSE(std::filesystem::exists(dir.percorso() / "Rsc3.dat"));
  Archivio t = Rsc::Crea_Archivio(CostruisciArchivio(prova::Sintetiche(20)), 3);
  EXPECT_EQ(motivo(&t), "");
  t(7, 4, 2) = 91;
  EXPECT_EQ(motivo(&t), "Rsc3.dat non valido: distanza 91 fuori da 0..90 nell'estrazione 7");
}

TEST(AnalyticBoard, RealDrawsAgreeWithAStraightforwardRecount) {
  RICHIEDE_ESTRAZIONI_REALI();
  const Archivio a = CostruisciArchivio(prova::Ultime(4999));
  const int tot = a.contaEstrazioni();
  for (auto [inizio, riferimento] :
       {std::pair{1, tot}, {1, 1}, {1, 250}, {2000, 2150}, {100, 3333}}) {
    SCOPED_TRACE(testing::Message() << inizio << ".." << riferimento);
    std::set<std::tuple<int, int, int>> attese, trovate;  // (delay, column, number)
    for (int w = 1; w <= 10; ++w)
      for (int x = 1; x <= 90; ++x)
        for (int d = riferimento, fatto = 0; !fatto && d >= std::max(inizio, riferimento - 300);
             --d)
          for (int p = 1; p <= 5; ++p)
            if (a(d, w, p) == x) attese.insert({riferimento - d, ColonnaDi(w, p), x}), fatto = 1;
    int precedente = -1;
    for (const auto& r : Crea_Tabellone_Analitico(a, inizio, riferimento).righe) {
      EXPECT_GT(r.ritardo, precedente);
      precedente = r.ritardo;
      for (int c = 1; c <= 50; ++c)
        if (r.cella[c - 1]) trovate.insert({r.ritardo, c, r.cella[c - 1]});
    }
    EXPECT_EQ(trovate, attese);
  }
}
