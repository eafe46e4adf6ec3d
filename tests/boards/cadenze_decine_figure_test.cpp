#include "boards/cadenze_decine_figure.h"

#include <gtest/gtest.h>

#include "core/file.h"
#include "support/cartella_temporanea.h"
#include "support/estrazioni_reali.h"

using namespace CadenzeDecineFigure;

namespace {

// Only BARI holds numbers.
// Cadences: draw 1 -> 1, 1, 1, 2, 0; draw 2 -> 3, 3, 3, 3, 5; draw 3 -> 9, 8, 7, 6, 5.
// Decades (90 with 1..9): draw 1 -> 0, 1, 2, 0, 0; draw 2 -> 1, 2, 3, 4, 0; draw 3 -> 1..5.
// Figures: draw 1 -> 1, 2, 3, 2, 9; draw 2 -> 4, 5, 6, 7, 5; draw 3 -> five times 1.
Archivio Piccolo() {
  return CostruisciArchivio({
      prova::Fai({2, 1, 1999}, {{1, 11, 21, 2, 90}}),
      prova::Fai({5, 1, 1999}, {{13, 23, 33, 43, 5}}),
      prova::Fai({9, 1, 1999}, {{19, 28, 37, 46, 55}}),
  });
}

std::vector<int> RigaBari(const Calcolo& c, int g) {
  std::vector<int> out;
  for (int k = 1; k <= Classi(g); ++k) out.push_back(c.griglie[g].valore[1][k]);
  return out;
}

}  // namespace

TEST(CadencesDecadesFigures, SixTablesForEachSorte) {
  using V = std::vector<int>;
  const V zero10(10, 0), zero9(9, 0), tre10(10, 3), tre9(9, 3);
  struct Caso {
    int sorte;
    std::array<V, 6> bari;  // PCad, PDec, PFig, RCad, RDec, RFig
  } casi[] = {
      // Three numbers of cadence 1 in draw 1 earn one presence, not three.
      {1,
       {V{1, 1, 1, 0, 2, 1, 1, 1, 1, 1}, V{2, 3, 3, 2, 2, 1, 0, 0, 0}, V{2, 1, 1, 1, 1, 1, 1, 0, 1},
        V{2, 2, 1, 3, 0, 0, 0, 0, 0, 2}, V{1, 0, 0, 0, 0, 0, 3, 3, 3}, V{0, 2, 2, 1, 1, 1, 1, 3, 2}}},
      {2,
       {V{1, 0, 1, 0, 0, 0, 0, 0, 0, 0}, V{1, 0, 0, 0, 0, 0, 0, 0, 0}, V{1, 1, 0, 0, 1, 0, 0, 0, 0},
        V{2, 3, 1, 3, 3, 3, 3, 3, 3, 3}, V{2, 3, 3, 3, 3, 3, 3, 3, 3}, V{0, 2, 3, 3, 1, 3, 3, 3, 3}}},
      {3,
       {V{1, 0, 1, 0, 0, 0, 0, 0, 0, 0}, V{1, 0, 0, 0, 0, 0, 0, 0, 0}, V{1, 0, 0, 0, 0, 0, 0, 0, 0},
        V{2, 3, 1, 3, 3, 3, 3, 3, 3, 3}, V{2, 3, 3, 3, 3, 3, 3, 3, 3}, V{0, 3, 3, 3, 3, 3, 3, 3, 3}}},
      {4,
       {V{0, 0, 1, 0, 0, 0, 0, 0, 0, 0}, zero9, V{1, 0, 0, 0, 0, 0, 0, 0, 0},
        V{3, 3, 1, 3, 3, 3, 3, 3, 3, 3}, tre9, V{0, 3, 3, 3, 3, 3, 3, 3, 3}}},
      {5, {zero10, zero9, V{1, 0, 0, 0, 0, 0, 0, 0, 0}, tre10, tre9, V{0, 3, 3, 3, 3, 3, 3, 3, 3}}},
  };
  const Archivio a = Piccolo();
  for (const Caso& c : casi) {
    SCOPED_TRACE(testing::Message() << "sorte " << c.sorte);
    const auto r = Calcola_Cadenze_Decine_Figure(a, 3, 3, 3, c.sorte, ValoriSorte(c.sorte));
    ASSERT_TRUE(r) << r.motivo();
    for (int g = 0; g < kGriglie; ++g) {
      SCOPED_TRACE(testing::Message() << "griglia " << g);
      EXPECT_EQ(RigaBari(*r, g), c.bari[g]);
      // The other wheels have no numbers: presence 0, delay N.
      for (int w = 2; w <= 10; ++w)
        for (int k = 1; k <= Classi(g); ++k) EXPECT_EQ(r->griglie[g].valore[w][k], g < 3 ? 0 : 3);
    }
  }
  // A shorter cycle ending at draw 2 ignores draw 3.
  const auto due = Calcola_Cadenze_Decine_Figure(a, 3, 2, 1, 1, ValoriSorte(1));
  EXPECT_EQ(RigaBari(*due, PCad), (V{0, 0, 1, 0, 1, 0, 0, 0, 0, 0}));
  EXPECT_EQ(RigaBari(*due, RCad), (V{1, 1, 0, 1, 0, 1, 1, 1, 1, 1}));
}

