#include "methods/Metodi.h"

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTabBar>
#include <QTest>

#include "core/file.h"
#include "methods/descrizione.h"
#include "methods/verifica.h"
#include "support/programma_di_prova.h"
#include "ui/PannelloTesto.h"
#include "tester_di_prova.h"
#include "ui/Rapporto.h"
#include "ui/Testo.h"

namespace {

struct Aperto : prova::TesterAperto<Metodi> {
  Aperto() : prova::TesterAperto<Metodi>(&MDIForm1::mnuPrevMetodiT_Click) {}
};
using prova::Componi;

}  // namespace

TEST(MetodiWindow, OpensWithTheDefaultsAndHidesTheRangeBar) {
  Aperto a;
  ASSERT_NE(a.m, nullptr);
  Metodi& m = *a.m;
  MDIForm1& principale = a.p.principale();
  EXPECT_TRUE(principale.voci[QStringLiteral("BtnMetFN")]->isEnabled());
  EXPECT_FALSE(principale.PicLimiti->isVisible());
  EXPECT_EQ(m.windowTitle(), "Metodi");
  EXPECT_EQ(m.UltimaEstrValida, 300);
  EXPECT_EQ(m.TxtColpi->currentText(), "10 ");
  EXPECT_EQ(m.CmbFissi->itemText(7), " 7");
  // January of the last year, to the last draw; 10 colpi, interrupted.
  EXPECT_EQ((QStringList{m.CmbMese[0]->currentText(), m.CmbAnno[0]->currentText(),
                         m.CmbAnno[1]->currentText()}),
            (QStringList{"GENNAIO", "2002", "2002"}));
  EXPECT_EQ(m.CmbMese[1]->currentIndex() + 1, a.p.stato.ArchivioEstrazioni.mese(300));
  EXPECT_TRUE(m.OptUltCic[1]->isChecked() && m.CkInterrompi->isChecked());
  EXPECT_FALSE(m.CmbMese[1]->isEnabled() || m.CmbCicli->isEnabled() || m.Cmd[2]->isEnabled());
  EXPECT_TRUE(m.tastogriglia->isEnabled() && m.CmdNum[13]->isEnabled());
  EXPECT_EQ(m.CmdNum.count(2), 0u);  // "Modifica" is the SuperEnalotto tester's
  EXPECT_EQ(m.property("argomentoAiuto").toInt(), 90010);
  m.TbMet->setCurrentIndex(1);
  EXPECT_TRUE(m.Frame6->isVisibleTo(&m));
  EXPECT_FALSE(m.Cmd[1]->isVisibleTo(&m) || m.Frame3->isVisibleTo(&m));
  EXPECT_EQ(m.property("argomentoAiuto").toInt(), 90020);

  principale.mnuPrevMetodiT_Click();
  EXPECT_EQ(principale.finestre().aperte().size(), 1);
  m.Cmd_Click(1);  // Esci
  QTest::qWait(1);
  EXPECT_TRUE(principale.finestre().aperte().isEmpty());
  EXPECT_TRUE(principale.PicLimiti->isVisible());
}

