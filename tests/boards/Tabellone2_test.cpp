#include "boards/Tabellone2.h"

#include <gtest/gtest.h>

#include <QLabel>
#include <QScrollBar>
#include <QToolButton>

#include "core/nomi.h"
#include "support/programma_di_prova.h"
#include "ui/Finestre.h"
#include "ui/Griglia.h"

namespace {

Tabellone2* Apri(MDIForm1& m) {
  m.MnuRscTab2_Click();
  return qobject_cast<Tabellone2*>(m.finestre().attiva());
}

// The whole grid as text, rows of cells joined by "|".
QStringList Testo(const ui::Griglia& g) {
  QStringList out;
  for (int r = 0; r < g.rows(); ++r) {
    QStringList riga;
    for (int c = 0; c < g.cols(); ++c) riga << g.textMatrix(r, c);
    out << riga.join(QLatin1Char('|'));
  }
  return out;
}

// The grid the board should show: header blocks as wide as ColonneRuota, the
// wheel names over them, one body row per mixed delay.
QStringList Atteso(const Tabelloni::TabelloneMisto& t) {
  QStringList nomi{QString()}, vuota{QString()};
  for (int w = 1; w <= 10; ++w)
    for (int j = 0; j < t.ColonneRuota[w]; ++j) {
      nomi << QString::fromLatin1(Inizio::NomiRuote[w].data(), static_cast<int>(Inizio::NomiRuote[w].size()));
      vuota << QString();
    }
  QStringList out{nomi.join(QLatin1Char('|')), vuota.join(QLatin1Char('|'))};
  for (const auto& riga : t.righe) {
    QStringList r{QString::number(riga.ritardo)};
    for (int w = 1; w <= 10; ++w) {
      const auto numeri = riga.Ruota(w);
      for (int j = 0; j < t.ColonneRuota[w]; ++j)
        r << (j < static_cast<int>(numeri.size()) ? QString::number(numeri[j]) : QString());
    }
    out << r.join(QLatin1Char('|'));
  }
  if (t.righe.empty()) out << vuota.join(QLatin1Char('|'));
  return out;
}

}  // namespace

TEST(Tabellone2, HeaderBlocksFollowTheWidthOfEachWheelAndAreRebuiltEachTime) {
  prova::ProgrammaDiProva p(prova::Sintetiche(700));
  MDIForm1& m = p.principale();
  Tabellone2* t = Apri(m);
  ASSERT_NE(t, nullptr);
  EXPECT_EQ(t->windowTitle(), QStringLiteral("RSC (Ritardi Statistico-Cabalistici) - Tabellone Ritardi Misti"));
  for (int R : {700, 650, 2, 1}) {
    SCOPED_TRACE(R);
    t->Sli->setValue(R);
    const auto atteso = Tabelloni::Crea_Tabellone_Misti(p.stato.ArchivioEstrazioni, p.stato.TabelleRSC, 1, R);
    int larghezza = 1, massimo = 0;
    for (int w = 1; w <= 10; ++w) larghezza += atteso.ColonneRuota[w], massimo = std::max(massimo, atteso.ColonneRuota[w]);
    std::printf("R=%d larghezza=%d massimo=%d righe=%zu\n", R, larghezza, massimo, atteso.righe.size());
    EXPECT_EQ(t->ana->cols(), larghezza);
    EXPECT_EQ(Testo(*t->ana), Atteso(atteso));
    EXPECT_EQ(t->Label1->text(), QString::number(R));
  }
}

TEST(Tabellone2, SeveralWindowsAreIndependent) {
  prova::ProgrammaDiProva p(prova::Sintetiche(60));
  MDIForm1& m = p.principale();
  Tabellone2* a = Apri(m);
  Tabellone2* b = Apri(m);
  ASSERT_NE(a, b);
  const QStringList testoB = Testo(*b->ana);
  a->Sli->setValue(40);
  a->CmdEst[3]->click();
  EXPECT_EQ(a->EstrRiferimento, 1);
  EXPECT_EQ(b->EstrRiferimento, 60);
  EXPECT_EQ(b->Sli->value(), 60);
  EXPECT_EQ(Testo(*b->ana), testoB);
  b->CmdEst[3]->click();
  EXPECT_EQ(Testo(*a->ana), Testo(*b->ana));
}
