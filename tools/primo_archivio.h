// The first archivio.dat of a new installation, made from the program's copy
// of the real draws (data/estrazioni.csv): its most recent draws, leaving room
// for new ones.
#pragma once

#include <filesystem>

#include "core/data.h"
#include "core/esito.h"

namespace primo_archivio {

inline constexpr int kEstrazioniPredefinite = 4900;  // 99 free places for new draws

struct Resoconto {
  int estrazioni = 0;
  Data prima;
  Data ultima;
};

// Reads the draws file, builds the archive of its last `quante` draws (all of
// them when it holds fewer), checks it as the program's start-up will, and
// only then writes it to `archivio` through an atomic write. A refusal (an
// unreadable or damaged draws file, with its line) leaves `archivio` exactly
// as it was.
// REQUIRES: 1 <= quante <= formato::kMaxEstrazioni
Risultato<Resoconto> Crea(const std::filesystem::path& csv, const std::filesystem::path& archivio,
                          int quante);

}  // namespace primo_archivio
