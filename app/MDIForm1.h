// MDIForm1: the main window. Its menus and toolbar open every tool as a
// child window; the range bar PicLimiti chooses the draws the tools work on
// (EstrInizio..EstrFine); the hidden popup MnuTab1 shows a board cell's
// details.
#pragma once

#include <QMainWindow>
#include <QStringList>
#include <map>
#include <memory>
#include <vector>

#include "ui/Contesto.h"
#include "ui/Programma.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QMdiArea;
class QMenu;
class QScrollBar;
class QToolBar;
class QToolButton;
class QPushButton;

namespace ui {
class Finestre;
}

// The product's web page.
inline constexpr const char* kIndirizzoWeb = "https://www.tarvolane.it/";

class MDIForm1 : public QMainWindow, public ui::MenuDettagli {
  Q_OBJECT

 public:
  explicit MDIForm1(Programma& programma, QWidget* parent = nullptr);
  ~MDIForm1() override;

  Programma& programma() { return mProgramma; }
  ui::Finestre& finestre() { return *mFinestre; }
  QMdiArea* area() const { return mArea; }
  // What the tool windows receive.
  const ui::Contesto& contesto() const { return *mContesto; }

  // Fills the range bar from the draw labels and the year list and selects
  // the whole archive.
  void Crea_Barra_Limiti();

  // Shows a board cell's details (the lines of MnuTab1A, C, D, E, F) as the
  // popup of the asking window, at the mouse position, and waits until it closes.
  void MostraDettagli(const QStringList& righe) override;

  // Menu handlers.
  void MnuEstGest_Click();
  void MnuEstTabAna_Click();
  void MnuRscTab1_Click();
  void MnuRscTab2_Click();
  void MnuRscStat_Click();
  void MnuEstTabRuo_Click();
  void MnuEstCDF_Click();
  void MnuStatAnaNum_Click();
  void MnuStatLaData_Click();
  void MnuStatTab_Click();
  void MnuPrevAAM_Click();
  void MnuPrevSpia_Click();
  void mnuPrevMetodiT_Click();
  void mnuPrevMetodiD_Click();
  void mnuPrevMetodiS_Click();
  void MnuFinestraChiudi_Click();
  void MnuFinestraIcona_Click();
  void MnuFinestraDisponi_Click();
  void MnuHelp_Click();
  void MnuAbout_Click();
  void Toolbar1_ButtonClick(const QString& chiave);
  void PicHelp_Click();
  void PicWeb_Click();

  // Range bar handlers.
  void CmbDataI_Click();
  void CmbDataF_Click();
  void CmbAnnoI_Click();
  void CmbAnnoF_Click();
  void SliIni_Change();
  void SliFin_Change();
  void CmdIni_Click(int Index);

  // Controls, by their design names.
  QWidget* PicLimiti = nullptr;
  QLabel* LbIni = nullptr;
  QComboBox* CmbDataI = nullptr;
  QComboBox* CmbAnnoI = nullptr;
  QScrollBar* SliIni = nullptr;
  QLabel* LbNestr = nullptr;
  QLabel* Label1 = nullptr;
  QComboBox* CmbDataF = nullptr;
  QComboBox* CmbAnnoF = nullptr;
  QScrollBar* SliFin = nullptr;
  std::map<int, QToolButton*> CmdIni;  // indices 0, 2, 3
  QToolBar* Toolbar1 = nullptr;
  QLabel* PicHelp = nullptr;
  QLabel* PicWeb = nullptr;
  QLineEdit* Text1 = nullptr;
  QMenu* MnuTab1 = nullptr;
  std::map<QString, QAction*> voci;  // menu items and toolbar keys by name
  // The item or key of that name (a checked lookup).
  QAction* voce(const QString& nome) const;

 protected:
  void closeEvent(QCloseEvent* e) override;
  bool eventFilter(QObject* oggetto, QEvent* evento) override;

 private:
  void creaMenu();
  void creaBarraStrumenti();
  void creaBarraLimiti();
  void disponiBarraLimiti(const QStringList& etichette);
  void aggiornaMenuFinestra();
  void aggiornaControlli();
  void sincronizzaAnno(QComboBox* data, QComboBox* anno);
  void cambiaAnno(QComboBox* data, QComboBox* anno, QScrollBar* slider);

  Programma& mProgramma;
  QMdiArea* mArea = nullptr;
  ui::Finestre* mFinestre = nullptr;
  std::unique_ptr<ui::Contesto> mContesto;
  QMenu* mMnuFinestra = nullptr;
  QList<QAction*> mVociFinestre;
  // The range bar's controls with their design left edge and width (twips).
  struct ElementoBarra {
    QWidget* controllo;
    int sinistra;
    int larghezza;
  };
  std::vector<ElementoBarra> mDisposizioneLimiti;
};
