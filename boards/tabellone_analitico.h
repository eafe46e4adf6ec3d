// Analytic delay boards: where every number (or, on a distance archive, every
// distance) last came out on every wheel as of a reference draw, one row per
// delay and one cell per wheel and position. The same scan serves the board
// of the draw archive and the boards of the five distance archives; the cell
// details of both are built here too.
//
// Every function reads only its arguments and returns a value.
#pragma once

#include <array>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "core/archivio.h"
#include "core/esito.h"
#include "core/ritardi_ruote.h"

namespace Tabelloni {

// Delays 0..kUltimaRigaMostrata are shown; a number first met further back
// than that is not on the board.
inline constexpr int kUltimaRigaMostrata = 300;
inline constexpr int kColonne = 50;

// Wheel w (1..10) and position p (1..5) of a board column c = 5(w - 1) + p.
constexpr int ColonnaDi(int w, int p) { return 5 * (w - 1) + p; }
constexpr int RuotaDiColonna(int c) { return (c + 4) / 5; }

// One board row: its delay and the value of each of the 50 cells, cella[c - 1]
// for column c; 0 = empty cell.
struct RigaTabellone {
  int ritardo = 0;
  std::array<std::uint8_t, kColonne> cella{};
  bool operator==(const RigaTabellone&) const = default;
};

// The rows that hold at least one value, in increasing delay.
using Tabellone = std::vector<RigaTabellone>;

// The board of `immagine` (the draw archive or a distance archive) as of
// draw `riferimento`, scanning back to `inizio`: a value stands in the row of
// the draws between its latest appearance on a wheel and the reference draw,
// under the position it then had. Empty when riferimento < inizio. Values
// above 90 (a damaged image) are ignored.
// REQUIRES: 1 <= inizio, riferimento <= 5000
Tabellone Scansiona(const Archivio& immagine, int inizio, int riferimento);

// The analytic board of the draw archive, with the presences and longest
// gaps of every number on every wheel over inizio..riferimento computed on
// the same copy, for the cell details.
struct TabelloneAnalitico {
  Tabellone righe;
  StoriciPresenze storici;
};
// REQUIRES: as Scansiona
TabelloneAnalitico Crea_Tabellone_Analitico(const Archivio& copia, int inizio, int riferimento);

// The five detail lines of the cell in column `colonna` (1..50) of row
// `riga` (an index into t.righe) of the analytic board: "Ruota di BARI",
// "Numero 12", "Ritardo 3", "Storico 40", "Presenze 9". Nothing for an empty
// cell or a position outside the board.
std::optional<std::array<std::string, 5>> DettagliTabAna(const TabelloneAnalitico& t,
                                                         std::size_t riga, int colonna);

// The board of a distance archive (the same scan on its own copy).
// REQUIRES: as Scansiona
inline Tabellone Crea_Tabellone_RSC(const Archivio& copiaRSC, int inizio, int riferimento) {
  return Scansiona(copiaRSC, inizio, riferimento);
}

// The number that distance F points to from e, the k-th number of the
// reference draw on the same wheel: e + F, less 90 above 90; F itself when e
// is 0.
int NumeroPuntato(int e, int fisso);

// The five detail lines of a cell of the board of distance archive k:
// "Ruota di BARI", "Ritardo 12", "Fisso 17", "Corrispondente al 3", "( 76 )",
// where e is read from `archivio` (the draw archive) at draw `riferimento`.
// Nothing for an empty cell or a position outside the board.
// REQUIRES: 1 <= k <= 5, 1 <= riferimento <= 5000
std::optional<std::array<std::string, 5>> DettagliTabellone1(const Tabellone& t,
                                                             const Archivio& archivio,
                                                             int riferimento, int k,
                                                             std::size_t riga, int colonna);

// Reads Rsc<k>.dat from the folder and checks it: exactly 275000 bytes, at
// least one draw, every distance of its draws 0..90. Never creates the file.
// On failure returns the Italian reason.
// REQUIRES: 1 <= k <= 5
Risultato<Archivio> LeggiArchivioRSC(const std::filesystem::path& cartella, int k);

}  // namespace Tabelloni
