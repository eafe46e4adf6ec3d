#include "app/MDIForm1.h"

#include <gtest/gtest.h>

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <QToolBar>
#include <QToolButton>
#include <QWindow>

#include "app/frmAbout.h"
#include "archive/Extrazioni.h"
#include "core/file.h"
#include "support/fuoco.h"
#include "support/leggi_file.h"
#include "support/programma_di_prova.h"
#include "ui/Colori.h"
#include "ui/Finestre.h"
#include "ui/Testo.h"

namespace {

using prova::DieciEstrazioni;

struct Barra {
  int inizio, fine;
  QString conta;
};

void ControllaBarra(MDIForm1& m, const Stato& s, const Barra& b) {
  EXPECT_EQ(m.CmbDataI->currentIndex(), b.inizio - 1);
  EXPECT_EQ(m.CmbDataF->currentIndex(), b.fine - 1);
  EXPECT_EQ(m.SliIni->value(), b.inizio - 1);
  EXPECT_EQ(m.SliFin->value(), b.fine - 1);
  EXPECT_EQ(s.EstrInizio, b.inizio);
  EXPECT_EQ(s.EstrFine, b.fine);
  EXPECT_EQ(m.LbNestr->text(), b.conta);
  EXPECT_EQ(m.CmbAnnoI->currentText(), m.CmbDataI->currentText().trimmed().right(4));
  EXPECT_EQ(m.CmbAnnoF->currentText(), m.CmbDataF->currentText().trimmed().right(4));
}

QStringList Voci(QMenu* menu) {
  QStringList out;
  for (QAction* a : menu->actions())
    out << a->objectName() + QLatin1Char('=') + (a->isSeparator() ? QStringLiteral("-") : a->text());
  return out;
}

}  // namespace

TEST(MainWindow, MenuTreeInOrderWithExactCaptions) {
  prova::ProgrammaDiProva p(DieciEstrazioni());
  MDIForm1& m = p.principale();
  EXPECT_EQ(m.windowTitle(), QStringLiteral("Tarvolane"));
  QStringList menu;
  for (QAction* a : m.menuBar()->actions()) menu << a->menu()->objectName() + QLatin1Char('=') + a->text();
  EXPECT_EQ(menu, (QStringList{"MnuEst=&Estrazioni", "MnuRsc=&RSC", "Stat=&Statistiche",
                               "MnuPrevisioni=&Previsioni", "MnuTab1=", "MnuFinestra=&Finestra", "MnuHlp=&?"}));
  auto sotto = [&](const char* nome) { return Voci(m.menuBar()->findChild<QMenu*>(QString::fromLatin1(nome))); };
  EXPECT_EQ(sotto("MnuEst"), (QStringList{"MnuEstGest=&Gestione Estrazioni", "MnuEstTabAna=&Tabellone Analitico"}));
  EXPECT_EQ(sotto("MnuRsc"), (QStringList{"MnuRscTab1=&Tabellone Analitico RSC",
                                          "MnuRscTab2=Tabellone &Ritardi Misti RSC",
                                          "MnuRscStat=&Statistiche Gruppi Ritardo"}));
  EXPECT_EQ(sotto("Stat"), (QStringList{"MnuEstTabRuo=&Tabella Estratti per Ruota",
                                        "MnuEstCDF=&Rit/Pre Cadenze,Decine,Figure",
                                        "MnuStatAnaNum=&Analisi Formazioni Numeriche",
                                        "MnuStatLaData=Statistica sulla &Data di Estrazione", "MnuStatSep=-",
                                        "MnuStatTab=&Gestione Tebelle Formazioni Numeriche"}));
  EXPECT_EQ(sotto("MnuPrevisioni"), (QStringList{"MnuPrevAAM=A&mbate ad Attesa Minima", "MnuPrevSpia=Numeri &Spia",
                                                 "mnuPrevMetodiT=Method &Testing", "mnuPrevMetodiD=Method &Detector",
                                                 "mnuPrevMetodiS=Method Testing S&uperEnalotto"}));
  EXPECT_EQ(sotto("MnuTab1"), (QStringList{"MnuTab1A=", "MnuTab1B=-", "MnuTab1C=", "MnuTab1D=", "MnuTab1E=", "MnuTab1F="}));
  EXPECT_FALSE(m.MnuTab1->menuAction()->isVisible());
  EXPECT_FALSE(m.MnuTab1->menuAction()->isEnabled());
  EXPECT_EQ(sotto("MnuFinestra"), (QStringList{"MnuFinestraChiudi=&Chiudi Tutte", "MnuFinestraIcona=&Riduci tutte ad Icona",
                                               "MnuFinestraDisponi=&Disponi Icone"}));
  EXPECT_EQ(sotto("MnuHlp"), (QStringList{"MnuHelp=&Guida di Tarvolane", "MnuAbout=&Informazioni su Tarvolane"}));
}

