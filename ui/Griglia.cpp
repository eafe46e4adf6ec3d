#include "ui/Griglia.h"

#include <QAccessible>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <QStyle>
#include <QTimer>
#include <algorithm>

#include "ui/Colori.h"
#include "ui/GrigliaAccessibile.h"

namespace ui {

namespace {

constexpr int kLarghezzaPredefinita = 64;  // pixels
constexpr int kMargine = 2;                // pixels of text padding

Qt::Alignment Allineamento(int valore) { return Qt::Alignment(valore); }

bool Numero(const QString& s, double* valore) {
  bool ok = false;
  const double v = s.trimmed().toDouble(&ok);
  if (ok && valore) *valore = v;
  return ok && !s.trimmed().isEmpty();
}

}  // namespace

Griglia::Griglia(QWidget* parent) : QAbstractScrollArea(parent) {
  static const bool fabbrica = (QAccessible::installFactory(&GrigliaAccessibile::Fabbrica), true);
  (void)fabbrica;
  setFocusPolicy(Qt::StrongFocus);
  viewport()->setBackgroundRole(QPalette::Base);
  setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  ridimensiona(2, 2);
}

void Griglia::ridimensiona(int righe, int colonne) {
  righe = std::max(righe, 0);
  colonne = std::max(colonne, 0);
  if (colonne != mColonne || mCelle.empty()) {
    std::vector<Cella> nuove(static_cast<std::size_t>(righe) * colonne);
    for (int r = 0; r < std::min(righe, mRighe); ++r)
      for (int c = 0; c < std::min(colonne, mColonne); ++c)
        if (!mCelle.empty()) nuove[static_cast<std::size_t>(r) * colonne + c] = std::move(cella(r, c));
    mCelle = std::move(nuove);
  } else {
    mCelle.resize(static_cast<std::size_t>(righe) * colonne);
  }
  mRighe = righe;
  mColonne = colonne;
  mLarghezze.resize(colonne, -1);
  mAllineamentiColonna.resize(colonne, 0);
  mAltezze.resize(righe, -1);
  mRigheUnite.resize(righe, 0);
  mRigheFisse = std::min(mRigheFisse, righe);
  mColonneFisse = std::min(mColonneFisse, colonne);
  mRiga = std::clamp(mRiga, std::min(mRigheFisse, std::max(righe - 1, 0)), std::max(righe - 1, 0));
  mColonna = std::clamp(mColonna, std::min(mColonneFisse, std::max(colonne - 1, 0)), std::max(colonne - 1, 0));
  aggiornaBarre();
  updateGeometry();
  ridisegna();
}

void Griglia::setRows(int n) {
  if (n != mRighe) ridimensiona(n, mColonne);
}
void Griglia::setCols(int n) {
  if (n != mColonne) ridimensiona(mRighe, n);
}
void Griglia::setFixedRows(int n) {
  mRigheFisse = std::clamp(n, 0, mRighe);
  mRiga = std::max(mRiga, mRigheFisse);
  aggiornaBarre();
  ridisegna();
}
void Griglia::setFixedCols(int n) {
  mColonneFisse = std::clamp(n, 0, mColonne);
  mColonna = std::max(mColonna, mColonneFisse);
  aggiornaBarre();
  ridisegna();
}

QString Griglia::textMatrix(int r, int c) const { return valida(r, c) ? cella(r, c).testo : QString(); }

void Griglia::setTextMatrix(int r, int c, const QString& testo) {
  if (!valida(r, c)) return;
  cella(r, c).testo = testo;
  ridisegna();
}

void Griglia::clear() {
  for (Cella& x : mCelle) x = Cella();
  ridisegna();
}

void Griglia::addItem(const QString& testi) {
  ridimensiona(mRighe + 1, mColonne);
  const QStringList parti = testi.split(QLatin1Char('\t'));
  for (int c = 0; c < std::min<int>(static_cast<int>(parti.size()), mColonne); ++c)
    cella(mRighe - 1, c).testo = parti[c];
}

void Griglia::removeItem(int r) {
  if (r < mRigheFisse || r >= mRighe || mRighe <= mRigheFisse + 1) return;
  auto inizio = mCelle.begin() + static_cast<std::ptrdiff_t>(r) * mColonne;
  mCelle.erase(inizio, inizio + mColonne);
  mAltezze.erase(mAltezze.begin() + r);
  mRigheUnite.erase(mRigheUnite.begin() + r);
  --mRighe;
  mRiga = std::min(mRiga, mRighe - 1);
  aggiornaBarre();
  ridisegna();
}

void Griglia::setFormatString(const QString& formato) {
  const QString colonne = formato.section(QLatin1Char(';'), 0, 0);
  const QStringList parti = colonne.split(QLatin1Char('|'));
  setCols(static_cast<int>(parti.size()));
  const QFontMetrics m(font());
  for (int c = 0; c < static_cast<int>(parti.size()); ++c) {
    QString testo = parti[c];
    int allineamento = 0;
    if (!testo.isEmpty()) {
      const QChar segno = testo[0];
      if (segno == QLatin1Char('<')) allineamento = Qt::AlignLeft | Qt::AlignVCenter;
      else if (segno == QLatin1Char('^')) allineamento = Qt::AlignHCenter | Qt::AlignVCenter;
      else if (segno == QLatin1Char('>')) allineamento = Qt::AlignRight | Qt::AlignVCenter;
      if (allineamento) testo.remove(0, 1);
    }
    mAllineamentiColonna[c] = allineamento;
    if (mRigheFisse > 0 && mRighe > 0) cella(0, c).testo = testo;
    if (!testo.isEmpty()) mLarghezze[c] = Twip(m.horizontalAdvance(testo) + 2 * kMargine + 2);
  }
  aggiornaBarre();
  updateGeometry();
  ridisegna();
}

void Griglia::setCellBackColor(int r, int c, const QColor& colore) {
  if (!valida(r, c)) return;
  cella(r, c).sfondo = colore.isValid() ? (colore.rgb() | 0xFF000000u) : 0;
  ridisegna();
}
void Griglia::setCellForeColor(int r, int c, const QColor& colore) {
  if (!valida(r, c)) return;
  cella(r, c).inchiostro = colore.isValid() ? (colore.rgb() | 0xFF000000u) : 0;
  ridisegna();
}
QColor Griglia::cellBackColor(int r, int c) const {
  if (!valida(r, c)) return QColor();
  if (cella(r, c).sfondo) return QColor(cella(r, c).sfondo);
  return (r < mRigheFisse || c < mColonneFisse) ? mSfondoFisso : mSfondo;
}
QColor Griglia::cellForeColor(int r, int c) const {
  if (!valida(r, c)) return QColor();
  return cella(r, c).inchiostro ? QColor(cella(r, c).inchiostro) : mInchiostro;
}
void Griglia::setBackColor(const QColor& colore) { mSfondo = colore; ridisegna(); }
void Griglia::setForeColor(const QColor& colore) { mInchiostro = colore; ridisegna(); }
void Griglia::setBackColorFixed(const QColor& colore) { mSfondoFisso = colore; ridisegna(); }

void Griglia::setColAlignment(int c, Qt::Alignment allineamento) {
  if (c < 0 || c >= mColonne) return;
  mAllineamentiColonna[c] = static_cast<int>(allineamento);
  ridisegna();
}
void Griglia::setCellAlignment(int r, int c, Qt::Alignment allineamento) {
  if (!valida(r, c)) return;
  cella(r, c).allineamento = static_cast<int>(allineamento);
  ridisegna();
}
Qt::Alignment Griglia::cellAlignment(int r, int c) const {
  if (!valida(r, c)) return Qt::AlignLeft | Qt::AlignVCenter;
  if (cella(r, c).allineamento) return Allineamento(cella(r, c).allineamento);
  if (mAllineamentiColonna[c]) return Allineamento(mAllineamentiColonna[c]);
  return Qt::AlignLeft | Qt::AlignVCenter;
}

void Griglia::setColWidth(int c, int twip) {
  if (c < 0 || c >= mColonne) return;
  mLarghezze[c] = std::max(twip, 0);
  aggiornaBarre();
  updateGeometry();
  ridisegna();
}
int Griglia::colWidth(int c) const {
  if (c < 0 || c >= mColonne) return 0;
  return mLarghezze[c] >= 0 ? mLarghezze[c] : Twip(kLarghezzaPredefinita);
}

void Griglia::allargaColonne() {
  for (int c = 0; c < mColonne; ++c) {
    const int serve = larghezzaTesti(c);
    if (serve > Twip(2 * kMargine + 2) && colWidth(c) < serve) mLarghezze[c] = serve;
  }
  aggiornaBarre();
  updateGeometry();
  ridisegna();
}

void Griglia::setRowHeight(int r, int twip) {
  if (r < 0 || r >= mRighe) return;
  mAltezze[r] = std::max(twip, 0);
  aggiornaBarre();
  updateGeometry();
  ridisegna();
}
int Griglia::rowHeight(int r) const {
  if (r < 0 || r >= mRighe) return 0;
  return mAltezze[r] >= 0 ? mAltezze[r] : Twip(altezzaPredefinita());
}

void Griglia::setMergeRow(int r, bool unisci) {
  if (r < 0 || r >= mRighe) return;
  mRigheUnite[r] = unisci;
  ridisegna();
}
bool Griglia::mergeRow(int r) const { return r >= 0 && r < mRighe && mRigheUnite[r]; }

void Griglia::setRow(int r) {
  if (r < 0 || r >= mRighe) return;
  mRiga = r;
  ridisegna();
}
void Griglia::setCol(int c) {
  if (c < 0 || c >= mColonne) return;
  mColonna = c;
  ridisegna();
}

int Griglia::topRow() const { return mRigheFisse + verticalScrollBar()->value(); }
void Griglia::setTopRow(int r) {
  verticalScrollBar()->setValue(std::clamp(r, mRigheFisse, primaRigaMassima()) - mRigheFisse);
}
int Griglia::leftCol() const { return mColonneFisse + horizontalScrollBar()->value(); }
void Griglia::setLeftCol(int c) {
  horizontalScrollBar()->setValue(std::clamp(c, mColonneFisse, primaColonnaMassima()) - mColonneFisse);
}

void Griglia::sortRows(int primo, int ultimo, int c, bool crescente) {
  primo = std::max(primo, 0);
  ultimo = std::min(ultimo, mRighe - 1);
  if (c < 0 || c >= mColonne || primo >= ultimo) return;
  struct Riga {
    std::vector<Cella> celle;
    int altezza;
  };
  std::vector<Riga> righe;
  for (int r = primo; r <= ultimo; ++r) {
    Riga x;
    x.celle.assign(mCelle.begin() + static_cast<std::ptrdiff_t>(r) * mColonne,
                   mCelle.begin() + static_cast<std::ptrdiff_t>(r + 1) * mColonne);
    x.altezza = mAltezze[r];
    righe.push_back(std::move(x));
  }
  auto minore = [c](const Riga& a, const Riga& b) {
    double va = 0, vb = 0;
    const bool na = Numero(a.celle[c].testo, &va), nb = Numero(b.celle[c].testo, &vb);
    if (na && nb) return va < vb;
    if (na != nb) return na;
    return a.celle[c].testo < b.celle[c].testo;
  };
  if (crescente) std::stable_sort(righe.begin(), righe.end(), minore);
  else std::stable_sort(righe.begin(), righe.end(), [&](const Riga& a, const Riga& b) { return minore(b, a); });
  for (int r = primo; r <= ultimo; ++r) {
    Riga& x = righe[r - primo];
    std::move(x.celle.begin(), x.celle.end(), mCelle.begin() + static_cast<std::ptrdiff_t>(r) * mColonne);
    mAltezze[r] = x.altezza;
  }
  ridisegna();
}

void Griglia::setRedraw(bool ridisegnaOra) {
  mRidisegna = ridisegnaOra;
  if (ridisegnaOra) viewport()->update();
}

int Griglia::larghezzaPx(int c) const { return Pixel(colWidth(c)); }

int Griglia::larghezzaTesti(int c) const {
  if (c < 0 || c >= mColonne) return 0;
  const QFontMetrics m = fontMetrics();
  int massimo = 0;
  for (int r = 0; r < mRighe; ++r) massimo = std::max(massimo, m.horizontalAdvance(cella(r, c).testo));
  return Twip(massimo + 2 * kMargine + 2);
}
int Griglia::altezzaPx(int r) const { return mAltezze[r] >= 0 ? Pixel(mAltezze[r]) : altezzaPredefinita(); }
int Griglia::altezzaPredefinita() const { return fontMetrics().height() + 6; }

int Griglia::primaRigaMassima() const {
  int alto = 0;
  for (int r = 0; r < mRigheFisse; ++r) alto += altezzaPx(r);
  const int disponibile = viewport()->height() - alto;
  int r = mRighe - 1, somma = 0;
  while (r >= mRigheFisse && somma + altezzaPx(r) <= disponibile) somma += altezzaPx(r--);
  return std::max(mRigheFisse, std::min(r + 1, mRighe - 1));
}

int Griglia::primaColonnaMassima() const {
  int largo = 0;
  for (int c = 0; c < mColonneFisse; ++c) largo += larghezzaPx(c);
  const int disponibile = viewport()->width() - largo;
  int c = mColonne - 1, somma = 0;
  while (c >= mColonneFisse && somma + larghezzaPx(c) <= disponibile) somma += larghezzaPx(c--);
  return std::max(mColonneFisse, std::min(c + 1, mColonne - 1));
}

void Griglia::aggiornaBarre() {
  const int righe = std::max(0, primaRigaMassima() - mRigheFisse);
  verticalScrollBar()->setRange(0, righe);
  verticalScrollBar()->setPageStep(std::max(1, viewport()->height() / std::max(1, altezzaPredefinita()) - mRigheFisse));
  verticalScrollBar()->setSingleStep(1);
  const int colonne = std::max(0, primaColonnaMassima() - mColonneFisse);
  horizontalScrollBar()->setRange(0, colonne);
  horizontalScrollBar()->setPageStep(std::max(1, viewport()->width() / kLarghezzaPredefinita));
  horizontalScrollBar()->setSingleStep(1);
}

void Griglia::ridisegna() {
  if (mRidisegna) viewport()->update();
  annuncia();
}

void Griglia::annuncia() {
  if (!QAccessible::isActive() || mAnnuncioInSospeso) return;
  mAnnuncioInSospeso = true;
  QTimer::singleShot(0, this, [this] {
    mAnnuncioInSospeso = false;
    QAccessibleTableModelChangeEvent cambio(this, QAccessibleTableModelChangeEvent::ModelReset);
    QAccessible::updateAccessibility(&cambio);
    auto* tabella = static_cast<GrigliaAccessibile*>(QAccessible::queryAccessibleInterface(this));
    if (QAccessibleInterface* corrente = tabella && hasFocus() ? tabella->cella(mRiga, mColonna) : nullptr) {
      QAccessibleEvent fuoco(corrente, QAccessible::Focus);
      QAccessible::updateAccessibility(&fuoco);
    }
  });
}

QRect Griglia::cellRect(int r, int c) const {
  if (!valida(r, c)) return QRect();
  int y = 0;
  bool trovata = false;
  for (int i = 0; i < mRigheFisse && !trovata; ++i) {
    if (i == r) trovata = true;
    else y += altezzaPx(i);
  }
  if (!trovata) {
    if (r < topRow()) return QRect();
    for (int i = topRow(); i < r; ++i) y += altezzaPx(i);
  }
  int x = 0;
  trovata = false;
  for (int i = 0; i < mColonneFisse && !trovata; ++i) {
    if (i == c) trovata = true;
    else x += larghezzaPx(i);
  }
  if (!trovata) {
    if (c < leftCol()) return QRect();
    for (int i = leftCol(); i < c; ++i) x += larghezzaPx(i);
  }
  const QRect rett(x, y, larghezzaPx(c), altezzaPx(r));
  if (x >= viewport()->width() || y >= viewport()->height()) return QRect();
  return rett;
}

bool Griglia::cellAt(const QPoint& punto, int* r, int* c) const {
  int riga = -1, colonna = -1;
  int y = 0;
  for (int i = 0; i < mRigheFisse && riga < 0; ++i) {
    if (punto.y() < y + altezzaPx(i)) riga = i;
    y += altezzaPx(i);
  }
  for (int i = topRow(); i < mRighe && riga < 0 && y <= punto.y(); ++i) {
    if (punto.y() < y + altezzaPx(i)) riga = i;
    y += altezzaPx(i);
  }
  int x = 0;
  for (int i = 0; i < mColonneFisse && colonna < 0; ++i) {
    if (punto.x() < x + larghezzaPx(i)) colonna = i;
    x += larghezzaPx(i);
  }
  for (int i = leftCol(); i < mColonne && colonna < 0 && x <= punto.x(); ++i) {
    if (punto.x() < x + larghezzaPx(i)) colonna = i;
    x += larghezzaPx(i);
  }
  if (riga < 0 || colonna < 0 || punto.x() < 0 || punto.y() < 0) return false;
  if (r) *r = riga;
  if (c) *c = colonna;
  return true;
}

QSize Griglia::sizeHint() const {
  // The whole grid inside its frame. A grid that scrolls its rows keeps room
  // for the vertical bar; one that never does keeps room for the horizontal
  // bar instead, so that no row hides behind it.
  int larghezza = 2 * frameWidth(), altezza = 2 * frameWidth();
  for (int c = 0; c < mColonne; ++c) larghezza += larghezzaPx(c);
  const int predefinita = altezzaPredefinita();
  for (int r = 0; r < mRighe; ++r) altezza += mAltezze[r] >= 0 ? Pixel(mAltezze[r]) : predefinita;
  const int barra = style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, this);
  const Qt::ScrollBarPolicy verticale = verticalScrollBarPolicy(), orizzontale = horizontalScrollBarPolicy();
  if (verticale != Qt::ScrollBarAlwaysOff) larghezza += barra;
  if (orizzontale == Qt::ScrollBarAlwaysOn ||
      (orizzontale == Qt::ScrollBarAsNeeded && verticale == Qt::ScrollBarAlwaysOff))
    altezza += barra;
  return {larghezza, altezza};
}

