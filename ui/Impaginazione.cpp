#include "ui/Impaginazione.h"

#include <algorithm>
#include <cmath>

namespace ui {
namespace {

// The characters that print: the line without its trailing blanks.
qsizetype Lunghezza(const QString& riga) {
  qsizetype n = riga.size();
  while (n > 0 && riga[n - 1] == QLatin1Char(' ')) --n;
  return n;
}

int Colonne(double larghezza, double carattere) {
  if (carattere <= 0) return kRientro + 1;
  // A hair of tolerance so that a line that fits exactly is not broken by
  // the rounding of the measures.
  const double n = std::floor(larghezza / carattere + 1e-9);
  return static_cast<int>(std::clamp(n, double(kRientro + 1), 1e6));
}

}  // namespace

Impaginazione Impagina(const QStringList& righe, double punti, double larghezza,
                       const std::function<double(double)>& avanzamento) {
  qsizetype piuLunga = 0;
  for (const QString& r : righe) piuLunga = std::max(piuLunga, Lunghezza(r));

  Impaginazione out;
  out.punti = punti;
  while (out.punti - kPassoPunti >= kPuntiMinimi - 1e-9 &&
         Colonne(larghezza, avanzamento(out.punti)) < piuLunga)
    out.punti -= kPassoPunti;
  out.colonne = Colonne(larghezza, avanzamento(out.punti));

  const QString rientro(kRientro, QLatin1Char(' '));
  const qsizetype seguito = out.colonne - kRientro;
  for (const QString& r : righe) {
    const qsizetype n = Lunghezza(r);
    if (n <= out.colonne) {
      out.righe << r;
      continue;
    }
    out.righe << r.left(out.colonne);
    for (qsizetype i = out.colonne; i < n; i += seguito)
      out.righe << rientro + r.mid(i, std::min(seguito, n - i));
  }
  return out;
}

}  // namespace ui
