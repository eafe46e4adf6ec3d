#include "stats/statistica_data.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "support/archivio_prova.h"
#include "support/estrazioni_reali.h"

using Statistiche::Ruote;

namespace {

Ruote RuoteDi(std::initializer_list<int> ruote) {
  Ruote r{};
  for (int w : ruote) r[w] = true;
  return r;
}

// BARI, CAGLIARI and ROMA (wheel 8) as given, the other wheels empty.
Estrazione E(Data data, std::initializer_list<int> bari, std::initializer_list<int> cagliari = {},
             std::initializer_list<int> roma = {}) {
  return prova::Fai(data, {bari, cagliari, {}, {}, {}, {}, {}, roma});
}

}  // namespace

TEST(DayOfDrawStatistics, ReportWithDistributions) {
  const Archivio a = CostruisciArchivio({
      E({5, 1, 1999}, {5, 6, 7, 8, 9}, {}, {1, 2, 3, 4, 5}),  // BARI and ROMA: two events, gap 0
      E({7, 1, 1999}, {70, 71, 72, 73, 74}),
      E({9, 1, 1999}, {60, 9, 61, 62, 63}),              // gap 1
      E({12, 1, 1999}, {70, 71, 72, 73, 74}),
      E({14, 1, 1999}, {70, 71, 72, 73, 74}),
      E({2, 2, 1999}, {70, 71, 72, 73, 74}, {2, 3}),      // CAGLIARI is not ticked
      E({4, 2, 1999}, {70, 71, 72, 73, 74}, {}, {4, 4}),  // the first position only: gap 3
      E({6, 2, 1999}, {36, 37, 38, 39, 40}),
  });
  const Statistiche::Elaborazione e = StatisticaData::Statistica_Data(a, 1, 8, RuoteDi({1, 8}), 2);
  EXPECT_EQ(e.corsa.eventi(),
            (std::vector<Statistiche::Evento>{{1, 1, 0}, {1, 8, 0}, {3, 1, 1}, {7, 8, 3}}));
  EXPECT_TRUE(e.segni(7, 8, 1));
  EXPECT_FALSE(e.segni(7, 8, 2));
  EXPECT_FALSE(e.segni(6, 2, 1));
  std::vector<std::string> atteso = {
      "Estrazione iniziale.: Mar  5 Gen 1999",
      "Estrazione finale...: Sab  6 Feb 1999",
      "Numero Estrazioni...: 8",
      "",
      "Ruote............: BA,RO",
      "",
      "Ritardo Attuale.: 1",
      "Ritardo Storico.: 4    del 04.02.1999",
      "Ultimo Ritardo..: 3    del 04.02.1999",
      "Presenze........: 4",
      "",
      "Frequenze Ritardi : ",
      "0  :  2",
      "1  :  1",
      "3  :  1",
      "",
      "Distribuzione x Ruota",
      "------------------------------",
      "BARI        50%",
      "CAGLIARI     0%",
      "FIRENZE      0%",
      "GENOVA       0%",
      "MILANO       0%",
      "NAPOLI       0%",
      "PALERMO      0%",
      "ROMA        50%",
      "TORINO       0%",
      "VENEZIA      0%",
      "",
      "Distribuzione x Mesi",
      "------------------------------",
      "GENNAIO     75%",
      "FEBBRAIO    25%",
  };
  EXPECT_EQ(e.rapporto, atteso);

  // One box ticked: no distribution by wheel. "TUTTE" with one wheel counts
  // as two boxes.
  const auto sola = StatisticaData::Statistica_Data(a, 1, 8, RuoteDi({8}), 1);
  EXPECT_EQ(std::count(sola.rapporto.begin(), sola.rapporto.end(), "Distribuzione x Ruota"), 0);
  EXPECT_EQ(sola.rapporto[sola.rapporto.size() - 4], "Distribuzione x Mesi");
  EXPECT_EQ(sola.rapporto.back(), "FEBBRAIO    50%");
  const auto conTutte = StatisticaData::Statistica_Data(a, 1, 8, RuoteDi({8}), 2);
  EXPECT_EQ(conTutte.rapporto.size(), sola.rapporto.size() + 13);

  // No event in the range: no report.
  const auto nulla = StatisticaData::Statistica_Data(a, 4, 6, RuoteDi({1, 8}), 2);
  EXPECT_TRUE(nulla.corsa.eventi().empty());
  EXPECT_TRUE(nulla.rapporto.empty());
}

