// Delay groups on the distance archives and the statistics of one group.
//
// As of a reference draw r, distance table k gives every number of every
// wheel a combined delay: going back from r, the first time a distance n is
// met gives its delay, inherited by the number that n points to from the
// k-th number of draw r; the number's own delay (draws since it last came
// out on the wheel) is added to it. Each wheel's numbers are then ranked by
// the highest combined delay that any of the five tables gives them and cut
// into 15 groups of six. The statistics run counts, from a start draw to the
// reference draw, the draws in which at least `sorte` numbers of one group
// came out together on a ticked wheel.
//
// Every function reads only its arguments and returns a value.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "core/archivio.h"
#include "core/rsc.h"
#include "stats/statistiche.h"

namespace GruppiRitardo {

// The passes look back over 501 draws (the reference draw and 500 before
// it), never before draw 1.
inline constexpr int kProfondita = 500;
// A combined delay is at most the sum of two delays of a pass.
inline constexpr int kMaxCombinato = 2 * kProfondita;
// Numbers one cell of a delay table holds; the larger ones beyond are left
// out of that table.
inline constexpr int kPosti = 20;
inline constexpr int kGruppi = 15;
inline constexpr int kNumeriGruppo = 6;

// One delay table: per wheel w (1..10) and number N (1..90), its combined
// delay and the slot (1..20) it took in the cell of that delay; slot 0 when
// the cell was already full.
struct TabellaRitardi {
  std::array<std::array<int, 91>, 11> combinato{};
  std::array<std::array<std::uint8_t, 91>, 11> posto{};
  bool operator==(const TabellaRitardi&) const = default;
};
using TabelleRitardi = std::array<TabellaRitardi, 5>;  // [k - 1]

// The groups: gruppi[g][w][j], group g = 1..15, wheel w = 1..10, place
// j = 1..6; a number 1..90, or 0 for an empty place.
using Gruppi = std::array<std::array<std::array<std::uint8_t, kNumeriGruppo + 1>, 11>, kGruppi + 1>;

// Delay table k as of reference draw r, from the draw archive `a` and its
// distance table k `rsc`.
// REQUIRES: 1 <= k <= 5, 1 <= r <= 5000
TabellaRitardi Calcola_Ritardi_RSC(const Archivio& a, const Archivio& rsc, int k, int r);

// Ranks each wheel's numbers: for every combined delay from the highest down
// to 1, slot by slot, table by table, a number not yet ranked on the wheel
// takes the next place. A number with no combined delay above 0 in any table
// where it found a slot is in no group.
Gruppi Crea_Gruppi_Ritardo(const TabelleRitardi& t);

// The five tables and the groups as of reference draw r.
struct Situazione {
  TabelleRitardi tabelle;
  Gruppi gruppi{};
};
// REQUIRES: 1 <= r <= 5000
Situazione Calcola_Situazione(const Archivio& a, const Rsc::Tabelle& rsc, int r);

// The items of the group list, "  1 - 6" .. "85 - 90" (item i is group i + 1).
const std::array<std::string_view, kGruppi>& VociGruppi();
// The row caption of group g in the grid: "1  -  6" .. "85  -  90".
std::string EtichettaGruppo(int g);

// --- Period options -------------------------------------------------------

inline constexpr std::string_view kPartenzaOltreFine =
    "NUMERO ESTRAZIONE PARTENZA > NUMERO ESTRAZIONE FINE !";
inline constexpr std::string_view kPartenzaZero = "NUMERO ESTRAZIONE PARTENZA NON PUO' ESSERE ZERO !";
inline constexpr std::string_view kFormatoData =
    "FORMATO DATA NON VALIDO ( usare 10 crt es: 04.12.1999 ) !";
inline constexpr std::string_view kDataNonValida = "DATA NON VALIDA !";
inline constexpr std::string_view kCapolinea = "SEI ARRIVATO AL CAPOLINEA !!!";

// The start draw a typed start number gives: the number when it is not above
// the end draw, otherwise 0.
int InizioDaNumero(long long numero, int fine);

// The start draw a typed date gives: the first draw 1..riferimento dated on
// or after it. 0 when the text is shorter than 10 characters, when its day
// (characters 1-2), month (4-5) or year (the last four) are not digits or not
// a calendar date, or when no draw qualifies.
int InizioDaData(const Archivio& date, std::string_view testo, int riferimento);

// The period options as the window holds them.
enum class Limite { Nessuno, DaNumero, DaData };
struct Periodo {
  bool tutte = true;           // "Tutte": from draw 1
  Limite limite = Limite::Nessuno;
  long long numeroInizio = 0;  // the values of the two number boxes
  long long numeroFine = 0;
  std::string data;            // the start date box
};
// The check of the period options against the reference draw: the start
// draw, or the messages in the order the options box lists them. "Da Numero"
// refuses an end box below the start box, then a start of 0, then a start
// after the reference draw; "Da Data" refuses a text shorter than 10
// characters, then a date that is not a calendar date or that no draw up to
// the reference draw reaches.
// REQUIRES: p.limite != Nessuno unless p.tutte
struct EsitoPeriodo {
  int inizio = 0;
  std::vector<std::string> messaggi;
};
EsitoPeriodo ControllaPeriodo(const Archivio& date, const Periodo& p, int riferimento);

// --- Statistics run ---------------------------------------------------------

struct Opzioni {
  int gruppo = 1;  // 1..15
  int sorte = 2;   // 1 Ambata .. 5 Cinquina
  Statistiche::Ruote ruote{};
  int inizio = 1;
  int riferimento = 0;  // the last draw of the run
  std::string voceGruppo;  // the group list's item, for the report
};

// The run: for every draw inizio..riferimento and ticked wheel, the group's
// numbers among the five drawn are marked, and at least `sorte` of them make
// an event worth C(hits, sorte) presences. The report when there are events.
// REQUIRES: 1 <= inizio, riferimento <= 5000
Statistiche::Elaborazione Statistica_Gruppo(const Archivio& a, const Gruppi& gruppi, const Opzioni& o);

}  // namespace GruppiRitardo
