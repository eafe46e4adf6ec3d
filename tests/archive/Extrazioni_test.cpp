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

namespace {

// Ten draws: 1998 (3), 1999 (4), 2000 (3); the last one written by hand.
std::vector<Estrazione> DieciEstrazioni() {
  std::vector<Estrazione> e = prova::DieciEstrazioni();
  e[9] = prova::Fai({15, 1, 2000}, {{10, 20, 45, 60, 70}, {1, 2, 3, 4, 5}, {10, 33, 7, 8, 9}, {11, 12, 13, 14, 15},
                                    {33, 10, 16, 17, 18}, {21, 22, 23, 24, 25}, {26, 27, 28, 29, 30},
                                    {31, 32, 34, 35, 36}, {37, 38, 39, 40, 41}, {42, 43, 44, 46, 47}});
  return e;
}


// The main window with the editor open on the given draws.
struct Editor {
  explicit Editor(const std::vector<Estrazione>& estrazioni = DieciEstrazioni())
      : p(estrazioni), m(p.principale()), e(Apri(m)) {}
  static Extrazioni& Apri(MDIForm1& m) {
    m.MnuEstGest_Click();
    return *m.finestre().trova<Extrazioni>();
  }
  ui::DialoghiDiProva& dlg() { return p.servizi.dialoghi; }
  QString ultimo() const { return p.servizi.dialoghi.messaggi.empty() ? QString() : p.servizi.dialoghi.messaggi.back().testo; }
  std::filesystem::path file(const char* nome) const { return p.cartella.percorso() / nome; }
  std::vector<std::uint8_t> disco() const { return prova::Binario(file("archivio.dat")); }
  static std::vector<std::uint8_t> Byte(const Archivio& a) { return {a.bytes().begin(), a.bytes().end()}; }
  void scrivi(const Estrazione& x, Data d) {
    e.Giorni->setDate(QDate(d.anno, d.mese, d.giorno));
    for (int i = 1; i <= 50; ++i) e.Est[i]->setText(QString::number(x.numeri[(i - 1) / 5][(i - 1) % 5]));
  }
  QStringList riga(int r) const {
    QStringList out;
    for (int c = 0; c <= 5; ++c) out << e.GridEst->textMatrix(r, c);
    return out;
  }

  prova::ProgrammaDiProva p;
  MDIForm1& m;
  Extrazioni& e;
};

bool Rossa(const QLineEdit* box) {
  return box->palette().color(QPalette::Base) == ui::Colore(0xFF) &&
         box->palette().color(QPalette::Text) == ui::Colore(0xFFFF);
}

// As the window system sends it: a click, then the double click.
void DoppioClick(ui::Griglia* g, int r, int c) {
  const QPoint punto = g->cellRect(r, c).center();
  QTest::mouseClick(g->viewport(), Qt::LeftButton, {}, punto);
  QTest::mouseDClick(g->viewport(), Qt::LeftButton, {}, punto);
}

}  // namespace

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