TEST(DayOfDrawStatistics, PercentagesRoundHalvesToEven) {
  // 200 draws on consecutive days from 1 January 2000, each with the day's
  // number on one wheel: BARI 25 (12.5%), CAGLIARI 27 (13.5%), FIRENZE 148 (74%).
  std::vector<Estrazione> e;
  Data giorno{1, 1, 2000};
  for (int i = 0; i < 200; ++i) {
    const int w = i < 25 ? 0 : i < 52 ? 1 : 2;
    Estrazione x;
    x.data = giorno;
    for (int r = 0; r < 10; ++r)
      for (int p = 0; p < 5; ++p) x.numeri[r][p] = static_cast<std::uint8_t>(40 + 5 * r + p);
    x.numeri[w][2] = static_cast<std::uint8_t>(giorno.giorno);
    e.push_back(x);
    if (++giorno.giorno > GiorniDelMese(giorno.mese, giorno.anno)) giorno = {1, giorno.mese + 1, 2000};
  }
  const Archivio a = CostruisciArchivio(e);
  const auto r = StatisticaData::Statistica_Data(a, 1, 200, RuoteDi({1, 2, 3, 4}), 4).rapporto;
  auto riga = [&r](const std::string& inizio) {
    for (const std::string& s : r)
      if (s.rfind(inizio, 0) == 0) return s;
    return std::string();
  };
  EXPECT_EQ(riga("Presenze"), "Presenze........: 200");
  EXPECT_EQ(riga("BARI"), "BARI        12%");
  EXPECT_EQ(riga("CAGLIARI"), "CAGLIARI    14%");
  EXPECT_EQ(riga("FIRENZE"), "FIRENZE     74%");
  EXPECT_EQ(riga("GENOVA"), "GENOVA       0%");
  EXPECT_EQ(riga("GENNAIO"), "GENNAIO     16%");  // 31 of 200: 15.5%
  EXPECT_EQ(riga("LUGLIO"), "LUGLIO       9%");   // 18 of 200
  EXPECT_EQ(riga("Ritardo Attuale"), "Ritardo Attuale.: 0");
  EXPECT_EQ(riga("Ritardo Storico"), "Ritardo Storico.: 1    del 18.07.2000");
  EXPECT_EQ(riga("0  :"), "0  :  200");
}

TEST(DayOfDrawStatistics, RealDrawsReport) {
  RICHIEDE_ESTRAZIONI_REALI();
  const Archivio a = CostruisciArchivio(prova::Ultime(4999));
  const Statistiche::Elaborazione el =
      StatisticaData::Statistica_Data(a, 1, 4999, RuoteDi({1, 2, 3, 4, 5, 6, 7, 8, 9, 10}), 11);
  ASSERT_EQ(el.corsa.eventi().size(), 2751u);
  EXPECT_EQ(Statistiche::RigaEvento(a, el.corsa.eventi().front()), "02.07.1983 TORINO 1");
  const std::vector<std::string> attese = {
      "Estrazione iniziale.: Sab 25 Giu 1983", "Estrazione finale...: Sab 30 Mag 2026",
      "Numero Estrazioni...: 4999", "", "Ruote............: BA,CA,FI,GE,MI,NA,PA,RO,TO,VE", "",
      "Ritardo Attuale.: 1", "Ritardo Storico.: 16   del 09.12.2005", "Ultimo Ritardo..: 0    del 29.05.2026",
      "Presenze........: 2751", "", "Frequenze Ritardi : ", "0  :  1214"};
  ASSERT_GE(el.rapporto.size(), attese.size());
  EXPECT_EQ(std::vector<std::string>(el.rapporto.begin(), el.rapporto.begin() + attese.size()), attese);
  const std::vector<std::string> coda = {"OTTOBRE      9%", "NOVEMBRE     9%", "DICEMBRE     9%"};
  EXPECT_EQ(std::vector<std::string>(el.rapporto.end() - 3, el.rapporto.end()), coda);
}
