#include "boards/CDF.h"

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTest>
#include <QToolButton>

#include "core/file.h"
#include "core/indici.h"
#include "core/testo.h"
#include "support/leggi_file.h"
#include "support/programma_di_prova.h"
#include "support/valore.h"
#include "ui/Colori.h"
#include "ui/Finestre.h"
#include "ui/Griglia.h"
#include "ui/Testo.h"

namespace cdf = CadenzeDecineFigure;

namespace {

constexpr int kDraws = 60;

// The program on generated draws and its CDF window, opened from the menu.
struct Aperto {
  explicit Aperto(int estrazioni = kDraws) : p(prova::Sintetiche(estrazioni)) {
    p.principale().MnuEstCDF_Click();
    f = p.principale().finestre().trova<CDF>();
  }
  // The computation the window should show, from the shared archive.
  cdf::Calcolo Atteso(int riferimento, int ciclo, int sorte, const cdf::Evidenziazione& ev) const {
    return prova::Valore(cdf::Calcola_Cadenze_Decine_Figure(
        p.stato.ArchivioEstrazioni, p.stato.TotEstrazioni(), riferimento, ciclo, sorte, ev));
  }
  QStringList Messaggi() const { return p.servizi.dialoghi.testi(); }
  std::string Output() const {
    const auto t = prova::LeggiTesto(p.stato.CartellaProgramma / "output.txt");
    return t ? *t : std::string();
  }

  prova::ProgrammaDiProva p;
  CDF* f = nullptr;
};

// Every body cell of the six grids: its text and colours as the computation gives them.
void ControllaGriglie(const CDF& f, const cdf::Calcolo& c) {
  for (int g = 0; g < cdf::kGriglie; ++g)
    for (int w = 1; w <= 10; ++w)
      for (int k = 1; k <= cdf::Classi(g); ++k) {
        const ui::Griglia* gr = f.griglia(g);
        SCOPED_TRACE(testing::Message() << "griglia " << g << " ruota " << w << " classe " << k);
        ASSERT_EQ(gr->textMatrix(w, k), QString::number(c.griglie[g].valore[w][k]));
        ASSERT_EQ(ui::ColoreBgr(gr->cellBackColor(w, k)), c.griglie[g].colori[w][k].sfondo);
        ASSERT_EQ(ui::ColoreBgr(gr->cellForeColor(w, k)), c.griglie[g].colori[w][k].testo);
      }
}

// What the window shows: header, status bar and every cell text.
QStringList Schermo(const CDF& f) {
  QStringList out{f.Label1->text(), f.LbData->text(), f.Panels.at(1)->text(), f.Panels.at(2)->text()};
  for (int g = 0; g < cdf::kGriglie; ++g)
    for (int w = 0; w <= 10; ++w)
      for (int k = 0; k <= cdf::Classi(g); ++k) out << f.griglia(g)->textMatrix(w, k);
  return out;
}

cdf::Evidenziazione Opzioni(const CDF& f) {
  return {f.CkPreMin->isChecked(), f.TxMinP->text().toInt(), f.CkPreMax->isChecked(),
          f.TxMaxP->text().toInt(), f.CkRitMax->isChecked(), f.TxMaxR->text().toInt()};
}

}  // namespace

