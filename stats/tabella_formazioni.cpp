#include "stats/tabella_formazioni.h"

#include <bit>
#include <cstring>
#include <functional>
#include <set>

#include "core/classi.h"
#include "core/file.h"
#include "core/testo.h"

namespace formazioni {
namespace {

constexpr std::string_view kBom = "\xEF\xBB\xBF";

bool Inizia(std::string_view riga, std::string_view prefisso) { return riga.starts_with(prefisso); }

bool FineDiRiga(char c) { return c == '\n' || c == '\r'; }

// Lines are looked for eight or sixteen bytes at a time: a table file may
// hold tens of megabytes of lines that change nothing.
constexpr std::uint64_t kUni = 0x0101010101010101, kAlti = 0x8080808080808080;

std::uint64_t Carica(const char* p) {
  std::uint64_t w;
  std::memcpy(&w, p, sizeof w);
  return w;
}

// Whether one of the eight bytes of `w` is `b`.
constexpr bool HaByte(std::uint64_t w, unsigned char b) {
  const std::uint64_t v = w ^ (kUni * b);
  return ((v - kUni) & ~v & kAlti) != 0;
}

// The bytes of a mask in memory order from its lowest bits.
std::uint64_t InOrdine(std::uint64_t m) {
  if constexpr (std::endian::native == std::endian::big) return __builtin_bswap64(m);
  return m;
}

bool HaFineRiga(const char* p) {
  const std::uint64_t w = Carica(p);
  return HaByte(w, '\n') || HaByte(w, '\r');
}

// Where the first line of the text ends (at CR or LF), npos when it goes on.
// Eight bytes at a time: lines may be megabytes long.
std::size_t FineRiga(std::string_view testo) {
  std::size_t i = 0;
  while (i + 8 <= testo.size() && !HaFineRiga(testo.data() + i)) i += 8;
  for (; i < testo.size(); ++i)
    if (FineDiRiga(testo[i])) return i;
  return std::string_view::npos;
}

// Where the last line end of the text is, npos when it has none.
std::size_t UltimaFineRiga(std::string_view testo) {
  std::size_t i = testo.size();
  while (i >= 8 && !HaFineRiga(testo.data() + i - 8)) i -= 8;
  while (i > 0)
    if (FineDiRiga(testo[--i])) return i;
  return std::string_view::npos;
}

// ProssimoRecord looks at sixteen places at a time with the vector extension
// of GCC and Clang; without it, or when the build asks for the plain search
// (TARVOLANE_SENZA_VETTORI), at eight in a 64-bit word. Either marks eight
// places in a mask, from its lowest byte in memory order (InOrdine): a
// marked place has its whole byte, or its top bit, set.
#if defined(__GNUC__) && !defined(TARVOLANE_SENZA_VETTORI)
#define TARVOLANE_VETTORI 1
typedef unsigned char Sedici __attribute__((vector_size(16)));
#else
constexpr std::uint64_t kBassi = 0x7F7F7F7F7F7F7F7F;

// The top bit of each byte of `w` that is `b`, and no other bit.
constexpr std::uint64_t Uguali(std::uint64_t w, unsigned char b) {
  const std::uint64_t v = w ^ (kUni * b);
  return ~(((v & kBassi) + kBassi) | v) & kAlti;
}
#endif

// Of the byte marks of a mask in memory order, the place of the last one.
int UltimoSegno(std::uint64_t m) { return (63 - std::countl_zero(m)) / 8; }

// The "N=" lines that a search went past, as the marks of the last two
// groups of eight places that held any: enough for the last two lines.
class UltimiNumeri {
 public:
  // Eight places from `da` with the "N=" lines marked in `m` (not 0), in
  // memory order; they come after those given before.
  void metti(std::size_t da, std::uint64_t m) {
    mDa[1] = mDa[0];
    mSegni[1] = mSegni[0];
    mDa[0] = da;
    mSegni[0] = m;
  }
  // The last line, npos when none.
  std::size_t ultima() const { return ultimaDi(0); }
  // The line before the last one, npos when none.
  std::size_t penultima() const {
    if (!mSegni[0]) return std::string_view::npos;
    const int u = UltimoSegno(mSegni[0]);
    const std::uint64_t prima = mSegni[0] & ((std::uint64_t{1} << (8 * u)) - 1);
    return prima ? mDa[0] + static_cast<std::size_t>(UltimoSegno(prima)) : ultimaDi(1);
  }

