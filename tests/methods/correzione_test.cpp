#include "methods/correzione.h"

#include <gtest/gtest.h>

#include "support/valore.h"

using namespace metodi;
using prova::Valore;

TEST(LineCorrector, LinesComeBackUnchangedAndRowsShowTheirFields) {
  for (const char* riga : {"MA  1M  1°BA+5,3°RO-12 & 2°NA+90",
                           "MATQC  UM  1°BA+5 & 2°CA+1 & 3°FI+2 & 4°GE+3 & 5°MI-4",
                           "T  TM  1°BA+5,3°RO-12,2°CA+1 & 2°NA+0,4°VE-7 & 5°TO+10",
                           "M  PM  1°BA+05 & 2°VE+99"}) {  // a code and numbers the lists lack
    SCOPED_TRACE(riga);
    const RigaCorretta scritta = Valore(ScriviCorrezione(Valore(LeggiCorrezione(riga))));
    EXPECT_EQ(scritta.riga, riga);
    EXPECT_TRUE(scritta.avvisi.empty());
  }
  const Correzione c = Valore(LeggiCorrezione("MA  1M  1°BA+5,3°RO-12 & 2°NA+90"));
  EXPECT_EQ(c.sorte + c.codice, "MA1M");
  EXPECT_EQ(c.righe[0], (RigaCorrezione{"1°", "BA", "+", " 5", false}));
  EXPECT_EQ(c.righe[1], (RigaCorrezione{"3°", "RO", "-", "12", true}));
  EXPECT_EQ(c.righe[2], (RigaCorrezione{"2°", "NA", "+", "90", false}));
  EXPECT_EQ(c.righe[3], RigaCorrezione{});
}

TEST(LineCorrector, CorrectedRowsAreCheckedAndJoined) {
  Correzione c = Valore(LeggiCorrezione("M  1M  1°BA+5,3°RO-12,2°CA+1 & 2°NA+0"));
  c.righe[1] = {};                                    // a term of the first Elemento removed
  c.righe[5] = {"4°", "VE", "-", " 7", false};        // a new row is a new Elemento
  EXPECT_EQ(Valore(ScriviCorrezione(c)).riga, "M  1M  1°BA+5,2°CA+1 & 2°NA+0 & 4°VE-7");
  c.righe[6].ruota = "MI";
  EXPECT_EQ(ScriviCorrezione(c).motivo(), "Riga n°7 incompleta");
  c.righe = {};
  EXPECT_EQ(ScriviCorrezione(c).motivo(), "Nessun elemento da correggere: compilare almeno una riga");
}

TEST(LineCorrector, ASortePastItsElementiIsLoweredStepByStep) {
  const std::string ambo =
      "Selezionata sorte di Ambo con un solo numero! Corretto automaticamente ad AMBATA";
  const std::string terno =
      "Selezionata sorte di Terno con un solo numero! Corretto automaticamente ad AMBO";
  struct Caso {
    const char* riga;
    const char* corretta;
    std::vector<std::string> avvisi;
  };
  const Caso casi[] = {
      {"A  TM  3°RO-7", "M  TM  3°RO-7", {ambo}},
      {"C  UM  1°BA+1", "M  UM  1°BA+1",
       {"Selezionata sorte di Cinquina con un solo numero! Corretto automaticamente a QUATERNA",
        "Selezionata sorte di Quaterna con un solo numero! Corretto automaticamente a TERNO", terno,
        ambo}},
      {"T  1M  1°BA+1 & 1°CA+1", "A  1M  1°BA+1 & 1°CA+1", {terno}},
      // The rows decide, not the Elementi: joined terms fill rows 2 and 3.
      {"A  1M  1°BA+1,1°CA+1", "A  1M  1°BA+1,1°CA+1", {}},
      {"C  1M  1°BA+1,1°CA+1,1°FI+1 & 1°GE+1", "Q  1M  1°BA+1,1°CA+1,1°FI+1 & 1°GE+1",
       {"Selezionata sorte di Cinquina con un solo numero! Corretto automaticamente a QUATERNA"}},
      {"MA  1M  1°BA+1", "MA  1M  1°BA+1", {}},  // several letters stay
  };
  for (const Caso& c : casi) {
    SCOPED_TRACE(c.riga);
    const RigaCorretta scritta = Valore(ScriviCorrezione(Valore(LeggiCorrezione(c.riga))));
    EXPECT_EQ(scritta.riga, c.corretta);
    EXPECT_EQ(scritta.avvisi, c.avvisi);
  }
  // Rows 1 and 3 filled: row 2 is empty, so an Ambo goes down to Ambata.
  Correzione c = Valore(LeggiCorrezione("A  1M  1°BA+1 & 1°CA+1 & 1°FI+1"));
  c.righe[1] = {};
  const RigaCorretta scritta = Valore(ScriviCorrezione(c));
  EXPECT_EQ(scritta.riga, "M  1M  1°BA+1 & 1°FI+1");
  EXPECT_EQ(scritta.avvisi, std::vector<std::string>{ambo});
}
