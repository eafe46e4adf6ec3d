#include "archive/stampa_estrazione.h"

#include "archive/testi_estrazione.h"
#include "core/file.h"
#include "core/testo.h"

namespace Estrazioni {

std::vector<std::string> RigheStampa(const Archivio& a, int d, std::string_view titolo) {
  std::vector<std::string> righe;
  righe.push_back(std::string(22, ' ') + std::string(titolo) + " ");
  righe.emplace_back();
  righe.push_back("Estrazione n. " + std::to_string(d) + " del " + TestoData(a, d));
  righe.emplace_back();
  for (int w = 1; w <= formato::kRuote; ++w) {
    std::string riga(NomiRuote8[w]);
    for (int p = 1; p <= formato::kPosizioni; ++p) riga += " " + DueCifre(a(d, w, p));
    righe.push_back(riga);
  }
  righe.emplace_back();
  righe.push_back(TestoSuperEnalotto(a, d));
  return righe;
}

Esito ScriviStampa(const std::filesystem::path& cartella, const std::vector<std::string>& righe) {
  return file::ScriviAtomico(cartella / kFileStampa, testo::CodificaRighe(righe),
                             file::Collegamento::Sostituisci);
}

}  // namespace Estrazioni
