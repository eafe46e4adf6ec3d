#include "app/Inizio.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QDir>
#include <QLockFile>
#include <QMessageBox>
#include <QTest>
#include <fstream>
#include <functional>
#include <map>

#include "app/StartForm.h"
#include "core/file.h"
#include "core/rsc.h"
#include "support/cartella_temporanea.h"
#include "support/estrazioni_csv.h"
#include "support/leggi_file.h"
#include "ui/ServiziDiProva.h"

namespace {

const QString kArchivioMancante =
    QStringLiteral("Nella directory del programma \r\nnon è presente il file archivio.dat\r\n");
const QString kRscMancanti = QStringLiteral(
    "     ATTENZIONE, ARCHIVI RSC MANCANTI !!!!!     \r\n\r\n"
    "  Probabilmente è la prima esecuzione di Tarvolane\r\n\r\n"
    "  Il programma provvedera' a creare gli archivi necessari  \r\n\r\n"
    "  Successivamente saranno aggiornate solo le nuove estrazioni  \r\n\r\n");

std::string Bytes(const Archivio& a) {
  return std::string(reinterpret_cast<const char*>(a.bytes().data()), a.bytes().size());
}

std::map<std::string, std::string> Fotografia(const std::filesystem::path& dir) {
  std::map<std::string, std::string> out;
  for (const auto& v : std::filesystem::directory_iterator(dir))
    out[v.path().filename().string()] =
        v.is_regular_file() ? prova::Testo(v.path()) : "<cartella>";
  return out;
}

// A launch in a data folder of its own, with scripted services.
struct Lancio {
  explicit Lancio(const QString& nome = QStringLiteral("tarvolane")) : programma(stato) {
    ambiente.eseguibile = QString::fromStdString((cartella.percorso() / "bin").string()) + QLatin1Char('/') + nome;
    ambiente.cartellaDati = QString::fromStdString(cartella.percorso().string());
    ambiente.cartellaBlocco = QString::fromStdString((cartella.percorso() / "blocchi").string());
  }
  void scriviArchivio(const Archivio& a) {
    ASSERT_TRUE(file::ScriviAtomico(cartella.percorso() / "archivio.dat", Bytes(a)).ok());
  }
  // Runs the start-up to the end of the loading; the main window or nullptr.
  MDIForm1* avvia() {
    StartForm* avvio = Inizio::Main(programma, ambiente, blocco);
    if (!avvio) return nullptr;
    const bool riuscito = avvio->Form_Activate();
    MDIForm1* principale = avvio->principale();
    if (!riuscito) delete avvio;
    QCoreApplication::processEvents();
    if (principale) mPrincipale.reset(principale);
    return riuscito ? principale : nullptr;
  }
  ~Lancio() {
    if (mPrincipale) mPrincipale->setAttribute(Qt::WA_DeleteOnClose, false);
  }

  ui::ServiziDiProva servizi;
  prova::CartellaTemporanea cartella;
  Stato stato;
  Programma programma;
  Inizio::Ambiente ambiente;
  std::unique_ptr<QLockFile> blocco;
  std::unique_ptr<MDIForm1> mPrincipale;
};

}  // namespace

TEST(StartUp, MissingArchiveEndsWithItsMessageAndWritesNothing) {
  // Only a name that is not there at all is missing; anything else of that
  // name gets the reason every reader gives.
  const auto Motivo = [](const char* perche) {
    return QStringLiteral("impossibile leggere archivio.dat: ") + QString::fromUtf8(perche);
  };
  const struct {
    const char* cosa;
    std::function<void(const std::filesystem::path&)> fai;
    QString testo;
  } casi[] = {
      {"assente", [](const auto&) {}, kArchivioMancante},
      {"ciclo", [](const auto& f) { std::filesystem::create_symlink("archivio.dat", f); },
       Motivo("troppi livelli di collegamenti simbolici (forse un ciclo)")},
      {"collegamento rotto",
       [](const auto& f) { std::filesystem::create_symlink("altrove.dat", f); },
       Motivo("è un collegamento a un file inesistente")},
      {"FIFO", [](const auto& f) { ASSERT_EQ(::mkfifo(f.c_str(), 0600), 0); },
       Motivo("non è un file normale")},
      {"/dev/zero", [](const auto& f) { std::filesystem::create_symlink("/dev/zero", f); },
       Motivo("non è un file normale")},
      {"cartella", [](const auto& f) { std::filesystem::create_directory(f); },
       Motivo("è una cartella")},
  };
  for (const auto& c : casi) {
    SCOPED_TRACE(c.cosa);
    Lancio l;
    c.fai(l.cartella.percorso() / "archivio.dat");
    EXPECT_EQ(l.avvia(), nullptr);
    ASSERT_EQ(l.servizi.dialoghi.messaggi.size(), 1u);
    const auto& m = l.servizi.dialoghi.messaggi[0];
    EXPECT_EQ(m.testo.toStdString(), c.testo.toStdString());
    EXPECT_EQ(m.icona, ui::Icona::Critica);
    EXPECT_EQ(m.pulsanti, ui::Pulsanti::Ok);
    EXPECT_EQ(m.titolo, QStringLiteral("Tarvolane"));
    EXPECT_FALSE(std::filesystem::exists(l.cartella.percorso() / "Detector_Files"));
  }
}

