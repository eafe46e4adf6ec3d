#include "forecast/AAM.h"

#include <gtest/gtest.h>

#include <QLabel>
#include <QProgressBar>
#include <QPushButton>

#include "core/indici.h"
#include "support/programma_di_prova.h"
#include "ui/Colori.h"
#include "ui/Finestre.h"
#include "ui/Griglia.h"
#include "ui/Testo.h"

namespace am = AttesaMinima;

namespace {

// BARI: 1 2 | - | 1 | - | -: the pair 01.02 waited 1 draw at most and waits
// 2 at the end, so it has escaped control; on 1..3 it waits 0.
std::vector<Estrazione> Cinque() {
  std::vector<Estrazione> e;
  for (int d = 1; d <= 5; ++d) e.push_back(prova::Fai({d, 1, 1999}));
  e[0].numeri[0][0] = 1;
  e[0].numeri[0][1] = 2;
  e[2].numeri[0][0] = 1;
  return e;
}

struct Aperto {
  explicit Aperto(const std::vector<Estrazione>& e) : p(e) {
    p.principale().MnuPrevAAM_Click();
    f = p.principale().finestre().trova<AAM>();
  }
  QString Periodo(int inizio, int fine) const {
    return ui::Q(Inizio::Descrivi_Periodo(p.stato.ArchivioEstrazioni, inizio, fine));
  }
  // The body of ana as the model computes it for the window's range.
  void ControllaAna() const {
    const am::Elaborazione e = am::Elabora(p.stato.ArchivioEstrazioni, f->EstrInizio, f->EstrFine);
    for (int r = 1; r <= 9; ++r)
      for (int w = 1; w <= 10; ++w)
        ASSERT_EQ(f->ana->textMatrix(r, w), ui::Q(e.celle[r][w])) << r << " " << w;
  }

  prova::ProgrammaDiProva p;
  AAM* f = nullptr;
};

}  // namespace

TEST(AAM, OpensFromMenuAndToolbarWithHeadingsOnly) {
  Aperto a(prova::Sintetiche(40));
  MDIForm1& m = a.p.principale();
  ASSERT_NE(a.f, nullptr);
  EXPECT_TRUE(m.voci[QStringLiteral("MnuPrevAAM")]->isEnabled());
  EXPECT_TRUE(m.voci[QStringLiteral("BtnAAM")]->isEnabled());
  m.Toolbar1_ButtonClick(QStringLiteral("BtnAAM"));
  EXPECT_EQ(m.finestre().aperte().size(), 1);
  EXPECT_EQ(a.f->windowTitle(), QStringLiteral("Ambate ad Attesa Minima"));

  const ui::Griglia& g = *a.f->ana;
  EXPECT_EQ(g.rows(), 10);
  EXPECT_EQ(g.cols(), 11);
  EXPECT_EQ(g.textMatrix(0, 1), QStringLiteral("BARI"));
  EXPECT_EQ(g.textMatrix(0, 10), QStringLiteral("VENEZIA"));
  const char* etichette[] = {"1",    "2",     "3",        "Combinazione", "Ambata",
                             "Ambo", "Terno", "Quaterna", "Cinquina"};
  for (int r = 1; r <= 9; ++r) {
    EXPECT_EQ(g.textMatrix(r, 0), QString::fromLatin1(etichette[r - 1]));
    const unsigned colore = r <= 3 ? 0xFFFF00 : r == 4 ? 0xFF00 : 0x8080FF;
    for (int w = 1; w <= 10; ++w) {
      EXPECT_EQ(ui::ColoreBgr(g.cellBackColor(r, w)), colore) << r << " " << w;
      EXPECT_TRUE(g.textMatrix(r, w).isEmpty());
    }
  }
  // The designed widths, or wider where the system's font needs it.
  EXPECT_GE(g.colWidth(0), 1100);
  EXPECT_GE(g.colWidth(5), 1500);
  EXPECT_TRUE(a.f->Ano->isHidden());
  EXPECT_TRUE(a.f->PBar->isHidden());
  EXPECT_EQ(a.f->Panel1->text(), a.Periodo(1, 40));
  EXPECT_TRUE(a.f->Panel1->text().endsWith(QStringLiteral("  ( 40 Estrazioni )")));

  // An unchanged range: "Aggiorna" computes nothing.
  a.f->CmdAggiorna_Click();
  EXPECT_TRUE(g.textMatrix(1, 1).isEmpty());
  EXPECT_TRUE(a.f->Ano->isHidden());

  a.f->CmdEsci->click();
  QCoreApplication::processEvents();
  EXPECT_EQ(m.finestre().trova<AAM>(), nullptr);
}

