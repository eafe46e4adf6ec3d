#include "stats/gruppi_ritardo.h"

#include <gtest/gtest.h>

#include "support/archivio_prova.h"
#include "support/estrazioni_reali.h"

using namespace GruppiRitardo;

namespace {

// BARI only; the other wheels hold no numbers.
Archivio TreEstrazioni() {
  return prova::ArchivioDi(
      {{{10, 20, 30, 40, 50}}, {{11, 22, 33, 44, 55}}, {{10, 25, 60, 70, 80}}});
}

Rsc::Tabelle TabelleDi(const Archivio& a) {
  Rsc::Tabelle t;
  for (int k = 1; k <= 5; ++k) t[k - 1] = Rsc::Crea_Archivio(a, k);
  return t;
}

std::vector<int> Gruppo(const Gruppi& g, int gruppo, int w) {
  return {g[gruppo][w].begin() + 1, g[gruppo][w].end()};
}

}  // namespace

TEST(DelayGroups, CombinedDelayOfDistanceAndOwnDelay) {
  const Archivio a = TreEstrazioni();
  const TabellaRitardi t = Calcola_Ritardi_RSC(a, Rsc::Crea_Archivio(a, 1), 1, 3);
  // Distance 1 (11 - 10 in draw 2, delay 1) points from 10 to 11, which came
  // out in draw 2 (own delay 1).
  EXPECT_EQ(t.combinato[1][11], 2);
  // Distance 89 of draw 3 points to 9, never drawn.
  EXPECT_EQ(t.combinato[1][9], 0);
  // 20 came out two draws back, but no distance 20 was met: its own delay
  // still counts.
  EXPECT_EQ(t.combinato[1][20], 2);
  EXPECT_EQ(t.combinato[1][10], 0);
  EXPECT_EQ(t.combinato[2][11], 0);
  // Slots in increasing number order; a cell holds 20 numbers.
  const int riga2[] = {11, 20, 22, 30, 33, 40, 44, 50, 55};
  for (int i = 0; i < 9; ++i) EXPECT_EQ(t.posto[1][riga2[i]], i + 1) << riga2[i];
  EXPECT_EQ(t.posto[1][1], 1);
  EXPECT_EQ(t.posto[1][23], 20);
  EXPECT_EQ(t.posto[1][24], 0);  // the 21st number of row 0 is left out
}

TEST(DelayGroups, RankedByHighestDelaySlotThenTable) {
  TabelleRitardi t{};
  auto metti = [&t](int k, int x, int combinato, int posto) {
    t[k - 1].combinato[1][x] = combinato;
    t[k - 1].posto[1][x] = static_cast<std::uint8_t>(posto);
  };
  metti(1, 3, 7, 1);
  metti(1, 5, 7, 2);
  metti(1, 8, 4, 1);
  metti(2, 5, 9, 1);  // 5 ranks by its highest delay, once
  metti(2, 1, 7, 1);
  metti(3, 2, 7, 1);
  metti(4, 9, 30, 0);  // left out of its table: not ranked from it
  metti(5, 4, 0, 1);   // delay 0 is not ranked
  const Gruppi g = Crea_Gruppi_Ritardo(t);
  EXPECT_EQ(Gruppo(g, 1, 1), (std::vector<int>{5, 3, 1, 2, 8, 0}));
  EXPECT_EQ(Gruppo(g, 2, 1), (std::vector<int>(6, 0)));
  EXPECT_EQ(Gruppo(g, 1, 2), (std::vector<int>(6, 0)));

  // A full ranking fills the fifteen groups in order.
  TabelleRitardi pieno{};
  for (int x = 1; x <= 90; ++x) {
    pieno[0].combinato[1][x] = 100 - x;
    pieno[0].posto[1][x] = 1;
  }
  const Gruppi gp = Crea_Gruppi_Ritardo(pieno);
  EXPECT_EQ(Gruppo(gp, 1, 1), (std::vector<int>{1, 2, 3, 4, 5, 6}));
  EXPECT_EQ(Gruppo(gp, 15, 1), (std::vector<int>{85, 86, 87, 88, 89, 90}));
  EXPECT_EQ(VociGruppi()[1], "  7 - 12");
  EXPECT_EQ(VociGruppi()[14], "85 - 90");
  EXPECT_EQ(EtichettaGruppo(15), "85  -  90");
}