TEST(StartUp, DamagedArchiveEndsWithTheFaultAndWritesNothing) {
  Lancio l;
  std::string b = Bytes(CostruisciArchivio(prova::Sintetiche(30)));
  b.resize(1234);
  ASSERT_TRUE(file::ScriviAtomico(l.cartella.percorso() / "archivio.dat", b).ok());
  const auto prima = Fotografia(l.cartella.percorso());
  EXPECT_EQ(l.avvia(), nullptr);
  EXPECT_EQ(l.servizi.dialoghi.testi(),
            (QStringList{"archivio.dat non valido: dimensione 1234 byte invece di 275000"}));
  EXPECT_EQ(l.servizi.dialoghi.messaggi[0].icona, ui::Icona::Critica);
  auto dopo = Fotografia(l.cartella.percorso());
  dopo.erase("blocchi");
  EXPECT_EQ(dopo, prima);
}

TEST(StartUp, SecondInstanceIsRefusedWithTheTitle) {
  for (const char* nome : {"tarvolane", "VeSpAnTe"}) {
    SCOPED_TRACE(nome);
    Lancio l(QString::fromLatin1(nome));
    l.scriviArchivio(CostruisciArchivio(prova::Sintetiche(30)));
    const QString titolo = QString::fromLatin1(nome) == QLatin1String("tarvolane") ? "Tarvolane" : "Vespante";
    QDir().mkpath(l.ambiente.cartellaBlocco);
    QLockFile primo(QDir(l.ambiente.cartellaBlocco).filePath(titolo + QStringLiteral(".lock")));
    ASSERT_TRUE(primo.tryLock(0));
    EXPECT_EQ(l.avvia(), nullptr);
    ASSERT_EQ(l.servizi.dialoghi.messaggi.size(), 1u);
    EXPECT_EQ(l.servizi.dialoghi.messaggi[0].testo, titolo + QStringLiteral(" già in esecuzione"));
    EXPECT_EQ(l.servizi.dialoghi.messaggi[0].titolo, titolo);
    EXPECT_EQ(l.servizi.dialoghi.messaggi[0].icona, ui::Icona::Critica);
  }
}

TEST(StartUp, FirstRunBuildsTheDistanceArchivesAndOpensTheMainWindow) {
  Lancio l(QStringLiteral("vespante"));
  const Archivio a = CostruisciArchivio(prova::Sintetiche(4999));
  l.scriviArchivio(a);
  MDIForm1* m = l.avvia();
  ASSERT_NE(m, nullptr);
  EXPECT_EQ(m->windowTitle(), QStringLiteral("Vespante"));
  ASSERT_EQ(l.servizi.dialoghi.messaggi.size(), 1u);
  EXPECT_EQ(l.servizi.dialoghi.messaggi[0].testo, QString(kRscMancanti).replace("Tarvolane", "Vespante"));
  EXPECT_EQ(l.servizi.dialoghi.messaggi[0].icona, ui::Icona::Critica);
  EXPECT_TRUE(std::filesystem::is_directory(l.cartella.percorso() / "Detector_Files"));
  for (int k = 1; k <= 5; ++k)
    EXPECT_EQ(prova::Testo(l.cartella.percorso() / Rsc::NomeFile(k)),
              Bytes(Rsc::Crea_Archivio(a, k)));
  EXPECT_EQ(l.stato.TotEstrazioni(), 4999);
  EXPECT_EQ(l.stato.UltimaEstrRSC, 4999);
  EXPECT_EQ(l.stato.EstrInizio, 1);
  EXPECT_EQ(l.stato.EstrFine, 4999);
  EXPECT_EQ(l.stato.classi.TabFigure[9][10], 90);
}

