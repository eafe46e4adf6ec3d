// The method-line corrector's model: a Pronostico line laid out as the
// corrector's rows and rebuilt from them, and the one-line hand-off file
// between the tester and the corrector.
//
// The line is read by its grammar: the sorte letters, the calculation-draw
// code and one row per term (position, wheel, sign, fixed number), each row
// remembering whether it continues the Elemento of the row before (the terms
// were joined by ","). Rebuilding rows that were not changed gives the line
// back byte for byte.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "core/esito.h"

namespace metodi {

inline constexpr int kRigheCorrezione = 10;
inline constexpr std::string_view kFileRiporto = "riporto.txt";
// riporto.txt holds one method line, which the tester never lets grow beyond
// a few thousand characters: a larger file is refused unread.
inline constexpr std::uintmax_t kMassimoByteRiporto = 64 * 1024;

// One row: the texts its four lists show, empty when nothing is chosen.
struct RigaCorrezione {
  std::string estratto;  // "1°".."5°"
  std::string ruota;     // "BA".."VE"
  std::string segno;     // "+" or "-"
  std::string fisso;     // " 0".." 9" for one digit, otherwise the two digits as written
  bool unita = false;    // continues the Elemento of the filled row before it

  // How many of the four lists show a text.
  int Scelti() const;
  bool operator==(const RigaCorrezione&) const = default;
};

struct Correzione {
  std::string sorte;   // the sorte letters ("M", "MA")
  std::string codice;  // the code followed by "M" ("1M", "UM", "TM")
  std::array<RigaCorrezione, kRigheCorrezione> righe;

  bool operator==(const Correzione&) const = default;
};

// The rows of a line. Fails with an Italian reason when the line does not
// follow the grammar of a Pronostico line or has more terms than rows.
Risultato<Correzione> LeggiCorrezione(std::string_view riga);

struct RigaCorretta {
  std::string riga;
  std::vector<std::string> avvisi;  // one message per step the sorte was lowered
};

// The line of the rows: the sorte, two blanks, the code, two blanks, the
// filled rows in order, joined by "," where a row continues an Elemento and
// by " & " otherwise; empty rows are skipped. A one-letter sorte is lowered
// step by step (Cinquina to Quaterna ... Ambo to Ambata), each step with its
// message, while the wheel list of the row it needs (row 2 for an Ambo, 3
// for a Terno, 4, 5) is empty. Fails, without
// a line, on the first row with some lists chosen and not all ("Riga n°3
// incompleta") and when no row is filled.
Risultato<RigaCorretta> ScriviCorrezione(const Correzione& c);

// The hand-off file: the line and CR LF, in Windows-1252.
std::string ScriviRiporto(std::string_view riga);
// The first line of the hand-off file (UTF-8); empty when it holds none.
std::string LeggiRiporto(std::string_view bytes);

}  // namespace metodi