TEST(DelayGroups, EarlyReferenceDrawsStopAtDrawOne) {
  const Archivio a = TreEstrazioni();
  const Rsc::Tabelle rsc = TabelleDi(a);
  // Draw 1 alone: no distance, every delay 0, no group.
  const Situazione uno = Calcola_Situazione(a, rsc, 1);
  for (int g = 1; g <= kGruppi; ++g)
    for (int w = 1; w <= 10; ++w) EXPECT_EQ(Gruppo(uno.gruppi, g, w), std::vector<int>(6, 0));
  // Draw 2: the numbers of draw 1 have delay 1 in every table; the rest 0.
  const Situazione due = Calcola_Situazione(a, rsc, 2);
  EXPECT_EQ(Gruppo(due.gruppi, 1, 1), (std::vector<int>{10, 20, 30, 40, 50, 0}));
  EXPECT_EQ(Gruppo(due.gruppi, 2, 1), std::vector<int>(6, 0));
}


TEST(DelayGroupPeriod, StartDrawFromNumberOrDate) {
  // Draws of 5, 9, 12, 16 and 19 January 1999.
  const Archivio a = CostruisciArchivio({prova::Fai({5, 1, 1999}), prova::Fai({9, 1, 1999}),
                                         prova::Fai({12, 1, 1999}), prova::Fai({16, 1, 1999}),
                                         prova::Fai({19, 1, 1999})});
  EXPECT_EQ(InizioDaNumero(5, 5), 5);
  EXPECT_EQ(InizioDaNumero(6, 5), 0);
  struct {
    const char* data;
    int riferimento, inizio;
  } date[] = {
      {"01.12.1998", 5, 1},  // before the first draw
      {"09.01.1999", 5, 2},  // on a draw
      {"10.01.1999", 5, 3},  // between two draws: the later
      {"19.01.1999", 5, 5},
      {"19.01.1999", 4, 0},  // after the reference draw
      {"31.02.1999", 5, 0},  // not a calendar date
      {"aa.01.1999", 5, 0},
      {"01.01.19x9", 5, 0},
      {"01.01.199", 5, 0},  // still being typed
      {"05/01/1999", 5, 1},  // the separators are not read
  };
  for (const auto& c : date) {
    SCOPED_TRACE(c.data);
    EXPECT_EQ(InizioDaData(a, c.data, c.riferimento), c.inizio);
  }

  // The table holds no strings: GCC 12 at -O2 takes the clean-up of a table
  // of Periodo (a std::string inside) for a read of uninitialised memory.
  struct {
    bool tutte;
    Limite limite;
    long long numeroInizio, numeroFine;
    const char* data;
    int inizio;
    std::string_view messaggio;  // empty when the period is accepted
  } casi[] = {
      {true, Limite::DaNumero, 0, 0, "", 1, {}},
      {false, Limite::DaNumero, 3, 5, "", 3, {}},
      {false, Limite::DaNumero, 5, 3, "", 0, kPartenzaOltreFine},
      {false, Limite::DaNumero, 0, 3, "", 0, kPartenzaZero},
      // The end box below: not the zero message.
      {false, Limite::DaNumero, 4, 0, "", 0, kPartenzaOltreFine},
      {false, Limite::DaNumero, 6, 9, "", 0, kPartenzaOltreFine},  // after the reference draw
      {false, Limite::DaNumero, 99999999999LL, 99999999999LL, "", 0, kPartenzaOltreFine},
      {false, Limite::DaData, 0, 0, "12.01.199", 0, kFormatoData},
      {false, Limite::DaData, 0, 0, "12.01.1999", 3, {}},
      {false, Limite::DaData, 0, 0, "20.01.1999", 0, kDataNonValida},
      {false, Limite::DaData, 0, 0, "30.02.1999", 0, kDataNonValida},
  };
  for (const auto& c : casi) {
    SCOPED_TRACE(testing::Message() << c.numeroInizio << " " << c.numeroFine << " " << c.data);
    const EsitoPeriodo e =
        ControllaPeriodo(a, {c.tutte, c.limite, c.numeroInizio, c.numeroFine, c.data}, 5);
    std::vector<std::string> attesi;
    if (!c.messaggio.empty()) attesi.emplace_back(c.messaggio);
    EXPECT_EQ(e.messaggi, attesi);
    if (attesi.empty()) {
      EXPECT_EQ(e.inizio, c.inizio);
    }
  }
}