TEST(ArchiveEditor, TheDateOfANewDrawIsTheDateTypedWhereverTheFieldWasEntered) {
  Editor ed;
  Extrazioni& e = ed.e;
  ed.m.activateWindow();
  if (!QTest::qWaitForWindowActive(&ed.m)) GTEST_SKIP() << "no active window on this platform";
  QLineEdit* campo = e.Giorni->editor();
  const QDate oggi = QDate::currentDate();
  enum Ingresso { IndietroDaBari, ClickSulGiorno, ClickSullAnno, SelezionaTutto };
  struct Caso {
    Ingresso ingresso;
    const char* tasti;
    QDate attesa;
    const char* testo = nullptr;  // the text in view, when it is not the date's
  };
  const Caso casi[] = {
      {IndietroDaBari, "04/06/2026", {2026, 6, 4}},
      {IndietroDaBari, "04062026", {2026, 6, 4}},
      {ClickSulGiorno, "04062026", {2026, 6, 4}},
      {ClickSullAnno, "04062026", {2026, 6, 4}},
      {SelezionaTutto, "04062026", {2026, 6, 4}},
      {ClickSullAnno, "4/6/2026", {2026, 6, 4}},
      {ClickSulGiorno, "4.6.26", {2026, 6, 4}},
      {ClickSulGiorno, "30041998", {1998, 4, 30}},
      {ClickSulGiorno, "5/11/46", {1946, 11, 5}},
      {ClickSulGiorno, "9", {oggi.year(), oggi.month(), 9}},   // the day alone
      {ClickSulGiorno, "31/2", oggi, "31/02/"},  // no date: refused and kept in view
  };
  for (const Caso& c : casi) {
    SCOPED_TRACE(c.tasti);
    e.CmdInserisci_Click();
    ASSERT_EQ(QApplication::focusWidget(), e.Est[1]);
    const QRect r = campo->rect();
    switch (c.ingresso) {
      case IndietroDaBari:
        QTest::keyClick(e.Est[1], Qt::Key_Backtab, Qt::ShiftModifier);
        ASSERT_EQ(QApplication::focusWidget(), campo);
        QApplication::processEvents();
        EXPECT_EQ(campo->selectedText(), oggi.toString(QStringLiteral("dd")));
        break;
      case ClickSulGiorno: QTest::mouseClick(campo, Qt::LeftButton, {}, QPoint(r.left() + 6, r.center().y())); break;
      case ClickSullAnno: QTest::mouseClick(campo, Qt::LeftButton, {}, QPoint(r.right() - 8, r.center().y())); break;
      case SelezionaTutto:
        campo->setFocus();
        QTest::keyClick(campo, Qt::Key_A, Qt::ControlModifier);
        break;
    }
    QApplication::processEvents();
    QTest::keyClicks(campo, QString::fromLatin1(c.tasti));
    QTest::keyClick(campo, Qt::Key_Tab);
    EXPECT_EQ(e.Giorni->date(), c.attesa);
    EXPECT_EQ(campo->text(), c.testo ? QString::fromLatin1(c.testo) : c.attesa.toString(QStringLiteral("dd/MM/yyyy")));
    e.CmdEsci_Click();
  }
}

TEST(ArchiveEditor, ASavedDrawCarriesTheDateInView) {
  Editor ed;
  Extrazioni& e = ed.e;
  ed.m.activateWindow();
  if (!QTest::qWaitForWindowActive(&ed.m)) GTEST_SKIP() << "no active window on this platform";
  const auto prima = ed.disco();
  e.CmdInserisci_Click();
  const Estrazione nuova = prova::Di({22, 1, 2000});
  ed.scrivi(nuova, {7, 7, 2007});
  QLineEdit* campo = e.Giorni->editor();
  // A text that is no date stays in view and the save refuses it.
  campo->setFocus();
  QTest::keyClicks(campo, QStringLiteral("31022000"));
  e.CmdSalva->setFocus();
  EXPECT_EQ(campo->text(), QStringLiteral("31/02/2000"));
  e.CmdSalva_Click();
  EXPECT_EQ(ed.ultimo(), QStringLiteral("DATA NON VALIDA !"));
  EXPECT_EQ(ed.disco(), prima);
  // Typed and saved at once (Alt+S from the field): the draw has the date in view.
  campo->setFocus();
  QTest::keyClicks(campo, QStringLiteral("22/1/2000"));
  EXPECT_EQ(campo->text(), QStringLiteral("22/01/2000"));
  e.CmdSalva_Click();
  auto atteso = DieciEstrazioni();
  atteso.push_back(nuova);
  EXPECT_EQ(ed.disco(), Editor::Byte(CostruisciArchivio(atteso)));
}

