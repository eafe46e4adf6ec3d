#include "ui/GrigliaAccessibile.h"

#include <QScrollBar>

#include "ui/Griglia.h"

namespace ui {

namespace {

// One cell: its text, its role (header or body cell) and its place.
class CellaAccessibile : public QAccessibleInterface, public QAccessibleTableCellInterface {
 public:
  CellaAccessibile(Griglia* griglia, int r, int c) : mGriglia(griglia), mR(r), mC(c) {}

  bool isValid() const override { return mGriglia && mR < mGriglia->rows() && mC < mGriglia->cols(); }
  QObject* object() const override { return nullptr; }
  QWindow* window() const override { return tabella() ? tabella()->window() : nullptr; }
  QAccessibleInterface* parent() const override { return tabella(); }
  QAccessibleInterface* child(int) const override { return nullptr; }
  int childCount() const override { return 0; }
  int indexOfChild(const QAccessibleInterface*) const override { return -1; }
  QAccessibleInterface* childAt(int, int) const override { return nullptr; }
  QAccessibleInterface* focusChild() const override { return nullptr; }
  QString text(QAccessible::Text t) const override {
    if (!isValid() || (t != QAccessible::Name && t != QAccessible::Value)) return QString();
    return mGriglia->textMatrix(mR, mC);
  }
  void setText(QAccessible::Text, const QString&) override {}
  QRect rect() const override {
    if (!isValid()) return QRect();
    const QRect r = mGriglia->cellRect(mR, mC);
    return r.isNull() ? QRect() : QRect(mGriglia->viewport()->mapToGlobal(r.topLeft()), r.size());
  }
  QAccessible::Role role() const override {
    if (!isValid()) return QAccessible::Cell;
    if (mR < mGriglia->fixedRows()) return QAccessible::ColumnHeader;
    if (mC < mGriglia->fixedCols()) return QAccessible::RowHeader;
    return QAccessible::Cell;
  }
  QAccessible::State state() const override {
    QAccessible::State s;
    if (!isValid()) {
      s.invalid = true;
      return s;
    }
    s.readOnly = true;
    if (role() == QAccessible::Cell) {
      s.focusable = true;
      s.selectable = true;
      s.focused = s.selected = isSelected();
    }
    if (rect().isNull()) s.invisible = s.offscreen = true;
    return s;
  }
  void* interface_cast(QAccessible::InterfaceType tipo) override {
    return tipo == QAccessible::TableCellInterface ? static_cast<QAccessibleTableCellInterface*>(this)
                                                    : nullptr;
  }

  bool isSelected() const override { return isValid() && mGriglia->row() == mR && mGriglia->col() == mC; }
  QList<QAccessibleInterface*> columnHeaderCells() const override {
    QList<QAccessibleInterface*> out;
    if (auto* t = tabella(); t && mR >= mGriglia->fixedRows())
      for (int r = 0; r < mGriglia->fixedRows(); ++r) out << t->cella(r, mC);
    return out;
  }
  QList<QAccessibleInterface*> rowHeaderCells() const override {
    QList<QAccessibleInterface*> out;
    if (auto* t = tabella(); t && mC >= mGriglia->fixedCols())
      for (int c = 0; c < mGriglia->fixedCols(); ++c) out << t->cella(mR, c);
    return out;
  }
  // Places in the body; header cells have none (-1 on their fixed axis).
  int columnIndex() const override { return isValid() ? mC - mGriglia->fixedCols() : -1; }
  int rowIndex() const override { return isValid() ? mR - mGriglia->fixedRows() : -1; }
  int columnExtent() const override { return 1; }
  int rowExtent() const override { return 1; }
  QAccessibleInterface* table() const override { return tabella(); }

 private:
  GrigliaAccessibile* tabella() const {
    return mGriglia ? static_cast<GrigliaAccessibile*>(QAccessible::queryAccessibleInterface(mGriglia))
                    : nullptr;
  }

