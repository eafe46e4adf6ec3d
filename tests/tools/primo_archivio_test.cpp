#include "tools/primo_archivio.h"

#include <gtest/gtest.h>

#include "core/archivio.h"
#include "core/file.h"
#include "support/cartella_temporanea.h"
#include "support/estrazioni_csv.h"
#include "support/leggi_file.h"
#include "support/valore.h"

// The reader's refusals are tested with it; one must leave the archive as it was.
TEST(FirstArchive, ARefusedDrawsFileLeavesTheArchiveByteForByte) {
  prova::CartellaTemporanea dir;
  const auto csv = dir.percorso() / "estrazioni.csv", archivio = dir.percorso() / "archivio.dat";
  const Archivio vecchio = CostruisciArchivio(prova::Sintetiche(4900));
  ASSERT_TRUE(file::ScriviAtomico(archivio, {vecchio.bytes().begin(), vecchio.bytes().end()}));
  ASSERT_TRUE(file::ScriviAtomico(csv, std::string_view("date,wheel,n1,n2,n3,n4,n5\n")));
  EXPECT_EQ(primo_archivio::Crea(csv, archivio, 4900).motivo(),
            "estrazioni.csv, riga 1: nessuna estrazione dopo l'intestazione");
  EXPECT_EQ(prova::Valore(Archivio::Decodifica(prova::Binario(archivio))), vecchio);
  // A draw given twice would have replaced the first silently.
  auto doppia = prova::Sintetiche(2);
  doppia[1].data = doppia[0].data;
  ASSERT_TRUE(file::ScriviAtomico(csv, EstrazioniCsv::Codifica(doppia)));
  EXPECT_NE(primo_archivio::Crea(csv, archivio, 4900).motivo().find("riga 12: data ripetuta"),
            std::string::npos);
  EXPECT_EQ(prova::Valore(Archivio::Decodifica(prova::Binario(archivio))), vecchio);
  ASSERT_TRUE(file::ScriviAtomico(csv, EstrazioniCsv::Codifica(prova::Sintetiche(30))));
  EXPECT_EQ(prova::Valore(primo_archivio::Crea(csv, archivio, 20)).estrazioni, 20);
  EXPECT_EQ(prova::Valore(Archivio::Decodifica(prova::Binario(archivio))).contaEstrazioni(), 20);
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.percorso()), {}), 2);
}