TEST(CDFWindow, OpensOnTheRangeEndWithACycleOf20UnderAmbata) {
  Aperto a;
  ASSERT_NE(a.f, nullptr);
  MDIForm1& m = a.p.principale();
  EXPECT_TRUE(m.voce(QStringLiteral("MnuEstCDF"))->isEnabled());
  EXPECT_TRUE(m.voce(QStringLiteral("BtnCDF"))->isEnabled());
  EXPECT_EQ(a.f->windowTitle(), "Ritardi/Presenze  Cadenze Decine Figure");
  EXPECT_TRUE(a.Messaggi().isEmpty());

  EXPECT_EQ(a.f->EstrRiferimento, kDraws);
  EXPECT_EQ(a.f->Sli->minimum(), 1);
  EXPECT_EQ(a.f->Sli->maximum(), kDraws);
  EXPECT_EQ(a.f->Label1->text(), "60");
  EXPECT_EQ(a.f->LbData->text(), ui::Q(Inizio::DataBreve(a.p.stato.ArchivioEstrazioni, kDraws)));
  EXPECT_EQ(a.f->TxCiclo->text(), "20");
  EXPECT_TRUE(a.f->OptSorte[0]->isChecked());
  EXPECT_EQ(a.f->SorteScelta, 1);
  EXPECT_EQ(Opzioni(*a.f), cdf::ValoriSorte(1));
  const cdf::Calcolo atteso = a.Atteso(kDraws, 20, 1, cdf::ValoriSorte(1));
  EXPECT_TRUE(a.f->Panels[1]->text().startsWith(QStringLiteral("Inizio estr.: N° 41 del ")));
  ControllaGriglie(*a.f, atteso);

  // Headings: classes in row 0, wheels in column 0, cell (0, 0) empty.
  EXPECT_EQ(a.f->PCad->textMatrix(0, 10), "0");
  EXPECT_EQ(a.f->RDec->textMatrix(0, 9), "8");
  EXPECT_EQ(a.f->PFig->textMatrix(0, 9), "9");
  EXPECT_EQ(a.f->RFig->textMatrix(10, 0), "Ve");
  EXPECT_EQ(a.f->PCad->textMatrix(0, 0), "");

  // The menu brings the same window up again.
  m.MnuEstCDF_Click();
  EXPECT_EQ(m.finestre().aperte().size(), 1);
}

TEST(CDFWindow, EachSorteSetsItsDefaultsAndRecomputes) {
  Aperto a;
  // Terno then Ambata: the opening's defaults come back.
  for (int i : {2, 0, 1, 3, 4, 1}) {
    SCOPED_TRACE(i);
    a.f->OptSorte[i]->setChecked(true);
    EXPECT_EQ(a.f->SorteScelta, i + 1);
    EXPECT_EQ(Opzioni(*a.f), cdf::ValoriSorte(i + 1));
    ControllaGriglie(*a.f, a.Atteso(kDraws, 20, i + 1, cdf::ValoriSorte(i + 1)));
  }
  // Thresholds take effect at the next computation only.
  const cdf::Evidenziazione ev{false, 0, true, 1, true, 2};
  a.f->CkPreMin->setChecked(false);
  a.f->CkPreMax->setChecked(true);
  a.f->TxMaxP->setText(QStringLiteral("1"));
  a.f->TxMaxR->setText(QStringLiteral("2"));
  ControllaGriglie(*a.f, a.Atteso(kDraws, 20, 2, cdf::ValoriSorte(2)));
  a.f->CmdRicalcola->click();
  ControllaGriglie(*a.f, a.Atteso(kDraws, 20, 2, ev));
  EXPECT_TRUE(a.Messaggi().isEmpty());
}

