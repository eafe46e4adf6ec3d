#include "ui/Griglia.h"

#include <gtest/gtest.h>

#include <QSignalSpy>
#include <QTest>

#include "ui/Colori.h"

using ui::Griglia;

namespace {

QStringList Colonna(const Griglia& g, int c) {
  QStringList out;
  for (int r = g.fixedRows(); r < g.rows(); ++r) out << g.textMatrix(r, c);
  return out;
}

}  // namespace

TEST(Griglia, FormatStringSetsColumnsHeadersAndAlignment) {
  Griglia g;
  g.setFormatString(QStringLiteral("<                   |^  I |^II  |>III "));
  EXPECT_EQ(g.cols(), 4);
  EXPECT_EQ(g.textMatrix(0, 0), QStringLiteral("                   "));
  EXPECT_EQ(g.textMatrix(0, 1), QStringLiteral("  I "));
  EXPECT_EQ(g.cellAlignment(1, 0) & Qt::AlignHorizontal_Mask, Qt::AlignLeft);
  EXPECT_EQ(g.cellAlignment(1, 2) & Qt::AlignHorizontal_Mask, Qt::AlignHCenter);
  EXPECT_EQ(g.cellAlignment(1, 3) & Qt::AlignHorizontal_Mask, Qt::AlignRight);
  // The header of blanks gives its column a width.
  EXPECT_GT(g.colWidth(0), g.colWidth(1));
  g.setCellAlignment(1, 3, Qt::AlignLeft | Qt::AlignVCenter);
  EXPECT_EQ(g.cellAlignment(1, 3) & Qt::AlignHorizontal_Mask, Qt::AlignLeft);
}

TEST(Griglia, ColumnsWidenToTheirWidestTextOnly) {
  Griglia g;
  g.setCols(3);
  g.setRows(3);
  for (int c = 0; c < 3; ++c) g.setColWidth(c, 600);
  g.setTextMatrix(2, 1, QStringLiteral("P:1431  R:4  S:21  P:1431  R:4  S:21"));
  g.setTextMatrix(1, 2, QStringLiteral("1"));
  g.allargaColonne();
  EXPECT_EQ(g.colWidth(0), 600);  // empty
  EXPECT_GT(g.colWidth(1), 600);
  EXPECT_EQ(g.colWidth(2), 600);  // wide enough already
  const int larga = g.colWidth(1);
  g.allargaColonne();
  EXPECT_EQ(g.colWidth(1), larga);
}

TEST(Griglia, RowsGrowAndShrinkKeepingTheirCells) {
  Griglia g;
  g.setCols(3);
  g.setRows(3);
  g.setTextMatrix(1, 2, QStringLiteral("a"));
  g.setCellBackColor(2, 1, ui::Colore(0xFF));
  g.addItem(QStringLiteral("x\ty\tz"));
  EXPECT_EQ(g.rows(), 4);
  EXPECT_EQ(g.textMatrix(3, 1), QStringLiteral("y"));
  EXPECT_EQ(g.textMatrix(1, 2), QStringLiteral("a"));
  g.removeItem(2);
  EXPECT_EQ(g.rows(), 3);
  EXPECT_EQ(g.textMatrix(2, 0), QStringLiteral("x"));
  EXPECT_EQ(g.cellBackColor(2, 1), QColor(Qt::white));
  g.setCols(2);
  EXPECT_EQ(g.textMatrix(2, 1), QStringLiteral("y"));
  EXPECT_EQ(g.textMatrix(2, 2), QString());
  // The fixed rows and one body row always stay.
  g.removeItem(1);
  g.removeItem(1);
  EXPECT_EQ(g.rows(), 2);
  // Out-of-range cells read empty and ignore writes.
  g.setTextMatrix(50, 50, QStringLiteral("no"));
  EXPECT_EQ(g.textMatrix(50, 50), QString());
}

