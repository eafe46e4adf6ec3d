#include "ui/BarraValore.h"

#include <QEvent>
#include <QKeyEvent>
#include <QScrollBar>

namespace ui {

namespace {

// Left and Right for a horizontal bar: Qt inverts them on every scroll bar,
// so that Right would lower the value.
class FrecceNelVerso : public QObject {
 public:
  using QObject::QObject;

  bool eventFilter(QObject* oggetto, QEvent* evento) override {
    if (evento->type() != QEvent::KeyPress) return false;
    auto* barra = static_cast<QScrollBar*>(oggetto);
    const auto* tasto = static_cast<QKeyEvent*>(evento);
    if (barra->orientation() != Qt::Horizontal ||
        (tasto->key() != Qt::Key_Left && tasto->key() != Qt::Key_Right) ||
        (tasto->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)))
      return false;
    const bool avanti = (tasto->key() == Qt::Key_Right) != barra->isRightToLeft();
    barra->triggerAction(avanti ? QAbstractSlider::SliderSingleStepAdd : QAbstractSlider::SliderSingleStepSub);
    return true;
  }
};

}  // namespace

void BarraValore(QScrollBar* barra) {
  barra->setFocusPolicy(Qt::StrongFocus);
  barra->installEventFilter(new FrecceNelVerso(barra));
}

}  // namespace ui
