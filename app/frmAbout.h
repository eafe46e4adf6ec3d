// frmAbout: the about box, a modal dialog with the product's web address.
#pragma once

#include <QDialog>

class QGroupBox;
class QLabel;
class QPlainTextEdit;
class QPushButton;

class frmAbout : public QDialog {
  Q_OBJECT

 public:
  explicit frmAbout(QWidget* parent = nullptr);

  void CmdOK_Click();
  void Label1_Click();

  QLabel* Picture1 = nullptr;
  QGroupBox* Frame1 = nullptr;
  QPlainTextEdit* Text1 = nullptr;
  QLabel* Label1 = nullptr;
  QLabel* lblVersion = nullptr;
  QPushButton* CmdOK = nullptr;

 protected:
  bool eventFilter(QObject* oggetto, QEvent* evento) override;
};
