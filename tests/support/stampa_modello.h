// GoogleTest printers for the model's values that the tests compare whole: a
// failed comparison shows each field by name instead of the bytes of the
// object. Each printer sits in its type's namespace, where GoogleTest finds
// it. The build puts this file ahead of every test source, so that every
// instantiation of GoogleTest's printer in a test program sees the same
// overloads; the model itself holds no test code.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <optional>
#include <ostream>
#include <sstream>
#include <string>
#include <string_view>
#include <type_traits>

#include "boards/cadenze_decine_figure.h"
#include "boards/tabellone_analitico.h"
#include "core/archive_format.h"
#include "core/data.h"
#include "methods/correzione.h"
#include "methods/file_metodo.h"
#include "methods/verifica.h"
#include "stats/statistiche.h"
#include "stats/tabella_formazioni.h"

namespace prova {

// A UTF-8 text in quotes, with quotes, backslashes and control characters
// escaped, so that a difference in blanks or line ends shows.
inline void StampaTesto(std::string_view s, std::ostream* os) {
  static constexpr char kCifre[] = "0123456789ABCDEF";
  *os << '"';
  for (const char c : s) {
    const auto b = static_cast<unsigned char>(c);
    if (c == '"' || c == '\\')
      *os << '\\' << c;
    else if (c == '\n')
      *os << "\\n";
    else if (c == '\r')
      *os << "\\r";
    else if (c == '\t')
      *os << "\\t";
    else if (b < 0x20 || b == 0x7F)
      *os << "\\x" << kCifre[b >> 4] << kCifre[b & 15];
    else
      *os << c;
  }
  *os << '"';
}

// Prints `Tipo{campo: valore, ...}`, one call per field; the closing brace
// comes at the end of the statement.
class Campi {
 public:
  Campi(std::ostream* os, const char* tipo) : mOs(os) { *mOs << tipo << '{'; }
  ~Campi() { *mOs << '}'; }
  Campi(const Campi&) = delete;
  Campi& operator=(const Campi&) = delete;

  template <class T>
  Campi& operator()(const char* nome, const T& valore) {
    *mOs << (mPrimo ? "" : ", ") << nome << ": ";
    mPrimo = false;
    if constexpr (std::is_convertible_v<const T&, std::string_view>)
      StampaTesto(valore, mOs);
    else if constexpr (std::is_same_v<T, std::optional<std::string>>)
      valore ? StampaTesto(*valore, mOs) : void(*mOs << "nessuno");
    else
      *mOs << ::testing::PrintToString(valore);
    return *this;
  }
  // Prints the text as it is: a value already formatted.
  Campi& testo(const char* nome, const std::string& valore) {
    *mOs << (mPrimo ? "" : ", ") << nome << ": " << valore;
    mPrimo = false;
    return *this;
  }

 private:
  std::ostream* mOs;
  bool mPrimo = true;
};

}  // namespace prova

inline void PrintTo(const Data& d, std::ostream* os) {
  prova::Campi(os, "Data")("giorno", d.giorno)("mese", d.mese)("anno", d.anno);
}

namespace formazioni {

inline void PrintTo(const Formazione& f, std::ostream* os) {
  prova::Campi(os, "Formazione")("nome", f.nome)("numeri", f.numeri);
}
inline void PrintTo(const Gruppo& g, std::ostream* os) {
  prova::Campi(os, "Gruppo")("nome", g.nome)("formazioni", g.formazioni);
}
inline void PrintTo(const Tabella& t, std::ostream* os) {
  prova::Campi(os, "Tabella")("gruppi", t.gruppi);
}

}  // namespace formazioni

namespace metodi {

inline void PrintTo(const Opzioni& o, std::ostream* os) {
  prova::Campi(os, "Opzioni")("mese", o.mese)("anno", o.anno)("fine", o.fine)("colpi", o.colpi)(
      "interrompi", o.interrompi)("positivi", o.positivi)("riepilogo", o.riepilogo)(
      "parziali", o.parziali)("ruote", o.ruote)("cicli", o.cicli);
}
inline void PrintTo(const RigaCorrezione& r, std::ostream* os) {
  prova::Campi(os, "RigaCorrezione")("estratto", r.estratto)("ruota", r.ruota)("segno", r.segno)(
      "fisso", r.fisso)("unita", r.unita);
}
inline void PrintTo(const Totali& t, std::ostream* os) {
  prova::Campi(os, "Totali")("cicli", t.cicli)("positivi", t.positivi)("multipli", t.multipli)(
      "inCorso", t.inCorso)("colpi", t.colpi)("maxAttesa", t.maxAttesa)("minAttesa", t.minAttesa);
}

}  // namespace metodi

namespace Statistiche {

inline void PrintTo(const Evento& e, std::ostream* os) {
  prova::Campi(os, "Evento")("estrazione", e.estrazione)("ruota", e.ruota)("distanza", e.distanza);
}
// The marks set, as draw/wheel/position, the first twenty of them.
inline void PrintTo(const Segni& s, std::ostream* os) {
  std::string segni;
  int quanti = 0;
  for (int d = 1; d <= formato::kRecord; ++d)
    for (int w = 1; w <= 10; ++w)
      for (int p = 1; p <= 5; ++p)
        if (s(d, w, p) && ++quanti <= 20)
          segni += (segni.empty() ? "" : " ") + std::to_string(d) + "/" + std::to_string(w) + "/" +
                   std::to_string(p);
  prova::Campi(os, "Segni")("quanti", quanti).testo("primi", "{" + segni + "}");
}

}  // namespace Statistiche

namespace Tabelloni {

inline void PrintTo(const RigaTabellone& r, std::ostream* os) {
  std::string celle;
  for (const std::uint8_t c : r.cella) celle += (celle.empty() ? "" : " ") + std::to_string(c);
  prova::Campi(os, "RigaTabellone")("ritardo", r.ritardo).testo("cella", "{" + celle + "}");
}

}  // namespace Tabelloni

namespace CadenzeDecineFigure {

inline void PrintTo(const Evidenziazione& e, std::ostream* os) {
  prova::Campi(os, "Evidenziazione")("CkPreMin", e.CkPreMin)("TxMinP", e.TxMinP)(
      "CkPreMax", e.CkPreMax)("TxMaxP", e.TxMaxP)("CkRitMax", e.CkRitMax)("TxMaxR", e.TxMaxR);
}
// Colours as the code writes them, &HBBGGRR.
inline void PrintTo(const Colori& c, std::ostream* os) {
  auto colore = [](std::uint32_t v) {
    std::ostringstream h;
    h << "&H" << std::hex << std::uppercase << v;
    return h.str();
  };
  prova::Campi(os, "Colori").testo("sfondo", colore(c.sfondo)).testo("testo", colore(c.testo));
}

}  // namespace CadenzeDecineFigure
