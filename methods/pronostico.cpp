#include "methods/pronostico.h"

#include <algorithm>

#include "core/classi.h"
#include "core/testo.h"

namespace metodi {
namespace {

constexpr std::string_view kGrado = "°";  // two bytes in UTF-8
constexpr std::string_view kInizioElementi = "M  ";
constexpr std::string_view kTraElementi = " & ";

bool Cifra(char c) { return c >= '0' && c <= '9'; }

Risultato<Pronostico> Errore(std::string motivo) {
  return Risultato<Pronostico>::Errore(std::move(motivo));
}

// A piece of the line named in a reason, short enough for a message box.
std::string Citata(std::string_view pezzo) { return testo::Citazione(pezzo, 20); }

// One term "1°BA+5" taking the whole of `t`.
bool LeggiTermine(std::string_view t, Termine& out) {
  if (t.size() < 1 + kGrado.size() + 2 + 1 + 1) return false;
  if (t[0] < '1' || t[0] > '5') return false;
  out.posizione = t[0] - '0';
  t.remove_prefix(1);
  if (t.substr(0, kGrado.size()) != kGrado) return false;
  t.remove_prefix(kGrado.size());
  out.ruota = RuotaDiCodice(t.substr(0, 2));
  if (out.ruota == 0) return false;
  t.remove_prefix(2);
  // "+" adds; any other sign character subtracts.
  if (t[0] < '!' || t[0] > '~') return false;
  out.segno = t[0];
  out.somma = t[0] == '+';
  t.remove_prefix(1);
  if (t.empty() || t.size() > 2 || !Cifra(t[0]) || (t.size() == 2 && !Cifra(t[1]))) return false;
  out.fisso = t.size() == 2 ? (t[0] - '0') * 10 + (t[1] - '0') : t[0] - '0';
  return true;
}

}  // namespace

int RuotaDiCodice(std::string_view codice) {
  for (std::size_t i = 0; i < kCodiciRuota.size(); ++i)
    if (kCodiciRuota[i] == codice) return static_cast<int>(i) + 1;
  return 0;
}

char CodiceDiVoce(int indice) {
  if (indice == 2) return 'T';
  if (indice == 0) return '1';
  return kVociEstrazioneCalcolo[static_cast<std::size_t>(indice)][0];
}

int ValoreCodice(char codice) {
  if (codice == 'U') return kUltima;
  if (codice == 'P') return 1;
  if (codice >= '1' && codice <= '9') return codice - '0';
  return kTutte;
}

Risultato<Pronostico> LeggiPronostico(std::string_view riga) {
  Pronostico p;
  const std::size_t spazio = riga.find(' ');
  if (riga.empty() || spazio == 0 || spazio == std::string_view::npos)
    return Errore("mancano le lettere della sorte");
  p.lettere = std::string(riga.substr(0, spazio));
  std::size_t ultima = 0;
  for (std::size_t i = 0; i < p.lettere.size(); ++i) {
    const std::size_t k = kLettereSorte.find(p.lettere[i]);
    if (k == std::string_view::npos)
      return Errore("lettera di sorte non valida: " + Citata(p.lettere));
    if (i > 0 && k <= ultima)
      return Errore("lettere di sorte ripetute o fuori ordine: " + Citata(p.lettere));
    ultima = k;
  }
  // letters, two blanks, the code, "M  "
  if (riga.substr(spazio, 2) != "  " || riga.size() < spazio + 3 + kInizioElementi.size() ||
      riga.substr(spazio + 3, kInizioElementi.size()) != kInizioElementi)
    return Errore("separatori non validi dopo le lettere della sorte");
  p.codice = riga[spazio + 2];
  p.codiceCalcolo = ValoreCodice(p.codice);

  std::string_view resto = riga.substr(spazio + 3 + kInizioElementi.size());
  while (true) {
    const std::size_t fine = resto.find(kTraElementi);
    std::string_view testo = resto.substr(0, fine);
    if (testo.empty()) return Errore("elemento vuoto");
    Elemento e;
    while (true) {
      const std::size_t virgola = testo.find(',');
      Termine t;
      if (!LeggiTermine(testo.substr(0, virgola), t))
        return Errore("termine non valido: " + Citata(testo.substr(0, virgola)));
      e.push_back(t);
      if (virgola == std::string_view::npos) break;
      testo.remove_prefix(virgola + 1);
    }
    p.elementi.push_back(std::move(e));
    if (fine == std::string_view::npos) break;
    resto.remove_prefix(fine + kTraElementi.size());
  }
  return p;
}

int PuntiNecessari(const Pronostico& p, const Regole& regole) {
  return regole.puntiNecessari[kLettereSorte.find(p.lettere.front())];
}

bool ConJolly(const Pronostico& p, const Regole& regole) {
  return regole.conJolly[kLettereSorte.find(p.lettere.front())];
}

int ValoreElemento(const Elemento& e, const Archivio& a, int d) {
  int valore = 0;
  for (const Termine& t : e) {
    const int estratto = a(d, t.ruota, t.posizione);
    valore = Inizio::Fuori90(t.somma ? valore + estratto + t.fisso : valore + (estratto - t.fisso));
  }
  return valore;
}

void ValoriPronostico(const Pronostico& p, const Archivio& a, int d,
                      std::vector<std::uint8_t>& valori) {
  Formula(p).Valori(a, d, valori);
}

Formula::Formula(const Pronostico& p) {
  for (const Elemento& e : p.elementi)
    for (std::size_t i = 0; i < e.size(); ++i) {
      const Termine& t = e[i];
      mPassi.push_back({static_cast<std::uint32_t>(formato::Offset(1, t.ruota, t.posizione) - 1),
                        static_cast<std::int16_t>(t.somma ? t.fisso : -t.fisso),
                        i + 1 == e.size()});
    }
}

void Formula::Valori(const Archivio& a, int d, std::vector<std::uint8_t>& valori) const {
  valori.clear();
  const std::uint8_t* byte = a.bytes().data() + d;
  std::uint64_t visti[2] = {0, 0};
  int valore = 0;
  for (const Passo& p : mPassi) {
    // Into 1..90 as Inizio::Fuori90 does; the sum lies within -99..279.
    valore = (valore + byte[p.posto] + p.fisso + 180) % 90;
    if (valore == 0) valore = 90;
    if (!p.ultimo) continue;
    const std::uint64_t bit = std::uint64_t{1} << (valore & 63);
    if (!(visti[valore >> 6] & bit)) {
      visti[valore >> 6] |= bit;
      valori.push_back(static_cast<std::uint8_t>(valore));
    }
    valore = 0;
  }
}

// --- Composer -------------------------------------------------------------

std::string TestoCalcolo(std::string_view operatore, std::string_view fisso, int estratto,
                         std::string_view ruota) {
  std::string s(operatore);
  s += ' ';
  s += fisso;
  s += " al ";
  s += std::to_string(estratto);
  s += "° di ";
  s += ruota;
  return s;
}

std::string ElementoDaCalcoli(const std::vector<std::string>& calcoli, int ordinale) {
  std::string termini;
  for (const std::string& c : calcoli) {
    const bool somma = c.compare(0, 3, "Som") == 0;
    std::size_t i = c.find(' ');
    i = i == std::string::npos ? c.size() : i + 1;
    std::size_t cifre = i;
    while (cifre < c.size() && Cifra(c[cifre]) && cifre - i < 3) ++cifre;
    const std::string fisso = c.substr(i, cifre - i);
    // " al ", the position, "° di ", the wheel code
    const std::size_t posizione = cifre + 4;
    const std::size_t ruota = posizione + 1 + kGrado.size() + 4;
    if (!termini.empty()) termini += ',';
    termini += c.substr(std::min(posizione, c.size()), 1);
    termini += kGrado;
    termini += c.substr(std::min(ruota, c.size()), 2);
    termini += somma ? '+' : '-';
    termini += fisso;
  }
  return std::to_string(ordinale) + ") " + termini;
}

std::vector<std::string> CalcoliDaElemento(std::string_view riga) {
  std::vector<std::string> calcoli;
  const std::size_t parentesi = riga.find(')');
  if (parentesi == std::string_view::npos) return calcoli;
  std::string_view resto = riga.substr(std::min(parentesi + 2, riga.size()));
  while (!resto.empty()) {
    const std::size_t virgola = resto.find(',');
    std::string_view t = resto.substr(0, virgola);
    // position, "°", wheel code, sign, fixed number
    const std::size_t segno = 1 + kGrado.size() + 2;
    if (t.size() > segno && Cifra(t[0]))
      calcoli.push_back(TestoCalcolo(t[segno] == '+' ? "Somma" : "Sottrai", t.substr(segno + 1),
                                     t[0] - '0', t.substr(1 + kGrado.size(), 2)));
    if (virgola == std::string_view::npos) break;
    resto.remove_prefix(virgola + 1);
  }
  return calcoli;
}

std::string RinumeraElemento(std::string_view riga, int ordinale) {
  const std::size_t parentesi = riga.find(')');
  const std::string_view resto =
      parentesi == std::string_view::npos ? riga : riga.substr(parentesi + 1);
  return std::to_string(ordinale) + ")" + std::string(resto);
}

std::string TestoPronostico(std::string_view lettere, char codice,
                            const std::vector<std::string>& elementi) {
  std::string s(lettere);
  s += "  ";
  s += codice;
  s += kInizioElementi;
  for (std::size_t i = 0; i < elementi.size(); ++i) {
    if (i > 0) s += kTraElementi;
    const std::string_view riga = elementi[i];
    const std::size_t parentesi = riga.find(')');
    const std::size_t inizio = parentesi == std::string_view::npos ? 0 : parentesi + 2;
    s += SenzaSpazi(riga.substr(std::min(inizio, riga.size())));
  }
  return s;
}

std::string_view SenzaSpazi(std::string_view s) {
  const std::size_t primo = s.find_first_not_of(' ');
  if (primo == std::string_view::npos) return {};
  return s.substr(primo, s.find_last_not_of(' ') - primo + 1);
}

}  // namespace metodi
