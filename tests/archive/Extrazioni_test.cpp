// The archive editor: showing and browsing draws, its key rules, the
// printout and the draw views it opens.
#include "archive/Extrazioni.h"

#include <gtest/gtest.h>

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QPointer>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>

#include "archive/Archivioesteso.h"
#include "archive/Form4.h"
#include "archive/analisi_estrazione.h"
#include "archive/grigliaciclometrica.h"
#include "core/file.h"
#include "core/rsc.h"
#include "core/testo.h"
#include "estrazione_di_prova.h"
#include "support/leggi_file.h"
#include "support/programma_di_prova.h"
#include "ui/CampoData.h"
#include "ui/Colori.h"
#include "ui/Finestre.h"
#include "ui/Griglia.h"
#include "ui/Testo.h"

#include "editor_di_prova.h"

using namespace prova::editor;

TEST(ArchiveEditor, OpensOnTheLastDrawWithItsLabels) {
  Editor ed;
  Extrazioni& e = ed.e;
  EXPECT_TRUE(ed.m.voce(QStringLiteral("MnuEstGest"))->isEnabled());
  EXPECT_TRUE(ed.m.voce(QStringLiteral("BtnEstGest"))->isEnabled());
  ed.m.Toolbar1_ButtonClick(QStringLiteral("BtnEstGest"));  // one editor only
  EXPECT_EQ(ed.m.finestre().aperte().size(), 1);
  EXPECT_EQ(e.windowTitle(), QStringLiteral("Estrazioni"));
  EXPECT_EQ(e.property("argomentoAiuto").toInt(), 20000);
  EXPECT_FALSE(ed.m.PicLimiti->isVisible());

  EXPECT_EQ(e.EstrCorrente, 10);
  EXPECT_EQ(ed.p.stato.EstrSelezionata, 10);
  EXPECT_EQ(e.Scroll->minimum(), 1);
  EXPECT_EQ(e.Scroll->maximum(), 10);
  EXPECT_EQ(e.LbIndice->text(), QStringLiteral("10 / 10"));
  EXPECT_EQ(e.LbData->text(), QStringLiteral("15.1.2000 (Sab)"));
  EXPECT_EQ(e.LbIndiceAnno->text(), QStringLiteral("3"));
  EXPECT_EQ(e.LbIndiceMese->text(), QStringLiteral("3"));
  EXPECT_EQ(e.StBarPanel1->text(), QStringLiteral("Ultima Estrazione : 10 - Sabato 15 Gennaio 2000"));
  // FIRENZE 10 collides with BARI and takes 33; MILANO 33 takes its next free number, 16.
  EXPECT_EQ(e.LbSuper->text(), QStringLiteral("Colonna SuperEnalotto  :  10 - 16 - 21 - 26 - 31 - 33 - Jolly 42"));
  EXPECT_EQ(ed.riga(1), (QStringList{"BARI", "10", "20", "45", "60", "70"}));
  EXPECT_EQ(ed.riga(10), (QStringList{"VENEZIA", "42", "43", "44", "46", "47"}));
  EXPECT_EQ(e.GridEst->textMatrix(0, 3), QStringLiteral("III "));
  EXPECT_EQ(e.CmbData->count(), 10);
  EXPECT_EQ(e.CmbData->currentIndex(), 9);
  EXPECT_EQ(e.CmbAnno->count(), 3);
  EXPECT_EQ(e.CmbAnno->currentText(), QStringLiteral("2000"));
  EXPECT_TRUE(e.Frame1->isHidden());
  EXPECT_FALSE(e.ArchivioVariato);
}