TEST(ArchiveEditor, InsertModeAppendsADrawAndReturnsToTheLastDraw) {
  Editor ed;
  Extrazioni& e = ed.e;
  e.CmdInserisci_Click();
  EXPECT_EQ(e.property("argomentoAiuto").toInt(), 20020);
  for (QWidget* w : std::initializer_list<QWidget*>{e.Label2, e.Label7, e.Frame2, e.LbIndice, e.LbSuper, e.stampa,
                                                    e.visualizzagrigliaciclometrica})
    EXPECT_TRUE(w->isHidden()) << w->objectName().toStdString();
  for (QWidget* w : std::initializer_list<QWidget*>{e.Frame1, e.CmdSalva, e.CmdIncolla, e.Giorni, e.GridEst, e.somme})
    EXPECT_FALSE(w->isHidden()) << w->objectName().toStdString();
  EXPECT_FALSE(e.CmdInserisci->isEnabled());
  EXPECT_FALSE(e.CmdElimina->isEnabled());
  EXPECT_EQ(e.CmdSalva->x(), ui::Pixel(2880));
  EXPECT_EQ(e.Frame1->x(), ui::Pixel(240));
  EXPECT_EQ(e.LbRuota[9]->text(), QStringLiteral("VENEZIA"));
  EXPECT_EQ(e.Giorni->date(), QDate::currentDate());
  EXPECT_EQ(e.Giorni->minimumDate(), QDate(1900, 1, 1));
  EXPECT_EQ(e.Giorni->maximumDate(), QDate(2099, 12, 31));

  const Estrazione nuova = prova::Di({22, 1, 2000});
  ed.scrivi(nuova, nuova.data);
  e.CmdSalva_Click();  // "ESTRAZIONE SALVATA": No is the default answer
  ASSERT_EQ(ed.dlg().messaggi.size(), 1u);
  EXPECT_EQ(ed.ultimo(), QStringLiteral("   ESTRAZIONE SALVATA\r\nInserimento Altra Estrazione ?"));
  EXPECT_EQ(ed.dlg().messaggi[0].icona, ui::Icona::Informazione);
  EXPECT_EQ(ed.dlg().messaggi[0].pulsanti, ui::Pulsanti::SiNo);
  auto atteso = DieciEstrazioni();
  atteso.push_back(nuova);
  EXPECT_EQ(ed.disco(), Editor::Byte(CostruisciArchivio(atteso)));
  EXPECT_TRUE(e.ArchivioVariato);
  // Back in view mode without the cancel question, on the new last draw.
  EXPECT_TRUE(e.Frame1->isHidden());
  EXPECT_EQ(e.property("argomentoAiuto").toInt(), 20000);
  EXPECT_EQ(e.LbIndice->text(), QStringLiteral("11 / 11"));
  EXPECT_EQ(e.CmbData->count(), 11);
  EXPECT_EQ(e.CmbData->currentIndex(), 10);
  EXPECT_EQ(e.LbIndiceMese->text(), QStringLiteral("4"));
  EXPECT_EQ(e.StBarPanel1->text(), QStringLiteral("Ultima Estrazione : 11 - Sabato 22 Gennaio 2000"));
}

TEST(ArchiveEditor, SaveChecksColourTheFaultyBoxesAndChangeNothing) {
  Editor ed;
  Extrazioni& e = ed.e;
  const auto prima = ed.disco();
  e.CmdInserisci_Click();
  struct Caso {
    const char* nome;
    Data data;
    std::vector<std::pair<int, const char*>> caselle;
    const char* messaggio;
    ui::Icona icona;
    std::vector<int> rosse;
  };
  const Caso casi[] = {
      {"date present", {8, 1, 2000}, {}, "DATA GIA' PRESENTE IN ARCHIVIO !", ui::Icona::Critica, {}},
      {"empty and zero", {22, 1, 2000}, {{4, ""}, {9, "0"}},
       "CI SONO DEGLI ESTRATTI VUOTI\r\nCORREGGERE PRIMA DI SALVARE", ui::Icona::Critica, {4, 9}},
      {"out of range", {22, 1, 2000}, {{12, "95"}}, "Numeri da 1 a 90 please !", ui::Icona::Critica, {12}},
      {"repeated on one wheel", {22, 1, 2000}, {{21, "7"}, {23, "7"}, {30, "1"}},
       "CI SONO DEGLI ESTRATTI DOPPI\r\n\r\nCORREGGERE PRIMA DI SALVARE", ui::Icona::Informazione, {21, 23}},
  };
  for (const Caso& c : casi) {
    SCOPED_TRACE(c.nome);
    ed.scrivi(prova::Di(c.data), c.data);  // numbers 1..80: the same number on two wheels is fine
    for (auto [i, t] : c.caselle) e.Est[i]->setText(QString::fromLatin1(t));
    ed.dlg().messaggi.clear();
    e.CmdSalva_Click();
    ASSERT_EQ(ed.dlg().messaggi.size(), 1u);
    EXPECT_EQ(ed.ultimo(), QString::fromLatin1(c.messaggio));
    EXPECT_EQ(ed.dlg().messaggi[0].icona, c.icona);
    std::vector<int> rosse;
    for (int i = 1; i <= 50; ++i)
      if (Rossa(e.Est[i])) rosse.push_back(i);
    EXPECT_EQ(rosse, c.rosse);
    EXPECT_EQ(ed.disco(), prima);
    EXPECT_EQ(ed.p.stato.TotEstrazioni(), 10);
    EXPECT_FALSE(e.Frame1->isHidden());
  }
  EXPECT_FALSE(e.ArchivioVariato);
}

