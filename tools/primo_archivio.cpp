#include "tools/primo_archivio.h"

#include <algorithm>
#include <cstdint>
#include <vector>

#include "core/archivio.h"
#include "core/estrazioni_csv.h"
#include "core/file.h"

namespace primo_archivio {

Risultato<Resoconto> Crea(const std::filesystem::path& csv, const std::filesystem::path& archivio,
                          int quante) {
  const auto testo = file::LeggiTesto(csv, EstrazioniCsv::kMassimoByte);
  if (!testo) return Esito::Errore(testo.motivo());
  const auto tutte = EstrazioniCsv::Decodifica(*testo);
  if (!tutte) return Esito::Errore(tutte.motivo());
  const auto n = std::min<std::ptrdiff_t>(quante, static_cast<std::ptrdiff_t>(tutte->size()));
  const std::vector<Estrazione> ultime(tutte->end() - n, tutte->end());
  const Archivio a = CostruisciArchivio(ultime);
  // The image must be one the program opens, or it is not written at all.
  if (const auto controllo = Archivio::Decodifica(a.bytes(), archivio.filename().string());
      !controllo)
    return Esito::Errore(controllo.motivo());
  if (const Esito scritto = file::ScriviAtomico(
          archivio, std::vector<std::uint8_t>(a.bytes().begin(), a.bytes().end()));
      !scritto)
    return scritto;
  return Resoconto{static_cast<int>(ultime.size()), ultime.front().data, ultime.back().data};
}

}  // namespace primo_archivio
