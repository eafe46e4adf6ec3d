// Metodi: the method tester, a child window of the main window.
//
// Page "&Pronostici" composes a method: Calcolo terms become an Elemento
// line, Elemento lines and the ticked sortes become a Pronostico line of the
// method list, which is edited, described, saved to and opened from method
// files. Page "&Verifica" holds the test options and back-tests the method
// over a period, showing the cycle-by-cycle report with its totals, which is
// printed or saved. The window reads the archive as it was when it opened
// and hides the range bar while it is active.
//
// Every game difference comes from metodi::Regole: this class is the Lotto
// tester and, built with other rules, the tester of another game.
//
// Its members are defined by job: Metodi.cpp builds and lays out the window,
// Metodi_composizione.cpp composes lines and edits the lists,
// Metodi_opzioni.cpp holds the options frame's rules and the options to and
// from the controls, Metodi_comandi.cpp runs, prints and saves.
#pragma once

#include <QWidget>
#include <array>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "methods/file_metodo.h"
#include "methods/periodo.h"
#include "methods/regole.h"
#include "methods/tavola.h"
#include "ui/Contesto.h"

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QListWidget;
namespace ui { class PannelloTesto; }
class QPushButton;
class QRadioButton;
class QTabBar;

class Metodi : public QWidget {
  Q_OBJECT

 public:
  explicit Metodi(const ui::Contesto& contesto, QWidget* parent = nullptr);

  // The designed window with a report pane of the width and lines it asks for.
  QSize sizeHint() const override;
  QSize minimumSizeHint() const override;

  // Composer.
  void CmbEstratto_Click();
  // The fixed number picked in the number picker.
  void tastogriglia_Click();
  void OptOperatore_Click(int Index);
  void CmdAggiungi_Click();
  void CmdLeva_Click();
  void Command2_Click();
  void CmdPronostico_Click();
  void OptSorte_Click(int Index);
  // Lists, descriptions and pages.
  void CmdNum_Click(int Index);
  void TbMet_Click();
  // Options and their rules.
  void CmbMese_Click(int Index);
  void CmbAnno_Click(int Index);
  void OptUltCic_Click(int Index);
  void CkPositivi_Click();
  void CkRiepilogo_Click();
  void CheckRuota_Click(int Index);
  bool Controlla_Opzioni();
  // Commands: 0 run, 1 exit, 2 print, 3 save output, 4 save method, 5 open method.
  void Cmd_Click(int Index);
  void Elabora_Metodo();

  // The options frame as the method file stores it, and back.
  metodi::Opzioni LeggiOpzioni() const;
  void ApplicaOpzioni(const metodi::Opzioni& o);
  // The lines of the method list.
  std::vector<std::string> Pronostici() const;
  // The output pane's text as the model wrote it (UTF-8, CR LF).
  const std::string& Testo() const { return mTesto; }

  // State of the window.
  int EstrInizioTest = 1;
  int EstrFineTest = 0;
  int UltimaEstrValida = 0;
  int ControlloPeriodo = 0;  // 0: the period rules are off
  bool UltimaChiudeMese = false;
  QString CartellaAvvio;
  int EstrattoCalcolo = 1;
  QString OperatoreCalcolo;

  // Controls, by their design names.
  QTabBar* TbMet = nullptr;
  QGroupBox* Frame7 = nullptr;  // "Numeri"
  QGroupBox* Frame1 = nullptr;  // "Calcolo"
  QComboBox* CmbEstratto = nullptr;
  QComboBox* CMbRuotaCalcolo = nullptr;
  QComboBox* CmbFissi = nullptr;
  QPushButton* tastogriglia = nullptr;
  std::array<QRadioButton*, 2> OptOperatore{};
  QPushButton* CmdAggiungi = nullptr;
  QPushButton* CmdLeva = nullptr;
  QPushButton* Command2 = nullptr;
  QListWidget* ListCalcoli = nullptr;
  QPushButton* CmdPronostico = nullptr;
  QGroupBox* FramePronostico = nullptr;
  QListWidget* ListRit = nullptr;
  QGroupBox* Frame9 = nullptr;         // the sortes
  std::map<int, QCheckBox*> OptSorte;  // 1..5
  QLabel* Label5 = nullptr;
  QComboBox* CmbEst = nullptr;
  QGroupBox* Frame3 = nullptr;  // "Gruppo Pronostici"
  QListWidget* ListPro = nullptr;
  std::map<int, QPushButton*> CmdNum;  // 1..13 (2 only where the rules give "Modifica")
  std::map<int, QPushButton*> Cmd;     // 0..5
  QGroupBox* Frame6 = nullptr;         // "Opzioni Metodo"
  QLabel* Label7 = nullptr;
  std::array<QComboBox*, 2> CmbMese{};
  std::array<QComboBox*, 2> CmbAnno{};
  std::array<QRadioButton*, 3> OptUltCic{};
  QComboBox* CmbCicli = nullptr;
  QLabel* Label1 = nullptr;
  QComboBox* TxtColpi = nullptr;
  QCheckBox* CkInterrompi = nullptr;
  QCheckBox* CkPositivi = nullptr;
  QCheckBox* CkRiepilogo = nullptr;
  QCheckBox* CkParziali = nullptr;
  QGroupBox* Frame2 = nullptr;           // "Ruote"
  std::map<int, QCheckBox*> CheckRuota;  // 1..11
  ui::PannelloTesto* Text1 = nullptr;

 protected:
  // The tester of another game (its own class, so that each opens once).
  Metodi(const ui::Contesto& contesto, const metodi::Regole& regole, QWidget* parent);
  void closeEvent(QCloseEvent* e) override;
  bool eventFilter(QObject* oggetto, QEvent* evento) override;
  void resizeEvent(QResizeEvent* e) override;

 private:
  // Gives the window's room to the report pane on page 2, and its room beyond
  // the design to the method list on page 1.
  void Disponi();
  void creaComposizione();
  void creaGruppo();
  void creaOpzioni();
  void creaComandi();
  void Form_Load();
  void LimiteUltimoAnno(int Index);
  void CmdNumElemento(int Index);
  void CmdNumPronostico(int Index);
  bool SorteAmmessa(int Index) const;
  // "Correggi": the line at that place through the line corrector.
  void Correggi(int riga);
  void Salva_Metodo();
  void Apri_Metodo();
  void Salva_Output();
  // Sets the output pane from the model's text.
  void MostraTesto(std::string testo);
  // The name the output's save proposes: the method's, "Metodo" while no
  // method file has been opened or saved.
  QString NomeProposto() const;
  // Remembers the folder of a file chosen in a dialog.
  void RicordaCartella(const QString& percorso);
  QStringList Righe(const QListWidget* lista) const;

  const ui::Contesto& mContesto;
  const metodi::Regole& mRegole;
  metodi::Base mBase;
  std::optional<metodi::Tavola> mTavola;
  std::string mTesto;
  // The method file last opened or saved, as the dialog gave it; none yet
  // while the window shows a method of its own. Its name is the method's.
  std::optional<QString> mFileMetodo;
  int mFondo = 0;  // twips: the bottom of page 1's composer as designed
};
