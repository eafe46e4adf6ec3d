// The Lotto tester's number picker ("Griglia") and line corrector ("Correggi").
#include "methods/correggimetodo.h"

#include <gtest/gtest.h>

#include <QLineEdit>
#include <QTest>

#include "methods/griglia.h"
#include "tester_di_prova.h"
#include "ui/Griglia.h"

namespace {

struct Aperto : prova::TesterAperto<Metodi> {
  Aperto() : prova::TesterAperto<Metodi>(&MDIForm1::mnuPrevMetodiT_Click) {}
  // The method list holds the line, selected.
  void Riga(const char* riga) {
    m->ListPro->clear();
    m->ListPro->addItem(QString::fromUtf8(riga));
    m->ListPro->setCurrentRow(0);
  }
  QString Corretta() const { return m->ListPro->item(0)->text(); }
  bool Riporto() const { return std::filesystem::exists(p.cartella.percorso() / "riporto.txt"); }
  // What the corrector does once it is shown modally.
  void AlCorrettore(std::function<void(correggimetodo&)> fai) {
    p.servizi.dialoghi.alModale = [fai](QDialog* d) {
      auto* c = qobject_cast<correggimetodo*>(d);
      if (c) fai(*c);
      return d->result();
    };
  }
};

}  // namespace

TEST(NumberPicker, AClickedCellBecomesTheFixedNumber) {
  Aperto a;
  Metodi& m = *a.m;
  struct Caso {
    int riga, colonna;
    QString fisso;
  };
  const Caso casi[] = {{0, 0, " 1"}, {8, 8, "89"}, {8, 9, " 0"}, {3, 6, "37"}};
  for (const Caso& c : casi) {
    a.p.servizi.dialoghi.alModale = [&](QDialog* d) {
      auto* g = qobject_cast<griglia*>(d);
      EXPECT_EQ(g->ana->textMatrix(8, 9), "0");
      EXPECT_EQ(g->ana->textMatrix(8, 8), "89");
      QTest::mouseClick(g->ana->viewport(), Qt::LeftButton, {},
                        g->ana->cellRect(c.riga, c.colonna).center());
      return d->result();
    };
    m.tastogriglia->click();
    EXPECT_EQ(m.CmbFissi->currentText(), c.fisso);
  }
  EXPECT_EQ(a.p.servizi.dialoghi.finestreModali.size(), 4u);
  EXPECT_EQ(a.p.stato.NumeroGriglia, 37);
  // Closed without a click: the combo keeps its number.
  m.CmbFissi->setCurrentIndex(12);
  a.p.servizi.dialoghi.alModale = nullptr;
  m.tastogriglia->click();
  EXPECT_EQ(m.CmbFissi->currentText(), "12");
}

TEST(LineCorrectorWindow, ShowsTheLineAndPutsTheCorrectionInItsPlace) {
  Aperto a;
  a.Riga("MA  1M  1°BA+5,3°RO-12 & 2°NA+90");
  a.AlCorrettore([&](correggimetodo& c) {
    EXPECT_EQ(c.windowTitle(), "Correzione manuale della riga di calcolo");
    EXPECT_EQ(a.Leggi("riporto.txt"), "MA  1M  1\xB0" "BA+5,3\xB0" "RO-12 & 2\xB0" "NA+90\r\n");
    EXPECT_EQ(c.campo->text(), "MA  1M  1°BA+5,3°RO-12 & 2°NA+90");
    EXPECT_FALSE(c.campo->isVisibleTo(&c));
    EXPECT_EQ((QStringList{c.sorte->currentText(), c.im->currentText(), c.estra[2]->currentText(),
                           c.ruota[2]->currentText(), c.operatore[2]->currentText(),
                           c.fisso[2]->currentText(), c.fisso[3]->currentText(),
                           c.ruota[4]->currentText()}),
              (QStringList{"MA", "1M", "3°", "RO", "-", "12", "90", ""}));
    c.fisso[1]->setCurrentText(QStringLiteral("20"));
    c.ruota[4]->setCurrentText(QStringLiteral("VE"));  // an incomplete row: refused, still open
    c.correggi->click();
    EXPECT_EQ(a.Messaggi().last(), "Riga n°4 incompleta");
    EXPECT_NE(c.result(), QDialog::Accepted);
    c.estra[4]->setCurrentIndex(4);
    c.operatore[4]->setCurrentText(QStringLiteral("+"));
    c.fisso[4]->setCurrentText(QStringLiteral(" 7"));
    c.correggi->click();
  });
  a.m->CmdNum[13]->click();
  EXPECT_EQ(a.Corretta(), "MA  1M  1°BA+20,3°RO-12 & 2°NA+90 & 5°VE+7");
  EXPECT_FALSE(a.Riporto());
  EXPECT_EQ(a.Messaggi().size(), 1);
}

