#include "boards/estratti_ruota.h"

#include <gtest/gtest.h>

#include <cstdio>

#include "core/file.h"
#include "core/rsc.h"
#include "support/cartella_temporanea.h"
#include "support/estrazioni_reali.h"

using namespace EstrattiRuota;

namespace {

// Number 7: BARI in draws 1 and 4, CAGLIARI in draws 2 and 4. Number 40 only
// in draw 5 (BARI), number 9 only in draw 1 (BARI).
Archivio Piccolo() {
  return CostruisciArchivio({
      prova::Fai({2, 1, 1999}, {{7, 9}}),
      prova::Fai({5, 1, 1999}, {{1}, {7}}),
      prova::Fai({9, 1, 1999}, {{2}}),
      prova::Fai({12, 1, 1999}, {{7}, {7}}),
      prova::Fai({16, 1, 1999}, {{40}}),
  });
}

}  // namespace

TEST(PerWheelTable, DelaysGapsAndPresences) {
  const Archivio a = Piccolo();
  struct Caso {
    int inizio, ruota, x;
    int rit, sto, pre;
  } casi[] = {
      {1, 1, 7, 1, 3, 2},
      {1, 2, 7, 1, 2, 2},
      // All wheels: one presence per wheel, gaps between distinct draws 1, 2, 4.
      {1, kTutte, 7, 1, 2, 4},
      {1, 1, 40, 0, 0, 1},
      {1, kTutte, 40, 0, 0, 1},
      // Never drawn: the as-of index.
      {1, 1, 88, 5, 0, 0},
      {1, kTutte, 88, 5, 0, 0},
      {1, 3, 7, 5, 0, 0},
      // A later range start counts presences and gaps from there, while the
      // current delay still looks back to draw 1.
      {3, 1, 7, 1, 0, 1},
      {3, kTutte, 7, 1, 0, 2},
      {3, 1, 9, 4, 0, 0},
  };
  for (const Caso& c : casi) {
    SCOPED_TRACE(testing::Message() << "inizio " << c.inizio << " ruota " << c.ruota << " numero " << c.x);
    const Tabelle t = Calcola_Storici_e_Presenze(a, c.inizio, 5);
    EXPECT_EQ(t.RitRuota[c.ruota][c.x], c.rit);
    EXPECT_EQ(t.StoRuota[c.ruota][c.x], c.sto);
    EXPECT_EQ(t.PreRuota[c.ruota][c.x], c.pre);
  }
  // As-of draw before the range start: no presences, delays still counted.
  const Tabelle prima = Calcola_Storici_e_Presenze(a, 5, 4);
  EXPECT_EQ(prima.PreRuota[1][7], 0);
  EXPECT_EQ(prima.RitRuota[1][7], 0);
}

TEST(PerWheelTable, CurrentDelayLooksBackPastThreeHundredDraws) {
  // CAGLIARI has numbers in draw 1 only.
  auto e = prova::Sintetiche(400);
  for (std::size_t i = 1; i < e.size(); ++i)
    for (int p = 0; p < 5; ++p) e[i].numeri[1][p] = 0;
  const Tabelle t = Calcola_Storici_e_Presenze(CostruisciArchivio(e), 1, 400);
  for (int x = 1; x <= 90; ++x) {
    bool inPrima = false;
    for (int p = 0; p < 5; ++p) inPrima |= e[0].numeri[1][p] == x;
    EXPECT_EQ(t.RitRuota[2][x], inPrima ? 399 : 400) << x;
  }
}

TEST(PerWheelTable, SortOrders) {
  Tabelle t;
  for (int x = 1; x <= 90; ++x) t.RitRuota[4][x] = x % 3;
  std::vector<int> uno, due, zero;
  for (int x = 1; x <= 90; ++x) (x % 3 == 0 ? zero : x % 3 == 1 ? uno : due).push_back(x);
  auto concatena = [](std::initializer_list<const std::vector<int>*> parti) {
    std::vector<int> out;
    for (auto* p : parti) out.insert(out.end(), p->begin(), p->end());
    return out;
  };
  std::vector<int> crescenti(90), decrescenti(90);
  for (int i = 0; i < 90; ++i) crescenti[i] = i + 1, decrescenti[i] = 90 - i;
  struct Caso {
    int colonna;
    bool inverso;
    std::vector<int> atteso;
  } casi[] = {
      {Numero, false, crescenti},
      {Numero, true, decrescenti},
      // Ties by number ascending in both directions.
      {Ritardo, false, concatena({&due, &uno, &zero})},
      {Ritardo, true, concatena({&zero, &uno, &due})},
      {Presenza, false, crescenti},
      {Storico, true, crescenti},
  };
  for (const Caso& c : casi) {
    SCOPED_TRACE(testing::Message() << "colonna " << c.colonna << " inverso " << c.inverso);
    const auto o = Ordine(t, 4, c.colonna, c.inverso);
    EXPECT_EQ(std::vector<int>(o.begin(), o.end()), c.atteso);
  }
}

