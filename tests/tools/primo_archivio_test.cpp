#include "tools/primo_archivio.h"

#include <gtest/gtest.h>

#include <fstream>

#include "core/archivio.h"
#include "core/estrazioni_csv.h"
#include "core/file.h"
#include "core/nomi.h"
#include "support/cartella_temporanea.h"
#include "support/estrazioni_csv.h"

namespace {

std::string Bytes(const Archivio& a) {
  return std::string(reinterpret_cast<const char*>(a.bytes().data()), a.bytes().size());
}

}  // namespace

TEST(FirstArchive, WritesTheLastDrawsAsAnArchiveTheProgramOpens) {
  prova::CartellaTemporanea dir;
  const auto csv = dir.percorso() / "estrazioni.csv";
  const auto estrazioni = prova::Sintetiche(30);
  ASSERT_TRUE(file::ScriviAtomico(csv, EstrazioniCsv::Codifica(estrazioni)).ok());
  const auto fatto = primo_archivio::Crea(csv, dir.percorso() / "archivio.dat", 20);
  ASSERT_TRUE(fatto) << fatto.motivo();
  EXPECT_EQ(fatto->estrazioni, 20);
  EXPECT_EQ(fatto->prima, estrazioni[10].data);
  const auto letto = Archivio::Decodifica(*file::LeggiBinario(dir.percorso() / "archivio.dat"));
  ASSERT_TRUE(letto) << letto.motivo();
  EXPECT_EQ(*letto, CostruisciArchivio({estrazioni.begin() + 10, estrazioni.end()}));
}

TEST(FirstArchive, ARefusedDrawsFileLeavesTheArchiveByteForByte) {
  const std::string testa = "date,wheel,n1,n2,n3,n4,n5\n";
  auto conData = [](const std::string& data) {
    std::string righe;
    for (int w = 1; w <= 10; ++w) righe += data + "," + std::string(Inizio::NomiRuote[w]) + ",1,2,3,4,5\n";
    return righe;
  };
  const struct {
    const char* nome;
    std::string testo;
    const char* motivo;
  } casi[] = {
      {"data vuota", testa + conData(""), "riga 2: data non valida"},
      {"solo intestazione", testa, "riga 1: nessuna estrazione"},
      {"anno 9900", testa + conData("9900-01-02"), "riga 2: anno 9900"},
      {"vuoto", "", "file vuoto"},
  };
  for (const auto& c : casi) {
    SCOPED_TRACE(c.nome);
    prova::CartellaTemporanea dir;
    const auto csv = dir.percorso() / "estrazioni.csv";
    const auto archivio = dir.percorso() / "archivio.dat";
    const std::string prima = Bytes(CostruisciArchivio(prova::Sintetiche(4900)));
    ASSERT_TRUE(file::ScriviAtomico(csv, c.testo).ok());
    ASSERT_TRUE(file::ScriviAtomico(archivio, prima).ok());
    const auto fatto = primo_archivio::Crea(csv, archivio, 4900);
    ASSERT_FALSE(fatto);
    EXPECT_NE(fatto.motivo().find(c.motivo), std::string::npos) << fatto.motivo();
    EXPECT_EQ(*file::LeggiTesto(archivio), prima);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.percorso()), {}), 2);
  }
}
