#include "boards/TabAna.h"

#include <gtest/gtest.h>

#include <QAccessible>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <QToolButton>

#include "support/programma_di_prova.h"
#include "ui/Colori.h"
#include "ui/Finestre.h"
#include "ui/Griglia.h"

namespace {

struct Apertura {
  explicit Apertura(int estrazioni = 120) : p(prova::Sintetiche(estrazioni)) {
    m = &p.principale();
    m->MnuEstTabAna_Click();
    t = m->finestre().trova<TabAna>();
  }
  // Moves the range bar's start and end as the user would.
  void range(int inizio, int fine) {
    m->CmbDataF->setCurrentIndex(fine - 1);
    m->CmbDataI->setCurrentIndex(inizio - 1);
  }
  prova::ProgrammaDiProva p;
  MDIForm1* m = nullptr;
  TabAna* t = nullptr;
};

// The delay of number x on wheel w as of draw R, counted straightforwardly.
int Ritardo(const Archivio& a, int w, int x, int R) {
  for (int d = R; d >= 1; --d)
    for (int p = 1; p <= 5; ++p)
      if (a(d, w, p) == x) return R - d;
  return -1;
}

}  // namespace

TEST(AnalyticBoardWindow, OpensAtTheRangeEndWithEveryNumberInTheRowOfItsDelay) {
  Apertura a;
  ASSERT_NE(a.t, nullptr);
  EXPECT_EQ(a.t->windowTitle(), QStringLiteral("Tabellone Analitico"));
  EXPECT_EQ(a.t->EstrRiferimento, 120);
  EXPECT_EQ(a.t->Label1->text(), QStringLiteral("120"));
  EXPECT_EQ(a.t->LbData->text(), QString::fromStdString(Inizio::DataBreve(a.p.stato.ArchivioEstrazioni, 120)));
  const ui::Griglia& g = *a.t->ana;
  EXPECT_EQ(g.textMatrix(0, 6), QStringLiteral("CAGLIARI"));
  EXPECT_EQ(g.textMatrix(1, 7), QStringLiteral("2"));
  EXPECT_EQ(g.textMatrix(2, 0), QStringLiteral("0"));
  int numeri = 0;
  for (int r = 2; r < g.rows(); ++r) {
    const int ritardo = g.textMatrix(r, 0).toInt();
    for (int c = 1; c <= 50; ++c) {
      if (g.textMatrix(r, c).isEmpty()) continue;
      ++numeri;
      const int w = (c + 4) / 5, x = g.textMatrix(r, c).toInt();
      ASSERT_EQ(Ritardo(a.p.stato.ArchivioEstrazioni, w, x, 120), ritardo) << w << " " << x;
      EXPECT_EQ(g.cellBackColor(r, c), ui::Colore(w % 2 ? 0xFFFF80 : 0x80FFFF));
    }
  }
  // Every number that came out on a wheel stands there once.
  int usciti = 0;
  for (int w = 1; w <= 10; ++w)
    for (int x = 1; x <= 90; ++x) usciti += Ritardo(a.p.stato.ArchivioEstrazioni, w, x, 120) >= 0;
  EXPECT_EQ(numeri, usciti);
}

TEST(AnalyticBoardWindow, SteppingDraggingAndTheFirstAndLastButtons) {
  Apertura a;
  const int righe = a.t->ana->rows();
  a.t->Sli->setValue(119);
  EXPECT_EQ(a.t->EstrRiferimento, 119);
  EXPECT_EQ(a.t->Label1->text(), QStringLiteral("119"));
  const QString cella = a.t->ana->textMatrix(2, 1);
  EXPECT_EQ(cella, QString::number(a.p.stato.ArchivioEstrazioni(119, 1, 1)));
  // Dragging moves the header only.
  a.t->Sli_Scroll(40);
  EXPECT_EQ(a.t->Label1->text(), QStringLiteral("40"));
  EXPECT_EQ(a.t->ana->textMatrix(2, 1), cella);
  a.t->CmdEst[3]->click();
  EXPECT_EQ(a.t->Sli->value(), 1);
  EXPECT_EQ(a.t->ana->rows(), 3);  // the first draw alone: one row, delay 0
  EXPECT_EQ(a.t->ana->textMatrix(2, 0), QStringLiteral("0"));
  a.t->CmdEst[2]->click();
  EXPECT_EQ(a.t->Sli->value(), 120);
  EXPECT_EQ(a.t->ana->rows(), righe);
  EXPECT_EQ(a.t->Label1->text(), QStringLiteral("120"));
}

