// The statistics of the draw's day: does the number equal to the day of the
// month of a draw's date (5 on the 5th, 31 on the 31st) come out in that very
// draw on the ticked wheels? Each such wheel makes one event; the report adds
// to the shared lines the distribution of the events by wheel and by month.
//
// Every function reads only its arguments and returns a value.
#pragma once

#include "core/archivio.h"
#include "stats/statistiche.h"

namespace StatisticaData {

// The run over draws inizio..fine: on each ticked wheel the first position
// holding the day's number is marked and makes an event (one presence).
// `caselle` is the count of ticked boxes, "TUTTE" included: with 2 or more
// the report lists the distribution by wheel. The report when there are
// events.
// REQUIRES: 1 <= inizio, fine <= 5000, every draw in between valid
Statistiche::Elaborazione Statistica_Data(const Archivio& a, int inizio, int fine,
                                          const Statistiche::Ruote& ruote, int caselle);

}  // namespace StatisticaData