TEST(MetodiWindow, ComposesGroupsAndMovesLines) {
  Aperto a;
  Metodi& m = *a.m;
  m.CmbEstratto->setCurrentIndex(4);
  m.CMbRuotaCalcolo->setCurrentText(QStringLiteral("VE"));
  m.OptOperatore[1]->click();
  m.CmdAggiungi->click();
  EXPECT_EQ(a.Righe(m.ListCalcoli), QStringList{"Sottrai 0 al 5° di VE"});
  m.CmdPronostico->click();
  EXPECT_EQ(a.Righe(m.ListRit), QStringList{"1) 5°VE-0"});
  m.OptSorte[2]->click();  // an Ambo needs two Elementi
  EXPECT_FALSE(m.OptSorte[2]->isChecked());
  m.CmdNum[4]->click();
  EXPECT_EQ(a.Messaggi(), QStringList{"Selezionare almeno una Sorte"});
  Componi(m, {{{2, "MI", 45, 0}}, {{1, "BA", 5, 0}, {3, "NA", 12, 1}}}, {1, 3}, 1);
  Componi(m, {{{4, "RO", 0, 0}}}, {1}, 2);
  Componi(m, {{{1, "BA", 89, 0}}}, {1}, 11);
  EXPECT_EQ(a.Righe(m.ListPro), (QStringList{"MT  UM  5°VE-0 & 2°MI+45 & 1°BA+5,3°NA-12",
                                             "M  TM  4°RO+0", "M  9M  1°BA+89"}));
  EXPECT_TRUE(m.ListRit->count() == 0 && !m.OptSorte[1]->isChecked());

  // Elemento lines: moves and deletions renumber; a sorte that no longer fits is unticked.
  for (const char* ruota : {"BA", "CA", "RO"}) {
    m.CMbRuotaCalcolo->setCurrentText(QString::fromLatin1(ruota));
    m.CmdAggiungi->click();
    m.CmdPronostico->click();
  }
  m.OptSorte[3]->click();
  m.ListRit->setCurrentRow(2);
  m.CmdNum[5]->click();
  EXPECT_EQ(a.Righe(m.ListRit), (QStringList{"1) 1°BA+89", "2) 1°RO+89", "3) 1°CA+89"}));
  EXPECT_EQ(m.ListRit->currentRow(), 1);
  m.CmdNum[1]->click();
  EXPECT_EQ(a.Righe(m.ListRit), (QStringList{"1) 1°BA+89", "2) 1°CA+89"}));
  EXPECT_FALSE(m.OptSorte[3]->isChecked());
  m.CmdNum[3]->click();  // No keeps the lines
  EXPECT_EQ(m.ListRit->count(), 2);

  // Pronostico lines: moves keep the selection on the moved line; emptying asks.
  m.ListPro->setCurrentRow(0);
  m.CmdNum[8]->click();
  EXPECT_EQ(a.Righe(m.ListPro).first(), "M  TM  4°RO+0");
  EXPECT_EQ(m.ListPro->currentRow(), 1);
  m.ListPro->setCurrentRow(2);
  m.CmdNum[8]->click();  // the last cannot go down
  m.CmdNum[9]->click();
  EXPECT_EQ(m.ListPro->count(), 2);
  a.p.servizi.dialoghi.risposte.push_back(ui::Risposta::Si);
  m.CmdNum[10]->click();
  EXPECT_EQ(m.ListPro->count(), 0);
  EXPECT_EQ(a.Messaggi().last(), "Cancellare tutti i Pronostici ?");
}

TEST(MetodiWindow, PeriodRulesAndWheelBoxes) {
  Aperto a;
  Metodi& m = *a.m;
  const int ultimoMese = a.p.stato.ArchivioEstrazioni.mese(300);  // October 2002
  m.OptUltCic[0]->click();
  EXPECT_TRUE(m.CmbMese[1]->isEnabled());
  // In the last year no month passes the last valid draw's.
  m.CmbMese[0]->setCurrentIndex(11);
  EXPECT_EQ(m.CmbMese[0]->currentIndex(), ultimoMese - 1);
  m.CmbAnno[1]->setCurrentIndex(3);  // 2000: before the start year, pulled back
  EXPECT_EQ(m.CmbAnno[1]->currentText(), "2002");
  m.CmbAnno[0]->setCurrentIndex(2);  // 1999
  m.CmbAnno[1]->setCurrentIndex(2);
  m.CmbMese[1]->setCurrentIndex(2);  // end month before the start month
  EXPECT_EQ(m.CmbMese[1]->currentIndex(), m.CmbMese[0]->currentIndex());
  m.CmbMese[0]->setCurrentIndex(1);
  m.CmbMese[1]->setCurrentIndex(4);
  m.CmbMese[0]->setCurrentIndex(7);  // start month after the end month
  EXPECT_EQ(m.CmbMese[0]->currentIndex(), 4);
  m.OptUltCic[2]->click();
  EXPECT_FALSE(m.CmbMese[1]->isEnabled());
  EXPECT_TRUE(m.CmbCicli->isEnabled());

  m.CheckRuota[11]->click();
  for (int w = 1; w <= 10; ++w) EXPECT_TRUE(m.CheckRuota[w]->isChecked()) << w;
  m.CheckRuota[3]->click();
  EXPECT_TRUE(m.CheckRuota[11]->isChecked());
  m.CheckRuota[11]->click();
  for (int w = 1; w <= 10; ++w) EXPECT_FALSE(m.CheckRuota[w]->isChecked()) << w;
  m.CkPositivi->click();
  m.CkRiepilogo->click();
  EXPECT_FALSE(m.CkPositivi->isChecked());
  m.CkPositivi->click();
  EXPECT_FALSE(m.CkRiepilogo->isChecked());

  // "TUTTE" alone passes the check and plays no wheel: no cycle, 0,00%.
  m.CheckRuota[11]->click();
  for (int w = 1; w <= 10; ++w) m.CheckRuota[w]->click();
  m.ListPro->addItem(QStringLiteral("M  TM  1°BA+5"));
  m.Cmd_Click(0);
  EXPECT_EQ(m.Testo().substr(0, 74),
            "\r\nTotale Cicli di gioco.....: 0\r\nCicli positivi............: 0 ==> 0,00%\r\n");
  EXPECT_TRUE(a.Messaggi().isEmpty());
  m.ListPro->clear();
  m.CheckRuota[11]->click();

  // The option check lists its faults in one box.
  m.Cmd_Click(0);
  EXPECT_EQ(a.Messaggi().last(), "Nessuna Formazione da elaborare");
  EXPECT_FALSE(m.Controlla_Opzioni());
  EXPECT_EQ(a.Messaggi().last(), "SELEZIONARE ALMENO UNA RUOTA !\r\nNON CI SONO PRONOSTICI !\r\n");
  EXPECT_EQ(a.p.servizi.dialoghi.messaggi.back().titolo, "ATTENZIONE - ERRORI NELLE OPZIONI !!!");
}

