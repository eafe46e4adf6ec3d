#include "archive/incolla.h"

#include <cstdint>
#include <vector>

#include "core/nomi.h"
#include "core/testo.h"

namespace Estrazioni {

namespace {

using Testo = std::vector<char32_t>;

// Code points of a valid UTF-8 text, ASCII letters in lower case: the search
// counts characters, not bytes.
Testo CodepointMinuscoli(std::string_view utf8) {
  Testo out;
  out.reserve(utf8.size());
  for (std::size_t i = 0; i < utf8.size();) {
    const auto b = static_cast<unsigned char>(utf8[i]);
    int seguito = b < 0x80 ? 0 : b < 0xE0 ? 1 : b < 0xF0 ? 2 : 3;
    char32_t c = seguito == 0 ? b : seguito == 1 ? (b & 0x1F) : seguito == 2 ? (b & 0x0F) : (b & 0x07);
    ++i;
    for (; seguito > 0 && i < utf8.size(); --seguito, ++i)
      c = (c << 6) | (static_cast<unsigned char>(utf8[i]) & 0x3F);
    if (c >= 'A' && c <= 'Z') c = c - 'A' + 'a';
    out.push_back(c);
  }
  return out;
}

using testo::Cifra;

// First position of `parola` (ASCII, lower case) in t, or npos.
std::size_t Trova(const Testo& t, std::string_view parola) {
  if (parola.size() > t.size()) return std::string::npos;
  for (std::size_t i = 0; i + parola.size() <= t.size(); ++i) {
    std::size_t k = 0;
    while (k < parola.size() && t[i + k] == static_cast<char32_t>(parola[k])) ++k;
    if (k == parola.size()) return i;
  }
  return std::string::npos;
}

// First position from `da` to `a` (both included, clipped to the text) that
// holds a digit, or npos.
std::size_t PrimaCifra(const Testo& t, std::size_t da, std::size_t a) {
  for (std::size_t i = da; i <= a && i < t.size(); ++i)
    if (Cifra(t[i])) return i;
  return std::string::npos;
}

// The date in the ten characters from i: day and month of one or two digits
// and a four-digit year, separated by the same "/", "." or "-"; a digit right
// after the year inside those ten characters spoils it.
std::optional<Data> LeggiData(const Testo& t, std::size_t i) {
  const std::size_t fine = std::min(t.size(), i + 10);
  std::size_t k = i;
  auto numero = [&](int minimo, int massimo, int& valore) {
    int cifre = 0;
    valore = 0;
    for (; k < fine && Cifra(t[k]) && cifre < massimo; ++k, ++cifre)
      valore = valore * 10 + static_cast<int>(t[k] - '0');
    return cifre >= minimo;
  };
  int giorno = 0, mese = 0, anno = 0;
  if (!numero(1, 2, giorno) || k >= fine) return std::nullopt;
  const char32_t separatore = t[k++];
  if (separatore != '/' && separatore != '.' && separatore != '-') return std::nullopt;
  if (!numero(1, 2, mese) || k >= fine || t[k++] != separatore) return std::nullopt;
  if (!numero(4, 4, anno) || (k < fine && Cifra(t[k]))) return std::nullopt;
  const Data d{giorno, mese, anno};
  // The date picker of the editor takes no year after 2099.
  if (!d.valida() || d.anno > 2099) return std::nullopt;
  return d;
}

}  // namespace

Incollato Incolla(std::string_view testo, const Data& oggi, bool posterioreConfermato) {
  Incollato r;
  r.messaggio = kAppuntiNonValidi;
  const Testo t = CodepointMinuscoli(testo::Utf8Valido(testo) ? std::string(testo)
                                                              : testo::DaCp1252(testo));

  const std::size_t p = Trova(t, "estrazion");
  if (p == std::string::npos) return r;
  const std::size_t i = PrimaCifra(t, p + 1, p + 20);
  if (i == std::string::npos) return r;
  const auto data = LeggiData(t, i);
  if (!data) return r;
  if (*data < Data{1, 1, 2000}) {
    r.esito = Incollato::Esito::DataAntecedente;
    r.messaggio = kDataAntecedente;
    return r;
  }
  if (*data > oggi && !posterioreConfermato) {
    r.esito = Incollato::Esito::ChiediConferma;
    r.messaggio = kDataPosteriore;
    return r;
  }
  r.data = data;

  int casella = 0;
  for (int w = 1; w <= 10; ++w) {
    std::string nome(Inizio::NomiRuote[w]);
    for (char& c : nome) c = static_cast<char>(c - 'A' + 'a');
    const std::size_t q = Trova(t, nome);
    if (q == std::string::npos) return r;
    std::size_t j = PrimaCifra(t, q + 1, q + 30);
    for (int k = 1; k <= 5; ++k) {
      if (j == std::string::npos) return r;
      int valore = static_cast<int>(t[j] - '0');
      std::size_t e = j + 1;
      if (e < t.size() && Cifra(t[e])) valore = valore * 10 + static_cast<int>(t[e++] - '0');
      r.caselle[casella++] = std::to_string(valore);
      // The character right after the number is skipped.
      if (k < 5) j = PrimaCifra(t, e + 1, e + 30);
    }
  }
  r.esito = Incollato::Esito::Completo;
  r.messaggio.clear();
  return r;
}

}  // namespace Estrazioni
