#include "boards/cadenze_decine_figure.h"

#include <gtest/gtest.h>

#include "core/file.h"
#include "support/archivio_prova.h"
#include "support/cartella_temporanea.h"
#include "support/estrazioni_reali.h"
#include "support/leggi_file.h"
#include "support/valore.h"

using namespace CadenzeDecineFigure;

namespace {

// BARI only. Cadences: 1 1 1 2 0 | 3 3 3 3 5 | 9 8 7 6 5; decades (90 with
// 1..9): 0 1 2 0 0 | 1 2 3 4 0 | 1 2 3 4 5; figures: 1 2 3 2 9 | 4 5 6 7 5 | 1 1 1 1 1.
Archivio Piccolo() {
  return prova::ArchivioDi({{{1, 11, 21, 2, 90}}, {{13, 23, 33, 43, 5}}, {{19, 28, 37, 46, 55}}});
}

std::vector<int> RigaBari(const Calcolo& c, int g) {
  return {c.griglie[g].valore[1].begin() + 1, c.griglie[g].valore[1].begin() + 1 + Classi(g)};
}

}  // namespace

TEST(CadencesDecadesFigures, SixTablesForEachSorte) {
  using V = std::vector<int>;
  const V z10(10, 0), z9(9, 0), t10(10, 3), t9(9, 3), f1{1, 0, 0, 0, 0, 0, 0, 0, 0},
      rf1{0, 3, 3, 3, 3, 3, 3, 3, 3};
  struct {
    int sorte;
    std::array<V, 6> bari;  // PCad, PDec, PFig, RCad, RDec, RFig
  } casi[] = {
      // Three numbers of cadence 1 in draw 1 earn one presence, not three.
      {1,
       {V{1, 1, 1, 0, 2, 1, 1, 1, 1, 1}, V{2, 3, 3, 2, 2, 1, 0, 0, 0}, V{2, 1, 1, 1, 1, 1, 1, 0, 1},
        V{2, 2, 1, 3, 0, 0, 0, 0, 0, 2}, V{1, 0, 0, 0, 0, 0, 3, 3, 3},
        V{0, 2, 2, 1, 1, 1, 1, 3, 2}}},
      {2,
       {V{1, 0, 1, 0, 0, 0, 0, 0, 0, 0}, f1, V{1, 1, 0, 0, 1, 0, 0, 0, 0},
        V{2, 3, 1, 3, 3, 3, 3, 3, 3, 3}, V{2, 3, 3, 3, 3, 3, 3, 3, 3},
        V{0, 2, 3, 3, 1, 3, 3, 3, 3}}},
      {3,
       {V{1, 0, 1, 0, 0, 0, 0, 0, 0, 0}, f1, f1, V{2, 3, 1, 3, 3, 3, 3, 3, 3, 3},
        V{2, 3, 3, 3, 3, 3, 3, 3, 3}, rf1}},
      {4, {V{0, 0, 1, 0, 0, 0, 0, 0, 0, 0}, z9, f1, V{3, 3, 1, 3, 3, 3, 3, 3, 3, 3}, t9, rf1}},
      {5, {z10, z9, f1, t10, t9, rf1}},
  };
  for (const auto& c : casi) {
    SCOPED_TRACE(testing::Message() << "sorte " << c.sorte);
    const auto r = Calcola_Cadenze_Decine_Figure(Piccolo(), 3, 3, 3, c.sorte, ValoriSorte(c.sorte));
    ASSERT_TRUE(r) << r.motivo();
    for (int g = 0; g < kGriglie; ++g) {
      EXPECT_EQ(RigaBari(*r, g), c.bari[g]) << "griglia " << g;
      EXPECT_EQ(r->griglie[g].valore[10][1], g < 3 ? 0 : 3);  // a wheel with no numbers
    }
  }
  const Calcolo due =
      prova::Valore(Calcola_Cadenze_Decine_Figure(Piccolo(), 3, 2, 1, 1, {}));  // draw 2 alone
  EXPECT_EQ(RigaBari(due, RCad), (V{1, 1, 0, 1, 0, 1, 1, 1, 1, 1}));
  EXPECT_EQ(due.barraStato[0], "Inizio estr.: N° 2 del 2/1/1999");
  EXPECT_EQ(due.barraStato[1], "Fine estr.: N° 2 del 2/1/1999");
}

TEST(CadencesDecadesFigures, HighlightColoursAndSorteDefaults) {
  const Evidenziazione nessuna{false, 0, false, 0, false, 0}, entrambe{true, 4, true, 2, true, 3};
  const Colori rosso{0xFF, 0xFFFF}, blu{0xFF0000, 0xFFFFFF}, verde{0xFF00, 0}, bianco{0xFFFFFF, 0},
      magenta{0xFF00FF, 0xFFFFFF};
  struct {
    Evidenziazione ev;
    int valore;
    Colori presenza, ritardo;
  } casi[] = {
      {ValoriSorte(1), 5, rosso, bianco}, {ValoriSorte(1), 8, bianco, magenta},
      {ValoriSorte(3), 1, blu, bianco},   {entrambe, 4, verde, magenta},
      {nessuna, 0, bianco, bianco},       {{true, 0, false, 0, true, 0}, 0, rosso, magenta}};

  for (const auto& c : casi) {
    EXPECT_EQ(Colora_Presenza(c.valore, c.ev), c.presenza) << c.valore;
    EXPECT_EQ(Colora_Ritardo(c.valore, c.ev), c.ritardo) << c.valore;
  }
  const Calcolo r = prova::Valore(Calcola_Cadenze_Decine_Figure(Piccolo(), 3, 3, 3, 1, entrambe));
  EXPECT_EQ(r.griglie[PDec].colori[1][7], rosso);    // presence 0
  EXPECT_EQ(r.griglie[RDec].colori[1][7], magenta);  // delay 3
  EXPECT_EQ(ValoriSorte(1), (Evidenziazione{true, 5, false, 10, true, 8}));
  EXPECT_EQ(ValoriSorte(2), (Evidenziazione{true, 1, false, 4, true, 10}));
  for (int s : {3, 4, 5}) EXPECT_EQ(ValoriSorte(s), (Evidenziazione{false, 1, true, 1, false, 10}));
}

