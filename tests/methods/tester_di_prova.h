// Window-test helpers of the method testers: the program on generated draws
// with a tester opened from its menu, and composing a line through the
// tester's controls.
#pragma once

#include <QCheckBox>
#include <QComboBox>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <tuple>

#include "core/file.h"
#include "methods/Metodi.h"
#include "support/leggi_file.h"
#include "support/programma_di_prova.h"
#include "ui/Testo.h"

namespace prova {

// The program on 300 weekly generated draws (January 1997 to October 2002)
// and the tester W, opened from the menu item of `apri`.
template <class W>
struct TesterAperto {
  explicit TesterAperto(void (MDIForm1::*apri)()) : p(prova::Sintetiche(300)) {
    (p.principale().*apri)();
    m = p.principale().finestre().template trova<W>();
  }
  QStringList Messaggi() const { return p.servizi.dialoghi.testi(); }
  QStringList Righe(const QListWidget* l) const {
    QStringList out;
    for (int r = 0; r < l->count(); ++r) out << l->item(r)->text();
    return out;
  }
  std::string Percorso(const char* nome) const { return (p.cartella.percorso() / nome).string(); }
  // Answers the next file dialog with a file of the data folder.
  void Scegli(const char* nome) { p.servizi.dialoghi.file.push_back(ui::Q(Percorso(nome))); }
  void Scrivi(const char* nome, std::string_view bytes) const {
    ASSERT_TRUE(file::ScriviAtomico(Percorso(nome), bytes));
  }
  std::string Leggi(const char* nome) const {
    const auto t = prova::LeggiTesto(Percorso(nome));
    return t ? *t : std::string("<assente>");
  }

  prova::ProgrammaDiProva p;
  W* m = nullptr;
};

// Composes an Elemento through the controls: each term (position 1..5,
// wheel code, fixed number, "Somma"/"Sottrai") becomes a Calcolo line.
using Termini = std::vector<std::tuple<int, const char*, int, int>>;
inline void ComponiElemento(Metodi& m, const Termini& termini) {
  for (const auto& [posizione, ruota, fisso, operatore] : termini) {
    m.CmbEstratto->setCurrentIndex(posizione - 1);
    m.CMbRuotaCalcolo->setCurrentText(QString::fromLatin1(ruota));
    m.CmbFissi->setCurrentIndex(fisso);
    m.OptOperatore[operatore]->click();
    m.CmdAggiungi->click();
  }
  m.CmdPronostico->click();
}

// Composes a line: the Elementi, then the ticked sortes and the code entry
// a Pronostico.
inline void Componi(Metodi& m, const std::vector<Termini>& elementi,
                    std::initializer_list<int> sorti, int voceCodice) {
  for (const auto& termini : elementi) ComponiElemento(m, termini);
  for (int k : sorti) m.OptSorte[k]->click();
  m.CmbEst->setCurrentIndex(voceCodice);
  m.CmdNum[4]->click();
}

}  // namespace prova
