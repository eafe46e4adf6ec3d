#include "stats/TabForm.h"

#include <gtest/gtest.h>

#include <QGroupBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

#include "core/file.h"
#include "core/testo.h"
#include "stats/digita.h"
#include "support/leggi_file.h"
#include "support/programma_di_prova.h"
#include "ui/Colori.h"
#include "ui/PannelloTesto.h"

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
    QTest::qWait(1);  // the notices of the reading come once the window is shown
  }
  std::filesystem::path file() const { return p.stato.CartellaProgramma / "TabFnum.txt"; }
  std::string disco() const { return prova::Testo(file()); }
  ui::DialoghiDiProva& dlg() { return p.servizi.dialoghi; }
  QStringList Messaggi() const { return p.servizi.dialoghi.testi(); }
  int larghezza() const { return f->parentWidget()->width(); }
  // The width the window opened with: 5400 twips unless its controls need more.
  int stretta() const { return ui::Pixel(f->property("dimensioniTwip").toSize().width()); }
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

TEST(FormationEditor, OpensNarrowOnTheFirstGroupAndSurvivesAnArchiveChange) {
  Editor e;
  ASSERT_NE(e.f, nullptr);
  MDIForm1& m = e.p.principale();
  EXPECT_TRUE(m.voci[QStringLiteral("TabFnum")]->isEnabled());
  EXPECT_FALSE(m.PicLimiti->isVisible());
  EXPECT_EQ(e.f->ListG->count(), 9);
  EXPECT_EQ(e.f->TxN->text(), "10.20.30.40.50.60.70.80.90");
  EXPECT_EQ(e.larghezza(), e.stretta());
  EXPECT_GE(e.stretta(), ui::Pixel(5400));
  e.Scegli(8, 1);
  EXPECT_EQ(e.f->TxN->text(), "12.71");

  m.finestre().chiudiLettoriArchivio(nullptr);
  QTest::qWait(1);
  EXPECT_EQ(m.finestre().trova<TabForm>(), e.f);
}

TEST(FormationEditor, MissingFileClosesTheEditor) {
  Editor e(std::nullopt);
  ASSERT_EQ(e.dlg().messaggi.size(), 1u);
  EXPECT_EQ(e.dlg().messaggi[0].testo, "File Formazioni Numeriche assente !");
  EXPECT_EQ(e.dlg().messaggi[0].icona, ui::Icona::Nessuna);
  QTest::qWait(1);
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_EQ(e.p.principale().finestre().trova<TabForm>(), nullptr);
}

// A table left as a link to a file that is not there (a stick not plugged
// in) is named for what it is, like any table that cannot be read, and the
// link stays as it was.
TEST(FormationEditor, TableLinkedToNothingIsNamedAndTheLinkKept) {
  prova::ProgrammaDiProva p(prova::Sintetiche(10));
  const auto tabella = p.stato.CartellaProgramma / "TabFnum.txt";
  std::filesystem::create_symlink("chiavetta/TabFnum.txt", tabella);
  p.principale().MnuStatTab_Click();
  QTest::qWait(1);
  ASSERT_EQ(p.servizi.dialoghi.messaggi.size(), 1u);
  EXPECT_EQ(p.servizi.dialoghi.messaggi[0].testo,
            QStringLiteral("impossibile leggere TabFnum.txt: è un collegamento a un file inesistente"));
  EXPECT_EQ(p.servizi.dialoghi.messaggi[0].icona, ui::Icona::Critica);
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_EQ(p.principale().finestre().trova<TabForm>(), nullptr);
  EXPECT_EQ(std::filesystem::read_symlink(tabella), "chiavetta/TabFnum.txt");
  EXPECT_FALSE(std::filesystem::exists(tabella));
}

// The stick behind a linked table is pulled out while the editor is open: the
// save is refused with the reason and the link and the window's table stay;
// with the stick's folder back the table is written there, through the link.
TEST(FormationEditor, ASaveThroughALinkToNothingIsRefusedAndTheLinkKept) {
  prova::ProgrammaDiProva p(prova::Sintetiche(10));
  const auto cartella = p.stato.CartellaProgramma;
  std::filesystem::create_directory(cartella / "chiavetta");
  ASSERT_TRUE(file::ScriviAtomico(cartella / "chiavetta" / "TabFnum.txt", kUtente));
  std::filesystem::create_symlink("chiavetta/TabFnum.txt", cartella / "TabFnum.txt");
  p.principale().MnuStatTab_Click();
  TabForm* f = p.principale().finestre().trova<TabForm>();
  ASSERT_NE(f, nullptr);
  std::filesystem::rename(cartella / "chiavetta", cartella / "tolta");
  f->CmdSalva_Click();
  EXPECT_EQ(p.servizi.dialoghi.testi(),
            QStringList{QStringLiteral(
                "impossibile scrivere TabFnum.txt: è un collegamento a un file inesistente")});
  EXPECT_EQ(std::filesystem::read_symlink(cartella / "TabFnum.txt"), "chiavetta/TabFnum.txt");
  EXPECT_FALSE(std::filesystem::exists(cartella / "chiavetta"));
  std::filesystem::create_directory(cartella / "chiavetta");
  f->CmdSalva_Click();
  EXPECT_EQ(p.servizi.dialoghi.testi().back(), QStringLiteral("Tabella Formazioni Numeriche Salvata"));
  EXPECT_EQ(prova::Testo(cartella / "chiavetta" / "TabFnum.txt"), testo::ACp1252(kUtente));
  EXPECT_TRUE(std::filesystem::is_symlink(cartella / "TabFnum.txt"));
}

