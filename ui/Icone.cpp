#include "ui/Icone.h"

#include <QFont>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <algorithm>
#include <map>

namespace ui {

namespace {

struct Segno {
  const char* testo;
  QRgb colore;
};

const std::map<QString, Segno>& Segni() {
  static const std::map<QString, Segno> segni = {
      {QStringLiteral("BtnEstGest"), {"ES", qRgb(0x2E, 0x6D, 0xB4)}},
      {QStringLiteral("BtnEstTabAna"), {"TA", qRgb(0x1E, 0x8C, 0x5A)}},
      {QStringLiteral("BtnTabRuo"), {"RU", qRgb(0x6A, 0x4C, 0x9C)}},
      {QStringLiteral("BtnCDF"), {"CDF", qRgb(0xB3, 0x5C, 0x1E)}},
      {QStringLiteral("BtnAnaNum"), {"AF", qRgb(0x8E, 0x24, 0x4A)}},
      {QStringLiteral("BtnData"), {"GG", qRgb(0x4A, 0x7A, 0x1C)}},
      {QStringLiteral("BtnTab1"), {"R1", qRgb(0x00, 0x7C, 0x8A)}},
      {QStringLiteral("BtnTab2"), {"RM", qRgb(0x00, 0x5E, 0x9E)}},
      {QStringLiteral("BtnStatistica"), {"GR", qRgb(0x7A, 0x52, 0x2A)}},
      {QStringLiteral("BtnAAM"), {"AM", qRgb(0xA8, 0x32, 0x32)}},
      {QStringLiteral("BtnSpia"), {"SP", qRgb(0x3C, 0x3C, 0x3C)}},
      {QStringLiteral("BtnMetFN"), {"TM", qRgb(0x1F, 0x5F, 0x3F)}},
      {QStringLiteral("BtnMetodiD"), {"MD", qRgb(0x5A, 0x2D, 0x82)}},
      {QStringLiteral("BtnMetodiS"), {"SE", qRgb(0xC0, 0x80, 0x00)}},
      {QStringLiteral("TabFnum"), {"FN", qRgb(0x2F, 0x4F, 0x6F)}},
      {QStringLiteral("BtnHelp"), {"?", qRgb(0x20, 0x60, 0xC0)}},
  };
  return segni;
}

QPixmap Tessera(const QString& testo, QColor colore, int lato) {
  QPixmap pm(lato, lato);
  pm.fill(Qt::transparent);
  QPainter p(&pm);
  p.setRenderHint(QPainter::Antialiasing);
  QLinearGradient g(0, 0, 0, lato);
  g.setColorAt(0, colore.lighter(140));
  g.setColorAt(1, colore);
  p.setBrush(g);
  p.setPen(colore.darker(150));
  p.drawRoundedRect(QRectF(0.5, 0.5, lato - 1, lato - 1), 4, 4);
  QFont f(QStringLiteral("Sans"));
  f.setBold(true);
  f.setPixelSize(testo.size() > 2 ? lato * 9 / 24 : lato * 11 / 24);
  p.setFont(f);
  p.setPen(Qt::white);
  p.drawText(QRect(0, 0, lato, lato), Qt::AlignCenter, testo);
  return pm;
}

}  // namespace

QIcon IconaStrumento(const QString& chiave) {
  const auto it = Segni().find(chiave);
  const Segno s = it != Segni().end() ? it->second : Segno{"?", qRgb(0x60, 0x60, 0x60)};
  QIcon icona;
  for (int lato : {16, 24, 32}) icona.addPixmap(Tessera(QString::fromLatin1(s.testo), QColor(s.colore), lato));
  return icona;
}

QIcon IconaFreccia(bool sinistra) {
  QPixmap pm(16, 16);
  pm.fill(Qt::transparent);
  QPainter p(&pm);
  p.setRenderHint(QPainter::Antialiasing);
  p.setBrush(QColor(0x20, 0x20, 0x20));
  p.setPen(Qt::NoPen);
  QPainterPath freccia;
  if (sinistra) {
    p.drawRect(2, 3, 2, 10);
    freccia.moveTo(13, 3);
    freccia.lineTo(5, 8);
    freccia.lineTo(13, 13);
  } else {
    p.drawRect(12, 3, 2, 10);
    freccia.moveTo(3, 3);
    freccia.lineTo(11, 8);
    freccia.lineTo(3, 13);
  }
  freccia.closeSubpath();
  p.drawPath(freccia);
  return QIcon(pm);
}

// The guide: an open book with a question mark, unlike the help key's tile.
QPixmap ImmagineAiuto() {
  QPixmap pm(22, 22);
  pm.fill(Qt::transparent);
  QPainter p(&pm);
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(QPen(QColor(0x6A, 0x3A, 0x10), 1.2));
  p.setBrush(QColor(0xFF, 0xF4, 0xD6));
  QPainterPath libro;
  libro.moveTo(11, 6);
  libro.cubicTo(8, 3.5, 4, 3.5, 1.5, 4.5);
  libro.lineTo(1.5, 18.5);
  libro.cubicTo(4, 17.5, 8, 17.5, 11, 20);
  libro.cubicTo(14, 17.5, 18, 17.5, 20.5, 18.5);
  libro.lineTo(20.5, 4.5);
  libro.cubicTo(18, 3.5, 14, 3.5, 11, 6);
  libro.closeSubpath();
  p.drawPath(libro);
  p.drawLine(QPointF(11, 6), QPointF(11, 20));
  QFont f = p.font();
  f.setBold(true);
  f.setPixelSize(10);
  p.setFont(f);
  p.setPen(QColor(0xC0, 0x30, 0x10));
  p.drawText(QRectF(11.5, 5, 9, 12), Qt::AlignCenter, QStringLiteral("?"));
  return pm;
}

// The program's icon: a drawn lotto ball, at the sizes the desktop asks for.
QIcon IconaProgramma() {
  QIcon icona;
  for (int lato : {16, 24, 32, 48, 64}) {
    QPixmap pm(lato, lato);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF palla(0.5, 0.5, lato - 1, lato - 1);
    QRadialGradient g(palla.center() - QPointF(lato / 5.0, lato / 5.0), lato * 0.7);
    g.setColorAt(0, QColor(0xFF, 0xF6, 0xC8));
    g.setColorAt(1, QColor(0xE0, 0x9A, 0x10));
    p.setPen(QPen(QColor(0x80, 0x50, 0x00), lato / 24.0));
    p.setBrush(g);
    p.drawEllipse(palla);
    QFont f = p.font();
    f.setBold(true);
    f.setPixelSize(std::max(7, lato * 9 / 16));
    p.setFont(f);
    p.setPen(QColor(0x0B, 0x3D, 0x2E));
    p.drawText(palla, Qt::AlignCenter, QStringLiteral("90"));
    icona.addPixmap(pm);
  }
  return icona;
}

QPixmap ImmagineWeb() {
  QPixmap pm(22, 22);
  pm.fill(Qt::transparent);
  QPainter p(&pm);
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(QPen(QColor(0x10, 0x50, 0x90), 1.5));
  p.setBrush(QColor(0xD8, 0xEC, 0xFF));
  p.drawEllipse(QRectF(2, 2, 18, 18));
  p.setBrush(Qt::NoBrush);
  p.drawEllipse(QRectF(7, 2, 8, 18));
  p.drawLine(QPointF(2, 11), QPointF(20, 11));
  p.drawLine(QPointF(4, 6.5), QPointF(18, 6.5));
  p.drawLine(QPointF(4, 15.5), QPointF(18, 15.5));
  return pm;
}

QPixmap ImmagineAvvio(const QString& titolo, const QString& sotto) {
  QPixmap pm(420, 240);
  QPainter p(&pm);
  p.setRenderHint(QPainter::Antialiasing);
  QLinearGradient sfondo(0, 0, 0, 240);
  sfondo.setColorAt(0, QColor(0x0B, 0x3D, 0x2E));
  sfondo.setColorAt(1, QColor(0x06, 0x22, 0x1A));
  p.fillRect(pm.rect(), sfondo);
  const int numeri[] = {7, 23, 45, 61, 90};
  for (int i = 0; i < 5; ++i) {
    const QPointF centro(70 + i * 70, 150);
    QRadialGradient g(centro - QPointF(8, 8), 30);
    g.setColorAt(0, Qt::white);
    g.setColorAt(1, QColor(0xE8, 0xC5, 0x4A));
    p.setBrush(g);
    p.setPen(QColor(0x90, 0x70, 0x10));
    p.drawEllipse(centro, 26, 26);
    QFont f(QStringLiteral("Sans"));
    f.setBold(true);
    f.setPixelSize(20);
    p.setFont(f);
    p.setPen(QColor(0x40, 0x20, 0x00));
    p.drawText(QRectF(centro.x() - 26, centro.y() - 26, 52, 52), Qt::AlignCenter, QString::number(numeri[i]));
  }
  QFont f(QStringLiteral("Serif"));
  f.setBold(true);
  f.setPixelSize(44);
  p.setFont(f);
  p.setPen(QColor(0xF4, 0xE4, 0xA0));
  p.drawText(QRect(0, 20, 420, 70), Qt::AlignCenter, titolo);
  f.setPixelSize(14);
  f.setBold(false);
  p.setFont(f);
  p.setPen(QColor(0xC8, 0xD8, 0xC8));
  p.drawText(QRect(0, 200, 420, 30), Qt::AlignCenter, sotto);
  return pm;
}

}  // namespace ui
