#include "ui/Finestre.h"

#include <QEvent>
#include <QLayout>
#include <QStyle>
#include <QTimer>
#include <QVariant>
#include <cstring>

#include "ui/Colori.h"
#include "ui/NomiAccessibili.h"
#include "ui/Servizi.h"
#include "ui/Sessione.h"

namespace ui {

namespace {

// The refusal of a window given while it was being built, and its icon.
constexpr char kRinuncia[] = "rinuncia";
constexpr char kIconaRinuncia[] = "iconaRinuncia";

// A layout keeps the sizes it was first told, and a widget not shown yet does
// not tell it that it changed: every size in the window is asked afresh.
void Rimisura(QWidget* w) {
  for (QWidget* figlio : w->findChildren<QWidget*>()) figlio->updateGeometry();
  for (QLayout* l : w->findChildren<QLayout*>()) l->invalidate();
  w->updateGeometry();
}

}  // namespace

Finestre::Finestre(QMdiArea* area, QObject* parent) : QObject(parent), mArea(area) {
  NominaCornici();
  connect(mArea, &QMdiArea::subWindowActivated, this, &Finestre::attivata);
}

QMdiSubWindow* Finestre::Cornice(QWidget* w) {
  return w ? qobject_cast<QMdiSubWindow*>(w->parentWidget()) : nullptr;
}

QList<QWidget*> Finestre::aperte() const {
  QList<QWidget*> out;
  for (QMdiSubWindow* s : mArea->subWindowList(QMdiArea::CreationOrder))
    if (s->widget()) out << s->widget();
  return out;
}

QWidget* Finestre::attiva() const {
  QMdiSubWindow* s = mArea->activeSubWindow();
  return s ? s->widget() : nullptr;
}

void Finestre::aggiungi(QWidget* w, bool cascata) {
  if (const QVariant motivo = w->property(kRinuncia); motivo.isValid()) {
    // A window that cannot open goes before anybody sees it, and its box
    // stands over the main window. The caller may still hold the pointer.
    w->deleteLater();
    Msg(mArea->window(), motivo.toString(),
        static_cast<Icona>(w->property(kIconaRinuncia).toInt()));
    return;
  }
  DaiNomi(w);
  QPoint posizione(0, 0);
  if (cascata) {
    const QList<QWidget*> prima = aperte();
    for (auto it = prima.crbegin(); it != prima.crend(); ++it) {
      if (std::strcmp((*it)->metaObject()->className(), w->metaObject()->className()) != 0) continue;
      const int passo = w->style()->pixelMetric(QStyle::PM_TitleBarHeight) + 4;
      posizione = Cornice(*it)->pos() + QPoint(passo, passo);
      if (posizione.x() + passo > mArea->viewport()->width() / 2 ||
          posizione.y() + passo > mArea->viewport()->height() / 2)
        posizione = QPoint(0, 0);
      break;
    }
  }
  QMdiSubWindow* sotto = mArea->addSubWindow(w);
  sotto->setAttribute(Qt::WA_DeleteOnClose);
  sotto->installEventFilter(this);
  const QVariant dimensioni = w->property("dimensioniTwip");
  // Sizes in the fonts and style the window will be shown with.
  sotto->ensurePolished();
  Rimisura(w);
  if (dimensioni.isValid() || w->sizeHint().isValid()) {
    const QSize d = dimensioni.toSize();
    const QSize progetto = dimensioni.isValid() ? QSize(Pixel(d.width()), Pixel(d.height())) : QSize();
    // A host not on screen yet has no room to measure.
    const QSize spazio = mArea->isVisible() ? mArea->viewport()->size() - QSize(posizione.x(), posizione.y())
                                            : QSize();
    sotto->setGeometry(QRect(posizione, Apertura(progetto, sotto->sizeHint(), spazio, sotto->minimumSizeHint())));
  } else {
    sotto->move(posizione);
  }
  connect(sotto, &QObject::destroyed, this, &Finestre::finestreCambiate);
  sotto->show();
  w->show();
  mArea->setActiveSubWindow(sotto);
  // The new window is the active one even where the host is not (yet) the
  // active window of the desktop.
  attivata(sotto);
  emit finestreCambiate();
}

void Finestre::porta(QWidget* w) {
  QMdiSubWindow* sotto = Cornice(w);
  if (!sotto) return;
  if (sotto->isMinimized()) sotto->showNormal();
  sotto->show();
  sotto->raise();
  mArea->setActiveSubWindow(sotto);
}

bool Finestre::chiudiTutteTranne(QWidget* eccetto) {
  // Closing one window may close others (the archive editor closes the
  // windows that read the archive): the snapshot holds guarded pointers.
  QList<QPointer<QWidget>> daChiudere;
  for (QWidget* w : aperte())
    if (w != eccetto) daChiudere << w;
  for (const bool chiede : {true, false})
    for (const QPointer<QWidget>& w : daChiudere) {
      if (!w || w->property("puoRifiutareChiusura").toBool() != chiede) continue;
      QMdiSubWindow* sotto = Cornice(w);
      if (sotto && !sotto->close() && chiede) return false;
    }
  return true;
}

void Finestre::chiudiLettoriArchivio(QWidget* eccetto) {
  for (QWidget* w : aperte()) {
    if (w == eccetto || w->property("indipendenteDallArchivio").toBool()) continue;
    if (QMdiSubWindow* sotto = Cornice(w)) sotto->close();
  }
}

void Finestre::riduciTutte() {
  for (QWidget* w : aperte())
    if (QMdiSubWindow* sotto = Cornice(w)) sotto->showMinimized();
  disponiIcone();
}

void Finestre::disponiIcone() {
  int x = 0;
  const int basso = mArea->viewport()->height();
  for (QMdiSubWindow* s : mArea->subWindowList(QMdiArea::CreationOrder)) {
    if (!s->isMinimized()) continue;
    const QSize d = s->size();
    if (x > 0 && x + d.width() > mArea->viewport()->width()) x = 0;
    s->move(x, basso - d.height());
    x += d.width();
  }
}

void Finestre::ImpostaDimensioni(QWidget* w, int larghezzaTwip, int altezzaTwip) {
  w->setProperty("dimensioniTwip", QSize(larghezzaTwip, altezzaTwip));
}

void Finestre::Adatta(QWidget* w) {
  QMdiSubWindow* sotto = Cornice(w);
  if (!sotto || sotto->isMaximized() || sotto->isMinimized()) return;
  Rimisura(w);
  QSize spazio;
  if (QMdiArea* area = sotto->mdiArea()) spazio = area->viewport()->size() - QSize(sotto->x(), sotto->y());
  const QSize voluta =
      Apertura(sotto->size(), sotto->sizeHint(), spazio, sotto->minimumSizeHint()).expandedTo(sotto->size());
  if (voluta != sotto->size()) sotto->resize(voluta);
  // The controls take their places now, also where the window could not grow.
  for (QLayout* l : w->findChildren<QLayout*>()) l->activate();
}

QSize Finestre::Apertura(QSize progetto, QSize contenuto, QSize spazio, QSize minimo) {
  QSize misura = progetto.isValid() ? progetto : QSize(0, 0);
  if (contenuto.isValid()) misura = misura.expandedTo(contenuto);
  if (spazio.isValid()) misura = misura.boundedTo(spazio);
  return minimo.isValid() ? misura.expandedTo(minimo) : misura.expandedTo(QSize(1, 1));
}

QSize Finestre::SulloSchermo(QSize progetto, QSize disponibile, QMargins cornice) {
  if (!disponibile.isValid()) return progetto;
  return disponibile.shrunkBy(cornice).expandedTo(QSize(1, 1));
}

void Finestre::Rinuncia(QWidget* w, const QString& motivo, Icona icona) {
  if (!Cornice(w)) {
    // Still being built: the registry says it once the window is built
    // (see aggiungi), and never shows the window.
    w->setProperty(kRinuncia, motivo);
    w->setProperty(kIconaRinuncia, static_cast<int>(icona));
    return;
  }
  Msg(w->window(), motivo, icona);
  QTimer::singleShot(0, w, [w] { Chiudi(w); });
}

namespace {

// Waits for the first Show of a window, then lets the event loop finish
// showing it before the box comes.
class AvvisoInAttesa : public QObject {
 public:
  AvvisoInAttesa(QWidget* w, QString testo, Icona icona)
      : QObject(w), mTesto(std::move(testo)), mIcona(icona) {
    w->installEventFilter(this);
  }
  bool eventFilter(QObject* oggetto, QEvent* evento) override {
    if (evento->type() == QEvent::Show) {
      auto* w = static_cast<QWidget*>(oggetto);
      w->removeEventFilter(this);
      QTimer::singleShot(0, w, [w, testo = mTesto, icona = mIcona] { Msg(w, testo, icona); });
      deleteLater();
    }
    return false;
  }

