#include "boards/Tabellone1.h"

#include <gtest/gtest.h>

#include <QComboBox>
#include <QLabel>
#include <QRadioButton>
#include <QScrollBar>
#include <QTest>
#include <QToolButton>
#include <fstream>

#include "boards/Tabellone2.h"
#include "boards/tabellone_analitico.h"
#include "support/programma_di_prova.h"
#include "ui/Colori.h"
#include "ui/Finestre.h"
#include "ui/Griglia.h"

namespace {

Tabellone1* Apri(MDIForm1& m) {
  m.MnuRscTab1_Click();
  return qobject_cast<Tabellone1*>(m.finestre().attiva());
}

// The grid's body, row by row, as the board's text.
std::vector<QStringList> Corpo(const ui::Griglia& g) {
  std::vector<QStringList> out;
  for (int r = 2; r < g.rows(); ++r) {
    QStringList riga;
    for (int c = 0; c < g.cols(); ++c) riga << g.textMatrix(r, c);
    out.push_back(riga);
  }
  return out;
}

std::vector<QStringList> Atteso(const Tabelloni::Tabellone& t) {
  std::vector<QStringList> out;
  for (const auto& riga : t) {
    QStringList r{QString::number(riga.ritardo)};
    for (int x : riga.cella) r << (x ? QString::number(x) : QString());
    out.push_back(r);
  }
  return out;
}

}  // namespace

TEST(Tabellone1, OpensOnArchiveOneAndChoosingAnotherReloadsAtTheRangeEnd) {
  prova::ProgrammaDiProva p(prova::Sintetiche(40));
  MDIForm1& m = p.principale();
  m.CmbDataF->setCurrentIndex(29);  // range 1..30
  Tabellone1* t = Apri(m);
  ASSERT_NE(t, nullptr);
  EXPECT_TRUE(t->windowTitle().endsWith(QStringLiteral("Tabellone Analitico  -  Estratto 1")));
  EXPECT_TRUE(t->OptArchivio[0]->isChecked());
  EXPECT_EQ(t->EstrRiferimento, 30);
  EXPECT_EQ(t->Label1->text(), QStringLiteral("30"));
  EXPECT_EQ(t->LbData->text(), QStringLiteral("26.7.1997"));
  EXPECT_EQ(Corpo(*t->ana), Atteso(Tabelloni::Crea_Tabellone_RSC(p.stato.TabelleRSC[0], 1, 30)));

  t->Sli->setValue(20);
  m.CmbDataI->setCurrentIndex(4);  // range 5..35, not yet taken over
  m.CmbDataF->setCurrentIndex(34);
  t->OptArchivio[2]->click();
  EXPECT_TRUE(t->windowTitle().endsWith(QStringLiteral("Estratto 3")));
  EXPECT_EQ(t->EstrattoScelto, 3);
  EXPECT_EQ(t->CopiaRSC, p.stato.TabelleRSC[2]);
  EXPECT_EQ(t->Sli->minimum(), 5);
  EXPECT_EQ(t->Sli->maximum(), 35);
  EXPECT_EQ(t->EstrRiferimento, 35);
  EXPECT_EQ(t->Label1->text(), QStringLiteral("35"));
  EXPECT_EQ(Corpo(*t->ana), Atteso(Tabelloni::Crea_Tabellone_RSC(p.stato.TabelleRSC[2], 5, 35)));
}

TEST(Tabellone1, AMissingOrShortFileIsRefusedAndTheWindowKeepsItsSource) {
  prova::ProgrammaDiProva p(prova::Sintetiche(12));
  MDIForm1& m = p.principale();
  Tabellone1* t = Apri(m);
  t->OptArchivio[1]->click();
  const auto prima = Corpo(*t->ana);
  const QString titolo = t->windowTitle();
  const auto cartella = p.stato.CartellaDati;
  std::filesystem::remove(cartella / "Rsc4.dat");
  {
    std::ofstream(cartella / "Rsc5.dat", std::ios::binary | std::ios::trunc)
        << std::string(1000, '\1');
  }

  struct Caso {
    int opzione;
    const char* file;
  } casi[] = {{3, "Rsc4.dat"}, {4, "Rsc5.dat"}};
  for (const Caso& c : casi) {
    SCOPED_TRACE(c.file);
    p.servizi.dialoghi.messaggi.clear();
    t->OptArchivio[c.opzione]->click();
    ASSERT_EQ(p.servizi.dialoghi.messaggi.size(), 1u);
    EXPECT_EQ(p.servizi.dialoghi.messaggi[0].icona, ui::Icona::Critica);
    EXPECT_TRUE(p.servizi.dialoghi.messaggi[0].testo.contains(QString::fromLatin1(c.file)));
    EXPECT_EQ(t->windowTitle(), titolo);
    EXPECT_EQ(t->EstrattoScelto, 2);
    EXPECT_EQ(t->CopiaRSC, p.stato.TabelleRSC[1]);
    EXPECT_TRUE(t->OptArchivio[1]->isChecked());
    EXPECT_FALSE(t->OptArchivio[c.opzione]->isChecked());
    EXPECT_EQ(Corpo(*t->ana), prima);
  }
  // Nothing was created or repaired.
  EXPECT_FALSE(std::filesystem::exists(cartella / "Rsc4.dat"));
  EXPECT_EQ(std::filesystem::file_size(cartella / "Rsc5.dat"), 1000u);
}

