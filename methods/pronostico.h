// Forecast lines: the three text lines of a method and their grammar.
//
//   Calcolo    "Somma 5 al 1° di BA"          one term being composed
//   Elemento   "1) 1°BA+5,3°NA-12"            one number formula (list line)
//   Pronostico "MA  1M  1°BA+5,3°NA-12 & 2°RO+7"
//              sorte letters, two blanks, calculation-draw code, "M",
//              two blanks, the Elementi joined by " & "
//
// Texts are UTF-8 ("°" is one character, two bytes). The composer functions
// build the lines exactly as the tester's buttons write them; LeggiPronostico
// is the one reader of a Pronostico line, shared by the back-test, the method
// summary and every later reader.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "core/archivio.h"
#include "core/esito.h"
#include "methods/regole.h"

namespace metodi {

// Wheel codes in the order of the wheels 1..10.
inline constexpr std::array<std::string_view, 10> kCodiciRuota = {"BA", "CA", "FI", "GE", "MI",
                                                                  "NA", "PA", "RO", "TO", "VE"};
// The wheel 1..10 of a two-letter code; 0 when it is none of them.
int RuotaDiCodice(std::string_view codice);

// Entries of the calculation-draw list, in list order.
inline constexpr std::array<std::string_view, 12> kVociEstrazioneCalcolo = {
    "Prima del Mese", "Ultima del Mese", "Tutte",       "1° del Mese",
    "2° del Mese",    "3° del Mese",     "4° del Mese", "5° del Mese",
    "6° del Mese",    "7° del Mese",     "8° del Mese", "9° del Mese"};
// The code character that an entry writes: "T", "U", "1".."9".
// REQUIRES: 0 <= indice < 12
char CodiceDiVoce(int indice);

// Numeric calculation-draw code of a code character: 'P' 1, '1'..'9' their
// value, 'U' 99 (last draw of the month); 'T', '0' and any other character 0
// (every draw).
int ValoreCodice(char codice);
inline constexpr int kTutte = 0;
inline constexpr int kUltima = 99;

struct Termine {
  int posizione = 1;  // 1..5
  int ruota = 1;      // 1..10
  char segno = '+';   // as written: '+' adds the fixed number, any other sign subtracts it
  bool somma = true;  // segno == '+'
  int fisso = 0;      // 0..99 as written (one or two digits)
};
using Elemento = std::vector<Termine>;

struct Pronostico {
  std::string lettere;             // the sorte letters, a non-empty ordered subset of "MATQC"
  char codice = 'T';               // the calculation-draw code as written
  int codiceCalcolo = 0;           // ValoreCodice(codice)
  std::vector<Elemento> elementi;  // at least one, each of at least one term
};

// Reads a Pronostico line by its grammar. The code may be any character
// (other than U, P and 1-9 it means every draw) and a term's sign any
// visible ASCII character (other than "+" it subtracts). A line that does
// not follow the grammar otherwise (other sorte letters or order, other
// separators, an empty Elemento, a term other than position 1-5, "°", wheel
// code, sign, one or two digits) fails with an Italian reason.
Risultato<Pronostico> LeggiPronostico(std::string_view riga);

// Hits a line needs in the game: its first (lowest) sorte letter decides.
int PuntiNecessari(const Pronostico& p, const Regole& regole);
// Whether that letter also wins with one hit fewer and the jolly.
bool ConJolly(const Pronostico& p, const Regole& regole);

// Value of an Elemento for draw d: from 0, each term adds its drawn number
// and its fixed number (or the drawn number minus the fixed number), brought
// into 1..90 after every term.
int ValoreElemento(const Elemento& e, const Archivio& a, int d);

// The forecast values of a line for draw d: the Elementi's values in line
// order, a value equal to an earlier one left out.
void ValoriPronostico(const Pronostico& p, const Archivio& a, int d,
                      std::vector<std::uint8_t>& valori);

// A line's Elementi laid flat, for evaluating them at many draws.
class Formula {
 public:
  explicit Formula(const Pronostico& p);
  // As ValoriPronostico.
  void Valori(const Archivio& a, int d, std::vector<std::uint8_t>& valori) const;

 private:
  struct Passo {
    std::uint32_t posto;  // byte of the term's number at draw d: posto + d
    std::int16_t fisso;   // added (subtracted when negative)
    bool ultimo;          // the last term of its Elemento
  };
  std::vector<Passo> mPassi;
};

// --- Composer -----------------------------------------------------------

// "Somma 5 al 1° di BA": operator word, the fixed number's text, position, wheel code.
std::string TestoCalcolo(std::string_view operatore, std::string_view fisso, int estratto,
                         std::string_view ruota);
// The Elemento line "n) t1,t2,..." of Calcolo lines, read back by their
// fixed layout; n is the given ordinal.
std::string ElementoDaCalcoli(const std::vector<std::string>& calcoli, int ordinale);
// The Calcolo lines of an Elemento line, one per term ("1) 1°BA+5,2°CA-12"
// gives "Somma 5 al 1° di BA" and "Sottrai 12 al 2° di CA"): the terms begin
// two characters after its first ")" and after each ",".
std::vector<std::string> CalcoliDaElemento(std::string_view riga);
// An Elemento line renumbered: n, ")" and the text after its first ")".
std::string RinumeraElemento(std::string_view riga, int ordinale);
// The Pronostico line of sorte letters, a code character and Elemento lines
// (each taken from two characters after its first ")", trimmed).
std::string TestoPronostico(std::string_view lettere, char codice,
                            const std::vector<std::string>& elementi);

// Leading and trailing blanks removed (blanks only, as the method files mean).
std::string_view SenzaSpazi(std::string_view s);

}  // namespace metodi
