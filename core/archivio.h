// Archivio: the 275000-byte image of a draw archive (archivio.dat) or of a
// distance archive (Rsc1.dat..Rsc5.dat), with typed access to its bytes.
//
// Records run 1..5000. A record is free when its day byte is 0 and its century
// byte is above 18; the first free record ends the archive, so an archive holds
// at most 4999 draws. Wheel 0 of a record holds its date, wheels 1..10 the five
// numbers of BARI..VENEZIA (0 = no number).
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "core/archive_format.h"
#include "core/data.h"
#include "core/esito.h"

class Archivio {
 public:
  // A zero-filled image (no free record: not a valid archive until filled).
  Archivio();

  // REQUIRES: 1 <= d <= 5000, 0 <= w <= 10, 1 <= p <= 5
  std::uint8_t operator()(int d, int w, int p) const { return mByte[formato::Offset(d, w, p)]; }
  std::uint8_t& operator()(int d, int w, int p) { return mByte[formato::Offset(d, w, p)]; }

  int giorno(int d) const { return (*this)(d, 0, formato::kGiorno); }
  int mese(int d) const { return (*this)(d, 0, formato::kMese); }
  int anno(int d) const { return (*this)(d, 0, formato::kAnno); }
  int secolo(int d) const { return (*this)(d, 0, formato::kSecolo); }
  // Century byte followed by the two-digit year byte (19 and 45 give 1945).
  int annoCompleto(int d) const { return secolo(d) * 100 + anno(d); }
  Data data(int d) const { return Data{giorno(d), mese(d), annoCompleto(d)}; }
  bool libero(int d) const { return giorno(d) == 0 && secolo(d) > 18; }

  // Writes the four date bytes of record d (the reserved fifth byte is kept).
  void impostaData(int d, const Data& data);
  // Makes record d free: day 0, century 99 (the other bytes are kept).
  void liberaRecord(int d);
  // Copies the 55 bytes of record `da` of `sorgente` into record `a`.
  void copiaRecord(int a, const Archivio& sorgente, int da);

  // Number of draws by the forward scan: the index of the first free record
  // minus 1; -1 when no record is free.
  int contaEstrazioni() const;
  // The last draw by the backward scan: the highest record whose century byte
  // is above 18 and whose day byte is not 0; 0 when there is none.
  int ultimaEstrazione() const;

  std::span<const std::uint8_t> bytes() const { return mByte; }
  std::span<std::uint8_t> bytes() { return mByte; }

  bool operator==(const Archivio&) const = default;

  // Reads an archivio.dat image and checks it: exactly 275000 bytes, at least
  // one draw, a free record after the last draw and only free records after
  // that one, every draw a valid calendar
  // date of century 19 or 20, every number 0..90. On failure returns the
  // Italian reason ("archivio.dat non valido: ...").
  static Risultato<Archivio> Decodifica(std::span<const std::uint8_t> dati,
                                        const std::string& nome = "archivio.dat");
  // Takes any 275000-byte image as it is (distance archives); fails on size only.
  static Risultato<Archivio> DecodificaGrezza(std::span<const std::uint8_t> dati,
                                              const std::string& nome);

 private:
  std::vector<std::uint8_t> mByte;
};

// Builds a valid archive from a list of draws: record i + 1 holds draws[i];
// every other record is free (day 0, century 99). Used by tests, benchmarks
// and the demonstration archive tool.
// REQUIRES: draws.size() <= 4999
struct Estrazione {
  Data data;
  std::uint8_t numeri[10][5] = {};  // [wheel - 1][position - 1]
};
Archivio CostruisciArchivio(const std::vector<Estrazione>& estrazioni);

// Keeps test failure output short: an image prints as its draw count.
#include <ostream>
inline void PrintTo(const Archivio& a, std::ostream* os) {
  *os << "Archivio(" << a.contaEstrazioni() << " estrazioni)";
}
