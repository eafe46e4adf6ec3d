#include "ui/Servizi.h"

#include <QApplication>
#include <QClipboard>
#include <QDesktopServices>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFileDialog>
#include <QFileSystemModel>
#include <QHeaderView>
#include <QIdentityProxyModel>
#include <QInputDialog>
#include <QLabel>
#include <QLocale>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMessageBox>
#include <QMimeData>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QSettings>
#include <QShowEvent>
#include <QTreeView>
#include <QUrl>
#include <algorithm>
#include <cerrno>

#include <sys/stat.h>
#include <unistd.h>

#include "ui/FinestraAiuto.h"
#include "ui/NomiAccessibili.h"
#include "ui/Sessione.h"
#include "ui/StampanteQt.h"

namespace ui {
namespace {

// "File di Output (*.txt)|*.txt" -> "File di Output (*.txt)".
QString FiltroQt(const QString& filtro) {
  const QStringList parti = filtro.split(QLatin1Char('|'));
  QStringList out;
  for (qsizetype i = 0; i + 1 < parti.size(); i += 2) {
    QString descrizione = parti[i];
    if (!descrizione.contains(QLatin1Char('('))) descrizione += QStringLiteral(" (") + parti[i + 1] + QLatin1Char(')');
    out << descrizione;
  }
  if (out.isEmpty() && !filtro.isEmpty()) out << filtro;
  return out.join(QStringLiteral(";;"));
}

// What a message box puts beside its text (icon, margins, frame) and above
// and below it (title bar, margins, buttons), with room to spare.
constexpr int kContornoLargo = 120;
constexpr int kContornoAlto = 240;

// How many rows a line takes wrapped at `larghezza`; a word wider than that
// stands on a row of its own.
int Righe(const QString& riga, const QFontMetrics& fm, int larghezza) {
  if (riga.isEmpty()) return 1;
  const int alta =
      fm.boundingRect(QRect(0, 0, larghezza, 1 << 24), Qt::TextWordWrap, riga).height();
  return std::max(1, (alta + fm.height() - 1) / std::max(1, fm.height()));
}

// The longest start of a line that, with "…" after it, wraps into `righe` rows.
QString PrimaParte(const QString& riga, int righe, const QFontMetrics& fm, int larghezza) {
  qsizetype dentro = 0;
  qsizetype fuori = riga.size();
  while (fuori - dentro > 1) {
    const qsizetype mezzo = dentro + (fuori - dentro) / 2;
    if (Righe(riga.left(mezzo) + u'…', fm, larghezza) <= righe)
      dentro = mezzo;
    else
      fuori = mezzo;
  }
  return riga.left(dentro) + u'…';
}

// A line whose words are each no wider than `larghezza`: a longer one (a
// name, a quoted line) loses its middle, so that what follows it stays.
QString ParoleCheEntrano(const QString& riga, const QFontMetrics& fm, int larghezza) {
  if (fm.horizontalAdvance(riga) <= larghezza) return riga;
  QStringList parole = riga.split(QLatin1Char(' '));
  for (QString& p : parole)
    if (fm.horizontalAdvance(p) > larghezza) p = fm.elidedText(p, Qt::ElideMiddle, larghezza);
  return parole.join(QLatin1Char(' '));
}

// The size and date columns of a file dialog in Italian: the file system
// model writes them in the system's locale, whatever the program's.
class ColonneItaliane : public QIdentityProxyModel {
 public:
  using QIdentityProxyModel::QIdentityProxyModel;

  QVariant data(const QModelIndex& indice, int ruolo) const override {
    const auto* file = qobject_cast<const QFileSystemModel*>(sourceModel());
    const QModelIndex origine = mapToSource(indice);
    if (ruolo == Qt::DisplayRole && file && origine.isValid()) {
      // A folder has no size to show.
      if (indice.column() == 1 && !file->isDir(origine))
        return QLocale().formattedDataSize(file->size(origine));
      if (indice.column() == 3)
        return QLocale().toString(file->lastModified(origine), QLocale::ShortFormat);
    }
    return QIdentityProxyModel::data(indice, ruolo);
  }
};

// A box or input box stands over the tool window it speaks for, which Qt
// would not do: it centres a dialog on its parent, and the parent of a tool
// window's box is the main window (see DialoghiQt). Elsewhere Qt's place holds.
template <class D>
class Sopra : public D {
 public:
  Sopra(QWidget* padre, QWidget* origine) : D(padre) {
    for (QWidget* w = origine; w && !w->isWindow(); w = w->parentWidget())
      if (auto* s = qobject_cast<QMdiSubWindow*>(w)) mSopra = s;
  }

