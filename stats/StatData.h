// StatData: the statistics of the draw's day. Over the range chosen on the
// range bar, does the number equal to the day of the month come out in that
// day's draw on the ticked wheels? The event list, the detail panel (the hit
// yellow on red, the day's number on an unticked wheel on yellow) and the
// report with the distributions by wheel and by month are the statistics
// frame's.
#pragma once

#include "stats/TelaioStatistiche.h"

class StatData : public TelaioStatistiche {
  Q_OBJECT

 public:
  explicit StatData(const ui::Contesto& contesto, QWidget* parent = nullptr);

  // The run over the range of the range bar, taken at its start.
  void Statistica_Data();

 protected:
  void Avvia() override { Statistica_Data(); }
  Statistiche::Elaborazione Calcola() override;
  void PrimaDellaCorsa() override { CopiaRange(); }
  QString Intestazione() const override { return QStringLiteral("laData di Estrazione"); }
  QString NomeFile() const override { return QStringLiteral("laData"); }
  Statistiche::Evidenza Evidenza() const override { return Statistiche::Evidenza::Giorno; }
};
