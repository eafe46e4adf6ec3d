// The texts that show one draw: the date label, the index label, the
// SuperEnalotto line and the last-draw line of the archive editor, and the
// eight-character wheel names of the printout and the draw report.
//
// Every function reads the archive only; texts are UTF-8.
#pragma once

#include <array>
#include <string>
#include <string_view>

#include "core/archivio.h"

namespace Estrazioni {

// Wheel names padded to eight characters, 1 = "Bari    " .. 10 = "Venezia ".
inline constexpr std::array<std::string_view, 11> NomiRuote8 = {
    "",         "Bari    ", "Cagliari", "Firenze ", "Genova  ", "Milano  ",
    "Napoli  ", "Palermo ", "Roma    ", "Torino  ", "Venezia "};

// Two digits with a leading zero: 5 -> "05", 0 -> "00".
std::string DueCifre(int n);

// LbData: day.month.year and the weekday in three letters, "5.1.1999 (Mar)".
// REQUIRES: record d holds a valid date.
std::string TestoData(const Archivio& a, int d);

// LbIndice: "3067 / 3070".
std::string TestoIndice(int d, int totEstrazioni);

// LbSuper: "Colonna SuperEnalotto  :  " then each number of the derived
// SuperEnalotto draw in ascending order followed by " - ", then "Jolly " and
// the jolly. Missing numbers (0) are not listed. The derivation is the one of
// Inizio::Deriva_SuperEnalotto, the same the rest of the program uses.
std::string TestoSuperEnalotto(const Archivio& a, int d);

// Panel 1 of the status bar: "Ultima Estrazione : " and the long label of the
// last draw.
// REQUIRES: 1 <= totEstrazioni, record totEstrazioni holds a valid date.
std::string TestoUltimaEstrazione(const Archivio& a, int totEstrazioni);

}  // namespace Estrazioni
