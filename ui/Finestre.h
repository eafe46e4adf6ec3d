// Finestre: the MDI host's registry of tool windows.
//
// apri<W>() creates a tool window on first use and brings it to the front
// afterwards (one instance per class: a subclass of W is another tool, so
// the registry matches the exact class); nuova<W>() always creates a new one,
// offset from the previous one of its class.
// A window that sets the property "nascondeLimiti" hides the range bar while
// it is the active child window; the bar comes back when another window (or
// none) becomes active.
//
// A window opens at its design size (ImpostaDimensioni) or larger, as large
// as its content asks (its sizeHint: whole grids, report panes of the width
// and lines they declare), and never larger than the room the host has from
// where it opens, unless its controls cannot fit in that room.
#pragma once

#include <QList>
#include <QMargins>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QObject>
#include <QPointer>
#include <typeinfo>
#include <utility>

#include "ui/Servizi.h"

namespace ui {

class Finestre : public QObject {
  Q_OBJECT

 public:
  explicit Finestre(QMdiArea* area, QObject* parent = nullptr);

  // The widget hidden while a window that asks for it is active.
  void setBarraLimiti(QWidget* barra) { mBarra = barra; }
  // Shows the range bar again (a window that hid it is closing).
  void mostraBarraLimiti() {
    if (mBarra) mBarra->setVisible(true);
  }

  template <class W, class... A>
  W* apri(A&&... argomenti) {
    if (W* esistente = trova<W>()) {
      porta(esistente);
      return esistente;
    }
    W* w = new W(std::forward<A>(argomenti)...);
    aggiungi(w);
    return w;
  }

  template <class W, class... A>
  W* nuova(A&&... argomenti) {
    W* w = new W(std::forward<A>(argomenti)...);
    aggiungi(w, true);
    return w;
  }

  // The open window of exactly class W (not of a subclass), or nullptr.
  template <class W>
  W* trova() const {
    for (QWidget* w : aperte())
      if (typeid(*w) == typeid(W)) return static_cast<W*>(w);
    return nullptr;
  }

  // The open tool windows, in creation order (a snapshot).
  QList<QWidget*> aperte() const;
  QWidget* attiva() const;
  QMdiArea* area() const { return mArea; }

  // Brings a window to the front (restoring it when minimised).
  void porta(QWidget* w);
  // Closes every tool window except one (nullptr: all), over a snapshot.
  // The windows that may refuse their close are asked first: when one
  // refuses, no other window closes and false is returned.
  bool chiudiTutteTranne(QWidget* eccetto);
  // After an archive change: closes every tool window that reads the
  // archive, that is all but `eccetto` and the windows marked
  // IndipendenteDallArchivio.
  void chiudiLettoriArchivio(QWidget* eccetto);
  void riduciTutte();
  // Lines the minimised windows up along the bottom of the host.
  void disponiIcone();

  // Grows an open window to what its content asks now (wider grids after a
  // computation), within the room the host has from where the window stands
  // unless its controls need more; never shrinks it, nor touches a maximised
  // or minimised one.
  static void Adatta(QWidget* w);
  // Sets a window's design size: outer, in twips. It opens at the top left
  // corner, at least this large where the host has room.
  static void ImpostaDimensioni(QWidget* w, int larghezzaTwip, int altezzaTwip);
  // The outer size a window opens at: the design size grown to what its
  // content asks, then bounded by the room there is, but never below the
  // least its controls need without overlapping (the host then scrolls).
  // Each is an outer size in pixels; an invalid one does not count.
  static QSize Apertura(QSize progetto, QSize contenuto, QSize spazio, QSize minimo);
  // The first size of a main window whose design size is `progetto`: the
  // screen's available area less the window manager's frame `cornice`,
  // larger or smaller than designed as that area is, so that the tool windows
  // have the whole screen to open in; the design size when the area is not
  // known.
  static QSize SulloSchermo(QSize progetto, QSize disponibile, QMargins cornice);
  // A window that cannot open (its data cannot be read): the reason in a box
  // (critical unless told otherwise) over the main window. Called while the
  // window is being built, the box comes once apri() or nuova() has it, and
  // the window is never shown but deleted later (the pointer they return
  // stays valid until the event loop runs); on an open window, the window
  // then closes.
  static void Rinuncia(QWidget* w, const QString& motivo, Icona icona = Icona::Critica);
  // A notice of a window that may not be on screen yet (one given while it is
  // being built): a box with an OK button shown at once when the window is
  // visible, otherwise as soon as it has been shown.
  static void Avvisa(QWidget* w, const QString& testo, Icona icona = Icona::Nessuna);
  // Closes a tool window with its frame (or the bare widget outside the host).
  static void Chiudi(QWidget* w);
  // Marks a window that hides the range bar while it is active.
  static void NascondeLimiti(QWidget* w) { w->setProperty("nascondeLimiti", true); }
  // Marks a window whose close may be refused (it asks the user first), so
  // that closing every window asks it before any other closes.
  static void PuoRifiutareChiusura(QWidget* w) { w->setProperty("puoRifiutareChiusura", true); }
  // Marks a window that does not read the archive, so that an archive change
  // leaves it open (and its unsaved work with it).
  static void IndipendenteDallArchivio(QWidget* w) { w->setProperty("indipendenteDallArchivio", true); }

 signals:
  void finestreCambiate();

 protected:
  // A window whose box is open closes only after the box has returned.
  bool eventFilter(QObject* oggetto, QEvent* evento) override;

 private:
  // A window opened anew (`cascata`) stands offset from the last open window
  // of its class, so that two of them can be compared.
  void aggiungi(QWidget* w, bool cascata = false);
  void attivata(QMdiSubWindow* sotto);
  static QMdiSubWindow* Cornice(QWidget* w);

  QMdiArea* mArea;
  QPointer<QWidget> mBarra;
};

}  // namespace ui
