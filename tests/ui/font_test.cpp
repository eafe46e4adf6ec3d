#include "ui/Font.h"

#include <gtest/gtest.h>

#include <QFontMetricsF>
#include <QWidget>

// Columns lined up with blanks stay lined up: every character is as wide as
// a blank. A size asked is kept; none asked leaves the inherited one.
TEST(FontRapporto, IsFixedPitchAndKeepsTheSizeAskedOrInherited) {
  const QFontMetricsF m(ui::FontRapporto(9));
  for (const QChar c : QStringLiteral("iW0.°è"))
    EXPECT_DOUBLE_EQ(m.horizontalAdvance(c), m.horizontalAdvance(QLatin1Char(' '))) << int(c.unicode());
  EXPECT_DOUBLE_EQ(ui::FontRapporto(8.25).pointSizeF(), 8.25);

  QWidget finestra;
  QFont grande = finestra.font();
  grande.setPointSize(15);
  finestra.setFont(grande);
  QWidget pannello(&finestra);
  pannello.setFont(ui::FontRapporto());
  EXPECT_EQ(pannello.font().pointSize(), 15);
}
