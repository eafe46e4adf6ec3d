// Method files (".mtd"): the tester's options and its Pronostico lines.
//
// A file is text in Windows-1252 with CR LF line ends ("°" is the byte 0xB0).
// Line 1 is the options line, 34 digit columns (docs/formats/metodo.md); every
// further line is one Pronostico line. A reader trims the blanks at both ends
// of every line and takes a line that then starts with a digit as an options
// line, any other as a Pronostico line; it accepts CR LF, LF or CR and UTF-8
// input. Because a line is classified by the text that is kept, a file the
// reader accepts opens, saves and opens again as the same method, and a
// second save writes the same bytes as the first.
#pragma once

#include <array>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/esito.h"

namespace metodi {

// The options frame of the tester, as the options line stores it.
struct Opzioni {
  std::array<int, 2> mese{0, 0};  // entry of the month lists, 0 = GENNAIO (start, end)
  std::array<int, 2> anno{0, 0};  // entry of the year lists, 0 = the archive's first year
  int fine = 1;                   // 0 "A", 1 "Fino ad Ultima Estrazione", 2 "Numero Cicli"
  int colpi = 10;                 // 1..100
  // Check boxes: 0 clear, 1 ticked, 2 greyed (which counts as not ticked).
  int interrompi = 1;
  int positivi = 0;
  int riepilogo = 0;
  int parziali = 0;
  std::array<int, 11> ruote{};  // "BARI".."VENEZIA", then "TUTTE"
  int cicli = 1;                // 1..100

  bool operator==(const Opzioni&) const = default;
};

inline constexpr std::size_t kLunghezzaOpzioni = 34;
inline constexpr std::size_t kLunghezzaMinimaOpzioni = 31;  // without the cycles field

// The 34-character options line.
std::string RigaOpzioni(const Opzioni& o);

// Reads an options line against an archive of `anni` years. A year entry
// beyond the list becomes the last year; a line of 31 to 33 characters has
// no period end and cycles fields: it ends at the end month and year ("A")
// with 1 cycle. Fails, naming every faulty field, when the line is shorter
// than 31 characters, a read column is not a digit, or a field is out of
// range (month above 11, end option above 2, colpi or cycles outside
// 1..100, a check above 2).
// REQUIRES: anni >= 1
Risultato<Opzioni> LeggiRigaOpzioni(std::string_view riga, int anni);

struct FileMetodo {
  std::optional<Opzioni> opzioni;  // the last options line of the file
  std::vector<std::string> righe;  // Pronostico lines, UTF-8, blanks trimmed
};

// The file's bytes: the options line, then the lines unchanged.
std::string ScriviFileMetodo(const Opzioni& o, const std::vector<std::string>& righe);

// The largest file taken for a method: a method is a few kilobytes, a few
// dozen lines of a few dozen characters, so a larger file is no method. Its
// size is refused before it is read, its line count and line lengths before
// any line reaches the tester's list.
inline constexpr std::uintmax_t kMassimoByteFile = 2 * 1024 * 1024;
inline constexpr std::size_t kMassimoRighe = 10000;
inline constexpr std::size_t kMassimoCaratteriRiga = 10000;
// The faulty lines of a check, as a message that fits on the screen: every
// fault when there are at most kElencate + 1, else the first kElencate and
// the line "… e altre N righe non valide". Keeps only the texts it shows.
class ElencoRigheNonValide {
 public:
  static constexpr std::size_t kElencate = 10;

  void aggiungi(std::string errore);
  bool vuoto() const { return mTotale == 0; }
  // The faults one per line, "\r\n" between them.
  std::string testo() const;

 private:
  std::vector<std::string> mPrime;  // at most kElencate + 1
  std::size_t mTotale = 0;
};

// Reads a whole file. Fails when the file is not text, naming only the first
// line that holds a control character (a byte 0x00-0x08, 0x0B, 0x0C or
// 0x0E-0x1F; a single 0x1A closing the file, the old end-of-file mark, is
// dropped), or when it has more than kMassimoRighe lines or a line longer
// than kMassimoCaratteriRiga characters (naming the first); otherwise fails
// when options lines are faulty, listing them as ElencoRigheNonValide does
// ("Riga 3: ..."). Characters that Windows-1252 lacks (from a UTF-8 file)
// read as '?', as a save would write them.
Risultato<FileMetodo> LeggiFileMetodo(std::string_view bytes, int anni);
// Reads the file at `percorso` as above; a file larger than kMassimoByteFile
// is refused unread.
Risultato<FileMetodo> ApriFileMetodo(const std::filesystem::path& percorso, int anni);

// The method's name: the file name without its folder and its ".mtd"
// extension (any letter case). Fails when the extension is another.
Risultato<std::string> NomeMetodo(std::string_view percorso);

}  // namespace metodi
