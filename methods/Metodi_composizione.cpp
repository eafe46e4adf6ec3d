// The composer of the method tester: Calcolo terms into an Elemento, Elementi
// into a Pronostico line, and the commands of the three lists.
#include <QCheckBox>
#include <QComboBox>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>

#include "methods/Metodi.h"
#include "methods/descrizione.h"
#include "methods/griglia.h"
#include "methods/pronostico.h"
#include "ui/Servizi.h"
#include "ui/Testo.h"

namespace {

// The selected line of a list, -1 when none.
int Selezionata(const QListWidget* l) {
  const int r = l->currentRow();
  return r >= 0 && l->item(r)->isSelected() ? r : -1;
}

void Sostituisci(QListWidget* l, int riga, const QString& testo) { l->item(riga)->setText(testo); }

}  // namespace

// --- Composer ------------------------------------------------------------------

void Metodi::CmbEstratto_Click() { EstrattoCalcolo = CmbEstratto->currentIndex() + 1; }

void Metodi::OptOperatore_Click(int Index) {
  OperatoreCalcolo = Index == 0 ? QStringLiteral("Somma") : QStringLiteral("Sottrai");
}

void Metodi::CmdAggiungi_Click() {
  if (OperatoreCalcolo.isEmpty()) OperatoreCalcolo = QStringLiteral("Somma");
  ListCalcoli->addItem(
      ui::Q(metodi::TestoCalcolo(ui::S(OperatoreCalcolo), ui::S(CmbFissi->currentText().trimmed()),
                                 EstrattoCalcolo, ui::S(CMbRuotaCalcolo->currentText()))));
}

void Metodi::CmdLeva_Click() {
  if (const int r = Selezionata(ListCalcoli); r >= 0) delete ListCalcoli->takeItem(r);
}

void Metodi::Command2_Click() {
  if (ui::Msg(this, QStringLiteral("Cancellare tutti i Calcoli ?"), ui::Icona::Nessuna,
              ui::Pulsanti::SiNo) == ui::Risposta::Si)
    ListCalcoli->clear();
}

void Metodi::CmdPronostico_Click() {
  if (ListCalcoli->count() == 0) return;
  std::vector<std::string> calcoli;
  for (const QString& r : Righe(ListCalcoli)) calcoli.push_back(ui::S(r));
  ListRit->addItem(ui::Q(metodi::ElementoDaCalcoli(calcoli, ListRit->count() + 1)));
  ListCalcoli->clear();
}

void Metodi::tastogriglia_Click() {
  griglia picker(mContesto.stato(), this);
  if (ui::servizi().dialoghi->esegui(&picker) != QDialog::Accepted) return;
  CmbFissi->setCurrentIndex(mContesto.stato().NumeroGriglia);
}

// A sorte box stays ticked only when the Elementi are as many as its hits need.
bool Metodi::SorteAmmessa(int Index) const {
  return mRegole.puntiNecessari[static_cast<std::size_t>(Index - 1)] <= ListRit->count();
}

void Metodi::OptSorte_Click(int Index) {
  if (OptSorte[Index]->isChecked() && !SorteAmmessa(Index)) OptSorte[Index]->setChecked(false);
}

// --- Lists and pages -------------------------------------------------------

void Metodi::CmdNum_Click(int Index) {
  if (Index <= 6)
    CmdNumElemento(Index);
  else
    CmdNumPronostico(Index);
}

