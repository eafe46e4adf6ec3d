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

// True when the folder holds nothing named archivio.dat, not even a link.
// Anything else there (a link to nowhere or in a loop, a folder, a FIFO) is
// for CaricaArchivio to refuse with its reason.
bool ArchivioAssente(const std::filesystem::path& cartellaDati);

// Reads and checks archivio.dat from the folder (see Archivio::Decodifica).
Risultato<Archivio> CaricaArchivio(const std::filesystem::path& cartellaDati);

// Creates the folder Detector_Files in the data folder when nothing of that
// name exists there.
Esito CreaCartellaDetector(const std::filesystem::path& cartellaDati);

// Steps 2 and 3: with the archive in place, builds the indices and the
// SuperEnalotto draws, sets the range to every draw and computes the
// per-wheel presences at the last draw.
void PreparaIndici(Stato& s);

// Steps 5 to 7: puts the full build of the distance archives into
// s.TabelleRSC and s.UltimaEstrRSC, and rewrites every file that does not
// hold it. The tables are always set; a file that could not be written is
// the returned reason (nothing else was written after it).
Esito PreparaArchiviRSC(Stato& s);

// Removes the temporary files (".NAME.XXXXXX") that interrupted writes left
// of the files the program writes in its own folders: archivio.dat and the
// distance archives in the data folder, the method detector's files in its
// Detector_Files, and TabFnum.txt, riporto.txt, Stampa.txt and output.txt in
// the program folder. Nothing else is touched; never fails.
void RimuoviScrittureInterrotte(const std::filesystem::path& cartellaDati,
                                const std::filesystem::path& cartellaProgramma);

}  // namespace Inizio