TEST(DelayGroupRun, EventsPresencesMarksAndReport) {
  Gruppi g{};
  g[3][1] = {0, 1, 2, 3, 4, 5, 6};
  g[3][8] = {0, 10, 20, 30, 40, 50, 60};
  // Draw d is dated d January 1999; ROMA is wheel 8.
  const Archivio a = prova::ArchivioDi({
      {{1, 2, 3, 50, 60}},                                                // 3 of the group: 3 ambi
      {{1, 70, 71, 72, 73}},                                              // 1: no event, marked
      {{7, 8, 9, 4, 5}, {}, {}, {}, {}, {}, {}, {10, 20, 30, 40, 50}},  // 1 ambo, and 10 on ROMA
      {{80, 81, 82, 83, 84}},
  });
  Opzioni o;
  o.gruppo = 3;
  o.sorte = 2;
  o.ruote[1] = o.ruote[8] = true;
  o.inizio = 1;
  o.riferimento = 4;
  o.voceGruppo = "13 - 18";
  const Statistiche::Elaborazione e = Statistica_Gruppo(a, g, o);
  EXPECT_EQ(e.corsa.eventi(), (std::vector<Statistiche::Evento>{{1, 1, 0}, {3, 1, 1}, {3, 8, 1}}));
  EXPECT_TRUE(e.segni(2, 1, 1));
  EXPECT_FALSE(e.segni(2, 1, 2));
  EXPECT_TRUE(e.segni(3, 8, 5));
  EXPECT_FALSE(e.segni(1, 1, 4));
  EXPECT_EQ(e.rapporto, (std::vector<std::string>{
                            "Estrazione iniziale.: 01.01.1999",
                            "Estrazione finale...: 04.01.1999",
                            "",
                            "Gruppo Ritardi..: 13 - 18",
                            "",
                            "Ruote............: BA,RO",
                            "",
                            "Ritardo Attuale.: 1",
                            "Ritardo Storico.: 1    del 03.01.1999",
                            "Ultimo Ritardo..: 1    del 03.01.1999",
                            "Presenze........: 14",
                            "",
                            "Frequenze Ritardi : ",
                            "0  :  1",
                            "1  :  2",
                        }));

  // From draw 2 with the terno: ROMA's five numbers make 10 terni.
  o.inizio = 2;
  o.sorte = 3;
  const Statistiche::Elaborazione t = Statistica_Gruppo(a, g, o);
  EXPECT_EQ(t.corsa.eventi(), (std::vector<Statistiche::Evento>{{3, 8, 1}}));
  EXPECT_EQ(t.corsa.presenze(), 10);

  // An empty group place never matches; no event leaves no report.
  o.gruppo = 4;
  o.sorte = 1;
  const Statistiche::Elaborazione vuota = Statistica_Gruppo(a, g, o);
  EXPECT_TRUE(vuota.corsa.eventi().empty());
  EXPECT_TRUE(vuota.rapporto.empty());
}

TEST(DelayGroups, RealDrawsGroupsAndRuns) {
  RICHIEDE_ESTRAZIONI_REALI();
  const Archivio a = CostruisciArchivio(prova::Ultime(4999));
  const Situazione s = Calcola_Situazione(a, TabelleDi(a), 4999);
  EXPECT_EQ(Gruppo(s.gruppi, 1, 1), (std::vector<int>{67, 8, 3, 33, 10, 79}));
  EXPECT_EQ(Gruppo(s.gruppi, 1, 10), (std::vector<int>{52, 14, 3, 20, 31, 56}));
  EXPECT_EQ(Gruppo(s.gruppi, 15, 1), (std::vector<int>{83, 14, 4, 35, 72, 29}));
  const Situazione prima = Calcola_Situazione(a, TabelleDi(a), 4899);
  EXPECT_EQ(Gruppo(prima.gruppi, 1, 1), (std::vector<int>{20, 60, 46, 87, 4, 1}));
  EXPECT_EQ(Gruppo(prima.gruppi, 15, 10), (std::vector<int>{36, 43, 75, 57, 59, 30}));

  struct {
    int sorte;
    std::vector<int> ruote;
    std::size_t eventi;
    std::vector<std::string> righe;  // from "Ritardo Attuale.: " on, the first ones
  } casi[] = {
      {2, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10}, 1752,
       {"Ritardo Attuale.: 23", "Ritardo Storico.: 20   del 27.04.2023", "Ultimo Ritardo..: 5    del 21.04.2026",
        "Presenze........: 1917", "", "Frequenze Ritardi : ", "0  :  588"}},
      // One event after more than a thousand draws: the gap takes a thousands dot.
      {4, {1}, 1,
       {"Ritardo Attuale.: 659", "Ritardo Storico.: 4339 del 04.03.2023", "Ultimo Ritardo..: 4339 del 04.03.2023",
        "Presenze........: 1", "", "Frequenze Ritardi : ", "4.339  :  1"}},
  };
  for (const auto& c : casi) {
    Opzioni o;
    o.gruppo = 1;
    o.sorte = c.sorte;
    for (int w : c.ruote) o.ruote[w] = true;
    o.inizio = 1;
    o.riferimento = 4999;
    o.voceGruppo = "  1 - 6";
    const Statistiche::Elaborazione e = Statistica_Gruppo(a, s.gruppi, o);
    EXPECT_EQ(e.corsa.eventi().size(), c.eventi) << c.sorte;
    ASSERT_GE(e.rapporto.size(), 7 + c.righe.size());
    EXPECT_EQ(std::vector<std::string>(e.rapporto.begin() + 7, e.rapporto.begin() + 7 + c.righe.size()), c.righe);
  }
}