void Griglia::disegnaCella(QPainter& p, const QRect& rett, int r, int c, bool fissa) const {
  p.fillRect(rett, cellBackColor(r, c));
  p.setPen(fissa ? QColor(0x80, 0x80, 0x80) : QColor(0xC0, 0xC0, 0xC0));
  p.drawLine(rett.topRight(), rett.bottomRight());
  p.drawLine(rett.bottomLeft(), rett.bottomRight());
  const QString& testo = cella(r, c).testo;
  if (!testo.isEmpty()) {
    p.setPen(cellForeColor(r, c));
    p.drawText(rett.adjusted(kMargine, 0, -kMargine, 0), static_cast<int>(cellAlignment(r, c)) | Qt::TextSingleLine, testo);
  }
}

void Griglia::paintEvent(QPaintEvent*) {
  if (!mRidisegna) return;
  QPainter p(viewport());
  p.fillRect(viewport()->rect(), palette().color(QPalette::Window));
  const int larghezza = viewport()->width(), altezza = viewport()->height();
  // Rows and columns in view: the fixed ones, then the body from top/left.
  std::vector<std::pair<int, int>> righe, colonne;  // index, position
  int y = 0;
  for (int r = 0; r < mRigheFisse && y < altezza; ++r) { righe.push_back({r, y}); y += altezzaPx(r); }
  for (int r = topRow(); r < mRighe && y < altezza; ++r) { righe.push_back({r, y}); y += altezzaPx(r); }
  int x = 0;
  for (int c = 0; c < mColonneFisse && x < larghezza; ++c) { colonne.push_back({c, x}); x += larghezzaPx(c); }
  for (int c = leftCol(); c < mColonne && x < larghezza; ++c) { colonne.push_back({c, x}); x += larghezzaPx(c); }
  const QFont carattere = font();
  for (const auto& [r, ry] : righe) {
    const int h = altezzaPx(r);
    for (std::size_t i = 0; i < colonne.size(); ++i) {
      const auto [c, cx] = colonne[i];
      int w = larghezzaPx(c);
      const bool fissa = r < mRigheFisse || c < mColonneFisse;
      if (mRigheUnite[r] && !cella(r, c).testo.isEmpty()) {
        // Merge with the following columns in view that hold the same text
        // (never across the edge between fixed and body columns).
        std::size_t j = i + 1;
        while (j < colonne.size() && (colonne[j].first < mColonneFisse) == (c < mColonneFisse) &&
               cella(r, colonne[j].first).testo == cella(r, c).testo) {
          w += larghezzaPx(colonne[j].first);
          ++j;
        }
        disegnaCella(p, QRect(cx, ry, w, h), r, c, fissa);
        i = j - 1;
        continue;
      }
      disegnaCella(p, QRect(cx, ry, w, h), r, c, fissa);
    }
  }
  if (hasFocus() && valida(mRiga, mColonna)) {
    const QRect corrente = cellRect(mRiga, mColonna);
    if (!corrente.isNull()) {
      QPen penna(Qt::black, 1, Qt::DotLine);
      p.setPen(penna);
      p.setBrush(Qt::NoBrush);
      p.drawRect(corrente.adjusted(1, 1, -2, -2));
    }
  }
  Q_UNUSED(carattere);
}

