// The rules of a game as the method tester needs them: how many hits each
// sorte letter needs, the words and captions of the five sortes, whether the
// wheels are chosen and named in the report, and the tester's defaults.
//
// The tester and its engine read every game difference from here; a game is
// one more Regole value (and one more table of drawn numbers, see Tavola).
#pragma once

#include <array>
#include <string_view>

struct Stato;

namespace metodi {

class Tavola;

// The sorte letters of a forecast line, in their only allowed order.
inline constexpr std::string_view kLettereSorte = "MATQC";

struct Regole {
  // Hits needed by the letters M, A, T, Q, C.
  std::array<int, 5> puntiNecessari;
  // The letter also wins with one hit fewer among the drawn numbers when
  // another of its forecast values is the draw's jolly (a letter so marked
  // needs at least 3 hits).
  std::array<bool, 5> conJolly;
  // The sorte's word in a method description, by letter.
  std::array<std::string_view, 5> nomiSorte;
  // Captions of the sorte boxes 1..5 and of their frame.
  std::array<std::string_view, 5> caselleSorte;
  std::string_view cornice;
  // The user chooses the wheels, and each cycle line names its wheel (" su BA").
  bool ruote;
  // The Elemento list has "Modifica", which loads an Elemento's terms back
  // into the Calcolo list.
  bool modificaElemento;
  // Colpi proposed when the tester opens.
  int colpiIniziali;
  // Per-user setting (section "Avvio") of the folder of the file dialogs.
  std::string_view chiaveCartella;
  // The game's drawn numbers, draws 1..ultima of the program's archive.
  Tavola (*CreaTavola)(const Stato& stato, int ultima);
};

// The state Lotto: ten wheels of five numbers.
const Regole& Lotto();
// The SuperEnalotto drawn from each Lotto draw: one draw of six numbers and
// a jolly, played once whatever wheels a method file ticks; points "Tre"
// (3 hits) to "Sei" (6), "5+1" being five hits and the jolly.
const Regole& SuperEnalotto();

}  // namespace metodi