TEST(ArchiveEditor, FailedWritesAreReportedAndNeverCalledSaved) {
  Editor ed;
  // A folder in the way of archivio.dat makes every write fail, as root too.
  std::filesystem::remove(ed.file("archivio.dat"));
  std::filesystem::create_directories(ed.file("archivio.dat") / "dentro");
  const Archivio prima = ed.p.stato.ArchivioEstrazioni;
  ed.e.CmdInserisci_Click();
  ed.scrivi(prova::Di({22, 1, 2000}), {22, 1, 2000});
  ed.e.CmdSalva_Click();
  ASSERT_EQ(ed.dlg().messaggi.size(), 1u);
  EXPECT_TRUE(ed.ultimo().contains(QStringLiteral("archivio.dat")));
  EXPECT_EQ(ed.dlg().messaggi[0].icona, ui::Icona::Critica);
  EXPECT_EQ(ed.p.stato.ArchivioEstrazioni, prima);
  EXPECT_EQ(ed.p.stato.TotEstrazioni(), 10);
  EXPECT_FALSE(ed.e.Frame1->isHidden());
  EXPECT_FALSE(ed.e.ArchivioVariato);

  ed.dlg().inserimenti = {QStringLiteral("88")};
  DoppioClick(ed.e.GridEst, 1, 3);
  qobject_cast<QMdiSubWindow*>(ed.e.parentWidget())->close();
  ASSERT_EQ(ed.dlg().messaggi.size(), 2u);
  EXPECT_TRUE(ed.ultimo().contains(QStringLiteral("archivio.dat")));
  EXPECT_TRUE(std::filesystem::exists(ed.file("Rsc1.dat")));
  EXPECT_TRUE(ed.m.PicLimiti->isVisible());
}

// archivio.dat is a link to a stick that is pulled out while the editor is
// open: the draw is not stored, the link stays and the typed draw waits; with
// the stick's folder back it is stored there, through the link.
TEST(ArchiveEditor, ASaveThroughALinkToNothingIsRefusedAndTheLinkKept) {
  Editor ed;
  std::filesystem::create_directory(ed.file("chiavetta"));
  std::filesystem::rename(ed.file("archivio.dat"), ed.file("chiavetta") / "archivio.dat");
  std::filesystem::create_symlink("chiavetta/archivio.dat", ed.file("archivio.dat"));
  std::filesystem::rename(ed.file("chiavetta"), ed.file("tolta"));
  const Archivio prima = ed.p.stato.ArchivioEstrazioni;
  ed.e.CmdInserisci_Click();
  ed.scrivi(prova::Di({22, 1, 2000}), {22, 1, 2000});
  ed.e.CmdSalva_Click();
  EXPECT_EQ(ed.ultimo(),
            QStringLiteral("impossibile scrivere archivio.dat: è un collegamento a un file inesistente"));
  EXPECT_EQ(ed.p.stato.ArchivioEstrazioni, prima);
  EXPECT_EQ(std::filesystem::read_symlink(ed.file("archivio.dat")), "chiavetta/archivio.dat");
  EXPECT_FALSE(std::filesystem::exists(ed.file("chiavetta")));
  EXPECT_EQ(ed.e.Est[50]->text(), QString::number(prova::Di({22, 1, 2000}).numeri[9][4]));

  std::filesystem::create_directory(ed.file("chiavetta"));
  ed.dlg().risposte = {ui::Risposta::No};  // no other draw
  ed.e.CmdSalva_Click();
  EXPECT_EQ(ed.p.stato.TotEstrazioni(), 11);
  EXPECT_EQ(ed.disco(), Editor::Byte(ed.p.stato.ArchivioEstrazioni));
  EXPECT_TRUE(std::filesystem::is_symlink(ed.file("archivio.dat")));
}

