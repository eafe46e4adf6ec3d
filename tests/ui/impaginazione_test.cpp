#include "ui/Impaginazione.h"

#include <gtest/gtest.h>

namespace {

// A fixed-pitch font whose characters are 0.6 em wide, measured in points:
// at 10 points one character is 6 points wide.
double Courier(double punti) { return 0.6 * punti; }

QString Riga(int n) {
  QString r;
  for (int i = 0; i < n; ++i) r += QChar(u'a' + i % 26);
  return r;
}

TEST(Impagina, ShrinksTheWholeJobThenContinuesIndentedLines) {
  struct Caso {
    const char* nome;
    int lunghezza;        // the widest line
    double larghezza;     // printable width, points
    double punti;         // expected size
    int pezzi;            // printed lines for the widest one
  };
  const Caso casi[] = {
      {"fits at 10 pt", 90, 570, 10, 1},
      {"fits exactly at 10 pt", 95, 95 * 6, 10, 1},
      {"needs shrinking", 111, 570, 8.5, 1},
      {"126 characters on A4", 126, 538, 7, 1},
      {"wraps at the minimum", 300, 538, 7, 3},
  };
  for (const Caso& c : casi) {
    SCOPED_TRACE(c.nome);
    const QString lunga = Riga(c.lunghezza);
    const QStringList righe{"TITOLO", "", lunga, "fine   "};
    const ui::Impaginazione imp = ui::Impagina(righe, 10, c.larghezza, Courier);
    EXPECT_DOUBLE_EQ(imp.punti, c.punti);
    ASSERT_EQ(imp.righe.size(), 3 + c.pezzi);
    EXPECT_EQ(imp.righe.mid(0, 2), righe.mid(0, 2));
    EXPECT_EQ(imp.righe.last(), QStringLiteral("fine   "));
    // Every character is there, in order, and every printed line fits.
    QString ricomposta = imp.righe[2];
    for (int i = 1; i < c.pezzi; ++i) {
      const QString seguito = imp.righe[2 + i];
      EXPECT_TRUE(seguito.startsWith(QStringLiteral("    ")) && seguito[4] != u' ');
      ricomposta += seguito.mid(ui::kRientro);
    }
    EXPECT_EQ(ricomposta, lunga);
    for (const QString& r : imp.righe) EXPECT_LE(r.size() * Courier(imp.punti), c.larghezza);
  }
}

TEST(Impagina, TrailingBlanksTakeNoRoom) {
  const QStringList righe{Riga(95) + QString(40, u' ')};
  const ui::Impaginazione imp = ui::Impagina(righe, 10, 570, Courier);
  EXPECT_DOUBLE_EQ(imp.punti, 10);
  EXPECT_EQ(imp.righe, righe);
}

}  // namespace
