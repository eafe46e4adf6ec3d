#include "forecast/MetodiD.h"

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QTabBar>

#include "core/file.h"
#include "core/testo.h"
#include "detector_prova.h"
#include "methods/Metodi.h"
#include "support/leggi_file.h"
#include "support/programma_di_prova.h"
#include "support/valore.h"
#include "ui/PannelloTesto.h"
#include "ui/Testo.h"

namespace {

// The program on the detector's hand-built draws (December 1998 to
// February 2000) and the detector, opened from the main window's menu.
struct Aperto {
  Aperto() : p(prova::EstrazioniDetector()) {
    p.principale().mnuPrevMetodiD_Click();
    f = p.principale().finestre().trova<MetodiD>();
  }
  // Target month and year as the user picks them (list positions).
  void Scegli(int mese, int anno) {
    f->CmbAnno[0]->setCurrentIndex(anno);
    f->CmbMese[0]->setCurrentIndex(mese);
  }
  // What the model finds for January 2000 on BARI, fifth extract.
  Detector::Rilevamento Gennaio2000() const {
    return prova::Valore(Detector::Elabora_Previsioni(p.stato.ArchivioEstrazioni, p.stato.indici,
                                                      32, {1, 5, 1, 2000}, "Tarvolane"));
  }
  std::filesystem::path Cartella() const { return p.stato.CartellaDati / "Detector_Files"; }
  QStringList Messaggi() const { return p.servizi.dialoghi.testi(); }

  prova::ProgrammaDiProva p;
  MetodiD* f = nullptr;
};

QString Testo(const std::vector<std::string>& righe) {
  QString t;
  for (const auto& r : righe) t += ui::Q(r) + QLatin1Char('\n');
  return t;
}

}  // namespace

TEST(MethodDetector, OpensOnTheLastDrawsMonthWithOnlyRunAndExitUsable) {
  Aperto a;
  ASSERT_NE(a.f, nullptr);
  EXPECT_TRUE(a.p.principale().voci["BtnMetodiD"]->isEnabled());
  EXPECT_FALSE(a.p.principale().PicLimiti->isVisible());
  EXPECT_EQ(a.f->CmbMese[0]->currentText(), QStringLiteral("FEBBRAIO"));
  EXPECT_EQ(a.f->CmbAnno[0]->currentText(), QStringLiteral("2000"));
  EXPECT_TRUE(a.f->OptRuota[1]->isChecked() && a.f->OptRuota[11]->isHidden());
  EXPECT_EQ(a.f->PosizioneEstratto, 5);
  for (int i = 0; i <= 5; ++i) EXPECT_EQ(a.f->Cmd[i]->isEnabled(), i < 2) << i;
  EXPECT_FALSE(a.f->Frame3->isEnabled());
  EXPECT_EQ(a.f->Panel1->text(),
            QStringLiteral("Archivio : da Sab 05/12/1998 a Sab 05/02/2000 ( 32 Estrazioni )"));

  // The last year cannot show a month after the last draw's.
  QComboBox* mese = a.f->CmbMese[0];
  mese->setCurrentIndex(5);
  EXPECT_EQ(mese->currentIndex(), 1);
  a.f->CmbAnno[0]->setCurrentIndex(1);
  mese->setCurrentIndex(11);
  EXPECT_EQ(mese->currentIndex(), 11);
  a.f->CmbAnno[0]->setCurrentIndex(2);
  EXPECT_EQ(mese->currentIndex(), 1);

  a.f->Cmd[1]->click();
  QCoreApplication::processEvents();
  EXPECT_EQ(a.p.principale().finestre().trova<MetodiD>(), nullptr);
  EXPECT_TRUE(a.p.principale().PicLimiti->isVisible());
}

TEST(MethodDetector, RunShowsTheReportWhichSavesAndPrintsUnderTheTitle) {
  Aperto a;
  // A refused run changes nothing.
  a.Scegli(11, 0);
  a.f->Cmd[0]->click();
  EXPECT_EQ(a.Messaggi(),
            QStringList{QStringLiteral("Non si possono avere previsioni per l'anno 1945")});
  EXPECT_EQ(a.p.servizi.dialoghi.messaggi[0].icona, ui::Icona::Critica);
  EXPECT_TRUE(a.f->Tx->testo().isEmpty());
  EXPECT_FALSE(a.f->Cmd[2]->isEnabled() || a.f->Cmd[4]->isEnabled());

  a.Scegli(0, 2);
  a.f->Cmd[0]->click();
  const auto rapporto = a.Gennaio2000().rapporto;
  EXPECT_EQ(a.f->Tx->testo(), Testo(rapporto));
  for (int i = 0; i <= 5; ++i) EXPECT_TRUE(a.f->Cmd[i]->isEnabled()) << i;
  EXPECT_EQ(a.Messaggi().size(), 1);

  const auto percorso = a.p.cartella.percorso() / "Detector.txt";
  a.p.servizi.dialoghi.file = {ui::Q(percorso.string())};
  a.f->Cmd[2]->click();
  EXPECT_EQ(prova::Testo(percorso),
            testo::CodificaRighe(Detector::RigheOutput("Tarvolane", rapporto)));
  EXPECT_EQ(a.p.servizi.dialoghi.dialoghiFile.back().nome, QStringLiteral("Detector.txt"));
  a.f->Cmd[3]->click();
  ASSERT_EQ(a.p.servizi.stampante.documenti.size(), 1u);
  EXPECT_EQ(a.p.servizi.stampante.documenti[0].righe.mid(0, 3),
            (QStringList{QStringLiteral("TARVOLANE"), QString(),
                         QStringLiteral("Tarvolane - Method Detector")}));
}