TEST(ArchiveEditor, OutOfSequenceInsertAsksFirstThenKeepsDateOrder) {
  Editor ed;
  Extrazioni& e = ed.e;
  const auto prima = ed.disco();
  const char* domanda =
      "ATTENZIONE : DATA FUORI SEQUENZA\r\n\r\nSe si sceglie di continuare il programma\r\n"
      "provvederà a riordinare l'archivio\r\n\r\n             Confermi l'inserimento ?";
  e.CmdInserisci_Click();
  const Estrazione nuova = prova::Di({5, 1, 2000}, 3);
  ed.scrivi(nuova, nuova.data);
  ed.dlg().risposte = {ui::Risposta::No};
  e.CmdSalva_Click();
  EXPECT_EQ(ed.ultimo(), QString::fromUtf8(domanda));
  EXPECT_EQ(ed.dlg().messaggi.back().icona, ui::Icona::Nessuna);
  EXPECT_EQ(ed.disco(), prima);

  ed.dlg().risposte = {ui::Risposta::Si, ui::Risposta::Si};  // insert, then another draw
  e.CmdSalva_Click();
  auto atteso = DieciEstrazioni();
  atteso.insert(atteso.begin() + 8, nuova);
  EXPECT_EQ(ed.disco(), Editor::Byte(CostruisciArchivio(atteso)));
  EXPECT_EQ(ed.p.stato.indici.DataUltimaEstrazione, (Data{15, 1, 2000}));
  // Insert mode again, with empty boxes; the grid shows the stored draw, and
  // a correction changes that draw.
  EXPECT_FALSE(e.Frame1->isHidden());
  EXPECT_TRUE(e.Est[1]->text().isEmpty());
  EXPECT_EQ(e.GridEst->textMatrix(1, 1), QString::number(nuova.numeri[0][0]));
  ed.dlg().inserimenti = {QStringLiteral("88")};
  DoppioClick(e.GridEst, 2, 4);
  EXPECT_EQ(ed.p.stato.ArchivioEstrazioni(9, 2, 4), 88);
  EXPECT_EQ(ed.p.stato.ArchivioEstrazioni(10, 2, 4), atteso[9].numeri[1][3]);
  EXPECT_EQ(e.GridEst->textMatrix(2, 4), QStringLiteral("88"));
  // Cancelling asks first; No keeps the typed numbers.
  e.Est[2]->setText(QStringLiteral("5"));
  ed.dlg().risposte = {ui::Risposta::No};
  e.CmdEsci_Click();
  EXPECT_EQ(ed.ultimo(), QStringLiteral("Annullare Inserimento Estrazione ?"));
  EXPECT_EQ(ed.dlg().messaggi.back().pulsanti, ui::Pulsanti::SiNo);
  EXPECT_FALSE(e.Frame1->isHidden());
  EXPECT_EQ(e.Est[2]->text(), QStringLiteral("5"));
  ed.dlg().risposte = {ui::Risposta::Si};
  e.CmdEsci_Click();
  EXPECT_TRUE(e.Frame1->isHidden());
  EXPECT_EQ(e.LbIndice->text(), QStringLiteral("11 / 11"));
  EXPECT_EQ(e.CmbData->itemText(8), QStringLiteral("9 - Mer  5 Gen 2000   "));
}

