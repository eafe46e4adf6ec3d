// The program's own copy of the real draws (data/estrazioni.csv): one row per
// draw and wheel, "date,wheel,n1,n2,n3,n4,n5", ten rows a draw in wheel order.
// The layout is described in docs/formats/estrazioni.md.
#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

#include "core/archivio.h"
#include "core/esito.h"

namespace EstrazioniCsv {

// The largest file taken: about 40 bytes a row and ten rows a draw make a
// century of draws a few megabytes.
inline constexpr std::uintmax_t kMassimoByte = 64 * 1024 * 1024;

// Reads the rows into draws, oldest first. Refuses (with the Italian reason
// and the line number) a missing header, a file without draws, a malformed
// row, a wheel out of order, a draw with fewer than ten wheels, a number
// outside 1..90 or repeated within its wheel, an empty or invalid date, a
// year the archive cannot hold (formato::kPrimoAnno..kUltimoAnno), a date
// repeated after its ten rows ("data ripetuta"), and dates not strictly
// increasing. On success holds at least one draw. Lines may end
// in CR LF or LF.
Risultato<std::vector<Estrazione>> Decodifica(std::string_view testo);

// The rows of the draws, with the header, LF line ends (the file's form).
std::string Codifica(const std::vector<Estrazione>& estrazioni);

}  // namespace EstrazioniCsv
