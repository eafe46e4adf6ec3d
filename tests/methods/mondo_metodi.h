// Test helpers of the method tester's model: an archive with its indices,
// its SuperEnalotto draws, base and table of a game's drawn numbers, draws
// written by date, and one call that runs a method and returns its report.
#pragma once

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "core/indici.h"
#include "core/stato.h"
#include "methods/verifica.h"
#include "support/estrazioni_csv.h"

namespace prova {

// A draw on the date whose every wheel holds 81..85 (numbers the tests'
// forecasts avoid), with the given wheels changed.
inline Estrazione Neutra(Data data,
                         std::initializer_list<std::pair<int, std::vector<int>>> ruote = {}) {
  Estrazione e;
  e.data = data;
  for (auto& w : e.numeri)
    for (int p = 0; p < 5; ++p) w[p] = static_cast<std::uint8_t>(81 + p);
  for (const auto& [w, numeri] : ruote)
    for (std::size_t p = 0; p < numeri.size(); ++p)
      e.numeri[w - 1][p] = static_cast<std::uint8_t>(numeri[p]);
  return e;
}

// Report lines, each ended by CR LF.
inline std::string Righe(std::initializer_list<std::string> righe) {
  std::string s;
  for (const std::string& r : righe) s += r + "\r\n";
  return s;
}

class Mondo {
 public:
  explicit Mondo(const std::vector<Estrazione>& e, const metodi::Regole& r = metodi::Lotto())
      : stato(Carica(e)),
        archivio(stato.ArchivioEstrazioni),
        indici(stato.indici),
        regole(r),
        base(metodi::PreparaBase(archivio, indici)),
        tavola(r.CreaTavola(stato, base.ultima)) {}
  Mondo(const Mondo&) = delete;
  Mondo& operator=(const Mondo&) = delete;

  static std::vector<std::optional<metodi::Pronostico>> Leggi(
      const std::vector<std::string>& righe) {
    std::vector<std::optional<metodi::Pronostico>> out;
    for (const std::string& r : righe) {
      auto p = metodi::LeggiPronostico(r);
      out.push_back(p ? std::optional<metodi::Pronostico>(*p) : std::nullopt);
    }
    return out;
  }
  metodi::Verifica Esegui(const std::vector<std::string>& righe, const metodi::Opzioni& o) const {
    return metodi::Esegui(base, tavola, regole, Leggi(righe), o);
  }
  std::string Rapporto(const std::vector<std::string>& righe, const metodi::Opzioni& o) const {
    const auto lette = Leggi(righe);
    const metodi::Verifica v = metodi::Esegui(base, tavola, regole, lette, o);
    EXPECT_TRUE(v.periodo.valido());
    return metodi::ScriviRapporto(v, lette, base, tavola, regole, o).testo;
  }
  // The entry of a year in the year list.
  int Anno(int anno) const {
    for (std::size_t i = 0; i < indici.AnniArchivio.size(); ++i)
      if (indici.AnniArchivio[i].substr(0, 4) == std::to_string(anno)) return static_cast<int>(i);
    ADD_FAILURE() << "anno assente: " << anno;
    return 0;
  }
  // Options for the period from a month to a month ("A"), the rest as given.
  metodi::Opzioni Da(int mese, int anno, int meseFine, int annoFine, metodi::Opzioni o = {}) const {
    o.mese = {mese - 1, meseFine - 1};
    o.anno = {Anno(anno), Anno(annoFine)};
    o.fine = 0;
    return o;
  }

  Stato stato;
  const Archivio& archivio;
  const Indici& indici;
  const metodi::Regole& regole;
  metodi::Base base;
  metodi::Tavola tavola;

 private:
  static Stato Carica(const std::vector<Estrazione>& e) {
    Stato s;
    s.ArchivioEstrazioni = CostruisciArchivio(e);
    Inizio::Aggiorna_Indici_Archivio(s.ArchivioEstrazioni, s.indici);
    s.ArchivioSuperEnalotto =
        Inizio::Crea_Archivio_SuperEnalotto(s.ArchivioEstrazioni, s.indici.TotEstrazioni);
    return s;
  }
};

// Draws on every Wednesday and Saturday from `da` on (the first included
// whatever its weekday), `quante` of them.
inline std::vector<Estrazione> MercolediSabato(Data da, int quante) {
  std::vector<Estrazione> out{Neutra(da)};
  for (Data d = da; static_cast<int>(out.size()) < quante;) {
    if (++d.giorno > GiorniDelMese(d.mese, d.anno)) {
      d.giorno = 1;
      if (++d.mese > 12) d.mese = 1, ++d.anno;
    }
    if (d.giornoSettimana() == 4 || d.giornoSettimana() == 7) out.push_back(Neutra(d));
  }
  return out;
}

}  // namespace prova
