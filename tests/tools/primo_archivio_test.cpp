#include "tools/primo_archivio.h"

#include <gtest/gtest.h>

#include "core/archivio.h"
#include "core/file.h"
#include "core/nomi.h"
#include "support/cartella_temporanea.h"
#include "support/estrazioni_csv.h"

TEST(FirstArchive, ARefusedDrawsFileLeavesTheArchiveByteForByte) {
  const std::string testa = "date,wheel,n1,n2,n3,n4,n5\n";
  auto estrazione = [](const std::string& data) {
    std::string righe;
    for (int w = 1; w <= 10; ++w) righe += data + "," + std::string(Inizio::NomiRuote[w]) + ",1,2,3,4,5\n";
    return righe;
  };
  const struct { std::string testo; const char* motivo; } casi[] = {  // motivo empty: written{testa + estrazione(""), "riga 2: data non valida"},
              {testa, "riga 1: nessuna estrazione"},
              {testa + estrazione("9900-01-02"), "riga 2: anno 9900"},
              {testa + estrazione("2026-05-28") + estrazione("2026-05-30"), ""}};
  for (const auto& c : casi) {
    SCOPED_TRACE(c.motivo);
    prova::CartellaTemporanea dir;
    const auto archivio = dir.percorso() / "archivio.dat";
    const Archivio vecchio = CostruisciArchivio(prova::Sintetiche(4900));
    ASSERT_TRUE(file::ScriviAtomico(dir.percorso() / "estrazioni.csv", c.testo).ok());
    ASSERT_TRUE(file::ScriviAtomico(archivio, {vecchio.bytes().begin(), vecchio.bytes().end()}).ok());
    const auto fatto = primo_archivio::Crea(dir.percorso() / "estrazioni.csv", archivio, 4900);
    EXPECT_NE(fatto.motivo().find(c.motivo), std::string::npos) << fatto.motivo();
    const auto scritto = Archivio::Decodifica(*file::LeggiBinario(archivio));
    EXPECT_EQ(scritto->contaEstrazioni(), *c.motivo ? 4900 : 2);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.percorso()), {}), 2);
  }
}
