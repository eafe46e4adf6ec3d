// Window-test helper: watches the real boxes and file dialogs that a command
// opens and answers them.
#pragma once

#include <QAbstractButton>
#include <QApplication>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPointer>
#include <QTimer>
#include <functional>

namespace prova {

// Watches the real file dialogs and boxes of a command: records the name a
// file dialog proposes, the folder it shows and the text of a box, then
// cancels both, or accepts the file dialog's proposal and answers "Sì" to its
// question. Given a folder `vai`, a file dialog goes there first, as a user
// who looks into another folder, keeping the proposed name. `aiRiquadri`
// runs while each box is up, before it is answered.
class Osservatore {
 public:
  explicit Osservatore(bool accetta = false) : mAccetta(accetta) {
    QObject::connect(&mGuarda, &QTimer::timeout, [this] { guarda(); });
    mGuarda.start(0);
  }
  QString vai;
  QString proposto, cartella, riquadro;
  QStringList riquadri;  // every box, in order
  std::function<void()> aiRiquadri;

 private:
  void guarda() {
    for (QWidget* w : QApplication::topLevelWidgets())
      if (auto* b = qobject_cast<QMessageBox*>(w); b && b->isVisible()) {
        riquadro = b->text();
        riquadri << riquadro;
        if (aiRiquadri) aiRiquadri();
        if (QAbstractButton* si = b->button(QMessageBox::Yes); si && mAccetta)
          si->click();
        else
          b->reject();
        return;
      }
    for (QWidget* w : QApplication::topLevelWidgets())
      if (auto* d = qobject_cast<QFileDialog*>(w); d && d->isVisible() && d != mVisto) {
        mVisto = d;
        proposto = d->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))->text();
        cartella = d->directory().absolutePath();
        if (!vai.isEmpty()) {
          d->setDirectory(vai);
          d->selectFile(proposto);
        }
        // Later: the question it asks runs a loop of its own.
        if (mAccetta)
          QMetaObject::invokeMethod(d, &QDialog::accept, Qt::QueuedConnection);
        else
          d->reject();
      }
  }

  bool mAccetta;
  QTimer mGuarda;
  QPointer<QFileDialog> mVisto;
};

}  // namespace prova
