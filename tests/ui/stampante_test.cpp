#include "ui/StampanteQt.h"

#include <gtest/gtest.h>

#include <QFontMetricsF>
#include <QMap>
#include <QPageLayout>
#include <QPaintEngine>
#include <QPrintEngine>
#include <QPrinter>
#include <QVariant>

#include "ui/Impaginazione.h"

namespace {

// A printer that records what is drawn on it instead of printing: an A4
// page at 1200 dpi with 10 mm margins.
class StampanteRegistrata : public QPrinter {
 public:
  struct Testo {
    int pagina;
    QPointF dove;
    QString testo;
    QFont font;
  };
  StampanteRegistrata() : mStampa(this), mDisegno(this) { setEngines(&mStampa, &mDisegno); }
  std::vector<Testo> testi;
  int pagine = 1;
  QString nome;

 private:
  class Stampa : public QPrintEngine {
   public:
    explicit Stampa(StampanteRegistrata* p) : mP(p) {}
    void setProperty(PrintEnginePropertyKey k, const QVariant& v) override {
      if (k == PPK_DocumentName) mP->nome = v.toString();
    }
    QVariant property(PrintEnginePropertyKey k) const override {
      if (k == PPK_QPageLayout) return QVariant::fromValue(Pagina());
      if (k == PPK_Resolution) return kDpi;
      return {};
    }
    bool newPage() override { return ++mP->pagine, true; }
    bool abort() override { return true; }
    int metric(QPaintDevice::PaintDeviceMetric m) const override {
      const QRect r = Pagina().paintRectPixels(kDpi);
      switch (m) {
        case QPaintDevice::PdmWidth: return r.width();
        case QPaintDevice::PdmHeight: return r.height();
        case QPaintDevice::PdmWidthMM: return 190;
        case QPaintDevice::PdmHeightMM: return 277;
        case QPaintDevice::PdmDpiX: case QPaintDevice::PdmDpiY:
        case QPaintDevice::PdmPhysicalDpiX: case QPaintDevice::PdmPhysicalDpiY: return kDpi;
        case QPaintDevice::PdmDepth: return 32;
        case QPaintDevice::PdmNumColors: return 1 << 24;
        case QPaintDevice::PdmDevicePixelRatioScaled: return int(QPaintDevice::devicePixelRatioFScale());
        default: return 1;
      }
    }
    QPrinter::PrinterState printerState() const override { return QPrinter::Idle; }
    static QPageLayout Pagina() {
      return QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(10, 10, 10, 10),
                         QPageLayout::Millimeter);
    }
    static constexpr int kDpi = 1200;
    StampanteRegistrata* mP;
  };
  class Disegno : public QPaintEngine {
   public:
    explicit Disegno(StampanteRegistrata* p) : mP(p) {}
    bool begin(QPaintDevice*) override { return true; }
    bool end() override { return true; }
    void updateState(const QPaintEngineState&) override {}
    void drawPixmap(const QRectF&, const QPixmap&, const QRectF&) override {}
    void drawTextItem(const QPointF& p, const QTextItem& t) override {
      mP->testi.push_back({mP->pagine, p, t.text(), t.font()});
    }
    Type type() const override { return User; }
    StampanteRegistrata* mP;
  };
  Stampa mStampa;
  Disegno mDisegno;
};

TEST(StampaSu, AWideLineKeepsEveryCharacterOnThePaperAndTheJobHasItsName) {
  QString cicli;
  for (int i = 0; cicli.size() < 126; ++i) cicli += QString::number(i % 10);
  ASSERT_EQ(cicli.size(), 126);
  const QString troppo = cicli + cicli;  // past the minimum size: continued
  StampanteRegistrata printer;
  QString errore;
  ASSERT_TRUE(ui::StampaSu(printer, QStringLiteral("Cicli"), {QStringLiteral("CICLI"), cicli, troppo},
                           QStringLiteral("Courier"), 10, &errore))
      << errore.toStdString();
  EXPECT_EQ(printer.nome, QStringLiteral("Cicli"));

  QStringList righe;  // the texts drawn, one per baseline
  double y = -1;
  const double larghezza = printer.pageLayout().paintRectPixels(printer.resolution()).width();
  for (const auto& t : printer.testi) {
    if (t.dove.y() != y) righe << QString();
    y = t.dove.y();
    righe.last() += t.testo;
    EXPECT_DOUBLE_EQ(t.font.pointSizeF(), ui::kPuntiMinimi);
    EXPECT_LE(t.dove.x() + QFontMetricsF(t.font, &printer).horizontalAdvance(t.testo), larghezza);
  }
  ASSERT_GE(righe.size(), 4);
  EXPECT_EQ(righe.mid(0, 2), (QStringList{QStringLiteral("CICLI"), cicli}));
  QString ricomposta = righe[2];
  for (const QString& seguito : righe.mid(3)) {
    EXPECT_TRUE(seguito.startsWith(QString(ui::kRientro, u' ')));
    ricomposta += seguito.mid(ui::kRientro);
  }
  EXPECT_EQ(ricomposta, troppo);
}

TEST(StampaSu, ShortLinesPrintAtTenPoints) {
  StampanteRegistrata printer;
  ASSERT_TRUE(ui::StampaSu(printer, QStringLiteral("Metodi"), {QStringLiteral("riga")},
                           QStringLiteral("Courier"), 10, nullptr));
  ASSERT_EQ(printer.testi.size(), 1u);
  EXPECT_DOUBLE_EQ(printer.testi[0].font.pointSizeF(), 10);
}

}  // namespace
