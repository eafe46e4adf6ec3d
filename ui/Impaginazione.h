// How a report's lines go on paper: the point size of the whole job and the
// lines as printed, so that every character stays inside the printable width.
//
// The rule, for a fixed-pitch font: the job prints at its nominal size when
// its widest line fits; otherwise at the largest size, in steps of half a
// point, at which the widest line fits, but never below kPuntiMinimi. Past
// that size a line too long for the paper goes on over the following lines,
// each kRientro blanks past the line's own indent when kSpazioSotto columns
// or more are left there and the piece's first word fits in them, else
// kRientro blanks from the left edge. A printed line ends at the last blank,
// or after the last "." or ",", that fits, so that numbers and words stay
// whole; only a word longer than the room from the left edge is cut there,
// and goes on at the left edge. The blanks at a break are not printed; blanks
// that reach the edge before the first character do not make a line of their
// own (the line starts as a continuation). No other character is ever
// dropped, no printed line is empty or holds the indent alone, and when
// nothing is continued the printed lines are the report's lines one for one.
#pragma once

#include <QString>
#include <QStringList>
#include <functional>

namespace ui {

// 7 points is the smallest size at which fixed-pitch text stays readable on
// paper; at it an A4 page with the usual margins holds some 130 columns,
// enough for most report lines but not for all: a method tester's hit lines
// under a long forecast reach 159 characters and go on over the next line.
inline constexpr double kPuntiMinimi = 7.0;
inline constexpr double kPassoPunti = 0.5;
// Continued lines start this many blanks in, so that the eye sees them as the
// rest of the line above.
inline constexpr int kRientro = 4;
// The room a continued line needs under its line's text; with less it starts
// near the left edge instead, where its words do not break up into a column.
inline constexpr int kSpazioSotto = 40;

struct Impaginazione {
  double punti = 0;   // the size the whole job prints at
  int colonne = 0;    // the characters one printed line holds at that size
  QStringList righe;  // the printed lines
};

// The layout of `righe` for a font of nominal size `punti` on a printable
// width `larghezza`. `avanzamento(p)` is the width of one character of the
// font at p points, in the units of `larghezza`. Blanks at the end of a line
// take no room on paper and do not count toward its width.
Impaginazione Impagina(const QStringList& righe, double punti, double larghezza,
                       const std::function<double(double)>& avanzamento);

}  // namespace ui
