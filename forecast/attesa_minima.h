// Minimum-wait ambatas. A pair of numbers played as two ambatas hits in every
// draw in which at least one of its numbers comes out on the wheel; its wait
// is the run of draws without a hit. Over a range of draws this module finds,
// per wheel, the three pairs drawn together in the range whose longest wait
// was shortest, joins their numbers into one combination, gives the
// combination's presences, current and longest delay for each sorte, and
// lists the chosen pairs whose current wait has passed 75 % of their longest.
//
// Everything is computed by Elabora into one value that also holds the texts
// of the cells; the window only copies them into its grids.
#pragma once

#include <array>
#include <functional>
#include <string>
#include <vector>

#include "core/archivio.h"

namespace AttesaMinima {

inline constexpr int kPosti = 3;
inline constexpr int kSorti = 5;  // Ambata .. Cinquina

// One ranked pair of a wheel; `primo` is 0 when the place holds no pair (a
// wheel with fewer than three pairs drawn together in the range).
struct Posto {
  int primo = 0;    // the lower number
  int secondo = 0;  // the higher number
  int storico =
      0;  // longest wait: draws strictly between two hits, the first counted from the range start
  int attuale = 0;  // current wait: range end minus the last hit (0 when hit in the last draw)
  bool vuoto() const { return primo == 0; }
};
using Posti = std::array<Posto, kPosti>;

// Per sorte: presences (k-number sets of the combination drawn), draws since
// the last draw that reached the sorte, longest gap between two such draws.
struct Sorte {
  int presenze = 0;
  int ritardo = 0;
  int storico = 0;
};

// One row of the alert list.
struct Allarme {
  int ruota = 0;
  int posto = 0;  // 1..3
  // Columns 0..4: "BA  05.17", longest wait, current wait, "81,3%", and
  // "Sfuggita al Controllo" or empty.
  std::array<std::string, 5> celle;
  bool sfuggita = false;  // beyond 130 %: shown in white on red
};

// REQUIRES (everywhere below): 1 <= inizio <= fine <= 5000, valid draws of a.

// The three places of wheel `ruota`, best first: smaller longest wait, then
// larger current wait, then the pair visited first (lower numbers). Only the
// pairs whose two numbers came out together in one draw of the range compete.
Posti Calcola_Attese_Ambi(const Archivio& a, int ruota, int inizio, int fine);

// The distinct numbers of the places in the order of first appearance
// (place 1 lower, place 1 higher, place 2 lower...); empty places add none.
std::vector<int> Combinazione(const Posti& posti);

// Presences, current and longest delay of the combination on wheel `ruota`,
// indexed 1 (Ambata) .. 5 (Cinquina); a sorte never reached shows P 0, the
// range's draw count as delay and S 0.
std::array<Sorte, kSorti + 1> Statistica_Combinazione(const Archivio& a, int ruota,
                                                      const std::vector<int>& combinazione,
                                                      int inizio, int fine);

// "05.17": the pair text, two digits each, lower first.
std::string TestoCoppia(const Posto& p);
// "05.17 (45)  att.12"; empty for an empty place.
std::string TestoPosto(const Posto& p);
// "5.17.23.40".
std::string TestoCombinazione(const std::vector<int>& combinazione);
// "P:41  R:3  S:17".
std::string TestoSorte(const Sorte& s);

// The alerts, in wheel order and within a wheel in place order: every placed
// pair whose current wait exceeds 75 % of its longest wait (none when either
// is 0); beyond 130 % it has escaped control.
std::vector<Allarme> Allarmi(const std::array<Posti, 11>& posti);

// A whole computation over the range.
struct Elaborazione {
  int inizio = 0;
  int fine = 0;
  std::array<Posti, 11> posti{};                          // [wheel 1..10]
  std::array<std::vector<int>, 11> combinazioni{};        // [wheel 1..10]
  std::array<std::array<Sorte, kSorti + 1>, 11> sorti{};  // [wheel 1..10][sorte 1..5]
  // Texts of the body of the ranking grid, [row 1..9][wheel 1..10]: rows 1-3
  // the places, 4 the combination, 5-9 the sortes. No "{}": clang 14 crashes
  // on a value-initialised nested array of strings; each starts empty anyway.
  std::array<std::array<std::string, 11>, 10> celle;
  std::vector<Allarme> allarmi;
};

// Runs the whole computation. `avanzamento`, when given, receives the
// progress on a 0..120 scale: 10 x w after ranking wheel w, 100 + 2 x w after
// its statistics.
Elaborazione Elabora(const Archivio& a, int inizio, int fine,
                     const std::function<void(int)>& avanzamento = {});

}  // namespace AttesaMinima