TEST(ArchiveEditor, BrowsesByScrollListYearNumberAndDate) {
  Editor ed;
  Extrazioni& e = ed.e;
  struct Passo {
    const char* nome;
    std::function<void()> azione;
    int estrazione;
    const char* messaggio;  // "" when none
  };
  auto vai = [&](int box, const char* testo) {
    return [&e, box, testo] {
      e.TxtVai[box]->setText(QString::fromLatin1(testo));
      e.CmdVai[box]->click();
    };
  };
  const Passo passi[] = {
      {"scroll", [&] { e.Scroll->setValue(2); }, 2, ""},
      {"list", [&] { e.CmbData->setCurrentIndex(5); }, 6, ""},
      {"year of the shown draw", [&] { e.CmbAnno->setCurrentText(QStringLiteral("1999")); }, 6, ""},
      {"another year", [&] { e.CmbAnno->setCurrentText(QStringLiteral("2000")); }, 8, ""},
      {"number", vai(0, "7"), 7, ""},
      {"number 0", vai(0, "0"), 7, "Numero Estrazione non valida"},
      {"number too high", vai(0, "11"), 7, "Numero Estrazione non valida"},
      {"date between draws", vai(1, "31.12.1999"), 8, ""},
      {"date of a draw", vai(1, "05.12.1998"), 1, ""},
      {"day out of range", vai(1, "32.01.2000"), 1, "DATA NON VALIDA"},
      {"too short", vai(1, "1.1.2000"), 1, "FORMATO DATA NON VALIDO ( usare 10 crt es: 04.12.1999 ) "},
      {"year before 1945", vai(1, "04.12.1944"), 1, "DATA NON VALIDA"},
      {"after the last draw", vai(1, "16.01.2000"), 1, "Data non Valida"},
  };
  for (const Passo& p : passi) {
    SCOPED_TRACE(p.nome);
    const std::size_t prima = ed.dlg().messaggi.size();
    p.azione();
    EXPECT_EQ(e.EstrCorrente, p.estrazione);
    EXPECT_EQ(e.Scroll->value(), p.estrazione);
    EXPECT_EQ(e.CmbData->currentIndex(), p.estrazione - 1);
    EXPECT_EQ(e.LbIndice->text(), QStringLiteral("%1 / 10").arg(p.estrazione));
    EXPECT_EQ(e.CmbAnno->currentText(), e.CmbData->currentText().trimmed().right(4));
    if (*p.messaggio) {
      ASSERT_EQ(ed.dlg().messaggi.size(), prima + 1);
      EXPECT_EQ(ed.ultimo(), QString::fromLatin1(p.messaggio));
      EXPECT_EQ(ed.dlg().messaggi.back().icona, ui::Icona::Critica);
    } else {
      EXPECT_EQ(ed.dlg().messaggi.size(), prima);
    }
  }
  e.Scroll->setValue(4);  // first draw of its year and month
  EXPECT_EQ(e.LbIndiceAnno->text(), QStringLiteral("1"));
  EXPECT_EQ(e.LbIndiceMese->text(), QStringLiteral("1"));
}

TEST(ArchiveEditor, KeyFiltersJudgeTheTextTheKeyWouldProduce) {
  Editor ed;
  Extrazioni& e = ed.e;
  struct Caso {
    int box;
    const char* prima;
    const char* tasti;
    const char* dopo;
  };
  const Caso casi[] = {
      {0, "", "12a3", "123"}, {0, "", "1.", "1"},
      {1, "", ".", ""}, {1, "", "04.12.", "04.12."}, {1, "0", ".", "0"}, {1, "04.", ".", "04."},
      {1, "", "04x12", "0412"},
  };
  for (const Caso& c : casi) {
    SCOPED_TRACE(std::string(c.prima) + " + " + c.tasti);
    e.TxtVai[c.box]->setText(QString::fromLatin1(c.prima));
    e.TxtVai[c.box]->deselect();
    e.TxtVai[c.box]->setCursorPosition(static_cast<int>(std::strlen(c.prima)));
    QTest::keyClicks(e.TxtVai[c.box], QString::fromLatin1(c.tasti));
    EXPECT_EQ(e.TxtVai[c.box]->text(), QString::fromLatin1(c.dopo));
  }
  // The whole text selected: a key replaces it, a refused key keeps it.
  e.TxtVai[1]->setText(QStringLiteral("04.12.1999"));
  e.TxtVai[1]->selectAll();
  QTest::keyClick(e.TxtVai[1], Qt::Key_Period);
  EXPECT_EQ(e.TxtVai[1]->text(), QStringLiteral("04.12.1999"));
  QTest::keyClick(e.TxtVai[1], Qt::Key_3);
  EXPECT_EQ(e.TxtVai[1]->text(), QStringLiteral("3"));
  QTest::keyClick(e.TxtVai[1], Qt::Key_Backspace);
  EXPECT_EQ(e.TxtVai[1]->text(), QString());

  e.CmdInserisci_Click();
  QTest::keyClicks(e.Est[3], QStringLiteral("x9"));
  EXPECT_EQ(e.Est[3]->text(), QStringLiteral("9"));
  EXPECT_TRUE(ed.dlg().messaggi.empty());
  QTest::keyClick(e.Est[3], Qt::Key_5);  // 95: shown, selected, refused when leaving
  EXPECT_EQ(ed.ultimo(), QStringLiteral("Numeri da 1 a 90 please !"));
  EXPECT_EQ(e.Est[3]->text(), QStringLiteral("95"));
  EXPECT_EQ(e.Est[3]->selectedText(), QStringLiteral("95"));
  EXPECT_FALSE(e.EstFuoriRange);
  bool annulla = false;
  e.Est_Validate(3, annulla);
  EXPECT_TRUE(annulla);
  EXPECT_EQ(ed.dlg().messaggi.size(), 2u);
  QTest::keyClick(e.Est[3], Qt::Key_4);  // replaces the selection
  EXPECT_EQ(e.Est[3]->text(), QStringLiteral("4"));
  e.Est[7]->setText(QStringLiteral("07"));  // a leading zero goes
  EXPECT_EQ(e.Est[7]->text(), QStringLiteral("7"));
  e.Est[8]->setText(QStringLiteral("0"));  // 0 is below 1
  annulla = false;
  e.Est_Validate(8, annulla);
  EXPECT_TRUE(annulla);
  e.Est[8]->setText(QStringLiteral("5"));
  annulla = false;
  e.Est_Validate(8, annulla);
  EXPECT_FALSE(annulla);
  EXPECT_EQ(ed.dlg().messaggi.size(), 3u);
}

