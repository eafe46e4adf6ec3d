#include "stats/TabForm.h"

#include <gtest/gtest.h>

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMdiSubWindow>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

#include "core/file.h"
#include "core/testo.h"
#include "stats/digita.h"
#include "support/programma_di_prova.h"
#include "ui/Colori.h"

namespace fz = formazioni;
using Modo = TabForm::Modo;

namespace {

// The program with TabFnum.txt in its folder (the shipped table unless told
// otherwise) and the editor opened from the menu.
struct Editor {
  explicit Editor(std::optional<std::string> tabella = fz::Codifica(fz::TabellaPredefinita()))
      : p(prova::Sintetiche(10)) {
    if (tabella) {
      EXPECT_TRUE(file::ScriviAtomico(file(), *tabella));
    }
    p.principale().MnuStatTab_Click();
    f = p.principale().finestre().trova<TabForm>();
  }
  std::filesystem::path file() const { return p.stato.CartellaProgramma / "TabFnum.txt"; }
  std::string disco() const { return *file::LeggiTesto(file()); }
  ui::DialoghiDiProva& dlg() { return p.servizi.dialoghi; }
  QStringList Messaggi() const { return p.servizi.dialoghi.testi(); }
  int larghezza() const { return f->parentWidget()->width(); }
  // The width the window opened with: 5400 twips unless its controls need more.
  int stretta() const { return ui::Pixel(f->property("dimensioniTwip").toSize().width()); }
  // The formation list as shown.
  QStringList Formazioni() const {
    QStringList out;
    for (int i = 0; i < f->ListF->count(); ++i) out << f->ListF->item(i)->text();
    return out;
  }
  void Scegli(int g, int formazione = 0) {
    f->ListG->setCurrentRow(g);
    f->ListF->setCurrentRow(formazione);
  }

  prova::ProgrammaDiProva p;
  TabForm* f = nullptr;
};

const std::string kUtente = "G=UNO\r\nG=DUE\r\nG=TRE\r\nG=QUATTRO\r\nG=CINQUE\r\nG=SEI\r\nG=SETTE\r\nG=OTTO\r\n"
                            "G=MIEI\r\nF=Città\r\nN=1.2\r\nF=Ambo\r\nN=3.17\r\n"
                            "G=ALTRI\r\nF=Solo\r\nN=90\r\n";

}  // namespace

TEST(FormationEditor, OpensNarrowOnTheFirstGroupAndHidesTheRangeBar) {
  Editor e;
  ASSERT_NE(e.f, nullptr);
  MDIForm1& m = e.p.principale();
  EXPECT_TRUE(m.voci[QStringLiteral("MnuStatTab")]->isEnabled());
  EXPECT_TRUE(m.voci[QStringLiteral("TabFnum")]->isEnabled());
  EXPECT_EQ(e.f->windowTitle(), "Gestione Tabella Formazioni Numeriche");
  EXPECT_TRUE(e.Messaggi().isEmpty());
  EXPECT_FALSE(m.PicLimiti->isVisible());

  EXPECT_EQ(e.f->ListG->count(), 9);
  EXPECT_EQ(e.f->ListG->currentRow(), 0);
  EXPECT_EQ(e.Formazioni().first(), "Cadenza 0");
  EXPECT_EQ(e.f->ListF->currentRow(), 0);
  EXPECT_EQ(e.f->TxN->text(), "10.20.30.40.50.60.70.80.90");
  EXPECT_TRUE(e.f->TxN->isReadOnly());
  EXPECT_EQ(e.f->modo(), Modo::Consultazione);
  EXPECT_EQ(e.larghezza(), e.stretta());
  EXPECT_GE(e.stretta(), ui::Pixel(5400));
  EXPECT_FALSE(e.f->Frame2->isVisible());
  EXPECT_FALSE(e.f->TxT->isVisible());

  e.f->ListF->setCurrentRow(3);
  EXPECT_EQ(e.f->TxN->text(), "3.13.23.33.43.53.63.73.83");
  e.f->ListG->setCurrentRow(8);
  EXPECT_EQ(e.Formazioni(), (QStringList{"Terzina della settimana", "Ambo della città"}));
  EXPECT_EQ(e.f->TxN->text(), "3.17.45");

  // The menu brings the same window up again; an archive change leaves it open.
  m.MnuStatTab_Click();
  EXPECT_EQ(m.finestre().aperte().size(), 1);
  m.finestre().chiudiLettoriArchivio(nullptr);
  QTest::qWait(1);
  EXPECT_EQ(m.finestre().trova<TabForm>(), e.f);
}

