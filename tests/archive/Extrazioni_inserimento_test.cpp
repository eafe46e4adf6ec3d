// The archive editor: entering, pasting and saving a new draw.
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

  // The correction cannot reach the disk at close: given up, the editor
  // closes and the range bar comes back.
  ed.dlg().inserimenti = {QStringLiteral("88")};
  DoppioClick(ed.e.GridEst, 1, 3);
  ed.dlg().risposte = {ui::Risposta::Si};
  qobject_cast<QMdiSubWindow*>(ed.e.parentWidget())->close();
  ASSERT_EQ(ed.dlg().messaggi.size(), 2u);
  EXPECT_TRUE(ed.ultimo().contains(QStringLiteral("archivio.dat")));
  EXPECT_EQ(ed.p.stato.ArchivioEstrazioni, prima);
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