TEST(CadencesDecadesFigures, CycleChecks) {
  for (auto [ciclo, riferimento, motivo] :
       {std::tuple{0, 3, "Numero Ciclo non può essere Zero !"},
        {4, 3, "Ciclo Estrazioni > Numero Estrazioni !"},
        {2, 4, "Ciclo Estrazioni > Numero Estrazioni !"},  // past the last draw
        {3, 3, ""},
        {1, 1, ""}}) {
    const auto r = Calcola_Cadenze_Decine_Figure(Piccolo(), 3, riferimento, ciclo, 1, {});
    EXPECT_EQ(r ? "" : r.motivo(), motivo) << ciclo << " " << riferimento;
  }
  EXPECT_EQ(kCicloZeroPassi, "Ciclo Estrazioni non può essere Zero !");
}

TEST(CadencesDecadesFigures, OutputFileByteForByte) {
  const Calcolo r = prova::Valore(Calcola_Cadenze_Decine_Figure(Piccolo(), 3, 3, 3, 1, {}));
  auto blocco = [](const char* titolo, const char* intestazione, const char* bari,
                   const char* campo, int campi) {
    std::string out = std::string(titolo) + " nelle ultime 3 estrazioni\r\n\r\n   " + intestazione +
                      "\r\nBa " + bari + "\r\n";
    for (const char* w : {"Ca", "Fi", "Ge", "Mi", "Na", "Pa", "Ro", "To", "Ve"}) {
      out += std::string(w) + " ";
      for (int i = 0; i < campi; ++i) out += std::string(campo) + " ";
      out += "\r\n";
    }
    return out + "\r\n";
  };
  const char *cad = "01 02 03 04 05 06 07 08 09 00 ", *dec = "00 01 02 03 04 05 06 07 08 ",
             *fig = "01 02 03 04 05 06 07 08 09 ";
  const std::string atteso =
      "\r\n\r\nEstrazione n. 3 del 3.1.1999\r\n\r\n" +
      blocco("CADENZE - Presenze", cad, "01 01 01 00 02 01 01 01 01 01 ", "00", 10) +
      blocco("DECINE - Presenze", dec, "02 03 03 02 02 01 00 00 00 ", "00", 9) +
      blocco("FIGURE - Presenze", fig, "02 01 01 01 01 01 01 00 01 ", "00", 9) +
      blocco("CADENZE - Ritardi", cad, "02 02 01 03 00 00 00 00 00 02 ", "03", 10) +
      blocco("DECINE - Ritardi", dec, "01 00 00 00 00 00 03 03 03 ", "03", 9) +
      blocco("FIGURE - Ritardi", fig, "00 02 02 01 01 01 01 03 02 ", "03", 9) + "\r\n";
  prova::CartellaTemporanea dir;
  // output.txt a link to a user's file: the link goes, the file stays.
  ASSERT_TRUE(file::ScriviAtomico(dir.percorso() / "mio.txt", std::string_view("del giocatore")));
  std::filesystem::create_symlink("mio.txt", dir.percorso() / "output.txt");
  ASSERT_TRUE(ScriviOutput(dir.percorso(), RigheOutput(r, "3")));
  EXPECT_EQ(prova::Testo(dir.percorso() / "output.txt"), atteso);
  EXPECT_EQ(prova::Testo(dir.percorso() / "mio.txt"), "del giocatore");
  EXPECT_EQ(RigheOutput(r, "03")[4], "CADENZE - Presenze nelle ultime 03 estrazioni");  // as typed
  EXPECT_FALSE(ScriviOutput(dir.percorso() / "manca", {"x"}));
}

TEST(CadencesDecadesFigures, LongCycleOnRealDrawsAgreesWithARecount) {
  RICHIEDE_ESTRAZIONI_REALI();
  const Archivio a = CostruisciArchivio(prova::Ultime(4999));
  const int tot = a.contaEstrazioni();
  const auto r = Calcola_Cadenze_Decine_Figure(a, tot, tot, tot, 1, {});
  ASSERT_TRUE(r);
  int massimo = 0;
  for (int g = 0; g < 3; ++g)
    for (int w = 1; w <= 10; ++w)
      for (int k = 1; k <= Classi(g); ++k) {
        int pre = 0, ultima = 0;
        for (int d = 1; d <= tot; ++d)
          for (int p = 1, x; p <= 5; ++p)
            if ((x = a(d, w, p)) &&
                (g == PCad   ? (x + 9) % 10 + 1
                 : g == PDec ? x % 90 / 10 + 1
                             : (x - 1) % 9 + 1) == k &&
                ultima != d)
              ++pre, ultima = d;
        ASSERT_EQ(r->griglie[g].valore[w][k], pre) << g << " " << w << " " << k;
        ASSERT_EQ(r->griglie[g + 3].valore[w][k], ultima ? tot - ultima : tot)
            << g << " " << w << " " << k;
        massimo = std::max(massimo, pre);
      }
  EXPECT_GT(massimo, 255);
  EXPECT_GT(RigheOutput(*r, "")[7].size(), 33u);  // fields of three digits widen the line
}
