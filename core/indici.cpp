#include "core/indici.h"

#include <cstdio>

#include "core/nomi.h"
#include "core/testo.h"

namespace Inizio {

namespace {

std::string Quattro(int n) {
  char buf[16];
  std::snprintf(buf, sizeof buf, "%04d", n);
  return buf;
}

// First letter as is, the rest lower case (ASCII month names).
std::string Capitalizza(std::string_view s, std::size_t lunghezza) {
  std::string out(s.substr(0, lunghezza));
  for (std::size_t i = 1; i < out.size(); ++i)
    if (out[i] >= 'A' && out[i] <= 'Z') out[i] = static_cast<char>(out[i] - 'A' + 'a');
  return out;
}

}  // namespace

std::string Descrivi_Estrazione(const Archivio& a, int n, std::string_view stile) {
  const Data data = a.data(n);
  char giorno[8];
  std::snprintf(giorno, sizeof giorno, "%2d ", data.giorno);
  const std::string_view nomeGiorno = NomiGiorni[data.giornoSettimana()];
  const std::string_view nomeMese = NomiMesi[data.mese];
  std::string out = std::to_string(n) + " - ";
  if (stile == "L") {
    out += std::string(nomeGiorno) + " " + giorno + Capitalizza(nomeMese, nomeMese.size());
  } else {
    out += testo::Sinistra(nomeGiorno, 3) + " " + giorno + Capitalizza(nomeMese, 3);
  }
  out += " " + std::to_string(data.anno);
  return out;
}

std::string DataBreve(const Archivio& a, int d, char separatore) {
  char buf[32];
  std::snprintf(buf, sizeof buf, "%d%c%d%c%d%02d", a.giorno(d), separatore, a.mese(d), separatore,
                a.secolo(d), a.anno(d));
  return buf;
}

std::string Descrivi_Periodo(const Archivio& a, int inizio, int fine) {
  return "Archivio : da Estr." + Descrivi_Estrazione(a, inizio) + "  a Estr." +
         Descrivi_Estrazione(a, fine) + "  ( " + std::to_string(fine - inizio + 1) + " Estrazioni )";
}

void Aggiorna_Indici_Archivio(const Archivio& a, Indici& indici) {
  int meseCorrente = a.mese(1);
  int annoCorrente = a.annoCompleto(1);
  int contaAnno = 0, contaMese = 0;
  indici.AnniArchivio.assign(1, std::to_string(annoCorrente) + "0001");
  indici.DescrEstrazioni.assign(1, std::string());
  for (int n = 1; n <= formato::kRecord; ++n) {
    if (a.libero(n)) {
      indici.TotEstrazioni = n - 1;
      if (n > 1) indici.DataUltimaEstrazione = a.data(n - 1);
      return;
    }
    indici.DescrEstrazioni.push_back(testo::Adatta(Descrivi_Estrazione(a, n), 22));
    const bool nuovoAnno = a.annoCompleto(n) != annoCorrente;
    // A new year restarts the month count even when the month number repeats
    // (January 1999 followed by January 2000).
    if (a.mese(n) != meseCorrente || nuovoAnno) {
      contaMese = 0;
      meseCorrente = a.mese(n);
    }
    if (nuovoAnno) {
      contaAnno = 0;
      annoCorrente = a.annoCompleto(n);
      indici.AnniArchivio.push_back(std::to_string(annoCorrente) + Quattro(n));
    }
    indici.NumEstrAnno[n] = ++contaAnno;
    indici.NumEstrMese[n] = ++contaMese;
  }
}

std::array<std::uint8_t, 8> Deriva_SuperEnalotto(const Archivio& a, int n) {
  static constexpr int kRuoteSuper[7] = {1, 3, 5, 6, 7, 8, 10};
  std::array<std::uint8_t, 7> presi{};
  for (int i = 0; i < 7; ++i) {
    const int w = kRuoteSuper[i];
    auto giaPreso = [&](std::uint8_t x) {
      for (int j = 0; j < i; ++j)
        if (presi[j] == x) return true;
      return false;
    };
    std::uint8_t scelto = a(n, w, 1);
    if (giaPreso(scelto)) {
      // The next number of the same wheel not yet taken; when every number of
      // the wheel is taken, the second one stays (nothing better exists).
      scelto = a(n, w, 2);
      for (int p = 2; p <= formato::kPosizioni; ++p) {
        if (!giaPreso(a(n, w, p))) {
          scelto = a(n, w, p);
          break;
        }
      }
    }
    presi[i] = scelto;
  }
  std::array<bool, 91> segnati{};
  for (int i = 0; i < 6; ++i)
    if (presi[i] >= 1 && presi[i] <= 90) segnati[presi[i]] = true;
  std::array<std::uint8_t, 8> colonne{};
  int c = 0;
  for (int x = 1; x <= 90; ++x)
    if (segnati[x]) colonne[++c] = static_cast<std::uint8_t>(x);
  colonne[7] = presi[6];
  return colonne;
}

SuperEnalotto Crea_Archivio_SuperEnalotto(const Archivio& a, int totEstrazioni) {
  SuperEnalotto s(formato::kRecord + 1);
  for (int n = 1; n <= totEstrazioni; ++n) s[n] = Deriva_SuperEnalotto(a, n);
  return s;
}

}  // namespace Inizio
