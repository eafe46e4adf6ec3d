#include "core/rsc.h"

#include <gtest/gtest.h>

#include <fstream>
#include <functional>

#include "core/file.h"
#include "support/cartella_temporanea.h"
#include "support/estrazioni_reali.h"

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
  auto r = file::LeggiTesto(f);
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

TEST(DistanceArchives, ExtensionEqualsAFullBuild) {
  const auto e = prova::Sintetiche(300);
  const Archivio corto = CostruisciArchivio(std::vector<Estrazione>(e.begin(), e.begin() + 297));
  const Archivio lungo = CostruisciArchivio(e);
  Rsc::Tabelle t = CreaTutte(corto);
  ASSERT_EQ(Rsc::UltimaEstrRSC(t), 297);
  ASSERT_TRUE(Rsc::PrefissoValido(lungo, 300, t));
  Rsc::Estendi(lungo, t);
  EXPECT_EQ(t, CreaTutte(lungo));
  EXPECT_EQ(Rsc::UltimaEstrRSC(t), 300);
}

TEST(DistanceArchives, PrefixCheckRefusesWhatCannotBeExtended) {
  const auto e = prova::Sintetiche(50);
  const Archivio a = CostruisciArchivio(e);
  EXPECT_TRUE(Rsc::PrefissoValido(a, 50, CreaTutte(a)));
  // More draws than the archive.
  const Archivio corto = CostruisciArchivio(std::vector<Estrazione>(e.begin(), e.begin() + 40));
  EXPECT_FALSE(Rsc::PrefissoValido(corto, 40, CreaTutte(a)));
  // No draw covered.
  Rsc::Tabelle vuote;
  EXPECT_FALSE(Rsc::PrefissoValido(a, 50, vuote));
  // A date that disagrees.
  Rsc::Tabelle t = CreaTutte(a);
  t[3](20, 0, 1) = 3;
  EXPECT_FALSE(Rsc::PrefissoValido(a, 50, t));
}

TEST(DistanceArchiveFiles, MissingFilesAreRebuiltAndOldOnesExtended) {
  prova::CartellaTemporanea dir;
  const auto e = prova::Sintetiche(120);
  const Archivio corto = CostruisciArchivio(std::vector<Estrazione>(e.begin(), e.begin() + 117));
  const Archivio lungo = CostruisciArchivio(e);
  EXPECT_TRUE(Rsc::FileMancanti(dir.percorso()));

  auto prima = Rsc::Prepara(dir.percorso(), corto, 117);
  ASSERT_TRUE(prima.ok()) << prima.motivo();
  EXPECT_EQ(prima->azione, Rsc::Azione::Ricostruite);
  EXPECT_FALSE(Rsc::FileMancanti(dir.percorso()));

  auto invariata = Rsc::Prepara(dir.percorso(), corto, 117);
  ASSERT_TRUE(invariata.ok());
  EXPECT_EQ(invariata->azione, Rsc::Azione::Nessuna);

  auto estesa = Rsc::Prepara(dir.percorso(), lungo, 120);
  ASSERT_TRUE(estesa.ok());
  EXPECT_EQ(estesa->azione, Rsc::Azione::Estese);
  EXPECT_EQ(estesa->UltimaEstrRSC, 120);
  for (int k = 1; k <= 5; ++k) {
    const Archivio intera = Rsc::Crea_Archivio(lungo, k);
    const auto b = intera.bytes();
    EXPECT_EQ(Contenuto(dir.percorso() / Rsc::NomeFile(k)),
              std::string(reinterpret_cast<const char*>(b.data()), b.size()));
  }
}

TEST(DistanceArchiveFiles, DamagedSetsAreRebuiltInFull) {
  const auto e = prova::Sintetiche(60);
  const Archivio a = CostruisciArchivio(e);
  const Archivio meno = CostruisciArchivio(std::vector<Estrazione>(e.begin(), e.begin() + 55));
  struct Caso {
    const char* nome;
    std::function<void(const std::filesystem::path&)> danno;
  };
  const Caso casi[] = {
      {"file corto", [](const auto& d) { std::filesystem::resize_file(d / "Rsc3.dat", 1000); }},
      {"nessuna estrazione",
       [](const auto& d) { ASSERT_TRUE(Rsc::Scrivi(d, 1, Archivio()).ok()); }},
      {"troppe estrazioni",
       [&](const auto& d) {
         for (int k = 1; k <= 5; ++k) ASSERT_TRUE(Rsc::Scrivi(d, k, Rsc::Crea_Archivio(CostruisciArchivio(prova::Sintetiche(70)), k)).ok());
       }},
      {"date diverse",
       [&](const auto& d) {
         auto altre = prova::Sintetiche(55);
         altre[19].data.giorno += 1;
         for (int k = 1; k <= 5; ++k) ASSERT_TRUE(Rsc::Scrivi(d, k, Rsc::Crea_Archivio(CostruisciArchivio(altre), k)).ok());
       }},
  };
  for (const Caso& c : casi) {
    SCOPED_TRACE(c.nome);
    prova::CartellaTemporanea dir;
    ASSERT_TRUE(Rsc::Prepara(dir.percorso(), meno, 55).ok());
    c.danno(dir.percorso());
    auto r = Rsc::Prepara(dir.percorso(), a, 60);
    ASSERT_TRUE(r.ok()) << r.motivo();
    EXPECT_EQ(r->azione, Rsc::Azione::Ricostruite);
    EXPECT_EQ(r->tabelle, CreaTutte(a));
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

    const Archivio corto = CostruisciArchivio(std::vector<Estrazione>(e.begin(), e.end() - 25));
    Rsc::Tabelle estese = CreaTutte(corto);
    ASSERT_TRUE(Rsc::PrefissoValido(a, 4999, estese));
    Rsc::Estendi(a, estese);
    EXPECT_EQ(estese, t);
  }
}
