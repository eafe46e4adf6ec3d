// The program's one text codec and its Italian number formats.
//
// In memory every text is UTF-8. Text files are written in Windows-1252 with
// CR LF line ends, as the users' existing files are; readers accept CR LF, LF
// or CR, and take the bytes as UTF-8 when they are valid UTF-8, as
// Windows-1252 otherwise.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace testo {

// UTF-8 to Windows-1252; a character the code page lacks becomes '?'.
std::string ACp1252(std::string_view utf8);
// Windows-1252 to UTF-8. The five bytes the code page leaves unassigned
// (0x81, 0x8D, 0x8F, 0x90, 0x9D) become U+0081, U+008D, U+008F, U+0090 and
// U+009D, which ACp1252 turns back into the same bytes: every byte survives
// a read and a write.
std::string DaCp1252(std::string_view cp1252);
bool Utf8Valido(std::string_view bytes);

// Whether bytes that come in pieces are valid UTF-8 as a whole, by the rule
// of Utf8Valido, keeping no more than the few bytes of a sequence that a
// piece leaves open.
class ValidatoreUtf8 {
 public:
  void aggiungi(std::string_view pezzo);
  // True when the pieces so far join into valid UTF-8 with no sequence open.
  bool valido() const { return mValido && mCoda.empty(); }

 private:
  std::string mCoda;  // the start of a sequence, at most three bytes
  bool mValido = true;
};

// The bytes of a text file: each line in Windows-1252 followed by CR LF.
// When those bytes would read back as other text (every byte above 0x7F
// falls into a valid UTF-8 sequence, as "Ã°" does), the same text is written
// in UTF-8 instead, so that DecodificaRighe always gives back what was
// written (characters the code page lacks still become '?').
std::string CodificaRighe(const std::vector<std::string>& righe);
// The lines of a text file's bytes (UTF-8 when valid, else Windows-1252);
// a final line end does not add an empty line.
std::vector<std::string> DecodificaRighe(std::string_view bytes);

// The lines of a text file's bytes one at a time, by the rules of
// DecodificaRighe, for readers that keep only some lines of a large file.
// The bytes must outlive the reader.
class LettoreRighe {
 public:
  // Decides the encoding of the whole text (one pass over the bytes).
  explicit LettoreRighe(std::string_view bytes);
  // The next line as it stands in the file, without its line end; false
  // after the last line.
  bool prossima(std::string_view& riga);
  // A line given by prossima, in UTF-8.
  std::string testo(std::string_view riga) const;

 private:
  std::string_view mResto;
  bool mUtf8;
};

// Whole number with Italian thousands dots: 1234567 -> "1.234.567".
std::string Intero(long long n);

// How a value exactly halfway between two results is rounded.
enum class Arrotondamento {
  MetaLontanoDaZero,  // 2,675 -> 2,68 and -2,675 -> -2,68 (number patterns such as "##0.00")
  MetaPari,           // 2,665 -> 2,66 and 2,675 -> 2,68 (to the even digit)
};

// Fixed decimals with the Italian comma, and thousands dots when `migliaia`:
// (1234.5, 2) -> "1.234,50". The rounding works on the shortest decimal form
// of x (the digits that read back as x), never on its binary value, so 2.675
// gives "2,68" as a user reading 2.675 expects. No "-" on a result of zero.
std::string Decimale(double x, int decimali,
                     Arrotondamento modo = Arrotondamento::MetaLontanoDaZero, bool migliaia = true);
// The exact quotient num / den with fixed decimals, rounded as `modo` says.
// REQUIRES: den != 0
std::string Rapporto(long long num, long long den, int decimali,
                     Arrotondamento modo = Arrotondamento::MetaLontanoDaZero, bool migliaia = true);
// parte / totale as a percentage with two decimals and "%": (1, 3) ->
// "33,33%", halves away from zero on the exact value; "0,00%" when totale is
// 0. No thousands dots, as the "Percent" number format writes: "1234,50%".
std::string Percentuale(long long parte, long long totale);

// Reading numbers out of typed or pasted text, one rule for every box.
inline constexpr bool Cifra(char32_t c) { return c >= '0' && c <= '9'; }
// The number a text starts with: leading blanks and tabs skipped, an optional
// sign, digits, an optional '.' and fraction; 0 when it starts with none.
double NumeroIniziale(std::string_view testo);
// The whole number a text starts with (the same rule without the fraction),
// saturating instead of overflowing.
long long InteroIniziale(std::string_view testo);

// Number of characters (code points) of a UTF-8 text.
std::size_t Lunghezza(std::string_view utf8);
// The first n characters of a UTF-8 text.
std::string Sinistra(std::string_view utf8, std::size_t n);
// A text quoted in a message: its first n characters, and "…" when it has
// more.
std::string Citazione(std::string_view utf8, std::size_t n);
// Pads with blanks on the right, or cuts, to exactly n characters.
std::string Adatta(std::string_view utf8, std::size_t n);
// Right-aligns in a field of n characters (a longer text keeps its first n).
std::string AllineaDestra(std::string_view utf8, std::size_t n);
// The same two alignments in a field of at least n characters: a longer text
// widens the field instead of being cut (report columns whose figures must
// never lose a digit).
std::string AdattaAlmeno(std::string_view utf8, std::size_t n);
std::string AllineaDestraAlmeno(std::string_view utf8, std::size_t n);

// True when every character of the UTF-8 text has a byte in Windows-1252, so
// that a text file keeps it.
bool InCp1252(std::string_view utf8);
// Capitals of the letters that Windows-1252 holds in both cases (a..z, à..þ,
// ÿ, š, œ, ž); every other character is kept ("città" -> "CITTÀ", "ß" stays).
std::string Maiuscole(std::string_view utf8);

}  // namespace testo
