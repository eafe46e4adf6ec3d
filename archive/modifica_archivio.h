// The model of the archive editor: the checks and the storing of a new draw,
// the correction of one number, the deletion of a draw, the close-time work,
// the go-to by number and by date, and the key rules of the editor's boxes.
//
// Checks are pure functions of their arguments. Operations that change the
// archive compute the new image on a copy, write archivio.dat atomically and
// hand the new image to the caller (or commit it into a Stato) only after the
// write succeeded: a failed write returns its Italian reason and leaves both
// the file and the in-memory archive as they were.
#pragma once

#include <array>
#include <functional>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/archivio.h"
#include "core/esito.h"
#include "core/stato.h"

namespace Estrazioni {

inline constexpr int kCaselle = 50;
// The fifty number boxes as typed; box i (1..50) is element i - 1 and holds
// wheel (i - 1) / 5 + 1, position (i - 1) % 5 + 1.
using Caselle = std::array<std::string, kCaselle>;

// How a message box looks: critical refusal, information, or a Yes/No question.
enum class Icona { Critica, Informazione, Domanda };

// ---------------------------------------------------------------------------
// Reading numbers out of texts.

// The value of a number box that holds a whole number 1..90 (digits only,
// blanks around allowed); nullopt for anything else.
std::optional<int> NumeroCasella(std::string_view testo);

// ---------------------------------------------------------------------------
// Saving a new draw.

// Whether another draw fits: "ARCHIVIO PIENO: IMPOSSIBILE INSERIRE ALTRE
// ESTRAZIONI" when the archive holds 4999 draws already (a free record must
// follow the last one).
Esito SpazioPerNuovaEstrazione(int totEstrazioni);
// Whether a draw may be deleted: "IMPOSSIBILE CANCELLARE L'UNICA ESTRAZIONE"
// when it is the only one.
Esito EliminazioneAmmessa(int totEstrazioni);

enum class Controllo {
  Superato,       // every check passed and the date is not before the last draw
  ArchivioPieno,  // 4999 draws already
  DataPresente,
  EstrattiVuoti,
  FuoriIntervallo,
  EstrattiDoppi,
  FuoriSequenza,  // checks passed; the date is earlier than the last draw: ask first
};

struct VerificaSalvataggio {
  Controllo controllo = Controllo::Superato;
  // The message of the failed check or the question ("" when Superato).
  std::string messaggio;
  Icona icona = Icona::Critica;
  // Boxes 1..50 to show in the faulty colours, ascending.
  std::vector<int> caselleErrate;
  // Where the focus goes after the box: a box 1..50, or 0 for the date picker.
  int fuoco = 0;
  // The date and the parsed numbers, filled when controllo is Superato or
  // FuoriSequenza: what to store.
  Estrazione estrazione;
};

// The save checks in order: capacity, date already present, empty boxes (a
// box whose text starts with the number 0, "0" and "" included), numbers that
// are not whole numbers 1..90, numbers repeated within a wheel (by value),
// then whether the date comes before the last draw.
// REQUIRES: 1 <= totEstrazioni <= 4999 and records 1..totEstrazioni are draws.
VerificaSalvataggio VerificaNuovaEstrazione(const Archivio& a, int totEstrazioni, const Data& data,
                                            const Caselle& caselle);

// The archive with the new draw stored: appended into the first free record,
// or, when its date is earlier than the last draw, moved into date order with
// the later draws shifted up by one record. The fifth date byte of the new
// record is the one the free record held. `posizione` is the record that
// received the draw.
struct ArchivioModificato {
  Archivio archivio;
  int totEstrazioni = 0;
  int posizione = 0;
};
// Fails (with the message of the check) when the archive is full, the date is
// not a calendar date of 1900..2099 ("DATA NON VALIDA") or is present already,
// or a number is not 1..90 or repeated on its wheel.
Risultato<ArchivioModificato> ConNuovaEstrazione(const Archivio& a, int totEstrazioni,
                                                 const Estrazione& nuova);

// The archive without draw d: every later record, up to and including the
// first free record, moves down by one. Refuses deleting the only draw
// ("IMPOSSIBILE CANCELLARE L'UNICA ESTRAZIONE").
// REQUIRES: 1 <= d <= totEstrazioni
Risultato<ArchivioModificato> SenzaEstrazione(const Archivio& a, int totEstrazioni, int d);

// Writes the whole image to `percorso` atomically.
Esito ScriviArchivio(const std::filesystem::path& percorso, const Archivio& a);

// "   ESTRAZIONE SALVATA" CR LF "Inserimento Altra Estrazione ?"
extern const char* const kDomandaSalvata;
// "Cancellare Estrazione ?" CR LF CR LF "ATTENZIONE : OPERAZIONE NON ANNULLABILE !"
extern const char* const kDomandaCancella;
// "Annullare Inserimento Estrazione ?"
extern const char* const kDomandaAnnulla;

// Stores the new draw into s: computes it, writes s.CartellaDati/archivio.dat,
// and only then replaces s.ArchivioEstrazioni and rebuilds the indices.
// Returns the record that received the draw.
Risultato<int> SalvaNuovaEstrazione(Stato& s, const Estrazione& nuova);

// Deletes draw d from s: computes, writes archivio.dat, and only then replaces
// the archive and rebuilds the indices.
// REQUIRES: 1 <= d <= s.TotEstrazioni()
Esito EliminaEstrazione(Stato& s, int d);

// ---------------------------------------------------------------------------
// Correcting one number of a draw (the grid's double click).

inline constexpr const char* kTitoloCorrezione = "Correzione Estratto";
inline constexpr const char* kTitoloErrore = "ERRORE !";

// The prompt of the input box for wheel w, position p of draw d:
// CR LF CR LF "BARI 3°estratto : 45" CR LF x4 "Nuovo Numero ?".
std::string PromptCorrezione(const Archivio& a, int d, int w, int p);
// The default answer: the cell's text, "" for a missing number.
std::string TestoCella(const Archivio& a, int d, int w, int p);

struct Correzione {
  enum class Esito { Nessuna, NonValido, Ripetuto, Corretto };
  Esito esito = Esito::Nessuna;
  // "Numero non Valido" or "Numero Ripetuto" CR LF "45 = al 3° estratto".
  std::string messaggio;
  int valore = 0;  // the new number when Corretto
};
// Judges the answer for wheel w, position p of draw d: an empty answer, or a
// number equal to the cell's, changes nothing; the number is the one the
// answer starts with, a fraction rounded to the nearest whole number.
// REQUIRES: 1 <= w <= 10, 1 <= p <= 5
Correzione ValutaCorrezione(const Archivio& a, int d, int w, int p, std::string_view risposta);

// ---------------------------------------------------------------------------
// Closing the editor.

// First half of the close-time work when the archive changed: writes
// archivio.dat (corrections included, whatever the editor's mode) and
// rebuilds the indices. When the write fails nothing changes, memory
// included, which may hold corrections that the disk does not, and the
// reason is returned.
Esito Chiusura_Scrivi_Archivio(Stato& s);

// For a close that gives up what archivio.dat did not take: memory follows
// the disk again. The file is read back; when it cannot be read, `sulDisco`
// (the image last known to be on disk, when the caller kept one) takes its
// place, else memory stays as it is. The indices are rebuilt.
void Chiusura_Segui_Disco(Stato& s, const Archivio* sulDisco);

// Last step: TabelleRSC and UltimaEstrRSC become the full build of the
// archive in memory and ArchivioSuperEnalotto is derived again, so every tool
// sees the edited archive.
void Chiusura_Ricarica(Stato& s);

// The five full builds of the distance files from s.ArchivioEstrazioni, k = 1..5
// (what the progress window does).
Esito Ricostruisci_Archivi_RSC(const Stato& s);

// The close-time work once archivio.dat was written or given up
// (Chiusura_Segui_Disco): tells `indiciRicostruiti` (the window refreshes the
// range bar and closes the tools that read the archive), rebuilds the five
// distance files from the archive in memory with `ricostruisci` (the window
// shows its progress), and reloads. Memory then holds the archive on disk,
// or the last one known to have been there when the disk cannot be read, so
// that the distance files describe it whether or not the last write
// succeeded. Returns the reason the distance files failed.
Esito Chiusura_Completa(Stato& s, const std::function<void()>& indiciRicostruiti = {},
                        const std::function<Esito(const Stato&)>& ricostruisci = Ricostruisci_Archivi_RSC);

// ---------------------------------------------------------------------------
// Go-to and the key rules of the boxes.

// Go-to by number: the draw whose number the text starts with;
// "Numero Estrazione non valida" outside 1..totEstrazioni.
Risultato<int> VaiANumero(std::string_view testo, int totEstrazioni);

// Go-to by date ("dd.mm.yyyy"): the first draw on or after that date.
// "FORMATO DATA NON VALIDO ( usare 10 crt es: 04.12.1999 ) " for a text that
// is not ten characters with "." at the 3rd and 6th; "DATA NON VALIDA" when
// day, month or year are not digits, or are outside 1..31, 1..12, 1945..3000;
// "Data non Valida" when no draw is on or after the date.
Risultato<int> VaiAData(const Archivio& a, int totEstrazioni, std::string_view testo);

// The text a key produces in a box: the selection (positions in characters)
// replaced by the key's text at the caret.
std::string TestoConTasto(std::string_view testo, int inizioSelezione, int lunghezzaSelezione,
                          std::string_view tasto);

// The go-to-date box accepts a text of at most ten characters made of digits
// and points, where each point is the 3rd or 6th character and follows a
// character that is not a point. Backspace is always let through by the
// window and is not judged here.
bool TestoDataAmmesso(std::string_view testo);
// The go-to-number box: digits only, at most four.
bool TestoNumeroAmmesso(std::string_view testo);

// A number box: digits only, at most two; two digits outside 1..90 pass but
// are out of range (the window then shows "Numeri da 1 a 90 please !" and
// selects the text).
enum class TastoCasella { Rifiutato, Ammesso, FuoriIntervallo };
TastoCasella ValutaTestoCasella(std::string_view testo);

// After a number box changed (and was in range): whether the focus moves on
// (two characters), and the text, with a leading "0" dropped ("07" -> "7").
struct CambioCasella {
  bool avanza = false;
  std::string testo;
};
CambioCasella CambioTestoCasella(std::string_view testo);

// Leaving a number box: valid when empty or a whole number 1..90.
bool CasellaValida(std::string_view testo);

inline constexpr const char* kNumeriDa1a90 = "Numeri da 1 a 90 please !";

}  // namespace Estrazioni