 private:
  // The last line of the i-th latest group of eight places.
  std::size_t ultimaDi(int i) const {
    return mSegni[i] ? mDa[i] + static_cast<std::size_t>(UltimoSegno(mSegni[i]))
                     : std::string_view::npos;
  }

  std::size_t mDa[2] = {0, 0};
  std::uint64_t mSegni[2] = {0, 0};
};

// The next place from `da` on where a line starts with "G=" or "F=" ("G="
// alone when `soloGruppi`) and the piece holds the "=", npos when none. The
// "N=" lines before it (when not `soloGruppi`) go to `numeri`.
// REQUIRES: da > 0
std::size_t ProssimoRecord(std::string_view t, std::size_t da, bool soloGruppi,
                           UltimiNumeri& numeri) {
  const char* p = t.data();
  // The first record of the eight places from `base` marked in `gf`, npos
  // when none; the "N=" lines marked in `n` before it go to `numeri`.
  auto segna = [&numeri](std::size_t base, std::uint64_t gf, std::uint64_t n) {
    gf = InOrdine(gf);
    n = InOrdine(n);
    const std::size_t k = gf ? static_cast<std::size_t>(std::countr_zero(gf)) / 8 : 8;
    if (k < 8) n &= (std::uint64_t{1} << (8 * k)) - 1;
    if (n) numeri.metti(base, n);
    return k < 8 ? base + k : std::string_view::npos;
  };
#ifdef TARVOLANE_VETTORI
  for (; da + 17 <= t.size(); da += 16) {
    Sedici lettera, uguale, prima;
    std::memcpy(&lettera, p + da, 16);
    std::memcpy(&uguale, p + da + 1, 16);
    std::memcpy(&prima, p + da - 1, 16);
    const auto riga = (uguale == '=') & ((prima == '\n') | (prima == '\r'));
    const auto gf = riga & (soloGruppi ? lettera == 'G' : (lettera | 1) == 'G');  // 'F' is 'G' - 1
    const auto n = riga & (lettera == 'N');
    std::uint64_t mgf[2], mn[2] = {0, 0};
    std::memcpy(mgf, &gf, 16);
    if (!soloGruppi) std::memcpy(mn, &n, 16);
    if ((mgf[0] | mgf[1] | mn[0] | mn[1]) == 0) continue;
    for (std::size_t h = 0; h < 2; ++h)
      if (const std::size_t r = segna(da + 8 * h, mgf[h], mn[h]); r != std::string_view::npos)
        return r;
  }
#else
  for (; da + 9 <= t.size(); da += 8) {
    const std::uint64_t uguale = Carica(p + da + 1);
    if (!HaByte(uguale, '=')) continue;
    const std::uint64_t lettera = Carica(p + da), prima = Carica(p + da - 1);
    const std::uint64_t riga = Uguali(uguale, '=') & (Uguali(prima, '\n') | Uguali(prima, '\r'));
    if (riga == 0) continue;
    const std::uint64_t gf = riga & Uguali(soloGruppi ? lettera : lettera | kUni, 'G');
    const std::uint64_t n = soloGruppi ? 0 : riga & Uguali(lettera, 'N');
    if (const std::size_t r = segna(da, gf, n); r != std::string_view::npos) return r;
  }
#endif
  for (; da + 1 < t.size(); ++da) {
    if (t[da + 1] != '=' || !FineDiRiga(t[da - 1])) continue;
    if (t[da] == 'G' || (!soloGruppi && t[da] == 'F')) return da;
    if (!soloGruppi && t[da] == 'N') numeri.metti(da, 1);
  }
  return std::string_view::npos;
}

std::string Unisci(const std::vector<int>& numeri) {
  std::string out;
  for (int n : numeri) out += (out.empty() ? "" : ".") + std::to_string(n);
  return out;
}

// The numbers 1..90 for which `appartiene` holds, in increasing order.
std::string Classe(const std::function<bool(int)>& appartiene) {
  std::vector<int> numeri;
  for (int n = 1; n <= 90; ++n)
    if (appartiene(n)) numeri.push_back(n);
  return Unisci(numeri);
}

// The pieces of a "."-joined string, in order ("1..2" has an empty middle one).
std::vector<std::string_view> Pezzi(std::string_view testo) {
  std::vector<std::string_view> pezzi;
  while (true) {
    const std::size_t punto = testo.find('.');
    pezzi.push_back(testo.substr(0, punto));
    if (punto == std::string_view::npos) return pezzi;
    testo.remove_prefix(punto + 1);
  }
}

// The digits of a piece without its leading zeros (empty for 0); none when
// the piece is empty or holds anything but digits.
std::optional<std::string_view> Cifre(std::string_view pezzo) {
  if (pezzo.empty() || pezzo.find_first_not_of("0123456789") != std::string_view::npos) return std::nullopt;
  const std::size_t primo = pezzo.find_first_not_of('0');
  return primo == std::string_view::npos ? std::string_view() : pezzo.substr(primo);
}

}  // namespace

// The state of a reader: the raw bytes of what the table can hold, kept
// until the end tells their encoding.
struct Lettore::Stato {
  // A line's bytes kept: its prefix, a UTF-8 byte-order mark and
  // kMaxCaratteri characters of at most four bytes each, so that a cut line
  // still gives kMaxCaratteri whole characters.
  static constexpr std::size_t kByteRiga = 2 + 3 + 4 * kMaxCaratteri;

