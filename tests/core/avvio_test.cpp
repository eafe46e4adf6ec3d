#include "core/avvio.h"

#include <gtest/gtest.h>

#include <fstream>
#include <map>

#include "core/file.h"
#include "support/cartella_temporanea.h"
#include "support/estrazioni_reali.h"
#include "support/leggi_file.h"

namespace {

std::string Bytes(const Archivio& a) {
  return std::string(reinterpret_cast<const char*>(a.bytes().data()), a.bytes().size());
}

std::map<std::string, std::string> Fotografia(const std::filesystem::path& dir) {
  std::map<std::string, std::string> out;
  for (const auto& v : std::filesystem::directory_iterator(dir))
    out[v.path().filename().string()] =
        v.is_regular_file() ? prova::Testo(v.path()) : std::string("<cartella>");
  return out;
}

}  // namespace

TEST(ApplicationTitle, VespanteInAnyCaseElseTarvolane) {
  EXPECT_EQ(Inizio::TitoloApplicazione("/opt/x/vespante"), "Vespante");
  EXPECT_EQ(Inizio::TitoloApplicazione("/opt/x/VeSpAnTe.exe"), "Vespante");
  EXPECT_EQ(Inizio::TitoloApplicazione("VESPANTE"), "Vespante");
  EXPECT_EQ(Inizio::TitoloApplicazione("/opt/x/tarvolane"), "Tarvolane");
  EXPECT_EQ(Inizio::TitoloApplicazione("/opt/vespante/programma"), "Tarvolane");
  EXPECT_EQ(Inizio::TitoloApplicazione("vespante2"), "Tarvolane");
}

TEST(StartUpLoading, DamagedArchiveIsRefusedAndNothingIsWritten) {
  const struct {
    std::size_t dimensione;
    const char* motivo;
  } casi[] = {
      {274999, "archivio.dat non valido: dimensione 274999 byte invece di 275000"},
      {0, "archivio.dat non valido: dimensione 0 byte invece di 275000"},
      {275001,
       "impossibile leggere archivio.dat: file troppo grande (275.001 byte, al massimo 275.000)"}};
  for (const auto& c : casi) {
    SCOPED_TRACE(c.dimensione);
    prova::CartellaTemporanea dir;
    std::string b = Bytes(CostruisciArchivio(prova::Sintetiche(20)));
    b.resize(c.dimensione, '\0');
    ASSERT_TRUE(file::ScriviAtomico(dir.percorso() / "archivio.dat", b).ok());
    const auto prima = Fotografia(dir.percorso());
    auto r = Inizio::CaricaArchivio(dir.percorso());
    ASSERT_FALSE(r.ok());
    EXPECT_EQ(r.motivo(), c.motivo);
    EXPECT_EQ(Fotografia(dir.percorso()), prima);
  }
}

TEST(StartUpLoading, DetectorFolderIsCreatedOnlyWhenMissing) {
  prova::CartellaTemporanea dir;
  ASSERT_TRUE(Inizio::CreaCartellaDetector(dir.percorso()).ok());
  EXPECT_TRUE(std::filesystem::is_directory(dir.percorso() / "Detector_Files"));
  EXPECT_TRUE(std::filesystem::is_empty(dir.percorso() / "Detector_Files"));
  // A file of that name is left alone.
  prova::CartellaTemporanea altra;
  ASSERT_TRUE(file::ScriviAtomico(altra.percorso() / "Detector_Files", std::string_view("x")).ok());
  ASSERT_TRUE(Inizio::CreaCartellaDetector(altra.percorso()).ok());
  EXPECT_TRUE(std::filesystem::is_regular_file(altra.percorso() / "Detector_Files"));
}

TEST(StartUpLoading, InterruptedSavesOfEveryProgramFileAreClearedAndNothingElse) {
  prova::CartellaTemporanea dati, programma;
  std::filesystem::create_directory(dati.percorso() / "Detector_Files");
  // What a save cut short leaves, and names a user may give files of his own.
  // 2244a73e4388266f is the digest of "Rsc3.dat", in the short form.
  const std::string t = ".XyZ789.tarvolane-tmp";
  const std::string corto = ".2244a73e4388266f-XyZ789.tarvolane-tmp";
  const std::string simile = ".2244a73e4388266e-XyZ789.tarvolane-tmp";
  for (const std::string& v :
       {".Rsc3.dat" + t, ".TabFnum.txt" + t, "Detector_Files/.BA5200503.mdd" + t,
        "Detector_Files/.mio.mdd" + t, std::string(".archivio.dat.backup"),
        std::string(".Rsc3.dat.AbCdEf"), corto, simile})
    std::ofstream(dati.percorso() / v) << "x";
  for (const std::string& v :
       {".TabFnum.txt" + t, ".riporto.txt" + t, ".Stampa.txt" + t, ".output.txt" + t,
        ".tabfnum.txt" + t, ".Rapporto.txt" + t, std::string(".TabFnum.txt.240607"),
        std::string(".output.txt.backup")})
    std::ofstream(programma.percorso() / v) << "x";
  Inizio::RimuoviScrittureInterrotte(dati.percorso(), programma.percorso());
  using F = std::map<std::string, std::string>;
  EXPECT_EQ(Fotografia(dati.percorso()), (F{{".TabFnum.txt" + t, "x"},
                                            {".archivio.dat.backup", "x"},
                                            {".Rsc3.dat.AbCdEf", "x"},
                                            {simile, "x"},
                                            {"Detector_Files", "<cartella>"}}));
  EXPECT_EQ(Fotografia(dati.percorso() / "Detector_Files"), (F{{".mio.mdd" + t, "x"}}));
  EXPECT_EQ(Fotografia(programma.percorso()), (F{{".Rapporto.txt" + t, "x"},
                                                 {".tabfnum.txt" + t, "x"},
                                                 {".TabFnum.txt.240607", "x"},
                                                 {".output.txt.backup", "x"}}));
}

TEST(StartUpLoading, WholeSequenceFillsTheState) {
  prova::CartellaTemporanea dir;
  const Archivio a = CostruisciArchivio(prova::Sintetiche(300));
  ASSERT_TRUE(file::ScriviAtomico(dir.percorso() / "archivio.dat", Bytes(a)).ok());
  Stato s;
  s.CartellaDati = dir.percorso();
  auto caricato = Inizio::CaricaArchivio(s.CartellaDati);
  ASSERT_TRUE(caricato.ok()) << caricato.motivo();
  s.ArchivioEstrazioni = std::move(caricato).prendi();
  Inizio::PreparaIndici(s);
  EXPECT_EQ(s.TotEstrazioni(), 300);
  EXPECT_EQ(s.EstrInizio, 1);
  EXPECT_EQ(s.EstrFine, 300);
  EXPECT_EQ(s.ArchivioSuperEnalotto[300], Inizio::Deriva_SuperEnalotto(a, 300));
  ASSERT_TRUE(Inizio::PreparaArchiviRSC(s).ok());
  EXPECT_EQ(s.UltimaEstrRSC, 300);
  EXPECT_EQ(s.TabelleRSC[2], Rsc::Crea_Archivio(a, 3));
}