TEST(LineCorrectorWindow, UnchangedOrClosedGivesTheSameLine) {
  Aperto a;
  const char* righe[] = {"MATQC  UM  1°BA+5,3°RO-12 & 2°NA+0 & 4°VE-89 & 1°CA+1 & 1°FI+2",
                         "T  PM  1°BA+05,1°CA+99 & 2°GE+1 & 3°MI+2"};
  for (const char* riga : righe) {
    for (bool conferma : {true, false}) {
      SCOPED_TRACE(testing::Message() << riga << (conferma ? " confermata" : " chiusa"));
      a.Riga(riga);
      a.AlCorrettore([conferma](correggimetodo& c) {
        if (conferma) c.correggi->click();
      });
      a.m->CmdNum[13]->click();
      EXPECT_EQ(a.Corretta(), QString::fromUtf8(riga));
      EXPECT_FALSE(a.Riporto());
    }
  }
  EXPECT_TRUE(a.Messaggi().isEmpty()) << ui::S(a.Messaggi().join("|"));
  // A one-number Ambo becomes an Ambata, with its message.
  a.Riga("A  TM  3°RO-7");
  a.AlCorrettore([](correggimetodo& c) { c.correggi->click(); });
  a.m->CmdNum[13]->click();
  EXPECT_EQ(a.Corretta(), "M  TM  3°RO-7");
  EXPECT_EQ(a.Messaggi(),
            QStringList{
                "Selezionata sorte di Ambo con un solo numero! Corretto automaticamente ad AMBATA"});
  // Every row emptied: refused, the window stays, the line stays.
  a.Riga("M  1M  1°BA+5");
  a.AlCorrettore([](correggimetodo& c) {
    for (QComboBox* l : {c.estra[1], c.ruota[1], c.operatore[1], c.fisso[1]})
      l->setCurrentText(QString());
    c.correggi->click();
    EXPECT_NE(c.result(), QDialog::Accepted);
  });
  a.m->CmdNum[13]->click();
  EXPECT_EQ(a.Messaggi().last(), "Nessun elemento da correggere: compilare almeno una riga");
  EXPECT_EQ(a.Corretta(), "M  1M  1°BA+5");
}

TEST(LineCorrectorWindow, LinesItCannotShowAndFilesItCannotWriteChangeNothing) {
  Aperto a;
  a.Riga("M  1M  1°XX+5");
  a.m->CmdNum[13]->click();
  a.Riga("M  1M  1°BA+1 & 1°BA+2 & 1°BA+3 & 1°BA+4 & 1°BA+5 & 1°BA+6 & 1°BA+7 & 1°BA+8 & "
         "1°BA+9 & 1°BA+10 & 1°BA+11");
  a.m->CmdNum[13]->click();
  ASSERT_EQ(a.Messaggi().size(), 2);
  EXPECT_TRUE(a.Messaggi()[0].startsWith("Impossibile correggere la riga:\r\ntermine non valido"));
  EXPECT_EQ(a.Messaggi()[1], "Impossibile correggere la riga:\r\nla riga ha 11 termini, il "
                             "correttore ne mostra al massimo 10");
  EXPECT_TRUE(a.p.servizi.dialoghi.finestreModali.empty());
  // A program folder that cannot be written: the corrector does not open.
  a.p.stato.CartellaProgramma = a.p.cartella.percorso() / "assente";
  a.Riga("M  1M  1°BA+5");
  a.m->CmdNum[13]->click();
  EXPECT_TRUE(a.Messaggi().last().startsWith("impossibile scrivere riporto.txt"));
  EXPECT_TRUE(a.p.servizi.dialoghi.finestreModali.empty());
  a.p.stato.CartellaProgramma = a.p.cartella.percorso();
  // A line handed back that breaks the grammar is not taken.
  a.AlCorrettore([&](correggimetodo&) { a.Scrivi("riporto.txt", "M  1M  1\xB0XX+5\r\n"); });
  a.m->CmdNum[13]->click();
  EXPECT_TRUE(a.Messaggi().last().startsWith(
      "La riga corretta non è valida e non sostituisce quella del metodo:\r\nM  1M  1°XX+5"));
  EXPECT_EQ(a.Corretta(), "M  1M  1°BA+5");
  EXPECT_FALSE(a.Riporto());
}
