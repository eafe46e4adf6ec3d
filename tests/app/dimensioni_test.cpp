// Tool windows: at least as large as designed where the host holds that, never
// larger than the host unless their controls cannot fit, content whole where there is room.
#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QListWidget>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QRadioButton>
#include <QScreen>
#include <QScrollBar>
#include <QTabBar>
#include <QTest>
#include <functional>

#include "boards/ExtraRuota.h"
#include "core/file.h"
#include "forecast/AAM.h"
#include "forecast/MetodiD.h"
#include "methods/MetodiS.h"
#include "stats/StatGRit.h"
#include "stats/StatRicerca.h"
#include "stats/TabForm.h"
#include "support/programma_di_prova.h"
#include "ui/Colori.h"
#include "ui/Finestre.h"
#include "ui/Griglia.h"
#include "ui/PannelloTesto.h"

namespace {

// Lets events run, as a user waits, until `pronta` holds (for at most five
// seconds). On a display it must also go on holding for a moment: the window
// manager applies a resize later, and may first hand back a size asked for
// before. Offscreen a resize is final at once.
bool Attendi(const std::function<bool()>& pronta) {
  const bool subito = QGuiApplication::platformName() == QLatin1String("offscreen");
  QElapsedTimer tempo, ferma;
  tempo.start();
  do {
    if (subito) QCoreApplication::processEvents();
    else QTest::qWait(10);
    if (!pronta()) ferma.invalidate();
    else if (subito) return true;
    else if (!ferma.isValid()) ferma.start();
    else if (ferma.elapsed() >= 150) return true;
  } while (tempo.elapsed() < 5000);
  return false;
}

// Resizes the main window until its MDI area's viewport is `spazio`.
bool PortaLArea(MDIForm1& m, QSize spazio) {
  return Attendi([&] {
    const QSize area = m.area()->viewport()->size();
    if (area != spazio) m.resize(m.size() + spazio - area);
    return area == spazio;
  });
}

// A maximised inner window, its frame included, fills the viewport.
bool Riempie(MDIForm1& m, const QMdiSubWindow* c) {
  return Attendi([&] { return c->geometry() == m.area()->viewport()->rect(); });
}

}  // namespace

