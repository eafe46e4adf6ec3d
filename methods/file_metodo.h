// Method files (".mtd"): the tester's options and its Pronostico lines.
//
// A file is text in Windows-1252 with CR LF line ends ("°" is the byte 0xB0).
// Line 1 is the options line, 34 digit columns (docs/formats/metodo.md); every
// further line is one Pronostico line. A reader takes any line that starts
// with a digit as an options line and any other line, blanks trimmed, as a
// Pronostico line; it accepts CR LF, LF or CR and UTF-8 input.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/esito.h"

namespace metodi {

// The options frame of the tester, as the options line stores it.
struct Opzioni {
  std::array<int, 2> mese{0, 0};  // entry of the month lists, 0 = GENNAIO (start, end)
  std::array<int, 2> anno{0, 0};  // entry of the year lists, 0 = the archive's first year
  int fine = 1;                   // 0 "A", 1 "Fino ad Ultima Estrazione", 2 "Numero Cicli"
  int colpi = 10;                 // 1..100
  // Check boxes: 0 clear, 1 ticked, 2 greyed (which counts as not ticked).
  int interrompi = 1;
  int positivi = 0;
  int riepilogo = 0;
  int parziali = 0;
  std::array<int, 11> ruote{};  // "BARI".."VENEZIA", then "TUTTE"
  int cicli = 1;                // 1..100

  bool operator==(const Opzioni&) const = default;
};

inline constexpr std::size_t kLunghezzaOpzioni = 34;
inline constexpr std::size_t kLunghezzaMinimaOpzioni = 31;  // without the cycles field

// The 34-character options line.
std::string RigaOpzioni(const Opzioni& o);

// Reads an options line against an archive of `anni` years. A year entry
// beyond the list becomes the last year; a line of 31 to 33 characters has
// no period end and cycles fields: it ends at the end month and year ("A")
// with 1 cycle. Fails, naming every faulty field, when the line is shorter
// than 31 characters, a read column is not a digit, or a field is out of
// range (month above 11, end option above 2, colpi or cycles outside
// 1..100, a check above 2).
// REQUIRES: anni >= 1
Risultato<Opzioni> LeggiRigaOpzioni(std::string_view riga, int anni);

struct FileMetodo {
  std::optional<Opzioni> opzioni;  // the last options line of the file
  std::vector<std::string> righe;  // Pronostico lines, UTF-8, blanks trimmed
};

// The file's bytes: the options line, then the lines unchanged.
std::string ScriviFileMetodo(const Opzioni& o, const std::vector<std::string>& righe);

// Reads a whole file. Fails, listing every faulty line ("Riga 3: ...", one per
// text line), when an options line is faulty or a line holds control
// characters (not a text file).
Risultato<FileMetodo> LeggiFileMetodo(std::string_view bytes, int anni);

// The method's name: the file name without its folder and its ".mtd"
// extension (any letter case). Fails when the extension is another.
Risultato<std::string> NomeMetodo(std::string_view percorso);

}  // namespace metodi
