// Statistics of events over a range of draws: what the statistics windows
// share. Each window asks its own question of the draws (a delay group, the
// number of the draw's day, a formation on a wheel); the answer always has
// the same form: the events in draw order, the gaps between event draws with
// their frequencies, the longest and the last gap, the presences, and the hit
// marks that colour the drawn numbers of an event's draw.
//
// A window's run feeds a Corsa with its events draw by draw and marks the
// numbers it matched in a Segni; the helpers here turn them into the event
// list, the report lines every window shares, the range captions and the
// detail panel. Every function reads only its arguments.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "core/archivio.h"

namespace Statistiche {

// Gaps run from 0 to 5000: the histogram has one entry per gap.
inline constexpr int kMaxDistanza = formato::kRecord;

inline constexpr std::string_view kTitoloErrori = "ATTENZIONE - ERRORI NELLE OPZIONI !!!";
inline constexpr std::string_view kSelezionaRuota = "SELEZIONARE ALMENO UNA RUOTA !";
inline constexpr std::string_view kNessunRisultato = "NESSUN RISULTATO";

// The ticked wheel boxes: [w] for wheel w = 1..10; [0] is not used.
using Ruote = std::array<bool, 11>;

// The date text of draw d: "05.01.1945" (day and month with a leading zero,
// the century byte and the two-digit year).
// REQUIRES: 1 <= d <= 5000
std::string DataTesto(const Archivio& a, int d);

// The label of draw d without its number: what Inizio::Descrivi_Estrazione
// writes after " - " ("Sab  2 Gen 1999").
// REQUIRES: record d holds a valid date
std::string EtichettaEstrazione(const Archivio& a, int d);

// The ways to choose s numbers among h hits, C(h, s): the presences an event
// adds (for the ambo 1, 3, 6, 10 for 2..5 hits); 0 when h < s.
// REQUIRES: 0 <= h <= 90, 1 <= s <= 5
long long Combinazioni(int h, int s);

// The codes of the ticked wheels joined by ",": "BA,NA,VE".
std::string SigleRuote(const Ruote& ruote);

// Hit marks: one flag per draw 1..5000, wheel 1..10 and position 1..5, all
// clear on construction.
class Segni {
 public:
  Segni() : mBit(formato::kRecord + 1, 0) {}
  // REQUIRES: 1 <= d <= 5000, 1 <= w <= 10, 1 <= p <= 5 (for both)
  void segna(int d, int w, int p) { mBit[d] |= Bit(w, p); }
  // Marks the positions of wheel w whose bits (p - 1) are set in `posizioni`.
  void segnaPosizioni(int d, int w, unsigned int posizioni) {
    mBit[d] |= std::uint64_t{posizioni & 0x1Fu} << ((w - 1) * 5);
  }
  bool operator()(int d, int w, int p) const { return (mBit[d] & Bit(w, p)) != 0; }
  bool operator==(const Segni&) const = default;

 private:
  static std::uint64_t Bit(int w, int p) { return std::uint64_t{1} << ((w - 1) * 5 + (p - 1)); }
  std::vector<std::uint64_t> mBit;
};

// One line of the event list: the event's draw (the item's data), its wheel
// and the gap since the previous event draw.
struct Evento {
  int estrazione = 0;
  int ruota = 0;
  int distanza = 0;
  bool operator==(const Evento&) const = default;
};

// The event line: date text, blank, wheel name, blank, gap: "05.01.1945 BARI 3".
std::string RigaEvento(const Archivio& a, const Evento& e);

// The tally of one run. The gap of an event is the number of draws strictly
// between it and the previous event draw; the draw before the start of the
// range counts as an event draw for the first event. Every event of one draw
// shares the gap measured from the previous event draw.
class Corsa {
 public:
  // REQUIRES: inizio >= 1
  explicit Corsa(int inizio);

  // Records an event of draw d on wheel w that adds `presenze`.
  // REQUIRES: draws are given in increasing order, d >= inizio
  void Aggiungi(int d, int w, long long presenze);

