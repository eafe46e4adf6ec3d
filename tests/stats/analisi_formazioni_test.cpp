#include "stats/analisi_formazioni.h"

#include <gtest/gtest.h>

#include "support/archivio_prova.h"
#include "support/estrazioni_reali.h"

using namespace AnalisiFormazioni;
using Statistiche::Evento;

namespace {

// Draw d is dated d January 1999 (the 1st a Friday); wheels from BARI on.
Archivio Sei() {
  return prova::ArchivioDi({
      {{10, 20, 30, 40, 50}},
      {{1, 2, 60, 61, 62}},
      {{70, 71, 72, 73, 74}},
      {{}, {}, {}, {}, {}, {3, 17, 45, 1, 2}},
      {{3, 5, 6, 7, 8}},
      {{1, 2, 3, 17, 9}},
  });
}

Statistiche::Ruote Ruote(std::initializer_list<int> ruote) {
  Statistiche::Ruote r{};
  for (int w : ruote) r[w] = true;
  return r;
}

}  // namespace

TEST(FormationAnalysis, ReportOfTwoFormationsOnTwoWheels) {
  const Archivio a = Sei();
  const Opzioni o{1, 6, Ruote({1, 6}), 2, 2, {"1.2", "3.17.45"}};
  const Statistiche::Elaborazione el = Analisi_Formazioni(a, o, "Tarvolane");
  // The events of one draw share the gap from the previous event draw.
  EXPECT_EQ(el.corsa.eventi(), (std::vector<Evento>{{2, 1, 1}, {4, 6, 1}, {4, 6, 1}, {6, 1, 1}, {6, 1, 1}}));
  const std::vector<std::string> atteso = {
      "Tarvolane",
      "Analisi Formazioni Numeriche",
      "",
      "Estrazione iniziale.: Ven  1 Gen 1999",
      "Estrazione finale...: Mer  6 Gen 1999",
      "Numero Estrazioni...: 6",
      "",
      "Combinazioni..:",
      "1.2",
      "3.17.45",
      "",
      "Ruote..: BA,NA",
      "",
      "Sorte..: Ambo",
      "",
      "Ritardo Attuale.: 0",
      "Ritardo Storico.: 2    del 02.01.1999",
      "Ultimo Ritardo..: 1    del 06.01.1999",
      "Presenze........: 7",
      "",
      "Frequenze Ritardi : ",
      "1  :  5",
      "",
      "Distribuzione x Ruota",
      "------------------------------",
      "BARI        3 - 42,9%",
      "NAPOLI      4 - 57,1%",
      "",
      "Distribuzione x Mesi",
      "------------------------------",
      "GENNAIO     7 -100,0%",
      "",
      "Estrazioni con almeno..:",
      "1 Ambata....:    6",
      "1 Ambo......:    5",
      "1 Terno.....:    1",
      "1 Quaterna..:     ",
      "1 Cinquina..:     ",
  };
  EXPECT_EQ(el.rapporto, atteso);
  // Every formation number drawn on a ticked wheel is marked, event or not.
  EXPECT_TRUE(el.segni(5, 1, 1));
  EXPECT_FALSE(el.segni(5, 1, 2));
  EXPECT_TRUE(el.segni(4, 6, 5));
  EXPECT_FALSE(el.segni(1, 1, 1));
}

TEST(FormationAnalysis, AmbataCountsEachHitAndGapsOfZero) {
  // Three numbers of the formation in both draws on BARI; ROMA ticked without events.
  const Archivio a = prova::ArchivioDi({{{5, 6, 7, 8, 9}}, {{7, 6, 5, 1, 2}}});
  Opzioni o{1, 2, Ruote({1, 8}), 3, 1, {"5.6.7"}};
  const std::vector<std::string> r = Analisi_Formazioni(a, o, "Vespante").rapporto;
  ASSERT_EQ(r.size(), 37u);
  EXPECT_EQ(r[0], "Vespante");
  EXPECT_EQ(r[7], "Combinazione..:");
  EXPECT_EQ(r[12], "Sorte..: Ambata");
  // Every gap 0: the longest shows 1 with the last event's date.
  EXPECT_EQ(r[15], "Ritardo Storico.: 1    del 02.01.1999");
  EXPECT_EQ(r[17], "Presenze........: 6");
  EXPECT_EQ(r[20], "0  :  2");
  EXPECT_EQ(r[24], "BARI        6 -100,0%");
  EXPECT_EQ(r[25], "ROMA          -  0,0%");
  EXPECT_EQ(r[34], "1 Terno.....:    2");

  // Ambo: three hits make three presences; one wheel and no "TUTTE": no
  // distribution by wheel.
  o = {1, 2, Ruote({1}), 1, 2, {"5.6.7"}};
  const Statistiche::Elaborazione ambo = Analisi_Formazioni(a, o, "Vespante");
  EXPECT_EQ(ambo.corsa.presenze(), 6);
  EXPECT_EQ(ambo.rapporto[22], "Distribuzione x Mesi");
}

TEST(FormationAnalysis, ChecksOfTheFormationList) {
  EXPECT_TRUE(ControllaFormazioni({"1.2", "3"}, 2).empty());  // only the top one is measured
  EXPECT_EQ(ControllaFormazioni({"3", "1.2"}, 2), std::vector<std::string>{std::string(kInsufficienti)});
  EXPECT_EQ(ControllaFormazioni({"1.2", "1..300"}, 1),
            std::vector<std::string>{"FORMAZIONE NON VALIDA: 1..300"});

  // A shorter second formation never reaches the sorte: no event, no report.
  const Archivio a = prova::ArchivioDi({{{1, 2, 3, 4, 5}}});
  const Statistiche::Elaborazione el = Analisi_Formazioni(a, {1, 1, Ruote({1}), 1, 3, {"10.20.30", "1.2"}}, "T");
  EXPECT_TRUE(el.corsa.eventi().empty());
  EXPECT_TRUE(el.rapporto.empty());
  EXPECT_TRUE(el.segni(1, 1, 1));
}

TEST(FormationAnalysis, AllNumbersOverTheRealDraws) {
  RICHIEDE_ESTRAZIONI_REALI();
  const auto estrazioni = prova::Ultime(4999);
  const Archivio a = CostruisciArchivio(estrazioni);
  std::string tutti;
  for (int n = 1; n <= 90; ++n) tutti += (n > 1 ? "." : "") + std::to_string(n);
  Opzioni o{1, 4999, Ruote({1, 2, 3, 4, 5, 6, 7, 8, 9, 10}), 11, 5, {tutti, tutti}};
  const Statistiche::Elaborazione el = Analisi_Formazioni(a, o, "T");
  // Every complete wheel of every draw is a cinquina of each formation.
  long long complete = 0;
  for (int d = 1; d <= 4999; ++d)
    for (int w = 1; w <= 10; ++w) complete += a(d, w, 5) != 0;
  EXPECT_EQ(el.corsa.presenze(), 2 * complete);
  EXPECT_EQ(static_cast<long long>(el.corsa.eventi().size()), 2 * complete);
  EXPECT_EQ(el.rapporto.back(), "1 Cinquina..: " + std::to_string(2 * complete));
}