TEST(ArchiveEditor, TwoDigitsMoveTheFocusOn) {
  Editor ed;
  Extrazioni& e = ed.e;
  ed.m.activateWindow();
  if (!QTest::qWaitForWindowActive(&ed.m)) GTEST_SKIP() << "no active window on this platform";
  e.CmdInserisci_Click();
  EXPECT_EQ(QApplication::focusWidget(), e.Est[1]);
  QTest::keyClicks(e.Est[1], QStringLiteral("12"));
  EXPECT_EQ(QApplication::focusWidget(), e.Est[2]);
  e.Est[50]->setFocus();
  QTest::keyClicks(e.Est[50], QStringLiteral("90"));
  EXPECT_EQ(QApplication::focusWidget(), e.CmdSalva);
  EXPECT_EQ(e.UltimoEst, 50);
}

TEST(ArchiveEditor, PrintoutWritesStampaTxtAndOpensItWithOrWithoutAPrinter) {
  Editor ed;
  Extrazioni& e = ed.e;
  const auto stampa = ed.file("Stampa.txt");
  const QUrl url = QUrl::fromLocalFile(QString::fromStdString(stampa.string()));
  // The printout is a text file for the text editor: no printer is needed.
  ed.p.servizi.stampante.presente = false;
  e.Scroll->setValue(2);
  e.Scroll->setValue(10);
  e.stampa->click();
  EXPECT_TRUE(ed.dlg().messaggi.empty());
  const auto righe = testo::DecodificaRighe(prova::Testo(stampa));
  ASSERT_EQ(righe.size(), 16u);
  EXPECT_EQ(righe[0], "                      Tarvolane ");
  EXPECT_EQ(righe[2], "Estrazione n. 10 del 15.1.2000 (Sab)");
  EXPECT_EQ(righe[4], "Bari     10 20 45 60 70");
  EXPECT_EQ(righe[15], ui::S(e.LbSuper->text()));
  EXPECT_EQ(ed.p.servizi.desktop.aperti, (std::vector<QUrl>{url}));

  ed.p.servizi.desktop.riesce = false;
  e.stampa->click();
  EXPECT_EQ(ed.ultimo(), "Impossibile aprire il file " + url.toLocalFile());

  // A folder in the way of the file: the failure is reported, nothing opened.
  std::filesystem::remove(stampa);
  std::filesystem::create_directories(stampa / "dentro");
  ed.dlg().messaggi.clear();
  e.stampa->click();
  ASSERT_EQ(ed.dlg().messaggi.size(), 1u);
  EXPECT_TRUE(ed.ultimo().contains(QStringLiteral("Stampa.txt")));
  EXPECT_EQ(ed.p.servizi.desktop.aperti.size(), 2u);
}

