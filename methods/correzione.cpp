#include "methods/correzione.h"

#include "core/testo.h"
#include "methods/pronostico.h"

namespace metodi {
namespace {

constexpr std::string_view kGrado = "°";

// The lowering of a sorte: its letter, the row whose wheel list is read (from
// 1), the message and the letter it becomes.
struct Discesa {
  char lettera;
  int riga;
  std::string_view messaggio;
  char nuova;
};
constexpr std::array<Discesa, 4> kDiscese = {{
    {'A', 2, "Selezionata sorte di Ambo con un solo numero! Corretto automaticamente ad AMBATA",
     'M'},
    {'T', 3, "Selezionata sorte di Terno con un solo numero! Corretto automaticamente ad AMBO",
     'A'},
    {'Q', 4,
     "Selezionata sorte di Quaterna con un solo numero! Corretto automaticamente a TERNO", 'T'},
    {'C', 5,
     "Selezionata sorte di Cinquina con un solo numero! Corretto automaticamente a QUATERNA",
     'Q'},
}};

}  // namespace

int RigaCorrezione::Scelti() const {
  return !estratto.empty() + !ruota.empty() + !segno.empty() + !fisso.empty();
}

Risultato<Correzione> LeggiCorrezione(std::string_view riga) {
  const auto p = LeggiPronostico(riga);
  if (!p) return Risultato<Correzione>::Errore(p.motivo());
  std::size_t termini = 0;
  for (const Elemento& e : p->elementi) termini += e.size();
  if (termini > static_cast<std::size_t>(kRigheCorrezione))
    return Risultato<Correzione>::Errore("la riga ha " + std::to_string(termini) +
                                         " termini, il correttore ne mostra al massimo " +
                                         std::to_string(kRigheCorrezione));
  Correzione c;
  c.sorte = p->lettere;
  c.codice = std::string(1, p->codice) + "M";
  // The grammar holds: the Elementi follow "M  " after the code, the terms
  // are "p°WW±n" joined by "," and " & ".
  std::string_view resto = riga.substr(p->lettere.size() + 2 + 1 + 3);
  std::size_t k = 0;
  bool inizioElemento = true;
  while (!resto.empty()) {
    const std::size_t fine = resto.find_first_of(", ");
    std::string_view t = resto.substr(0, fine);
    RigaCorrezione& r = c.righe[k++];
    r.estratto = std::string(t.substr(0, 1)) + std::string(kGrado);
    t.remove_prefix(1 + kGrado.size());
    r.ruota = std::string(t.substr(0, 2));
    r.segno = std::string(t.substr(2, 1));
    const std::string_view fisso = t.substr(3);
    r.fisso = fisso.size() == 1 ? " " + std::string(fisso) : std::string(fisso);
    r.unita = !inizioElemento;
    if (fine == std::string_view::npos) break;
    inizioElemento = resto[fine] == ' ';
    resto.remove_prefix(fine + (inizioElemento ? 3 : 1));
  }
  return c;
}

Risultato<RigaCorretta> ScriviCorrezione(const Correzione& c) {
  std::string testo;
  for (std::size_t k = 0; k < c.righe.size(); ++k) {
    const RigaCorrezione& r = c.righe[k];
    const int scelti = r.Scelti();
    if (scelti == 0) continue;
    if (scelti != 4)
      return Risultato<RigaCorretta>::Errore("Riga n°" + std::to_string(k + 1) + " incompleta");
    if (!testo.empty()) testo += r.unita ? "," : " & ";
    testo += r.estratto + r.ruota + r.segno + std::string(SenzaSpazi(r.fisso));
  }
  if (testo.empty())
    return Risultato<RigaCorretta>::Errore(
        "Nessun elemento da correggere: compilare almeno una riga");
  // Four passes, each testing the letters in turn: a one-letter sorte goes
  // down while the wheel list of the row it needs is empty (the rows as
  // shown, not the Elementi they make up).
  RigaCorretta out;
  std::string sorte = c.sorte;
  for (int passo = 0; passo < 4; ++passo)
    for (const Discesa& x : kDiscese)
      if (sorte.size() == 1 && sorte[0] == x.lettera &&
          c.righe[static_cast<std::size_t>(x.riga - 1)].ruota.empty()) {
        out.avvisi.emplace_back(x.messaggio);
        sorte = std::string(1, x.nuova);
      }
  out.riga = sorte + "  " + c.codice + "  " + testo;
  return out;
}

std::string ScriviRiporto(std::string_view riga) {
  return testo::CodificaRighe({std::string(riga)});
}

std::string LeggiRiporto(std::string_view bytes) {
  const std::vector<std::string> righe = testo::DecodificaRighe(bytes);
  return righe.empty() ? std::string() : righe.front();
}

}  // namespace metodi
