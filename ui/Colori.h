// Colour and size helpers: colours are written as in the design, &HBBGGRR
// (blue, green, red bytes), and sizes in twips (15 twips per pixel).
#pragma once

#include <QColor>

namespace ui {

// &HBBGGRR -> QColor: Colore(0xFF) is red, Colore(0xFF0000) blue.
constexpr QRgb Bgr(unsigned int bbggrr) {
  return qRgb(bbggrr & 0xFF, (bbggrr >> 8) & 0xFF, (bbggrr >> 16) & 0xFF);
}
inline QColor Colore(unsigned int bbggrr) { return QColor(Bgr(bbggrr)); }
// QColor -> &HBBGGRR.
inline unsigned int ColoreBgr(const QColor& c) {
  return static_cast<unsigned int>(c.red()) | (static_cast<unsigned int>(c.green()) << 8) |
         (static_cast<unsigned int>(c.blue()) << 16);
}

constexpr int kTwipPerPixel = 15;
constexpr int Pixel(int twip) { return (twip + kTwipPerPixel / 2) / kTwipPerPixel; }
constexpr int Twip(int pixel) { return pixel * kTwipPerPixel; }

}  // namespace ui