TEST(FormationEditor, StandardGroupsRefuseEveryChangeButAddingAGroup) {
  Editor e;
  e.Scegli(7, 1);
  e.f->CmdGru_Click(1);
  e.f->CmdGru_Click(2);
  for (int i = 0; i < 3; ++i) e.f->CmdFor_Click(i);
  EXPECT_EQ(e.Messaggi(), (QStringList{"Non si può modificare un gruppo standard",
                                       "Non si può eliminare un gruppo standard",
                                       "Non si possono aggiungere formazioni a un gruppo standard",
                                       "Non si può modificare una formazione standard",
                                       "Non si può eliminare una formazione standard"}));
  EXPECT_EQ(e.f->Tabella, fz::TabellaPredefinita());

  e.f->CmdGru_Click(0);
  EXPECT_EQ(e.f->modo(), Modo::PannelloGruppo);
  EXPECT_GE(e.larghezza(), ui::Pixel(10600));
  EXPECT_FALSE(e.f->Frame1->isEnabled());
  EXPECT_FALSE(e.f->CmdSalva->isEnabled());
  EXPECT_FALSE(e.f->Frame3->isVisible());
  e.f->CmdAnnulla_Click();
  EXPECT_EQ(e.larghezza(), e.stretta());
  EXPECT_TRUE(e.f->Frame1->isEnabled());
}

TEST(FormationEditor, NewGroupTakesFormationsAndIsSaved) {
  Editor e(kUtente);
  e.f->CmdGru_Click(0);
  prova::Digita(e.f->TxG, QStringLiteral("cittàΩ"));  // capitals; a character the file cannot hold is refused
  EXPECT_EQ(e.f->TxG->text(), "CITTÀ");
  e.f->TxG->setText(QStringLiteral("miei"));
  e.f->CmdInsG_Click();
  EXPECT_EQ(e.Messaggi(), QStringList{"Gruppo già presente !"});
  e.f->TxG->setText(QStringLiteral("nuovo"));  // pasted in lower case
  e.f->CmdInsG_Click();
  EXPECT_EQ(e.f->ListG->currentItem()->text(), "NUOVO");
  EXPECT_EQ(e.f->modo(), Modo::PannelloFormazione);
  EXPECT_FALSE(e.f->TxG->isEnabled());

  // An empty group cannot be left as it is: "No" keeps the panel open ("Si" would drop the group).
  e.dlg().risposte = {ui::Risposta::No};
  e.f->CmdFine_Click();
  EXPECT_EQ(e.dlg().messaggi.back().pulsanti, ui::Pulsanti::SiNo);
  EXPECT_EQ(e.f->modo(), Modo::PannelloFormazione);

  // Refusals store nothing.
  e.dlg().messaggi.clear();
  e.f->CmdOK_Click();
  e.f->TxF->setText(QStringLiteral("Prima"));
  e.f->CmdOK_Click();
  e.f->TxM->setText(QStringLiteral("12.91.12"));
  e.f->CmdOK_Click();
  e.f->TxM->setText(QStringLiteral("0.91"));
  e.f->CmdOK_Click();
  EXPECT_EQ(e.Messaggi(), (QStringList{"Inserire Nome Formazione !", "Inserire numeri validi !",
                                       "Numeri > 90 non validi !\nNumeri doppi non validi !",
                                       "Numeri a zero non validi !\nNumeri > 90 non validi !\n"}));
  EXPECT_EQ(e.dlg().messaggi[2].titolo, "ERRORI !");
  EXPECT_EQ(e.f->ListF->count(), 0);

  // Typed numbers go through the key filter; a final dot is dropped.
  e.f->TxM->clear();
  prova::Digita(e.f->TxM, QStringLiteral(".123..45."));
  EXPECT_EQ(e.f->TxM->text(), "12.45.");
  e.f->CmdOK_Click();
  EXPECT_EQ(e.f->TxN->text(), "12.45");
  e.f->TxF->setText(QStringLiteral("Seconda"));
  e.f->TxM->setText(QStringLiteral("7"));
  e.f->CmdOK_Click();
  e.f->CmdFine_Click();
  EXPECT_EQ(e.f->modo(), Modo::Consultazione);

  e.f->CmdSalva->click();
  EXPECT_EQ(e.Messaggi().last(), "Tabella Formazioni Numeriche Salvata");
  // The file is in Windows-1252: "à" is the byte 0xE0.
  EXPECT_EQ(e.disco(), testo::ACp1252(kUtente) + "G=NUOVO\r\nF=Prima\r\nN=12.45\r\nF=Seconda\r\nN=7\r\n");

}