TEST(DrawViews, EachViewShowsTheShownDraw) {
  // Draw 11 repeats draw 10 wheel for wheel: a report longer than 30 lines.
  auto estrazioni = DieciEstrazioni();
  estrazioni.push_back(estrazioni.back());
  estrazioni.back().data = {22, 1, 2000};
  estrazioni.back().numeri[0][0] = 1;
  estrazioni.back().numeri[0][1] = 90;
  Editor ed(estrazioni);
  Extrazioni& e = ed.e;
  QStringList viste;
  ed.dlg().alModale = [&](QDialog* d) {
    const Archivio& a = ed.p.stato.ArchivioEstrazioni;
    if (auto* f = qobject_cast<Form4*>(d)) {
      EXPECT_EQ(f->windowTitle(), QStringLiteral("Analisi dell'estrazione visualizzata"));
      const auto righe = Estrazioni::AnalisiEstrazione(a, 11);
      EXPECT_GT(righe.size(), 30u);
      EXPECT_EQ(f->ana->rows(), static_cast<int>(righe.size()));
      EXPECT_EQ(f->ana->textMatrix(0, 0), QString(18, QLatin1Char(' ')) + QStringLiteral("R I P E T I Z I O N I:"));
      EXPECT_EQ(f->ana->textMatrix(1, 0), QStringLiteral("Bari     45 precedentemente sortito in 3^ posizione"));
      EXPECT_EQ(f->ana->textMatrix(f->ana->rows() - 1, 0), ui::Q(righe.back()));
      viste << QStringLiteral("Form4");
    } else if (auto* g = qobject_cast<grigliaciclometrica*>(d)) {
      const bool distanze = ed.p.stato.TipoGriglia == "d";
      EXPECT_EQ(g->windowTitle(), QStringLiteral("grigliaciclometrica"));
      EXPECT_EQ(g->Label1->text(), distanze ? QStringLiteral("Distanze:") : QStringLiteral("Somme:"));
      EXPECT_EQ(g->ana->textMatrix(0, 5), QStringLiteral("II-III"));
      EXPECT_EQ(g->ana->textMatrix(10, 0), QStringLiteral("VE"));
      // BARI 1 and 90: distance 89 -> 1, sum 91 -> 1; 1 and 45: 44, 46.
      EXPECT_EQ(g->ana->textMatrix(1, 1), QStringLiteral("1"));
      EXPECT_EQ(g->ana->textMatrix(1, 2), distanze ? QStringLiteral("44") : QStringLiteral("46"));
      EXPECT_EQ(g->evidenzia->currentText(), QStringLiteral("1"));
      EXPECT_EQ(g->ana->cellBackColor(1, 1), ui::Colore(0xC0FFC0));
      g->evidenzia->setCurrentText(g->ana->textMatrix(1, 2));
      g->evidenzia_Click();
      int bianche = 0;
      for (int r = 1; r <= 10; ++r)
        for (int c = 1; c <= 10; ++c) {
          const bool uguale = g->ana->textMatrix(r, c) == g->ana->textMatrix(1, 2);
          EXPECT_EQ(g->ana->cellBackColor(r, c), ui::Colore(uguale ? 0xFFFFFF : 0xC0FFC0));
          bianche += uguale;
        }
      EXPECT_GE(bianche, 1);
      // A typed value is looked for, not added to the list.
      const int voci = g->evidenzia->count();
      g->evidenzia->lineEdit()->setText(QStringLiteral("77"));
      QTest::keyClick(g->evidenzia->lineEdit(), Qt::Key_Return);
      EXPECT_EQ(g->evidenzia->count(), voci);
      viste << g->Label1->text();
    } else if (auto* u = qobject_cast<Archivioesteso*>(d)) {
      EXPECT_EQ(u->windowTitle(), QStringLiteral("Archivio delle ultime 100 estrazioni"));
      EXPECT_EQ(u->GridArchivio->rows(), 101);
      EXPECT_EQ(u->GridArchivio->cols(), 51);
      EXPECT_EQ(u->GridArchivio->textMatrix(100, 1), QStringLiteral("1"));
      EXPECT_EQ(u->GridArchivio->textMatrix(100, 50), QStringLiteral("47"));
      EXPECT_EQ(u->GridArchivio->textMatrix(99, 3), QStringLiteral("45"));
      EXPECT_EQ(u->GridArchivio->textMatrix(90, 1), QString::number(a(1, 1, 1)));
      EXPECT_EQ(u->GridArchivio->textMatrix(89, 1), QString());
      // Shown, it stands on the last draw with the rows before it in view.
      u->show();
      EXPECT_EQ(u->GridArchivio->row(), 100);
      EXPECT_FALSE(u->GridArchivio->cellRect(100, 1).isNull());
      EXPECT_TRUE(u->GridArchivio->cellRect(1, 1).isNull());
      viste << QStringLiteral("Archivioesteso");
    }
    return 0;
  };
  e.Command1->click();
  e.somme->click();
  e.visualizzagrigliaciclometrica->click();
  e.Command2->click();
  EXPECT_EQ(viste, (QStringList{"Form4", "Somme:", "Distanze:", "Archivioesteso"}));
}
