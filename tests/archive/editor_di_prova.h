// Window-test helpers of the archive editor: the main window with the
// editor open on ten draws, the colour of a refused box, a double click as
// the window system sends it.
#pragma once

#include <QLineEdit>
#include <QTest>

#include "archive/Extrazioni.h"
#include "support/leggi_file.h"
#include "support/programma_di_prova.h"
#include "ui/Colori.h"
#include "ui/Griglia.h"

namespace prova::editor {

// Ten draws: 1998 (3), 1999 (4), 2000 (3); the last one written by hand.
inline std::vector<Estrazione> DieciEstrazioni() {
  std::vector<Estrazione> e = prova::DieciEstrazioni();
  e[9] = prova::Fai({15, 1, 2000}, {{10, 20, 45, 60, 70}, {1, 2, 3, 4, 5}, {10, 33, 7, 8, 9}, {11, 12, 13, 14, 15},
                                    {33, 10, 16, 17, 18}, {21, 22, 23, 24, 25}, {26, 27, 28, 29, 30},
                                    {31, 32, 34, 35, 36}, {37, 38, 39, 40, 41}, {42, 43, 44, 46, 47}});
  return e;
}


// The main window with the editor open on the given draws.
struct Editor {
  explicit Editor(const std::vector<Estrazione>& estrazioni = DieciEstrazioni())
      : p(estrazioni), m(p.principale()), e(Apri(m)) {}
  static Extrazioni& Apri(MDIForm1& m) {
    m.MnuEstGest_Click();
    return *m.finestre().trova<Extrazioni>();
  }
  ui::DialoghiDiProva& dlg() { return p.servizi.dialoghi; }
  QString ultimo() const { return p.servizi.dialoghi.messaggi.empty() ? QString() : p.servizi.dialoghi.messaggi.back().testo; }
  std::filesystem::path file(const char* nome) const { return p.cartella.percorso() / nome; }
  std::vector<std::uint8_t> disco() const { return prova::Binario(file("archivio.dat")); }
  static std::vector<std::uint8_t> Byte(const Archivio& a) { return {a.bytes().begin(), a.bytes().end()}; }
  void scrivi(const Estrazione& x, Data d) {
    e.Giorni->setDate(QDate(d.anno, d.mese, d.giorno));
    for (int i = 1; i <= 50; ++i) e.Est[i]->setText(QString::number(x.numeri[(i - 1) / 5][(i - 1) % 5]));
  }
  QStringList riga(int r) const {
    QStringList out;
    for (int c = 0; c <= 5; ++c) out << e.GridEst->textMatrix(r, c);
    return out;
  }

  prova::ProgrammaDiProva p;
  MDIForm1& m;
  Extrazioni& e;
};

inline bool Rossa(const QLineEdit* box) {
  return box->palette().color(QPalette::Base) == ui::Colore(0xFF) &&
         box->palette().color(QPalette::Text) == ui::Colore(0xFFFF);
}

// As the window system sends it: a click, then the double click.
inline void DoppioClick(ui::Griglia* g, int r, int c) {
  const QPoint punto = g->cellRect(r, c).center();
  QTest::mouseClick(g->viewport(), Qt::LeftButton, {}, punto);
  QTest::mouseDClick(g->viewport(), Qt::LeftButton, {}, punto);
}

}  // namespace prova::editor
