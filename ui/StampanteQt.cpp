#include "ui/StampanteQt.h"

#include <QFont>
#include <QFontDatabase>
#include <QFontInfo>
#include <QFontMetricsF>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>

#include "ui/Impaginazione.h"

namespace ui {
namespace {

bool Fallita(QString* errore, const QString& motivo) {
  if (errore) *errore = motivo;
  return false;
}

// The family at the size, resolved for the device; the computations of the
// layout count characters, so the font that resolves must be fixed-pitch.
QFont CarattereFisso(const QString& famiglia, double punti, QPaintDevice* dispositivo) {
  QFont f(famiglia);
  f.setStyleHint(QFont::TypeWriter);
  f.setPointSizeF(punti);
  if (!QFontInfo(QFont(f, dispositivo)).fixedPitch()) {
    f = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    f.setPointSizeF(punti);
  }
  return QFont(f, dispositivo);
}

double Avanzamento(QFont f, double punti, QPaintDevice* dispositivo) {
  f.setPointSizeF(punti);
  return QFontMetricsF(f, dispositivo).horizontalAdvance(QLatin1Char('M'));
}

}  // namespace

bool StampanteQt::installata() { return !QPrinterInfo::availablePrinters().isEmpty(); }

bool StampanteQt::stampa(const QString& documento, const QStringList& righe, const QString& font,
                         int punti, QString* errore) {
  QPrinterInfo info = QPrinterInfo::defaultPrinter();
  if (info.isNull() && !QPrinterInfo::availablePrinters().isEmpty())
    info = QPrinterInfo::availablePrinters().constFirst();
  if (info.isNull()) return Fallita(errore, QStringLiteral("nessuna stampante disponibile"));
  QPrinter stampante(info, QPrinter::HighResolution);
  return StampaSu(stampante, documento, righe, font, punti, errore);
}

bool StampaSu(QPrinter& stampante, const QString& documento, const QStringList& righe,
              const QString& font, int punti, QString* errore) {
  stampante.setDocName(documento);
  QPainter p;
  if (!p.begin(&stampante)) return Fallita(errore, QStringLiteral("impossibile avviare la stampa"));

  QFont carattere = CarattereFisso(font, punti, &stampante);
  const QRectF pagina = stampante.pageLayout().paintRectPixels(stampante.resolution());
  const Impaginazione imp = Impagina(righe, punti, pagina.width(), [&](double s) {
    return Avanzamento(carattere, s, &stampante);
  });
  const QFontMetricsF passo(carattere, &stampante);
  carattere.setPointSizeF(imp.punti);
  p.setFont(carattere);

  double y = passo.ascent();
  bool riuscita = true;
  for (const QString& riga : imp.righe) {
    if (y + passo.descent() > pagina.height()) {
      if (!stampante.newPage()) {
        riuscita = false;
        break;
      }
      y = passo.ascent();
    }
    p.drawText(QPointF(0, y), riga);
    y += passo.lineSpacing();
  }
  if (!riuscita) stampante.abort();
  if (!p.end() || !riuscita || stampante.printerState() == QPrinter::Error)
    return Fallita(errore, QStringLiteral("impossibile completare la stampa"));
  return true;
}

}  // namespace ui
