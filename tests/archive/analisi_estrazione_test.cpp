#include "archive/analisi_estrazione.h"

#include <gtest/gtest.h>

#include "support/estrazioni_reali.h"

using namespace Estrazioni;

namespace {

const std::string kRipetizioni = std::string(18, ' ') + "R I P E T I Z I O N I:";
const std::string kEventi = std::string(10, ' ') + "E V E N T I    P A R T I C O L A R I:";

}  // namespace

TEST(DrawReport, RepetitionsAndClassEvents) {
  const Archivio a = CostruisciArchivio({
      prova::Fai({4, 1, 2000}, {{7, 1, 2, 3, 4}, {}, {5, 6, 8, 10, 12}}),
      prova::Fai({6, 1, 2000}, {{9, 19, 29, 90, 13},    // terno di cadenza 9 only
                                {11, 22, 33, 44, 55},   // five twins: one line
                                {12, 41, 23, 5, 0},     // 12 and 5 repeat; figure 5 x3
                                {1, 21, 14, 2, 0},      // a 0 repeating a missing number: nothing
                                {0, 0, 0, 0, 0},        // missing wheel: no cadenza 0
                                {31, 34, 37, 39, 40},
                                {11, 22, 5, 16, 37},
                                {10, 20, 40, 50, 90}})});
  EXPECT_EQ(AnalisiEstrazione(a, 2),
            (std::vector<std::string>{
                kRipetizioni,
                "Firenze  12 precedentemente sortito in 5^ posizione",
                "Firenze  05 precedentemente sortito in 1^ posizione",
                "",
                kEventi,
                "Bari     terno di cadenza 9",
                "Cagliari cinquina di gemelli ",
                "Firenze  terno di figura 5",
                "Napoli   quaterna di decina 3",
                "Palermo  ambo di gemelli ",
                "Roma     cinquina di cadenza 0",
            }));
  // The first draw has no repetitions: the events heading is on row 2.
  const auto primo = AnalisiEstrazione(a, 1);
  EXPECT_EQ(std::vector<std::string>(primo.begin(), primo.begin() + 3),
            (std::vector<std::string>{kRipetizioni, "", kEventi}));
}

TEST(DrawReport, MostDelayedNumber) {
  // Draw 1: BARI 86..90; draws 2..250 cycle BARI through 1..85; other wheels empty.
  std::vector<Estrazione> e = prova::Sintetiche(251);
  for (int i = 0; i < 251; ++i) {
    for (auto& ruota : e[i].numeri)
      for (auto& n : ruota) n = 0;
    for (int p = 0; p < 5; ++p)
      e[i].numeri[0][p] = static_cast<std::uint8_t>(i == 0 ? 86 + p : ((i - 1) * 5) % 85 + p + 1);
  }
  e[250].numeri[0][0] = 90;
  const Archivio a = CostruisciArchivio(e);
  // Of the numbers last drawn together, the later position is the most delayed.
  EXPECT_EQ(Ritardatari(a, 251)[1], 90);
  EXPECT_EQ(Ritardatari(a, 250)[1], 0);  // fewer than 250 draws before
  EXPECT_EQ(Ritardatari(a, 251)[2], 0);  // CAGLIARI never drew a number
  EXPECT_EQ(AnalisiEstrazione(a, 251).back(), "Bari     sortito il ritardatario 90");
  EXPECT_EQ(AnalisiEstrazione(a, 250).back().find("ritardatario"), std::string::npos);
}