 protected:
  void showEvent(QShowEvent* e) override {
    D::showEvent(e);
    if (e->spontaneous() || !mSopra || !mSopra->isVisible()) return;
    const QRect schermo = this->screen()->availableGeometry();
    QRect r = this->frameGeometry();
    // The part of the window in view: a window larger than the host scrolls.
    QRect finestra(mSopra->mapToGlobal(QPoint(0, 0)), mSopra->size());
    if (const QMdiArea* area = mSopra->mdiArea())
      finestra &= QRect(area->viewport()->mapToGlobal(QPoint(0, 0)), area->viewport()->size());
    r.moveCenter(finestra.center());
    r.moveRight(std::min(r.right(), schermo.right()));
    r.moveBottom(std::min(r.bottom(), schermo.bottom()));
    r.moveLeft(std::max(r.left(), schermo.left()));
    r.moveTop(std::max(r.top(), schermo.top()));
    this->move(r.topLeft());
  }

 private:
  QPointer<QMdiSubWindow> mSopra;
};

// Boxes and dialogs live on the heap, parented to the top-level window so
// that a closing tool window never takes one with it; each runs inside a
// Sessione, so that the tool window stays until the box has returned. A box
// ended by a request to close its window answers as its escape button.
class DialoghiQt : public Dialoghi {
 public:
  Risposta messaggio(QWidget* padre, const QString& testo, Icona icona, Pulsanti pulsanti,
                     const QString& titolo, Risposta predefinita) override {
    QPointer<QMessageBox> box = new Sopra<QMessageBox>(Superiore(padre), padre);
    box->setWindowTitle(titolo.isEmpty() ? servizi().titolo : titolo);
    // Names, lines and pasted text read as they are, never as markup.
    box->setTextFormat(Qt::PlainText);
    const QScreen* schermo = box->screen() ? box->screen() : QGuiApplication::primaryScreen();
    const auto* etichetta = box->findChild<QLabel*>(QStringLiteral("qt_msgbox_label"));
    box->setText(TestoCheEntra(QString(testo).replace(QStringLiteral("\r\n"), QStringLiteral("\n")),
                               etichetta ? etichetta->fontMetrics() : box->fontMetrics(),
                               schermo->availableGeometry().size()));
    switch (icona) {
      case Icona::Nessuna: box->setIcon(QMessageBox::NoIcon); break;
      case Icona::Critica: box->setIcon(QMessageBox::Critical); break;
      case Icona::Domanda: box->setIcon(QMessageBox::Question); break;
      case Icona::Esclamativa: box->setIcon(QMessageBox::Warning); break;
      case Icona::Informazione: box->setIcon(QMessageBox::Information); break;
    }
    QPushButton* ok = nullptr;
    QPushButton* annulla = nullptr;
    QPushButton* si = nullptr;
    QPushButton* no = nullptr;
    if (pulsanti == Pulsanti::Ok || pulsanti == Pulsanti::OkAnnulla)
      ok = box->addButton(QStringLiteral("OK"), QMessageBox::AcceptRole);
    if (pulsanti == Pulsanti::SiNo || pulsanti == Pulsanti::SiNoAnnulla) {
      si = box->addButton(QStringLiteral("&Sì"), QMessageBox::YesRole);
      no = box->addButton(QStringLiteral("&No"), QMessageBox::NoRole);
    }
    if (pulsanti == Pulsanti::OkAnnulla || pulsanti == Pulsanti::SiNoAnnulla)
      annulla = box->addButton(QStringLiteral("Annulla"), QMessageBox::RejectRole);
    QPushButton* predefinito = predefinita == Risposta::No ? no
                               : predefinita == Risposta::Annulla ? annulla
                               : predefinita == Risposta::Si ? si : ok;
    if (!predefinito) predefinito = ok ? ok : si;
    box->setDefaultButton(predefinito);
    QPushButton* fuga = annulla ? annulla : no ? no : ok;
    box->setEscapeButton(fuga);
    const Risposta rispostaFuga = fuga == annulla ? Risposta::Annulla : fuga == no ? Risposta::No : Risposta::Ok;
    bool interrotta = false;
    {
      Sessione sessione(padre, box);
      box->exec();
      interrotta = sessione.interrotta();
    }
    if (!box) return rispostaFuga;
    const QAbstractButton* scelto = interrotta ? nullptr : box->clickedButton();
    delete box;
    if (!scelto) return rispostaFuga;
    if (scelto == si) return Risposta::Si;
    if (scelto == no) return Risposta::No;
    if (scelto == annulla) return Risposta::Annulla;
    return Risposta::Ok;
  }

