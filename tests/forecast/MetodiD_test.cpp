#include "forecast/MetodiD.h"

#include <gtest/gtest.h>

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QMdiSubWindow>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>

#include "core/file.h"
#include "core/testo.h"
#include "detector_prova.h"
#include "support/programma_di_prova.h"
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
    auto r = Detector::Elabora_Previsioni(p.stato.ArchivioEstrazioni, p.stato.indici, 32,
                                          {1, 5, 1, 2000}, "Tarvolane");
    EXPECT_TRUE(r) << r.motivo();
    return *r;
  }
  std::filesystem::path Cartella() const { return p.stato.CartellaDati / "Detector_Files"; }
  QStringList Messaggi() const { return p.servizi.dialoghi.testi(); }
  QStringList Elenco() const {
    QStringList voci;
    for (int i = 0; i < f->CmbMdd->count(); ++i) voci << f->CmbMdd->itemText(i);
    return voci;
  }

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
  EXPECT_TRUE(a.p.principale().voci["mnuPrevMetodiD"]->isEnabled());
  EXPECT_TRUE(a.p.principale().voci["BtnMetodiD"]->isEnabled());
  EXPECT_EQ(a.f->windowTitle(), QStringLiteral("Method Detector"));
  EXPECT_FALSE(a.p.principale().PicLimiti->isVisible());
  EXPECT_EQ(a.f->UltimaEstrazione, 32);
  EXPECT_EQ(a.f->CmbMese[0]->count(), 12);
  EXPECT_EQ(a.f->CmbMese[0]->currentText(), QStringLiteral("FEBBRAIO"));
  EXPECT_EQ(a.f->CmbAnno[0]->count(), 3);
  EXPECT_EQ(a.f->CmbAnno[0]->currentText(), QStringLiteral("2000"));
  EXPECT_TRUE(a.f->OptRuota[1]->isChecked());
  EXPECT_TRUE(a.f->OptRuota[11]->isHidden());
  EXPECT_TRUE(a.f->OptEstratto[5]->isChecked());
  EXPECT_EQ(a.f->PosizioneEstratto, 5);
  for (int i = 0; i <= 5; ++i) EXPECT_EQ(a.f->Cmd[i]->isEnabled(), i < 2) << i;
  EXPECT_FALSE(a.f->Frame3->isEnabled());
  EXPECT_EQ(a.f->Panel1->text(),
            QStringLiteral("Archivio : da Sab 05/12/1998 a Sab 05/02/2000 ( 32 Estrazioni )"));

  a.f->OptEstratto[2]->setChecked(true);
  EXPECT_EQ(a.f->PosizioneEstratto, 2);
  a.f->Cmd[1]->click();
  QCoreApplication::processEvents();
  EXPECT_EQ(a.p.principale().finestre().trova<MetodiD>(), nullptr);
  EXPECT_TRUE(a.p.principale().PicLimiti->isVisible());
}

TEST(MethodDetector, LastYearCannotShowAMonthAfterTheLastDraw) {
  Aperto a;
  QComboBox* mese = a.f->CmbMese[0];
  mese->setCurrentIndex(5);  // GIUGNO 2000
  EXPECT_EQ(mese->currentIndex(), 1);
  mese->setCurrentIndex(0);
  EXPECT_EQ(mese->currentIndex(), 0);
  a.f->CmbAnno[0]->setCurrentIndex(1);  // 1999: any month
  mese->setCurrentIndex(11);
  EXPECT_EQ(mese->currentIndex(), 11);
  a.f->CmbAnno[0]->setCurrentIndex(2);  // back to 2000: December snaps back
  EXPECT_EQ(mese->currentIndex(), 1);
}

TEST(MethodDetector, RunShowsTheReportAndTheTimesOnlyWhenAsked) {
  Aperto a;
  a.Scegli(0, 2);
  a.f->Cmd[0]->click();
  EXPECT_EQ(a.f->Tx->toPlainText(), Testo(a.Gennaio2000().rapporto));
  for (int i = 0; i <= 5; ++i) EXPECT_TRUE(a.f->Cmd[i]->isEnabled()) << i;
  EXPECT_TRUE(a.Messaggi().isEmpty());

  a.f->Form_KeyDown(84, 6);
  a.f->Cmd[0]->click();
  ASSERT_EQ(a.Messaggi().size(), 1);
  const QRegularExpression tempi(
      QStringLiteral("^Inizio : \\d\\d:\\d\\d:\\d\\d\r\n\r\nStep 1 : "
                     "\\d\\d:\\d\\d:\\d\\d\r\n\r\nStep 2 : \\d\\d:\\d\\d:\\d\\d\r\n$"));
  EXPECT_TRUE(tempi.match(a.Messaggi()[0]).hasMatch()) << a.Messaggi()[0].toStdString();
  EXPECT_EQ(a.p.servizi.dialoghi.messaggi[0].icona, ui::Icona::Nessuna);

  a.f->Form_KeyDown(84, 2);  // Ctrl+T alone changes nothing
  a.f->Form_KeyDown(84, 6);
  a.f->Cmd[0]->click();
  EXPECT_EQ(a.Messaggi().size(), 1);
}

