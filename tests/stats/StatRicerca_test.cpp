#include "stats/StatRicerca.h"

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStatusBar>
#include <QTest>

#include "core/file.h"
#include "core/testo.h"
#include "stats/analisi_formazioni.h"
#include "stats/digita.h"
#include "stats/tabella_formazioni.h"
#include "support/leggi_file.h"
#include "support/programma_di_prova.h"
#include "ui/Testo.h"

namespace fz = formazioni;

namespace {

const std::string kTabella = "G=A\r\nF=pari\r\nN=2.4.6\r\nF=senza\r\nG=B\r\nF=ambo\r\nN=1.2\r\n";

// Five draws of January 1999: 1 and 2 together on BARI in draws 2 and 4.
std::vector<Estrazione> Estrazioni() {
  return {prova::Fai({1, 1, 1999}, {{10, 20, 30, 40, 50}}), prova::Fai({2, 1, 1999}, {{1, 2, 60, 61, 62}}),
          prova::Fai({3, 1, 1999}, {{70, 71, 72, 73, 74}}), prova::Fai({4, 1, 1999}, {{2, 9, 1, 8, 7}}),
          prova::Fai({5, 1, 1999}, {{3, 5, 6, 7, 8}})};
}

struct Analisi {
  explicit Analisi(std::optional<std::string> tabella = kTabella) : p(Estrazioni()) {
    if (tabella) {
      EXPECT_TRUE(file::ScriviAtomico(p.stato.CartellaProgramma / "TabFnum.txt", *tabella));
    }
    p.principale().MnuStatAnaNum_Click();
    f = p.principale().finestre().trova<StatRicerca>();
    QTest::qWait(1);  // the notices of the reading come once the window is shown
  }
  ui::DialoghiDiProva& dlg() { return p.servizi.dialoghi; }
  QStringList Messaggi() const { return p.servizi.dialoghi.testi(); }
  QStringList Voci() const {
    QStringList out;
    for (int i = 0; i < f->CmbF->count(); ++i) out << f->CmbF->itemText(i);
    return out;
  }
  // The formation list as shown.
  QStringList Lista() const {
    QStringList out;
    for (int i = 0; i < f->ListFormazioni->count(); ++i) out << f->ListFormazioni->item(i)->text();
    return out;
  }
  void Aggiungi(const QString& formazione) {
    f->TxtFormazione->setText(formazione);
    f->CmdAggiungi_Click(0);
  }

  prova::ProgrammaDiProva p;
  StatRicerca* f = nullptr;
};

}  // namespace

TEST(FormationAnalysisWindow, OpensWithAmboAndTheTableEntries) {
  Analisi a;
  ASSERT_NE(a.f, nullptr);
  MDIForm1& m = a.p.principale();
  EXPECT_TRUE(m.voci[QStringLiteral("BtnAnaNum")]->isEnabled());
  EXPECT_TRUE(a.Messaggi().isEmpty());
  EXPECT_TRUE(a.f->OptSorte[1]->isChecked());
  EXPECT_TRUE(a.f->Panel1->text().startsWith(QStringLiteral("Archivio : da Estr.1 - Ven  1 Gen 1999")));
  // A formation without numbers offers nothing to take.
  EXPECT_EQ(a.Voci(), (QStringList{"A", " pari => 2.4.6", "B", " ambo => 1.2"}));
  EXPECT_EQ(a.f->CmbF->currentIndex(), 0);
  // Reading the table again replaces its entries.
  a.f->CmdAggiungi_Click(1);
  EXPECT_EQ(a.Voci().size(), 4);

  // The table gone meanwhile: said like the missing file, the list empty.
  std::filesystem::remove(a.p.stato.CartellaProgramma / "TabFnum.txt");
  a.f->CmdAggiungi_Click(1);
  EXPECT_EQ(a.Messaggi(), QStringList{"File Formazioni Numeriche assente !"});
  EXPECT_EQ(a.f->CmbF->count(), 0);
}

