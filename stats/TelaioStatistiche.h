// TelaioStatistiche: the frame the statistics windows share. The wheel boxes
// with "TUTTE", the buttons "Elabora", "Esci", "&Stampa" and "S&alva", the
// options check, the run (hourglass, the event list, the report pane, the
// detail panel of the chosen event's draw, "NESSUN RISULTATO"), printing and
// saving the report, and the range caption in the status bar.
//
// A window derives from it and supplies its question: the model call of its
// run (Calcola), its further option checks, its heading line and file name,
// its detail colours and, when it differs from the range by draw labels, its
// range caption. It places its own controls in the frame's layouts: above
// the frame's controls (Sopra), in the options frame beside the wheels
// (OpzioniFinestra), and may add the sorte options and the heading of the
// event list. A window whose controls above leave little height may take the
// report and the event list beside the options where it is wide enough
// (PostoDettaglio).
#pragma once

#include <QWidget>
#include <map>
#include <string>
#include <vector>

#include "stats/statistiche.h"
#include "ui/Contesto.h"

class QAbstractListModel;
class QBoxLayout;
class QCheckBox;
class QGroupBox;
class QLabel;
class QListView;
namespace ui { class PannelloTesto; }
class QPushButton;
class QRadioButton;
class QStatusBar;

class TelaioStatistiche : public QWidget {
  Q_OBJECT

 public:
  // Window fields: the first and the last draw of the run, the count of
  // ticked boxes left by the last options check ("TUTTE" counts as one), and
  // the hit marks of the last run.
  int EstrInizio = 0;
  int EstrFine = 0;
  int RuoteSpuntate = 0;
  Statistiche::Segni Segni;

  // Controls, by their design names.
  QGroupBox* Frame1 = nullptr;            // "OPZIONI"
  QGroupBox* Frame2 = nullptr;            // "Ruote"
  std::map<int, QCheckBox*> CheckESTR;    // 1..10 the wheels, 11 "TUTTE"
  std::map<int, QPushButton*> Cmd;        // 0 Elabora, 1 Esci, 2 Stampa, 3 Salva
  ui::PannelloTesto* Text1 = nullptr;        // the report
  QListView* ListRit = nullptr;           // one line per event
  QGroupBox* Frame5 = nullptr;            // the detail panel
  std::map<int, QLabel*> NUM;             // 1..50: wheel w, position p at (w - 1) * 5 + p
  std::map<int, QLabel*> ruo;             // 1..10: the wheel names of the panel's rows
  QStatusBar* StBar = nullptr;
  QLabel* Panel1 = nullptr;               // the status bar's panel 1
  QGroupBox* Frame3 = nullptr;            // "Sorte", when the window has it
  std::map<int, QRadioButton*> OptSorte;  // 0 Ambata .. 4 Cinquina
  QLabel* LabelLista = nullptr;           // "Dettaglio Presenze / Ritardo", when the window has it

  // Handlers of the frame.
  void Cmd_Click(int Index);
  // Counts the ticked boxes, runs the window's further checks and shows the
  // faults in one box; true when there are none.
  bool Controlla_Opzioni();
  void CheckESTR_Click(int Index);
  // Shows the draw of the chosen event line in the detail panel.
  void ListRit_Click();
  void Mostra_Dettaglio_Estrazione(int d);
  // Writes the range caption into panel 1: by draw labels unless the window
  // has its own form.
  virtual void Mostra_Periodo();

  // The event list: its lines, and the draw each line carries as item data.
  int ListRitCount() const;
  QString ListRitTesto(int i) const;
  int ListRitItemData(int i) const;
  // The report lines the pane shows (empty after a run without events).
  const std::vector<std::string>& Rapporto() const { return mRapporto; }

  // Where the window chooses its arrangement by its width, it may be made as
  // narrow as the narrowest one needs.
  QSize minimumSizeHint() const override;

 protected:
  TelaioStatistiche(const ui::Contesto& contesto, QWidget* parent = nullptr);

