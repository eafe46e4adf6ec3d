// Cadences, decades and figures: for a reference draw, a cycle of N draws
// ending with it and a sorte S (1 Ambata .. 5 Cinquina), how often each class
// of numbers came out with at least S numbers on each wheel within the cycle
// (presences) and how many draws have passed since it last did (delay);
// the colours that the highlighting options give each cell; the option
// checks; and the report file output.txt.
//
// Classes: the ten cadences (units digit; column 10 is cadence 0), the nine
// decades (tens digit, 90 with 1..9) and the nine figures (repeated digit sum).
#pragma once

#include <array>
#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "core/archivio.h"
#include "core/esito.h"

namespace CadenzeDecineFigure {

// The six grids in the order of the report: presences, then delays.
enum Griglia { PCad, PDec, PFig, RCad, RDec, RFig };
inline constexpr int kGriglie = 6;

// Number of class columns of a grid: 10 for cadences, 9 otherwise.
int Classi(int griglia);
// Heading of class column k (1..Classi): "1".."9","0" for cadences, "0".."8"
// for decades, "1".."9" for figures.
std::string IntestazioneClasse(int griglia, int k);
// Heading of wheel row w (1..10): "Ba", "Ca", ..., "Ve".
std::string IntestazioneRuota(int w);
// "CADENZE", "DECINE" or "FIGURE".
std::string NomeClasse(int griglia);

// Messages of the cycle checks.
inline constexpr std::string_view kCicloZero = "Numero Ciclo non può essere Zero !";
inline constexpr std::string_view kCicloZeroPassi = "Ciclo Estrazioni non può essere Zero !";
inline constexpr std::string_view kCicloLungo = "Ciclo Estrazioni > Numero Estrazioni !";

// The check before a computation: a cycle of 0 is refused (kCicloZero), and
// so is a cycle that would reach before draw 1 or a reference draw past the
// archive's last draw (kCicloLungo).
Esito ControllaCiclo(int ciclo, int riferimento, int totEstrazioni);

// The highlighting options: check boxes and their thresholds.
struct Evidenziazione {
  bool CkPreMin = true;
  int TxMinP = 5;
  bool CkPreMax = false;
  int TxMaxP = 10;
  bool CkRitMax = true;
  int TxMaxR = 8;
  bool operator==(const Evidenziazione&) const = default;
};
// The defaults that choosing sorte S (1..5) sets.
Evidenziazione ValoriSorte(int sorte);

// Colours as &HBBGGRR values.
struct Colori {
  std::uint32_t sfondo = 0xFFFFFF;
  std::uint32_t testo = 0;
  bool operator==(const Colori&) const = default;
};
Colori Colora_Presenza(int presenze, const Evidenziazione& ev);
Colori Colora_Ritardo(int ritardo, const Evidenziazione& ev);

// One grid: value and colours of each cell, [w][k] for wheel 1..10 and class
// 1..Classi(griglia); row and column 0 unused.
struct TabellaClassi {
  std::array<std::array<int, 11>, 11> valore{};
  std::array<std::array<Colori, 11>, 11> colori{};
};

struct Calcolo {
  int riferimento = 0;
  int ciclo = 0;
  int primaEstrazione = 0;      // riferimento - ciclo + 1
  std::string dataRiferimento;  // "5.1.1999"
  // Status bar: "Inizio estr.: N° 1 del 5/1/1999", "Fine estr.: N° 20 del 18/5/1999".
  std::array<std::string, 2> barraStato;
  std::array<TabellaClassi, kGriglie> griglie;
};

// The computation for the cycle of `ciclo` draws ending with `riferimento`,
// sorte `sorte`, on the window's copy `copia` of `totEstrazioni` draws. A
// class earns one presence per draw and wheel in which it reaches `sorte`
// numbers, and its delay is reset in that draw; a class that never does has
// delay `ciclo`. Refused as ControllaCiclo says.
// REQUIRES: 1 <= sorte <= 5
Risultato<Calcolo> Calcola_Cadenze_Decine_Figure(const Archivio& copia, int totEstrazioni,
                                                 int riferimento, int ciclo, int sorte,
                                                 const Evidenziazione& ev);

// The lines of output.txt for a computation and the text of the cycle box as
// typed; a number wider than two digits widens its field.
std::vector<std::string> RigheOutput(const Calcolo& c, std::string_view testoCiclo);

// Writes the lines to output.txt in the folder (Windows-1252, CR LF),
// atomically; on failure returns the reason and leaves any old file as it was.
// The file is the program's own, rewritten at every print without asking: a
// symbolic link of that name is replaced, never written through.
Esito ScriviOutput(const std::filesystem::path& cartellaProgramma,
                   const std::vector<std::string>& righe);

}  // namespace CadenzeDecineFigure