TEST(FormationEditor, MissingOrUnreadableFileClosesTheEditor) {
  {
    Editor e(std::nullopt);
    ASSERT_EQ(e.dlg().messaggi.size(), 1u);
    EXPECT_EQ(e.dlg().messaggi[0].testo, "File Formazioni Numeriche assente !");
    EXPECT_EQ(e.dlg().messaggi[0].icona, ui::Icona::Nessuna);
    QTest::qWait(1);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(e.p.principale().finestre().trova<TabForm>(), nullptr);
    EXPECT_FALSE(std::filesystem::exists(e.file()));
  }
  Editor e(std::nullopt);
  QTest::qWait(1);
  std::filesystem::create_directory(e.file());
  e.p.principale().MnuStatTab_Click();
  ASSERT_EQ(e.dlg().messaggi.size(), 2u);
  EXPECT_EQ(e.dlg().messaggi[1].icona, ui::Icona::Critica);
  EXPECT_TRUE(e.dlg().messaggi[1].testo.contains(QStringLiteral("TabFnum.txt")));
}

TEST(FormationEditor, StandardGroupsRefuseEveryChangeButAddingAGroup) {
  Editor e;
  for (int g : {0, 7}) {
    e.Scegli(g, 1);
    e.dlg().messaggi.clear();
    e.f->CmdGru_Click(1);
    e.f->CmdGru_Click(2);
    for (int i = 0; i < 3; ++i) e.f->CmdFor_Click(i);
    EXPECT_EQ(e.Messaggi(), (QStringList{"Non si può modificare un gruppo standard",
                                         "Non si può eliminare un gruppo standard",
                                         "Non si possono aggiungere formazioni a un gruppo standard",
                                         "Non si può modificare una formazione standard",
                                         "Non si può eliminare una formazione standard"}));
    EXPECT_EQ(e.f->modo(), Modo::Consultazione);
  }
  EXPECT_EQ(e.f->Tabella, fz::TabellaPredefinita());

  e.f->CmdGru_Click(0);
  EXPECT_EQ(e.f->modo(), Modo::PannelloGruppo);
  EXPECT_GE(e.larghezza(), ui::Pixel(10600));
  EXPECT_FALSE(e.f->Frame1->isEnabled());
  for (QPushButton* b : {e.f->CmdSalva, e.f->CmdVisTab, e.f->CmdEsci}) EXPECT_FALSE(b->isEnabled());
  EXPECT_TRUE(e.f->TxG->isEnabled());
  EXPECT_TRUE(e.f->CmdInsG->isVisible());
  EXPECT_FALSE(e.f->Frame3->isVisible());
  EXPECT_EQ(e.f->CmdInsG->text(), "&Inserisci Gruppo");
  e.f->CmdAnnulla_Click();
  EXPECT_EQ(e.f->modo(), Modo::Consultazione);
  EXPECT_EQ(e.larghezza(), e.stretta());
  EXPECT_TRUE(e.f->Frame1->isEnabled());
  EXPECT_TRUE(e.f->CmdSalva->isEnabled());
}

