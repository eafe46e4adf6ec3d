#include "ui/Sessione.h"

#include <QApplication>
#include <QDialog>
#include <QMdiSubWindow>
#include <algorithm>
#include <utility>
#include <vector>

namespace ui {
namespace {

// The open sessions, in the order they were opened.
std::vector<Sessione*>& Registro() {
  static std::vector<Sessione*> r;
  return r;
}

// What runs once a window's last session has ended.
struct Seguito {
  QPointer<QWidget> finestra;
  std::function<void()> poi;
};

std::vector<Seguito>& Seguiti() {
  static std::vector<Seguito> s;
  return s;
}

// The visible modal windows and popups that `w` opened inside itself (its
// children's and theirs too), the innermost first: each lies deeper in the
// tree of parents than the window that opened it.
std::vector<QPointer<QWidget>> Interne(const QWidget* w) {
  std::vector<std::pair<int, QWidget*>> trovate;
  for (QWidget* t : QApplication::topLevelWidgets()) {
    if (t == w || !t->isVisible() || (!t->isModal() && t->windowType() != Qt::Popup)) continue;
    int profondita = 1;
    for (const QWidget* p = t->parentWidget(); p; p = p->parentWidget(), ++profondita)
      if (p == w) {
        trovate.emplace_back(profondita, t);
        break;
      }
  }
  std::stable_sort(trovate.begin(), trovate.end(),
                   [](const auto& a, const auto& b) { return a.first > b.first; });
  std::vector<QPointer<QWidget>> out;
  for (const auto& [profondita, t] : trovate) out.emplace_back(t);
  return out;
}

void Termina(QWidget* w) {
  if (auto* d = qobject_cast<QDialog*>(w))
    d->reject();
  else
    w->close();
}

}  // namespace

Sessione::Sessione(QWidget* origine, QWidget* modale)
    : mFinestra(FinestraDi(origine)), mModale(modale) {
  Registro().push_back(this);
}

Sessione::~Sessione() {
  std::erase(Registro(), this);
  std::erase_if(Seguiti(), [](const Seguito& s) { return !s.finestra; });
  if (!mFinestra || Aperte(mFinestra)) return;
  const auto it = std::find_if(Seguiti().begin(), Seguiti().end(),
                               [this](const Seguito& s) { return s.finestra == mFinestra; });
  if (it == Seguiti().end()) return;
  // The handler that opened the session is still on the stack: the window
  // acts once it has returned.
  QMetaObject::invokeMethod(mFinestra.data(), std::move(it->poi), Qt::QueuedConnection);
  Seguiti().erase(it);
}

QWidget* Sessione::FinestraDi(QWidget* w) {
  for (; w; w = w->parentWidget())
    if (qobject_cast<QMdiSubWindow*>(w->parentWidget())) return w;
  return nullptr;
}

bool Sessione::Aperte(const QWidget* finestra) {
  if (!finestra) return false;
  const auto& r = Registro();
  return std::any_of(r.begin(), r.end(),
                     [finestra](const Sessione* s) { return s->mFinestra == finestra; });
}

void Sessione::Interrompi(QWidget* finestra, std::function<void()> poi) {
  if (!finestra) return;
  if (poi) {
    std::erase_if(Seguiti(),
                  [finestra](const Seguito& s) { return !s.finestra || s.finestra == finestra; });
    if (Aperte(finestra))
      Seguiti().push_back({finestra, std::move(poi)});
    else
      QMetaObject::invokeMethod(finestra, std::move(poi), Qt::QueuedConnection);
  }
  // A snapshot: ending a loop can open or close other sessions.
  const std::vector<Sessione*> aperte = Registro();
  for (auto it = aperte.rbegin(); it != aperte.rend(); ++it) {
    Sessione* s = *it;
    if (std::find(Registro().begin(), Registro().end(), s) == Registro().end()) continue;
    if (s->mFinestra != finestra || s->mInterrotta) continue;
    s->mInterrotta = true;
    if (!s->mModale) continue;
    for (const QPointer<QWidget>& interna : Interne(s->mModale))
      if (interna) Termina(interna);
    if (s->mModale) Termina(s->mModale);
  }
}

}  // namespace ui
