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

bool Bianco(QChar c) { return c == QLatin1Char(' '); }

// The end of the piece of `riga` that starts at `da` (a printing character)
// when `n` characters fit and the line goes on past them: after the last
// blank, "." or "," that fits; 0 when there is none.
qsizetype Taglio(const QString& riga, qsizetype da, qsizetype n) {
  for (qsizetype k = da + n; k > da; --k) {
    const QChar prima = riga[k - 1];
    if (Bianco(riga[k]) || prima == QLatin1Char('.') || prima == QLatin1Char(',')) return k;
  }
  return 0;
}

// Appends the piece of `riga` from `da` to `fine`, after `rientro`, and
// returns where the next piece starts: past the blanks of the break.
qsizetype Pezzo(QStringList& out, const QString& riga, const QString& rientro, qsizetype da,
                qsizetype fine) {
  qsizetype ultimo = fine;
  while (Bianco(riga[ultimo - 1])) --ultimo;
  out << rientro + riga.mid(da, ultimo - da);
  while (fine < riga.size() && Bianco(riga[fine])) ++fine;
  return fine;
}

// Appends the printed lines of a line of `n` printing characters, more than
// `colonne`.
void Continua(QStringList& out, const QString& riga, qsizetype n, qsizetype colonne) {
  qsizetype da = 0;
  while (Bianco(riga[da])) ++da;
  // The line keeps its own indent where a piece fits after it; a line that
  // starts with a word wider than the paper is cut at the edge; otherwise
  // the line starts as a continuation.
  qsizetype fine = da < colonne ? Taglio(riga, da, colonne - da) : 0;
  if (fine == 0 && da == 0) fine = colonne;
  // A continued piece starts a little past the line's own indent, under its
  // text, where enough room is left there and its first word fits in it;
  // else near the left edge, where a long word stays whole. The rest of a
  // word cut at the edge goes on there too.
  const qsizetype sotto = da + kRientro;
  const bool spazio = colonne - sotto >= kSpazioSotto;
  bool tagliata = false;
  if (fine > 0) da = Pezzo(out, riga, QString(), 0, fine);
  while (da < n) {
    qsizetype seguito = colonne - sotto;
    if (!spazio || tagliata || (n - da > seguito && Taglio(riga, da, seguito) == 0))
      seguito = colonne - kRientro;
    fine = n - da <= seguito ? n : Taglio(riga, da, seguito);
    tagliata = fine == 0;
    da = Pezzo(out, riga, QString(colonne - seguito, QLatin1Char(' ')), da,
               fine > 0 ? fine : da + seguito);
  }
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

  for (const QString& r : righe) {
    const qsizetype n = Lunghezza(r);
    if (n <= out.colonne)
      out.righe << r;
    else
      Continua(out.righe, r, n, out.colonne);
  }
  return out;
}

}  // namespace ui
