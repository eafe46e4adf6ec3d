#include "ui/Impaginazione.h"

#include <gtest/gtest.h>

#include <QRegularExpression>

namespace {

// A fixed-pitch font 0.6 em wide, measured in points; the pieces of a
// continued line are checked on a real font in stampante_test.cpp.
double Courier(double punti) { return 0.6 * punti; }

TEST(Impagina, ShrinksTheWholeJobThenContinuesLines) {
  struct Caso {
    const char* nome;
    int lunghezza, blank;  // the widest line: its characters, then trailing blanks
    double larghezza, punti;
    int righe;  // printed lines, with a title above and a line below
  };
  const Caso casi[] = {
      {"fits at 10 pt", 95, 0, 570, 10, 3},
      {"trailing blanks take no room", 95, 40, 570, 10, 3},
      {"needs shrinking", 111, 0, 570, 8.5, 3},
      {"126 characters on A4", 126, 0, 538, 7, 3},
      {"wraps at the minimum", 300, 0, 538, 7, 5},  // 128 columns, then 2 x 124 after the indent
  };
  for (const Caso& c : casi) {
    SCOPED_TRACE(c.nome);
    const QStringList righe{"TITOLO", QString(c.lunghezza, u'x') + QString(c.blank, u' '), "fine"};
    const ui::Impaginazione imp = ui::Impagina(righe, 10, c.larghezza, Courier);
    EXPECT_DOUBLE_EQ(imp.punti, c.punti);
    ASSERT_EQ(imp.righe.size(), c.righe);
    if (c.righe == 3) {
      EXPECT_EQ(imp.righe, righe);
    }
    for (const QString& r : imp.righe)  // trailing blanks aside
      EXPECT_LE((r.lastIndexOf(QRegularExpression("[^ ]")) + 1) * Courier(imp.punti), c.larghezza);
  }
}

// A continued line breaks at a blank or after "." or ",", never inside a
// number or a word that fits, and prints no empty line nor the indent alone.
// It goes on 4 columns past its line's indent when 40 columns are left there
// and the piece's first word fits in them.
TEST(Impagina, ContinuesAtABlankOrAfterAStop) {
  QString dispari = QStringLiteral("  Dispari ==> 1");  // as the shipped formations print
  for (int n = 3; n <= 89; n += 2) dispari += QLatin1Char('.') + QString::number(n);
  const QString colpo = QStringLiteral("  12.34 su BA  3° colpo (12/05/2020)");  // a tester's hit
  const QString trenta = QStringLiteral(
      "01.02.03.04.05.06.07.08.09.10.11.12.13.14.15.16.17.18.19.20.21.22.23.24.25.26.27.28.29.30");
  const auto parola = [](int lunghezza) {  // a word without a break: "ABC...ZAB..."
    QString p;
    for (int i = 0; i < lunghezza; ++i) p += QChar(u'A' + i % 26);
    return p;
  };
  const std::pair<QString, QStringList> casi[] = {
      {dispari, {dispari.left(dispari.indexOf("85.")), "      85.87.89"}},
      {QString(115, u' ') + colpo,
       {QString(115, u' ') + "  12.34 su BA  3°", "    colpo (12/05/2020)"}},
      {QString(140, u' ') + colpo,
       {"    12.34 su BA  3° colpo (12/05/2020)"}},  // indent past the edge
      {QString(92, u' ') + trenta,                   // continued at 96, with 40 columns left
       {QString(92, u' ') + trenta.left(42), QString(96, u' ') + trenta.mid(42, 39),
        QString(96, u' ') + trenta.mid(81)}},
      {QString(93, u' ') + trenta,  // at 97 only 39 would be left
       {QString(93, u' ') + trenta.left(42), "    " + trenta.mid(42)}},
      // A word that does not fit in the 40 columns at 96 goes on at 4, whole
      // up to 132 characters; a longer one is cut there and goes on at 4.
      {QString(92, u' ') + "Ambo " + parola(40),
       {QString(92, u' ') + "Ambo", QString(96, u' ') + parola(40)}},
      {QString(92, u' ') + "Ambo " + parola(41), {QString(92, u' ') + "Ambo", "    " + parola(41)}},
      {QString(92, u' ') + "Ambo " + parola(132) + " 12.34",
       {QString(92, u' ') + "Ambo", "    " + parola(132), QString(96, u' ') + "12.34"}},
      {QString(92, u' ') + "Ambo " + parola(133),
       {QString(92, u' ') + "Ambo", "    " + parola(133).left(132),
        "    " + parola(133).mid(132)}}};
  for (const auto& [riga, attese] : casi) {
    SCOPED_TRACE(riga.toStdString());
    const ui::Impaginazione imp = ui::Impagina({riga}, 7, 572, Courier);  // 136 columns
    EXPECT_EQ(imp.colonne, 136);
    EXPECT_EQ(imp.righe, attese);
  }
}

}  // namespace