  std::optional<QString> chiedi(QWidget* padre, const QString& domanda, const QString& titolo,
                                const QString& predefinito) override {
    QPointer<QInputDialog> d = new Sopra<QInputDialog>(Superiore(padre), padre);
    d->setWindowTitle(titolo.isEmpty() ? servizi().titolo : titolo);
    d->setLabelText(QString(domanda).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
    d->setTextValue(predefinito);
    d->setOkButtonText(QStringLiteral("OK"));
    d->setCancelButtonText(QStringLiteral("Annulla"));
    if (Esegui(padre, d) != QDialog::Accepted) {
      delete d;
      return std::nullopt;
    }
    const QString testo = d->textValue();
    delete d;
    return testo;
  }

  QString salva(QWidget* padre, const DialogoFile& f) override { return Dialogo(padre, f, true); }
  QString apri(QWidget* padre, const DialogoFile& f) override { return Dialogo(padre, f, false); }

  // The modal window belongs to its caller (often on the caller's stack);
  // its session keeps the tool window, its parent, alive meanwhile.
  int esegui(QDialog* finestra) override {
    DaiNomi(finestra);
    return Esegui(finestra->parentWidget(), finestra);
  }

  void popup(QMenu* menu, const QPoint& dove) override {
    Sessione sessione(menu->parentWidget(), menu);
    menu->exec(dove);
  }

 private:
  // The top-level window above a box's owner: the main window for a tool.
  static QWidget* Superiore(QWidget* padre) { return padre ? padre->window() : nullptr; }

  // Runs a dialog's loop in a session of the tool window that holds
  // `origine`; Rejected when the dialog went away or was ended.
  static int Esegui(QWidget* origine, QDialog* d) {
    QPointer<QDialog> guardia(d);
    Sessione sessione(origine, d);
    const int esito = d->exec();
    if (!guardia || sessione.interrotta()) return QDialog::Rejected;
    return esito;
  }

  // Whether a folder can be shown: there and entered (read and searched).
  enum class Accesso { Si, Assente, Negato };
  static Accesso Raggiungibile(const QString& cartella) {
    const QByteArray nome = QFile::encodeName(cartella);
    struct stat info;
    if (::stat(nome.constData(), &info) != 0)
      return errno == ENOENT || errno == ENOTDIR ? Accesso::Assente : Accesso::Negato;
    // A file that took the folder's name: the folder is gone.
    if (!S_ISDIR(info.st_mode)) return Accesso::Assente;
    return ::access(nome.constData(), R_OK | X_OK) == 0 ? Accesso::Si : Accesso::Negato;
  }

  // The folder a dialog opens in: the one it was asked for, else the folder
  // the user last chose or moved to in these dialogs, else the data folder;
  // never what Qt keeps of its own dialogs. A folder that cannot be shown
  // gives way to the nearest folder above it that can: Qt would show another
  // one without a word, where the proposed name may be another file. A save
  // dialog says so in a box first, and looks again once the box is gone: a
  // folder that went meanwhile is named in a box of its own.
  QString Cartella(QWidget* padre, const QString& chiesta, bool salva) const {
    QString cartella = chiesta;
    if (cartella.isEmpty()) cartella = mUltima;
    if (cartella.isEmpty()) cartella = servizi().cartellaDati;
    if (cartella.isEmpty()) cartella = QDir::currentPath();
    cartella = Pulita(cartella);
    for (;;) {
      const Accesso accesso = Raggiungibile(cartella);
      if (accesso == Accesso::Si) return cartella;
      QString altra = cartella;
      while (Raggiungibile(altra) != Accesso::Si) {
        const QString sopra = QFileInfo(altra).absolutePath();
        if (sopra == altra) break;
        altra = sopra;
      }
      if (Raggiungibile(altra) != Accesso::Si) altra = Pulita(QDir::currentPath());
      if (!salva || altra == cartella) return altra;
      Msg(padre,
          QStringLiteral("La cartella «%1» %2.\r\nIl file si può salvare in «%3» o in "
                         "un'altra cartella.")
              .arg(QDir::toNativeSeparators(cartella),
                   accesso == Accesso::Assente ? QStringLiteral("non esiste più")
                                               : QStringLiteral("non è accessibile"),
                   QDir::toNativeSeparators(altra)),
          Icona::Esclamativa);
      cartella = altra;
    }
  }

  static QString Pulita(const QString& cartella) {
    return QDir::cleanPath(QFileInfo(cartella).absoluteFilePath());
  }

  QString Dialogo(QWidget* padre, const DialogoFile& f, bool salva) {
    const QString cartella = Cartella(padre, f.cartella, salva);
    QPointer<QFileDialog> d = new QFileDialog(Superiore(padre), f.titolo);
    d->setAcceptMode(salva ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    d->setFileMode(salva ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    d->setNameFilter(FiltroQt(f.filtro));
    QString estensione = f.estensione;
    if (estensione.startsWith(QLatin1Char('.'))) estensione.remove(0, 1);
    d->setDefaultSuffix(estensione);
    d->setDirectory(cartella);
    if (!f.nome.isEmpty()) d->selectFile(f.nome);
    // Wide enough for the name, size, type and date columns whole.
    const QSize voluta = d->sizeHint().expandedTo(QSize(840, 500));
    const QScreen* schermo = padre && padre->screen() ? padre->screen() : QGuiApplication::primaryScreen();
    d->resize(schermo ? voluta.boundedTo(schermo->availableGeometry().size()) : voluta);
    auto* vista = d->findChild<QTreeView*>(QStringLiteral("treeView"));
    auto* modello = d->findChild<QFileSystemModel*>();
    if (modello) d->setProxyModel(new ColonneItaliane(d));
    if (vista && modello)
      QObject::connect(modello, &QFileSystemModel::directoryLoaded, vista, [vista] {
        for (int c = 1; c < vista->header()->count(); ++c) vista->resizeColumnToContents(c);
      });
    const bool scelto = Esegui(padre, d) == QDialog::Accepted && d && !d->selectedFiles().isEmpty();
    const QString nome = scelto ? d->selectedFiles().constFirst() : QString();
    // What the next dialog asked for no folder shows: the folder of the file
    // chosen, or one the user moved to in a cancelled dialog. The folder it
    // opened in is the user's only if the user chose it: one the service
    // fell back to is not, and the folder meant stays remembered, so that the
    // next save says again that it is gone, or opens there once it is back.
    if (scelto) {
      mUltima = QFileInfo(nome).absolutePath();
    } else if (d) {
      const QString lasciata = Pulita(d->directory().absolutePath());
      if (lasciata != cartella) mUltima = lasciata;
    }
    delete d;
    return nome;
  }

 public:
  // A new set of services starts without the memory of earlier dialogs.
  void dimentica() { mUltima.clear(); }

 private:
  QString mUltima;  // the folder the user last chose or moved to in these dialogs
};

class AppuntiQt : public Appunti {
 public:
  QString testo() override {
    const QMimeData* dati = QGuiApplication::clipboard()->mimeData();
    return dati && dati->hasText() ? dati->text() : QString();
  }
  void scrivi(const QString& testo) override { QGuiApplication::clipboard()->setText(testo); }
};

class ImpostazioniQt : public Impostazioni {
 public:
  QString leggi(const QString& sezione, const QString& chiave, const QString& predefinito) override {
    QSettings s(QSettings::NativeFormat, QSettings::UserScope, servizi().titolo);
    return s.value(sezione + QLatin1Char('/') + chiave, predefinito).toString();
  }
  void scrivi(const QString& sezione, const QString& chiave, const QString& valore) override {
    QSettings s(QSettings::NativeFormat, QSettings::UserScope, servizi().titolo);
    s.setValue(sezione + QLatin1Char('/') + chiave, valore);
  }
};

class AiutoQt : public Aiuto {
 public:
  void mostra(int argomento) override { FinestraAiuto::Mostra(servizi().cartellaProgramma, argomento); }
};

class DesktopQt : public Desktop {
 public:
  bool apri(const QUrl& indirizzo) override { return QDesktopServices::openUrl(indirizzo); }
};

Servizi& Installati() {
  static Servizi s;
  return s;
}

}  // namespace

QString TestoCheEntra(const QString& testo, const QFontMetrics& fm, QSize schermo) {
  // Qt lets a box grow to the width of a screen up to 1024 px wide, on a
  // wider one to 480 px less but never over 1000 px; a longer text wraps,
  // on rows at least half the screen (at most 500 px) wide.
  const int massima =
      schermo.width() <= 1024 ? schermo.width() : std::min(schermo.width() - 480, 1000);
  const int parola = std::max(100, std::min(massima, schermo.width() - 40) - kContornoLargo);
  const int aCapo = std::max(100, std::min(schermo.width() / 2, 500) - kContornoLargo);
  const int righeMax =
      std::max(3, (schermo.height() - kContornoAlto) / std::max(1, fm.lineSpacing()));
  QStringList righe = testo.split(QLatin1Char('\n'));
  int totale = 0;
  for (QString& r : righe) {
    r = ParoleCheEntrano(r, fm, parola);
    totale += Righe(r, fm, aCapo);
  }
  if (totale <= righeMax) return righe.join(QLatin1Char('\n'));
  // Too tall: the first lines as far as they go, then "…", and the last line
  // when it is short (the question a box asks, the end of a list).
  const int ultima = Righe(righe.constLast(), fm, aCapo);
  const bool tieniUltima = righe.size() > 1 && ultima <= righeMax / 3;
  int libere = righeMax - (tieniUltima ? ultima : 0);
  const qsizetype fine = righe.size() - (tieniUltima ? 1 : 0);
  QStringList out;
  for (qsizetype i = 0; i < fine; ++i) {
    const int r = Righe(righe[i], fm, aCapo);
    if (r < libere || (r == libere && i + 1 == fine)) {
      out << righe[i];
      libere -= r;
      continue;
    }
    out << (libere > 1 ? PrimaParte(righe[i], libere, fm, aCapo) : QStringLiteral("…"));
    break;
  }
  if (tieniUltima) out << righe.constLast();
  return out.join(QLatin1Char('\n'));
}

Servizi& servizi() { return Installati(); }

Servizi installaServizi(const Servizi& s) {
  Servizi prima = Installati();
  Installati() = s;
  return prima;
}

void installaServiziQt(const QString& titolo, const QString& cartellaProgramma) {
  static DialoghiQt dialoghi;
  dialoghi.dimentica();
  static AppuntiQt appunti;
  static StampanteQt stampante;
  static ImpostazioniQt impostazioni;
  static AiutoQt aiuto;
  static DesktopQt desktop;
  installaServizi({&dialoghi, &appunti, &stampante, &impostazioni, &aiuto, &desktop, titolo,
                   cartellaProgramma, QString()});
}

Risposta Msg(QWidget* padre, const QString& testo, Icona icona, Pulsanti pulsanti,
             const QString& titolo, Risposta predefinita) {
  return servizi().dialoghi->messaggio(padre, testo, icona, pulsanti, titolo, predefinita);
}

}  // namespace ui