  // What "Elabora" starts: the window's run procedure (by default the run).
  virtual void Avvia() { Elabora(); }
  // The window's model call: the run with the window's options and fields.
  virtual Statistiche::Elaborazione Calcola() = 0;
  // The window's checks after the wheel check, in the order the box lists
  // them; each fault is one message line.
  virtual std::vector<std::string> ControlliAggiuntivi() { return {}; }
  // What the run does after the hourglass is set and before the results are
  // cleared (the windows on the selected range take it over here).
  virtual void PrimaDellaCorsa() {}
  // The heading line of the printout and of the saved file.
  virtual QString Intestazione() const = 0;
  // The name the save dialog proposes.
  virtual QString NomeFile() const = 0;
  // False when the saved file holds the report alone.
  virtual bool FileConIntestazione() const { return true; }
  virtual Statistiche::Evidenza Evidenza() const { return Statistiche::Evidenza::Colpiti; }

  // The run: options check, hourglass, results cleared, Calcola, the event
  // list and the report filled, the first event shown. The windows' run
  // procedures call it.
  void Elabora();
  // Empties the results of the last run: event list, report, detail panel;
  // "&Stampa" and "S&alva" disabled.
  void SvuotaRisultati();
  // Copies the range of the range bar into EstrInizio, EstrFine and writes
  // the caption.
  void CopiaRange();

  // The ticked wheels, boxes 1..10.
  Statistiche::Ruote RuoteScelte() const;
  // Adds the frame "Sorte" with its five options to the options frame, the
  // option `predefinita` (0..4) selected.
  void AggiungiSorte(int predefinita);
  // The sorte of the first selected option (1..5) and its caption without
  // the accelerator; 1 and "Ambata" when none is selected.
  int Sorte() const;
  QString NomeSorte() const;
  // Adds the heading "Dettaglio Presenze / Ritardo" over the event list.
  void AggiungiTitoloLista();
  // Sets the window's design size in twips.
  void Dimensiona(int larghezzaTwip, int altezzaTwip);
  // A layout of the window's own (above the options) for the detail panel,
  // so that the report and the event list may stand beside the options and
  // the buttons and take the height down to the status bar. nullptr (the
  // default): always below the options.
  virtual QBoxLayout* PostoDettaglio() { return nullptr; }

  void showEvent(QShowEvent* evento) override;
  void resizeEvent(QResizeEvent* evento) override;

  // Layouts the window fills: above the frame's controls, and beside the
  // wheels inside "OPZIONI".
  QBoxLayout* Sopra = nullptr;
  QBoxLayout* OpzioniFinestra = nullptr;

  ui::Contesto mContesto;
  Stato& mStato;

 private:
  void creaControlli();
  void stampa();
  void salva();
  // Where a window with PostoDettaglio puts the results, from the widest to
  // the narrowest: beside the options with the detail panel beside the
  // window's own controls above (Larga); beside the options with the buttons
  // under them and the detail panel over the event list (Media); below the
  // options (Stretta, the frame's only one for the other windows).
  enum class Disposizione { Larga, Media, Stretta };
  // The widest arrangement whose controls fit `larghezza` pixels; the window
  // then grows where its height no longer holds them.
  void disponi(int larghezza);
  void applica(Disposizione d);

  QAbstractListModel* mEventi = nullptr;
  QBoxLayout* mFinestra = nullptr;
  QBoxLayout* mComandi = nullptr;    // options, buttons, detail panel
  QBoxLayout* mOpzioni = nullptr;    // options over buttons, in the middle arrangement
  QBoxLayout* mPulsanti = nullptr;   // the four buttons
  QBoxLayout* mLista = nullptr;      // heading and event list
  QBoxLayout* mRisultati = nullptr;  // report and event list
  Disposizione mDisposizione = Disposizione::Stretta;
  bool mDisposta = false;    // the first arrangement is chosen, on first show
  bool mInCorso = false;     // an arrangement is being applied
  int mLarghezzaMinima = 0;  // the least width of the narrowest arrangement
  std::vector<std::string> mRapporto;
};
