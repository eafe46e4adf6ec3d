// Window-test helper of the statistics windows: a program on the given draws
// with its main window, the window W opened by a menu handler, and readers of
// the frame's event list and detail panel.
#pragma once

#include <QLabel>
#include <QStringList>

#include "stats/TelaioStatistiche.h"
#include "support/programma_di_prova.h"

namespace prova {

template <class W>
struct FinestraStatistica {
  FinestraStatistica(const std::vector<Estrazione>& estrazioni, void (MDIForm1::*apri)())
      : p(estrazioni), m(p.principale()) {
    (m.*apri)();
    s = qobject_cast<W*>(m.finestre().attiva());
  }
  QStringList lista() const {
    QStringList out;
    for (int i = 0; i < s->ListRitCount(); ++i) out << s->ListRitTesto(i);
    return out;
  }
  // The background and text colours of detail label NUM(i).
  QColor sfondo(int i) const { return s->NUM[i]->palette().color(QPalette::Window); }
  QColor testo(int i) const { return s->NUM[i]->palette().color(QPalette::WindowText); }
  QStringList messaggi() const { return p.servizi.dialoghi.testi(); }

  ProgrammaDiProva p;
  MDIForm1& m;
  W* s = nullptr;
};

}  // namespace prova