TEST(FormationEditor, NewGroupTakesFormationsAndIsSaved) {
  Editor e(kUtente);
  e.f->CmdGru_Click(0);
  prova::Digita(e.f->TxG, QStringLiteral("città"));
  EXPECT_EQ(e.f->TxG->text(), "CITTÀ");
  prova::Digita(e.f->TxG, QStringLiteral("Ω"));  // not in the file's code page
  EXPECT_EQ(e.f->TxG->text(), "CITTÀ");
  e.f->TxG->setText(QStringLiteral("miei"));  // pasted in lower case: still a duplicate
  e.f->CmdInsG_Click();
  EXPECT_EQ(e.Messaggi(), QStringList{"Gruppo già presente !"});
  e.f->TxG->setText(QStringLiteral("nuovo"));
  e.f->CmdInsG_Click();
  EXPECT_EQ(e.f->ListG->count(), 11);
  EXPECT_EQ(e.f->ListG->currentItem()->text(), "NUOVO");
  EXPECT_EQ(e.f->modo(), Modo::PannelloFormazione);
  EXPECT_TRUE(e.f->Frame3->isVisible());
  EXPECT_FALSE(e.f->CmdInsG->isVisible());
  EXPECT_FALSE(e.f->TxG->isEnabled());
  EXPECT_EQ(e.f->TxG->text(), "NUOVO");

  // An empty group cannot be left as it is: "No" keeps the panel open.
  e.dlg().messaggi.clear();
  e.dlg().risposte = {ui::Risposta::No};
  e.f->CmdFine_Click();
  ASSERT_EQ(e.dlg().messaggi.size(), 1u);
  EXPECT_TRUE(e.dlg().messaggi[0].testo.startsWith(QStringLiteral("Nel Gruppo deve essere presente almeno una formazione")));
  EXPECT_EQ(e.dlg().messaggi[0].pulsanti, ui::Pulsanti::SiNo);
  EXPECT_EQ(e.f->modo(), Modo::PannelloFormazione);

  // Refusals store nothing.
  e.dlg().messaggi.clear();
  e.f->CmdOK_Click();
  e.f->TxF->setText(QStringLiteral("Prima"));
  e.f->CmdOK_Click();
  e.f->TxM->setText(QStringLiteral("12.91.12"));
  e.f->CmdOK_Click();
  EXPECT_EQ(e.Messaggi(), (QStringList{"Inserire Nome Formazione !", "Inserire numeri validi !",
                                       "Numeri > 90 non validi !\nNumeri doppi non validi !"}));
  EXPECT_EQ(e.dlg().messaggi[2].titolo, "ERRORI !");
  EXPECT_EQ(e.dlg().messaggi[2].icona, ui::Icona::Critica);
  EXPECT_EQ(e.f->ListF->count(), 0);

  // Typed numbers go through the key filter; a final dot is dropped.
  e.f->TxM->clear();
  prova::Digita(e.f->TxM, QStringLiteral(".123..45."));
  EXPECT_EQ(e.f->TxM->text(), "12.45.");
  e.f->CmdOK_Click();
  EXPECT_EQ(e.Formazioni(), QStringList{"Prima"});
  EXPECT_EQ(e.f->TxN->text(), "12.45");
  EXPECT_TRUE(e.f->TxF->text().isEmpty());
  EXPECT_TRUE(e.f->TxM->text().isEmpty());
  EXPECT_EQ(e.f->modo(), Modo::PannelloFormazione);
  e.f->TxF->setText(QStringLiteral("PRIMA"));
  e.f->TxM->setText(QStringLiteral("7"));
  e.f->CmdOK_Click();
  EXPECT_EQ(e.Messaggi().last(), "Formazione già presente !");
  e.f->TxF->setText(QStringLiteral("Seconda"));
  e.f->CmdOK_Click();
  e.f->CmdFine_Click();
  EXPECT_EQ(e.f->modo(), Modo::Consultazione);

  e.dlg().messaggi.clear();
  e.f->CmdSalva->click();
  EXPECT_EQ(e.Messaggi(), QStringList{"Tabella Formazioni Numeriche Salvata"});
  EXPECT_EQ(e.dlg().messaggi[0].icona, ui::Icona::Nessuna);
  // The file is in Windows-1252: "à" is the byte 0xE0.
  EXPECT_EQ(e.disco(), testo::ACp1252(kUtente) + "G=NUOVO\r\nF=Prima\r\nN=12.45\r\nF=Seconda\r\nN=7\r\n");
}