TEST(MainWindow, ToolbarKeysTooltipsAndSeparators) {
  prova::ProgrammaDiProva p(DieciEstrazioni());
  MDIForm1& m = p.principale();
  QStringList tasti;
  for (QAction* a : m.Toolbar1->actions()) {
    if (a->isSeparator()) tasti << QStringLiteral("-");
    else if (!a->objectName().isEmpty()) tasti << a->objectName() + QLatin1Char('=') + a->toolTip();
    if (a->objectName() == QLatin1String("BtnHelp")) break;
  }
  EXPECT_EQ(tasti, (QStringList{
      "BtnEstGest=Gestione Estrazioni", "BtnEstTabAna=Tabellone Analitico", "BtnTabRuo=Tabella Estratti per Ruota",
      "BtnCDF=Cadenze,Decine,Figure (Rit & Pre)", "BtnAnaNum=Analisi Formazioni Numeriche",
      "BtnData='sta Data sorte o non sorte ?", "-", "BtnTab1=Tabellone Analitico RSC",
      "BtnTab2=Tabellone Ritardi Misti RSC", "BtnStatistica=Statistiche Gruppi Ritardo RSC", "-",
      "BtnAAM=Ambate ad Attesa Minima", "BtnSpia=Numeri Spia", "BtnMetFN=Test Metodi",
      "BtnMetodiD=Method Detector", "BtnMetodiS=Test Metodi Superenalotto", "-",
      "TabFnum=Tabella Formazioni Numeriche", "-", "-", "BtnHelp=HELP - F1"}));
  for (QAction* a : m.Toolbar1->actions()) {
    if (!a->isSeparator() && !a->objectName().isEmpty()) {
      EXPECT_TRUE(a->text().isEmpty());
    }
  }
  EXPECT_EQ(m.Text1->text(), QStringLiteral("Tarvolane sul WEB"));
  // A key is usable exactly when its menu item is.
  const std::pair<const char*, const char*> coppie[] = {
      {"BtnEstGest", "MnuEstGest"}, {"BtnEstTabAna", "MnuEstTabAna"}, {"BtnTabRuo", "MnuEstTabRuo"},
      {"BtnCDF", "MnuEstCDF"}, {"BtnTab1", "MnuRscTab1"}, {"BtnTab2", "MnuRscTab2"},
      {"BtnMetFN", "mnuPrevMetodiT"}, {"TabFnum", "MnuStatTab"}, {"BtnHelp", "MnuHelp"}};
  for (auto [tasto, voce] : coppie)
    EXPECT_EQ(m.voce(QString::fromLatin1(tasto))->isEnabled(), m.voce(QString::fromLatin1(voce))->isEnabled()) << tasto;
}

TEST(MainWindow, HelpWebAndAbout) {
  prova::ProgrammaDiProva p(DieciEstrazioni());
  MDIForm1& m = p.principale();
  m.MnuHelp_Click();
  m.Toolbar1_ButtonClick(QStringLiteral("BtnHelp"));
  m.PicHelp_Click();
  EXPECT_EQ(p.servizi.aiuto.argomenti, (std::vector<int>{10000, 10000, 10000}));
  QTest::keyClick(&m, Qt::Key_F1);
  EXPECT_EQ(p.servizi.aiuto.argomenti.back(), 10000);
  m.PicWeb_Click();
  ASSERT_EQ(p.servizi.desktop.aperti.size(), 1u);
  EXPECT_EQ(p.servizi.desktop.aperti[0].toString(), QString::fromLatin1(kIndirizzoWeb));
  // An unknown key does nothing.
  m.Toolbar1_ButtonClick(QStringLiteral("Nessuno"));
  p.servizi.dialoghi.alModale = [](QDialog* d) {
    auto* about = qobject_cast<frmAbout*>(d);
    EXPECT_NE(about, nullptr);
    EXPECT_TRUE(about->windowTitle().startsWith(QStringLiteral("Informazioni su ")));
    EXPECT_EQ(about->Text1->toPlainText(),
              QStringLiteral("Per informazioni, aggiornamenti, \nl'archivio aggiornato e le ultime \n"
                             "Estrazioni del Lotto\nconsulta il sito Internet"));
    EXPECT_TRUE(about->lblVersion->text().startsWith(QStringLiteral("Versione 1.0 Revisione ")));
    EXPECT_EQ(about->CmdOK->text(), QStringLiteral("OK"));
    return 0;
  };
  m.MnuAbout_Click();
  EXPECT_EQ(p.servizi.dialoghi.finestreModali, (std::vector<QString>{"frmAbout"}));
}

