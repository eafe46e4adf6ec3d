// Numbers per wheel table: for each wheel and for all wheels together
// ("TUTTE"), the current delay, the longest gap and the appearances of every
// number as of a chosen draw, on the draw archive or on a distance archive;
// the order of the rows when sorted on a column, and the saved text file.
#pragma once

#include <array>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "core/archivio.h"
#include "core/esito.h"

namespace EstrattiRuota {

// Row 11 of the tables: all ten wheels together.
inline constexpr int kTutte = 11;

// [w][x]: wheel 1..10 or kTutte, number 1..90; row and column 0 unused.
using TabellaEstratti = std::array<std::array<int, 91>, kTutte + 1>;

struct Tabelle {
  // Draws between the latest appearance of x on w in draws 1..daQuando and
  // daQuando (0 when drawn in daQuando itself); daQuando when x never came
  // out in those draws.
  TabellaEstratti RitRuota{};
  // Largest difference between the indices of two consecutive appearances in
  // inizio..daQuando; row kTutte takes the gaps between distinct draws in
  // which x came out on any wheel.
  TabellaEstratti StoRuota{};
  // Appearances in inizio..daQuando; row kTutte counts one per wheel.
  TabellaEstratti PreRuota{};
};

// The three tables as of draw `daQuando` for the range start `inizio`, on the
// chosen image. Presences and gaps are all 0 when daQuando < inizio.
// REQUIRES: 1 <= inizio, 1 <= daQuando <= 5000
Tabelle Calcola_Storici_e_Presenze(const Archivio& scelto, int inizio, int daQuando);

// Sort columns, as the grid numbers them.
enum Colonna { Numero = 1, Ritardo = 2, Storico = 3, Presenza = 4 };

// The numbers 1..90 of wheel `ruota` in shown order: ascending on Numero and
// descending on the other columns, both reversed when `inverso`; equal keys
// always by number ascending.
// REQUIRES: 1 <= ruota <= kTutte, Numero <= colonna <= Presenza
std::array<int, 90> Ordine(const Tabelle& t, int ruota, int colonna, bool inverso);

// "Ruota di BARI" .. "Ruota di VENEZIA", or "TUTTE" for kTutte.
std::string Etichetta(int ruota);

// The lines of the saved table: "<TITOLO> - Estrazioni per Ruota" (followed
// by "Rsc k" on distance archive k), an empty line, the wheel label, an empty
// line, the heading "  POS  NUM  RIT  STO  PRE", 30 "-", and the 90 rows in
// shown order, each five fields right-aligned in 5 characters.
// REQUIRES: 0 <= fileScelto <= 5, others as Ordine
std::vector<std::string> RigheFile(std::string_view titolo, int fileScelto, const Tabelle& t,
                                   int ruota, int colonna, bool inverso);

// Reads the chosen source from the data folder: archivio.dat (fileScelto 0)
// or Rsc<k>.dat (fileScelto k), checked; never creates a file.
Risultato<Archivio> LeggiSorgente(const std::filesystem::path& cartellaDati, int fileScelto);

}  // namespace EstrattiRuota
