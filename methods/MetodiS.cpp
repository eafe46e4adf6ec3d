#include "methods/MetodiS.h"

#include <QPushButton>

MetodiS::MetodiS(const ui::Contesto& contesto, QWidget* parent)
    : Metodi(contesto, metodi::SuperEnalotto(), parent) {
  setObjectName(QStringLiteral("MetodiS"));
  tastogriglia->setVisible(false);
  CmdNum[13]->setVisible(false);
}