  struct Grezzo {
    std::string byte;
    bool lungo = false;  // the line went on beyond kByteRiga
  };
  struct FormazioneGrezza {
    Grezzo nome;
    std::optional<Grezzo> numeri;
  };
  struct GruppoGrezzo {
    Grezzo nome;
    std::vector<FormazioneGrezza> formazioni;
  };

  bool aggiungi(std::string_view pezzo);
  Tabella fine(bool tagliato, Riduzione* ridotta);

  // The lines of `pezzo` from `inizio`, the start of a line, on. Gives where
  // the line that the piece leaves open starts, or, once reading stops, the
  // end of the line where it stopped (after its line end).
  std::size_t righe(std::string_view pezzo, std::size_t inizio);
  // Appends the bytes of the open line that it keeps.
  void accoda(std::string_view parte) {
    const std::size_t posto = kByteRiga - mRiga.size();
    mRiga.append(parte.substr(0, posto));
    mLunga |= parte.size() > posto;
  }
  void chiudiAperta() {
    chiudiRiga(mRiga, mLunga);
    mRiga.clear();
    mLunga = false;
  }
  // Takes a whole line: its first kByteRiga bytes and whether it went on.
  void chiudiRiga(std::string_view riga, bool lunga);

  // Whether the bytes given so far are UTF-8, and whether those up to the
  // last line end were.
  testo::ValidatoreUtf8 mUtf8;
  bool mUtf8FineRiga = true;
  std::string mRiga;  // the open line, at most kByteRiga bytes of it
  bool mLunga = false;
  bool mPrima = true;
  bool mFermo = false;
  std::vector<GruppoGrezzo> mGruppi;
  std::optional<Grezzo> mNumeriInAttesa;
  bool mFormazioneScartata = false;
  Riduzione mRiduzione;
};

Lettore::Lettore() : m(std::make_unique<Stato>()) {}
Lettore::~Lettore() = default;
bool Lettore::aggiungi(std::string_view pezzo) { return m->aggiungi(pezzo); }
Tabella Lettore::fine(bool tagliato, Riduzione* ridotta) { return m->fine(tagliato, ridotta); }

bool Lettore::Stato::aggiungi(std::string_view pezzo) {
  if (mFermo) return false;
  // The line left open by the earlier pieces (at the start, the file's first
  // line) ends at the first line end of this piece.
  const std::size_t prima = FineRiga(pezzo);
  accoda(pezzo.substr(0, prima));
  if (prima == std::string_view::npos) {
    mUtf8.aggiungi(pezzo);
    return true;
  }
  chiudiAperta();
  const std::size_t aperta = mFermo ? prima + 1 : righe(pezzo, prima + 1);
  // The encoding goes by the lines read: not by the bytes after the line
  // where reading stops, nor by those of a line the bound may yet cut.
  mUtf8.aggiungi(pezzo.substr(0, aperta));
  mUtf8FineRiga = mUtf8.valido();
  if (mFermo) return false;
  mUtf8.aggiungi(pezzo.substr(aperta));
  accoda(pezzo.substr(aperta));
  return true;
}

std::size_t Lettore::Stato::righe(std::string_view pezzo, std::size_t inizio) {
  // Only lines that can change the table are looked at: before the first
  // group and once a group has dropped a formation only "G=" lines, else
  // "G=", "F=" and "N=" lines; of "N=" lines in a row only the last counts.
  auto prendi = [&](std::size_t r) {
    const std::size_t lunghezza = FineRiga(pezzo.substr(r));
    if (lunghezza == std::string_view::npos) return false;  // the open line
    chiudiRiga(pezzo.substr(r, std::min(lunghezza, kByteRiga)), lunghezza > kByteRiga);
    inizio = r + lunghezza + 1;
    return true;
  };
  UltimiNumeri numeri;  // "N=" lines not yet taken
  while (true) {
    const std::size_t r =
        ProssimoRecord(pezzo, inizio, mGruppi.empty() || mFormazioneScartata, numeri);
    if (r == std::string_view::npos) break;
    if (numeri.ultima() != std::string_view::npos) prendi(numeri.ultima());  // it ends before r
    numeri = {};
    if (!prendi(r)) return r;
    if (mFermo) return inizio;
  }
  if (const std::size_t n = numeri.ultima(); n != std::string_view::npos && !prendi(n)) {
    // The piece leaves the last "N=" line open, and the bound may cut it:
    // the whole one before it stands until the open one ends.
    if (const std::size_t prima = numeri.penultima(); prima != std::string_view::npos)
      prendi(prima);
    return n;
  }
  // What is left holds no line that matters: the last one stays open.
  const std::size_t ultima = UltimaFineRiga(pezzo.substr(inizio));
  return ultima == std::string_view::npos ? inizio : inizio + ultima + 1;
}

void Lettore::Stato::chiudiRiga(std::string_view riga, bool lunga) {
  if (mPrima && riga.substr(0, kBom.size()) == kBom) riga.remove_prefix(kBom.size());
  mPrima = false;
  // The prefixes are ASCII: they read the same in either encoding.
  auto resto = [&] { return Grezzo{std::string(riga.substr(2)), lunga}; };
  if (Inizia(riga, "G=")) {
    if (static_cast<int>(mGruppi.size()) == kMaxGruppi) {
      mRiduzione.eccedenze = true;
      mFermo = true;  // nothing after this group is kept
    } else {
      mGruppi.push_back({resto(), {}});
      mNumeriInAttesa.reset();
      mFormazioneScartata = false;
    }
  } else if (!mGruppi.empty()) {
    auto& formazioni = mGruppi.back().formazioni;
    if (Inizia(riga, "F=")) {
      mFormazioneScartata = static_cast<int>(formazioni.size()) == kMaxFormazioni;
      if (mFormazioneScartata)
        mRiduzione.eccedenze = true;
      else
        formazioni.push_back({resto(), formazioni.empty() ? mNumeriInAttesa : std::nullopt});
    } else if (Inizia(riga, "N=") && !mFormazioneScartata) {
      // Numbers that come before the group's first "F=" line wait for it;
      // the "N=" lines of a formation beyond the limit go with it.
      // The bytes go where the replaced ones were: a file may repeat the line
      // millions of times.
      std::optional<Grezzo>& numeri =
          formazioni.empty() ? mNumeriInAttesa : formazioni.back().numeri;
      if (!numeri) numeri = Grezzo{};
      numeri->byte.assign(riga.substr(2));
      numeri->lungo = lunga;
    }
  }
}

Tabella Lettore::Stato::fine(bool tagliato, Riduzione* ridotta) {
  // A line that the bound cut is dropped, whatever it began as.
  if (!tagliato && (!mRiga.empty() || mLunga)) chiudiAperta();
  const bool utf8 = tagliato ? mUtf8FineRiga : mUtf8.valido();
  mRiduzione.nonLetto = tagliato;
  auto testo = [&](const Grezzo& g) {
    std::string t = testo::DaCp1252(testo::ACp1252(utf8 ? g.byte : testo::DaCp1252(g.byte)));
    if (g.lungo || testo::Lunghezza(t) > kMaxCaratteri) {
      mRiduzione.accorciati = true;
      t = testo::Sinistra(t, kMaxCaratteri);
    }
    return t;
  };
  Tabella t;
  for (const GruppoGrezzo& g : mGruppi) {
    Gruppo& gruppo = t.gruppi.emplace_back(Gruppo{testo(g.nome), {}});
    for (const FormazioneGrezza& f : g.formazioni)
      gruppo.formazioni.push_back(
          {testo(f.nome), f.numeri ? std::optional<std::string>(testo(*f.numeri)) : std::nullopt});
  }
  if (ridotta) *ridotta = mRiduzione;
  return t;
}

Tabella Decodifica(std::string_view bytes, Riduzione* ridotta) {
  Lettore l;
  l.aggiungi(bytes);
  return l.fine(false, ridotta);
}

std::string Codifica(const Tabella& t) {
  std::vector<std::string> righe;
  for (const Gruppo& g : t.gruppi) {
    righe.push_back("G=" + g.nome);
    for (const Formazione& f : g.formazioni) {
      righe.push_back("F=" + f.nome);
      righe.push_back(f.numeri ? "N=" + *f.numeri : std::string());
    }
  }
  return testo::CodificaRighe(righe);
}

std::string AvvisoTabellaRidotta(const Riduzione& r) {
  std::vector<std::string> righe;
  if (r.eccedenze)
    righe.push_back("La tabella contiene più di " + std::to_string(kMaxGruppi) +
                    " gruppi o più di " + std::to_string(kMaxFormazioni) +
                    " formazioni in un gruppo: quelli in eccesso non sono stati caricati.");
  if (r.accorciati)
    righe.push_back("Alcuni nomi o numeri della tabella superano i " +
                    std::to_string(kMaxCaratteri) + " caratteri: sono stati accorciati.");
  if (r.nonLetto)
    righe.push_back("Il file supera i " + std::to_string(kMassimoByteFile / (1024 * 1024)) +
                    " MB: la parte oltre questo limite non è stata letta.");
  std::string out;
  for (const std::string& riga : righe) out += (out.empty() ? "" : "\n") + riga;
  return out;
}

namespace {

// Whether the table's name is taken in the folder. The name itself is looked
// at, not what it leads to: a link to a file that is not there (a stick not
// plugged in) is there, and reading it says so. A name that cannot even be
// looked at counts as there too: reading it says why.
bool NomeOccupato(const std::filesystem::path& percorso) {
  std::error_code ec;
  return std::filesystem::symlink_status(percorso, ec).type() !=
         std::filesystem::file_type::not_found;
}

}  // namespace

bool Presente(const std::filesystem::path& cartella) { return NomeOccupato(cartella / kNomeFile); }

Risultato<std::optional<Tabella>> Leggi(const std::filesystem::path& cartella, Riduzione* ridotta) {
  const std::filesystem::path percorso = cartella / kNomeFile;
  if (!NomeOccupato(percorso)) return std::optional<Tabella>();
  Lettore l;
  const auto oltre = file::LeggiABlocchi(
      percorso, kMassimoByteFile, [&l](std::string_view pezzo) { return l.aggiungi(pezzo); });
  if (!oltre) return Esito::Errore(oltre.motivo());
  return std::optional<Tabella>(l.fine(*oltre, ridotta));
}

Esito Scrivi(const std::filesystem::path& cartella, const Tabella& t) {
  return file::ScriviAtomico(cartella / kNomeFile, Codifica(t));
}

std::vector<int> DividiNumeri(std::string_view testo) {
  std::vector<int> numeri;
  for (std::string_view pezzo : Pezzi(testo)) {
    const std::optional<std::string_view> cifre = Cifre(pezzo);
    int valore = cifre ? 0 : -1;
    if (cifre && cifre->size() > 3) valore = 999;
    else if (cifre)
      for (char c : *cifre) valore = valore * 10 + (c - '0');
    numeri.push_back(valore);
  }
  return numeri;
}

std::vector<std::string> ControllaNumeri(std::string_view testo) {
  bool zero = false, oltre = false, doppi = false, illeggibili = false;
  // Pieces compare by their digits without leading zeros, so that two long
  // pieces are the same number only when they really are.
  std::set<std::string_view> visti;
  for (std::string_view pezzo : Pezzi(testo)) {
    const std::optional<std::string_view> cifre = Cifre(pezzo);
    if (!cifre) {
      illeggibili = true;
      continue;
    }
    zero |= cifre->empty();
    oltre |= cifre->size() > 2 || (cifre->size() == 2 && *cifre > "90");
    doppi |= !visti.insert(*cifre).second;
  }
  std::vector<std::string> errori;
  if (zero) errori.emplace_back("Numeri a zero non validi !");
  if (oltre) errori.emplace_back("Numeri > 90 non validi !");
  if (doppi) errori.emplace_back("Numeri doppi non validi !");
  if (illeggibili) errori.emplace_back("Numeri vuoti o non numerici non validi !");
  return errori;
}

Tasto FiltroNumeri(std::string_view testo, bool tuttoSelezionato, char32_t tasto) {
  if (tasto == 8) return {false, true};
  Tasto t;
  if (tuttoSelezionato || testo.empty()) {
    t.svuota = true;
    testo = {};
  }
  auto cifra = [](char c) { return c >= '0' && c <= '9'; };
  const std::size_t n = testo.size();
  if (tasto == U'.') t.passa = n > 0 && testo.back() != '.';
  else if (tasto >= U'0' && tasto <= U'9') t.passa = !(n > 1 && cifra(testo[n - 1]) && cifra(testo[n - 2]));
  return t;
}

std::string AccodaNumeri(std::string_view testo, std::string_view numeri) {
  if (numeri.empty() || testo.empty()) return std::string(testo.empty() ? numeri : testo);
  return std::string(testo) + (testo.back() == '.' ? "" : ".") + std::string(numeri);
}

std::vector<std::string> RigheVista(const Tabella& t) {
  std::vector<std::string> righe;
  for (std::size_t g = 0; g < t.gruppi.size(); ++g) {
    if (g > 0) righe.emplace_back();
    righe.push_back(t.gruppi[g].nome);
    for (const Formazione& f : t.gruppi[g].formazioni)
      righe.push_back("  " + f.nome + " ==> " + f.numeri.value_or(""));
  }
  return righe;
}

bool GruppoPresente(const Tabella& t, std::string_view nome, int escluso) {
  const std::string cercato = testo::Maiuscole(nome);
  for (std::size_t g = 0; g < t.gruppi.size(); ++g)
    if (static_cast<int>(g) != escluso && testo::Maiuscole(t.gruppi[g].nome) == cercato) return true;
  return false;
}

bool FormazionePresente(const Gruppo& g, std::string_view nome, int esclusa) {
  const std::string cercato = testo::Maiuscole(nome);
  for (std::size_t f = 0; f < g.formazioni.size(); ++f)
    if (static_cast<int>(f) != esclusa && testo::Maiuscole(g.formazioni[f].nome) == cercato) return true;
  return false;
}

std::vector<Voce> Voci(const Tabella& t) {
  std::vector<Voce> voci;
  for (const Gruppo& g : t.gruppi) {
    voci.push_back({g.nome, false, {}});
    for (const Formazione& f : g.formazioni)
      if (f.numeri) voci.push_back({" " + f.nome + " => " + *f.numeri, true, *f.numeri});
  }
  return voci;
}

Tabella TabellaPredefinita() {
  using namespace Module1;
  const Inizio::TabelleClassi classi = Inizio::Crea_Tabelle_Classi();
  Tabella t;
  auto gruppo = [&t](std::string nome) -> Gruppo& { return t.gruppi.emplace_back(Gruppo{std::move(nome), {}}); };
  auto aggiungi = [](Gruppo& g, std::string nome, std::string numeri) {
    g.formazioni.push_back({std::move(nome), std::move(numeri)});
  };

  Gruppo& cadenze = gruppo("CADENZE");
  for (int c = 0; c <= 9; ++c)
    aggiungi(cadenze, "Cadenza " + std::to_string(c), Classe([c](int n) { return Cadenza(n) == c; }));

  Gruppo& naturali = gruppo("DECINE NATURALI");
  for (int d = 1; d <= 9; ++d) {
    std::vector<int> numeri;
    for (int p = 1; p <= 10; ++p) numeri.push_back(classi.TabDecine[p][d]);
    aggiungi(naturali, "Decina " + std::to_string(numeri.front()) + "-" + std::to_string(numeri.back()),
             Unisci(numeri));
  }

  Gruppo& cabalistiche = gruppo("DECINE CABALISTICHE");
  for (int d = 0; d <= 8; ++d)
    aggiungi(cabalistiche, "Decina cabalistica " + std::to_string(d),
             Classe([d](int n) { return Decina(n) == d; }));

  Gruppo& figure = gruppo("FIGURE");
  for (int f = 1; f <= 9; ++f)
    aggiungi(figure, "Figura " + std::to_string(f), Classe([f](int n) { return Figura(n) == f; }));

  aggiungi(gruppo("GEMELLI"), "Gemelli", Classe([](int n) { return Gemello(n); }));

  Gruppo& quindicine = gruppo("QUINDICINE");
  for (int q = 0; q < 6; ++q)
    aggiungi(quindicine, "Quindicina " + std::to_string(15 * q + 1) + "-" + std::to_string(15 * q + 15),
             Classe([q](int n) { return (n - 1) / 15 == q; }));

  Gruppo& pari = gruppo("PARI E DISPARI");
  aggiungi(pari, "Pari", Classe([](int n) { return n % 2 == 0; }));
  aggiungi(pari, "Dispari", Classe([](int n) { return n % 2 == 1; }));

  Gruppo& alti = gruppo("BASSI E ALTI");
  aggiungi(alti, "Bassi 1-45", Classe([](int n) { return n <= 45; }));
  aggiungi(alti, "Alti 46-90", Classe([](int n) { return n > 45; }));

  Gruppo& utente = gruppo("I MIEI NUMERI");
  aggiungi(utente, "Terzina della settimana", "3.17.45");
  aggiungi(utente, "Ambo della città", "12.71");
  return t;
}

}  // namespace formazioni
