#include "core/rsc.h"

#include <gtest/gtest.h>
#include <sched.h>
#include <sys/mount.h>
#include <sys/wait.h>
#include <unistd.h>

#include <fstream>
#include <functional>

#include "core/file.h"
#include "support/cartella_temporanea.h"
#include "support/estrazioni_reali.h"
#include "support/leggi_file.h"

namespace {

Rsc::Tabelle CreaTutte(const Archivio& a) {
  Rsc::Tabelle t;
  for (int k = 1; k <= 5; ++k) t[k - 1] = Rsc::Crea_Archivio(a, k);
  return t;
}

// Straightforward recomputation, record by record.
void ControllaTabella(const Archivio& a, const Archivio& t, int k) {
  for (int d = 1; d <= 5000; ++d) {
    for (int p = 1; p <= 5; ++p) {
      const int atteso = (d == 5000 && p == 4) ? 99 : a(d, 0, p);
      ASSERT_EQ(t(d, 0, p), atteso) << "data " << d << " " << p;
    }
    for (int w = 1; w <= 10; ++w) {
      for (int p = 1; p <= 5; ++p) {
        int atteso = 0;
        if (d > 1) {
          const int e = a(d - 1, w, k), x = a(d, w, p);
          if (e != 0 && x != 0) atteso = (x - e + 90) % 90 == 0 ? 90 : (x - e + 90) % 90;
        }
        ASSERT_EQ(t(d, w, p), atteso) << "k " << k << " d " << d << " w " << w << " p " << p;
      }
    }
  }
}

std::string Contenuto(const std::filesystem::path& f) {
  auto r = prova::LeggiTesto(f);
  return r ? *r : std::string("<assente>");
}

}  // namespace

TEST(DistanceArchives, TableTwoExample) {
  Estrazione prima = prova::Fai({1, 1, 2000}, {{7, 12, 30, 40, 50}});
  Estrazione seconda = prova::Fai({4, 1, 2000}, {{5, 12, 40, 88, 90}});
  const Archivio a = CostruisciArchivio({prima, seconda});
  const Archivio t2 = Rsc::Crea_Archivio(a, 2);
  EXPECT_EQ((std::vector<int>{t2(2, 1, 1), t2(2, 1, 2), t2(2, 1, 3), t2(2, 1, 4), t2(2, 1, 5)}),
            (std::vector<int>{83, 90, 28, 76, 78}));
  for (int p = 1; p <= 5; ++p) EXPECT_EQ(t2(1, 1, p), 0);
  // CAGLIARI has no numbers: every entry 0.
  EXPECT_EQ(t2(2, 2, 1), 0);
  EXPECT_EQ(t2(5000, 0, 4), 99);
  EXPECT_EQ(t2(2, 0, 1), 4);
}

TEST(DistanceArchiveFiles, MissingFilesAreWrittenAndMatchingOnesLeftAlone) {
  prova::CartellaTemporanea dir;
  const Archivio a = CostruisciArchivio(prova::Sintetiche(120));
  EXPECT_TRUE(Rsc::FileMancanti(dir.percorso()));
  const Rsc::Preparazione prima = Rsc::Prepara(dir.percorso(), a);
  EXPECT_TRUE(prima.errore.empty());
  EXPECT_EQ(prima.riscritti, 5);
  EXPECT_EQ(prima.UltimaEstrRSC, 120);
  EXPECT_EQ(prima.tabelle, CreaTutte(a));
  for (int k = 1; k <= 5; ++k) {
    const auto b = prima.tabelle[k - 1].bytes();
    EXPECT_EQ(Contenuto(dir.percorso() / Rsc::NomeFile(k)), std::string(reinterpret_cast<const char*>(b.data()), b.size()));
  }
  EXPECT_EQ(Rsc::Prepara(dir.percorso(), a).riscritti, 0);
}

