#include "core/file.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <fstream>
#include <set>

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
  prova::CartellaTemporanea dir;
  // A folder that is a regular file: the write fails, as root too.
  const auto sbarrato = dir.percorso() / "file" / "archivio.dat";
  ASSERT_TRUE(file::ScriviAtomico(dir.percorso() / "file", std::string_view("x")).ok());
  Esito e = file::ScriviAtomico(sbarrato, std::string_view("nuovo"));
  ASSERT_FALSE(e.ok());
  EXPECT_EQ(e.motivo(), "impossibile scrivere archivio.dat: percorso non valido");
  // A target the user made read-only is not replaced, and keeps its bytes.
  const auto f = dir.percorso() / "archivio.dat";
  ASSERT_TRUE(file::ScriviAtomico(f, std::string_view("vecchio")).ok());
  ::chmod(f.c_str(), 0444);
  e = file::ScriviAtomico(f, std::string_view("nuovo"));
  ASSERT_FALSE(e.ok());
  EXPECT_EQ(e.motivo(), "impossibile scrivere archivio.dat: file in sola lettura");
  EXPECT_EQ(*file::LeggiTesto(f), "vecchio");
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.percorso()), {}), 2);
}

TEST(AtomicWrite, KeepsPermissionsAndClearsInterruptedWrites) {
  prova::CartellaTemporanea dir;
  const auto f = dir.percorso() / "Rsc1.dat";
  ASSERT_TRUE(file::ScriviAtomico(f, std::string_view("a")).ok());
  ::chmod(f.c_str(), 0600);
  ASSERT_TRUE(file::ScriviAtomico(f, std::string_view("b")).ok());
  struct stat info;
  ASSERT_EQ(::stat(f.c_str(), &info), 0);
  EXPECT_EQ(info.st_mode & 07777, 0600u);
  // What a killed write leaves behind goes; everything else stays.
  for (const char* nome : {".archivio.dat.Ab12Cd", ".Rsc5.dat.zzzzzz", ".Rsc5.dat.corto", "appunti.txt",
                           ".archivio.dat.Ab12Cd.bak"})
    ASSERT_TRUE(file::ScriviAtomico(dir.percorso() / nome, std::string_view("x")).ok());
  file::RimuoviTemporanei(dir.percorso(), {"archivio.dat", "Rsc5.dat"});
  std::set<std::string> restano;
  for (const auto& v : std::filesystem::directory_iterator(dir.percorso())) restano.insert(v.path().filename());
  EXPECT_EQ(restano, (std::set<std::string>{"Rsc1.dat", ".Rsc5.dat.corto", "appunti.txt", ".archivio.dat.Ab12Cd.bak"}));
}

TEST(AtomicWrite, ASaveClearsWhatAnInterruptedSaveOfTheSameNameLeft) {
  prova::CartellaTemporanea dir;
  const std::set<std::string> nostri = {".out.txt.Ab12Cd", ".out.txt.zzzzzz"};
  const std::set<std::string> altri = {".out.txt.Ab12C", ".out.txt.Ab-2Cd", "out.txt.Ab12Cd",
                                       ".altro.txt.Ab12Cd"};
  for (const auto* insieme : {&nostri, &altri})
    for (const std::string& voce : *insieme) std::ofstream(dir.percorso() / voce) << "resto";
  ASSERT_TRUE(file::ScriviAtomico(dir.percorso() / "out.txt", std::string_view("rapporto")).ok());
  std::set<std::string> restano;
  for (const auto& v : std::filesystem::directory_iterator(dir.percorso()))
    restano.insert(v.path().filename());
  restano.erase("out.txt");
  EXPECT_EQ(restano, altri);
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

TEST(FileRemoval, RemovesAFileAcceptsAMissingOneAndNamesAFailure) {
  prova::CartellaTemporanea dir;
  ASSERT_TRUE(file::ScriviAtomico(dir.percorso() / "riporto.txt", std::string_view("x")));
  EXPECT_TRUE(file::Rimuovi(dir.percorso() / "riporto.txt"));
  EXPECT_TRUE(file::Rimuovi(dir.percorso() / "riporto.txt"));
  std::filesystem::create_directories(dir.percorso() / "piena" / "dentro");
  EXPECT_EQ(file::Rimuovi(dir.percorso() / "piena").motivo().rfind("impossibile cancellare piena: ", 0), 0u);
}
