#include "ui/BarraValore.h"

#include <QEvent>
#include <QKeyEvent>
#include <QPainter>
#include <QPen>
#include <QScrollBar>

namespace ui {

namespace {

// Left and Right for a horizontal bar: Qt inverts them on every scroll bar,
// so that Right would lower the value. And the focus shows: the style draws
// no visible focus frame on a scroll bar.
class FrecceNelVerso : public QObject {
 public:
  using QObject::QObject;

  bool eventFilter(QObject* oggetto, QEvent* evento) override {
    auto* barra = static_cast<QScrollBar*>(oggetto);
    if (evento->type() == QEvent::FocusIn || evento->type() == QEvent::FocusOut) barra->update();
    if (evento->type() == QEvent::Paint && barra->hasFocus()) {
      static_cast<QObject*>(barra)->event(evento);  // the bar as the style draws it
      QPainter pittore(barra);
      pittore.setPen(QPen(barra->palette().color(QPalette::Highlight), 2));
      pittore.drawRect(barra->rect().adjusted(1, 1, -1, -1));
      return true;
    }
    if (evento->type() != QEvent::KeyPress) return false;
    const auto* tasto = static_cast<QKeyEvent*>(evento);
    if (barra->orientation() != Qt::Horizontal ||
        (tasto->key() != Qt::Key_Left && tasto->key() != Qt::Key_Right) ||
        (tasto->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)))
      return false;
    const bool avanti = (tasto->key() == Qt::Key_Right) != barra->isRightToLeft();
    barra->triggerAction(avanti ? QAbstractSlider::SliderSingleStepAdd
                                : QAbstractSlider::SliderSingleStepSub);
    return true;
  }
};

}  // namespace

void BarraValore(QScrollBar* barra) {
  barra->setFocusPolicy(Qt::StrongFocus);
  barra->installEventFilter(new FrecceNelVerso(barra));
}

}  // namespace ui
