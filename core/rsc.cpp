#include "core/rsc.h"

#include <algorithm>

#include "core/file.h"

using namespace formato;

namespace Rsc {

namespace {

// Computes records from `primo` to 5000 of table k exactly as the full build does.
void CalcolaDa(const Archivio& a, int k, int primo, Archivio& t) {
  if (primo < 1) primo = 1;
  for (int p = 1; p <= kPosizioni; ++p)
    for (int d = primo; d <= kRecord; ++d) t(d, 0, p) = a(d, 0, p);
  t(kRecord, 0, kSecolo) = 99;
  for (int w = 1; w <= kRuote; ++w) {
    for (int p = 1; p <= kPosizioni; ++p) {
      int d = primo;
      if (d == 1) {
        t(1, w, p) = 0;
        d = 2;
      }
      for (; d <= kRecord; ++d) t(d, w, p) = DistanzaRSC(a(d - 1, w, k), a(d, w, p));
    }
  }
}

}  // namespace

std::string NomeFile(int k) { return "Rsc" + std::to_string(k) + ".dat"; }

Archivio Crea_Archivio(const Archivio& a, int k) {
  Archivio t;
  CalcolaDa(a, k, 1, t);
  return t;
}

int UltimaEstrRSC(const Tabelle& t) { return t[0].ultimaEstrazione(); }

bool FileMancanti(const std::filesystem::path& cartella) {
  for (int k = 1; k <= 5; ++k) {
    std::error_code ec;
    if (!std::filesystem::exists(cartella / NomeFile(k), ec)) return true;
  }
  return false;
}

Esito Scrivi(const std::filesystem::path& cartella, int k, const Archivio& tabella) {
  if (file::SulCammino(cartella / "archivio.dat", cartella / NomeFile(k)))
    return Esito::Errore("impossibile scrivere " + NomeFile(k) +
                         ": archivio.dat è un collegamento a questo file");
  const auto b = tabella.bytes();
  return file::ScriviAtomico(cartella / NomeFile(k),
                             std::string_view(reinterpret_cast<const char*>(b.data()), b.size()),
                             file::Collegamento::Sostituisci);
}

Risultato<Tabelle> Carica(const std::filesystem::path& cartella) {
  Tabelle t;
  for (int k = 1; k <= 5; ++k) {
    auto dati = file::LeggiBinario(cartella / NomeFile(k), formato::kDimensione);
    if (!dati) return Risultato<Tabelle>::Errore(dati.motivo());
    auto tabella = Archivio::DecodificaGrezza(*dati, NomeFile(k));
    if (!tabella) return Risultato<Tabelle>::Errore(tabella.motivo());
    t[k - 1] = std::move(tabella).prendi();
  }
  return t;
}

Preparazione Prepara(const std::filesystem::path& cartella, const Archivio& a) {
  Preparazione prep;
  for (int k = 1; k <= 5; ++k) {
    prep.tabelle[k - 1] = Crea_Archivio(a, k);
    if (!prep.errore.empty()) continue;
    const auto b = prep.tabelle[k - 1].bytes();
    // A link is not the program's file, whatever it leads to: it is replaced.
    std::error_code ec;
    const bool collegamento =
        std::filesystem::is_symlink(std::filesystem::symlink_status(cartella / NomeFile(k), ec));
    const auto suDisco = file::LeggiBinario(cartella / NomeFile(k), formato::kDimensione);
    if (!collegamento && suDisco &&
        std::equal(suDisco->begin(), suDisco->end(), b.begin(), b.end()))
      continue;
    if (Esito e = Scrivi(cartella, k, prep.tabelle[k - 1]); !e) prep.errore = e.motivo();
    else ++prep.riscritti;
  }
  prep.UltimaEstrRSC = UltimaEstrRSC(prep.tabelle);
  return prep;
}

}  // namespace Rsc
