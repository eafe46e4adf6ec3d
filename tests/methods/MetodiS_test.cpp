#include "methods/MetodiS.h"

#include <gtest/gtest.h>

#include <QGroupBox>
#include <QPlainTextEdit>
#include <QTabBar>
#include <QTest>

#include "methods/descrizione.h"
#include "methods/verifica.h"
#include "tester_di_prova.h"

namespace {

struct Aperto : prova::TesterAperto<MetodiS> {
  Aperto() : prova::TesterAperto<MetodiS>(&MDIForm1::mnuPrevMetodiS_Click) {}
};
using prova::Componi;

}  // namespace

TEST(MetodiSWindow, OpensWithPointsAndBariTickedBesideTheLottoTester) {
  Aperto a;
  ASSERT_NE(a.m, nullptr);
  MetodiS& m = *a.m;
  MDIForm1& principale = a.p.principale();
  EXPECT_TRUE(principale.voci[QStringLiteral("BtnMetodiS")]->isEnabled());
  EXPECT_FALSE(principale.PicLimiti->isVisible());
  EXPECT_EQ(m.windowTitle(), "Metodi");
  EXPECT_EQ(m.Frame9->title(), "Punti");
  QStringList punti;
  for (int k = 1; k <= 5; ++k) punti << m.OptSorte[k]->text();
  EXPECT_EQ(punti, (QStringList{"Tre", "Quattro", "Cinque", "5+1", "Sei"}));
  EXPECT_EQ(m.TxtColpi->currentText(), "5  ");
  EXPECT_TRUE(m.CkInterrompi->isChecked());
  for (int w = 1; w <= 11; ++w) EXPECT_EQ(m.CheckRuota[w]->isChecked(), w == 1) << w;
  m.TbMet->setCurrentIndex(1);
  EXPECT_TRUE(m.Frame6->isVisibleTo(&m));
  EXPECT_FALSE(m.Frame2->isVisibleTo(&m));
  m.TbMet->setCurrentIndex(0);
  EXPECT_FALSE(m.tastogriglia->isVisibleTo(&m) || m.CmdNum[13]->isVisibleTo(&m));
  // The wheel check passes as the window opens; only the method is missing.
  EXPECT_FALSE(m.Controlla_Opzioni());
  EXPECT_EQ(a.Messaggi().last(), "NON CI SONO PRONOSTICI !\r\n");

  // The Lotto tester is another window; each opens once.
  principale.mnuPrevMetodiT_Click();
  principale.mnuPrevMetodiS_Click();
  EXPECT_EQ(principale.finestre().aperte().size(), 2);
  EXPECT_NE(principale.finestre().trova<Metodi>(), nullptr);
  EXPECT_EQ(principale.finestre().trova<MetodiS>(), &m);
}

TEST(MetodiSWindow, PointsNeedAsManyElementiAsTheirHits) {
  Aperto a;
  MetodiS& m = *a.m;
  for (const char* ruota : {"BA", "CA"}) {
    m.CMbRuotaCalcolo->setCurrentText(QString::fromLatin1(ruota));
    m.CmdAggiungi->click();
    m.CmdPronostico->click();
  }
  m.OptSorte[1]->click();  // Tre with two Elementi
  EXPECT_FALSE(m.OptSorte[1]->isChecked());
  m.CMbRuotaCalcolo->setCurrentText(QStringLiteral("RO"));
  m.CmdAggiungi->click();
  m.CmdPronostico->click();
  m.OptSorte[1]->click();
  m.OptSorte[2]->click();  // Quattro with three
  EXPECT_TRUE(m.OptSorte[1]->isChecked());
  EXPECT_FALSE(m.OptSorte[2]->isChecked());
  m.ListRit->setCurrentRow(1);
  m.CmdNum[1]->click();  // two left: Tre goes too
  EXPECT_EQ(a.Righe(m.ListRit), (QStringList{"1) 1°BA+0", "2) 1°RO+0"}));
  EXPECT_FALSE(m.OptSorte[1]->isChecked());
  Componi(m, {{{1, "MI", 0, 0}}, {{2, "MI", 0, 0}}, {{3, "MI", 0, 0}}}, {4, 5},
          2);  // five Elementi: 5+1 and Sei need six
  EXPECT_EQ(a.Messaggi(), QStringList{"Selezionare almeno una Sorte"});
  m.OptSorte[3]->click();
  m.CmdNum[4]->click();
  EXPECT_EQ(a.Righe(m.ListPro),
            QStringList{"T  TM  1°BA+0 & 1°RO+0 & 1°MI+0 & 2°MI+0 & 3°MI+0"});
}