void Metodi::CmdNumElemento(int Index) {
  const int sel = Selezionata(ListRit);
  auto rinumera = [this](int riga) {
    Sostituisci(ListRit, riga,
                ui::Q(metodi::RinumeraElemento(ui::S(ListRit->item(riga)->text()), riga + 1)));
  };
  switch (Index) {
    case 1:  // Elimina
      if (sel < 0) return;
      delete ListRit->takeItem(sel);
      for (int k = 1; k <= 5; ++k)
        if (!SorteAmmessa(k)) OptSorte[k]->setChecked(false);
      for (int r = 0; r < ListRit->count(); ++r) rinumera(r);
      return;
    case 2:  // Modifica: the Elemento's terms back into the Calcolo list
      if (sel < 0) return;
      ListCalcoli->clear();
      CmbEstratto->setCurrentIndex(0);
      CMbRuotaCalcolo->setCurrentIndex(0);
      CmbFissi->setCurrentIndex(0);
      OptOperatore[0]->setChecked(true);
      OptOperatore_Click(0);
      for (const std::string& c : metodi::CalcoliDaElemento(ui::S(ListRit->item(sel)->text())))
        ListCalcoli->addItem(ui::Q(c));
      return;
    case 3:  // Svuota
      if (ListRit->count() == 0) return;
      if (ui::Msg(this, QStringLiteral("Cancellare Pronostico attuale ?"), ui::Icona::Nessuna,
                  ui::Pulsanti::SiNo) != ui::Risposta::Si)
        return;
      ListRit->clear();
      for (auto& [k, casella] : OptSorte) casella->setChecked(false);
      return;
    case 4: {  // Aggiungi al Gruppo
      if (ListRit->count() == 0) return;
      std::string lettere;
      for (int k = 1; k <= 5; ++k)
        if (OptSorte[k]->isChecked())
          lettere += metodi::kLettereSorte[static_cast<std::size_t>(k - 1)];
      if (lettere.empty()) {
        ui::Msg(this, QStringLiteral("Selezionare almeno una Sorte"), ui::Icona::Critica);
        return;
      }
      std::vector<std::string> elementi;
      for (const QString& r : Righe(ListRit)) elementi.push_back(ui::S(r));
      ListPro->addItem(ui::Q(metodi::TestoPronostico(
          lettere, metodi::CodiceDiVoce(CmbEst->currentIndex()), elementi)));
      ListRit->clear();
      for (auto& [k, casella] : OptSorte) casella->setChecked(false);
      return;
    }
    case 5:
    case 6: {  // Su, Giù
      const int altra = Index == 5 ? sel - 1 : sel + 1;
      if (sel < 0 || altra < 0 || altra >= ListRit->count()) return;
      const QString testo = ListRit->item(sel)->text();
      Sostituisci(ListRit, sel, ListRit->item(altra)->text());
      Sostituisci(ListRit, altra, testo);
      rinumera(sel);
      rinumera(altra);
      ListRit->setCurrentRow(altra);
      return;
    }
    default:
      return;
  }
}

void Metodi::CmdNumPronostico(int Index) {
  const int sel = Selezionata(ListPro);
  switch (Index) {
    case 7:
    case 8: {  // Su, Giù
      const int altra = Index == 7 ? sel - 1 : sel + 1;
      if (sel < 0 || altra < 0 || altra >= ListPro->count()) return;
      ListPro->insertItem(altra, ListPro->takeItem(sel));
      ListPro->setCurrentRow(altra);
      return;
    }
    case 9:  // Elimina
      if (sel >= 0) delete ListPro->takeItem(sel);
      return;
    case 10:  // Svuota
      if (ListPro->count() == 0) return;
      if (ui::Msg(this, QStringLiteral("Cancellare tutti i Pronostici ?"), ui::Icona::Nessuna,
                  ui::Pulsanti::SiNo) == ui::Risposta::Si)
        ListPro->clear();
      return;
    case 13:
      if (sel >= 0) Correggi(sel);
      return;
    case 11:
    case 12: {  // Dettagli Pronostico, Riepilogo Metodo
      if (ListPro->count() == 0 || (Index == 11 && sel < 0)) return;
      std::vector<int> posti;
      if (Index == 11) posti.push_back(sel);
      for (int r = 0; Index == 12 && r < ListPro->count(); ++r) posti.push_back(r);
      const metodi::Opzioni opzioni = LeggiOpzioni();
      // The name on one line, as the title shows it: the summary's lines are its own.
      const std::string nome = ui::S(ui::SuUnaRiga(ui::Nome(this)));
      MostraTesto(metodi::Descrivi(
          Pronostici(), posti, mFileMetodo ? std::optional<std::string_view>(nome) : std::nullopt,
          Index == 12 ? &opzioni : nullptr, mContesto.stato().indici, mRegole));
      TbMet->setCurrentIndex(1);
      return;
    }
    default:
      return;
  }
}
