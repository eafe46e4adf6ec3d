#include "archive/CreaArchivi.h"

#include <QCoreApplication>
#include <QLabel>
#include <QVBoxLayout>

#include "core/rsc.h"
#include "ui/Clessidra.h"
#include "ui/Testo.h"

CreaArchivi::CreaArchivi(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("CreaArchivi"));
  ui::Nomina(this, QStringLiteral("RSC"));
  setWindowModality(Qt::ApplicationModal);
  setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
  Label1 = new QLabel(QStringLiteral("RSC"));
  QFont grande = Label1->font();
  grande.setPointSize(grande.pointSize() + 8);
  grande.setBold(true);
  Label1->setFont(grande);
  Label1->setAlignment(Qt::AlignCenter);
  Label9 = new QLabel(QStringLiteral("AGGIORNAMENTO ARCHIVI IN CORSO"));
  Label9->setAlignment(Qt::AlignCenter);
  Label9->setMinimumWidth(320);
  auto* colonna = new QVBoxLayout(this);
  colonna->addWidget(Label1);
  colonna->addWidget(Label9);
}

Esito CreaArchivi::Crea_Archivio(const Stato& s, int Indice_estratto) {
  ui::Clessidra clessidra;
  Label9->setText(QStringLiteral("     Creazione Archivio %1 in corso...  ").arg(Indice_estratto));
  Label9->repaint();
  const Archivio tabella = Rsc::Crea_Archivio(s.ArchivioEstrazioni, Indice_estratto);
  return Rsc::Scrivi(s.CartellaDati, Indice_estratto, tabella);
}

Esito CreaArchivi::Esegui(QWidget* padre, const Stato& s) {
  CreaArchivi finestra(padre);
  finestra.show();
  // Paint the window once; the user cannot act on it meanwhile.
  QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
  for (int k = 1; k <= 5; ++k) {
    Esito e = finestra.Crea_Archivio(s, k);
    if (!e) return e;
  }
  finestra.close();
  return Esito::Ok();
}