TEST(MainWindow, CloseAllClosesEveryChildAndTheWindowMenuListsThem) {
  prova::ProgrammaDiProva p(DieciEstrazioni());
  MDIForm1& m = p.principale();
  // Each item reads as its window's name, on one line.
  for (const char* nome : {"Uno", "a&b [*]", "x\ty\r\nz\n"})
    ui::Nomina(m.finestre().nuova<QWidget>(), QString::fromLatin1(nome));
  QMenu* finestra = m.menuBar()->findChild<QMenu*>(QStringLiteral("MnuFinestra"));
  emit finestra->aboutToShow();
  QStringList elenco;
  for (QAction* a : finestra->actions()) elenco << (a->isSeparator() ? QStringLiteral("-") : a->text());
  EXPECT_EQ(elenco, (QStringList{"&Chiudi Tutte", "&Riduci tutte ad Icona", "&Disponi Icone", "-",
                                 "&1 Uno", "&2 a&&b [*]", "&3 x y z "}));
  // A title reads the same, on one line: here the title a window outside the
  // host gives the window manager, which the host's frames paint alike.
  for (const auto& [nome, titolo] : {std::pair{"a&b [*]", "a&b [*]"}, {"x\ty\r\nz\n", "x y z "}}) {
    QWidget fuori;
    ui::Nomina(&fuori, QString::fromLatin1(nome));
    fuori.winId();
    EXPECT_EQ(fuori.windowHandle()->title(), QString::fromLatin1(titolo));
  }
  m.voce(QStringLiteral("MnuFinestraIcona"))->trigger();
  for (QMdiSubWindow* s : m.area()->subWindowList()) EXPECT_TRUE(s->isMinimized());
  m.voce(QStringLiteral("MnuFinestraChiudi"))->trigger();
  QTest::qWait(1);
  EXPECT_TRUE(m.area()->subWindowList().isEmpty());
  EXPECT_TRUE(m.PicLimiti->isVisible());
}

namespace {

// The archive editor, opened from the menu of the main window once that is
// active; null where the platform has no active window.
Extrazioni* EditorAttivo(MDIForm1& m) {
  m.activateWindow();
  if (!QTest::qWaitForWindowActive(&m)) return nullptr;
  m.MnuEstGest_Click();
  Extrazioni* e = m.finestre().trova<Extrazioni>();
  if (!e) ADD_FAILURE() << "the archive editor did not open";
  return e;
}

}  // namespace