TEST(DistanceArchiveFiles, FilesThatDoNotDescribeTheArchiveAreRewritten) {
  const auto e = prova::Sintetiche(60);
  const Archivio a = CostruisciArchivio(e);
  struct Caso {
    const char* nome;
    std::function<void(const std::filesystem::path&)> danno;
    int riscritti;
  };
  const Caso casi[] = {
      {"archivio con più estrazioni (chiusura interrotta)",
       [&](const auto& d) {
         const Archivio meno = CostruisciArchivio(std::vector<Estrazione>(e.begin(), e.begin() + 55));
         for (int k = 1; k <= 5; ++k) ASSERT_TRUE(Rsc::Scrivi(d, k, Rsc::Crea_Archivio(meno, k)).ok());
       },
       5},
      {"un numero corretto dopo l'ultima riscrittura",
       [&](const auto& d) {
         Archivio corretto = a;
         corretto(30, 4, 2) = corretto(30, 4, 2) == 1 ? 2 : 1;
         ASSERT_TRUE(Rsc::Scrivi(d, 2, Rsc::Crea_Archivio(corretto, 2)).ok());
       },
       1},
      {"distanza oltre 90",
       [&](const auto& d) {
         Archivio t = Rsc::Crea_Archivio(a, 4);
         t(12, 3, 5) = 91;
         ASSERT_TRUE(Rsc::Scrivi(d, 4, t).ok());
       },
       1},
      {"file corto", [](const auto& d) { std::filesystem::resize_file(d / "Rsc3.dat", 1000); }, 1},
      {"file mancante", [](const auto& d) { std::filesystem::remove(d / "Rsc5.dat"); }, 1},
  };
  for (const Caso& c : casi) {
    SCOPED_TRACE(c.nome);
    prova::CartellaTemporanea dir;
    ASSERT_EQ(Rsc::Prepara(dir.percorso(), a).riscritti, 5);
    c.danno(dir.percorso());
    const Rsc::Preparazione r = Rsc::Prepara(dir.percorso(), a);
    EXPECT_TRUE(r.errore.empty()) << r.errore;
    EXPECT_EQ(r.riscritti, c.riscritti);
    EXPECT_EQ(r.tabelle, CreaTutte(a));
    EXPECT_EQ(Rsc::Prepara(dir.percorso(), a).riscritti, 0);
  }
}

TEST(DistanceArchiveFiles, AnUnwritableFileLeavesTheTablesRightInMemory) {
  const Archivio a = CostruisciArchivio(prova::Sintetiche(40));
  const Archivio meno = CostruisciArchivio(prova::Sintetiche(35));
  // Refused by the file's mode, whoever runs the program (root reads it).
  for (const auto& [modo, motivo] :
       {std::pair{std::filesystem::perms::owner_read, "file in sola lettura"},
        std::pair{std::filesystem::perms::none, "accesso negato"}}) {
    SCOPED_TRACE(motivo);
    prova::CartellaTemporanea dir;
    for (int k = 1; k <= 5; ++k)
      ASSERT_TRUE(Rsc::Scrivi(dir.percorso(), k, Rsc::Crea_Archivio(meno, k)).ok());
    std::filesystem::permissions(dir.percorso() / "Rsc2.dat", modo);
    const auto prima = Contenuto(dir.percorso() / "Rsc3.dat");
    const Rsc::Preparazione r = Rsc::Prepara(dir.percorso(), a);
    EXPECT_EQ(r.errore, std::string("impossibile scrivere Rsc2.dat: ") + motivo);
    EXPECT_EQ(r.riscritti, 1);  // Rsc1.dat; nothing is tried after the failure
    EXPECT_EQ(Contenuto(dir.percorso() / "Rsc3.dat"), prima);
    EXPECT_EQ(r.tabelle, CreaTutte(a));
    EXPECT_EQ(r.UltimaEstrRSC, 40);
  }
}

TEST(DistanceArchiveFiles, AnArchiveThatIsALinkToADistanceFileIsNeverReplaced) {
  const Archivio a = CostruisciArchivio(prova::Sintetiche(40));
  const std::string archivio(reinterpret_cast<const char*>(a.bytes().data()), a.bytes().size());
  const std::string rifiuto =
      "impossibile scrivere Rsc3.dat: archivio.dat è un collegamento a questo file";
  // How archivio.dat reaches the archive's bytes: `collegamento` is its
  // link, `fai` lays out the rest.
  using Fai = std::function<void(const std::filesystem::path&)>;
  const struct {
    const char* come;
    std::string collegamento;
    Fai fai;
    bool rifiutato;
  } casi[] = {
      {"Rsc3.dat è l'archivio", "Rsc3.dat", [](const auto&) {}, true},
      {"Rsc3.dat porta altrove", "Rsc3.dat",
       [](const auto& d) {
         std::filesystem::rename(d / "Rsc3.dat", d / "vero.dat");
         std::filesystem::create_symlink("vero.dat", d / "Rsc3.dat");
       },
       true},
      {"per una cartella collegata", "specchio/Rsc3.dat",
       [](const auto& d) { std::filesystem::create_directory_symlink(".", d / "specchio"); }, true},
      {"per sotto/..", "sotto/../Rsc3.dat",
       [](const auto& d) { std::filesystem::create_directory(d / "sotto"); }, true},
      // A hard link is another name of the same bytes: replacing Rsc3.dat
      // leaves them to archivio.dat.
      {"collegamento fisico", "",
       [](const auto& d) { std::filesystem::create_hard_link(d / "Rsc3.dat", d / "archivio.dat"); },
       false},
  };
  for (const auto& c : casi) {
    SCOPED_TRACE(c.come);
    prova::CartellaTemporanea dir;
    const auto d = dir.percorso();
    ASSERT_TRUE(file::ScriviAtomico(d / "Rsc3.dat", archivio));
    c.fai(d);
    if (!c.collegamento.empty())
      std::filesystem::create_symlink(c.collegamento, d / "archivio.dat");
    const Rsc::Preparazione r = Rsc::Prepara(d, a);
    EXPECT_EQ(r.errore, c.rifiutato ? rifiuto : "");
    EXPECT_TRUE(Contenuto(d / "archivio.dat") == archivio) << "l'archivio è stato sostituito";
    EXPECT_EQ(r.tabelle, CreaTutte(a));
  }
}