TEST(StartUp, OneMissingDistanceFileRebuildsAllFiveOnce) {
  Lancio l;
  const Archivio a = CostruisciArchivio(prova::Sintetiche(200));
  l.scriviArchivio(a);
  for (int k = 1; k <= 5; ++k) {
    Archivio vecchia = Rsc::Crea_Archivio(a, k);
    vecchia(100, 3, 3) ^= 1;  // a stale value that only a full build mends
    ASSERT_TRUE(Rsc::Scrivi(l.cartella.percorso(), k, vecchia).ok());
  }
  std::filesystem::remove(l.cartella.percorso() / "Rsc3.dat");
  ASSERT_NE(l.avvia(), nullptr);
  EXPECT_EQ(l.servizi.dialoghi.messaggi.size(), 1u);
  for (int k = 1; k <= 5; ++k)
    EXPECT_EQ(prova::Testo(l.cartella.percorso() / Rsc::NomeFile(k)),
              Bytes(Rsc::Crea_Archivio(a, k)));
}

TEST(StartUp, NewerDrawsExtendTheDistanceArchivesWithoutAMessage) {
  Lancio l;
  const auto e = prova::Sintetiche(203);
  const Archivio corto = CostruisciArchivio(std::vector<Estrazione>(e.begin(), e.begin() + 200));
  for (int k = 1; k <= 5; ++k) ASSERT_TRUE(Rsc::Scrivi(l.cartella.percorso(), k, Rsc::Crea_Archivio(corto, k)).ok());
  const Archivio a = CostruisciArchivio(e);
  l.scriviArchivio(a);
  ASSERT_NE(l.avvia(), nullptr);
  EXPECT_TRUE(l.servizi.dialoghi.messaggi.empty());
  EXPECT_EQ(l.stato.UltimaEstrRSC, 203);
  EXPECT_EQ(l.stato.TabelleRSC[4], Rsc::Crea_Archivio(a, 5));
  EXPECT_EQ(prova::Testo(l.cartella.percorso() / "Rsc5.dat"),
            Bytes(Rsc::Crea_Archivio(a, 5)));
}

TEST(StartUp, ExistingDetectorFolderIsLeftAlone) {
  Lancio l;
  l.scriviArchivio(CostruisciArchivio(prova::Sintetiche(20)));
  std::filesystem::create_directory(l.cartella.percorso() / "Detector_Files");
  std::ofstream(l.cartella.percorso() / "Detector_Files" / "metodo.mdd") << "x";
  ASSERT_NE(l.avvia(), nullptr) << l.servizi.dialoghi.testi().join("|").toStdString();
  EXPECT_TRUE(std::filesystem::exists(l.cartella.percorso() / "Detector_Files" / "metodo.mdd"));
}

TEST(StartUp, StaleDistanceFilesAndInterruptedWritesAreMendedWithoutAMessage) {
  Lancio l;
  const auto e = prova::Sintetiche(120);
  const Archivio a = CostruisciArchivio(e);
  l.scriviArchivio(a);
  // Files of the same dates but older numbers: a close that was cut short.
  Archivio prima = a;
  prima(90, 4, 2) = prima(90, 4, 2) % 90 + 1;
  for (int k = 1; k <= 5; ++k) ASSERT_TRUE(Rsc::Scrivi(l.cartella.percorso(), k, Rsc::Crea_Archivio(prima, k)).ok());
  for (const char* resto : {".archivio.dat.AbCdEf.tarvolane-tmp", ".Rsc2.dat.123456.tarvolane-tmp"})
    ASSERT_TRUE(file::ScriviAtomico(l.cartella.percorso() / resto, std::string_view("mezzo")).ok());
  ASSERT_NE(l.avvia(), nullptr);
  EXPECT_TRUE(l.servizi.dialoghi.messaggi.empty());
  for (int k = 1; k <= 5; ++k) {
    EXPECT_EQ(l.stato.TabelleRSC[k - 1], Rsc::Crea_Archivio(a, k));
    EXPECT_EQ(prova::Testo(l.cartella.percorso() / Rsc::NomeFile(k)),
              Bytes(Rsc::Crea_Archivio(a, k)));
  }
  EXPECT_FALSE(
      std::filesystem::exists(l.cartella.percorso() / ".archivio.dat.AbCdEf.tarvolane-tmp"));
  EXPECT_FALSE(std::filesystem::exists(l.cartella.percorso() / ".Rsc2.dat.123456.tarvolane-tmp"));
}

