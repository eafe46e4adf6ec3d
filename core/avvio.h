// The start-up's loading steps as plain functions; the start window calls
// them in order and shows what they report.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

#include "core/esito.h"
#include "core/stato.h"

namespace Inizio {

// "Vespante" when the executable's name without extension, upper-cased, is
// VESPANTE; "Tarvolane" otherwise.
std::string TitoloApplicazione(std::string_view percorsoEseguibile);

// Reads and checks archivio.dat from the folder (see Archivio::Decodifica).
Risultato<Archivio> CaricaArchivio(const std::filesystem::path& cartellaDati);

// Creates the folder Detector_Files in the data folder when nothing of that
// name exists there.
Esito CreaCartellaDetector(const std::filesystem::path& cartellaDati);

// Steps 2 and 3: with the archive in place, builds the indices and the
// SuperEnalotto draws, sets the range to every draw and computes the
// per-wheel presences at the last draw.
void PreparaIndici(Stato& s);

// Steps 5 to 7: loads, checks and extends (or rebuilds) the distance
// archives into s.TabelleRSC and s.UltimaEstrRSC.
Esito PreparaArchiviRSC(Stato& s);

}  // namespace Inizio
