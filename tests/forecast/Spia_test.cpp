#include "forecast/Spia.h"

#include <gtest/gtest.h>

#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTest>

#include "core/file.h"
#include "core/indici.h"
#include "core/testo.h"
#include "forecast/spia.h"
#include "support/programma_di_prova.h"
#include "ui/Testo.h"

namespace ns = NumeriSpia;

namespace {

struct Aperto {
  explicit Aperto(int estrazioni = 150) : p(prova::Sintetiche(estrazioni)) {
    p.principale().MnuPrevSpia_Click();
    f = p.principale().finestre().trova<Spia>();
  }
  QString Testo(const std::vector<std::string>& righe) const {
    QString t;
    for (const std::string& r : righe) t += ui::Q(r) + QLatin1Char('\n');
    return t;
  }
  QString Periodo(int inizio, int fine) const {
    return ui::Q(Inizio::Descrivi_Periodo(p.stato.ArchivioEstrazioni, inizio, fine));
  }

  prova::ProgrammaDiProva p;
  Spia* f = nullptr;
};

}  // namespace

TEST(Spia, OpensOnBariSpyOneWithPrintAndSaveOff) {
  Aperto a;
  MDIForm1& m = a.p.principale();
  ASSERT_NE(a.f, nullptr);
  Spia& f = *a.f;
  EXPECT_TRUE(m.voci[QStringLiteral("MnuPrevSpia")]->isEnabled());
  EXPECT_TRUE(m.voci[QStringLiteral("BtnSpia")]->isEnabled());
  m.Toolbar1_ButtonClick(QStringLiteral("BtnSpia"));
  EXPECT_EQ(m.finestre().aperte().size(), 1);
  EXPECT_EQ(f.windowTitle(), QStringLiteral("Numeri Spia"));
  EXPECT_TRUE(f.OptRuota[1]->isChecked());
  EXPECT_EQ(f.OptRuota[10]->text(), QStringLiteral("VENEZIA"));
  EXPECT_EQ(f.OptRuota[11]->text(), QStringLiteral("TUTTE"));
  EXPECT_TRUE(f.OptRuota[11]->isHidden());
  EXPECT_EQ(f.LbNum->text(), QStringLiteral("1"));
  EXPECT_EQ(f.UpDNum->pageStep(), 9);
  EXPECT_FALSE(f.Cmd[2]->isEnabled());
  EXPECT_FALSE(f.Cmd[3]->isEnabled());
  EXPECT_TRUE(f.CmdRep->isHidden());
  EXPECT_TRUE(f.Text1->toPlainText().isEmpty());
  EXPECT_EQ(f.Panel1->text(), a.Periodo(1, 150));

  // Paging runs 1, 10, 20 ... and back to 1.
  f.UpDNum->triggerAction(QAbstractSlider::SliderPageStepAdd);
  EXPECT_EQ(f.NumeroSpia, 10);
  EXPECT_EQ(f.LbNum->text(), QStringLiteral("10"));
  f.UpDNum->triggerAction(QAbstractSlider::SliderPageStepAdd);
  EXPECT_EQ(f.NumeroSpia, 20);
  f.UpDNum->triggerAction(QAbstractSlider::SliderPageStepSub);
  f.UpDNum->triggerAction(QAbstractSlider::SliderPageStepSub);
  EXPECT_EQ(f.NumeroSpia, 1);
  EXPECT_EQ(f.UpDNum->pageStep(), 9);
  f.OptRuota[4]->click();
  EXPECT_EQ(f.Ruota, 4);

  // Ctrl+Alt+T shows and hides the all-numbers button; other keys do not.
  f.Form_KeyDown(84, 2);
  EXPECT_TRUE(f.CmdRep->isHidden());
  f.Form_KeyDown(84, 6);
  EXPECT_FALSE(f.CmdRep->isHidden());
  f.Form_KeyDown(84, 6);
  EXPECT_TRUE(f.CmdRep->isHidden());

  f.Cmd[1]->click();
  QCoreApplication::processEvents();
  EXPECT_EQ(m.finestre().trova<Spia>(), nullptr);
}