// The keyboard of the tool windows and F10, through the window system's key
// path. Each key waits until the main window is active (prova::Premi): on a
// display another program's window may hold the activation for a while.
TEST(MainWindow, ReturnCtrlF4AndTheActiveWindowsMnemonics) {
  prova::ProgrammaDiProva p(DieciEstrazioni());
  MDIForm1& m = p.principale();
  Extrazioni* e = EditorAttivo(m);
  if (!e) GTEST_SKIP() << "no active window on this platform";
  // Return presses the focused button, as Space does.
  e->CmdInserisci->setFocus();
  QTest::keyClick(e->CmdInserisci, Qt::Key_Return);
  QTest::qWait(300);  // the press is animated
  EXPECT_TRUE(e->Frame1->isVisible());
  // Alt+E belongs to the editor: in insert mode only "&Esci" has it, and it
  // leaves insert mode; the menu "&Estrazioni" stays shut.
  p.servizi.dialoghi.risposte.push_back(ui::Risposta::Si);
  ASSERT_TRUE(prova::Premi(m, Qt::Key_E, Qt::AltModifier));
  QTest::qWait(300);
  EXPECT_EQ(p.servizi.dialoghi.testi(), QStringList{QStringLiteral("Annullare Inserimento Estrazione ?")});
  EXPECT_EQ(QApplication::activePopupWidget(), nullptr);
  EXPECT_FALSE(e->Frame1->isVisible());
  // In view mode "&Elimina Estrazione" and "&Esci" share it: the focus moves
  // between them and neither is pressed.
  p.servizi.dialoghi.messaggi.clear();
  const auto prima = prova::Binario(p.cartella.percorso() / "archivio.dat");
  ASSERT_TRUE(prova::Premi(m, Qt::Key_E, Qt::AltModifier));
  EXPECT_EQ(prova::Fuoco(m), e->CmdElimina);
  ASSERT_TRUE(prova::Premi(m, Qt::Key_E, Qt::AltModifier));
  EXPECT_EQ(prova::Fuoco(m), e->CmdEsci);
  QTest::qWait(300);
  EXPECT_TRUE(p.servizi.dialoghi.messaggi.empty());
  EXPECT_EQ(prova::Binario(p.cartella.percorso() / "archivio.dat"), prima);
  // Ctrl+F4 closes the active inner window.
  ASSERT_TRUE(prova::Premi(m, Qt::Key_F4, Qt::ControlModifier));
  QTest::qWait(1);
  EXPECT_TRUE(m.area()->subWindowList().isEmpty());
  // F10 opens the first menu of the menu bar.
  ASSERT_TRUE(prova::Premi(m, Qt::Key_F10));
  EXPECT_EQ(QApplication::activePopupWidget(), m.menuBar()->actions().constFirst()->menu());
}

// Insert mode left while another window is active, as after the answer to a
// box: once the main window is back, the keys reach the editor's controls.
TEST(MainWindow, LeavingInsertModeInAnInactiveWindowKeepsTheKeysInTheEditor) {
  prova::ProgrammaDiProva p(DieciEstrazioni());
  MDIForm1& m = p.principale();
  Extrazioni* e = EditorAttivo(m);
  if (!e) GTEST_SKIP() << "no active window on this platform";
  e->CmdInserisci_Click();
  ASSERT_EQ(prova::Fuoco(m), e->Est[1]);
  QWidget altra;
  altra.show();
  altra.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&altra));
  p.servizi.dialoghi.risposte.push_back(ui::Risposta::Si);
  e->CmdEsci_Click();
  altra.close();
  ASSERT_TRUE(prova::Premi(m, Qt::Key_E, Qt::AltModifier));
  EXPECT_EQ(prova::Fuoco(m), e->CmdElimina);
  EXPECT_EQ(QApplication::activePopupWidget(), nullptr);
}

TEST(RangeBar, OpensOnTheWholeArchive) {
  prova::ProgrammaDiProva p(DieciEstrazioni());
  MDIForm1& m = p.principale();
  ControllaBarra(m, p.stato, {1, 10, "10 Estr."});
  EXPECT_EQ(m.CmbDataI->count(), 10);
  EXPECT_EQ(m.CmbDataI->itemText(3), QStringLiteral("4 - Sab  2 Gen 1999   "));
  EXPECT_EQ(m.CmbAnnoI->count(), 3);
  EXPECT_EQ(m.CmbAnnoF->itemText(2), QStringLiteral("2000"));
  EXPECT_EQ(m.SliIni->maximum(), 9);
}

TEST(RangeBar, FourDigitLabelsAreShownWholeAndNothingOverlaps) {
  prova::ProgrammaDiProva p(prova::Sintetiche(4999));
  MDIForm1& m = p.principale();
  QStringList etichette;
  for (int i = 0; i < m.CmbDataF->count(); ++i) etichette << m.CmbDataF->itemText(i);
  EXPECT_EQ(etichette.back().size(), 22);
  for (QComboBox* lista : {m.CmbDataI, m.CmbDataF}) {
    EXPECT_GE(lista->width(), ui::LarghezzaLista(lista, etichette));
    EXPECT_GE(lista->width(), ui::Pixel(2130));  // never narrower than designed
  }
  QList<QWidget*> ordine{m.LbIni, m.CmbDataI, m.CmbAnnoI, m.CmdIni[2], m.SliIni, m.LbNestr, m.CmdIni[0],
                         m.Label1, m.CmbDataF, m.CmbAnnoF, m.SliFin, m.CmdIni[3]};
  for (int i = 1; i < ordine.size(); ++i)
    EXPECT_GT(ordine[i]->x(), ordine[i - 1]->geometry().right()) << ordine[i]->objectName().toStdString();
  EXPECT_GE(m.PicLimiti->minimumWidth(), m.CmdIni[3]->geometry().right());
}