TEST(MetodiSWindow, SavesReopensAndRunsAMethod) {
  Aperto a;
  MetodiS& m = *a.m;
  Componi(m, {{{1, "CA", 0, 0}}, {{2, "CA", 0, 0}}, {{3, "CA", 5, 1}}, {{1, "GE", 9, 0}}}, {1, 2},
          0);
  Componi(m, {{{1, "TO", 1, 0}}, {{2, "TO", 2, 0}}, {{3, "TO", 3, 0}}, {{4, "TO", 4, 0}},
              {{5, "TO", 5, 0}}},
          {3}, 2);
  m.TbMet->setCurrentIndex(1);
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

  // Reopened in a new window, then run: the report of the model's SuperEnalotto.
  const metodi::Opzioni opzioni = m.LeggiOpzioni();
  const QStringList metodo = a.Righe(m.ListPro);
  m.Cmd_Click(1);
  QTest::qWait(1);
  a.p.principale().mnuPrevMetodiS_Click();
  MetodiS& n = *a.p.principale().finestre().trova<MetodiS>();
  EXPECT_EQ(n.CartellaAvvio, ui::Q(a.p.cartella.percorso().string()));
  a.Scegli("Super.mtd");
  n.Cmd_Click(5);
  ASSERT_TRUE(a.Messaggi().isEmpty()) << ui::S(a.Messaggi().join("|"));
  EXPECT_EQ(n.LeggiOpzioni(), opzioni);
  EXPECT_EQ(a.Righe(n.ListPro), metodo);
  n.Cmd_Click(0);
  ASSERT_TRUE(a.Messaggi().isEmpty()) << ui::S(a.Messaggi().join("|"));
  const Stato& s = a.p.stato;
  const metodi::Base base = metodi::PreparaBase(s.ArchivioEstrazioni, s.indici);
  const auto tavola = metodi::Tavola::SuperEnalotto(s.ArchivioSuperEnalotto, base.ultima);
  std::vector<std::optional<metodi::Pronostico>> righe;
  for (const std::string& r : n.Pronostici()) righe.push_back(*metodi::LeggiPronostico(r));
  const auto& regole = metodi::SuperEnalotto();
  const auto v = metodi::Esegui(base, tavola, regole, righe, opzioni);
  EXPECT_EQ(n.Testo(), metodi::ScriviRapporto(v, righe, base, tavola, regole, opzioni).testo);
  EXPECT_NE(n.Testo().find("Pronostico 2\r\n"), std::string::npos);
  EXPECT_EQ(n.Testo().find(" su BA"), std::string::npos);
  EXPECT_TRUE(n.Cmd[3]->isEnabled());
  a.Scegli("Uscita.txt");
  n.Cmd_Click(3);
  EXPECT_EQ(a.Leggi("Uscita.txt"), metodi::FileOutput("Tarvolane", n.Testo()));
}

TEST(MetodiSWindow, AFileWithoutWheelsStopsEveryRunUntilOneTicksAWheel) {
  Aperto a;
  MetodiS& m = *a.m;
  a.Scrivi("Senza.mtd", "0000000000051005100000000000000001\r\nM  TM  1\xB0" "CA+0 & 2\xB0"
                        "CA+0 & 3\xB0" "CA+0\r\n");
  a.Scegli("Senza.mtd");
  m.Cmd_Click(5);
  ASSERT_TRUE(a.Messaggi().isEmpty()) << ui::S(a.Messaggi().join("|"));
  m.Cmd_Click(0);
  EXPECT_EQ(a.Messaggi().last(), "SELEZIONARE ALMENO UNA RUOTA !\r\n");
  EXPECT_TRUE(m.Testo().empty());
  // "TUTTE" alone passes the check; the lines are played once.
  a.Scrivi("Tutte.mtd", "0000000000051005100000000000001001\r\nM  TM  1\xB0" "CA+0 & 2\xB0"
                        "CA+0 & 3\xB0" "CA+0\r\n");
  a.Scegli("Tutte.mtd");
  m.Cmd_Click(5);
  EXPECT_TRUE(m.CheckRuota[11]->isChecked() && !m.CheckRuota[1]->isChecked());
  m.Cmd_Click(0);
  EXPECT_EQ(a.Messaggi().size(), 1);
  const std::string& r = m.Testo();
  const std::size_t prima = r.find("\r\n");
  ASSERT_NE(prima, std::string::npos);
  EXPECT_NE(r.substr(0, 16), r.substr(prima + 2, 16));  // the next line is the next draw's
}
