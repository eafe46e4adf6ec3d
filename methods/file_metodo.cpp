#include "methods/file_metodo.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>

#include "core/file.h"
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
  // Lengths count characters, as the file's single-byte columns do ("°" is
  // one column there and two bytes here).
  const std::size_t lunghezza = testo::Lunghezza(riga);
  if (lunghezza < kLunghezzaMinimaOpzioni)
    return Risultato<Opzioni>::Errore("riga delle opzioni incompleta (" +
                                      std::to_string(lunghezza) + " caratteri, ne servono almeno " +
                                      std::to_string(kLunghezzaMinimaOpzioni) + ")");
  const bool completa = lunghezza >= kLunghezzaOpzioni;
  const std::size_t lette = completa ? kLunghezzaOpzioni : kLunghezzaMinimaOpzioni;
  for (std::size_t i = 0; i < lette; ++i)
    if (riga[i] < '0' || riga[i] > '9')
      return Risultato<Opzioni>::Errore("la colonna " + std::to_string(i + 1) +
                                        " della riga delle opzioni non è una cifra");
  // One short reason a line: the first field out of its range.
  std::string errore;
  auto intervallo = [&](int valore, int minimo, int massimo, const char* nome) {
    if ((valore < minimo || valore > massimo) && errore.empty())
      errore = std::string(nome) + " " + std::to_string(valore) + " fuori intervallo (" +
               std::to_string(minimo) + "-" + std::to_string(massimo) + ")";
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
  if (!errore.empty()) return Risultato<Opzioni>::Errore(errore);
  return o;
}

std::string ScriviFileMetodo(const Opzioni& o, const std::vector<std::string>& righe) {
  std::vector<std::string> tutte{RigaOpzioni(o)};
  tutte.insert(tutte.end(), righe.begin(), righe.end());
  return testo::CodificaRighe(tutte);
}

void ElencoRigheNonValide::aggiungi(std::string errore) {
  if (mPrime.size() <= kElencate) mPrime.push_back(std::move(errore));
  ++mTotale;
}

std::string ElencoRigheNonValide::testo() const {
  const std::size_t mostrate = mTotale <= kElencate + 1 ? mTotale : kElencate;
  std::string out;
  for (std::size_t i = 0; i < mostrate; ++i) out += (i ? "\r\n" : "") + mPrime[i];
  if (mostrate < mTotale)
    out += "\r\n… e altre " + testo::Intero(static_cast<long long>(mTotale - mostrate)) +
           " righe non valide";
  return out;
}

namespace {

// Bytes that no text file holds; tab, line feed and carriage return are text.
bool Controllo(char c) {
  const auto b = static_cast<unsigned char>(c);
  return b < 0x20 && b != '\t' && b != '\n' && b != '\r';
}

}  // namespace

Risultato<FileMetodo> LeggiFileMetodo(std::string_view bytes, int anni) {
  if (bytes.substr(0, 3) == "\xEF\xBB\xBF") bytes.remove_prefix(3);  // a UTF-8 mark from an editor
  if (!bytes.empty() && bytes.back() == '\x1A') bytes.remove_suffix(1);  // an old end-of-file mark
  // A file that is not text, or far longer than a method, is refused once,
  // in one line, before any line is taken.
  {
    testo::LettoreRighe righe(bytes);
    std::size_t numero = 0;
    for (std::string_view grezza; righe.prossima(grezza);) {
      ++numero;
      if (std::any_of(grezza.begin(), grezza.end(), Controllo))
        return Risultato<FileMetodo>::Errore("Riga " + std::to_string(numero) +
                                             ": caratteri di controllo (non è un file di testo)");
      // Bytes are at least the characters: only a long line is counted.
      if (grezza.size() > kMassimoCaratteriRiga) {
        const std::size_t caratteri = testo::Lunghezza(righe.testo(grezza));
        if (caratteri > kMassimoCaratteriRiga)
          return Risultato<FileMetodo>::Errore(
              "Riga " + std::to_string(numero) + ": " +
              testo::Intero(static_cast<long long>(caratteri)) +
              " caratteri, più di quanti ne abbia una riga di un metodo (al massimo " +
              testo::Intero(static_cast<long long>(kMassimoCaratteriRiga)) + ")");
      }
    }
    if (numero > kMassimoRighe)
      return Risultato<FileMetodo>::Errore(
          "il file ha " + testo::Intero(static_cast<long long>(numero)) +
          " righe, più di quante ne abbia un metodo (al massimo " +
          testo::Intero(static_cast<long long>(kMassimoRighe)) + ")");
  }
  FileMetodo f;
  ElencoRigheNonValide errori;
  testo::LettoreRighe righe(bytes);
  std::size_t numero = 0;
  for (std::string_view grezza; righe.prossima(grezza);) {
    ++numero;
    // The line as a save would write it back: the code page's characters,
    // blanks trimmed. Its first character decides what it is.
    const std::string riga(SenzaSpazi(testo::DaCp1252(testo::ACp1252(righe.testo(grezza)))));
    if (!riga.empty() && riga[0] >= '0' && riga[0] <= '9') {
      auto o = LeggiRigaOpzioni(riga, anni);
      if (o)
        f.opzioni = *o;
      else
        errori.aggiungi("Riga " + std::to_string(numero) + ": " + o.motivo());
      continue;
    }
    f.righe.push_back(riga);
  }
  if (!errori.vuoto()) return Risultato<FileMetodo>::Errore(errori.testo());
  return f;
}

Risultato<FileMetodo> ApriFileMetodo(const std::filesystem::path& percorso, int anni) {
  const auto bytes = file::LeggiTesto(percorso, kMassimoByteFile);
  if (!bytes) return Risultato<FileMetodo>::Errore(bytes.motivo());
  return LeggiFileMetodo(*bytes, anni);
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
