#include "ui/Testo.h"

#include <limits>

namespace ui {

long long NumeroIniziale(const QString& testo) {
  qsizetype i = 0;
  while (i < testo.size() && testo[i] == QLatin1Char(' ')) ++i;
  bool negativo = false;
  if (i < testo.size() && (testo[i] == QLatin1Char('-') || testo[i] == QLatin1Char('+'))) {
    negativo = testo[i] == QLatin1Char('-');
    ++i;
  }
  long long n = 0;
  constexpr long long kMax = std::numeric_limits<long long>::max() / 10 - 9;
  for (; i < testo.size() && testo[i] >= QLatin1Char('0') && testo[i] <= QLatin1Char('9'); ++i)
    if (n < kMax) n = n * 10 + (testo[i].unicode() - '0');
  return negativo ? -n : n;
}

}  // namespace ui
