#include "boards/estratti_ruota.h"

#include <gtest/gtest.h>

#include <cstdio>

#include "core/file.h"
#include "core/testo.h"
#include "support/archivio_prova.h"
#include "support/cartella_temporanea.h"
#include "support/estrazioni_reali.h"
#include "support/leggi_file.h"

using namespace EstrattiRuota;

namespace {

// 7: BARI in draws 1 and 4, CAGLIARI in draws 2 and 4. 9: BARI in draw 1 only.
Archivio Piccolo() { return prova::ArchivioDi({{{7, 9}}, {{1}, {7}}, {{2}}, {{7}, {7}}, {{40}}}); }

}  // namespace

TEST(PerWheelTable, DelaysGapsAndPresences) {
  struct {
    int inizio, ruota, x, rit, sto, pre;
  } casi[] = {
      {1, 1, 7, 1, 3, 2},
      {1, 2, 7, 1, 2, 2},
      {1, kTutte, 7, 1, 2, 4},  // one presence per wheel, gaps between draws 1, 2, 4
      {1, 1, 40, 0, 0, 1},
      {1, kTutte, 88, 5, 0, 0},  // never drawn: the as-of index
      {1, 3, 7, 5, 0, 0},
      // A later range start limits presences and gaps, never the delay.
      {3, 1, 7, 1, 0, 1},
      {3, kTutte, 7, 1, 0, 2},
      {3, 1, 9, 4, 0, 0},
  };
  for (const auto& c : casi) {
    SCOPED_TRACE(testing::Message() << c.inizio << " ruota " << c.ruota << " numero " << c.x);
    const Tabelle t = Calcola_Storici_e_Presenze(Piccolo(), c.inizio, 5);
    EXPECT_EQ(
        (std::array{t.RitRuota[c.ruota][c.x], t.StoRuota[c.ruota][c.x], t.PreRuota[c.ruota][c.x]}),
        (std::array{c.rit, c.sto, c.pre}));
  }
  // The delay looks back past 300 draws: CAGLIARI has numbers in draw 1 only.
  auto e = prova::Sintetiche(400);
  for (std::size_t i = 1; i < e.size(); ++i) std::fill_n(e[i].numeri[1], 5, 0);
  const Tabelle t = Calcola_Storici_e_Presenze(CostruisciArchivio(e), 1, 400);
  EXPECT_EQ(t.RitRuota[2][e[0].numeri[1][0]], 399);
}

TEST(PerWheelTable, SortOrdersKeepTiesByNumber) {
  Tabelle t;
  for (int x = 1; x <= 90; ++x) t.RitRuota[4][x] = x % 3;
  struct {
    int colonna;
    bool inverso;
    std::array<int, 5> atteso;  // the first four numbers and the last
  } casi[] = {{Numero, false, {1, 2, 3, 4, 90}},   {Numero, true, {90, 89, 88, 87, 1}},
              {Ritardo, false, {2, 5, 8, 11, 90}}, {Ritardo, true, {3, 6, 9, 12, 89}},
              {Presenza, false, {1, 2, 3, 4, 90}}, {Storico, true, {1, 2, 3, 4, 90}}};
  for (const auto& c : casi) {
    const auto o = Ordine(t, 4, c.colonna, c.inverso);
    EXPECT_EQ((std::array{o[0], o[1], o[2], o[3], o[89]}), c.atteso) << c.colonna << c.inverso;
  }
}

TEST(PerWheelTable, SavedFileByteForByte) {
  const Tabelle t = Calcola_Storici_e_Presenze(Piccolo(), 1, 5);
  prova::CartellaTemporanea dir;
  const auto percorso = dir.percorso() / "EstraRuota.txt";
  for (auto [fileScelto, ruota, intestazione] :
       {std::tuple{0, 1, "TARVOLANE - Estrazioni per Ruota\r\n\r\nRuota di BARI"},
        {3, kTutte, "TARVOLANE - Estrazioni per RuotaRsc 3\r\n\r\nTUTTE"}}) {
    SCOPED_TRACE(intestazione);
    std::string atteso = std::string(intestazione) + "\r\n\r\n  POS  NUM  RIT  STO  PRE\r\n" +
                         std::string(30, '-') + "\r\n";
    const auto ordine = Ordine(t, ruota, Ritardo, true);
    for (int i = 0; i < 90; ++i) {
      char riga[64];
      std::snprintf(riga, sizeof riga, "%5d%5d%5d%5d%5d\r\n", i + 1, ordine[i],
                    t.RitRuota[ruota][ordine[i]], t.StoRuota[ruota][ordine[i]],
                    t.PreRuota[ruota][ordine[i]]);
      atteso += riga;
    }
    const auto righe = RigheFile("Tarvolane", fileScelto, t, ruota, Ritardo, true);
    EXPECT_EQ(righe.size(), 96u);
    ASSERT_TRUE(file::ScriviAtomico(percorso, testo::CodificaRighe(righe)));
    EXPECT_EQ(prova::Testo(percorso), atteso);
  }
  // Smallest delays first: 40 (0), then 7 (1).
  EXPECT_EQ(RigheFile("Tarvolane", 0, t, 1, Ritardo, true)[7], "    2    7    1    3    2");
  EXPECT_FALSE(LeggiSorgente(dir.percorso(), 0));
  EXPECT_FALSE(LeggiSorgente(dir.percorso(), 4));
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.percorso()), {}), 1);
}

TEST(PerWheelTable, RealDrawsAgreeWithAStraightforwardRecount) {
  RICHIEDE_ESTRAZIONI_REALI();
  const Archivio a = CostruisciArchivio(prova::Ultime(4999));
  for (auto [inizio, daQuando] : {std::pair{1, 4999}, {1, 1}, {700, 2500}, {2600, 2500}}) {
    SCOPED_TRACE(testing::Message() << inizio << ".." << daQuando);
    const Tabelle t = Calcola_Storici_e_Presenze(a, inizio, daQuando);
    for (int riga = 1; riga <= kTutte; ++riga)
      for (int x = 1; x <= 90; ++x) {
        int pre = 0, sto = 0, ultimaNelRange = 0, ultima = 0;
        for (int d = 1; d <= daQuando; ++d) {
          int volte = 0;
          for (int w = 1; w <= 10; ++w)
            for (int p = 1; p <= 5; ++p) volte += (riga == kTutte || riga == w) && a(d, w, p) == x;
          if (volte == 0) continue;
          ultima = d;
          if (d < inizio) continue;
          pre += volte;
          if (ultimaNelRange) sto = std::max(sto, d - ultimaNelRange);
          ultimaNelRange = d;
        }
        ASSERT_EQ((std::array{t.PreRuota[riga][x], t.StoRuota[riga][x], t.RitRuota[riga][x]}),
                  (std::array{pre, sto, ultima ? daQuando - ultima : daQuando}))
            << riga << " " << x;
      }
  }
}