void Griglia::resizeEvent(QResizeEvent* e) {
  QAbstractScrollArea::resizeEvent(e);
  aggiornaBarre();
}

void Griglia::mousePressEvent(QMouseEvent* e) {
  int r = 0, c = 0;
  mPremuto = false;
  if (!cellAt(e->position().toPoint(), &r, &c)) return;
  mRigaMouse = r;
  mColonnaMouse = c;
  if (e->button() == Qt::LeftButton) {
    if (r >= mRigheFisse) mRiga = r;
    if (c >= mColonneFisse) mColonna = c;
    mPremuto = true;
    ridisegna();
  }
}

void Griglia::mouseReleaseEvent(QMouseEvent* e) {
  if (mPremuto && e->button() == Qt::LeftButton) {
    mPremuto = false;
    emit click();
  }
}

void Griglia::mouseDoubleClickEvent(QMouseEvent* e) {
  int r = 0, c = 0;
  if (e->button() != Qt::LeftButton || !cellAt(e->position().toPoint(), &r, &c)) return;
  mRigaMouse = r;
  mColonnaMouse = c;
  emit dblClick();
}

void Griglia::mostraCella(int r, int c) {
  if (r >= mRigheFisse) {
    if (r < topRow()) setTopRow(r);
    else {
      while (topRow() < r && cellRect(r, std::max(c, mColonneFisse)).isNull() && topRow() < primaRigaMassima())
        setTopRow(topRow() + 1);
      // The whole row must be in view, not only its top.
      while (topRow() < std::min(r, primaRigaMassima())) {
        const QRect rett = cellRect(r, mColonneFisse < mColonne ? mColonneFisse : 0);
        if (!rett.isNull() && rett.bottom() < viewport()->height()) break;
        setTopRow(topRow() + 1);
      }
    }
  }
  if (c >= mColonneFisse) {
    if (c < leftCol()) setLeftCol(c);
    else {
      while (leftCol() < std::min(c, primaColonnaMassima())) {
        const QRect rett = cellRect(mRigheFisse < mRighe ? mRigheFisse : 0, c);
        if (!rett.isNull() && rett.right() < viewport()->width()) break;
        setLeftCol(leftCol() + 1);
      }
    }
  }
}

