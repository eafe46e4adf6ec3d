#include "methods/descrizione.h"

#include <array>

#include "core/nomi.h"
#include "core/testo.h"
#include "methods/pronostico.h"

namespace metodi {
namespace {

constexpr std::string_view kFineRiga = "\r\n";
constexpr std::array<std::string_view, 11> kOrdinali = {"",       "Prima",  "Seconda", "Terza",
                                                        "Quarta", "Quinta", "Sesta",   "Settima",
                                                        "Ottava", "Nona",   "Ultima"};

std::string Anno(const Indici& indici, int voce) {
  return indici.AnniArchivio[static_cast<std::size_t>(voce)].substr(0, 4);
}

void Opzioni_(std::string& s, const Opzioni& o, const Indici& indici) {
  s += "Periodo Test : da ";
  s += Inizio::NomiMesi[static_cast<std::size_t>(o.mese[0] + 1)];
  s += " " + Anno(indici, o.anno[0]);
  if (o.fine == 0) {
    s += " a ";
    s += Inizio::NomiMesi[static_cast<std::size_t>(o.mese[1] + 1)];
    s += " " + Anno(indici, o.anno[1]);
  } else if (o.fine == 1) {
    s += " Fino ad Ultima Estrazione";
  } else {
    s += " per " + std::to_string(o.cicli) + " Cicli";
  }
  s += kFineRiga;
  // Every item is followed by ","; the last character is then dropped (with
  // no wheel, the blank of "Ruote : ").
  std::string ruote = "Ruote : ";
  if (o.ruote[10] == 1) {
    ruote += "Tutte,";
  } else {
    for (std::size_t w = 0; w < 10; ++w)
      if (o.ruote[w] == 1) ruote += std::string(kCodiciRuota[w]) + ",";
  }
  ruote.pop_back();
  s += ruote;
  s += kFineRiga;
  s += "Numero Colpi di Gioco : " + TestoColpi(o.colpi);
  s += kFineRiga;
  if (o.interrompi == 1) s += "Interrompi alla prima Sortita\r\n";
  if (o.positivi == 1) s += "Evidenzia solo Casi Positivi\r\n";
  s += kFineRiga;
}

void Pronostico_(std::string& s, std::string_view riga, int posto, const Regole& r) {
  s += "FORMAZIONE N. " + std::to_string(posto + 1);
  s += kFineRiga;
  const auto p = LeggiPronostico(riga);
  if (!p) {
    s += riga;
    s += kFineRiga;
    return;
  }
  const int ordinale = p->codice == 'P' ? 1 : p->codice == 'U' ? 10 : p->codiceCalcolo;
  s += " Estrazione di calcolo : ";
  s += kOrdinali[static_cast<std::size_t>(ordinale)];
  s += " del Mese";
  s += kFineRiga;
  s += " Gioca per la Sorte di : ";
  for (std::size_t i = 0; i < p->lettere.size(); ++i) {
    if (i > 0) s += ",";
    s += r.nomiSorte[kLettereSorte.find(p->lettere[i])];
  }
  s += kFineRiga;
  for (std::size_t k = 0; k < p->elementi.size(); ++k) {
    s += "  Elemento n. " + std::to_string(k + 1);
    s += kFineRiga;
    const Elemento& e = p->elementi[k];
    for (std::size_t j = 0; j < e.size(); ++j) {
      const Termine& t = e[j];
      s += "   " + std::to_string(t.posizione) + "° Estratto di ";
      s += Inizio::NomiRuote[static_cast<std::size_t>(t.ruota)];
      s += ' ';
      s += t.segno;
      s += " fisso ";
      s += std::to_string(t.fisso);
      if (j + 1 < e.size()) s += " + ";
      s += kFineRiga;
    }
  }
}

}  // namespace

std::string Descrivi(const std::vector<std::string>& righe, const std::vector<int>& posti,
                     std::optional<std::string_view> nome, const Opzioni* opzioni,
                     const Indici& indici, const Regole& r) {
  std::string s = "Metodo <";
  s += nome ? *nome : std::string_view("senza nome");
  s += ">";
  s += kFineRiga;
  s += kFineRiga;
  if (opzioni) Opzioni_(s, *opzioni, indici);
  for (std::size_t i = 0; i < posti.size(); ++i) {
    if (i > 0) s += kFineRiga;
    Pronostico_(s, righe[static_cast<std::size_t>(posti[i])], posti[i], r);
  }
  return s;
}

std::string ErroriOpzioni(int caselleSpuntate, int righe) {
  std::string s;
  if (caselleSpuntate == 0) s += "SELEZIONARE ALMENO UNA RUOTA !\r\n";
  if (righe == 0) s += "NON CI SONO PRONOSTICI !\r\n";
  return s;
}

std::string FileOutput(std::string_view titolo, std::string_view pannello) {
  std::string s(titolo);
  for (char& c : s)
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  s += "\r\n\r\n";
  s += pannello;
  s += kFineRiga;
  return testo::ACp1252(s);
}

std::string TestoColpi(int n) { return testo::Adatta(std::to_string(n), 3); }

}  // namespace metodi
