// CreaArchivi: the progress window of the full build of the five distance
// archives. It shows the table being built, writes Rsc1.dat..Rsc5.dat and
// closes itself.
#pragma once

#include <QDialog>

#include "core/esito.h"
#include "core/stato.h"

class QLabel;

class CreaArchivi : public QDialog {
  Q_OBJECT

 public:
  explicit CreaArchivi(QWidget* parent = nullptr);

  // Builds table k from the whole archive and writes its file; the label
  // shows "     Creazione Archivio k in corso...  " meanwhile.
  Esito Crea_Archivio(const Stato& s, int Indice_estratto);

  // Shows the window, builds the five tables in order and closes it; stops
  // at the first file that cannot be written and returns its reason.
  static Esito Esegui(QWidget* padre, const Stato& s);

  QLabel* Label1 = nullptr;
  QLabel* Label9 = nullptr;
};