TEST(FormationEditor, ModifyingKeepsNamesAndChangesNumbers) {
  Editor e(kUtente);
  e.Scegli(8, 1);
  e.f->CmdFor_Click(1);
  EXPECT_EQ(e.f->TxM->text(), "3.17");
  e.f->TxF->setText(QStringLiteral("CITTÀ"));  // another formation's name
  e.f->CmdOK_Click();
  EXPECT_EQ(e.Messaggi(), QStringList{"Formazione già presente !"});
  e.f->TxF->setText(QStringLiteral("Ambo"));
  e.f->TxM->setText(QStringLiteral("3.18"));
  e.f->CmdOK_Click();
  EXPECT_EQ(e.f->modo(), Modo::Consultazione);
  EXPECT_EQ(e.f->Tabella.gruppi[8].formazioni[1], (fz::Formazione{"Ambo", "3.18"}));

  // A group may be renamed to its own name in other capitals, not to another's.
  e.f->CmdGru_Click(1);
  EXPECT_EQ(e.f->TxG->selectedText(), "MIEI");
  e.f->TxG->setText(QStringLiteral("altri"));
  e.f->CmdInsG_Click();
  EXPECT_EQ(e.Messaggi().last(), "Gruppo già presente !");
  e.f->TxG->setText(QStringLiteral("Miei"));
  e.f->CmdInsG_Click();
  EXPECT_EQ(e.f->ListG->item(8)->text(), "Miei");
  EXPECT_EQ(e.Formazioni(), (QStringList{"Città", "Ambo"}));
}

TEST(FormationEditor, DeletingKeepsNamesAndFormationsPaired) {
  Editor e(kUtente);
  e.Scegli(8, 0);
  e.dlg().risposte = {ui::Risposta::No, ui::Risposta::Si};
  e.f->CmdFor_Click(2);
  e.f->CmdFor_Click(2);
  EXPECT_EQ(e.Messaggi(), (QStringList{"Cancellare Formazione Città ?", "Cancellare Formazione Città ?"}));
  EXPECT_EQ(e.Formazioni(), QStringList{"Ambo"});
  EXPECT_EQ(e.f->TxN->text(), "3.17");
  e.f->CmdFor_Click(2);
  EXPECT_EQ(e.Messaggi().last(), "Nel Gruppo deve essere presente almeno una formazione");

  // Deleting the first user group selects the last standard one.
  e.dlg().risposte = {ui::Risposta::Si};
  e.f->CmdGru_Click(2);
  EXPECT_EQ(e.Messaggi().last(), "Cancellare Gruppo MIEI ?");
  EXPECT_EQ(e.f->ListG->currentRow(), 7);
  e.f->ListG->setCurrentRow(8);
  EXPECT_EQ(e.Formazioni(), QStringList{"Solo"});
  e.f->CmdSalva_Click();
  EXPECT_EQ(e.disco(), kUtente.substr(0, kUtente.find("G=MIEI")) + "G=ALTRI\r\nF=Solo\r\nN=90\r\n");
}

TEST(FormationEditor, TableViewAndItsPrint) {
  Editor e("G=A\r\nF=uno\r\nN=1.2\r\nF=due\r\nN=3\r\nG=B\r\nF=tre\r\nN=4.5.6\r\n");
  e.f->CmdVisTab_Click();
  EXPECT_EQ(e.f->modo(), Modo::Vista);
  EXPECT_TRUE(e.f->TxT->isVisible());
  EXPECT_FALSE(e.f->Frame1->isEnabled());
  EXPECT_EQ(e.f->TxT->testo(), "A\n  uno ==> 1.2\n  due ==> 3\n\nB\n  tre ==> 4.5.6\n");
  e.f->CmdStampa_Click();
  ASSERT_EQ(e.p.servizi.stampante.documenti.size(), 1u);
  EXPECT_EQ(e.p.servizi.stampante.documenti[0].righe,
            (QStringList{"TARVOLANE", "", "A", "  uno ==> 1.2", "  due ==> 3", "", "B", "  tre ==> 4.5.6"}));
  e.f->CmdOkV_Click();
  EXPECT_FALSE(e.f->TxT->isVisible());
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
  e.dlg().risposte = {ui::Risposta::Si};
  e.f->CmdSalva_Click();
  EXPECT_EQ(fz::Decodifica(e.disco()).gruppi.size(), static_cast<std::size_t>(fz::kMaxGruppi));
}
