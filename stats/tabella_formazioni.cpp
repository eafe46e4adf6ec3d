#include "stats/tabella_formazioni.h"

#include <functional>
#include <set>

#include "core/classi.h"
#include "core/file.h"
#include "core/testo.h"

namespace formazioni {
namespace {

constexpr std::string_view kBom = "\xEF\xBB\xBF";

bool Inizia(std::string_view riga, std::string_view prefisso) { return riga.substr(0, 2) == prefisso; }

// Where the first line of the text ends (at CR or LF), npos when it goes on.
std::size_t FineRiga(std::string_view testo) {
  for (std::size_t i = 0; i < testo.size(); ++i)
    if (testo[i] == '\n' || testo[i] == '\r') return i;
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

namespace {

// Reads a table file from pieces of its bytes in order, keeping the raw
// bytes of what the table can hold until the end tells their encoding.
class Lettore {
 public:
  // Takes the next piece; false once nothing later in the file can be kept.
  bool aggiungi(std::string_view pezzo) {
    if (mFermo) return false;
    mUtf8.aggiungi(pezzo);
    while (true) {
      const std::size_t fine = FineRiga(pezzo);
      const std::string_view parte = pezzo.substr(0, fine);
      const std::size_t posto = kByteRiga - std::min(kByteRiga, mRiga.size());
      mRiga.append(parte.substr(0, posto));
      mLunga |= parte.size() > posto;
      if (fine == std::string_view::npos) return true;
      // CR LF, LF and CR all end a line: the empty line between CR and LF is ignored.
      chiudiRiga();
      if (mFermo) return false;
      pezzo.remove_prefix(fine + 1);
    }
  }

  Tabella fine(Riduzione* ridotta) {
    if (!mRiga.empty() || mLunga) chiudiRiga();
    const bool utf8 = mUtf8.valido();
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
            {testo(f.nome),
             f.numeri ? std::optional<std::string>(testo(*f.numeri)) : std::nullopt});
    }
    if (ridotta) *ridotta = mRiduzione;
    return t;
  }

  Riduzione& riduzione() { return mRiduzione; }

 private:
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

  void chiudiRiga() {
    std::string_view riga = mRiga;
    if (mPrima && riga.substr(0, kBom.size()) == kBom) riga.remove_prefix(kBom.size());
    mPrima = false;
    // The prefixes are ASCII: they read the same in either encoding.
    auto resto = [&] { return Grezzo{std::string(riga.substr(2)), mLunga}; };
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
        (formazioni.empty() ? mNumeriInAttesa : formazioni.back().numeri) = resto();
      }
    }
    mRiga.clear();
    mLunga = false;
  }

  testo::ValidatoreUtf8 mUtf8;
  std::string mRiga;  // the line being read, at most kByteRiga bytes of it
  bool mLunga = false;
  bool mPrima = true;
  bool mFermo = false;
  std::vector<GruppoGrezzo> mGruppi;
  std::optional<Grezzo> mNumeriInAttesa;
  bool mFormazioneScartata = false;
  Riduzione mRiduzione;
};

}  // namespace

Tabella Decodifica(std::string_view bytes, Riduzione* ridotta) {
  Lettore l;
  l.aggiungi(bytes);
  return l.fine(ridotta);
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

bool Presente(const std::filesystem::path& cartella) {
  // A file that cannot even be looked at counts as there: reading it says why.
  std::error_code ec;
  return std::filesystem::exists(cartella / kNomeFile, ec) || ec;
}

Risultato<std::optional<Tabella>> Leggi(const std::filesystem::path& cartella, Riduzione* ridotta) {
  const std::filesystem::path percorso = cartella / kNomeFile;
  std::error_code ec;
  if (!std::filesystem::exists(percorso, ec) && !ec) return std::optional<Tabella>();
  Lettore l;
  const auto oltre = file::LeggiABlocchi(
      percorso, kMassimoByteFile, [&l](std::string_view pezzo) { return l.aggiungi(pezzo); });
  if (!oltre) return Esito::Errore(oltre.motivo());
  l.riduzione().nonLetto = *oltre;
  return std::optional<Tabella>(l.fine(ridotta));
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