TEST(RangeBar, BoundsNeverCross) {
  prova::ProgrammaDiProva p(DieciEstrazioni());
  MDIForm1& m = p.principale();
  m.CmbDataI->setCurrentIndex(5);
  ControllaBarra(m, p.stato, {6, 10, "5 Estr."});
  m.CmbDataF->setCurrentIndex(2);  // end before the start: falls back onto it
  ControllaBarra(m, p.stato, {6, 6, "1 Estr."});
  m.CmbDataF->setCurrentIndex(7);
  m.CmbDataI->setCurrentIndex(9);  // start after the end: falls back onto it
  ControllaBarra(m, p.stato, {8, 8, "1 Estr."});
  m.CmbDataI->setCurrentIndex(1);
  m.SliIni->setValue(9);  // dragged past the end
  ControllaBarra(m, p.stato, {8, 8, "1 Estr."});
  m.SliFin->setValue(0);
  ControllaBarra(m, p.stato, {8, 8, "1 Estr."});
}

TEST(RangeBar, YearListsMoveToTheYearsFirstDraw) {
  prova::ProgrammaDiProva p(DieciEstrazioni());
  MDIForm1& m = p.principale();
  m.CmbDataI->setCurrentIndex(1);  // 1998
  ControllaBarra(m, p.stato, {2, 10, "9 Estr."});
  m.CmbAnnoI->setCurrentText(QStringLiteral("1999"));
  ControllaBarra(m, p.stato, {4, 10, "7 Estr."});
  m.CmbDataI->setCurrentIndex(5);  // still 1999: choosing 1999 again changes nothing
  m.CmbAnnoI->setCurrentIndex(0);
  m.CmbAnnoI->setCurrentText(QStringLiteral("1999"));
  ControllaBarra(m, p.stato, {4, 10, "7 Estr."});
  m.CmbAnnoF->setCurrentText(QStringLiteral("1999"));  // the first draw of the year, not the last
  ControllaBarra(m, p.stato, {4, 4, "1 Estr."});
}

TEST(RangeBar, ButtonsAndRebuild) {
  prova::ProgrammaDiProva p(DieciEstrazioni());
  MDIForm1& m = p.principale();
  m.CmbDataI->setCurrentIndex(3);
  m.CmbDataF->setCurrentIndex(6);
  m.CmdIni[2]->click();
  ControllaBarra(m, p.stato, {1, 7, "7 Estr."});
  m.CmbDataI->setCurrentIndex(3);
  m.CmdIni[3]->click();
  ControllaBarra(m, p.stato, {4, 10, "7 Estr."});
  m.CmbDataF->setCurrentIndex(4);
  m.CmdIni[0]->click();
  ControllaBarra(m, p.stato, {1, 10, "10 Estr."});

  // The archive grew: the rebuilt bar ends with the new draw and takes it all.
  m.CmbDataI->setCurrentIndex(2);
  auto e = DieciEstrazioni();
  e.push_back(prova::Sintetiche(1)[0]);
  e.back().data = {22, 1, 2000};
  p.stato.ArchivioEstrazioni = CostruisciArchivio(e);
  Inizio::Aggiorna_Indici_Archivio(p.stato.ArchivioEstrazioni, p.stato.indici);
  m.Crea_Barra_Limiti();
  ControllaBarra(m, p.stato, {1, 11, "11 Estr."});
  EXPECT_EQ(m.CmbDataF->itemText(10), QStringLiteral("11 - Sab 22 Gen 2000  "));
}

TEST(RangeBar, ASingleDrawArchive) {
  prova::ProgrammaDiProva p(prova::Sintetiche(1));
  MDIForm1& m = p.principale();
  ControllaBarra(m, p.stato, {1, 1, "1 Estr."});
  m.CmdIni[0]->click();
  ControllaBarra(m, p.stato, {1, 1, "1 Estr."});
}