TEST(MetodiWindow, SavesAndReopensAMethodExactly) {
  Aperto a;
  Metodi& m = *a.m;
  Componi(m, {{{1, "BA", 5, 0}, {3, "NA", 12, 1}}, {{2, "RO", 7, 0}}}, {1, 2}, 0);
  Componi(m, {{{4, "RO", 0, 0}}}, {1}, 2);
  m.OptUltCic[0]->click();
  m.CmbAnno[0]->setCurrentIndex(1);
  m.CmbMese[0]->setCurrentIndex(2);
  m.CmbAnno[1]->setCurrentIndex(4);
  m.CmbMese[1]->setCurrentIndex(5);
  m.TxtColpi->setCurrentIndex(14);
  m.CkInterrompi->click();
  m.CkParziali->click();
  m.CheckRuota[1]->click();
  m.CheckRuota[6]->click();
  const metodi::Opzioni salvate = m.LeggiOpzioni();

  // The save dialog proposes "Metodo.mtd"; the file holds the options and the lines.
  a.Scegli("Prova.mtd");
  m.Cmd_Click(4);
  ASSERT_TRUE(a.Messaggi().isEmpty()) << ui::S(a.Messaggi().join("|"));
  EXPECT_EQ(a.p.servizi.dialoghi.dialoghiFile.back().nome, "Metodo.mtd");
  EXPECT_EQ(a.p.servizi.dialoghi.dialoghiFile.back().filtro, "File di Metodo (*.mtd)|*.mtd");
  EXPECT_EQ(m.windowTitle(), "Prova");
  const std::string atteso =
      "0200010500040015000110000100000001\r\n"
      "MA  1M  1\xB0"
      "BA+5,3\xB0"
      "NA-12 & 2\xB0"
      "RO+7\r\n"
      "M  TM  4\xB0"
      "RO+0\r\n";
  EXPECT_EQ(a.Leggi("Prova.mtd"), atteso);
  EXPECT_EQ(a.p.servizi.impostazioni.valori.value("Avvio/DirAvvio"),
            ui::Q(a.p.cartella.percorso().string()));

  // Reopened into a window whose options and lists are others.
  m.Cmd_Click(1);
  QTest::qWait(1);
  a.p.principale().mnuPrevMetodiT_Click();
  Metodi& n = *a.p.principale().finestre().trova<Metodi>();
  EXPECT_EQ(n.CartellaAvvio, ui::Q(a.p.cartella.percorso().string()));
  Componi(n, {{{5, "VE", 1, 0}}}, {1}, 0);
  n.CheckRuota[11]->click();
  n.CkPositivi->click();
  n.CmdAggiungi->click();
  a.Scegli("Prova.mtd");
  n.Cmd_Click(5);
  ASSERT_TRUE(a.Messaggi().isEmpty()) << ui::S(a.Messaggi().join("|"));
  EXPECT_EQ(n.windowTitle(), "Prova");
  EXPECT_EQ(n.LeggiOpzioni(), salvate);
  EXPECT_EQ(a.Righe(n.ListPro), (QStringList{"MA  1M  1°BA+5,3°NA-12 & 2°RO+7", "M  TM  4°RO+0"}));
  EXPECT_EQ(n.ListCalcoli->count(), 0);
  EXPECT_EQ(n.ControlloPeriodo, n.UltimaEstrValida);
  EXPECT_TRUE(n.CmbMese[1]->isEnabled());
  a.Scegli("Copia.mtd");
  n.Cmd_Click(4);
  EXPECT_EQ(a.Leggi("Copia.mtd"), atteso);
  // The opened file, in its folder.
  EXPECT_EQ(a.p.servizi.dialoghi.dialoghiFile.back().nome, "Prova.mtd");
  EXPECT_EQ(a.p.servizi.dialoghi.dialoghiFile.back().cartella,
            ui::Q(a.p.cartella.percorso().string()));
}

