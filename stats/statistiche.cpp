#include "stats/statistiche.h"

#include <charconv>

#include "core/indici.h"
#include "core/nomi.h"
#include "core/testo.h"

namespace Statistiche {

namespace {

// Two decimal digits of v (0..99) at p.
void DueCifre(char* p, int v) {
  p[0] = static_cast<char>('0' + v / 10);
  p[1] = static_cast<char>('0' + v % 10);
}

}  // namespace

std::string DataTesto(const Archivio& a, int d) {
  // Written digit by digit: the event list asks for thousands of them.
  std::string s(10, '.');
  DueCifre(&s[0], a.giorno(d) % 100);
  DueCifre(&s[3], a.mese(d) % 100);
  DueCifre(&s[6], a.secolo(d) % 100);
  DueCifre(&s[8], a.anno(d) % 100);
  return s;
}

std::string EtichettaEstrazione(const Archivio& a, int d) {
  const std::string s = Inizio::Descrivi_Estrazione(a, d);
  const std::size_t dopo = s.find(" - ");
  return dopo == std::string::npos ? s : s.substr(dopo + 3);
}

long long Combinazioni(int h, int s) {
  if (h < s) return 0;
  long long c = 1;
  for (int i = 1; i <= s; ++i) c = c * (h - s + i) / i;
  return c;
}

std::string SigleRuote(const Ruote& ruote) {
  std::string out;
  for (int w = 1; w <= 10; ++w) {
    if (!ruote[w]) continue;
    if (!out.empty()) out += ',';
    out += Inizio::NomiRuote[w].substr(0, 2);
  }
  return out;
}

std::string RigaEvento(const Archivio& a, const Evento& e) {
  std::string s = DataTesto(a, e.estrazione);
  s.reserve(32);
  s += ' ';
  s += Inizio::NomiRuote[e.ruota];
  s += ' ';
  char cifre[16];
  s.append(cifre, std::to_chars(cifre, cifre + sizeof cifre, e.distanza).ptr);
  return s;
}

Corsa::Corsa(int inizio) : mIstogramma(kMaxDistanza + 1, 0), mUltimaEstrazione(inizio - 1) {}

void Corsa::Aggiungi(int d, int w, long long presenze) {
  // The first event of a new draw closes the previous event draw.
  if (d != mInCorso) {
    if (mInCorso) mUltimaEstrazione = mInCorso;
    mInCorso = d;
  }
  const int gap = d - mUltimaEstrazione - 1;
  ++mIstogramma[gap];
  if (gap > mStorico || (gap == 0 && mStorico == 0)) {
    mStorico = gap;
    mEstrazioneStorico = d;
  }
  mUltimo = gap;
  mEstrazioneUltimo = d;
  mPresenze += presenze;
  mEventi.push_back({d, w, gap});
}

namespace {

std::string RigaRitardo(std::string_view etichetta, int valore, const std::string& data) {
  return std::string(etichetta) + testo::AdattaAlmeno(std::to_string(valore), 5) + "del " + data;
}

}  // namespace

void AggiungiRitardi(std::vector<std::string>& righe, const Archivio& a, const Corsa& c, int fine,
                     bool storicoPiuUno) {
  righe.push_back("Ritardo Attuale.: " + std::to_string(fine - c.ultimaEstrazioneEvento()));
  righe.push_back(RigaRitardo("Ritardo Storico.: ", c.ritardoStorico() + (storicoPiuUno ? 1 : 0),
                              DataTesto(a, c.estrazioneStorico())));
  righe.push_back(
      RigaRitardo("Ultimo Ritardo..: ", c.ultimoRitardo(), DataTesto(a, c.estrazioneUltimo())));
  righe.push_back("Presenze........: " + std::to_string(c.presenze()));
  righe.emplace_back();
  righe.emplace_back("Frequenze Ritardi : ");
  const auto& istogramma = c.istogramma();
  for (int g = 0; g <= kMaxDistanza; ++g)
    if (istogramma[g] != 0) righe.push_back(testo::Intero(g) + "  :  " + std::to_string(istogramma[g]));
}

void AggiungiEstremi(std::vector<std::string>& righe, const Archivio& a, int inizio, int fine) {
  righe.push_back("Estrazione iniziale.: " + EtichettaEstrazione(a, inizio));
  righe.push_back("Estrazione finale...: " + EtichettaEstrazione(a, fine));
  righe.push_back("Numero Estrazioni...: " + std::to_string(fine - inizio + 1));
}

std::string DidascaliaGruppi(const Archivio& date, int inizio, int fine, std::string_view dataFine) {
  const std::string dataInizio =
      inizio >= 1 && inizio <= formato::kRecord ? Inizio::DataBreve(date, inizio) : std::string();
  return "Inizio : " + std::to_string(inizio) + " (" + dataInizio + ")     Fine : " +
         std::to_string(fine) + " (" + std::string(dataFine) + ")     N.Estrazioni : " +
         std::to_string(fine - inizio + 1);
}

Dettaglio Mostra_Dettaglio_Estrazione(const Archivio& a, const Segni& segni, int d, Evidenza evidenza) {
  Dettaglio out;
  const int giorno = a.giorno(d);
  for (int w = 1; w <= 10; ++w)
    for (int p = 1; p <= 5; ++p) {
      CellaDettaglio& c = out.cella[(w - 1) * 5 + p];
      const int x = a(d, w, p);
      c.testo = x ? std::to_string(x) : std::string();
      c.sfondo = kBianco;
      c.inchiostro = kNero;
      if (segni(d, w, p)) {
        c.sfondo = evidenza == Evidenza::Giorno ? kRosso : kGiallo;
        if (evidenza == Evidenza::Giorno) c.inchiostro = kGiallo;
      } else if (evidenza == Evidenza::Giorno && x != 0 && x == giorno) {
        c.sfondo = kGiallo;
      }
    }
  out.titolo = "Estr. " + Inizio::Descrivi_Estrazione(a, d);
  return out;
}

}  // namespace Statistiche
