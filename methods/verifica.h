// The back-test of a method and its report.
//
// Esegui plays every line of the method from each of its calculation draws
// in the period, on every chosen wheel, for the chosen colpi, and returns
// what happened (the cycles, their wins, the month separations and the
// totals) without building any text. Rapporto turns that result into the
// report text, once.
//
// A cycle is one line played from one calculation draw on one wheel. It wins
// at a colpo (a later draw) where at least as many forecast values came out
// as the line's lowest sorte needs; it is in corso when the archive ended
// before its colpi, negative otherwise. A method-wide cycle is a calculation
// draw at which at least one cycle was played.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "methods/file_metodo.h"
#include "methods/periodo.h"
#include "methods/pronostico.h"
#include "methods/regole.h"
#include "methods/tavola.h"

namespace metodi {

struct Totali {
  int cicli = 0;
  int positivi = 0;
  int multipli = 0;  // winning colpi of a line; positive draws of the method
  int inCorso = 0;
  int colpi = 0;
  int maxAttesa = 0;    // latest winning colpo
  int minAttesa = 100;  // earliest winning colpo (100 while none)

  bool operator==(const Totali&) const = default;
};

// One line played from one calculation draw (shared by its wheels).
struct Giocata {
  int riga = 0;        // 0-based place of the line in the method
  int estrazione = 0;  // the calculation draw
  int valori = 0;      // first of its forecast values in Verifica::valori
  int nValori = 0;
};

struct Ciclo {
  std::int32_t giocata = 0;       // index into Verifica::giocate
  std::int32_t primaVincita = 0;  // first of its winning colpi in its wheel's list of wins
  std::int16_t colpi = 0;         // colpi played (up to the first win when interrupted)
  std::uint8_t ruota = 0;         // 1..10
  std::uint8_t vincite = 0;       // at most one per colpo
};

struct Verifica {
  Periodo periodo;               // invalid: nothing was played
  int righe = 0;                 // lines of the method, valid or not
  std::vector<Giocata> giocate;  // in playing order: by calculation draw, then line
  std::vector<std::uint8_t> valori;
  std::vector<int> ruote;  // the wheels played, ascending
  // Cycle of play g on the k-th wheel at [k * giocate.size() + g]; the
  // cycles of a play are played in wheel order.
  std::vector<Ciclo> cicli;
  // Winning colpo numbers per wheel (k as in ruote), each cycle's together, ascending.
  std::vector<std::vector<std::int16_t>> vincite;
  std::vector<int> separatori;     // a month separation before play g (repeats allowed)
  std::vector<Totali> totaliRiga;  // per line
  Totali totali;                   // the method as a whole

  const Ciclo& ciclo(std::size_t g, std::size_t k) const { return cicli[k * giocate.size() + g]; }
  // The winning colpi of that cycle.
  std::span<const std::int16_t> colpiVincenti(std::size_t g, std::size_t k) const {
    const Ciclo& c = ciclo(g, k);
    return {vincite[k].data() + c.primaVincita, c.vincite};
  }
};

// The back-test. `righe` holds every line of the method: the lines that do
// not parse (nullopt) are neither played nor counted in the smallest code.
// The chosen wheels are those ticked (value 1) among o.ruote[0..9].
// REQUIRES: b.ultima == t.ultima() >= 1, the year entries of `o` within the
// archive's year list
Verifica Esegui(const Base& b, const Tavola& t, const Regole& r,
                const std::vector<std::optional<Pronostico>>& righe, const Opzioni& o);

// Reports longer than this stop, as a text pane that cannot hold them would.
inline constexpr std::size_t kLimiteRapporto = 64u << 20;

struct Rapporto {
  std::string testo;     // UTF-8, every line ended by CR LF
  bool completo = true;  // false: stopped at the limit, without totals
};

// The report of a back-test: a line per win, per negative cycle (unless only
// positive cases are shown) and per cycle in corso, empty lines between
// months, then the totals (per line too when asked).
// REQUIRES: v comes from Esegui with the same righe, base, table, rules and options
Rapporto ScriviRapporto(const Verifica& v, const std::vector<std::optional<Pronostico>>& righe,
                        const Base& b, const Tavola& t, const Regole& r, const Opzioni& o,
                        std::size_t limite = kLimiteRapporto);

// "Sab 09/01/1999": weekday, day, month and year of a draw.
std::string DataCiclo(const Archivio& a, int d);

}  // namespace metodi
