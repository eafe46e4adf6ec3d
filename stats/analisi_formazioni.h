// The analysis of number formations: over a range of draws, how often, where
// and when do at least `sorte` numbers of a formation (a set of numbers such
// as 3.17.45) come out together in one draw of one ticked wheel? Every such
// (wheel, formation) pair of a draw is an event that adds the ways to choose
// the sorte's numbers among its hits; the report adds to the statistics
// frame's lines the formations, the wheels, the sorte, the distributions by
// wheel and by month and, for every sorte, the count of draws and wheels
// where a formation had at least that many numbers.
//
// Every function reads only its arguments and returns a value.
#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "core/archivio.h"
#include "stats/statistiche.h"

namespace AnalisiFormazioni {

// The captions of the sorte options, sorte 1..5 at 0..4.
inline constexpr std::array<std::string_view, 5> kNomiSorte = {"Ambata", "Ambo", "Terno", "Quaterna",
                                                               "Cinquina"};
inline constexpr std::string_view kInsufficienti = "NUMERO NUMERI INSUFFICIENTE PER LA SORTE SELEZIONATA!";

struct Opzioni {
  int inizio = 1;
  int fine = 0;
  Statistiche::Ruote ruote{};
  // The ticked boxes among the ten wheels and "TUTTE" (which counts as one):
  // with 2 or more the report lists the distribution by wheel.
  int caselle = 0;
  int sorte = 2;
  // The formation texts as the list holds them, in its order.
  std::vector<std::string> formazioni;
};

// The window's checks beyond the wheels, as message lines: the top formation
// must hold at least `sorte` numbers (kInsufficienti); a formation whose text
// does not read as numbers 1..90 joined by "." is named as unusable.
std::vector<std::string> ControllaFormazioni(const std::vector<std::string>& formazioni, int sorte);

// The run and its report (empty when no event was found). Every drawn number
// of a ticked wheel that belongs to a formation is marked, event or not.
// REQUIRES: ControllaFormazioni(o.formazioni, o.sorte) is empty; 1 <= inizio,
// fine <= 5000, every draw in between valid; 1 <= sorte <= 5
Statistiche::Elaborazione Analisi_Formazioni(const Archivio& a, const Opzioni& o, std::string_view titolo);

}  // namespace AnalisiFormazioni
