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
// Windows-1252 to UTF-8 (the five unassigned bytes map to U+FFFD).
std::string DaCp1252(std::string_view cp1252);
bool Utf8Valido(std::string_view bytes);

// The bytes of a text file: each line in Windows-1252 followed by CR LF.
std::string CodificaRighe(const std::vector<std::string>& righe);
// The lines of a text file's bytes (UTF-8 when valid, else Windows-1252);
// a final line end does not add an empty line.
std::vector<std::string> DecodificaRighe(std::string_view bytes);

// Whole number with Italian thousands dots: 1234567 -> "1.234.567".
std::string Intero(long long n);
// Fixed decimals with Italian comma and thousands dots: (1234.5, 2) -> "1.234,50".
std::string Decimale(double x, int decimali);
// Percentage with two decimals: 33.333 -> "33,33%".
std::string Percentuale(double x);

// Number of characters (code points) of a UTF-8 text.
std::size_t Lunghezza(std::string_view utf8);
// The first n characters of a UTF-8 text.
std::string Sinistra(std::string_view utf8, std::size_t n);
// Pads with blanks on the right, or cuts, to exactly n characters.
std::string Adatta(std::string_view utf8, std::size_t n);
// Right-aligns in a field of n characters (a longer text keeps its first n).
std::string AllineaDestra(std::string_view utf8, std::size_t n);

}  // namespace testo
