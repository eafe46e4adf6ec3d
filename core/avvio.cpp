#include "core/avvio.h"

#include "core/file.h"

namespace Inizio {

std::string TitoloApplicazione(std::string_view percorsoEseguibile) {
  std::string nome = std::filesystem::path(percorsoEseguibile).stem().string();
  for (char& c : nome)
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  return nome == "VESPANTE" ? "Vespante" : "Tarvolane";
}

Risultato<Archivio> CaricaArchivio(const std::filesystem::path& cartellaDati) {
  auto dati = file::LeggiBinario(cartellaDati / "archivio.dat");
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

void RimuoviScrittureInterrotte(const std::filesystem::path& cartellaDati) {
  std::vector<std::string> nomi = {"archivio.dat"};
  for (int k = 1; k <= 5; ++k) nomi.push_back(Rsc::NomeFile(k));
  file::RimuoviTemporanei(cartellaDati, nomi);
}

}  // namespace Inizio
