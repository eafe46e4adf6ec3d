// Tool windows in hosts of given sizes: at least as large as designed where
// the host holds that, never larger than the host unless their controls
// cannot fit, and their content whole where there is room.
#include <gtest/gtest.h>

#include <QListWidget>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QRadioButton>
#include <QScreen>
#include <QTabBar>
#include <functional>

#include "app/MDIForm1.h"
#include "boards/ExtraRuota.h"
#include "core/file.h"
#include "forecast/AAM.h"
#include "forecast/MetodiD.h"
#include "forecast/Spia.h"
#include "methods/MetodiS.h"
#include "stats/StatData.h"
#include "stats/StatGRit.h"
#include "stats/StatRicerca.h"
#include "stats/TabForm.h"
#include "support/programma_di_prova.h"
#include "ui/Colori.h"
#include "ui/Finestre.h"
#include "ui/Griglia.h"
#include "ui/PannelloTesto.h"

namespace {

const QSize kConsueto(1200, 716);  // the MDI area of the designed main window
const QSize kPiccolo(840, 480);  // the range bar keeps the main window wider than 800

// The main window resized until its MDI area shows `spazio`.
void Ospite(MDIForm1& m, QSize spazio) {
  for (int i = 0; i < 4 && m.area()->viewport()->size() != spazio; ++i) {
    m.resize(m.size() + spazio - m.area()->viewport()->size());
    QCoreApplication::processEvents();
  }
  ASSERT_EQ(m.area()->viewport()->size(), spazio);
}

// A program whose formation table holds the eight standard groups and four
// of the user's, each with one formation.
struct Banco {
  Banco() : p(prova::Sintetiche(120)) {
    std::string tabella;
    for (const char* g : {"CADENZE", "DECINE", "CABALISTICHE", "FIGURE", "GEMELLI", "QUINDICINE", "PARI",
                          "BASSI", "MIEI", "AMICI", "RITARDI", "ULTIMI"})
      tabella += std::string("G=") + g + "\r\nF=Prima\r\nN=1.2\r\n";
    EXPECT_TRUE(file::ScriviAtomico(p.stato.CartellaProgramma / "TabFnum.txt", tabella));
  }
  // Opens a tool in a host of that size; its frame.
  QMdiSubWindow* Apri(void (MDIForm1::*comando)(), QSize spazio) {
    MDIForm1& m = p.principale();
    m.finestre().chiudiTutteTranne(nullptr);
    QCoreApplication::processEvents();
    Ospite(m, spazio);
    (m.*comando)();
    QWidget* w = m.finestre().attiva();
    return w ? qobject_cast<QMdiSubWindow*>(w->parentWidget()) : nullptr;
  }
  prova::ProgrammaDiProva p;
};

int Larghezza(const ui::Griglia* g) {
  int x = 0;
  for (int c = 0; c < g->cols(); ++c) x += ui::Pixel(g->colWidth(c));
  return x;
}
int Righe(const ui::PannelloTesto* t) { return t->viewport()->height() / t->fontMetrics().lineSpacing(); }
int Caratteri(const ui::PannelloTesto* t) {
  return static_cast<int>((t->viewport()->width() - 8) / QFontMetricsF(t->font()).horizontalAdvance(QLatin1Char('0')));
}

struct Caso {
  const char* nome;
  void (MDIForm1::*comando)();
  // What must be in view in the usual host.
  std::function<void(QWidget* w, QMdiSubWindow* cornice)> intero;
};

const std::vector<Caso>& Casi() {
  static const std::vector<Caso> casi = {
      {"AAM", &MDIForm1::MnuPrevAAM_Click,
       [](QWidget* w, QMdiSubWindow*) {
         const ui::Griglia* g = static_cast<AAM*>(w)->ana;
         EXPECT_GE(g->viewport()->width(), Larghezza(g));  // the ten wheels
       }},
      {"MetodiD", &MDIForm1::mnuPrevMetodiD_Click,
       [](QWidget* w, QMdiSubWindow*) { EXPECT_GE(Caratteri(static_cast<MetodiD*>(w)->Tx), 84); }},
      {"Spia", &MDIForm1::MnuPrevSpia_Click,
       [](QWidget* w, QMdiSubWindow*) { EXPECT_GE(Caratteri(static_cast<Spia*>(w)->Text1), 82); }},
      {"StatGRit", &MDIForm1::MnuRscStat_Click,
       [](QWidget*, QMdiSubWindow* c) { EXPECT_EQ(c->height(), kConsueto.height()); }},
      {"StatRicerca", &MDIForm1::MnuStatAnaNum_Click,
       [](QWidget* w, QMdiSubWindow*) { EXPECT_GE(Righe(static_cast<StatRicerca*>(w)->Text1), 25); }},
      {"StatData", &MDIForm1::MnuStatLaData_Click,
       [](QWidget* w, QMdiSubWindow*) { EXPECT_GE(Righe(static_cast<StatData*>(w)->Text1), 25); }},
      {"ExtraRuota", &MDIForm1::MnuEstTabRuo_Click,
       [](QWidget* w, QMdiSubWindow* c) {
         EXPECT_EQ(c->height(), kConsueto.height());  // 90 rows ask for more
         const auto& o = static_cast<ExtraRuota*>(w)->OptRuota;
         EXPECT_LT(o.at(2)->geometry().right(), o.at(8)->x());  // CAGLIARI, ROMA
         EXPECT_LT(o.at(7)->geometry().right(), o.at(7)->parentWidget()->contentsRect().right());
         EXPECT_GE(o.at(2)->width(), o.at(2)->sizeHint().width());
       }},
      {"TabForm", &MDIForm1::MnuStatTab_Click,
       [](QWidget* w, QMdiSubWindow*) {
         const QListWidget* l = static_cast<TabForm*>(w)->ListG;
         EXPECT_GE(l->viewport()->height(), l->count() * l->sizeHintForRow(0));  // the user's groups too
       }},
      {"TabAna", &MDIForm1::MnuEstTabAna_Click,
       [](QWidget* w, QMdiSubWindow*) {
         const ui::Griglia* g = static_cast<TelaioTabellone*>(w)->ana;
         EXPECT_GE(g->viewport()->width(), Larghezza(g));
       }},
      {"Tabellone1", &MDIForm1::MnuRscTab1_Click, nullptr},
      {"Tabellone2", &MDIForm1::MnuRscTab2_Click, nullptr},
      {"CDF", &MDIForm1::MnuEstCDF_Click, nullptr},
      {"Extrazioni", &MDIForm1::MnuEstGest_Click, nullptr},
      {"Metodi", &MDIForm1::mnuPrevMetodiT_Click, nullptr},
      {"MetodiS", &MDIForm1::mnuPrevMetodiS_Click, nullptr},
  };
  return casi;
}

}  // namespace

