#include "ui/PannelloTesto.h"

#include <gtest/gtest.h>

#include <QAccessible>
#include <QContextMenuEvent>
#include <QFontDatabase>
#include <QFontInfo>
#include <QScrollBar>
#include <QTest>

#include "ui/Font.h"
#include "ui/ServiziDiProva.h"

using ui::PannelloTesto;
using Pos = PannelloTesto::Posizione;

namespace {

QStringList Righe(const PannelloTesto& p) {
  QStringList out;
  for (int r = 0; r < p.righe(); ++r) out << p.riga(r);
  return out;
}

// A pane on screen, 300 x 200 pixels, holding `righe` numbered lines; line 5
// is long enough to scroll sideways.
struct Schermo {
  explicit Schermo(int righe) {
    std::vector<std::string> testo;
    for (int r = 0; r < righe; ++r) testo.push_back("riga " + std::to_string(r));
    if (righe > 5) testo[5] = std::string(200, 'x') + " fine";
    p.setRighe(testo);
    p.setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    p.resize(300, 200);
    p.show();
    QTest::qWait(10);
  }
  QScrollBar* v() { return p.verticalScrollBar(); }
  QScrollBar* h() { return p.horizontalScrollBar(); }
  void tasto(Qt::Key k, Qt::KeyboardModifiers m = Qt::NoModifier) { QTest::keyClick(&p, k, m); }
  // A point just right of a place's left edge.
  QPoint punto(Pos x) {
    return p.rettangolo(x).topLeft() + QPoint(1, p.rettangolo(x).height() / 2);
  }

  ui::ServiziDiProva servizi;
  PannelloTesto p;
};

}  // namespace

TEST(PannelloTesto, SplitsTheTextAtEveryKindOfLineBreak) {
  struct Caso {
    const char* testo;
    QStringList righe;
  };
  const Caso casi[] = {
      {"", {""}},
      {"a\r\nb\r\n", {"a", "b", ""}},
      {"a\nb", {"a", "b"}},
      {"a\rb\r", {"a", "b", ""}},
      {"a\r\r\nb", {"a", "", "b"}},
      {"\r\n\n", {"", "", ""}},
      {"5°BA+12 è\r\n", {QStringLiteral("5°BA+12 è"), ""}},
  };
  PannelloTesto p;
  for (const Caso& c : casi) {
    SCOPED_TRACE(c.testo);
    p.setTesto(c.testo);
    EXPECT_EQ(Righe(p), c.righe);
    EXPECT_EQ(p.testo(), c.righe.join(QLatin1Char('\n')));
    EXPECT_EQ(p.caratteri(), p.testo().size());
    EXPECT_EQ(p.isEmpty(), std::string(c.testo).empty());
  }
  p.setRighe({"uno", "", "tre"});
  EXPECT_EQ(p.testo(), QStringLiteral("uno\n\ntre\n"));
  p.clear();
  EXPECT_EQ(Righe(p), QStringList{""});
}

TEST(PannelloTesto, SelectsCopiesAndOffersTheContextMenu) {
  Schermo s(3);
  PannelloTesto& p = s.p;
  p.seleziona({2, 3}, {0, 2});  // either order
  EXPECT_EQ(p.testoSelezionato(), QStringLiteral("ga 0\nriga 1\nrig"));
  EXPECT_EQ(p.cursore(), (Pos{0, 2}));
  p.seleziona({1, 1}, {1, 4});
  s.tasto(Qt::Key_C, Qt::ControlModifier);
  EXPECT_EQ(s.servizi.appunti.contenuto, QStringLiteral("iga"));
  // Out-of-range places are clamped; no selection copies nothing.
  p.seleziona({-4, 0}, {9, 99});
  EXPECT_EQ(p.testoSelezionato(), p.testo());
  p.setCursore({1, 2});
  s.tasto(Qt::Key_C, Qt::ControlModifier);
  EXPECT_EQ(s.servizi.appunti.contenuto, QStringLiteral("iga"));
  s.tasto(Qt::Key_A, Qt::ControlModifier);
  s.tasto(Qt::Key_C, Qt::ControlModifier);
  EXPECT_EQ(s.servizi.appunti.contenuto, QStringLiteral("riga 0\nriga 1\nriga 2\n"));

  QContextMenuEvent menu(QContextMenuEvent::Mouse, QPoint(5, 5), p.mapToGlobal(QPoint(5, 5)));
  QApplication::sendEvent(p.viewport(), &menu);
  ASSERT_EQ(s.servizi.dialoghi.menu.size(), 1u);
  EXPECT_EQ(s.servizi.dialoghi.menu[0], (QStringList{"Copia", "Seleziona tutto"}));
}

