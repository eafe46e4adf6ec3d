// Reading a draw out of pasted text: a word containing "estrazion" followed
// within twenty characters by the date (day first, "/", "." or "-" between
// day, month and four-digit year), then each wheel's name followed by its five
// numbers. The parser only reads text; it never fails on any input.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "core/data.h"

namespace Estrazioni {

struct Incollato {
  enum class Esito {
    Completo,         // the date and the fifty boxes are read
    Rifiutato,        // "Negli appunti non sono presenti estrazioni valide"
    DataAntecedente,  // the date is before 1 January 2000
    ChiediConferma,   // the date is after today: ask, then call again confirmed
  };
  Esito esito = Esito::Rifiutato;
  // The message of a refusal, or the question of ChiediConferma.
  std::string messaggio;
  // The date to set: present when Completo, and when a refusal came after the
  // date had been accepted.
  std::optional<Data> data;
  // Box i (1..50) is element i - 1; a box without a value keeps what it held.
  // Every box read before a refusal has its value.
  std::array<std::optional<std::string>, 50> caselle;
};

inline constexpr const char* kAppuntiNonValidi = "Negli appunti non sono presenti estrazioni valide";
inline constexpr const char* kDataAntecedente =
    "DATA ANTECEDENTE AL 1/1/2000\r\nImpossibile inserire Estrazione";
inline constexpr const char* kDataPosteriore =
    "DATA POSTERIORE A DATA DI SISTEMA\r\n\r\nInserisco comunque l'Estrazione ?";

// A date after 2099 is no valid date (the editor's date picker ends there).
// Reads the pasted text (UTF-8; bytes that are not valid UTF-8 are taken as
// Windows-1252). `oggi` is today's date. A date after today gives
// ChiediConferma unless `posterioreConfermato` says the user already agreed.
Incollato Incolla(std::string_view testo, const Data& oggi, bool posterioreConfermato = false);

}  // namespace Estrazioni
