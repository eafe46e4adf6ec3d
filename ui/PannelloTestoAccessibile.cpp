#include "ui/PannelloTestoAccessibile.h"

#include "ui/PannelloTesto.h"

namespace ui {

namespace {

using Posizione = PannelloTesto::Posizione;

// A piece of the text on which Qt's default boundary rules run: they read
// only text() and characterCount().
class Brano : public QAccessibleTextInterface {
 public:
  explicit Brano(QString testo) : mTesto(std::move(testo)) {}
  QString text(int inizio, int fine) const override { return mTesto.mid(inizio, fine - inizio); }
  int characterCount() const override { return static_cast<int>(mTesto.size()); }
  void selection(int, int* inizio, int* fine) const override { *inizio = *fine = 0; }
  int selectionCount() const override { return 0; }
  void addSelection(int, int) override {}
  void removeSelection(int) override {}
  void setSelection(int, int, int) override {}
  int cursorPosition() const override { return 0; }
  void setCursorPosition(int) override {}
  QRect characterRect(int) const override { return QRect(); }
  int offsetAtPoint(const QPoint&) const override { return -1; }
  void scrollToSubstring(int, int) override {}
  QString attributes(int, int* inizio, int* fine) const override {
    *inizio = *fine = 0;
    return QString();
  }

 private:
  QString mTesto;
};

}  // namespace

PannelloTestoAccessibile::PannelloTestoAccessibile(PannelloTesto* pannello)
    : QAccessibleWidget(pannello, QAccessible::EditableText) {}

QAccessibleInterface* PannelloTestoAccessibile::Fabbrica(const QString& classe, QObject* oggetto) {
  if (classe == QLatin1String("ui::PannelloTesto") && oggetto && oggetto->isWidgetType())
    return new PannelloTestoAccessibile(static_cast<PannelloTesto*>(oggetto));
  return nullptr;
}

PannelloTesto* PannelloTestoAccessibile::pannello() const {
  return static_cast<PannelloTesto*>(widget());
}

QAccessible::State PannelloTestoAccessibile::state() const {
  QAccessible::State s = QAccessibleWidget::state();
  s.readOnly = true;
  s.editable = false;
  s.multiLine = true;
  s.selectableText = true;
  return s;
}

QString PannelloTestoAccessibile::text(QAccessible::Text t) const {
  if (t == QAccessible::Value) return pannello()->testo();
  return QAccessibleWidget::text(t);
}

void* PannelloTestoAccessibile::interface_cast(QAccessible::InterfaceType tipo) {
  if (tipo == QAccessible::TextInterface) return static_cast<QAccessibleTextInterface*>(this);
  return QAccessibleWidget::interface_cast(tipo);
}

void PannelloTestoAccessibile::selection(int indice, int* inizio, int* fine) const {
  *inizio = *fine = 0;
  const PannelloTesto* p = pannello();
  if (indice != 0 || !p->haSelezione()) return;
  const Posizione da = std::min(p->ancora(), p->cursore());
  const Posizione a = std::max(p->ancora(), p->cursore());
  *inizio = static_cast<int>(p->offset(da));
  *fine = static_cast<int>(p->offset(a));
}

int PannelloTestoAccessibile::selectionCount() const { return pannello()->haSelezione() ? 1 : 0; }

void PannelloTestoAccessibile::addSelection(int inizio, int fine) { setSelection(0, inizio, fine); }

void PannelloTestoAccessibile::removeSelection(int indice) {
  if (indice == 0) pannello()->setCursore(pannello()->cursore());
}

void PannelloTestoAccessibile::setSelection(int indice, int inizio, int fine) {
  if (indice == 0)
    pannello()->seleziona(pannello()->posizione(inizio), pannello()->posizione(fine));
}

int PannelloTestoAccessibile::cursorPosition() const {
  return static_cast<int>(pannello()->offset(pannello()->cursore()));
}

void PannelloTestoAccessibile::setCursorPosition(int posizione) {
  pannello()->setCursore(pannello()->posizione(posizione));
}

QString PannelloTestoAccessibile::text(int inizio, int fine) const {
  if (fine <= inizio) return QString();
  return pannello()->testoTra(pannello()->posizione(inizio), pannello()->posizione(fine));
}

int PannelloTestoAccessibile::characterCount() const {
  return static_cast<int>(pannello()->caratteri());
}

QRect PannelloTestoAccessibile::characterRect(int offset) const {
  const PannelloTesto* p = pannello();
  const QRect r = p->rettangolo(p->posizione(offset));
  return QRect(p->viewport()->mapToGlobal(r.topLeft()), r.size());
}

int PannelloTestoAccessibile::offsetAtPoint(const QPoint& punto) const {
  const PannelloTesto* p = pannello();
  const QPoint locale = p->viewport()->mapFromGlobal(punto);
  if (!p->viewport()->rect().contains(locale)) return -1;
  return static_cast<int>(p->offset(p->posizioneIn(locale)));
}

void PannelloTestoAccessibile::scrollToSubstring(int inizio, int fine) {
  pannello()->mostra(pannello()->posizione(fine));
  pannello()->mostra(pannello()->posizione(inizio));
}

QString PannelloTestoAccessibile::attributes(int, int* inizio, int* fine) const {
  // One run without attributes over the whole text.
  *inizio = 0;
  *fine = characterCount();
  return QString();
}

QString PannelloTestoAccessibile::vicino(int verso, int offset, QAccessible::TextBoundaryType tipo,
                                         int* inizio, int* fine) const {
  *inizio = *fine = -1;
  const PannelloTesto* p = pannello();
  if (tipo == QAccessible::NoBoundary) {
    if (verso != 0) return QString();
    *inizio = 0;
    *fine = characterCount();
    return p->testo();
  }
  if (offset == -2) offset = cursorPosition();
  if (offset == -1) offset = characterCount();
  if (offset < 0 || offset > characterCount()) return QString();
  // The line at the offset with the line before and the line after it, each
  // with its line break.
  const int r = p->posizione(offset).riga;
  const Posizione da{std::max(r - 1, 0), 0};
  const Posizione a = r + 2 < p->righe() ? Posizione{r + 2, 0} : p->fine();
  const int base = static_cast<int>(p->offset(da));
  const Brano brano(p->testoTra(da, a));
  QString out;
  if (verso < 0)
    out = brano.textBeforeOffset(offset - base, tipo, inizio, fine);
  else if (verso > 0)
    out = brano.textAfterOffset(offset - base, tipo, inizio, fine);
  else
    out = brano.textAtOffset(offset - base, tipo, inizio, fine);
  if (*inizio >= 0) *inizio += base;
  if (*fine >= 0) *fine += base;
  return out;
}

QString PannelloTestoAccessibile::textBeforeOffset(int offset, QAccessible::TextBoundaryType tipo,
                                                   int* inizio, int* fine) const {
  return vicino(-1, offset, tipo, inizio, fine);
}

QString PannelloTestoAccessibile::textAfterOffset(int offset, QAccessible::TextBoundaryType tipo,
                                                  int* inizio, int* fine) const {
  return vicino(1, offset, tipo, inizio, fine);
}

QString PannelloTestoAccessibile::textAtOffset(int offset, QAccessible::TextBoundaryType tipo,
                                               int* inizio, int* fine) const {
  return vicino(0, offset, tipo, inizio, fine);
}

}  // namespace ui
