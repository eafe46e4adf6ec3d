#include "boards/tabellone_analitico.h"

#include <algorithm>

#include "boards/prima_uscita.h"
#include "core/file.h"
#include "core/nomi.h"
#include "core/rsc.h"

using formato::kPosizioni;
using formato::kRuote;

namespace Tabelloni {

Tabellone Scansiona(const Archivio& immagine, int inizio, int riferimento) {
  // Rows further back than the last shown one never reach the screen, so the
  // scan stops there.
  Tabellone righe;
  PerPrimaUscita(immagine, riferimento, std::max(inizio, riferimento - kUltimaRigaMostrata),
                 [&](int r, int w, int p, int x) {
                   if (righe.empty() || righe.back().ritardo != r) righe.push_back({r, {}});
                   righe.back().cella[ColonnaDi(w, p) - 1] = static_cast<std::uint8_t>(x);
                 });
  return righe;
}

TabelloneAnalitico Crea_Tabellone_Analitico(const Archivio& copia, int inizio, int riferimento) {
  return {Scansiona(copia, inizio, riferimento),
          Inizio::Calcola_Storici_Presenze_Ruote(copia, inizio, riferimento)};
}

namespace {

// The value of a board cell, 0 when the cell is empty or off the board.
int Valore(const Tabellone& t, std::size_t riga, int colonna) {
  if (riga >= t.size() || colonna < 1 || colonna > kColonne) return 0;
  return t[riga].cella[colonna - 1];
}

std::string Ruota(int colonna) {
  return "Ruota di " + std::string(Inizio::NomiRuote[RuotaDiColonna(colonna)]);
}

}  // namespace

std::optional<std::array<std::string, 5>> DettagliTabAna(const TabelloneAnalitico& t,
                                                         std::size_t riga, int colonna) {
  const int n = Valore(t.righe, riga, colonna);
  if (n == 0) return std::nullopt;
  const int w = RuotaDiColonna(colonna);
  return std::array<std::string, 5>{Ruota(colonna), "Numero " + std::to_string(n),
                                    "Ritardo " + std::to_string(t.righe[riga].ritardo),
                                    "Storico " + std::to_string(t.storici.RitardoStorico[w][n]),
                                    "Presenze " + std::to_string(t.storici.Presenze[w][n])};
}

int NumeroPuntato(int e, int fisso) {
  const int y = e + fisso;
  return y > 90 ? y - 90 : y;
}

std::optional<std::array<std::string, 5>> DettagliTabellone1(const Tabellone& t,
                                                             const Archivio& archivio,
                                                             int riferimento, int k,
                                                             std::size_t riga, int colonna) {
  const int f = Valore(t, riga, colonna);
  if (f == 0) return std::nullopt;
  const int e = archivio(riferimento, RuotaDiColonna(colonna), k);
  return std::array<std::string, 5>{
      Ruota(colonna), "Ritardo " + std::to_string(t[riga].ritardo), "Fisso " + std::to_string(f),
      "Corrispondente al " + std::to_string(NumeroPuntato(e, f)), "( " + std::to_string(e) + " )"};
}

Risultato<Archivio> LeggiArchivioRSC(const std::filesystem::path& cartella, int k) {
  const std::string nome = Rsc::NomeFile(k);
  auto dati = file::LeggiBinario(cartella / nome, formato::kDimensione);
  if (!dati) return Risultato<Archivio>::Errore(dati.motivo());
  auto immagine = Archivio::DecodificaGrezza(*dati, nome);
  if (!immagine) return immagine;
  const int ultima = immagine->ultimaEstrazione();
  if (ultima == 0)
    return Risultato<Archivio>::Errore(nome + " non valido: nessuna estrazione presente");
  for (int d = 1; d <= ultima; ++d)
    for (int w = 1; w <= kRuote; ++w)
      for (int p = 1; p <= kPosizioni; ++p)
        if ((*immagine)(d, w, p) > 90)
          return Risultato<Archivio>::Errore(
              nome + " non valido: distanza " + std::to_string((*immagine)(d, w, p)) +
              " fuori da 0..90 nell'estrazione " + std::to_string(d));
  return immagine;
}

}  // namespace Tabelloni