TEST(AnalyticBoardWindow, RefreshTakesTheRangeAndLeavesAnUnchangedOneAlone) {
  Apertura a;
  a.t->Sli->setValue(100);
  a.t->CmdAggiorna_Click();  // unchanged range: the reference draw stays
  EXPECT_EQ(a.t->EstrRiferimento, 100);
  EXPECT_EQ(a.t->Sli->value(), 100);
  a.range(30, 90);
  EXPECT_EQ(a.t->Sli->maximum(), 120);  // not taken over by itself
  a.t->CmdAggiorna_Click();
  EXPECT_EQ(a.t->Sli->minimum(), 30);
  EXPECT_EQ(a.t->Sli->maximum(), 90);
  EXPECT_EQ(a.t->EstrRiferimento, 90);
  // Only the start moved while the reference draw is at the range end: the
  // board is recomputed in place from the new start.
  a.range(85, 90);
  a.t->CmdAggiorna_Click();
  EXPECT_EQ(a.t->EstrRiferimento, 90);
  EXPECT_EQ(a.t->Sli->minimum(), 85);
  for (int r = 2; r < a.t->ana->rows(); ++r) EXPECT_LE(a.t->ana->textMatrix(r, 0).toInt(), 5);
  // The board stands on the new range's end: both bounds still follow.
  a.range(1, 120);
  a.t->CmdAggiorna_Click();
  a.t->Sli->setValue(100);
  a.range(60, 100);
  a.t->CmdAggiorna_Click();
  EXPECT_EQ(a.t->Sli->minimum(), 60);
  EXPECT_EQ(a.t->Sli->maximum(), 100);
  a.t->CmdEst[2]->click();
  EXPECT_EQ(a.t->EstrRiferimento, 100);
  // A range of one draw: one position, both buttons do nothing.
  a.range(90, 90);
  a.t->CmdAggiorna_Click();
  a.t->CmdEst[3]->click();
  a.t->CmdEst[2]->click();
  EXPECT_EQ(a.t->EstrRiferimento, 90);
  EXPECT_EQ(a.t->ana->rows(), 3);
}

TEST(AnalyticBoardWindow, ClickShowsTheCellDetailsAndRestoresItsColours) {
  Apertura a;
  ui::Griglia& g = *a.t->ana;
  a.m->finestre().porta(a.t);
  QTest::qWait(1);
  const QRect cella = g.cellRect(3, 7);  // CAGLIARI, position 2, second row
  ASSERT_FALSE(cella.isNull());
  ASSERT_FALSE(g.textMatrix(3, 7).isEmpty());
  QTest::mouseClick(g.viewport(), Qt::LeftButton, {}, cella.center());
  ASSERT_EQ(a.p.servizi.dialoghi.menu.size(), 1u);
  const int x = g.textMatrix(3, 7).toInt();
  const auto s = Inizio::Calcola_Storici_Presenze_Ruote(a.p.stato.ArchivioEstrazioni, 1, 120);
  EXPECT_EQ(a.p.servizi.dialoghi.menu[0],
            (QStringList{"Ruota di CAGLIARI", "-", QStringLiteral("Numero %1").arg(x),
                         QStringLiteral("Ritardo %1").arg(g.textMatrix(3, 0)),
                         QStringLiteral("Storico %1").arg(s.RitardoStorico[2][x]),
                         QStringLiteral("Presenze %1").arg(s.Presenze[2][x])}));
  EXPECT_EQ(g.cellBackColor(3, 7), ui::Colore(0x80FFFF));
  EXPECT_FALSE(a.m->MnuTab1->menuAction()->isVisible());
  // Headers and the delay column show nothing.
  QTest::mouseClick(g.viewport(), Qt::LeftButton, {}, g.cellRect(0, 7).center());
  QTest::mouseClick(g.viewport(), Qt::LeftButton, {}, g.cellRect(3, 0).center());
  EXPECT_EQ(a.p.servizi.dialoghi.menu.size(), 1u);
}

