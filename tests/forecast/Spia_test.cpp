#include "forecast/Spia.h"

#include <gtest/gtest.h>

#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>

#include "core/file.h"
#include "core/testo.h"
#include "forecast/spia.h"
#include "support/leggi_file.h"
#include "support/programma_di_prova.h"
#include "support/valore.h"
#include "ui/PannelloTesto.h"

namespace ns = NumeriSpia;

TEST(Spia, ReportIsShownPrintedAndSaved) {
  prova::ProgrammaDiProva p(prova::Sintetiche(150));
  p.principale().Toolbar1_ButtonClick(QStringLiteral("BtnSpia"));
  Spia& f = *p.principale().finestre().trova<Spia>();
  EXPECT_TRUE(f.OptRuota[1]->isChecked());
  EXPECT_TRUE(f.OptRuota[11]->isHidden());
  EXPECT_FALSE(f.Cmd[3]->isEnabled());
  // Paging runs 1, 10, 20 and back to 1.
  for (auto [azione, atteso] : {std::pair{QAbstractSlider::SliderPageStepAdd, 10},
                                {QAbstractSlider::SliderPageStepAdd, 20},
                                {QAbstractSlider::SliderPageStepSub, 10},
                                {QAbstractSlider::SliderPageStepSub, 1}}) {
    f.UpDNum->triggerAction(azione);
    EXPECT_EQ(f.LbNum->text(), QString::number(atteso));
  }

  f.OptRuota[3]->click();
  f.UpDNum->setValue(7);
  p.programma.impostaRange(20, 150);
  f.Cmd[0]->click();
  const Archivio& a = p.stato.ArchivioEstrazioni;
  const auto righe =
      ns::Rapporto(a, prova::Valore(ns::Elabora_Spia(a, 3, 7, 20, 150)), "Tarvolane");
  EXPECT_EQ(f.Righe(), righe);
  EXPECT_EQ(f.Text1->testo().count(QLatin1Char('\n')), static_cast<qsizetype>(righe.size()));
  f.Cmd[2]->click();
  ASSERT_EQ(p.servizi.stampante.documenti.size(), 1u);
  EXPECT_EQ(p.servizi.stampante.documenti[0].righe.size(), static_cast<qsizetype>(righe.size()));

  // The title in capitals, an empty line, the pane's lines and one more line end.
  const auto percorso = p.cartella.percorso() / "spia.txt";
  p.servizi.dialoghi.file = {QString::fromStdString(percorso.string())};
  f.Cmd[3]->click();
  EXPECT_EQ(p.servizi.dialoghi.dialoghiFile.back().nome, QStringLiteral("Numeri Spia.txt"));
  std::string attesi = "TARVOLANE\r\n\r\n";
  for (const std::string& r : righe) attesi += r + "\r\n";
  const auto letti = prova::LeggiBinario(percorso);
  ASSERT_TRUE(letti.ok());
  EXPECT_EQ(std::string(letti->begin(), letti->end()), testo::ACp1252(attesi + "\r\n"));
}

TEST(Spia, FewerThan101DrawsAreRefusedOnceAndTheAllNumbersReportKeepsTheSpy) {
  prova::ProgrammaDiProva p(prova::Sintetiche(150));
  p.principale().MnuPrevSpia_Click();
  Spia& f = *p.principale().finestre().trova<Spia>();
  f.UpDNum->setValue(33);
  f.Cmd[0]->click();
  const QString prima = f.Text1->testo();
  p.programma.impostaRange(51, 150);
  f.Cmd[0]->click();
  EXPECT_EQ(p.servizi.dialoghi.testi(), QStringList{QStringLiteral("Poche Estrazioni !")});
  EXPECT_EQ(f.Text1->testo(), prima);

  // Ctrl+Alt+T shows the hidden button; its report says it once for the
  // ninety numbers and keeps only its heading.
  f.Form_KeyDown(84, 2);
  EXPECT_TRUE(f.CmdRep->isHidden());
  f.Form_KeyDown(84, 6);
  f.CmdRep->click();
  EXPECT_EQ(p.servizi.dialoghi.testi().size(), 2);
  EXPECT_EQ(f.Text1->testo(), QStringLiteral("Tarvolane - Numeri Spia\n\n"));

  p.programma.impostaRange(1, 150);
  f.CmdRep->click();
  EXPECT_EQ(f.Righe(),
            prova::Valore(ns::RapportoTutti(p.stato.ArchivioEstrazioni, 1, 1, 150, "Tarvolane")));
  EXPECT_EQ(f.windowTitle(), QStringLiteral("Numeri Spia"));
  EXPECT_EQ(f.LbNum->text(), QStringLiteral("33"));
}
