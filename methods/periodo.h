// Calculation draws and the back-test period.
//
// A method's line names its calculation draws by a code: every draw (0), the
// n-th draw of each month (1..9) or the last draw of each month (99). The
// period turns the tester's start month and year and its end option into the
// first and last calculation draw of the test.
#pragma once

#include "core/archivio.h"
#include "core/indici.h"
#include "methods/file_metodo.h"

namespace metodi {

// The archive as the tester sees it since it opened. The referenced objects
// must outlive this value.
struct Base {
  const Archivio* archivio = nullptr;
  const Indici* indici = nullptr;
  int ultima = 0;                 // the last valid draw (0: none)
  bool ultimaChiudeMese = false;  // the last valid draw is taken as the last of its month
};

// The last valid draw and whether it closes its month: it does when its day
// plus the gap to the next draw (3 days from a Wednesday, 4 otherwise)
// passes the month's end (February has 29 days in leap years).
Base PreparaBase(const Archivio& a, const Indici& indici);

// Whether draw d is a calculation draw for the code: every draw for 0; the
// draw whose ordinal in its month is the code; for 99, a draw followed by the
// first draw of a month, or the last valid draw when it closes its month.
// REQUIRES: 1 <= d <= b.ultima
bool Qualifica(const Base& b, int d, int codice);

struct Periodo {
  int inizio = 0;  // first calculation draw; 0 = no period
  int fine = 0;    // last calculation draw
  // A period that holds at least one draw (a reversed one holds none).
  bool valido() const { return inizio > 0 && fine >= inizio; }
};

// The period for the smallest code of the method's lines. With code 0 it
// starts at the first draw of the start year (the start month is not read)
// and its end follows code 99. Returns {0, 0} when the start or the end
// month holds no calculation draw.
// REQUIRES: the year entries of `o` name entries of b.indici->AnniArchivio
Periodo Calcola_Periodo(const Base& b, const Opzioni& o, int codiceMinimo);

}  // namespace metodi