TEST(FormationEditor, FinishingAnEmptyNewGroupMayRemoveIt) {
  Editor e(kUtente);
  e.f->CmdGru_Click(0);
  e.f->TxG->setText(QStringLiteral("VUOTO"));
  e.f->CmdInsG_Click();
  e.dlg().risposte = {ui::Risposta::Si};
  e.f->CmdFine_Click();
  EXPECT_EQ(e.f->modo(), Modo::Consultazione);
  EXPECT_EQ(e.f->ListG->count(), 10);
  EXPECT_EQ(e.f->ListG->currentRow(), 9);
  EXPECT_EQ(e.f->Tabella, fz::Decodifica(kUtente));
}

TEST(FormationEditor, ModifyingKeepsNamesAndChangesNumbers) {
  Editor e(kUtente);
  e.Scegli(8, 1);
  e.f->CmdFor_Click(1);
  EXPECT_EQ(e.f->CmdOK->text(), "&Modifica Formazione");
  EXPECT_EQ(e.f->TxF->text(), "Ambo");
  EXPECT_EQ(e.f->TxM->text(), "3.17");
  EXPECT_EQ(e.f->TxG->text(), "MIEI");
  e.f->TxF->setText(QStringLiteral("CITTÀ"));  // another formation's name
  e.f->CmdOK_Click();
  EXPECT_EQ(e.Messaggi(), QStringList{"Formazione già presente !"});
  e.f->TxF->setText(QStringLiteral("Ambo"));
  e.f->TxM->setText(QStringLiteral("3.18"));
  e.f->CmdOK_Click();
  EXPECT_EQ(e.f->modo(), Modo::Consultazione);
  EXPECT_EQ(e.f->TxN->text(), "3.18");
  EXPECT_EQ(e.f->Tabella.gruppi[8].formazioni[1], (fz::Formazione{"Ambo", "3.18"}));

  // A group may be renamed to its own name in other capitals, not to another's.
  e.f->CmdGru_Click(1);
  EXPECT_EQ(e.f->CmdInsG->text(), "&Modifica Gruppo");
  EXPECT_EQ(e.f->TxG->selectedText(), "MIEI");
  e.f->TxG->setText(QStringLiteral("altri"));
  e.f->CmdInsG_Click();
  EXPECT_EQ(e.Messaggi().last(), "Gruppo già presente !");
  e.f->TxG->setText(QStringLiteral("Miei"));
  e.f->CmdInsG_Click();
  EXPECT_EQ(e.f->modo(), Modo::Consultazione);
  EXPECT_EQ(e.f->ListG->item(8)->text(), "Miei");
  EXPECT_EQ(e.Formazioni(), (QStringList{"Città", "Ambo"}));
}

