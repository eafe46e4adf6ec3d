#include "boards/Tabellone2.h"

#include <gtest/gtest.h>

#include <QLabel>
#include <QScrollBar>

#include "core/nomi.h"
#include "support/programma_di_prova.h"
#include "ui/Colori.h"
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
      nomi << QString::fromLatin1(Inizio::NomiRuote[w].data(),
                                  static_cast<int>(Inizio::NomiRuote[w].size()));
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
  EXPECT_EQ(t->windowTitle(),
            QStringLiteral("RSC (Ritardi Statistico-Cabalistici) - Tabellone Ritardi Misti"));
  for (int R : {700, 650, 2, 1}) {
    SCOPED_TRACE(R);
    t->Sli->setValue(R);
    const auto atteso =
        Tabelloni::Crea_Tabellone_Misti(p.stato.ArchivioEstrazioni, p.stato.TabelleRSC, 1, R);
    int larghezza = 1;
    for (int w = 1; w <= 10; ++w) larghezza += atteso.ColonneRuota[w];
    EXPECT_EQ(t->ana->cols(), larghezza);
    EXPECT_EQ(Testo(*t->ana), Atteso(atteso));
    EXPECT_EQ(t->Label1->text(), QString::number(R));
  }
}

TEST(Tabellone2, ABlockWiderThanTwentyColumnsKeepsEveryNumber) {
  // The distances of draw 2 from draw 1 lead, from the numbers of draw 3, to
  // 25 numbers not drawn since; with the five numbers of draw 2 they share
  // mixed delay 1 on BARI.
  prova::ProgrammaDiProva p({prova::Fai({1, 1, 1999}, {{50, 51, 52, 53, 54}}),
                             prova::Fai({2, 1, 1999}, {{1, 2, 3, 4, 5}}),
                             prova::Fai({3, 1, 1999}, {{55, 61, 67, 73, 79}})});
  Tabellone2* t = Apri(p.principale());
  ASSERT_EQ(t->ana->cols(), 31);
  const QStringList testo = Testo(*t->ana);
  ASSERT_EQ(testo.size(), 4);
  EXPECT_EQ(testo[0],
            QStringLiteral("|") + QStringList(30, QStringLiteral("BARI")).join(QLatin1Char('|')));
  EXPECT_TRUE(t->ana->mergeRow(0));
  EXPECT_EQ(
      testo[2],
      QStringLiteral(
          "1|1|2|3|4|5|6|11|16|21|26|7|12|17|22|27|8|13|18|23|28|9|14|19|24|29|10|15|20|25|30"));
  EXPECT_EQ(testo[3], QStringLiteral("2|50|51|52|53|54") + QString(25, QLatin1Char('|')));
  EXPECT_EQ(t->ana->cellBackColor(3, 30), ui::Colore(0xFFFF80));
}
