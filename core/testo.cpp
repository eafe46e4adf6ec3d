#include "core/testo.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <limits>

namespace testo {
namespace {

// Code points of bytes 0x80..0x9F in Windows-1252. The five bytes the code
// page leaves unassigned (0x81, 0x8D, 0x8F, 0x90, 0x9D) stand for the control
// characters of the same value, so that every byte reads and writes back.
constexpr char32_t kAlti[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

void AggiungiUtf8(std::string& s, char32_t c) {
  if (c < 0x80) {
    s += static_cast<char>(c);
  } else if (c < 0x800) {
    s += static_cast<char>(0xC0 | (c >> 6));
    s += static_cast<char>(0x80 | (c & 0x3F));
  } else if (c < 0x10000) {
    s += static_cast<char>(0xE0 | (c >> 12));
    s += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    s += static_cast<char>(0x80 | (c & 0x3F));
  } else {
    s += static_cast<char>(0xF0 | (c >> 18));
    s += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
    s += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    s += static_cast<char>(0x80 | (c & 0x3F));
  }
}

// Decodes one UTF-8 sequence at s[i]; returns its length, 0 when invalid.
std::size_t LeggiUtf8(std::string_view s, std::size_t i, char32_t& c) {
  const auto b = static_cast<std::uint8_t>(s[i]);
  std::size_t n;
  char32_t min;
  if (b < 0x80) { c = b; return 1; }
  if ((b & 0xE0) == 0xC0) { n = 2; c = b & 0x1F; min = 0x80; }
  else if ((b & 0xF0) == 0xE0) { n = 3; c = b & 0x0F; min = 0x800; }
  else if ((b & 0xF8) == 0xF0) { n = 4; c = b & 0x07; min = 0x10000; }
  else return 0;
  if (i + n > s.size()) return 0;
  for (std::size_t k = 1; k < n; ++k) {
    const auto t = static_cast<std::uint8_t>(s[i + k]);
    if ((t & 0xC0) != 0x80) return 0;
    c = (c << 6) | (t & 0x3F);
  }
  if (c < min || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) return 0;
  return n;
}

// The Windows-1252 byte of a code point; -1 when the code page lacks it.
int ByteCp1252(char32_t c) {
  if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) return static_cast<int>(c);
  for (int k = 0; k < 32; ++k)
    if (kAlti[k] == c) return 0x80 + k;
  return -1;
}

std::string Raggruppa(std::string cifre) {
  std::string out;
  const std::size_t n = cifre.size();
  for (std::size_t i = 0; i < n; ++i) {
    if (i > 0 && (n - i) % 3 == 0) out += '.';
    out += cifre[i];
  }
  return out;
}

}  // namespace

bool Utf8Valido(std::string_view bytes) {
  for (std::size_t i = 0; i < bytes.size();) {
    char32_t c;
    const std::size_t n = LeggiUtf8(bytes, i, c);
    if (n == 0) return false;
    i += n;
  }
  return true;
}

void ValidatoreUtf8::aggiungi(std::string_view pezzo) {
  if (!mValido) return;
  std::size_t i = 0;
  char32_t c;
  if (!mCoda.empty()) {
    // The open sequence takes what it lacks from the start of this piece.
    const std::size_t presi = std::min<std::size_t>(pezzo.size(), 4 - mCoda.size());
    const std::string unione = mCoda + std::string(pezzo.substr(0, presi));
    const std::size_t n = LeggiUtf8(unione, 0, c);
    if (n == 0) {
      if (unione.size() < 4 && presi == pezzo.size())
        mCoda = unione;
      else
        mValido = false;
      return;
    }
    i = n - mCoda.size();
    mCoda.clear();
  }
  while (i < pezzo.size()) {
    // ASCII eight bytes at a time: most of any text.
    for (std::uint64_t w; i + 8 <= pezzo.size(); i += 8) {
      std::memcpy(&w, pezzo.data() + i, sizeof w);
      if (w & 0x8080808080808080) break;
    }
    if (i == pezzo.size()) break;
    if (static_cast<std::uint8_t>(pezzo[i]) < 0x80) {
      ++i;
      continue;
    }
    const std::size_t n = LeggiUtf8(pezzo, i, c);
    if (n == 0) {
      // Too few bytes to tell: the next piece decides.
      if (pezzo.size() - i < 4)
        mCoda = std::string(pezzo.substr(i));
      else
        mValido = false;
      return;
    }
    i += n;
  }
}

std::string ACp1252(std::string_view utf8) {
  std::string out;
  out.reserve(utf8.size());
  for (std::size_t i = 0; i < utf8.size();) {
    char32_t c;
    std::size_t n = LeggiUtf8(utf8, i, c);
    if (n == 0) {  // not UTF-8: keep the byte as it is
      out += utf8[i];
      ++i;
      continue;
    }
    i += n;
    const int b = ByteCp1252(c);
    out += b < 0 ? '?' : static_cast<char>(b);
  }
  return out;
}

std::string DaCp1252(std::string_view cp1252) {
  std::string out;
  out.reserve(cp1252.size() + cp1252.size() / 8);
  for (char ch : cp1252) {
    const auto b = static_cast<std::uint8_t>(ch);
    if (b < 0x80) out += ch;
    else if (b < 0xA0) AggiungiUtf8(out, kAlti[b - 0x80]);
    else AggiungiUtf8(out, b);
  }
  return out;
}

std::string CodificaRighe(const std::vector<std::string>& righe) {
  std::string out;
  for (const std::string& r : righe) {
    out += ACp1252(r);
    out += "\r\n";
  }
  const bool alti = std::any_of(out.begin(), out.end(),
                                [](char c) { return static_cast<std::uint8_t>(c) >= 0x80; });
  if (alti && Utf8Valido(out)) return DaCp1252(out);
  return out;
}

LettoreRighe::LettoreRighe(std::string_view bytes) : mResto(bytes), mUtf8(Utf8Valido(bytes)) {}

bool LettoreRighe::prossima(std::string_view& riga) {
  if (mResto.empty()) return false;
  std::size_t fine = 0;
  while (fine < mResto.size() && mResto[fine] != '\r' && mResto[fine] != '\n') ++fine;
  if (fine == mResto.size()) {
    riga = mResto;
    mResto = {};
    return true;
  }
  riga = mResto.substr(0, fine);
  const std::size_t dopo =
      mResto[fine] == '\r' && fine + 1 < mResto.size() && mResto[fine + 1] == '\n' ? fine + 2
                                                                                   : fine + 1;
  mResto.remove_prefix(dopo);
  return true;
}

std::string LettoreRighe::testo(std::string_view riga) const {
  return mUtf8 ? std::string(riga) : DaCp1252(riga);
}

std::vector<std::string> DecodificaRighe(std::string_view bytes) {
  LettoreRighe lettore(bytes);
  std::vector<std::string> righe;
  for (std::string_view riga; lettore.prossima(riga);) righe.push_back(lettore.testo(riga));
  return righe;
}

std::string Intero(long long n) {
  const bool negativo = n < 0;
  const unsigned long long v = negativo ? 0ULL - static_cast<unsigned long long>(n)
                                        : static_cast<unsigned long long>(n);
  return (negativo ? "-" : "") + Raggruppa(std::to_string(v));
}

namespace {

// Rounds the decimal number `intera`,`frazione` (digits only, any length) to
// `decimali` fraction digits. `oltre` tells whether anything non-zero follows
// the given digits (an inexact tail), which breaks a tie upwards.
std::string Arrotonda(bool negativo, std::string intera, std::string frazione, bool oltre, int decimali,
                      Arrotondamento modo, bool migliaia) {
  if (intera.empty()) intera = "0";
  const std::size_t d = static_cast<std::size_t>(std::max(decimali, 0));
  std::string tenute = intera + frazione.substr(0, std::min(d, frazione.size()));
  tenute.append(intera.size() + d - tenute.size(), '0');
  const std::string scarto = frazione.size() > d ? frazione.substr(d) : "";
  bool su = false;
  if (!scarto.empty()) {
    const bool dopo = oltre || scarto.find_first_not_of('0', 1) != std::string::npos;
    if (scarto[0] > '5' || (scarto[0] == '5' && dopo)) su = true;
    else if (scarto[0] == '5')
      su = modo == Arrotondamento::MetaLontanoDaZero || (tenute.back() - '0') % 2 == 1;
  }
  if (su) {
    int i = static_cast<int>(tenute.size()) - 1;
    for (; i >= 0 && tenute[i] == '9'; --i) tenute[i] = '0';
    if (i >= 0) ++tenute[i];
    else tenute.insert(tenute.begin(), '1');
  }
  std::string parteIntera = tenute.substr(0, tenute.size() - d);
  const std::size_t primo = parteIntera.find_first_not_of('0');
  parteIntera = primo == std::string::npos ? "0" : parteIntera.substr(primo);
  const bool zero = tenute.find_first_not_of('0') == std::string::npos;
  std::string out = (negativo && !zero ? "-" : "") + (migliaia ? Raggruppa(parteIntera) : parteIntera);
  if (d > 0) out += "," + tenute.substr(tenute.size() - d);
  return out;
}

}  // namespace

std::string Decimale(double x, int decimali, Arrotondamento modo, bool migliaia) {
  char buf[400];
  const auto r = std::to_chars(buf, buf + sizeof buf, std::fabs(x), std::chars_format::fixed);
  const std::string s(buf, r.ptr);
  const std::size_t punto = s.find('.');
  return Arrotonda(std::signbit(x), s.substr(0, punto), punto == std::string::npos ? "" : s.substr(punto + 1),
                   false, decimali, modo, migliaia);
}

std::string Rapporto(long long num, long long den, int decimali, Arrotondamento modo, bool migliaia) {
  const bool negativo = (num < 0) != (den < 0);
  unsigned long long n = num < 0 ? 0ULL - static_cast<unsigned long long>(num) : num;
  const unsigned long long q = den < 0 ? 0ULL - static_cast<unsigned long long>(den) : den;
  const std::string intera = std::to_string(n / q);
  n %= q;
  std::string frazione;
  for (int i = 0; i <= std::max(decimali, 0); ++i) {
    // n < q, so n * 10 fits whenever q < 2^60, far beyond any count here.
    n *= 10;
    frazione += static_cast<char>('0' + n / q);
    n %= q;
  }
  return Arrotonda(negativo, intera, frazione, n != 0, decimali, modo, migliaia);
}

std::string Percentuale(long long parte, long long totale) {
  if (totale == 0) return "0,00%";
  return Rapporto(parte * 100, totale, 2, Arrotondamento::MetaLontanoDaZero, false) + "%";
}

namespace {

// Skips blanks and tabs and reads the sign; returns -1 or 1.
int Segno(std::string_view t, std::size_t& i) {
  while (i < t.size() && (t[i] == ' ' || t[i] == '\t')) ++i;
  if (i < t.size() && (t[i] == '-' || t[i] == '+')) return t[i++] == '-' ? -1 : 1;
  return 1;
}

}  // namespace

double NumeroIniziale(std::string_view testo) {
  std::size_t i = 0;
  const double segno = Segno(testo, i);
  double v = 0;
  while (i < testo.size() && Cifra(testo[i])) v = v * 10 + (testo[i++] - '0');
  if (i < testo.size() && testo[i] == '.') {
    double peso = 0.1;
    for (++i; i < testo.size() && Cifra(testo[i]); ++i, peso /= 10) v += (testo[i] - '0') * peso;
  }
  return segno * v;
}

long long InteroIniziale(std::string_view testo) {
  std::size_t i = 0;
  const int segno = Segno(testo, i);
  long long n = 0;
  constexpr long long kMax = std::numeric_limits<long long>::max() / 10 - 9;
  for (; i < testo.size() && Cifra(testo[i]); ++i)
    if (n < kMax) n = n * 10 + (testo[i] - '0');
  return segno * n;
}

std::size_t Lunghezza(std::string_view utf8) {
  std::size_t n = 0;
  for (char c : utf8)
    if ((static_cast<std::uint8_t>(c) & 0xC0) != 0x80) ++n;
  return n;
}

std::string Sinistra(std::string_view utf8, std::size_t n) {
  std::size_t contati = 0, i = 0;
  for (; i < utf8.size(); ++i) {
    if ((static_cast<std::uint8_t>(utf8[i]) & 0xC0) != 0x80) {
      if (contati == n) break;
      ++contati;
    }
  }
  return std::string(utf8.substr(0, i));
}

std::string Citazione(std::string_view utf8, std::size_t n) {
  std::string s = Sinistra(utf8, n);
  if (s.size() < utf8.size()) s += "…";
  return s;
}

std::string Adatta(std::string_view utf8, std::size_t n) {
  std::string s = Sinistra(utf8, n);
  s.append(n - Lunghezza(s), ' ');
  return s;
}

std::string AllineaDestra(std::string_view utf8, std::size_t n) {
  std::string s = Sinistra(utf8, n);
  return std::string(n - Lunghezza(s), ' ') + s;
}

std::string AdattaAlmeno(std::string_view utf8, std::size_t n) {
  std::string s(utf8);
  const std::size_t l = Lunghezza(s);
  if (l < n) s.append(n - l, ' ');
  return s;
}

std::string AllineaDestraAlmeno(std::string_view utf8, std::size_t n) {
  const std::size_t l = Lunghezza(utf8);
  return std::string(l < n ? n - l : 0, ' ') + std::string(utf8);
}

bool InCp1252(std::string_view utf8) {
  for (std::size_t i = 0; i < utf8.size();) {
    char32_t c;
    const std::size_t n = LeggiUtf8(utf8, i, c);
    if (n == 0 || ByteCp1252(c) < 0) return false;
    i += n;
  }
  return true;
}

std::string Maiuscole(std::string_view utf8) {
  std::string out;
  out.reserve(utf8.size());
  for (std::size_t i = 0; i < utf8.size();) {
    char32_t c;
    const std::size_t n = LeggiUtf8(utf8, i, c);
    if (n == 0) {  // not UTF-8: keep the byte
      out += utf8[i++];
      continue;
    }
    i += n;
    if ((c >= U'a' && c <= U'z') || (c >= 0xE0 && c <= 0xFE && c != 0xF7)) c -= 0x20;
    else if (c == 0xFF) c = 0x178;       // ÿ -> Ÿ
    else if (c == 0x161 || c == 0x17E) --c;  // š -> Š, ž -> Ž
    else if (c == 0x153) c = 0x152;      // œ -> Œ
    AggiungiUtf8(out, c);
  }
  return out;
}

}  // namespace testo
