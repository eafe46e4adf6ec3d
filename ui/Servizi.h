// The services through which windows talk to the user and the system:
// message and input boxes, file dialogs, modal windows and popup menus, the
// clipboard, the printer, per-user settings, help and the desktop opener.
//
// Each service is a small interface with a Qt implementation (Servizi.cpp)
// and a scripted one for tests (ServiziDiProva.h), so that no test ever
// blocks on a modal box. Windows reach the installed set through servizi().
#pragma once

#include <QString>
#include <QStringList>
#include <optional>

class QDialog;
class QFontMetrics;
class QMenu;
class QPoint;
class QSize;
class QUrl;
class QWidget;

namespace ui {

enum class Icona { Nessuna, Critica, Domanda, Esclamativa, Informazione };
enum class Pulsanti { Ok, OkAnnulla, SiNo, SiNoAnnulla };
enum class Risposta { Ok, Annulla, Si, No };

// A file dialog's set-up: filter "File di Output (*.txt)|*.txt" in the
// design's notation, default extension (added only to a name typed without
// one), proposed name, starting folder.
struct DialogoFile {
  QString titolo;
  QString filtro;
  QString estensione;
  QString nome;
  QString cartella;
};

class Dialoghi {
 public:
  virtual ~Dialoghi() = default;
  // A message box; an empty title means the application title.
  virtual Risposta messaggio(QWidget* padre, const QString& testo, Icona icona, Pulsanti pulsanti,
                             const QString& titolo, Risposta predefinita) = 0;
  // A one-line input box; nullopt when cancelled.
  virtual std::optional<QString> chiedi(QWidget* padre, const QString& domanda,
                                        const QString& titolo, const QString& predefinito) = 0;
  // Save and open dialogs; an empty result means cancelled. The save dialog
  // asks before replacing a file. A dialog asked for no folder opens in the
  // folder these dialogs last showed, else in the data folder. When that
  // folder is gone or cannot be entered, the save dialog says so in a box
  // first; either opens in the nearest folder above it that can be shown.
  // `nome` is the whole name proposed, extension included.
  virtual QString salva(QWidget* padre, const DialogoFile& d) = 0;
  virtual QString apri(QWidget* padre, const DialogoFile& d) = 0;
  // Shows a modal window and returns its result.
  virtual int esegui(QDialog* finestra) = 0;
  // Pops a menu up at a point (global coordinates) and waits until it closes.
  virtual void popup(QMenu* menu, const QPoint& dove) = 0;
};

class Appunti {
 public:
  virtual ~Appunti() = default;
  // The clipboard's text; empty when it holds none (a picture, nothing).
  virtual QString testo() = 0;
  // Puts a text on the clipboard.
  virtual void scrivi(const QString& testo) = 0;
};

class Stampante {
 public:
  virtual ~Stampante() = default;
  virtual bool installata() = 0;
  // Prints the lines in the font, paginated, as a job named `documento`;
  // false with a reason on failure.
  virtual bool stampa(const QString& documento, const QStringList& righe, const QString& font,
                      int punti, QString* errore) = 0;
};

class Impostazioni {
 public:
  virtual ~Impostazioni() = default;
  virtual QString leggi(const QString& sezione, const QString& chiave, const QString& predefinito) = 0;
  virtual void scrivi(const QString& sezione, const QString& chiave, const QString& valore) = 0;
};

class Aiuto {
 public:
  virtual ~Aiuto() = default;
  // Shows the help page of a topic (10000 main window, 20000/20020 editor, ...).
  virtual void mostra(int argomento) = 0;
};

class Desktop {
 public:
  virtual ~Desktop() = default;
  // Opens a web page or a file with the desktop's default program.
  virtual bool apri(const QUrl& indirizzo) = 0;
};

struct Servizi {
  Dialoghi* dialoghi = nullptr;
  Appunti* appunti = nullptr;
  Stampante* stampante = nullptr;
  Impostazioni* impostazioni = nullptr;
  Aiuto* aiuto = nullptr;
  Desktop* desktop = nullptr;
  QString titolo = QStringLiteral("Tarvolane");  // the application title
  QString cartellaProgramma;                      // help pages live in its help/ folder
  QString cartellaDati;                           // where file dialogs first open
};

// The installed services (the Qt ones unless a test installed others).
Servizi& servizi();
// Installs a set; returns the previous one.
Servizi installaServizi(const Servizi& s);
// Installs the Qt implementations for the given title and program folder.
void installaServiziQt(const QString& titolo, const QString& cartellaProgramma);

// The text of a message box as a screen of this size holds it, in the font
// of the box: a word wider than the widest box loses its middle (so that
// the reason after a long name stays), and when the lines, wrapped as the
// box wraps them, are more than the screen's height holds, the first ones
// are kept as far as they go, then "…", then the last line if it is short.
QString TestoCheEntra(const QString& testo, const QFontMetrics& fm, QSize schermo);

// Shortcuts for windows.
Risposta Msg(QWidget* padre, const QString& testo, Icona icona = Icona::Nessuna,
             Pulsanti pulsanti = Pulsanti::Ok, const QString& titolo = QString(),
             Risposta predefinita = Risposta::Ok);
inline QString Titolo() { return servizi().titolo; }

}  // namespace ui