 private:
  QString mTesto;
  Icona mIcona;
};

}  // namespace

void Finestre::Avvisa(QWidget* w, const QString& testo, Icona icona) {
  if (w->isVisible())
    Msg(w, testo, icona);
  else
    new AvvisoInAttesa(w, testo, icona);
}

void Finestre::Chiudi(QWidget* w) {
  if (QMdiSubWindow* sotto = Cornice(w))
    sotto->close();
  else
    w->close();
}

bool Finestre::eventFilter(QObject* oggetto, QEvent* evento) {
  if (evento->type() == QEvent::Close) {
    auto* sotto = qobject_cast<QMdiSubWindow*>(oggetto);
    QWidget* w = sotto ? sotto->widget() : nullptr;
    if (Sessione::Aperte(w)) {
      // A box of the window is open, its handler waiting below it: end the
      // box (and the boxes it opened), and close once the last has ended and
      // the handler has returned to the event loop.
      evento->ignore();
      Sessione::Interrompi(w, [sotto = QPointer<QMdiSubWindow>(sotto)] {
        if (sotto) sotto->close();
      });
      return true;
    }
  }
  return QObject::eventFilter(oggetto, evento);
}

void Finestre::attivata(QMdiSubWindow* sotto) {
  if (!mBarra) return;
  const bool nascondi = sotto && sotto->widget() && sotto->widget()->property("nascondeLimiti").toBool();
  mBarra->setVisible(!nascondi);
}

}  // namespace ui
