#include "boards/cadenze_decine_figure.h"

#include <cstdio>

#include "core/classi.h"
#include "core/file.h"
#include "core/indici.h"
#include "core/nomi.h"
#include "core/testo.h"

using formato::kPosizioni;
using formato::kRuote;

namespace CadenzeDecineFigure {

int Classi(int griglia) { return griglia == PCad || griglia == RCad ? 10 : 9; }

std::string IntestazioneClasse(int griglia, int k) {
  switch (griglia % 3) {
    case PCad:
      return std::to_string(k % 10);
    case PDec:
      return std::to_string(k - 1);
    default:
      return std::to_string(k);
  }
}

std::string IntestazioneRuota(int w) {
  const std::string_view nome = Inizio::NomiRuote[w];
  return {nome[0], static_cast<char>(nome[1] - 'A' + 'a')};
}

std::string NomeClasse(int griglia) {
  static const char* const kNomi[] = {"CADENZE", "DECINE", "FIGURE"};
  return kNomi[griglia % 3];
}

Esito ControllaCiclo(int ciclo, int riferimento, int totEstrazioni) {
  if (ciclo == 0) return Esito::Errore(std::string(kCicloZero));
  if (ciclo < 0 || ciclo > riferimento || riferimento > totEstrazioni)
    return Esito::Errore(std::string(kCicloLungo));
  return Esito::Ok();
}

Evidenziazione ValoriSorte(int sorte) {
  if (sorte <= 1) return {true, 5, false, 10, true, 8};
  if (sorte == 2) return {true, 1, false, 4, true, 10};
  return {false, 1, true, 1, false, 10};
}

Colori Colora_Presenza(int presenze, const Evidenziazione& ev) {
  const bool bassa = ev.CkPreMin && presenze <= ev.TxMinP;
  const bool alta = ev.CkPreMax && presenze >= ev.TxMaxP;
  if (bassa && alta) return {0xFF00, 0};
  if (bassa) return {0xFF, 0xFFFF};
  if (alta) return {0xFF0000, 0xFFFFFF};
  return {0xFFFFFF, 0};
}

Colori Colora_Ritardo(int ritardo, const Evidenziazione& ev) {
  if (ev.CkRitMax && ritardo >= ev.TxMaxR) return {0xFF00FF, 0xFFFFFF};
  return {0xFFFFFF, 0};
}

namespace {

// Class of each number 1..90 in each kind (cadence, decade, figure); 0 for 0.
struct ClassiNumeri {
  std::array<std::array<int, 91>, 3> classe{};
  ClassiNumeri() {
    for (int x = 1; x <= 90; ++x) {
      const int cadenza = Module1::Cadenza(x);
      classe[PCad][x] = cadenza == 0 ? 10 : cadenza;
      classe[PDec][x] = Module1::Decina(x) + 1;
      classe[PFig][x] = Module1::Figura(x);
    }
  }
};

std::string DataBarra(const Archivio& a, int d) { return Inizio::DataBreve(a, d, '/'); }

}  // namespace

Risultato<Calcolo> Calcola_Cadenze_Decine_Figure(const Archivio& copia, int totEstrazioni,
                                                 int riferimento, int ciclo, int sorte,
                                                 const Evidenziazione& ev) {
  if (Esito e = ControllaCiclo(ciclo, riferimento, totEstrazioni); !e) return e;
  static const ClassiNumeri kClassi;
  Calcolo c;
  c.riferimento = riferimento;
  c.ciclo = ciclo;
  c.primaEstrazione = riferimento - ciclo + 1;
  c.dataRiferimento = Inizio::DataBreve(copia, riferimento);
  c.barraStato = {
      "Inizio estr.: N° " + std::to_string(c.primaEstrazione) + " del " +
          DataBarra(copia, c.primaEstrazione),
      "Fine estr.: N° " + std::to_string(riferimento) + " del " + DataBarra(copia, riferimento)};

  // [tipo][w][k]: the presences of class k of each kind on wheel w, and the
  // last draw of the cycle in which it reached the sorte (0 = none).
  std::array<std::array<std::array<int, 11>, 11>, 3> presenze{}, ultima{};
  for (int d = c.primaEstrazione; d <= riferimento; ++d) {
    for (int w = 1; w <= kRuote; ++w) {
      // Numbers of each class in this wheel's draw so far.
      std::array<std::array<int, 11>, 3> conta{};
      for (int p = 1; p <= kPosizioni; ++p) {
        const int x = copia(d, w, p);
        if (x == 0 || x > 90) continue;
        for (int tipo = 0; tipo < 3; ++tipo) {
          const int k = kClassi.classe[tipo][x];
          // Reaching the sorte earns the class one presence in this draw.
          if (++conta[tipo][k] == sorte) {
            ultima[tipo][w][k] = d;
            ++presenze[tipo][w][k];
          }
        }
      }
    }
  }
  // The delay: draws of the cycle after the last one that reached the sorte.
  std::array<std::array<std::array<int, 11>, 11>, 3> ritardi{};
  for (int tipo = 0; tipo < 3; ++tipo)
    for (int w = 1; w <= kRuote; ++w)
      for (int k = 1; k <= 10; ++k)
        ritardi[tipo][w][k] = ultima[tipo][w][k] ? riferimento - ultima[tipo][w][k] : ciclo;
  for (int g = 0; g < kGriglie; ++g) {
    const bool presenza = g < 3;
    const auto& valori = presenza ? presenze[g] : ritardi[g - 3];
    TabellaClassi& t = c.griglie[g];
    for (int w = 1; w <= kRuote; ++w)
      for (int k = 1; k <= Classi(g); ++k) {
        t.valore[w][k] = valori[w][k];
        t.colori[w][k] =
            presenza ? Colora_Presenza(valori[w][k], ev) : Colora_Ritardo(valori[w][k], ev);
      }
  }
  return c;
}

std::vector<std::string> RigheOutput(const Calcolo& c, std::string_view testoCiclo) {
  std::vector<std::string> righe = {
      "", "", "Estrazione n. " + std::to_string(c.riferimento) + " del " + c.dataRiferimento, ""};
  for (int g = 0; g < kGriglie; ++g) {
    righe.push_back(NomeClasse(g) +
                    (g < 3 ? " - Presenze nelle ultime " : " - Ritardi nelle ultime ") +
                    std::string(testoCiclo) + " estrazioni");
    righe.push_back("");
    // Every cell holding a number takes at least two digits, then one blank.
    std::string intestazione = "   ";
    for (int k = 1; k <= Classi(g); ++k) intestazione += "0" + IntestazioneClasse(g, k) + " ";
    righe.push_back(intestazione);
    for (int w = 1; w <= kRuote; ++w) {
      std::string riga = IntestazioneRuota(w) + " ";
      for (int k = 1; k <= Classi(g); ++k) {
        char campo[16];
        std::snprintf(campo, sizeof campo, "%02d ", c.griglie[g].valore[w][k]);
        riga += campo;
      }
      righe.push_back(riga);
    }
    righe.push_back("");
  }
  // The file ends with a further line end after the last block's empty line.
  righe.push_back("");
  return righe;
}

Esito ScriviOutput(const std::filesystem::path& cartellaProgramma,
                   const std::vector<std::string>& righe) {
  return file::ScriviAtomico(cartellaProgramma / "output.txt", testo::CodificaRighe(righe),
                             file::Collegamento::Sostituisci);
}

}  // namespace CadenzeDecineFigure