void Griglia::keyPressEvent(QKeyEvent* e) {
  int r = mRiga, c = mColonna;
  const int pagina = std::max(1, verticalScrollBar()->pageStep());
  switch (e->key()) {
    case Qt::Key_Up: --r; break;
    case Qt::Key_Down: ++r; break;
    case Qt::Key_Left: --c; break;
    case Qt::Key_Right: ++c; break;
    case Qt::Key_PageUp: r -= pagina; break;
    case Qt::Key_PageDown: r += pagina; break;
    case Qt::Key_Home: c = mColonneFisse; if (e->modifiers() & Qt::ControlModifier) r = mRigheFisse; break;
    case Qt::Key_End: c = mColonne - 1; if (e->modifiers() & Qt::ControlModifier) r = mRighe - 1; break;
    default: QAbstractScrollArea::keyPressEvent(e); return;
  }
  r = std::clamp(r, mRigheFisse, std::max(mRigheFisse, mRighe - 1));
  c = std::clamp(c, mColonneFisse, std::max(mColonneFisse, mColonne - 1));
  mRiga = r;
  mColonna = c;
  mostraCella(r, c);
  ridisegna();
}

void Griglia::scrollContentsBy(int, int) { ridisegna(); }

void Griglia::changeEvent(QEvent* e) {
  QAbstractScrollArea::changeEvent(e);
  if (e->type() == QEvent::FontChange) {
    aggiornaBarre();
    updateGeometry();
    ridisegna();
  }
}

}  // namespace ui
