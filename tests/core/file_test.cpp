#include "core/file.h"

#include <dirent.h>
#include <dlfcn.h>
#include <gtest/gtest.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include <fstream>
#include <set>

#include "support/cartella_temporanea.h"
#include "support/leggi_file.h"
#include "support/valore.h"

// A folder read that fails half way (an I/O error) cannot be had on demand:
// while the flag is set, the system's readdir gives the first entry other
// than "." and "..", then fails once with EIO and clears the flag.
namespace {
bool gLetturaCartellaFallisce = false;
}  // namespace

extern "C" struct dirent* readdir(DIR* cartella) {
  using Readdir = struct dirent* (*)(DIR*);
  static const auto originale = reinterpret_cast<Readdir>(::dlsym(RTLD_NEXT, "readdir"));
  static bool giaData = false;
  if (gLetturaCartellaFallisce && giaData) {
    gLetturaCartellaFallisce = giaData = false;
    errno = EIO;
    return nullptr;
  }
  struct dirent* voce = originale(cartella);
  const std::string_view nome = voce ? voce->d_name : "";
  giaData = gLetturaCartellaFallisce && voce && nome != "." && nome != "..";
  return voce;
}

TEST(AtomicWrite, ReplacesTheWholeFileAndLeavesNoTemporary) {
  prova::CartellaTemporanea dir;
  const auto f = dir.percorso() / "archivio.dat";
  ASSERT_TRUE(file::ScriviAtomico(f, std::string_view("vecchio contenuto")).ok());
  ASSERT_TRUE(file::ScriviAtomico(f, std::string_view("nuovo")).ok());
  EXPECT_EQ(prova::Valore(file::LeggiTesto(f, 100)), "nuovo");
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
  // A name longer than the file system takes is said so.
  const std::string lungo(256, 'n');
  EXPECT_EQ(prova::Motivo(file::ScriviAtomico(dir.percorso() / lungo, std::string_view("x"))),
            "impossibile scrivere " + lungo + ": nome del file troppo lungo");
  // A target the user made read-only is not replaced, and keeps its bytes.
  const auto f = dir.percorso() / "archivio.dat";
  ASSERT_TRUE(file::ScriviAtomico(f, std::string_view("vecchio")).ok());
  ::chmod(f.c_str(), 0444);
  e = file::ScriviAtomico(f, std::string_view("nuovo"));
  ASSERT_FALSE(e.ok());
  EXPECT_EQ(e.motivo(), "impossibile scrivere archivio.dat: file in sola lettura");
  EXPECT_EQ(prova::Valore(file::LeggiTesto(f, 100)), "vecchio");
  // Neither readable nor writable (refused by its mode, so as root too).
  ::chmod(f.c_str(), 0);
  EXPECT_EQ(prova::Motivo(file::ScriviAtomico(f, std::string_view("nuovo"))),
            "impossibile scrivere archivio.dat: accesso negato");
  ::chmod(f.c_str(), 0644);
  EXPECT_EQ(prova::Valore(file::LeggiTesto(f, 100)), "vecchio");
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
  for (const char* nome : {".archivio.dat.Ab12Cd.tarvolane-tmp", ".Rsc5.dat.zzzzzz.tarvolane-tmp",
                           ".Rsc5.dat.corto", "appunti.txt", ".archivio.dat.Ab12Cd.bak"})
    ASSERT_TRUE(file::ScriviAtomico(dir.percorso() / nome, std::string_view("x")).ok());
  file::RimuoviTemporanei(dir.percorso(), {"archivio.dat", "Rsc5.dat"});
  std::set<std::string> restano;
  for (const auto& v : std::filesystem::directory_iterator(dir.percorso())) restano.insert(v.path().filename());
  EXPECT_EQ(restano, (std::set<std::string>{"Rsc1.dat", ".Rsc5.dat.corto", "appunti.txt", ".archivio.dat.Ab12Cd.bak"}));
}

TEST(AtomicWrite, ASaveClearsWhatAnInterruptedSaveOfTheSameNameLeftAndNoUserFile) {
  prova::CartellaTemporanea dir;
  const std::set<std::string> nostri = {".out.txt.Ab12Cd.tarvolane-tmp",
                                        ".out.txt.zzzzzz.tarvolane-tmp"};
  const std::set<std::string> altri = {".out.txt.backup",
                                       ".out.txt.240607",
                                       ".out.txt.Ab12Cd",
                                       ".out.txt.Ab12C.tarvolane-tmp",
                                       ".out.txt.Ab-2Cd.tarvolane-tmp",
                                       "out.txt.Ab12Cd.tarvolane-tmp",
                                       ".altro.txt.Ab12Cd.tarvolane-tmp"};
  for (const auto* insieme : {&nostri, &altri})
    for (const std::string& voce : *insieme) std::ofstream(dir.percorso() / voce) << "resto";
  ASSERT_TRUE(file::ScriviAtomico(dir.percorso() / "out.txt", std::string_view("rapporto")).ok());
  std::set<std::string> restano;
  for (const auto& v : std::filesystem::directory_iterator(dir.percorso()))
    restano.insert(v.path().filename());
  restano.erase("out.txt");
  EXPECT_EQ(restano, altri);
}