TEST(FormationAnalysisWindow, ATableBeyondTheLimitsIsCutAsTheEditorCutsIt) {
  std::string grande;
  for (int g = 0; g < fz::kMaxGruppi + 50; ++g)
    grande += "G=G" + std::to_string(g) + "\r\nF=f\r\nN=1.2\r\n";
  Analisi a(grande);
  EXPECT_EQ(a.Messaggi(), QStringList{ui::Q(fz::AvvisoTabellaRidotta({.eccedenze = true}))});
  EXPECT_EQ(a.f->CmbF->count(), 2 * fz::kMaxGruppi);
}

TEST(FormationAnalysisWindow, MissingTableDisablesItsControls) {
  Analisi a(std::nullopt);
  ASSERT_NE(a.f, nullptr);
  EXPECT_EQ(a.Messaggi(), QStringList{"File Formazioni Numeriche assente !"});
  EXPECT_EQ(a.dlg().messaggi[0].icona, ui::Icona::Nessuna);
  EXPECT_FALSE(a.f->CmdAggiungi[1]->isEnabled());
  EXPECT_FALSE(a.f->CmbF->isEnabled());
}

// A table left as a link to a file that is not there is named for what it
// is, at the opening and at each new reading, like any table that cannot be
// read: the controls stay, so that the table can be read once it is back.
TEST(FormationAnalysisWindow, TableLinkedToNothingIsNamedAndTheLinkKept) {
  prova::ProgrammaDiProva p(Estrazioni());
  const auto tabella = p.stato.CartellaProgramma / "TabFnum.txt";
  std::filesystem::create_symlink("chiavetta/TabFnum.txt", tabella);
  p.principale().MnuStatAnaNum_Click();
  auto* f = p.principale().finestre().trova<StatRicerca>();
  ASSERT_NE(f, nullptr);
  QTest::qWait(1);
  f->CmdAggiungi_Click(1);
  const QString motivo =
      QStringLiteral("impossibile leggere TabFnum.txt: è un collegamento a un file inesistente");
  ASSERT_EQ(p.servizi.dialoghi.testi(), (QStringList{motivo, motivo}));
  EXPECT_EQ(p.servizi.dialoghi.messaggi[0].icona, ui::Icona::Critica);
  EXPECT_TRUE(f->CmdAggiungi[1]->isEnabled());
  EXPECT_EQ(f->CmbF->count(), 0);
  EXPECT_EQ(std::filesystem::read_symlink(tabella), "chiavetta/TabFnum.txt");
  EXPECT_FALSE(std::filesystem::exists(tabella));
}

TEST(FormationAnalysisWindow, FormationListIsTypedCheckedTakenAndEdited) {
  Analisi a;
  prova::Digita(a.f->TxtFormazione, QStringLiteral(".123..5x."));
  EXPECT_EQ(a.f->TxtFormazione->text(), "12.5.");
  a.f->CmdAggiungi_Click(0);
  EXPECT_EQ(a.Lista(), QStringList{"12.5"});
  EXPECT_TRUE(a.f->TxtFormazione->text().isEmpty());

  a.Aggiungi(QStringLiteral("12.0"));
  a.Aggiungi(QStringLiteral("3,4..5"));  // pasted text meets the same check
  a.Aggiungi(QStringLiteral("12.91.12"));
  EXPECT_EQ(a.Messaggi(), (QStringList{"Numeri a zero non validi !\n", "Numeri vuoti o non numerici non validi !\n",
                                       "Numeri > 90 non validi !\nNumeri doppi non validi !\n"}));
  EXPECT_EQ(a.dlg().messaggi[0].titolo, "ERRORI !");
  EXPECT_EQ(a.Lista(), QStringList{"12.5"});

  // Taking a table entry: appended after a ".", after a final "." or alone.
  for (const auto& [prima, dopo] : {std::pair{"12", "12.2.4.6"}, {"12.", "12.2.4.6"}, {"", "2.4.6"}}) {
    a.f->TxtFormazione->setText(QString::fromLatin1(prima));
    a.f->CmbF_Click(1);
    EXPECT_EQ(a.f->TxtFormazione->text(), dopo);
  }
  a.f->CmbF_Click(0);  // a group heading does nothing
  a.f->CmdAggiungi_Click(0);
  a.Aggiungi(QStringLiteral("1.2"));
  EXPECT_EQ(a.Lista(), (QStringList{"12.5", "2.4.6", "1.2"}));

  // Correct, delete, empty.
  a.dlg().messaggi.clear();
  a.f->ListFormazioni->setCurrentRow(0);
  a.f->CmdNum_Click(0);
  EXPECT_EQ(a.f->TxtFormazione->text(), "12.5");
  EXPECT_EQ(a.Lista(), (QStringList{"2.4.6", "1.2"}));
  a.f->ListFormazioni->setCurrentRow(1);
  a.dlg().risposte = {ui::Risposta::Si};
  a.f->CmdNum_Click(1);
  EXPECT_EQ(a.Lista(), QStringList{"2.4.6"});
  EXPECT_EQ(a.Messaggi(), QStringList{"Eliminare Formazione ?"});

  // The tooltip shows the item under the pointer.
  a.f->ListFormazioni_MouseMove(a.f->ListFormazioni->visualItemRect(a.f->ListFormazioni->item(0)).center());
  EXPECT_EQ(a.f->ListFormazioni->accessibleDescription(), "2.4.6");
  a.dlg().risposte = {ui::Risposta::Si};
  a.f->CmdNum_Click(2);
  EXPECT_EQ(a.Messaggi().last(), "Eliminare tutte le Formazioni ?");
  EXPECT_TRUE(a.Lista().isEmpty());
}

