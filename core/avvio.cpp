#include "core/avvio.h"

#include "core/file.h"

namespace Inizio {

std::string TitoloApplicazione(std::string_view percorsoEseguibile) {
  std::string nome = std::filesystem::path(percorsoEseguibile).stem().string();
  for (char& c : nome)
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  return nome == "VESPANTE" ? "Vespante" : "Tarvolane";
}

bool ArchivioAssente(const std::filesystem::path& cartellaDati) {
  std::error_code ec;
  return std::filesystem::symlink_status(cartellaDati / "archivio.dat", ec).type() ==
         std::filesystem::file_type::not_found;
}

Risultato<Archivio> CaricaArchivio(const std::filesystem::path& cartellaDati) {
  auto dati = file::LeggiBinario(cartellaDati / "archivio.dat", formato::kDimensione);
  if (!dati) return Risultato<Archivio>::Errore(dati.motivo());
  return Archivio::Decodifica(*dati);
}

Esito CreaCartellaDetector(const std::filesystem::path& cartellaDati) {
  const auto cartella = cartellaDati / "Detector_Files";
  std::error_code ec;
  if (std::filesystem::exists(std::filesystem::symlink_status(cartella, ec))) return Esito::Ok();
  std::filesystem::create_directory(cartella, ec);
  if (ec)
    return Esito::Errore("impossibile creare la cartella Detector_Files: " +
                         file::DescriviErrore(ec.value()));
  return Esito::Ok();
}

void PreparaIndici(Stato& s) {
  Aggiorna_Indici_Archivio(s.ArchivioEstrazioni, s.indici);
  s.ArchivioSuperEnalotto = Crea_Archivio_SuperEnalotto(s.ArchivioEstrazioni, s.TotEstrazioni());
  s.EstrInizio = 1;
  s.EstrFine = s.TotEstrazioni();
  s.storici = Calcola_Storici_Presenze_Ruote(s.ArchivioEstrazioni, 1, s.TotEstrazioni());
}

Esito PreparaArchiviRSC(Stato& s) {
  Rsc::Preparazione prep = Rsc::Prepara(s.CartellaDati, s.ArchivioEstrazioni);
  s.TabelleRSC = std::move(prep.tabelle);
  s.UltimaEstrRSC = prep.UltimaEstrRSC;
  if (!prep.errore.empty()) return Esito::Errore(prep.errore);
  return Esito::Ok();
}

namespace {

// The name of a file the method detector writes: "BA5200503.mdd", the
// wheel's code, the position, the year and the month, ".mdd" or ".mtd".
bool FileDelDetector(std::string_view nome) {
  if (nome.size() != 13) return false;
  for (std::size_t i = 0; i < 9; ++i) {
    const char c = nome[i];
    if (i < 2 ? (c < 'A' || c > 'Z') : (c < '0' || c > '9')) return false;
  }
  return nome.substr(9) == ".mdd" || nome.substr(9) == ".mtd";
}

}  // namespace

void RimuoviScrittureInterrotte(const std::filesystem::path& cartellaDati,
                                const std::filesystem::path& cartellaProgramma) {
  std::vector<std::string> dati = {"archivio.dat"};
  for (int k = 1; k <= 5; ++k) dati.push_back(Rsc::NomeFile(k));
  file::RimuoviTemporanei(cartellaDati, dati);
  file::RimuoviTemporanei(cartellaDati / "Detector_Files", FileDelDetector);
  // The fixed files of the program folder, as their tools name them.
  file::RimuoviTemporanei(cartellaProgramma,
                          {"TabFnum.txt", "riporto.txt", "Stampa.txt", "output.txt"});
}

}  // namespace Inizio
