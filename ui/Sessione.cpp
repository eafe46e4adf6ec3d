#include "ui/Sessione.h"

#include <QDialog>
#include <QMdiSubWindow>
#include <algorithm>
#include <vector>

namespace ui {
namespace {

// The open sessions, in the order they were opened.
std::vector<Sessione*>& Registro() {
  static std::vector<Sessione*> r;
  return r;
}

}  // namespace

Sessione::Sessione(QWidget* origine, QWidget* modale) : mFinestra(FinestraDi(origine)), mModale(modale) {
  Registro().push_back(this);
}

Sessione::~Sessione() { std::erase(Registro(), this); }

QWidget* Sessione::FinestraDi(QWidget* w) {
  for (; w; w = w->parentWidget())
    if (qobject_cast<QMdiSubWindow*>(w->parentWidget())) return w;
  return nullptr;
}

bool Sessione::Aperte(const QWidget* finestra) {
  if (!finestra) return false;
  const auto& r = Registro();
  return std::any_of(r.begin(), r.end(), [finestra](const Sessione* s) { return s->mFinestra == finestra; });
}

void Sessione::Interrompi(const QWidget* finestra) {
  if (!finestra) return;
  // A snapshot: ending a loop can open or close other sessions.
  const std::vector<Sessione*> aperte = Registro();
  for (auto it = aperte.rbegin(); it != aperte.rend(); ++it) {
    Sessione* s = *it;
    if (std::find(Registro().begin(), Registro().end(), s) == Registro().end()) continue;
    if (s->mFinestra != finestra || s->mInterrotta) continue;
    s->mInterrotta = true;
    if (!s->mModale) continue;
    if (auto* d = qobject_cast<QDialog*>(s->mModale.data()))
      d->reject();
    else
      s->mModale->close();
  }
}

}  // namespace ui