TEST(FormationEditor, DeletingKeepsNamesAndFormationsPaired) {
  Editor e(kUtente);
  e.Scegli(8, 0);
  e.dlg().risposte = {ui::Risposta::No, ui::Risposta::Si};
  e.f->CmdFor_Click(2);
  EXPECT_EQ(e.Formazioni().size(), 2);
  e.f->CmdFor_Click(2);
  EXPECT_EQ(e.Messaggi(), (QStringList{"Cancellare Formazione Città ?", "Cancellare Formazione Città ?"}));
  EXPECT_EQ(e.Formazioni(), QStringList{"Ambo"});
  EXPECT_EQ(e.f->TxN->text(), "3.17");
  e.f->CmdFor_Click(2);
  EXPECT_EQ(e.Messaggi().last(), "Nel Gruppo deve essere presente almeno una formazione");

  // Deleting the first user group selects the last standard one; the next
  // group keeps its formations.
  e.dlg().risposte = {ui::Risposta::Si};
  e.f->CmdGru_Click(2);
  EXPECT_EQ(e.Messaggi().last(), "Cancellare Gruppo MIEI ?");
  EXPECT_EQ(e.f->ListG->currentRow(), 7);
  e.f->ListG->setCurrentRow(8);
  EXPECT_EQ(e.f->ListG->item(8)->text(), "ALTRI");
  EXPECT_EQ(e.Formazioni(), QStringList{"Solo"});
  e.f->CmdSalva_Click();
  EXPECT_EQ(e.disco(), "G=UNO\r\nG=DUE\r\nG=TRE\r\nG=QUATTRO\r\nG=CINQUE\r\nG=SEI\r\nG=SETTE\r\nG=OTTO\r\n"
                       "G=ALTRI\r\nF=Solo\r\nN=90\r\n");
}

TEST(FormationEditor, TableViewAndItsPrint) {
  Editor e("G=A\r\nF=uno\r\nN=1.2\r\nF=due\r\nN=3\r\nG=B\r\nF=tre\r\nN=4.5.6\r\n");
  e.f->CmdVisTab_Click();
  EXPECT_EQ(e.f->modo(), Modo::Vista);
  EXPECT_TRUE(e.f->TxT->isVisible());
  EXPECT_TRUE(e.f->CmdStampa->isVisible());
  EXPECT_FALSE(e.f->Frame1->isEnabled());
  EXPECT_GE(e.larghezza(), ui::Pixel(10600));
  EXPECT_EQ(e.f->TxT->toPlainText(), "A\n  uno ==> 1.2\n  due ==> 3\n\nB\n  tre ==> 4.5.6");
  e.f->CmdStampa_Click();
  ASSERT_EQ(e.p.servizi.stampante.documenti.size(), 1u);
  EXPECT_EQ(e.p.servizi.stampante.documenti[0].righe,
            (QStringList{"TARVOLANE", "", "A", "  uno ==> 1.2", "  due ==> 3", "", "B", "  tre ==> 4.5.6"}));
  e.p.servizi.stampante.presente = false;
  e.f->CmdStampa_Click();
  EXPECT_EQ(e.Messaggi(), QStringList{"NESSUNA STAMPANTE INSTALLATA "});
  e.f->CmdOkV_Click();
  EXPECT_EQ(e.f->modo(), Modo::Consultazione);
  EXPECT_FALSE(e.f->TxT->isVisible());
  EXPECT_EQ(e.larghezza(), e.stretta());
}

TEST(FormationEditor, TableBeyondTheLimitsIsReducedOnlyWhenTheUserAgrees) {
  std::string grande;
  for (int g = 0; g < fz::kMaxGruppi + 2; ++g) grande += "G=G" + std::to_string(g) + "\r\nF=f\r\nN=1\r\n";
  Editor e(grande);
  EXPECT_EQ(e.dlg().messaggi.size(), 1u);
  EXPECT_EQ(e.f->ListG->count(), fz::kMaxGruppi);
  e.dlg().risposte = {ui::Risposta::No};
  e.f->CmdSalva_Click();
  EXPECT_EQ(e.disco(), grande);
  EXPECT_EQ(e.dlg().messaggi.back().pulsanti, ui::Pulsanti::SiNo);
  e.f->CmdGru_Click(0);
  EXPECT_EQ(e.Messaggi().last(), "La Tabella contiene già 101 gruppi !");
  EXPECT_EQ(e.f->modo(), Modo::Consultazione);
  e.dlg().risposte = {ui::Risposta::Si};
  e.f->CmdSalva_Click();
  EXPECT_EQ(fz::Decodifica(e.disco()).gruppi.size(), static_cast<std::size_t>(fz::kMaxGruppi));
}