TEST(ArchiveEditor, DoubleClickCorrectsANumber) {
  Editor ed;
  Extrazioni& e = ed.e;
  const auto prima = ed.disco();
  DoppioClick(e.GridEst, 1, 0);  // a wheel name: nothing
  EXPECT_TRUE(ed.dlg().domande.empty());
  struct Caso {
    const char* risposta;  // nullptr: Cancel
    const char* messaggio;
    const char* cella;
  };
  const Caso casi[] = {
      {nullptr, "", "45"},
      {"", "", "45"},
      {"45", "", "45"},
      {"95", "Numero non Valido", "45"},
      {"abc", "Numero non Valido", "45"},
      {"60", "Numero Ripetuto\r\n60 = al 4° estratto", "45"},
      {"88,4", "", "88"},
  };
  for (const Caso& c : casi) {
    SCOPED_TRACE(c.risposta ? c.risposta : "(annulla)");
    ed.dlg().messaggi.clear();
    ed.dlg().inserimenti = {c.risposta ? std::optional<QString>(QString::fromLatin1(c.risposta)) : std::nullopt};
    DoppioClick(e.GridEst, 1, 3);
    EXPECT_EQ(ed.ultimo(), QString::fromUtf8(c.messaggio));
    if (*c.messaggio) {
      EXPECT_EQ(ed.dlg().messaggi.back().titolo, QStringLiteral("ERRORE !"));
    }
    EXPECT_EQ(e.GridEst->textMatrix(1, 3), QString::fromLatin1(c.cella));
    EXPECT_EQ(e.GridEst->col(), 3);
  }
  EXPECT_EQ(ed.dlg().domande.front(), QStringLiteral("\r\n\r\nBARI 3°estratto : 45\r\n\r\n\r\n\r\nNuovo Numero ?"));
  EXPECT_EQ(ed.p.stato.ArchivioEstrazioni(10, 1, 3), 88);
  EXPECT_TRUE(e.ArchivioVariato);
  EXPECT_EQ(ed.disco(), prima);  // written when the editor closes
  // The SuperEnalotto line follows the corrected BARI first number.
  ed.dlg().inserimenti = {QStringLiteral("5")};
  DoppioClick(e.GridEst, 1, 1);
  EXPECT_TRUE(e.LbSuper->text().startsWith(QStringLiteral("Colonna SuperEnalotto  :  5 - 10 - ")));
}

TEST(ArchiveEditor, DeletionRewritesTheFileAndRefreshesEverything) {
  Editor ed;
  Extrazioni& e = ed.e;
  const auto prima = ed.disco();
  e.Scroll->setValue(9);
  ed.dlg().risposte = {ui::Risposta::No};
  e.CmdElimina_Click();
  EXPECT_EQ(ed.ultimo(), QStringLiteral("Cancellare Estrazione ?\r\n\r\nATTENZIONE : OPERAZIONE NON ANNULLABILE !"));
  EXPECT_EQ(ed.disco(), prima);
  EXPECT_FALSE(e.ArchivioVariato);

  // Deleting draw 9 of 10: the scroll value stays 9, but the draw there changed.
  ed.dlg().risposte = {ui::Risposta::Si};
  e.CmdElimina_Click();
  auto atteso = DieciEstrazioni();
  atteso.erase(atteso.begin() + 8);
  EXPECT_EQ(ed.disco(), Editor::Byte(CostruisciArchivio(atteso)));
  EXPECT_TRUE(e.ArchivioVariato);
  EXPECT_EQ(e.EstrCorrente, 9);
  EXPECT_EQ(e.LbIndice->text(), QStringLiteral("9 / 9"));
  EXPECT_EQ(e.LbData->text(), QStringLiteral("15.1.2000 (Sab)"));
  EXPECT_EQ(e.LbIndiceMese->text(), QStringLiteral("2"));
  EXPECT_EQ(ed.riga(1), (QStringList{"BARI", "10", "20", "45", "60", "70"}));
  EXPECT_EQ(e.CmbData->count(), 9);
  EXPECT_EQ(e.CmbData->currentIndex(), 8);
  EXPECT_EQ(ed.m.CmbDataF->count(), 9);
  EXPECT_EQ(ed.p.stato.EstrFine, 9);

  Editor unica({DieciEstrazioni()[0]});
  unica.e.CmdElimina_Click();
  ASSERT_EQ(unica.dlg().messaggi.size(), 1u);
  EXPECT_EQ(unica.ultimo(), QStringLiteral("IMPOSSIBILE CANCELLARE L'UNICA ESTRAZIONE"));
  EXPECT_EQ(unica.dlg().messaggi[0].icona, ui::Icona::Critica);
  EXPECT_EQ(unica.disco(), Editor::Byte(CostruisciArchivio({DieciEstrazioni()[0]})));
}

