#include "core/rsc.h"

#include <gtest/gtest.h>

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
  // archivio.dat -> Rsc3.dat, and archivio.dat -> Rsc3.dat -> a file elsewhere.
  for (bool oltre : {false, true}) {
    SCOPED_TRACE(oltre ? "Rsc3.dat porta altrove" : "Rsc3.dat è l'archivio");
    prova::CartellaTemporanea dir;
    const auto d = dir.percorso();
    ASSERT_TRUE(file::ScriviAtomico(d / (oltre ? "vero.dat" : "Rsc3.dat"), archivio));
    if (oltre) std::filesystem::create_symlink("vero.dat", d / "Rsc3.dat");
    std::filesystem::create_symlink("Rsc3.dat", d / "archivio.dat");
    const Rsc::Preparazione r = Rsc::Prepara(d, a);
    EXPECT_EQ(r.errore,
              "impossibile scrivere Rsc3.dat: archivio.dat è un collegamento a questo file");
    EXPECT_EQ(Contenuto(d / "archivio.dat"), archivio);
    EXPECT_EQ(std::filesystem::is_symlink(std::filesystem::symlink_status(d / "Rsc3.dat")), oltre);
    EXPECT_EQ(r.tabelle, CreaTutte(a));
  }
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
