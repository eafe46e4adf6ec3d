// MetodiS: the method tester of the SuperEnalotto drawn from each Lotto
// draw. It is the method tester built with the SuperEnalotto rules: points
// "Tre" to "Sei" instead of sortes, the wheels hidden (BARI ticked, each
// cycle played once), 5 colpi, its own folder setting, neither the number
// picker nor the line corrector, and "Modifica", which loads an Elemento's
// terms back into the Calcolo list.
#pragma once

#include "methods/Metodi.h"

class MetodiS : public Metodi {
  Q_OBJECT

 public:
  explicit MetodiS(const ui::Contesto& contesto, QWidget* parent = nullptr);
};