TEST(AAM, RunsAdoptTheRangeAndResetTheAlertRows) {
  Aperto a(Cinque());
  AAM& f = *a.f;
  f.CmdElab->click();
  a.ControllaAna();
  EXPECT_EQ(f.ana->textMatrix(1, 1), QStringLiteral("01.02 (1)  att.2"));
  EXPECT_FALSE(f.Ano->isHidden());
  EXPECT_TRUE(f.PBar->isHidden());
  EXPECT_EQ(f.LbPeriodo->text(), a.Periodo(1, 5));
  ASSERT_EQ(f.Ano->rows(), 2);
  const QStringList attese = {"BA  01.02", "1", "2", "200,0%", "Sfuggita al Controllo"};
  const QStringList titoli = {"Formazione", "Storico", "Attuale", "", ""};
  for (int c = 0; c < 5; ++c) {
    EXPECT_EQ(f.Ano->textMatrix(0, c), titoli[c]);
    EXPECT_EQ(f.Ano->textMatrix(1, c), attese[c]);
    EXPECT_EQ(ui::ColoreBgr(f.Ano->cellBackColor(1, c)), 0xFFu);
    EXPECT_EQ(ui::ColoreBgr(f.Ano->cellForeColor(1, c)), 0xFFFFFFu);
  }
  EXPECT_GE(f.Ano->colWidth(4), 1600);

  // A range changed on the main window: "Aggiorna" takes it and computes; the
  // alert row of the former run leaves neither text nor colour behind.
  a.p.programma.impostaRange(1, 3);
  f.CmdAggiorna->click();
  EXPECT_EQ(f.Panel1->text(), a.Periodo(1, 3));
  EXPECT_EQ(f.LbPeriodo->text(), a.Periodo(1, 3));
  a.ControllaAna();
  EXPECT_EQ(f.ana->textMatrix(1, 1), QStringLiteral("01.02 (1)  att.0"));
  EXPECT_EQ(f.Ano->rows(), 2);
  for (int c = 0; c < 5; ++c) {
    EXPECT_TRUE(f.Ano->textMatrix(1, c).isEmpty());
    EXPECT_NE(ui::ColoreBgr(f.Ano->cellBackColor(1, c)), 0xFFu);
  }

  // "Elabora" adopts a changed range too; a range of one draw counts 1.
  a.p.programma.impostaRange(3, 3);
  f.CmdElab->click();
  EXPECT_EQ(f.EstrInizio, 3);
  EXPECT_TRUE(f.Panel1->text().endsWith(QStringLiteral("  ( 1 Estrazioni )")));
  a.ControllaAna();
}

// Several alerts: one row each, in wheel and place order, red only beyond 130 %.
TEST(AAM, AlertRowsFollowTheModel) {
  Aperto a(prova::Sintetiche(300));
  a.f->CmdElab_Click();
  const am::Elaborazione e = am::Elabora(a.p.stato.ArchivioEstrazioni, 1, 300);
  ASSERT_GE(e.allarmi.size(), 2u);
  ASSERT_EQ(a.f->Ano->rows(), static_cast<int>(e.allarmi.size()) + 1);
  for (std::size_t i = 0; i < e.allarmi.size(); ++i)
    for (int c = 0; c < 5; ++c) {
      const int r = static_cast<int>(i) + 1;
      EXPECT_EQ(a.f->Ano->textMatrix(r, c), ui::Q(e.allarmi[i].celle[c]));
      EXPECT_EQ(ui::ColoreBgr(a.f->Ano->cellBackColor(r, c)) == 0xFF, e.allarmi[i].sfuggita);
    }
}