TEST(MethodDetector, CtrlAltTShowsTheRunsTimes) {
  Aperto a;
  a.f->Form_KeyDown(84, 6);
  a.f->Cmd[0]->click();
  ASSERT_EQ(a.Messaggi().size(), 1);
  const QRegularExpression tempi(
      QStringLiteral("^Inizio : (\\d\\d:){2}\\d\\d\r\n\r\nStep 1 : (\\d\\d:){2}\\d\\d\r\n\r\n"
                     "Step 2 : (\\d\\d:){2}\\d\\d\r\n$"));
  EXPECT_TRUE(tempi.match(a.Messaggi()[0]).hasMatch()) << a.Messaggi()[0].toStdString();
  a.f->Form_KeyDown(84, 6);
  a.f->Cmd[0]->click();
  EXPECT_EQ(a.Messaggi().size(), 1);
}

TEST(MethodDetector, SavesTheRunsOwnMethodAndListsItForLaterMonths) {
  Aperto a;
  a.Scegli(0, 2);
  a.f->Cmd[0]->click();
  // The controls change after the run: the files still hold the run's method.
  a.f->OptRuota[8]->setChecked(true);
  a.f->OptEstratto[2]->setChecked(true);
  a.f->CmbMese[0]->setCurrentIndex(1);
  a.f->Cmd[4]->click();
  a.f->Cmd[5]->click();
  const std::string atteso = Detector::FileMetodo(a.Gennaio2000());
  EXPECT_EQ(prova::Testo(a.Cartella() / "BA5200001.mdd"), atteso);
  EXPECT_EQ(prova::Testo(a.Cartella() / "BA5200001.mtd"), atteso);
  EXPECT_EQ(a.Messaggi(), QStringList(2, QStringLiteral("Creazione Metodo Eseguita")));
  EXPECT_EQ(a.p.servizi.dialoghi.messaggi[0].icona, ui::Icona::Esclamativa);

  // ROMA has no method; BARI lists January for February, not for January.
  EXPECT_FALSE(a.f->Frame3->isEnabled());
  a.f->OptRuota[1]->setChecked(true);
  EXPECT_EQ(a.f->CmbMdd->currentText(), QStringLiteral("GENNAIO 2000"));
  EXPECT_EQ(a.f->CmbMdd->count(), 1);
  EXPECT_TRUE(a.f->Frame3->isEnabled());
  a.f->CmbMese[0]->setCurrentIndex(0);
  EXPECT_EQ(a.f->CmbMdd->count(), 0);

  // Where the folder cannot be written: the reason, and no confirmation.
  std::filesystem::remove_all(a.Cartella());
  ASSERT_TRUE(file::ScriviAtomico(a.Cartella(), std::string_view("non una cartella")));
  a.p.servizi.dialoghi.messaggi.clear();
  a.f->Cmd[4]->click();
  ASSERT_EQ(a.Messaggi().size(), 1);
  EXPECT_NE(a.Messaggi()[0], QStringLiteral("Creazione Metodo Eseguita"));
  EXPECT_EQ(a.p.servizi.dialoghi.messaggi[0].icona, ui::Icona::Critica);
}

TEST(MethodDetector, ItsMethodFileOpensAndRunsInTheLottoTester) {
  Aperto a;
  a.Scegli(0, 2);
  a.f->Cmd[0]->click();
  a.f->Cmd[5]->click();  // "Crea &Mtd": BA5200001.mtd
  a.p.principale().mnuPrevMetodiT_Click();
  Metodi* m = a.p.principale().finestre().trova<Metodi>();
  ASSERT_NE(m, nullptr);
  a.p.servizi.dialoghi.messaggi.clear();
  a.p.servizi.dialoghi.file.push_back(ui::Q((a.Cartella() / "BA5200001.mtd").string()));
  m->Cmd_Click(5);
  EXPECT_TRUE(a.Messaggi().isEmpty()) << ui::S(a.Messaggi().join("|"));
  EXPECT_EQ(m->windowTitle(), QStringLiteral("BA5200001"));
  EXPECT_TRUE(m->OptUltCic[1]->isChecked());
  EXPECT_EQ(m->TxtColpi->currentText(), QStringLiteral("8  "));
  EXPECT_FALSE(m->CkInterrompi->isChecked());
  EXPECT_TRUE(m->CheckRuota[1]->isChecked());
  const Detector::Rilevamento r = a.Gennaio2000();
  ASSERT_EQ(m->ListPro->count(), 2);
  EXPECT_EQ(ui::S(m->ListPro->item(0)->text()), Detector::RigheMetodo(r)[1]);
  EXPECT_EQ(ui::S(m->ListPro->item(1)->text()), Detector::RigheMetodo(r)[2]);
  m->TbMet->setCurrentIndex(1);
  m->Cmd_Click(0);
  EXPECT_TRUE(a.Messaggi().isEmpty()) << ui::S(a.Messaggi().join("|"));
  EXPECT_NE(m->Testo().find("Totale Cicli di gioco.....: "), std::string::npos);
}
