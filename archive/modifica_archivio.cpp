#include "archive/modifica_archivio.h"

#include <algorithm>
#include <cmath>
#include <optional>

#include "core/file.h"
#include "core/indici.h"
#include "core/nomi.h"
#include "core/rsc.h"
#include "core/testo.h"

using namespace formato;

namespace Estrazioni {

const char* const kDomandaSalvata = "   ESTRAZIONE SALVATA\r\nInserimento Altra Estrazione ?";
const char* const kDomandaCancella =
    "Cancellare Estrazione ?\r\n\r\nATTENZIONE : OPERAZIONE NON ANNULLABILE !";
const char* const kDomandaAnnulla = "Annullare Inserimento Estrazione ?";

namespace {

constexpr const char* kArchivioPieno = "ARCHIVIO PIENO: IMPOSSIBILE INSERIRE ALTRE ESTRAZIONI";
constexpr const char* kDataPresente = "DATA GIA' PRESENTE IN ARCHIVIO !";
constexpr const char* kEstrattiVuoti = "CI SONO DEGLI ESTRATTI VUOTI\r\nCORREGGERE PRIMA DI SALVARE";
constexpr const char* kEstrattiDoppi =
    "CI SONO DEGLI ESTRATTI DOPPI\r\n\r\nCORREGGERE PRIMA DI SALVARE";
constexpr const char* kFuoriSequenza =
    "ATTENZIONE : DATA FUORI SEQUENZA\r\n\r\n"
    "Se si sceglie di continuare il programma\r\n"
    "provvederà a riordinare l'archivio\r\n\r\n"
    "             Confermi l'inserimento ?";
constexpr const char* kUnicaEstrazione = "IMPOSSIBILE CANCELLARE L'UNICA ESTRAZIONE";
constexpr const char* kNumeroNonValido = "Numero non Valido";
constexpr const char* kNumeroEstrazioneNonValida = "Numero Estrazione non valida";
constexpr const char* kFormatoData = "FORMATO DATA NON VALIDO ( usare 10 crt es: 04.12.1999 ) ";
constexpr const char* kDataNonValida = "DATA NON VALIDA";
constexpr const char* kDataAssente = "Data non Valida";

using testo::Cifra;
using testo::NumeroIniziale;

bool SoloCifre(std::string_view t) {
  if (t.empty()) return false;
  for (char c : t)
    if (!Cifra(c)) return false;
  return true;
}

int ValoreCifre(std::string_view t) {
  int v = 0;
  for (char c : t) v = v * 10 + (c - '0');
  return v;
}

std::string_view SenzaSpazi(std::string_view t) {
  while (!t.empty() && (t.front() == ' ' || t.front() == '\t')) t.remove_prefix(1);
  while (!t.empty() && (t.back() == ' ' || t.back() == '\t')) t.remove_suffix(1);
  return t;
}

bool DataPresente(const Archivio& a, int tot, const Data& data) {
  for (int d = 1; d <= tot; ++d)
    if (a.data(d) == data) return true;
  return false;
}

// Boxes of one wheel whose values repeat another box of the same wheel.
void SegnaDoppi(const std::uint8_t (&numeri)[10][5], std::vector<int>& caselle) {
  for (int w = 0; w < kRuote; ++w)
    for (int p = 0; p < kPosizioni; ++p)
      for (int q = 0; q < kPosizioni; ++q)
        if (q != p && numeri[w][p] == numeri[w][q]) {
          caselle.push_back(w * kPosizioni + p + 1);
          break;
        }
}

Esito CommittiSeScritto(Stato& s, ArchivioModificato&& m) {
  Esito scritto = ScriviArchivio(s.CartellaDati / "archivio.dat", m.archivio);
  if (!scritto) return scritto;
  s.ArchivioEstrazioni = std::move(m.archivio);
  return Esito::Ok();
}

}  // namespace

// --------------------------------------------------------------------------

std::optional<int> NumeroCasella(std::string_view testo) {
  const std::string_view t = SenzaSpazi(testo);
  if (!SoloCifre(t) || t.size() > 2) return std::nullopt;
  const int v = ValoreCifre(t);
  if (v < 1 || v > 90) return std::nullopt;
  return v;
}

Esito SpazioPerNuovaEstrazione(int totEstrazioni) {
  return totEstrazioni < kMaxEstrazioni ? Esito::Ok() : Esito::Errore(kArchivioPieno);
}

Esito EliminazioneAmmessa(int totEstrazioni) {
  return totEstrazioni > 1 ? Esito::Ok() : Esito::Errore(kUnicaEstrazione);
}

VerificaSalvataggio VerificaNuovaEstrazione(const Archivio& a, int totEstrazioni, const Data& data,
                                            const Caselle& caselle) {
  VerificaSalvataggio v;
  auto fallisci = [&](Controllo c, const char* messaggio, Icona icona = Icona::Critica) {
    v.controllo = c;
    v.messaggio = messaggio;
    v.icona = icona;
    v.fuoco = v.caselleErrate.empty() ? 0 : v.caselleErrate.front();
    return v;
  };
  if (!SpazioPerNuovaEstrazione(totEstrazioni)) return fallisci(Controllo::ArchivioPieno, kArchivioPieno);
  if (DataPresente(a, totEstrazioni, data)) return fallisci(Controllo::DataPresente, kDataPresente);

  for (int i = 1; i <= kCaselle; ++i)
    if (NumeroIniziale(caselle[i - 1]) == 0) v.caselleErrate.push_back(i);
  if (!v.caselleErrate.empty()) return fallisci(Controllo::EstrattiVuoti, kEstrattiVuoti);

  v.estrazione.data = data;
  for (int i = 1; i <= kCaselle; ++i) {
    const auto n = NumeroCasella(caselle[i - 1]);
    if (!n) v.caselleErrate.push_back(i);
    else v.estrazione.numeri[(i - 1) / kPosizioni][(i - 1) % kPosizioni] = static_cast<std::uint8_t>(*n);
  }
  if (!v.caselleErrate.empty()) return fallisci(Controllo::FuoriIntervallo, kNumeriDa1a90);

  SegnaDoppi(v.estrazione.numeri, v.caselleErrate);
  if (!v.caselleErrate.empty())
    return fallisci(Controllo::EstrattiDoppi, kEstrattiDoppi, Icona::Informazione);

  if (totEstrazioni >= 1 && data < a.data(totEstrazioni))
    return fallisci(Controllo::FuoriSequenza, kFuoriSequenza, Icona::Domanda);
  return v;
}

Risultato<ArchivioModificato> ConNuovaEstrazione(const Archivio& a, int totEstrazioni,
                                                 const Estrazione& nuova) {
  using R = Risultato<ArchivioModificato>;
  if (Esito spazio = SpazioPerNuovaEstrazione(totEstrazioni); !spazio) return spazio;
  // Only centuries 19 and 20 can be stored and read back.
  if (!nuova.data.valida() || nuova.data.anno < 1900 || nuova.data.anno > 2099)
    return R::Errore(kDataNonValida);
  if (DataPresente(a, totEstrazioni, nuova.data)) return R::Errore(kDataPresente);
  for (const auto& ruota : nuova.numeri)
    for (std::uint8_t n : ruota)
      if (n < 1 || n > 90) return R::Errore(kNumeriDa1a90);
  std::vector<int> doppi;
  SegnaDoppi(nuova.numeri, doppi);
  if (!doppi.empty()) return R::Errore(kEstrattiDoppi);

  ArchivioModificato m{a, totEstrazioni + 1, totEstrazioni + 1};
  Archivio& b = m.archivio;
  const int n = m.totEstrazioni;
  // Record n is the first free record; its reserved fifth date byte stays.
  b.impostaData(n, nuova.data);
  for (int w = 1; w <= kRuote; ++w)
    for (int p = 1; p <= kPosizioni; ++p) b(n, w, p) = nuova.numeri[w - 1][p - 1];
  // The record after the new last draw must end the archive.
  if (!b.libero(n + 1)) b.liberaRecord(n + 1);

  if (n > 1 && nuova.data < b.data(n - 1)) {
    int k = 1;
    while (k < n && !(b.data(k) > nuova.data)) ++k;
    Archivio nuovoRecord;
    nuovoRecord.copiaRecord(1, b, n);
    for (int i = n; i > k; --i) b.copiaRecord(i, b, i - 1);
    b.copiaRecord(k, nuovoRecord, 1);
    m.posizione = k;
  }
  return m;
}

Risultato<ArchivioModificato> SenzaEstrazione(const Archivio& a, int totEstrazioni, int d) {
  using R = Risultato<ArchivioModificato>;
  if (Esito ammessa = EliminazioneAmmessa(totEstrazioni); !ammessa) return ammessa;
  if (d < 1 || d > totEstrazioni) return R::Errore(kNumeroEstrazioneNonValida);
  ArchivioModificato m{a, totEstrazioni - 1, d};
  for (int i = d; i <= totEstrazioni && i < kRecord; ++i) m.archivio.copiaRecord(i, a, i + 1);
  return m;
}

Esito ScriviArchivio(const std::filesystem::path& percorso, const Archivio& a) {
  const auto b = a.bytes();
  return file::ScriviAtomico(percorso,
                             std::string_view(reinterpret_cast<const char*>(b.data()), b.size()));
}

Risultato<int> SalvaNuovaEstrazione(Stato& s, const Estrazione& nuova) {
  auto m = ConNuovaEstrazione(s.ArchivioEstrazioni, s.TotEstrazioni(), nuova);
  if (!m) return Risultato<int>::Errore(m.motivo());
  const int posizione = m->posizione;
  Esito e = CommittiSeScritto(s, std::move(m).prendi());
  if (!e) return e;
  // Every index follows at once: a reader of the labels never meets a draw
  // count larger than its list.
  Inizio::Aggiorna_Indici_Archivio(s.ArchivioEstrazioni, s.indici);
  return posizione;
}

Esito EliminaEstrazione(Stato& s, int d) {
  auto m = SenzaEstrazione(s.ArchivioEstrazioni, s.TotEstrazioni(), d);
  if (!m) return Esito::Errore(m.motivo());
  Esito e = CommittiSeScritto(s, std::move(m).prendi());
  if (!e) return e;
  Inizio::Aggiorna_Indici_Archivio(s.ArchivioEstrazioni, s.indici);
  return Esito::Ok();
}

// --------------------------------------------------------------------------

std::string TestoCella(const Archivio& a, int d, int w, int p) {
  const int n = a(d, w, p);
  return n == 0 ? std::string() : std::to_string(n);
}

std::string PromptCorrezione(const Archivio& a, int d, int w, int p) {
  return "\r\n\r\n" + std::string(Inizio::NomiRuote[w]) + " " + std::to_string(p) +
         "°estratto : " + TestoCella(a, d, w, p) + "\r\n\r\n\r\n\r\nNuovo Numero ?";
}

Correzione ValutaCorrezione(const Archivio& a, int d, int w, int p, std::string_view risposta) {
  Correzione c;
  if (risposta.empty()) return c;
  const double letto = NumeroIniziale(risposta);
  // Far out of range: refused before rounding, which could overflow.
  if (!(letto > -1 && letto < 91)) {
    c.esito = Correzione::Esito::NonValido;
    c.messaggio = kNumeroNonValido;
    return c;
  }
  const int v = static_cast<int>(std::lround(letto));
  if (v == a(d, w, p)) return c;
  if (v < 1 || v > 90) {
    c.esito = Correzione::Esito::NonValido;
    c.messaggio = kNumeroNonValido;
    return c;
  }
  for (int k = 1; k <= kPosizioni; ++k) {
    if (k != p && a(d, w, k) == v) {
      c.esito = Correzione::Esito::Ripetuto;
      c.messaggio = "Numero Ripetuto\r\n" + std::to_string(v) + " = al " + std::to_string(k) +
                    "° estratto";
      return c;
    }
  }
  c.esito = Correzione::Esito::Corretto;
  c.valore = v;
  return c;
}

// --------------------------------------------------------------------------

Esito Chiusura_Scrivi_Archivio(Stato& s) {
  Esito scritto = ScriviArchivio(s.CartellaDati / "archivio.dat", s.ArchivioEstrazioni);
  if (scritto) Inizio::Aggiorna_Indici_Archivio(s.ArchivioEstrazioni, s.indici);
  return scritto;
}

void Chiusura_Segui_Disco(Stato& s, const Archivio* sulDisco) {
  std::optional<Archivio> dalDisco;
  if (const auto dati = file::LeggiBinario(s.CartellaDati / "archivio.dat", formato::kDimensione))
    if (auto letto = Archivio::Decodifica(*dati)) dalDisco = std::move(letto).prendi();
  if (dalDisco)
    s.ArchivioEstrazioni = std::move(*dalDisco);
  else if (sulDisco)
    s.ArchivioEstrazioni = *sulDisco;
  Inizio::Aggiorna_Indici_Archivio(s.ArchivioEstrazioni, s.indici);
}

Esito Ricostruisci_Archivi_RSC(const Stato& s) {
  for (int k = 1; k <= 5; ++k) {
    Esito e = Rsc::Scrivi(s.CartellaDati, k, Rsc::Crea_Archivio(s.ArchivioEstrazioni, k));
    if (!e) return e;
  }
  return Esito::Ok();
}

void Chiusura_Ricarica(Stato& s) {
  for (int k = 1; k <= 5; ++k) s.TabelleRSC[k - 1] = Rsc::Crea_Archivio(s.ArchivioEstrazioni, k);
  s.UltimaEstrRSC = Rsc::UltimaEstrRSC(s.TabelleRSC);
  s.ArchivioSuperEnalotto =
      Inizio::Crea_Archivio_SuperEnalotto(s.ArchivioEstrazioni, s.TotEstrazioni());
}

Esito Chiusura_Completa(Stato& s, const std::function<void()>& indiciRicostruiti,
                        const std::function<Esito(const Stato&)>& ricostruisci) {
  if (indiciRicostruiti) indiciRicostruiti();
  Esito esito = ricostruisci(s);
  Chiusura_Ricarica(s);
  return esito;
}

// --------------------------------------------------------------------------

Risultato<int> VaiANumero(std::string_view testo, int totEstrazioni) {
  const double v = NumeroIniziale(testo);
  if (!(v >= 1 && v <= totEstrazioni)) return Risultato<int>::Errore(kNumeroEstrazioneNonValida);
  return static_cast<int>(v);
}

Risultato<int> VaiAData(const Archivio& a, int totEstrazioni, std::string_view t) {
  if (t.size() != 10 || t[2] != '.' || t[5] != '.') return Risultato<int>::Errore(kFormatoData);
  const std::string_view giorno = t.substr(0, 2), mese = t.substr(3, 2), anno = t.substr(6, 4);
  if (!SoloCifre(giorno) || !SoloCifre(mese) || !SoloCifre(anno))
    return Risultato<int>::Errore(kDataNonValida);
  const int g = ValoreCifre(giorno), m = ValoreCifre(mese), y = ValoreCifre(anno);
  if (g < 1 || g > 31 || m < 1 || m > 12 || y < 1945 || y > 3000)
    return Risultato<int>::Errore(kDataNonValida);
  // The date as a key compares like the year, month and day texts would.
  const Data cercata{g, m, y};
  for (int d = 1; d <= totEstrazioni; ++d)
    if (!(a.data(d) < cercata)) return d;
  return Risultato<int>::Errore(kDataAssente);
}

std::string TestoConTasto(std::string_view testo, int inizioSelezione, int lunghezzaSelezione,
                          std::string_view tasto) {
  const int lunghezza = static_cast<int>(testo::Lunghezza(testo));
  const int inizio = std::clamp(inizioSelezione, 0, lunghezza);
  const int fine = std::clamp(inizio + std::max(lunghezzaSelezione, 0), inizio, lunghezza);
  const std::string prima = testo::Sinistra(testo, static_cast<std::size_t>(inizio));
  const std::string finoAllaFine = testo::Sinistra(testo, static_cast<std::size_t>(fine));
  return prima + std::string(tasto) + std::string(testo.substr(finoAllaFine.size()));
}

bool TestoDataAmmesso(std::string_view t) {
  if (t.size() > 10) return false;
  for (std::size_t i = 0; i < t.size(); ++i) {
    if (Cifra(t[i])) continue;
    if (t[i] != '.' || (i != 2 && i != 5) || t[i - 1] == '.') return false;
  }
  return true;
}

bool TestoNumeroAmmesso(std::string_view t) {
  return t.size() <= 4 && (t.empty() || SoloCifre(t));
}

TastoCasella ValutaTestoCasella(std::string_view t) {
  if (t.size() > 2 || (!t.empty() && !SoloCifre(t))) return TastoCasella::Rifiutato;
  if (t.size() == 2) {
    const int v = ValoreCifre(t);
    if (v < 1 || v > 90) return TastoCasella::FuoriIntervallo;
  }
  return TastoCasella::Ammesso;
}

CambioCasella CambioTestoCasella(std::string_view t) {
  CambioCasella c;
  c.avanza = testo::Lunghezza(t) == 2;
  c.testo = std::string(t);
  if (!t.empty() && t.front() == '0') c.testo = std::string(t.substr(t.size() - 1));
  return c;
}

bool CasellaValida(std::string_view t) { return t.empty() || NumeroCasella(t).has_value(); }

}  // namespace Estrazioni
