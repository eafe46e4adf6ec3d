#include "ui/PaginaAiutoAccessibile.h"

#include <algorithm>

#include <QPointer>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextLayout>

#include "ui/FinestraAiuto.h"

namespace ui {

namespace {

// One link of the page: its text, its place and its target.
class CollegamentoAccessibile : public QAccessibleInterface,
                                public QAccessibleActionInterface,
                                public QAccessibleHyperlinkInterface {
 public:
  CollegamentoAccessibile(PaginaAiuto* pagina, int i) : mPagina(pagina), mI(i) {}

  // QAccessibleInterface and QAccessibleHyperlinkInterface both ask this.
  bool isValid() const override { return mPagina && mI < mPagina->collegamenti().size(); }
  QObject* object() const override { return nullptr; }
  QWindow* window() const override { return mPagina ? mPagina->window()->windowHandle() : nullptr; }
  QAccessibleInterface* parent() const override {
    return mPagina ? QAccessible::queryAccessibleInterface(mPagina) : nullptr;
  }
  QAccessibleInterface* child(int) const override { return nullptr; }
  int childCount() const override { return 0; }
  int indexOfChild(const QAccessibleInterface*) const override { return -1; }
  QAccessibleInterface* childAt(int, int) const override { return nullptr; }
  QAccessibleInterface* focusChild() const override { return nullptr; }
  QString text(QAccessible::Text t) const override {
    if (!isValid() || t != QAccessible::Name) return QString();
    return anchor();
  }
  void setText(QAccessible::Text, const QString&) override {}
  QRect rect() const override {
    auto* p = static_cast<PaginaAiutoAccessibile*>(parent());
    return p && isValid() ? p->rettangolo(startIndex(), endIndex()) : QRect();
  }
  QAccessible::Role role() const override { return QAccessible::Link; }
  QAccessible::State state() const override {
    QAccessible::State s;
    if (!isValid()) {
      s.invalid = true;
      return s;
    }
    s.focusable = true;
    s.linked = true;
    s.readOnly = true;
    const QTextCursor c = mPagina->textCursor();
    s.focused = mPagina->hasFocus() && c.selectionStart() == startIndex() && c.selectionEnd() == endIndex();
    if (!mPagina->viewport()->rect().intersects(
            QRect(mPagina->viewport()->mapFromGlobal(rect().topLeft()), rect().size())))
      s.offscreen = true;
    return s;
  }
  void* interface_cast(QAccessible::InterfaceType tipo) override {
    if (tipo == QAccessible::ActionInterface) return static_cast<QAccessibleActionInterface*>(this);
    if (tipo == QAccessible::HyperlinkInterface) return static_cast<QAccessibleHyperlinkInterface*>(this);
    return nullptr;
  }

  // QAccessibleActionInterface: follow the link, or move the focus onto it.
  QStringList actionNames() const override { return {pressAction(), setFocusAction()}; }
  void doAction(const QString& azione) override {
    if (!isValid()) return;
    if (azione == pressAction()) mPagina->segui(mI);
    else if (azione == setFocusAction()) mPagina->evidenzia(mI);
  }
  QStringList keyBindingsForAction(const QString& azione) const override {
    return azione == pressAction() ? QStringList{QStringLiteral("Return")} : QStringList();
  }

  // QAccessibleHyperlinkInterface.
  QString anchor() const override {
    if (!isValid()) return QString();
    const Collegamento c = mPagina->collegamenti().at(mI);
    return mPagina->toPlainText().mid(c.inizio, c.fine - c.inizio).simplified();
  }
  QString anchorTarget() const override {
    return isValid() ? mPagina->collegamenti().at(mI).indirizzo : QString();
  }
  int startIndex() const override { return isValid() ? mPagina->collegamenti().at(mI).inizio : -1; }
  int endIndex() const override { return isValid() ? mPagina->collegamenti().at(mI).fine : -1; }

 private:
  QPointer<PaginaAiuto> mPagina;
  int mI;
};

}  // namespace

PaginaAiutoAccessibile::PaginaAiutoAccessibile(PaginaAiuto* pagina)
    : QAccessibleWidget(pagina, QAccessible::Document) {}

PaginaAiutoAccessibile::~PaginaAiutoAccessibile() {
  for (QAccessible::Id id : std::as_const(mCollegamenti)) QAccessible::deleteAccessibleInterface(id);
}

QAccessibleInterface* PaginaAiutoAccessibile::Fabbrica(const QString& classe, QObject* oggetto) {
  if (classe == QLatin1String("ui::PaginaAiuto") && oggetto && oggetto->isWidgetType())
    return new PaginaAiutoAccessibile(static_cast<PaginaAiuto*>(oggetto));
  return nullptr;
}

PaginaAiuto* PaginaAiutoAccessibile::pagina() const { return static_cast<PaginaAiuto*>(widget()); }

QAccessible::State PaginaAiutoAccessibile::state() const {
  QAccessible::State s = QAccessibleWidget::state();
  s.readOnly = true;
  s.editable = false;
  s.multiLine = true;
  s.selectableText = true;
  s.focusable = true;
  return s;
}

QString PaginaAiutoAccessibile::text(QAccessible::Text t) const {
  if (t == QAccessible::Name) {
    const QString nome = QAccessibleWidget::text(t);
    return nome.isEmpty() ? pagina()->documentTitle() : nome;
  }
  return QAccessibleWidget::text(t);
}

void* PaginaAiutoAccessibile::interface_cast(QAccessible::InterfaceType tipo) {
  if (tipo == QAccessible::TextInterface) return static_cast<QAccessibleTextInterface*>(this);
  return QAccessibleWidget::interface_cast(tipo);
}

QAccessibleInterface* PaginaAiutoAccessibile::collegamento(int i) const {
  if (i < 0 || i >= pagina()->collegamenti().size()) return nullptr;
  if (auto it = mCollegamenti.constFind(i); it != mCollegamenti.constEnd())
    if (QAccessibleInterface* x = QAccessible::accessibleInterface(*it)) return x;
  auto* nuovo = new CollegamentoAccessibile(pagina(), i);
  mCollegamenti.insert(i, QAccessible::registerAccessibleInterface(nuovo));
  return nuovo;
}

int PaginaAiutoAccessibile::childCount() const { return static_cast<int>(pagina()->collegamenti().size()); }

QAccessibleInterface* PaginaAiutoAccessibile::child(int indice) const { return collegamento(indice); }

int PaginaAiutoAccessibile::indexOfChild(const QAccessibleInterface* figlio) const {
  for (auto it = mCollegamenti.constBegin(); it != mCollegamenti.constEnd(); ++it)
    if (QAccessible::accessibleInterface(*it) == figlio) return it.key() < childCount() ? it.key() : -1;
  return -1;
}

QAccessibleInterface* PaginaAiutoAccessibile::childAt(int x, int y) const {
  const PaginaAiuto* p = pagina();
  const QPoint locale = p->viewport()->mapFromGlobal(QPoint(x, y));
  if (!p->viewport()->rect().contains(locale)) return nullptr;
  const int posizione = p->cursorForPosition(locale).position();
  const QList<Collegamento> lista = p->collegamenti();
  for (int i = 0; i < lista.size(); ++i)
    if (posizione >= lista[i].inizio && posizione < lista[i].fine) return collegamento(i);
  return nullptr;
}

QAccessibleInterface* PaginaAiutoAccessibile::focusChild() const {
  const QTextCursor c = pagina()->textCursor();
  const QList<Collegamento> lista = pagina()->collegamenti();
  for (int i = 0; i < lista.size(); ++i)
    if (c.selectionStart() == lista[i].inizio && c.selectionEnd() == lista[i].fine) return collegamento(i);
  return nullptr;
}

// --- Text -------------------------------------------------------------------------

int PaginaAiutoAccessibile::characterCount() const {
  // The document ends with a paragraph separator that is not text.
  return pagina()->document()->characterCount() - 1;
}

QString PaginaAiutoAccessibile::text(int inizio, int fine) const {
  const int n = characterCount();
  inizio = std::clamp(inizio, 0, n);
  fine = fine < 0 ? n : std::clamp(fine, inizio, n);
  return pagina()->toPlainText().mid(inizio, fine - inizio);
}

void PaginaAiutoAccessibile::selection(int indice, int* inizio, int* fine) const {
  *inizio = *fine = 0;
  const QTextCursor c = pagina()->textCursor();
  if (indice != 0 || !c.hasSelection()) return;
  *inizio = c.selectionStart();
  *fine = c.selectionEnd();
}

int PaginaAiutoAccessibile::selectionCount() const { return pagina()->textCursor().hasSelection() ? 1 : 0; }

void PaginaAiutoAccessibile::addSelection(int inizio, int fine) { setSelection(0, inizio, fine); }

void PaginaAiutoAccessibile::removeSelection(int indice) {
  if (indice != 0) return;
  QTextCursor c = pagina()->textCursor();
  c.clearSelection();
  pagina()->setTextCursor(c);
}

void PaginaAiutoAccessibile::setSelection(int indice, int inizio, int fine) {
  if (indice != 0) return;
  const int n = characterCount();
  QTextCursor c(pagina()->document());
  c.setPosition(std::clamp(inizio, 0, n));
  c.setPosition(std::clamp(fine, 0, n), QTextCursor::KeepAnchor);
  pagina()->setTextCursor(c);
}

int PaginaAiutoAccessibile::cursorPosition() const { return pagina()->textCursor().position(); }

void PaginaAiutoAccessibile::setCursorPosition(int posizione) {
  QTextCursor c(pagina()->document());
  c.setPosition(std::clamp(posizione, 0, characterCount()));
  pagina()->setTextCursor(c);
}

QString PaginaAiutoAccessibile::riga(int verso, int offset, int* inizio, int* fine) const {
  *inizio = *fine = -1;
  const int n = characterCount();
  if (offset < 0 || offset > n) return QString();
  QTextBlock b = pagina()->document()->findBlock(offset);
  if (!b.isValid()) return QString();
  int l = std::max(0, b.layout()->lineForTextPosition(offset - b.position()).lineNumber()) + verso;
  // The line before or after may lie in a neighbouring block; a block
  // without lines is passed over.
  while (b.isValid() && (l < 0 || l >= b.layout()->lineCount())) {
    b = verso < 0 ? b.previous() : b.next();
    if (b.isValid()) l = verso < 0 ? b.layout()->lineCount() - 1 : 0;
  }
  if (!b.isValid()) return QString();
  const QTextLine linea = b.layout()->lineAt(l);
  *inizio = b.position() + linea.textStart();
  *fine = std::min(n, *inizio + linea.textLength());
  return text(*inizio, *fine);
}

QString PaginaAiutoAccessibile::textBeforeOffset(int offset, QAccessible::TextBoundaryType tipo, int* inizio,
                                                 int* fine) const {
  if (tipo == QAccessible::LineBoundary) return riga(-1, offset, inizio, fine);
  return QAccessibleTextInterface::textBeforeOffset(offset, tipo, inizio, fine);
}

QString PaginaAiutoAccessibile::textAfterOffset(int offset, QAccessible::TextBoundaryType tipo, int* inizio,
                                                int* fine) const {
  if (tipo == QAccessible::LineBoundary) return riga(1, offset, inizio, fine);
  return QAccessibleTextInterface::textAfterOffset(offset, tipo, inizio, fine);
}

QString PaginaAiutoAccessibile::textAtOffset(int offset, QAccessible::TextBoundaryType tipo, int* inizio,
                                             int* fine) const {
  if (tipo == QAccessible::LineBoundary) return riga(0, offset, inizio, fine);
  return QAccessibleTextInterface::textAtOffset(offset, tipo, inizio, fine);
}

QRect PaginaAiutoAccessibile::rettangolo(int inizio, int fine) const {
  const PaginaAiuto* p = pagina();
  QTextCursor c(p->document());
  c.setPosition(std::clamp(inizio, 0, characterCount()));
  QRect r = p->cursorRect(c);
  c.setPosition(std::clamp(fine, 0, characterCount()));
  r = r.united(p->cursorRect(c));
  return QRect(p->viewport()->mapToGlobal(r.topLeft()), r.size());
}

QRect PaginaAiutoAccessibile::characterRect(int offset) const {
  if (offset < 0 || offset >= characterCount()) return QRect();
  return rettangolo(offset, offset + 1);
}

int PaginaAiutoAccessibile::offsetAtPoint(const QPoint& punto) const {
  const PaginaAiuto* p = pagina();
  const QPoint locale = p->viewport()->mapFromGlobal(punto);
  if (!p->viewport()->rect().contains(locale)) return -1;
  return p->cursorForPosition(locale).position();
}

void PaginaAiutoAccessibile::scrollToSubstring(int inizio, int fine) {
  PaginaAiuto* p = pagina();
  const QRect r = rettangolo(inizio, fine);
  const QRect vista(p->viewport()->mapToGlobal(QPoint(0, 0)), p->viewport()->size());
  QScrollBar* barra = p->verticalScrollBar();
  if (r.bottom() > vista.bottom()) barra->setValue(barra->value() + r.bottom() - vista.bottom());
  if (r.top() < vista.top()) barra->setValue(barra->value() - (vista.top() - r.top()));
}

QString PaginaAiutoAccessibile::attributes(int, int* inizio, int* fine) const {
  // One run without attributes over the whole text.
  *inizio = 0;
  *fine = characterCount();
  return QString();
}

}  // namespace ui
