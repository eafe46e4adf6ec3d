#include "stats/statistiche.h"

#include <gtest/gtest.h>

#include "support/archivio_prova.h"

using namespace Statistiche;

namespace {

// Draw d dated d January 1999; BARI and ROMA filled as given.
Archivio Archivio31(int estrazioni) {
  std::vector<Estrazione> e;
  for (int d = 1; d <= estrazioni; ++d) e.push_back(prova::Fai({d, 1, 1999}, {{d, 40, 41, 42, 43}}));
  return CostruisciArchivio(e);
}

std::vector<std::string> Ritardi(const Archivio& a, const Corsa& c, int fine, bool piuUno) {
  std::vector<std::string> r;
  AggiungiRitardi(r, a, c, fine, piuUno);
  return r;
}

}  // namespace

TEST(StatisticsFrame, DateTextsLabelsCodesAndCombinations) {
  const Archivio a = CostruisciArchivio({prova::Fai({5, 1, 1945}), prova::Fai({2, 1, 1999}),
                                         prova::Fai({31, 12, 2003})});
  EXPECT_EQ(DataTesto(a, 1), "05.01.1945");
  EXPECT_EQ(DataTesto(a, 3), "31.12.2003");
  EXPECT_EQ(EtichettaEstrazione(a, 2), "Sab  2 Gen 1999");
  Ruote r{};
  EXPECT_EQ(SigleRuote(r), "");
  r[1] = r[6] = r[10] = true;
  EXPECT_EQ(SigleRuote(r), "BA,NA,VE");

  // C(h, s): the presences of an event with h hits and sorte s.
  const long long attese[6][6] = {{},
                                  {0, 1, 0, 0, 0, 0},
                                  {0, 2, 1, 0, 0, 0},
                                  {0, 3, 3, 1, 0, 0},
                                  {0, 4, 6, 4, 1, 0},
                                  {0, 5, 10, 10, 5, 1}};
  for (int h = 0; h <= 5; ++h)
    for (int s = 1; s <= 5; ++s) EXPECT_EQ(Combinazioni(h, s), attese[h][s]) << h << " " << s;
}

TEST(StatisticsFrame, GapsAreMeasuredBetweenEventDraws) {
  const Archivio a = Archivio31(20);
  Corsa c(3);
  EXPECT_EQ(c.ultimaEstrazioneEvento(), 2);
  c.Aggiungi(3, 1, 1);  // in the start draw: gap 0
  c.Aggiungi(7, 1, 3);  // two events of one draw share the gap
  c.Aggiungi(7, 8, 1);
  c.Aggiungi(11, 2, 1);  // an equal later gap keeps the earlier date
  c.Aggiungi(12, 1, 2);
  EXPECT_EQ(c.eventi(), (std::vector<Evento>{{3, 1, 0}, {7, 1, 3}, {7, 8, 3}, {11, 2, 3}, {12, 1, 0}}));
  EXPECT_EQ(c.ritardoStorico(), 3);
  EXPECT_EQ(c.estrazioneStorico(), 7);
  EXPECT_EQ(c.ultimoRitardo(), 0);
  EXPECT_EQ(c.estrazioneUltimo(), 12);
  EXPECT_EQ(c.presenze(), 8);
  EXPECT_EQ(c.ultimaEstrazioneEvento(), 12);
  EXPECT_EQ(c.istogramma()[0], 2);
  EXPECT_EQ(c.istogramma()[3], 3);

  EXPECT_EQ(Ritardi(a, c, 15, false),
            (std::vector<std::string>{"Ritardo Attuale.: 3", "Ritardo Storico.: 3    del 07.01.1999",
                                      "Ultimo Ritardo..: 0    del 12.01.1999", "Presenze........: 8", "",
                                      "Frequenze Ritardi : ", "0  :  2", "3  :  3"}));
  EXPECT_EQ(RigaEvento(a, c.eventi()[2]), "07.01.1999 ROMA 3");

  // Every gap 0: the longest gap is 0 with the date of the last event, shown
  // as 1 where the window adds one.
  Corsa z(1);
  for (int d = 1; d <= 4; ++d) z.Aggiungi(d, 1, 1);
  EXPECT_EQ(z.estrazioneStorico(), 4);
  const auto righe = Ritardi(a, z, 4, true);
  EXPECT_EQ(righe[0], "Ritardo Attuale.: 0");
  EXPECT_EQ(righe[1], "Ritardo Storico.: 1    del 04.01.1999");
  EXPECT_EQ(righe.back(), "0  :  4");
}

TEST(StatisticsFrame, GapsAboveAThousandHaveTheirThousandsDot) {
  std::vector<Estrazione> e;
  for (int i = 0; i < 4999; ++i) e.push_back(prova::Fai({1, 1, 1900 + i % 100}));
  const Archivio a = CostruisciArchivio(e);
  Corsa c(1);
  for (int i = 0; i < 1500; ++i) c.Aggiungi(1, 1 + i % 10, 1000);  // many events, one draw
  c.Aggiungi(4999, 1, 1);
  const auto righe = Ritardi(a, c, 4999, true);
  EXPECT_EQ(righe[1], "Ritardo Storico.: 4998 del 01.01.1998");
  EXPECT_EQ(righe[3], "Presenze........: 1500001");
  EXPECT_EQ(righe[6], "0  :  1500");  // a count has no thousands separator
  EXPECT_EQ(righe[7], "4.997  :  1");
}

TEST(StatisticsFrame, RangeCaptions) {
  const Archivio a = Archivio31(12);
  EXPECT_EQ(DidascaliaGruppi(a, 5, 12, "12.1.1999"),
            "Inizio : 5 (5.1.1999)     Fine : 12 (12.1.1999)     N.Estrazioni : 8");
  EXPECT_EQ(DidascaliaGruppi(a, 0, 12, "12.1.1999"),
            "Inizio : 0 ()     Fine : 12 (12.1.1999)     N.Estrazioni : 13");
}
