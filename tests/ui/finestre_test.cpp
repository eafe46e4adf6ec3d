#include "ui/Finestre.h"

#include <gtest/gtest.h>

#include <QCloseEvent>
#include <QTest>
#include <QVBoxLayout>

#include "ui/Colori.h"
#include "ui/Griglia.h"
#include "ui/PannelloTesto.h"

namespace {

class Strumento : public QWidget {
  Q_OBJECT
 public:
  explicit Strumento(int* chiusure = nullptr) : mChiusure(chiusure) {}
 protected:
  void closeEvent(QCloseEvent* e) override {
    if (mChiusure) ++*mChiusure;
    e->accept();
  }
 private:
  int* mChiusure;
};

// Another tool built on Strumento: a window of its own.
class Variante : public Strumento {
  Q_OBJECT
};

class Editor : public QWidget {
  Q_OBJECT
 public:
  Editor() { ui::Finestre::NascondeLimiti(this); }
};

// A tool with a grid of 12 rows and 6 columns over a report pane that asks
// for 70 characters by 20 lines, designed smaller than both.
class ConGriglia : public QWidget {
 public:
  ConGriglia() {
    ui::Finestre::ImpostaDimensioni(this, 3000, 2000);
    griglia->setRows(12);
    griglia->setCols(6);
    for (int c = 0; c < 6; ++c) griglia->setColWidth(c, 900);
    pannello->setMisura(70, 20);
    auto* colonna = new QVBoxLayout(this);
    colonna->addWidget(griglia);
    colonna->addWidget(pannello);
  }
  ui::Griglia* griglia = new ui::Griglia;
  ui::PannelloTesto* pannello = new ui::PannelloTesto;
};

struct Host {
  Host() : finestre(&area) {
    area.resize(800, 600);
    area.show();
    finestre.setBarraLimiti(&barra);
    barra.show();
  }
  QMdiArea area;
  QWidget barra;
  ui::Finestre finestre;
};

}  // namespace

TEST(Finestre, OneInstancePerToolButNewBoardsEachTime) {
  Host h;
  Strumento* a = h.finestre.apri<Strumento>();
  Strumento* b = h.finestre.apri<Strumento>();
  EXPECT_EQ(a, b);
  EXPECT_EQ(h.finestre.aperte().size(), 1);
  h.finestre.nuova<Strumento>();
  h.finestre.nuova<Strumento>();
  EXPECT_EQ(h.finestre.aperte().size(), 3);
}

TEST(Finestre, ASubclassIsAToolOfItsOwn) {
  Host h;
  Variante* v = h.finestre.apri<Variante>();
  EXPECT_EQ(h.finestre.trova<Strumento>(), nullptr);
  Strumento* s = h.finestre.apri<Strumento>();
  EXPECT_NE(static_cast<Strumento*>(v), s);
  EXPECT_EQ(h.finestre.apri<Variante>(), v);
  EXPECT_EQ(h.finestre.apri<Strumento>(), s);
  EXPECT_EQ(h.finestre.aperte().size(), 2);
}

TEST(Finestre, ClosingAllRunsEveryCloseHandlerOverASnapshot) {
  Host h;
  int chiusure = 0;
  for (int i = 0; i < 3; ++i) h.finestre.nuova<Strumento>(&chiusure);
  QWidget* resta = h.finestre.nuova<Strumento>(&chiusure);
  h.finestre.chiudiTutteTranne(resta);
  QTest::qWait(1);
  EXPECT_EQ(chiusure, 3);
  ASSERT_EQ(h.finestre.aperte().size(), 1);
  EXPECT_EQ(h.finestre.aperte().front(), resta);
  h.finestre.chiudiTutteTranne(nullptr);
  QTest::qWait(1);
  EXPECT_TRUE(h.finestre.aperte().isEmpty());
}

TEST(Finestre, AWindowThatAsksHidesTheRangeBarWhileActive) {
  Host h;
  Strumento* s = h.finestre.apri<Strumento>();
  EXPECT_TRUE(h.barra.isVisible());
  Editor* e = h.finestre.apri<Editor>();
  EXPECT_FALSE(h.barra.isVisible());
  h.finestre.porta(s);
  EXPECT_TRUE(h.barra.isVisible());
  h.finestre.porta(e);
  EXPECT_FALSE(h.barra.isVisible());
  h.finestre.chiudiTutteTranne(nullptr);
  QTest::qWait(1);
  EXPECT_TRUE(h.barra.isVisible());
}

TEST(Finestre, MinimisingAndArrangingLinesTheIconsUpAtTheBottom) {
  Host h;
  for (int i = 0; i < 3; ++i) h.finestre.nuova<Strumento>();
  h.finestre.riduciTutte();
  for (QMdiSubWindow* s : h.area.subWindowList()) {
    EXPECT_TRUE(s->isMinimized());
    EXPECT_EQ(s->geometry().bottom() + 1, h.area.viewport()->height());
  }
}

TEST(Finestre, OpeningSizeIsTheDesignGrownToTheContentWithinTheRoom) {
  const QSize nessuna;
  struct {
    QSize progetto, contenuto, spazio, minimo, attesa;
  } casi[] = {
      {{500, 400}, {300, 200}, {1200, 716}, {100, 100}, {500, 400}},  // the design is the least
      {{500, 400}, {900, 300}, {1200, 716}, {100, 100}, {900, 400}},
      {{500, 400}, {1500, 900}, {1200, 716}, {100, 100}, {1200, 716}},  // the host is the most
      {{1300, 900}, {300, 200}, {1200, 716}, {100, 100}, {1200, 716}},
      {{500, 400}, {1500, 900}, {800, 480}, {865, 300}, {865, 480}},  // controls never overlap
      {nessuna, {300, 200}, {1200, 716}, nessuna, {300, 200}},
      {{500, 400}, {900, 600}, nessuna, nessuna, {900, 600}},  // a host not shown yet
  };
  for (const auto& c : casi) {
    SCOPED_TRACE(testing::Message() << c.attesa.width() << "x" << c.attesa.height());
    EXPECT_EQ(ui::Finestre::Apertura(c.progetto, c.contenuto, c.spazio, c.minimo), c.attesa);
  }
}

TEST(Finestre, AToolOpensWithItsWholeGridAndAPaneOfTheLinesItAsks) {
  Host h;
  h.area.resize(1000, 700);
  ConGriglia* t = h.finestre.apri<ConGriglia>();
  int larghezza = 0, altezza = 0;
  for (int c = 0; c < t->griglia->cols(); ++c) larghezza += ui::Pixel(t->griglia->colWidth(c));
  for (int r = 0; r < t->griglia->rows(); ++r) altezza += ui::Pixel(t->griglia->rowHeight(r));
  EXPECT_GE(t->griglia->viewport()->width(), larghezza);
  EXPECT_GE(t->griglia->viewport()->height(), altezza);
  const double carattere = QFontMetricsF(t->pannello->font()).horizontalAdvance(QLatin1Char('0'));
  EXPECT_GE(t->pannello->viewport()->width(), 70 * carattere);
  EXPECT_GE(t->pannello->viewport()->height(), 20 * t->pannello->fontMetrics().lineSpacing());
  // In a smaller host the window ends at the host's edges.
  h.area.resize(400, 300);
  h.finestre.nuova<ConGriglia>();
  const QMdiSubWindow* piccola = h.area.subWindowList(QMdiArea::CreationOrder).back();
  EXPECT_LE(piccola->width(), 400);
  EXPECT_LE(piccola->height(), 300);
}

#include "finestre_test.moc"
