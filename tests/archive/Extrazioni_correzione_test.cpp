// The archive editor: correcting and deleting draws, and closing.
#include "archive/Extrazioni.h"

#include <gtest/gtest.h>

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
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
#include "forecast/Spia.h"
#include "methods/Metodi.h"
#include "estrazione_di_prova.h"
#include "support/leggi_file.h"
#include "support/programma_di_prova.h"
#include "ui/CampoData.h"
#include "ui/Colori.h"
#include "ui/Finestre.h"
#include "ui/Griglia.h"
#include "ui/PannelloTesto.h"
#include "ui/Testo.h"

#include "editor_di_prova.h"

using namespace prova::editor;

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

// archivio.dat is a link to a stick, pulled out after a correction: the
// close does not drop the correction without asking. "No" (the default)
// keeps the editor open, changed; with the stick back the next close writes
// it through the link. Only "Sì" gives it up, and memory then holds what
// the disk did. The program's close asks the same, before any other window
// closes, and so does "Chiudi Tutte": "No" keeps a tester's method not saved
// and a report computed.
TEST(ArchiveEditor, ACorrectionTheDiskRefusesAtCloseStaysUntilTheUserGivesItUp) {
  namespace fs = std::filesystem;
  const QString domanda = QStringLiteral(
      "Le correzioni non sono state salvate:\r\nimpossibile scrivere archivio.dat: è un "
      "collegamento a un file inesistente\r\n\r\nChiudere comunque e perderle ?");
  enum class Chiusura { Editor, Programma, ChiudiTutte };
  for (const Chiusura chiusura : {Chiusura::Editor, Chiusura::Programma, Chiusura::ChiudiTutte}) {
    const bool programma = chiusura == Chiusura::Programma;
    for (const bool rinuncia : {false, true}) {
      SCOPED_TRACE(std::string(programma                          ? "the program's close"
                               : chiusura == Chiusura::ChiudiTutte ? "\"Chiudi Tutte\""
                                                                   : "the editor's close") +
                   (rinuncia ? ", given up" : ", kept"));
      Editor ed;
      const fs::path chiavetta = ed.file("chiavetta"), fuori = ed.file("staccata");
      fs::create_directory(chiavetta);
      fs::rename(ed.file("archivio.dat"), chiavetta / "archivio.dat");
      fs::create_symlink("chiavetta/archivio.dat", ed.file("archivio.dat"));
      const Archivio prima = ed.p.stato.ArchivioEstrazioni;
      ed.dlg().inserimenti = {QStringLiteral("88")};
      DoppioClick(ed.e.GridEst, 1, 3);
      fs::rename(chiavetta, fuori);
      QPointer<Metodi> tester;
      QPointer<Spia> spia;
      if (chiusura != Chiusura::Editor) {
        ed.m.mnuPrevMetodiT_Click();
        tester = ed.m.finestre().trova<Metodi>();
        tester->ListPro->addItem(QStringLiteral("M  1M  2°CA+7"));
        ed.m.MnuPrevSpia_Click();
        spia = ed.m.finestre().trova<Spia>();
        spia->CmdRep_Click();
        ASSERT_FALSE(spia->Text1->testo().isEmpty());
        ed.dlg().messaggi.clear();
      }
      const QString rapporto = spia ? spia->Text1->testo() : QString();
      if (rinuncia) ed.dlg().risposte = {ui::Risposta::Si};
      QPointer<Extrazioni> editor = &ed.e;
      const auto chiudi = [&] {
        if (programma)
          ed.m.close();
        else if (chiusura == Chiusura::ChiudiTutte)
          ed.m.MnuFinestraChiudi_Click();
        else
          editor->CmdEsci_Click();
        QTest::qWait(1);
      };
      chiudi();
      EXPECT_EQ(ed.dlg().testi(), QStringList{domanda});
      EXPECT_EQ(ed.dlg().messaggi[0].pulsanti, ui::Pulsanti::SiNo);
      EXPECT_EQ(fs::read_symlink(ed.file("archivio.dat")), "chiavetta/archivio.dat");
      fs::rename(fuori, chiavetta);
      if (rinuncia) {
        EXPECT_TRUE(editor.isNull());
        EXPECT_EQ(ed.m.isVisible(), !programma);
        EXPECT_EQ(ed.p.stato.ArchivioEstrazioni, prima);
        EXPECT_EQ(prova::Binario(chiavetta / "archivio.dat"), Editor::Byte(prima));
        continue;
      }
      ASSERT_FALSE(editor.isNull());
      EXPECT_TRUE(ed.m.isVisible());
      EXPECT_TRUE(editor->ArchivioVariato);
      EXPECT_EQ(editor->GridEst->textMatrix(1, 3), QStringLiteral("88"));
      if (chiusura != Chiusura::Editor) {
        ASSERT_FALSE(tester.isNull());
        EXPECT_EQ(tester->ListPro->count(), 1);
        ASSERT_FALSE(spia.isNull());
        EXPECT_EQ(spia->Text1->testo(), rapporto);
      }
      chiudi();
      EXPECT_TRUE(editor.isNull());
      EXPECT_TRUE(tester.isNull());
      EXPECT_EQ(ed.m.isVisible(), !programma);
      EXPECT_EQ(ed.p.stato.ArchivioEstrazioni(10, 1, 3), 88);
      EXPECT_EQ(prova::Binario(chiavetta / "archivio.dat"),
                Editor::Byte(ed.p.stato.ArchivioEstrazioni));
      EXPECT_EQ(fs::read_symlink(ed.file("archivio.dat")), "chiavetta/archivio.dat");
      EXPECT_EQ(ed.dlg().messaggi.size(), 1u);
    }
  }
}

