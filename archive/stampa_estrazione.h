// The printout of one draw: the sixteen lines of Stampa.txt and their writing.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "core/archivio.h"
#include "core/esito.h"

namespace Estrazioni {

inline constexpr const char* kFileStampa = "Stampa.txt";

// The sixteen lines (UTF-8) for draw d: 22 blanks, the title and a blank; an
// empty line; "Estrazione n. " d " del " and the date label; an empty line;
// one line per wheel (the 8-character name, then for each position a blank
// and two digits, "00" for a missing number); an empty line; the
// SuperEnalotto line.
// REQUIRES: 1 <= d <= 5000 and record d holds a valid date.
std::vector<std::string> RigheStampa(const Archivio& a, int d, std::string_view titolo);

// Writes the lines as Stampa.txt into `cartella` (Windows-1252, CR LF, atomic).
// Returns the reason on failure; the old file, if any, is then left as it was.
// The file is the program's scratch copy, rewritten at every print: a
// symbolic link of that name is replaced, never written through.
Esito ScriviStampa(const std::filesystem::path& cartella, const std::vector<std::string>& righe);

}  // namespace Estrazioni