TEST(AtomicWrite, ANameUpToTheSystemsLimitIsSavedAndLeavesNoTemporary) {
  std::vector<std::string> nomi;
  for (std::size_t n = 233; n <= 255; ++n) nomi.push_back(std::string(n - 4, 'n') + ".txt");
  std::string euro;  // 255 bytes of three-byte characters
  for (int i = 0; i < 85; ++i) euro += "€";
  nomi.push_back(euro);
  for (const std::string& nome : nomi) {
    SCOPED_TRACE(nome.size());
    prova::CartellaTemporanea dir;
    ASSERT_TRUE(file::ScriviAtomico(dir.percorso() / nome, std::string_view("vecchio")).ok());
    const Esito e = file::ScriviAtomico(dir.percorso() / nome, std::string_view("nuovo"));
    ASSERT_TRUE(e.ok()) << e.motivo();
    EXPECT_EQ(prova::Valore(file::LeggiTesto(dir.percorso() / nome, 100)), "nuovo");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.percorso()), {}), 1);
  }
}

TEST(AtomicWrite, TheShortTemporaryOfALongNameIsClearedByItsNextSaveOnly) {
  prova::CartellaTemporanea dir;
  // The digests of 240 "n" and of 240 "m", as every version names them.
  const std::string n(240, 'n'), h = "97ace4fb5fa81be5", altro = "3f4e458565397bd5";
  const std::string t = ".tarvolane-tmp";
  const std::set<std::string> nostri = {"." + h + "-Ab12Cd" + t, "." + h + "-zzzzzz" + t};
  const std::set<std::string> altri = {
      "." + altro + "-Ab12Cd" + t,  // an interrupted save of another long name
      "." + h + ".Ab12Cd" + t,        "." + h + "-Ab12C" + t, h + "-Ab12Cd" + t,
      ".97ACE4FB5FA81BE5-Ab12Cd" + t, "." + h + "-Ab12Cd.bak"};
  for (const auto* insieme : {&nostri, &altri})
    for (const std::string& voce : *insieme) std::ofstream(dir.percorso() / voce) << "resto";
  std::filesystem::create_directory(dir.percorso() / ("." + h + "-Cartel" + t));
  ASSERT_TRUE(file::ScriviAtomico(dir.percorso() / n, std::string_view("x")).ok());
  std::set<std::string> restano;
  for (const auto& v : std::filesystem::directory_iterator(dir.percorso()))
    restano.insert(v.path().filename());
  std::set<std::string> attesi = altri;
  attesi.insert({n, "." + h + "-Cartel" + t});
  EXPECT_EQ(restano, attesi);
}

TEST(AtomicWrite, ASaveOverALinkWritesTheFileItPointsTo) {
  prova::CartellaTemporanea dir;
  const auto vero = dir.percorso() / "vero.txt", link = dir.percorso() / "link.txt";
  ASSERT_TRUE(file::ScriviAtomico(vero, std::string_view("vecchio")).ok());
  std::filesystem::create_symlink("vero.txt", link);
  ASSERT_TRUE(file::ScriviAtomico(link, std::string_view("nuovo")).ok());
  EXPECT_TRUE(std::filesystem::is_symlink(link));
  EXPECT_EQ(prova::Valore(file::LeggiTesto(vero, 100)), "nuovo");
  // A file the program keeps for itself replaces the link, even to a
  // read-only file, and leaves the file it pointed to alone.
  ::chmod(vero.c_str(), 0444);
  ASSERT_TRUE(
      file::ScriviAtomico(link, std::string_view("nostro"), file::Collegamento::Sostituisci));
  EXPECT_EQ(prova::Valore(file::LeggiTesto(vero, 100)), "nuovo");
  EXPECT_EQ(prova::Valore(file::LeggiTesto(link, 100)), "nostro");
  EXPECT_TRUE(std::filesystem::is_regular_file(std::filesystem::symlink_status(link)));
  EXPECT_EQ(std::filesystem::status(link).permissions(), std::filesystem::perms(0644));
}

