#include "archive/analisi_estrazione.h"

#include <array>

#include "archive/testi_estrazione.h"
#include "core/classi.h"

using namespace formato;

namespace Estrazioni {

namespace {

constexpr int kFinestraRitardatario = 250;

// Adds W and the name of the group for counts of exactly 3, 4 or 5.
void AggiungiGruppo(std::vector<std::string>& righe, int w, int conteggio, const char* classe,
                    int valore) {
  static constexpr const char* kGruppi[] = {" terno di ", " quaterna di ", " cinquina di "};
  if (conteggio < 3 || conteggio > 5) return;
  righe.push_back(std::string(NomiRuote8[w]) + kGruppi[conteggio - 3] + classe + " " +
                  std::to_string(valore));
}

void EventiRuota(const Archivio& a, int s, int w, std::vector<std::string>& righe) {
  std::array<int, 10> cadenze{};
  std::array<int, 10> figure{};
  std::array<int, 9> decine{};
  int gemelli = 0;
  for (int p = 1; p <= kPosizioni; ++p) {
    const int n = a(s, w, p);
    if (n < 1 || n > 90) continue;
    ++cadenze[Module1::Cadenza(n)];
    ++figure[Module1::Figura(n)];
    ++decine[Module1::Decina(n)];
    if (Module1::Gemello(n)) ++gemelli;
  }
  for (int c = 0; c <= 9; ++c) AggiungiGruppo(righe, w, cadenze[c], "cadenza", c);
  for (int f = 1; f <= 9; ++f) AggiungiGruppo(righe, w, figure[f], "figura", f);
  for (int d = 0; d <= 8; ++d) AggiungiGruppo(righe, w, decine[d], "decina", d);
  static constexpr const char* kGemelli[] = {" ambo di gemelli ", " terno di gemelli ",
                                             " quaterna di gemelli ", " cinquina di gemelli "};
  if (gemelli >= 2) righe.push_back(std::string(NomiRuote8[w]) + kGemelli[gemelli - 2]);
}

}  // namespace

std::vector<int> Ritardatari(const Archivio& a, int s) {
  std::vector<int> ritardatario(kRuote + 1, 0);
  if (s <= kFinestraRitardatario) return ritardatario;
  std::array<std::array<bool, 91>, kRuote + 1> visto{};
  std::array<int, kRuote + 1> contati{};
  for (int d = s - 1; d >= s - kFinestraRitardatario; --d)
    for (int w = 1; w <= kRuote; ++w)
      for (int p = 1; p <= kPosizioni; ++p) {
        const int n = a(d, w, p);
        if (n < 1 || n > 90 || visto[w][n]) continue;
        visto[w][n] = true;
        if (++contati[w] == 90) ritardatario[w] = n;
      }
  return ritardatario;
}

std::vector<std::string> AnalisiEstrazione(const Archivio& a, int s) {
  std::vector<std::string> righe;
  righe.push_back(std::string(18, ' ') + "R I P E T I Z I O N I:");
  if (s > 1) {
    for (int w = 1; w <= kRuote; ++w)
      for (int p = 1; p <= kPosizioni; ++p)
        for (int q = 1; q <= kPosizioni; ++q) {
          const int n = a(s, w, p);
          if (n != 0 && n == a(s - 1, w, q))
            righe.push_back(std::string(NomiRuote8[w]) + " " + DueCifre(n) +
                            " precedentemente sortito in " + std::to_string(q) + "^ posizione");
        }
  }
  righe.emplace_back();
  righe.push_back(std::string(10, ' ') + "E V E N T I    P A R T I C O L A R I:");
  for (int w = 1; w <= kRuote; ++w) EventiRuota(a, s, w, righe);

  const std::vector<int> ritardatario = Ritardatari(a, s);
  for (int w = 1; w <= kRuote; ++w)
    for (int p = 1; p <= kPosizioni; ++p)
      if (ritardatario[w] != 0 && a(s, w, p) == ritardatario[w])
        righe.push_back(std::string(NomiRuote8[w]) + " sortito il ritardatario " +
                        std::to_string(ritardatario[w]));
  return righe;
}

}  // namespace Estrazioni