TEST(AnalyticBoardWindow, KeepsTheScrollPositionAcrossReferenceDraws) {
  Apertura a(400);
  ui::Griglia& g = *a.t->ana;
  a.m->finestre().porta(a.t);
  a.t->parentWidget()->resize(500, 400);
  QTest::qWait(1);
  g.setTopRow(8);
  g.setLeftCol(12);
  a.t->Sli->setValue(399);
  EXPECT_EQ(g.topRow(), 8);
  EXPECT_EQ(g.leftCol(), 12);
  EXPECT_EQ(g.rows(), 2 + static_cast<int>(Tabelloni::Scansiona(a.p.stato.ArchivioEstrazioni, 1, 399).size()));
}

TEST(AnalyticBoardWindow, OneInstanceAndClosedByTheRegistry) {
  Apertura a;
  a.m->MnuEstTabAna_Click();
  a.m->Toolbar1_ButtonClick(QStringLiteral("BtnEstTabAna"));
  EXPECT_EQ(a.m->finestre().aperte().size(), 1);
  a.m->MnuFinestraChiudi_Click();
  QTest::qWait(1);
  EXPECT_EQ(a.m->finestre().trova<TabAna>(), nullptr);
}

TEST(AnalyticBoardWindow, AnAccessibilityClientReadsTheBoardAsATable) {
  Apertura a;
  ui::Griglia& g = *a.t->ana;
  QAccessibleInterface* grid = QAccessible::queryAccessibleInterface(&g);
  ASSERT_NE(grid, nullptr);
  EXPECT_EQ(grid->role(), QAccessible::Table);
  QAccessibleTableInterface* tabella = grid->tableInterface();
  ASSERT_NE(tabella, nullptr);
  EXPECT_EQ(tabella->rowCount(), g.rows() - g.fixedRows());
  EXPECT_EQ(tabella->columnCount(), g.cols() - g.fixedCols());
  for (const auto& [r, c] : std::vector<std::pair<int, int>>{{0, 0}, {0, 6}, {1, 7}, {3, 12}, {g.rows() - 1, 50}}) {
    SCOPED_TRACE(QStringLiteral("%1,%2").arg(r).arg(c).toStdString());
    QAccessibleInterface* cella = grid->child(r * g.cols() + c);
    ASSERT_NE(cella, nullptr);
    EXPECT_EQ(cella->text(QAccessible::Name), g.textMatrix(r, c));
    EXPECT_EQ(grid->indexOfChild(cella), r * g.cols() + c);
    if (r >= g.fixedRows() && c >= g.fixedCols()) {
      EXPECT_EQ(tabella->cellAt(r - g.fixedRows(), c - g.fixedCols()), cella);
      QAccessibleTableCellInterface* x = cella->tableCellInterface();
      ASSERT_NE(x, nullptr);
      ASSERT_EQ(x->columnHeaderCells().size(), g.fixedRows());
      EXPECT_EQ(x->columnHeaderCells()[0]->text(QAccessible::Name), g.textMatrix(0, c));
      EXPECT_EQ(x->rowHeaderCells()[0]->text(QAccessible::Name), g.textMatrix(r, 0));
    } else {
      EXPECT_NE(cella->role(), QAccessible::Cell);
    }
  }
  EXPECT_EQ(tabella->columnDescription(6 - g.fixedCols()).section(QLatin1Char(' '), 0, 0),
            QStringLiteral("CAGLIARI"));
  // The current cell is the focus.
  g.setRow(4);
  g.setCol(9);
  ASSERT_NE(grid->focusChild(), nullptr);
  EXPECT_EQ(grid->focusChild(), grid->child(4 * g.cols() + 9));
  EXPECT_TRUE(grid->focusChild()->state().focused);
}
