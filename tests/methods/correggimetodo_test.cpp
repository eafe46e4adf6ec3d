// The Lotto tester's number picker ("Griglia") and line corrector ("Correggi").
#include "methods/correggimetodo.h"

#include <gtest/gtest.h>

#include <QTest>

#include "methods/griglia.h"
#include "tester_di_prova.h"
#include "ui/Griglia.h"

namespace {

struct Aperto : prova::TesterAperto<Metodi> {
  Aperto() : prova::TesterAperto<Metodi>(&MDIForm1::mnuPrevMetodiT_Click) {}
  // Corrects the line (the only one of the method, selected); `fai` acts
  // on the corrector while it is shown. Returns the line that comes back.
  QString Correggi(const char* riga, std::function<void(correggimetodo&)> fai) {
    m->ListPro->clear();
    m->ListPro->addItem(QString::fromUtf8(riga));
    m->ListPro->setCurrentRow(0);
    p.servizi.dialoghi.alModale = [fai](QDialog* d) {
      fai(*qobject_cast<correggimetodo*>(d));
      return d->result();
    };
    m->CmdNum[13]->click();
    EXPECT_FALSE(std::filesystem::exists(p.cartella.percorso() / "riporto.txt"));
    return m->ListPro->item(0)->text();
  }
};

}  // namespace

TEST(NumberPicker, AClickedCellBecomesTheFixedNumber) {
  Aperto a;
  for (auto [riga, colonna, fisso] : {std::tuple{0, 0, " 1"}, {8, 8, "89"}, {8, 9, " 0"}}) {
    a.p.servizi.dialoghi.alModale = [&, riga = riga, colonna = colonna](QDialog* d) {
      auto* g = qobject_cast<griglia*>(d);
      QTest::mouseClick(g->ana->viewport(), Qt::LeftButton, {}, g->ana->cellRect(riga, colonna).center());
      return d->result();
    };
    a.m->tastogriglia->click();
    EXPECT_EQ(a.m->CmbFissi->currentText(), fisso);
  }
  a.p.servizi.dialoghi.alModale = nullptr;  // closed without a click
  a.m->CmbFissi->setCurrentIndex(12);
  a.m->tastogriglia->click();
  EXPECT_EQ(a.m->CmbFissi->currentText(), "12");
}

TEST(LineCorrectorWindow, ShowsTheLineAndPutsTheCorrectionInItsPlace) {
  Aperto a;
  const QString corretta = a.Correggi("MA  1M  1°BA+5,3°RO-12 & 2°NA+90", [&](correggimetodo& c) {
    EXPECT_EQ(a.Leggi("riporto.txt"), "MA  1M  1\xB0" "BA+5,3\xB0" "RO-12 & 2\xB0" "NA+90\r\n");
    EXPECT_EQ((QStringList{c.sorte->currentText(), c.im->currentText(), c.estra[2]->currentText(),
                           c.ruota[2]->currentText(), c.operatore[2]->currentText(),
                           c.fisso[2]->currentText(), c.fisso[3]->currentText()}),
              (QStringList{"MA", "1M", "3°", "RO", "-", "12", "90"}));
    c.fisso[1]->setCurrentText(QStringLiteral("20"));
    c.ruota[4]->setCurrentText(QStringLiteral("VE"));
    c.correggi->click();  // an incomplete row: refused, the corrector stays
    EXPECT_NE(c.result(), QDialog::Accepted);
    c.estra[4]->setCurrentIndex(4);
    c.operatore[4]->setCurrentText(QStringLiteral("+"));
    c.fisso[4]->setCurrentText(QStringLiteral(" 7"));
    c.correggi->click();
  });
  EXPECT_EQ(corretta, "MA  1M  1°BA+20,3°RO-12 & 2°NA+90 & 5°VE+7");
  EXPECT_EQ(a.Messaggi(), QStringList{"Riga n°4 incompleta"});
  // Confirmed unchanged or closed: the same line; an Ambo of one number is lowered.
  const char* riga = "T  PM  1°BA+05,1°CA+99 & 2°GE+1 & 3°MI+2";
  EXPECT_EQ(a.Correggi(riga, [](correggimetodo& c) { c.correggi->click(); }), riga);
  EXPECT_EQ(a.Correggi(riga, [](correggimetodo&) {}), riga);
  EXPECT_EQ(a.Correggi("A  TM  3°RO-7", [](correggimetodo& c) { c.correggi->click(); }),
            "M  TM  3°RO-7");
  EXPECT_TRUE(a.Messaggi().last().startsWith("Selezionata sorte di Ambo con un solo numero!"));
}

TEST(LineCorrectorWindow, WhatCannotBeShownWrittenOrTakenBackChangesNothing) {
  Aperto a;
  auto mai = [](correggimetodo&) { ADD_FAILURE() << "correttore aperto"; };
  EXPECT_EQ(a.Correggi("M  1M  1°BA+1,1°BA+2,1°BA+3,1°BA+4,1°BA+5,1°BA+6 & 1°CA+1 & 1°CA+2 & "
                       "1°CA+3 & 1°CA+4 & 1°CA+5", mai).left(6), "M  1M ");
  EXPECT_EQ(a.Messaggi().last(), "Impossibile correggere la riga:\r\nla riga ha 11 termini, il "
                                 "correttore ne mostra al massimo 10");
  a.p.stato.CartellaProgramma = a.p.cartella.percorso() / "assente";
  a.Correggi("M  1M  1°BA+5", mai);
  EXPECT_TRUE(a.Messaggi().last().startsWith("impossibile scrivere riporto.txt"));
  a.p.stato.CartellaProgramma = a.p.cartella.percorso();
  // A line handed back that breaks the grammar is not taken.
  EXPECT_EQ(a.Correggi("M  1M  1°BA+5",
                       [&](correggimetodo&) { a.Scrivi("riporto.txt", "M  1M  1\xB0XX+5\r\n"); }),
            "M  1M  1°BA+5");
  EXPECT_TRUE(a.Messaggi().last().startsWith("La riga corretta non è valida"));
}

TEST(LineCorrectorWindow, ARiportoThatIsALinkLeavesTheFileItLeadsToAlone) {
  Aperto a;
  const auto riporto = a.p.cartella.percorso() / "riporto.txt";
  // The link is there before the tester writes, or comes while the corrector is open.
  for (bool durante : {false, true}) {
    SCOPED_TRACE(durante ? "durante" : "prima");
    a.Scrivi("mio.txt", "del giocatore");
    if (!durante) std::filesystem::create_symlink("mio.txt", riporto);
    EXPECT_EQ(a.Correggi("M  1M  1°BA+5",
                         [&](correggimetodo& c) {
                           if (durante) {
                             std::filesystem::remove(riporto);
                             std::filesystem::create_symlink("mio.txt", riporto);
                           }
                           c.fisso[1]->setCurrentText(QStringLiteral(" 7"));
                           c.correggi->click();
                         }),
              "M  1M  1°BA+7");
    EXPECT_EQ(a.Leggi("mio.txt"), "del giocatore");
  }
}
