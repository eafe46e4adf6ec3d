#include "core/estrazioni_csv.h"

#include <charconv>
#include <cstdio>
#include <string>

#include "core/nomi.h"

namespace EstrazioniCsv {

namespace {

constexpr std::string_view kIntestazione = "date,wheel,n1,n2,n3,n4,n5";

bool Intero(std::string_view s, int& valore) {
  if (s.empty()) return false;
  const auto r = std::from_chars(s.data(), s.data() + s.size(), valore);
  return r.ec == std::errc() && r.ptr == s.data() + s.size();
}

// "YYYY-MM-DD"
bool LeggiData(std::string_view s, Data& d) {
  return s.size() == 10 && s[4] == '-' && s[7] == '-' && Intero(s.substr(0, 4), d.anno) &&
         Intero(s.substr(5, 2), d.mese) && Intero(s.substr(8, 2), d.giorno) && d.valida();
}

}  // namespace

Risultato<std::vector<Estrazione>> Decodifica(std::string_view testo) {
  std::vector<Estrazione> out;
  std::size_t inizio = 0;
  int numeroRiga = 0;
  int ruotaAttesa = 1;
  std::string dataCorrente;
  auto errore = [&](const std::string& cosa) {
    return Risultato<std::vector<Estrazione>>::Errore("estrazioni.csv, riga " + std::to_string(numeroRiga) +
                                                     ": " + cosa);
  };
  while (inizio < testo.size()) {
    std::size_t fine = testo.find('\n', inizio);
    if (fine == std::string_view::npos) fine = testo.size();
    std::string_view riga = testo.substr(inizio, fine - inizio);
    inizio = fine + 1;
    ++numeroRiga;
    if (!riga.empty() && riga.back() == '\r') riga.remove_suffix(1);
    if (numeroRiga == 1) {
      if (riga != kIntestazione) return errore("intestazione attesa \"" + std::string(kIntestazione) + "\"");
      continue;
    }
    if (riga.empty()) continue;
    std::vector<std::string_view> campi;
    for (std::size_t da = 0;;) {
      const std::size_t virgola = riga.find(',', da);
      campi.push_back(riga.substr(da, virgola == std::string_view::npos ? std::string_view::npos : virgola - da));
      if (virgola == std::string_view::npos) break;
      da = virgola + 1;
    }
    if (campi.size() != 7) return errore("attesi 7 campi");
    const std::string data(campi[0]);
    // A draw whose ten wheels are all in holds no more rows: an eleventh row
    // of its date starts no new draw.
    if (!out.empty() && data == dataCorrente && ruotaAttesa == 1)
      return errore("data ripetuta \"" + data + "\"");
    if (out.empty() || data != dataCorrente) {
      if (ruotaAttesa != 1) return errore("l'estrazione precedente non ha tutte le dieci ruote");
      Estrazione e;
      if (!LeggiData(campi[0], e.data)) return errore("data non valida \"" + data + "\"");
      if (e.data.anno < formato::kPrimoAnno || e.data.anno > formato::kUltimoAnno)
        return errore("anno " + std::to_string(e.data.anno) + " fuori dagli anni dell'archivio (" +
                      std::to_string(formato::kPrimoAnno) + "-" +
                      std::to_string(formato::kUltimoAnno) + ")");
      if (!out.empty() && !(out.back().data < e.data)) return errore("date non crescenti");
      out.push_back(e);
      dataCorrente = data;
    }
    if (campi[1] != Inizio::NomiRuote[ruotaAttesa])
      return errore("attesa la ruota " + std::string(Inizio::NomiRuote[ruotaAttesa]));
    bool visto[91] = {};
    for (int p = 0; p < 5; ++p) {
      int x = 0;
      if (!Intero(campi[2 + p], x) || x < 1 || x > 90 || visto[x]) return errore("numeri non validi");
      visto[x] = true;
      out.back().numeri[ruotaAttesa - 1][p] = static_cast<std::uint8_t>(x);
    }
    ruotaAttesa = ruotaAttesa == 10 ? 1 : ruotaAttesa + 1;
  }
  if (numeroRiga == 0) return errore("file vuoto");
  if (out.empty()) return errore("nessuna estrazione dopo l'intestazione");
  if (ruotaAttesa != 1) return errore("l'ultima estrazione non ha tutte le dieci ruote");
  return out;
}

std::string Codifica(const std::vector<Estrazione>& estrazioni) {
  std::string out(kIntestazione);
  out += '\n';
  char buf[64];
  for (const Estrazione& e : estrazioni)
    for (int w = 1; w <= 10; ++w) {
      const auto& x = e.numeri[w - 1];
      std::snprintf(buf, sizeof buf, "%04d-%02d-%02d,%s,%d,%d,%d,%d,%d\n", e.data.anno, e.data.mese,
                    e.data.giorno, std::string(Inizio::NomiRuote[w]).c_str(), x[0], x[1], x[2], x[3], x[4]);
      out += buf;
    }
  return out;
}

}  // namespace EstrazioniCsv
