#include "methods/file_metodo.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>

#include "core/testo.h"
#include "methods/pronostico.h"

namespace metodi {
namespace {

std::string Campo(int valore, int cifre) {
  char buf[16];
  std::snprintf(buf, sizeof buf, "%0*d", cifre, valore);
  return buf;
}

int Numero(std::string_view riga, std::size_t colonna, std::size_t larghezza) {
  int n = 0;
  for (std::size_t i = colonna - 1; i < colonna - 1 + larghezza; ++i) n = n * 10 + (riga[i] - '0');
  return n;
}

}  // namespace

std::string RigaOpzioni(const Opzioni& o) {
  std::string s = Campo(o.mese[0], 2) + Campo(o.anno[0], 4) + Campo(o.mese[1], 2) +
                  Campo(o.anno[1], 4) + Campo(o.fine, 1) + Campo(o.colpi, 3) +
                  Campo(o.interrompi, 1) + Campo(o.positivi, 1) + Campo(o.riepilogo, 1) +
                  Campo(o.parziali, 1);
  for (int r : o.ruote) s += Campo(r, 1);
  return s + Campo(o.cicli, 3);
}

Risultato<Opzioni> LeggiRigaOpzioni(std::string_view riga, int anni) {
  if (riga.size() < kLunghezzaMinimaOpzioni)
    return Risultato<Opzioni>::Errore(
        "riga delle opzioni incompleta (" + std::to_string(riga.size()) +
        " caratteri, ne servono almeno " + std::to_string(kLunghezzaMinimaOpzioni) + ")");
  const bool completa = riga.size() >= kLunghezzaOpzioni;
  const std::size_t lette = completa ? kLunghezzaOpzioni : kLunghezzaMinimaOpzioni;
  for (std::size_t i = 0; i < lette; ++i)
    if (riga[i] < '0' || riga[i] > '9')
      return Risultato<Opzioni>::Errore("la colonna " + std::to_string(i + 1) +
                                        " della riga delle opzioni non è una cifra");
  std::vector<std::string> errori;
  auto intervallo = [&](int valore, int minimo, int massimo, const char* nome) {
    if (valore < minimo || valore > massimo)
      errori.push_back(std::string(nome) + " " + std::to_string(valore) + " fuori intervallo (" +
                       std::to_string(minimo) + "-" + std::to_string(massimo) + ")");
    return valore;
  };
  Opzioni o;
  o.mese[0] = intervallo(Numero(riga, 1, 2), 0, 11, "mese iniziale");
  o.anno[0] = std::min(Numero(riga, 3, 4), anni - 1);
  o.mese[1] = intervallo(Numero(riga, 7, 2), 0, 11, "mese finale");
  o.anno[1] = std::min(Numero(riga, 9, 4), anni - 1);
  o.fine = completa ? intervallo(Numero(riga, 13, 1), 0, 2, "fine del periodo") : 0;
  o.colpi = intervallo(Numero(riga, 14, 3), 1, 100, "numero colpi");
  const char* caselle[] = {"interrompi a prima sortita", "solo casi positivi", "solo riepilogo",
                           "riepiloghi parziali"};
  int* valori[] = {&o.interrompi, &o.positivi, &o.riepilogo, &o.parziali};
  for (int k = 0; k < 4; ++k) *valori[k] = intervallo(Numero(riga, 17 + k, 1), 0, 2, caselle[k]);
  for (int k = 0; k < 11; ++k)
    o.ruote[k] =
        intervallo(Numero(riga, 21 + k, 1), 0, 2, k == 10 ? "casella TUTTE" : "casella ruota");
  o.cicli = completa ? intervallo(Numero(riga, 32, 3), 1, 100, "numero cicli") : 1;
  if (!errori.empty()) {
    std::string motivo;
    for (const std::string& e : errori) motivo += (motivo.empty() ? "" : ", ") + e;
    return Risultato<Opzioni>::Errore(motivo);
  }
  return o;
}

std::string ScriviFileMetodo(const Opzioni& o, const std::vector<std::string>& righe) {
  std::vector<std::string> tutte{RigaOpzioni(o)};
  tutte.insert(tutte.end(), righe.begin(), righe.end());
  return testo::CodificaRighe(tutte);
}

Risultato<FileMetodo> LeggiFileMetodo(std::string_view bytes, int anni) {
  if (bytes.substr(0, 3) == "\xEF\xBB\xBF") bytes.remove_prefix(3);  // a UTF-8 mark from an editor
  FileMetodo f;
  std::vector<std::string> errori;
  const std::vector<std::string> righe = testo::DecodificaRighe(bytes);
  for (std::size_t i = 0; i < righe.size(); ++i) {
    const std::string& riga = righe[i];
    const std::string dove = "Riga " + std::to_string(i + 1) + ": ";
    if (std::any_of(riga.begin(), riga.end(),
                    [](char c) { return c >= 0 && c < ' ' && c != '\t'; })) {
      errori.push_back(dove + "caratteri di controllo (non è un file di testo)");
      continue;
    }
    if (!riga.empty() && riga[0] >= '0' && riga[0] <= '9') {
      auto o = LeggiRigaOpzioni(riga, anni);
      if (o)
        f.opzioni = *o;
      else
        errori.push_back(dove + o.motivo());
      continue;
    }
    f.righe.emplace_back(SenzaSpazi(riga));
  }
  if (!errori.empty()) {
    std::string motivo;
    for (const std::string& e : errori) motivo += (motivo.empty() ? "" : "\r\n") + e;
    return Risultato<FileMetodo>::Errore(motivo);
  }
  return f;
}

Risultato<std::string> NomeMetodo(std::string_view percorso) {
  const std::filesystem::path p{std::string(percorso)};
  std::string estensione = p.extension().string();
  std::transform(estensione.begin(), estensione.end(), estensione.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  if (estensione != ".mtd" || p.stem().empty())
    return Risultato<std::string>::Errore("il file del metodo deve avere l'estensione .mtd: " +
                                          p.filename().string());
  return p.stem().string();
}

}  // namespace metodi