TEST(CDFWindow, RefusedCyclesShowTheirMessageAndComputeNothing) {
  const QString zero = QStringLiteral("Numero Ciclo non può essere Zero !"),
                zeroPassi = QStringLiteral("Ciclo Estrazioni non può essere Zero !"),
                lungo = QStringLiteral("Ciclo Estrazioni > Numero Estrazioni !");
  struct {
    const char* ciclo;
    std::function<void(CDF&)> azione;
    QString messaggio;
  } casi[] = {
      {"", [](CDF& f) { f.CmdRicalcola_Click(); }, zero},
      {"0", [](CDF& f) { f.CmdRicalcola_Click(); }, zero},
      {"0", [](CDF& f) { f.OptSorte[1]->setChecked(true); }, zero},
      {"0", [](CDF& f) { f.Sli->setValue(45); }, zero},
      {"0", [](CDF& f) { f.CmdEst_Click(2); }, zeroPassi},
      {"50", [](CDF& f) { f.CmdRicalcola_Click(); }, lungo},  // reference draw 30
      // Longer than the scroll bar reaches: the scroll bar does not move.
      {"61", [](CDF& f) { f.Sli->setValue(45); }, lungo},
      {"61", [](CDF& f) { f.CmdEst_Click(3); }, lungo},
      {"99999999999999999999999", [](CDF& f) { f.CmdAggiorna_Click(); f.CmdRicalcola_Click(); }, lungo},
  };
  for (const auto& c : casi) {
    SCOPED_TRACE(c.ciclo);
    Aperto a;
    a.f->Sli->setValue(30);
    const QStringList prima = Schermo(*a.f);
    a.f->TxCiclo->setText(QString::fromLatin1(c.ciclo));
    c.azione(*a.f);
    ASSERT_EQ(a.p.servizi.dialoghi.messaggi.size(), 1u);
    EXPECT_EQ(a.p.servizi.dialoghi.messaggi[0].testo, c.messaggio);
    EXPECT_EQ(a.p.servizi.dialoghi.messaggi[0].icona, ui::Icona::Critica);
    EXPECT_EQ(a.p.servizi.dialoghi.messaggi[0].titolo, "Tarvolane");
    EXPECT_EQ(a.f->TxCiclo->selectedText(), a.f->TxCiclo->text());
    EXPECT_EQ(Schermo(*a.f), prima);
    EXPECT_LE(a.f->Sli->minimum(), a.f->Sli->maximum());
    EXPECT_LE(a.f->Sli->maximum(), kDraws);
  }
}

TEST(CDFWindow, ScrollBarAndStepButtons) {
  Aperto a;
  CDF& f = *a.f;
  const auto ev = cdf::ValoriSorte(1);
  f.Sli->setValue(30);
  EXPECT_EQ(f.Label1->text(), "30");
  ControllaGriglie(f, a.Atteso(30, 20, 1, ev));

  // Dragging moves the header only; releasing computes.
  const QStringList prima = Schermo(f);
  f.Sli->setSliderDown(true);
  f.Sli->setSliderPosition(45);
  EXPECT_EQ(f.Label1->text(), "45");
  EXPECT_EQ(f.LbData->text(), ui::Q(Inizio::DataBreve(a.p.stato.ArchivioEstrazioni, 45)));
  EXPECT_EQ(Schermo(f).mid(2), prima.mid(2));
  f.Sli->setSliderDown(false);
  EXPECT_EQ(f.Sli->value(), 45);
  ControllaGriglie(f, a.Atteso(45, 20, 1, ev));

  // A cycle longer than the reference draw raises the scroll bar to it.
  f.TxCiclo->setText(QStringLiteral("50"));
  f.Sli->setValue(30);
  EXPECT_EQ(f.Sli->minimum(), 50);
  EXPECT_EQ(f.EstrRiferimento, 50);
  ControllaGriglie(f, a.Atteso(50, 50, 1, ev));

  // First full cycle: draws 1 to N, below the raised minimum too.
  f.TxCiclo->setText(QStringLiteral("20"));
  f.CmdEst_Click(3);
  EXPECT_EQ(f.EstrRiferimento, 20);
  EXPECT_EQ(f.Sli->value(), 20);
  EXPECT_TRUE(f.Panels[1]->text().startsWith(QStringLiteral("Inizio estr.: N° 1 del ")));
  ControllaGriglie(f, a.Atteso(20, 20, 1, ev));

  // Last draw: a cycle box above the range end is cut to it first.
  f.TxCiclo->setText(QStringLiteral("70"));
  f.CmdEst[2]->click();
  EXPECT_EQ(f.TxCiclo->text(), "60");
  EXPECT_EQ(f.EstrRiferimento, kDraws);
  ControllaGriglie(f, a.Atteso(kDraws, 60, 1, ev));
  // At the end already: nothing happens.
  f.TxCiclo->setText(QStringLiteral("20"));
  f.CmdEst_Click(2);
  ControllaGriglie(f, a.Atteso(kDraws, 60, 1, ev));
  EXPECT_TRUE(a.Messaggi().isEmpty());
}

