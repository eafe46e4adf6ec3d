// The table of number formations (TabFnum.txt): named sets of Lotto numbers
// in named groups, with its file codec, the check of a number string, the key
// filter of the boxes where number strings are typed, and the table the
// program ships.
//
// File layout (docs/formats/TabFnum.md): one record per line, Windows-1252,
// CR LF. "G=" name starts a group, "F=" name a formation of the current group,
// "N=" numbers gives that formation's numbers (1..90 joined by "."); every
// other line is ignored. The writer emits, per group, its "G=" line and then
// each formation's "F=" and "N=" lines, so that reading and writing a file the
// program wrote gives the same bytes.
#pragma once

#include <cstdint>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/esito.h"

namespace formazioni {

inline constexpr std::string_view kNomeFile = "TabFnum.txt";
inline constexpr int kMaxGruppi = 101;
inline constexpr int kMaxFormazioni = 101;  // per group
// The first groups of the table are the standard ones, which the editor never changes.
inline constexpr int kGruppiStandard = 8;

// The longest name of a group or formation, and the longest number string,
// kept from a file: far beyond any real name, and beyond the longest valid
// number string (90 numbers of two digits joined by dots, 269 characters).
inline constexpr std::size_t kMaxCaratteri = 300;
// The most bytes read of TabFnum.txt, whatever its size: a full table of
// such names is about a sixth of it.
inline constexpr std::uintmax_t kMassimoByteFile = 64 * 1024 * 1024;

inline constexpr std::string_view kFileAssente = "File Formazioni Numeriche assente !";

struct Formazione {
  std::string nome;
  // The text after "N="; none when the file gave the formation no "N=" line
  // (the writer then writes an empty line in its place).
  std::optional<std::string> numeri;

  bool operator==(const Formazione&) const = default;
};

struct Gruppo {
  std::string nome;
  std::vector<Formazione> formazioni;

  bool operator==(const Gruppo&) const = default;
};

// Groups and formations in file order. Texts are UTF-8.
struct Tabella {
  std::vector<Gruppo> gruppi;

  bool operator==(const Tabella&) const = default;
};

// What a reader left out of a file beyond the table's limits.
struct Riduzione {
  bool eccedenze = false;   // groups beyond kMaxGruppi, formations beyond kMaxFormazioni
  bool accorciati = false;  // names or number strings cut to kMaxCaratteri characters
  bool nonLetto = false;    // the bytes of the file beyond kMassimoByteFile
  explicit operator bool() const { return eccedenze || accorciati || nonLetto; }
};

// Reads the bytes of a table file (Windows-1252 or UTF-8, any line end, a
// leading UTF-8 byte-order mark skipped). Never fails: lines before the first
// "G=" are ignored; an "N=" line before the first "F=" of its group gives the
// numbers of that group's first formation when it comes; a later "N=" line
// of the same formation replaces an earlier one. Keeps the first kMaxGruppi
// groups and of each the first kMaxFormazioni formations, and of each name
// and number string its first kMaxCaratteri characters, and drops the rest
// as it reads, so that a huge file costs little memory; reading stops at the
// end of the first "G=" line beyond kMaxGruppi. `ridotta`, when given, tells
// what was dropped. The encoding is decided on the bytes read, whole lines
// with their line ends, up to the end of the line where reading stops: UTF-8
// when they are valid UTF-8, else Windows-1252. Texts show what a save will
// store: characters that Windows-1252 lacks read as "?".
Tabella Decodifica(std::string_view bytes, Riduzione* ridotta = nullptr);

// Reads a table file from pieces of its bytes, in order, as Decodifica reads
// them whole: the table is the same wherever the pieces are cut.
class Lettore {
 public:
  Lettore();
  ~Lettore();
  Lettore(const Lettore&) = delete;
  Lettore& operator=(const Lettore&) = delete;

