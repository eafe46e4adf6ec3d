// Programma: the one gate through which windows change the shared state.
//
// It wraps the plain Stato and owns the change signals, so that tool windows
// refresh by subscribing instead of being called one by one.
#pragma once

#include <QObject>

#include "core/stato.h"

class Programma : public QObject {
  Q_OBJECT

 public:
  explicit Programma(Stato& stato, QObject* parent = nullptr);

  Stato& stato() { return mStato; }
  const Stato& stato() const { return mStato; }

  // Sets the range chosen on the range bar (EstrInizio, EstrFine).
  void impostaRange(int inizio, int fine);
  void impostaInizio(int inizio) { impostaRange(inizio, mStato.EstrFine); }
  void impostaFine(int fine) { impostaRange(mStato.EstrInizio, fine); }
  // Announces that the archive and its indices were rebuilt.
  void notificaArchivioVariato();

 signals:
  void rangeChanged();
  void archiveChanged();

 private:
  Stato& mStato;
};
