// Name tables of wheels, months and weekdays (UTF-8), indexed from 1 as the
// archive numbers them; entry 0 is empty.
#pragma once

#include <array>
#include <string_view>

namespace Inizio {

inline constexpr std::array<std::string_view, 11> NomiRuote = {
    "", "BARI", "CAGLIARI", "FIRENZE", "GENOVA", "MILANO",
    "NAPOLI", "PALERMO", "ROMA", "TORINO", "VENEZIA"};

inline constexpr std::array<std::string_view, 13> NomiMesi = {
    "",       "GENNAIO", "FEBBRAIO",  "MARZO",   "APRILE",   "MAGGIO",  "GIUGNO",
    "LUGLIO", "AGOSTO",  "SETTEMBRE", "OTTOBRE", "NOVEMBRE", "DICEMBRE"};

// Sunday = 1.
inline constexpr std::array<std::string_view, 8> NomiGiorni = {
    "", "Domenica", "Lunedì", "Martedì", "Mercoledì", "Giovedì", "Venerdì", "Sabato"};

}  // namespace Inizio