TEST(CDFWindow, RefreshTakesOverAChangedRangeOnly) {
  Aperto a;
  CDF& f = *a.f;
  const auto ev = cdf::ValoriSorte(1);
  f.TxCiclo->setText(QStringLiteral("35"));
  f.Sli->setValue(30);  // raises the minimum to 35
  ASSERT_EQ(f.EstrRiferimento, 35);

  // Unchanged range: the reference draw and the scroll bar stay.
  const QStringList prima = Schermo(f);
  f.CmdAggiorna->click();
  EXPECT_EQ(Schermo(f), prima);
  EXPECT_EQ(f.Sli->minimum(), 35);

  // A new range end: the reference draw goes there.
  a.p.programma.impostaRange(5, 50);
  f.CmdAggiorna_Click();
  EXPECT_EQ(f.EstrMassima, 50);
  EXPECT_EQ(f.Sli->maximum(), 50);
  EXPECT_EQ(f.Sli->minimum(), 5);
  EXPECT_EQ(f.EstrRiferimento, 50);
  ControllaGriglie(f, a.Atteso(50, 35, 1, ev));

  // Only the start moved, at the range end: computed in place.
  a.p.programma.impostaRange(40, 50);
  f.CmdAggiorna_Click();
  EXPECT_EQ(f.Sli->minimum(), 40);
  EXPECT_EQ(f.EstrRiferimento, 50);
  // The last-draw button goes to the range end within the scroll bar.
  a.p.programma.impostaRange(40, 45);
  f.CmdEst_Click(2);
  EXPECT_EQ(f.EstrRiferimento, 45);
  a.p.programma.impostaRange(40, kDraws);
  f.Sli->setValue(42);
  f.CmdEst_Click(2);
  EXPECT_EQ(f.EstrRiferimento, 50);
  EXPECT_TRUE(a.Messaggi().isEmpty());
}

TEST(CDFWindow, NumberBoxesTakeDigitsAndBackspaceOnly) {
  Aperto a;
  for (QLineEdit* t : {a.f->TxCiclo, a.f->TxMinP, a.f->TxMaxP, a.f->TxMaxR}) {
    SCOPED_TRACE(t->objectName().toStdString());
    t->clear();
    QTest::keyClicks(t, QStringLiteral("1a -2.x3"));
    EXPECT_EQ(t->text(), "123");
    QTest::keyClick(t, Qt::Key_Backspace);
    EXPECT_EQ(t->text(), "12");
  }
}

TEST(CDFWindow, StampaWritesWhatTheGridsShowToOutputTxt) {
  Aperto a;
  a.f->stampa->click();
  const std::string primo = testo::CodificaRighe(cdf::RigheOutput(a.Atteso(kDraws, 20, 1, {}), "20"));
  EXPECT_EQ(a.Output(), primo);

  // The report follows the last computation, with the cycle as it was typed.
  a.f->TxCiclo->setText(QStringLiteral("015"));
  a.f->OptSorte[1]->setChecked(true);
  a.f->TxCiclo->setText(QStringLiteral("40"));  // edited, not applied
  a.f->stampa->click();
  const std::string secondo = testo::CodificaRighe(cdf::RigheOutput(a.Atteso(kDraws, 15, 2, {}), "015"));
  EXPECT_EQ(a.Output(), secondo);
  EXPECT_NE(secondo.find("CADENZE - Presenze nelle ultime 015 estrazioni\r\n"), std::string::npos);

  // A failed write is reported and leaves the old file.
  a.p.stato.CartellaProgramma = a.p.cartella.percorso() / "manca";
  a.f->stampa->click();
  ASSERT_EQ(a.Messaggi().size(), 1);
  EXPECT_EQ(a.p.servizi.dialoghi.messaggi[0].icona, ui::Icona::Critica);
  a.p.stato.CartellaProgramma = a.p.cartella.percorso();
  EXPECT_EQ(a.Output(), secondo);
}

