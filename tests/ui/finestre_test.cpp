#include "ui/Finestre.h"

#include <gtest/gtest.h>

#include <QCloseEvent>
#include <QTest>

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

#include "finestre_test.moc"