// archivio.dat is a link to a stick, pulled out before the editor closes: a
// draw deleted, or stored after a correction, is on the stick already and
// only a plain box says the write failed; corrections alone go on the
// user's word, back to the image from before the first one. Either way
// memory and the five distance files then hold the stick's archive.
TEST(ArchiveEditor, AfterARefusedWriteAtCloseTheDistanceFilesDescribeTheArchiveOnDisk) {
  namespace fs = std::filesystem;
  const QString motivo = QStringLiteral(
      "impossibile scrivere archivio.dat: è un collegamento a un file inesistente");
  struct Caso {
    const char* nome;
    std::function<void(Editor&)> modifica;
    bool domanda;  // the question of corrections lost, answered "Sì"
  };
  const auto correggi = [](Editor& ed, int r, int c, const char* numero) {
    ed.dlg().inserimenti = {QString::fromLatin1(numero)};
    DoppioClick(ed.e.GridEst, r, c);
  };
  const Caso casi[] = {
      {"a draw deleted",
       [](Editor& ed) {
         ed.dlg().risposte = {ui::Risposta::Si};
         ed.e.CmdElimina_Click();
       },
       false},
      {"a correction, then a draw stored",
       [&](Editor& ed) {
         correggi(ed, 1, 3, "88");
         ed.e.CmdInserisci_Click();
         ed.scrivi(prova::Di({22, 1, 2000}), {22, 1, 2000});
         ed.e.CmdSalva_Click();
       },
       false},
      {"two corrections", [&](Editor& ed) { correggi(ed, 1, 3, "88"), correggi(ed, 2, 2, "77"); },
       true},
  };
  for (const Caso& c : casi) {
    SCOPED_TRACE(c.nome);
    Editor ed;
    const fs::path chiavetta = ed.file("chiavetta"), fuori = ed.file("staccata");
    fs::create_directory(chiavetta);
    fs::rename(ed.file("archivio.dat"), chiavetta / "archivio.dat");
    fs::create_symlink("chiavetta/archivio.dat", ed.file("archivio.dat"));
    const auto prima = prova::Binario(chiavetta / "archivio.dat");
    c.modifica(ed);
    ed.dlg().messaggi.clear();
    EXPECT_TRUE(ed.e.ArchivioVariato);
    const auto suChiavetta = prova::Binario(chiavetta / "archivio.dat");
    EXPECT_EQ(suChiavetta == prima, c.domanda);
    fs::rename(chiavetta, fuori);
    ed.dlg().risposte = {ui::Risposta::Si};
    QPointer<Extrazioni> editor = &ed.e;
    editor->CmdEsci_Click();
    QTest::qWait(1);
    EXPECT_TRUE(editor.isNull());
    ASSERT_EQ(ed.dlg().messaggi.size(), 1u);
    EXPECT_EQ(ed.dlg().messaggi[0].testo.startsWith(QStringLiteral("Le correzioni")), c.domanda);
    EXPECT_TRUE(ed.dlg().messaggi[0].testo.contains(motivo));
    const Archivio& a = ed.p.stato.ArchivioEstrazioni;
    EXPECT_EQ(Editor::Byte(a), suChiavetta);
    for (int k = 1; k <= 5; ++k) {
      SCOPED_TRACE(k);
      EXPECT_EQ(prova::Binario(ed.file(Rsc::NomeFile(k).c_str())), Editor::Byte(Rsc::Crea_Archivio(a, k)));
    }
    EXPECT_EQ(prova::Binario(fuori / "archivio.dat"), suChiavetta);
  }
}