// The same folder reached through a bind mount, in a child process with a
// mount namespace of its own (a user namespace too when not root), so that
// nothing is mounted outside it. Skipped where the system allows neither.
TEST(DistanceArchiveFiles, AnArchiveThatLeadsToADistanceFileThroughABindMountIsNeverReplaced) {
  const Archivio a = CostruisciArchivio(prova::Sintetiche(40));
  const std::string archivio(reinterpret_cast<const char*>(a.bytes().data()), a.bytes().size());
  prova::CartellaTemporanea dir;
  const auto d = dir.percorso();
  ASSERT_TRUE(file::ScriviAtomico(d / "Rsc3.dat", archivio));
  std::filesystem::create_directory(d / "specchio");
  std::filesystem::create_symlink("specchio/Rsc3.dat", d / "archivio.dat");
  int tubo[2];
  ASSERT_EQ(::pipe(tubo), 0);
  const uid_t uid = ::getuid();
  const gid_t gid = ::getgid();
  const pid_t figlio = ::fork();
  ASSERT_GE(figlio, 0);
  if (figlio == 0) {
    ::close(tubo[0]);
    const auto Scrivi = [](const char* f, const std::string& testo) { std::ofstream(f) << testo; };
    if (::unshare(CLONE_NEWNS) != 0) {
      if (::unshare(CLONE_NEWUSER | CLONE_NEWNS) != 0) ::_exit(2);
      Scrivi("/proc/self/setgroups", "deny");
      Scrivi("/proc/self/uid_map", "0 " + std::to_string(uid) + " 1");
      Scrivi("/proc/self/gid_map", "0 " + std::to_string(gid) + " 1");
    }
    if (::mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0 ||
        ::mount(d.c_str(), (d / "specchio").c_str(), nullptr, MS_BIND, nullptr) != 0)
      ::_exit(2);
    const std::string errore = Rsc::Prepara(d, a).errore;
    const bool scritto =
        ::write(tubo[1], errore.data(), errore.size()) == static_cast<ssize_t>(errore.size());
    ::_exit(scritto ? 0 : 1);
  }
  ::close(tubo[1]);
  std::string errore;
  char pezzo[256];
  for (ssize_t n; (n = ::read(tubo[0], pezzo, sizeof pezzo)) > 0;) errore.append(pezzo, n);
  ::close(tubo[0]);
  int stato = 0;
  ASSERT_EQ(::waitpid(figlio, &stato, 0), figlio);
  ASSERT_TRUE(WIFEXITED(stato));
  if (WEXITSTATUS(stato) == 2) GTEST_SKIP() << "qui non si può montare una cartella";
  ASSERT_EQ(WEXITSTATUS(stato), 0);
  EXPECT_EQ(errore, "impossibile scrivere Rsc3.dat: archivio.dat è un collegamento a questo file");
  // Outside the child archivio.dat leads nowhere; its bytes are in Rsc3.dat.
  EXPECT_TRUE(Contenuto(d / "Rsc3.dat") == archivio) << "l'archivio è stato sostituito";
}

TEST(DistanceArchivesOnRealDraws, FullBuildAndExtensionAgreeWithARecount) {
  RICHIEDE_ESTRAZIONI_REALI();
  for (bool ultime : {false, true}) {
    SCOPED_TRACE(ultime ? "ultime 4999" : "prime 4999");
    const auto e = ultime ? prova::Ultime(4999) : prova::Prime(4999);
    const Archivio a = CostruisciArchivio(e);
    const Rsc::Tabelle t = CreaTutte(a);
    for (int k = 1; k <= 5; ++k) ControllaTabella(a, t[k - 1], k);

  }
}