TEST(CadencesDecadesFigures, HighlightColours) {
  const Evidenziazione nessuna{false, 0, false, 0, false, 0};
  const Evidenziazione entrambe{true, 4, true, 2, true, 3};
  const Colori rosso{0xFF, 0xFFFF}, blu{0xFF0000, 0xFFFFFF}, verde{0xFF00, 0}, bianco{0xFFFFFF, 0},
      magenta{0xFF00FF, 0xFFFFFF};
  struct {
    Evidenziazione ev;
    int valore;
    Colori presenza, ritardo;
  } casi[] = {
      {ValoriSorte(1), 5, rosso, bianco},   {ValoriSorte(1), 6, bianco, bianco},
      {ValoriSorte(1), 8, bianco, magenta}, {ValoriSorte(3), 0, bianco, bianco},
      {ValoriSorte(3), 1, blu, bianco},     {entrambe, 1, rosso, bianco},
      {entrambe, 2, verde, bianco},         {entrambe, 4, verde, magenta},
      {entrambe, 5, blu, magenta},          {nessuna, 0, bianco, bianco},
      // An empty threshold box counts as 0.
      {{true, 0, false, 0, true, 0}, 0, rosso, magenta},
  };
  for (const auto& c : casi) {
    SCOPED_TRACE(c.valore);
    EXPECT_EQ(Colora_Presenza(c.valore, c.ev), c.presenza);
    EXPECT_EQ(Colora_Ritardo(c.valore, c.ev), c.ritardo);
  }
  // The computation colours each cell with the options it is given.
  const auto r = Calcola_Cadenze_Decine_Figure(Piccolo(), 3, 3, 3, 1, entrambe);
  EXPECT_EQ(r->griglie[PCad].colori[1][5], verde);   // 2 presences
  EXPECT_EQ(r->griglie[PDec].colori[1][2], verde);   // 3
  EXPECT_EQ(r->griglie[PDec].colori[1][7], rosso);   // 0
  EXPECT_EQ(r->griglie[RDec].colori[1][7], magenta); // delay 3
  EXPECT_EQ(r->griglie[RDec].colori[1][1], bianco);  // delay 1
}

TEST(CadencesDecadesFigures, SorteDefaults) {
  struct {
    int sorte;
    Evidenziazione ev;
  } casi[] = {{1, {true, 5, false, 10, true, 8}},  {2, {true, 1, false, 4, true, 10}},
              {3, {false, 1, true, 1, false, 10}}, {4, {false, 1, true, 1, false, 10}},
              {5, {false, 1, true, 1, false, 10}}};
  for (const auto& c : casi) EXPECT_EQ(ValoriSorte(c.sorte), c.ev) << c.sorte;
  EXPECT_EQ(Evidenziazione{}, ValoriSorte(1));
}

TEST(CadencesDecadesFigures, CycleChecks) {
  struct {
    int ciclo, riferimento, tot;
    std::string motivo;
  } casi[] = {
      {0, 30, 100, "Numero Ciclo non può essere Zero !"},
      {50, 30, 100, "Ciclo Estrazioni > Numero Estrazioni !"},
      {31, 30, 100, "Ciclo Estrazioni > Numero Estrazioni !"},
      // A reference draw past the last draw of the copy.
      {5, 101, 100, "Ciclo Estrazioni > Numero Estrazioni !"},
      {30, 30, 100, ""},
      {1, 100, 100, ""},
  };
  for (const auto& c : casi) {
    SCOPED_TRACE(testing::Message() << c.ciclo << " " << c.riferimento);
    const Esito e = ControllaCiclo(c.ciclo, c.riferimento, c.tot);
    EXPECT_EQ(e ? std::string() : e.motivo(), c.motivo);
    const auto r = Calcola_Cadenze_Decine_Figure(Piccolo(), 3, std::min(c.riferimento, 3), c.ciclo, 1, {});
    if (c.ciclo == 0) EXPECT_EQ(r.motivo(), c.motivo);
  }
  EXPECT_EQ(kCicloZeroPassi, "Ciclo Estrazioni non può essere Zero !");
}

TEST(CadencesDecadesFigures, HeaderAndStatusBar) {
  const auto r = Calcola_Cadenze_Decine_Figure(Piccolo(), 3, 3, 2, 1, {});
  EXPECT_EQ(r->dataRiferimento, "9.1.1999");
  EXPECT_EQ(r->barraStato[0], "Inizio estr.: N° 2 del 5/1/1999");
  EXPECT_EQ(r->barraStato[1], "Fine estr.: N° 3 del 9/1/1999");
  EXPECT_EQ(IntestazioneRuota(1), "Ba");
  EXPECT_EQ(IntestazioneRuota(10), "Ve");
  EXPECT_EQ(IntestazioneClasse(RCad, 10), "0");
  EXPECT_EQ(IntestazioneClasse(PDec, 1), "0");
  EXPECT_EQ(IntestazioneClasse(RFig, 9), "9");
}

