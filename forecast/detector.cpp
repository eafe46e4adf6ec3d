#include "forecast/detector.h"

#include <algorithm>
#include <bit>
#include <cctype>
#include <cstdio>

#include "core/avvio.h"
#include "core/classi.h"
#include "core/file.h"
#include "core/nomi.h"
#include "core/testo.h"
#include "methods/file_metodo.h"

namespace Detector {

namespace {

// --- Sets of additions -----------------------------------------------------------

// 0 and 90 give the same number (Fuori90 of base + 0 and of base + 90).
int Canonico(int x) { return x == 0 ? 90 : x; }

void Aggiungi(Insieme& s, int x) {
  x = Canonico(x);
  if (x < 64)
    s.basso |= std::uint64_t{1} << x;
  else
    s.alto |= std::uint64_t{1} << (x - 64);
}

bool Contiene(const Insieme& s, int x) {
  x = Canonico(x);
  return x < 64 ? (s.basso >> x) & 1 : (s.alto >> (x - 64)) & 1;
}

Insieme Interseca(const Insieme& s, const Insieme& t) {
  return {s.basso & t.basso, s.alto & t.alto};
}
Insieme Togli(const Insieme& s, const Insieme& t) { return {s.basso & ~t.basso, s.alto & ~t.alto}; }
void Unisci(Insieme& s, const Insieme& t) {
  s.basso |= t.basso;
  s.alto |= t.alto;
}
int Quanti(const Insieme& s) { return std::popcount(s.basso) + std::popcount(s.alto); }
bool Vuoto(const Insieme& s) { return s.basso == 0 && s.alto == 0; }

// --- Texts ---------------------------------------------------------------------

std::string Due(int n) {
  char buf[16];
  std::snprintf(buf, sizeof buf, "%02d", n);
  return buf;
}

std::string N(int n) { return std::to_string(n); }

// ASCII letters in capitals (titles, wheel codes and extensions of file names).
std::string Maiuscole(std::string s) {
  std::transform(s.begin(), s.end(), s.begin(),
                 [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
  return s;
}

std::string CodiceRuota(int ruota) { return std::string(Inizio::NomiRuote[ruota].substr(0, 2)); }

std::string NomeMese(int mese, int anno) {
  return std::string(Inizio::NomiMesi[mese]) + " " + N(anno);
}

// "5° Estratto di BARI +3 +17 ..."
std::string Descrizione(const Richiesta& r, const int* addendi, int quanti) {
  std::string s = N(r.posizione) + "° Estratto di " + std::string(Inizio::NomiRuote[r.ruota]);
  for (int k = 0; k < quanti; ++k) s += " +" + N(addendi[k]);
  return s;
}

// The description up to its first "di": "5° Estratto ".
std::string Taglia(const std::string& descrizione) {
  return descrizione.substr(0, descrizione.find("di"));
}

std::string Percentuale(int conta) {
  return testo::Rapporto(conta * 100LL, kMesi, 1, testo::Arrotondamento::MetaLontanoDaZero, false);
}

// The forecast numbers of a set of additions on a base number, and which
// numbers 1..90 they are.
struct Previsti {
  std::vector<int> numeri;
  std::array<bool, 91> presente{};
};

Previsti Numeri(int base, const int* addendi, int quanti) {
  Previsti p;
  for (int k = 0; k < quanti; ++k) {
    const int n = Inizio::Fuori90(base + addendi[k]);
    p.numeri.push_back(n);
    p.presente[n] = true;
  }
  return p;
}

std::string Unisci(const std::vector<int>& numeri, bool dueCifre) {
  std::string s;
  for (std::size_t k = 0; k < numeri.size(); ++k) {
    if (k) s += '.';
    s += dueCifre ? Due(numeri[k]) : N(numeri[k]);
  }
  return s;
}

// The numbers of draw d on the wheel, in position order, that are forecast:
// how many, and as text ("07.45").
struct Colpiti {
  int quanti = 0;
  std::string testo;
};

Colpiti Controlla(const Archivio& a, int ruota, int d, const Previsti& p) {
  Colpiti c;
  for (int pos = 1; pos <= 5; ++pos) {
    const int n = a(d, ruota, pos);
    if (n > 90 || !p.presente[n]) continue;
    if (c.quanti++) c.testo += '.';
    c.testo += Due(n);
  }
  return c;
}

// The month lines of a set of additions, oldest month first, and its count
// of positive months: a month is positive at its first later draw holding
// at least `minimo` forecast numbers.
struct Mesi {
  std::vector<std::string> righe;
  int conta = 0;
};

Mesi RigheMesi(const Archivio& a, const Preparazione& p, const int* addendi, int quanti,
               int minimo) {
  Mesi m;
  const int ruota = p.richiesta.ruota;
  for (int i = 1; i <= kMesi; ++i) {
    const Mese& mese = p.mesi[i];
    const Previsti prev = Numeri(p.base[i], addendi, quanti);
    std::string riga = Data_Estrazione(a, mese.prima) + " (" + Due(p.base[i]) + ") " +
                       Unisci(prev.numeri, true) + " -> ";
    int colpo = 0;
    for (int d = mese.prima + 1; d <= mese.ultima && !colpo; ++d) {
      const Colpiti c = Controlla(a, ruota, d, prev);
      if (c.quanti < minimo) continue;
      colpo = d;
      riga += c.testo + " al " + N(d - mese.prima) + "° colpo (" + Data_Estrazione(a, d) + ")";
    }
    if (colpo)
      ++m.conta;
    else
      riga += " ***  NEGATIVO  ***";
    m.righe.push_back(std::move(riga));
  }
  return m;
}

// The lines of one method: heading, summary, month lines and the forecast
// for the target month up to its calculation line.
struct Metodo {
  const char* sorte;  // "AMBATA" or "AMBO"
  const int* addendi;
  int quanti;
};

void Sezione(std::vector<std::string>& out, const Archivio& a, const Preparazione& p,
             const Metodo& m, const Mesi& mesi) {
  const Richiesta& r = p.richiesta;
  const std::string ruota(Inizio::NomiRuote[r.ruota]);
  const std::string descrizione = Descrizione(r, m.addendi, m.quanti);
  out.insert(out.end(),
             {"Metodo x " + std::string(m.sorte), "", "Prima Estrazione del Mese", "", descrizione,
              "", "Riepilogo dei 12 Mesi precedenti sulla Ruota di " + ruota,
              N(mesi.conta) + " cicli positivi ( " + Percentuale(mesi.conta) + "% )", ""});
  out.insert(out.end(), mesi.righe.begin(), mesi.righe.end());
  out.push_back("");
  out.push_back("PREVISIONI di " + std::string(m.sorte) + " per il mese di " +
                NomeMese(r.mese, r.anno) + " per la Ruota di " + ruota);
  const int n = a(p.calcolo, r.ruota, r.posizione);
  out.push_back("Estrazione di Calcolo : " + Data_Estrazione(a, p.calcolo) + " ( " +
                Taglia(descrizione) + "= " + N(n) + " )");
}

void Titolo(std::vector<std::string>& out, const Preparazione& p) {
  out.insert(out.end(), {"",
                         "Riepilogo del Mese in corso sulla Ruota di " +
                             std::string(Inizio::NomiRuote[p.richiesta.ruota]),
                         ""});
}

// The later draws of the target month, while they exist.
template <class F>
void MeseInCorso(const Indici& indici, const Preparazione& p, F riga) {
  for (int d = p.calcolo + 1; d <= p.ultima && indici.NumEstrMese[d] != 1; ++d)
    if (!riga(d, d - p.calcolo)) break;
}

void RapportoAmbata(std::vector<std::string>& out, const Archivio& a, const Indici& indici,
                    const Preparazione& p, const Ambata& amb, const Mesi& mesi,
                    std::string_view titolo) {
  const Richiesta& r = p.richiesta;
  const int addendi[2] = {amb.a, amb.b};
  out.insert(out.end(), {std::string(titolo) + " - Method Detector", ""});
  Sezione(out, a, p, {"AMBATA", addendi, 2}, mesi);
  const int n = a(p.calcolo, r.ruota, r.posizione);
  for (int k = 0; k < 2; ++k)
    out.push_back(N(k + 1) +
                  "° Ambata : " + testo::AllineaDestra(N(Inizio::Fuori90(n + addendi[k])), 2) +
                  " ( " + N(n) + " + " + N(addendi[k]) + " ) ");
  if (p.ultima <= p.calcolo) return;
  Titolo(out, p);
  const Previsti prev = Numeri(n, addendi, 2);
  const std::string inizio = " (" + Due(n) + ") " + Unisci(prev.numeri, true);
  MeseInCorso(indici, p, [&](int d, int colpo) {
    const Colpiti c = Controlla(a, r.ruota, d, prev);
    out.push_back(Data_Estrazione(a, d) + inizio +
                  (c.quanti
                       ? " :-) " + c.testo + " al " + N(colpo) + "° colpo  <<-------------------"
                       : " -> negativo ( " + N(colpo) + "° colpo )"));
    return true;
  });
}

void RapportoSestina(std::vector<std::string>& out, const Archivio& a, const Indici& indici,
                     const Preparazione& p, const Sestina& ses, const Mesi& mesi) {
  const Richiesta& r = p.richiesta;
  out.insert(out.end(), {std::string(75, '-'), ""});
  Sezione(out, a, p, {"AMBO", ses.addendi.data(), 6}, mesi);
  const int n = a(p.calcolo, r.ruota, r.posizione);
  const Previsti prev = Numeri(n, ses.addendi.data(), 6);
  for (int k = 0; k < 6; ++k)
    out.push_back(N(k + 1) + "° Numero : " + testo::AllineaDestra(N(prev.numeri[k]), 2) + " ( " +
                  N(n) + " + " + N(ses.addendi[k]) + " ) ");
  out.push_back("");
  out.push_back("SESTINA x AMBO : " + Unisci(prev.numeri, false));
  if (p.ultima <= p.calcolo) return;
  Titolo(out, p);
  const std::string inizio = " (" + Due(n) + ") " + Unisci(prev.numeri, true);
  MeseInCorso(indici, p, [&](int d, int colpo) {
    const Colpiti c = Controlla(a, r.ruota, d, prev);
    if (c.quanti < 2) {
      out.push_back(Data_Estrazione(a, d) + inizio + " -> negativo ( " + N(colpo) + "° colpo )");
      return true;
    }
    out.push_back(Data_Estrazione(a, d) + inizio + " :) " + c.testo + " al " + N(colpo) +
                  "° colpo  <<------------");
    return false;
  });
}

// --- Month table ---------------------------------------------------------------

// The draws of one calendar month; prima = 0 when the archive has none.
Mese TrovaMese(const Archivio& a, const Indici& indici, int ultima, int mese, int anno) {
  Mese m{0, 0, mese, anno};
  for (const std::string& voce : indici.AnniArchivio) {
    if (std::stoi(voce.substr(0, 4)) != anno) continue;
    int d = std::stoi(voce.substr(4));
    while (d <= ultima && a.annoCompleto(d) == anno && a.mese(d) != mese) ++d;
    if (d > ultima || a.annoCompleto(d) != anno) break;
    m.prima = m.ultima = d;
    while (m.ultima < ultima && a.annoCompleto(m.ultima + 1) == anno &&
           a.mese(m.ultima + 1) == mese)
      ++m.ultima;
    break;
  }
  return m;
}

int IndiceAnno(const Indici& indici, int anno) {
  for (std::size_t k = 0; k < indici.AnniArchivio.size(); ++k)
    if (std::stoi(indici.AnniArchivio[k].substr(0, 4)) == anno) return static_cast<int>(k);
  return 0;
}

}  // namespace

std::string Data_Estrazione(const Archivio& a, int d) {
  const Data data = a.data(d);
  char buf[32];
  std::snprintf(buf, sizeof buf, " %02d/%02d/%d%02d", a.giorno(d), a.mese(d), a.secolo(d),
                a.anno(d));
  return testo::Sinistra(Inizio::NomiGiorni[data.giornoSettimana()], 3) + buf;
}

std::string StatoArchivio(const Archivio& a, int ultima) {
  return "Archivio : da " + Data_Estrazione(a, 1) + " a " + Data_Estrazione(a, ultima) + " ( " +
         N(ultima) + " Estrazioni )";
}

std::vector<std::string> RigheOutput(std::string_view titolo,
                                     const std::vector<std::string>& rapporto) {
  std::vector<std::string> righe{Maiuscole(std::string(titolo)), ""};
  righe.insert(righe.end(), rapporto.begin(), rapporto.end());
  righe.push_back("");
  return righe;
}

Risultato<Preparazione> Prepara(const Archivio& a, const Indici& indici, int ultima,
                                const Richiesta& richiesta) {
  if (indici.AnniArchivio.empty() ||
      std::stoi(indici.AnniArchivio.front().substr(0, 4)) == richiesta.anno)
    return Esito::Errore(std::string(kAnnoIniziale));
  const auto mancante = [](const Mese& m) {
    return Esito::Errore("Nell'archivio non ci sono estrazioni di " + NomeMese(m.mese, m.anno));
  };

  Preparazione p;
  p.richiesta = richiesta;
  p.ultima = ultima;
  const Mese obiettivo = TrovaMese(a, indici, ultima, richiesta.mese, richiesta.anno);
  if (!obiettivo.prima) return mancante(obiettivo);
  p.calcolo = obiettivo.prima;
  int mese = richiesta.mese, anno = richiesta.anno;
  for (int k = 1; k <= kMesi; ++k) {
    if (--mese == 0) {
      mese = 12;
      --anno;
    }
    const Mese m = TrovaMese(a, indici, ultima, mese, anno);
    if (!m.prima) return mancante(m);
    p.mesi[kMesi + 1 - k] = m;
  }

  // Each later draw of a month as the additions that give its numbers:
  // number n comes from base + x when x = Fuori90(n - base).
  const int ruota = richiesta.ruota;
  for (int i = 1; i <= kMesi; ++i) {
    const Mese& m = p.mesi[i];
    const int base = a(m.prima, ruota, richiesta.posizione);
    p.base[i] = base;
    p.inizio[i] = static_cast<int>(p.addendiEstrazione.size());
    for (int d = m.prima + 1; d <= m.ultima; ++d) {
      Insieme tutti, doppi;
      for (int pos = 1; pos <= 5; ++pos) {
        const int n = a(d, ruota, pos);
        if (n == 0) continue;  // no number: never forecast
        const int x = Inizio::Fuori90(n - base);
        if (Contiene(tutti, x)) Aggiungi(doppi, x);
        Aggiungi(tutti, x);
        p.mesiColpiti[x] |= static_cast<std::uint16_t>(1u << (i - 1));
      }
      p.addendiEstrazione.push_back(tutti);
      p.doppiEstrazione.push_back(doppi);
    }
  }
  p.inizio[kMesi + 1] = static_cast<int>(p.addendiEstrazione.size());
  return p;
}

Ambata Cerca_Ambata(const Preparazione& p) {
  Ambata migliore;
  for (int a = 1; a <= 90; ++a)
    for (int b = a + 1; b <= 90; ++b) {
      const int conta = std::popcount(static_cast<unsigned>(p.mesiColpiti[a] | p.mesiColpiti[b]));
      if (conta == kMesi) return {a, b, conta};
      if (conta > migliore.conta) migliore = {a, b, conta};
    }
  return migliore;
}

Sestina Cerca_Sestina(const Preparazione& p, const Ambata& ambata) {
  Sestina s;
  s.addendi[0] = ambata.a;
  s.addendi[1] = ambata.b;
  int migliore = 0;  // one best count for all four stages
  for (int posto = 2; posto < 6; ++posto) {
    Insieme scelti;
    for (int k = 0; k < posto; ++k) Aggiungi(scelti, s.addendi[k]);
    // Per month: positive whatever the candidate, or the candidates that
    // make it positive (a draw holding one chosen number and the candidate,
    // or the candidate twice).
    std::array<bool, kMesi + 1> sempre{};
    std::array<Insieme, kMesi + 1> candidati{};
    for (int i = 1; i <= kMesi; ++i)
      for (int t = p.inizio[i]; t < p.inizio[i + 1] && !sempre[i]; ++t) {
        const int presi = Quanti(Interseca(p.addendiEstrazione[t], scelti));
        if (presi >= 2 || !Vuoto(Interseca(p.doppiEstrazione[t], scelti)))
          sempre[i] = true;
        else
          Unisci(candidati[i],
                 Togli(presi == 1 ? p.addendiEstrazione[t] : p.doppiEstrazione[t], scelti));
      }
    for (int x = 1; x <= 90; ++x) {
      if (std::find(s.addendi.begin(), s.addendi.begin() + posto, x) != s.addendi.begin() + posto)
        continue;
      int conta = 0;
      for (int i = 1; i <= kMesi; ++i) conta += sempre[i] || Contiene(candidati[i], x);
      if (conta == kMesi) {
        s.addendi[posto] = x;
        migliore = kMesi;
        break;
      }
      if (conta > migliore) {
        s.addendi[posto] = x;
        migliore = conta;
      }
    }
  }
  return s;
}

Rilevamento Completa(const Archivio& a, const Indici& indici, const Preparazione& p,
                     const Ambata& ambata, const Sestina& sestina, std::string_view titolo) {
  Rilevamento r;
  r.richiesta = p.richiesta;
  r.mesi = p.mesi;
  r.calcolo = p.calcolo;
  const int coppia[2] = {ambata.a, ambata.b};
  const Mesi mesiAmbata = RigheMesi(a, p, coppia, 2, 1);
  const Mesi mesiSestina = RigheMesi(a, p, sestina.addendi.data(), 6, 2);
  r.ambata = {ambata.a, ambata.b, mesiAmbata.conta};
  r.sestina = {sestina.addendi, mesiSestina.conta};
  r.annoPrimoMese = p.mesi[1].anno;
  r.indiceAnnoPrimoMese = IndiceAnno(indici, r.annoPrimoMese);
  r.indiceUltimoAnno = static_cast<int>(indici.AnniArchivio.size()) - 1;
  RapportoAmbata(r.rapporto, a, indici, p, r.ambata, mesiAmbata, titolo);
  RapportoSestina(r.rapporto, a, indici, p, r.sestina, mesiSestina);
  return r;
}

Risultato<Rilevamento> Elabora_Previsioni(const Archivio& a, const Indici& indici, int ultima,
                                          const Richiesta& richiesta, std::string_view titolo) {
  auto p = Prepara(a, indici, ultima, richiesta);
  if (!p) return Esito::Errore(p.motivo());
  const Ambata ambata = Cerca_Ambata(*p);
  const Sestina sestina = Cerca_Sestina(*p, ambata);
  return Completa(a, indici, *p, ambata, sestina, titolo);
}

// --- Method files ----------------------------------------------------------------

std::string NomeFileMetodo(const Rilevamento& r, std::string_view estensione) {
  const Richiesta& q = r.richiesta;
  return CodiceRuota(q.ruota) + N(q.posizione) + N(q.anno) + Due(q.mese) + std::string(estensione);
}

// The options of a detector method: from the month before the twelve to
// the last draw, 8 colpi, not interrupted, the run's wheel alone.
metodi::Opzioni OpzioniMetodo(const Rilevamento& r) {
  const Richiesta& q = r.richiesta;
  metodi::Opzioni o;
  o.mese = {q.mese - 1, 0};
  o.anno = {r.indiceAnnoPrimoMese, r.indiceUltimoAnno};
  o.fine = 1;
  o.colpi = 8;
  o.interrompi = 0;
  o.ruote[q.ruota - 1] = 1;
  o.cicli = 1;
  return o;
}

std::vector<std::string> RigheMetodo(const Rilevamento& r) {
  const Richiesta& q = r.richiesta;
  const auto termine = [&](int n) {
    return N(q.posizione) + "°" + CodiceRuota(q.ruota) + "+" + N(n);
  };
  std::string riga2 = "M  1M  " + termine(r.ambata.a) + " & " + termine(r.ambata.b);
  std::string riga3 = "A  1M  ";
  for (int k = 0; k < 6; ++k) riga3 += (k ? " & " : "") + termine(r.sestina.addendi[k]);
  return {metodi::RigaOpzioni(OpzioniMetodo(r)), riga2, riga3};
}

std::string FileMetodo(const Rilevamento& r) {
  const std::vector<std::string> righe = RigheMetodo(r);
  return metodi::ScriviFileMetodo(OpzioniMetodo(r), {righe.begin() + 1, righe.end()});
}

Esito Salva_Metodo(const std::filesystem::path& cartellaDati, const Rilevamento& r,
                   std::string_view estensione) {
  if (Esito cartella = Inizio::CreaCartellaDetector(cartellaDati); !cartella) return cartella;
  return file::ScriviAtomico(cartellaDati / "Detector_Files" / NomeFileMetodo(r, estensione),
                             FileMetodo(r));
}

std::vector<std::string> Elenca_Metodi(std::vector<std::string> nomiFile, int ruota, int mese,
                                       int anno) {
  std::sort(nomiFile.begin(), nomiFile.end());
  const std::string limite = N(anno) + Due(mese);
  const std::string codice = CodiceRuota(ruota);
  std::vector<std::string> voci;
  for (const std::string& nome : nomiFile) {
    // Characters 1-2 the wheel, 3 the position, 4-7 the year, 8-9 the month.
    if (nome.size() < 9 || Maiuscole(nome.substr(nome.size() - 4)) != ".MDD") continue;
    if (Maiuscole(nome.substr(0, 2)) != codice || nome.substr(3, 6) >= limite) continue;
    const char c1 = nome[7], c2 = nome[8];
    if (c1 < '0' || c1 > '9' || c2 < '0' || c2 > '9') continue;
    const int m = (c1 - '0') * 10 + (c2 - '0');
    if (m < 1 || m > 12) continue;
    voci.push_back(std::string(Inizio::NomiMesi[m]) + " " + nome.substr(3, 4));
  }
  return voci;
}

std::vector<std::string> Elenca_Metodi(const std::filesystem::path& cartellaDati, int ruota,
                                       int mese, int anno) {
  auto nomi = file::ElencaFile(cartellaDati / "Detector_Files");
  if (!nomi) return {};
  return Elenca_Metodi(std::move(nomi).prendi(), ruota, mese, anno);
}

}  // namespace Detector