TEST(MethodDetector, RefusedRunChangesNothing) {
  Aperto a;
  const struct {
    int mese, anno;
    QString motivo;
  } casi[] = {
      {11, 0, QStringLiteral("Non si possono avere previsioni per l'anno 1945")},
      {10, 1, QStringLiteral("Nell'archivio non ci sono estrazioni di NOVEMBRE 1998")},
  };
  for (const auto& c : casi) {
    SCOPED_TRACE(c.motivo.toStdString());
    a.p.servizi.dialoghi.messaggi.clear();
    a.Scegli(c.mese, c.anno);
    a.f->Cmd[0]->click();
    ASSERT_EQ(a.Messaggi(), QStringList{c.motivo});
    EXPECT_EQ(a.p.servizi.dialoghi.messaggi[0].icona, ui::Icona::Critica);
    EXPECT_TRUE(a.f->Tx->toPlainText().isEmpty());
    EXPECT_FALSE(a.f->Cmd[2]->isEnabled());
    EXPECT_FALSE(a.f->Cmd[4]->isEnabled());
  }
}

TEST(MethodDetector, SavesTheRunsOwnMethodAndListsItForLaterMonths) {
  Aperto a;
  a.Scegli(0, 2);
  a.f->Cmd[0]->click();
  // The controls change after the run: the files still hold the run's method.
  a.f->OptRuota[8]->setChecked(true);
  a.f->OptEstratto[2]->setChecked(true);
  a.f->CmbMese[0]->setCurrentIndex(1);
  ASSERT_FALSE(std::filesystem::exists(a.Cartella()));
  a.f->Cmd[4]->click();
  a.f->Cmd[5]->click();
  const std::string atteso = Detector::FileMetodo(a.Gennaio2000());
  EXPECT_EQ(*file::LeggiTesto(a.Cartella() / "BA5200001.mdd"), atteso);
  EXPECT_EQ(*file::LeggiTesto(a.Cartella() / "BA5200001.mtd"), atteso);
  EXPECT_EQ(a.Messaggi(), (QStringList{QStringLiteral("Creazione Metodo Eseguita"),
                                       QStringLiteral("Creazione Metodo Eseguita")}));
  EXPECT_EQ(a.p.servizi.dialoghi.messaggi[0].icona, ui::Icona::Esclamativa);

  // ROMA has no method; BARI lists January for February.
  EXPECT_FALSE(a.f->Frame3->isEnabled());
  a.f->OptRuota[1]->setChecked(true);
  EXPECT_EQ(a.Elenco(), QStringList{QStringLiteral("GENNAIO 2000")});
  EXPECT_EQ(a.f->CmbMdd->currentIndex(), 0);
  EXPECT_TRUE(a.f->Frame3->isEnabled());
  a.f->CmbMese[0]->setCurrentIndex(0);
  EXPECT_TRUE(a.Elenco().isEmpty());
  EXPECT_FALSE(a.f->Frame3->isEnabled());
}

TEST(MethodDetector, FailedSaveShowsTheReasonAndNoConfirmation) {
  Aperto a;
  ASSERT_TRUE(file::ScriviAtomico(a.Cartella(), std::string_view("non una cartella")));
  a.Scegli(0, 2);
  a.f->Cmd[0]->click();
  a.f->Cmd[4]->click();
  ASSERT_EQ(a.Messaggi().size(), 1);
  EXPECT_NE(a.Messaggi()[0], QStringLiteral("Creazione Metodo Eseguita"));
  EXPECT_EQ(a.p.servizi.dialoghi.messaggi[0].icona, ui::Icona::Critica);
  EXPECT_EQ(*file::LeggiTesto(a.Cartella()), "non una cartella");
}

TEST(MethodDetector, SavesAndPrintsTheReportUnderTheTitle) {
  Aperto a;
  a.Scegli(0, 2);
  a.f->Cmd[0]->click();
  const auto righe = Detector::RigheOutput("Tarvolane", a.Gennaio2000().rapporto);

  const auto percorso = a.p.cartella.percorso() / "Detector.txt";
  a.p.servizi.dialoghi.file = {QString(), ui::Q(percorso.string())};
  a.f->Cmd[2]->click();  // cancelled: nothing written
  EXPECT_FALSE(std::filesystem::exists(percorso));
  a.f->Cmd[2]->click();
  EXPECT_EQ(*file::LeggiTesto(percorso), testo::CodificaRighe(righe));
  const ui::DialogoFile& d = a.p.servizi.dialoghi.dialoghiFile.back();
  EXPECT_EQ(d.filtro, QStringLiteral("File di Output (*.txt)|*.txt"));
  EXPECT_EQ(d.estensione, QStringLiteral(".txt"));
  EXPECT_EQ(d.nome, QStringLiteral("Detector"));

  a.f->Cmd[3]->click();
  ASSERT_EQ(a.p.servizi.stampante.documenti.size(), 1u);
  const QStringList& stampate = a.p.servizi.stampante.documenti[0].righe;
  EXPECT_EQ(stampate.mid(0, 3), (QStringList{QStringLiteral("TARVOLANE"), QString(),
                                             QStringLiteral("Tarvolane - Method Detector")}));
  a.p.servizi.stampante.presente = false;
  a.f->Cmd[3]->click();
  EXPECT_EQ(a.Messaggi(), QStringList{QStringLiteral("NESSUNA STAMPANTE INSTALLATA ")});
}