TEST(StartUp, UnwritableDistanceFilesAreSaidOnceAndTheProgramGoesOn) {
  for (bool mancanti : {true, false}) {
    SCOPED_TRACE(mancanti ? "file mancanti" : "file da estendere");
    Lancio l;
    const auto e = prova::Sintetiche(60);
    const Archivio a = CostruisciArchivio(e);
    l.scriviArchivio(a);
    const Archivio corto = CostruisciArchivio(std::vector<Estrazione>(e.begin(), e.begin() + 50));
    for (int k = 1; k <= 5; ++k) {
      const auto f = l.cartella.percorso() / Rsc::NomeFile(k);
      if (mancanti && k == 4) continue;
      ASSERT_TRUE(Rsc::Scrivi(l.cartella.percorso(), k, Rsc::Crea_Archivio(corto, k)).ok());
      std::filesystem::permissions(f, std::filesystem::perms::owner_read);
    }
    const auto disco = Fotografia(l.cartella.percorso());
    MDIForm1* m = l.avvia();
    ASSERT_NE(m, nullptr);
    const QStringList testi = l.servizi.dialoghi.testi();
    ASSERT_EQ(testi.size(), mancanti ? 2 : 1);
    if (mancanti) {
      EXPECT_EQ(testi[0], kRscMancanti);
    }
    EXPECT_TRUE(testi.back().startsWith(QStringLiteral("impossibile scrivere Rsc1.dat"))) << testi.back().toStdString();
    for (int k = 1; k <= 5; ++k) EXPECT_EQ(l.stato.TabelleRSC[k - 1], Rsc::Crea_Archivio(a, k));
    auto dopo = Fotografia(l.cartella.percorso());
    dopo.erase("blocchi");
    dopo.erase("Detector_Files");
    EXPECT_EQ(dopo, disco);
  }
}

TEST(StartUp, DistanceFilesThatAreLinksAreReplacedAndWhatTheyLeadToIsLeftAlone) {
  // Rsc3.dat -> archivio.dat, Rsc2.dat -> a user's file elsewhere, Rsc4.dat ->
  // a user's copy of the right table; with and without a missing file.
  for (bool mancanti : {false, true}) {
    SCOPED_TRACE(mancanti ? "file mancanti" : "file presenti");
    Lancio l;
    prova::CartellaTemporanea altrove;
    const auto d = l.cartella.percorso();
    const Archivio a = CostruisciArchivio(prova::Sintetiche(80));
    l.scriviArchivio(a);
    for (int k : {1, 5}) {
      if (!mancanti || k == 1) {
        ASSERT_TRUE(Rsc::Scrivi(d, k, Rsc::Crea_Archivio(a, k)).ok());
      }
    }
    ASSERT_TRUE(
        file::ScriviAtomico(altrove.percorso() / "mio.dat", std::string_view("del giocatore")));
    ASSERT_TRUE(
        file::ScriviAtomico(altrove.percorso() / "copia.dat", Bytes(Rsc::Crea_Archivio(a, 4))));
    std::filesystem::create_symlink("archivio.dat", d / "Rsc3.dat");
    std::filesystem::create_symlink(altrove.percorso() / "mio.dat", d / "Rsc2.dat");
    std::filesystem::create_symlink(altrove.percorso() / "copia.dat", d / "Rsc4.dat");
    ASSERT_NE(l.avvia(), nullptr);
    EXPECT_EQ(l.servizi.dialoghi.testi(), mancanti ? QStringList{kRscMancanti} : QStringList{});
    EXPECT_EQ(prova::Testo(d / "archivio.dat"), Bytes(a));
    EXPECT_EQ(l.stato.ArchivioEstrazioni, a);
    EXPECT_EQ(prova::Testo(altrove.percorso() / "mio.dat"), "del giocatore");
    EXPECT_EQ(prova::Testo(altrove.percorso() / "copia.dat"),
              Bytes(Rsc::Crea_Archivio(a, 4)));
    for (int k = 1; k <= 5; ++k) {
      SCOPED_TRACE(k);
      EXPECT_TRUE(
          std::filesystem::is_regular_file(std::filesystem::symlink_status(d / Rsc::NomeFile(k))));
      EXPECT_EQ(prova::Testo(d / Rsc::NomeFile(k)), Bytes(Rsc::Crea_Archivio(a, k)));
    }
  }
}