// A user's save writes a regular file and nothing else: a link is never
// replaced, and neither is a FIFO, a socket or a folder, whether named
// directly or reached through links. Everything here is the test's own: a
// save undone would replace only what lies in its folder.
TEST(AtomicWrite, AUsersSaveNeverReplacesALinkOrAnythingButARegularFile) {
  prova::CartellaTemporanea dir;
  const auto p = [&](const std::string& nome) { return dir.percorso() / nome; };
  std::filesystem::create_directory(p("altrove"));
  ASSERT_EQ(::mkfifo(p("fifo").c_str(), 0600), 0);
  const int presa = ::socket(AF_UNIX, SOCK_STREAM, 0);
  ASSERT_GE(presa, 0);
  sockaddr_un indirizzo{};
  indirizzo.sun_family = AF_UNIX;
  const std::string nomePresa = p("presa").string();
  ASSERT_LT(nomePresa.size(), sizeof indirizzo.sun_path);
  nomePresa.copy(indirizzo.sun_path, nomePresa.size());
  ASSERT_EQ(::bind(presa, reinterpret_cast<const sockaddr*>(&indirizzo), sizeof indirizzo), 0);
  ::close(presa);
  struct Caso {
    const char* nome;
    const char* meta;    // nullptr: `nome` is one of the folder's own entries
    const char* motivo;  // nullptr: the save creates `creato`
    const char* creato;
  };
  std::vector<Caso> casi = {
      {"chiavetta.txt", "chiavetta/a.txt", "è un collegamento a un file inesistente", nullptr},
      {"sotto.txt", "fifo/a.txt", "è un collegamento a un file inesistente", nullptr},
      {"cartella.txt", "altrove", "è una cartella", nullptr},
      {"tubo.txt", "fifo", "non è un file normale", nullptr},
      {"presa.txt", "presa", "non è un file normale", nullptr},
      {"ciclo.txt", "ciclo.txt", "troppi livelli di collegamenti simbolici (forse un ciclo)",
       nullptr},
      {"nuovo.txt", "altrove/nuovo.txt", nullptr, "altrove/nuovo.txt"},
      {"catena.txt", "nuovo.txt", nullptr, "altrove/nuovo.txt"},
      {"fifo", nullptr, "non è un file normale", nullptr},
      {"presa", nullptr, "non è un file normale", nullptr},
      {"altrove", nullptr, "è una cartella", nullptr},
  };
  // The system's own device only where a save undone could not replace it.
  if (::geteuid() != 0) casi.push_back({"nulla.txt", "/dev/null", "non è un file normale", nullptr});
  int collegamenti = 0;
  for (const auto& c : casi) {
    SCOPED_TRACE(c.nome);
    if (c.meta) {
      std::filesystem::create_symlink(c.meta, p(c.nome));
      ++collegamenti;
    }
    const auto tipo = std::filesystem::symlink_status(p(c.nome)).type();
    const Esito e = file::ScriviAtomico(p(c.nome), std::string_view(c.nome));
    if (c.motivo) {
      ASSERT_FALSE(e.ok());
      EXPECT_EQ(e.motivo(), "impossibile scrivere " + std::string(c.nome) + ": " + c.motivo);
    } else {
      ASSERT_TRUE(e.ok()) << e.motivo();
      EXPECT_EQ(prova::Testo(p(c.creato)), c.nome);
    }
    // The name stays what it was, a link to the same place included.
    EXPECT_EQ(std::filesystem::symlink_status(p(c.nome)).type(), tipo);
    if (c.meta) {
      EXPECT_EQ(std::filesystem::read_symlink(p(c.nome)), c.meta);
    }
  }
  std::set<std::string> restano;
  for (const auto& v : std::filesystem::directory_iterator(dir.percorso()))
    restano.insert(v.path().filename());
  EXPECT_EQ(restano.size(), collegamenti + 3u);  // no file and no temporary beside the links
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

TEST(WholeFileRead, OnlyARegularFileOfTheFormatsSizeIsReadAndNothingBlocks) {
  prova::CartellaTemporanea dir;
  const auto p = [&](const char* nome) { return dir.percorso() / nome; };
  std::filesystem::create_directories(p("cartella"));
  ASSERT_EQ(::mkfifo(p("fifo").c_str(), 0600), 0);  // no writer: an open would wait for one
  std::filesystem::create_symlink("/dev/zero", p("zero"));
  std::filesystem::create_symlink("ciclo", p("ciclo"));
  std::filesystem::create_symlink("assente", p("rotto"));
  ASSERT_TRUE(file::ScriviAtomico(p("giusto"), std::string(275000, 'x')).ok());
  ASSERT_TRUE(file::ScriviAtomico(p("lungo"), std::string(275001, 'x')).ok());
  // A gigabyte that takes no room on disk: refused by its size, unread.
  std::ofstream(p("enorme")).close();
  ASSERT_EQ(::truncate(p("enorme").c_str(), std::int64_t{1} << 30), 0);
  const struct {
    const char* nome;
    const char* motivo;  // nullptr: read whole
  } casi[] = {
      {"assente", "impossibile leggere assente: file o cartella inesistente"},
      {"cartella", "impossibile leggere cartella: è una cartella"},
      {"fifo", "impossibile leggere fifo: non è un file normale"},
      {"zero", "impossibile leggere zero: non è un file normale"},
      {"ciclo",
       "impossibile leggere ciclo: troppi livelli di collegamenti simbolici (forse un ciclo)"},
      {"rotto", "impossibile leggere rotto: è un collegamento a un file inesistente"},
      {"giusto", nullptr},
      {"lungo", "impossibile leggere lungo: file troppo grande (275.001 byte, al massimo 275.000)"},
      {"enorme",
       "impossibile leggere enorme: file troppo grande (1.073.741.824 byte, al massimo 275.000)"},
  };
  for (const auto& c : casi) {
    SCOPED_TRACE(c.nome);
    const auto r = file::LeggiBinario(p(c.nome), 275000);
    if (c.motivo) {
      ASSERT_FALSE(r.ok());
      EXPECT_EQ(r.motivo(), c.motivo);
      EXPECT_EQ(file::LeggiABlocchi(p(c.nome), 10, [](std::string_view) { return true; }).ok(),
                std::string(c.nome) == "lungo" || std::string(c.nome) == "enorme");
    } else {
      ASSERT_TRUE(r.ok());
      EXPECT_EQ(r->size(), 275000u);
    }
  }
  // Pieces: at most the bound, and whether the file holds more.
  std::string letto;
  const auto oltre = file::LeggiABlocchi(p("enorme"), 100000, [&](std::string_view b) {
    letto += b;
    return true;
  });
  ASSERT_TRUE(oltre.ok());
  EXPECT_TRUE(*oltre);
  EXPECT_EQ(letto, std::string(100000, '\0'));
  EXPECT_FALSE(prova::Valore(
      file::LeggiABlocchi(p("giusto"), 275000, [](std::string_view) { return true; })));
}

TEST(FolderListing, NamesTheFilesOnlyAndRefusesAMissingFolder) {
  prova::CartellaTemporanea dir;
  ASSERT_TRUE(file::ScriviAtomico(dir.percorso() / "BA5200001.mdd", std::string_view("x")));
  std::filesystem::create_directory(dir.percorso() / "sotto");
  EXPECT_EQ(prova::Valore(file::ElencaFile(dir.percorso())),
            std::vector<std::string>{"BA5200001.mdd"});
  const auto mancante = file::ElencaFile(dir.percorso() / "Detector_Files");
  ASSERT_FALSE(mancante);
  EXPECT_EQ(mancante.motivo(), "impossibile leggere la cartella Detector_Files: file o cartella inesistente");
}

TEST(FolderListing, AFolderThatFailsHalfWayIsRefusedAndItsCleanUpEndsQuietly) {
  prova::CartellaTemporanea dir;
  for (const char* nome : {"a.txt", ".a.txt.Ab12Cd.tarvolane-tmp", "b.txt"})
    ASSERT_TRUE(file::ScriviAtomico(dir.percorso() / nome, std::string_view("x")));
  gLetturaCartellaFallisce = true;
  const auto elenco = file::ElencaFile(dir.percorso());
  gLetturaCartellaFallisce = true;
  EXPECT_NO_THROW(file::RimuoviTemporanei(dir.percorso(), {"a.txt"}));
  const bool intercettata = !gLetturaCartellaFallisce;
  gLetturaCartellaFallisce = false;
  if (!intercettata) GTEST_SKIP() << "la lettura delle cartelle non passa di qui";
  ASSERT_FALSE(elenco);
  EXPECT_EQ(elenco.motivo(), "impossibile leggere la cartella " +
                                 dir.percorso().filename().string() +
                                 ": errore di lettura o scrittura sul disco");
}

TEST(FileRemoval, RemovesAFileAcceptsAMissingOneAndNamesAFailure) {
  prova::CartellaTemporanea dir;
  ASSERT_TRUE(file::ScriviAtomico(dir.percorso() / "riporto.txt", std::string_view("x")));
  EXPECT_TRUE(file::Rimuovi(dir.percorso() / "riporto.txt"));
  EXPECT_TRUE(file::Rimuovi(dir.percorso() / "riporto.txt"));
  std::filesystem::create_directories(dir.percorso() / "piena" / "dentro");
  const std::string motivo = prova::Motivo(file::Rimuovi(dir.percorso() / "piena"));
  EXPECT_EQ(motivo.rfind("impossibile cancellare piena: ", 0), 0u) << motivo;
}