TEST(ArchiveEditor, ClosingAfterAChangeWritesAndRefreshesEverything) {
  for (bool inInserimento : {false, true}) {
    SCOPED_TRACE(inInserimento ? "closed in insert mode" : "closed in view mode");
    Editor ed;
    QPointer<QWidget> altra = ed.m.finestre().nuova<QWidget>();
    ed.m.finestre().porta(&ed.e);
    ed.m.CmbDataI->setCurrentIndex(3);
    ed.p.stato.TabelleRSC[0] = Archivio();
    ed.p.stato.ArchivioSuperEnalotto.clear();
    QSignalSpy variato(&ed.p.programma, &Programma::archiveChanged);
    ed.dlg().inserimenti = {QStringLiteral("88")};
    DoppioClick(ed.e.GridEst, 1, 3);
    if (inInserimento) ed.e.CmdInserisci_Click();
    qobject_cast<QMdiSubWindow*>(ed.e.parentWidget())->close();
    const Archivio& a = ed.p.stato.ArchivioEstrazioni;
    EXPECT_EQ(a(10, 1, 3), 88);
    EXPECT_EQ(ed.disco(), Editor::Byte(a));
    for (int k = 1; k <= 5; ++k) {
      const auto rsc = prova::Binario(ed.file(Rsc::NomeFile(k).c_str()));
      EXPECT_EQ(rsc, Editor::Byte(Rsc::Crea_Archivio(a, k))) << k;
      EXPECT_EQ(rsc[formato::Offset(5000, 0, formato::kSecolo)], 99);
      EXPECT_EQ(ed.p.stato.TabelleRSC[k - 1], Rsc::Crea_Archivio(a, k));
    }
    EXPECT_EQ(ed.p.stato.UltimaEstrRSC, 10);
    ASSERT_GT(ed.p.stato.ArchivioSuperEnalotto.size(), 10u);
    EXPECT_EQ(ed.p.stato.ArchivioSuperEnalotto[10][7], 42);
    EXPECT_EQ(ed.p.stato.EstrInizio, 1);  // the range bar was rebuilt
    EXPECT_EQ(variato.count(), 1);
    QTest::qWait(1);
    EXPECT_EQ(ed.m.finestre().trova<Extrazioni>(), nullptr);
    EXPECT_TRUE(altra.isNull());
    EXPECT_TRUE(ed.m.PicLimiti->isVisible());
  }
}

TEST(ArchiveEditor, ClosingWithoutChangesWritesNothing) {
  Editor ed;
  QPointer<QWidget> altra = ed.m.finestre().nuova<QWidget>();
  ed.m.finestre().porta(&ed.e);
  EXPECT_FALSE(ed.m.PicLimiti->isVisible());
  ed.m.CmbDataI->setCurrentIndex(3);
  std::filesystem::remove(ed.file("archivio.dat"));
  std::filesystem::remove(ed.file("Rsc1.dat"));
  ed.e.CmdEsci_Click();
  QTest::qWait(1);
  EXPECT_EQ(ed.m.finestre().trova<Extrazioni>(), nullptr);
  EXPECT_FALSE(std::filesystem::exists(ed.file("archivio.dat")));
  EXPECT_FALSE(std::filesystem::exists(ed.file("Rsc1.dat")));
  EXPECT_FALSE(altra.isNull());
  EXPECT_EQ(ed.p.stato.EstrInizio, 4);
  EXPECT_TRUE(ed.dlg().messaggi.empty());
}