TEST(FormationAnalysisWindow, RunShowsTheModelsReportAndSavesItAlone) {
  Analisi a;
  a.f->Cmd_Click(0);  // an empty list: nothing happens
  EXPECT_TRUE(a.Messaggi().isEmpty());

  a.Aggiungi(QStringLiteral("1"));
  a.Aggiungi(QStringLiteral("1.2"));
  a.f->Cmd_Click(0);
  EXPECT_EQ(a.Messaggi(), QStringList{"SELEZIONARE ALMENO UNA RUOTA !\n"
                                      "NUMERO NUMERI INSUFFICIENTE PER LA SORTE SELEZIONATA!\n"});
  EXPECT_EQ(a.dlg().messaggi[0].titolo, "ATTENZIONE - ERRORI NELLE OPZIONI !!!");

  a.f->CheckESTR[1]->setChecked(true);
  delete a.f->ListFormazioni->takeItem(0);
  a.f->Cmd_Click(0);
  EXPECT_EQ(a.Messaggi().size(), 1);
  AnalisiFormazioni::Opzioni o{1, 5, {}, 1, 2, {"1.2"}};
  o.ruote[1] = true;
  const Statistiche::Elaborazione atteso =
      AnalisiFormazioni::Analisi_Formazioni(a.p.stato.ArchivioEstrazioni, o, "Tarvolane");
  ASSERT_EQ(a.f->Rapporto(), atteso.rapporto);
  EXPECT_EQ(a.f->ListRitCount(), 2);
  EXPECT_EQ(a.f->ListRitTesto(1), "04.01.1999 BARI 1");
  EXPECT_EQ(a.f->ListRitItemData(1), 4);
  EXPECT_EQ(a.f->Frame5->title(), "Estr. 2 - Sab  2 Gen 1999");

  const auto salvato = a.p.stato.CartellaProgramma / "analisi.txt";
  a.dlg().file = {QString::fromStdString(salvato.string())};
  a.f->Cmd_Click(3);
  EXPECT_EQ(a.dlg().dialoghiFile.back().nome, "FormazioneNumerica.txt");
  EXPECT_EQ(prova::Testo(salvato), testo::CodificaRighe(atteso.rapporto));

  // No event: "NESSUN RISULTATO" and an empty report.
  a.f->ListFormazioni->item(0)->setText(QStringLiteral("88.89"));
  a.f->Cmd_Click(0);
  EXPECT_EQ(a.Messaggi().last(), "NESSUN RISULTATO");
  EXPECT_TRUE(a.f->Rapporto().empty());
  EXPECT_FALSE(a.f->Cmd[3]->isEnabled());
}
