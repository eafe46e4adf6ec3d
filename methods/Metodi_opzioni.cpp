// The test options of the method tester: the click rules of the options
// frame, their check, and the options to and from the controls.
#include <QCheckBox>
#include <QComboBox>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>

#include "methods/Metodi.h"
#include "methods/descrizione.h"
#include "ui/Servizi.h"
#include "ui/Testo.h"

namespace {

// A check box's value: 0 clear, 1 ticked, 2 greyed.
int Valore(const QCheckBox* c) {
  switch (c->checkState()) {
    case Qt::Checked:
      return 1;
    case Qt::PartiallyChecked:
      return 2;
    default:
      return 0;
  }
}

void Imposta(QCheckBox* c, int valore) {
  c->setTristate(valore == 2);
  c->setCheckState(valore == 1 ? Qt::Checked : valore == 2 ? Qt::PartiallyChecked : Qt::Unchecked);
}

}  // namespace

// --- Options --------------------------------------------------------------------

// In the archive's last year no month passes the last valid draw's month.
void Metodi::LimiteUltimoAnno(int Index) {
  const int ultimoMese = mContesto.stato().ArchivioEstrazioni.mese(UltimaEstrValida);
  if (CmbAnno[Index]->currentIndex() == CmbAnno[Index]->count() - 1 &&
      CmbMese[Index]->currentIndex() + 1 > ultimoMese)
    CmbMese[Index]->setCurrentIndex(ultimoMese - 1);
}

void Metodi::CmbMese_Click(int Index) {
  if (ControlloPeriodo == 0) return;
  LimiteUltimoAnno(Index);
  if (CmbAnno[0]->currentIndex() != CmbAnno[1]->currentIndex()) return;
  if (Index == 0 && CmbMese[0]->currentIndex() > CmbMese[1]->currentIndex())
    CmbMese[0]->setCurrentIndex(CmbMese[1]->currentIndex());
  else if (Index == 1 && CmbMese[1]->currentIndex() < CmbMese[0]->currentIndex())
    CmbMese[1]->setCurrentIndex(CmbMese[0]->currentIndex());
}

void Metodi::CmbAnno_Click(int Index) {
  if (ControlloPeriodo == 0) return;
  LimiteUltimoAnno(Index);
  if (Index == 0 && CmbAnno[0]->currentIndex() > CmbAnno[1]->currentIndex())
    CmbAnno[0]->setCurrentIndex(CmbAnno[1]->currentIndex());
  else if (Index == 1 && CmbAnno[1]->currentIndex() < CmbAnno[0]->currentIndex())
    CmbAnno[1]->setCurrentIndex(CmbAnno[0]->currentIndex());
}

void Metodi::OptUltCic_Click(int Index) {
  CmbMese[1]->setEnabled(Index == 0);
  CmbAnno[1]->setEnabled(Index == 0);
  CmbCicli->setEnabled(Index == 2);
}

// The box unticked by the other is a plain one again: a click ticks it.
void Metodi::CkPositivi_Click() {
  if (Valore(CkPositivi) == 1) Imposta(CkRiepilogo, 0);
}

void Metodi::CkRiepilogo_Click() {
  if (Valore(CkRiepilogo) == 1) Imposta(CkPositivi, 0);
}

void Metodi::CheckRuota_Click(int Index) {
  if (Index != 11) return;
  for (int w = 1; w <= 10; ++w) Imposta(CheckRuota[w], Valore(CheckRuota[11]));
}

bool Metodi::Controlla_Opzioni() {
  int spuntate = 0;
  for (auto& [w, casella] : CheckRuota) spuntate += Valore(casella) == 1;
  const std::string errori = metodi::ErroriOpzioni(spuntate, ListPro->count());
  if (errori.empty()) return true;
  ui::Msg(this, ui::Q(errori), ui::Icona::Critica, ui::Pulsanti::Ok,
          QStringLiteral("ATTENZIONE - ERRORI NELLE OPZIONI !!!"));
  return false;
}

metodi::Opzioni Metodi::LeggiOpzioni() const {
  metodi::Opzioni o;
  for (int i = 0; i < 2; ++i) {
    o.mese[static_cast<std::size_t>(i)] = CmbMese[static_cast<std::size_t>(i)]->currentIndex();
    o.anno[static_cast<std::size_t>(i)] = CmbAnno[static_cast<std::size_t>(i)]->currentIndex();
  }
  o.fine = OptUltCic[0]->isChecked() ? 0 : OptUltCic[1]->isChecked() ? 1 : 2;
  o.colpi = static_cast<int>(ui::NumeroIniziale(TxtColpi->currentText()));
  o.interrompi = Valore(CkInterrompi);
  o.positivi = Valore(CkPositivi);
  o.riepilogo = Valore(CkRiepilogo);
  o.parziali = Valore(CkParziali);
  for (int w = 1; w <= 11; ++w) o.ruote[static_cast<std::size_t>(w - 1)] = Valore(CheckRuota.at(w));
  o.cicli = static_cast<int>(ui::NumeroIniziale(CmbCicli->currentText()));
  return o;
}

void Metodi::ApplicaOpzioni(const metodi::Opzioni& o) {
  for (int i = 0; i < 2; ++i) {
    CmbMese[i]->setEnabled(true);
    CmbAnno[i]->setEnabled(true);
  }
  CmbAnno[0]->setCurrentIndex(o.anno[0]);
  CmbMese[0]->setCurrentIndex(o.mese[0]);
  CmbAnno[1]->setCurrentIndex(o.anno[1]);
  CmbMese[1]->setCurrentIndex(o.mese[1]);
  OptUltCic[o.fine]->setChecked(true);
  OptUltCic_Click(o.fine);  // also when it was selected already
  TxtColpi->setCurrentIndex(o.colpi - 1);
  // The boxes start clear, as in a new window, so that their rules act on
  // what the file says alone, never on what the window held before.
  for (QCheckBox* c : {CkInterrompi, CkPositivi, CkRiepilogo, CkParziali}) Imposta(c, 0);
  Imposta(CkInterrompi, o.interrompi);
  Imposta(CkPositivi, o.positivi);
  Imposta(CkRiepilogo, o.riepilogo);
  Imposta(CkParziali, o.parziali);
  // "TUTTE" first, so that its rule does not override the wheels read.
  Imposta(CheckRuota[11], o.ruote[10]);
  for (int w = 1; w <= 10; ++w) Imposta(CheckRuota[w], o.ruote[static_cast<std::size_t>(w - 1)]);
  CmbCicli->setCurrentIndex(o.cicli - 1);
}