TEST(ArchiveEditor, AFullArchiveRefusesANewDraw) {
  prova::ProgrammaDiProva p(prova::Sintetiche(4999));
  MDIForm1& m = p.principale();
  m.MnuEstGest_Click();
  Extrazioni& e = *m.finestre().trova<Extrazioni>();
  e.CmbData->setCurrentIndex(0);
  EXPECT_EQ(e.CmbData->count(), 4999);
  EXPECT_EQ(e.LbIndice->text(), QStringLiteral("1 / 4999"));

  const auto prima = prova::Binario(p.cartella.percorso() / "archivio.dat");
  e.CmdInserisci_Click();
  ASSERT_EQ(p.servizi.dialoghi.messaggi.size(), 1u);
  EXPECT_EQ(p.servizi.dialoghi.messaggi[0].testo, QStringLiteral("ARCHIVIO PIENO: IMPOSSIBILE INSERIRE ALTRE ESTRAZIONI"));
  EXPECT_EQ(p.servizi.dialoghi.messaggi[0].icona, ui::Icona::Critica);
  EXPECT_TRUE(e.Frame1->isHidden());
  EXPECT_EQ(prova::Binario(p.cartella.percorso() / "archivio.dat"), prima);
}

TEST(ArchiveEditor, PastesADrawFromTheClipboard) {
  Editor ed;
  Extrazioni& e = ed.e;
  e.CmdInserisci_Click();
  const QString ruote =
      "BARI 12 34 56 78 90\nCagliari 1, 2, 3, 4, 5\nfirenze 06 07 08 09 10\nGenova 11 12 13 14 15\n"
      "Milano 16 17 18 19 20\nNapoli 21 22 23 24 25\nPalermo 26 27 28 29 30\nRoma 31 32 33 34 35\n"
      "Torino 36 37 38 39 40\nVenezia 41 42 43 4546 9";
  struct Caso {
    const char* nome;
    QString testo;
    std::vector<ui::Risposta> risposte;
    const char* messaggio;
    QDate data;     // invalid: unchanged
    bool riempite;  // the fifty boxes hold the pasted numbers
  };
  const QDate oggi = QDate::currentDate();
  const Caso casi[] = {
      {"garbage", QStringLiteral("niente di utile"), {}, "Negli appunti non sono presenti estrazioni valide", {}, false},
      {"before 2000", "Estrazione del 30/12/1999\n" + ruote, {}, "DATA ANTECEDENTE AL 1/1/2000\r\nImpossibile inserire Estrazione", {}, false},
      {"after today, declined", "Estrazione del 05/01/2090\n" + ruote, {ui::Risposta::No},
       "DATA POSTERIORE A DATA DI SISTEMA\r\n\r\nInserisco comunque l'Estrazione ?", {}, false},
      {"after today, confirmed", "Estrazione del 05/01/2090\n" + ruote, {ui::Risposta::Si},
       "DATA POSTERIORE A DATA DI SISTEMA\r\n\r\nInserisco comunque l'Estrazione ?", QDate(2090, 1, 5), true},
      {"full", "Estrazione del 05/01/2000\n" + ruote, {}, "", QDate(2000, 1, 5), true},
  };
  for (const Caso& c : casi) {
    SCOPED_TRACE(c.nome);
    e.CmdInserisci_Click();
    ed.dlg().messaggi.clear();
    ed.dlg().risposte.assign(c.risposte.begin(), c.risposte.end());
    ed.p.servizi.appunti.contenuto = c.testo;
    e.CmdIncolla_Click();
    EXPECT_EQ(ed.ultimo(), QString::fromLatin1(c.messaggio));
    EXPECT_EQ(e.Giorni->date(), c.data.isValid() ? c.data : oggi);
    EXPECT_EQ(e.Est[1]->text(), c.riempite ? QStringLiteral("12") : QString());
    EXPECT_EQ(e.Est[11]->text(), c.riempite ? QStringLiteral("6") : QString());
    EXPECT_EQ(e.Est[49]->text(), c.riempite ? QStringLiteral("45") : QString());
    EXPECT_EQ(e.Est[50]->text(), c.riempite ? QStringLiteral("6") : QString());
  }
  EXPECT_EQ(ed.p.stato.TotEstrazioni(), 10);  // pasting never saves
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
