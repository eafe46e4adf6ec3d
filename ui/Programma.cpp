#include "ui/Programma.h"

Programma::Programma(Stato& stato, QObject* parent) : QObject(parent), mStato(stato) {}

void Programma::impostaRange(int inizio, int fine) {
  if (inizio == mStato.EstrInizio && fine == mStato.EstrFine) return;
  mStato.EstrInizio = inizio;
  mStato.EstrFine = fine;
  emit rangeChanged();
}

void Programma::notificaArchivioVariato() { emit archiveChanged(); }
