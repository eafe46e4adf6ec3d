#include "app/frmAbout.h"

#include <QCoreApplication>
#include <QEvent>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QUrl>
#include <QVBoxLayout>

#include "app/MDIForm1.h"
#include "core/avvio.h"
#include "ui/Icone.h"
#include "ui/Servizi.h"
#include "ui/Testo.h"

#ifndef TARVOLANE_REVISIONE
#define TARVOLANE_REVISIONE 0
#endif

frmAbout::frmAbout(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("frmAbout"));
  setModal(true);
  // Form_Load: the title follows the executable's name, as at start-up.
  const QString titolo =
      ui::Q(Inizio::TitoloApplicazione(QCoreApplication::applicationFilePath().toStdString()));
  ui::Nomina(this, QStringLiteral("Informazioni su ") + titolo);

  Picture1 = new QLabel;
  Picture1->setPixmap(ui::ImmagineAvvio(titolo).scaledToWidth(210, Qt::SmoothTransformation));
  Frame1 = new QGroupBox;
  Text1 = new QPlainTextEdit;
  Text1->setReadOnly(true);
  Text1->setAccessibleName(QStringLiteral("Informazioni"));
  Text1->setPlainText(QStringLiteral("Per informazioni, aggiornamenti, \nl'archivio aggiornato e le ultime \n"
                                     "Estrazioni del Lotto\nconsulta il sito Internet"));
  Text1->setFixedHeight(Text1->fontMetrics().lineSpacing() * 5 + 8);
  Label1 = new QLabel(QString::fromLatin1(kIndirizzoWeb));
  Label1->setStyleSheet(QStringLiteral("color: #0000C0; text-decoration: underline;"));
  Label1->setCursor(Qt::PointingHandCursor);
  Label1->installEventFilter(this);
  auto* riquadro = new QVBoxLayout(Frame1);
  riquadro->addWidget(Text1);
  riquadro->addWidget(Label1);
  lblVersion = new QLabel(QStringLiteral("Versione 1.0 Revisione ") + QString::number(TARVOLANE_REVISIONE));
  CmdOK = new QPushButton(QStringLiteral("OK"));
  CmdOK->setDefault(true);
  connect(CmdOK, &QPushButton::clicked, this, &frmAbout::CmdOK_Click);

  auto* destra = new QVBoxLayout;
  destra->addWidget(Frame1);
  destra->addWidget(lblVersion);
  destra->addStretch();
  destra->addWidget(CmdOK, 0, Qt::AlignRight);
  auto* riga = new QHBoxLayout(this);
  riga->addWidget(Picture1, 0, Qt::AlignTop);
  riga->addLayout(destra);
}

void frmAbout::CmdOK_Click() { accept(); }

void frmAbout::Label1_Click() { ui::servizi().desktop->apri(QUrl(QString::fromLatin1(kIndirizzoWeb))); }

bool frmAbout::eventFilter(QObject* oggetto, QEvent* evento) {
  if (oggetto == Label1 && evento->type() == QEvent::MouseButtonRelease) Label1_Click();
  return QDialog::eventFilter(oggetto, evento);
}
