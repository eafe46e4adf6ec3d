#include "methods/MetodiS.h"

#include <gtest/gtest.h>

#include <QGroupBox>
#include <QTabBar>
#include <QTest>

#include "methods/descrizione.h"
#include "methods/verifica.h"
#include "tester_di_prova.h"

namespace {

struct Aperto : prova::TesterAperto<MetodiS> {
  Aperto() : prova::TesterAperto<MetodiS>(&MDIForm1::mnuPrevMetodiS_Click) {}
};

}  // namespace

TEST(MetodiSWindow, OpensWithPointsAndBariTickedBesideTheLottoTester) {
  Aperto a;
  ASSERT_NE(a.m, nullptr);
  MetodiS& m = *a.m;
  MDIForm1& principale = a.p.principale();
  EXPECT_TRUE(principale.voci[QStringLiteral("BtnMetodiS")]->isEnabled());
  EXPECT_FALSE(principale.PicLimiti->isVisible());
  EXPECT_EQ(m.windowTitle(), "Metodi");
  QStringList punti{m.Frame9->title()};
  for (int k = 1; k <= 5; ++k) punti << m.OptSorte[k]->text();
  EXPECT_EQ(punti, (QStringList{"Punti", "Tre", "Quattro", "Cinque", "5+1", "Sei"}));
  EXPECT_EQ(m.TxtColpi->currentText(), "5  ");
  EXPECT_TRUE(m.CkInterrompi->isChecked());
  for (int w = 1; w <= 11; ++w) EXPECT_EQ(m.CheckRuota[w]->isChecked(), w == 1) << w;
  EXPECT_FALSE(m.tastogriglia->isVisibleTo(&m) || m.CmdNum[13]->isVisibleTo(&m));
  m.TbMet->setCurrentIndex(1);
  EXPECT_TRUE(m.Frame6->isVisibleTo(&m) && !m.Frame2->isVisibleTo(&m));
  // Tre needs three Elementi.
  for (const char* ruota : {"BA", "CA"}) {
    m.CMbRuotaCalcolo->setCurrentText(QString::fromLatin1(ruota));
    m.CmdAggiungi->click();
    m.CmdPronostico->click();
  }
  m.OptSorte[1]->click();
  EXPECT_FALSE(m.OptSorte[1]->isChecked());

  // "Modifica" (SuperEnalotto only) loads an Elemento's terms back into the
  // Calcolo list, the term lists at their first items; the Elemento stays.
  EXPECT_TRUE(m.CmdNum[2]->isVisibleTo(m.FramePronostico));
  m.CmdNum[2]->click();  // no Elemento selected: nothing happens
  EXPECT_EQ(m.ListCalcoli->count(), 0);
  prova::ComponiElemento(m, {{2, "NA", 40, 0}, {5, "VE", 7, 1}});
  m.ListRit->setCurrentRow(2);
  m.CmdNum[2]->click();
  QStringList calcoli;
  for (int r = 0; r < m.ListCalcoli->count(); ++r) calcoli << m.ListCalcoli->item(r)->text();
  EXPECT_EQ(calcoli, (QStringList{"Somma 40 al 2° di NA", "Sottrai 7 al 5° di VE"}));
  EXPECT_EQ(m.ListRit->count(), 3);
  EXPECT_EQ((QStringList{m.CmbEstratto->currentText(), m.CMbRuotaCalcolo->currentText(),
                         m.CmbFissi->currentText(), m.OperatoreCalcolo}),
            (QStringList{"1°", "BA", " 0", "Somma"}));

  // The Lotto tester is another window; each opens once.
  principale.mnuPrevMetodiT_Click();
  principale.mnuPrevMetodiS_Click();
  EXPECT_EQ(principale.finestre().aperte().size(), 2);
  EXPECT_EQ(principale.finestre().trova<MetodiS>(), &m);
}

TEST(MetodiSWindow, ComposesSavesReopensAndRunsAMethod) {
  Aperto a;
  MetodiS& m = *a.m;
  prova::Componi(m, {{{1, "CA", 0, 0}}, {{2, "CA", 0, 0}}, {{3, "CA", 5, 1}}, {{1, "GE", 9, 0}}},
                 {1, 2}, 0);
  prova::Componi(m, {{{1, "TO", 1, 0}}, {{2, "TO", 2, 0}}, {{3, "TO", 3, 0}}, {{4, "TO", 4, 0}},
                     {{5, "TO", 5, 0}}},
                 {3}, 2);
  m.CmbAnno[0]->setCurrentIndex(1);
  m.CkInterrompi->click();
  m.CkParziali->click();
  a.Scegli("Super.mtd");
  m.Cmd_Click(4);
  ASSERT_TRUE(a.Messaggi().isEmpty()) << ui::S(a.Messaggi().join("|"));
  EXPECT_EQ(m.windowTitle(), "Super");
  EXPECT_EQ(a.Leggi("Super.mtd"),
            "0000010800051005000110000000000001\r\n"
            "MA  1M  1\xB0" "CA+0 & 2\xB0" "CA+0 & 3\xB0" "CA-5 & 1\xB0" "GE+9\r\n"
            "T  TM  1\xB0" "TO+1 & 2\xB0" "TO+2 & 3\xB0" "TO+3 & 4\xB0" "TO+4 & 5\xB0" "TO+5\r\n");
  EXPECT_EQ(a.p.servizi.impostazioni.valori.value("Avvio/DirAvvioS"),
            ui::Q(a.p.cartella.percorso().string()));
  EXPECT_FALSE(a.p.servizi.impostazioni.valori.contains("Avvio/DirAvvio"));

  // Reopened in a new window and run: the model's SuperEnalotto report.
  const metodi::Opzioni opzioni = m.LeggiOpzioni();
  m.Cmd_Click(1);
  QTest::qWait(1);
  a.p.principale().mnuPrevMetodiS_Click();
  MetodiS& n = *a.p.principale().finestre().trova<MetodiS>();
  a.Scegli("Super.mtd");
  n.Cmd_Click(5);
  EXPECT_EQ(n.LeggiOpzioni(), opzioni);
  n.Cmd_Click(0);
  ASSERT_TRUE(a.Messaggi().isEmpty()) << ui::S(a.Messaggi().join("|"));
  const Stato& s = a.p.stato;
  const metodi::Base base = metodi::PreparaBase(s.ArchivioEstrazioni, s.indici);
  const auto tavola = metodi::Tavola::SuperEnalotto(s.ArchivioSuperEnalotto, base.ultima);
  std::vector<std::optional<metodi::Pronostico>> righe;
  for (const std::string& r : n.Pronostici()) {
    const auto p = metodi::LeggiPronostico(r);
    ASSERT_TRUE(p) << r << ": " << p.motivo();
    righe.push_back(*p);
  }
  const auto& regole = metodi::SuperEnalotto();
  const auto v = metodi::Esegui(base, tavola, regole, righe, opzioni);
  EXPECT_EQ(n.Testo(), metodi::ScriviRapporto(v, righe, base, tavola, regole, opzioni).testo);
  EXPECT_NE(n.Testo().find("Pronostico 2\r\n"), std::string::npos);
  a.Scegli("Uscita.txt");
  n.Cmd_Click(3);
  EXPECT_EQ(a.Leggi("Uscita.txt"), metodi::FileOutput("Tarvolane", n.Testo()));
}
