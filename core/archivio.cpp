#include "core/archivio.h"

#include <algorithm>

using namespace formato;

Archivio::Archivio() : mByte(kDimensione, 0) {}

void Archivio::impostaData(int d, const Data& data) {
  (*this)(d, 0, kGiorno) = static_cast<std::uint8_t>(data.giorno);
  (*this)(d, 0, kMese) = static_cast<std::uint8_t>(data.mese);
  (*this)(d, 0, kAnno) = static_cast<std::uint8_t>(data.anno % 100);
  (*this)(d, 0, kSecolo) = static_cast<std::uint8_t>(data.anno / 100);
}

void Archivio::liberaRecord(int d) {
  (*this)(d, 0, kGiorno) = 0;
  (*this)(d, 0, kSecolo) = 99;
}

void Archivio::copiaRecord(int a, const Archivio& sorgente, int da) {
  for (int w = 0; w <= kRuote; ++w)
    for (int p = 1; p <= kPosizioni; ++p) (*this)(a, w, p) = sorgente(da, w, p);
}

int Archivio::contaEstrazioni() const {
  for (int d = 1; d <= kRecord; ++d)
    if (libero(d)) return d - 1;
  return -1;
}

int Archivio::ultimaEstrazione() const {
  for (int d = kRecord; d >= 1; --d)
    if (secolo(d) > 18 && giorno(d) != 0) return d;
  return 0;
}

Risultato<Archivio> Archivio::DecodificaGrezza(std::span<const std::uint8_t> dati,
                                               const std::string& nome) {
  if (dati.size() != kDimensione)
    return Risultato<Archivio>::Errore(nome + " non valido: dimensione " +
                                       std::to_string(dati.size()) + " byte invece di " +
                                       std::to_string(kDimensione));
  Archivio a;
  std::copy(dati.begin(), dati.end(), a.mByte.begin());
  return a;
}

Risultato<Archivio> Archivio::Decodifica(std::span<const std::uint8_t> dati,
                                         const std::string& nome) {
  auto grezzo = DecodificaGrezza(dati, nome);
  if (!grezzo) return grezzo;
  const Archivio& a = *grezzo;
  const std::string prefisso = nome + " non valido: ";
  const int tot = a.contaEstrazioni();
  if (tot < 0)
    return Risultato<Archivio>::Errore(prefisso +
                                       "nessun record libero dopo l'ultima estrazione");
  if (tot == 0) return Risultato<Archivio>::Errore(prefisso + "nessuna estrazione presente");
  // Every record after the first free one is free too: the scans that look
  // for the last draw from either end must agree.
  for (int d = tot + 2; d <= kRecord; ++d)
    if (!a.libero(d))
      return Risultato<Archivio>::Errore(prefisso + "il record " + std::to_string(d) +
                                         ", dopo la fine dell'archivio, non è libero");
  for (int d = 1; d <= tot; ++d) {
    const int secolo = a.secolo(d);
    if ((secolo != 19 && secolo != 20) || a.anno(d) > 99 || !a.data(d).valida())
      return Risultato<Archivio>::Errore(prefisso + "data non valida nell'estrazione " +
                                         std::to_string(d));
    for (int w = 1; w <= kRuote; ++w)
      for (int p = 1; p <= kPosizioni; ++p)
        if (a(d, w, p) > 90)
          return Risultato<Archivio>::Errore(
              prefisso + "numero " + std::to_string(a(d, w, p)) + " fuori da 0..90 nell'estrazione " +
              std::to_string(d));
  }
  return grezzo;
}

Archivio CostruisciArchivio(const std::vector<Estrazione>& estrazioni) {
  Archivio a;
  for (int d = 1; d <= kRecord; ++d) a.liberaRecord(d);
  int d = 0;
  for (const Estrazione& e : estrazioni) {
    ++d;
    a.impostaData(d, e.data);
    for (int w = 1; w <= kRuote; ++w)
      for (int p = 1; p <= kPosizioni; ++p) a(d, w, p) = e.numeri[w - 1][p - 1];
  }
  return a;
}