  const std::vector<Evento>& eventi() const { return mEventi; }
  // Events per gap, gap 0..5000.
  const std::vector<long long>& istogramma() const { return mIstogramma; }
  // The longest gap and the draw of the event that set it (the first event
  // with that gap, or with gap 0 the last one while every gap is 0); draw 0
  // before any event.
  int ritardoStorico() const { return mStorico; }
  int estrazioneStorico() const { return mEstrazioneStorico; }
  // The gap of the last event and its draw (0 before any event).
  int ultimoRitardo() const { return mUltimo; }
  int estrazioneUltimo() const { return mEstrazioneUltimo; }
  long long presenze() const { return mPresenze; }
  // The last event draw: inizio - 1 before any event.
  int ultimaEstrazioneEvento() const { return mInCorso ? mInCorso : mUltimaEstrazione; }

 private:
  std::vector<Evento> mEventi;
  std::vector<long long> mIstogramma;
  int mUltimaEstrazione;  // the last event draw before the draw in course
  int mInCorso = 0;       // the draw of the latest event, 0 before any
  int mStorico = 0;
  int mEstrazioneStorico = 0;
  int mUltimo = 0;
  int mEstrazioneUltimo = 0;
  long long mPresenze = 0;
};

// What a window's run leaves: the tally, the hit marks and the report lines
// (empty when the run found no event).
struct Elaborazione {
  explicit Elaborazione(int inizio) : corsa(inizio) {}
  Corsa corsa;
  Segni segni;
  std::vector<std::string> rapporto;
};

// Appends the report lines every window shares, from "Ritardo Attuale.: "
// to the last frequency line: the current delay (fine - the last event
// draw), the longest gap (plus one when `storicoPiuUno`) and the last gap
// each in 5 characters (wider when longer) followed by "del " and the date
// text of its event, the presences, an empty line, "Frequenze Ritardi : "
// and one line per gap with events: the gap with thousands dots, "  :  ",
// the count.
// REQUIRES: c holds at least one event
void AggiungiRitardi(std::vector<std::string>& righe, const Archivio& a, const Corsa& c, int fine,
                     bool storicoPiuUno);

// The three lines that name the range by draw labels:
// "Estrazione iniziale.: Sab  5 Gen 1945", "Estrazione finale...: ...",
// "Numero Estrazioni...: 4999".
// REQUIRES: 1 <= inizio <= fine, both draws of the archive
void AggiungiEstremi(std::vector<std::string>& righe, const Archivio& a, int inizio, int fine);

// The range caption of the delay-group window: "Inizio : 1 (5.1.1945)     Fine
// : 4999 (30.5.2026)     N.Estrazioni : 4999"; the start date is read from
// `date` (distance table 1) and is empty when inizio is 0.
std::string DidascaliaGruppi(const Archivio& date, int inizio, int fine, std::string_view dataFine);

// The detail panel of draw d: the 50 numbers (cella[(w - 1) * 5 + p]) and the
// panel's caption "Estr. " and the draw's label.
enum class Evidenza {
  Colpiti,  // a marked number on yellow, the others on white, black text
  Giorno,   // a marked number yellow on red; the day's number not marked on
            // yellow; the others on white; black text
};
struct CellaDettaglio {
  std::string testo;           // empty for 0
  unsigned int sfondo = 0;     // &HBBGGRR
  unsigned int inchiostro = 0;
  bool operator==(const CellaDettaglio&) const = default;
};
struct Dettaglio {
  std::array<CellaDettaglio, 51> cella;  // 1..50
  std::string titolo;
};
// REQUIRES: d a draw of the archive
Dettaglio Mostra_Dettaglio_Estrazione(const Archivio& a, const Segni& segni, int d, Evidenza evidenza);

inline constexpr unsigned int kGiallo = 0xFFFF;
inline constexpr unsigned int kBianco = 0xFFFFFF;
inline constexpr unsigned int kRosso = 0xFF;
inline constexpr unsigned int kNero = 0;

}  // namespace Statistiche
