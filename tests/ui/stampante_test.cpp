#include "ui/StampanteQt.h"

#include <gtest/gtest.h>

#include <QFontMetricsF>
#include <QPaintEngine>
#include <QPrinter>

#include "ui/Impaginazione.h"

namespace {

// A PDF printer (A4 at 1200 dpi, 10 mm margins) whose painting is recorded
// instead of written: the texts, their size, the right edge of the widest.
class StampanteRegistrata : public QPrinter, QPaintEngine {
 public:
  StampanteRegistrata() {
    mPdf.setOutputFormat(QPrinter::PdfFormat);
    mPdf.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                   QMarginsF(10, 10, 10, 10), QPageLayout::Millimeter));
    setEngines(mPdf.printEngine(), this);  // the PDF engine keeps the settings
  }
  QStringList testi;
  double punti = 0, destra = 0;

  bool begin(QPaintDevice*) override { return true; }
  bool end() override { return true; }
  void updateState(const QPaintEngineState&) override {}
  void drawPixmap(const QRectF&, const QPixmap&, const QRectF&) override {}
  void drawTextItem(const QPointF& p, const QTextItem& t) override {
    testi << t.text();
    punti = t.font().pointSizeF();
    destra = std::max(destra, p.x() + QFontMetricsF(t.font(), this).horizontalAdvance(t.text()));
  }
  Type type() const override { return User; }

 private:
  QPrinter mPdf{QPrinter::HighResolution};
};

TEST(StampaSu, WideLinesKeepEveryCharacterOnThePaperAndTheJobHasItsName) {
  QString cicli;
  while (cicli.size() < 126) cicli += QString::number(cicli.size() % 10);
  StampanteRegistrata p;
  ASSERT_TRUE(ui::StampaSu(p, QStringLiteral("Cicli"),
                           {QStringLiteral("CICLI"), cicli, cicli + cicli},
                           QStringLiteral("Courier"), 10, nullptr));
  EXPECT_EQ(p.docName(), QStringLiteral("Cicli"));
  EXPECT_EQ(p.punti, ui::kPuntiMinimi);
  EXPECT_LE(p.destra, p.pageLayout().paintRectPixels(p.resolution()).width());
  // The first two lines whole, the third continued with every character.
  ASSERT_GE(p.testi.size(), 4);
  EXPECT_EQ(p.testi.mid(0, 2), (QStringList{QStringLiteral("CICLI"), cicli}));
  QString terza = p.testi[2];
  for (const QString& seguito : p.testi.mid(3)) terza += seguito.mid(ui::kRientro);
  EXPECT_EQ(terza, cicli + cicli);
}

}  // namespace