TEST(PannelloTesto, MouseSelectsByDragShiftClickAndDoubleClick) {
  Schermo s(4);
  PannelloTesto& p = s.p;
  QTest::mousePress(p.viewport(), Qt::LeftButton, {}, s.punto({0, 2}));
  QMouseEvent trascina(QEvent::MouseMove, s.punto({2, 4}), p.viewport()->mapToGlobal(QPoint()),
                       Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(p.viewport(), &trascina);
  QTest::mouseRelease(p.viewport(), Qt::LeftButton, {}, s.punto({2, 4}));
  EXPECT_EQ(p.testoSelezionato(), QStringLiteral("ga 0\nriga 1\nriga"));
  QTest::mouseClick(p.viewport(), Qt::LeftButton, Qt::ShiftModifier, s.punto({3, 6}));
  EXPECT_EQ(p.ancora(), (Pos{0, 2}));
  EXPECT_EQ(p.cursore(), (Pos{3, 6}));
  QTest::mouseDClick(p.viewport(), Qt::LeftButton, {}, s.punto({1, 2}));
  EXPECT_EQ(p.testoSelezionato(), QStringLiteral("riga"));
}

TEST(PannelloTesto, KeysMoveTheCaretAndTheViewFollowsWithinItsBounds) {
  Schermo s(1000);
  PannelloTesto& p = s.p;
  const int pagina = s.v()->pageStep();
  ASSERT_GT(pagina, 3);
  ASSERT_EQ(p.righe(), 1001);  // the last line break ends with an empty line
  EXPECT_EQ(s.v()->maximum(), 1001 - pagina);
  // The horizontal range shows the longest line whole, no more.
  EXPECT_GE(s.h()->maximum() + p.viewport()->width(), p.fontMetrics().horizontalAdvance(p.riga(5)));
  EXPECT_LE(
      s.h()->maximum() + p.viewport()->width(),
      p.fontMetrics().horizontalAdvance(p.riga(5)) + 2 * p.fontMetrics().averageCharWidth() + 8);

  s.tasto(Qt::Key_End, Qt::ControlModifier);
  EXPECT_EQ(p.cursore(), (Pos{1000, 0}));
  EXPECT_EQ(s.v()->value(), s.v()->maximum());
  EXPECT_LE(p.rettangolo(p.cursore()).bottom(), p.viewport()->height());
  s.tasto(Qt::Key_Down);
  EXPECT_EQ(p.cursore(), (Pos{1000, 0}));
  s.tasto(Qt::Key_PageUp);
  EXPECT_EQ(p.cursore().riga, 1000 - pagina);
  EXPECT_EQ(s.v()->value(), s.v()->maximum() - pagina);
  s.tasto(Qt::Key_Home, Qt::ControlModifier);
  EXPECT_EQ(p.cursore(), (Pos{0, 0}));
  EXPECT_EQ(s.v()->value(), 0);
  s.tasto(Qt::Key_Up);
  s.tasto(Qt::Key_Left);
  EXPECT_EQ(p.cursore(), (Pos{0, 0}));

  // Across the long line and back the caret keeps its column; End and Home
  // scroll sideways; Right at a line's end goes to the next line.
  p.setCursore({4, 6});
  s.tasto(Qt::Key_Down);
  EXPECT_EQ(p.cursore(), (Pos{5, 6}));
  s.tasto(Qt::Key_End);
  EXPECT_EQ(s.h()->value(), s.h()->maximum());
  s.tasto(Qt::Key_Right);
  EXPECT_EQ(p.cursore(), (Pos{6, 0}));
  EXPECT_EQ(s.h()->value(), 0);
  s.tasto(Qt::Key_Left);
  s.tasto(Qt::Key_Down, Qt::ShiftModifier);
  EXPECT_EQ(p.cursore(), (Pos{6, 6}));
  EXPECT_EQ(p.testoSelezionato(), QStringLiteral("\nriga 6"));

  // The wheel scrolls without moving the caret; a new text starts at the top.
  QWheelEvent ruota(QPointF(50, 50), p.viewport()->mapToGlobal(QPointF(50, 50)), QPoint(),
                    QPoint(0, -120), Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
  const int prima = s.v()->value();
  QApplication::sendEvent(p.viewport(), &ruota);
  EXPECT_GT(s.v()->value(), prima);
  EXPECT_EQ(p.cursore(), (Pos{6, 6}));
  p.setTesto("nuovo\r\n");
  EXPECT_EQ(s.v()->value(), 0);
  EXPECT_EQ(s.v()->maximum(), 0);
  EXPECT_EQ(s.h()->maximum(), 0);
  EXPECT_FALSE(p.haSelezione());
}

TEST(PannelloTesto, AssistiveTechnologyReadsTheTextCaretAndSelection) {
  Schermo s(3);
  PannelloTesto& p = s.p;
  p.setTesto("Ruota di BARI\r\n5°BA è uscito\r\nfine");
  QAccessibleInterface* a = QAccessible::queryAccessibleInterface(&p);
  ASSERT_NE(a, nullptr);
  EXPECT_EQ(a->role(), QAccessible::EditableText);
  EXPECT_TRUE(a->state().readOnly);
  EXPECT_TRUE(a->state().multiLine);
  QAccessibleTextInterface* t = a->textInterface();
  ASSERT_NE(t, nullptr);
  const QString tutto = QStringLiteral("Ruota di BARI\n5°BA è uscito\nfine");
  EXPECT_EQ(a->text(QAccessible::Value), tutto);
  EXPECT_EQ(t->characterCount(), tutto.size());
  EXPECT_EQ(t->text(9, 18), tutto.mid(9, 9));

  const int e = static_cast<int>(tutto.indexOf(QStringLiteral("è")));
  struct Caso {
    int verso;  // -1 before, 0 at, 1 after
    QAccessible::TextBoundaryType tipo;
    int offset;
    QString atteso;
  };
  const Caso casi[] = {
      {0, QAccessible::LineBoundary, e, QStringLiteral("5°BA è uscito\n")},
      {-1, QAccessible::LineBoundary, e, QStringLiteral("Ruota di BARI\n")},
      {1, QAccessible::LineBoundary, e, QStringLiteral("fine")},
      {0, QAccessible::LineBoundary, 0, QStringLiteral("Ruota di BARI\n")},
      {1, QAccessible::LineBoundary, static_cast<int>(tutto.size()), QString()},
      {0, QAccessible::WordBoundary, 10, QStringLiteral("BARI")},
      {0, QAccessible::CharBoundary, e, QStringLiteral("è")},
  };
  for (const Caso& c : casi) {
    SCOPED_TRACE(c.atteso.toStdString());
    int inizio = 0, fine = 0;
    const QString letto = c.verso < 0   ? t->textBeforeOffset(c.offset, c.tipo, &inizio, &fine)
                          : c.verso > 0 ? t->textAfterOffset(c.offset, c.tipo, &inizio, &fine)
                                        : t->textAtOffset(c.offset, c.tipo, &inizio, &fine);
    EXPECT_EQ(letto, c.atteso);
    if (!c.atteso.isEmpty()) {
      EXPECT_EQ(tutto.mid(inizio, fine - inizio), c.atteso);
    }
  }

  // Caret and selection both ways.
  p.seleziona({1, 5}, {2, 2});
  int inizio = 0, fine = 0;
  ASSERT_EQ(t->selectionCount(), 1);
  t->selection(0, &inizio, &fine);
  EXPECT_EQ(tutto.mid(inizio, fine - inizio), QStringLiteral("è uscito\nfi"));
  EXPECT_EQ(t->cursorPosition(), fine);
  t->setSelection(0, 0, 5);
  EXPECT_EQ(p.testoSelezionato(), QStringLiteral("Ruota"));
  t->setCursorPosition(e);
  EXPECT_EQ(p.cursore(), (Pos{1, 5}));
  EXPECT_EQ(t->selectionCount(), 0);
  EXPECT_EQ(t->offsetAtPoint(p.viewport()->mapToGlobal(s.punto({2, 1}))),
            tutto.indexOf(QStringLiteral("ine")));
  EXPECT_EQ(t->characterRect(e).topLeft(),
            p.viewport()->mapToGlobal(p.rettangolo({1, 5}).topLeft()));
}

// In a font whose characters differ in width the longest line is not the
// widest; the range reaches the end of any line once it has been in view.
TEST(PannelloTesto, HorizontalRangeReachesTheWidestLineOnceInViewInAProportionalFont) {
  PannelloTesto p;
  p.setFont(QFontDatabase::systemFont(QFontDatabase::GeneralFont));
  if (QFontInfo(p.font()).fixedPitch()) GTEST_SKIP() << "no proportional font";
  std::vector<std::string> testo(300, "riga");
  testo[1] = std::string(80, 'i');    // the most characters
  testo[250] = std::string(40, 'W');  // the widest, far out of view
  p.setRighe(testo);
  p.resize(300, 200);
  p.show();
  QTest::qWait(10);
  const int largo = p.fontMetrics().horizontalAdvance(p.riga(250));
  ASSERT_GT(largo, p.fontMetrics().horizontalAdvance(p.riga(1)));
  p.setCursore({250, 40});
  EXPECT_GE(p.horizontalScrollBar()->maximum() + p.viewport()->width(), largo);
  EXPECT_LT(p.rettangolo(p.cursore()).left(), p.viewport()->width());
}

// The report font lines columns up with blanks and keeps the inherited size.
TEST(PannelloTesto, ReportFontIsFixedPitchAndKeepsTheInheritedSize) {
  QWidget finestra;
  finestra.setFont(QFont(finestra.font().family(), 15));
  PannelloTesto p(&finestra);
  p.setFont(ui::FontRapporto());
  EXPECT_EQ(p.font().pointSize(), 15);
  const QFontMetricsF m(p.font());
  for (const QChar c : QStringLiteral("iW0°è"))
    EXPECT_EQ(m.horizontalAdvance(c), m.horizontalAdvance(QLatin1Char(' '))) << int(c.unicode());
}
