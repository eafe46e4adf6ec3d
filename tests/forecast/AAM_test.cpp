#include "forecast/AAM.h"

#include <gtest/gtest.h>

#include <QLabel>
#include <QProgressBar>
#include <QPushButton>

#include "support/programma_di_prova.h"
#include "ui/Colori.h"
#include "ui/Griglia.h"
#include "ui/Testo.h"

// BARI: 1 2 | - | 1 | - | -: on 1..5 the pair 01.02 waited 1 draw at most
// and now waits 2, so it has escaped control; on 1..3 it waits 0.
TEST(AAM, ComputesOnRequestAndResetsTheAlertRowsOfARangeChange) {
  std::vector<Estrazione> e;
  for (int d = 1; d <= 5; ++d) e.push_back(prova::Fai({d, 1, 1999}));
  e[0].numeri[0][0] = e[2].numeri[0][0] = 1;
  e[0].numeri[0][1] = 2;
  prova::ProgrammaDiProva p(e);
  p.principale().Toolbar1_ButtonClick(QStringLiteral("BtnAAM"));
  AAM* f = p.principale().finestre().trova<AAM>();
  ASSERT_NE(f, nullptr);
  const ui::Griglia& g = *f->ana;
  const ui::Griglia& ano = *f->Ano;
  auto riga = [&](int r) {
    QStringList out;
    for (int c = 0; c < 5; ++c) out << ano.textMatrix(r, c);
    return out;
  };
  EXPECT_EQ(g.textMatrix(4, 0), QStringLiteral("Combinazione"));
  for (int r = 1; r <= 9; ++r)
    EXPECT_EQ(ui::ColoreBgr(g.cellBackColor(r, 7)), r <= 3   ? 0xFFFF00u
                                                    : r == 4 ? 0xFF00u
                                                             : 0x8080FFu);
  EXPECT_TRUE(ano.isHidden());
  EXPECT_TRUE(f->Panel1->text().endsWith(QStringLiteral("  ( 5 Estrazioni )")));

  // An unchanged range: "Aggiorna" computes nothing; "Elabora" does.
  f->CmdAggiorna_Click();
  EXPECT_TRUE(g.textMatrix(1, 1).isEmpty());
  f->CmdElab->click();
  EXPECT_EQ(g.textMatrix(1, 1), QStringLiteral("01.02 (1)  att.2"));
  EXPECT_EQ(g.textMatrix(2, 1), QString());  // one pair only
  EXPECT_EQ(g.textMatrix(4, 1), QStringLiteral("1.2"));
  EXPECT_TRUE(f->PBar->isHidden());
  EXPECT_EQ(f->LbPeriodo->text(), f->Panel1->text());
  EXPECT_EQ(riga(0), (QStringList{"Formazione", "Storico", "Attuale", "", ""}));
  EXPECT_EQ(riga(1), (QStringList{"BA  01.02", "1", "2", "200,0%", "Sfuggita al Controllo"}));
  EXPECT_EQ(ui::ColoreBgr(ano.cellBackColor(1, 4)), 0xFFu);
  EXPECT_EQ(ui::ColoreBgr(ano.cellForeColor(1, 0)), 0xFFFFFFu);

  // A changed range: the former alert row keeps neither text nor colour.
  p.programma.impostaRange(1, 3);
  f->CmdAggiorna->click();
  EXPECT_TRUE(f->Panel1->text().endsWith(QStringLiteral("  ( 3 Estrazioni )")));
  EXPECT_EQ(g.textMatrix(1, 1), QStringLiteral("01.02 (1)  att.0"));
  EXPECT_EQ(ano.rows(), 2);
  EXPECT_EQ(riga(1), (QStringList{"", "", "", "", ""}));
  EXPECT_NE(ui::ColoreBgr(ano.cellBackColor(1, 4)), 0xFFu);
  p.programma.impostaRange(3, 3);
  f->CmdElab->click();
  EXPECT_TRUE(f->Panel1->text().endsWith(QStringLiteral("  ( 1 Estrazioni )")));

  f->CmdEsci->click();
  QCoreApplication::processEvents();
  EXPECT_EQ(p.principale().finestre().trova<AAM>(), nullptr);
}