  // Takes the next piece; false once nothing later in the file can be kept
  // (reading stopped at the end of a line of this piece).
  bool aggiungi(std::string_view pezzo);
  // The table of the pieces given. `tagliato`: they end at a bound with the
  // file going on, so the line they leave open is dropped, its bytes do not
  // count for the encoding, and `ridotta` says that part was not read.
  Tabella fine(bool tagliato, Riduzione* ridotta = nullptr);

 private:
  struct Stato;
  std::unique_ptr<Stato> m;
};

// The file's bytes: per group its "G=" line, then per formation its "F=" line
// and its "N=" line (an empty line when it has none). A group without
// formations is written as its "G=" line alone.
std::string Codifica(const Tabella& t);

// What both windows that read the table say when a reader dropped part of
// it: one line for each kind of loss.
std::string AvvisoTabellaRidotta(const Riduzione& r);

// True when `cartella` holds the name TabFnum.txt (or the folder cannot be
// looked into), a symbolic link to nothing included.
bool Presente(const std::filesystem::path& cartella);
// Reads `cartella`/TabFnum.txt as Decodifica does, piece by piece: no more
// than kMassimoByteFile bytes (a line that the bound cuts is dropped), and no
// further than the first group beyond kMaxGruppi. Gives nullopt when the
// folder has no such name, an error with the Italian reason when the name is
// there but cannot be read (a FIFO or a device is refused without waiting on
// it; a link to nothing is "un collegamento a un file inesistente").
Risultato<std::optional<Tabella>> Leggi(const std::filesystem::path& cartella,
                                        Riduzione* ridotta = nullptr);
// Writes the table to `cartella`/TabFnum.txt through an atomic write; on
// failure the old file stays as it was and the reason is returned.
Esito Scrivi(const std::filesystem::path& cartella, const Tabella& t);

// The numbers of a "."-joined string, piece by piece in order: a piece of
// digits gives its value (999 for a value above 999), an empty
// piece or one holding anything but digits gives -1.
std::vector<int> DividiNumeri(std::string_view testo);

// The check of a number string before it is stored: the faults found, in this
// order and each at most once: "Numeri a zero non validi !", "Numeri > 90 non
// validi !", "Numeri doppi non validi !", "Numeri vuoti o non numerici non
// validi !" (an empty piece, as in "1..2", or a character other than a digit).
// No fault: the string may be stored.
std::vector<std::string> ControllaNumeri(std::string_view testo);

// What a key typed into a box of numbers joined by "." does. The box is
// emptied first when its whole text is selected (an empty box counts); then
// "." passes only after a digit, a digit only when the text does not already
// end with two digits; Backspace (8) always passes and empties nothing; every
// other key is dropped.
struct Tasto {
  bool svuota = false;
  bool passa = false;
};
Tasto FiltroNumeri(std::string_view testo, bool tuttoSelezionato, char32_t tasto);

// The text of a number box after taking a formation's numbers: appended
// directly after a final ".", after a "." behind other text, or as the whole
// text of an empty box. Empty numbers leave the text as it is.
std::string AccodaNumeri(std::string_view testo, std::string_view numeri);

// The table as the editor shows it: per group its name, then "  " name
// " ==> " numbers for each formation, an empty line between groups.
std::vector<std::string> RigheVista(const Tabella& t);

// True when `nome` equals, in capitals, the name of a group other than
// `escluso` (-1: none excluded).
bool GruppoPresente(const Tabella& t, std::string_view nome, int escluso = -1);
// The same among the formations of one group.
bool FormazionePresente(const Gruppo& g, std::string_view nome, int esclusa = -1);

// An entry of the list of table formations offered by the formation analysis:
// a group heading (its name) or a formation (" " name " => " numbers).
struct Voce {
  std::string testo;
  bool formazione = false;
  std::string numeri;
};
// The entries in table order; formations without an "N=" line are left out.
std::vector<Voce> Voci(const Tabella& t);

// The table the program ships: eight standard groups built from the number
// classes (cadences, natural and cabalistic decades, figures, twins, fifteens,
// even and odd, low and high) and one example group of the user's own.
Tabella TabellaPredefinita();

}  // namespace formazioni
