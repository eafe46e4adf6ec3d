// Byte layout of the draw archive image, shared by archivio.dat, Rsc1.dat..Rsc5.dat
// and every in-memory copy. The layout is described in docs/formats/archivio.md.
//
// The image is 5000 records (draws) x 11 wheels x 5 positions, one byte each,
// with the draw index running fastest: byte (d, w, p) lies at
// (d - 1) + 5000 * w + 55000 * (p - 1). There is no header.
#pragma once

#include <cstddef>

namespace formato {

inline constexpr int kRecord = 5000;       // records of every image; draws are 1..4999
inline constexpr int kMaxEstrazioni = 4999;  // a free record must follow the last draw
inline constexpr int kRuote = 10;          // wheels 1..10; wheel 0 holds the date
inline constexpr int kPosizioni = 5;
inline constexpr std::size_t kPasso_Ruota = 5000;     // bytes between wheels of one position
inline constexpr std::size_t kPasso_Posizione = 55000;  // bytes between positions
inline constexpr std::size_t kDimensione = 275000;    // whole image

// Wheel 0 (the date record of a draw): meaning of each position.
inline constexpr int kGiorno = 1;   // day of the month 1..31; 0 in a free record
inline constexpr int kMese = 2;     // month 1..12
inline constexpr int kAnno = 3;     // year within the century 0..99
inline constexpr int kSecolo = 4;   // 19 or 20 for a draw; above 18 in a free record
inline constexpr int kRiservato = 5;  // never written by the editor, carried along

// The years a draw can have: its century byte is 19 or 20, as the reader of
// the archive demands (a century of 99 is what writers put in free records).
inline constexpr int kPrimoAnno = 1900;
inline constexpr int kUltimoAnno = 2099;

// REQUIRES: 1 <= d <= 5000, 0 <= w <= 10, 1 <= p <= 5
constexpr std::size_t Offset(int d, int w, int p) {
  return static_cast<std::size_t>(d - 1) + kPasso_Ruota * static_cast<std::size_t>(w) +
         kPasso_Posizione * static_cast<std::size_t>(p - 1);
}

}  // namespace formato