TEST(CDFWindow, TooFewDrawsForTheCycleOpensWithNothingComputed) {
  Aperto a(12);
  ASSERT_NE(a.f, nullptr);
  EXPECT_EQ(a.Messaggi(), QStringList{QStringLiteral("Ciclo Estrazioni > Numero Estrazioni !")});
  EXPECT_EQ(a.f->Sli->minimum(), 1);
  EXPECT_EQ(a.f->Sli->maximum(), 12);
  EXPECT_EQ(a.f->PCad->textMatrix(1, 1), "");
  a.f->stampa->click();
  EXPECT_FALSE(std::filesystem::exists(a.p.stato.CartellaProgramma / "output.txt"));
  // A cycle that fits computes.
  a.f->TxCiclo->setText(QStringLiteral("12"));
  a.f->CmdRicalcola->click();
  ControllaGriglie(*a.f, a.Atteso(12, 12, 1, cdf::ValoriSorte(1)));
}

TEST(CDFWindow, UnreadableArchiveIsReportedAndTheWindowCloses) {
  prova::ProgrammaDiProva p(prova::Sintetiche(30));
  ASSERT_TRUE(file::ScriviAtomico(p.stato.CartellaDati / "archivio.dat", std::string_view("corto")));
  p.principale().MnuEstCDF_Click();
  ASSERT_EQ(p.servizi.dialoghi.messaggi.size(), 1u);
  EXPECT_EQ(p.servizi.dialoghi.messaggi[0].icona, ui::Icona::Critica);
  EXPECT_TRUE(p.servizi.dialoghi.messaggi[0].testo.contains(QStringLiteral("archivio.dat")));
  QCoreApplication::processEvents();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_EQ(p.principale().finestre().trova<CDF>(), nullptr);
}

TEST(CadencesWindow, ColumnsWidenSoThatNoFigureIsCut) {
  Aperto a(4999);
  a.f->OptSorte[4]->setChecked(true);
  a.f->TxCiclo->setText(QStringLiteral("4999"));
  a.f->CmdRicalcola_Click();
  bool quattroCifre = false;
  for (int g = 0; g < cdf::kGriglie; ++g) {
    const ui::Griglia* gr = a.f->griglia(g);
    for (int c = 1; c < gr->cols(); ++c) {
      SCOPED_TRACE(testing::Message() << "griglia " << g << " colonna " << c);
      EXPECT_GE(gr->colWidth(c), gr->larghezzaTesti(c));
      for (int w = 1; w <= 10; ++w) quattroCifre |= gr->textMatrix(w, c).size() >= 4;
    }
    EXPECT_GE(gr->width(), ui::Pixel(300 + (gr->cols() - 1) * gr->colWidth(1)));
  }
  EXPECT_TRUE(quattroCifre);
  // The window grew with its grids: side by side, none over another.
  for (int g : {0, 1, 3, 4}) {
    const ui::Griglia* sinistra = a.f->griglia(g);
    const ui::Griglia* destra = a.f->griglia(g + 1);
    EXPECT_GT(destra->x(), sinistra->geometry().right()) << g;
  }
  EXPECT_LE(a.f->griglia(2)->geometry().right(), a.f->griglia(2)->parentWidget()->width());
  // A short cycle narrows the columns again, never below the design's 250 twips.
  const int larga = a.f->RCad->colWidth(1);
  a.f->TxCiclo->setText(QStringLiteral("20"));
  a.f->OptSorte[0]->setChecked(true);
  a.f->CmdRicalcola_Click();
  EXPECT_LT(a.f->RCad->colWidth(1), larga);
  EXPECT_GE(a.f->RCad->colWidth(1), 250);
}
