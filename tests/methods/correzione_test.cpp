#include "methods/correzione.h"

#include <gtest/gtest.h>

using namespace metodi;

namespace {

RigaCorrezione R(const char* estratto, const char* ruota, const char* segno, const char* fisso,
                 bool unita = false) {
  return {estratto, ruota, segno, fisso, unita};
}

}  // namespace

TEST(LineCorrector, LinesComeBackUnchangedWhenConfirmedUnchanged) {
  const char* righe[] = {
      "M  1M  1°BA+5 & 2°NA+15",
      "MA  1M  1°BA+5,3°RO-12 & 2°NA+0",
      "MATQC  UM  1°BA+90 & 2°CA+1 & 3°FI+2 & 4°GE+3 & 5°MI-4",
      "T  TM  1°BA+5,3°RO-12,2°CA+1 & 2°NA+0,4°VE-7 & 5°TO+10",
      "M  PM  1°BA+05",  // a code and a number the lists do not offer
      "M  0M  2°VE+99",
      "A  9M  1°BA+1 & 1°CA+1 & 1°FI+1 & 1°GE+1 & 1°MI+1 & 1°NA+1 & 1°PA+1 & 1°RO+1 & 1°TO+1 & "
      "1°VE+1",
  };
  for (const char* riga : righe) {
    SCOPED_TRACE(riga);
    const auto c = LeggiCorrezione(riga);
    ASSERT_TRUE(c) << c.motivo();
    const auto scritta = ScriviCorrezione(*c);
    ASSERT_TRUE(scritta) << scritta.motivo();
    EXPECT_EQ(scritta->riga, riga);
    EXPECT_TRUE(scritta->avvisi.empty());
  }
}

TEST(LineCorrector, RowsShowTheFieldsAsTheListsWriteThem) {
  const auto c = LeggiCorrezione("MA  1M  1°BA+5,3°RO-12 & 2°NA+90");
  ASSERT_TRUE(c);
  EXPECT_EQ(c->sorte, "MA");
  EXPECT_EQ(c->codice, "1M");
  EXPECT_EQ(c->righe[0], R("1°", "BA", "+", " 5"));
  EXPECT_EQ(c->righe[1], R("3°", "RO", "-", "12", true));
  EXPECT_EQ(c->righe[2], R("2°", "NA", "+", "90"));
  EXPECT_EQ(c->righe[3], RigaCorrezione{});

  // Lines the rows cannot hold.
  EXPECT_FALSE(LeggiCorrezione("M  1M  1°XX+5"));
  const auto undici = LeggiCorrezione(
      "M  1M  1°BA+1,1°BA+2,1°BA+3,1°BA+4,1°BA+5,1°BA+6,1°BA+7,1°BA+8,1°BA+9,1°BA+10 & 1°CA+1");
  ASSERT_FALSE(undici);
  EXPECT_EQ(undici.motivo(), "la riga ha 11 termini, il correttore ne mostra al massimo 10");
}

TEST(LineCorrector, CorrectedRowsAreCheckedAndJoined) {
  Correzione c = *LeggiCorrezione("M  1M  1°BA+5,3°RO-12,2°CA+1 & 2°NA+0");
  c.righe[1] = {};  // the middle term of the first Elemento removed
  c.righe[5] = R("4°", "VE", "-", " 7");  // a new row is a new Elemento
  EXPECT_EQ(ScriviCorrezione(c)->riga, "M  1M  1°BA+5,2°CA+1 & 2°NA+0 & 4°VE-7");

  c.righe[6].ruota = "MI";
  EXPECT_EQ(ScriviCorrezione(c).motivo(), "Riga n°7 incompleta");
  c.righe[6].fisso = " 7";
  EXPECT_EQ(ScriviCorrezione(c).motivo(), "Riga n°7 incompleta");
  c.righe = {};
  EXPECT_EQ(ScriviCorrezione(c).motivo(),
            "Nessun elemento da correggere: compilare almeno una riga");
}

TEST(LineCorrector, ASortePastItsElementiIsLoweredStepByStep) {
  struct Caso {
    const char* riga;
    const char* corretta;
    std::vector<std::string> avvisi;
  };
  const std::string ambo =
      "Selezionata sorte di Ambo con un solo numero! Corretto automaticamente ad AMBATA";
  const Caso casi[] = {
      {"A  TM  3°RO-7", "M  TM  3°RO-7", {ambo}},
      {"C  UM  1°BA+1", "M  UM  1°BA+1",
       {"Selezionata sorte di Cinquina con un solo numero! Corretto automaticamente a QUATERNA",
        "Selezionata sorte di Quaterna con un solo numero! Corretto automaticamente a TERNO",
        "Selezionata sorte di Terno con un solo numero! Corretto automaticamente ad AMBO", ambo}},
      {"T  1M  1°BA+1 & 1°CA+1", "A  1M  1°BA+1 & 1°CA+1",
       {"Selezionata sorte di Terno con un solo numero! Corretto automaticamente ad AMBO"}},
      {"A  1M  1°BA+1,1°CA+1", "M  1M  1°BA+1,1°CA+1", {ambo}},  // two terms, one number
      {"MA  1M  1°BA+1", "MA  1M  1°BA+1", {}},  // several letters stay as they are
  };
  for (const Caso& c : casi) {
    SCOPED_TRACE(c.riga);
    const auto scritta = ScriviCorrezione(*LeggiCorrezione(c.riga));
    ASSERT_TRUE(scritta);
    EXPECT_EQ(scritta->riga, c.corretta);
    EXPECT_EQ(scritta->avvisi, c.avvisi);
  }
  // Two Elementi in rows 1 and 3 are enough for an Ambo.
  Correzione c = *LeggiCorrezione("A  1M  1°BA+1 & 1°CA+1 & 1°FI+1");
  c.righe[1] = {};
  const auto scritta = ScriviCorrezione(c);
  EXPECT_EQ(scritta->riga, "A  1M  1°BA+1 & 1°FI+1");
  EXPECT_TRUE(scritta->avvisi.empty());
}

TEST(LineCorrector, TheHandOffFileIsOneWindows1252Line) {
  EXPECT_EQ(ScriviRiporto("M  1M  1°BA+5"), "M  1M  1\xB0" "BA+5\r\n");
  EXPECT_EQ(LeggiRiporto("M  1M  1\xB0" "BA+5\r\n"), "M  1M  1°BA+5");
  EXPECT_EQ(LeggiRiporto("M  1M  1°BA+5\nA  1M  1°BA+5 & 2°BA+5\n"), "M  1M  1°BA+5");
  EXPECT_EQ(LeggiRiporto(""), "");
}