TEST(MetodiWindow, AFaultyMethodFileChangesNothing) {
  Aperto a;
  Metodi& m = *a.m;
  Componi(m, {{{1, "BA", 5, 0}}}, {1}, 0);
  const metodi::Opzioni prima = m.LeggiOpzioni();
  a.Scrivi("Rotto.mtd",
           "M  1M  1\xB0"
           "BA+5\r\n1300560200561010100010000100000001\r\n");
  for (const char* nome : {"Rotto.mtd", "Assente.mtd", "Metodo.txt"}) {
    SCOPED_TRACE(nome);
    a.Scegli(nome);
    m.Cmd_Click(5);
    ASSERT_EQ(a.Messaggi().size(), 1);
    a.p.servizi.dialoghi.messaggi.clear();
    EXPECT_EQ(m.windowTitle(), "Metodi");
    EXPECT_EQ(a.Righe(m.ListPro), QStringList{"M  1M  1°BA+5"});
    EXPECT_EQ(m.LeggiOpzioni(), prima);
  }
  // Saving under another extension writes nothing.
  m.CheckRuota[1]->click();
  a.Scegli("Metodo.txt");
  m.Cmd_Click(4);
  EXPECT_EQ(a.Messaggi().size(), 1);
  a.p.servizi.dialoghi.messaggi.clear();
  EXPECT_EQ(a.Leggi("Metodo.txt"), "<assente>");
  EXPECT_EQ(m.windowTitle(), "Metodi");
  // A detector's file opens: end at the last draw, 8 colpi, one wheel.
  a.Scrivi("NA5200203.mtd",
           "0200000000051008000000000100000001\r\nM  1M  5\xB0NA+17 & 5\xB0NA+40\r\n"
           "A  1M  5\xB0NA+17 & 5\xB0NA+40 & 5\xB0NA+0 & 5\xB0NA+3 & 5\xB0NA+90 & 5\xB0NA+8\r\n");
  a.Scegli("NA5200203.mtd");
  m.Cmd_Click(5);
  EXPECT_TRUE(a.Messaggi().isEmpty()) << ui::S(a.Messaggi().join("|"));
  EXPECT_EQ(m.windowTitle(), "NA5200203");
  EXPECT_TRUE(m.OptUltCic[1]->isChecked());
  EXPECT_EQ(m.TxtColpi->currentText(), "8  ");
  EXPECT_FALSE(m.CkInterrompi->isChecked());
  EXPECT_TRUE(m.CheckRuota[6]->isChecked());
  EXPECT_EQ(m.ListPro->count(), 2);
  m.TbMet->setCurrentIndex(1);
  m.Cmd_Click(0);
  EXPECT_TRUE(a.Messaggi().isEmpty()) << ui::S(a.Messaggi().join("|"));
  EXPECT_NE(m.Testo().find("Totale Cicli di gioco.....: "), std::string::npos);
}

