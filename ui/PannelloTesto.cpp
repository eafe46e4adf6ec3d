#include "ui/PannelloTesto.h"

#include <QAccessible>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QPainter>
#include <QScrollBar>
#include <QStyle>
#include <algorithm>
#include <cmath>
#include <cstring>

#include "ui/PannelloTestoAccessibile.h"
#include "ui/Servizi.h"

namespace ui {

namespace {

constexpr int kMargine = 4;  // pixels between the frame and the text
constexpr int kCandidati = 16;  // lines measured for the width of a new text

// Characters in a line of UTF-8 (continuation bytes are not counted).
int Caratteri(const char* d, std::size_t n) {
  int c = 0;
  for (std::size_t i = 0; i < n; ++i) c += (static_cast<unsigned char>(d[i]) & 0xC0) != 0x80;
  return c;
}

}  // namespace

PannelloTesto::PannelloTesto(QWidget* parent) : QAbstractScrollArea(parent) {
  static const bool fabbrica =
      (QAccessible::installFactory(&PannelloTestoAccessibile::Fabbrica), true);
  (void)fabbrica;
  setFocusPolicy(Qt::StrongFocus);
  setAttribute(Qt::WA_InputMethodEnabled, false);
  viewport()->setBackgroundRole(QPalette::Base);
  viewport()->setCursor(Qt::IBeamCursor);
  dividi();
  aggiornaBarre();
}

// --- The text ----------------------------------------------------------------

void PannelloTesto::setTesto(std::string testo) {
  // A listening client is told what the pane held and holds now.
  const bool annuncia = QAccessible::isActive();
  const QString prima = annuncia ? this->testo() : QString();
  mTesto = std::move(testo);
  dividi();
  mOffset.clear();
  mCursore = mAncora = Posizione();
  mXVoluto = -1;
  misura();
  aggiornaBarre();
  updateGeometry();
  verticalScrollBar()->setValue(0);
  horizontalScrollBar()->setValue(0);
  misuraVisibili();
  viewport()->update();
  if (annuncia) {
    QAccessibleTextUpdateEvent cambio(this, 0, prima, this->testo());
    QAccessible::updateAccessibility(&cambio);
  }
}

void PannelloTesto::setRighe(const std::vector<std::string>& righe) {
  std::size_t n = 0;
  for (const std::string& r : righe) n += r.size() + 1;
  std::string testo;
  testo.reserve(n);
  for (const std::string& r : righe) (testo += r) += '\n';
  setTesto(std::move(testo));
}

void PannelloTesto::dividi() {
  mRighe.clear();
  mMassimoCaratteri = 0;
  const char* d = mTesto.data();
  const std::size_t n = mTesto.size();
  auto aggiungi = [&](std::size_t inizio, std::size_t fine) {
    mRighe.push_back({inizio, fine});
    // A line has at most as many characters as bytes.
    if (fine - inizio > static_cast<std::size_t>(mMassimoCaratteri))
      mMassimoCaratteri = std::max(mMassimoCaratteri, Caratteri(d + inizio, fine - inizio));
  };
  std::size_t inizio = 0;
  for (;;) {
    const auto* lf = static_cast<const char*>(std::memchr(d + inizio, '\n', n - inizio));
    const std::size_t fine = lf ? static_cast<std::size_t>(lf - d) : n;
    // A CR before this LF ends the line with it; any other CR ends a line alone.
    std::size_t da = inizio;
    while (const auto* cr = static_cast<const char*>(std::memchr(d + da, '\r', fine - da))) {
      const std::size_t c = static_cast<std::size_t>(cr - d);
      if (c + 1 == fine && fine < n) break;
      aggiungi(inizio, c);
      inizio = da = c + 1;
    }
    aggiungi(inizio, fine > inizio && fine < n && d[fine - 1] == '\r' ? fine - 1 : fine);
    if (fine == n) break;
    inizio = fine + 1;
  }
}

QString PannelloTesto::riga(int r) const {
  if (r < 0 || r >= righe()) return QString();
  const Riga& x = mRighe[static_cast<std::size_t>(r)];
  return QString::fromUtf8(mTesto.data() + x.inizio, static_cast<qsizetype>(x.fine - x.inizio));
}

QString PannelloTesto::testo() const { return testoTra(Posizione(), fine()); }

PannelloTesto::Posizione PannelloTesto::fine() const {
  return {righe() - 1, static_cast<int>(riga(righe() - 1).size())};
}

PannelloTesto::Posizione PannelloTesto::limitata(Posizione p) const {
  p.riga = std::clamp(p.riga, 0, righe() - 1);
  p.colonna = std::clamp(p.colonna, 0, static_cast<int>(riga(p.riga).size()));
  return p;
}

QString PannelloTesto::testoTra(Posizione da, Posizione a) const {
  da = limitata(da);
  a = limitata(a);
  if (a < da) std::swap(da, a);
  if (da.riga == a.riga) return riga(da.riga).mid(da.colonna, a.colonna - da.colonna);
  // The lines in between go over as bytes, converted once.
  std::string mezzo;
  for (int r = da.riga + 1; r < a.riga; ++r) {
    const Riga& x = mRighe[static_cast<std::size_t>(r)];
    mezzo.append(mTesto, x.inizio, x.fine - x.inizio);
    mezzo += '\n';
  }
  return riga(da.riga).mid(da.colonna) + QLatin1Char('\n') + QString::fromStdString(mezzo) +
         riga(a.riga).left(a.colonna);
}

qsizetype PannelloTesto::offset(Posizione p) const {
  if (mOffset.empty()) {
    mOffset.reserve(mRighe.size());
    qsizetype n = 0;
    for (int r = 0; r < righe(); ++r) {
      mOffset.push_back(n);
      n += riga(r).size() + 1;
    }
  }
  p = limitata(p);
  return mOffset[static_cast<std::size_t>(p.riga)] + p.colonna;
}

PannelloTesto::Posizione PannelloTesto::posizione(qsizetype o) const {
  o = std::clamp<qsizetype>(o, 0, caratteri());
  const auto dopo = std::upper_bound(mOffset.begin(), mOffset.end(), o);
  const int r = static_cast<int>(dopo - mOffset.begin()) - 1;
  return limitata({r, static_cast<int>(o - mOffset[static_cast<std::size_t>(r)])});
}

// --- Caret and selection -------------------------------------------------------

void PannelloTesto::setCursore(Posizione p, bool estendi) {
  const bool selezionava = haSelezione();
  mCursore = limitata(p);
  mXVoluto = -1;
  if (!estendi) mAncora = mCursore;
  mostra(mCursore);
  viewport()->update();
  if (QAccessible::isActive()) {
    QAccessibleTextCursorEvent cursore(this, static_cast<int>(offset(mCursore)));
    QAccessible::updateAccessibility(&cursore);
    if (selezionava || haSelezione()) {
      const auto [da, a] = std::minmax(mAncora, mCursore);
      QAccessibleTextSelectionEvent selezione(this, static_cast<int>(offset(da)),
                                              static_cast<int>(offset(a)));
      selezione.setCursorPosition(static_cast<int>(offset(mCursore)));
      QAccessible::updateAccessibility(&selezione);
    }
  }
}

void PannelloTesto::seleziona(Posizione da, Posizione a) {
  mAncora = limitata(da);
  setCursore(a, true);
}

void PannelloTesto::selezionaTutto() { seleziona(Posizione(), fine()); }

QString PannelloTesto::testoSelezionato() const { return testoTra(mAncora, mCursore); }

void PannelloTesto::copia() {
  if (haSelezione() && servizi().appunti) servizi().appunti->scrivi(testoSelezionato());
}

// --- Geometry ------------------------------------------------------------------

int PannelloTesto::altezzaRiga() const { return std::max(1, fontMetrics().lineSpacing()); }

int PannelloTesto::righeIntere() const { return std::max(1, viewport()->height() / altezzaRiga()); }

int PannelloTesto::primaRigaVisibile() const { return verticalScrollBar()->value(); }

double PannelloTesto::xDi(const QString& riga, int colonna) const {
  return QFontMetricsF(font()).horizontalAdvance(riga.left(colonna));
}

int PannelloTesto::colonnaA(const QString& riga, double x) const {
  // The last column left of x, then the nearer of it and the next.
  int basso = 0, alto = static_cast<int>(riga.size());
  while (basso < alto) {
    const int mezzo = (basso + alto + 1) / 2;
    if (xDi(riga, mezzo) <= x)
      basso = mezzo;
    else
      alto = mezzo - 1;
  }
  if (basso < riga.size() && xDi(riga, basso + 1) - x < x - xDi(riga, basso)) ++basso;
  return basso;
}

void PannelloTesto::misura() {
  // Shaping every line of a long report costs seconds in some fonts, so the
  // width is taken from a few of the lines with the most characters (in a
  // font whose characters are equally wide they are the widest), and grows
  // to the lines in view as they come (misuraVisibili).
  const QFontMetricsF m(font());
  const auto massimo = static_cast<std::size_t>(mMassimoCaratteri);
  double largo = 0;
  int misurate = 0;
  for (int r = 0; r < righe() && misurate < kCandidati; ++r) {
    const Riga& x = mRighe[static_cast<std::size_t>(r)];
    // A line has at most as many characters as bytes.
    if (x.fine - x.inizio < massimo || Caratteri(mTesto.data() + x.inizio, x.fine - x.inizio) <
                                           mMassimoCaratteri)
      continue;
    largo = std::max(largo, m.horizontalAdvance(riga(r)));
    ++misurate;
  }
  mLarghezza = static_cast<int>(std::ceil(largo));
}

void PannelloTesto::misuraVisibili() {
  const QFontMetricsF m(font());
  double largo = mLarghezza;
  const int prima = primaRigaVisibile();
  const int ultima = std::min(righe(), prima + viewport()->height() / altezzaRiga() + 1);
  for (int r = prima; r < ultima; ++r) largo = std::max(largo, m.horizontalAdvance(riga(r)));
  const int larghezza = static_cast<int>(std::ceil(largo));
  if (larghezza <= mLarghezza) return;
  mLarghezza = larghezza;
  aggiornaBarre();
}

void PannelloTesto::aggiornaBarre() {
  QScrollBar* v = verticalScrollBar();
  v->setRange(0, std::max(0, righe() - righeIntere()));
  v->setPageStep(righeIntere());
  v->setSingleStep(1);
  QScrollBar* h = horizontalScrollBar();
  h->setRange(0, std::max(0, mLarghezza + 2 * kMargine - viewport()->width()));
  h->setPageStep(viewport()->width());
  h->setSingleStep(std::max(1, fontMetrics().averageCharWidth()));
}

QRect PannelloTesto::rettangolo(Posizione p) const {
  p = limitata(p);
  const QString t = riga(p.riga);
  const double x = xDi(t, p.colonna);
  const double largo =
      p.colonna < t.size() ? xDi(t, p.colonna + 1) - x : fontMetrics().averageCharWidth();
  const int sinistra = kMargine - horizontalScrollBar()->value() + static_cast<int>(std::floor(x));
  return QRect(sinistra, (p.riga - primaRigaVisibile()) * altezzaRiga(),
               std::max(1, static_cast<int>(std::ceil(largo))), altezzaRiga());
}

PannelloTesto::Posizione PannelloTesto::posizioneIn(const QPoint& punto) const {
  const int y = punto.y();
  const int r =
      std::clamp(primaRigaVisibile() + (y < 0 ? (y + 1) / altezzaRiga() - 1 : y / altezzaRiga()), 0,
                 righe() - 1);
  const QString t = riga(r);
  return {r, colonnaA(t, punto.x() + horizontalScrollBar()->value() - kMargine)};
}

void PannelloTesto::mostra(Posizione p) {
  p = limitata(p);
  QScrollBar* v = verticalScrollBar();
  if (p.riga < v->value())
    v->setValue(p.riga);
  else if (p.riga >= v->value() + righeIntere())
    v->setValue(p.riga - righeIntere() + 1);
  QScrollBar* h = horizontalScrollBar();
  const int x = kMargine + static_cast<int>(std::ceil(xDi(riga(p.riga), p.colonna)));
  const int largo = viewport()->width();
  if (x - kMargine < h->value())
    h->setValue(x - kMargine);
  else if (x + kMargine > h->value() + largo)
    h->setValue(x + kMargine - largo);
}

// --- Painting --------------------------------------------------------------------

void PannelloTesto::paintEvent(QPaintEvent*) {
  QPainter p(viewport());
  const int h = altezzaRiga();
  const int ascesa = fontMetrics().ascent();
  const double x0 = kMargine - horizontalScrollBar()->value();
  const auto [da, a] = std::minmax(mAncora, mCursore);
  const QColor inchiostro = palette().color(QPalette::Text);
  const QColor evidenza = palette().color(QPalette::Highlight);
  const QColor evidenziato = palette().color(QPalette::HighlightedText);
  const double spazio = QFontMetricsF(font()).horizontalAdvance(QLatin1Char(' '));
  for (int r = primaRigaVisibile(), y = 0; r < righe() && y < viewport()->height(); ++r, y += h) {
    const QString t = riga(r);
    const QPointF base(x0, y + ascesa);
    p.setPen(inchiostro);
    p.drawText(base, t);
    if (da == a || r < da.riga || r > a.riga) continue;
    // The selected part, its line break shown as a blank.
    const double xa = x0 + xDi(t, r == da.riga ? da.colonna : 0);
    const double xb =
        x0 + (r == a.riga ? xDi(t, a.colonna) : xDi(t, static_cast<int>(t.size())) + spazio);
    const QRectF scelta(xa, y, xb - xa, h);
    p.fillRect(scelta, evidenza);
    p.save();
    p.setClipRect(scelta);
    p.setPen(evidenziato);
    p.drawText(base, t);
    p.restore();
  }
  if (hasFocus()) {
    const QRect c = rettangolo(mCursore);
    p.fillRect(QRect(c.left(), c.top(), 1, c.height()), inchiostro);
  }
}

void PannelloTesto::resizeEvent(QResizeEvent* e) {
  QAbstractScrollArea::resizeEvent(e);
  aggiornaBarre();
  misuraVisibili();
}

void PannelloTesto::scrollContentsBy(int, int dy) {
  if (dy != 0) misuraVisibili();
  viewport()->update();
}

void PannelloTesto::changeEvent(QEvent* e) {
  QAbstractScrollArea::changeEvent(e);
  if (e->type() == QEvent::FontChange) {
    misura();
    aggiornaBarre();
    misuraVisibili();
    updateGeometry();
    viewport()->update();
  }
}

void PannelloTesto::focusInEvent(QFocusEvent* e) {
  QAbstractScrollArea::focusInEvent(e);
  viewport()->update();
}

void PannelloTesto::focusOutEvent(QFocusEvent* e) {
  QAbstractScrollArea::focusOutEvent(e);
  viewport()->update();
}

// --- Mouse and keys -----------------------------------------------------------

void PannelloTesto::mousePressEvent(QMouseEvent* e) {
  if (e->button() != Qt::LeftButton) return;
  mTrascina = true;
  setCursore(posizioneIn(e->position().toPoint()), e->modifiers() & Qt::ShiftModifier);
}

void PannelloTesto::mouseMoveEvent(QMouseEvent* e) {
  // Dragging past an edge scrolls a step at each move.
  if (mTrascina && (e->buttons() & Qt::LeftButton))
    setCursore(posizioneIn(e->position().toPoint()), true);
}

void PannelloTesto::mouseReleaseEvent(QMouseEvent* e) {
  if (e->button() == Qt::LeftButton) mTrascina = false;
}

void PannelloTesto::mouseDoubleClickEvent(QMouseEvent* e) {
  if (e->button() != Qt::LeftButton) return;
  // The word under the mouse.
  const Posizione p = posizioneIn(e->position().toPoint());
  const QString t = riga(p.riga);
  int inizio = p.colonna, fine = p.colonna;
  while (inizio > 0 && t[inizio - 1].isLetterOrNumber()) --inizio;
  while (fine < t.size() && t[fine].isLetterOrNumber()) ++fine;
  if (inizio < fine) seleziona({p.riga, inizio}, {p.riga, fine});
}

bool PannelloTesto::event(QEvent* e) {
  // Copy and Select All belong to the pane even where a menu has the keys.
  if (e->type() == QEvent::ShortcutOverride) {
    auto* k = static_cast<QKeyEvent*>(e);
    if (k->matches(QKeySequence::Copy) || k->matches(QKeySequence::SelectAll)) {
      e->accept();
      return true;
    }
  }
  return QAbstractScrollArea::event(e);
}

void PannelloTesto::keyPressEvent(QKeyEvent* e) {
  if (e->matches(QKeySequence::Copy)) return copia();
  if (e->matches(QKeySequence::SelectAll)) return selezionaTutto();
  const bool estendi = e->modifiers() & Qt::ShiftModifier;
  const bool tutto = e->modifiers() & Qt::ControlModifier;
  Posizione p = mCursore;
  const int lunghezza = static_cast<int>(riga(p.riga).size());
  int passo = 0;  // lines up (-) or down (+)
  switch (e->key()) {
    case Qt::Key_Up:
      passo = -1;
      break;
    case Qt::Key_Down:
      passo = 1;
      break;
    case Qt::Key_PageUp:
      passo = -righeIntere();
      break;
    case Qt::Key_PageDown:
      passo = righeIntere();
      break;
    case Qt::Key_Left:
      if (p.colonna > 0)
        --p.colonna;
      else if (p.riga > 0)
        p = {p.riga - 1, static_cast<int>(riga(p.riga - 1).size())};
      break;
    case Qt::Key_Right:
      if (p.colonna < lunghezza)
        ++p.colonna;
      else if (p.riga + 1 < righe())
        p = {p.riga + 1, 0};
      break;
    case Qt::Key_Home:
      p = tutto ? Posizione() : Posizione{p.riga, 0};
      break;
    case Qt::Key_End:
      p = tutto ? fine() : Posizione{p.riga, lunghezza};
      break;
    default:
      QAbstractScrollArea::keyPressEvent(e);
      return;
  }
  const double voluto = mXVoluto >= 0 ? mXVoluto : xDi(riga(mCursore.riga), mCursore.colonna);
  if (passo != 0) {
    // Up and Down keep the caret's place across short lines; a page moves
    // the view with the caret.
    p.riga = std::clamp(p.riga + passo, 0, righe() - 1);
    p.colonna = colonnaA(riga(p.riga), voluto);
    if (std::abs(passo) > 1) verticalScrollBar()->setValue(verticalScrollBar()->value() + passo);
  }
  setCursore(p, estendi);
  if (passo != 0) mXVoluto = voluto;
}

void PannelloTesto::setMisura(int colonne, int righe) {
  mColonneVolute = std::max(colonne, 1);
  mRigheVolute = std::max(righe, 1);
  updateGeometry();
}

QSize PannelloTesto::sizeHint() const {
  // Measured in the pane's own font, whichever the machine resolved.
  const int barra = style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, this);
  const double carattere = QFontMetricsF(font()).horizontalAdvance(QLatin1Char('0'));
  const int testo = std::max(static_cast<int>(std::ceil(mColonneVolute * carattere)), mLarghezza);
  int larghezza = testo + 2 * kMargine + 2 * frameWidth();
  int altezza = mRigheVolute * altezzaRiga() + 2 * frameWidth();
  if (verticalScrollBarPolicy() != Qt::ScrollBarAlwaysOff) larghezza += barra;
  if (horizontalScrollBarPolicy() == Qt::ScrollBarAlwaysOn) altezza += barra;
  return {larghezza, altezza};
}

void PannelloTesto::contextMenuEvent(QContextMenuEvent* e) {
  QMenu menu(this);
  QAction* copiaVoce = menu.addAction(QStringLiteral("Copia"));
  copiaVoce->setShortcut(QKeySequence::Copy);
  copiaVoce->setEnabled(haSelezione());
  connect(copiaVoce, &QAction::triggered, this, &PannelloTesto::copia);
  QAction* tuttoVoce = menu.addAction(QStringLiteral("Seleziona tutto"));
  tuttoVoce->setShortcut(QKeySequence::SelectAll);
  tuttoVoce->setEnabled(!isEmpty());
  connect(tuttoVoce, &QAction::triggered, this, &PannelloTesto::selezionaTutto);
  servizi().dialoghi->popup(&menu, e->globalPos());
}

}  // namespace ui
