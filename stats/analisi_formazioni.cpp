#include "stats/analisi_formazioni.h"

#include "core/nomi.h"
#include "core/testo.h"
#include "stats/tabella_formazioni.h"

namespace AnalisiFormazioni {

namespace {

// A formation as the run uses it: membership of each number 1..90.
using Insieme = std::array<bool, 91>;

// "BARI        12 - 33,3%": the name in 10 characters, the count with
// thousands dots (nothing for 0) and " -" right-aligned in 5, the share of the
// presences with one decimal and "%" right-aligned in 6; wider fields when a
// figure needs more room, never a cut digit.
std::string RigaDistribuzione(std::string_view nome, long long conteggio, long long presenze) {
  const std::string quanti = (conteggio == 0 ? std::string() : testo::Intero(conteggio)) + " -";
  const std::string quota = testo::Rapporto(conteggio * 100, presenze, 1,
                                            testo::Arrotondamento::MetaLontanoDaZero, false) + "%";
  return testo::AdattaAlmeno(nome, 10) + testo::AllineaDestraAlmeno(quanti, 5) +
         testo::AllineaDestraAlmeno(quota, 6);
}

}  // namespace

std::vector<std::string> ControllaFormazioni(const std::vector<std::string>& formazioni, int sorte) {
  std::vector<std::string> errori;
  if (!formazioni.empty() && static_cast<int>(formazioni::DividiNumeri(formazioni.front()).size()) < sorte)
    errori.emplace_back(kInsufficienti);
  for (const std::string& f : formazioni)
    if (!formazioni::ControllaNumeri(f).empty()) errori.push_back("FORMAZIONE NON VALIDA: " + f);
  return errori;
}

Statistiche::Elaborazione Analisi_Formazioni(const Archivio& a, const Opzioni& o, std::string_view titolo) {
  std::vector<Insieme> insiemi;
  for (const std::string& f : o.formazioni) {
    Insieme& s = insiemi.emplace_back();
    for (int n : formazioni::DividiNumeri(f))
      if (n >= 1 && n <= 90) s[n] = true;
  }

  Statistiche::Elaborazione el(o.inizio);
  std::array<long long, 11> perRuota{};
  std::array<long long, 13> perMese{};
  std::array<long long, 6> almeno{};  // [i]: (draw, wheel, formation) with at least i numbers
  for (int d = o.inizio; d <= o.fine; ++d) {
    for (int w = 1; w <= 10; ++w) {
      if (!o.ruote[w]) continue;
      for (const Insieme& s : insiemi) {
        int colpiti = 0;
        for (int p = 1; p <= 5; ++p) {
          const int x = a(d, w, p);
          if (x == 0 || x > 90 || !s[x]) continue;
          ++colpiti;
          el.segni.segna(d, w, p);
        }
        for (int i = 1; i <= colpiti; ++i) ++almeno[i];
        if (colpiti < o.sorte) continue;
        const long long presenze = Statistiche::Combinazioni(colpiti, o.sorte);
        el.corsa.Aggiungi(d, w, presenze);
        perRuota[w] += presenze;
        perMese[a.mese(d) % 13] += presenze;
      }
    }
  }
  const Statistiche::Corsa& c = el.corsa;
  if (c.eventi().empty()) return el;

  const std::string_view sorte = kNomiSorte[o.sorte - 1];
  auto& r = el.rapporto;
  r.emplace_back(titolo);
  r.emplace_back("Analisi Formazioni Numeriche");
  r.emplace_back();
  Statistiche::AggiungiEstremi(r, a, o.inizio, o.fine);
  r.emplace_back();
  r.push_back(std::string("Combinazion") + (o.formazioni.size() > 1 ? "i" : "e") + "..:");
  r.insert(r.end(), o.formazioni.begin(), o.formazioni.end());
  r.emplace_back();
  r.push_back("Ruote..: " + Statistiche::SigleRuote(o.ruote));
  r.emplace_back();
  r.push_back("Sorte..: " + std::string(sorte));
  r.emplace_back();
  Statistiche::AggiungiRitardi(r, a, c, o.fine, true);
  r.emplace_back();
  const std::string riga(30, '-');
  if (o.caselle >= 2) {
    r.emplace_back("Distribuzione x Ruota");
    r.push_back(riga);
    for (int w = 1; w <= 10; ++w)
      if (o.ruote[w]) r.push_back(RigaDistribuzione(Inizio::NomiRuote[w], perRuota[w], c.presenze()));
    r.emplace_back();
  }
  r.emplace_back("Distribuzione x Mesi");
  r.push_back(riga);
  for (int m = 1; m <= 12; ++m)
    if (perMese[m] != 0) r.push_back(RigaDistribuzione(Inizio::NomiMesi[m], perMese[m], c.presenze()));
  r.emplace_back();
  r.emplace_back("Estrazioni con almeno..:");
  for (int i = 1; i <= 5; ++i) {
    const std::string_view nome = kNomiSorte[i - 1];
    r.push_back("1 " + std::string(nome) + std::string(9 - nome.size(), '.') + ".: " +
                testo::AllineaDestraAlmeno(almeno[i] == 0 ? std::string() : std::to_string(almeno[i]), 4));
  }
  return el;
}

}  // namespace AnalisiFormazioni