TEST(WindowSizes, DesignIsTheLeastTheHostTheMostAndContentIsWhole) {
  prova::ProgrammaDiProva p(prova::Sintetiche(120));
  std::string tabella;  // the user's groups after eight others
  for (int g = 1; g <= 12; ++g) tabella += "G=GRUPPO " + std::to_string(g) + "\r\nF=Prima\r\nN=1.2\r\n";
  ASSERT_TRUE(file::ScriviAtomico(p.stato.CartellaProgramma / "TabFnum.txt", tabella));
  {  // the main window's first size: the screen's available area, with room for a frame
    MDIForm1 m(p.programma);
    EXPECT_EQ(m.size(), m.screen()->availableGeometry().size().shrunkBy(QMargins(8, 40, 8, 8)));
  }
  // The available area, the first size.
  const std::pair<QSize, QSize> schermi[] = {{{1366, 768}, {1350, 720}},
                                             {{1600, 1000}, {1584, 952}},
                                             {{1024, 600}, {1008, 552}},
                                             {{}, {1200, 800}}};
  for (auto [disponibile, prima] : schermi)
    EXPECT_EQ(ui::Finestre::SulloSchermo({1200, 800}, disponibile, QMargins(8, 40, 8, 8)), prima);
  MDIForm1& m = p.principale();
  using M = MDIForm1;
  for (void (M::*comando)() : {&M::MnuPrevAAM_Click, &M::mnuPrevMetodiD_Click, &M::MnuStatAnaNum_Click,
                               &M::MnuRscStat_Click, &M::MnuEstTabRuo_Click, &M::MnuStatTab_Click, &M::MnuPrevSpia_Click,
                               &M::MnuEstTabAna_Click, &M::MnuRscTab1_Click, &M::MnuRscTab2_Click, &M::MnuEstCDF_Click,
                               &M::MnuStatLaData_Click, &M::MnuEstGest_Click, &M::mnuPrevMetodiT_Click,
                               &M::mnuPrevMetodiS_Click})
    for (const QSize spazio : {QSize(1200, 716), QSize(840, 480)}) {  // the range bar needs more than 800
      m.finestre().chiudiTutteTranne(nullptr);
      ASSERT_TRUE(PortaLArea(m, spazio))
          << m.area()->viewport()->width() << "x" << m.area()->viewport()->height();
      (m.*comando)();
      QWidget* w = m.finestre().attiva();
      auto* c = qobject_cast<QMdiSubWindow*>(w->parentWidget());
      SCOPED_TRACE(w->objectName().toStdString() + " in " + std::to_string(spazio.width()));
      const QSize progetto = w->property("dimensioniTwip").toSize();
      EXPECT_GE(c->width(), std::min(ui::Pixel(progetto.width()), spazio.width()));
      EXPECT_GE(c->height(), std::min(ui::Pixel(progetto.height()), spazio.height()));
      // Only the small host is allowed to scroll a window whose controls need more.
      const QSize limite = spazio.width() == 1200 ? spazio : spazio.expandedTo(c->minimumSizeHint());
      EXPECT_LE(c->width(), limite.width());
      EXPECT_LE(c->height(), limite.height());
      // Nothing of the window lies outside it.
      for (const QWidget* figlio : w->findChildren<QWidget*>()) {
        if (figlio->isVisible()) {
          EXPECT_TRUE(w->rect().contains(QRect(figlio->mapTo(w, QPoint(0, 0)), figlio->size())))
              << figlio->objectName().toStdString();
        }
      }
      if (spazio.width() != 1200) continue;
      if (auto* a = qobject_cast<AAM*>(w)) {
        EXPECT_EQ(a->ana->horizontalScrollBar()->maximum(), 0);  // ten wheels
      }
      if (auto* d = qobject_cast<MetodiD*>(w)) {
        EXPECT_GE(d->Tx->viewport()->width(), 84 * d->Tx->fontMetrics().horizontalAdvance(QLatin1Char('0')) + 8);
      }
      if (auto* r = qobject_cast<StatRicerca*>(w)) {
        EXPECT_GE(r->Text1->viewport()->height(), 25 * r->Text1->fontMetrics().lineSpacing());
      }
      if (w->objectName() == QLatin1String("StatGRit") || qobject_cast<ExtraRuota*>(w)) {
        EXPECT_EQ(c->height(), spazio.height());  // their content asks for more
      }
      if (auto* e = qobject_cast<ExtraRuota*>(w)) {
        EXPECT_LT(e->OptRuota.at(2)->geometry().right(), e->OptRuota.at(8)->x());  // CAGLIARI, ROMA
        EXPECT_LT(e->OptRuota.at(7)->geometry().right(), e->OptRuota.at(7)->parentWidget()->contentsRect().right());
      }
      if (auto* t = qobject_cast<TabForm*>(w)) {
        EXPECT_GE(t->ListG->viewport()->height(), 12 * t->ListG->sizeHintForRow(0));
      }
      if (auto* s = qobject_cast<MetodiS*>(w)) {  // the report takes every pixel a maximised window gains
        s->TbMet->setCurrentIndex(1);
        const QSize pannello = s->Text1->size(), finestra = s->size();
        c->showMaximized();
        ASSERT_TRUE(Riempie(m, c));
        EXPECT_EQ(s->Text1->size() - pannello, s->size() - finestra);
      }
    }
}

// Maximised in the main window as a 1366 x 768 or a 1280 x 800 screen opens
// it, the delay groups fit it and show 15 lines of the report.
TEST(WindowSizes, MaximisedDelayGroupsShowFifteenReportLines) {
  for (const QSize schermo : {QSize(1366, 768), QSize(1280, 800)}) {
    SCOPED_TRACE(schermo.width());
    prova::ProgrammaDiProva p(prova::Sintetiche(120));
    MDIForm1& m = p.principale();
    const QSize prima = ui::Finestre::SulloSchermo({1200, 800}, schermo, QMargins(8, 40, 8, 8));
    ASSERT_TRUE(Attendi([&] {
      if (m.size() != prima) m.resize(prima);
      return m.size() == prima;
    })) << m.width() << "x" << m.height();
    m.MnuRscStat_Click();
    auto* s = qobject_cast<StatGRit*>(m.finestre().attiva());
    ASSERT_NE(s, nullptr);
    s->parentWidget()->showMaximized();
    ASSERT_TRUE(Riempie(m, qobject_cast<QMdiSubWindow*>(s->parentWidget())));
    EXPECT_GE(s->Text1->viewport()->height(), 15 * s->Text1->fontMetrics().lineSpacing());
    EXPECT_LE(s->width(), m.area()->viewport()->width());
    EXPECT_LE(s->height(), m.area()->viewport()->height());
  }
}
