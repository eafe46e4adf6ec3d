// The method detector: for one wheel, one extract position and a target
// month, it looks at the twelve calendar months before the target month and
// finds the fixed additions that, added to the extract of each month's first
// draw, would have come out most often in the later draws of the same month:
// first a pair for ambata, then four more numbers, one at a time, for ambo on
// six numbers. The run returns a value holding the month table, both methods,
// the report text (built once, at the end) and what the method files need.
//
// The searches work on tables prepared once per month (which additions hit in
// which month), so that no draw is read and no text is built inside their
// loops. The month lines of the report are built afterwards for the reported
// methods only; they are the lines a search building them for every candidate
// would end with.
//
// Method files: an options line of 34 digit columns (period from the target
// month of the oldest month's year to the last draw, 8 colpi, the wheel) and
// two method lines, ambata on the pair and ambo on the six numbers, written
// as ".mdd" or ".mtd" into Detector_Files in the data folder.
#pragma once

#include <array>
#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "core/archivio.h"
#include "core/esito.h"
#include "core/indici.h"

namespace Detector {

inline constexpr int kMesi = 12;

inline constexpr std::string_view kAnnoIniziale = "Non si possono avere previsioni per l'anno 1945";
inline constexpr std::string_view kMetodoCreato = "Creazione Metodo Eseguita";

// What the user chose.
struct Richiesta {
  int ruota = 1;      // 1 BARI .. 10 VENEZIA
  int posizione = 5;  // extract position 1..5
  int mese = 1;       // target month 1..12
  int anno = 0;       // target year, four digits
};

// One row of the month table: the first and the last draw of a calendar month.
struct Mese {
  int prima = 0;
  int ultima = 0;
  int mese = 0;
  int anno = 0;
};
// Rows 1..12, row 1 the oldest month, row 12 the month before the target.
using TabellaMesi = std::array<Mese, kMesi + 1>;

// Additions 1..90 as a set (bit x for addition x; 0 and 90 give the same
// number and share bit 90).
struct Insieme {
  std::uint64_t basso = 0;  // bits 0..63
  std::uint64_t alto = 0;   // bits 64..127
};

// The searches' view of the twelve months, prepared once by Prepara.
struct Preparazione {
  Richiesta richiesta;
  int ultima = 0;   // the last draw of the archive
  int calcolo = 0;  // the first draw of the target month
  TabellaMesi mesi{};
  std::array<int, kMesi + 1> base{};  // the month's base number, rows 1..12
  // Pair search: months (bit i - 1 for row i) in which addition x hits.
  std::array<std::uint16_t, 91> mesiColpiti{};
  // Ambo search: for each later draw of each month, the additions that give
  // its numbers and those given by two of its numbers (a damaged archive
  // only). Draws of row i are inizio[i] .. inizio[i + 1] - 1.
  std::vector<Insieme> addendiEstrazione;
  std::vector<Insieme> doppiEstrazione;
  std::array<int, kMesi + 2> inizio{};
};

struct Ambata {
  int a = 0, b = 0;  // 0, 0 when no pair hit in any month
  int conta = 0;     // positive months, 0..12
};

struct Sestina {
  std::array<int, 6> addendi{};  // a, b, then one per stage (0 when a stage kept none)
  int conta = 0;                 // positive months of the six
};

// A finished run, with everything the window shows and saves.
struct Rilevamento {
  Richiesta richiesta;
  TabellaMesi mesi{};
  int calcolo = 0;
  Ambata ambata;
  Sestina sestina;
  int annoPrimoMese = 0;              // year of the oldest month
  int indiceAnnoPrimoMese = 0;        // its position in the archive's year list (0 = first)
  int indiceUltimoAnno = 0;           // position of the archive's last year
  std::vector<std::string> rapporto;  // the report, one text per line (UTF-8)
};

// "Sab 02/01/1999": three-letter weekday, day and month on two digits, year.
// REQUIRES: record d holds a valid date
std::string Data_Estrazione(const Archivio& a, int d);

// The status line of the window: "Archivio : da Sab 02/01/1999 a ... ( 4999 Estrazioni )".
// REQUIRES: 1 <= ultima, records 1 and ultima hold valid dates
std::string StatoArchivio(const Archivio& a, int ultima);

// The lines of the saved or printed report: the title in capitals, an empty
// line, the report and the empty line that ends its text.
std::vector<std::string> RigheOutput(std::string_view titolo,
                                     const std::vector<std::string>& rapporto);

// Checks the target and builds the month table and the per-month tables.
// Refuses the archive's first year (kAnnoIniziale) and a target month or one
// of the twelve months without draws, naming that month.
// REQUIRES: `indici` built from `a`; 1 <= ultima <= 4999 the last draw;
//           1 <= ruota <= 10, 1 <= posizione <= 5, 1 <= mese <= 12
Risultato<Preparazione> Prepara(const Archivio& a, const Indici& indici, int ultima,
                                const Richiesta& richiesta);

// The pair a < b met first, in the order a = 1.., b = a + 1.., with the most
// positive months (the first with twelve stops the search).
Ambata Cerca_Ambata(const Preparazione& p);

// Keeps the pair and adds four numbers, one stage each: a stage takes the
// first candidate whose count beats the best count so far (carried across
// the stages), or keeps 0.
Sestina Cerca_Sestina(const Preparazione& p, const Ambata& ambata);

// Builds the report and the rest of the result from the two searches.
Rilevamento Completa(const Archivio& a, const Indici& indici, const Preparazione& p,
                     const Ambata& ambata, const Sestina& sestina, std::string_view titolo);

// The whole run: Prepara, both searches, Completa.
Risultato<Rilevamento> Elabora_Previsioni(const Archivio& a, const Indici& indici, int ultima,
                                          const Richiesta& richiesta, std::string_view titolo);

// --- Method files -------------------------------------------------------------

// "BA5200503.mdd": wheel code, position, target year, target month, extension
// (".mdd" or ".mtd").
std::string NomeFileMetodo(const Rilevamento& r, std::string_view estensione);
// The three lines: options, ambata on the pair, ambo on the six (UTF-8).
std::vector<std::string> RigheMetodo(const Rilevamento& r);
// The file's bytes: Windows-1252, CR LF.
std::string FileMetodo(const Rilevamento& r);

// Writes the method into Detector_Files in the data folder (made again when
// missing), replacing a file of the same name. On failure returns the
// reason; an existing file is left as it was.
Esito Salva_Metodo(const std::filesystem::path& cartellaDati, const Rilevamento& r,
                   std::string_view estensione);

// The methods saved earlier for the wheel before the target month, from the
// names of the detector folder's files, sorted by name: "MARZO 2004" for
// every ".mdd" name (any case) whose first two letters are the wheel's code
// and whose year and month (characters 4 to 9) come before the target's.
std::vector<std::string> Elenca_Metodi(std::vector<std::string> nomiFile, int ruota, int mese,
                                       int anno);
// The same over the files of Detector_Files in the data folder (none when
// the folder cannot be read).
std::vector<std::string> Elenca_Metodi(const std::filesystem::path& cartellaDati, int ruota,
                                       int mese, int anno);

}  // namespace Detector