TEST(Tabellone1, AWindowWhoseFirstArchiveIsMissingClosesWithTheReason) {
  prova::ProgrammaDiProva p(prova::Sintetiche(12));
  MDIForm1& m = p.principale();
  std::filesystem::remove(p.stato.CartellaDati / "Rsc1.dat");
  m.MnuRscTab1_Click();
  ASSERT_EQ(p.servizi.dialoghi.messaggi.size(), 1u);
  EXPECT_TRUE(p.servizi.dialoghi.messaggi[0].testo.contains(QStringLiteral("Rsc1.dat")));
  QTest::qWait(1);
  EXPECT_TRUE(m.finestre().aperte().isEmpty());
}

TEST(Tabellone1, CellDetailsNameTheNumberTheDistancePointsTo) {
  // Distances of draw 2 from the first number of draw 1 (76) on BARI: 3 is
  // 17 after 76; the first number of draw 2 is 3, so 17 points to 20.
  prova::ProgrammaDiProva p({prova::Fai({1, 1, 1999}, {{76, 10, 20, 30, 40}, {}, {5, 6, 7, 8, 9}}),
                             prova::Fai({2, 1, 1999}, {{3, 50, 60, 70, 80}, {}, {0, 0, 0, 0, 0}})});
  MDIForm1& m = p.principale();
  Tabellone1* t = Apri(m);
  ASSERT_EQ(t->ana->textMatrix(2, 1), QStringLiteral("17"));
  auto clic = [&](int r, int c) {
    QTest::mouseClick(t->ana->viewport(), Qt::LeftButton, {}, t->ana->cellRect(r, c).center());
  };
  clic(2, 1);
  ASSERT_EQ(p.servizi.dialoghi.menu.size(), 1u);
  EXPECT_EQ(p.servizi.dialoghi.menu[0], (QStringList{"Ruota di BARI", "-", "Ritardo 0", "Fisso 17",
                                                     "Corrispondente al 20", "( 3 )"}));
  EXPECT_EQ(t->ana->cellBackColor(2, 1), ui::Colore(0xFFFF80));
  clic(2, 11);  // FIRENZE had no numbers in draw 2: an empty cell shows nothing
  clic(2, 0);
  EXPECT_EQ(p.servizi.dialoghi.menu.size(), 1u);
}

TEST(Tabellone1, SeveralBoardsOfBothKindsAreIndependent) {
  prova::ProgrammaDiProva p(prova::Sintetiche(30));
  MDIForm1& m = p.principale();
  Tabellone1* a = Apri(m);
  m.Toolbar1_ButtonClick(QStringLiteral("BtnTab1"));  // the toolbar key opens another one
  auto* b = qobject_cast<Tabellone1*>(m.finestre().attiva());
  m.MnuRscTab2_Click();
  auto* c = qobject_cast<Tabellone2*>(m.finestre().attiva());
  m.Toolbar1_ButtonClick(QStringLiteral("BtnTab2"));
  auto* d = qobject_cast<Tabellone2*>(m.finestre().attiva());
  ASSERT_TRUE(a && b && c && d && a != b && c != d);
  // Each new board of a kind stands offset from the one before it.
  auto angolo = [](QWidget* w) { return w->parentWidget()->pos(); };
  EXPECT_GT(angolo(b).x(), angolo(a).x());
  EXPECT_GT(angolo(b).y(), angolo(a).y());
  EXPECT_EQ(angolo(c), QPoint(0, 0));
  EXPECT_GT(angolo(d).x(), angolo(c).x());
  b->OptArchivio[3]->click();
  const auto corpoB = Corpo(*b->ana), corpoD = Corpo(*d->ana);
  a->Sli->setValue(12);
  a->CmdEst[3]->click();
  c->CmdEst[3]->click();
  EXPECT_EQ(a->EstrRiferimento, 1);
  EXPECT_EQ(c->EstrRiferimento, 1);
  for (TelaioTabellone* t : std::initializer_list<TelaioTabellone*>{b, d}) {
    EXPECT_EQ(t->EstrRiferimento, 30);
    EXPECT_EQ(t->Sli->value(), 30);
    EXPECT_EQ(t->Label1->text(), QStringLiteral("30"));
  }
  EXPECT_EQ(Corpo(*b->ana), corpoB);
  EXPECT_EQ(Corpo(*d->ana), corpoD);
  EXPECT_TRUE(a->windowTitle().endsWith(QStringLiteral("Estratto 1")));
  EXPECT_TRUE(b->windowTitle().endsWith(QStringLiteral("Estratto 4")));
  EXPECT_EQ(corpoB, Atteso(Tabelloni::Crea_Tabellone_RSC(p.stato.TabelleRSC[3], 1, 30)));
  // Reference draw 1 has no distances: the board has no row.
  EXPECT_EQ(Corpo(*a->ana), (std::vector<QStringList>{QStringList(51, QString())}));
}
