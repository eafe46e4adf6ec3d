// TabForm: the editor of the table of number formations (TabFnum.txt in the
// program folder). It lists the groups and the formations of the chosen group,
// adds, renames and deletes groups, adds, modifies and deletes formations,
// shows the whole table as text and prints it, and writes the table back only
// on "&Salva Tabella"; closing it discards unsaved changes. The first eight
// groups are standard and never change.
//
// The window is narrow while browsing; the insertion panel (for a group or for
// formations) and the table view widen it to show its right part. It hides the
// range bar while active and, as it does not read the archive, an archive
// change leaves it open.
#pragma once

#include <QWidget>
#include <array>

#include "stats/tabella_formazioni.h"
#include "ui/Contesto.h"

class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
namespace ui { class PannelloTesto; }
class QPushButton;

class TabForm : public QWidget {
  Q_OBJECT

 public:
  explicit TabForm(const ui::Contesto& contesto, QWidget* parent = nullptr);

  // What the window shows: browsing (narrow), a panel or the table view (wide).
  enum class Modo { Consultazione, PannelloGruppo, PannelloFormazione, Vista };
  Modo modo() const { return mModo; }

  // The table being edited; ListG's rows are its groups in order.
  formazioni::Tabella Tabella;
  // What the reader left out of a file beyond the table's limits: saving
  // loses it, so the user is asked first.
  formazioni::Riduzione TabellaRidotta;

  // Narrow part.
  QGroupBox* Frame1 = nullptr;
  QLabel* Label2 = nullptr;
  QListWidget* ListG = nullptr;
  std::array<QPushButton*, 3> CmdGru{};  // 0 add, 1 rename, 2 delete a group
  QLabel* Label3 = nullptr;
  QListWidget* ListF = nullptr;
  std::array<QPushButton*, 3> CmdFor{};  // 0 add, 1 modify, 2 delete a formation
  QLabel* Label1 = nullptr;
  QLineEdit* TxN = nullptr;
  QPushButton* CmdSalva = nullptr;
  QPushButton* CmdVisTab = nullptr;
  QPushButton* CmdEsci = nullptr;

  // Right part: the insertion panel...
  QGroupBox* Frame2 = nullptr;
  QLabel* Label6 = nullptr;
  QLineEdit* TxG = nullptr;
  QPushButton* CmdInsG = nullptr;
  QPushButton* CmdAnnulla = nullptr;
  QGroupBox* Frame3 = nullptr;
  QLabel* Label5 = nullptr;
  QLineEdit* TxF = nullptr;
  QLabel* Label4 = nullptr;
  QLineEdit* TxM = nullptr;
  QPushButton* CmdOK = nullptr;
  QPushButton* CmdFine = nullptr;
  // ...and the table view.
  ui::PannelloTesto* TxT = nullptr;
  QPushButton* CmdOkV = nullptr;
  QPushButton* CmdStampa = nullptr;

  // Handlers.
  void ListG_Click();
  void ListF_Click();
  void CmdGru_Click(int Index);
  void CmdInsG_Click();
  void CmdAnnulla_Click();
  void CmdFor_Click(int Index);
  void CmdOK_Click();
  void CmdFine_Click();
  void TxF_GotFocus();
  void TxM_GotFocus();
  // Key filters: KeyAscii is the typed character (8 Backspace); 0 drops it.
  void TxG_KeyPress(int& KeyAscii);
  void TxM_KeyPress(int& KeyAscii);
  void CmdSalva_Click();
  void CmdVisTab_Click();
  void CmdOkV_Click();
  void CmdStampa_Click();
  void CmdEsci_Click();

 protected:
  bool eventFilter(QObject* oggetto, QEvent* evento) override;

 private:
  void creaControlli();
  // Derives sizes, visibility and enabled state from the mode.
  void impostaModo(Modo modo);
  int gruppo() const;
  int formazione() const;
  // Removes group g (not standard) and selects the group before it.
  void eliminaGruppo(int g);

  std::filesystem::path mCartella;
  Modo mModo = Modo::Consultazione;
  // What the two panels' buttons do: modify the selected group or formation
  // (their captions say so), or insert a new one.
  bool mModificaGruppo = false;
  bool mModificaFormazione = false;
  QWidget* mDestra = nullptr;
  QWidget* mVista = nullptr;
};