TEST(CadencesDecadesFigures, OutputFileByteForByte) {
  const auto r = Calcola_Cadenze_Decine_Figure(Piccolo(), 3, 3, 3, 1, {});
  auto altre = [](const std::string& campo, int campi) {
    std::string out;
    for (const char* w : {"Ca", "Fi", "Ge", "Mi", "Na", "Pa", "Ro", "To", "Ve"}) {
      out += w;
      out += " ";
      for (int i = 0; i < campi; ++i) out += campo + " ";
      out += "\r\n";
    }
    return out;
  };
  const std::string cad = "   01 02 03 04 05 06 07 08 09 00 \r\n";
  const std::string dec = "   00 01 02 03 04 05 06 07 08 \r\n";
  const std::string fig = "   01 02 03 04 05 06 07 08 09 \r\n";
  const std::string atteso =
      "\r\n\r\nEstrazione n. 3 del 9.1.1999\r\n\r\n"
      "CADENZE - Presenze nelle ultime 3 estrazioni\r\n\r\n" + cad +
      "Ba 01 01 01 00 02 01 01 01 01 01 \r\n" + altre("00", 10) + "\r\n"
      "DECINE - Presenze nelle ultime 3 estrazioni\r\n\r\n" + dec +
      "Ba 02 03 03 02 02 01 00 00 00 \r\n" + altre("00", 9) + "\r\n"
      "FIGURE - Presenze nelle ultime 3 estrazioni\r\n\r\n" + fig +
      "Ba 02 01 01 01 01 01 01 00 01 \r\n" + altre("00", 9) + "\r\n"
      "CADENZE - Ritardi nelle ultime 3 estrazioni\r\n\r\n" + cad +
      "Ba 02 02 01 03 00 00 00 00 00 02 \r\n" + altre("03", 10) + "\r\n"
      "DECINE - Ritardi nelle ultime 3 estrazioni\r\n\r\n" + dec +
      "Ba 01 00 00 00 00 00 03 03 03 \r\n" + altre("03", 9) + "\r\n"
      "FIGURE - Ritardi nelle ultime 3 estrazioni\r\n\r\n" + fig +
      "Ba 00 02 02 01 01 01 01 03 02 \r\n" + altre("03", 9) + "\r\n"
      "\r\n";
  prova::CartellaTemporanea dir;
  ASSERT_TRUE(ScriviOutput(dir.percorso(), RigheOutput(*r, "3")));
  EXPECT_EQ(*file::LeggiTesto(dir.percorso() / "output.txt"), atteso);
  // The cycle box's text is copied as typed; a failed write is reported.
  EXPECT_EQ(RigheOutput(*r, "03")[4], "CADENZE - Presenze nelle ultime 03 estrazioni");
  EXPECT_FALSE(ScriviOutput(dir.percorso() / "manca", {"x"}));
}

TEST(CadencesDecadesFigures, LongCycleOnRealDrawsAgreesWithARecount) {
  RICHIEDE_ESTRAZIONI_REALI();
  const auto e = prova::Ultime(4999);
  const Archivio a = CostruisciArchivio(e);
  const int tot = static_cast<int>(e.size());
  auto classe = [](int g, int x) {
    switch (g % 3) {
      case PCad: return x % 10 == 0 ? 10 : x % 10;
      case PDec: return x == 90 ? 1 : x / 10 + 1;
      default: return (x - 1) % 9 + 1;
    }
  };
  for (int sorte : {1, 2}) {
    SCOPED_TRACE(sorte);
    const auto r = Calcola_Cadenze_Decine_Figure(a, tot, tot, tot, sorte, {});
    ASSERT_TRUE(r);
    int massimo = 0;
    for (int g = 0; g < 3; ++g)
      for (int w = 1; w <= 10; ++w)
        for (int k = 1; k <= Classi(g); ++k) {
          int pre = 0, ultima = 0;
          for (int d = 1; d <= tot; ++d) {
            int quanti = 0;
            for (int p = 1; p <= 5; ++p) quanti += a(d, w, p) != 0 && classe(g, a(d, w, p)) == k;
            if (quanti >= sorte) ++pre, ultima = d;
          }
          ASSERT_EQ(r->griglie[g].valore[w][k], pre) << g << " " << w << " " << k;
          ASSERT_EQ(r->griglie[g + 3].valore[w][k], ultima ? tot - ultima : tot) << g << " " << w << " " << k;
          massimo = std::max(massimo, pre);
        }
    EXPECT_GT(massimo, 255);
    // Wide fields widen their column in the report.
    const auto righe = RigheOutput(*r, std::to_string(tot));
    EXPECT_GT(righe[7].size(), std::string("Ba 00 00 00 00 00 00 00 00 00 00 ").size());
  }
}
