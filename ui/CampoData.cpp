#include "ui/CampoData.h"

#include <QApplication>
#include <QCalendarWidget>
#include <QClipboard>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QTimer>
#include <QToolButton>

namespace ui {
namespace {

constexpr int kCifreGruppo[3] = {2, 2, 4};

bool Separatore(QChar c) {
  return c == QLatin1Char('/') || c == QLatin1Char('.') || c == QLatin1Char('-') || c == QLatin1Char(' ');
}

}  // namespace

CampoData::CampoData(QWidget* parent) : QWidget(parent) {
  mTesto = new QLineEdit(this);
  mTesto->setObjectName(QStringLiteral("testoData"));
  mTesto->setAccessibleName(QStringLiteral("Data"));
  mTesto->setContextMenuPolicy(Qt::NoContextMenu);
  mTesto->setAcceptDrops(false);
  mTesto->installEventFilter(this);
  mPulsante = new QToolButton(this);
  mPulsante->setArrowType(Qt::DownArrow);
  mPulsante->setFocusPolicy(Qt::NoFocus);
  mPulsante->setAccessibleName(QStringLiteral("Calendario"));
  mPulsante->setToolTip(QStringLiteral("Calendario (Alt+Giù)"));
  auto* riga = new QHBoxLayout(this);
  riga->setContentsMargins(0, 0, 0, 0);
  riga->setSpacing(0);
  riga->addWidget(mTesto, 1);
  riga->addWidget(mPulsante);
  setFocusProxy(mTesto);
  setFocusPolicy(Qt::StrongFocus);
  connect(mPulsante, &QToolButton::clicked, this, &CampoData::apriCalendario);
  setDate(QDate::currentDate());
}

QString CampoData::Testo(const QDate& data) { return data.toString(QStringLiteral("dd/MM/yyyy")); }

QString CampoData::testo() const { return mTesto->text(); }

void CampoData::setDate(const QDate& data) {
  if (!data.isValid() || data < mMinima || data > mMassima) return;
  mBattitura = {};
  mValida = true;
  imposta(data);
}

void CampoData::setDateRange(const QDate& minima, const QDate& massima) {
  mMinima = minima;
  mMassima = massima;
  if (mData < mMinima) setDate(mMinima);
  if (mData > mMassima) setDate(mMassima);
}

void CampoData::imposta(const QDate& data) {
  const bool cambiata = data != mData;
  mData = data;
  if (!mBattitura.inCorso) mTesto->setText(Testo(data));
  if (cambiata) emit dateChanged(data);
}

QDate CampoData::completa() const {
  const QString* g = mBattitura.gruppi;
  if (g[0].isEmpty()) return QDate();
  const int giorno = g[0].toInt();
  const int mese = g[1].isEmpty() ? mData.month() : g[1].toInt();
  int anno = mData.year();
  if (g[2].size() == 2) {
    const int prossimo = QDate::currentDate().year() + 1;
    anno = prossimo - (prossimo - g[2].toInt()) % 100;
  } else if (g[2].size() == 4) {
    anno = g[2].toInt();
  } else if (!g[2].isEmpty()) {
    return QDate();
  }
  const QDate d(anno, mese, giorno);
  return d.isValid() && d >= mMinima && d <= mMassima ? d : QDate();
}

bool CampoData::conferma() {
  if (!mBattitura.inCorso) return mValida;
  mBattitura.inCorso = false;
  const QDate d = completa();
  if (d.isValid() || mBattitura.gruppi[0].isEmpty()) {
    mValida = true;
    mBattitura = {};
    imposta(d.isValid() ? d : mData);
    return true;
  }
  // The text typed stays in view, so that the user sees what was refused.
  QApplication::beep();
  mValida = false;
  return false;
}

void CampoData::inizia() {
  mBattitura = {};
  mBattitura.inCorso = true;
}

void CampoData::cifra(QChar c) {
  Battitura& b = mBattitura;
  if (!b.inCorso) inizia();
  if (b.gruppi[b.gruppo].size() >= kCifreGruppo[b.gruppo]) {
    if (b.gruppo == 2) {
      QApplication::beep();
      return;
    }
    ++b.gruppo;
  }
  QString& g = b.gruppi[b.gruppo];
  g += c;
  // A day above 3 or a month above 1 cannot take a second digit.
  const bool completo = g.size() == kCifreGruppo[b.gruppo] ||
                        (g.size() == 1 && b.gruppo == 0 && c > QLatin1Char('3')) ||
                        (g.size() == 1 && b.gruppo == 1 && c > QLatin1Char('1'));
  b.avanzato = false;
  if (completo && b.gruppo < 2) {
    g = g.rightJustified(2, QLatin1Char('0'));
    ++b.gruppo;
    b.avanzato = true;
  }
  mostraBattitura();
}

void CampoData::separatore() {
  Battitura& b = mBattitura;
  if (!b.inCorso || b.gruppo == 2) return;
  if (b.avanzato) {
    b.avanzato = false;
    return;
  }
  QString& g = b.gruppi[b.gruppo];
  if (g.isEmpty()) return;
  g = g.rightJustified(2, QLatin1Char('0'));
  ++b.gruppo;
  mostraBattitura();
}

void CampoData::cancella() {
  Battitura& b = mBattitura;
  if (!b.inCorso) {
    // A refused text is taken up again; otherwise the date is typed anew.
    if (mValida) inizia();
    else b.inCorso = true;
  }
  b.avanzato = false;
  while (b.gruppo > 0 && b.gruppi[b.gruppo].isEmpty()) --b.gruppo;
  QString& g = b.gruppi[b.gruppo];
  if (!g.isEmpty()) g.chop(1);
  mostraBattitura();
}

void CampoData::mostraBattitura() {
  const Battitura& b = mBattitura;
  QString t = b.gruppi[0];
  for (int k = 1; k <= b.gruppo; ++k) t += QLatin1Char('/') + b.gruppi[k];
  mTesto->setText(t);
  mTesto->setCursorPosition(static_cast<int>(t.size()));
  // A whole date typed is the field's date at once.
  if (b.gruppi[2].size() == 4) {
    const QDate d = completa();
    if (d.isValid()) imposta(d);
  }
}

void CampoData::selezionaGiorno() {
  if (mBattitura.inCorso) return;
  if (mValida) mTesto->setSelection(0, 2);
  else mTesto->selectAll();
}

void CampoData::apriCalendario() {
  conferma();
  if (!mCalendario) {
    mCalendario = new QCalendarWidget(this);
    mCalendario->setWindowFlags(Qt::Popup);
    mCalendario->setAccessibleName(QStringLiteral("Calendario"));
    mCalendario->installEventFilter(this);
    auto scegli = [this](const QDate& d) {
      mCalendario->close();
      setDate(d);
      mTesto->setFocus(Qt::PopupFocusReason);
    };
    connect(mCalendario, &QCalendarWidget::clicked, this, scegli);
    connect(mCalendario, &QCalendarWidget::activated, this, scegli);
  }
  mCalendario->setDateRange(mMinima, mMassima);
  mCalendario->setSelectedDate(mData);
  mCalendario->adjustSize();
  mCalendario->move(mapToGlobal(QPoint(0, height())));
  mCalendario->show();
  mCalendario->setFocus(Qt::PopupFocusReason);
}

bool CampoData::tasto(QKeyEvent* e) {
  const int k = e->key();
  if ((k == Qt::Key_Down && (e->modifiers() & Qt::AltModifier)) || k == Qt::Key_F4) {
    apriCalendario();
    return true;
  }
  if (k == Qt::Key_Return || k == Qt::Key_Enter) {
    conferma();
    return true;
  }
  if (k == Qt::Key_Up || k == Qt::Key_Down) {
    conferma();
    setDate(mData.addDays(k == Qt::Key_Up ? 1 : -1));
    mTesto->setSelection(0, 2);
    return true;
  }
  if (k == Qt::Key_Backspace || k == Qt::Key_Delete) {
    cancella();
    return true;
  }
  if (e->matches(QKeySequence::SelectAll)) {
    conferma();
    mBattitura.inCorso = false;
    return false;
  }
  if (e->matches(QKeySequence::Paste)) {
    for (QChar c : QApplication::clipboard()->text().trimmed()) {
      if (c.isDigit()) cifra(c);
      else if (Separatore(c)) separatore();
    }
    return true;
  }
  // The text changes only through the digits and separators above.
  if (e->matches(QKeySequence::Cut) || e->matches(QKeySequence::Undo) || e->matches(QKeySequence::Redo))
    return true;
  const QString t = e->text();
  if (t.size() != 1 || !t[0].isPrint() || (e->modifiers() & (Qt::ControlModifier | Qt::AltModifier)))
    return false;
  if (t[0].isDigit()) cifra(t[0]);
  else if (Separatore(t[0])) separatore();
  return true;
}

bool CampoData::eventFilter(QObject* oggetto, QEvent* evento) {
  if (oggetto == mCalendario) {
    if (evento->type() == QEvent::KeyPress && static_cast<QKeyEvent*>(evento)->key() == Qt::Key_Escape) {
      mCalendario->close();
      mTesto->setFocus(Qt::PopupFocusReason);
      return true;
    }
    return false;
  }
  if (oggetto != mTesto) return false;
  switch (evento->type()) {
    case QEvent::KeyPress:
      return tasto(static_cast<QKeyEvent*>(evento));
    case QEvent::FocusIn:
    case QEvent::MouseButtonPress:
      // The next digit starts a new date, wherever the click fell; the day
      // stands selected once the line edit has placed its cursor.
      if (evento->type() == QEvent::MouseButtonPress) conferma();
      mBattitura.inCorso = false;
      QTimer::singleShot(0, this, &CampoData::selezionaGiorno);
      return false;
    case QEvent::FocusOut:
      if (static_cast<QFocusEvent*>(evento)->reason() != Qt::PopupFocusReason || !mCalendario ||
          !mCalendario->isVisible())
        conferma();
      return false;
    default:
      return false;
  }
}

}  // namespace ui