TEST(Spia, ReportIsShownPrintedAndSaved) {
  Aperto a;
  Spia& f = *a.f;
  f.OptRuota[3]->click();
  f.UpDNum->setValue(7);
  a.p.programma.impostaRange(20, 150);
  f.Cmd[0]->click();
  const Archivio& ar = a.p.stato.ArchivioEstrazioni;
  const auto righe = ns::Rapporto(ar, *ns::Elabora_Spia(ar, 3, 7, 20, 150), "Tarvolane");
  EXPECT_EQ(f.Righe(), righe);
  EXPECT_EQ(f.Text1->toPlainText(), a.Testo(righe));
  EXPECT_EQ(f.Panel1->text(), a.Periodo(20, 150));
  EXPECT_TRUE(f.Cmd[2]->isEnabled());
  EXPECT_TRUE(f.Cmd[3]->isEnabled());

  f.Cmd[2]->click();
  ASSERT_EQ(a.p.servizi.stampante.documenti.size(), 1u);
  EXPECT_EQ(a.p.servizi.stampante.documenti[0].righe.size(), static_cast<qsizetype>(righe.size()));
  EXPECT_EQ(a.p.servizi.stampante.documenti[0].punti, 10);
  a.p.servizi.stampante.presente = false;
  f.Cmd[2]->click();
  EXPECT_EQ(a.p.servizi.dialoghi.testi(),
            QStringList{QStringLiteral("NESSUNA STAMPANTE INSTALLATA ")});

  // Saved: the title in capitals, an empty line, the pane's lines and one
  // more line end; a cancelled dialog writes nothing.
  const auto percorso = a.p.cartella.percorso() / "spia.txt";
  a.p.servizi.dialoghi.file = {QString(), QString::fromStdString(percorso.string())};
  f.Cmd[3]->click();
  EXPECT_FALSE(std::filesystem::exists(percorso));
  f.Cmd[3]->click();
  const auto& d = a.p.servizi.dialoghi.dialoghiFile.back();
  EXPECT_EQ(d.filtro, QStringLiteral("File di Output (*.txt)|*.txt"));
  EXPECT_EQ(d.estensione, QStringLiteral(".txt"));
  EXPECT_EQ(d.nome, QStringLiteral("Numeri Spia"));
  std::string attesi = "TARVOLANE\r\n\r\n";
  for (const std::string& r : righe) attesi += r + "\r\n";
  attesi += "\r\n";
  const auto letti = file::LeggiBinario(percorso);
  ASSERT_TRUE(letti.ok());
  EXPECT_EQ(std::string(letti->begin(), letti->end()), testo::ACp1252(attesi));
}

TEST(Spia, FewerThan101DrawsAreRefusedOnceAndChangeNothing) {
  Aperto a;
  Spia& f = *a.f;
  f.Cmd[0]->click();
  const QString prima = f.Text1->toPlainText();
  ASSERT_FALSE(prima.isEmpty());
  a.p.programma.impostaRange(51, 150);
  f.Cmd[0]->click();
  EXPECT_EQ(a.p.servizi.dialoghi.testi(), QStringList{QStringLiteral("Poche Estrazioni !")});
  EXPECT_EQ(a.p.servizi.dialoghi.messaggi[0].icona, ui::Icona::Critica);
  EXPECT_EQ(f.Text1->toPlainText(), prima);
  EXPECT_EQ(f.Panel1->text(), a.Periodo(1, 150));

  // The all-numbers report says it once and keeps only its heading.
  f.CmdRep_Click();
  EXPECT_EQ(a.p.servizi.dialoghi.testi().size(), 2);
  EXPECT_EQ(f.Text1->toPlainText(), QStringLiteral("Tarvolane - Numeri Spia\n\n"));
  EXPECT_EQ(f.windowTitle(), QStringLiteral("Numeri Spia"));
}

TEST(Spia, AllNumbersReportKeepsTheChosenSpy) {
  Aperto a(400);
  Spia& f = *a.f;
  f.UpDNum->setValue(33);
  f.OptRuota[9]->click();
  f.Form_KeyDown(84, 6);
  f.CmdRep->click();
  const auto r = ns::RapportoTutti(a.p.stato.ArchivioEstrazioni, 9, 1, 400, "Tarvolane");
  ASSERT_TRUE(r.ok());
  EXPECT_GT(r->size(), 2u);
  EXPECT_EQ(f.Righe(), *r);
  EXPECT_EQ(f.windowTitle(), QStringLiteral("Numeri Spia"));
  EXPECT_EQ(f.NumeroSpia, 33);
  EXPECT_EQ(f.UpDNum->value(), 33);
  EXPECT_EQ(f.LbNum->text(), QStringLiteral("33"));
  EXPECT_TRUE(f.Cmd[3]->isEnabled());
}