TEST(MetodiWindow, RunsSavesAndPrintsTheReport) {
  Aperto a;
  Metodi& m = *a.m;
  Componi(m, {{{1, "BA", 5, 0}}, {{2, "CA", 7, 0}}}, {1}, 0);
  Componi(m, {{{1, "RO", 0, 0}}, {{3, "NA", 1, 1}}}, {2}, 4);
  m.ListPro->addItem(QStringLiteral("M  1M  1°XX+5") + QStringLiteral(" & 1°BA+5").repeated(9));
  m.TbMet->setCurrentIndex(1);
  m.CmbAnno[0]->setCurrentIndex(1);
  m.CheckRuota[1]->click();
  m.CheckRuota[8]->click();
  m.CkParziali->click();
  m.Cmd_Click(0);
  // The malformed line is named before the run and stays in the list.
  // A long line is quoted in part.
  EXPECT_EQ(a.Messaggi(), QStringList{"Queste righe non sono valide e non saranno elaborate:\r\n"
                                      "Riga 3: M  1M  1°XX+5 & 1°BA+5 & 1°BA+5 & 1°BA+5… "
                                      "(termine non valido: 1°XX+5)"});
  EXPECT_EQ(m.ListPro->count(), 3);

  // The pane holds the model's report of the same options.
  const auto& s = a.p.stato;
  const metodi::Base base = metodi::PreparaBase(s.ArchivioEstrazioni, s.indici);
  const auto tavola = metodi::Tavola::Lotto(s.ArchivioEstrazioni, base.ultima);
  std::vector<std::optional<metodi::Pronostico>> righe;
  for (const std::string& r : m.Pronostici()) {
    auto p = metodi::LeggiPronostico(r);
    righe.push_back(p ? std::optional<metodi::Pronostico>(*p) : std::nullopt);
  }
  const auto v = metodi::Esegui(base, tavola, metodi::Lotto(), righe, m.LeggiOpzioni());
  const std::string atteso =
      metodi::ScriviRapporto(v, righe, base, tavola, metodi::Lotto(), m.LeggiOpzioni()).testo;
  EXPECT_EQ(m.Testo(), atteso);
  EXPECT_NE(atteso.find("Pronostico 3\r\nTotale Cicli di gioco.....: 0\r\n"), std::string::npos);
  EXPECT_EQ(m.Text1->testo(),
            ui::Q(atteso).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
  EXPECT_EQ(m.EstrInizioTest, v.periodo.inizio);
  EXPECT_TRUE(m.Cmd[2]->isEnabled());
  EXPECT_TRUE(m.Cmd[3]->isEnabled());

  a.Scegli("Uscita.txt");
  m.Cmd_Click(3);
  EXPECT_EQ(a.p.servizi.dialoghi.dialoghiFile.back().nome, "Metodo.txt");
  EXPECT_EQ(a.Leggi("Uscita.txt"), metodi::FileOutput("Tarvolane", atteso));
  EXPECT_EQ(a.Leggi("Uscita.txt").substr(0, 13), "TARVOLANE\r\n\r\n");

  m.Cmd_Click(2);
  ASSERT_EQ(a.p.servizi.stampante.documenti.size(), 1u);
  const QStringList stampate = a.p.servizi.stampante.documenti[0].righe;
  EXPECT_EQ(stampate.mid(0, 2), (QStringList{"TARVOLANE", ""}));
  EXPECT_EQ(stampate.mid(2), ui::RigheTesto(atteso));
  a.p.servizi.stampante.presente = false;
  m.Cmd_Click(2);
  EXPECT_EQ(a.Messaggi().last(), "NESSUNA STAMPANTE INSTALLATA ");
  EXPECT_EQ(a.p.servizi.stampante.documenti.size(), 1u);

  // A period whose end lies before its start plays nothing.
  m.OptUltCic[0]->click();
  m.ControlloPeriodo = 0;
  m.CmbAnno[1]->setCurrentIndex(0);
  m.Cmd_Click(0);
  EXPECT_EQ(a.Messaggi().last(),
            "Impossibile trovare Estrazioni Valide x il Calcolo nel periodo specificato");
  EXPECT_TRUE(m.Testo().empty());
  EXPECT_FALSE(m.Cmd[2]->isEnabled());
  EXPECT_TRUE(m.Cmd[0]->isEnabled());
}

TEST(MetodiWindow, DescribesTheMethod) {
  Aperto a;
  Metodi& m = *a.m;
  Componi(m, {{{1, "BA", 5, 0}, {3, "NA", 12, 1}}, {{2, "RO", 7, 0}}}, {1, 2}, 0);
  Componi(m, {{{4, "RO", 0, 0}}}, {1}, 2);
  m.ListPro->setCurrentRow(1);
  m.CmdNum[11]->click();
  EXPECT_EQ(m.TbMet->currentIndex(), 1);
  EXPECT_EQ(m.Testo(), metodi::Descrivi(m.Pronostici(), {1}, std::nullopt, nullptr, a.p.stato.indici,
                                        metodi::Lotto()));
  m.CheckRuota[1]->click();
  m.CmdNum[12]->click();
  EXPECT_NE(
      m.Testo().find("Periodo Test : da GENNAIO 2002 Fino ad Ultima Estrazione\r\nRuote : BA\r\n"),
      std::string::npos);
  EXPECT_NE(m.Testo().find("FORMAZIONE N. 2"), std::string::npos);
  EXPECT_TRUE(m.Cmd[3]->isEnabled());
}

TEST(MetodiWindow, RefusesAnArchiveWithoutValidDraws) {
  prova::ProgrammaDiProva p(prova::Sintetiche(20));
  p.stato.ArchivioEstrazioni = Archivio();  // no draw at all
  p.principale().mnuPrevMetodiT_Click();
  EXPECT_EQ(p.servizi.dialoghi.messaggi.size(), 1u);
  EXPECT_EQ(p.servizi.dialoghi.messaggi[0].icona, ui::Icona::Critica);
  QTest::qWait(1);
  EXPECT_TRUE(p.principale().finestre().aperte().isEmpty());
}

// The options come from the file alone, whatever the window held: "Solo
// Riepilogo" unticks a greyed "Evidenzia" after another method with "Solo
// Riepilogo" ticked as in a new window, and the method saves the same.
TEST(MetodiWindow, OpeningSetsTheOptionsFromTheFileAlone) {
  Aperto a;
  Metodi& m = *a.m;
  const std::string righe = "\r\nM  1M  1\xB0" "BA+5\r\n";
  a.Scrivi("Grigio.mtd", "0100011100010005221110000001000012" + righe);
  a.Scrivi("Riepilogo.mtd", "0100011100010005001010000001000012" + righe);
  for (const char* nome : {"Grigio.mtd", "Riepilogo.mtd", "Grigio.mtd"}) {
    a.Scegli(nome);
    m.Cmd_Click(5);
  }
  EXPECT_EQ(m.CkPositivi->checkState(), Qt::Unchecked);
  EXPECT_FALSE(m.CkPositivi->isTristate());
  EXPECT_EQ(m.CkInterrompi->checkState(), Qt::PartiallyChecked);
  a.Scegli("Salvato.mtd");
  m.Cmd_Click(4);
  EXPECT_EQ(a.Leggi("Salvato.mtd"), "0100011100010005201110000001000012" + righe);
  m.CkPositivi->click();
  EXPECT_EQ(m.CkPositivi->checkState(), Qt::Checked);
}

TEST(MetodiWindow, OptionsApplyAsStored) {
  Aperto a;
  Metodi& m = *a.m;
  m.CheckRuota[11]->click();  // "TUTTE" ticked before the file is read
  // Start 2002 after end 1998, year 99 beyond the list, "TUTTE" 0 with
  // BARI and ROMA, both report options ticked, a greyed check.
  a.Scrivi("Fermo.mtd",
           "0900991100010005211110000001000012\nM  1M  1\xB0"
           "BA+5");
  a.Scegli("Fermo.mtd");
  m.Cmd_Click(5);
  // The option the window cannot keep beside the other is named.
  EXPECT_EQ(a.Messaggi(), QStringList{"Il metodo chiede sia \"Evidenzia solo casi positivi\" sia "
                                      "\"Solo Riepilogo\", che si escludono: resta solo \"Solo "
                                      "Riepilogo\"."});
  EXPECT_EQ(m.CmbAnno[0]->currentText(), "2002");
  EXPECT_EQ(m.CmbMese[0]->currentText(), "OTTOBRE");
  EXPECT_EQ(m.CmbAnno[1]->currentText(), "1998");
  EXPECT_EQ(m.CmbMese[1]->currentText(), "DICEMBRE");
  EXPECT_TRUE(m.OptUltCic[0]->isChecked());
  EXPECT_TRUE(m.CmbAnno[1]->isEnabled());
  EXPECT_EQ(m.TxtColpi->currentText(), "5  ");
  EXPECT_EQ(m.CkInterrompi->checkState(), Qt::PartiallyChecked);
  EXPECT_FALSE(m.CkPositivi->isChecked());
  EXPECT_TRUE(m.CkRiepilogo->isChecked());
  EXPECT_TRUE(m.CkParziali->isChecked());
  for (int w = 1; w <= 11; ++w) EXPECT_EQ(m.CheckRuota[w]->isChecked(), w == 1 || w == 8) << w;
  EXPECT_EQ(m.CmbCicli->currentText(), "12");
  EXPECT_FALSE(m.CmbCicli->isEnabled());
  // Saved again, the same line (the year as clamped, "2" kept).
  a.Scegli("Fermo2.mtd");
  m.Cmd_Click(4);
  EXPECT_EQ(a.Leggi("Fermo2.mtd"),
            "0900051100010005201110000001000012\r\nM  1M  1\xB0"
            "BA+5\r\n");
  // A greyed box is not a ticked one: the run is not interrupted.
  m.CkInterrompi->click();
  EXPECT_EQ(m.CkInterrompi->checkState(), Qt::Checked);
  EXPECT_FALSE(m.CkInterrompi->isTristate());
}