TEST(Griglia, SortsNumbersAsNumbersAndKeepsEqualKeysInOrder) {
  Griglia g;
  g.setCols(2);
  g.setRows(1);
  const char* righe[][2] = {{"a", "10"}, {"b", "9"}, {"c", "100"}, {"d", "9"}, {"e", "x"}};
  for (auto& r : righe) g.addItem(QString::fromLatin1(r[0]) + QLatin1Char('\t') + QString::fromLatin1(r[1]));
  g.setCellForeColor(3, 1, ui::Colore(0xFF));
  g.sortRows(1, g.rows() - 1, 1, true);
  EXPECT_EQ(Colonna(g, 0), (QStringList{"b", "d", "a", "c", "e"}));
  EXPECT_EQ(g.cellForeColor(4, 1), ui::Colore(0xFF));  // "c" kept its colour
  g.sortRows(1, g.rows() - 1, 1, false);
  EXPECT_EQ(Colonna(g, 0), (QStringList{"e", "c", "a", "b", "d"}));
}

TEST(Griglia, ColoursDefaultsAndOverrides) {
  Griglia g;
  g.setRows(3);
  g.setCols(3);
  EXPECT_EQ(g.cellBackColor(1, 1), QColor(Qt::white));
  g.setBackColor(ui::Colore(0xC0FFC0));
  EXPECT_EQ(g.cellBackColor(2, 2), ui::Colore(0xC0FFC0));
  g.setCellBackColor(2, 2, ui::Colore(0xFFFFFF));
  EXPECT_EQ(g.cellBackColor(2, 2), QColor(Qt::white));
  g.setCellBackColor(2, 2, QColor());
  EXPECT_EQ(g.cellBackColor(2, 2), ui::Colore(0xC0FFC0));
  EXPECT_EQ(ui::ColoreBgr(ui::Colore(0xFF0000)), 0xFF0000u);
  EXPECT_EQ(ui::Colore(0xFF0000), QColor(0, 0, 255));
}

TEST(Griglia, ClickSetsTheCurrentAndTheMouseCell) {
  Griglia g;
  g.setCols(5);
  g.setRows(10);
  g.setFixedRows(2);
  g.resize(400, 300);
  g.show();
  QSignalSpy clic(&g, &Griglia::click), doppio(&g, &Griglia::dblClick);
  const QRect cella = g.cellRect(4, 3);
  ASSERT_FALSE(cella.isNull());
  QTest::mouseClick(g.viewport(), Qt::LeftButton, {}, cella.center());
  EXPECT_EQ(clic.count(), 1);
  EXPECT_EQ(g.row(), 4);
  EXPECT_EQ(g.col(), 3);
  EXPECT_EQ(g.mouseRow(), 4);
  // A header click moves the mouse cell only.
  QTest::mouseClick(g.viewport(), Qt::LeftButton, {}, g.cellRect(0, 1).center());
  EXPECT_EQ(g.mouseRow(), 0);
  EXPECT_EQ(g.row(), 4);
  EXPECT_EQ(g.col(), 1);
  QTest::mouseDClick(g.viewport(), Qt::LeftButton, {}, g.cellRect(5, 2).center());
  EXPECT_EQ(doppio.count(), 1);
  EXPECT_EQ(g.mouseCol(), 2);
}

TEST(Griglia, TopRowIsClampedAndFixedRowsStayInView) {
  Griglia g;
  g.setCols(3);
  g.setFixedRows(2);
  g.setRows(302);
  g.resize(300, 200);
  g.show();
  g.setTopRow(150);
  EXPECT_EQ(g.topRow(), 150);
  EXPECT_FALSE(g.cellRect(0, 1).isNull());  // headers still painted
  EXPECT_TRUE(g.cellRect(149, 1).isNull());
  g.setTopRow(10000);
  EXPECT_LT(g.topRow(), 301);
  EXPECT_FALSE(g.cellRect(301, 1).isNull());  // the last row is in view
  g.setTopRow(0);
  EXPECT_EQ(g.topRow(), 2);
}

TEST(Griglia, MergedHeaderRowReportsEveryCellText) {
  Griglia g;
  g.setCols(11);
  g.setFixedRows(2);
  g.setRows(3);
  for (int c = 1; c <= 10; ++c) g.setTextMatrix(0, c, c <= 5 ? QStringLiteral("BARI") : QStringLiteral("CAGLIARI"));
  g.setMergeRow(0, true);
  g.resize(600, 200);
  g.show();
  QTest::qWait(1);
  EXPECT_TRUE(g.mergeRow(0));
  EXPECT_EQ(g.textMatrix(0, 3), QStringLiteral("BARI"));
}
