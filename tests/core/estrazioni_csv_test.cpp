#include "core/estrazioni_csv.h"

#include <gtest/gtest.h>

#include "support/estrazioni_reali.h"

namespace {

std::string Righe(const std::string& data, int ruote = 10) {
  std::string out;
  for (int w = 1; w <= ruote; ++w)
    out += data + "," + std::string(Inizio::NomiRuote[w]) + ",1,2,3,4," + std::to_string(80 + w) + "\n";
  return out;
}

}  // namespace

TEST(RealDrawsFile, TheProjectCopyIsWholeAndRoundTrips) {
  RICHIEDE_ESTRAZIONI_REALI();
  const auto& tutte = prova::TutteLeEstrazioni();
  ASSERT_EQ(tutte.size(), 6906u);
  EXPECT_EQ(tutte.front().data, (Data{30, 11, 1946}));
  EXPECT_EQ(tutte.back().data, (Data{30, 5, 2026}));
  const std::string testo = EstrazioniCsv::Codifica(tutte);
  auto di_nuovo = EstrazioniCsv::Decodifica(testo);
  ASSERT_TRUE(di_nuovo) << di_nuovo.motivo();
  ASSERT_EQ(di_nuovo->size(), tutte.size());
  EXPECT_EQ(EstrazioniCsv::Codifica(*di_nuovo), testo);
}

TEST(RealDrawsFile, DamagedRowsAreRefusedWithTheirLine) {
  const std::string testa = "date,wheel,n1,n2,n3,n4,n5\n";
  const std::string buona = Righe("2026-05-28") + Righe("2026-05-30");
  ASSERT_TRUE(EstrazioniCsv::Decodifica(testa + buona));
  ASSERT_EQ(EstrazioniCsv::Decodifica(testa + buona)->size(), 2u);
  struct Caso {
    std::string testo;
    const char* motivo;
  } casi[] = {
      {"", "riga 0"},
      {buona, "riga 1: intestazione"},
      {testa + Righe("2026-05-28", 9) + Righe("2026-05-30"), "riga 11: l'estrazione precedente"},
      {testa + Righe("2026-05-30") + Righe("2026-05-28"), "riga 12: date non crescenti"},
      {testa + Righe("2026-02-30"), "riga 2: data non valida"},
      {testa + "2026-05-30,CAGLIARI,1,2,3,4,5\n", "riga 2: attesa la ruota BARI"},
      {testa + "2026-05-30,BARI,1,2,3,4,91\n", "riga 2: numeri non validi"},
      {testa + "2026-05-30,BARI,1,2,3,4,4\n", "riga 2: numeri non validi"},
      {testa + "2026-05-30,BARI,1,2,3,4\n", "riga 2: attesi 7 campi"},
      {testa + "2026-05-30,BARI,1,2,3,4,5,6\n", "riga 2: attesi 7 campi"},
      {testa + Righe("2026-05-30", 4), "l'ultima estrazione"},
      {testa + Righe(""), "riga 2: data non valida \"\""},
      {testa + Righe("2026-05-28") + Righe(""), "riga 12: data non valida \"\""},
      {testa, "riga 1: nessuna estrazione"},
      {testa + "\n\n", "riga 3: nessuna estrazione"},
      {testa + Righe("9900-01-02"), "riga 2: anno 9900 fuori dagli anni dell'archivio (1900-2099)"},
      {testa + Righe("2100-01-02"), "riga 2: anno 2100 fuori"},
      {testa + Righe("1899-12-30"), "riga 2: anno 1899 fuori"},
      // A date's ten rows given twice, at the end or in the middle.
      {testa + Righe("2026-05-30") + Righe("2026-05-30"), "riga 12: data ripetuta \"2026-05-30\""},
      {testa + Righe("2026-05-26") + Righe("2026-05-28") + Righe("2026-05-28") +
           Righe("2026-05-30"),
       "riga 22: data ripetuta \"2026-05-28\""},
  };
  for (const Caso& c : casi) {
    SCOPED_TRACE(c.testo.substr(0, 80));
    auto r = EstrazioniCsv::Decodifica(c.testo);
    ASSERT_FALSE(r);
    EXPECT_NE(r.motivo().find(c.motivo), std::string::npos) << r.motivo();
  }
}
