#include "core/file.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include "support/cartella_temporanea.h"

TEST(AtomicWrite, ReplacesTheWholeFileAndLeavesNoTemporary) {
  prova::CartellaTemporanea dir;
  const auto f = dir.percorso() / "archivio.dat";
  ASSERT_TRUE(file::ScriviAtomico(f, std::string_view("vecchio contenuto")).ok());
  ASSERT_TRUE(file::ScriviAtomico(f, std::string_view("nuovo")).ok());
  EXPECT_EQ(*file::LeggiTesto(f), "nuovo");
  int voci = 0;
  for ([[maybe_unused]] const auto& v : std::filesystem::directory_iterator(dir.percorso())) ++voci;
  EXPECT_EQ(voci, 1);
}

TEST(AtomicWrite, FailedSaveLeavesOldFile) {
  if (::geteuid() == 0) GTEST_SKIP() << "root ignora i permessi delle cartelle";
  prova::CartellaTemporanea dir;
  const auto f = dir.percorso() / "archivio.dat";
  ASSERT_TRUE(file::ScriviAtomico(f, std::string_view("vecchio")).ok());
  ::chmod(dir.percorso().c_str(), 0500);
  Esito e = file::ScriviAtomico(f, std::string_view("nuovo"));
  ::chmod(dir.percorso().c_str(), 0700);
  ASSERT_FALSE(e.ok());
  EXPECT_EQ(e.motivo(), "impossibile scrivere archivio.dat: accesso negato");
  EXPECT_EQ(*file::LeggiTesto(f), "vecchio");
}

TEST(AtomicWrite, FailedRenameRemovesTheTemporary) {
  prova::CartellaTemporanea dir;
  // A folder in the way of the target makes the rename fail, as root too.
  const auto f = dir.percorso() / "Rsc1.dat";
  std::filesystem::create_directory(f);
  std::filesystem::create_directory(f / "dentro");
  Esito e = file::ScriviAtomico(f, std::string_view("dati"));
  ASSERT_FALSE(e.ok());
  int voci = 0;
  for ([[maybe_unused]] const auto& v : std::filesystem::directory_iterator(dir.percorso())) ++voci;
  EXPECT_EQ(voci, 1);
  EXPECT_TRUE(std::filesystem::is_directory(f / "dentro"));
}

TEST(WholeFileRead, MissingFileNamesIt) {
  prova::CartellaTemporanea dir;
  auto r = file::LeggiBinario(dir.percorso() / "archivio.dat");
  ASSERT_FALSE(r.ok());
  EXPECT_EQ(r.motivo(), "impossibile leggere archivio.dat: file o cartella inesistente");
}

TEST(WholeFileRead, AFolderIsAFailureNotAnException) {
  prova::CartellaTemporanea dir;
  std::filesystem::create_directories(dir.percorso() / "archivio.dat");
  auto r = file::LeggiBinario(dir.percorso() / "archivio.dat");
  ASSERT_FALSE(r.ok());
  EXPECT_EQ(r.motivo(), "impossibile leggere archivio.dat: è una cartella");
}

TEST(FolderListing, NamesTheFilesOnlyAndRefusesAMissingFolder) {
  prova::CartellaTemporanea dir;
  ASSERT_TRUE(file::ScriviAtomico(dir.percorso() / "BA5200001.mdd", std::string_view("x")));
  std::filesystem::create_directory(dir.percorso() / "sotto");
  EXPECT_EQ(*file::ElencaFile(dir.percorso()), std::vector<std::string>{"BA5200001.mdd"});
  const auto mancante = file::ElencaFile(dir.percorso() / "Detector_Files");
  ASSERT_FALSE(mancante);
  EXPECT_EQ(mancante.motivo(), "impossibile leggere la cartella Detector_Files: file o cartella inesistente");
}