TEST(PerWheelTable, SavedFileByteForByte) {
  const Tabelle t = Calcola_Storici_e_Presenze(Piccolo(), 1, 5);
  prova::CartellaTemporanea dir;
  struct Caso {
    int fileScelto, ruota;
    const char* intestazione;
    const char* etichetta;
  } casi[] = {
      {0, 1, "TARVOLANE - Estrazioni per Ruota", "Ruota di BARI"},
      {3, kTutte, "TARVOLANE - Estrazioni per RuotaRsc 3", "TUTTE"},
  };
  for (const Caso& c : casi) {
    SCOPED_TRACE(c.intestazione);
    // Sorted on the delay: 40 (0), then 7 (1), then the rest by number.
    std::string atteso = std::string(c.intestazione) + "\r\n\r\n" + c.etichetta +
                         "\r\n\r\n  POS  NUM  RIT  STO  PRE\r\n" + std::string(30, '-') + "\r\n";
    const auto ordine = Ordine(t, c.ruota, Ritardo, true);
    ASSERT_EQ(ordine[0], 40);
    ASSERT_EQ(ordine[1], 7);
    for (int i = 0; i < 90; ++i) {
      const int x = ordine[i];
      char riga[64];
      std::snprintf(riga, sizeof riga, "%5d%5d%5d%5d%5d\r\n", i + 1, x, t.RitRuota[c.ruota][x],
                    t.StoRuota[c.ruota][x], t.PreRuota[c.ruota][x]);
      atteso += riga;
    }
    const auto righe = RigheFile("Tarvolane", c.fileScelto, t, c.ruota, Ritardo, true);
    EXPECT_EQ(righe.size(), 96u);
    const auto percorso = dir.percorso() / "EstraRuota.txt";
    ASSERT_TRUE(Salva(percorso, righe));
    EXPECT_EQ(*file::LeggiTesto(percorso), atteso);
  }
  EXPECT_EQ(RigheFile("Tarvolane", 0, t, 1, Ritardo, true)[7], "    2    7    1    3    2");
  // A failed save reports and creates nothing.
  EXPECT_FALSE(Salva(dir.percorso() / "manca" / "x.txt", {"a"}));
  EXPECT_FALSE(std::filesystem::exists(dir.percorso() / "manca"));
}

TEST(PerWheelTable, ReadingTheSourceCreatesNothing) {
  prova::CartellaTemporanea dir;
  for (int k = 0; k <= 5; ++k) EXPECT_FALSE(LeggiSorgente(dir.percorso(), k)) << k;
  EXPECT_TRUE(std::filesystem::is_empty(dir.percorso()));
  const Archivio a = Piccolo();
  const Archivio rsc2 = Rsc::Crea_Archivio(a, 2);
  ASSERT_TRUE(Rsc::Scrivi(dir.percorso(), 2, rsc2));
  const auto letto = LeggiSorgente(dir.percorso(), 2);
  ASSERT_TRUE(letto) << letto.motivo();
  EXPECT_EQ(*letto, rsc2);
}

TEST(PerWheelTable, RealDrawsAgreeWithAStraightforwardRecount) {
  RICHIEDE_ESTRAZIONI_REALI();
  const Archivio a = CostruisciArchivio(prova::Ultime(4999));
  for (auto [inizio, daQuando] : {std::pair{1, 4999}, {1, 1}, {700, 2500}, {2600, 2500}}) {
    SCOPED_TRACE(testing::Message() << inizio << ".." << daQuando);
    const Tabelle t = Calcola_Storici_e_Presenze(a, inizio, daQuando);
    for (int riga = 1; riga <= kTutte; ++riga) {
      for (int x = 1; x <= 90; ++x) {
        // Forward over the draws: the draws of the row's wheels that hold x.
        int pre = 0, sto = 0, ultimaNelRange = 0, ultima = 0;
        for (int d = 1; d <= daQuando; ++d) {
          int volte = 0;
          for (int w = 1; w <= 10; ++w)
            if (riga == kTutte || riga == w)
              for (int p = 1; p <= 5; ++p) volte += a(d, w, p) == x;
          if (volte == 0) continue;
          ultima = d;
          if (d < inizio) continue;
          pre += volte;
          if (ultimaNelRange) sto = std::max(sto, d - ultimaNelRange);
          ultimaNelRange = d;
        }
        const int rit = ultima ? daQuando - ultima : daQuando;
        ASSERT_EQ(t.PreRuota[riga][x], pre) << riga << " " << x;
        ASSERT_EQ(t.StoRuota[riga][x], sto) << riga << " " << x;
        ASSERT_EQ(t.RitRuota[riga][x], rit) << riga << " " << x;
      }
    }
  }
}