TEST(WindowSizes, DesignIsTheLeastTheHostTheMostAndContentIsWhole) {
  Banco prog;
  for (const QSize spazio : {kConsueto, kPiccolo})
    for (const Caso& c : Casi()) {
      SCOPED_TRACE(testing::Message() << c.nome << " in " << spazio.width() << "x" << spazio.height());
      QMdiSubWindow* cornice = prog.Apri(c.comando, spazio);
      ASSERT_NE(cornice, nullptr);
      ASSERT_EQ(cornice->widget()->objectName(), QString::fromLatin1(c.nome));
      const QSize progetto = cornice->widget()->property("dimensioniTwip").toSize();
      const QSize minimo = cornice->minimumSizeHint();
      EXPECT_GE(cornice->width(), std::min(ui::Pixel(progetto.width()), spazio.width()));
      EXPECT_GE(cornice->height(), std::min(ui::Pixel(progetto.height()), spazio.height()));
      EXPECT_LE(cornice->width(), std::max(spazio.width(), minimo.width()));
      EXPECT_LE(cornice->height(), std::max(spazio.height(), minimo.height()));
      if (spazio == kConsueto) {
        EXPECT_LE(cornice->width(), spazio.width());
        EXPECT_LE(cornice->height(), spazio.height());
        if (c.intero) c.intero(cornice->widget(), cornice);
      }
    }
}

TEST(WindowSizes, TheTestersReportPaneTakesTheRoomOfAMaximisedWindow) {
  Banco prog;
  QMdiSubWindow* cornice = prog.Apri(&MDIForm1::mnuPrevMetodiS_Click, kConsueto);
  auto* m = static_cast<MetodiS*>(cornice->widget());
  m->TbMet->setCurrentIndex(1);
  const QSize prima = m->Text1->size(), finestra = m->size();
  cornice->showMaximized();
  QCoreApplication::processEvents();
  ASSERT_GT(m->width(), finestra.width());
  ASSERT_GT(m->height(), finestra.height());
  // Every pixel the window gained, within a twip's rounding.
  EXPECT_NEAR(m->Text1->width() - prima.width(), m->width() - finestra.width(), 1);
  EXPECT_NEAR(m->Text1->height() - prima.height(), m->height() - finestra.height(), 1);
}

TEST(WindowSizes, TheMainWindowFitsTheScreensFreeArea) {
  const QSize progetto(ui::Pixel(18000), ui::Pixel(12000));
  const QMargins cornice(8, 40, 8, 8);
  struct {
    QSize disponibile, attesa;
  } casi[] = {
      {{1600, 1000}, progetto},  // room: as designed
      {{1366, 768}, {1200, 720}},
      {{1366, 728}, {1200, 680}},  // a panel takes 40 pixels
      {{1024, 600}, {1008, 552}},
  };
  for (const auto& c : casi) {
    SCOPED_TRACE(testing::Message() << c.disponibile.width() << "x" << c.disponibile.height());
    EXPECT_EQ(ui::Finestre::SulloSchermo(progetto, c.disponibile, cornice), c.attesa);
  }
  // The program's main window on the test screen.
  prova::ProgrammaDiProva p(prova::Sintetiche(10));
  MDIForm1 m(p.programma);
  const QSize libero = m.screen()->availableGeometry().size();
  EXPECT_LE(m.width() + 16, libero.width());
  EXPECT_LE(m.height() + 48, libero.height());
}
