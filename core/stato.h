// Stato: what the whole program shares, in plain C++. main() creates one;
// windows receive a reference (through the Programma gate on the Qt side).
#pragma once

#include <filesystem>
#include <string>

#include "core/archivio.h"
#include "core/classi.h"
#include "core/indici.h"
#include "core/ritardi_ruote.h"
#include "core/rsc.h"

struct Stato {
  // "Tarvolane" or "Vespante", from the executable's name.
  std::string Titolo = "Tarvolane";
  // Data folder: the current folder at launch (archivio.dat, Rsc*.dat, Detector_Files).
  std::filesystem::path CartellaDati;
  // Program folder: the executable's folder (Stampa.txt, output.txt, help pages...).
  std::filesystem::path CartellaProgramma;

  Archivio ArchivioEstrazioni;
  Indici indici;
  SuperEnalotto ArchivioSuperEnalotto;
  Rsc::Tabelle TabelleRSC;
  int UltimaEstrRSC = 0;
  Inizio::TabelleClassi classi;

  // The range chosen on the range bar.
  int EstrInizio = 1;
  int EstrFine = 0;

  // Presences and longest gaps per wheel at the last computed reference draw.
  StoriciPresenze storici;

  // Cross-window values.
  int EstrSelezionata = 0;     // the draw shown in the archive editor
  std::string TipoGriglia;     // "s" sums, "d" distances (cyclometric table)
  int NumeroGriglia = 0;       // the number last picked in the number picker

  int TotEstrazioni() const { return indici.TotEstrazioni; }
};