  QPointer<Griglia> mGriglia;
  int mR;
  int mC;
};

qint64 Chiave(int r, int c) { return (static_cast<qint64>(r) << 32) | static_cast<quint32>(c); }

}  // namespace

GrigliaAccessibile::GrigliaAccessibile(Griglia* griglia) : QAccessibleWidget(griglia, QAccessible::Table) {}

GrigliaAccessibile::~GrigliaAccessibile() { svuota(); }

QAccessibleInterface* GrigliaAccessibile::Fabbrica(const QString& classe, QObject* oggetto) {
  if (classe == QLatin1String("ui::Griglia") && oggetto && oggetto->isWidgetType())
    return new GrigliaAccessibile(static_cast<Griglia*>(oggetto));
  return nullptr;
}

Griglia* GrigliaAccessibile::griglia() const { return static_cast<Griglia*>(widget()); }

QAccessibleInterface* GrigliaAccessibile::cella(int r, int c) const {
  const Griglia* g = griglia();
  if (!g || r < 0 || c < 0 || r >= g->rows() || c >= g->cols()) return nullptr;
  const qint64 k = Chiave(r, c);
  if (auto it = mCelle.constFind(k); it != mCelle.constEnd())
    if (QAccessibleInterface* x = QAccessible::accessibleInterface(*it)) return x;
  auto* nuova = new CellaAccessibile(griglia(), r, c);
  mCelle.insert(k, QAccessible::registerAccessibleInterface(nuova));
  return nuova;
}

void GrigliaAccessibile::svuota() {
  for (QAccessible::Id id : std::as_const(mCelle)) QAccessible::deleteAccessibleInterface(id);
  mCelle.clear();
}

int GrigliaAccessibile::childCount() const {
  const Griglia* g = griglia();
  return g ? g->rows() * g->cols() : 0;
}

QAccessibleInterface* GrigliaAccessibile::child(int indice) const {
  const Griglia* g = griglia();
  if (!g || g->cols() == 0 || indice < 0) return nullptr;
  return cella(indice / g->cols(), indice % g->cols());
}

int GrigliaAccessibile::indexOfChild(const QAccessibleInterface* figlio) const {
  const Griglia* g = griglia();
  if (!g || !figlio) return -1;
  // Every cell interface is made by cella() and kept in the cache.
  for (auto it = mCelle.constBegin(); it != mCelle.constEnd(); ++it)
    if (QAccessible::accessibleInterface(*it) == figlio)
      return static_cast<int>(it.key() >> 32) * g->cols() + static_cast<int>(it.key() & 0xFFFFFFFF);
  return -1;
}

QAccessibleInterface* GrigliaAccessibile::childAt(int x, int y) const {
  const Griglia* g = griglia();
  if (!g) return nullptr;
  int r = 0, c = 0;
  if (!g->cellAt(g->viewport()->mapFromGlobal(QPoint(x, y)), &r, &c)) return nullptr;
  return cella(r, c);
}

QAccessibleInterface* GrigliaAccessibile::focusChild() const {
  const Griglia* g = griglia();
  // The current cell is the focus within the table.
  return g ? cella(g->row(), g->col()) : nullptr;
}

void* GrigliaAccessibile::interface_cast(QAccessible::InterfaceType tipo) {
  if (tipo == QAccessible::TableInterface) return static_cast<QAccessibleTableInterface*>(this);
  return QAccessibleWidget::interface_cast(tipo);
}

QAccessibleInterface* GrigliaAccessibile::cellAt(int riga, int colonna) const {
  const Griglia* g = griglia();
  if (!g || riga < 0 || colonna < 0) return nullptr;
  return cella(riga + g->fixedRows(), colonna + g->fixedCols());
}

int GrigliaAccessibile::selectedCellCount() const { return griglia() && griglia()->rows() > 0 ? 1 : 0; }

QList<QAccessibleInterface*> GrigliaAccessibile::selectedCells() const {
  const Griglia* g = griglia();
  QList<QAccessibleInterface*> out;
  if (QAccessibleInterface* x = g ? cella(g->row(), g->col()) : nullptr) out << x;
  return out;
}

QString GrigliaAccessibile::columnDescription(int colonna) const {
  const Griglia* g = griglia();
  if (!g) return QString();
  QStringList parti;
  for (int r = 0; r < g->fixedRows(); ++r)
    if (const QString t = g->textMatrix(r, colonna + g->fixedCols()).trimmed(); !t.isEmpty()) parti << t;
  return parti.join(QLatin1Char(' '));
}

QString GrigliaAccessibile::rowDescription(int riga) const {
  const Griglia* g = griglia();
  if (!g) return QString();
  QStringList parti;
  for (int c = 0; c < g->fixedCols(); ++c)
    if (const QString t = g->textMatrix(riga + g->fixedRows(), c).trimmed(); !t.isEmpty()) parti << t;
  return parti.join(QLatin1Char(' '));
}

int GrigliaAccessibile::columnCount() const {
  const Griglia* g = griglia();
  return g ? g->cols() - g->fixedCols() : 0;
}

int GrigliaAccessibile::rowCount() const {
  const Griglia* g = griglia();
  return g ? g->rows() - g->fixedRows() : 0;
}

void GrigliaAccessibile::modelChange(QAccessibleTableModelChangeEvent*) {
  // Cells keep their places, not their contents: after any change a client
  // asks again, and the interfaces are made anew on request.
  svuota();
}

}  // namespace ui
